#pragma once

#include "platform/Ui.h"

#include <QElapsedTimer>

namespace tvn {

// The user-interaction service over Qt's dialogs. Message boxes answer Enter and Esc as
// Windows message boxes do: Enter presses the default (first) button; Esc answers OK on an
// OK-only box, Cancel on a Yes/No/Cancel box, and nothing on a Yes/No box, which can only be
// answered with one of its two buttons.
class QtUi final : public Ui {
public:
    Answer message(const QString& text, const QString& title = {}, Buttons buttons = Buttons::Ok,
                   Icon icon = Icon::None, const QString& details = {}) override;
    QString input(const QString& prompt, const QString& title,
                  const QString& defaultAnswer) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;
    void beep() override;
    void pumpEvents() override;
    void showModal(ModalWindow& window) override;
    void endProgram() override;

    // The window needs a turn this often to repaint and take clicks; each turn costs system
    // calls, so the pumps of a long list build in between return at once.
    static constexpr qint64 kPumpIntervalMs = 5;

private:
    QElapsedTimer sincePump_;
};

// A dialog title: the given one, or the application's title when it is empty.
QString dialogTitle(const QString& title);
// Message texts break lines with a bare carriage return as well as with CR LF or LF; the
// dialog shows each of them as one line break.
QString displayText(const QString& text);

} // namespace tvn
