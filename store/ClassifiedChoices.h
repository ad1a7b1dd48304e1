#pragma once

#include "catalogue/CategorySuggestion.h"
#include "catalogue/Tvn.h"

namespace tvn {

// The file in the program folder that keeps the category chosen for each program, so that a
// program classified in one Start Menu (another Wine prefix) is suggested the same in the next.
inline constexpr auto kChoicesFileName = u"Choices.tvn";

// Teaches the suggester the categories the user chose: those kept from other Start Menus, then
// this one's, where each classified copy tells the category of the shortcuts of the same name
// in the Programs trees, and so of their program and their vendor folder. What it learned of
// this Start Menu before is forgotten, since the user may have moved or removed copies since.
// The choices file is rewritten when this Start Menu taught something new; a file that cannot
// be written only means the next Start Menu learns less.
void learnClassifiedChoices(const Tvn& tvn, CategorySuggester& suggester);

} // namespace tvn
