// The sound server missing at start, arriving later and dying in the middle of a range:
// the media control says so, keeps time on its null output, finishes the range truthfully
// and plays through the server again once it is back. The test runs its own private
// server, apart from any other, so that it can start and kill it.
#include "platform/MediaControl.h"
#include "support/TestWav.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class AudioOutputServerLoss : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void playsOnThroughServerLossAndReturn();

private:
    bool startServer();
    void killServer();
    int playbackStreams();
    void playRangeToItsEnd(MediaControl& media, qint32 toMs, const std::function<void()>& midway);

    QTemporaryDir root;
    QProcessEnvironment environment;
};

void AudioOutputServerLoss::initTestCase() {
    QVERIFY(root.isValid());
    for (const char* folder : {"run", "home"})
        QVERIFY(QDir(root.path()).mkdir(folder));
    QFile::setPermissions(root.filePath("run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", root.filePath("run"));
    environment.insert("HOME", root.filePath("home"));
    environment.remove("PULSE_SERVER");
    // The media control of this process looks for the server in the same place.
    qputenv("XDG_RUNTIME_DIR", root.filePath("run").toLocal8Bit());
    qunsetenv("PULSE_SERVER");
    QVERIFY(writeIndexedWav(root.filePath("tape.wav"), 44100 * 5));
}

void AudioOutputServerLoss::cleanupTestCase() {
    killServer();
}

bool AudioOutputServerLoss::startServer() {
    QProcess server;
    server.setProcessEnvironment(environment);
    server.start("pulseaudio",
                 {"--daemonize=yes", "--exit-idle-time=-1", "-n", "--use-pid-file=yes",
                  "--load=module-null-sink sink_name=test norewinds=1",
                  "--load=module-native-protocol-unix"});
    return server.waitForFinished(10000) && server.exitCode() == 0;
}

void AudioOutputServerLoss::killServer() {
    QFile pidFile(root.filePath("run/pulse/pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return;
    const pid_t pid = pid_t(pidFile.readAll().trimmed().toInt());
    if (pid > 0)
        ::kill(pid, SIGKILL); // dies as a crashed server would, without a goodbye
    pidFile.close();
    pidFile.remove();
}

int AudioOutputServerLoss::playbackStreams() {
    QProcess pactl;
    pactl.setProcessEnvironment(environment);
    pactl.start("pactl", {"list", "short", "sink-inputs"});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0)
        return -1;
    return int(pactl.readAllStandardOutput().count('\n'));
}

void AudioOutputServerLoss::playRangeToItsEnd(MediaControl& media, qint32 toMs,
                                              const std::function<void()>& midway) {
    QSignalSpy done(&media, &MediaControl::done);
    media.setFrom(0);
    media.setTo(toMs);
    media.setNotify(true);
    media.setCommand("Play");
    QCOMPARE(media.error(), 0);
    midway();
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, toMs + 5000);
    QCOMPARE(done.at(0).at(0).toInt(), int(MediaControl::NotifySuccessful));
    QCOMPARE(media.position(), toMs);
}

void AudioOutputServerLoss::playsOnThroughServerLossAndReturn() {
    MediaControl media; // the real output: no server yet
    QSignalSpy availability(&media, &MediaControl::outputAvailableChanged);
    QVERIFY(!media.outputAvailable());
    media.setFileName(root.filePath("tape.wav"));
    media.setCommand("Open");
    QCOMPARE(media.error(), 0);
    playRangeToItsEnd(media, 300, [] {});

    QVERIFY(startServer());
    QTRY_VERIFY_WITH_TIMEOUT(media.outputAvailable(), 5000);
    QCOMPARE(availability.count(), 1);
    QCOMPARE(availability.at(0).at(0).toBool(), true);

    playRangeToItsEnd(media, 2000, [&] {
        QTRY_COMPARE_WITH_TIMEOUT(playbackStreams(), 1, 1000); // it plays through the server
        QTest::qWait(300);
        killServer();
        QTRY_VERIFY_WITH_TIMEOUT(!media.outputAvailable(), 1000);
        QCOMPARE(media.mode(), MediaControl::ModePlaying);
    });
    QCOMPARE(availability.last().at(0).toBool(), false);

    QVERIFY(startServer());
    QTRY_VERIFY_WITH_TIMEOUT(media.outputAvailable(), 5000);
    playRangeToItsEnd(media, 1000, [&] { QTRY_COMPARE_WITH_TIMEOUT(playbackStreams(), 1, 1000); });
}

QTEST_GUILESS_MAIN(AudioOutputServerLoss)
#include "audio_output_server_loss.moc"
