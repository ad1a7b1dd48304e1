#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "app/panels/HiddenStore.h"
#include "app/panels/MenuPanel.h"
#include "app/panels/WindowSurface.h"
#include "catalogue/LogicTexts.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/SystemAnalysis.h"
#include "i18n/BuiltInTexts.h"
#include "i18n/NoticeTexts.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"
#ifndef _WIN32
#include "platform/WineShellFolders.h"
#endif
#include "store/CategoryFiles.h"
#include "store/CategoryFolders.h"
#include "store/CategoryRename.h"
#include "store/SettingsCheck.h"
#include "tidy/Autostart.h"
#include "tidy/TidyRecord.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>

// The frame's answers to the Config panel: showing the settings, applying them, and the drive
// check.

namespace tvn {

namespace {

// "Z:\" or "C:\users\..." typed on Linux is a path of the Wine prefix's drives, as Wine maps
// them, never a relative file name; a drive the prefix does not map is left as typed.
QString folderOfTyped(const QString& typed, [[maybe_unused]] const QString& prefix) {
#ifndef _WIN32
    const QString path = typed.trimmed();
    const bool windowsPath = path.size() >= 3 && path.at(0).unicode() < 0x80 &&
                             path.at(0).isLetter() && path.at(1) == u':' &&
                             (path.at(2) == u'\\' || path.at(2) == u'/');
    if (windowsPath) {
        const QString unix =
            WineShellFolders(prefix.isEmpty() ? WineShellFolders::defaultWinePrefix() : prefix)
                .unixPath(path);
        if (!unix.isEmpty())
            return unix;
    }
#endif
    return typed;
}

} // namespace

namespace {

// The debug text that lets unusable folders through, for trying the program without them.
constexpr auto kNoChecksDebugText = u"Do not check for errors";

} // namespace

void MainWindow::showConfig() {
    fillPrefixChooser();
    fillConfigBoxes();
    config_->setTidyOptionChecked(autostartEnabled());
    settingsBeforeShow_ = configFromWindow();
    showConfigPanel();
}

void MainWindow::showConfigPanel() {
    // In the interface language, even when the boxes kept their texts.
    showAllUsersPrograms();
    showDesktopMenuNote();
    surface_->setHelpCoverVisible(false);
    // Settings that work can be gone back to; otherwise Esc confirms them just as OK does.
    config_->open(settingsInUse_ && state_.configured && !state_.scanFailed, state_.configured);
    state_.configured = true;
}

void MainWindow::fillConfigBoxes() {
    // The folders in use, once there are; before that the registry's.
    if (!settingsInUse_ || !state_.configured) {
        readShellFolders();
        return;
    }
    config_->setStartMenuPath(state_.startMenuPath);
    config_->setProgramsPath(state_.programsPath);
    config_->showPathsFromBeginning();
}

void MainWindow::settingsCancelClicked() {
    applyConfig(settingsBeforeShow_);
    leavePanel(config_);
    showMenu();
}

void MainWindow::readShellFolders() {
    // The registry's folders; a failed lookup leaves the box empty, saying why inside it.
    config_->setStartMenuPath(shellFolders_.shellFolder(QStringLiteral("Start Menu")));
    config_->setProgramsPath(shellFolders_.shellFolder(QStringLiteral("Programs")));
    config_->markEmptyPaths(builtInText(BuiltInText::NotInRegistry, state_.languageIndex));
    config_->showPathsFromBeginning();
}

void MainWindow::setProgramsGuard(std::function<void(const QStringList&)> guard) {
    tvn_->guardProgramsTrees = std::move(guard);
}

QString MainWindow::configFilePath() const {
    return joinPath(state_.appFolder, QString::fromUtf16(kConfigFileName));
}

void MainWindow::settingsOkClicked() {
    applyTidyOption();
    state_.scanFailed = false;
    state_.configured = true;
    state_.windowsDrive = hiddenStore_->windowsDrive();
    // The category names start again from the language's defaults, but for those whose folder
    // holds copies, which must stay in reach.
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    loadDefaultCategoriesKeepingUsed(
        tvn(), resolvedFolder(folderOfTyped(config_->startMenuPath(), shellFolders_.prefix()), home,
                              QDir::currentPath()));
    saveCustomCategories(tvn());
    applySettings();
}

void MainWindow::settingsClicked() {
    // The advice to delete the classifications first matters only when there are some.
    if (copyNames.count() > 0 && ui_.message(messageText(Message::ResetBeforeChange), {},
                                             Buttons::YesNo, Icon::Exclamation) == Answer::No)
        return;
    leavePanel(menu_);
    checkDrive();
    showConfig();
}

bool MainWindow::checkDrive() {
    hiddenStore_->selectWindowsDrive(state_.windowsDrive);
    return false;
}

void MainWindow::applySettings() {
    // "~" and relative paths are kept as the absolute folders they name from here.
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    const QString prefix = shellFolders_.prefix();
    config_->setStartMenuPath(
        resolvedFolder(folderOfTyped(config_->startMenuPath(), prefix), home, QDir::currentPath()));
    config_->setProgramsPath(
        resolvedFolder(folderOfTyped(config_->programsPath(), prefix), home, QDir::currentPath()));
    if (const auto problem =
            settingsProblem(fs_, config_->startMenuPath(), config_->programsPath(), home)) {
        if (debugText() != kNoChecksDebugText) {
            // The panel stays behind its refusal, the boxes keeping what was typed for the
            // user to put right.
            showConfigPanel();
            reportSettingsProblem(*problem);
            config_->selectWrongBox(problem->box);
            return;
        }
        reportSettingsProblem(*problem);
        ui_.beep();
    }
    // Hidden before any event is processed, so that a held Enter confirms the settings once.
    config_->hide();
    ui_.pumpEvents();
    state_.startMenuPath = config_->startMenuPath();
    state_.programsPath = config_->programsPath();
    settingsInUse_ = true;
    // From now on nothing inside the Programs trees may change, whatever the later steps do.
    updateProgramsTrees(tvn());
    // What a copy killed mid-way left behind (at start, the last session's) is the program's own.
    removeLeftoverTemporaries(tvn());
    finishInterruptedRename(tvn());

    if (!writeConfigFile(fs_, configFilePath(), configFromWindow())) {
        // A folder that cannot be written is named as such, not as a read-only Config.tvn.
        if (!QFileInfo(state_.appFolder).isWritable())
            ui_.message(logicText(LogicText::ProgramFolderReadOnly, state_.languageIndex)
                            .arg(state_.appFolder),
                        logicText(LogicText::ErrorTitle, state_.languageIndex), Buttons::Ok,
                        Icon::Exclamation);
        else
            ui_.message(messageText(Message::SettingsNotSaved),
                        logicText(LogicText::ErrorTitle, state_.languageIndex), Buttons::Ok,
                        Icon::Exclamation);
    }

    tvn::analyseSystem(tvn());
    // At start, this completes what a sync cut short by the end of the last run left.
    syncDesktopMenu();
    if (!state_.scanFailed) {
        showMenu();
        surface_->setHelpCoverVisible(false);
        showLastTidy();
    }
}

void MainWindow::applyTidyOption() {
    const bool wanted = config_->tidyOptionChecked();
    if (wanted == autostartEnabled())
        return;
    if (!setAutostart(wanted, QCoreApplication::applicationFilePath(), state_.appFolder))
        ui_.message(builtInText(BuiltInText::TidyOptionNotSaved, state_.languageIndex)
                        .arg(QDir::toNativeSeparators(autostartEntryPath())),
                    {}, Buttons::Ok, Icon::Exclamation);
}

void MainWindow::showLastTidy() {
    // Once: from now on the tidy is the Creation panel's last action, which its Undo takes back.
    if (!journal_)
        return;
    TidyRecord record(fs_, state_.appFolder);
    std::optional<LastTidy> last = record.lastTidy();
    if (!last || last->startMenu != state_.startMenuPath)
        return;
    record.setLastTidy(std::nullopt);
    record.save();
    journal_->adoptEntry(std::move(last->entry));
    enableUndoButtons();
    ui_.message(builtInText(BuiltInText::TidyWhileClosed, state_.languageIndex)
                    .arg(last->filed.join(u'\n')));
}

} // namespace tvn
