#pragma once

#include "inputs/ShortcutBackend.h"

#include <QDBusConnection>
#include <QDBusPendingReply>
#include <QSet>

// KDE's global shortcut service. The program is one component of it; each command is one
// action of the component, registered when it gets a key.
class KdeShortcuts : public ShortcutBackend {
    Q_OBJECT
public:
    // Null when the service does not run on the bus.
    static KdeShortcuts* open(const QDBusConnection& bus, QObject* parent);
    // Leaves the keys to the service, inactive until the program registers them again.
    ~KdeShortcuts() override;

    QString name() const override;
    ShortcutStatus bind(const QString& command, QKeyCombination keys) override;
    void unbind(const QString& command) override;

private slots:
    void shortcutPressed(const QString& component, const QString& action, qlonglong time);

private:
    KdeShortcuts(const QDBusConnection& bus, QObject* parent);
    QDBusMessage serviceCall(const QString& method, const QString& command) const;
    // The service answers setShortcut with the keys it gave the action.
    static ShortcutStatus statusOf(const QDBusPendingReply<QList<int>>& reply,
                                   QKeyCombination keys);

    QDBusConnection bus;
    QSet<QString> boundCommands;
};
