#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

struct pa_simple;

// Records the monitor of the null sink "test" in this process, noting for every chunk the
// moment its last frame was rendered by the sink (arrival time minus the recording
// latency), so that sound heard can be set against the commands that caused it.
class MonitorRecorder {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    static constexpr int SampleRate = 44100;

    // A stretch of consecutive frame indexes of an indexed file, heard back to back.
    struct Run {
        qint64 first = 0;
        qint64 last = 0;
        qint64 captureFrame = 0; // capture frame where the run began
    };

    ~MonitorRecorder();
    bool start();
    void stop();

    // What the sink rendered up to the call (waiting up to 30 s for a recorder that fell
    // behind on a busy machine) decoded as runs of an indexed file.
    std::vector<Run> heardRuns() const;
    qint64 capturedFrames() const;
    // The first frame from `frame` on that is not digital silence.
    std::optional<qint64> firstSoundFrom(qint64 frame) const;
    // The first frame of digital silence from `frame` on (the end of the sound there).
    qint64 silenceFrom(qint64 frame) const;
    // Interleaved stereo samples of `count` frames from `frame` on.
    std::vector<qint16> samples(qint64 frame, qint64 count) const;
    // Everything recorded so far, interleaved stereo, from capture frame `from` on.
    std::vector<qint16> samples(qint64 from = 0) const;
    // The first capture frame rendered at or after `moment`.
    qint64 frameAt(TimePoint moment) const;
    // The first sound at or after capture frame `from`: [begin, end) of the frames louder
    // than -40 dBFS, ending at 20 ms of silence; none before one has ended.
    std::optional<std::pair<qint64, qint64>> soundAfter(qint64 from) const;
    // When capture frame `frame` was rendered by the sink.
    TimePoint renderTime(qint64 frame) const;

private:
    bool silentAt(qint64 frame) const {
        return samples_[size_t(frame * 2)] == 0 && samples_[size_t(frame * 2 + 1)] == 0;
    }

    struct Stamp {
        qint64 endFrame;
        TimePoint renderedAt;
    };
    void recordLoop();
    void catchUp() const;

    pa_simple* stream_ = nullptr;
    std::thread thread_;
    std::atomic<bool> quit_{false};
    mutable std::mutex mutex_;
    std::vector<qint16> samples_; // interleaved stereo
    std::vector<Stamp> stamps_;
};

// Frame codes of the indexed files the bench writes (the scheme of the test files).
struct IndexedCode {
    static constexpr int Modulus = 32767;
    static qint16 left(qint64 index) { return qint16(index % Modulus + 1); }
    static qint16 right(qint64 index) { return qint16(index / Modulus); }
    static std::optional<qint64> decode(qint16 left, qint16 right) {
        if (left <= 0 || right < 0)
            return std::nullopt;
        return qint64(right) * Modulus + (left - 1);
    }
};

// Writes a 16-bit stereo WAV at the sink's rate whose frame i is frameAt(i).
bool writeStereoWav(const QString& path, qint64 frames,
                    const std::function<std::pair<qint16, qint16>(qint64)>& frameAt);
// Writes a 16-bit stereo WAV at the sink's rate whose every frame carries its index.
bool writeIndexedWav(const QString& path, qint64 frames);

// Lets the event loop run for ms milliseconds.
void runEvents(int ms);
