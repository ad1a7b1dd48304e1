#pragma once

#include "catalogue/CategorySuggestion.h"
#include "catalogue/ProgramState.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "catalogue/Window.h"
#include "desktopmenu/DesktopMenuSync.h"
#include "desktopmenu/DesktopMenuSyncQueue.h"
#include "store/ConfigFile.h"
#include "store/SettingsCheck.h"
#include "store/UndoJournal.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tvn {

class ButtonRoles;
class PathLabel;
class ListFilter;
class FileSystem;
class QtListBox;
class ShellFolders;
class Ui;

// The program's one working window. Its screens are panels that share the right column;
// exactly one of them is visible after every navigation. Controls carry their names as
// object names and as members, and every handler runs to completion on the event thread.
// Each panel's layout, show procedure and handlers live in one file named after the panel
// (MenuPanel.cpp, ModifyPanel.cpp ...); below, each group names its file. A main-menu button
// that opens a panel has its handler with the panel it opens.
class FrmMain final : public QWidget, public Window {
    Q_OBJECT

public:
    FrmMain(Ui& ui, FileSystem& fs, ShellFolders& shellFolders,
            std::function<QString()> currentFolder, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Told the Programs folders (the user's and the all-users one) each time the settings are
    // applied and at each analysis, so that the file system can refuse every change inside
    // those trees.
    void setProgramsGuard(std::function<void(const QStringList&)> guard);
    // The journal under the file system, which keeps the changes of each action for the
    // panels' Undo and asks before deleting a file the trash cannot take.
    void setUndoJournal(UndoJournal& journal);
    // Where the desktop's application menu lives and the programs that make its entries; from
    // then on the menu follows the category folders after each change (DesktopMenu.cpp).
    // Without it the menu is left alone.
    void setDesktopMenu(DesktopMenuEnvironment environment);

    ProgramState& state() { return state_; }
    Tvn& tvn() { return *tvn_; }
    // The panels of the right column, in no particular order.
    std::array<QFrame*, 7> panels() const;
    QPushButton* defaultButton() const;
    QPushButton* cancelButton() const;

    // Window: what the catalogue and store procedures read and act on (FrmMain.cpp;
    // ShowConfig with the Config panel).
    void ShowConfig() override;
    void setLanguagePictureVisible(bool visible) override;
    void setHelpCoverVisible(bool visible) override;
    QString progressText() const override;
    void setProgressText(const QString& text) override;
    QString debugText() const override;
    bool hideHelpShortcuts() const override;
    QString categoryCaption(int k) const override;
    void setCategoryCaption(int k, const QString& caption) override;
    QString messageText(Message message) const override;
    void ReportFailedEntries(const std::vector<FailedEntry>& entries) override;
    void ReportUnreadableFolders(const QStringList& folders) override;

    // Start-up and exit (StartupAndExit.cpp).
    void StartUp();
    void CloseDown();

    // The window surface (WindowSurface.cpp): the left column, what lies under the panels,
    // and the store of hidden labels and lists right of the window's right edge.
    void languagePicturePressed();
    void languagePictureReleased();
    void windowsEditionClicked();
    QLabel* languagePicture = nullptr; // held down, shows the about frame
    QFrame* aboutFrame = nullptr;      // version and credits in place of the picture
    QLabel* aboutTitle = nullptr;      // the about frame: product title
    QFrame* helpCover = nullptr;       // over the panels while help shows
    QLabel* helpCoverTitle = nullptr;  // helpCover: product title
    QLabel* helpCoverWait = nullptr;   // helpCover: please wait
    QLabel* smallIconsHint = nullptr;  // helpCover: the small-icons hint
    QFrame* statusFrame = nullptr;     // the sunken frame under the panels
    QLabel* pleaseWait = nullptr;      // under the panels: please wait
    QLabel* progressLine = nullptr;    // under the panels: progress of a long operation
    QFrame* hiddenStore = nullptr;     // off screen: the messages and unused settings
    // The texts of messages and questions; the label of Message m is at index m - 1.
    std::array<QLabel*, kMessageCount> messageLabels{};
    QComboBox* windowsDriveBox = nullptr;           // the saved Windows drive
    std::array<QRadioButton*, 4> windowsEditions{}; // the Windows edition, unused
    QLabel* windowsDriveCaption = nullptr;          // beside windowsDriveBox
    QLabel* windowsEditionCaption = nullptr;        // beside windowsEditions

    // The Languages panel (LanguagesPanel.cpp).
    void ShowLanguages();
    void languageOkClicked();
    void languagesExitClicked();
    void changeLanguageClicked(); // the Config panel's button
    void ReadLanguageChoice();
    // The language of the language panel's choice, and the system's as one of ours.
    int chosenLanguage() const;
    static int systemLanguage();
    void LoadLanguageTexts();
    // Names and describes every control for assistive technology (AccessibleTexts.cpp).
    void ApplyAccessibleTexts();
    // The tooltip of each category button: its key, how to rename it, and whether it is the
    // one suggested for the current shortcut.
    void ShowCategoryHints();
    void LoadLanguagePicture();
    QFrame* languagesPanel = nullptr;
    QLabel* italianPrompt = nullptr;                // Italian prompt
    QLabel* frenchPrompt = nullptr;                 // French prompt
    QLabel* englishPrompt = nullptr;                // English prompt
    std::array<QRadioButton*, 3> languageOptions{}; // English, French, Italian
    std::array<QLabel*, 3> languageFlags{};         // the flag beside each option
    QPushButton* languageOkButton = nullptr;        // OK
    QPushButton* languagesExitButton = nullptr;     // Exit! (first start only)

    // The Introduction panel (IntroductionPanel.cpp).
    void ShowIntroduction();
    void continueClicked();
    void skipIntroductionToggled();
    void introductionExitClicked();
    QFrame* introductionPanel = nullptr;
    QLabel* introductionTitle = nullptr;   // title
    QLabel* purposeText = nullptr;         // what the program is for
    QLabel* whatItDoesText = nullptr;      // what it does
    QLabel* nothingChangedText = nullptr;  // nothing on the disk is changed
    QLabel* analysisNextText = nullptr;    // the analysis comes next
    QCheckBox* skipIntroduction = nullptr; // skip the introduction; mirrors skipIntroductionSetting
    QPushButton* continueButton = nullptr; // Continue...
    QPushButton* introductionExitButton = nullptr; // Exit!

    // The Menu panel (MenuPanel.cpp).
    void ShowMenu();
    void rescanClicked();
    void resetClicked();
    void helpClicked();
    void infoClicked();
    void exitClicked();
    QFrame* menuPanel = nullptr;
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

    // The Creation panel (CreationPanel.cpp): classifying, and moving copies in move mode.
    void OpenCreationPanel();
    void classifyClicked();
    void categoryClicked(int index);
    void categoryPressed(int index, Qt::MouseButton button, const QPoint& globalPos);
    void renameCategoryTriggered();
    void creationDoneClicked();
    // The key that presses category button k (0 to 10) while unclassifiedList has the focus.
    static QKeyCombination categoryKey(int k);
    QFrame* creationPanel = nullptr;
    QLabel* creationTitle = nullptr;         // title
    QLabel* moveTitle = nullptr;             // title in move mode
    QLabel* classifyInstructions = nullptr;  // how to classify
    QLabel* moveInstructions = nullptr;      // how to move
    QLabel* helpShortcutsNote = nullptr;     // help shortcuts need no classifying
    QLabel* renameHint = nullptr;            // right-click a category to rename it
    QListWidget* unclassifiedList = nullptr; // the unclassified shortcuts, or the copies to move
    ListFilter* unclassifiedFilter =
        nullptr; // narrows unclassifiedList to the names holding a text
    std::array<QPushButton*, kCategoryCount> categoryButtons{}; // one per category, its name
    QPushButton* creationDoneButton = nullptr;                  // Done: back to the menu
    QPushButton* moveDoneButton = nullptr;   // Done... in move mode: back to the Modify panel
    QMenu* categoryMenu = nullptr;           // a category button's right-click menu
    QAction* renameCategoryAction = nullptr; // Rename...

    // The Modify panel (ModifyPanel.cpp), with the start and end of move mode.
    void ShowModify();
    void modifyClicked();
    void removeClicked();
    void moveClicked();
    void moveDoneClicked();
    void modifyDoneClicked();
    QFrame* modifyPanel = nullptr;
    QLabel* modifyTitle = nullptr;        // title
    QLabel* removeInstructions = nullptr; // how to remove
    QLabel* originalsStayNote = nullptr;  // the originals stay
    QListWidget* copiesList = nullptr;    // the classified copies
    ListFilter* copiesFilter = nullptr;
    QPushButton* removeButton = nullptr;     // REMOVE
    QPushButton* moveButton = nullptr;       // MOVE: the Creation panel in move mode
    QPushButton* modifyDoneButton = nullptr; // Done: back to the menu

    // The Purges panel (PurgesPanel.cpp).
    void ShowPurges();
    void cleanUpClicked();
    void purgeClicked();
    void purgesBackClicked();
    QFrame* purgesPanel = nullptr;
    QLabel* purgesTitle = nullptr;        // title
    QLabel* orphansDescription = nullptr; // what the list holds
    QLabel* purgeInstructions = nullptr;  // how to remove
    QListWidget* orphansList = nullptr;   // copies whose source shortcut is gone
    ListFilter* orphansFilter = nullptr;
    QPushButton* purgeButton = nullptr;      // REMOVE
    QPushButton* purgesBackButton = nullptr; // Back to menu...

    // Undo (Undo.cpp): Ctrl+Z, and the button of the Creation, Modify and Purges panels, takes
    // back the shown panel's last action; on the menu, the last reset.
    void undoRequested();
    QPushButton* creationUndoButton = nullptr;
    QPushButton* modifyUndoButton = nullptr;
    QPushButton* purgesUndoButton = nullptr;

    // The Config panel, the settings (ConfigPanel.cpp).
    void ReadShellFolders();
    void settingsClicked();
    void settingsOkClicked();
    void settingsCancelClicked();
    void FillConfigBoxes();
    void showConfigPanel();
    // Says which box is wrong and why (SettingsProblemMessage.cpp); returns that box.
    QLineEdit* ReportSettingsProblem(const SettingsProblem& problem);
    void skipIntroductionSettingToggled();
    bool CheckDrive();
    void ApplySettings();
    QFrame* configPanel = nullptr;
    QLabel* configTitle = nullptr;                // title
    QLabel* configPrompt = nullptr;               // check the statements below
    QLabel* startMenuCaption = nullptr;           // above startMenuPathBox
    QLineEdit* startMenuPathBox = nullptr;        // the Start Menu folder
    QLabel* programsCaption = nullptr;            // above programsPathBox
    QLineEdit* programsPathBox = nullptr;         // the Programs folder
    QCheckBox* hideHelpOption = nullptr;          // hide help, read-me and uninstall shortcuts
    QCheckBox* skipIntroductionSetting = nullptr; // skip the introduction; mirrors skipIntroduction
    QPushButton* changeLanguageButton = nullptr;  // Language...: the Languages panel
    QPushButton* settingsOkButton = nullptr;      // OK: save, apply and analyse
    QPushButton* settingsCancelButton = nullptr;  // Cancel: the settings in use stay
    ConfigRecords settingsBeforeShow_;
    // Settings were applied this session: the panel shows them and can go back to them.
    bool settingsInUse_ = false;
    // Where the two folders are proposed from, and what they bring in (PrefixChooser.cpp).
    void FillPrefixChooser();
    void prefixChosen();
    void ShowAllUsersPrograms();
    QLabel* prefixCaption = nullptr;    // beside prefixChooser
    QComboBox* prefixChooser = nullptr; // the Wine prefixes found, then Other folder...
    PathLabel* allUsersProgramsLine =
        nullptr; // the all-users Programs folder the two boxes bring in
    // The desktop menu (DesktopMenu.cpp): brought in step with the category folders once the
    // settings are applied, on leaving the Creation, Modify and Purges panels, after a rename
    // and after the reset. The sync runs beside the window, which goes on meanwhile.
    void SyncDesktopMenu();
    // True while a sync has not reached its end.
    bool desktopMenuSyncing() const;
    void ShowDesktopMenuNote();
    QLabel* desktopMenuNote = nullptr;   // Linux without Wine: the desktop menu cannot follow
    QLabel* desktopMenuStatus = nullptr; // under the panels: the sync runs, or is done

    // The debug frame below the window's bottom edge (DebugFrame.cpp).
    void killConfigClicked();
    QGroupBox* debugFrame = nullptr;
    QLineEdit* debugBox = nullptr;           // saved with the settings; can skip the folder checks
    QPushButton* killConfigButton = nullptr; // Kill Config!: deletes Config.tvn

    // The hidden catalogue lists; the visible ones are adapters over unclassifiedList,
    // orphansList and copiesList.
    VectorListBox shortcutNames;   // every shortcut of the Programs trees
    VectorListBox shortcutFolders; // the folder of each
    VectorListBox copyNames;       // every classified copy
    VectorListBox copyFolders;     // the category folder of each
    VectorListBox unclassifiedFolders;
    VectorListBox orphanFolders;
    std::unique_ptr<QtListBox> unclassifiedBox;
    std::unique_ptr<QtListBox> orphansBox;
    std::unique_ptr<QtListBox> copiesBox;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The keys of the Creation panel: a category's key in unclassifiedList, F2 or the menu key on a
    // category button; true when the key was used.
    bool creationKeyPress(QObject* watched, const QKeyEvent& key);
    bool categoryContextMenu(QObject* watched);
    // Each in the file of its panel or area; creation order is stacking order.
    void buildWindowSurface();
    void buildLanguagesPanel();
    void buildIntroductionPanel();
    void buildMenuPanel();
    void buildCreationPanel();
    void buildModifyPanel();
    void buildPurgesPanel();
    void buildConfigPanel();
    void buildDebugFrame();
    void buildHiddenStore();
    QFrame* makePanel(const QString& name);
    // Places every panel and area where start-up puts them, all panels hidden.
    void LayOutWindow();
    // The signal wiring, grouped by panel (FrmMain.cpp).
    void connectHandlers();

    // The settings file.
    void LoadSettings();
    void KillConfig(bool silent);
    QString configFilePath() const;

    // Esc first empties the filter box of the panel shown; true when there was one to empty.
    bool clearShownFilter();
    // Hides the panel being left and lets the window repaint before the work starts.
    void leavePanel(QFrame* panel);
    // Back to the main menu after the classified copies may have changed on disk.
    void returnToMenu(QFrame* panel);

    // Undo.cpp: an action of a panel, recorded so that its Undo can take it back.
    void undoable(UndoScope scope, const std::function<void()>& action);
    UndoScope creationScope() const;
    // The scope of the panel shown, when it has an Undo.
    std::optional<UndoScope> shownUndoScope() const;
    // The panel's lists rebuilt after its action was taken back, as the panel builds them.
    void reloadAfterUndo(UndoScope scope, const QStringList& restored);
    void ShowUndoTexts();
    // The version and credit lines of the about panels, in the interface language.
    void ShowSurfaceTexts();
    // Whether the taskbar's small-icons option the hint names exists here (Windows only).
    static bool showsSmallIconsHint();
    void enableUndoButtons();

    Ui& ui_;
    FileSystem& fs_;
    ShellFolders& shellFolders_;
    std::function<QString()> currentFolder_;
    ProgramState state_;
    std::unique_ptr<ButtonRoles> roles_;
    std::unique_ptr<Tvn> tvn_;
    UndoJournal* journal_ = nullptr;
    // The mouse went down on the picture and the About frame shows until it comes up.
    bool pictureHeld_ = false;
    // Marks the category button that fits the current entry of unclassifiedList
    // (CreationPanel.cpp).
    void ShowSuggestion();
    // The words of the interface language that point to each category.
    CategoryWords categoryWords_;
    // The category suggested for the current entry of unclassifiedList; -1 for none.
    int suggestedCategory_ = -1;
    // The entry of prefixChooser whose prefix proposes the folders now.
    int prefixIndex_ = -1;
    std::optional<DesktopMenuEnvironment> desktopMenu_;
    void desktopMenuSyncFinished(const DesktopMenuSyncResult& result);
    // Wine's failures have been shown once in this run.
    bool menuFailureShown_ = false;
    // Last, so that it goes first: the running sync stops before the window's parts go.
    std::unique_ptr<DesktopMenuSyncQueue> desktopMenuSync_;
};

} // namespace tvn
