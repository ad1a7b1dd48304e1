#include "catalogue/SystemAnalysis.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/ProgramsTrees.h"
#include "catalogue/ShortcutScan.h"
#include "platform/Ui.h"

namespace tvn {

void AnalyseSystem(Tvn& tvn) {
    tvn.window.setLanguagePictureVisible(true);
    tvn.window.setProgressText(QString());
    tvn.ui.pumpEvents();

    tvn.lists.listModify.clear();
    fastList(tvn.lists).clear();
    progsList(tvn.lists).clear();
    UpdateProgramsTrees(tvn);

    ScanStartMenu(tvn, tvn.state.startMenuPath);
    if (tvn.state.scanFailed) {
        tvn.window.ShowConfig();
        return;
    }
    ScanPrograms(tvn, tvn.state.programsPath);
    if (tvn.state.scanFailed) {
        tvn.window.ShowConfig();
        return;
    }
    if (!tvn.state.allUsersProgramsPath.isEmpty())
        ScanAllUsersPrograms(tvn, tvn.state.allUsersProgramsPath);
    tvn.window.setHelpCoverVisible(false);
    tvn.window.setLanguagePictureVisible(true);
}

void RefreshClassified(Tvn& tvn) {
    fastList(tvn.lists).clear();
    tvn.window.setProgressText(QString());
    ScanStartMenu(tvn, tvn.state.startMenuPath);
}

} // namespace tvn
