#pragma once

#include "catalogue/Tvn.h"

namespace tvn {

// The reset of every classification.

// Asks whether every classification should be deleted ("Caution!", Yes or No); true for Yes.
bool confirmReset(Tvn& tvn);

// Deletes the classified copies, first to last, that lie directly in the folder of one of the
// eleven categories (the folders named by the buttons' captions now, whatever the letter case
// on disk); shortcuts kept elsewhere in the Start Menu tree are spared. Then removes each
// category folder that is left empty (the temporary files of an interrupted copy removed first),
// says that the classifications are gone and analyses the system again. Every failure is skipped
// silently: a copy that cannot be deleted reappears in the catalogue, a folder that still holds
// something stays.
void deleteAllClassifications(Tvn& tvn);

} // namespace tvn
