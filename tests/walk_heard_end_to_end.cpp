// A walk heard through PulseAudio: exactly its windows, silent rests between, then nothing.
#include "player/PlayerController.h"
#include "support/PulseCapture.h"
#include "support/TestWav.h"

#include <QTemporaryDir>
#include <QTest>

using Run = PulseCapture::HeardRun;

// Each step heard as its first and last run of frames: a run that continues the previous
// one frame for frame belongs to the same step (the sink may run dry for a moment).
static QList<std::pair<Run, Run>> heardSteps(const QList<Run>& runs) {
    QList<std::pair<Run, Run>> steps;
    for (const Run& run : runs) {
        if (!steps.isEmpty() && run.first == steps.last().second.last + 1)
            steps.last().second = run;
        else
            steps.append({run, run});
    }
    return steps;
}

static qint64 frameOf(qint32 ms) {
    return qint64(ms) * PulseCapture::SampleRate / 1000;
}

class WalkHeardEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void walkIsHeardAsItsWindowsWithRestsBetween() {
        QTemporaryDir folder;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
        QVERIFY(writeIndexedWav(folder.filePath("walk.wav"), frameOf(2500)));
        PlayerController player;
        QVERIFY2(player.outputAvailable(), "no PulseAudio (run under with-pulse)");
        QVERIFY(player.openFile(folder.filePath("walk.wav")));
        player.setStep(1000);
        player.setOffset(400);
        player.setPause(300);

        PulseCapture capture;
        QVERIFY2(capture.start(), qPrintable(capture.errorString()));
        player.walk();
        QTRY_VERIFY_WITH_TIMEOUT(
            !player.walking() && player.state() == PlayerController::State::Idle, 15000);
        QTest::qWait(500); // and then silence
        capture.stop();

        const QList<qint32> starts{0, 400, 800, 1200, 1500}; // the last clamped to the end
        const auto heard = heardSteps(capture.heardRuns());
        QCOMPARE(heard.size(), starts.size());
        for (qsizetype i = 0; i < starts.size(); ++i) {
            QCOMPARE(heard[i].first.first, frameOf(starts[i]));
            QCOMPARE(heard[i].second.last + 1, frameOf(starts[i] + 1000));
            if (i > 0) // a rest of Pause 300 ms, within 250 to 400 ms
                QVERIFY(qAbs(PulseCapture::gapMs(heard[i - 1].second, heard[i].first) - 325) < 75);
        }
        QCOMPARE(capture.undecodableFrames(), 0);
    }
};

QTEST_MAIN(WalkHeardEndToEnd)
#include "walk_heard_end_to_end.moc"
