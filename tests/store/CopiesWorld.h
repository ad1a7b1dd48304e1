#pragma once

#include "catalogue/CatalogueList.h"
#include "catalogue/ShortcutScan.h"
#include "StoreWorld.h"

#include <initializer_list>
#include <QDir>
#include <QList>
#include <QStringList>

namespace tvn::test {

// A classification store whose catalogue has been walked from the real tree, with helpers
// that show the lists as paths below the tree's root.
struct CopiesWorld : StoreWorld {
    // Both walks, as the analysis runs them; the log and the recorded calls start afresh.
    void analyse() {
        fastList(tvn.lists).clear();
        progsList(tvn.lists).clear();
        state.unreadableProgramsFolders.clear();
        scanStartMenu(tvn, state.startMenuPath);
        scanPrograms(tvn, state.programsPath);
        ui.clearCalls();
        faults.clearLog();
        window.progress.clear();
        window.progressHistory.clear();
    }

    // `path` below the tree's root, '/'-separated.
    QString relative(const QString& path) const {
        return QDir::fromNativeSeparators(path.mid(tree.path().size() + 1));
    }

    // Each entry of a name list with its folder, as the path of its file below the root.
    QStringList paths(const ListBox& names, const ListBox& folders,
                      const QString& extension = {}) const {
        QStringList result;
        for (int k = 0; k < names.count(); ++k)
            result.append(relative(joinPath(folders.at(k), names.at(k) + extension)));
        return result;
    }
    QStringList fastPaths() const { return paths(lists.fast, lists.fastDirs); }
    QStringList modifyPaths() const {
        return paths(lists.listModify, lists.fastDirs, QStringLiteral(".lnk"));
    }
    QStringList purgePaths() const {
        return paths(lists.purgeList, lists.purgeDirs, QStringLiteral(".lnk"));
    }
    QStringList notYetPaths() const { return paths(lists.notYet, lists.notYetDirs); }

    // ListModify mirrors Fast entry by entry, and the folder lists have the same lengths.
    void expectModifyInStep() const {
        ASSERT_EQ(lists.listModify.count(), lists.fast.count());
        ASSERT_EQ(lists.fastDirs.count(), lists.fast.count());
        for (int k = 0; k < lists.fast.count(); ++k)
            EXPECT_EQ(lists.listModify.at(k), displayName(lists.fast.at(k)));
    }

    static void select(ListBox& list, std::initializer_list<int> indices) {
        for (int index : indices)
            list.setSelected(index, true);
    }
    static QList<int> selected(const ListBox& list) {
        QList<int> result;
        for (int k = 0; k < list.count(); ++k)
            if (list.isSelected(k))
                result.append(k);
        return result;
    }
};

// Message boxes with only an OK button are answered; each test checks the ones it expects.
class CopiesTest : public ::testing::Test, protected CopiesWorld {
protected:
    CopiesTest() { ui.allowOkMessages(); }
};

} // namespace tvn::test
