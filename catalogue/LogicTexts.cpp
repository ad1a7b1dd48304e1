#include "catalogue/LogicTexts.h"

#include <array>

namespace tvn {

QString logicText(LogicText text, int languageIndex) {
    // English, French, Italian; French puts a no-break space before "!", "?" and ":".
    using Texts = std::array<const char16_t*, 3>;
    static constexpr Texts kTexts[] = {
        {u"ERROR!", u"ERREUR\u00a0!", u"ERRORE!"},
        {u"Caution!", u"Attention\u00a0!", u"Attenzione!"},
        {u"A category name cannot be empty or end with a dot or a blank, and cannot hold any of "
         u"< > : \" / \\ | ? *",
         u"Un nom de cat\u00e9gorie ne peut \u00eatre vide ni finir par un point ou un espace, "
         u"et ne peut contenir aucun de ces caract\u00e8res\u00a0: < > : \" / \\ | ? *",
         u"Il nome di una categoria non pu\u00f2 essere vuoto n\u00e9 finire con un punto o uno "
         u"spazio, e non pu\u00f2 contenere nessuno di questi caratteri: < > : \" / \\ | ? *"},
    };
    static_assert(std::size(kTexts) == static_cast<size_t>(LogicText::InvalidCategoryName) + 1);
    const auto language = languageIndex >= 0 && languageIndex < 3 ? languageIndex : 0;
    return QString::fromUtf16(kTexts[static_cast<size_t>(text)][static_cast<size_t>(language)]);
}

} // namespace tvn
