#include "FrmMainFixture.h"
#include "SequentialFile.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace tvn::test {
namespace {

constexpr int kGiochi = 0;
constexpr int kGrafica = 2;
constexpr int kLavoro = 5;
constexpr int kSystem = 6;

// The category buttons of the Creation panel, used with the mouse and the keyboard.
class CategoryButtonsTest : public FrmMainTest {
protected:
    CategoryButtonsTest() {
        frm.state().appFolder = tree.path(); // as the start-up sets it
        tree.write(QStringLiteral("Start Menu/Programs/Games/Chess.lnk"), "chess");
        tree.write(QStringLiteral("Start Menu/Programs/Games/Go.lnk"), "go");
        tree.write(QStringLiteral("Start Menu/Programs/Office/Sheet.lnk"), "sheet");
        tree.write(QStringLiteral("Start Menu/Programs/Office/Writer.lnk"), "writer");
        frm.ShowMenu();
        QTest::mouseClick(frm.CReAnalyse, Qt::LeftButton);
        QTest::mouseClick(frm.CAdd, Qt::LeftButton);
    }

    void clickEntry(const QString& name, Qt::KeyboardModifiers modifiers = {}) {
        QApplication::processEvents();
        const auto items = frm.NotYet->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(frm.NotYet->viewport(), Qt::LeftButton, modifiers,
                          frm.NotYet->visualItemRect(items.front()).center());
    }
    QByteArray read(const QString& relative) const { return tree.read(relative); }

    // Right-clicks the category button and picks the menu's item with the keyboard.
    void renameFromPopup(int k) {
        QTest::mouseClick(frm.Categories[static_cast<size_t>(k)], Qt::RightButton);
        ASSERT_TRUE(frm.MnuPopup->isVisible());
        QTest::keyClick(frm.MnuPopup, Qt::Key_Down);
        QTest::keyClick(frm.MnuPopup, Qt::Key_Return);
    }
};

TEST_F(CategoryButtonsTest, ClassifiesThreeShortcutsIntoTwoCategoriesWithMouseAndKeyboard) {
    ASSERT_EQ(notYetShown(), QStringList({"Chess", "Go", "Sheet", "Writer"}));
    ASSERT_EQ(notYetSelected(), QStringList({"Chess"}));

    clickEntry(QStringLiteral("Go"), Qt::ControlModifier);
    QTest::mouseClick(frm.Categories[kGiochi], Qt::LeftButton);
    EXPECT_EQ(notYetShown(), QStringList({"Sheet", "Writer"}));
    EXPECT_EQ(notYetSelected(), QStringList({"Sheet"}));

    QTest::keyClick(frm.NotYet, Qt::Key_Down);
    EXPECT_EQ(notYetSelected(), QStringList({"Writer"}));
    QTest::keyClick(frm.Categories[kLavoro], Qt::Key_Space);
    EXPECT_EQ(notYetShown(), QStringList({"Sheet"}));
    EXPECT_TRUE(notYetSelected().isEmpty());

    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(read("Start Menu/giochi/Chess.lnk"), read("Start Menu/Programs/Games/Chess.lnk"));
    EXPECT_EQ(read("Start Menu/giochi/Go.lnk"), "go");
    EXPECT_EQ(read("Start Menu/lavoro e studio/Writer.lnk"), "writer");
    EXPECT_EQ(read("Start Menu/Programs/Office/Writer.lnk"), "writer");

    QTest::mouseClick(frm.Command10, Qt::LeftButton);
    QTest::mouseClick(frm.CAdd, Qt::LeftButton);
    EXPECT_EQ(notYetShown(), QStringList({"Sheet"}));
}

TEST_F(CategoryButtonsTest, ThePopupRenamesTheButtonRightClickedNotTheOneClickedBefore) {
    QTest::mouseClick(frm.Categories[kGrafica], Qt::LeftButton); // classifies Chess
    ui.expectInput(QStringLiteral("strumenti"));
    ui.expectMessage(Answer::No);

    renameFromPopup(kSystem);

    EXPECT_EQ(frm.state().popupCategoryIndex, kSystem);
    EXPECT_EQ(frm.Categories[kSystem]->text(), "strumenti");
    EXPECT_EQ(frm.Categories[kGrafica]->text(), "grafica");
    auto custom = SequentialReader::open(fs, tree.path(QStringLiteral("Custom.tvn")));
    ASSERT_TRUE(custom);
    QStringList saved;
    while (!custom->atEnd())
        saved.append(custom->next().text);
    ASSERT_EQ(saved.size(), kCategoryCount);
    EXPECT_EQ(saved[kSystem], "strumenti");
    expectOnly(frm.Creation, nullptr, frm.Command10);
}

TEST_F(CategoryButtonsTest, RenamingWithYesMovesTheCopiesAndKeepsThemClassified) {
    QTest::mouseClick(frm.Categories[kGrafica], Qt::LeftButton); // classifies Chess
    ASSERT_EQ(read("Start Menu/grafica/Chess.lnk"), "chess");
    ui.expectInput(QStringLiteral("graphics"));
    ui.expectMessage(Answer::Yes);

    renameFromPopup(kGrafica);

    EXPECT_EQ(read("Start Menu/graphics/Chess.lnk"), "chess");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/grafica")));
    EXPECT_EQ(ui.beeps(), 0);
    // The list was rebuilt from the disk, where Chess is still classified.
    EXPECT_EQ(notYetShown(), QStringList({"Go", "Sheet", "Writer"}));
    expectOnly(frm.Creation, nullptr, frm.Command10);
}

TEST_F(CategoryButtonsTest, NoRenameWhileCopiesAreBeingMoved) {
    frm.state().moveMode = true;
    QTest::mouseClick(frm.Categories[kGiochi], Qt::RightButton);
    EXPECT_TRUE(frm.MnuPopup->isVisible());
    EXPECT_FALSE(frm.MnuChangeCategorie->isEnabled());
    frm.MnuPopup->hide();
    frm.MnuChangeCategorie_Click();
    EXPECT_TRUE(ui.dialogs().empty());

    frm.state().moveMode = false;
    QTest::mouseClick(frm.Categories[kGiochi], Qt::RightButton);
    EXPECT_TRUE(frm.MnuChangeCategorie->isEnabled());
    frm.MnuPopup->hide();
}

} // namespace
} // namespace tvn::test
