#include "dialogs/QtUi.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

namespace tvn {
namespace {

// Qt's own folder dialog dates its entries in the system's language and names their type
// from a catalogue entry its translations lack: the dates follow the interface language
// (QLocale's default), and the type column, "folder" on every line, is not shown.
class FolderDialogModel final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files && role == Qt::DisplayRole && index.column() == kDateColumn)
            return QLocale().toString(files->lastModified(mapToSource(index)),
                                      QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

    static constexpr int kTypeColumn = 2;
    static constexpr int kDateColumn = 3;
};

// Keeps a Yes/No box open until one of its buttons is pressed: Esc and the window's close
// command have no answer to give.
class RequireButtonAnswer final : public QObject {
public:
    explicit RequireButtonAnswer(QMessageBox& box)
        : box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_)
            return false;
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        if (event->type() == QEvent::Close && box_.clickedButton() == nullptr) {
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QMessageBox& box_;
};

} // namespace

QString dialogTitle(const QString& title) {
    return title.isEmpty() ? QString::fromUtf16(kApplicationTitle) : title;
}

QString displayText(const QString& text) {
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

Answer QtUi::message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                     const QString& details) {
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                    dialogTitle(title), displayText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDetailedText(details);
    RequireButtonAnswer requireButton(box);
    switch (buttons) {
    case Buttons::Ok: {
        QPushButton* ok = box.addButton(QMessageBox::Ok);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        break;
    }
    case Buttons::YesNo:
        box.setDefaultButton(box.addButton(QMessageBox::Yes));
        box.addButton(QMessageBox::No);
        box.installEventFilter(&requireButton);
        break;
    case Buttons::YesNoCancel:
        box.setDefaultButton(box.addButton(QMessageBox::Yes));
        box.addButton(QMessageBox::No);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        break;
    case Buttons::YesNoNoFirst: {
        box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        break;
    }
    }
    // Enter answers the box even once the details are open: the button that shows them is never
    // the one Enter presses.
    for (QPushButton* button : box.findChildren<QPushButton*>())
        if (box.buttonRole(button) == QMessageBox::ActionRole)
            button->setAutoDefault(false);
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

QString QtUi::input(const QString& prompt, const QString& title, const QString& defaultAnswer) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(dialogTitle(title));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultAnswer);
    // Prompts come from language files: show them as written, never as markup.
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

QString QtUi::chooseFolder(const QString& title, const QString& startFolder) {
    // Hidden folders shown: Wine keeps its default prefix in ~/.wine.
    QFileDialog dialog(QApplication::activeWindow(), dialogTitle(title), startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    dialog.setProxyModel(new FolderDialogModel(&dialog));
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        details->setColumnHidden(FolderDialogModel::kTypeColumn, true);
        // The date column as wide as its heading and dates in every language ("Dernière
        // modification"); the names take what is left.
        details->header()->setStretchLastSection(false);
        details->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        details->header()->setSectionResizeMode(FolderDialogModel::kDateColumn,
                                                QHeaderView::ResizeToContents);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtUi::beep() {
    QApplication::beep();
}

void QtUi::pumpEvents() {
    if (sincePump_.isValid() && sincePump_.elapsed() < kPumpIntervalMs)
        return;
    QCoreApplication::processEvents();
    sincePump_.start();
}

void QtUi::showModal(ModalWindow& window) {
    window.execModal();
}

void QtUi::endProgram() {
    // Not std::exit: destroying the static objects under a live QApplication crashes.
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace tvn
