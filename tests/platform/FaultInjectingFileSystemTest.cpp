#include "tests/support/FaultInjectingFileSystem.h"

#include "platform/NativeFileSystem.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace tvn::test {
namespace {

using Fs = FaultInjectingFileSystem;
using Kind = Fs::Kind;

class FaultInjectingFileSystemTest : public ::testing::Test {
protected:
    QString path(const QString& relative) const { return tree.path(relative); }

    TempTree tree;
    NativeFileSystem disk;
    Fs fs{disk};
};

TEST_F(FaultInjectingFileSystemTest, RecordsEveryOperationInOrder) {
    tree.write("a.lnk");
    EXPECT_TRUE(fs.fileExists(path("a.lnk")));
    EXPECT_TRUE(fs.copyFile(path("a.lnk"), path("b.lnk")));
    EXPECT_TRUE(fs.listFolder(path("")));
    EXPECT_EQ(fs.operations(), (std::vector<Fs::Operation>{
                                   {Kind::FileExists, path("a.lnk"), {}},
                                   {Kind::CopyFile, path("a.lnk"), path("b.lnk")},
                                   {Kind::ListFolder, path(""), {}},
                               }));
    EXPECT_EQ(fs.mutations().size(), 1u);
}

TEST_F(FaultInjectingFileSystemTest, FailsTheNthMutationWithoutRunningIt) {
    tree.write("a.lnk", "new");
    tree.write("Giochi/a.lnk", "old");
    fs.failNth(2);
    EXPECT_TRUE(fs.readFile(path("a.lnk")));
    EXPECT_TRUE(fs.createFolder(path("Office")));
    EXPECT_FALSE(fs.copyFile(path("a.lnk"), path("Giochi/a.lnk")));
    EXPECT_TRUE(fs.copyFile(path("a.lnk"), path("Office/a.lnk")));
    EXPECT_EQ(tree.read("Giochi/a.lnk"), QByteArray("old"));
    EXPECT_EQ(tree.read("Office/a.lnk"), QByteArray("new"));
    EXPECT_TRUE(fs.operations()[2].failed);

    fs.failNth(2, Fs::Counting::AllOperations);
    EXPECT_TRUE(fs.folderExists(path("Office")));
    EXPECT_FALSE(fs.folderExists(path("Office")));
    EXPECT_TRUE(fs.folderExists(path("Office")));
}

TEST_F(FaultInjectingFileSystemTest, FailsEveryOperationThePredicateAccepts) {
    tree.write("a.lnk");
    fs.failWhen([](const Fs::Operation& op) { return op.kind == Kind::DeleteFile; });
    EXPECT_FALSE(fs.deleteFile(path("a.lnk")));
    EXPECT_FALSE(fs.deleteFile(path("a.lnk")));
    EXPECT_TRUE(tree.exists("a.lnk"));
    fs.clearFaults();
    EXPECT_TRUE(fs.deleteFile(path("a.lnk")));
}

} // namespace
} // namespace tvn::test
