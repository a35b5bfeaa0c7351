#include "audio/PulseAudioOutput.h"

#include "audio/AudioEngine.h"

#include <QTimer>

#include <pulse/pulseaudio.h>
#include <pulse/rtclock.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <utility>

namespace {

// Buffering per server, measured with the bench's tone walk beside two CPU-bound
// processes. With PA_STREAM_ADJUST_LATENCY PulseAudio gives the sink
// (tlength - 2 * minreq) / 2 = 5 ms of it, which bounds the time to first sound and to
// silence after Stop; the rest is a queue that the server asks to refill when minreq has
// played, leaving 50 ms for this process to answer on a busy machine (20 ms with 5 ms
// requests ran dry). pipewire-pulse plays the queue first in, first out, so its size costs
// no response, and it must outlast a few of the graph's cycles and the busy machine. The
// stream asks the graph for the same (tlength - 2 * minreq) / 2 = 55 ms, more than
// PipeWire's default quantum, so the graph keeps that quantum (1024 frames, 21 to 23 ms)
// or the smaller one another client asks for. A range is heard about one quantum after it
// starts; smaller requests, which ask for a smaller quantum, measured no faster, because
// the graph changes its quantum when the stream starts.
// pipewire-pulse starts a stream, uncorked or run dry, only on the graph's next cycle, so
// a walk's rest would come out up to a cycle long. So there a range that a rest follows
// is followed by silence instead of a drain: the stream runs on in time through the rest,
// its read index tells when the last frame was taken, and the next range, started `leadUs`
// ahead, is written at the index a rest after that frame. PulseAudio starts a stream
// within a millisecond: a range started at the rest's end is heard there.
// Frames written over the queue (a range placed after a rest, or taken again at a new
// speed) must lie `untakenUs` beyond the frame the server takes next, or it is already
// playing them: with less, PulseAudio's sink had now and then rendered into the fade at
// the join, and the wave jumped there. PipeWire's graph holds a quantum or two (up to
// about 23 ms each) past its read index, and frames written behind what it took are heard
// out of place: with 30 ms a range placed after a rest came a quantum early when the
// process ran slowly, and with 20 ms a change of speed now and then lost sound at the join.
struct Buffering {
    pa_usec_t targetUs;
    pa_usec_t requestUs;
    pa_usec_t leadUs;
    pa_usec_t untakenUs;
};
constexpr Buffering PulseAudioBuffering{100000, 45000, 0, 20000};
constexpr Buffering PipeWireBuffering{150000, 20000, 130000, 70000};
// A stream kept running for a rest is corked this long after the rest should have ended,
// when no range came, so that an idle player does not keep it going.
constexpr pa_usec_t HoldGraceUs = 500000;
// How often the read index is asked for while the last frame before a rest is awaited.
constexpr pa_usec_t TailTimingIntervalUs = 5000;
// After each underflow the queue grows by this much, up to the limit, for the rest of the
// run.
constexpr pa_usec_t UnderflowGrowthUs = 50000;
constexpr pa_usec_t MaxExtraUs = 200000;

constexpr pa_usec_t ReconnectDelayUs = 1000000;
// A server that has not finished the handshake by then is dropped and tried again later.
constexpr pa_usec_t ConnectTimeoutUs = 2000000;
// The longest the GUI thread waits for the server: at start-up for the connection, when a
// range starts for its stream and at Stop for the frame reached. A stream that is not
// ready in time counts as a lost server (the media control falls back to the null
// output); a Stop not answered in time takes the frame last reported.
constexpr pa_usec_t StartupWaitUs = 300000;
constexpr pa_usec_t StreamWaitUs = 150000;
constexpr pa_usec_t StopWaitUs = 100000;
// While a range is held the clock is corrected from the server this often; Position holds
// while a correction is overdue, and a server that leaves one unanswered longer than the
// deadline is frozen and treated as gone. (A busy machine delays answers by well over
// 100 ms; giving up the server then would silence sound that plays.)
constexpr pa_usec_t TimingUpdateIntervalUs = 50000;
constexpr pa_usec_t TimingDeadlineUs = 1000000;
// PipeWire's default quantum, 1024 frames at 44.1 kHz: the longest cycle its graph runs
// at while this stream plays.
constexpr pa_usec_t LongestQuantumUs = 23220;

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

    // Waits on the GUI thread (lock held) until `done` holds or `timeoutUs` has passed;
    // returns `done()`.
    bool waitUntil(const std::function<bool()>& done, pa_usec_t timeoutUs);
    pa_time_event* newTimer(pa_usec_t delayUs, pa_time_event_cb_t callback);
    void freeTimer(pa_time_event*& event);

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
    // Asks for the read and write index even while an answer is outstanding: the one
    // coming may describe the stream before its latest change.
    void requestTimingAfresh() {
        timingRequestedAt = 0;
        requestTimingUpdate();
    }
    // Sets where the range's first frame goes: at `at` (with silence before it, or over
    // the silence queued there), but never behind the read index the server last
    // reported. Returns the bytes queued from there on, which the first write replaces.
    size_t beginRange(std::optional<qint64> at);
    // Writes silence after the range's last frame instead of draining the stream, for
    // the rest that follows; releaseHold() ends that and returns whether it was going.
    void hold();
    bool releaseHold();
    // The range's last frame has been taken (the read index is past it): it is heard
    // after the sink's latency.
    void finishHeldRange(const pa_timing_info& timing);
    void postFinished(Clock::time_point heardAt);
    // Ends a stream's silence at once (GUI thread) and learns where the server writes.
    void flushHeld();
    // The index a rest after the range before, if a range written now is heard there.
    std::optional<qint64> indexAfterRest(std::chrono::milliseconds rest);
    // Corks a stream without a range and asks where its read index stopped.
    void corkIdle();
    // Asks for the server's read and write index now and waits for them (GUI thread).
    bool awaitTimingUpdate(pa_usec_t timeoutUs);
    void dropStream();
    pa_buffer_attr bufferAttributes() const;
    void growBuffer();
    bool timingOverdue(pa_usec_t afterUs = TimingUpdateIntervalUs) const {
        return timingRequestedAt != 0 && pa_rtclock_now() - timingRequestedAt > afterUs;
    }
    // Frames of `played` the server last reported as played.
    qint64 framesReported(const PlayRange& played) const;

    // Writes what the server asks for, and `extraBytes` more.
    void writeAvailable(size_t extraBytes = 0);
    // Fills `buffer` with the silence still due before the range, else with the range's
    // next frames; returns the bytes filled.
    size_t fill(void* buffer, size_t bytes);
    void replaceQueued();
    void requestDrain();
    void cancelDrain();
    void cork(bool corked);
    // Silences the stream at once, dropping what is queued.
    void corkAndFlush();
    // Frames of the range played by the server's clock, when that is known.
    std::optional<qint64> streamFramesPlayed() const;
    qint64 frameSize() const { return qint64(pa_frame_size(&spec)); }

    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);
    static void onTimingUpdated(pa_stream* stream, int success, void* self);
    static void onUnderflow(pa_stream* stream, void* self);
    static void onServerInfo(pa_context* context, const pa_server_info* info, void* self);
    static void onReconnectTime(pa_mainloop_api* api, pa_time_event* event, const timeval*,
                                void* self);
    static void onConnectTimeout(pa_mainloop_api* api, pa_time_event* event, const timeval*,
                                 void* self);
    static void onTimingTick(pa_mainloop_api* api, pa_time_event* event, const timeval*,
                             void* self);
    static void onHoldExpired(pa_mainloop_api* api, pa_time_event* event, const timeval*,
                              void* self);

    PulseAudioOutput* q;
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    pa_time_event* reconnectEvent = nullptr;
    pa_time_event* connectTimeout = nullptr;
    pa_time_event* timingTick = nullptr;
    pa_time_event* holdTimer = nullptr;
    pa_sample_spec spec{PA_SAMPLE_FLOAT32LE, 0, 0};
    bool ready = false;
    Buffering buffering = PulseAudioBuffering;
    pa_usec_t extraUs = 0; // kept across streams and connections: the machine stays as busy
    bool underflowReported = false;

    std::shared_ptr<PlayRange> range;
    quint64 tag = 0;
    qint64 rangeBase = 0;         // the stream's write index (bytes) where the range begins
    qint64 writeIndex = 0;        // as written here, corrected from the server at Stop
    bool writeIndexStale = false; // a Stop's flush moved it and the server has not said where
    qint64 pendingSeek = 0;       // bytes the range's first write skips (beginRange)
    qint64 silenceBytes = 0;      // silence still to write before the range's frames
    std::optional<std::chrono::milliseconds> restAfter; // of the range playing
    bool held = false;               // writing silence after the range, for a rest
    bool heldFinishPosted = false;   // the range's last frame is known to be taken
    qint64 heldEnd = 0;              // the index just past the range's last frame
    bool replacing = false;          // the next write goes to writeIndex over frames queued
    pa_usec_t timingRequestedAt = 0; // 0: no correction outstanding
    qint64 heardAtLoss = 0;          // frames of the range known heard when the server went
    qint64 lastHeard = 0;            // the latest framesHeard(): Position never goes back
    pa_operation* drain = nullptr;
};

bool PulseAudioOutput::Private::waitUntil(const std::function<bool()>& done, pa_usec_t timeoutUs) {
    const pa_usec_t deadline = pa_rtclock_now() + timeoutUs;
    pa_time_event* wakeUp =
        newTimer(timeoutUs, [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
            pa_threaded_mainloop_signal(static_cast<Private*>(self)->loop, 0);
        });
    while (!done() && pa_rtclock_now() < deadline)
        pa_threaded_mainloop_wait(loop);
    freeTimer(wakeUp);
    return done();
}

pa_time_event* PulseAudioOutput::Private::newTimer(pa_usec_t delayUs, pa_time_event_cb_t callback) {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    timeval when;
    pa_timeval_add(pa_gettimeofday(&when), delayUs);
    return api->time_new(api, &when, callback, this);
}

void PulseAudioOutput::Private::freeTimer(pa_time_event*& event) {
    if (!event)
        return;
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    api->time_free(event);
    event = nullptr;
}

void PulseAudioOutput::Private::connectContext() {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
    context = pa_context_new(api, "Parlanda");
    pa_context_set_state_callback(context, &Private::onContextState, this);
    // No autospawn: a desktop without a sound server gets the null output at once.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return connectionLost();
    connectTimeout = newTimer(ConnectTimeoutUs, &Private::onConnectTimeout);
}

void PulseAudioOutput::Private::onConnectTimeout(pa_mainloop_api*, pa_time_event*, const timeval*,
                                                 void* self) {
    auto* d = static_cast<Private*>(self);
    d->freeTimer(d->connectTimeout); // the event that fired
    d->connectionLost();
}

void PulseAudioOutput::Private::dropConnection() {
    freeTimer(connectTimeout);
    dropStream();
    if (context) {
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
        context = nullptr;
    }
}

void PulseAudioOutput::Private::scheduleReconnect() {
    if (!reconnectEvent)
        reconnectEvent = newTimer(ReconnectDelayUs, &Private::onReconnectTime);
}

void PulseAudioOutput::Private::connectionLost() {
    if (ready && stream && range)
        heardAtLoss = std::max(framesReported(*range), lastHeard);
    ready = false;
    freeTimer(connectTimeout);
    freeTimer(timingTick);
    releaseHold();
    cancelDrain();
    scheduleReconnect();
    QMetaObject::invokeMethod(
        q, [owner = q] { owner->setAvailable(false); }, Qt::QueuedConnection);
    pa_threaded_mainloop_signal(loop, 0);
}

void PulseAudioOutput::Private::onReconnectTime(pa_mainloop_api*, pa_time_event*, const timeval*,
                                                void* self) {
    auto* d = static_cast<Private*>(self);
    d->freeTimer(d->reconnectEvent); // the event that fired
    d->dropConnection();
    d->connectContext();
}

void PulseAudioOutput::Private::onContextState(pa_context* context, void* self) {
    auto* d = static_cast<Private*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        d->freeTimer(d->connectTimeout);
        if (pa_operation* operation =
                pa_context_get_server_info(context, &Private::onServerInfo, self))
            pa_operation_unref(operation);
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        d->connectionLost();
        break;
    default:
        break;
    }
}

// The connection counts as ready once the server has said what it is, so that every
// stream gets the buffering of its server.
void PulseAudioOutput::Private::onServerInfo(pa_context*, const pa_server_info* info, void* self) {
    auto* d = static_cast<Private*>(self);
    const bool pipeWire = info && info->server_name && strstr(info->server_name, "PipeWire");
    d->buffering = pipeWire ? PipeWireBuffering : PulseAudioBuffering;
    d->ready = true;
    QMetaObject::invokeMethod(
        d->q, [owner = d->q] { owner->setAvailable(true); }, Qt::QueuedConnection);
    pa_threaded_mainloop_signal(d->loop, 0);
}

bool PulseAudioOutput::Private::ensureStream(int sampleRate, int channels) {
    if (!createStream(sampleRate, channels))
        return false;
    waitUntil([this] { return pa_stream_get_state(stream) != PA_STREAM_CREATING; }, StreamWaitUs);
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
    pa_stream_set_underflow_callback(stream, &Private::onUnderflow, this);
    const pa_buffer_attr attr = bufferAttributes();
    // Timing updates are asked for while a range is held (onTimingTick) rather than by
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

// The whole queue must be in the server before it starts playing (prebuf = tlength): a
// range starts with its buffer full, and after an underflow the server waits for a full
// buffer again instead of playing scraps.
pa_buffer_attr PulseAudioOutput::Private::bufferAttributes() const {
    const auto bytes = [this](pa_usec_t us) { return uint32_t(pa_usec_to_bytes(us, &spec)); };
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = bytes(buffering.targetUs + extraUs);
    attr.minreq = bytes(buffering.requestUs + extraUs / 2);
    attr.prebuf = attr.tlength;
    attr.fragsize = uint32_t(-1);
    return attr;
}

// The server found the queue empty while playing: the machine is busier than the buffer
// allows for, so the queue grows for the rest of the run. Its request size grows by half
// as much, which leaves the sink's share, and so the time to first sound, as it was.
void PulseAudioOutput::Private::onUnderflow(pa_stream*, void* self) {
    auto* d = static_cast<Private*>(self);
    if (d->range && !d->range->fullyRead()) // a drained range ends in an underflow too
        d->growBuffer();
}

void PulseAudioOutput::Private::growBuffer() {
    if (extraUs >= MaxExtraUs)
        return;
    extraUs += UnderflowGrowthUs;
    const pa_buffer_attr attr = bufferAttributes();
    if (pa_operation* operation = pa_stream_set_buffer_attr(stream, &attr, nullptr, nullptr))
        pa_operation_unref(operation);
    if (!underflowReported)
        qInfo("audio: the sound server ran dry; its buffer grows to %.0f ms for this run",
              double(pa_bytes_to_usec(attr.tlength, &spec)) / 1000.0);
    underflowReported = true;
}

void PulseAudioOutput::Private::requestTimingUpdate() {
    if (timingRequestedAt != 0)
        return;
    timingRequestedAt = pa_rtclock_now();
    if (pa_operation* operation =
            pa_stream_update_timing_info(stream, &Private::onTimingUpdated, this))
        pa_operation_unref(operation);
}

bool PulseAudioOutput::Private::awaitTimingUpdate(pa_usec_t timeoutUs) {
    pa_operation* update = pa_stream_update_timing_info(stream, &Private::onTimingUpdated, this);
    if (!update)
        return false;
    const bool answered = waitUntil(
        [update] { return pa_operation_get_state(update) != PA_OPERATION_RUNNING; }, timeoutUs);
    pa_operation_unref(update); // a late answer still corrects the write index
    writeIndexStale = !answered;
    return answered && pa_stream_get_timing_info(stream);
}

void PulseAudioOutput::Private::onTimingUpdated(pa_stream* stream, int, void* self) {
    auto* d = static_cast<Private*>(self);
    d->timingRequestedAt = 0;
    const pa_timing_info* timing = pa_stream_get_timing_info(stream);
    if (d->held && d->range && !d->heldFinishPosted && timing && timing->read_index >= d->heldEnd)
        d->finishHeldRange(*timing);
    if (d->writeIndexStale && !d->range && timing && !timing->write_index_corrupt) {
        d->writeIndex = timing->write_index;
        d->writeIndexStale = false;
    }
    pa_threaded_mainloop_signal(d->loop, 0);
}

// pipewire-pulse lets the read index run on while a drained stream waits to be corked
// (PulseAudio, with prebuf, holds it); a range written behind it would lose its first
// frames, so it begins at the read index the server last reported at the earliest.
size_t PulseAudioOutput::Private::beginRange(std::optional<qint64> at) {
    const pa_timing_info* timing = pa_stream_get_timing_info(stream);
    pendingSeek = 0;
    silenceBytes = 0;
    replacing = at && *at < writeIndex;
    if (replacing) {
        const qint64 queued = writeIndex - *at;
        rangeBase = writeIndex = *at;
        return size_t(queued);
    }
    if (timing && !timing->write_index_corrupt && timing->read_index > writeIndex)
        pendingSeek = (timing->read_index - writeIndex) / frameSize() * frameSize();
    rangeBase = std::max(writeIndex + pendingSeek, at.value_or(0));
    silenceBytes = rangeBase - writeIndex - pendingSeek;
    return 0;
}

void PulseAudioOutput::Private::hold() {
    held = true;
    heldFinishPosted = false;
    heldEnd = writeIndex;
    holdTimer = newTimer(pa_usec_t(restAfter->count()) * PA_USEC_PER_MSEC + buffering.targetUs +
                             extraUs + HoldGraceUs,
                         &Private::onHoldExpired);
    requestTimingAfresh();
}

bool PulseAudioOutput::Private::releaseHold() {
    freeTimer(holdTimer);
    return std::exchange(held, false);
}

// The graph takes a quantum at a time: the read index passed the range's last frame
// when it took the quantum holding it, whose frames are heard one after another from the
// sink's latency on. So the last one is heard by a quantum after that, and the answer
// comes a moment after the server read it: the moment reckoned here is, if anything, late,
// as the drain's is, and the range does not end before its last frame was heard.
void PulseAudioOutput::Private::finishHeldRange(const pa_timing_info& timing) {
    heldFinishPosted = true;
    postFinished(Clock::now() + std::chrono::microseconds(timing.sink_usec + LongestQuantumUs));
}

// No range came after the rest: the silence stops and the stream is corked.
void PulseAudioOutput::Private::onHoldExpired(pa_mainloop_api*, pa_time_event*, const timeval*,
                                              void* self) {
    auto* d = static_cast<Private*>(self);
    d->freeTimer(d->holdTimer); // the event that fired
    if (!d->held || !d->ready || !d->stream)
        return;
    if (d->range) // its last frame is still awaited
        return void(d->holdTimer = d->newTimer(HoldGraceUs, &Private::onHoldExpired));
    d->held = false;
    d->corkAndFlush();
    d->writeIndexStale = true; // corrected by the answer asked for here
    d->requestTimingAfresh();
}

void PulseAudioOutput::Private::flushHeld() {
    corkAndFlush();
    if (awaitTimingUpdate(StopWaitUs))
        writeIndex = pa_stream_get_timing_info(stream)->write_index;
}

// The stream has run on in time with silence since the range before: a frame written at
// index i is heard (i - heldEnd) after that range's last frame, provided the server has
// not yet taken i when the write arrives. A range that comes too late for that (its
// timer ran late on a busy machine) goes at the earliest index still safe: its rest comes
// out longer by the delay, where a fresh start would cut it short by the lead.
std::optional<qint64> PulseAudioOutput::Private::indexAfterRest(std::chrono::milliseconds rest) {
    if (!awaitTimingUpdate(StreamWaitUs))
        return std::nullopt;
    const pa_timing_info* timing = pa_stream_get_timing_info(stream);
    if (timing->write_index_corrupt)
        return std::nullopt;
    const qint64 at =
        heldEnd + qint64(pa_usec_to_bytes(pa_usec_t(rest.count()) * PA_USEC_PER_MSEC, &spec));
    const qint64 earliest =
        timing->read_index + qint64(pa_usec_to_bytes(buffering.untakenUs, &spec));
    return std::max(at, earliest / frameSize() * frameSize());
}

void PulseAudioOutput::Private::corkIdle() {
    cork(true);            // an idle running stream lets the interpolated clock drift
    requestTimingAfresh(); // where the read index stopped, for the next range
}

// Corrects the clock while a range is held, and notices a server that stopped answering
// (frozen, or its machine stalled) before Position runs ahead of what was heard.
void PulseAudioOutput::Private::onTimingTick(pa_mainloop_api*, pa_time_event*, const timeval*,
                                             void* self) {
    auto* d = static_cast<Private*>(self);
    d->freeTimer(d->timingTick); // the event that fired
    if (!d->stream || !d->range || !d->ready)
        return;
    if (d->timingOverdue(TimingDeadlineUs))
        return d->connectionLost();
    d->requestTimingUpdate();
    const bool awaitingEnd = d->held && !d->heldFinishPosted;
    d->timingTick = d->newTimer(awaitingEnd ? TailTimingIntervalUs : TimingUpdateIntervalUs,
                                &Private::onTimingTick);
}

qint64 PulseAudioOutput::Private::framesReported(const PlayRange& played) const {
    const pa_timing_info* timing = pa_stream_get_timing_info(stream);
    if (!timing)
        return 0;
    return std::clamp<qint64>((timing->read_index - rangeBase) / frameSize(), 0,
                              played.frameCount());
}

void PulseAudioOutput::Private::dropStream() {
    cancelDrain();
    if (!stream)
        return;
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream, nullptr, nullptr);
    freeTimer(timingTick);
    releaseHold();
    timingRequestedAt = 0;
    writeIndexStale = false;
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

void PulseAudioOutput::Private::writeAvailable(size_t extraBytes) {
    if (!stream || !(range || held) || drain)
        return;
    size_t writable = pa_stream_writable_size(stream);
    if (writable == size_t(-1))
        return;
    writable += extraBytes;
    const size_t bytesPerFrame = size_t(frameSize());
    while (writable >= bytesPerFrame) {
        void* buffer = nullptr;
        size_t bytes = writable;
        if (pa_stream_begin_write(stream, &buffer, &bytes) < 0 || !buffer)
            return;
        const size_t written =
            fill(buffer, std::min(bytes, writable) / bytesPerFrame * bytesPerFrame);
        if (written == 0) {
            pa_stream_cancel_write(stream);
            break;
        }
        if (std::exchange(replacing, false))
            pa_stream_write(stream, buffer, written, nullptr, writeIndex, PA_SEEK_ABSOLUTE);
        else
            pa_stream_write(stream, buffer, written, nullptr, pendingSeek, PA_SEEK_RELATIVE);
        writeIndex += pendingSeek + qint64(written);
        pendingSeek = 0;
        writable -= written;
    }
    if (!range || held || !range->fullyRead())
        return;
    if (restAfter && buffering.leadUs > 0) {
        hold();
        writeAvailable();
    } else {
        requestDrain();
    }
}

size_t PulseAudioOutput::Private::fill(void* buffer, size_t bytes) {
    if (held || silenceBytes > 0) {
        const size_t silent = held ? bytes : std::min(bytes, size_t(silenceBytes));
        std::memset(buffer, 0, silent);
        silenceBytes -= held ? 0 : qint64(silent);
        return silent;
    }
    const size_t bytesPerFrame = size_t(frameSize());
    return size_t(range->read(static_cast<float*>(buffer), qint64(bytes / bytesPerFrame))) *
           bytesPerFrame;
}

// A change of speed is heard a margin after the frame the server takes next, not a queue
// later: the range is taken again at its new speed from there and written over the
// frames queued. Both servers count an absolute seek back as frames missing, so they
// ask again for what the write beyond their request fills.
void PulseAudioOutput::Private::replaceQueued() {
    const pa_timing_info* timing = pa_stream_get_timing_info(stream);
    const std::optional<qint64> heard = streamFramesPlayed();
    if (!timing || !heard || timingOverdue() || pendingSeek != 0 || silenceBytes != 0 || held)
        return;
    const qint64 join =
        *heard +
        qint64(pa_usec_to_bytes(timing->sink_usec + buffering.untakenUs, &spec)) / frameSize();
    const qint64 queuedEnd = writeIndex;
    if (join < 0 || rangeBase + join * frameSize() >= queuedEnd || !range->restartAt(join))
        return;
    cancelDrain();
    writeIndex = rangeBase + join * frameSize();
    replacing = true;
    writeAvailable(size_t(queuedEnd - writeIndex));
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
    // The queue is empty: what is left is the sink's own latency. (pa_stream_get_latency
    // would also count the write index, which libpulse does not know after a placement.)
    const pa_timing_info* timing = pa_stream_get_timing_info(stream);
    d->postFinished(Clock::now() + std::chrono::microseconds(timing ? timing->sink_usec : 0));
}

void PulseAudioOutput::Private::postFinished(Clock::time_point heardAt) {
    QMetaObject::invokeMethod(
        q,
        [owner = q, tag = tag, heardAt] {
            const auto delay = std::chrono::ceil<std::chrono::milliseconds>(heardAt - Clock::now());
            QTimer::singleShot(std::max(delay, std::chrono::milliseconds(0)), Qt::PreciseTimer,
                               owner,
                               [owner, tag, heardAt] { owner->finishIfCurrent(tag, heardAt); });
        },
        Qt::QueuedConnection);
}

void PulseAudioOutput::Private::cork(bool corked) {
    if (pa_operation* operation = pa_stream_cork(stream, corked, nullptr, nullptr))
        pa_operation_unref(operation);
}

void PulseAudioOutput::Private::corkAndFlush() {
    cork(true);
    if (pa_operation* flush = pa_stream_flush(stream, nullptr, nullptr))
        pa_operation_unref(flush);
}

std::optional<qint64> PulseAudioOutput::Private::streamFramesPlayed() const {
    pa_usec_t played = 0;
    if (pa_stream_get_time(stream, &played) < 0)
        return {};
    return qint64(std::llround(double(played) * spec.rate / 1e6)) - rangeBase / frameSize();
}

PulseAudioOutput::PulseAudioOutput(QObject* parent)
    : AudioOutput(parent), d(std::make_unique<Private>(this)) {
    d->loop = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(d->loop, "audio-pulse");
    pa_threaded_mainloop_start(d->loop);
    LoopLock lock(d->loop);
    d->connectContext();
    // A server that accepts the connection and never answers must not hold up the
    // window: it becomes available later, if ever, through availableChanged().
    d->waitUntil([this] { return d->ready || !d->context || d->reconnectEvent; }, StartupWaitUs);
    available_ = d->ready;
}

PulseAudioOutput::~PulseAudioOutput() {
    {
        LoopLock lock(d->loop);
        if (d->range)
            d->range->setStarvationHandler({});
        d->freeTimer(d->reconnectEvent);
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

void PulseAudioOutput::start(std::shared_ptr<PlayRange> range, quint64 tag, Rests rests) {
    LoopLock lock(d->loop);
    d->cancelDrain();
    d->range.reset();
    d->tag = tag;
    d->heardAtLoss = 0;
    d->lastHeard = 0;
    d->restAfter = rests.after;
    const bool running = d->releaseHold();
    if (range->frameCount() == 0) {
        if (running)
            d->flushHeld();
        d->range = range;
        QMetaObject::invokeMethod(
            this, [this, tag] { finishIfCurrent(tag, Clock::now()); }, Qt::QueuedConnection);
        return;
    }
    // The range is attached once the stream is ready and the range's base is known: a new
    // stream asks for data as it becomes ready, and frames written then, ahead of the base,
    // would be heard without being counted in Position.
    if (!d->ensureStream(range->sampleRate(), range->channels())) {
        // Reported as a lost server: the media control moves the range to its fallback,
        // and the reconnection builds context and stream afresh for the next play.
        d->connectionLost();
        return;
    }
    // Placed after a rest, or else started afresh from a corked stream: written at the
    // read index of a running one, the first frames could be taken before they arrive.
    const std::optional<qint64> at =
        running && rests.before ? d->indexAfterRest(*rests.before) : std::nullopt;
    if (running && !at)
        d->flushHeld();
    if (d->writeIndexStale) {
        // The Stop before went unanswered, so where the server writes is unknown.
        d->connectionLost();
        return;
    }
    d->range = range;
    const size_t replaced = d->beginRange(at);
    range->setStarvationHandler([loop = d->loop, dp = d.get(), weak = std::weak_ptr(range)] {
        pa_threaded_mainloop_lock(loop);
        if (weak.lock() == dp->range)
            dp->writeAvailable();
        pa_threaded_mainloop_unlock(loop);
    });
    d->writeAvailable(replaced);
    d->cork(false);
    d->requestTimingUpdate();
    if (!d->timingTick)
        d->timingTick = d->newTimer(TimingUpdateIntervalUs, &Private::onTimingTick);
}

qint64 PulseAudioOutput::stop() {
    LoopLock lock(d->loop);
    d->cancelDrain();
    if (!d->range)
        return 0;
    // The range is detached before the flush: a write request answered while the server
    // is asked where it stopped would otherwise put the range's next frames into the
    // stream, to be heard at the start of the next range.
    const std::shared_ptr<PlayRange> range = std::exchange(d->range, nullptr);
    range->setStarvationHandler({});
    d->freeTimer(d->timingTick);
    d->releaseHold(); // the flush below ends its silence too
    qint64 heard = d->heardAtLoss;
    if (d->ready && d->stream) {
        // Where the server answers late, the clock interpolated up to the cork is the best
        // guess of the frame reached (short by a few ms), closer than its last report;
        // not when the server already stopped answering, which the clock cannot know.
        const std::optional<qint64> interpolated =
            d->timingOverdue() ? std::nullopt : d->streamFramesPlayed();
        d->corkAndFlush();
        if (d->awaitTimingUpdate(StopWaitUs)) {
            d->writeIndex = pa_stream_get_timing_info(d->stream)->write_index;
            heard = d->framesReported(*range);
        } else {
            heard = std::max(d->framesReported(*range),
                             std::clamp<qint64>(interpolated.value_or(0), 0, range->frameCount()));
        }
    }
    return heard;
}

void PulseAudioOutput::replaceQueued() {
    LoopLock lock(d->loop);
    if (d->ready && d->stream && d->range)
        d->replaceQueued();
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

std::chrono::milliseconds PulseAudioOutput::startLead() const {
    LoopLock lock(d->loop);
    return std::chrono::milliseconds(d->buffering.leadUs / PA_USEC_PER_MSEC);
}

qint64 PulseAudioOutput::framesHeard() const {
    LoopLock lock(d->loop);
    if (!d->range)
        return 0;
    if (!d->ready || !d->stream)
        return d->heardAtLoss;
    // The interpolated clock runs on while the server is silent; once a correction is
    // overdue, Position holds until the server answers or is given up.
    const std::optional<qint64> played = d->streamFramesPlayed();
    if (played && !d->timingOverdue())
        d->lastHeard =
            std::max(d->lastHeard, std::clamp<qint64>(*played, 0, d->range->frameCount()));
    return d->lastHeard;
}

// On the GUI thread: the last frame of range `tag` has been heard, unless it was stopped
// or replaced meanwhile.
void PulseAudioOutput::finishIfCurrent(quint64 tag, Clock::time_point heardAt) {
    {
        LoopLock lock(d->loop);
        if (!d->range || d->tag != tag)
            return;
        d->range->setStarvationHandler({});
        d->range.reset();
        if (d->ready && d->stream && !d->held) // else its silence runs on through the rest
            d->corkIdle();
    }
    lastFrameHeardAt_ = heardAt;
    emit finished(tag);
}
