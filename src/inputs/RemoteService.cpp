#include "inputs/RemoteService.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>

namespace {

// Long enough for a busy player, short enough that a hung one does not hang the remote.
constexpr int ReplyTimeoutMs = 5000;

} // namespace

const QString RemoteService::ServiceName = QStringLiteral("org.parlanda.Parlanda");
const QString RemoteService::ObjectPath = QStringLiteral("/org/parlanda/Parlanda");
const QString RemoteService::InterfaceName = QStringLiteral("org.parlanda.Parlanda1");

QString RemoteService::methodName(PlayerController::Command command) {
    return PlayerController::commandName(command).remove(QLatin1Char(' '));
}

RemoteService::RemoteService(PlayerController& player, QObject* parent)
    : QObject(parent), player(player) {}

bool RemoteService::claimName(QDBusConnection bus, const QString& name) {
    return bus.interface()
               ->registerService(name, QDBusConnectionInterface::DontQueueService)
               .value() == QDBusConnectionInterface::ServiceRegistered;
}

bool RemoteService::publish(QDBusConnection bus) {
    return bus.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots);
}

void RemoteService::Open(const QString& path) {
    if (!path.isEmpty())
        openAfterReply(player, path);
    emit raiseRequested();
}

void openAfterReply(PlayerController& player, const QString& path) {
    QMetaObject::invokeMethod(
        &player, [&player, path] { player.openChosenFile(path); }, Qt::QueuedConnection);
}

RemoteReply callRunningPlayer(const QString& method, const QVariantList& args) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return {RemoteReply::Outcome::NoBus, bus.lastError().message(), {}};
    QDBusMessage call =
        QDBusMessage::createMethodCall(RemoteService::ServiceName, RemoteService::ObjectPath,
                                       RemoteService::InterfaceName, method);
    // No player is started on demand: this program is the player.
    call.setAutoStartService(false);
    call.setArguments(args);
    const QDBusMessage reply = bus.call(call, QDBus::Block, ReplyTimeoutMs);
    if (reply.type() != QDBusMessage::ErrorMessage)
        return {RemoteReply::Outcome::Sent, {}, reply.arguments().value(0).toString()};
    const QDBusError error(reply);
    // With auto-start off the bus answers NameHasNoOwner, which QDBusError has no type for.
    if (error.type() == QDBusError::ServiceUnknown ||
        error.name() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return {RemoteReply::Outcome::NotRunning, error.message(), {}};
    return {RemoteReply::Outcome::Failed, error.message(), {}};
}
