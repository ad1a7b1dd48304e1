#include "app/frame/MeasuredWindow.h"

#include "app/frame/MainWindow.h"

namespace tvn {

MeasuredWindow openMeasuredWindow(Ui& ui, FileSystem& fs, ShellFolders& shellFolders,
                                  const QString& programFolder, int languageIndex) {
    auto window = std::make_unique<MainWindow>(ui, fs, shellFolders,
                                               [programFolder] { return programFolder; });
    window->show();
    window->state().appFolder = programFolder;
    window->state().languageIndex = languageIndex;
    window->loadLanguageTexts();
    const std::array<QFrame*, 7> panels = window->panels();
    return {std::move(window), panels};
}

} // namespace tvn
