#include "app/frame/MainWindow.h"
#include "app/panels/ConfigPanel.h"
#include "catalogue/ProgramsTrees.h"
#include "i18n/BuiltInTexts.h"
#include "platform/FileSystem.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"

#include <QDir>

#ifndef _WIN32
#include "platform/WinePrefixes.h"
#include "platform/WineShellFolders.h"
#endif

// The frame's answers to the settings panel's Wine prefix chooser, and its all-users Programs
// line.

namespace tvn {

void MainWindow::fillPrefixChooser() {
#ifdef _WIN32
    // Windows has one registry: nothing to choose.
    config_->hidePrefixChooser();
#else
    const auto text = [this](BuiltInText t) {
        return builtInText(t, state_.languageIndex);
    };
    config_->setPrefixCaption(text(BuiltInText::PrefixCaption));
    const std::vector<WinePrefix> found =
        findWinePrefixes(QDir::homePath(), qEnvironmentVariable("WINEPREFIX"));

    config_->clearPrefixes();
    for (const WinePrefix& prefix : found) {
        const QString label =
            prefix.label.isEmpty() ? text(BuiltInText::DefaultPrefix) : prefix.label;
        config_->addPrefix(text(BuiltInText::PrefixEntry).arg(prefix.manager, label), prefix.path);
    }
    config_->addOtherFolderEntry(text(BuiltInText::OtherFolder));

    // The prefix of the folders in use, then the one the folders were last proposed from (at
    // first the one Wine itself uses); when that holds no registry, the first prefix found
    // rather than empty boxes.
    QString inUse = WineShellFolders::prefixHolding(state_.startMenuPath);
    if (inUse.isEmpty())
        inUse = shellFolders_.prefix();
    if (!fs_.fileExists(inUse + QStringLiteral("/user.reg")) && !found.empty())
        inUse = found.front().path;
    prefixIndex_ = inUse.isEmpty() ? -1 : config_->prefixEntry(inUse);
    config_->choosePrefixEntry(prefixIndex_);
    shellFolders_.setPrefix(inUse);
#endif
}

void MainWindow::prefixChosen() {
    QString prefix = config_->chosenPrefix();
    if (prefix.isEmpty()) {
        const auto text = [this](BuiltInText t) {
            return builtInText(t, state_.languageIndex);
        };
        const QString start =
            shellFolders_.prefix().isEmpty() ? QDir::homePath() : shellFolders_.prefix();
        const QString picked = ui_.chooseFolder(text(BuiltInText::ChoosePrefixFolder), start);
        const bool isPrefix =
            !picked.isEmpty() && fs_.fileExists(picked + QStringLiteral("/user.reg"));
        if (!picked.isEmpty() && !isPrefix)
            ui_.message(text(BuiltInText::NotAPrefix), {}, Buttons::Ok, Icon::Exclamation);
        if (!isPrefix) {
            // Nothing chosen: the prefix in use stays, and so do the boxes.
            config_->choosePrefixEntry(prefixIndex_);
            return;
        }
        prefix = QDir::cleanPath(picked);
        config_->choosePrefixEntry(config_->prefixEntry(prefix));
    }
    prefixIndex_ = config_->chosenPrefixEntry();
    shellFolders_.setPrefix(prefix);
    readShellFolders();
}

void MainWindow::showAllUsersPrograms() {
    // What the boxes would bring in if applied now; the lookup never changes the state.
    const QString folder =
        findAllUsersPrograms(tvn(), config_->startMenuPath(), config_->programsPath());
    config_->showAllUsersPrograms(builtInText(folder.isEmpty() ? BuiltInText::NoAllUsersPrograms
                                                               : BuiltInText::AllUsersPrograms,
                                              state_.languageIndex),
                                  QDir::toNativeSeparators(folder));
}

} // namespace tvn
