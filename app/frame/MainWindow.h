#pragma once

#include "catalogue/CategorySuggestion.h"
#include "catalogue/ProgramState.h"
#include "catalogue/ShellLinkFields.h"
#include "catalogue/Tvn.h"
#include "catalogue/VectorListBox.h"
#include "catalogue/Window.h"
#include "desktopmenu/DesktopMenuSync.h"
#include "desktopmenu/DesktopMenuSyncQueue.h"
#include "platform/ProgramVersionText.h"
#include "store/ConfigFile.h"
#include "store/SettingsCheck.h"
#include "store/UndoJournal.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <QElapsedTimer>
#include <QWidget>

class QFrame;
class QPushButton;
class QTimer;

namespace tvn {

class ButtonRoles;
class ConfigPanel;
class CreationPanel;
class DebugFrame;
class HiddenStore;
class IntroductionPanel;
class LanguagesPanel;
class MenuPanel;
class ListPanel;
class WindowSurface;
class FileSystem;
class ShellFolders;
class Ui;

// The program's one working window: the frame around its rooms. Each panel of the right
// column, the surface around them and the hidden areas is a class of its own in app/panels/
// that owns its controls; the frame holds them, shows exactly one panel after every
// navigation, runs the logic in answer to the panels' signals and implements Window by asking
// the panels. Its answers to each panel live in one file named after the panel
// (MenuActions.cpp, ModifyActions.cpp ...); below, each group names its file. A main-menu
// button that opens a panel has its answer with the panel it opens. Everything runs to
// completion on the event thread.
class MainWindow final : public QWidget, public Window {
    Q_OBJECT

public:
    MainWindow(Ui& ui, FileSystem& fs, ShellFolders& shellFolders,
               std::function<QString()> currentFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

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

    // Window: what the catalogue and store procedures read and act on (MainWindow.cpp;
    // showConfig with the Config panel).
    void showConfig() override;
    void setLanguagePictureVisible(bool visible) override;
    void setHelpCoverVisible(bool visible) override;
    QString progressText() const override;
    void setProgressText(const QString& text) override;
    QString debugText() const override;
    bool hideHelpShortcuts() const override;
    QString categoryCaption(int k) const override;
    void setCategoryCaption(int k, const QString& caption) override;
    QString messageText(Message message) const override;
    void reportFailedEntries(const std::vector<FailedEntry>& entries, bool othersHandled) override;
    void reportUnreadableFolders(const QStringList& folders) override;

    // Start-up and exit (StartupAndExit.cpp).
    void startUp();
    void closeDown();

    // The Languages panel (LanguageActions.cpp).
    void showLanguages();
    void languageOkClicked();
    void languagesExitClicked();
    void changeLanguageClicked(); // the Config panel's button
    void readLanguageChoice();
    // The language of the language panel's choice.
    int chosenLanguage() const;
    void loadLanguageTexts();
    // Names and describes every control for assistive technology (AccessibleTexts.cpp).
    void applyAccessibleTexts();
    void loadLanguagePicture();

    // The Introduction panel (IntroductionActions.cpp).
    void showIntroduction();
    void continueClicked();
    void introductionExitClicked();

    // The Menu panel (MenuActions.cpp).
    void showMenu();
    void rescanClicked();
    void resetClicked();
    void helpClicked();
    void infoClicked();
    void exitClicked();

    // The Creation panel (CreationActions.cpp): classifying, and moving copies in move mode.
    void openCreationPanel();
    void classifyClicked();
    void categoryClicked(int index);
    // Reviews every shortcut shown with its suggested category, then classifies the ones the
    // user keeps, as one action.
    void classifyAsSuggestedClicked();
    // Enter on the list: the one selected shortcut goes into its suggested category. False when
    // `receiver` is not the list or there is no such shortcut or suggestion.
    bool classifyAsSuggestedFrom(const QWidget& receiver);
    // The suggestion for entry `entry` of the list shown (no category for none or no entry).
    Suggestion suggestionOf(int entry);
    void categoryPressed(int index, Qt::MouseButton button, const QPoint& globalPos);
    void renameCategoryTriggered();
    void creationDoneClicked();

    // The Modify panel (ModifyActions.cpp), with the start and end of move mode.
    void showModify();
    void modifyClicked();
    void removeClicked();
    void moveClicked();
    void moveDoneClicked();
    void modifyDoneClicked();
    // The Purges panel (PurgesActions.cpp).
    void showPurges();
    void cleanUpClicked();
    void purgeClicked();
    void purgesBackClicked();

    // Undo (Undo.cpp): Ctrl+Z, and the button of the Creation, Modify and Purges panels, takes
    // back the shown panel's last action; on the menu, the last reset.
    void undoRequested();

    // The Config panel, the settings (ConfigActions.cpp).
    void readShellFolders();
    void settingsClicked();
    void settingsOkClicked();
    void settingsCancelClicked();
    void fillConfigBoxes();
    void showConfigPanel();
    // Says which box is wrong and why (SettingsProblemMessage.cpp).
    void reportSettingsProblem(const SettingsProblem& problem);
    bool checkDrive();
    void applySettings();
    // Writes or removes the entry that starts the tidy at login, as the settings' box says.
    void applyTidyOption();
    // Tells what the tidy filed while the window was closed, and lets the Undo take it back.
    void showLastTidy();
    // Where the two folders are proposed from, and what they bring in (PrefixActions.cpp).
    void fillPrefixChooser();
    void prefixChosen();
    void showAllUsersPrograms();
    // The desktop menu (DesktopMenu.cpp): brought in step with the category folders once the
    // settings are applied, on leaving the Creation, Modify and Purges panels, after a rename
    // and after the reset. The sync runs beside the window, which goes on meanwhile.
    void syncDesktopMenu() override;
    // True while a sync is due or has not reached its end.
    bool desktopMenuSyncing() const;
    void showDesktopMenuNote();

    // The debug frame below the window's bottom edge (DebugActions.cpp).
    void killConfigClicked();

    // The hidden catalogue lists; the visible ones are adapters over the lists of the Creation,
    // Purges and Modify panels.
    VectorListBox shortcutNames;   // every shortcut of the Programs trees
    VectorListBox shortcutFolders; // the folder of each
    VectorListBox copyNames;       // every classified copy
    VectorListBox copyFolders;     // the category folder of each
    VectorListBox unclassifiedFolders;
    VectorListBox orphanFolders;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Places every panel and area where start-up puts them, all panels hidden (WindowLayout.cpp).
    void layOutWindow();
    // The signal wiring, grouped by panel (MainWindow.cpp).
    void connectHandlers();

    // The settings as the window holds them now: the program state and the settings controls
    // (WindowSettings.cpp).
    ConfigRecords configFromWindow() const;
    // Puts the settings into the state and the controls; the language option follows the index.
    void applyConfig(const ConfigRecords& records);
    // The settings file.
    void loadSettings();
    void killConfig(bool silent);
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
    void showUndoTexts();
    // The version and credit lines of the about panels, in the interface language
    // (WindowLayout.cpp).
    void showSurfaceTexts();
    void enableUndoButtons();

    // The panels and areas, each a room of its own (app/panels/), owned as children; creation
    // order is stacking order.
    WindowSurface* surface_ = nullptr;
    CreationPanel* creation_ = nullptr;
    ConfigPanel* config_ = nullptr;
    LanguagesPanel* languages_ = nullptr;
    IntroductionPanel* introduction_ = nullptr;
    MenuPanel* menu_ = nullptr;
    ListPanel* modify_ = nullptr;
    ListPanel* purges_ = nullptr;
    DebugFrame* debugFrame_ = nullptr;
    HiddenStore* hiddenStore_ = nullptr;

    Ui& ui_;
    FileSystem& fs_;
    ShellFolders& shellFolders_;
    std::function<QString()> currentFolder_;
    ProgramState state_;
    std::unique_ptr<ButtonRoles> roles_;
    std::unique_ptr<Tvn> tvn_;
    UndoJournal* journal_ = nullptr;
    // The settings as the Config panel showed them when it opened, for its Cancel.
    ConfigRecords settingsBeforeShow_;
    // Settings were applied this session: the panel shows them and can go back to them.
    bool settingsInUse_ = false;
    // Marks the category button that fits the current entry of the Creation panel's list
    // (CreationActions.cpp).
    void showSuggestion();
    // Suggests a category for each unclassified shortcut (SuggestionActions.cpp): read once,
    // taught the user's choices whenever the Creation panel opens.
    CategorySuggester suggester_;
    bool suggesterLoaded_ = false;
    void loadSuggester();
    // What is known of entry `entry` of the Creation panel's list.
    ShortcutClues cluesOf(int entry) const;
    // What each shortcut's file said, by path, read once each time the Creation panel opens.
    mutable QHash<QString, ShellLinkFields> shortcutFields_;
    // What each target program's version resource says of it (on Linux read from the file in the
    // prefix), by target path.
    ProgramVersionTexts programVersionTextsOf(const QString& targetPath) const;
    mutable QHash<QString, ProgramVersionTexts> programVersionTexts_;
    // The entry of the prefix chooser whose prefix proposes the folders now.
    int prefixIndex_ = -1;
    std::optional<DesktopMenuEnvironment> desktopMenu_;
    // While the user classifies: a sync a moment after the last change, so that Done finds the
    // entries written. It tells its progress only if it runs long.
    void syncDesktopMenuSoon();
    void requestDesktopMenuSync(bool quietly);
    void desktopMenuSyncFinished(const DesktopMenuSyncResult& result);
    // Wine's failures have been shown once in this run.
    bool menuFailureShown_ = false;
    // Waits out a run of classifications before their sync (syncDesktopMenuSoon).
    QTimer* desktopMenuSoon_ = nullptr;
    // The newest sync was asked for while the user classified, and since when.
    bool desktopMenuQuiet_ = false;
    QElapsedTimer desktopMenuAsked_;
    // Last, so that it goes first: the running sync stops before the window's parts go.
    std::unique_ptr<DesktopMenuSyncQueue> desktopMenuSync_;
};

} // namespace tvn
