#pragma once

#include "inputs/ShortcutBackend.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QHash>

class QDBusMessage;
class QDBusObjectPath;
class QTimer;

// The desktop portal's global shortcuts. The portal binds a session's keys once, all
// together, and may ask the user; so every change closes the session and opens it again
// under the same token (which lets the desktop keep what the user chose) with all keys.
class PortalShortcuts : public ShortcutBackend {
    Q_OBJECT
public:
    // Asks whether the bus has a portal offering global shortcuts: it has when the answer
    // is no error. The portal may be started on demand, so the answer may take a while.
    static QDBusPendingCall probe(const QDBusConnection& bus);
    PortalShortcuts(const QDBusConnection& bus, const QString& appId, QObject* parent);
    ~PortalShortcuts() override;

    QString name() const override;
    ShortcutStatus bind(const QString& command, QKeyCombination keys) override;
    void unbind(const QString& command) override;

private slots:
    void requestAnswered(uint code, const QVariantMap& results, const QDBusMessage& message);
    void shortcutActivated(const QDBusObjectPath& session, const QString& id, qulonglong time,
                           const QVariantMap& options);

private:
    void openSession();
    void closeSession();
    void bindAll();
    void bindingsAnswered(uint code, const QVariantMap& results);
    // Sends a portal request whose answer comes as the Response signal of its handle.
    void sendRequest(const QString& method, QVariantList arguments, QVariantMap options);
    void answerAll(const ShortcutStatus& status);

    QDBusConnection bus;
    QTimer* rebind;
    QHash<QString, QKeyCombination> keysByCommand;
    QString sessionPath;
    QString awaitedRequest; // the handle whose Response is awaited; others are stale
    int requestCount = 0;
};
