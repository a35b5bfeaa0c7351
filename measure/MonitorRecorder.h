#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

struct pa_simple;

// Records the monitor of the null sink "test" (s16le, stereo, 44100 Hz) in this process,
// noting for every chunk the moment its last frame was rendered by the sink (arrival time
// minus the recording latency), so that what was heard can be set against the commands
// that caused it: which frames of an indexed file, when, and whether each stretch of sound
// ran on without a break. Needs the private sound server of scripts/with-pulse or
// scripts/with-pipewire.
class MonitorRecorder {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    static constexpr int SampleRate = 44100;
    // A silence this long ends a step.
    static constexpr int RestMs = 100;

    // Frame indexes heard in order, each the one after the index before, though silence
    // or undecodable frames may come between: one range or window heard.
    struct HeardRun {
        qint64 first = 0;        // first frame index heard
        qint64 last = 0;         // last frame index heard
        qint64 captureBegin = 0; // capture frames at which it began, and one past its end
        qint64 captureEnd = 0;
    };

    // A stretch of sound between rests of at least RestMs: one range or step as heard.
    struct HeardStep {
        qint64 first = 0;     // capture frame of its first sound
        qint64 last = 0;      // capture frame of its last sound
        int silentBlocks = 0; // 1 ms blocks inside it that fell silent: dropouts
        int phaseJumps = 0;   // places where a tone's phase jumped (0 for no tone)
        double lengthMs() const { return framesToMs(last - first + 1); }
    };

    MonitorRecorder() = default;
    ~MonitorRecorder();
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    // Starts recording and returns once sound arrives from the sink (which renders silence
    // while nothing plays). False with errorString() when the sink could not be recorded.
    bool start();
    // Records on until what the sink rendered up to the call, and a margin for sound
    // reported as heard a few milliseconds before it reached the sink, is in; then ends.
    void stop();
    QString errorString() const { return error_; }

    qint64 capturedFrames() const;
    // What the sink rendered up to the call (waiting up to 30 s for a recorder that fell
    // behind on a busy machine), decoded as runs of an indexed file.
    QList<HeardRun> heardRuns() const;
    // The steps heard; with `toneHz`, what was played is a sine of that frequency, whose
    // phase is checked to run on from sample to sample inside each step.
    QList<HeardStep> heardSteps(std::optional<double> toneHz = {}) const;
    // Non-silent frames that are no indexed code: a mix, a volume change or a resampled
    // stream. An honest capture of indexed files has none.
    qint64 undecodableFrames() const;
    // The recording's left channel, full scale 1.
    std::vector<float> leftChannel() const;

    // The first frame from `frame` on that is not digital silence.
    std::optional<qint64> firstSoundFrom(qint64 frame) const;
    // The first frame of digital silence from `frame` on (the end of the sound there).
    qint64 silenceFrom(qint64 frame) const;
    // Interleaved stereo samples of `count` frames from `frame` on.
    std::vector<qint16> samples(qint64 frame, qint64 count) const;
    // The first capture frame rendered at or after `moment`.
    qint64 frameAt(TimePoint moment) const;
    // The first sound at or after capture frame `from`: [begin, end) of the frames louder
    // than -40 dBFS, ending at 20 ms of silence; none before one has ended.
    std::optional<std::pair<qint64, qint64>> soundAfter(qint64 from) const;
    // When capture frame `frame` was rendered by the sink.
    TimePoint renderTime(qint64 frame) const;

    static double framesToMs(qint64 frames) { return frames * 1000.0 / SampleRate; }
    static qint64 frameOf(qint64 ms) { return (ms * SampleRate + 500) / 1000; } // rounded
    // The rate the sink "test" runs at (0 if there is none); frame codes survive only 44100 Hz.
    static int sinkRate();

private:
    struct Stamp {
        qint64 endFrame;
        TimePoint renderedAt;
    };

    qint16 sampleAt(qint64 frame, int channel) const { // 0 left, 1 right; the lock held
        return samples_[size_t(frame * 2 + channel)];
    }
    bool silentAt(qint64 frame) const { return sampleAt(frame, 0) == 0 && sampleAt(frame, 1) == 0; }
    std::optional<qint64> indexAt(qint64 frame) const;
    qint64 frames() const { return qint64(samples_.size() / 2); }
    int phaseJumps(const HeardStep& step, double toneHz) const;
    void recordLoop();
    void end();
    // Waits (up to 30 s) until the chunks rendered up to `moment` are in.
    void catchUp(TimePoint moment) const;

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> quit_{false};
    mutable std::mutex mutex_;
    std::vector<qint16> samples_; // interleaved stereo
    std::vector<Stamp> stamps_;
    QString error_;
};
