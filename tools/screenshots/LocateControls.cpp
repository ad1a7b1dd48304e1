// torvane-locate-controls <program folder> <language index>: builds the main window as the
// program does, applies that language's files from the program folder, and prints where each
// button, option and list of every panel stands: one "name x y" line per control, its centre
// (the mark of an option) in the window's own pixels, and for each list the centres of its
// first two rows ("name.row0", "name.row1"). The screenshot walk and the end-to-end test click
// there.
#include "app/frame/MeasuredWindow.h"
#include "dialogs/Look.h"
#include "platform/NativeFileSystem.h"
#include "platform/ShellFolders.h"
#include "platform/Ui.h"

#include <cstdio>
#include <cstdlib>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Answers every dialog at once: the window is only measured, never used.
class SilentUi final : public tvn::Ui {
public:
    tvn::Answer message(const QString& text, const QString&, tvn::Buttons buttons, tvn::Icon,
                        const QString&) override {
        std::fprintf(stderr, "torvane-locate-controls: %s\n", qPrintable(text));
        return buttons == tvn::Buttons::Ok ? tvn::Answer::Ok : tvn::Answer::Yes;
    }
    QString input(const QString&, const QString&, const QString& defaultAnswer) override {
        return defaultAnswer;
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
    void beep() override {}
    void pumpEvents() override { QCoreApplication::processEvents(); }
    void showModal(tvn::ModalWindow&) override {}
    void endProgram() override { std::_Exit(1); }
};

class NoShellFolders final : public tvn::ShellFolders {
public:
    QString shellFolder(const QString&) override { return {}; }
    QString allUsersPrograms(const QString&) override { return {}; }
};

void print(const QWidget& window, const QWidget& control) {
    // An option or check box answers a click only on its mark and text: aim at the mark.
    const bool marked =
        qobject_cast<const QRadioButton*>(&control) || qobject_cast<const QCheckBox*>(&control);
    const QPoint target = marked ? QPoint(7, control.height() / 2) : control.rect().center();
    const QPoint at = control.mapTo(&window, target);
    std::printf("%s %d %d\n", qPrintable(control.objectName()), at.x(), at.y());
}

// Rows stand where two probe entries are drawn; they are taken out again.
void printRows(const QWidget& window, QListWidget& list) {
    list.addItem(QStringLiteral("row 0"));
    list.addItem(QStringLiteral("row 1"));
    for (int row = 0; row < 2; ++row) {
        const QPoint at =
            list.viewport()->mapTo(&window, list.visualItemRect(list.item(row)).center());
        std::printf("%s.row%d %d %d\n", qPrintable(list.objectName()), row, at.x(), at.y());
    }
    list.clear();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: torvane-locate-controls <program folder> <language index>\n");
        return 2;
    }
    tvn::applyTorvaneLook(app);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    SilentUi ui;
    tvn::NativeFileSystem fs;
    NoShellFolders shellFolders;
    const tvn::MeasuredWindow measured =
        tvn::openMeasuredWindow(ui, fs, shellFolders, folder, std::atoi(argv[2]));
    const QWidget& window = *measured.window;

    print(window, *window.findChild<QLabel*>(QStringLiteral("languagePicture")));
    for (QFrame* panel : measured.panels) {
        for (QFrame* other : measured.panels)
            other->setVisible(other == panel);
        // The settings panel as a configured program shows it, with its language button.
        window.findChild<QPushButton*>(QStringLiteral("changeLanguageButton"))->show();
        QApplication::processEvents();
        for (const QWidget* control : panel->findChildren<QWidget*>()) {
            const bool clickable = qobject_cast<const QAbstractButton*>(control) ||
                                   qobject_cast<const QAbstractItemView*>(control) ||
                                   qobject_cast<const QLineEdit*>(control);
            if (clickable && control->isVisible() && !control->objectName().isEmpty())
                print(window, *control);
        }
        for (QListWidget* list : panel->findChildren<QListWidget*>())
            if (list->isVisible() && !list->objectName().isEmpty())
                printRows(window, *list);
    }
    return 0;
}
