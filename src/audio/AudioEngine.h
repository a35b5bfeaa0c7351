#pragma once

#include <QtGlobal>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class AudioDecoder;
class TimeStretcher;

// The frames of one play range on their way from the disk to an output. The engine's
// reader thread fills a ring with the file's frames ahead of time; one output thread
// takes frames out. The ring is single-producer, single-consumer, so neither side ever
// blocks the other.
//
// At a speed other than 100 % the output thread stretches the frames as it takes them,
// so that nothing stretched waits ahead of the output and a change of speed is heard
// within the output's own buffer. At 100 % the output gets the file's own frames.
class PlayRange {
public:
    PlayRange(int sampleRate, int channels, qint64 sourceFrames, qint64 readAheadFrames,
              int speedPercent);
    ~PlayRange();

    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    // The frames an output plays: the source frames at the speed set, as far as known.
    qint64 frameCount() const { return outputFrames_.load(std::memory_order_acquire); }

    // Consumer side: copies up to `maxFrames` interleaved float frames; fewer when the
    // reader is behind, 0 at the end of the range.
    qint64 read(float* destination, qint64 maxFrames);
    // Every frame of the range has been taken by the consumer.
    bool fullyRead() const { return delivered_.load(std::memory_order_acquire) == frameCount(); }
    // Called on the reader thread after it added frames while the consumer found none.
    void setStarvationHandler(std::function<void()> handler);

    // The speed from the next frame the consumer takes on (or from restartAt()).
    void changeSpeed(int speedPercent);
    // Consumer side: takes up a speed change pending from output frame `outputFrames` on,
    // which the consumer has already taken; the frames after it are taken again at the
    // new speed. False (the change waits for the next read) where the source frames are
    // no longer held.
    bool restartAt(qint64 outputFrames);
    // The source frames of the range behind `outputFrames` frames of output.
    qint64 sourceFramesAt(qint64 outputFrames) const;

private:
    friend class AudioEngine;
    // From output frame outputStart on, source frames pass at `percent` % of real time.
    struct SpeedSegment {
        qint64 outputStart;
        qint64 sourceStart;
        int percent;
    };

    qint64 freeFrames() const;
    // The first source frame the ring still holds behind the consumer.
    qint64 oldestHeld() const;
    // Copies what the reader has written, up to maxFrames.
    qint64 take(float* destination, qint64 maxFrames);
    qint64 framesStillToFill() const { return sourceFrames_ - produced_.load(); }
    // Producer side: appends frames, padding with silence when the file ran short.
    void write(const float* source, qint64 frames);
    void notifyConsumerIfStarved();
    qint64 readSource(float* destination, qint64 maxFrames);
    qint64 readStretched(float* destination, qint64 maxFrames);
    bool feedStretcher();
    void useStretcher(std::unique_ptr<TimeStretcher> stretcher);
    void applySpeedChange();
    // Keeps a copy of the output just delivered, and blends the first frames after a
    // restart from the copy of what they replace.
    void keepDelivered(const float* frames, qint64 count);
    void crossFade(float* frames, qint64 count);
    // Copies the delivered frames from `outputFrames` on that a restart there replaces.
    void keepReplaced(qint64 outputFrames);
    qint64 sourceFramesAtLocked(qint64 outputFrames) const;

    const int sampleRate_;
    const int channels_;
    const qint64 sourceFrames_;
    const qint64 capacity_;
    const qint64 history_; // frames of the ring kept behind the consumer, for restartAt()
    std::vector<float> ring_;
    std::atomic<qint64> produced_{0};
    std::atomic<qint64> consumed_{0};
    std::atomic<qint64> outputFrames_;
    std::atomic<qint64> delivered_{0};
    std::atomic<bool> starved_{false};
    std::atomic<bool> cancelled_{false};
    // Where the range starts in the file; until the decoder has been moved there, it is
    // not placed. Under decoderMutex_.
    qint64 start_ = 0;
    bool placed_ = false;
    bool unplaceable_ = false; // the decoder could not seek to the start
    std::function<void()> onStarvation_;
    std::mutex handlerMutex_;
    std::shared_ptr<std::atomic<unsigned>> readerWakeup_;

    // The consumer's stretcher and its feed; none while the range plays at 100 %.
    std::unique_ptr<TimeStretcher> stretcher_;
    std::vector<float> feedBuffer_;
    // A speed the GUI thread set, for the consumer to take up; under speedMutex_, as are
    // the segments, which the consumer appends and the GUI thread reads.
    mutable std::mutex speedMutex_;
    std::vector<SpeedSegment> segments_;
    int pendingPercent_ = 0;
    std::unique_ptr<TimeStretcher> pendingStretcher_; // a fresh one, none for 100 %
    std::atomic<bool> speedChangePending_{false};
    // The last output frames delivered (output frame n at n % deliveredCapacity_), and the
    // frames a restart replaced that the frames after it fade in over.
    const qint64 deliveredCapacity_;
    std::unique_ptr<float[]> deliveredCopy_;
    std::vector<float> replaced_;
    qint64 fadeDone_ = 0;
};

// Reads the open file ahead of the output on its own thread, so that disk reads never
// happen on the thread that feeds the sound server. The thread sleeps whenever no range
// needs frames: an idle engine never wakes up.
class AudioEngine {
public:
    explicit AudioEngine(std::unique_ptr<AudioDecoder> decoder);
    ~AudioEngine();

    const AudioDecoder& decoder() const { return *decoder_; }

    // Starts reading frames [from, to) of the file, to be heard at speedPercent, and ends
    // reading for the previous range. Where the decoder seeks quickly the first part is
    // read before it returns, so an output can start sound at once; elsewhere the reader
    // thread seeks and the frames follow when it gets there, so that the caller never
    // waits for a long seek.
    std::shared_ptr<PlayRange> startRange(qint64 from, qint64 to, int speedPercent = 100);
    // Stops reading for the current range (the output has stopped).
    void cancelRange();

private:
    void readerLoop();
    bool fillOnce(const std::shared_ptr<PlayRange>& range, std::vector<float>& buffer);
    void place(PlayRange& range);
    void replaceRange(std::shared_ptr<PlayRange> range);
    void wakeReader();

    std::unique_ptr<AudioDecoder> decoder_;
    std::mutex decoderMutex_; // held while the decoder is used
    std::mutex rangeMutex_;   // held while `range_` is read or changes, after decoderMutex_
    std::shared_ptr<PlayRange> range_;
    std::shared_ptr<std::atomic<unsigned>> wakeup_ = std::make_shared<std::atomic<unsigned>>(0);
    std::atomic<bool> quit_{false};
    std::thread reader_;
};
