#include "platform/FolderChain.h"

#include "platform/NativeFileSystem.h"
#include "platform/Paths.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace tvn {
namespace {

TEST(FolderChain, SameFolderFollowsTheObjectsOnDiskNotTheSpelling) {
    test::TempTree tree;
    tree.makeFolder(QStringLiteral("Start Menu/Giochi"));
    tree.makeFolder(QStringLiteral("Start Menu/Video"));
    NativeFileSystem fs;
    const QString giochi = tree.path(QStringLiteral("Start Menu/Giochi"));
    const QString video = tree.path(QStringLiteral("Start Menu/Video"));
    const QString missing = tree.path(QStringLiteral("Start Menu/Missing"));
    const struct {
        QString a;
        QString b;
        bool same;
    } cases[] = {
        {giochi, giochi, true},
        {giochi, joinPath(joinPath(video, QStringLiteral("..")), QStringLiteral("Giochi")), true},
        {giochi, video, false},
        {giochi, tree.path(QStringLiteral("Start Menu")), false},
        {missing, missing, true},
        {missing, tree.path(QStringLiteral("Start Menu/Other")), false},
        {giochi, missing, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.a + QStringLiteral(" / ") + c.b).toStdString());
        EXPECT_EQ(isSameFolder(fs, c.a, c.b), c.same);
        EXPECT_EQ(isSameFolder(fs, c.b, c.a), c.same);
    }
}

} // namespace
} // namespace tvn
