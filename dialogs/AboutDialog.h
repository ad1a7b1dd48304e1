#pragma once

#include "platform/Ui.h"

#include <array>
#include <QDialog>

class QLabel;

namespace tvn {

// The about window shown before anything else at start: centred on the screen, above every
// other window, and closed by a click anywhere on it.
class AboutDialog final : public QDialog, public ModalWindow {
    Q_OBJECT

public:
    // In the interface language (0 English, 1 French, 2 Italian).
    explicit AboutDialog(int languageIndex = 0, QWidget* parent = nullptr);

    // Where a window of `window`'s size stands centred on `screen`.
    static QPoint centredOn(const QRect& screen, const QSize& window);

    QString windowName() const override { return QStringLiteral("frmAbout"); }
    void execModal() override { exec(); }

    QLabel* picture = nullptr;
    QLabel* blankLine = nullptr;
    QLabel* webAddress = nullptr;
    QLabel* emailInvitation = nullptr;
    QLabel* continuePrompt = nullptr; // click anywhere to continue

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tvn
