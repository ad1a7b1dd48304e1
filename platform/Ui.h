#pragma once

#include <QString>

namespace tvn {

// The title a message box or input dialog shows when it has none of its own.
inline constexpr auto kApplicationTitle = u"Torvane v1.23";

// YesNoNoFirst asks before something that cannot be taken back: Enter and Esc answer No.
enum class Buttons { Ok, YesNo, YesNoCancel, YesNoNoFirst };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No, Cancel };

// A window shown modally through the user-interaction service.
class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    // What a test or a log calls this window ("frmAbout", "FrmInfo").
    virtual QString windowName() const = 0;
    // Shows the window and returns when it has been closed.
    virtual void execModal() = 0;
};

// Everything that waits on the user or acts on the whole program: message boxes, the input
// dialog, the beep, the event pump, modal windows and the end of the program. Handlers never
// call a toolkit dialog or exit directly, so tests can replace this with a scripted service.
class Ui {
public:
    virtual ~Ui() = default;

    // An empty title shows kApplicationTitle. Details, when given, are what a user may open
    // below the text (what exactly failed).
    virtual Answer message(const QString& text, const QString& title = {},
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                           const QString& details = {}) = 0;
    // The text typed, or an empty text when the dialog is cancelled.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultAnswer) = 0;
    // The folder the user picks, starting in `startFolder`, or an empty text when the dialog
    // is cancelled.
    virtual QString chooseFolder(const QString& title, const QString& startFolder) = 0;
    virtual void beep() = 0;
    // Processes the window events pending now (repaint, queued input) and returns.
    virtual void pumpEvents() = 0;
    virtual void showModal(ModalWindow& window) = 0;
    // Ends the program at once; nothing is saved.
    virtual void endProgram() = 0;
};

// The fixed failure message, the same in every interface language and readable before any
// language file has been applied: three lines joined by a bare carriage return.
const QString& unexpectedErrorText();

// Tells the user that an operation failed unexpectedly and was abandoned; the last failure the
// platform layer recorded (the operation, the path and the reason) goes to the box's details
// and to standard error.
void reportUnexpectedError(Ui& ui);

} // namespace tvn
