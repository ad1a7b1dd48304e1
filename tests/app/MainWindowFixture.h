#pragma once

#include "app/frame/MainWindow.h"
#include "platform/PosixFileSystem.h"
#include "platform/ProtectedFileSystem.h"
#include "platform/ShellFolders.h"
#include "store/UndoJournal.h"
#include "tests/support/FaultInjectingFileSystem.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempTrash.h"
#include "tests/support/TempTree.h"
#include "WindowControls.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <QApplication>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <vector>

namespace tvn::test {

// Shell folders answered from a table, remembering what was asked.
class TableShellFolders final : public ShellFolders {
public:
    QString shellFolder(const QString& valueName) override {
        asked.append(valueName);
        const auto found = values.find(valueName);
        return found == values.end() ? QString() : found->second;
    }
    QString allUsersPrograms(const QString&) override { return {}; }

    std::map<QString, QString> values;
    QStringList asked;
};

// The names of the visible panels of a window, in no particular order.
std::vector<QString> visiblePanelsOf(const MainWindow& frm);

// The real main window over a temporary program folder holding the shipped data files, with
// the scripted user-interaction service. The file system is wired as the program wires it:
// the Programs tree is guarded once the settings are applied; under the guard every operation
// is logged and can be made to fail, and what the program deletes lands in the test's own trash.
// The shell folders propose an empty Start Menu with its Programs folder inside the temporary tree.
// The window is shown, so key presses reach it as they do on screen.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();

    // A fresh window over the same folder, file system and services: the next start.
    std::unique_ptr<MainWindow> newWindow(ShellFolders& folders);

    std::vector<QString> visiblePanels() const { return visiblePanelsOf(frm); }

    // The entries of the unclassifiedList list box as shown, and the ones shown selected.
    QStringList notYetShown() const {
        QStringList names;
        for (int k = 0; k < control<QListWidget>(frm, "unclassifiedList")->count(); ++k)
            names.append(control<QListWidget>(frm, "unclassifiedList")->item(k)->text());
        return names;
    }
    QStringList notYetSelected() const {
        QApplication::processEvents(); // the list box shows the logic's selection next turn
        QStringList names;
        for (const QListWidgetItem* item :
             control<QListWidget>(frm, "unclassifiedList")->selectedItems())
            names.append(item->text());
        return names;
    }

    // Analyses the Start Menu afresh and opens CLASSIFY from the menu, as the user does.
    void openClassify() {
        frm.showMenu();
        QTest::mouseClick(control<QPushButton>(frm, "rescanButton"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(frm, "classifyButton"), Qt::LeftButton);
    }

    void hideAllPanels() {
        for (QFrame* panel : frm.panels())
            panel->hide();
    }

    // Expects `panel` to be the only visible panel, armed with the given buttons.
    void expectOnly(const QFrame* panel, const QPushButton* defaultButton,
                    const QPushButton* cancelButton) const {
        EXPECT_EQ(visiblePanels(), std::vector<QString>{panel->objectName()});
        if (defaultButton) {
            EXPECT_EQ(frm.defaultButton(), defaultButton);
        }
        EXPECT_EQ(frm.cancelButton(), cancelButton);
    }

    QString startMenu() const { return tree.path(QStringLiteral("Start Menu")); }
    QString programs() const { return tree.path(QStringLiteral("Start Menu/Programs")); }

    TempTrash trash;
    TempTree tree;
    ScriptedUi ui;
    PosixFileSystem disk;
    UndoJournal journal{disk};
    FaultInjectingFileSystem faults{journal};
    ProtectedFileSystem fs{faults};
    TableShellFolders shell;
    MainWindow frm{ui, fs, shell, [this] {
                       return tree.path();
                   }};
};

} // namespace tvn::test
