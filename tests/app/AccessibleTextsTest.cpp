#include "app/widgets/ListFilter.h"
#include "MainWindowFixture.h"

#include <QAccessible>
#include <QLineEdit>
#include <set>

namespace tvn::test {
namespace {

// Every control the user can reach on a panel tells assistive technology its name and what it
// does, in the interface language.
TEST_F(MainWindowTest, EveryControlHasAnAccessibleNameAndDescriptionInEachLanguage) {
    std::set<QString> filterDescriptions;
    for (int language = 0; language < 3; ++language) {
        frm.state().languageIndex = language;
        frm.loadLanguageTexts();
        for (QFrame* panel : frm.panels()) {
            for (QWidget* control : panel->findChildren<QWidget*>()) {
                if (control->objectName().isEmpty() || !(control->focusPolicy() & Qt::TabFocus))
                    continue;
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
                ASSERT_NE(accessible, nullptr);
                SCOPED_TRACE(control->objectName().toStdString() + " in language " +
                             std::to_string(language));
                EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty());
                EXPECT_FALSE(accessible->text(QAccessible::Description).trimmed().isEmpty());
            }
        }
        filterDescriptions.insert(
            control<QLineEdit>(frm, "unclassifiedListFilter")->accessibleDescription());
    }
    EXPECT_EQ(filterDescriptions.size(), 3u);
}

} // namespace
} // namespace tvn::test
