#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

#include <optional>
#include <vector>

// Records the monitor of the null sink "test" (s16le, stereo, 44100 Hz) with parec, so
// that a test can check which frames of an indexed WAV file were heard, and when, and
// whether each step of sound ran on without a break. Needs the private sound server of
// scripts/with-pulse or scripts/with-pipewire.
class PulseCapture {
public:
    static constexpr int SampleRate = 44100;

    // Frame indexes heard in order, each the one after the index before, though silence
    // (a pause, a rest) or undecodable frames may come between: one range or window heard.
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
    static constexpr int RestMs = 100;

    PulseCapture();
    ~PulseCapture();
    PulseCapture(const PulseCapture&) = delete;
    PulseCapture& operator=(const PulseCapture&) = delete;

    // Starts recording and returns once the recorder receives sound from the sink.
    // False with errorString() when no recorder or no sink could be reached.
    bool start();
    // Ends the recording (50 ms after the call) and keeps what was captured for the
    // analysis below.
    void stop();
    QString errorString() const { return error; }

    qint64 capturedFrames() const { return captured.size() / 4; }
    // The recording's left channel, full scale 1.
    std::vector<float> leftChannel() const;
    QList<HeardRun> heardRuns() const;
    // Non-silent frames that are no indexed code: a mix, a volume change or a resampled
    // stream. An honest capture of indexed files has none.
    qint64 undecodableFrames() const;
    static double framesToMs(qint64 frames) { return frames * 1000.0 / SampleRate; }
    static qint64 frameOf(qint64 ms) { return (ms * SampleRate + 500) / 1000; } // rounded
    // The steps heard; with `toneHz`, what was played is a sine of that frequency, whose
    // phase is checked to run on from sample to sample inside each step.
    QList<HeardStep> heardSteps(std::optional<double> toneHz = {}) const;
    // The rate the sink "test" runs at; frame codes survive only 44100 Hz.
    static int sinkRate();

private:
    bool waitForSound();
    qint16 sampleAt(qint64 frame, int channel) const; // 0 left, 1 right
    std::optional<qint64> indexAt(qint64 frame) const;
    int phaseJumps(const HeardStep& step, double toneHz) const;
    void endRecorder();

    QProcess recorder;
    QTemporaryFile output;
    QByteArray captured;
    QString error;
};
