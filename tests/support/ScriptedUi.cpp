#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace tvn::test {

ScriptedUi::~ScriptedUi() {
    for (const Scripted& s : script_)
        ADD_FAILURE() << "a scripted "
                      << (s.kind == UiCall::Kind::Message ? "message box"
                          : s.kind == UiCall::Kind::Input ? "input dialog"
                                                          : "folder dialog")
                      << " never appeared";
}

void ScriptedUi::expectMessage(Answer answer) {
    script_.push_back({UiCall::Kind::Message, answer, {}});
}

void ScriptedUi::expectInput(const QString& typed) {
    script_.push_back({UiCall::Kind::Input, Answer::Ok, typed});
}

void ScriptedUi::expectFolder(const QString& picked) {
    script_.push_back({UiCall::Kind::Folder, Answer::Ok, picked});
}

std::vector<UiCall> ScriptedUi::dialogs() const {
    std::vector<UiCall> result;
    for (const UiCall& c : calls_)
        if (c.kind == UiCall::Kind::Message || c.kind == UiCall::Kind::Input ||
            c.kind == UiCall::Kind::Folder)
            result.push_back(c);
    return result;
}

std::vector<QString> ScriptedUi::messageTexts() const {
    std::vector<QString> result;
    for (const UiCall& c : calls_)
        if (c.kind == UiCall::Kind::Message)
            result.push_back(c.text);
    return result;
}

int ScriptedUi::count(UiCall::Kind kind) const {
    int n = 0;
    for (const UiCall& c : calls_)
        n += c.kind == kind ? 1 : 0;
    return n;
}

Answer ScriptedUi::message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                           const QString& details) {
    calls_.push_back({UiCall::Kind::Message, text, title, buttons, icon, {}, details});
    if (onMessage)
        onMessage();
    if (!script_.empty() && script_.front().kind == UiCall::Kind::Message) {
        const Answer answer = script_.front().answer;
        script_.pop_front();
        return answer;
    }
    if (allowOk_ && buttons == Buttons::Ok)
        return Answer::Ok;
    ADD_FAILURE() << "unexpected message box: " << text.toStdString();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString ScriptedUi::input(const QString& prompt, const QString& title,
                          const QString& defaultAnswer) {
    calls_.push_back(
        {UiCall::Kind::Input, prompt, title, Buttons::Ok, Icon::None, defaultAnswer, {}});
    return nextTyped(UiCall::Kind::Input, prompt);
}

QString ScriptedUi::chooseFolder(const QString& title, const QString& startFolder) {
    calls_.push_back(
        {UiCall::Kind::Folder, title, title, Buttons::Ok, Icon::None, startFolder, {}});
    return nextTyped(UiCall::Kind::Folder, title);
}

QString ScriptedUi::nextTyped(UiCall::Kind kind, const QString& what) {
    if (!script_.empty() && script_.front().kind == kind) {
        const QString typed = script_.front().typed;
        script_.pop_front();
        return typed;
    }
    ADD_FAILURE() << "unexpected " << (kind == UiCall::Kind::Input ? "input" : "folder")
                  << " dialog: " << what.toStdString();
    return {};
}

void ScriptedUi::beep() {
    calls_.push_back({UiCall::Kind::Beep, {}, {}, Buttons::Ok, Icon::None, {}, {}});
}

void ScriptedUi::pumpEvents() {
    calls_.push_back({UiCall::Kind::Pump, {}, {}, Buttons::Ok, Icon::None, {}, {}});
    if (onPump)
        onPump();
}

void ScriptedUi::showModal(ModalWindow& window) {
    calls_.push_back(
        {UiCall::Kind::Modal, window.windowName(), {}, Buttons::Ok, Icon::None, {}, {}});
    if (onModal)
        onModal(window);
}

void ScriptedUi::endProgram() {
    calls_.push_back({UiCall::Kind::End, {}, {}, Buttons::Ok, Icon::None, {}, {}});
}

} // namespace tvn::test
