#include "catalogue/SystemAnalysis.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/ShortcutScan.h"
#include "platform/Ui.h"

#include <utility>

namespace tvn {

namespace {

void reportUnreadableFolders(Tvn& tvn) {
    if (tvn.state.unreadableFolders.isEmpty())
        return;
    const QStringList folders = std::exchange(tvn.state.unreadableFolders, {});
    tvn.window.reportUnreadableFolders(folders);
}

} // namespace

void analyseSystem(Tvn& tvn) {
    tvn.window.setLanguagePictureVisible(true);
    tvn.window.setProgressText(QString());
    tvn.ui.pumpEvents();

    tvn.lists.listModify.clear();
    fastList(tvn.lists).clear();
    progsList(tvn.lists).clear();
    updateProgramsTrees(tvn);

    tvn.state.unreadableFolders.clear();
    tvn.state.unreadableProgramsFolders.clear();
    scanStartMenu(tvn, tvn.state.startMenuPath);
    if (tvn.state.scanFailed) {
        tvn.window.showConfig();
        return;
    }
    scanPrograms(tvn, tvn.state.programsPath);
    if (tvn.state.scanFailed) {
        tvn.window.showConfig();
        return;
    }
    if (!tvn.state.allUsersProgramsPath.isEmpty())
        scanAllUsersPrograms(tvn, tvn.state.allUsersProgramsPath);
    reportUnreadableFolders(tvn);
    tvn.window.setHelpCoverVisible(false);
    tvn.window.setLanguagePictureVisible(true);
}

void refreshClassified(Tvn& tvn) {
    fastList(tvn.lists).clear();
    tvn.window.setProgressText(QString());
    tvn.state.unreadableFolders.clear();
    scanStartMenu(tvn, tvn.state.startMenuPath);
    reportUnreadableFolders(tvn);
}

} // namespace tvn
