// The running player driven from outside it: a second start's command line, and MPRIS.
// The player is the real program, on the private session bus this test runs under.
#include "MonitorRecorder.h"
#include "SoundFiles.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"

#include <QtDBus>
#include <QtTest>

namespace {

const QString Mpris = QStringLiteral("org.mpris.MediaPlayer2.parlanda");
const QString MprisPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString MprisPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr auto frameOf = MonitorRecorder::frameOf;

struct Finished {
    int exitCode = -1;
    QString errors;
    QString output;
};

// Runs the program with args in folder and waits for its end.
Finished runParlanda(const QStringList& args, const QString& folder) {
    QProcess program;
    program.setWorkingDirectory(folder);
    program.start(QStringLiteral(PARLANDA_PROGRAM), args);
    if (!program.waitForFinished(10000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardError()),
            QString::fromLocal8Bit(program.readAllStandardOutput())};
}

} // namespace

class RemoteControlOfRunningPlayer : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QProcess player;
    QStringList statusesAnnounced;
    QList<qlonglong> seeks;

    // Runs a method of the player's properties: Get(name) or Set(name, value).
    QVariant properties(const QString& method, const QString& name,
                        const QVariantList& value = {}) {
        QDBusInterface properties(Mpris, MprisPath, "org.freedesktop.DBus.Properties");
        return QDBusReply<QVariant>(
                   properties.callWithArgumentList(QDBus::Block, method,
                                                   QVariantList{MprisPlayer, name} + value))
            .value();
    }
    QVariant property(const QString& name) { return properties("Get", name); }
    QVariantMap metadata() { return qdbus_cast<QVariantMap>(property(QStringLiteral("Metadata"))); }
    qint64 positionMs() { return property(QStringLiteral("Position")).toLongLong() / 1000; }
    void callMpris(const QString& method, const QVariantList& args = {}) {
        QDBusInterface mpris(Mpris, MprisPath, MprisPlayer);
        const QDBusMessage reply = mpris.callWithArgumentList(QDBus::Block, method, args);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    }
    // A command sent as a second start of the program sends it.
    void remote(const QString& option) {
        QCOMPARE(runParlanda({option}, folder.path()).exitCode, 0);
    }

private slots:
    void propertiesChanged(const QString&, const QVariantMap& changed, const QStringList&) {
        if (changed.contains(QStringLiteral("PlaybackStatus")))
            statusesAnnounced << changed.value(QStringLiteral("PlaybackStatus")).toString();
    }
    void seeked(qlonglong position) { seeks << position; }

    void initTestCase() {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no session bus (dbus-run-session)");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
        for (const auto& [key, value] :
             {std::pair{"Step", "1000"}, {"Offset", "400"}, {"Pause", "1500"}, {"Jump", "2000"}})
            QVERIFY(SaveSetting(AppName, QStringLiteral("Settings"), key, value));
        QVERIFY(writeIndexedWav(folder.filePath("a.wav"), frameOf(6000)));
        QVERIFY(writeIndexedWav(folder.filePath("b.wav"), frameOf(2000)));

        const Finished alone = runParlanda({QStringLiteral("--stop")}, folder.path());
        QCOMPARE(alone.exitCode, 1);
        QVERIFY2(alone.errors.contains("Parlanda is not running"), qPrintable(alone.errors));

        player.setProcessChannelMode(QProcess::ForwardedChannels);
        player.start(QStringLiteral(PARLANDA_PROGRAM), {folder.filePath("a.wav")});
        QTRY_COMPARE_WITH_TIMEOUT(metadata().value("xesam:url").toString(),
                                  QUrl::fromLocalFile(folder.filePath("a.wav")).toString(), 15000);
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.connect(Mpris, MprisPath, "org.freedesktop.DBus.Properties",
                            "PropertiesChanged", this,
                            SLOT(propertiesChanged(QString, QVariantMap, QStringList))));
        QVERIFY(
            bus.connect(Mpris, MprisPath, MprisPlayer, "Seeked", this, SLOT(seeked(qlonglong))));
    }

    void cleanupTestCase() {
        QDBusInterface(Mpris, MprisPath, "org.mpris.MediaPlayer2").call("Quit");
        if (!player.waitForFinished(10000))
            player.kill();
    }

    void secondProcessWalkIsHeardInTheFirst() {
        if (MonitorRecorder::sinkRate() != MonitorRecorder::SampleRate)
            QSKIP("frame codes are heard exactly only through a 44.1 kHz sink");
        MonitorRecorder capture;
        QVERIFY2(capture.start(), qPrintable(capture.errorString()));
        remote(QStringLiteral("--walk"));
        QTest::qWait(1300); // the first step, 0 to 1000 ms, and into the rest
        remote(QStringLiteral("--stop"));
        capture.stop();
        const QList<MonitorRecorder::HeardRun> runs = capture.heardRuns();
        QVERIFY(!runs.isEmpty());
        QCOMPARE(runs.first().first, 0);
        QCOMPARE(runs.last().last + 1, frameOf(1000));
    }

    // Every state shows, and is announced, as MPRIS says it: a walk's rest is playing.
    void statusFollowsPlayPauseWalkAndStop() {
        const struct {
            const char* command; // MPRIS method, or an option of the command line
            int waitMs;
            const char* status;
        } steps[] = {{"Play", 300, "Playing"},      {"Pause", 200, "Paused"},
                     {"PlayPause", 200, "Playing"}, {"Stop", 200, "Stopped"},
                     {"--walk", 1600, "Playing"}, // resting after the first step
                     {"--stop", 200, "Stopped"}};
        QStringList expected;
        QTest::qWait(300); // for the announcements of the test before
        statusesAnnounced.clear();
        for (const auto& step : steps) {
            const QString command = QString::fromLatin1(step.command);
            command.startsWith('-') ? remote(command) : callMpris(command);
            QTest::qWait(step.waitMs);
            QCOMPARE(property("PlaybackStatus").toString(), step.status);
            expected << step.status;
        }
        QCOMPARE(statusesAnnounced, expected);
    }

    // The speed from the remote and as MPRIS Rate, which a client may also set; the
    // bounds are the player's slowest and fastest.
    void speedIsTheRate() {
        // A remote option, or none: the rate set by the client.
        const std::pair<const char*, double> steps[] = {
            {"--slower", 0.9}, {"--faster", 1.0}, {nullptr, 0.5}, {"--normal-speed", 1.0}};
        for (const auto& [option, rate] : steps) {
            if (option)
                remote(QString::fromLatin1(option));
            else
                properties("Set", "Rate", {QVariant::fromValue(QDBusVariant(rate))});
            QTRY_COMPARE(property("Rate").toDouble(), rate);
        }
        QCOMPARE(property("MinimumRate").toDouble(), 0.5);
        QCOMPARE(property("MaximumRate").toDouble(), 2.0);
    }

    // A position set for the open file, Jump Forward 2000 ms on, and each announced; a
    // position for a file opened before moves nothing. Next and Previous play the step
    // after and before.
    void seeksAndStepsMoveThePosition() {
        const auto setPosition = [this](const QDBusObjectPath& track, qlonglong us) {
            callMpris(QStringLiteral("SetPosition"), {QVariant::fromValue(track), us});
        };
        seeks.clear();
        setPosition(metadata().value("mpris:trackid").value<QDBusObjectPath>(), 1000000);
        QTRY_COMPARE(seeks, QList<qlonglong>{1000000});
        remote(QStringLiteral("--jump-forward"));
        QTRY_COMPARE(seeks, (QList<qlonglong>{1000000, 3000000}));
        setPosition(QDBusObjectPath("/org/parlanda/Parlanda/track/0"), 500000);
        QTest::qWait(200);
        QCOMPARE(positionMs(), 3000);
        const std::pair<const char*, qint64> stepsAndEnds[] = {{"Next", 3400}, {"Previous", 3000}};
        for (const auto& [method, end] : stepsAndEnds) {
            callMpris(QString::fromLatin1(method));
            QTRY_COMPARE(property("PlaybackStatus").toString(), "Playing");
            QTRY_COMPARE_WITH_TIMEOUT(property("PlaybackStatus").toString(), "Stopped", 3000);
            QCOMPARE(positionMs(), end);
        }
    }

    // The stamp of the position left by the steps before, asked of the running player on
    // the bus and printed by the remote.
    void timeStampOfThePosition() {
        QCOMPARE(runParlanda({QStringLiteral("--copy-time-stamp")}, folder.path()).output,
                 "[00:00:03]\n");
    }

    void secondStartWithAFileOpensItInTheFirst() {
        QCOMPARE(runParlanda({QStringLiteral("b.wav")}, folder.path()).exitCode, 0);
        QTRY_COMPARE(metadata().value("xesam:url").toString(),
                     QUrl::fromLocalFile(folder.filePath("b.wav")).toString());
        QCOMPARE(metadata().value("mpris:length").toLongLong(), 2000000);
    }
};

QTEST_MAIN(RemoteControlOfRunningPlayer)
#include "remote_control_of_running_player.moc"
