#include "catalogue/VectorListBox.h"

#include <gtest/gtest.h>

namespace tvn {
namespace {

TEST(VectorListBox, SortedListPlacesEqualEntriesAfterExistingOnesIgnoringCase) {
    VectorListBox list(true);
    EXPECT_EQ(list.add(QStringLiteral("beta")), 0);
    EXPECT_EQ(list.add(QStringLiteral("Alpha")), 0);
    EXPECT_EQ(list.add(QStringLiteral("BETA")), 2);
    EXPECT_EQ(list.add(QStringLiteral("alpha")), 1);
    EXPECT_EQ(list.entries(), QStringList({"Alpha", "alpha", "beta", "BETA"}));
}

TEST(VectorListBox, PlainListAppends) {
    VectorListBox list;
    EXPECT_EQ(list.add(QStringLiteral("b")), 0);
    EXPECT_EQ(list.add(QStringLiteral("a")), 1);
}

TEST(VectorListBox, SelectionFollowsEntriesAndRemovingTheCurrentEntryClearsIt) {
    VectorListBox list(true);
    list.assign({"a", "b", "c", "d"});
    EXPECT_EQ(list.currentIndex(), -1);
    list.setSelected(2, true);
    EXPECT_EQ(list.currentIndex(), 2);
    list.removeAt(0);
    EXPECT_TRUE(list.isSelected(1));
    EXPECT_EQ(list.currentIndex(), 1);
    list.insert(0, QStringLiteral("0"));
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_EQ(list.currentIndex(), 2);
    list.removeAt(2);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_FALSE(list.isSelected(2));

    list.setSelected(0, true);
    list.setSelected(1, true);
    list.selectOnly(2);
    EXPECT_FALSE(list.isSelected(0));
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_EQ(list.currentIndex(), 2);
}

TEST(VectorListBox, OutOfRangeAccessIsHarmless) {
    VectorListBox list;
    EXPECT_EQ(list.at(0), QString());
    list.removeAt(3);
    list.setSelected(-1, true);
    list.selectOnly(5);
    EXPECT_FALSE(list.isSelected(0));
    EXPECT_EQ(list.count(), 0);
}

} // namespace
} // namespace tvn
