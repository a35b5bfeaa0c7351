#pragma once

#include "inputs/ShortcutBackend.h"

#include <QDBusConnection>
#include <QHash>
#include <QKeySequence>
#include <QStringList>

// The commands a global key can give, named as the settings file names them. A command
// added here gets its key field, its stored key and its binding everywhere.
const QStringList& GlobalShortcutCommands();

// Where the program looks for global shortcut services.
struct ShortcutEnvironment {
    QDBusConnection bus;
    QByteArray display; // the X display; empty when there is none
    bool wayland = false;
    // The session bus and the display of the process.
    static ShortcutEnvironment current();
};

// Keys that give a command while another program has the focus. The first service found
// delivers them: the desktop portal, KDE's global shortcuts, then X11 key grabs (never on
// a Wayland desktop, where they would only see keys typed into X programs). A key stays
// the command's key whatever its status, so a key taken today is tried again next time.
class GlobalShortcuts : public QObject {
    Q_OBJECT
public:
    explicit GlobalShortcuts(QObject* parent = nullptr);
    explicit GlobalShortcuts(const ShortcutEnvironment& environment, QObject* parent = nullptr);

    // The service that delivers the keys as the user knows it; empty when there is none
    // or while it is being looked for (until serviceFound).
    QString serviceName() const;
    bool isSearching() const { return searching; }
    // Takes keys for the command in place of its former key; empty keys unbind it. A
    // Pending status changes later, told by statusChanged.
    ShortcutStatus bind(const QString& command, const QKeySequence& keys);
    void unbind(const QString& command);
    QKeySequence keys(const QString& command) const;
    ShortcutStatus status(const QString& command) const;

    // Binds the keys stored in the section "Global Keys". A value that is not one key
    // combination binds nothing; the answer holds a message for each such value.
    QStringList load(const QString& appName);
    // Stores every command's key; a write that failed shows in SettingsWriteFailed.
    void save(const QString& appName) const;

signals:
    void activated(const QString& command);
    void statusChanged(const QString& command);
    // The search for a service has ended; keys bound meanwhile have their status now.
    void serviceFound();

private:
    struct Binding {
        QKeySequence keys;
        ShortcutStatus status;
    };

    void useService(ShortcutBackend* found);
    void backendAnswered(const QString& command, const ShortcutStatus& status);
    // The command already bound to keys; empty when none.
    QString commandOf(const QKeySequence& keys) const;

    ShortcutBackend* backend = nullptr;
    bool searching = false;
    QHash<QString, Binding> bindings;
};
