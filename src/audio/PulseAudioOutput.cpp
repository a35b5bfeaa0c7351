#include "audio/PulseAudioOutput.h"

#include "audio/AudioEngine.h"

#include <QTimer>

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr pa_usec_t TargetLatencyUs = 20000;
constexpr pa_usec_t ReconnectDelayUs = 1000000;
// How often the interpolated clock is corrected from the server while playing.
constexpr pa_usec_t TimingUpdateIntervalUs = 100000;

// Holds the threaded main loop's lock for a scope (GUI thread only).
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

} // namespace

// Everything below `loop` belongs to the pulse thread and is touched elsewhere only with
// the main loop's lock held. Callbacks never call into the player: they post to the GUI
// thread, which takes the lock itself when it needs to.
struct PulseAudioOutput::Private {
    explicit Private(PulseAudioOutput* owner) : q(owner) {}

    // Connection, on the pulse thread (or the GUI thread with the lock held).
    void connectContext();
    void dropConnection();
    void scheduleReconnect();
    void connectionLost();
    // Creates a stream for the format unless there is one; ensureStream also waits
    // until it is ready.
    bool createStream(int sampleRate, int channels);
    bool ensureStream(int sampleRate, int channels);
    void requestTimingUpdate();
    void dropStream();

    void writeAvailable();
    void requestDrain();
    void cancelDrain();
    void cork(bool corked);
    void waitFor(pa_operation* operation);
    qint64 streamFramesPlayed() const;
    // Frames of the range handed to the server: what is known of a range whose server
    // died, at most one buffer (about 15 ms) ahead of what was heard.
    qint64 framesWritten() const { return (writeIndex - rangeBase) / frameSize(); }
    qint64 frameSize() const { return qint64(pa_frame_size(&spec)); }

    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);
    static void onOperationDone(pa_stream* stream, int success, void* self);
    static void onReconnectTime(pa_mainloop_api* api, pa_time_event* event, const timeval*,
                                void* self);

    PulseAudioOutput* q;
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    pa_time_event* reconnectEvent = nullptr;
    pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, 0, 0};
    bool ready = false;

    std::shared_ptr<PlayRange> range;
    quint64 tag = 0;
    qint64 rangeBase = 0; // the stream's write index (bytes) where the range begins
    qint64 writeIndex = 0;
    pa_usec_t lastTimingRequest = 0;
    pa_operation* drain = nullptr;
};

void PulseAudioOutput::Private::connectContext() {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    context = pa_context_new(api, "Parlanda");
    pa_context_set_state_callback(context, &Private::onContextState, this);
    // No autospawn: a desktop without a sound server gets the null output at once.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        connectionLost();
}

void PulseAudioOutput::Private::dropConnection() {
    dropStream();
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
}

void PulseAudioOutput::Private::scheduleReconnect() {
    if (reconnectEvent)
        return;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    timeval when;
    pa_timeval_add(pa_gettimeofday(&when), ReconnectDelayUs);
    reconnectEvent = api->time_new(api, &when, &Private::onReconnectTime, this);
}

void PulseAudioOutput::Private::connectionLost() {
    ready = false;
    cancelDrain();
    scheduleReconnect();
    QMetaObject::invokeMethod(
        q, [owner = q] { owner->setAvailable(false); }, Qt::QueuedConnection);
    pa_threaded_mainloop_signal(loop, 0);
}

void PulseAudioOutput::Private::onReconnectTime(pa_mainloop_api* api, pa_time_event* event,
                                                const timeval*, void* self) {
    auto* d = static_cast<Private*>(self);
    api->time_free(event);
    d->reconnectEvent = nullptr;
    d->dropConnection();
    d->connectContext();
}

void PulseAudioOutput::Private::onContextState(pa_context* context, void* self) {
    auto* d = static_cast<Private*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        d->ready = true;
        QMetaObject::invokeMethod(
            d->q, [owner = d->q] { owner->setAvailable(true); }, Qt::QueuedConnection);
        pa_threaded_mainloop_signal(d->loop, 0);
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        d->connectionLost();
        break;
    default:
        break;
    }
}

bool PulseAudioOutput::Private::ensureStream(int sampleRate, int channels) {
    if (!createStream(sampleRate, channels))
        return false;
    while (pa_stream_get_state(stream) == PA_STREAM_CREATING)
        pa_threaded_mainloop_wait(loop);
    if (pa_stream_get_state(stream) != PA_STREAM_READY) {
        dropStream();
        return false;
    }
    return true;
}

bool PulseAudioOutput::Private::createStream(int sampleRate, int channels) {
    if (!ready)
        return false;
    if (stream && spec.rate == uint32_t(sampleRate) && spec.channels == channels)
        return true;
    dropStream();
    spec = {PA_SAMPLE_FLOAT32LE, uint32_t(sampleRate), uint8_t(channels)};
    pa_channel_map map;
    pa_channel_map_init_extend(&map, spec.channels, PA_CHANNEL_MAP_DEFAULT);
    stream = pa_stream_new(context, "Playback", &spec, &map);
    if (!stream)
        return false;
    pa_stream_set_state_callback(stream, &Private::onStreamState, this);
    pa_stream_set_write_callback(stream, &Private::onWritable, this);
    // Measured here: 20 ms target with prebuf = minreq starts sound within a few ms and
    // survives a busy machine; prebuf 0 would lose frames after an underrun.
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(pa_usec_to_bytes(TargetLatencyUs, &spec));
    attr.minreq = attr.tlength / 4;
    attr.prebuf = attr.minreq;
    attr.fragsize = uint32_t(-1);
    // Timing updates are asked for while writing (requestTimingUpdate) rather than by
    // PA_STREAM_AUTO_TIMING_UPDATE, whose timer keeps waking an idle player every 1.5 s.
    const auto flags = pa_stream_flags_t(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY |
                                         PA_STREAM_NOT_MONOTONIC | PA_STREAM_START_CORKED);
    writeIndex = 0;
    if (pa_stream_connect_playback(stream, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        dropStream();
        return false;
    }
    return true;
}

void PulseAudioOutput::Private::requestTimingUpdate() {
    lastTimingRequest = pa_rtclock_now();
    if (pa_operation* operation = pa_stream_update_timing_info(stream, nullptr, nullptr))
        pa_operation_unref(operation);
}

void PulseAudioOutput::Private::dropStream() {
    cancelDrain();
    if (!stream)
        return;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    stream = nullptr;
}

void PulseAudioOutput::Private::onStreamState(pa_stream* stream, void* self) {
    auto* d = static_cast<Private*>(self);
    const pa_stream_state_t state = pa_stream_get_state(stream);
    // A stream that fails on a working connection (its sink vanished) is treated like
    // a lost server: the reconnection builds everything afresh.
    if (state == PA_STREAM_FAILED && d->ready)
        d->connectionLost();
    pa_threaded_mainloop_signal(d->loop, 0);
}

void PulseAudioOutput::Private::onWritable(pa_stream*, size_t, void* self) {
    static_cast<Private*>(self)->writeAvailable();
}

void PulseAudioOutput::Private::writeAvailable() {
    if (!stream || !range || drain)
        return;
    if (pa_rtclock_now() - lastTimingRequest >= TimingUpdateIntervalUs)
        requestTimingUpdate();
    size_t writable = pa_stream_writable_size(stream);
    if (writable == size_t(-1))
        return;
    const size_t bytesPerFrame = size_t(frameSize());
    while (writable >= bytesPerFrame) {
        void* buffer = nullptr;
        size_t bytes = writable;
        if (pa_stream_begin_write(stream, &buffer, &bytes) < 0 || !buffer)
            return;
        bytes = std::min(bytes, writable);
        const qint64 frames =
            range->read(static_cast<float*>(buffer), qint64(bytes / bytesPerFrame));
        if (frames == 0) {
            pa_stream_cancel_write(stream);
            break;
        }
        const size_t written = size_t(frames) * bytesPerFrame;
        pa_stream_write(stream, buffer, written, nullptr, 0, PA_SEEK_RELATIVE);
        writeIndex += qint64(written);
        writable -= written;
    }
    if (range->fullyRead())
        requestDrain();
}

void PulseAudioOutput::Private::requestDrain() {
    drain = pa_stream_drain(stream, &Private::onDrained, this);
}

void PulseAudioOutput::Private::cancelDrain() {
    if (!drain)
        return;
    pa_operation_cancel(drain);
    pa_operation_unref(drain);
    drain = nullptr;
}

// The server has played the last frame into the sink; it is heard once the sink's own
// latency has passed, so the GUI thread finishes the range after that time.
void PulseAudioOutput::Private::onDrained(pa_stream* stream, int success, void* self) {
    auto* d = static_cast<Private*>(self);
    if (d->drain) {
        pa_operation_unref(d->drain);
        d->drain = nullptr;
    }
    if (!success || !d->range)
        return;
    pa_usec_t latency = 0;
    int negative = 0;
    if (pa_stream_get_latency(stream, &latency, &negative) < 0 || negative)
        latency = 0;
    const int delayMs = int(latency / 1000);
    QMetaObject::invokeMethod(
        d->q,
        [owner = d->q, tag = d->tag, delayMs] {
            QTimer::singleShot(delayMs, Qt::PreciseTimer, owner,
                               [owner, tag] { owner->finishIfCurrent(tag); });
        },
        Qt::QueuedConnection);
}

void PulseAudioOutput::Private::onOperationDone(pa_stream*, int, void* self) {
    pa_threaded_mainloop_signal(static_cast<Private*>(self)->loop, 0);
}

void PulseAudioOutput::Private::cork(bool corked) {
    if (pa_operation* operation = pa_stream_cork(stream, corked, nullptr, nullptr))
        pa_operation_unref(operation);
}

void PulseAudioOutput::Private::waitFor(pa_operation* operation) {
    if (!operation)
        return;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING)
        pa_threaded_mainloop_wait(loop);
    pa_operation_unref(operation);
}

qint64 PulseAudioOutput::Private::streamFramesPlayed() const {
    pa_usec_t played = 0;
    if (pa_stream_get_time(stream, &played) < 0)
        return writeIndex / frameSize();
    return qint64(std::llround(double(played) * spec.rate / 1e6));
}

PulseAudioOutput::PulseAudioOutput(QObject* parent)
    : AudioOutput(parent), d(std::make_unique<Private>(this)) {
    d->loop = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(d->loop, "audio-pulse");
    pa_threaded_mainloop_start(d->loop);
    LoopLock lock(d->loop);
    d->connectContext();
    while (d->context && !d->ready && PA_CONTEXT_IS_GOOD(pa_context_get_state(d->context)))
        pa_threaded_mainloop_wait(d->loop);
    available_ = d->ready;
}

PulseAudioOutput::~PulseAudioOutput() {
    {
        LoopLock lock(d->loop);
        if (d->range)
            d->range->setStarvationHandler({});
        if (d->reconnectEvent) {
            pa_mainloop_api* api = pa_threaded_mainloop_get_api(d->loop);
            api->time_free(d->reconnectEvent);
            d->reconnectEvent = nullptr;
        }
        d->dropConnection();
    }
    pa_threaded_mainloop_stop(d->loop);
    pa_threaded_mainloop_free(d->loop);
}

bool PulseAudioOutput::isAvailable() const {
    return available_;
}

void PulseAudioOutput::setAvailable(bool available) {
    if (available == available_)
        return;
    available_ = available;
    emit availableChanged(available);
}

void PulseAudioOutput::prepare(int sampleRate, int channels) {
    LoopLock lock(d->loop);
    d->createStream(sampleRate, channels);
}

void PulseAudioOutput::start(std::shared_ptr<PlayRange> range, quint64 tag) {
    LoopLock lock(d->loop);
    d->cancelDrain();
    d->range = range;
    d->tag = tag;
    if (range->frameCount() == 0) {
        QMetaObject::invokeMethod(
            this, [this, tag] { finishIfCurrent(tag); }, Qt::QueuedConnection);
        return;
    }
    if (!d->ensureStream(range->sampleRate(), range->channels())) {
        // Reported as a lost server: the media control moves the range to its fallback,
        // and the reconnection builds context and stream afresh for the next play.
        d->connectionLost();
        return;
    }
    d->rangeBase = d->writeIndex;
    range->setStarvationHandler([loop = d->loop, dp = d.get(), weak = std::weak_ptr(range)] {
        pa_threaded_mainloop_lock(loop);
        if (weak.lock() == dp->range)
            dp->writeAvailable();
        pa_threaded_mainloop_unlock(loop);
    });
    d->writeAvailable();
    d->cork(false);
    d->requestTimingUpdate();
}

qint64 PulseAudioOutput::stop() {
    LoopLock lock(d->loop);
    d->cancelDrain();
    if (!d->range)
        return 0;
    qint64 heard = d->framesWritten();
    if (d->ready && d->stream) {
        d->cork(true);
        if (pa_operation* flush = pa_stream_flush(d->stream, nullptr, nullptr))
            pa_operation_unref(flush);
        d->waitFor(pa_stream_update_timing_info(d->stream, &Private::onOperationDone, d.get()));
        if (const pa_timing_info* timing = pa_stream_get_timing_info(d->stream)) {
            heard = (timing->read_index - d->rangeBase) / d->frameSize();
            d->writeIndex = timing->write_index;
        }
    }
    const qint64 frames = d->range->frameCount();
    d->range->setStarvationHandler({});
    d->range.reset();
    return std::clamp<qint64>(heard, 0, frames);
}

void PulseAudioOutput::pause() {
    LoopLock lock(d->loop);
    if (d->ready && d->stream && d->range)
        d->cork(true);
}

void PulseAudioOutput::resume() {
    LoopLock lock(d->loop);
    if (d->ready && d->stream && d->range)
        d->cork(false);
}

qint64 PulseAudioOutput::framesHeard() const {
    LoopLock lock(d->loop);
    if (!d->range)
        return 0;
    if (!d->ready || !d->stream)
        return d->framesWritten();
    return std::clamp<qint64>(d->streamFramesPlayed() - d->rangeBase / d->frameSize(), 0,
                              d->range->frameCount());
}

// On the GUI thread: the last frame of range `tag` has been heard, unless it was stopped
// or replaced meanwhile.
void PulseAudioOutput::finishIfCurrent(quint64 tag) {
    {
        LoopLock lock(d->loop);
        if (!d->range || d->tag != tag)
            return;
        d->range->setStarvationHandler({});
        d->range.reset();
        if (d->ready && d->stream)
            d->cork(true); // an idle running stream lets the interpolated clock drift
    }
    emit finished(tag);
}
