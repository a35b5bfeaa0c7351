#include "audio/AudioEngine.h"

#include "audio/AudioDecoder.h"
#include "audio/TimeStretcher.h"

#include <algorithm>
#include <cstring>
#include <pthread.h>

namespace {

constexpr qint64 ChunkFrames = 4096;
// Two seconds of read-ahead outlast any disk stall worth the name; the reader refills
// when half of it has been played, so it wakes about once a second while playing.
constexpr int ReadAheadSeconds = 2;
// Kept behind the consumer, where the range does not fit the ring, so that a change of
// speed can take again the frames the server holds but has not played (at 200 % and the
// largest server queue, 0.7 s) and those that lead the stretcher in.
constexpr int HistorySeconds = 1;
// Fed to a fresh stretcher ahead of the frame it restarts at, so that its fade-in is over.
constexpr qint64 LeadInMs = 50;
// Output kept after it is delivered, for the fade at a restart: more than the largest
// server queue it is written over.
constexpr int DeliveredKeptDivisor = 2; // half a second
// A restart fades from the frames it replaces to the new ones over this long, so that a
// change of speed joins without a click.
constexpr qint64 CrossFadeMs = 10;
// Read before startRange() returns: more than the output writes when a range starts.
constexpr int PrefillDivisor = 10; // a tenth of a second

void wake(std::atomic<unsigned>& wakeup) {
    wakeup.fetch_add(1, std::memory_order_release);
    wakeup.notify_one();
}

// Calls run(at, done, frames) for each stretch of `count` frames from frame `first` of a
// ring of `capacity` frames: `at` is where the stretch lies in the ring, `done` how many
// frames came before it.
template <typename Run> void forEachRun(qint64 first, qint64 count, qint64 capacity, Run run) {
    for (qint64 done = 0; done < count;) {
        const qint64 at = (first + done) % capacity;
        const qint64 frames = std::min(count - done, capacity - at);
        run(at, done, frames);
        done += frames;
    }
}

// The output frames that `sourceFrames` frames last at speedPercent.
qint64 outputFramesFor(qint64 sourceFrames, int speedPercent) {
    return (sourceFrames * 100 + speedPercent / 2) / speedPercent;
}

} // namespace

PlayRange::PlayRange(int sampleRate, int channels, qint64 sourceFrames, qint64 readAheadFrames,
                     int speedPercent)
    : sampleRate_(sampleRate), channels_(channels), sourceFrames_(sourceFrames),
      capacity_(std::clamp<qint64>(sourceFrames, 1,
                                   readAheadFrames + qint64(sampleRate) * HistorySeconds)),
      history_(capacity_ < sourceFrames ? qint64(sampleRate) * HistorySeconds : 0),
      ring_(size_t(capacity_) * channels),
      outputFrames_(outputFramesFor(sourceFrames, speedPercent)), segments_{{0, 0, speedPercent}},
      deliveredCapacity_(std::max(1, sampleRate / DeliveredKeptDivisor)),
      deliveredCopy_(
          std::make_unique_for_overwrite<float[]>(size_t(deliveredCapacity_) * size_t(channels))) {
    if (speedPercent != 100)
        changeSpeed(speedPercent);
}

PlayRange::~PlayRange() = default;

qint64 PlayRange::freeFrames() const {
    return capacity_ - history_ -
           (produced_.load(std::memory_order_relaxed) - consumed_.load(std::memory_order_acquire));
}

qint64 PlayRange::oldestHeld() const {
    return history_ == 0 ? 0 : consumed_.load(std::memory_order_relaxed) - history_;
}

qint64 PlayRange::read(float* destination, qint64 maxFrames) {
    applySpeedChange();
    const qint64 count =
        stretcher_ ? readStretched(destination, maxFrames) : readSource(destination, maxFrames);
    crossFade(destination, count);
    keepDelivered(destination, count);
    delivered_.store(delivered_.load(std::memory_order_relaxed) + count, std::memory_order_release);
    return count;
}

void PlayRange::keepDelivered(const float* frames, qint64 count) {
    const qint64 skipped = std::max<qint64>(0, count - deliveredCapacity_);
    forEachRun(delivered_.load(std::memory_order_relaxed) + skipped, count - skipped,
               deliveredCapacity_, [&](qint64 at, qint64 done, qint64 run) {
                   std::memcpy(deliveredCopy_.get() + at * channels_,
                               frames + (skipped + done) * channels_,
                               size_t(run * channels_) * sizeof(float));
               });
}

void PlayRange::crossFade(float* frames, qint64 count) {
    const qint64 fadeFrames = qint64(replaced_.size()) / channels_;
    for (qint64 i = 0; i < count && fadeDone_ < fadeFrames; ++i, ++fadeDone_) {
        const float weight = float(fadeDone_ + 1) / float(fadeFrames + 1);
        for (int c = 0; c < channels_; ++c) {
            float& sample = frames[i * channels_ + c];
            sample = weight * sample + (1 - weight) * replaced_[size_t(fadeDone_ * channels_ + c)];
        }
    }
}

void PlayRange::keepReplaced(qint64 outputFrames) {
    const qint64 delivered = delivered_.load(std::memory_order_relaxed);
    const qint64 kept = delivered - outputFrames > deliveredCapacity_
                            ? 0
                            : std::min(delivered - outputFrames, CrossFadeMs * sampleRate_ / 1000);
    replaced_.resize(size_t(std::max<qint64>(0, kept) * channels_));
    forEachRun(outputFrames, kept, deliveredCapacity_, [&](qint64 at, qint64 done, qint64 run) {
        std::memcpy(replaced_.data() + done * channels_, deliveredCopy_.get() + at * channels_,
                    size_t(run * channels_) * sizeof(float));
    });
    fadeDone_ = 0;
}

qint64 PlayRange::readSource(float* destination, qint64 maxFrames) {
    qint64 count = take(destination, maxFrames);
    if (count < maxFrames && consumed_.load(std::memory_order_relaxed) < sourceFrames_) {
        starved_.store(true);
        // The reader calls the handler only for frames it writes after seeing the flag;
        // those it wrote before are taken here.
        count += take(destination + count * channels_, maxFrames - count);
    }
    if (readerWakeup_ && framesStillToFill() > 0 && freeFrames() >= (capacity_ - history_) / 2)
        wake(*readerWakeup_);
    return count;
}

qint64 PlayRange::take(float* destination, qint64 maxFrames) {
    const qint64 consumed = consumed_.load(std::memory_order_relaxed);
    const qint64 available = produced_.load() - consumed;
    const qint64 count = std::min(available, maxFrames);
    forEachRun(consumed, count, capacity_, [&](qint64 at, qint64 done, qint64 run) {
        std::memcpy(destination + done * channels_, ring_.data() + at * channels_,
                    size_t(run * channels_) * sizeof(float));
    });
    consumed_.store(consumed + count, std::memory_order_release);
    return count;
}

// Stretched frames up to the range's output length, so that the range lasts its length
// at its speed; nothing the stretcher gives beyond that length is played.
qint64 PlayRange::readStretched(float* destination, qint64 maxFrames) {
    const qint64 wanted =
        std::min(maxFrames, frameCount() - delivered_.load(std::memory_order_relaxed));
    qint64 done = 0;
    while (done < wanted) {
        const qint64 got = stretcher_->take(destination + done * channels_, wanted - done);
        if (got > 0)
            done += got;
        else if (!feedStretcher())
            break;
    }
    return done;
}

// Feeds source frames, and silence after the last one to flush the stretcher's tail.
// False when the reader has not yet read the source frames the stretcher needs.
bool PlayRange::feedStretcher() {
    const qint64 wanted = stretcher_->framesWanted();
    if (consumed_.load(std::memory_order_relaxed) == sourceFrames_) {
        stretcher_->feed(nullptr, wanted);
        return true;
    }
    const qint64 got = readSource(feedBuffer_.data(), wanted);
    if (got > 0)
        stretcher_->feed(feedBuffer_.data(), got);
    return got > 0;
}

// On the consumer thread: a speed set since the last read starts at the next frame.
// The stretcher keeps running after a change to 100 % (at a ratio of 1) so that the
// frames it holds are not lost.
void PlayRange::applySpeedChange() {
    if (!speedChangePending_.exchange(false, std::memory_order_acquire))
        return;
    std::lock_guard lock(speedMutex_);
    if (!stretcher_)
        useStretcher(std::move(pendingStretcher_));
    if (stretcher_)
        stretcher_->setSpeed(pendingPercent_);
    pendingStretcher_.reset();
    const qint64 delivered = delivered_.load(std::memory_order_relaxed);
    const qint64 source = sourceFramesAtLocked(delivered);
    segments_.push_back({delivered, source, pendingPercent_});
    outputFrames_.store(delivered + outputFramesFor(sourceFrames_ - source, pendingPercent_),
                        std::memory_order_release);
}

void PlayRange::useStretcher(std::unique_ptr<TimeStretcher> stretcher) {
    stretcher_ = std::move(stretcher);
    feedBuffer_.resize(size_t(TimeStretcher::maxFeedFrames() * channels_));
}

// On the GUI thread. The stretcher is built here, outside the lock, so that the
// consumer never waits for it.
void PlayRange::changeSpeed(int speedPercent) {
    auto stretcher = speedPercent == 100
                         ? nullptr
                         : std::make_unique<TimeStretcher>(sampleRate_, channels_, speedPercent);
    std::lock_guard lock(speedMutex_);
    pendingStretcher_ = std::move(stretcher);
    pendingPercent_ = speedPercent;
    speedChangePending_.store(true, std::memory_order_release);
}

// The fresh stretcher is fed from a lead-in before the frame, and its output up to the
// frame dropped, so that the new speed joins at full level; at 100 % the file's own
// frames follow.
bool PlayRange::restartAt(qint64 outputFrames) {
    std::lock_guard lock(speedMutex_);
    if (!speedChangePending_.load(std::memory_order_acquire))
        return false;
    const qint64 source = sourceFramesAtLocked(outputFrames);
    const qint64 leadIn = pendingStretcher_ ? std::min(source, LeadInMs * sampleRate_ / 1000) : 0;
    if (source - leadIn < oldestHeld())
        return false;
    speedChangePending_.store(false, std::memory_order_relaxed);
    keepReplaced(outputFrames);
    useStretcher(std::move(pendingStretcher_));
    if (stretcher_)
        stretcher_->skipOutput(outputFramesFor(leadIn, pendingPercent_));
    consumed_.store(source - leadIn, std::memory_order_release);
    delivered_.store(outputFrames, std::memory_order_release);
    std::erase_if(segments_, [outputFrames](const SpeedSegment& segment) {
        return segment.outputStart >= outputFrames;
    });
    segments_.push_back({outputFrames, source, pendingPercent_});
    outputFrames_.store(outputFrames + outputFramesFor(sourceFrames_ - source, pendingPercent_),
                        std::memory_order_release);
    return true;
}

qint64 PlayRange::sourceFramesAt(qint64 outputFrames) const {
    std::lock_guard lock(speedMutex_);
    return sourceFramesAtLocked(outputFrames);
}

qint64 PlayRange::sourceFramesAtLocked(qint64 outputFrames) const {
    auto segment = segments_.rbegin();
    while (segment->outputStart > outputFrames)
        ++segment;
    const qint64 source =
        segment->sourceStart + (outputFrames - segment->outputStart) * segment->percent / 100;
    return std::min(source, sourceFrames_);
}

void PlayRange::write(const float* source, qint64 frames) {
    const qint64 produced = produced_.load(std::memory_order_relaxed);
    forEachRun(produced, frames, capacity_, [&](qint64 at, qint64 done, qint64 run) {
        float* target = ring_.data() + at * channels_;
        const size_t bytes = size_t(run * channels_) * sizeof(float);
        if (source)
            std::memcpy(target, source + done * channels_, bytes);
        else
            std::memset(target, 0, bytes);
    });
    produced_.store(produced + frames);
}

void PlayRange::setStarvationHandler(std::function<void()> handler) {
    std::lock_guard lock(handlerMutex_);
    onStarvation_ = std::move(handler);
}

void PlayRange::notifyConsumerIfStarved() {
    if (!starved_.exchange(false))
        return;
    std::function<void()> handler;
    {
        std::lock_guard lock(handlerMutex_);
        handler = onStarvation_;
    }
    // Called without the mutex: the handler takes the output's own lock, under which
    // the output may be replacing the handler.
    if (handler)
        handler();
}

AudioEngine::AudioEngine(std::unique_ptr<AudioDecoder> decoder)
    : decoder_(std::move(decoder)), reader_([this] { readerLoop(); }) {
    pthread_setname_np(reader_.native_handle(), "audio-reader");
}

AudioEngine::~AudioEngine() {
    cancelRange();
    quit_ = true;
    wakeReader();
    reader_.join();
}

std::shared_ptr<PlayRange> AudioEngine::startRange(qint64 from, qint64 to, int speedPercent) {
    const int rate = decoder_->sampleRate();
    const qint64 count = std::max<qint64>(0, to - from);
    auto range = std::make_shared<PlayRange>(rate, decoder_->channels(), count,
                                             qint64(rate) * ReadAheadSeconds, speedPercent);
    range->readerWakeup_ = wakeup_;
    range->start_ = from;
    if (decoder_->seeksQuickly()) {
        std::vector<float> buffer(size_t(ChunkFrames) * decoder_->channels());
        std::lock_guard lock(decoderMutex_);
        replaceRange(range);
        while (range->produced_ < range->sourceFrames_ &&
               range->produced_ < rate / PrefillDivisor && fillOnce(range, buffer)) {
        }
    } else {
        replaceRange(range); // cancelling the range a seek is under way for ends that seek
    }
    wakeReader();
    return range;
}

void AudioEngine::cancelRange() {
    replaceRange(nullptr);
}

void AudioEngine::replaceRange(std::shared_ptr<PlayRange> range) {
    std::lock_guard lock(rangeMutex_);
    if (range_)
        range_->cancelled_ = true;
    range_ = std::move(range);
}

void AudioEngine::place(PlayRange& range) {
    decoder_->setSeekInterruption(&range.cancelled_);
    range.unplaceable_ = !decoder_->seek(range.start_);
    decoder_->setSeekInterruption(nullptr);
    range.placed_ = true;
}

void AudioEngine::wakeReader() {
    wake(*wakeup_);
}

bool AudioEngine::fillOnce(const std::shared_ptr<PlayRange>& range, std::vector<float>& buffer) {
    const qint64 count = std::min({ChunkFrames, range->freeFrames(), range->framesStillToFill()});
    if (count <= 0 || range->cancelled_)
        return false;
    if (!range->placed_)
        place(*range);
    const qint64 got =
        range->unplaceable_ ? 0 : std::max<qint64>(0, decoder_->read(buffer.data(), count));
    range->write(buffer.data(), got);
    // A file that fails to read, or a range the decoder could not get to, plays silence
    // for the rest rather than other audio, so that the range keeps its length and ends
    // where it was asked to.
    if (got < count)
        range->write(nullptr, count - got);
    return true;
}

void AudioEngine::readerLoop() {
    std::vector<float> buffer(size_t(ChunkFrames) * decoder_->channels());
    for (;;) {
        // The count is read before the flag: a quit set and woken after this read changes
        // the count, so the wait below returns at once instead of missing the wake-up.
        const unsigned seen = wakeup_->load(std::memory_order_acquire);
        if (quit_)
            return;
        std::shared_ptr<PlayRange> range;
        bool filled = false;
        {
            std::lock_guard lock(decoderMutex_);
            {
                std::lock_guard rangeLock(rangeMutex_);
                range = range_;
            }
            if (range)
                filled = fillOnce(range, buffer);
        }
        if (filled)
            range->notifyConsumerIfStarved();
        else
            wakeup_->wait(seen, std::memory_order_acquire);
    }
}
