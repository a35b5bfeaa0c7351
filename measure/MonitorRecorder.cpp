#include "MonitorRecorder.h"

#include "SoundFiles.h"

#include <QProcess>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace std::chrono_literals;

// Frames are read, stamped and checked for sound a millisecond at a time.
constexpr int MsFrames = MonitorRecorder::SampleRate / 1000;
constexpr int SilentLevel = 16; // of 32767: below it a sample is silence
constexpr auto StopMargin = 50ms;
// A sine obeys x[n] = 2 cos(w) x[n-1] - x[n-2]; a break in its phase leaves a residue far
// above what rounding and resampling leave (under 1 % of the amplitude).
constexpr double PhaseJumpShare = 0.05;
// The edges of a step are left out of the phase check: a resampler rings there.
constexpr int EdgeFrames = 2 * MsFrames;

// The recording's fragment: one chunk, so that each chunk's moment is known to the
// millisecond. PipeWire, though, runs its whole graph at the smallest latency a client
// asks for: at 1 ms it cycled every 5 ms, which this machine does not keep under load,
// and every stream lost sound, a tone from paplay as much as this program. Beside it
// (scripts/with-pipewire says so) 30 ms leave the graph at its default quantum.
int fragmentFrames() {
    return qgetenv("PARLANDA_SOUND_SERVER") == "pipewire" ? 30 * MsFrames : MsFrames;
}

// Polls `done` every 10 ms until it holds or `limit` has passed; whether it held.
template <typename Done> bool pollFor(std::chrono::milliseconds limit, Done done) {
    for (auto waited = 0ms; waited < limit; waited += 10ms) {
        if (done())
            return true;
        std::this_thread::sleep_for(10ms);
    }
    return done();
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
    int code = 0;
    stream_ = pa_simple_new(nullptr, "parlanda-recorder", PA_STREAM_RECORD, "test.monitor",
                            "monitor", &spec, nullptr, &attr, &code);
    if (!stream_) {
        error_ = QStringLiteral("cannot record test.monitor (is the server of "
                                "scripts/with-pulse running?): %1")
                     .arg(pa_strerror(code));
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        samples_.clear();
        stamps_.clear();
    }
    quit_ = false;
    thread_ = std::thread([this] { recordLoop(); });
    if (pollFor(5s, [this] { return capturedFrames() > 0; }))
        return true;
    end();
    error_ = QStringLiteral("nothing arrives from test.monitor");
    return false;
}

void MonitorRecorder::stop() {
    if (!stream_)
        return;
    catchUp(std::chrono::steady_clock::now() + StopMargin);
    end();
}

void MonitorRecorder::end() {
    quit_ = true;
    thread_.join();
    pa_simple_free(stream_);
    stream_ = nullptr;
}

void MonitorRecorder::recordLoop() {
    std::vector<qint16> chunk(MsFrames * 2);
    int code = 0;
    while (!quit_) {
        if (pa_simple_read(stream_, chunk.data(), chunk.size() * sizeof(qint16), &code) < 0)
            return;
        const auto arrived = std::chrono::steady_clock::now();
        const pa_usec_t latency = pa_simple_get_latency(stream_, &code);
        std::lock_guard lock(mutex_);
        samples_.insert(samples_.end(), chunk.begin(), chunk.end());
        stamps_.push_back({frames(), arrived - std::chrono::microseconds(latency)});
    }
}

void MonitorRecorder::catchUp(TimePoint moment) const {
    pollFor(30s, [&] {
        std::lock_guard lock(mutex_);
        return !stream_ || (!stamps_.empty() && stamps_.back().renderedAt >= moment);
    });
}

qint64 MonitorRecorder::capturedFrames() const {
    std::lock_guard lock(mutex_);
    return frames();
}

std::optional<qint64> MonitorRecorder::indexAt(qint64 frame) const {
    return frameIndexOf(sampleAt(frame, 0), sampleAt(frame, 1));
}

QList<MonitorRecorder::HeardRun> MonitorRecorder::heardRuns() const {
    catchUp(std::chrono::steady_clock::now());
    std::lock_guard lock(mutex_);
    QList<HeardRun> runs;
    for (qint64 frame = 0; frame < frames(); ++frame) {
        const std::optional<qint64> index = indexAt(frame);
        if (!index)
            continue;
        if (runs.isEmpty() || *index != runs.last().last + 1)
            runs.append({*index, *index, frame, frame});
        runs.last().last = *index;
        runs.last().captureEnd = frame + 1;
    }
    return runs;
}

qint64 MonitorRecorder::undecodableFrames() const {
    std::lock_guard lock(mutex_);
    qint64 count = 0;
    for (qint64 frame = 0; frame < frames(); ++frame)
        count += !silentAt(frame) && !indexAt(frame);
    return count;
}

QList<MonitorRecorder::HeardStep> MonitorRecorder::heardSteps(std::optional<double> toneHz) const {
    std::lock_guard lock(mutex_);
    QList<HeardStep> steps;
    int silentRun = RestMs;
    for (qint64 block = 0; block < frames() / MsFrames; ++block) {
        std::optional<qint64> first, last;
        for (qint64 frame = block * MsFrames; frame < (block + 1) * MsFrames; ++frame) {
            if (std::abs(sampleAt(frame, 0)) < SilentLevel && !indexAt(frame))
                continue;
            first = first.value_or(frame);
            last = frame;
        }
        if (!last) {
            ++silentRun;
            continue;
        }
        if (silentRun >= RestMs)
            steps.append({*first, *last});
        else
            steps.last().silentBlocks += silentRun;
        steps.last().last = *last;
        silentRun = 0;
    }
    if (toneHz)
        for (HeardStep& step : steps)
            step.phaseJumps = phaseJumps(step, *toneHz);
    return steps;
}

int MonitorRecorder::phaseJumps(const HeardStep& step, double toneHz) const {
    const double twoCos = 2 * std::cos(2 * std::numbers::pi * toneHz / SampleRate);
    int amplitude = 0;
    for (qint64 frame = step.first; frame <= step.last; ++frame)
        amplitude = std::max(amplitude, std::abs(int(sampleAt(frame, 0))));
    int jumps = 0;
    bool inJump = false;
    for (qint64 frame = step.first + EdgeFrames; frame <= step.last - EdgeFrames; ++frame) {
        const double residue =
            sampleAt(frame, 0) - twoCos * sampleAt(frame - 1, 0) + sampleAt(frame - 2, 0);
        const bool jump = std::abs(residue) > PhaseJumpShare * amplitude;
        jumps += jump && !inJump;
        inJump = jump;
    }
    return jumps;
}

std::vector<float> MonitorRecorder::leftChannel() const {
    std::lock_guard lock(mutex_);
    std::vector<float> left(static_cast<size_t>(frames()));
    for (size_t frame = 0; frame < left.size(); ++frame)
        left[frame] = sampleAt(qint64(frame), 0) / 32768.0f;
    return left;
}

std::optional<qint64> MonitorRecorder::firstSoundFrom(qint64 frame) const {
    std::lock_guard lock(mutex_);
    for (; frame < frames(); ++frame)
        if (!silentAt(frame))
            return frame;
    return std::nullopt;
}

qint64 MonitorRecorder::silenceFrom(qint64 frame) const {
    std::lock_guard lock(mutex_);
    while (frame < frames() && !silentAt(frame))
        ++frame;
    return frame;
}

std::vector<qint16> MonitorRecorder::samples(qint64 frame, qint64 count) const {
    std::lock_guard lock(mutex_);
    const auto from = samples_.begin() + std::min<qint64>(frame * 2, qint64(samples_.size()));
    return {from, from + std::min<qint64>(count * 2, samples_.end() - from)};
}

qint64 MonitorRecorder::frameAt(TimePoint moment) const {
    std::lock_guard lock(mutex_);
    const auto stamp =
        std::lower_bound(stamps_.begin(), stamps_.end(), moment,
                         [](const Stamp& s, TimePoint t) { return s.renderedAt < t; });
    return stamp == stamps_.end() ? frames() : stamp->endFrame - MsFrames;
}

std::optional<std::pair<qint64, qint64>> MonitorRecorder::soundAfter(qint64 from) const {
    constexpr int Loud = 328; // -40 dBFS
    constexpr qint64 EndingSilence = SampleRate / 50;
    std::lock_guard lock(mutex_);
    std::optional<std::pair<qint64, qint64>> sound;
    for (qint64 frame = from; frame < frames(); ++frame) {
        if (std::abs(sampleAt(frame, 0)) < Loud)
            continue;
        if (sound && frame - sound->second > EndingSilence)
            return sound;
        sound = {sound ? sound->first : frame, frame + 1};
    }
    return sound && frames() - sound->second > EndingSilence ? sound : std::nullopt;
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

int MonitorRecorder::sinkRate() {
    QProcess pactl;
    pactl.start("pactl", {"list", "short", "sinks"});
    pactl.waitForFinished(5000);
    for (const QByteArray& line : pactl.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.value(1) == "test")
            return fields.value(3).split(' ').last().chopped(2).toInt();
    }
    return 0;
}
