#include "MonitorRecorder.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <pulse/error.h>
#include <pulse/simple.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int ChunkFrames = 44; // one millisecond
// The recording's fragment: one chunk, so that each chunk's moment is known to the
// millisecond. PipeWire, though, runs its whole graph at the smallest latency a client
// asks for: at 1 ms it cycled every 5 ms, which this machine does not keep under load,
// and every stream lost sound, a tone from paplay as much as this program. Beside it
// (scripts/with-pipewire says so) 30 ms leave the graph at its default quantum.
int fragmentFrames() {
    return qgetenv("PARLANDA_SOUND_SERVER") == "pipewire" ? 30 * ChunkFrames : ChunkFrames;
}
} // namespace

MonitorRecorder::~MonitorRecorder() {
    stop();
}

bool MonitorRecorder::start() {
    const pa_sample_spec spec{PA_SAMPLE_S16LE, SampleRate, 2};
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = attr.prebuf = attr.minreq = uint32_t(-1);
    attr.fragsize = uint32_t(fragmentFrames() * 4);
    int error = 0;
    stream_ = pa_simple_new(nullptr, "parlanda-bench", PA_STREAM_RECORD, "test.monitor", "monitor",
                            &spec, nullptr, &attr, &error);
    if (!stream_) {
        std::fprintf(stderr, "cannot record test.monitor: %s\n", pa_strerror(error));
        return false;
    }
    thread_ = std::thread([this] { recordLoop(); });
    return true;
}

void MonitorRecorder::stop() {
    if (!stream_)
        return;
    catchUp();
    quit_ = true;
    thread_.join();
    pa_simple_free(stream_);
    stream_ = nullptr;
}

void MonitorRecorder::recordLoop() {
    std::vector<qint16> chunk(ChunkFrames * 2);
    int error = 0;
    while (!quit_) {
        if (pa_simple_read(stream_, chunk.data(), chunk.size() * sizeof(qint16), &error) < 0)
            return;
        const auto arrived = std::chrono::steady_clock::now();
        const pa_usec_t latency = pa_simple_get_latency(stream_, &error);
        std::lock_guard lock(mutex_);
        samples_.insert(samples_.end(), chunk.begin(), chunk.end());
        stamps_.push_back(
            {qint64(samples_.size() / 2), arrived - std::chrono::microseconds(latency)});
    }
}

void MonitorRecorder::catchUp() const {
    const auto now = std::chrono::steady_clock::now();
    for (int waited = 0; waited < 30000 && stream_; waited += 10) {
        {
            std::lock_guard lock(mutex_);
            if (!stamps_.empty() && stamps_.back().renderedAt >= now)
                return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::vector<MonitorRecorder::Run> MonitorRecorder::heardRuns() const {
    catchUp();
    std::lock_guard lock(mutex_);
    std::vector<Run> runs;
    for (qint64 frame = 0; frame < qint64(samples_.size() / 2); ++frame) {
        const auto index =
            IndexedCode::decode(samples_[size_t(frame * 2)], samples_[size_t(frame * 2 + 1)]);
        if (index && !runs.empty() && *index == runs.back().last + 1 &&
            frame == runs.back().captureFrame + (runs.back().last - runs.back().first) + 1)
            runs.back().last = *index;
        else if (index)
            runs.push_back({*index, *index, frame});
    }
    return runs;
}

qint64 MonitorRecorder::capturedFrames() const {
    std::lock_guard lock(mutex_);
    return qint64(samples_.size() / 2);
}

std::optional<qint64> MonitorRecorder::firstSoundFrom(qint64 frame) const {
    std::lock_guard lock(mutex_);
    for (; frame < qint64(samples_.size() / 2); ++frame)
        if (!silentAt(frame))
            return frame;
    return std::nullopt;
}

qint64 MonitorRecorder::silenceFrom(qint64 frame) const {
    std::lock_guard lock(mutex_);
    while (frame < qint64(samples_.size() / 2) && !silentAt(frame))
        ++frame;
    return frame;
}

std::vector<qint16> MonitorRecorder::samples(qint64 frame, qint64 count) const {
    std::lock_guard lock(mutex_);
    const auto from = samples_.begin() + std::min<qint64>(frame * 2, qint64(samples_.size()));
    return {from, from + std::min<qint64>(count * 2, samples_.end() - from)};
}

std::vector<qint16> MonitorRecorder::samples(qint64 from) const {
    catchUp();
    std::lock_guard lock(mutex_);
    const auto begin = samples_.begin() + std::clamp<qint64>(from * 2, 0, qint64(samples_.size()));
    return {begin, samples_.end()};
}

qint64 MonitorRecorder::frameAt(TimePoint moment) const {
    std::lock_guard lock(mutex_);
    const auto stamp =
        std::lower_bound(stamps_.begin(), stamps_.end(), moment,
                         [](const Stamp& s, TimePoint t) { return s.renderedAt < t; });
    return stamp == stamps_.end() ? qint64(samples_.size() / 2) : stamp->endFrame - ChunkFrames;
}

std::optional<std::pair<qint64, qint64>> MonitorRecorder::soundAfter(qint64 from) const {
    constexpr int Loud = 328; // -40 dBFS
    constexpr qint64 EndingSilence = SampleRate / 50;
    std::lock_guard lock(mutex_);
    const qint64 frames = qint64(samples_.size() / 2);
    std::optional<std::pair<qint64, qint64>> sound;
    for (qint64 frame = from; frame < frames; ++frame) {
        if (std::abs(samples_[size_t(frame * 2)]) < Loud)
            continue;
        if (sound && frame - sound->second > EndingSilence)
            return sound;
        sound = {sound ? sound->first : frame, frame + 1};
    }
    return sound && frames - sound->second > EndingSilence ? sound : std::nullopt;
}

MonitorRecorder::TimePoint MonitorRecorder::renderTime(qint64 frame) const {
    std::lock_guard lock(mutex_);
    const auto stamp = std::lower_bound(stamps_.begin(), stamps_.end(), frame + 1,
                                        [](const Stamp& s, qint64 f) { return s.endFrame < f; });
    if (stamp == stamps_.end())
        return stamps_.back().renderedAt;
    const auto framesBefore = stamp->endFrame - 1 - frame;
    return stamp->renderedAt - std::chrono::microseconds(framesBefore * 1000000 / SampleRate);
}

bool writeStereoWav(const QString& path, qint64 frames,
                    const std::function<std::pair<qint16, qint16>(qint64)>& frameAt) {
    SF_INFO info{};
    info.samplerate = MonitorRecorder::SampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<qint16> samples;
    samples.reserve(size_t(frames) * 2);
    for (qint64 i = 0; i < frames; ++i) {
        const auto [left, right] = frameAt(i);
        samples.insert(samples.end(), {left, right});
    }
    const bool written = sf_writef_short(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

bool writeIndexedWav(const QString& path, qint64 frames) {
    return writeStereoWav(path, frames, [](qint64 i) {
        return std::pair(IndexedCode::left(i), IndexedCode::right(i));
    });
}

void runEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
