#include "audio/NullAudioOutput.h"

#include "audio/AudioEngine.h"

#include <algorithm>

void ManualAudioClock::advance(int ms) {
    nowMs_ += std::max(0, ms);
    const auto listeners = listeners_; // a listener may remove itself
    for (const auto& [owner, onAdvance] : listeners)
        onAdvance();
}

void ManualAudioClock::addListener(const void* owner, std::function<void()> onAdvance) {
    listeners_.emplace_back(owner, std::move(onAdvance));
}

void ManualAudioClock::removeListener(const void* owner) {
    std::erase_if(listeners_, [owner](const auto& entry) { return entry.first == owner; });
}

NullAudioOutput::NullAudioOutput(std::shared_ptr<ManualAudioClock> clock, QObject* parent)
    : AudioOutput(parent), clock_(std::move(clock)) {
    realClock_.start();
    endTimer_.setSingleShot(true);
    endTimer_.setTimerType(Qt::PreciseTimer);
    connect(&endTimer_, &QTimer::timeout, this, &NullAudioOutput::checkEnd);
    if (clock_)
        clock_->addListener(this, [this] { checkEnd(); });
}

NullAudioOutput::~NullAudioOutput() {
    if (clock_)
        clock_->removeListener(this);
}

qint64 NullAudioOutput::nowMs() const {
    return clock_ ? clock_->nowMs() : realClock_.elapsed();
}

qint64 NullAudioOutput::framesAfter(qint64 ms) const {
    return ms * sampleRate_ / 1000;
}

// Started at the end of its rest (no lead), a range is heard at once.
void NullAudioOutput::start(std::shared_ptr<PlayRange> range, quint64 tag, Rests) {
    sampleRate_ = range->sampleRate();
    frameCount_ = range->frameCount();
    tag_ = tag;
    heardBeforeRun_ = 0;
    runStartMs_ = nowMs();
    running_ = true;
    checkEnd();
}

qint64 NullAudioOutput::stop() {
    const qint64 heard = framesHeard();
    running_ = false;
    heardBeforeRun_ = heard;
    endTimer_.stop();
    return heard;
}

void NullAudioOutput::pause() {
    if (running_)
        stop();
}

void NullAudioOutput::resume() {
    if (running_ || heardBeforeRun_ >= frameCount_)
        return;
    runStartMs_ = nowMs();
    running_ = true;
    checkEnd();
}

qint64 NullAudioOutput::framesHeard() const {
    if (!running_)
        return heardBeforeRun_;
    return std::min(frameCount_, heardBeforeRun_ + framesAfter(nowMs() - runStartMs_));
}

void NullAudioOutput::checkEnd() {
    if (!running_)
        return;
    if (framesHeard() < frameCount_) {
        scheduleEnd();
        return;
    }
    running_ = false;
    heardBeforeRun_ = frameCount_;
    endHeardAt_ = Clock::now();
    QMetaObject::invokeMethod(
        this, [this, tag = tag_] { emit finished(tag); }, Qt::QueuedConnection);
}

void NullAudioOutput::scheduleEnd() {
    if (clock_)
        return; // the manual clock tells us when it moves
    const qint64 framesLeft = frameCount_ - framesHeard();
    endTimer_.start(int((framesLeft * 1000 + sampleRate_ - 1) / sampleRate_));
}
