#include "app/SecondStart.h"

#include "i18n/NoticeTexts.h"
#include "platform/NativeFileSystem.h"
#include "platform/Paths.h"
#include "platform/ProgramFolderLock.h"
#include "store/ConfigFile.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTree.h"

#include <gtest/gtest.h>

namespace tvn::test {
namespace {

// A second start on a program folder in use changes nothing and says why in the language of
// that folder's settings.
TEST(SecondStart, AProgramFolderInUseIsRefusedInItsInterfaceLanguage) {
    TempTree tree;
    NativeFileSystem fs;
    ConfigRecords french;
    french.languageIndex = 1;
    ASSERT_TRUE(
        writeConfigFile(fs, joinPath(tree.path(), QString::fromUtf16(kConfigFileName)), french));
    const auto before = tree.snapshot();
    ScriptedUi ui;
    ProgramFolderLock running(tree.path());
    ASSERT_TRUE(takeProgramFolder(ui, fs, running, tree.path()));
    EXPECT_TRUE(ui.calls().empty());

    ProgramFolderLock second(tree.path());
    ui.expectMessage();
    EXPECT_FALSE(takeProgramFolder(ui, fs, second, tree.path()));
    EXPECT_EQ(ui.messageTexts(),
              std::vector<QString>{noticeText(NoticeText::AlreadyRunning, 1).arg(tree.path())});
    EXPECT_EQ(tree.snapshot(), before);
}

} // namespace
} // namespace tvn::test
