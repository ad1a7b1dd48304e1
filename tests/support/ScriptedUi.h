#pragma once

#include "platform/Ui.h"

#include <deque>
#include <functional>
#include <QString>
#include <vector>

namespace tvn::test {

// One call a handler made on the user-interaction service.
struct UiCall {
    enum class Kind { Message, Input, Folder, Beep, Pump, Modal, End };
    Kind kind;
    QString text;  // message text, input prompt, folder dialog title or modal window name
    QString title; // as passed: empty means the application's title
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString defaultAnswer;
    QString details; // of a message box
};

// The user-interaction service of the tests. It records every call and answers dialogs from
// a script; a dialog with no scripted answer, or a scripted answer never asked for, fails the
// test.
class ScriptedUi final : public Ui {
public:
    ~ScriptedUi() override;

    // Queue the answer to the next message box or input dialog.
    void expectMessage(Answer answer = Answer::Ok);
    void expectInput(const QString& typed);
    // Queue the folder picked in the next folder dialog; an empty one cancels it.
    void expectFolder(const QString& picked);
    // An unscripted message box with only an OK button is answered OK (and recorded) instead
    // of failing the test.
    void allowOkMessages(bool allow = true) { allowOk_ = allow; }

    // Runs during every event pump, after it is recorded: a click arriving mid-operation.
    std::function<void()> onPump;
    // Runs when a message box appears, after it is recorded: what the window shows behind it.
    std::function<void()> onMessage;
    // Runs when a modal window is shown, instead of showing it.
    std::function<void(ModalWindow&)> onModal;

    const std::vector<UiCall>& calls() const { return calls_; }
    std::vector<UiCall> dialogs() const; // message boxes and input dialogs, in order
    std::vector<QString> messageTexts() const;
    int count(UiCall::Kind kind) const;
    int beeps() const { return count(UiCall::Kind::Beep); }
    int pumps() const { return count(UiCall::Kind::Pump); }
    bool ended() const { return count(UiCall::Kind::End) > 0; }
    void clearCalls() { calls_.clear(); }
    bool scriptDone() const { return script_.empty(); }
    // Drops the answers left unused, where a test queues one for a question that may not come.
    void forgetScript() { script_.clear(); }

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QString& details) override;
    QString input(const QString& prompt, const QString& title,
                  const QString& defaultAnswer) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;
    void beep() override;
    void pumpEvents() override;
    void showModal(ModalWindow& window) override;
    void endProgram() override;

private:
    struct Scripted {
        UiCall::Kind kind;
        Answer answer;
        QString typed;
    };

    // The scripted text for the next dialog of this kind; fails the test when none is queued.
    QString nextTyped(UiCall::Kind kind, const QString& what);

    std::deque<Scripted> script_;
    std::vector<UiCall> calls_;
    bool allowOk_ = false;
};

} // namespace tvn::test
