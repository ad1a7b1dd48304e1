#pragma once

#include <array>
#include <QFrame>

class QLabel;
class QPushButton;
class QRadioButton;

namespace tvn {

class ButtonRoles;

// The Languages panel: the three languages, each with its flag, the prompt in all three, OK
// and, on the first start only, Exit.
class LanguagesPanel final : public QFrame {
    Q_OBJECT

public:
    LanguagesPanel(QWidget& window, ButtonRoles& roles);

    // Shows the panel, Enter taking the language chosen and Esc ending the program.
    void open();
    // The exit button is offered only on the first start.
    void hideExitButton();
    // The language chosen (0 English, 1 French, 2 Italian); `fallback` when none is.
    int chosenLanguage(int fallback) const;
    // Chooses `language`; an index outside the three leaves the choice as it is.
    void choose(int language);
    void applyAccessibleTexts(int language);

Q_SIGNALS:
    void okClicked();
    void exitClicked();

private:
    ButtonRoles& roles_;
    QLabel* italianPrompt = nullptr;                // Italian prompt
    QLabel* frenchPrompt = nullptr;                 // French prompt
    QLabel* englishPrompt = nullptr;                // English prompt
    std::array<QRadioButton*, 3> languageOptions{}; // English, French, Italian
    std::array<QLabel*, 3> languageFlags{};         // the flag beside each option
    QPushButton* languageOkButton = nullptr;        // OK
    QPushButton* languagesExitButton = nullptr;     // Exit! (first start only)
};

} // namespace tvn
