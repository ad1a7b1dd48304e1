#pragma once

#include "ListBox.h"
#include "ProgramState.h"
#include "Window.h"

namespace tvn {

class FileSystem;
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
};

} // namespace tvn
