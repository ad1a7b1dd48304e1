#pragma once

#include <QObject>
#include <QString>

namespace tvn {

// The desktop's notifications (freedesktop notifications over the session bus): one per tidy
// that filed something, with an Undo action. Without a notification service nothing is shown
// and nothing fails.
class TidyNotifier final : public QObject {
    Q_OBJECT
public:
    explicit TidyNotifier(QObject* parent = nullptr);

    // False when no notification service took it.
    bool notify(const QString& title, const QString& body, const QString& undoLabel);

Q_SIGNALS:
    // The user chose Undo on the last notification.
    void undoRequested();

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);

private:
    uint lastId_ = 0;
};

} // namespace tvn
