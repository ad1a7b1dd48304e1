#include "app/Geometry.h"
#include "FrmMainFixture.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSet>

namespace tvn::test {
namespace {

using LayoutTest = FrmMainTest;

TEST_F(LayoutTest, EveryControlCarriesItsOwnName) {
    QStringList names = {"PreviewPicture",
                         "About",
                         "About2",
                         "Picture1",
                         "Picture5",
                         "Frame1",
                         "DebugBox",
                         "CmdDebug",
                         "Drive1",
                         "Label17",
                         "Label31",
                         "Languages",
                         "Introduction",
                         "Menu",
                         "Creation",
                         "Modify",
                         "Purges",
                         "Config",
                         "CAdd",
                         "Command6",
                         "CShowPurges",
                         "Command7",
                         "CExit",
                         "Command5",
                         "CReAnalyse",
                         "Command9",
                         "Command11",
                         "NotYet",
                         "Command10",
                         "Command8",
                         "ListModify",
                         "CRemove",
                         "CMove",
                         "Command2",
                         "PurgeList",
                         "CPurge",
                         "Command1",
                         "StartMenuCustomPath",
                         "ProgramsMenuCustomPath",
                         "ChkHide",
                         "DoNotShowAgain",
                         "DoNotShowAgain2",
                         "CmdChangeLanguage",
                         "COK",
                         "CContinue",
                         "Command3",
                         "CmdLanguageOK",
                         "Command4",
                         "Label100",
                         "Label5",
                         "Label38",
                         "Label39"};
    for (int k = 0; k < 11; ++k)
        names << QStringLiteral("Categories%1").arg(k);
    for (int k = 1; k <= 12; ++k)
        names << QStringLiteral("Msg%1").arg(k);
    for (int k = 0; k < 3; ++k)
        names << QStringLiteral("Language%1").arg(k) << QStringLiteral("Flag%1").arg(k);
    for (int k = 0; k < 4; ++k)
        names << QStringLiteral("Version%1").arg(k);
    for (const QString& name : names)
        EXPECT_EQ(frm.findChildren<QWidget*>(name).size(), 1) << name.toStdString();
    EXPECT_NE(frm.findChild<QAction*>(QStringLiteral("MnuChangeCategorie")), nullptr);

    QSet<QString> seen;
    for (const QObject* child : frm.findChildren<QObject*>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith(u"qt_"))
            continue;
        EXPECT_FALSE(seen.contains(child->objectName())) << child->objectName().toStdString();
        seen.insert(child->objectName());
    }
}

TEST_F(LayoutTest, PanelsShareTheRightColumnBesideThePicture) {
    for (const QFrame* panel : frm.panels())
        EXPECT_EQ(panel->geometry(), QRect(192, 20, 389, 329)) << panel->objectName().toStdString();
    EXPECT_EQ(frm.About2->geometry(), QRect(192, 20, 389, 329));
    EXPECT_EQ(frm.PreviewPicture->geometry(), QRect(12, 20, 169, 329));
    EXPECT_TRUE(QRect(QPoint(0, 0), frm.size()).contains(QRect(192, 20, 389, 329)));
}

TEST_F(LayoutTest, CategoryButtonsStandInTheirOrder) {
    const int tops[] = {72, 112, 172, 212, 192, 92, 132, 152, 252, 232, 272};
    std::vector<std::pair<int, int>> byTop;
    for (int k = 0; k < 11; ++k) {
        const QPushButton* button = frm.Categories[static_cast<size_t>(k)];
        EXPECT_EQ(button->parentWidget(), frm.Creation);
        EXPECT_EQ(button->geometry(), QRect(268, tops[k], 113, 21)) << k;
        byTop.emplace_back(button->y(), k);
    }
    std::sort(byTop.begin(), byTop.end());
    std::vector<int> onScreen;
    for (const auto& [top, k] : byTop)
        onScreen.push_back(k);
    EXPECT_EQ(onScreen, (std::vector<int>{0, 5, 1, 6, 7, 2, 4, 3, 9, 8, 10}));
    EXPECT_EQ(frm.categoryCaption(6), QStringLiteral("utilità di sistema"));
}

TEST_F(LayoutTest, EveryPanelsTitleStandsInOnePlace) {
    for (QFrame* panel : frm.panels()) {
        panel->show();
        if (panel->layout())
            panel->layout()->activate();
    }
    for (const QLabel* title :
         {frm.Label4, frm.Label15, frm.Label38, frm.Label21, frm.Label18, frm.Label24})
        EXPECT_EQ(title->pos(), frm.Label9->pos()) << title->objectName().toStdString();
}

TEST_F(LayoutTest, HiddenAreasLieOutsideTheWindow) {
    // The window's outer size; its client area is smaller still.
    const QRect window(0, 0, 610, 397);
    EXPECT_LE(frm.width(), window.width());
    EXPECT_LE(frm.height(), window.height());
    EXPECT_GE(frm.Frame1->y(), window.height());
    EXPECT_FALSE(frm.Frame1->geometry().intersects(window));
    EXPECT_FALSE(frm.Picture1->geometry().intersects(window));
    for (int k = 1; k <= 12; ++k) {
        const QLabel* label = frm.Msg[static_cast<size_t>(k - 1)];
        EXPECT_EQ(label->parentWidget(), frm.Picture1);
        EXPECT_FALSE(label->isVisible());
        EXPECT_EQ(frm.messageText(k), label->text());
        EXPECT_FALSE(label->text().isEmpty());
    }
    EXPECT_EQ(frm.messageText(1), QStringLiteral("Selezionate uno o più collegamenti..."));
    EXPECT_EQ(frm.messageText(0), QString());
    EXPECT_EQ(frm.messageText(13), QString());
}

// Captions and labels are replaced by the language files with texts of similar length; the
// built-in ones must fit with room to spare.
TEST_F(LayoutTest, TextsFitTheirControls) {
    for (QFrame* panel : frm.panels()) {
        SCOPED_TRACE(panel->objectName().toStdString());
        hideAllPanels();
        panel->show();
        QApplication::processEvents();
        for (const QLabel* label : panel->findChildren<QLabel*>()) {
            if (!label->isVisible() || !label->wordWrap())
                continue;
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << label->objectName().toStdString();
            const QRect inPanel(label->mapTo(panel, QPoint(0, 0)), label->size());
            EXPECT_TRUE(panel->contentsRect().contains(inPanel))
                << label->objectName().toStdString();
        }
        for (const QPushButton* button : panel->findChildren<QPushButton*>()) {
            if (!button->isVisible())
                continue;
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
                << button->objectName().toStdString();
        }
    }
}

TEST_F(LayoutTest, MoveModeControlsWaitUnderTheirClassificationCounterparts) {
    hideAllPanels();
    frm.Creation->show();
    QApplication::processEvents();
    EXPECT_FALSE(frm.Label38->isVisible());
    EXPECT_FALSE(frm.Command8->isVisible());
    EXPECT_EQ(frm.Label38->geometry(), frm.Label15->geometry());
    EXPECT_EQ(frm.Command8->geometry(), frm.Command10->geometry());
    // Label5 stays shown under Label100, which hides it until move mode hides Label100.
    EXPECT_TRUE(frm.Label5->isVisible());
    EXPECT_EQ(frm.childAt(frm.Label5->mapTo(&frm, frm.Label5->rect().center())), frm.Label100);
    frm.Label100->hide();
    EXPECT_EQ(frm.childAt(frm.Label5->mapTo(&frm, frm.Label5->rect().center())), frm.Label5);
}

} // namespace
} // namespace tvn::test
