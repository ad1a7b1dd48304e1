#pragma once

#include "catalogue/ProgramState.h"

#include <array>
#include <QString>
#include <QStringList>

namespace tvn {

class FileSystem;

// The words that point to each category, by the category's index: the user may rename a
// category, but its index keeps its meaning (index 0 holds the games whatever it is called).
using CategoryWords = std::array<QStringList, kCategoryCount>;

// Reads the category words of one language from a data file of eleven records, one per
// category in the order of the buttons, each holding words separated by blanks or commas. A
// missing file or record gives no words for those categories.
CategoryWords ReadCategoryWords(FileSystem& fs, const QString& path);

// The category that fits a shortcut best, or -1 for none. A word of the shortcut's display name
// that begins with one of a category's words counts two, a word of `folders` (the names of the
// folders it lies in) one; the highest total wins, the lower index on a tie. Letter case is
// ignored.
int SuggestCategory(const CategoryWords& words, const QString& name, const QString& folders);

// The folders between the Programs tree that holds `folder` and `folder` itself ("Vendor/Suite"),
// whose names tell about the program better than the Start Menu's own path; empty when the
// folder lies in neither Programs tree.
QString FoldersBelowPrograms(const ProgramState& state, const QString& folder);

} // namespace tvn
