#include "inputs/GlobalShortcuts.h"

#include "player/PlayerController.h"

#include "inputs/KdeShortcuts.h"
#include "inputs/KeySymbols.h"
#include "inputs/PortalShortcuts.h"
#include "inputs/X11Shortcuts.h"
#include "settings/SettingsStore.h"

#include <QDBusPendingCallWatcher>

#include <utility>

namespace {

const QString Section = QStringLiteral("Global Keys");
// The name the desktop knows the program by (its desktop entry).
const QString AppId = QStringLiteral("org.parlanda.Parlanda");

bool isOneKey(const QKeySequence& keys) {
    return keys.count() == 1 && KeysymOf(keys[0].key()) != 0;
}

// The first service after the portal, which is asked asynchronously.
ShortcutBackend* firstServiceAfterPortal(const ShortcutEnvironment& environment, QObject* parent) {
    if (ShortcutBackend* kde = KdeShortcuts::open(environment.bus, parent))
        return kde;
    return environment.wayland ? nullptr : X11Shortcuts::open(environment.display, parent);
}

} // namespace

const QStringList& GlobalShortcutCommands() {
    return PlayerController::commandNames();
}

ShortcutEnvironment ShortcutEnvironment::current() {
    return {QDBusConnection::sessionBus(), qgetenv("DISPLAY"),
            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                qgetenv("XDG_SESSION_TYPE") == "wayland"};
}

GlobalShortcuts::GlobalShortcuts(QObject* parent)
    : GlobalShortcuts(ShortcutEnvironment::current(), parent) {}

// The portal's answer may take up to its deadline (it may be started on demand): the
// program does not wait for it, and keys bound meanwhile wait for the service found.
GlobalShortcuts::GlobalShortcuts(const ShortcutEnvironment& environment, QObject* parent)
    : QObject(parent) {
    if (!environment.bus.isConnected()) {
        useService(firstServiceAfterPortal(environment, this));
        return;
    }
    searching = true;
    auto* probe = new QDBusPendingCallWatcher(PortalShortcuts::probe(environment.bus), this);
    connect(probe, &QDBusPendingCallWatcher::finished, this,
            [this, environment](QDBusPendingCallWatcher* answer) {
                answer->deleteLater();
                useService(answer->isError() ? firstServiceAfterPortal(environment, this)
                                             : new PortalShortcuts(environment.bus, AppId, this));
            });
}

void GlobalShortcuts::useService(ShortcutBackend* found) {
    searching = false;
    backend = found;
    if (backend) {
        connect(backend, &ShortcutBackend::activated, this, &GlobalShortcuts::activated);
        connect(backend, &ShortcutBackend::statusChanged, this, &GlobalShortcuts::backendAnswered);
    }
    const auto waiting = std::exchange(bindings, {});
    for (auto binding = waiting.cbegin(); binding != waiting.cend(); ++binding) {
        bind(binding.key(), binding->keys);
        emit statusChanged(binding.key());
    }
    emit serviceFound();
}

QString GlobalShortcuts::serviceName() const {
    return backend ? backend->name() : QString();
}

ShortcutStatus GlobalShortcuts::bind(const QString& command, const QKeySequence& keys) {
    unbind(command);
    if (keys.isEmpty())
        return {};
    const QString holder = commandOf(keys);
    ShortcutStatus status;
    if (!isOneKey(keys))
        status = {ShortcutStatus::Unsupported,
                  tr("A global key is one key, with or without Ctrl, Alt, Shift or Meta.")};
    else if (!holder.isEmpty())
        status = {ShortcutStatus::Taken, tr("Already the key of \"%1\".").arg(holder)};
    else if (searching)
        status = {ShortcutStatus::Pending,
                  tr("Looking for the desktop's service for global keys.")};
    else if (!backend)
        status = {ShortcutStatus::Unsupported,
                  tr("This desktop lets no program take global keys. Bind a key in the "
                     "desktop's own keyboard settings to a command line such as "
                     "\"parlanda --walk\" instead.")};
    else
        status = backend->bind(command, keys[0]);
    bindings.insert(command, {keys, status});
    return status;
}

void GlobalShortcuts::unbind(const QString& command) {
    if (bindings.remove(command) && backend)
        backend->unbind(command);
}

QKeySequence GlobalShortcuts::keys(const QString& command) const {
    return bindings.value(command).keys;
}

ShortcutStatus GlobalShortcuts::status(const QString& command) const {
    return bindings.value(command).status;
}

QString GlobalShortcuts::commandOf(const QKeySequence& keys) const {
    for (auto binding = bindings.cbegin(); binding != bindings.cend(); ++binding)
        if (binding.value().keys == keys)
            return binding.key();
    return {};
}

void GlobalShortcuts::backendAnswered(const QString& command, const ShortcutStatus& status) {
    auto binding = bindings.find(command);
    if (binding == bindings.end())
        return;
    binding->status = status;
    emit statusChanged(command);
}

QStringList GlobalShortcuts::load(const QString& appName) {
    QStringList problems;
    for (const QString& command : GlobalShortcutCommands()) {
        const QString text = GetSetting(appName, Section, command, QString()).trimmed();
        const QKeySequence keys = QKeySequence::fromString(text, QKeySequence::PortableText);
        const bool valid = text.isEmpty() || isOneKey(keys);
        bind(command, valid ? keys : QKeySequence());
        if (!valid)
            problems << tr("The global key \"%1\" of \"%2\" is not a key; the command has "
                           "no global key.")
                            .arg(text, command);
    }
    return problems;
}

void GlobalShortcuts::save(const QString& appName) const {
    SettingsBatch batch(appName);
    for (const QString& command : GlobalShortcutCommands())
        SaveSetting(appName, Section, command, keys(command).toString(QKeySequence::PortableText));
}
