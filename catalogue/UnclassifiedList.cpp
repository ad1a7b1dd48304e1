#include "catalogue/UnclassifiedList.h"

#include "catalogue/CatalogueList.h"
#include "catalogue/DisplayList.h"
#include "catalogue/SameShortcut.h"

namespace tvn {

void buildNotYetList(Tvn& tvn) {
    const ShortcutMatches matches =
        matchCopiesToShortcuts(tvn.fs, progsList(tvn.lists), fastList(tvn.lists));
    buildDisplayList(tvn, notYetList(tvn.lists), progsList(tvn.lists),
                     [&](int k) { return !matches.sourceClassified[static_cast<size_t>(k)]; });
}

} // namespace tvn
