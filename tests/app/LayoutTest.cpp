#include "app/widgets/Geometry.h"
#include "app/widgets/PathLabel.h"
#include "MainWindowFixture.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

namespace tvn::test {
namespace {

using LayoutTest = MainWindowTest;

TEST_F(LayoutTest, EveryControlCarriesItsOwnName) {
    QStringList names = {"languagePicture",
                         "aboutFrame",
                         "helpCover",
                         "hiddenStore",
                         "statusFrame",
                         "debugFrame",
                         "debugBox",
                         "killConfigButton",
                         "windowsDriveBox",
                         "pleaseWait",
                         "progressLine",
                         "languagesPanel",
                         "introductionPanel",
                         "menuPanel",
                         "creationPanel",
                         "modifyPanel",
                         "purgesPanel",
                         "configPanel",
                         "classifyButton",
                         "modifyButton",
                         "cleanUpButton",
                         "resetButton",
                         "exitButton",
                         "settingsButton",
                         "rescanButton",
                         "helpButton",
                         "infoButton",
                         "unclassifiedList",
                         "creationDoneButton",
                         "moveDoneButton",
                         "copiesList",
                         "removeButton",
                         "moveButton",
                         "modifyDoneButton",
                         "orphansList",
                         "purgeButton",
                         "purgesBackButton",
                         "startMenuPathBox",
                         "programsPathBox",
                         "hideHelpOption",
                         "skipIntroduction",
                         "skipIntroductionSetting",
                         "changeLanguageButton",
                         "settingsOkButton",
                         "continueButton",
                         "introductionExitButton",
                         "languageOkButton",
                         "languagesExitButton",
                         "classifyInstructions",
                         "moveInstructions",
                         "moveTitle",
                         "renameHint"};
    for (int k = 0; k < 11; ++k)
        names << QStringLiteral("categoryButton%1").arg(k);
    // The members of the arrays each carry a name of their own.
    for (int k = 1; k <= kMessageCount; ++k)
        names << messageLabel(frm, static_cast<Message>(k))->objectName();
    for (const char* language : {"english", "french", "italian"})
        names << QString::fromLatin1(language) + QStringLiteral("Option")
              << QString::fromLatin1(language) + QStringLiteral("Flag")
              << QString::fromLatin1(language) + QStringLiteral("Edition");
    names << QStringLiteral("otherEdition");
    for (const QString& name : names)
        EXPECT_EQ(frm.findChildren<QWidget*>(name).size(), 1) << name.toStdString();
    EXPECT_NE(frm.findChild<QAction*>(QStringLiteral("renameCategoryAction")), nullptr);

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
    EXPECT_EQ(control<QFrame>(frm, "helpCover")->geometry(), QRect(192, 20, 389, 329));
    EXPECT_EQ(control<QLabel>(frm, "languagePicture")->geometry(), QRect(12, 20, 169, 329));
    EXPECT_TRUE(QRect(QPoint(0, 0), frm.size()).contains(QRect(192, 20, 389, 329)));
}

TEST_F(LayoutTest, CategoryButtonsStandInTheirOrder) {
    const int tops[] = {72, 112, 172, 212, 192, 92, 132, 152, 252, 232, 272};
    std::vector<std::pair<int, int>> byTop;
    for (int k = 0; k < 11; ++k) {
        const QPushButton* button = categoryButton(frm, k);
        EXPECT_EQ(button->parentWidget(), control<QFrame>(frm, "creationPanel"));
        EXPECT_EQ(button->geometry(), QRect(268, tops[k], 113, 21)) << k;
        byTop.emplace_back(button->y(), k);
    }
    std::sort(byTop.begin(), byTop.end());
    std::vector<int> onScreen;
    for (const auto& [top, k] : byTop)
        onScreen.push_back(k);
    EXPECT_EQ(onScreen, (std::vector<int>{0, 5, 1, 6, 7, 2, 4, 3, 9, 8, 10}));
    EXPECT_EQ(frm.categoryCaption(6), QStringLiteral("sistema"));
}

TEST_F(LayoutTest, EveryPanelsTitleStandsInOnePlace) {
    for (QFrame* panel : frm.panels()) {
        panel->show();
        if (panel->layout())
            panel->layout()->activate();
    }
    for (const QLabel* title :
         {control<QLabel>(frm, "introductionTitle"), control<QLabel>(frm, "creationTitle"),
          control<QLabel>(frm, "moveTitle"), control<QLabel>(frm, "modifyTitle"),
          control<QLabel>(frm, "purgesTitle"), control<QLabel>(frm, "configTitle")})
        EXPECT_EQ(title->pos(), control<QLabel>(frm, "menuTitle")->pos())
            << title->objectName().toStdString();
}

TEST_F(LayoutTest, HiddenAreasLieOutsideTheWindow) {
    // The window's outer size; its client area is smaller still.
    const QRect window(0, 0, 610, 397);
    EXPECT_LE(frm.width(), window.width());
    EXPECT_LE(frm.height(), window.height());
    EXPECT_GE(control<QGroupBox>(frm, "debugFrame")->y(), window.height());
    EXPECT_FALSE(control<QGroupBox>(frm, "debugFrame")->geometry().intersects(window));
    EXPECT_FALSE(control<QFrame>(frm, "hiddenStore")->geometry().intersects(window));
    for (int k = 1; k <= 12; ++k) {
        const QLabel* label = messageLabel(frm, static_cast<Message>(k));
        EXPECT_EQ(label->parentWidget(), control<QFrame>(frm, "hiddenStore"));
        EXPECT_FALSE(label->isVisible());
        EXPECT_EQ(frm.messageText(static_cast<Message>(k)), label->text());
        EXPECT_FALSE(label->text().isEmpty());
    }
    EXPECT_EQ(frm.messageText(Message::SelectShortcuts),
              QStringLiteral("Selezionate uno o più collegamenti..."));
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
    control<QFrame>(frm, "creationPanel")->show();
    QApplication::processEvents();
    EXPECT_FALSE(control<QLabel>(frm, "moveTitle")->isVisible());
    EXPECT_FALSE(control<QPushButton>(frm, "moveDoneButton")->isVisible());
    EXPECT_EQ(control<QLabel>(frm, "moveTitle")->geometry(),
              control<QLabel>(frm, "creationTitle")->geometry());
    EXPECT_EQ(control<QPushButton>(frm, "moveDoneButton")->geometry(),
              control<QPushButton>(frm, "creationDoneButton")->geometry());
    // moveInstructions stays shown under classifyInstructions, which hides it until move mode hides
    // classifyInstructions.
    EXPECT_TRUE(control<QLabel>(frm, "moveInstructions")->isVisible());
    EXPECT_EQ(
        frm.childAt(control<QLabel>(frm, "moveInstructions")
                        ->mapTo(&frm, control<QLabel>(frm, "moveInstructions")->rect().center())),
        control<QLabel>(frm, "classifyInstructions"));
    control<QLabel>(frm, "classifyInstructions")->hide();
    EXPECT_EQ(
        frm.childAt(control<QLabel>(frm, "moveInstructions")
                        ->mapTo(&frm, control<QLabel>(frm, "moveInstructions")->rect().center())),
        control<QLabel>(frm, "moveInstructions"));
}

// A path too long for its two lines loses its middle, never its end, and stays whole in the
// tooltip.
TEST(PathLabelTest, ALongPathKeepsItsEndOnTwoLines) {
    PathLabel label(nullptr);
    label.resize(200, label.height());
    const QString path = "/home/user/" + QString("folder/").repeated(40) + "Start Menu/Programs";
    label.setLeadAndPath("All users: %1", path);
    EXPECT_TRUE(label.text().contains(QChar(0x2026)));
    EXPECT_TRUE(QString(label.text()).remove(QChar(0x200B)).endsWith("Start Menu/Programs"));
    EXPECT_LE(label.heightForWidth(200), label.height());
    EXPECT_EQ(label.toolTip(), path);
}

} // namespace
} // namespace tvn::test
