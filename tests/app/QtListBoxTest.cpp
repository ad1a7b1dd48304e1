#include "app/widgets/QtListBox.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QListWidget>
#include <QtTest/QTest>

// What the adapter adds to the list-box contract: the widget shows the logic's list, and the
// user's clicks and keys reach the logic.

namespace tvn {
namespace {

class QtListBoxTest : public ::testing::Test {
protected:
    QtListBoxTest() {
        widget.resize(200, 300);
        widget.show();
    }

    std::vector<int> widgetSelection() const {
        std::vector<int> rows;
        for (int i = 0; i < widget.count(); ++i)
            if (widget.item(i)->isSelected())
                rows.push_back(i);
        return rows;
    }

    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect rect = widget.visualItemRect(widget.item(row));
        QTest::mouseClick(widget.viewport(), Qt::LeftButton, modifiers, rect.center());
    }

    QListWidget widget;
    QtListBox list{widget, true};
};

TEST_F(QtListBoxTest, TheWidgetShowsTheListInItsOrder) {
    for (const char* name : {"delta", "Alpha", "charlie", "bravo"})
        list.add(QString::fromUtf8(name));
    EXPECT_FALSE(widget.isSortingEnabled());
    EXPECT_EQ(widget.selectionMode(), QAbstractItemView::ExtendedSelection);
    ASSERT_EQ(widget.count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(widget.item(i)->text(), list.at(i));
}

TEST_F(QtListBoxTest, TheLogicsSelectionReachesTheWidgetAtTheNextTurn) {
    list.assign({"a", "b", "c", "d", "e"});
    list.setSelected(1, true);
    list.setSelected(2, true);
    list.setSelected(4, true);
    QApplication::processEvents();
    EXPECT_EQ(widgetSelection(), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(widget.currentRow(), 4);

    list.removeAt(4);
    QApplication::processEvents();
    EXPECT_EQ(widgetSelection(), (std::vector<int>{1, 2}));
    EXPECT_EQ(widget.currentRow(), -1);
}

TEST_F(QtListBoxTest, TheUsersClicksReachTheLogicAtOnce) {
    list.assign({"a", "b", "c", "d", "e"});
    click(1);
    EXPECT_TRUE(list.isSelected(1));
    EXPECT_EQ(list.currentIndex(), 1);
    click(3, Qt::ShiftModifier);
    click(0, Qt::ControlModifier);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(list.isSelected(i), i != 4) << i;
    EXPECT_EQ(list.currentIndex(), 0);

    QTest::keyClick(widget.viewport(), Qt::Key_Down);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_FALSE(list.isSelected(0));
    EXPECT_TRUE(list.isSelected(1));
    EXPECT_FALSE(list.isSelected(2));
}

TEST_F(QtListBoxTest, GainingTheFocusInventsNoCurrentEntry) {
    list.assign({"a", "b"});
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&widget, &focusIn);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(widget.currentRow(), -1);
}

TEST_F(QtListBoxTest, ManyEntriesAreFilledAndSelectedInBulk) {
    constexpr int n = 20000;
    QStringList names;
    for (int i = 0; i < n; ++i)
        names << QStringLiteral("shortcut %1").arg(i, 6, 10, QChar(u'0'));
    list.assign(names);
    for (int i = 0; i < n; ++i)
        list.setSelected(i, true);
    list.syncWidget();
    EXPECT_EQ(widget.count(), n);
    EXPECT_EQ(widget.selectionModel()->selectedRows().size(), n);
    EXPECT_EQ(list.currentIndex(), n - 1);
    EXPECT_EQ(list.add(QStringLiteral("shortcut 010000x")), 10001);
}

} // namespace
} // namespace tvn
