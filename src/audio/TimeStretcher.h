#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

namespace RubberBand {
class RubberBandStretcher;
}

// Changes the speed of interleaved float frames and keeps their pitch (Rubber Band's R3
// engine in real-time mode, with its short window: a third of the CPU of the standard
// one and half its delay). Its output is aligned with its input: the stretcher's start
// pad is fed and its start delay dropped, so stretched frame n was source frame n * speed.
// The tail is flushed by feeding silence after the last frame, a block at a time: the
// library's own final flush processes everything at once, which takes longer than the
// sound server's buffer lasts. Used on one thread at a time.
class TimeStretcher {
public:
    TimeStretcher(int sampleRate, int channels, int speedPercent);
    ~TimeStretcher();
    TimeStretcher(const TimeStretcher&) = delete;
    TimeStretcher& operator=(const TimeStretcher&) = delete;

    void setSpeed(int speedPercent);
    // Source frames to feed before more stretched frames can come; at most maxFeedFrames().
    qint64 framesWanted() const;
    static qint64 maxFeedFrames();
    // Null frames feed silence.
    void feed(const float* frames, qint64 count);
    // Copies up to maxFrames stretched frames; 0 when it needs to be fed first.
    qint64 take(float* frames, qint64 maxFrames);
    // Drops the first `frames` stretched frames: those of source frames fed only so that
    // the stretcher's fade-in is past when the frames wanted begin.
    void skipOutput(qint64 frames) { framesToDrop_ += frames; }

private:
    void process(const float* frames, qint64 count);

    std::unique_ptr<RubberBand::RubberBandStretcher> stretcher_;
    const int channels_;
    std::vector<std::vector<float>> planar_;
    std::vector<float*> channelPointers_;
    bool started_ = false;
    qint64 framesToDrop_ = 0;
};
