#pragma once

#include <functional>
#include <QObject>
#include <QPointer>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace tvn {

// The Enter (default) and Esc (cancel) buttons of one window: at most one of each at a time,
// whichever child has the focus. Giving a button a role takes that role from the button that
// held it. A role button that is hidden or disabled does not answer its key; a push button
// with the focus answers Enter itself, as on Windows.
// A held Enter or Esc acts once, in every window of the program.
class ButtonRoles final : public QObject {
public:
    explicit ButtonRoles(QWidget& window);
    ~ButtonRoles() override;

    void setDefaultButton(QPushButton* button);
    void setCancelButton(QPushButton* button);
    // Asked first when Enter (`enter`) or Esc reaches `receiver`; when it returns true, the key
    // has done its work there and no button is pressed.
    using KeyFirst = std::function<bool(QWidget& receiver, bool enter)>;
    void setKeyFirst(KeyFirst handler) { keyFirst_ = std::move(handler); }
    QPushButton* defaultButton() const { return default_; }
    QPushButton* cancelButton() const { return cancel_; }
    // A key held down: its repeats must not press anything again.
    bool isRepeat(const QKeyEvent& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QPointer<QPushButton> default_;
    QPointer<QPushButton> cancel_;
    KeyFirst keyFirst_;
    // The last key released in the window and when: a press of the same key at the same time
    // is the key held down.
    int lastReleasedKey_ = 0;
    quint64 lastReleaseTime_ = 0;
};

} // namespace tvn
