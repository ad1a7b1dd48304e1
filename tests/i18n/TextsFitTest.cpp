#include "LanguageFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace tvn::test {
namespace {

// Every visible text of `area` shows whole: wrapped labels and check boxes are as tall as
// their text needs, single-line texts as wide, and nothing reaches past the area's edges.
void expectTextsFit(const QWidget& area) {
    const QRect inside = area.contentsRect();
    const auto within = [&](const QWidget& control) {
        return inside.contains(QRect(control.mapTo(&area, QPoint(0, 0)), control.size()));
    };
    for (const QLabel* label : area.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        SCOPED_TRACE(label->objectName().toStdString());
        if (label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        } else {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                      label->contentsRect().width());
        }
        EXPECT_TRUE(within(*label));
    }
    for (const QAbstractButton* button : area.findChildren<QAbstractButton*>()) {
        if (!button->isVisible())
            continue;
        SCOPED_TRACE(button->objectName().toStdString());
        if (qobject_cast<const QPushButton*>(button)) {
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width());
        } else if (button->hasHeightForWidth()) {
            EXPECT_GE(button->height(), button->heightForWidth(button->width()));
        } else {
            EXPECT_GE(button->width(), button->sizeHint().width());
        }
        EXPECT_TRUE(within(*button));
    }
}

class TextsFitTest : public LanguageTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        stageLanguage(kLanguageCodes[GetParam()]);
        apply(GetParam());
        ASSERT_EQ(ui.beeps(), 0);
        ASSERT_TRUE(ui.dialogs().empty());
    }

    // Shows `area` alone in the right column and lets the layouts settle.
    void showAlone(QWidget* area) {
        hideAllPanels();
        control<QFrame>(frm, "helpCover")->hide();
        area->show();
        QApplication::processEvents();
    }
};

TEST_P(TextsFitTest, OnEveryPanel) {
    for (QFrame* panel : frm.panels()) {
        SCOPED_TRACE(panel->objectName().toStdString());
        showAlone(panel);
        expectTextsFit(*panel);
    }
    // The language panel as the settings panel opens it, without its exit button.
    control<QPushButton>(frm, "languagesExitButton")->hide();
    showAlone(control<QFrame>(frm, "languagesPanel"));
    expectTextsFit(*control<QFrame>(frm, "languagesPanel"));
}

TEST_P(TextsFitTest, OnTheCreationPanelInMoveMode) {
    showAlone(control<QFrame>(frm, "creationPanel"));
    control<QLabel>(frm, "creationTitle")->hide();
    control<QLabel>(frm, "classifyInstructions")->hide();
    control<QPushButton>(frm, "creationDoneButton")->hide();
    control<QLabel>(frm, "moveTitle")->show();
    control<QPushButton>(frm, "moveDoneButton")->show();
    QApplication::processEvents();
    expectTextsFit(*control<QFrame>(frm, "creationPanel"));
}

TEST_P(TextsFitTest, OnTheHelpPagesAndTheWaitText) {
    showAlone(control<QFrame>(frm, "helpCover"));
    expectTextsFit(*control<QFrame>(frm, "helpCover"));
    control<QLabel>(frm, "languagePicture")->hide();
    control<QFrame>(frm, "aboutFrame")->show();
    QApplication::processEvents();
    expectTextsFit(*control<QFrame>(frm, "aboutFrame"));

    // With no panel up, the wait text and a long progress text show on the window itself.
    hideAllPanels();
    frm.setProgressText(QStringLiteral("100 %"));
    QApplication::processEvents();
    for (const QLabel* label :
         {control<QLabel>(frm, "pleaseWait"), control<QLabel>(frm, "progressLine")}) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, TextsFitTest, testing::Values(0, 1, 2),
                         [](const testing::TestParamInfo<int>& param) {
                             return std::string(kLanguageCodes[param.param]);
                         });

} // namespace
} // namespace tvn::test
