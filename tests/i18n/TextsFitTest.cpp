#include "app/widgets/PathLabel.h"
#include "i18n/BuiltInTexts.h"
#include "LanguageFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tvn::test {
namespace {

bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

// The visible controls of `area`, without the parts of a control (a box's clear button).
std::vector<const QWidget*> visibleControls(const QWidget& area) {
    std::vector<const QWidget*> controls;
    for (const QWidget* widget : area.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !isControl(widget))
            continue;
        bool part = false;
        for (const QWidget* up = widget->parentWidget(); up && up != &area; up = up->parentWidget())
            part = part || isControl(up);
        if (!part)
            controls.push_back(widget);
    }
    return controls;
}

// Every visible text of `area` shows whole: wrapped labels and check boxes are as tall as
// their text needs, single-line texts as wide, boxes as tall as their text, nothing reaches
// past the area's edges and no control lies over another.
void expectTextsFit(const QWidget& area) {
    const QRect inside = area.contentsRect();
    const auto placeOf = [&](const QWidget& control) {
        return QRect(control.mapTo(&area, QPoint(0, 0)), control.size());
    };
    // Controls may share an edge, as the stacked category buttons share their borders.
    const std::vector<const QWidget*> controls = visibleControls(area);
    for (size_t a = 0; a < controls.size(); ++a) {
        for (size_t b = a + 1; b < controls.size(); ++b) {
            const QRect common = placeOf(*controls[a]) & placeOf(*controls[b]);
            EXPECT_FALSE(common.width() > 1 && common.height() > 1)
                << controls[a]->objectName().toStdString() << " over "
                << controls[b]->objectName().toStdString();
        }
    }
    for (const QWidget* box : controls) {
        if (qobject_cast<const QLineEdit*>(box) || qobject_cast<const QComboBox*>(box)) {
            EXPECT_GE(box->height(), box->sizeHint().height()) << box->objectName().toStdString();
        }
    }
    const auto within = [&](const QWidget& control) {
        return inside.contains(placeOf(control));
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
    // It waits under classifyInstructions until move mode.
    control<QLabel>(frm, "moveInstructions")->hide();
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

// The settings with all they can show: the prefix chooser, a long all-users folder, the note
// that Wine is missing and both buttons beside OK.
TEST_P(TextsFitTest, OnTheSettingsPanelWithEveryOptionalLine) {
    QFrame* panel = control<QFrame>(frm, "configPanel");
    showAlone(panel);
    control<QLineEdit>(frm, "startMenuPathBox")
        ->setText(QStringLiteral("/home/user/.wine/drive_c/users/user/Start Menu"));
    control<QLineEdit>(frm, "programsPathBox")
        ->setText(QStringLiteral("/home/user/.wine/drive_c/users/user/Start Menu/Programs"));
    control<PathLabel>(frm, "allUsersProgramsLine")
        ->setLeadAndPath(builtInText(BuiltInText::AllUsersPrograms, GetParam()),
                         QStringLiteral("/home/user/.wine/drive_c/ProgramData/Microsoft/Windows/"
                                        "Start Menu/Programs"));
    control<QLabel>(frm, "desktopMenuNote")
        ->setText(builtInText(BuiltInText::NoWineForMenu, GetParam()));
    for (const char* name : {"prefixCaption", "prefixChooser", "desktopMenuNote",
                             "settingsCancelButton", "changeLanguageButton"})
        control<QWidget>(frm, name)->show();
    control<QLabel>(frm, "prefixCaption")
        ->setText(builtInText(BuiltInText::PrefixCaption, GetParam()));
    // Twice, as the event loop would: the panel may rearrange its lines once it has seen them.
    QApplication::processEvents();
    QApplication::processEvents();
    expectTextsFit(*panel);
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
