#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// Custom.tvn, in the program folder, holds the names of the eleven categories: one quoted
// record per button, in button order.

// Rewrites Custom.tvn from the eleven captions, whole or not at all (through a temporary file
// and a rename). False when it could not be written; the buttons keep their captions.
bool saveCustomCategories(Tvn& tvn);

// Start-up: puts the names read from Custom.tvn on the buttons, in button order. A button the
// file does not name properly (a short file, an item that is not a valid category name or that
// another button bears already) takes the default name of the interface language, as
// loadDefaultCategories puts it, and the user is told once that the file was damaged (it is
// written whole again). Without the file (lost, or never written) the buttons take the defaults.
void readCustomCategories(Tvn& tvn);

// Settings confirmed: puts the default names of the current language from Default.tvn on the
// buttons. The file holds three blocks of eleven names (English, French, Italian); the blocks
// are read in order up to the one of the current language, each over the captions the one
// before left. A name missing from a short file, or not a valid category name, leaves that
// button's caption as it is; a missing file changes nothing.
void loadDefaultCategories(Tvn& tvn);

// Settings confirmed on `startMenu`: the categories take the default names of the current
// language, except those whose folder there holds anything: their copies stay the program's, in
// reach of MODIFY and RESET, so the category keeps its name.
void loadDefaultCategoriesKeepingUsed(Tvn& tvn, const QString& startMenu);

} // namespace tvn
