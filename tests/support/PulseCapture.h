#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

#include <vector>

// Records the monitor of the null sink "test" (s16le, stereo, 44100 Hz) with parec, so
// that a test can check which frames of an indexed WAV file were heard, and when.
// Needs the private PulseAudio server of scripts/with-pulse.
class PulseCapture {
public:
    static constexpr int SampleRate = 44100;

    // A stretch of consecutive frame indexes heard back to back.
    struct HeardRun {
        qint64 first = 0;         // first frame index heard
        qint64 last = 0;          // last frame index heard
        qint64 captureOffset = 0; // capture frame at which the run began
        qint64 frames() const { return last - first + 1; }
        qint64 captureEnd() const { return captureOffset + frames(); }
    };

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
    // Silence between two runs, in milliseconds.
    static double gapMs(const HeardRun& earlier, const HeardRun& later);
    static double framesToMs(qint64 frames) { return frames * 1000.0 / SampleRate; }

private:
    bool waitForSound();
    void endRecorder();

    QProcess recorder;
    QTemporaryFile output;
    QByteArray captured;
    QString error;
};
