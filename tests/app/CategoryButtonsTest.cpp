#include "app/widgets/ListFilter.h"
#include "MainWindowFixture.h"
#include "platform/SequentialFile.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
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
class CategoryButtonsTest : public MainWindowTest {
protected:
    CategoryButtonsTest() {
        frm.state().appFolder = tree.path(); // as the start-up sets it
        tree.write(QStringLiteral("Start Menu/Programs/Games/Chess.lnk"), "chess");
        tree.write(QStringLiteral("Start Menu/Programs/Games/Go.lnk"), "go");
        tree.write(QStringLiteral("Start Menu/Programs/Office/Sheet.lnk"), "sheet");
        tree.write(QStringLiteral("Start Menu/Programs/Office/Writer.lnk"), "writer");
        openClassify();
    }

    void clickEntry(const QString& name, Qt::KeyboardModifiers modifiers = {}) {
        QApplication::processEvents();
        const auto items =
            control<QListWidget>(frm, "unclassifiedList")->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(
            control<QListWidget>(frm, "unclassifiedList")->viewport(), Qt::LeftButton, modifiers,
            control<QListWidget>(frm, "unclassifiedList")->visualItemRect(items.front()).center());
    }
    QByteArray read(const QString& relative) const { return tree.read(relative); }

    // Right-clicks the category button and picks the menu's item with the keyboard.
    void renameFromPopup(int k) {
        QTest::mouseClick(categoryButton(frm, k), Qt::RightButton);
        ASSERT_TRUE(control<QMenu>(frm, "categoryMenu")->isVisible());
        QTest::keyClick(control<QMenu>(frm, "categoryMenu"), Qt::Key_Down);
        QTest::keyClick(control<QMenu>(frm, "categoryMenu"), Qt::Key_Return);
    }
};

TEST_F(CategoryButtonsTest, ClassifiesThreeShortcutsIntoTwoCategoriesWithMouseAndKeyboard) {
    ASSERT_EQ(notYetShown(), QStringList({"Chess", "Go", "Sheet", "Writer"}));
    ASSERT_EQ(notYetSelected(), QStringList({"Chess"}));

    clickEntry(QStringLiteral("Go"), Qt::ControlModifier);
    QTest::mouseClick(categoryButton(frm, kGiochi), Qt::LeftButton);
    EXPECT_EQ(notYetShown(), QStringList({"Sheet", "Writer"}));
    EXPECT_EQ(notYetSelected(), QStringList({"Sheet"}));

    QTest::keyClick(control<QListWidget>(frm, "unclassifiedList"), Qt::Key_Down);
    EXPECT_EQ(notYetSelected(), QStringList({"Writer"}));
    QTest::keyClick(categoryButton(frm, kLavoro), Qt::Key_Space);
    EXPECT_EQ(notYetShown(), QStringList({"Sheet"}));
    EXPECT_TRUE(notYetSelected().isEmpty());

    EXPECT_TRUE(ui.dialogs().empty());
    EXPECT_EQ(read("Start Menu/giochi/Chess.lnk"), read("Start Menu/Programs/Games/Chess.lnk"));
    EXPECT_EQ(read("Start Menu/giochi/Go.lnk"), "go");
    EXPECT_EQ(read("Start Menu/lavoro e studio/Writer.lnk"), "writer");
    EXPECT_EQ(read("Start Menu/Programs/Office/Writer.lnk"), "writer");

    QTest::mouseClick(control<QPushButton>(frm, "creationDoneButton"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(frm, "classifyButton"), Qt::LeftButton);
    EXPECT_EQ(notYetShown(), QStringList({"Sheet"}));
}

TEST_F(CategoryButtonsTest, AnAmpersandInANameShowsAsWrittenAndClassifiesIntoThatFolder) {
    frm.setCategoryCaption(kGiochi, QStringLiteral("fun & games"));
    QPushButton* button = categoryButton(frm, kGiochi);
    // What the button shows and says: no "&" taken for the mark of a shortcut letter.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
              QStringLiteral("fun & games"));
    EXPECT_EQ(frm.categoryCaption(kGiochi), QStringLiteral("fun & games"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(read("Start Menu/fun & games/Chess.lnk"), "chess");
}

TEST_F(CategoryButtonsTest, ThePopupRenamesTheButtonRightClickedNotTheOneClickedBefore) {
    QTest::mouseClick(categoryButton(frm, kGrafica), Qt::LeftButton); // classifies Chess
    ui.expectInput(QStringLiteral("strumenti"));
    ui.expectMessage(Answer::No);

    renameFromPopup(kSystem);

    EXPECT_EQ(frm.state().popupCategoryIndex, kSystem);
    EXPECT_EQ(categoryButton(frm, kSystem)->text(), "strumenti");
    EXPECT_EQ(categoryButton(frm, kGrafica)->text(), "grafica");
    auto custom = SequentialReader::open(fs, tree.path(QStringLiteral("Custom.tvn")));
    ASSERT_TRUE(custom);
    QStringList saved;
    while (!custom->atEnd())
        saved.append(custom->next().text);
    ASSERT_EQ(saved.size(), kCategoryCount);
    EXPECT_EQ(saved[kSystem], "strumenti");
    expectOnly(control<QFrame>(frm, "creationPanel"), nullptr,
               control<QPushButton>(frm, "creationDoneButton"));
}

TEST_F(CategoryButtonsTest, RenamingWithYesMovesTheCopiesAndKeepsThemClassified) {
    QTest::mouseClick(categoryButton(frm, kGrafica), Qt::LeftButton); // classifies Chess
    ASSERT_EQ(read("Start Menu/grafica/Chess.lnk"), "chess");
    ui.expectInput(QStringLiteral("graphics"));
    ui.expectMessage(Answer::Yes);

    renameFromPopup(kGrafica);

    EXPECT_EQ(read("Start Menu/graphics/Chess.lnk"), "chess");
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/grafica")));
    EXPECT_EQ(ui.beeps(), 0);
    // The list was rebuilt from the disk, where Chess is still classified.
    EXPECT_EQ(notYetShown(), QStringList({"Go", "Sheet", "Writer"}));
    expectOnly(control<QFrame>(frm, "creationPanel"), nullptr,
               control<QPushButton>(frm, "creationDoneButton"));
}

TEST_F(CategoryButtonsTest, NoRenameWhileCopiesAreBeingMoved) {
    frm.state().moveMode = true;
    QTest::mouseClick(categoryButton(frm, kGiochi), Qt::RightButton);
    EXPECT_TRUE(control<QMenu>(frm, "categoryMenu")->isVisible());
    EXPECT_FALSE(control<QAction>(frm, "renameCategoryAction")->isEnabled());
    control<QMenu>(frm, "categoryMenu")->hide();
    frm.renameCategoryTriggered();
    EXPECT_TRUE(ui.dialogs().empty());

    frm.state().moveMode = false;
    QTest::mouseClick(categoryButton(frm, kGiochi), Qt::RightButton);
    EXPECT_TRUE(control<QAction>(frm, "renameCategoryAction")->isEnabled());
    control<QMenu>(frm, "categoryMenu")->hide();
}

TEST_F(CategoryButtonsTest, TriagingByKeysAloneAndTheSuggestionFollowsTheCurrentEntry) {
    frm.loadLanguageTexts(); // the category words of the language
    const auto copy = [&](int k, const char* name) {
        return read(QStringLiteral("Start Menu/%1/%2.lnk")
                        .arg(frm.categoryCaption(k), QString::fromLatin1(name)));
    };
    const auto suggested = [&] {
        QApplication::processEvents();
        std::vector<int> marked;
        const QColor plain =
            control<QPushButton>(frm, "creationDoneButton")->palette().color(QPalette::Button);
        for (int k = 0; k < kCategoryCount; ++k)
            if (categoryButton(frm, k)->palette().color(QPalette::Button) != plain)
                marked.push_back(k);
        return marked;
    };
    control<QListWidget>(frm, "unclassifiedList")->setFocus();
    EXPECT_EQ(suggested(), std::vector<int>{kGiochi}); // Chess, in Games

    // Typing a name in the list only filters it, whatever the letters; nothing is classified.
    QTest::keyClicks(control<QListWidget>(frm, "unclassifiedList"), QStringLiteral("Chess"));
    EXPECT_EQ(control<QLineEdit>(frm, "unclassifiedListFilter")->text(), QStringLiteral("Chess"));
    EXPECT_FALSE(tree.exists(QStringLiteral("Start Menu/%1").arg(frm.categoryCaption(kGiochi))));
    control<QLineEdit>(frm, "unclassifiedListFilter")->clear();
    control<QListWidget>(frm, "unclassifiedList")->setFocus();

    // Each key classifies the current entry; the next one comes up for the next key. The
    // letters run down the column of buttons: Alt+B is the second from the top.
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_K, Qt::Key_B})
        QTest::keyClick(control<QListWidget>(frm, "unclassifiedList"), key, Qt::AltModifier);
    EXPECT_EQ(copy(kGiochi, "Chess"), "chess");
    EXPECT_EQ(copy(10, "Go"), "go");
    EXPECT_EQ(copy(kLavoro, "Sheet"), "sheet");
    EXPECT_EQ(notYetShown(), QStringList({"Writer"}));
    EXPECT_EQ(suggested(), std::vector<int>{kLavoro}); // Writer, in Office

    // A held key classifies once; letters typed in the filter box only filter.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_F, Qt::AltModifier, QStringLiteral("f"), true);
    QApplication::sendEvent(control<QListWidget>(frm, "unclassifiedList"), &repeat);
    QTest::keyClicks(control<QLineEdit>(frm, "unclassifiedListFilter"), QStringLiteral("f"));
    EXPECT_EQ(control<QLineEdit>(frm, "unclassifiedListFilter")->text(), QStringLiteral("f"));
    control<QLineEdit>(frm, "unclassifiedListFilter")->clear();
    EXPECT_EQ(notYetShown(), QStringList({"Writer"}));
    EXPECT_TRUE(ui.dialogs().empty());

    // F2 on a category button renames that category.
    ui.expectInput(QString());
    QTest::keyClick(categoryButton(frm, kSystem), Qt::Key_F2);
    ASSERT_EQ(ui.dialogs().size(), 1u);
    EXPECT_EQ(ui.dialogs().front().defaultAnswer, frm.categoryCaption(kSystem));
    EXPECT_EQ(frm.state().popupCategoryIndex, kSystem);
}

} // namespace
} // namespace tvn::test
