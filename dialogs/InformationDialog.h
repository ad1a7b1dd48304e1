#pragma once

#include "platform/Ui.h"

#include <array>
#include <QDialog>

class QLabel;
class QPushButton;

namespace tvn {

// The information window of the main menu's Info button: the program is free, and the maker
// asks for an e-mail. It opens with its top-left corner on the main window's.
class InformationDialog final : public QDialog, public ModalWindow {
    Q_OBJECT

public:
    // In the interface language (0 English, 1 French, 2 Italian).
    explicit InformationDialog(QWidget& mainWindow, int languageIndex = 0);

    QString windowName() const override { return QStringLiteral("FrmInfo"); }
    void execModal() override { exec(); }

    void okClicked();

    QLabel* picture = nullptr;
    // The parts of the text, in the order they are read: 3 4 / 5 7 / 10 / 8 9 / 0 / 6 / 1 / 11.
    std::array<QLabel*, 12> textParts{};
    QPushButton* okButton = nullptr;

private:
    void placeOnMainWindow(const QWidget& mainWindow);
};

} // namespace tvn
