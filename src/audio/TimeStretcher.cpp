#include "audio/TimeStretcher.h"

#include <rubberband/RubberBandStretcher.h>

#include <algorithm>

namespace {

constexpr qint64 BlockFrames = 1024;

double timeRatio(int speedPercent) {
    return 100.0 / speedPercent;
}

} // namespace

TimeStretcher::TimeStretcher(int sampleRate, int channels, int speedPercent)
    : stretcher_(std::make_unique<RubberBand::RubberBandStretcher>(
          size_t(sampleRate), size_t(channels),
          RubberBand::RubberBandStretcher::OptionEngineFiner |
              RubberBand::RubberBandStretcher::OptionProcessRealTime |
              RubberBand::RubberBandStretcher::OptionWindowShort,
          timeRatio(speedPercent))),
      channels_(channels), planar_(size_t(channels), std::vector<float>(size_t(BlockFrames))) {
    stretcher_->setMaxProcessSize(size_t(BlockFrames));
    for (auto& channel : planar_)
        channelPointers_.push_back(channel.data());
}

TimeStretcher::~TimeStretcher() = default;

void TimeStretcher::setSpeed(int speedPercent) {
    stretcher_->setTimeRatio(timeRatio(speedPercent));
}

qint64 TimeStretcher::maxFeedFrames() {
    return BlockFrames;
}

qint64 TimeStretcher::framesWanted() const {
    return std::clamp<qint64>(qint64(stretcher_->getSamplesRequired()), 1, BlockFrames);
}

// The pad and the delay are read at the first feed, once the starting speed is final.
void TimeStretcher::feed(const float* frames, qint64 count) {
    if (!started_) {
        started_ = true;
        framesToDrop_ += qint64(stretcher_->getStartDelay());
        for (auto pad = qint64(stretcher_->getPreferredStartPad()); pad > 0;) {
            const qint64 block = std::min(pad, BlockFrames);
            process(nullptr, block);
            pad -= block;
        }
    }
    process(frames, count);
}

void TimeStretcher::process(const float* frames, qint64 count) {
    for (int c = 0; c < channels_; ++c) {
        float* channel = planar_[size_t(c)].data();
        for (qint64 i = 0; i < count; ++i)
            channel[i] = frames ? frames[i * channels_ + c] : 0.0f;
    }
    stretcher_->process(channelPointers_.data(), size_t(count), false);
}

qint64 TimeStretcher::take(float* frames, qint64 maxFrames) {
    for (;;) {
        const int available = stretcher_->available();
        if (available <= 0)
            return 0;
        const qint64 count = std::min({qint64(available), maxFrames + framesToDrop_, BlockFrames});
        const auto got = qint64(stretcher_->retrieve(channelPointers_.data(), size_t(count)));
        const qint64 dropped = std::min(got, framesToDrop_);
        framesToDrop_ -= dropped;
        const qint64 kept = got - dropped;
        for (int c = 0; c < channels_; ++c) {
            const float* channel = planar_[size_t(c)].data() + dropped;
            for (qint64 i = 0; i < kept; ++i)
                frames[i * channels_ + c] = channel[i];
        }
        if (kept > 0)
            return kept;
    }
}
