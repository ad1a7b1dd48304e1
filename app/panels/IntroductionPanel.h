#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tvn {

class ButtonRoles;

// The Introduction panel, shown at start unless the user asked not to see it again: what the
// program does, the box that skips it from then on, Continue and Exit.
class IntroductionPanel final : public QFrame {
    Q_OBJECT

public:
    IntroductionPanel(QWidget& window, ButtonRoles& roles);

    // Shows the panel, Enter continuing and Esc ending the program.
    void open();
    // Esc ends the program, before any panel shows.
    void armExitButton();
    // The skip box as the settings store it: 0 unticked, 1 ticked, 2 grey.
    int skipIntroductionValue() const;
    void setSkipIntroductionValue(int value);
    // Shows the state of the settings' own skip box, which always agrees with this one.
    void followSkipIntroduction(Qt::CheckState state);
    void applyAccessibleTexts(int language);

Q_SIGNALS:
    void continueClicked();
    void exitClicked();
    // The user or the settings changed the skip box.
    void skipIntroductionChanged(Qt::CheckState state);

private:
    ButtonRoles& roles_;
    QLabel* introductionTitle = nullptr;   // title
    QLabel* purposeText = nullptr;         // what the program is for
    QLabel* whatItDoesText = nullptr;      // what it does
    QLabel* nothingChangedText = nullptr;  // nothing on the disk is changed
    QLabel* analysisNextText = nullptr;    // the analysis comes next
    QCheckBox* skipIntroduction = nullptr; // skip the introduction; mirrors the settings' box
    QPushButton* continueButton = nullptr; // Continue...
    QPushButton* introductionExitButton = nullptr; // Exit!
};

} // namespace tvn
