// Plays indexed WAV files through the real PulseAudio output into the null sink and
// records its monitor, to check that exactly the frames asked for are heard, that the
// done notification tells the truth, and that Position is exact afterwards.
#include "platform/MediaControl.h"
#include "platform/PulseAudioOutput.h"
#include "support/PulseCapture.h"
#include "support/TestWav.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class MediaControlPulsePlayback : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rangesAreHeardExactly_data();
    void rangesAreHeardExactly();
    void stoppedOrSupersededRangeNeverReportsSuccess();
    void stopPositionIsTheLastFrameHeard();
    void pauseResumesWhereItStopped();

private:
    void playRange(qint32 fromMs, qint32 toMs);
    static qint64 frameOf(qint32 ms) {
        return (qint64(ms) * PulseCapture::SampleRate + 500) / 1000;
    }

    QTemporaryDir folder;
    std::unique_ptr<MediaControl> media;
    std::unique_ptr<QSignalSpy> done;
    PulseCapture capture;
};

constexpr qint32 FileMs = 20000;

namespace {

// The frames heard, joined across silent gaps: on a loaded machine the sink may run dry
// for a moment, which delays frames but must never drop or repeat one.
struct Heard {
    qint64 first = -1;
    qint64 last = -1;
    bool inOrder = true; // every frame once, in order
    double longestGapMs = 0;
};

Heard heardFrames(const QList<PulseCapture::HeardRun>& runs) {
    Heard heard;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (i == 0) {
            heard.first = runs[i].first;
        } else {
            heard.inOrder = heard.inOrder && runs[i].first == heard.last + 1;
            heard.longestGapMs =
                std::max(heard.longestGapMs, PulseCapture::gapMs(runs[i - 1], runs[i]));
        }
        heard.last = runs[i].last;
    }
    return heard;
}

} // namespace

void MediaControlPulsePlayback::init() {
    const QString path = folder.filePath("indexed.wav");
    QVERIFY(QFile::exists(path) || writeIndexedWav(path, frameOf(FileMs)));
    media = std::make_unique<MediaControl>(std::make_unique<PulseAudioOutput>());
    QVERIFY2(media->outputAvailable(), "no PulseAudio server (run under scripts/with-pulse)");
    done = std::make_unique<QSignalSpy>(media.get(), &MediaControl::done);
    media->setFileName(path);
    media->setCommand("Open");
    QCOMPARE(media->error(), 0);
    QVERIFY2(capture.start(), qPrintable(capture.errorString()));
}

void MediaControlPulsePlayback::cleanup() {
    capture.stop();
    done.reset();
    media.reset();
}

void MediaControlPulsePlayback::playRange(qint32 fromMs, qint32 toMs) {
    media->setFrom(fromMs);
    media->setTo(toMs);
    media->setNotify(true);
    media->setCommand("Play");
    QCOMPARE(media->error(), 0);
}

void MediaControlPulsePlayback::rangesAreHeardExactly_data() {
    QTest::addColumn<qint32>("fromMs");
    QTest::addColumn<qint32>("toMs");
    QTest::addColumn<qint64>("firstFrame");
    QTest::addColumn<qint64>("lastFrame");
    QTest::newRow("walk step") << 1100 << 5100 << frameOf(1100) << frameOf(5100) - 1;
    QTest::newRow("odd milliseconds") << 7 << 333 << frameOf(7) << frameOf(333) - 1;
    QTest::newRow("before the start") << -400 << 250 << qint64(0) << frameOf(250) - 1;
    QTest::newRow("past the end") << FileMs - 300 << FileMs + 5000 << frameOf(FileMs - 300)
                                  << frameOf(FileMs) - 1;
}

void MediaControlPulsePlayback::rangesAreHeardExactly() {
    QFETCH(qint32, fromMs);
    QFETCH(qint32, toMs);
    QFETCH(qint64, firstFrame);
    QFETCH(qint64, lastFrame);
    playRange(fromMs, toMs);
    QCOMPARE(media->mode(), MediaControl::ModePlaying);
    QTRY_COMPARE_WITH_TIMEOUT(done->count(), 1, 10000);
    QCOMPARE(done->takeFirst().at(0).toInt(), int(MediaControl::NotifySuccessful));
    QCOMPARE(media->position(), std::min(toMs, FileMs));
    QCOMPARE(media->mode(), MediaControl::ModeStopped);
    QTest::qWait(100);
    QCOMPARE(done->count(), 0); // success is reported once
    capture.stop();

    const Heard heard = heardFrames(capture.heardRuns());
    QVERIFY(heard.inOrder);
    QCOMPARE(heard.first, firstFrame);
    QCOMPARE(heard.last, lastFrame);
    QCOMPARE(capture.undecodableFrames(), 0);
}

void MediaControlPulsePlayback::stoppedOrSupersededRangeNeverReportsSuccess() {
    playRange(1000, 3000);
    QTest::qWait(300);
    media->setWait(true);
    media->setCommand("Stop");
    QTRY_COMPARE(done->count(), 1);
    QCOMPARE(done->takeFirst().at(0).toInt(), int(MediaControl::NotifyAborted));

    playRange(3000, 5000);
    QTest::qWait(200);
    media->setTo(8000);
    media->setWait(true);
    media->setCommand("Seek");
    QCOMPARE(media->position(), 8000);
    QTRY_COMPARE(done->count(), 1);
    QCOMPARE(done->takeFirst().at(0).toInt(), int(MediaControl::NotifySuperseded));

    playRange(5000, 5150);
    QTest::qWait(20);
    playRange(6000, 6100); // supersedes the first; only the second is heard to its end
    QTRY_COMPARE(done->count(), 2);
    QCOMPARE(done->at(0).at(0).toInt(), int(MediaControl::NotifySuperseded));
    QCOMPARE(done->at(1).at(0).toInt(), int(MediaControl::NotifySuccessful));
    QTest::qWait(2200); // longer than any of the ranges: no late success
    QCOMPARE(done->count(), 2);
}

void MediaControlPulsePlayback::stopPositionIsTheLastFrameHeard() {
    playRange(2000, 9000);
    QTest::qWait(400);
    media->setWait(true);
    media->setCommand("Stop");
    const qint32 position = media->position();
    QCOMPARE(media->mode(), MediaControl::ModeStopped);
    QTest::qWait(50);
    capture.stop();
    const Heard heard = heardFrames(capture.heardRuns());
    QVERIFY(heard.inOrder);
    QCOMPARE(heard.first, frameOf(2000));
    QVERIFY2(heard.last - heard.first > frameOf(200), "too little was heard before Stop");
    // Position is in whole milliseconds: the last frame heard lies within that millisecond.
    const qint32 lastHeardMs =
        qint32(std::lround((heard.last + 1) * 1000.0 / PulseCapture::SampleRate));
    QVERIFY2(
        std::abs(position - lastHeardMs) <= 1,
        qPrintable(
            QStringLiteral("Position %1 ms, last heard %2 ms").arg(position).arg(lastHeardMs)));
}

void MediaControlPulsePlayback::pauseResumesWhereItStopped() {
    playRange(500, 1500);
    QTest::qWait(300);
    media->setCommand("pause");
    QCOMPARE(media->mode(), MediaControl::ModePaused);
    const qint32 pausedAt = media->position();
    QTest::qWait(300);
    QCOMPARE(media->position(), pausedAt);
    media->setCommand("pause");
    QCOMPARE(media->mode(), MediaControl::ModePlaying);
    QTRY_COMPARE_WITH_TIMEOUT(done->count(), 1, 5000);
    QCOMPARE(done->at(0).at(0).toInt(), int(MediaControl::NotifySuccessful));
    QCOMPARE(media->position(), 1500);
    capture.stop();
    // Paused and resumed, the range is heard with a gap, each frame exactly once.
    const Heard heard = heardFrames(capture.heardRuns());
    QVERIFY(heard.inOrder);
    QCOMPARE(heard.first, frameOf(500));
    QCOMPARE(heard.last, frameOf(1500) - 1);
    QVERIFY2(heard.longestGapMs >= 250, qPrintable(QString::number(heard.longestGapMs)));
}

QTEST_GUILESS_MAIN(MediaControlPulsePlayback)
#include "media_control_pulse_playback.moc"
