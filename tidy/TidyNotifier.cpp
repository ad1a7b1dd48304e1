#include "tidy/TidyNotifier.h"

#ifndef _WIN32
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QVariantMap>
#endif

namespace tvn {

#ifndef _WIN32
namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kUndoAction = QStringLiteral("undo");
} // namespace
#endif

TidyNotifier::TidyNotifier(QObject* parent)
    : QObject(parent) {
#ifndef _WIN32
    QDBusConnection::sessionBus().connect(kService, kPath, kService,
                                          QStringLiteral("ActionInvoked"), this,
                                          SLOT(actionInvoked(uint, QString)));
#endif
}

bool TidyNotifier::notify(const QString& title, const QString& body, const QString& undoLabel) {
#ifdef _WIN32
    Q_UNUSED(title)
    Q_UNUSED(body)
    Q_UNUSED(undoLabel)
    return false;
#else
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral(TORVANE_DESKTOP_ID)}};
    call << QStringLiteral("Torvane") << lastId_ << QStringLiteral(TORVANE_DESKTOP_ID) << title
         << body << QStringList{kUndoAction, undoLabel} << hints << -1;
    // A service that does not answer within a few seconds is as good as none.
    const QDBusReply<uint> reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 5000);
    if (!reply.isValid())
        return false;
    lastId_ = reply.value();
    return true;
#endif
}

void TidyNotifier::actionInvoked(uint id, const QString& action) {
    if (id == lastId_ && action == QStringLiteral("undo"))
        Q_EMIT undoRequested();
}

} // namespace tvn
