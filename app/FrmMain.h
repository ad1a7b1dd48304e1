#pragma once

#include "catalogue/CategorySuggestion.h"
#include "catalogue/ProgramState.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "catalogue/Window.h"
#include "desktopmenu/DesktopMenuSync.h"
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
    void setPreviewPictureVisible(bool visible) override;
    void setAbout2Visible(bool visible) override;
    QString progressText() const override;
    void setProgressText(const QString& text) override;
    QString debugText() const override;
    bool hideHelpShortcuts() const override;
    QString categoryCaption(int k) const override;
    void setCategoryCaption(int k, const QString& caption) override;
    QString messageText(int k) const override;

    // Start-up and exit (StartupAndExit.cpp).
    void Form_Load();
    void Form_Unload();

    // The window surface (WindowSurface.cpp): the left column, what lies under the panels,
    // and the store of hidden labels and lists right of the window's right edge.
    void PreviewPicture_MouseDown();
    void PreviewPicture_MouseUp();
    void Version_Click();
    QLabel* PreviewPicture = nullptr;         // the language picture; held down, shows About
    QFrame* About = nullptr;                  // version and credits in place of the picture
    QLabel* Label30 = nullptr;                // About: product title
    QFrame* About2 = nullptr;                 // over the panels while help shows
    QLabel* Label32 = nullptr;                // About2: product title
    QLabel* Label35 = nullptr;                // About2: please wait
    QLabel* Label6 = nullptr;                 // About2: the small-icons hint
    QFrame* Picture5 = nullptr;               // the sunken frame under the panels
    QLabel* Label17 = nullptr;                // under the panels: please wait
    QLabel* Label31 = nullptr;                // under the panels: progress of a long operation
    QFrame* Picture1 = nullptr;               // the hidden store
    std::array<QLabel*, kMessageCount> Msg{}; // message texts; Msg[k - 1] is the label Msg<k>
    QComboBox* Drive1 = nullptr;              // the saved Windows drive
    std::array<QRadioButton*, 4> Version{};   // the Windows edition, unused
    QLabel* Label26 = nullptr;                // beside Drive1
    QLabel* Label27 = nullptr;                // beside Version

    // The Languages panel (LanguagesPanel.cpp).
    void ShowLanguages();
    void CmdLanguageOK_Click();
    void Command4_Click();
    void CmdChangeLanguage_Click(); // the Config panel's button
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
    QFrame* Languages = nullptr;
    QLabel* Label37 = nullptr;               // Italian prompt
    QLabel* Label36 = nullptr;               // French prompt
    QLabel* Label14 = nullptr;               // English prompt
    std::array<QRadioButton*, 3> Language{}; // English, French, Italian
    std::array<QLabel*, 3> Flag{};           // the flag beside each option
    QPushButton* CmdLanguageOK = nullptr;    // OK
    QPushButton* Command4 = nullptr;         // Exit! (first start only)

    // The Introduction panel (IntroductionPanel.cpp).
    void ShowIntroduction();
    void CContinue_Click();
    void DoNotShowAgain_Click();
    void Command3_Click();
    QFrame* Introduction = nullptr;
    QLabel* Label4 = nullptr;            // title
    QLabel* Label1 = nullptr;            // what the program is for
    QLabel* Label2 = nullptr;            // what it does
    QLabel* Label3 = nullptr;            // nothing on the disk is changed
    QLabel* Label7 = nullptr;            // the analysis comes next
    QCheckBox* DoNotShowAgain = nullptr; // skip the introduction; mirrors DoNotShowAgain2
    QPushButton* CContinue = nullptr;    // Continue...
    QPushButton* Command3 = nullptr;     // Exit!

    // The Menu panel (MenuPanel.cpp).
    void ShowMenu();
    void CReAnalyse_Click();
    void Command7_Click();
    void Command9_Click();
    void Command11_Click();
    void CExit_Click();
    QFrame* Menu = nullptr;
    QLabel* Label9 = nullptr;           // title
    QLabel* Label8 = nullptr;           // choose what to do
    QPushButton* CAdd = nullptr;        // CLASSIFY: the Creation panel
    QLabel* Label10 = nullptr;          // beside CAdd
    QPushButton* Command6 = nullptr;    // MODIFY: the Modify panel
    QLabel* Label12 = nullptr;          // beside Command6
    QPushButton* CShowPurges = nullptr; // CLEAN UP: the Purges panel
    QLabel* Label11 = nullptr;          // beside CShowPurges
    QPushButton* Command7 = nullptr;    // RESET
    QLabel* Label13 = nullptr;          // beside Command7
    QPushButton* CExit = nullptr;       // Exit!
    QPushButton* Command5 = nullptr;    // Settings...: the Config panel
    QPushButton* CReAnalyse = nullptr;  // Rescan!
    QPushButton* Command9 = nullptr;    // Help...
    QPushButton* Command11 = nullptr;   // Info...: the information window

    // The Creation panel (CreationPanel.cpp): classifying, and moving copies in move mode.
    void OpenCreationPanel();
    void CAdd_Click();
    void Categories_Click(int index);
    void Categories_MouseDown(int index, Qt::MouseButton button, const QPoint& globalPos);
    void MnuChangeCategorie_Click();
    void Command10_Click();
    // The key that presses category button k (0 to 10) while NotYet has the focus.
    static QKeyCombination categoryKey(int k);
    QFrame* Creation = nullptr;
    QLabel* Label15 = nullptr;          // title
    QLabel* Label38 = nullptr;          // title in move mode
    QLabel* Label100 = nullptr;         // how to classify
    QLabel* Label5 = nullptr;           // how to move
    QLabel* Label16 = nullptr;          // help shortcuts need no classifying
    QLabel* Label39 = nullptr;          // right-click a category to rename it
    QListWidget* NotYet = nullptr;      // the unclassified shortcuts, or the copies to move
    ListFilter* notYetFilter = nullptr; // narrows NotYet to the names holding a text
    std::array<QPushButton*, kCategoryCount> Categories{}; // one per category, its name
    QPushButton* Command10 = nullptr;                      // Done: back to the menu
    QPushButton* Command8 = nullptr;       // Done... in move mode: back to the Modify panel
    QMenu* MnuPopup = nullptr;             // a category button's right-click menu
    QAction* MnuChangeCategorie = nullptr; // Rename...

    // The Modify panel (ModifyPanel.cpp), with the start and end of move mode.
    void ShowModify();
    void Command6_Click();
    void CRemove_Click();
    void CMove_Click();
    void Command8_Click();
    void Command2_Click();
    QFrame* Modify = nullptr;
    QLabel* Label21 = nullptr;         // title
    QLabel* Label22 = nullptr;         // how to remove
    QLabel* Label23 = nullptr;         // the originals stay
    QListWidget* ListModify = nullptr; // the classified copies
    ListFilter* listModifyFilter = nullptr;
    QPushButton* CRemove = nullptr;  // REMOVE
    QPushButton* CMove = nullptr;    // MOVE: the Creation panel in move mode
    QPushButton* Command2 = nullptr; // Done: back to the menu

    // The Purges panel (PurgesPanel.cpp).
    void ShowPurges();
    void CShowPurges_Click();
    void CPurge_Click();
    void Command1_Click();
    QFrame* Purges = nullptr;
    QLabel* Label18 = nullptr;        // title
    QLabel* Label19 = nullptr;        // what the list holds
    QLabel* Label20 = nullptr;        // how to remove
    QListWidget* PurgeList = nullptr; // copies whose source shortcut is gone
    ListFilter* purgeListFilter = nullptr;
    QPushButton* CPurge = nullptr;   // REMOVE
    QPushButton* Command1 = nullptr; // Back to menu...

    // Undo (Undo.cpp): Ctrl+Z, and the button of the Creation, Modify and Purges panels, takes
    // back the shown panel's last action; on the menu, the last reset.
    void Undo_Click();
    QPushButton* CmdUndoCreation = nullptr;
    QPushButton* CmdUndoModify = nullptr;
    QPushButton* CmdUndoPurges = nullptr;

    // The Config panel, the settings (ConfigPanel.cpp).
    void ReadShellFolders();
    void Command5_Click();
    void COK_Click();
    void DoNotShowAgain2_Click();
    bool CheckDrive();
    void ApplySettings();
    QFrame* Config = nullptr;
    QLabel* Label24 = nullptr;                   // title
    QLabel* Label25 = nullptr;                   // check the statements below
    QLabel* Label28 = nullptr;                   // above StartMenuCustomPath
    QLineEdit* StartMenuCustomPath = nullptr;    // the Start Menu folder
    QLabel* Label29 = nullptr;                   // above ProgramsMenuCustomPath
    QLineEdit* ProgramsMenuCustomPath = nullptr; // the Programs folder
    QCheckBox* ChkHide = nullptr;                // hide help, read-me and uninstall shortcuts
    QCheckBox* DoNotShowAgain2 = nullptr;        // skip the introduction; mirrors DoNotShowAgain
    QPushButton* CmdChangeLanguage = nullptr;    // Language...: the Languages panel
    QPushButton* COK = nullptr;                  // OK: save, apply and analyse
    // Where the two folders are proposed from, and what they bring in (PrefixChooser.cpp).
    void FillPrefixChooser();
    void CboPrefix_Click();
    void ShowAllUsersPrograms();
    QLabel* LblPrefix = nullptr;      // beside CboPrefix
    QComboBox* CboPrefix = nullptr;   // the Wine prefixes found, then Other folder...
    PathLabel* LblAllUsers = nullptr; // the all-users Programs folder the two boxes bring in
    // The desktop menu (DesktopMenu.cpp): brought in step with the category folders on leaving
    // the Creation, Modify and Purges panels, after a rename and after the reset.
    void SyncDesktopMenu();
    void ShowDesktopMenuNote();
    QLabel* LblDesktopMenu = nullptr; // Linux without Wine: the desktop menu cannot follow

    // The debug frame below the window's bottom edge (DebugFrame.cpp).
    void CmdDebug_Click();
    QGroupBox* Frame1 = nullptr;
    QLineEdit* DebugBox = nullptr;   // saved with the settings; can skip the folder checks
    QPushButton* CmdDebug = nullptr; // Kill Config!: deletes Config.tvn

    // The hidden catalogue lists; the visible ones are adapters over NotYet, PurgeList and
    // ListModify.
    VectorListBox Progs;
    VectorListBox Progs_Dirs;
    VectorListBox Fast;
    VectorListBox Fast_Dirs;
    VectorListBox NotYet_Dirs;
    VectorListBox Purge_Dirs;
    std::unique_ptr<QtListBox> notYetBox;
    std::unique_ptr<QtListBox> purgeListBox;
    std::unique_ptr<QtListBox> listModifyBox;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The keys of the Creation panel: a category's key in NotYet, F2 or the menu key on a
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
    // The folder exists, can be listed, and its path can be stored in Config.tvn.
    bool usableFolder(const QString& path);

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
    // Marks the category button that fits the current entry of NotYet (CreationPanel.cpp).
    void ShowSuggestion();
    // The words of the interface language that point to each category.
    CategoryWords categoryWords_;
    // The category suggested for the current entry of NotYet; -1 for none.
    int suggestedCategory_ = -1;
    // The entry of CboPrefix whose prefix proposes the folders now.
    int prefixIndex_ = -1;
    std::optional<DesktopMenuEnvironment> desktopMenu_;
    // Wine's failures have been shown once in this run.
    bool menuFailureShown_ = false;
};

} // namespace tvn
