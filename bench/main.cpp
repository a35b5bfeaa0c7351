// parlanda_bench: figures of the media control, its audio engine and the walk, measured
// through the real PulseAudio output into the null sink "test". One line per figure.
// Run: QT_QPA_PLATFORM=offscreen scripts/with-pulse dbus-run-session --
//      <build>/bench/parlanda_bench [ranges]
//      [tone walk seconds] [open/play/close rounds]; 0 ranges measures the tone walk alone
//      (for a graph whose rate is not the indexed files' 44.1 kHz), 0 seconds leaves it out;
//      `waveform [picture folder]` measures the waveform strip alone and writes its pictures;
//      `walk [rounds]` measures the walk's figures alone, `rounds` times over (1 unless
//      given), for tracing its timing; `speed-change [changes]` measures alone how long a
//      change of speed takes to be heard (40 changes unless given).
#include "BenchApplication.h"
#include "FfmpegFigures.h"
#include "GlobalKeyFigures.h"
#include "Measures.h"
#include "MonitorRecorder.h"
#include "OpenCloseStress.h"
#include "SoundFiles.h"
#include "SpeedFigures.h"
#include "WaveformFigures.h"
#include "pedals/PedalFigures.h"
#include "remote/RemoteFigures.h"
#include "walk/WalkFigures.h"

#include "audio/MediaControl.h"
#include "audio/PulseAudioOutput.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sndfile.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

namespace {

constexpr int Rate = MonitorRecorder::SampleRate;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct ThreadCounters {
    long wakeups = 0;      // context switches of the engine's threads ("audio-...")
    double cpuSeconds = 0; // CPU time of the engine's threads
};

// The engine's threads are named "audio-reader" and "audio-pulse".
ThreadCounters engineThreads() {
    ThreadCounters counters;
    const double ticks = double(sysconf(_SC_CLK_TCK));
    for (const QString& task :
         QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString base = "/proc/self/task/" + task;
        QFile comm(base + "/comm");
        comm.open(QIODevice::ReadOnly);
        if (!comm.readAll().startsWith("audio"))
            continue;
        QFile status(base + "/status");
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.contains("ctxt_switches"))
                counters.wakeups += line.split('\t').last().trimmed().toLong();
        QFile stat(base + "/stat");
        stat.open(QIODevice::ReadOnly);
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        counters.cpuSeconds += (fields.value(11).toDouble() + fields.value(12).toDouble()) / ticks;
    }
    return counters;
}

void measureOpen(const QString& folder) {
    const QString path = folder + "/two-hours.wav";
    if (!writeTwoHourWav(path))
        return void(std::printf("open: cannot write %s\n", qPrintable(path)));
    MediaControl media;
    const double before = residentMiB();
    const auto start = Clock::now();
    media.open(path);
    const double openMs = msBetween(start, Clock::now());
    const double afterOpen = residentMiB();
    std::printf("open two-hour WAV (%lld ms long): %.2f ms, error %d\n",
                static_cast<long long>(media.length()), openMs, media.error());
    std::printf("memory growth by the open: %.2f MiB\n", afterOpen - before);
    QEventLoop played;
    QObject::connect(&media, &MediaControl::modeChanged, &played, &QEventLoop::quit);
    media.playRange(media.length() / 2, media.length() / 2 + 2000, false);
    played.exec(); // until the range has ended
    std::printf("memory growth after playing 2 s from the middle: %.2f MiB\n",
                residentMiB() - before);
}

struct RangeFigures {
    std::vector<double> firstSoundMs, doneDelayMs, startErrors, endErrors;
    int exact = 0;
    int ranges = 0;
};

// Plays many short ranges at distinct places of an indexed file and sets what the sink
// rendered against the commands and notifications.
RangeFigures measureRanges(MediaControl& media, MonitorRecorder& recorder, int count) {
    RangeFigures figures;
    std::mt19937 random(7);
    struct Played {
        qint64 first, last;
        Clock::time_point command, done;
    };
    std::vector<Played> played;
    for (int i = 0; i < count; ++i) {
        const qint32 fromMs = 1000 + i * 1000 + int(random() % 300);
        const qint32 toMs = fromMs + 150 + int(random() % 200);
        Clock::time_point doneAt;
        QEventLoop loop;
        auto connection = QObject::connect(&media, &MediaControl::done, [&](int code) {
            doneAt = Clock::now();
            if (code == MediaControl::NotifySuccessful)
                loop.quit();
        });
        const auto command = Clock::now();
        media.playRange(fromMs, toMs, true);
        loop.exec();
        QObject::disconnect(connection);
        played.push_back({(qint64(fromMs) * Rate + 500) / 1000,
                          (qint64(toMs) * Rate + 500) / 1000 - 1, command, doneAt});
        runEvents(60 + int(random() % 60));
    }
    runEvents(100);
    // Every frame of the file sounds, so the first sound after a command is the range's
    // start, also where the graph resamples the file and its frame codes are lost.
    for (const Played& p : played)
        if (const auto sound = recorder.firstSoundFrom(recorder.frameAt(p.command)))
            figures.firstSoundMs.push_back(msBetween(p.command, recorder.renderTime(*sound)));
    const auto runs = recorder.heardRuns();
    for (const Played& p : played) {
        QList<MonitorRecorder::HeardRun> mine;
        for (const auto& run : runs)
            if (run.last >= p.first - Rate / 10 && run.first <= p.last + Rate / 10)
                mine.push_back(run);
        if (mine.empty())
            continue;
        ++figures.ranges;
        const auto& firstRun = mine.front();
        const auto& lastRun = mine.back();
        const qint64 lastCapture = lastRun.captureEnd - 1;
        figures.startErrors.push_back(double(std::abs(firstRun.first - p.first)));
        figures.endErrors.push_back(double(std::abs(lastRun.last - p.last)));
        figures.exact += firstRun.first == p.first && lastRun.last == p.last;
        figures.doneDelayMs.push_back(msBetween(recorder.renderTime(lastCapture), p.done));
    }
    return figures;
}

void measureStops(MediaControl& media, MonitorRecorder& recorder, int count) {
    std::vector<double> silenceMs;
    int positionExact = 0;
    int measured = 0;
    for (int i = 0; i < count; ++i) {
        const qint32 fromMs = 60000 + i * 2000;
        media.playRange(fromMs, fromMs + 1500, false);
        runEvents(300 + i * 7);
        const auto stopAt = Clock::now();
        media.stop();
        const qint64 position = media.position();
        runEvents(100);
        const qint64 first = qint64(fromMs) * Rate / 1000;
        std::optional<MonitorRecorder::HeardRun> last;
        for (const auto& run : recorder.heardRuns())
            if (run.first >= first && run.last < first + 2 * Rate)
                last = run;
        if (!last)
            continue;
        ++measured;
        const qint64 lastCapture = last->captureEnd - 1;
        silenceMs.push_back(msBetween(stopAt, recorder.renderTime(lastCapture)));
        positionExact += position == ((last->last + 1) * 1000 + Rate / 2) / Rate;
    }
    std::printf("stop to silence: median %.2f ms, max %.2f ms (%d stops)\n", median(silenceMs),
                maximum(silenceMs), measured);
    std::printf("Position after Stop is the last frame heard (to the ms): %d of %d\n",
                positionExact, measured);
}

void measureCpu(MediaControl& media) {
    const double cpuBefore = cpuSeconds();
    const ThreadCounters threadsBefore = engineThreads();
    const auto start = Clock::now();
    media.playRange(200000, 210000, false);
    runEvents(10000);
    const double wallS = msBetween(start, Clock::now()) / 1000;
    const ThreadCounters threadsAfter = engineThreads();
    std::printf("CPU while playing: %.2f %% of one core for the process, %.2f %% in the engine's "
                "threads, %.0f engine wakeups/s (10 s)\n",
                100 * (cpuSeconds() - cpuBefore) / wallS,
                100 * (threadsAfter.cpuSeconds - threadsBefore.cpuSeconds) / wallS,
                double(threadsAfter.wakeups - threadsBefore.wakeups) / wallS);
    media.stop();

    media.setUpdateInterval(0);
    runEvents(200);
    const ThreadCounters idleBefore = engineThreads();
    const double idleCpuBefore = cpuSeconds();
    runEvents(5000);
    std::printf("idle with a file open: %ld engine thread wakeups in 5 s, process CPU %.3f %%\n",
                engineThreads().wakeups - idleBefore.wakeups,
                100 * (cpuSeconds() - idleCpuBefore) / 5);
}

} // namespace

int main(int argc, char** argv) {
    BenchApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "waveform") {
        const QTemporaryDir folder;
        printWaveformFigures(folder.path(), argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "speed-change") {
        const QTemporaryDir folder;
        printSpeedChangeFigures(folder.path(), argc > 2 ? atoi(argv[2]) : 40);
        return 0;
    }
    if (argc > 1 && QByteArray(argv[1]) == "walk") {
        for (int round = argc > 2 ? atoi(argv[2]) : 1; round > 0; --round)
            printWalkFigures();
        return 0;
    }
    const bool rangesOnly = argc > 1 && QByteArray(argv[1]) == "ranges";
    const int count = argc > 1 + rangesOnly ? atoi(argv[1 + rangesOnly]) : 60;
    const int toneWalkSeconds = argc > 2 ? atoi(argv[2]) : 120;
    if (count <= 0)
        return printToneWalkFigures(toneWalkSeconds), 0;
    QTemporaryDir folder;
    if (!rangesOnly) {
        measureOpen(folder.path());
        printFfmpegFigures(folder.path());
        printOpenCloseStress(folder.path(), argc > 3 ? atoi(argv[3]) : 300000);
    }

    const QString indexed = folder.filePath("indexed.wav");
    if (!writeIndexedWav(indexed, qint64(Rate) * 220))
        return std::printf("cannot write %s\n", qPrintable(indexed)), 1;
    MediaControl media;
    if (!media.outputAvailable())
        return std::printf("no PulseAudio server: run under scripts/with-pulse\n"), 1;
    media.setUpdateInterval(0);
    media.open(indexed);

    MonitorRecorder recorder;
    if (!recorder.start())
        return 1;
    runEvents(500);
    const RangeFigures ranges = measureRanges(media, recorder, count);
    std::printf("command to first sound: median %.2f ms, max %.2f ms (%zu ranges)\n",
                median(ranges.firstSoundMs), maximum(ranges.firstSoundMs),
                ranges.firstSoundMs.size());
    std::printf("range ends exact at both ends: %d of %d; max error %.0f frames at the start, "
                "%.0f at the end\n",
                ranges.exact, ranges.ranges, maximum(ranges.startErrors),
                maximum(ranges.endErrors));
    std::printf(
        "done notification after the last frame was rendered: median %.2f ms, max %.2f ms\n",
        median(ranges.doneDelayMs), maximum(ranges.doneDelayMs));
    measureStops(media, recorder, std::max(5, count / 3));
    recorder.stop();
    if (rangesOnly)
        return 0;
    measureCpu(media);
    media.close();
    printSpeedFigures(folder.path());
    printSpeedChangeFigures(folder.path(), 40);
    printWaveformFigures(folder.path(), QString());
    printWalkFigures();
    printPedalFigures();
    printGlobalKeyFigures();
    if (toneWalkSeconds > 0)
        printToneWalkFigures(toneWalkSeconds);
    printRemoteFigures();
    return 0;
}
