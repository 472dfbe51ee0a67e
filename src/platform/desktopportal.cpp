#include "platform/desktopportal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QString>
#include <QVariantMap>

namespace spawnsmith {

bool openUrlThroughPortal(const QByteArray& url) {
    const QString text = QString::fromUtf8(url);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || text.toUtf8() != url)
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"),
        QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.OpenURI"), QStringLiteral("OpenURI"));
    call << QString() << text << QVariantMap();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [](QDBusPendingCallWatcher* finished) {
                         const QDBusPendingReply<> reply = *finished;
                         if (reply.isError())
                             qWarning("spawnsmith: the desktop portal did not open the URL: %s",
                                      qPrintable(reply.error().message()));
                         finished->deleteLater();
                     });
    return true;
}

} // namespace spawnsmith
