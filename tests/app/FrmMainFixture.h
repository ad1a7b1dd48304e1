#pragma once

#include "FrmMain.h"
#include "PosixFileSystem.h"
#include "ScriptedUi.h"
#include "ShellFolders.h"
#include "TempTree.h"

#include <gtest/gtest.h>
#include <map>
#include <QApplication>
#include <QFrame>
#include <QListWidget>
#include <QStringList>
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

    std::map<QString, QString> values;
    QStringList asked;
};

// The real main window over a temporary program folder, with the scripted user-interaction
// service. The window is shown, so key presses reach it as they do on screen. An empty Start
// Menu with its Programs folder lies in the temporary folder: the shell folders name it and
// the working folders are set to it, so the analysis and the refresh find it.
class FrmMainTest : public ::testing::Test {
protected:
    FrmMainTest() {
        tree.makeFolder(QStringLiteral("Start Menu/Programs"));
        shell.values = {{QStringLiteral("Start Menu"), startMenu()},
                        {QStringLiteral("Programs"), programs()}};
        frm.state().startMenuPath = startMenu();
        frm.state().programsPath = programs();
        frm.show();
    }

    QString startMenu() const { return tree.path(QStringLiteral("Start Menu")); }
    QString programs() const { return tree.path(QStringLiteral("Start Menu/Programs")); }

    std::vector<QString> visiblePanels() const {
        std::vector<QString> names;
        for (const QFrame* panel : frm.panels())
            if (panel->isVisible())
                names.push_back(panel->objectName());
        return names;
    }

    // The entries of the NotYet list box as shown, and the ones shown selected.
    QStringList notYetShown() const {
        QStringList names;
        for (int k = 0; k < frm.NotYet->count(); ++k)
            names.append(frm.NotYet->item(k)->text());
        return names;
    }
    QStringList notYetSelected() const {
        QApplication::processEvents(); // the list box shows the logic's selection next turn
        QStringList names;
        for (const QListWidgetItem* item : frm.NotYet->selectedItems())
            names.append(item->text());
        return names;
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

    TempTree tree;
    ScriptedUi ui;
    PosixFileSystem fs;
    TableShellFolders shell;
    FrmMain frm{ui, fs, shell, [this] {
                    return tree.path();
                }};
};

} // namespace tvn::test
