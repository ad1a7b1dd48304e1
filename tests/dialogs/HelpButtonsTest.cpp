#include "dialogs/InformationDialog.h"
#include "MainWindowFixture.h"

#include <map>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

using HelpButtonsTest = MainWindowTest;

// Which of the window's own controls show, by name.
std::map<QString, bool> visibility(const QWidget& window) {
    std::map<QString, bool> shown;
    for (const QWidget* child : window.findChildren<QWidget*>())
        if (!child->objectName().isEmpty())
            shown[child->objectName()] = child->isVisible();
    return shown;
}

TEST_F(HelpButtonsTest, HelpShowsTheDescriptionBesideTheAboutFrameAndPutsEverythingBack) {
    frm.showMenu();
    QApplication::setActiveWindow(&frm);
    control<QPushButton>(frm, "helpButton")->setFocus();
    const auto before = visibility(frm);
    const QWidget* focus = QApplication::focusWidget();
    ASSERT_EQ(focus, control<QPushButton>(frm, "helpButton"));
    messageLabel(frm, Message::Description)->setText(QStringLiteral("What this program does."));

    std::map<QString, bool> behind;
    ui.onMessage = [&] {
        behind = visibility(frm);
    };
    ui.expectMessage();
    QTest::mouseClick(control<QPushButton>(frm, "helpButton"), Qt::LeftButton);

    ASSERT_EQ(ui.dialogs().size(), 1u);
    const UiCall help = ui.dialogs()[0];
    // The description, then a paragraph per action of the menu.
    EXPECT_TRUE(help.text.startsWith(QStringLiteral("What this program does.\n\n")));
    EXPECT_TRUE(
        help.text.contains(control<QLabel>(frm, "classifyDescription")->text().simplified()));
    EXPECT_EQ(help.title, QString());
    EXPECT_EQ(help.buttons, Buttons::Ok);
    EXPECT_EQ(help.icon, Icon::None);
    EXPECT_FALSE(behind.at(QStringLiteral("menuPanel")));
    EXPECT_FALSE(behind.at(QStringLiteral("languagePicture")));
    EXPECT_TRUE(behind.at(QStringLiteral("aboutFrame")));
    EXPECT_TRUE(behind.at(QStringLiteral("helpCover")));

    EXPECT_EQ(visibility(frm), before);
    EXPECT_EQ(QApplication::focusWidget(), focus);
    EXPECT_EQ(frm.defaultButton(), control<QPushButton>(frm, "classifyButton"));
    EXPECT_EQ(frm.cancelButton(), control<QPushButton>(frm, "exitButton"));
}

TEST_F(HelpButtonsTest, InfoOpensModallyAtTheMainWindowsCornerWhereverItWasMoved) {
    frm.showMenu();
    for (const QPoint corner : {QPoint(40, 30), QPoint(311, 205)}) {
        frm.move(corner);
        QPoint opened(-1, -1);
        ui.onModal = [&](ModalWindow& window) {
            opened = dynamic_cast<InformationDialog&>(window).pos();
        };
        ui.clearCalls();
        QTest::mouseClick(control<QPushButton>(frm, "infoButton"), Qt::LeftButton);
        ASSERT_EQ(ui.count(UiCall::Kind::Modal), 1);
        EXPECT_EQ(ui.calls().back().text, QStringLiteral("FrmInfo"));
        EXPECT_EQ(opened, frm.pos());
        EXPECT_EQ(opened, corner);
    }
    expectOnly(control<QFrame>(frm, "menuPanel"), control<QPushButton>(frm, "classifyButton"),
               control<QPushButton>(frm, "exitButton"));
}

} // namespace
} // namespace tvn::test
