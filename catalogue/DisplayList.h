#pragma once

#include "catalogue/CatalogueList.h"
#include "catalogue/Tvn.h"

#include <functional>
#include <QString>

namespace tvn {

// Rebuilds the visible list `shown` from the catalogue list `from`: the display name and folder
// of every entry whose position in `from` `keep` accepts, placed as the list's order puts them
// (equal names in the order of `from`). The progress label shows the percentage of `from` entries
// done (nothing for a single entry) and keeps the last one; events are pumped once per entry.
void buildDisplayList(Tvn& tvn, CatalogueList shown, CatalogueList from,
                      const std::function<bool(int)>& keep);

} // namespace tvn
