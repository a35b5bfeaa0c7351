#include "remote/RemoteFigures.h"

#include "inputs/RemoteService.h"
#include "walk/WalkBench.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <cstdio>

void printRemoteFigures() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !RemoteService::claimName(bus)) {
        std::printf("remote: no session bus, or a player holds the name: run under "
                    "dbus-run-session\n");
        return;
    }
    WalkBench bench;
    RemoteService service(bench.player());
    MonitorRecorder recorder;
    if (!service.publish(bus) || !bench.ready() || !recorder.start()) {
        std::printf("remote: no service, sound server or recording\n");
        return;
    }
    // The remote's own connection, as a second process would have; the call is not
    // waited for, so this process's event loop can serve it.
    QDBusConnection remote =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("remote"));
    const QDBusMessage walk =
        QDBusMessage::createMethodCall(RemoteService::ServiceName, RemoteService::ObjectPath,
                                       RemoteService::InterfaceName, QStringLiteral("Walk"));
    runEvents(500);
    measureFirstSound(bench, recorder, "Walk run directly to first sound", 2000,
                      [&] { bench.player().run(PlayerController::Command::Walk); });
    measureFirstSound(bench, recorder, "D-Bus Walk call to first sound", 2000,
                      [&] { remote.send(walk); });
    recorder.stop();
    QDBusConnection::disconnectFromBus(QStringLiteral("remote"));
    bus.unregisterService(RemoteService::ServiceName);
}
