// A walk played through the real PulseAudio output into the null sink, recorded from its
// monitor: the frames heard must be exactly the walk's windows, one after another with a
// rest of silence between them, and nothing after the last one.
#include "app/frmMain.h"
#include "platform/AudioOutput.h"
#include "platform/MediaControl.h"
#include "support/PulseCapture.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWav.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// Frames heard back to back, joined across a sink that ran dry for a moment: a stretch
// that continues the previous one frame for frame belongs to the same step.
struct HeardStep {
    qint64 first = 0;
    qint64 end = 0; // one past the last frame
    qint64 captureStart = 0;
    qint64 captureEnd = 0;
};

QList<HeardStep> heardSteps(const QList<PulseCapture::HeardRun>& runs) {
    QList<HeardStep> steps;
    for (const PulseCapture::HeardRun& run : runs) {
        if (!steps.isEmpty() && run.first == steps.last().end) {
            steps.last().end = run.last + 1;
            steps.last().captureEnd = run.captureEnd();
        } else {
            steps.append({run.first, run.last + 1, run.captureOffset, run.captureEnd()});
        }
    }
    return steps;
}

qint64 frameOf(qint32 ms) {
    return qint64(ms) * PulseCapture::SampleRate / 1000;
}

} // namespace

class WalkHeardEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void walkIsHeardAsItsWindowsWithRestsBetween();

private:
    QTemporaryDir folder;
};

void WalkHeardEndToEnd::initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
}

void WalkHeardEndToEnd::walkIsHeardAsItsWindowsWithRestsBetween() {
    constexpr qint32 lengthMs = 2500;
    constexpr qint32 pauseMs = 300;
    const QString path = folder.filePath("walk.wav");
    QVERIFY(writeIndexedWav(path, frameOf(lengthMs)));
    ScriptedDialogs prompts;
    ScopedDialogs promptsInUse(prompts);
    frmMain window;
    QVERIFY2(window.mciWave().outputAvailable(),
             "no PulseAudio server (run under scripts/with-pulse)");
    QVERIFY(window.OpenAudioFile(path));
    window.setStep(1000);
    window.setOffset(400);
    window.setPause(pauseMs);
    window.mnuLoopItem_Click(1);

    PulseCapture capture;
    QVERIFY2(capture.start(), qPrintable(capture.errorString()));
    window.cmdLoop_Click(0);
    QTRY_VERIFY_WITH_TIMEOUT(!window.walking() && !window.resting() &&
                                 window.mciWave().mode() != MediaControl::ModePlaying,
                             15000);
    QTest::qWait(500); // and then silence
    capture.stop();

    const QList<std::pair<qint32, qint32>> windows{
        {0, 1000}, {400, 1400}, {800, 1800}, {1200, 2200}, {1500, 2500}};
    const QList<HeardStep> heard = heardSteps(capture.heardRuns());
    QCOMPARE(heard.size(), windows.size());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QCOMPARE(heard[i].first, frameOf(windows[i].first));
        QCOMPARE(heard[i].end, frameOf(windows[i].second));
        if (i > 0) {
            const double gap =
                PulseCapture::framesToMs(heard[i].captureStart - heard[i - 1].captureEnd);
            QVERIFY2(gap > pauseMs - 50 && gap < pauseMs + 100, qPrintable(QString::number(gap)));
        }
    }
    QCOMPARE(capture.undecodableFrames(), 0);
}

QTEST_MAIN(WalkHeardEndToEnd)
#include "walk_heard_end_to_end.moc"
