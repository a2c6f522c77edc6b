// Elsewhere than on a Mac: the desktop's notification service, over the
// session bus, through the toolkit the window already has.
#include "platform/notification.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace ludowell::platform {

void notify(const std::string& title, const std::string& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Ludowell") << 0u << QStringLiteral("ludowell") << QString::fromStdString(title)
         << QString::fromStdString(body) << QStringList() << QVariantMap() << -1;
    // Never waits for the service: the window must not stall on it.
    bus.call(call, QDBus::NoBlock);
}

}  // namespace ludowell::platform
