#include "platform/FailureCause.h"
#include "platform/FailureRecordingFileSystem.h"
#include "platform/NativeFileSystem.h"
#include "platform/ProtectedFileSystem.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace tvn {
namespace {

// The program's chain: the guard over the recording layer over the system's file system.
TEST(FailureRecordingTest, AFailureKeepsItsOperationPathsAndReasonUntilTheNextOne) {
    test::TempTree tree;
    tree.write("Start Menu/Programs/Cards.lnk", "cards");
    NativeFileSystem disk;
    FailureRecordingFileSystem recorded(disk);
    ProtectedFileSystem fs(recorded);
    fs.setProtectedFolder(tree.path("Start Menu/Programs"));
    clearLastFailure();

    // Answers and successes are not failures.
    EXPECT_FALSE(fs.folderExists(tree.path("Gone")));
    EXPECT_TRUE(fs.createFolder(tree.path("Start Menu/Games")));
    EXPECT_FALSE(lastFailure().has_value());

    const QString missing = tree.path("Start Menu/Programs/Gone.lnk");
    const QString copy = tree.path("Start Menu/Games/Gone.lnk");
    EXPECT_FALSE(fs.copyFile(missing, copy));
    auto cause = lastFailure();
    ASSERT_TRUE(cause.has_value());
    EXPECT_EQ(cause->operation, QStringLiteral("copy"));
    EXPECT_EQ(cause->path, missing);
    EXPECT_EQ(cause->target, copy);
    EXPECT_FALSE(cause->reason.isEmpty());
    EXPECT_TRUE(describeFailure(*cause).contains(cause->reason));

    // The guard says why it refused, where the system had nothing to say.
    const QString original = tree.path("Start Menu/Programs/Cards.lnk");
    EXPECT_FALSE(fs.deleteFile(original));
    cause = lastFailure();
    ASSERT_TRUE(cause.has_value());
    EXPECT_EQ(cause->operation, QStringLiteral("delete"));
    EXPECT_EQ(cause->path, original);
    EXPECT_FALSE(cause->reason.isEmpty());

    // Logged only on request.
    EXPECT_FALSE(platformLog().isDebugEnabled());
}

} // namespace
} // namespace tvn
