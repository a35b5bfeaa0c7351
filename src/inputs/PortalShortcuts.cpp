#include "inputs/PortalShortcuts.h"

#include "inputs/KeySymbols.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QTimer>

namespace {

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");
// Kept across runs: the desktop remembers the keys the user chose for this session.
const QString SessionToken = QStringLiteral("parlanda_global_keys");
// The portal may be started on demand by the first call.
constexpr int ProbeTimeoutMs = 2000;

enum Response : uint { Success = 0, Cancelled = 1 };

struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

QDBusMessage portalCall(const QString& interface, const QString& method) {
    return QDBusMessage::createMethodCall(PortalService, PortalPath, interface, method);
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

QDBusPendingCall PortalShortcuts::probe(const QDBusConnection& bus) {
    QDBusMessage probe = portalCall("org.freedesktop.DBus.Properties", "Get");
    probe << ShortcutsInterface << QStringLiteral("version");
    return bus.asyncCall(probe, ProbeTimeoutMs);
}

PortalShortcuts::PortalShortcuts(const QDBusConnection& bus, const QString& appId, QObject* parent)
    : ShortcutBackend(parent), bus(bus), rebind(new QTimer(this)) {
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    // A program outside a sandbox names itself before its first request; portals that
    // predate the registry answer with an error, which changes nothing.
    QDBusMessage registration = QDBusMessage::createMethodCall(
        PortalService, PortalPath, "org.freedesktop.host.portal.Registry", "Register");
    registration << appId << QVariantMap();
    this->bus.asyncCall(registration);
    this->bus.connect(PortalService, PortalPath, ShortcutsInterface, "Activated", this,
                      SLOT(shortcutActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    // Changes made together (all keys read at start-up) make one session.
    rebind->setSingleShot(true);
    rebind->setInterval(0);
    connect(rebind, &QTimer::timeout, this, &PortalShortcuts::openSession);
}

PortalShortcuts::~PortalShortcuts() {
    closeSession();
}

// The texts below name their class in full: the translation extractor takes unqualified
// tr() here for the struct above, a context no translation would be looked up in.
QString PortalShortcuts::name() const {
    return PortalShortcuts::tr("the desktop portal");
}

ShortcutStatus PortalShortcuts::bind(const QString& command, QKeyCombination keys) {
    keysByCommand.insert(command, keys);
    rebind->start();
    return pendingStatus();
}

void PortalShortcuts::unbind(const QString& command) {
    if (keysByCommand.remove(command))
        rebind->start();
}

void PortalShortcuts::openSession() {
    closeSession();
    if (!keysByCommand.isEmpty())
        sendRequest("CreateSession", {}, {{"session_handle_token", SessionToken}});
}

void PortalShortcuts::closeSession() {
    if (sessionPath.isEmpty())
        return;
    bus.asyncCall(QDBusMessage::createMethodCall(PortalService, sessionPath,
                                                 "org.freedesktop.portal.Session", "Close"));
    sessionPath.clear();
}

void PortalShortcuts::bindAll() {
    QList<PortalShortcut> shortcuts;
    for (auto binding = keysByCommand.cbegin(); binding != keysByCommand.cend(); ++binding)
        shortcuts.append({binding.key(),
                          {{"description", binding.key()},
                           {"preferred_trigger", TriggerTextOf(binding.value())}}});
    sendRequest("BindShortcuts",
                {QVariant::fromValue(QDBusObjectPath(sessionPath)), QVariant::fromValue(shortcuts),
                 QString()},
                {});
}

void PortalShortcuts::sendRequest(const QString& method, QVariantList arguments,
                                  QVariantMap options) {
    const QString token = QStringLiteral("parlanda%1").arg(++requestCount);
    const QString sender = bus.baseService().mid(1).replace('.', '_');
    awaitedRequest = PortalPath + "/request/" + sender + '/' + token;
    // Subscribed before the call: the answer may come before the call returns.
    bus.connect(PortalService, awaitedRequest, RequestInterface, "Response", this,
                SLOT(requestAnswered(uint, QVariantMap, QDBusMessage)));
    options.insert("handle_token", token);
    QDBusMessage call = portalCall(ShortcutsInterface, method);
    call.setArguments(arguments << options);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request = awaitedRequest](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (finished->isError() && request == awaitedRequest)
                    answerAll({ShortcutStatus::Unsupported,
                               PortalShortcuts::tr("The desktop portal failed: %1")
                                   .arg(finished->error().message())});
            });
}

void PortalShortcuts::requestAnswered(uint code, const QVariantMap& results,
                                      const QDBusMessage& message) {
    bus.disconnect(PortalService, message.path(), RequestInterface, "Response", this,
                   SLOT(requestAnswered(uint, QVariantMap, QDBusMessage)));
    if (message.path() != awaitedRequest)
        return;
    awaitedRequest.clear();
    if (!sessionPath.isEmpty())
        return bindingsAnswered(code, results);
    if (code == Success)
        sessionPath = results.value("session_handle").toString();
    if (!sessionPath.isEmpty())
        return bindAll();
    answerAll({ShortcutStatus::Unsupported,
               PortalShortcuts::tr("The desktop portal opened no session.")});
}

void PortalShortcuts::bindingsAnswered(uint code, const QVariantMap& results) {
    if (code != Success)
        return answerAll(
            {ShortcutStatus::Taken, code == Cancelled
                                        ? PortalShortcuts::tr("Refused in the desktop's dialog.")
                                        : PortalShortcuts::tr("The desktop refused the keys.")});
    QHash<QString, QString> triggers;
    for (const PortalShortcut& bound :
         qdbus_cast<QList<PortalShortcut>>(results.value("shortcuts")))
        triggers.insert(bound.id, bound.properties.value("trigger_description").toString());
    for (const QString& command : keysByCommand.keys()) {
        const QString trigger = triggers.value(command);
        if (!triggers.contains(command))
            emit statusChanged(
                command,
                {ShortcutStatus::Taken, PortalShortcuts::tr("The desktop did not bind this key.")});
        else
            emit statusChanged(
                command, {ShortcutStatus::Registered,
                          trigger.isEmpty()
                              ? PortalShortcuts::tr("Bound by the desktop.")
                              : PortalShortcuts::tr("The desktop binds it to %1.").arg(trigger)});
    }
}

void PortalShortcuts::answerAll(const ShortcutStatus& status) {
    for (const QString& command : keysByCommand.keys())
        emit statusChanged(command, status);
}

void PortalShortcuts::shortcutActivated(const QDBusObjectPath& session, const QString& id,
                                        qulonglong, const QVariantMap&) {
    if (session.path() == sessionPath && keysByCommand.contains(id))
        emit activated(id);
}
