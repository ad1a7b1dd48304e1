#pragma once

#include "catalogue/Tvn.h"

#include <QString>

namespace tvn {

// The folder of the category `name`: directly inside the Start Menu folder.
QString categoryFolder(const Tvn& tvn, const QString& name);

// Creates the folder; any failure (most often: it exists already) is ignored.
void makeFolder(Tvn& tvn, const QString& path);

// Removes the folder of the category `name` when it is empty; otherwise, or when the name is
// not a valid category name, sounds the beep and leaves everything as it is.
void removeCategoryFolder(Tvn& tvn, const QString& name);

// Deletes what an interrupted copy or write (the program killed, the machine off) left in the
// category folders and the program folder: the program's own temporary files, nothing else.
void removeLeftoverTemporaries(Tvn& tvn);

} // namespace tvn
