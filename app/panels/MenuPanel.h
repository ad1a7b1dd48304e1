#pragma once

#include <QFrame>
#include <QString>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;

namespace tvn {

class ButtonRoles;

// The main menu: four main actions in a column, each with the label that describes it, and
// the five secondary buttons in a row along the bottom. Each button only says it was clicked;
// the frame opens the panel or runs the action.
class MenuPanel final : public QFrame {
    Q_OBJECT

public:
    MenuPanel(QWidget& window, ButtonRoles& roles);

    // Shows the panel, Enter classifying and Esc ending the program.
    void open();
    void applyAccessibleTexts(int language);
    // The four main actions as the menu shows them: each button's caption and its description.
    std::vector<std::pair<QString, QString>> mainActions() const;

Q_SIGNALS:
    void classifyClicked();
    void modifyClicked();
    void cleanUpClicked();
    void resetClicked();
    void exitClicked();
    void settingsClicked();
    void rescanClicked();
    void helpClicked();
    void infoClicked();

private:
    ButtonRoles& roles_;
    QLabel* menuTitle = nullptr;           // title
    QLabel* menuPrompt = nullptr;          // choose what to do
    QPushButton* classifyButton = nullptr; // CLASSIFY: the Creation panel
    QLabel* classifyDescription = nullptr; // beside classifyButton
    QPushButton* modifyButton = nullptr;   // MODIFY: the Modify panel
    QLabel* modifyDescription = nullptr;   // beside modifyButton
    QPushButton* cleanUpButton = nullptr;  // CLEAN UP: the Purges panel
    QLabel* cleanUpDescription = nullptr;  // beside cleanUpButton
    QPushButton* resetButton = nullptr;    // RESET
    QLabel* resetDescription = nullptr;    // beside resetButton
    QPushButton* exitButton = nullptr;     // Exit!
    QPushButton* settingsButton = nullptr; // Settings...: the Config panel
    QPushButton* rescanButton = nullptr;   // Rescan!
    QPushButton* helpButton = nullptr;     // Help...
    QPushButton* infoButton = nullptr;     // Info...: the information window
};

} // namespace tvn
