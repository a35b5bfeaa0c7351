#include "SpeedFigures.h"

#include "Measures.h"
#include "MonitorRecorder.h"
#include "SoundFiles.h"

#include "audio/MediaControl.h"

#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>
#include <random>
#include <vector>

namespace {

constexpr int Rate = MonitorRecorder::SampleRate;
constexpr int ToneSeconds = 240;

struct Spread {
    std::vector<double> values;
    double median() const { return ::median(values); }
    double max() const { return maximum(values); }
};

// Ranges of 300 to 600 ms at distinct places, with silence between.
void measureRanges(MediaControl& media, MonitorRecorder& recorder, int speed, int count) {
    Spread firstSound, lengthError, doneDelay;
    std::mt19937 random(11);
    for (int i = 0; i < count; ++i) {
        const qint32 fromMs = 2000 + i * 1500 + int(random() % 300);
        const qint32 toMs = fromMs + 300 + int(random() % 300);
        Clock::time_point doneAt;
        QEventLoop loop;
        auto connection = QObject::connect(&media, &MediaControl::done, [&](int) {
            doneAt = Clock::now();
            loop.quit();
        });
        const qint64 captureAtCommand = recorder.capturedFrames();
        const auto command = Clock::now();
        media.playRange(fromMs, toMs, true);
        loop.exec();
        QObject::disconnect(connection);
        runEvents(120);
        const auto sound = recorder.soundAfter(captureAtCommand);
        if (!sound)
            continue;
        firstSound.values.push_back(msBetween(command, recorder.renderTime(sound->first)));
        const double heardMs = (sound->second - sound->first) * 1000.0 / Rate;
        lengthError.values.push_back(std::abs(heardMs - (toMs - fromMs) * 100.0 / speed));
        doneDelay.values.push_back(msBetween(recorder.renderTime(sound->second - 1), doneAt));
    }
    std::printf("%3d %%: command to first sound median %.2f ms, max %.2f ms; range length error "
                "median %.2f ms, max %.2f ms; done after the last sound median %.2f ms, max "
                "%.2f ms (%zu ranges)\n",
                speed, firstSound.median(), firstSound.max(), lengthError.median(),
                lengthError.max(), doneDelay.median(), doneDelay.max(), firstSound.values.size());
}

void measureCpu(MediaControl& media, int speed) {
    const std::clock_t before = std::clock();
    const auto start = Clock::now();
    media.playRange(100000, 110000, false);
    runEvents(8000);
    const double cpuS = double(std::clock() - before) / CLOCKS_PER_SEC;
    media.stop();
    std::printf("%3d %%: CPU while playing %.2f %% of one core (process, 8 s)\n", speed,
                100 * cpuS / (msBetween(start, Clock::now()) / 1000));
}

// The capture frame where the run of frames playing at `command` ends, if one was.
std::optional<qint64> runEndAfter(const MonitorRecorder& recorder, Clock::time_point command) {
    const qint64 commandFrame = recorder.frameAt(command);
    for (const MonitorRecorder::HeardRun& run : recorder.heardRuns()) {
        if (run.captureBegin <= commandFrame && commandFrame < run.captureEnd)
            return run.captureEnd;
    }
    return std::nullopt;
}

// Whether capture frames [from, to) hold a millisecond of digital silence.
bool silentMillisecondIn(const MonitorRecorder& recorder, qint64 from, qint64 to) {
    const std::vector<qint16> samples = recorder.samples(from, to - from);
    qint64 run = 0;
    for (size_t i = 0; i + 1 < samples.size() && run < Rate / 1000; i += 2)
        run = samples[i] == 0 && samples[i + 1] == 0 ? run + 1 : 0;
    return run >= Rate / 1000;
}

} // namespace

// At 100 % the file's own frames are heard, so the indexed file's codes show each frame;
// once the stretched frames of the new speed arrive, the run of codes ends. From the
// command to that end is how long a change of speed takes to be heard; digital silence
// after it, a millisecond or more before the Stop, is a gap.
void printSpeedChangeFigures(const QString& folder, int changes) {
    const QString path = folder + "/speed-change.wav";
    MediaControl media;
    if (!writeIndexedWav(path, qint64(Rate) * 60) || !media.open(path))
        return void(std::printf("speed change: cannot write or open %s\n", qPrintable(path)));
    media.setUpdateInterval(0);
    MonitorRecorder recorder;
    if (!recorder.start())
        return;
    runEvents(300);
    std::mt19937 random(5);
    const int targets[] = {50, 75, 150, 200};
    Spread heardAfter;
    int gaps = 0;
    for (int i = 0; i < changes; ++i) {
        media.setSpeed(100);
        media.playRange(1000 + i * 1000, 1000 + i * 1000 + 2500, false);
        runEvents(250 + int(random() % 100));
        const auto command = Clock::now();
        media.setSpeed(targets[i % 4]);
        runEvents(350);
        const auto stop = Clock::now();
        media.stop();
        runEvents(100);
        if (const auto end = runEndAfter(recorder, command)) {
            heardAfter.values.push_back(msBetween(command, recorder.renderTime(*end - 1)));
            gaps += silentMillisecondIn(recorder, *end, recorder.frameAt(stop));
        }
    }
    recorder.stop();
    std::printf("speed change from 100 %% while sounding to the first changed sound heard: "
                "median %.2f ms, max %.2f ms (%zu of %d changes), %d with a gap\n",
                heardAfter.median(), heardAfter.max(), heardAfter.values.size(), changes, gaps);
}

void printSpeedFigures(const QString& folder) {
    const QString path = folder + "/tone.wav";
    MediaControl media;
    const ToneFile tone{.channels = 1, .frames = qint64(Rate) * ToneSeconds, .frequency = 1000};
    if (!writeToneFile(path, tone) || !media.open(path))
        return void(std::printf("speed: cannot write or open %s\n", qPrintable(path)));
    media.setUpdateInterval(0);
    const int speeds[] = {100, 50, 75, 150, 200};
    MonitorRecorder recorder;
    if (!recorder.start())
        return;
    runEvents(300);
    for (int speed : speeds) {
        media.setSpeed(speed);
        measureRanges(media, recorder, speed, 30);
    }
    recorder.stop(); // its thread wakes every millisecond
    for (int speed : speeds) {
        media.setSpeed(speed);
        measureCpu(media, speed);
    }
}
