#include "inputs/MprisService.h"

#include "inputs/RemoteService.h"

#include "audio/AudioFormats.h"
#include "settings/modSettings.h"

#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFileInfo>
#include <QUrl>

#include <cmath>

namespace {

using Command = PlayerController::Command;
using State = PlayerController::State;

const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

qlonglong microseconds(qint64 ms) {
    return qlonglong(ms) * 1000;
}

} // namespace

// org.mpris.MediaPlayer2: who the player is and what it opens.
class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ yes)
    Q_PROPERTY(bool CanRaise READ yes)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ uriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ mimeTypes)
public:
    explicit MprisRootAdaptor(MprisService* service)
        : QDBusAbstractAdaptor(service), service(service) {}

    bool yes() const { return true; }
    bool no() const { return false; }
    QString identity() const { return QStringLiteral("Parlanda"); }
    QString desktopEntry() const { return QStringLiteral("org.parlanda.Parlanda"); }
    QStringList uriSchemes() const { return {QStringLiteral("file")}; }
    // The types the desktop entry offers to open.
    QStringList mimeTypes() const {
        QStringList types;
        for (const AudioFileType& type : openableFileTypes())
            types << type.mimeType;
        return types;
    }

public slots:
    void Raise() { emit service->raiseRequested(); }
    void Quit() { emit service->quitRequested(); }

private:
    MprisService* service;
};

// org.mpris.MediaPlayer2.Player: the transport. Next and Previous are the steps.
class MprisPlayerAdaptor : public QDBusAbstractAdaptor, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(double MinimumRate READ minimumRate)
    Q_PROPERTY(double MaximumRate READ maximumRate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ isOpen)
    Q_PROPERTY(bool CanGoPrevious READ isOpen)
    Q_PROPERTY(bool CanPlay READ isOpen)
    Q_PROPERTY(bool CanPause READ isOpen)
    Q_PROPERTY(bool CanSeek READ isOpen)
    Q_PROPERTY(bool CanControl READ canControl)
public:
    explicit MprisPlayerAdaptor(MprisService* service)
        : QDBusAbstractAdaptor(service), service(service), player(service->player()) {
        connect(&player, &PlayerController::positionJumped, this,
                [this](qint64 ms) { emit Seeked(microseconds(ms)); });
    }

    QString playbackStatus() const { return service->playbackStatus(); }
    // The playback speed: 1.0 is the recording's own.
    double rate() const { return player.settings().speed / 100.0; }
    double minimumRate() const { return SlowestSpeed / 100.0; }
    double maximumRate() const { return FastestSpeed / 100.0; }
    // A rate of 0 asks for a pause; any other is the nearest speed the player offers.
    void setRate(double rate) {
        if (rate <= 0)
            Pause();
        else
            player.setSpeed(int(std::lround(rate * 100)));
    }
    QVariantMap metadata() const { return service->metadata(); }
    qlonglong position() const { return microseconds(player.position()); }
    bool isOpen() const { return player.isOpen(); }
    bool canControl() const { return true; }

public slots:
    void Next() { player.run(Command::NextStep); }
    void Previous() { player.run(Command::PreviousStep); }
    void PlayPause() { player.run(Command::PlayPause); }
    void Stop() { player.run(Command::Stop); }
    // Resumes a pause; starts playing when nothing sounds.
    void Play() {
        if (player.state() == State::Paused)
            player.run(Command::PlayPause);
        else if (player.state() == State::Idle)
            player.run(Command::Play);
    }
    // Pauses what sounds; a walk between two steps has nothing to pause, so it stops.
    void Pause() {
        if (player.state() == State::Playing || player.state() == State::Stepping)
            player.run(Command::PlayPause);
        else if (player.state() == State::Resting)
            player.run(Command::Stop);
    }
    void Seek(qlonglong offset) {
        const qint64 target = player.position() + offset / 1000;
        player.seek(std::clamp<qint64>(target, 0, player.length()));
    }
    // A position for another file than the one open now, or outside it, is ignored.
    void SetPosition(const QDBusObjectPath& track, qlonglong position) {
        const qint64 ms = position / 1000;
        if (track == service->trackId() && player.isOpen() && ms >= 0 && ms <= player.length())
            player.seek(ms);
    }
    void OpenUri(const QString& uri) {
        const QUrl url(uri);
        if (url.isLocalFile())
            openAfterReply(player, url.toLocalFile());
        else
            sendErrorReply(QDBusError::NotSupported,
                           tr("Parlanda opens only local files (file:// addresses)."));
    }

signals:
    void Seeked(qlonglong Position);

private:
    MprisService* service;
    PlayerController& player;
};

const QString MprisService::ServiceName = QStringLiteral("org.mpris.MediaPlayer2.parlanda");
const QString MprisService::ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");

MprisService::MprisService(PlayerController& player, QObject* parent)
    : QObject(parent), controller(player) {
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    connect(&player, &PlayerController::fileOpened, this, [this] {
        ++trackNumber;
        announceChanges();
    });
    connect(&player, &PlayerController::fileClosed, this, &MprisService::announceChanges);
    connect(&player, &PlayerController::stateChanged, this, &MprisService::announceChanges);
    connect(&player, &PlayerController::speedChanged, this, &MprisService::announceChanges);
    announced = changingProperties();
}

bool MprisService::publish(QDBusConnection connection) {
    bus = connection;
    return bus.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors) &&
           RemoteService::claimName(bus, ServiceName);
}

QDBusObjectPath MprisService::trackId() const {
    if (!controller.isOpen())
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    return QDBusObjectPath(QStringLiteral("/org/parlanda/Parlanda/track/%1").arg(trackNumber));
}

QVariantMap MprisService::metadata() const {
    QVariantMap data{{QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId())}};
    if (!controller.isOpen())
        return data;
    data.insert(QStringLiteral("mpris:length"), microseconds(controller.length()));
    data.insert(QStringLiteral("xesam:title"), QFileInfo(controller.fileName()).fileName());
    data.insert(QStringLiteral("xesam:url"),
                QUrl::fromLocalFile(controller.fileName()).toString(QUrl::FullyEncoded));
    return data;
}

// A walk sounds as one play to the outside, its rests included.
QString MprisService::playbackStatus() const {
    switch (controller.state()) {
    case State::Playing:
    case State::Stepping:
    case State::Resting:
        return QStringLiteral("Playing");
    case State::Paused:
        return QStringLiteral("Paused");
    case State::Idle:
        break;
    }
    return QStringLiteral("Stopped");
}

// The properties that change with the player; the others are fixed, and Position is
// read when wanted and announced only by Seeked.
QVariantMap MprisService::changingProperties() const {
    const bool open = controller.isOpen();
    return {
        {QStringLiteral("PlaybackStatus"), playbackStatus()},
        {QStringLiteral("Rate"), controller.settings().speed / 100.0},
        {QStringLiteral("Metadata"), metadata()},
        {QStringLiteral("CanGoNext"), open},
        {QStringLiteral("CanGoPrevious"), open},
        {QStringLiteral("CanPlay"), open},
        {QStringLiteral("CanPause"), open},
        {QStringLiteral("CanSeek"), open},
    };
}

void MprisService::announceChanges() {
    const QVariantMap now = changingProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    announced = now;
    if (changed.isEmpty() || !bus.isConnected())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    bus.send(signal);
}

#include "MprisService.moc"
