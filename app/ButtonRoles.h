#pragma once

#include <QObject>
#include <QPointer>

class QPushButton;
class QWidget;

namespace tvn {

// The Enter (default) and Esc (cancel) buttons of one window: at most one of each at a time,
// whichever child has the focus. Giving a button a role takes that role from the button that
// held it. A role button that is hidden or disabled does not answer its key; a push button
// with the focus answers Enter itself, as on Windows.
class ButtonRoles final : public QObject {
public:
    explicit ButtonRoles(QWidget& window);
    ~ButtonRoles() override;

    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button);
    QPushButton* defaultButton() const { return default_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QPointer<QPushButton> default_;
    QPointer<QPushButton> cancel_;
};

} // namespace tvn
