#include "catalogue/DisplayList.h"

#include "catalogue/ProgressText.h"
#include "platform/Ui.h"

namespace tvn {

// Collecting first and placing everything at the end gives the order and positions that adding
// the entries one by one would give, without shifting the list at every insertion.
void buildDisplayList(Tvn& tvn, CatalogueList shown, CatalogueList from,
                      const std::function<bool(int)>& keep) {
    shown.clear();
    tvn.window.setProgressText(QString());
    const int n = from.count();
    QStringList names;
    QStringList folders;
    for (int i = 0; i < n; ++i) {
        if (keep(i)) {
            names.append(displayName(from.names.at(i)));
            folders.append(from.folders.at(i));
        }
        if (const auto text = percentText(i, n))
            tvn.window.setProgressText(*text);
        tvn.ui.pumpEvents();
    }
    shown.assignInOrder(names, folders);
}

} // namespace tvn
