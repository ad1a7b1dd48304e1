#include "catalogue/SelectedEntries.h"

#include "catalogue/Window.h"
#include "platform/Ui.h"

namespace tvn {

bool CheckSelection(Ui& ui, const Window& window, const ListBox& shown) {
    if (shown.currentIndex() >= 0 && shown.count() > 0)
        return true;
    ui.message(window.messageText(Message::SelectShortcuts));
    return false;
}

void ProcessSelectedEntries(Ui& ui, ListBox& shown, const std::function<EntryOutcome(int)>& process,
                            const std::function<void(int)>& removeAt) {
    int last = 0;
    int i = 0;
    while (i < shown.count()) {
        if (!shown.isSelected(i)) {
            ++i;
            continue;
        }
        const EntryOutcome outcome = process(i);
        if (outcome != EntryOutcome::Failed) {
            // The entry after it moves up to position i, so i is examined again.
            removeAt(i);
            last = i;
        }
        if (outcome != EntryOutcome::Done) {
            ReportUnexpectedError(ui);
            return;
        }
    }
    if (shown.count() > last)
        shown.selectOnly(last);
}

} // namespace tvn
