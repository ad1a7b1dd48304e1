#include "app/widgets/ButtonRoles.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace tvn {
namespace {

bool answers(const QPushButton* button) {
    return button != nullptr && button->isVisible() && button->isEnabled();
}

} // namespace

ButtonRoles::ButtonRoles(QWidget& window)
    : window_(window) {
    // Key presses go to the focused child first; only an application filter sees them all.
    qApp->installEventFilter(this);
}

ButtonRoles::~ButtonRoles() {
    qApp->removeEventFilter(this);
}

void ButtonRoles::setDefaultButton(QPushButton* button) {
    if (default_ && default_ != button)
        default_->setDefault(false);
    default_ = button;
    // Only the frame of the default button: the keys are routed here.
    if (button)
        button->setDefault(true);
}

void ButtonRoles::setCancelButton(QPushButton* button) {
    cancel_ = button;
}

bool ButtonRoles::isRepeat(const QKeyEvent& key) const {
    // X servers repeat a held key as release and press pairs stamped with the same time. The
    // toolkit marks them as repeats only when the press is already queued as it reads the
    // release; on a busy event loop it often is not, and the pair looks like a new press.
    return key.isAutoRepeat() || (key.timestamp() != 0 && key.key() == lastReleasedKey_ &&
                                  key.timestamp() == lastReleaseTime_);
}

bool ButtonRoles::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) ||
        !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        lastReleasedKey_ = key->key();
        lastReleaseTime_ = key->timestamp();
        return false;
    }
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter && key->key() != Qt::Key_Escape)
        return false;
    // A held Enter or Esc presses one button once: its repeats press nothing, neither here nor
    // in the message box its press may have opened.
    if (isRepeat(*key))
        return true;

    auto* receiver = static_cast<QWidget*>(watched);
    if (receiver->window() != &window_)
        return false;
    if (keyFirst_ && keyFirst_(*receiver, enter))
        return true;
    QPushButton* target = cancel_.data();
    if (enter) {
        auto* focused = qobject_cast<QPushButton*>(receiver);
        target = answers(focused) ? focused : default_.data();
    }
    if (!answers(target))
        return false;
    target->click();
    return true;
}

} // namespace tvn
