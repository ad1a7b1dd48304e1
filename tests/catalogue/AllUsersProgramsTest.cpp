#include "catalogue/ProgramsTrees.h"
#include "catalogue/SystemAnalysis.h"
#include "CatalogueTest.h"
#include "platform/ShellFolders.h"

namespace tvn::test {
namespace {

// The platform's lookup, answering one all-users Programs folder.
class FixedShellFolders final : public ShellFolders {
public:
    QString shellFolder(const QString&) override { return {}; }
    QString allUsersPrograms(const QString&) override { return allUsers; }
    QString allUsers;
};

class AllUsersPrograms : public CatalogueTest {
protected:
    AllUsersPrograms() {
        tree.write("Start Menu/Programs/Cards.lnk");
        tree.write("Start Menu/giochi/Cards.lnk");
        tvn.shellFolders = &shell;
        tvn.guardProgramsTrees = [this](const QStringList& trees) {
            guarded = trees;
        };
    }

    FixedShellFolders shell;
    QStringList guarded;
};

// Lying inside the Start Menu folder, the all-users tree would otherwise be walked as copies.
TEST_F(AllUsersPrograms, JoinsProgsAfterTheUsersTreeAndNeverCountsAsCopies) {
    tree.write("Start Menu/All Users/Atlas.lnk");
    tree.write("Start Menu/All Users/Games/Chess.lnk");
    tree.write("Start Menu/All Users/Locked/Go.lnk");
    makeUnlistable(startMenu("All Users/Locked"));
    shell.allUsers = startMenu("All Users");

    analyseSystem(tvn);

    EXPECT_EQ(state.allUsersProgramsPath, startMenu("All Users"));
    EXPECT_EQ(guarded, QStringList({programs(), startMenu("All Users")}));
    EXPECT_EQ(lists.progs.entries(), QStringList({"Cards.lnk", "Atlas.lnk", "Chess.lnk"}));
    EXPECT_EQ(lists.progsDirs.entries(),
              QStringList({programs(), startMenu("All Users"), startMenu("All Users/Games")}));
    EXPECT_EQ(lists.fast.entries(), QStringList({"Cards.lnk"}));
    // A folder of the all-users tree that cannot be read is named with the others the walks left
    // out, and sends nobody to the settings.
    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(window.unreadableReports, QList<QStringList>{{startMenu("All Users/Locked")}});
    EXPECT_FALSE(state.scanFailed);
    EXPECT_EQ(window.showConfigCalls, 0);
}

TEST_F(AllUsersPrograms, NoneWhenTheFolderIsMissingOrOverlapsTheUsersPrograms) {
    tree.write("Start Menu/Programs/Sub/Deep.lnk");
    for (const QString& candidate :
         {QString(), startMenu("Missing"), programs(), programs("Sub"), startMenu(), tree.path()}) {
        SCOPED_TRACE(candidate.toStdString());
        shell.allUsers = candidate;
        state.allUsersProgramsPath = QStringLiteral("stale");

        analyseSystem(tvn);

        EXPECT_EQ(state.allUsersProgramsPath, QString());
        EXPECT_EQ(guarded, QStringList({programs()}));
        EXPECT_EQ(lists.progs.entries(), QStringList({"Cards.lnk", "Deep.lnk"}));
        EXPECT_FALSE(state.scanFailed);
    }
}

} // namespace
} // namespace tvn::test
