#pragma once

#include "catalogue/ListBox.h"
#include "catalogue/ProgramState.h"
#include "catalogue/Window.h"

#include <functional>
#include <QStringList>

namespace tvn {

class FileSystem;
class ShellFolders;
class Ui;

// The catalogue's lists. Each name list has a folder list kept at the same positions;
// ListModify mirrors Fast without a folder list of its own.
struct CatalogueLists {
    ListBox& progs;
    ListBox& progsDirs;
    ListBox& fast;
    ListBox& fastDirs;
    ListBox& notYet;
    ListBox& notYetDirs;
    ListBox& purgeList;
    ListBox& purgeDirs;
    ListBox& listModify;
};

// What every procedure of the catalogue and the store works with: the shared state, the
// file system, the user-interaction service, the lists and the window.
struct Tvn {
    ProgramState& state;
    FileSystem& fs;
    Ui& ui;
    CatalogueLists lists;
    Window& window;
    // Finds the all-users Programs folder; without it only the user's Programs tree is used.
    ShellFolders* shellFolders = nullptr;
    // Told every Programs tree in use whenever they are looked up, so that nothing inside
    // them can be changed from then on.
    std::function<void(const QStringList&)> guardProgramsTrees = {};
};

} // namespace tvn
