#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

// Whether a global key works, with a text a dialog can show beside the key.
struct ShortcutStatus {
    enum State {
        Unbound,     // no key asked for
        Pending,     // asked for; the desktop has not answered yet
        Registered,  // pressing the key anywhere reaches the program
        Taken,       // another program holds the key, or the desktop refused it
        Unsupported, // nothing on this desktop can deliver the key
    };
    State state = Unbound;
    QString message;
};

// One way of receiving keys pressed while another program has the focus. Keys come as
// single key combinations (one chord); the manager checks that before asking.
class ShortcutBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The service's name as the user knows it, for messages.
    virtual QString name() const = 0;
    // Takes keys for the command, replacing the key it had. Answers at once, or with
    // Pending followed by statusChanged.
    virtual ShortcutStatus bind(const QString& command, QKeyCombination keys) = 0;
    // Gives the command's key back to the desktop.
    virtual void unbind(const QString& command) = 0;

protected:
    // The answers every service gives in the same words.
    static ShortcutStatus pendingStatus();
    static ShortcutStatus registeredStatus();
    static ShortcutStatus takenStatus();

signals:
    void activated(const QString& command);
    void statusChanged(const QString& command, const ShortcutStatus& status);
};
