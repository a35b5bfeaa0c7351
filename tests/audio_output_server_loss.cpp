// No sound server at start, one lost mid-range, one back: ranges still end truthfully.
#include "audio/MediaControl.h"
#include "support/TestWav.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class AudioOutputServerLoss : public QObject {
    Q_OBJECT

    QTemporaryDir root; // this process and its server meet here, apart from any other server

    static int sh(const QString& command) { return QProcess::execute("sh", {"-c", command}); }
    static bool serverPlays() { return sh("pactl list short sink-inputs | grep -q .") == 0; }
    static void killServer() { // as a crashed server dies, without a goodbye
        sh(R"(cd "$XDG_RUNTIME_DIR/pulse" && kill -9 $(cat pid) && rm pid)");
    }

    void startServer(const MediaControl& media) {
        QVERIFY(sh("pulseaudio --daemonize -n --load=module-native-protocol-unix "
                   "--load='module-null-sink norewinds=1'") == 0);
        QTRY_VERIFY_WITH_TIMEOUT(media.outputAvailable(), 5000);
    }

    void playRangeToItsEnd(MediaControl& media, qint32 toMs, const std::function<void()>& midway) {
        QSignalSpy done(&media, &MediaControl::done);
        media.playRange(0, toMs, true);
        midway();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, toMs + 5000);
        QCOMPARE(done.at(0).at(0).toInt(), int(MediaControl::NotifySuccessful));
        QCOMPARE(media.position(), toMs);
    }

private slots:
    void initTestCase() {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.path()));
        qputenv("HOME", QFile::encodeName(root.path()));
        qunsetenv("PULSE_SERVER");
        QVERIFY(writeIndexedWav(root.filePath("tape.wav"), 44100 * 2));
    }

    void cleanupTestCase() { killServer(); }

    void playsOnThroughServerLossAndReturn() {
        MediaControl media; // the real output: no server yet
        QSignalSpy availability(&media, &MediaControl::outputAvailableChanged);
        QVERIFY(!media.outputAvailable());
        media.open(root.filePath("tape.wav"));
        playRangeToItsEnd(media, 300, [] {});
        startServer(media);
        playRangeToItsEnd(media, 1200, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(serverPlays(), 1000);
            QTest::qWait(200);
            killServer();
            QTRY_VERIFY_WITH_TIMEOUT(!media.outputAvailable(), 1000);
        });
        startServer(media);
        playRangeToItsEnd(media, 500, [] { QTRY_VERIFY_WITH_TIMEOUT(serverPlays(), 1000); });
        QCOMPARE(QList<QVariantList>(availability), (QList<QVariantList>{{true}, {false}, {true}}));
    }
};

QTEST_GUILESS_MAIN(AudioOutputServerLoss)
#include "audio_output_server_loss.moc"
