// A walk heard through the sound server: exactly its windows, each on time and without a
// break, silent rests between, then nothing.
#include "MonitorRecorder.h"
#include "SoundFiles.h"
#include "player/PlayerController.h"

#include <QTemporaryDir>
#include <QTest>

constexpr auto frameOf = MonitorRecorder::frameOf;

class WalkHeardEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void walkIsHeardAsItsWindowsWithRestsBetween_data() {
        QTest::addColumn<bool>("indexed"); // else a 1 kHz tone, heard at any sink rate
        QTest::newRow("frame codes") << true;
        QTest::newRow("tone") << false;
    }

    void walkIsHeardAsItsWindowsWithRestsBetween() {
        QFETCH(bool, indexed);
        if (indexed && MonitorRecorder::sinkRate() != MonitorRecorder::SampleRate)
            QSKIP("frame codes are heard exactly only through a 44.1 kHz sink");
        QTemporaryDir folder;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
        const ToneFile tone{.frames = frameOf(2500), .frequency = 1000};
        QVERIFY(indexed ? writeIndexedWav(folder.filePath("walk.wav"), frameOf(2500))
                        : writeToneFile(folder.filePath("walk.wav"), tone));
        PlayerController player;
        QVERIFY2(player.outputAvailable(), "no sound server (run under with-pulse)");
        QVERIFY(player.openFile(folder.filePath("walk.wav")));
        player.setStep(1000);
        player.setOffset(400);
        player.setPause(300);

        MonitorRecorder capture;
        QVERIFY2(capture.start(), qPrintable(capture.errorString()));
        player.walk();
        QTRY_VERIFY_WITH_TIMEOUT(
            !player.walking() && player.state() == PlayerController::State::Idle, 15000);
        QTest::qWait(500); // and then silence
        capture.stop();

        const QList<qint32> starts{0, 400, 800, 1200, 1500}; // the last clamped to the end
        const auto steps = capture.heardSteps(indexed ? std::nullopt : std::optional(1000.0));
        QCOMPARE(steps.size(), starts.size());
        for (qsizetype i = 0; i < steps.size(); ++i) {
            QCOMPARE(steps[i].silentBlocks, 0);
            QCOMPARE(steps[i].phaseJumps, 0);
            QCOMPARE_LE(qAbs(steps[i].lengthMs() - 1000), 2.0);
            if (i == 0)
                continue;
            // A rest of Pause 300 ms: never shorter (to the frame, beside PipeWire), longer
            // only where a busy machine delays the step after it.
            const double rest = MonitorRecorder::framesToMs(steps[i].first - steps[i - 1].last - 1);
            QVERIFY2(rest >= 297 && rest < 400, qPrintable(QString::number(rest)));
        }
        if (!indexed)
            return;
        const QList<MonitorRecorder::HeardRun> heard = capture.heardRuns();
        QCOMPARE(heard.size(), starts.size());
        for (qsizetype i = 0; i < starts.size(); ++i) {
            QCOMPARE(heard[i].first, frameOf(starts[i]));
            QCOMPARE(heard[i].last + 1, frameOf(starts[i] + 1000));
        }
        QCOMPARE(capture.undecodableFrames(), 0);
    }
};

QTEST_MAIN(WalkHeardEndToEnd)
#include "walk_heard_end_to_end.moc"
