#include "walk/WalkFigures.h"

#include "walk/WalkBench.h"

#include "MonitorRecorder.h"
#include "player/PlayerController.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using Command = PlayerController::Command;
using State = PlayerController::State;
constexpr int Rate = MonitorRecorder::SampleRate;
constexpr int Trials = 15;
// The tone walk: Step 1000, Offset 400, Pause 300 over a 1 kHz tone.
constexpr qint32 ToneOffsetMs = 400;
constexpr qint32 TonePauseMs = 300;

// CPU time of the calling thread: the GUI thread, where a rest that polled would spin.
double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void printSpread(const char* what, std::vector<double> values, const char* unit = "ms") {
    if (values.empty()) {
        std::printf("walk: %-38s no samples\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("walk: %-38s median %.2f %s, min %.2f, max %.2f (n=%zu)\n", what,
                values[values.size() / 2], unit, values.front(), values.back(), values.size());
}

// Where a command's range begins when it is given at 3000 ms with no step pending
// (Step 1000, Offset 500).
qint64 firstMs(Command command) {
    switch (command) {
    case Command::NextStep:
        return 2500;
    case Command::Play:
        return 3000;
    default:
        return 2000;
    }
}

// Walks the whole file once: the silence between steps as the sink rendered it, and the
// CPU the GUI thread uses from the moment a step was heard until just before its rest
// ends (the recorder's own thread runs in this process, so the process total would
// measure the recorder).
void measureRests(WalkBench& bench, MonitorRecorder& recorder) {
    std::vector<double> restCpuPercent;
    constexpr int MeasuredMs = PauseMs - 50;
    QEventLoop walkEnded;
    QObject::connect(
        &bench.player(), &PlayerController::stateChanged, &walkEnded, [&](State state) {
            if (state == State::Stepping || state == State::Playing)
                return;
            if (!bench.player().walking())
                return QTimer::singleShot(300, &walkEnded, &QEventLoop::quit);
            if (state != State::Resting)
                return;
            const double cpuStart = threadCpuMs();
            QTimer::singleShot(MeasuredMs, Qt::PreciseTimer, &walkEnded, [&, cpuStart] {
                restCpuPercent.push_back((threadCpuMs() - cpuStart) * 100.0 / MeasuredMs);
            });
        });
    QTimer::singleShot(60000, &walkEnded, &QEventLoop::quit);
    const Clock::time_point walkStart = Clock::now();
    bench.player().run(Command::Walk);
    walkEnded.exec(); // an event loop, not polling: only the program itself runs

    // Each run of frames heard is one step, also where the sink ran dry inside it; the
    // silence between runs is the rest.
    std::vector<double> gaps;
    QList<MonitorRecorder::HeardRun> runs = recorder.heardRuns();
    runs.removeIf(
        [&](const auto& run) { return recorder.renderTime(run.captureBegin) < walkStart; });
    for (qsizetype i = 1; i < runs.size(); ++i)
        gaps.push_back(double(runs[i].captureBegin - runs[i - 1].captureEnd) * 1000.0 / Rate);
    const auto withinTenMs = std::count_if(
        gaps.begin(), gaps.end(), [](double gap) { return std::abs(gap - PauseMs) <= 10; });
    printSpread("silence between steps, Pause 600", gaps);
    std::printf("walk: %-38s %td of %zu\n", "  of them within Pause +- 10 ms", withinTenMs,
                gaps.size());
    printSpread("CPU of the GUI thread in rests", restCpuPercent, "% of a core");
}

} // namespace

void measureFirstSound(WalkBench& bench, MonitorRecorder& recorder, const char* what,
                       qint64 firstMs, const std::function<void()>& command) {
    std::vector<Clock::time_point> commands;
    for (int trial = 0; trial < Trials; ++trial) {
        bench.player().run(Command::Stop);
        bench.player().seek(3000);
        runEvents(150);
        commands.push_back(Clock::now());
        command();
        runEvents(250);
    }
    bench.player().run(Command::Stop);
    runEvents(150);

    // The first sound after a command must be the range's first frame: anything else
    // heard before it (a stopped range's leftovers) is counted, and the delay runs to
    // that frame. The recorder's render times may be a few ms early, so sound rendered
    // shortly "before" the command belongs to it (the trials are 150 ms of silence apart).
    const qint64 firstFrame = (firstMs * Rate + 500) / 1000;
    const QList<MonitorRecorder::HeardRun> runs = recorder.heardRuns();
    std::vector<double> delays;
    int otherSoundFirst = 0;
    for (const Clock::time_point commandAt : commands) {
        const auto after = std::find_if(runs.begin(), runs.end(), [&](const auto& run) {
            return recorder.renderTime(run.captureBegin) >
                   commandAt - std::chrono::milliseconds(50);
        });
        const auto heard = std::find_if(after, runs.end(), [&](const auto& run) {
            return run.first <= firstFrame && firstFrame <= run.last;
        });
        otherSoundFirst += after != heard;
        if (heard != runs.end())
            delays.push_back(
                std::chrono::duration<double, std::milli>(
                    recorder.renderTime(heard->captureBegin + firstFrame - heard->first) -
                    commandAt)
                    .count());
    }
    printSpread(what, delays);
    std::printf("walk: %-38s %d of %d\n", "  other sound heard before it", otherSoundFirst, Trials);
}

namespace {

// Walks a tone for about `seconds` and prints the dropouts and clicks (jumps of the
// tone's phase) heard inside its steps and the steps' lengths: the walk's continuity as
// a listener hears it.
void measureToneWalk(int seconds, int burnerCount) {
    const int steps = std::max(2, seconds * 1000 / (1000 + TonePauseMs));
    std::vector<std::unique_ptr<QProcess>> burners;
    for (int i = 0; i < burnerCount; ++i) {
        burners.push_back(std::make_unique<QProcess>());
        burners.back()->start("sh", {"-c", "while :; do :; done"});
    }
    WalkBench bench(WalkBench::Content::Tone, 1000 + (steps - 1) * ToneOffsetMs);
    MonitorRecorder recorder;
    if (!bench.ready() || !recorder.start())
        return void(std::printf("tone walk: no sound server or no recording\n"));
    bench.player().setOffset(ToneOffsetMs);
    bench.player().setPause(TonePauseMs);
    runEvents(300);
    QEventLoop walkEnded;
    QObject::connect(&bench.player(), &PlayerController::stateChanged, &walkEnded,
                     [&](State state) {
                         if (state == State::Idle && !bench.player().walking())
                             QTimer::singleShot(300, &walkEnded, &QEventLoop::quit);
                     });
    QTimer::singleShot(steps * 2000 + 10000, &walkEnded, &QEventLoop::quit);
    bench.player().run(Command::Walk);
    walkEnded.exec();
    recorder.stop();

    std::vector<double> lengths, rests;
    int dropoutMs = 0, brokenSteps = 0, clicks = 0;
    const QList<MonitorRecorder::HeardStep> heard = recorder.heardSteps(ToneHz);
    for (const MonitorRecorder::HeardStep& step : heard) {
        if (&step != &heard.front())
            rests.push_back(MonitorRecorder::framesToMs(step.first - (&step - 1)->last - 1));
        lengths.push_back(step.lengthMs());
        dropoutMs += step.silentBlocks;
        brokenSteps += step.silentBlocks > 0;
        clicks += step.phaseJumps;
    }
    for (auto& burner : burners) {
        burner->kill();
        burner->waitForFinished();
    }
    std::printf("tone walk %d s, %s: dropouts %d ms in %d of %zu steps, %d clicks\n", seconds,
                burnerCount ? "two CPU-bound processes beside" : "idle", dropoutMs, brokenSteps,
                lengths.size(), clicks);
    printSpread("  step length, Step 1000", lengths);
    printSpread("  silence between steps, Pause 300", rests);
}

} // namespace

void printToneWalkFigures(int seconds) {
    measureToneWalk(seconds, 0);
    measureToneWalk(seconds, 2);
}

void printWalkFigures() {
    WalkBench bench;
    MonitorRecorder recorder;
    if (!bench.ready() || !recorder.start()) {
        std::printf("walk: no sound server or no recording: run under scripts/with-pulse\n");
        return;
    }
    runEvents(500);
    measureRests(bench, recorder);
    for (const Command command :
         {Command::Walk, Command::CurrentStep, Command::NextStep, Command::Play}) {
        const QString what = PlayerController::commandName(command) + " to first sound";
        measureFirstSound(bench, recorder, qPrintable(what), firstMs(command),
                          [&] { bench.player().run(command); });
    }
    recorder.stop();
}
