#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace tvn {

// The debug frame below the window's bottom edge, never seen: a text the settings keep (two
// exact texts switch checks off) and the button that deletes the settings file.
class DebugFrame final : public QGroupBox {
    Q_OBJECT

public:
    explicit DebugFrame(QWidget& window);

    QString text() const;
    void setText(const QString& text);

Q_SIGNALS:
    void killConfigClicked();

private:
    QLineEdit* debugBox = nullptr;           // saved with the settings; can skip the folder checks
    QPushButton* killConfigButton = nullptr; // Kill Config!: deletes Config.tvn
};

} // namespace tvn
