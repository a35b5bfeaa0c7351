// Plays indexed WAV files with paplay into the null sink and checks that the capture
// decodes to exactly the frames played: the proof that PulseCapture and the indexed
// files can judge sample-exact playback.
#include "support/PulseCapture.h"
#include "support/TestWav.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class IndexedWavCapture : public QObject {
    Q_OBJECT

private slots:
    void heardRunsAreTheFramesPlayed();
};

namespace {

void play(const QString& path) {
    QProcess player;
    player.start("paplay", {"--device=test", path});
    QVERIFY2(player.waitForFinished(30000), qPrintable(player.errorString()));
    QCOMPARE(player.exitCode(), 0);
}

} // namespace

void IndexedWavCapture::heardRunsAreTheFramesPlayed() {
    QTemporaryDir folder;
    // Past the first 32767 frames, so that both halves of the code are exercised.
    constexpr qint64 first = 70000;
    constexpr qint64 second = 22050;
    const QString longFile = folder.filePath("long.wav");
    const QString shortFile = folder.filePath("short.wav");
    QVERIFY(writeIndexedWav(longFile, first));
    QVERIFY(writeIndexedWav(shortFile, second));

    PulseCapture capture;
    QElapsedTimer startup;
    startup.start();
    QVERIFY2(capture.start(), qPrintable(capture.errorString()));
    qInfo("recorder ready after %lld ms", startup.elapsed());
    play(longFile);
    QTest::qWait(300);
    play(shortFile);
    QTest::qWait(100);
    capture.stop();

    const QList<PulseCapture::HeardRun> runs = capture.heardRuns();
    QCOMPARE(runs.size(), 2);
    QCOMPARE(runs[0].first, 0);
    QCOMPARE(runs[0].last, first - 1);
    QCOMPARE(runs[1].first, 0);
    QCOMPARE(runs[1].last, second - 1);
    QVERIFY2(PulseCapture::gapMs(runs[0], runs[1]) >= 300,
             qPrintable(QString::number(PulseCapture::gapMs(runs[0], runs[1]))));
    QCOMPARE(capture.undecodableFrames(), 0);
    QVERIFY(capture.capturedFrames() > first + second);
}

QTEST_GUILESS_MAIN(IndexedWavCapture)
#include "indexed_wav_capture.moc"
