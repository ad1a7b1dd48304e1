#pragma once

#include "store/SettingsCheck.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tvn {

class ButtonRoles;
class PathLabel;

// The Config panel, the settings: the Start Menu and Programs folders with the Wine prefix they
// are proposed from and the all-users Programs folder they bring in, the two options, and the
// note on the desktop menu.
class ConfigPanel final : public QFrame {
    Q_OBJECT

public:
    ConfigPanel(QWidget& window, ButtonRoles& roles);

    // Shows the panel, Enter confirming; Esc goes back when `canCancel`, else confirms too.
    // The language button shows when `canChangeLanguage`.
    void open(bool canCancel, bool canChangeLanguage);
    void setCancelCaption(const QString& caption);

    QString startMenuPath() const;
    QString programsPath() const;
    void setStartMenuPath(const QString& path);
    void setProgramsPath(const QString& path);
    // Says inside each empty box why it is empty (`why`); a box with a path says nothing more.
    void markEmptyPaths(const QString& why);
    // Long paths show from their beginning.
    void showPathsFromBeginning();
    // Gives the box the problem is about the focus, its text selected for typing over.
    void selectWrongBox(SettingsProblem::Box box);
    void showAllUsersPrograms(const QString& lead, const QString& folder);
    void showDesktopMenuNote(const QString& note, bool visible);
    // The option that files new programs by themselves (the tidy started at login).
    void showTidyOptionText(int language);
    bool tidyOptionChecked() const;
    void setTidyOptionChecked(bool checked);

    // The options as the settings store them: 0 unticked, 1 ticked, 2 grey.
    int hideHelpValue() const;
    void setHideHelpValue(int value);
    bool hidesHelpShortcuts() const;
    int skipIntroductionValue() const;
    void setSkipIntroductionValue(int value);
    // Shows the state of the Introduction panel's skip box, which always agrees with this one.
    void followSkipIntroduction(Qt::CheckState state);

    // The prefix chooser: one entry per Wine prefix found, each holding its folder, then Other
    // folder..., which holds none.
    void hidePrefixChooser();
    void setPrefixCaption(const QString& caption);
    void clearPrefixes();
    void addPrefix(const QString& label, const QString& prefix);
    void addOtherFolderEntry(const QString& label);
    // The entry of `prefix`, added before Other folder... when missing.
    int prefixEntry(const QString& prefix);
    void choosePrefixEntry(int entry);
    int chosenPrefixEntry() const;
    // The folder of the entry chosen; empty for Other folder...
    QString chosenPrefix() const;

    void applyAccessibleTexts(int language, const QString& hideHelpDescription);

protected:
    bool event(QEvent* event) override;

Q_SIGNALS:
    void okClicked();
    void cancelClicked();
    void changeLanguageClicked();
    // The user chose an entry of the prefix chooser; filling it says nothing.
    void prefixChosen();
    // Either path box changed, whoever changed it.
    void pathsChanged();
    // The user or the settings changed the skip box.
    void skipIntroductionChanged(Qt::CheckState state);

private:
    // The prompt above the boxes gives way when the panel's other lines need its room (the
    // longer languages with the Wine note shown); the boxes say it to a screen reader anyway.
    // Where even that is not enough, the gaps between the lines narrow.
    void fitPrompt();

    ButtonRoles& roles_;
    int roomySpacing_ = 0;
    QLabel* configTitle = nullptr;                // title
    QLabel* configPrompt = nullptr;               // check the statements below
    QLabel* startMenuCaption = nullptr;           // above startMenuPathBox
    QLineEdit* startMenuPathBox = nullptr;        // the Start Menu folder
    QLabel* programsCaption = nullptr;            // above programsPathBox
    QLineEdit* programsPathBox = nullptr;         // the Programs folder
    QCheckBox* hideHelpOption = nullptr;          // hide help, read-me and uninstall shortcuts
    QCheckBox* skipIntroductionSetting = nullptr; // skip the introduction; mirrors the panel's
    QLabel* prefixCaption = nullptr;              // beside prefixChooser
    QComboBox* prefixChooser = nullptr;           // the Wine prefixes found, then Other folder...
    PathLabel* allUsersProgramsLine = nullptr; // the all-users Programs folder the boxes bring in
    QCheckBox* tidyOption = nullptr;           // file new programs by themselves when sure
    QLabel* desktopMenuNote = nullptr;         // Linux without Wine: the desktop menu cannot follow
    QPushButton* changeLanguageButton = nullptr; // Language...: the Languages panel
    QPushButton* settingsOkButton = nullptr;     // OK: save, apply and analyse
    QPushButton* settingsCancelButton = nullptr; // Cancel: the settings in use stay
};

} // namespace tvn
