#include "walk/WalkFigures.h"

#include "walk/WalkBench.h"

#include "MonitorRecorder.h"
#include "player/PlayerController.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Command = PlayerController::Command;
using State = PlayerController::State;
constexpr int Rate = MonitorRecorder::SampleRate;
constexpr int Trials = 15;

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

    // A new step begins where the frames heard jump back; a sink that ran dry for a
    // moment inside a step leaves a gap between runs that continue each other.
    std::vector<double> gaps;
    std::vector<MonitorRecorder::Run> runs = recorder.heardRuns();
    std::erase_if(
        runs, [&](const auto& run) { return recorder.renderTime(run.captureFrame) < walkStart; });
    for (size_t i = 1; i < runs.size(); ++i) {
        const auto& earlier = runs[i - 1];
        if (runs[i].first == earlier.last + 1)
            continue;
        const qint64 earlierEnd = earlier.captureFrame + (earlier.last - earlier.first) + 1;
        gaps.push_back(double(runs[i].captureFrame - earlierEnd) * 1000.0 / Rate);
    }
    const auto withinTenMs = std::count_if(
        gaps.begin(), gaps.end(), [](double gap) { return std::abs(gap - PauseMs) <= 10; });
    printSpread("silence between steps, Pause 600", gaps);
    std::printf("walk: %-38s %td of %zu\n", "  of them within Pause +- 10 ms", withinTenMs,
                gaps.size());
    printSpread("CPU of the GUI thread in rests", restCpuPercent, "% of a core");
}

} // namespace

void measureFirstSound(WalkBench& bench, MonitorRecorder& recorder, const char* what,
                       const std::function<void()>& command) {
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

    const std::vector<MonitorRecorder::Run> runs = recorder.heardRuns();
    std::vector<double> delays;
    for (const Clock::time_point commandAt : commands) {
        const auto heard = std::find_if(runs.begin(), runs.end(), [&](const auto& run) {
            return recorder.renderTime(run.captureFrame) > commandAt;
        });
        if (heard != runs.end())
            delays.push_back(std::chrono::duration<double, std::milli>(
                                 recorder.renderTime(heard->captureFrame) - commandAt)
                                 .count());
    }
    printSpread(what, delays);
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
        measureFirstSound(bench, recorder, qPrintable(what), [&] { bench.player().run(command); });
    }
    recorder.stop();
}
