#include "app/widgets/ListFilter.h"

#include "app/widgets/QtListBox.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace tvn::test {
namespace {

// The filter boxes above the lists: typing hides rows, never entries, and whatever the user
// does with the selection reaches only the entries shown, each with its own folder.
class ListFilterTest : public MainWindowTest {
protected:
    ListFilterTest() {
        for (const char* name :
             {"Games/Chess", "Games/Go", "Office/Sheet", "Office/Writer", "Tools/chess clock"})
            tree.write(QStringLiteral("Start Menu/Programs/%1.lnk").arg(QLatin1String(name)),
                       QByteArray(name));
        frm.showMenu();
        QTest::mouseClick(control<QPushButton>(frm, "rescanButton"), Qt::LeftButton);
    }

    // Each name with the folder the catalogue pairs it with, as "Folder/Name".
    QStringList pairs(const ListBox& names, const ListBox& folders) const {
        QStringList found;
        for (int k = 0; k < names.count(); ++k)
            found.append(folders.at(k).mid(startMenu().size() + 1) + u'/' + names.at(k));
        return found;
    }
    QStringList shownRows(const QListWidget& list) const {
        QStringList shown;
        for (int k = 0; k < list.count(); ++k)
            if (!list.isRowHidden(k))
                shown.append(list.item(k)->text());
        return shown;
    }
};

TEST_F(ListFilterTest, ClassifyingWhileFilteredTakesOnlyTheShownEntriesAndEscShowsThemAll) {
    QTest::mouseClick(control<QPushButton>(frm, "classifyButton"), Qt::LeftButton);
    QTest::keyClicks(control<QLineEdit>(frm, "unclassifiedListFilter"), QStringLiteral("CHESS"));
    EXPECT_EQ(shownRows(*control<QListWidget>(frm, "unclassifiedList")),
              QStringList({"Chess", "chess clock"}));
    EXPECT_EQ(control<QLabel>(frm, "unclassifiedListCount")->text(), QStringLiteral("2 / 5"));

    // Select all, hidden rows included as far as the view goes, then classify.
    QTest::keyClick(control<QListWidget>(frm, "unclassifiedList"), Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(categoryButton(frm, 0), Qt::LeftButton);

    const QString games = frm.categoryCaption(0);
    EXPECT_EQ(tree.read(QStringLiteral("Start Menu/%1/Chess.lnk").arg(games)), "Games/Chess");
    EXPECT_EQ(tree.read(QStringLiteral("Start Menu/%1/chess clock.lnk").arg(games)),
              "Tools/chess clock");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/%1/Go.lnk").arg(games)));
    EXPECT_EQ(
        pairs(frm.tvn().lists.notYet, frm.unclassifiedFolders),
        QStringList({"Programs/Games/Go", "Programs/Office/Sheet", "Programs/Office/Writer"}));
    EXPECT_EQ(control<QLabel>(frm, "unclassifiedListCount")->text(), QStringLiteral("0 / 3"));
    EXPECT_EQ(frm.tvn().lists.notYet.currentIndex(), -1);

    // Esc empties the filter first, and only then leaves the panel.
    QTest::keyClick(control<QListWidget>(frm, "unclassifiedList"), Qt::Key_Escape);
    EXPECT_EQ(shownRows(*control<QListWidget>(frm, "unclassifiedList")),
              QStringList({"Go", "Sheet", "Writer"}));
    EXPECT_EQ(notYetSelected(), QStringList({"Go"}));
    expectOnly(control<QFrame>(frm, "creationPanel"), nullptr,
               control<QPushButton>(frm, "creationDoneButton"));
    QTest::keyClick(control<QListWidget>(frm, "unclassifiedList"), Qt::Key_Escape);
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
}

TEST_F(ListFilterTest, RemovingCopiesWhileFilteredKeepsTheModifyListsInStep) {
    for (const char* name : {"giochi/Chess", "giochi/Go", "grafica/Sheet", "grafica/Writer"})
        tree.write(QStringLiteral("Start Menu/%1.lnk").arg(QLatin1String(name)), "copy");
    QTest::mouseClick(control<QPushButton>(frm, "rescanButton"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(frm, "modifyButton"), Qt::LeftButton);
    ASSERT_EQ(control<QListWidget>(frm, "copiesList")->count(), 4);

    QTest::keyClicks(control<QLineEdit>(frm, "copiesListFilter"), QStringLiteral("e"));
    ASSERT_EQ(shownRows(*control<QListWidget>(frm, "copiesList")),
              QStringList({"Chess", "Sheet", "Writer"}));
    // Enter in the box goes on into the list, without pressing REMOVE; Shift+End selects to the
    // last entry shown.
    QTest::keyClick(control<QLineEdit>(frm, "copiesListFilter"), Qt::Key_Return);
    QApplication::processEvents(); // the list shows the logic's current entry
    QTest::keyClick(control<QListWidget>(frm, "copiesList"), Qt::Key_Down);
    QTest::keyClick(control<QListWidget>(frm, "copiesList"), Qt::Key_End, Qt::ShiftModifier);
    QTest::mouseClick(control<QPushButton>(frm, "removeButton"), Qt::LeftButton);

    EXPECT_EQ(tree.read(QStringLiteral("Start Menu/giochi/Chess.lnk")), "copy");
    EXPECT_EQ(tree.read(QStringLiteral("Start Menu/giochi/Go.lnk")), "copy");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/grafica")));
    const ListBox& shown = frm.tvn().lists.listModify;
    EXPECT_EQ(pairs(frm.copyNames, frm.copyFolders),
              QStringList({"giochi/Chess.lnk", "giochi/Go.lnk"}));
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(0) + shown.at(1), QStringLiteral("ChessGo"));
    EXPECT_EQ(control<QLabel>(frm, "copiesListCount")->text(), QStringLiteral("1 / 2"));
}

TEST(QtListBoxFilter, HiddenEntriesAreNeverSelectedAndNewEntriesAreFilteredToo) {
    QListWidget widget;
    QtListBox box(widget, true);
    box.assign({"alpha", "beta", "gamma", "delta"});
    box.selectOnly(1);
    box.setFilter(QStringLiteral("A"));
    // "beta" has an a: still current. Adding and selecting hidden entries does nothing.
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(box.add(QStringLiteral("echo")), 2);
    EXPECT_FALSE(box.isShown(2));
    box.setSelected(2, true);
    EXPECT_FALSE(box.isSelected(2));
    EXPECT_EQ(box.shownCount(), 4);

    // The logic's next entry after a hidden one is the next one shown, else the one before.
    box.setFilter(QStringLiteral("ta")); // beta, delta
    EXPECT_EQ(box.currentIndex(), 1);
    box.selectOnly(0);
    EXPECT_EQ(box.currentIndex(), 1);
    box.selectOnly(2);
    EXPECT_EQ(box.currentIndex(), 4);
    // The current entry hidden, the first one shown takes its place.
    box.setFilter(QStringLiteral("et"));
    EXPECT_EQ(box.currentIndex(), 1);
    box.selectOnly(3);
    EXPECT_EQ(box.currentIndex(), 1);
    EXPECT_EQ(box.count(), 5);
    box.setFilter(QStringLiteral("zzz"));
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.shownCount(), 0);
}

} // namespace
} // namespace tvn::test
