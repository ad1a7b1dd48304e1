#include "catalogue/ProgramsTrees.h"

#include "platform/FileSystem.h"
#include "platform/FolderChain.h"
#include "platform/ShellFolders.h"

namespace tvn {

QStringList programsTrees(const ProgramState& state) {
    QStringList trees{state.programsPath};
    if (!state.allUsersProgramsPath.isEmpty())
        trees.append(state.allUsersProgramsPath);
    return trees;
}

QString findAllUsersPrograms(Tvn& tvn, const QString& startMenuFolder,
                             const QString& programsFolder) {
    if (!tvn.shellFolders || startMenuFolder.isEmpty())
        return {};
    const QString folder = tvn.shellFolders->allUsersPrograms(startMenuFolder);
    if (folder.isEmpty() || !tvn.fs.listFolder(folder))
        return {};
    if (isSameOrAncestor(tvn.fs, folder, programsFolder) ||
        isSameOrAncestor(tvn.fs, programsFolder, folder))
        return {};
    return folder;
}

void updateProgramsTrees(Tvn& tvn) {
    tvn.state.allUsersProgramsPath =
        findAllUsersPrograms(tvn, tvn.state.startMenuPath, tvn.state.programsPath);
    if (tvn.guardProgramsTrees)
        tvn.guardProgramsTrees(programsTrees(tvn.state));
}

} // namespace tvn
