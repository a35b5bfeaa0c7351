// Through the real PulseAudio output, recorded off the null sink: exact frames, true codes.
#include "MonitorRecorder.h"
#include "SoundFiles.h"
#include "audio/MediaControl.h"
#include "audio/PulseAudioOutput.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

constexpr qint32 FileMs = 3000;
constexpr auto frameOf = MonitorRecorder::frameOf;
using Codes = QList<QVariantList>; // the done notifications' codes

class MediaControlPulsePlayback : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    MediaControl media{std::make_unique<PulseAudioOutput>()};
    QSignalSpy done{&media, &MediaControl::done};
    MonitorRecorder capture;
    QList<MonitorRecorder::HeardRun> heard;

    // Each frame from `first` on is heard once, in order, and on time: no step of sound
    // falls silent for a millisecond.
    void stopListeningFrom(qint64 first) {
        capture.stop();
        heard = capture.heardRuns();
        QCOMPARE(heard.size(), 1);
        QCOMPARE(heard[0].first, first);
        QCOMPARE(capture.undecodableFrames(), 0);
        for (const MonitorRecorder::HeardStep& step : capture.heardSteps())
            QCOMPARE(step.silentBlocks, 0);
    }

private slots:
    void initTestCase() {
        if (MonitorRecorder::sinkRate() != MonitorRecorder::SampleRate)
            QSKIP("frame codes are heard exactly only through a 44.1 kHz sink");
        QVERIFY(writeIndexedWav(folder.filePath("tape.wav"), frameOf(FileMs)));
        // Lossless, so that the whole decode is the indexed frames, through FFmpeg's decoder.
        runFfmpeg({"-i", folder.filePath("tape.wav"), "-c:a", "alac", folder.filePath("tape.m4a")});
    }

    void init() {
        const bool m4a = QString(QTest::currentDataTag()).startsWith("M4A");
        media.open(folder.filePath(m4a ? "tape.m4a" : "tape.wav"));
        done.clear();
        QVERIFY2(capture.start(), qPrintable(capture.errorString()));
    }

    void cleanup() { capture.stop(); }

    void rangesAreHeardExactly_data() {
        QTest::addColumn<qint32>("fromMs");
        QTest::addColumn<qint32>("toMs");
        QTest::addColumn<qint32>("pauseAfterMs"); // 0: not paused
        QTest::newRow("odd milliseconds") << 7 << 333 << 0;
        QTest::newRow("past the end") << FileMs - 300 << FileMs + 5000 << 0;
        QTest::newRow("paused and resumed") << 500 << 1100 << 200;
        QTest::newRow("M4A, odd milliseconds") << 1207 << 1733 << 0;
    }

    void rangesAreHeardExactly() {
        QFETCH(qint32, fromMs);
        QFETCH(qint32, toMs);
        QFETCH(qint32, pauseAfterMs);
        media.playRange(fromMs, toMs, true);
        if (pauseAfterMs > 0) {
            QTest::qWait(pauseAfterMs);
            media.togglePause();
            QTest::qWait(300);
            media.togglePause();
        }
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 5000);
        QCOMPARE(media.position(), std::min(toMs, FileMs));
        QTest::qWait(100);
        QCOMPARE(Codes(done), Codes{{MediaControl::NotifySuccessful}}); // once
        stopListeningFrom(frameOf(fromMs));
        QCOMPARE(heard[0].last, frameOf(std::min(toMs, FileMs)) - 1);
        if (pauseAfterMs > 0) // the pause is heard as silence between the first and last frame
            QCOMPARE_GE(heard[0].captureEnd - heard[0].captureBegin,
                        frameOf(toMs - fromMs) + frameOf(250));
        else // and a range lasts its length
            QCOMPARE_LE(std::abs(capture.heardSteps().value(0).lengthMs() -
                                 (std::min(toMs, FileMs) - fromMs)),
                        2.0);
    }

    // Each range is heard from its first frame: nothing of a range that was ended follows
    // it, before the next one.
    void endedRangesNeverReportSuccess() {
        using enum MediaControl::NotifyCode;
        media.playRange(500, 800, true);
        QTest::qWait(200);
        media.stop();
        const qint64 stoppedAt = frameOf(media.position());
        media.playRange(1000, 1300, true);
        QTest::qWait(100);
        media.playRange(2000, 2100, true); // only this one is heard to its end
        QTest::qWait(400);                 // past the end of every range, the stopped one too
        QCOMPARE(Codes(done), (Codes{{NotifyAborted}, {NotifySuperseded}, {NotifySuccessful}}));
        capture.stop();
        heard = capture.heardRuns();
        QList<qint64> firstFrames;
        for (const MonitorRecorder::HeardRun& run : heard)
            firstFrames << run.first;
        QCOMPARE(firstFrames, (QList<qint64>{frameOf(500), frameOf(1000), frameOf(2000)}));
        QCOMPARE_LE(std::abs(stoppedAt - heard[0].last - 1), 45); // 1 ms: cut at once
        QCOMPARE(heard.last().last, frameOf(2100) - 1);
    }
};

QTEST_GUILESS_MAIN(MediaControlPulsePlayback)
#include "media_control_pulse_playback.moc"
