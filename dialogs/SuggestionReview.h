#pragma once

#include "platform/Ui.h"

#include <QDialog>
#include <QKeyCombination>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tvn {

// The texts of the review, in the interface language.
struct SuggestionReviewTexts {
    QString title;
    QString instructions;
    QString leftOut;      // how many shortcuts have no suggestion and are left out; empty for none
    QString line;         // a line for assistive technology: "%1" the shortcut, "%2" its category
    QString lineCategory; // the category box of a line: "%1" the shortcut
    QString classify;
    QString cancel;
    QString sureLine; // the line of a sure suggestion, as `line`
    QString sureMark; // what the mark beside a sure suggestion means
};

// A category the review offers: its index, its caption as shown and the key that chooses it.
struct ReviewCategory {
    int index;
    QString caption;
    QKeyCombination key;
};

// One shortcut of the review and the category it goes into.
struct ReviewLine {
    int entry;
    QString name;
    int category;
    bool sure = false; // the suggestion is sure; the mark stays if the user changes it
};

// Shortcuts to classify at once, each on a ticked line with the category it goes into, for the
// user to untick, change and confirm; a sure suggestion is marked beside its category. Lines keep
// the order given; each category box offers the categories in the order given. Everything works
// from the keyboard: Space ticks the current line, F2 or Alt+Down opens its category box, a
// category's key chooses that category, Enter confirms and Esc cancels. It opens with its top-left
// corner on the main window's.
class SuggestionReview final : public QDialog, public ModalWindow {
    Q_OBJECT

public:
    SuggestionReview(QWidget& mainWindow, const SuggestionReviewTexts& texts,
                     std::vector<ReviewCategory> categories, std::vector<ReviewLine> lines);

    QString windowName() const override { return QStringLiteral("SuggestionReview"); }
    void execModal() override { exec(); }

    // The ticked lines, each with the category chosen for it, once the user confirmed; none
    // otherwise.
    std::vector<ReviewLine> confirmedLines() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Line {
        ReviewLine line;
        QTreeWidgetItem* item;
        QComboBox* categoryBox;
    };

    // A key on the list that acts on its current line; true when used.
    bool keyPress(const QKeyEvent& key);
    Line* currentLine();
    void chooseCategory(Line& line, int position);
    // Says the line's shortcut and category to assistive technology.
    void describe(Line& line);
    void enableClassify();

    SuggestionReviewTexts texts_;
    std::vector<ReviewCategory> categories_;
    std::vector<Line> lines_;
    QLabel* reviewInstructions = nullptr; // what the ticks and boxes do
    QLabel* leftOutNote = nullptr;        // how many shortcuts have no suggestion
    QTreeWidget* reviewList = nullptr;    // one line per shortcut
    QPushButton* classifyButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

} // namespace tvn
