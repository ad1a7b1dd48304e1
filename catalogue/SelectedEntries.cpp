#include "catalogue/SelectedEntries.h"

#include "catalogue/Window.h"
#include "platform/Ui.h"

namespace tvn {

bool checkSelection(Ui& ui, const Window& window, const ListBox& shown) {
    if (shown.currentIndex() >= 0 && shown.count() > 0)
        return true;
    ui.message(window.messageText(Message::SelectShortcuts));
    return false;
}

void processSelectedEntries(Ui& ui, Window& window, ListBox& shown,
                            const std::function<EntryOutcome(int)>& process,
                            const std::function<void(int)>& removeAt) {
    std::vector<FailedEntry> failed;
    int handled = 0;
    const auto reportFailed = [&] {
        if (!failed.empty())
            window.reportFailedEntries(failed, handled > 0);
    };
    int last = 0;
    int i = 0;
    while (i < shown.count()) {
        if (!shown.isSelected(i)) {
            ++i;
            continue;
        }
        clearLastFailure();
        const QString name = shown.at(i);
        const EntryOutcome outcome = process(i);
        const auto cause = lastFailure();
        if (outcome == EntryOutcome::Gone)
            failed.push_back(
                {name, FailureKind::Gone, cause ? describeFailure(*cause) : QString()});
        if (outcome != EntryOutcome::Failed) {
            // The entry after it moves up to position i, so i is examined again.
            removeAt(i);
            last = i;
        }
        if (outcome == EntryOutcome::Done)
            ++handled;
        if (outcome == EntryOutcome::Done || outcome == EntryOutcome::Gone)
            continue;
        if (cause && cause->kind != FailureKind::Unexpected && !cause->keptByUser) {
            failed.push_back({name, cause->kind, describeFailure(*cause)});
            if (outcome == EntryOutcome::Failed)
                ++i;
            continue;
        }
        reportFailed();
        // reportUnexpectedError reads the cause again.
        if (cause)
            recordFailure(*cause);
        reportUnexpectedError(ui);
        return;
    }
    reportFailed();
    if (shown.count() > last)
        shown.selectOnly(last);
}

} // namespace tvn
