#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// Custom.tvn, in the program folder, holds the names of the eleven categories: one quoted
// record per button, in button order.

// Rewrites Custom.tvn from the eleven captions, whole or not at all (through a temporary file
// and a rename). A failure is silent: the buttons keep their captions.
void SaveCustomCategories(Tvn& tvn);

// Start-up: puts the names read from Custom.tvn on the buttons, in button order, up to the end
// of the file. An item that is not a valid category name is not used (that button keeps its
// caption) but still takes its button's place. Without the file (lost, or never written) the
// buttons take the default names of the interface language, as LoadDefaultCategories puts them.
void ReadCustomCategories(Tvn& tvn);

// Settings confirmed: puts the default names of the current language from Default.tvn on the
// buttons. The file holds three blocks of eleven names (English, French, Italian); the blocks
// are read in order up to the one of the current language, each over the captions the one
// before left. A name missing from a short file, or not a valid category name, leaves that
// button's caption as it is; a missing file changes nothing.
void LoadDefaultCategories(Tvn& tvn);

} // namespace tvn
