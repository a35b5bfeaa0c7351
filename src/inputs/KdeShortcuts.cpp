#include "inputs/KdeShortcuts.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString Service = QStringLiteral("org.kde.kglobalaccel");
const QString Component = QStringLiteral("parlanda");
const QString ComponentPath = QStringLiteral("/component/parlanda");
constexpr int ReplyTimeoutMs = 1000;
// setShortcut's flags: set the key given even if the user chose another in the desktop's
// settings, since the program's own settings hold the user's choice.
constexpr uint SetPresent = 2;
constexpr uint NoAutoloading = 4;

// An action as the service names it: component, action, and their names for the user.
QStringList actionIdOf(const QString& command) {
    return {Component, command, QStringLiteral("Parlanda"), command};
}

} // namespace

KdeShortcuts* KdeShortcuts::open(const QDBusConnection& bus, QObject* parent) {
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(Service))
        return nullptr;
    return new KdeShortcuts(bus, parent);
}

KdeShortcuts::KdeShortcuts(const QDBusConnection& bus, QObject* parent)
    : ShortcutBackend(parent), bus(bus) {
    this->bus.connect(Service, ComponentPath, "org.kde.kglobalaccel.Component",
                      "globalShortcutPressed", this,
                      SLOT(shortcutPressed(QString, QString, qlonglong)));
}

KdeShortcuts::~KdeShortcuts() {
    for (const QString& command : std::as_const(boundCommands))
        bus.asyncCall(serviceCall("setInactive", command));
}

QString KdeShortcuts::name() const {
    return tr("KDE's global shortcuts");
}

QDBusMessage KdeShortcuts::serviceCall(const QString& method, const QString& command) const {
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, "/kglobalaccel", "org.kde.KGlobalAccel", method);
    call << actionIdOf(command);
    return call;
}

ShortcutStatus KdeShortcuts::bind(const QString& command, QKeyCombination keys) {
    bus.asyncCall(serviceCall("doRegister", command)); // delivered before setShortcut
    QDBusMessage setShortcut = serviceCall("setShortcut", command);
    setShortcut << QVariant::fromValue(QList<int>{keys.toCombined()})
                << (SetPresent | NoAutoloading);
    boundCommands.insert(command);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(setShortcut, ReplyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, command, keys](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                if (boundCommands.contains(command))
                    emit statusChanged(command, statusOf(*call, keys));
            });
    return pendingStatus();
}

ShortcutStatus KdeShortcuts::statusOf(const QDBusPendingReply<QList<int>>& reply,
                                      QKeyCombination keys) {
    if (reply.isError())
        return {ShortcutStatus::Unsupported,
                tr("KDE's global shortcuts failed: %1").arg(reply.error().message())};
    return reply.value().contains(keys.toCombined()) ? registeredStatus() : takenStatus();
}

void KdeShortcuts::unbind(const QString& command) {
    if (!boundCommands.remove(command))
        return;
    QDBusMessage unregister = QDBusMessage::createMethodCall(Service, "/kglobalaccel",
                                                             "org.kde.KGlobalAccel", "unregister");
    unregister << Component << command;
    bus.asyncCall(unregister);
}

void KdeShortcuts::shortcutPressed(const QString& component, const QString& action, qlonglong) {
    if (component == Component && boundCommands.contains(action))
        emit activated(action);
}
