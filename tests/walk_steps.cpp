// The walk through the null output on a clock the test drives: which windows of the file
// are played, in which order, and how commands given during a step or a rest change it.
#include "support/ManualClockWindow.h"

#include <QTest>

class WalkSteps : public QObject {
    Q_OBJECT

    // The four loop buttons by index, then the Stop button.
    enum Command { Walk, PreviousStep, CurrentStep, NextStep, Stop };

    std::unique_ptr<ManualClockWindow> fixture;
    QList<qint32> stepEnds; // the device position at each step reported heard

    frmMain& window() { return fixture->window(); }
    bool playing() { return fixture->device().mode() == MediaControl::ModePlaying; }

    // Lets up to count steps be heard, each exactly to its end, and returns the ranges the
    // device played ("from-to ..."), up to the first step that does not start in time.
    QString hearSteps(int count) {
        QStringList heard;
        const int timeoutMs = window().Pause() + 500;
        while (heard.size() < count && QTest::qWaitFor([this] { return playing(); }, timeoutMs)) {
            const qint32 from = fixture->device().position();
            const qsizetype endsBefore = stepEnds.size();
            fixture->clock().advance(window().currentStepEnd() - from);
            if (!QTest::qWaitFor([&] { return stepEnds.size() > endsBefore; }, 1000))
                break;
            heard.append(QStringLiteral("%1-%2").arg(from).arg(stepEnds.last()));
        }
        return heard.join(u' ');
    }

private slots:
    void init() {
        stepEnds.clear();
        fixture = std::make_unique<ManualClockWindow>();
        // Connected after the window's own handler, which only starts the rest: the
        // position is still where the step ended.
        connect(&fixture->device(), &MediaControl::done, this, [this](int code) {
            if (code == MediaControl::NotifySuccessful)
                stepEnds.append(fixture->device().position());
        });
        QVERIFY(fixture->openFile(30000)); // Step 4000, Offset 1100, one repetition
        window().setPause(50);
    }
    void cleanup() { fixture.reset(); }

    void walkPlaysOverlappingWindows_data() {
        QTest::addColumn<qint32>("length");
        QTest::addColumn<int>("repetitions");
        QTest::addColumn<qint32>("pause");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults, last window clamped to the end")
            << 10000 << 1 << 600
            << "0-4000 1100-5100 2200-6200 3300-7300 4400-8400 5500-9500 6000-10000";
        QTest::newRow("repetitions of the first step; a window ending at the end, then clamped")
            << 6200 << 3 << 0 << "0-4000 0-4000 0-4000 1100-5100 2200-6200 2200-6200";
        QTest::newRow("a step longer than the file plays the whole file once")
            << 3000 << 1 << 50 << "0-3000";
    }

    void walkPlaysOverlappingWindows() {
        QFETCH(qint32, length);
        QFETCH(int, repetitions);
        QFETCH(qint32, pause);
        QFETCH(QString, expected);
        QVERIFY(fixture->openFile(length, QStringLiteral("walk.wav")));
        window().setPause(pause);
        window().mnuLoopItem_Click(repetitions);
        window().cmdLoop_Click(Walk);
        QCOMPARE(hearSteps(100), expected);
        QVERIFY(!window().walking() && !window().resting());
    }

    void commandReplacesWhatWasPending_data() {
        QTest::addColumn<bool>("duringRest");
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<QString>("expected"); // the user's step, then the walk's next
        const QString next = "7100-11100 8200-12200";
        QTest::newRow("Next Step during a step") << false << QList<int>{NextStep} << next;
        QTest::newRow("Next Step during a rest") << true << QList<int>{NextStep} << next;
        QTest::newRow("Previous Step during a step")
            << false << QList<int>{PreviousStep} << "4900-8900 6000-10000";
        QTest::newRow("Current Step three times during a step")
            << false << QList<int>{CurrentStep, CurrentStep, CurrentStep}
            << "6000-10000 7100-11100";
        QTest::newRow("Stop during a step") << false << QList<int>{Stop} << QString();
        QTest::newRow("Stop during a rest") << true << QList<int>{Stop} << QString();
    }

    // A walk from 10000 first plays the window ending there; commands work from its end.
    void commandReplacesWhatWasPending() {
        QFETCH(bool, duringRest);
        QFETCH(QList<int>, commands);
        QFETCH(QString, expected);
        fixture->seekTo(10000);
        window().cmdLoop_Click(Walk);
        if (duringRest)
            QCOMPARE(hearSteps(1), "6000-10000");
        for (int command : commands) {
            if (!duringRest) { // a step heard in part; failed completions leave it pending
                QVERIFY(QTest::qWaitFor([this] { return playing(); }, 2000));
                fixture->clock().advance(1500);
                for (int code : {MediaControl::NotifySuperseded, MediaControl::NotifyAborted,
                                 MediaControl::NotifyFailure})
                    window().mciWave_Done(code);
                QVERIFY(playing() && window().stepIsPending());
            }
            command == Stop ? window().PressPlayButton(1) : window().cmdLoop_Click(command);
        }
        if (commands.contains(Stop))
            QCOMPARE(fixture->device().position(), 10000); // at the end of the interrupted step
        QTest::qWait(window().Pause() * 3);                // a rest still pending would have ended
        QCOMPARE(hearSteps(2), expected);
        QCOMPARE(window().walking(), !expected.isEmpty());
    }
};

QTEST_MAIN(WalkSteps)
#include "walk_steps.moc"
