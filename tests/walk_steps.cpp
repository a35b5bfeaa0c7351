// The walk through the null output on a clock the test drives: which windows of the file
// are played, in which order, and how commands given during a step or a rest change it.
#include "support/ManualClockWindow.h"

#include <QAction>
#include <QTest>

#include <optional>

namespace {

// A played range of the file, in milliseconds.
struct Window {
    qint32 from = 0;
    qint32 to = 0;
    bool operator==(const Window&) const = default;
};

enum Loop { Walk = 0, PreviousStep = 1, CurrentStep = 2, NextStep = 3 };
constexpr int StopButton = 1;

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(QList<Window>)

namespace QTest {
template <> char* toString(const Window& window) {
    return qstrdup(QByteArray::number(window.from) + "-" + QByteArray::number(window.to));
}
} // namespace QTest

class WalkSteps : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { fixture.reset(); }
    void walkPlaysOverlappingWindows_data();
    void walkPlaysOverlappingWindows();
    void loopCommandDuringStepWorksFromThatStepsEnd_data();
    void loopCommandDuringStepWorksFromThatStepsEnd();
    void loopCommandDuringRestReplacesTheRestsStep();
    void transportCommandEndsTheWalk();
    void closingTheWindowEndsTheWalk();

private:
    frmMain& window() { return fixture->window(); }
    MediaControl& device() { return fixture->device(); }
    bool playing() { return device().mode() == MediaControl::ModePlaying; }
    bool waitForStep(int timeoutMs) {
        return QTest::qWaitFor([this] { return playing(); }, timeoutMs);
    }
    std::optional<Window> hearStep(int timeoutMs = 2000);
    QList<Window> hearWalk();
    void hearPartOfStep(int ms);

    std::unique_ptr<ManualClockWindow> fixture;
    // The device position each time it reported a step heard to its end.
    QList<qint32> stepEnds;
};

void WalkSteps::init() {
    fixture = std::make_unique<ManualClockWindow>();
    stepEnds.clear();
    // Connected after the window's own handler, which only starts the rest: the position
    // is still where the step ended.
    connect(&device(), &MediaControl::done, this, [this](int code) {
        if (code == MediaControl::NotifySuccessful)
            stepEnds.append(device().position());
    });
    QVERIFY(fixture->openFile(30000));
    window().setStep(4000);
    window().setOffset(1100);
    window().setPause(50);
    window().mnuLoopItem_Click(1);
}

// Waits for a step to start, lets exactly its length be heard and returns the range the
// device played: where it started and where it stood when it reported the step heard.
std::optional<Window> WalkSteps::hearStep(int timeoutMs) {
    if (!waitForStep(timeoutMs))
        return std::nullopt;
    const qint32 from = device().position();
    const qsizetype endsBefore = stepEnds.size();
    fixture->clock().advance(window().currentStepEnd() - from);
    if (!QTest::qWaitFor([&] { return stepEnds.size() > endsBefore; }, 1000))
        return std::nullopt;
    return Window{from, stepEnds.last()};
}

// Every step until no further step starts well after the rest would have ended.
QList<Window> WalkSteps::hearWalk() {
    QList<Window> heard;
    while (const std::optional<Window> step = hearStep(window().Pause() + 500))
        heard.append(*step);
    return heard;
}

void WalkSteps::hearPartOfStep(int ms) {
    QVERIFY(waitForStep(2000));
    fixture->clock().advance(ms);
    QVERIFY(playing());
}

void WalkSteps::walkPlaysOverlappingWindows_data() {
    QTest::addColumn<qint32>("length");
    QTest::addColumn<qint32>("start");
    QTest::addColumn<int>("repetitions");
    QTest::addColumn<qint32>("pause");
    QTest::addColumn<QList<Window>>("expected");

    QTest::newRow("defaults, last window clamped to the end")
        << 10000 << 0 << 1 << 600
        << QList<Window>{{0, 4000},    {1100, 5100}, {2200, 6200}, {3300, 7300},
                         {4400, 8400}, {5500, 9500}, {6000, 10000}};
    QTest::newRow("first window ends where Walk was pressed")
        << 8000 << 5000 << 1 << 50
        << QList<Window>{{1000, 5000}, {2100, 6100}, {3200, 7200}, {4000, 8000}};
    QTest::newRow("three repetitions: the first step three times, later steps once")
        << 6000 << 0 << 3 << 50
        << QList<Window>{{0, 4000}, {0, 4000}, {0, 4000}, {1100, 5100}, {2000, 6000}};
    QTest::newRow("a window ending exactly at the end is followed by the clamped one")
        << 6200 << 0 << 1 << 50
        << QList<Window>{{0, 4000}, {1100, 5100}, {2200, 6200}, {2200, 6200}};
    QTest::newRow("pause 0") << 5100 << 0 << 1 << 0
                             << QList<Window>{{0, 4000}, {1100, 5100}, {1100, 5100}};
    QTest::newRow("a step longer than the file plays the whole file once")
        << 3000 << 0 << 1 << 50 << QList<Window>{{0, 3000}};
}

void WalkSteps::walkPlaysOverlappingWindows() {
    QFETCH(qint32, length);
    QFETCH(qint32, start);
    QFETCH(int, repetitions);
    QFETCH(qint32, pause);
    QFETCH(QList<Window>, expected);
    QVERIFY(fixture->openFile(length, QStringLiteral("walk.wav")));
    window().setPause(pause);
    window().mnuLoopItem_Click(repetitions);
    fixture->seekTo(start);

    window().cmdLoop_Click(Walk);
    QCOMPARE(hearWalk(), expected);
    QVERIFY(!window().walking());
    QVERIFY(!window().resting());
    QCOMPARE(device().position(), expected.last().to);
}

void WalkSteps::loopCommandDuringStepWorksFromThatStepsEnd_data() {
    QTest::addColumn<QList<int>>("commands");
    QTest::addColumn<QList<Window>>("expected"); // the user's step, then the walk's next

    QTest::newRow("Next Step moves on and the walk goes on from there")
        << QList<int>{NextStep} << QList<Window>{{7100, 11100}, {8200, 12200}};
    QTest::newRow("Previous Step")
        << QList<int>{PreviousStep} << QList<Window>{{4900, 8900}, {6000, 10000}};
    QTest::newRow("Current Step three times replays the same window")
        << QList<int>{CurrentStep, CurrentStep, CurrentStep}
        << QList<Window>{{6000, 10000}, {7100, 11100}};
    QTest::newRow("Walk restarts the count on the same window")
        << QList<int>{Walk} << QList<Window>{{6000, 10000}, {7100, 11100}};
}

void WalkSteps::loopCommandDuringStepWorksFromThatStepsEnd() {
    QFETCH(QList<int>, commands);
    QFETCH(QList<Window>, expected);
    fixture->seekTo(10000);
    window().cmdLoop_Click(Walk);
    for (int command : commands) {
        hearPartOfStep(1500);
        window().cmdLoop_Click(command);
    }
    QCOMPARE(hearStep(), expected[0]);
    QCOMPARE(hearStep(), expected[1]);
    QVERIFY(window().walking());
}

void WalkSteps::loopCommandDuringRestReplacesTheRestsStep() {
    fixture->seekTo(10000);
    window().cmdLoop_Click(Walk);
    QCOMPARE(hearStep(), (Window{6000, 10000}));
    QVERIFY(window().resting());
    window().cmdLoop_Click(NextStep);
    // Long enough for the interrupted rest to have ended: its step must not follow.
    QTest::qWait(window().Pause() * 3);
    QCOMPARE(hearStep(), (Window{7100, 11100}));
    QCOMPARE(hearStep(), (Window{8200, 12200}));
}

void WalkSteps::transportCommandEndsTheWalk() {
    window().cmdLoop_Click(Walk);
    hearPartOfStep(1500);
    // Completions that are not successful change nothing.
    for (int code :
         {MediaControl::NotifySuperseded, MediaControl::NotifyAborted, MediaControl::NotifyFailure})
        window().mciWave_Done(code);
    QVERIFY(window().stepIsPending());

    window().PressPlayButton(StopButton);
    QCOMPARE(device().position(), 4000); // back at the end of the interrupted step
    QVERIFY(!window().walking());
    QVERIFY(!window().stepIsPending());

    window().cmdLoop_Click(Walk);
    QCOMPARE(hearStep(), (Window{0, 4000}));
    QVERIFY(window().resting());
    window().PressPlayButton(StopButton);
    QVERIFY(!hearStep(window().Pause() * 4)); // Stop during the rest: no further step
    QVERIFY(!window().walking());
    QCOMPARE(device().position(), 4000);
}

void WalkSteps::closingTheWindowEndsTheWalk() {
    window().cmdLoop_Click(Walk);
    QCOMPARE(hearStep(), (Window{0, 4000}));
    QVERIFY(window().resting());
    window().close();
    QVERIFY(!window().resting());
    QVERIFY(!hearStep(window().Pause() * 4));
    QCOMPARE(device().mode(), MediaControl::ModeNotOpen);
}

QTEST_MAIN(WalkSteps)
#include "walk_steps.moc"
