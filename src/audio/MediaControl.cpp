#include "audio/MediaControl.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioEngine.h"
#include "audio/MciErrors.h"
#include "audio/NullAudioOutput.h"
#include "audio/PulseAudioOutput.h"

#include <QTimer>

#include <algorithm>
#include <optional>

namespace {
constexpr int InitialUpdateInterval = 1000;
} // namespace

struct MediaControl::Private {
    explicit Private(MediaControl* owner, std::unique_ptr<AudioOutput> output)
        : q(owner), primary(std::move(output)) {}

    // Conversions between the control's milliseconds and the file's frames.
    qint64 msToFrame(qint64 ms) const;
    qint64 frameToMs(qint64 frame) const;
    qint64 lengthMs() const { return engine ? frameToMs(frames()) : 0; }
    qint64 frames() const { return engine ? engine->decoder().frames() : 0; }

    bool isOpen() const { return engine != nullptr; }
    bool rangeActive() const { return mode == ModePlaying || mode == ModePaused; }
    qint64 currentFrame() const;

    void begin();
    void fail(int number, const QString& message);
    bool requireOpen();
    void setMode(Mode next);
    void postDone(int code);
    // Ends the range playing (stopped, superseded or closed): Position is the frame heard.
    void endRange(int notifyCode);
    bool playRange(std::optional<qint64> fromMs, std::optional<qint64> toMs, bool notifyAtEnd,
                   AudioOutput::Rests rests = {});
    void startRange(qint64 from, qint64 to, qint64 endMs, bool notifyAtEnd,
                    AudioOutput::Rests rests);
    void rangeFinished(quint64 finishedTag);
    void outputAvailabilityChanged(bool available);
    // Goes on with the range playing through `output`, from the frame heard.
    void moveRange(AudioOutput* output);
    // Source frames of the range heard, with the output's count of frames heard.
    qint64 sourceHeard(qint64 outputFrames) const { return range->sourceFramesAt(outputFrames); }
    void setPosition(qint64 frame, std::optional<qint64> exactMs = std::nullopt);
    void reportDamage(AudioDecoder& decoder);

    MediaControl* q;
    std::unique_ptr<AudioOutput> primary;
    NullAudioOutput fallback; // real time, used while the primary output is unavailable
    AudioOutput* active = nullptr;
    std::unique_ptr<AudioEngine> engine;
    std::shared_ptr<PlayRange> range; // the range started last
    QTimer statusTimer;

    QString fileName;
    Mode mode = ModeNotOpen;
    int error = 0;
    QString errorMessage;

    qint64 positionFrame = 0;
    std::optional<qint64> positionMs; // the exact ms the position was set to, if any
    qint64 rangeFrom = 0;
    qint64 rangeTo = 0;
    qint64 rangeToMs = 0;
    bool rangeNotify = false;
    quint64 tag = 0;
    int speed = NormalSpeed;
    quint64 openCount = 0; // tells a damage report on its way from a file closed since
};

qint64 MediaControl::Private::msToFrame(qint64 ms) const {
    if (ms <= 0)
        return 0;
    if (ms >= lengthMs())
        return frames();
    const qint64 rate = engine->decoder().sampleRate();
    return std::min(frames(), (ms * rate + 500) / 1000);
}

// Split into whole seconds and the rest, so that no frame count overflows the product.
qint64 MediaControl::Private::frameToMs(qint64 frame) const {
    const qint64 rate = engine->decoder().sampleRate();
    return frame / rate * 1000 + ((frame % rate) * 1000 + rate / 2) / rate;
}

qint64 MediaControl::Private::currentFrame() const {
    return rangeActive() ? rangeFrom + sourceHeard(active->framesHeard()) : positionFrame;
}

void MediaControl::Private::setPosition(qint64 frame, std::optional<qint64> exactMs) {
    positionFrame = frame;
    positionMs = exactMs;
}

void MediaControl::Private::begin() {
    error = 0;
    errorMessage.clear();
}

void MediaControl::Private::fail(int number, const QString& message) {
    error = number;
    errorMessage = message;
}

bool MediaControl::Private::requireOpen() {
    begin();
    if (isOpen())
        return true;
    fail(MciError::DeviceNotOpen, MediaControl::tr("No audio file is open."));
    return false;
}

void MediaControl::Private::setMode(Mode next) {
    if (mode == next)
        return;
    mode = next;
    emit q->modeChanged(mode);
}

void MediaControl::Private::postDone(int code) {
    QMetaObject::invokeMethod(
        q, [control = q, code] { emit control->done(code); }, Qt::QueuedConnection);
}

void MediaControl::Private::endRange(int notifyCode) {
    if (!rangeActive())
        return;
    const qint64 heard = sourceHeard(active->stop());
    engine->cancelRange();
    ++tag; // a finished() already on its way belongs to the range that ended here
    setPosition(rangeFrom + heard);
    setMode(ModeStopped);
    if (rangeNotify)
        postDone(notifyCode);
}

// A range without a start begins at the frame the position stands on; one without an
// end plays to the end of the file.
bool MediaControl::Private::playRange(std::optional<qint64> fromMs, std::optional<qint64> toMs,
                                      bool notifyAtEnd, AudioOutput::Rests rests) {
    if (!requireOpen())
        return false;
    const qint64 length = lengthMs();
    const qint64 start =
        fromMs ? std::clamp<qint64>(*fromMs, 0, length) : frameToMs(currentFrame());
    const qint64 end = toMs ? std::clamp<qint64>(*toMs, 0, length) : length;
    if (end < start) {
        fail(MciError::OutOfRange,
             MediaControl::tr("The play range ends (%1 ms) before it starts (%2 ms).")
                 .arg(end)
                 .arg(start));
        return false;
    }
    const qint64 startFrame = fromMs ? msToFrame(start) : currentFrame();
    endRange(NotifySuperseded);
    startRange(startFrame, msToFrame(end), end, notifyAtEnd, rests);
    return true;
}

void MediaControl::Private::startRange(qint64 from, qint64 to, qint64 endMs, bool notifyAtEnd,
                                       AudioOutput::Rests rests) {
    rangeFrom = from;
    rangeTo = to;
    rangeToMs = endMs;
    rangeNotify = notifyAtEnd;
    active = primary->isAvailable() ? primary.get() : static_cast<AudioOutput*>(&fallback);
    range = engine->startRange(from, to, speed);
    active->start(range, ++tag, rests);
    setMode(ModePlaying);
}

void MediaControl::Private::rangeFinished(quint64 finishedTag) {
    if (finishedTag != tag || !rangeActive())
        return;
    engine->cancelRange();
    setPosition(rangeTo, rangeToMs);
    setMode(ModeStopped);
    if (rangeNotify)
        emit q->done(NotifySuccessful);
}

// The sound server went away: the range playing goes on, silently and in real time,
// from the frame reached, so that Position and the done notification keep coming.
void MediaControl::Private::outputAvailabilityChanged(bool available) {
    if (!available && rangeActive() && active == primary.get())
        moveRange(&fallback);
    emit q->outputAvailableChanged(available);
}

void MediaControl::Private::moveRange(AudioOutput* output) {
    rangeFrom += sourceHeard(active->stop());
    active = output;
    range = engine->startRange(rangeFrom, rangeTo, speed);
    active->start(range, ++tag, {});
    if (mode == ModePaused)
        active->pause();
}

// The reader thread finds the damage; the control reports it on its own thread, for the
// file that is open then.
void MediaControl::Private::reportDamage(AudioDecoder& decoder) {
    decoder.setDamageHandler([this, file = ++openCount](qint64 frame) {
        QMetaObject::invokeMethod(
            q,
            [this, file, frame] {
                if (file == openCount && isOpen())
                    emit q->damaged(frameToMs(frame));
            },
            Qt::QueuedConnection);
    });
}

MediaControl::MediaControl(std::unique_ptr<AudioOutput> output, QObject* parent)
    : QObject(parent),
      d(std::make_unique<Private>(this, output ? std::move(output)
                                               : std::make_unique<PulseAudioOutput>())) {
    d->active = d->primary.get();
    connect(d->primary.get(), &AudioOutput::finished, this,
            [this](quint64 tag) { d->rangeFinished(tag); });
    connect(&d->fallback, &AudioOutput::finished, this,
            [this](quint64 tag) { d->rangeFinished(tag); });
    connect(d->primary.get(), &AudioOutput::availableChanged, this,
            [this](bool available) { d->outputAvailabilityChanged(available); });
    connect(&d->statusTimer, &QTimer::timeout, this, &MediaControl::positionUpdate);
    setUpdateInterval(InitialUpdateInterval);
}

MediaControl::~MediaControl() {
    close();
}

bool MediaControl::open(const QString& path) {
    close();
    d->fileName = path;
    if (path.trimmed().isEmpty()) {
        d->fail(RaisedErrorBase + MciError::InvalidFile, tr("Invalid filename."));
        return false;
    }
    auto opened = AudioDecoder::open(path);
    if (!opened.decoder) {
        d->fail(opened.error, opened.message);
        return false;
    }
    const int rate = opened.decoder->sampleRate();
    const int channels = opened.decoder->channels();
    d->reportDamage(*opened.decoder);
    d->engine = std::make_unique<AudioEngine>(std::move(opened.decoder));
    d->setPosition(0, 0);
    d->setMode(ModeStopped);
    d->primary->prepare(rate, channels);
    return true;
}

void MediaControl::close() {
    d->begin();
    if (!d->isOpen())
        return;
    d->endRange(NotifyAborted);
    d->range.reset();
    d->engine.reset();
    d->setPosition(0, 0);
    d->setMode(ModeNotOpen);
}

bool MediaControl::playRange(qint64 fromMs, qint64 toMs, bool notifyAtEnd,
                             AudioOutput::Rests rests) {
    return d->playRange(fromMs, toMs, notifyAtEnd, rests);
}

bool MediaControl::play() {
    return d->playRange(std::nullopt, std::nullopt, false);
}

void MediaControl::seek(qint64 ms) {
    if (!d->requireOpen())
        return;
    d->endRange(NotifySuperseded);
    const qint64 target = std::clamp<qint64>(ms, 0, d->lengthMs());
    d->setPosition(d->msToFrame(target), target);
}

void MediaControl::stop() {
    if (d->requireOpen())
        d->endRange(NotifyAborted);
}

void MediaControl::togglePause() {
    if (!d->requireOpen())
        return;
    if (d->mode == ModePlaying) {
        d->active->pause();
        d->setMode(ModePaused);
    } else if (d->mode == ModePaused) {
        d->active->resume();
        d->setMode(ModePlaying);
    }
}

// A null output never takes the frames and keeps time by the range's length when it
// started, so a range playing there starts afresh at the new speed from the frame reached.
void MediaControl::setSpeed(int percent) {
    d->speed = std::clamp(percent, MinimumSpeed, MaximumSpeed);
    if (!d->rangeActive())
        return;
    if (qobject_cast<NullAudioOutput*>(d->active))
        d->moveRange(d->active);
    else {
        d->range->changeSpeed(d->speed);
        d->active->replaceQueued();
    }
}

int MediaControl::speed() const {
    return d->speed;
}

QString MediaControl::fileName() const {
    return d->fileName;
}

qint64 MediaControl::position() const {
    if (!d->isOpen())
        return 0;
    if (!d->rangeActive() && d->positionMs)
        return *d->positionMs;
    return d->frameToMs(d->currentFrame());
}

qint64 MediaControl::length() const {
    return d->lengthMs();
}

MediaControl::Mode MediaControl::mode() const {
    return d->mode;
}

void MediaControl::setUpdateInterval(int ms) {
    if (ms > 0)
        d->statusTimer.start(ms);
    else
        d->statusTimer.stop();
}

int MediaControl::error() const {
    return d->error;
}

QString MediaControl::errorMessage() const {
    return d->errorMessage;
}

bool MediaControl::outputAvailable() const {
    return d->primary->isAvailable();
}

AudioOutput::Clock::time_point MediaControl::lastFrameHeardAt() const {
    return d->active->lastFrameHeardAt();
}

std::chrono::milliseconds MediaControl::startLead() const {
    return d->primary->isAvailable() ? d->primary->startLead() : std::chrono::milliseconds(0);
}
