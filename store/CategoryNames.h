#pragma once

#include <QString>

namespace tvn {

// A category's name is also the name of its folder directly inside the Start Menu folder, and
// it is saved between double quotes in Custom.tvn. A valid name is one folder name that Windows
// keeps exactly as given: not empty, not "." or "..", no path separator, none of
// < > : " / \ | ? *, no control character, and no trailing dot or blank (Windows would strip
// them, so the folder would not carry the name), and at most kMaxCategoryNameLength characters,
// so that a copy's path in it stays within what every system allows.
inline constexpr qsizetype kMaxCategoryNameLength = 100;
bool isValidCategoryName(const QString& name);

// The message that refuses an invalid name, in the interface language.
QString invalidCategoryNameText(int languageIndex);

} // namespace tvn
