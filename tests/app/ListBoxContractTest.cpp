#include "app/widgets/QtListBox.h"
#include "catalogue/VectorListBox.h"

#include <gtest/gtest.h>
#include <memory>
#include <QListWidget>

// One contract for every list box: the window's lists and the plain ones the logic's tests
// use must behave alike, or the logic tested on one would fail on the other.

namespace tvn {
namespace {

struct VectorMaker {
    std::unique_ptr<ListBox> make(bool sorted) { return std::make_unique<VectorListBox>(sorted); }
};

struct QtMaker {
    std::unique_ptr<ListBox> make(bool sorted) {
        widgets.push_back(std::make_unique<QListWidget>());
        return std::make_unique<QtListBox>(*widgets.back(), sorted);
    }
    std::vector<std::unique_ptr<QListWidget>> widgets;
};

template <typename Maker> class ListBoxContract : public ::testing::Test {
protected:
    ListBox& make(bool sorted) {
        lists_.push_back(maker_.make(sorted));
        return *lists_.back();
    }

    static QStringList entries(const ListBox& list) {
        QStringList result;
        for (int i = 0; i < list.count(); ++i)
            result << list.at(i);
        return result;
    }

    static std::vector<int> selected(const ListBox& list) {
        std::vector<int> result;
        for (int i = 0; i < list.count(); ++i)
            if (list.isSelected(i))
                result.push_back(i);
        return result;
    }

private:
    Maker maker_;
    std::vector<std::unique_ptr<ListBox>> lists_;
};

using Makers = ::testing::Types<VectorMaker, QtMaker>;
TYPED_TEST_SUITE(ListBoxContract, Makers);

TYPED_TEST(ListBoxContract, SortedListIgnoresCaseAndPlacesEqualEntriesAfterExistingOnes) {
    ListBox& list = this->make(true);
    EXPECT_TRUE(list.isSorted());
    EXPECT_EQ(list.add(QStringLiteral("beta")), 0);
    EXPECT_EQ(list.add(QStringLiteral("Alpha")), 0);
    EXPECT_EQ(list.add(QStringLiteral("BETA")), 2);
    EXPECT_EQ(list.add(QStringLiteral("alpha")), 1);
    EXPECT_EQ(list.add(QStringLiteral("Éclair")), 4);
    EXPECT_EQ(list.add(QStringLiteral("éclair")), 5);
    EXPECT_EQ(list.add(QString()), 0);
    EXPECT_EQ(this->entries(list),
              QStringList({"", "Alpha", "alpha", "beta", "BETA", "Éclair", "éclair"}));
}

TYPED_TEST(ListBoxContract, PlainListAppendsAndInsertPlacesAnywhere) {
    ListBox& list = this->make(false);
    EXPECT_FALSE(list.isSorted());
    EXPECT_EQ(list.add(QStringLiteral("b")), 0);
    EXPECT_EQ(list.add(QStringLiteral("a")), 1);
    list.insert(1, QStringLiteral("middle"));
    list.insert(99, QStringLiteral("end"));
    list.insert(-5, QStringLiteral("start"));
    EXPECT_EQ(this->entries(list), QStringList({"start", "b", "middle", "a", "end"}));

    // A sorted list takes an insertion where it is told, as the folder lists rely on.
    ListBox& sorted = this->make(true);
    sorted.assign({"a", "c"});
    sorted.insert(0, QStringLiteral("z"));
    EXPECT_EQ(this->entries(sorted), QStringList({"z", "a", "c"}));
}

TYPED_TEST(ListBoxContract, SelectingAnEntryMakesItCurrent) {
    ListBox& list = this->make(false);
    list.assign({"a", "b", "c", "d"});
    EXPECT_EQ(list.currentIndex(), -1);
    list.setSelected(2, true);
    list.setSelected(0, true);
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(this->selected(list), (std::vector<int>{0, 2}));
    list.setSelected(0, false);
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(this->selected(list), (std::vector<int>{2}));

    list.setSelected(1, true);
    list.selectOnly(3);
    EXPECT_EQ(this->selected(list), (std::vector<int>{3}));
    EXPECT_EQ(list.currentIndex(), 3);
}

TYPED_TEST(ListBoxContract, SelectionAndCurrentEntryMoveWithInsertionsAndRemovals) {
    ListBox& list = this->make(true);
    list.assign({"a", "b", "c", "d"});
    list.setSelected(1, true);
    list.setSelected(3, true);
    list.setSelected(2, true);
    list.insert(0, QStringLiteral("0"));
    EXPECT_EQ(this->selected(list), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(list.currentIndex(), 3);
    list.removeAt(0);
    EXPECT_EQ(this->selected(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.currentIndex(), 2);
    list.removeAt(3);
    EXPECT_EQ(list.currentIndex(), 2);

    // Removing the current entry leaves none, though its neighbours stay selected.
    list.removeAt(2);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(this->selected(list), (std::vector<int>{1}));
    EXPECT_EQ(this->entries(list), QStringList({"a", "b"}));
}

TYPED_TEST(ListBoxContract, AssignAndClearReplaceEverything) {
    ListBox& list = this->make(true);
    list.assign({"x", "y"});
    list.selectOnly(1);
    // Bulk content keeps the order given, even in a sorted list.
    list.assign({"c", "a", "b"});
    EXPECT_EQ(this->entries(list), QStringList({"c", "a", "b"}));
    EXPECT_TRUE(this->selected(list).empty());
    EXPECT_EQ(list.currentIndex(), -1);
    list.selectOnly(0);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
}

TYPED_TEST(ListBoxContract, OutOfRangeAccessIsHarmless) {
    ListBox& list = this->make(false);
    EXPECT_EQ(list.at(0), QString());
    list.removeAt(3);
    list.setSelected(-1, true);
    list.selectOnly(5);
    list.add(QStringLiteral("only"));
    list.removeAt(1);
    list.setSelected(1, true);
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_FALSE(list.isSelected(-1));
    EXPECT_EQ(list.at(-1), QString());
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.currentIndex(), -1);
}

} // namespace
} // namespace tvn
