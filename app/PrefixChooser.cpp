#include "app/FrmMain.h"
#include "app/PathLabel.h"
#include "catalogue/ProgramsTrees.h"
#include "i18n/BuiltInTexts.h"
#include "platform/FileSystem.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#ifndef _WIN32
#include "platform/WinePrefixes.h"
#include "platform/WineShellFolders.h"
#endif

// The settings panel's Wine prefix chooser and its all-users Programs line.

namespace tvn {

namespace {

// Two spellings of one prefix folder, through links or not.
bool samePrefix(const QString& a, const QString& b) {
    const QString realA = QFileInfo(a).canonicalFilePath();
    return realA.isEmpty() ? QDir::cleanPath(a) == QDir::cleanPath(b)
                           : realA == QFileInfo(b).canonicalFilePath();
}

// The entry of `chooser` for `prefix`, added before "Other folder..." when missing.
int prefixEntry(QComboBox& chooser, const QString& prefix) {
    for (int k = 0; k + 1 < chooser.count(); ++k)
        if (samePrefix(chooser.itemData(k).toString(), prefix))
            return k;
    const int k = chooser.count() - 1;
    chooser.insertItem(k, QDir::toNativeSeparators(prefix), prefix);
    chooser.setItemData(k, prefix, Qt::ToolTipRole);
    return k;
}

} // namespace

void FrmMain::FillPrefixChooser() {
#ifdef _WIN32
    // Windows has one registry: nothing to choose.
    prefixCaption->hide();
    prefixChooser->hide();
#else
    const auto text = [this](BuiltInText t) {
        return builtInText(t, state_.languageIndex);
    };
    prefixCaption->setText(text(BuiltInText::PrefixCaption));
    const std::vector<WinePrefix> found =
        findWinePrefixes(QDir::homePath(), qEnvironmentVariable("WINEPREFIX"));

    prefixChooser->clear();
    for (const WinePrefix& prefix : found) {
        const QString label =
            prefix.label.isEmpty() ? text(BuiltInText::DefaultPrefix) : prefix.label;
        prefixChooser->addItem(text(BuiltInText::PrefixEntry).arg(prefix.manager, label),
                               prefix.path);
        prefixChooser->setItemData(prefixChooser->count() - 1, prefix.path, Qt::ToolTipRole);
    }
    prefixChooser->addItem(text(BuiltInText::OtherFolder));

    // The prefix of the folders in use, then the one the folders were last proposed from (at
    // first the one Wine itself uses); when that holds no registry, the first prefix found
    // rather than empty boxes.
    QString inUse = WineShellFolders::prefixHolding(state_.startMenuPath);
    if (inUse.isEmpty())
        inUse = shellFolders_.prefix();
    if (!fs_.fileExists(inUse + QStringLiteral("/user.reg")) && !found.empty())
        inUse = found.front().path;
    prefixIndex_ = inUse.isEmpty() ? -1 : prefixEntry(*prefixChooser, inUse);
    prefixChooser->setCurrentIndex(prefixIndex_);
    shellFolders_.setPrefix(inUse);
#endif
}

void FrmMain::prefixChosen() {
    QString prefix = prefixChooser->currentData().toString();
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
            prefixChooser->setCurrentIndex(prefixIndex_);
            return;
        }
        prefix = QDir::cleanPath(picked);
        prefixChooser->setCurrentIndex(prefixEntry(*prefixChooser, prefix));
    }
    prefixIndex_ = prefixChooser->currentIndex();
    shellFolders_.setPrefix(prefix);
    ReadShellFolders();
}

void FrmMain::ShowAllUsersPrograms() {
    // What the boxes would bring in if applied now; the lookup never changes the state.
    const QString folder =
        FindAllUsersPrograms(tvn(), startMenuPathBox->text(), programsPathBox->text());
    allUsersProgramsLine->setLeadAndPath(builtInText(folder.isEmpty()
                                                         ? BuiltInText::NoAllUsersPrograms
                                                         : BuiltInText::AllUsersPrograms,
                                                     state_.languageIndex),
                                         QDir::toNativeSeparators(folder));
}

} // namespace tvn
