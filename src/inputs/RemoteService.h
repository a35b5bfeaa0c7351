#pragma once

#include "player/PlayerController.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

// The running player on the session bus: org.parlanda.Parlanda at /org/parlanda/Parlanda,
// one method per command (named as the command without spaces: "Walk", "PreviousStep"
// ... "PlayPause", "CopyTimeStamp", which answers with the stamp it copied) and
// Open(path). The command-line remote of a second start calls it.
class RemoteService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.parlanda.Parlanda1")
public:
    static const QString ServiceName;
    static const QString ObjectPath;
    static const QString InterfaceName;

    static QString methodName(PlayerController::Command command);

    explicit RemoteService(PlayerController& player, QObject* parent = nullptr);
    // Takes name (the service name unless told) on bus: false when another player holds
    // it or the bus refuses, so that only one player runs per session.
    static bool claimName(QDBusConnection bus, const QString& name = ServiceName);
    // Publishes the object on bus; false when it cannot.
    bool publish(QDBusConnection bus);

public slots:
    Q_SCRIPTABLE void Walk() { player.run(PlayerController::Command::Walk); }
    Q_SCRIPTABLE void PreviousStep() { player.run(PlayerController::Command::PreviousStep); }
    Q_SCRIPTABLE void CurrentStep() { player.run(PlayerController::Command::CurrentStep); }
    Q_SCRIPTABLE void NextStep() { player.run(PlayerController::Command::NextStep); }
    Q_SCRIPTABLE void JumpBack() { player.run(PlayerController::Command::JumpBack); }
    Q_SCRIPTABLE void Stop() { player.run(PlayerController::Command::Stop); }
    Q_SCRIPTABLE void Play() { player.run(PlayerController::Command::Play); }
    Q_SCRIPTABLE void JumpForward() { player.run(PlayerController::Command::JumpForward); }
    Q_SCRIPTABLE void PlayPause() { player.run(PlayerController::Command::PlayPause); }
    Q_SCRIPTABLE void Slower() { player.run(PlayerController::Command::Slower); }
    Q_SCRIPTABLE void Faster() { player.run(PlayerController::Command::Faster); }
    Q_SCRIPTABLE void NormalSpeed() { player.run(PlayerController::Command::NormalSpeed); }
    Q_SCRIPTABLE QString CopyTimeStamp() { return player.copyTimeStamp(); }
    // Opens path (absolute: the caller's working folder is not the player's) and asks
    // for the window to come forward; an empty path only does the latter.
    Q_SCRIPTABLE void Open(const QString& path);

signals:
    void raiseRequested();

private:
    PlayerController& player;
};

// Opens path once the bus call that asked for it has been answered: a file that cannot
// be opened is reported in a message box, which must not keep the caller waiting.
void openAfterReply(PlayerController& player, const QString& path);

// The remote's side: what became of a command sent to the running player.
struct RemoteReply {
    enum class Outcome { Sent, NotRunning, NoBus, Failed };
    Outcome outcome = Outcome::Sent;
    QString error;  // the bus's own words, for Failed
    QString answer; // the text a command answers with, for Sent
};

// Calls method (with args) on the running player and waits at most a few seconds for
// its answer.
RemoteReply callRunningPlayer(const QString& method, const QVariantList& args = {});
