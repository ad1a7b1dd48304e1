#include "catalogue/SelectedEntries.h"

#include "catalogue/VectorListBox.h"
#include "tests/support/FakeWindow.h"
#include "tests/support/PrintQString.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>
#include <map>

namespace tvn::test {
namespace {

QStringList selectedEntries(const VectorListBox& list) {
    QStringList selected;
    for (int k = 0; k < list.count(); ++k)
        if (list.isSelected(k))
            selected.append(list.at(k));
    return selected;
}

TEST(SelectedEntries, EachOutcomeTakesTheEntryOutOrEndsTheWalk) {
    using enum EntryOutcome;
    struct Case {
        const char* name;
        QStringList selected;
        std::map<QString, EntryOutcome> outcomes; // Done for every entry not named
        QStringList processed;
        QStringList remaining;
        QStringList selectedAfter;
        int reports;
        std::map<QString, FailureKind> causes = {}; // the failure each entry records
        QStringList reportedByName = {};
    };
    const Case cases[] = {
        {"all done: the entry after the last one done is selected",
         {"b", "d"},
         {},
         {"b", "d"},
         {"a", "c", "e"},
         {"e"},
         0},
        {"all done up to the end: nothing is left to select",
         {"d", "e"},
         {},
         {"d", "e"},
         {"a", "b", "c"},
         {},
         0},
        {"a failure stops the walk: it and the entries after it stay selected",
         {"a", "c", "e"},
         {{"c", Failed}},
         {"a", "c"},
         {"b", "c", "d", "e"},
         {"c", "e"},
         1},
        {"done but reported: the entry leaves and the walk stops",
         {"a", "c", "e"},
         {{"c", DoneButReport}},
         {"a", "c"},
         {"b", "d", "e"},
         {"e"},
         1},
        {"the first entry fails: nothing changes",
         {"a", "b"},
         {{"a", Failed}},
         {"a"},
         {"a", "b", "c", "d", "e"},
         {"a", "b"},
         1},
        {"failures the user can act on are named at the end and the walk goes on",
         {"a", "b", "c", "d"},
         {{"a", Gone}, {"b", Failed}, {"c", DoneButReport}},
         {"a", "b", "c", "d"},
         {"b", "e"},
         {"e"},
         0,
         {{"b", FailureKind::NoSpace}, {"c", FailureKind::NotPermitted}},
         {"a", "b", "c"}},
        {"the unexpected one still stops the walk, after naming the others",
         {"a", "b", "c"},
         {{"a", Failed}, {"b", Failed}},
         {"a", "b"},
         {"a", "b", "c", "d", "e"},
         {"a", "b", "c"},
         1,
         {{"a", FailureKind::NotPermitted}},
         {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VectorListBox names;
        VectorListBox folders;
        names.assign({"a", "b", "c", "d", "e"});
        folders.assign({"A", "B", "C", "D", "E"});
        for (int k = 0; k < names.count(); ++k)
            names.setSelected(k, c.selected.contains(names.at(k)));
        ScriptedUi ui;
        ui.allowOkMessages();

        QStringList processed;
        FakeWindow window;
        processSelectedEntries(
            ui, window, names,
            [&](int k) {
                processed.append(names.at(k));
                if (const auto cause = c.causes.find(names.at(k)); cause != c.causes.end())
                    recordFailure({QStringLiteral("copy"),
                                   names.at(k),
                                   {},
                                   QStringLiteral("reason"),
                                   false,
                                   cause->second});
                const auto found = c.outcomes.find(names.at(k));
                return found == c.outcomes.end() ? Done : found->second;
            },
            [&](int k) {
                names.removeAt(k);
                folders.removeAt(k);
            });

        EXPECT_EQ(processed, c.processed);
        EXPECT_EQ(names.entries(), c.remaining);
        EXPECT_EQ(folders.entries().join(QString()), c.remaining.join(QString()).toUpper());
        EXPECT_EQ(selectedEntries(names), c.selectedAfter);
        EXPECT_EQ(static_cast<int>(ui.messageTexts().size()), c.reports);
        for (const QString& text : ui.messageTexts())
            EXPECT_EQ(text, unexpectedErrorText());
        QStringList reported;
        for (const auto& report : window.failedReports)
            for (const FailedEntry& entry : report)
                reported.append(entry.name);
        EXPECT_EQ(reported, c.reportedByName);
        EXPECT_LE(window.failedReports.size(), 1u);
    }
}

TEST(SelectedEntries, AListWithoutACurrentEntryOnlyAsksForASelection) {
    FakeWindow window;
    ScriptedUi ui;
    VectorListBox list;
    list.assign({"a", "b"});
    ui.expectMessage();
    EXPECT_FALSE(checkSelection(ui, window, list));
    EXPECT_EQ(ui.messageTexts(),
              std::vector<QString>{window.messageText(Message::SelectShortcuts)});

    list.setSelected(1, true);
    EXPECT_TRUE(checkSelection(ui, window, list));
    EXPECT_EQ(ui.calls().size(), 1u);
}

} // namespace
} // namespace tvn::test
