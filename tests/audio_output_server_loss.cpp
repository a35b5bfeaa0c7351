// No sound server at start, one lost mid-range, one frozen, one that never answers: ranges
// still end truthfully and nothing waits for the server.
#include "audio/MediaControl.h"
#include "support/TestWav.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class AudioOutputServerLoss : public QObject {
    Q_OBJECT

    QTemporaryDir root; // this process and its server meet here, apart from any other server

    static int sh(const QString& command) { return QProcess::execute("sh", {"-c", command}); }
    static bool serverPlays() { return sh("pactl list short sink-inputs | grep -q .") == 0; }
    static void signalServer(const QString& signal) {
        sh(QString(R"(kill -%1 $(cat "$XDG_RUNTIME_DIR/pulse/pid"))").arg(signal));
    }
    static void killServer() { // as a crashed server dies, without a goodbye
        sh(R"(cd "$XDG_RUNTIME_DIR/pulse" && kill -9 $(cat pid) && rm pid)");
    }

    // Position while the server is frozen, until the media control has given it up: it
    // never runs ahead of the sound to the range's end.
    static QList<qint32> positionsWhileFrozen(const MediaControl& media) {
        QList<qint32> positions;
        const QDeadlineTimer deadline(2000);
        while (media.outputAvailable() && !deadline.hasExpired()) {
            positions.append(media.position());
            QTest::qWait(5);
        }
        positions.append(media.position());
        return positions;
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
        playRangeToItsEnd(media, 1500, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(serverPlays(), 1000);
            QTest::qWait(200);
            signalServer("STOP");
            const QList<qint32> positions = positionsWhileFrozen(media);
            QVERIFY(!media.outputAvailable());
            QVERIFY(std::is_sorted(positions.begin(), positions.end()));
            QCOMPARE_LT(positions.last(), 1000);
        });
        signalServer("CONT");
        QCOMPARE(QList<QVariantList>(availability),
                 (QList<QVariantList>{{true}, {false}, {true}, {false}}));
    }

    void aServerThatNeverAnswersHoldsNothingUp() {
        // The kernel accepts connections to a listening socket; nobody ever answers them.
        const QByteArray path = QFile::encodeName(root.filePath("silent"));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        const int silent = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        QVERIFY(listen(silent, 4) == 0);
        qputenv("PULSE_SERVER", "unix:" + path);
        QElapsedTimer clock;
        clock.start();
        MediaControl media;
        QCOMPARE_LT(clock.elapsed(), 1000); // as fast as with no server at all
        QVERIFY(!media.outputAvailable());
        QVERIFY(media.open(root.filePath("tape.wav")));
        playRangeToItsEnd(media, 300, [] {});
        qunsetenv("PULSE_SERVER");
        close(silent);
    }
};

QTEST_GUILESS_MAIN(AudioOutputServerLoss)
#include "audio_output_server_loss.moc"
