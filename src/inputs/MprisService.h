#pragma once

#include "player/PlayerController.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

// MPRIS 2 (org.mpris.MediaPlayer2.parlanda at /org/mpris/MediaPlayer2): media keys,
// headset buttons, the desktop's media controls and playerctl drive the player
// through it. Raising and quitting belong to the window, so they are only signalled.
class MprisService : public QObject {
    Q_OBJECT
public:
    static const QString ServiceName;
    static const QString ObjectPath;

    explicit MprisService(PlayerController& player, QObject* parent = nullptr);
    // Publishes the object and takes the name on bus; false when either fails.
    bool publish(QDBusConnection bus);

    PlayerController& player() const { return controller; }
    // Names the open file; every file opened gets a new one, so a position meant for a
    // file opened before is recognised as stale.
    QDBusObjectPath trackId() const;
    QVariantMap metadata() const;
    QString playbackStatus() const;

signals:
    void raiseRequested();
    void quitRequested();

private:
    QVariantMap changingProperties() const;
    void announceChanges();

    PlayerController& controller;
    QDBusConnection bus{QString()};
    quint64 trackNumber = 0;
    QVariantMap announced;
};
