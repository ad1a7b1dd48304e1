#include "ButtonRoles.h"

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

bool ButtonRoles::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    if (receiver->window() != &window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;

    QPushButton* target = nullptr;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(receiver);
        target = answers(focused) ? focused : default_.data();
    } else if (key->key() == Qt::Key_Escape) {
        target = cancel_.data();
    } else {
        return false;
    }
    if (!answers(target))
        return false;
    // A held key presses the button once.
    if (!key->isAutoRepeat())
        target->click();
    return true;
}

} // namespace tvn
