#include "DialogAnswering.h"
#include "dialogs/QtUi.h"
#include "i18n/QtTranslations.h"
#include "MainWindowFixture.h"
#include "tests/support/PrintQString.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

namespace tvn::test {
namespace {

// A button's text without its keyboard mnemonic.
QString shown(const QAbstractButton* button) {
    return button ? button->text().remove(u'&') : QStringLiteral("(no button)");
}

class DialogLanguageTest : public MainWindowTest {
protected:
    ~DialogLanguageTest() override { useQtTranslations(0); }

    void chooseLanguage(int index) {
        hideAllPanels();
        frm.showLanguages();
        languageOption(frm, index)->setChecked(true);
        QTest::mouseClick(control<QPushButton>(frm, "languageOkButton"), Qt::LeftButton);
        ASSERT_EQ(frm.state().languageIndex, index);
        ASSERT_EQ(ui.beeps(), 0);
        ASSERT_TRUE(ui.dialogs().empty());
    }

    // The Yes, No and Cancel buttons of a real question, then the input dialog's OK and Cancel.
    QString buttonTexts() {
        QStringList texts;
        whenDialogOpens([&](QWidget& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            for (auto which : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                texts << shown(box.button(which));
            box.button(QMessageBox::Cancel)->click();
        });
        QtUi().message(QStringLiteral("?"), {}, Buttons::YesNoCancel);
        whenDialogOpens([&](QWidget& dialog) {
            auto* buttons = dialog.findChild<QDialogButtonBox*>();
            if (!buttons) {
                ADD_FAILURE() << "the input dialog has no button box";
                dialog.close();
                return;
            }
            for (auto which : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel})
                texts << shown(buttons->button(which));
            buttons->button(QDialogButtonBox::Cancel)->click();
        });
        QtUi().input(QStringLiteral("?"), {}, {});
        return texts.join(QStringLiteral(" / "));
    }
};

TEST_F(DialogLanguageTest, DialogButtonsFollowTheLanguageChosenOnTheLanguagePanel) {
    // French and Italian first, so English afterwards shows that the previous one went.
    const std::pair<int, const char*> languages[] = {
        {1, "Oui / Non / Annuler / OK / Annuler"},
        {2, "Sì / No / Annulla / OK / Annulla"},
        {0, "Yes / No / Cancel / OK / Cancel"},
    };
    for (const auto& [index, expected] : languages) {
        SCOPED_TRACE(index);
        chooseLanguage(index);
        EXPECT_EQ(buttonTexts(), QString::fromUtf8(expected));
    }
}

} // namespace
} // namespace tvn::test
