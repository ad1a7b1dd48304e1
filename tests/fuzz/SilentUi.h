#pragma once

#include "platform/Ui.h"

namespace tvn::fuzz {

// Answers every dialog at once, as a user clicking the default button would.
class SilentUi final : public Ui {
public:
    Answer message(const QString&, const QString&, Buttons buttons, Icon, const QString&) override {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    void beep() override {}
    void pumpEvents() override {}
    void showModal(ModalWindow&) override {}
    void endProgram() override {}
};

} // namespace tvn::fuzz
