#include "app/panels/CreationPanel.h"
#include "MainWindowFixture.h"
#include "tools/demoprefix/ShellLinkFile.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

// Classifying every shortcut shown into its suggested category at once, after a review, and
// one shortcut by Enter.

namespace tvn::test {
namespace {

constexpr int kGiochi = 0;
constexpr int kAudio = 4;
constexpr int kSistema = 6;

class ClassifyAsSuggested : public MainWindowTest {
protected:
    ClassifyAsSuggested() {
        for (const char* path : {"Games/Chess", "Games/Go", "Office/Sheet", "Office/Writer",
                                 "Media/Winamp", "Misc/Quuxle"})
            tree.write(QStringLiteral("Start Menu/Programs/%1.lnk").arg(QLatin1String(path)),
                       QByteArray(path) + " bytes");
        // Only its shortcut's file tells what Frob is.
        tools::ShellLinkTarget frob;
        frob.description = QStringLiteral("Listen to music and podcasts");
        tree.write(QStringLiteral("Start Menu/Programs/Misc/Frob.lnk"),
                   tools::shellLinkBytes(frob));
        frm.loadLanguageTexts(); // the category words of the language
        openClassify();
    }

    QByteArray copy(int category, const QString& name) const {
        return tree.read(
            QStringLiteral("Start Menu/%1/%2.lnk").arg(frm.categoryCaption(category), name));
    }
    bool categoryExists(int category) const {
        return tree.exists(QStringLiteral("Start Menu/%1").arg(frm.categoryCaption(category)));
    }
    void press(QWidget* widget, QKeyCombination key) {
        QTest::keyClick(widget, key.key(), key.keyboardModifiers());
    }
};

TEST_F(ClassifyAsSuggested, TheReviewClassifiesTheTickedLinesInOneUndoableAction) {
    QStringList reviewed;
    QStringList sure;
    ui.onModal = [&](ModalWindow& window) {
        auto& review = dynamic_cast<QDialog&>(window);
        review.show();
        auto* list = control<QTreeWidget>(review, "reviewList");
        for (int k = 0; k < list->topLevelItemCount(); ++k) {
            const QTreeWidgetItem* line = list->topLevelItem(k);
            reviewed.append(line->text(0));
            if (!line->text(2).isEmpty() && !line->toolTip(2).isEmpty())
                sure.append(line->text(0));
        }
        EXPECT_FALSE(control<QLabel>(review, "leftOutNote")->text().isEmpty()); // Quuxle
        // Go and Sheet unticked, Writer sent elsewhere, all from the list's keys.
        for (const int key :
             {Qt::Key_Down, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Down})
            QTest::keyClick(list, static_cast<Qt::Key>(key));
        press(list, CreationPanel::categoryKey(kSistema));
        QTest::keyClick(list, Qt::Key_Return);
    };
    QTest::mouseClick(control<QPushButton>(frm, "classifyAsSuggestedButton"), Qt::LeftButton);

    // By category as the buttons stand, then by name; Quuxle has no suggestion.
    EXPECT_EQ(reviewed, QStringList({"Chess", "Go", "Sheet", "Writer", "Frob", "Winamp"}));
    // A known program is sure; what words alone suggest is not.
    EXPECT_TRUE(sure.contains("Winamp"));
    EXPECT_FALSE(sure.contains("Frob") || sure.contains("Chess"));
    EXPECT_EQ(copy(kGiochi, "Chess"), tree.read("Start Menu/Programs/Games/Chess.lnk"));
    EXPECT_EQ(copy(kSistema, "Writer"), tree.read("Start Menu/Programs/Office/Writer.lnk"));
    EXPECT_EQ(copy(kAudio, "Winamp"), tree.read("Start Menu/Programs/Media/Winamp.lnk"));
    EXPECT_EQ(copy(kAudio, "Frob"), tree.read("Start Menu/Programs/Misc/Frob.lnk"));
    EXPECT_EQ(notYetShown(), QStringList({"Go", "Quuxle", "Sheet"}));
    EXPECT_EQ(notYetSelected(), QStringList({"Go"}));
    EXPECT_TRUE(ui.dialogs().empty());

    QTest::mouseClick(control<QPushButton>(frm, "creationUndoButton"), Qt::LeftButton);
    for (const int category : {kGiochi, kSistema, kAudio})
        EXPECT_FALSE(categoryExists(category)) << category;
    EXPECT_EQ(notYetShown().size(), 7);
    EXPECT_FALSE(control<QPushButton>(frm, "creationUndoButton")->isEnabled());
}

TEST_F(ClassifyAsSuggested, EnterClassifiesOneSelectedShortcutIntoItsSuggestion) {
    auto* list = control<QListWidget>(frm, "unclassifiedList");
    ListBox& entries = frm.tvn().lists.notYet;
    const auto entry = [&](const char* name) {
        for (int k = 0; k < entries.count(); ++k)
            if (entries.at(k) == QLatin1String(name))
                return k;
        return -1;
    };
    list->setFocus();
    entries.selectOnly(entry("Winamp"));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(copy(kAudio, "Winamp"), tree.read("Start Menu/Programs/Media/Winamp.lnk"));

    // Two shortcuts, or one without a suggestion: Enter classifies nothing.
    entries.selectOnly(entry("Chess"));
    entries.setSelected(entry("Go"), true);
    QTest::keyClick(list, Qt::Key_Return);
    entries.selectOnly(entry("Quuxle"));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(categoryExists(kGiochi));
    EXPECT_EQ(notYetShown(), QStringList({"Chess", "Frob", "Go", "Quuxle", "Sheet", "Writer"}));
    EXPECT_TRUE(ui.dialogs().empty());
}

} // namespace
} // namespace tvn::test
