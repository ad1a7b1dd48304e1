#pragma once

#include <functional>
#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace tvn::test {

// Acts on the next modal dialog as soon as it is open, from inside its own event loop.
inline void whenDialogOpens(std::function<void(QWidget&)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(*dialog);
        }
    });
    poll->start(5);
}

// The widget a key press reaches in the dialog: its focus widget, or the dialog itself.
inline QWidget& keyTarget(QWidget& dialog) {
    QWidget* focus = dialog.focusWidget();
    return focus ? *focus : dialog;
}

} // namespace tvn::test
