#include "audio/MediaControl.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioEngine.h"
#include "audio/MciErrors.h"
#include "audio/NullAudioOutput.h"
#include "audio/PulseAudioOutput.h"

#include <QEventLoop>

#include <algorithm>
#include <optional>

MediaError::MediaError(int number, const QString& what)
    : std::runtime_error(what.toStdString()), number_(number) {}

namespace {
constexpr int InitialUpdateInterval = 1000;
constexpr int RaisedErrorBase = 30000;
} // namespace

struct MediaControl::Private {
    explicit Private(MediaControl* owner, std::unique_ptr<AudioOutput> output)
        : q(owner), primary(std::move(output)) {}

    // Conversions between the control's milliseconds and the file's frames.
    qint64 msToFrame(qint64 ms) const;
    qint32 frameToMs(qint64 frame) const;
    qint32 lengthMs() const { return engine ? frameToMs(frames()) : 0; }
    qint64 frames() const { return engine ? engine->decoder().frames() : 0; }

    bool isOpen() const { return engine != nullptr; }
    bool rangeActive() const { return mode == ModePlaying || mode == ModePaused; }
    qint64 currentFrame() const;

    void run(const QString& verb);
    void open();
    void close();
    void play();
    void stop();
    void seek();
    void pause();

    void fail(int number, const QString& message);
    bool requireOpen();
    void postDone(int code);
    // Ends the range playing (stopped, superseded or closed): Position is the frame heard.
    void endRange(int notifyCode);
    void startRange(qint64 from, qint64 to, std::optional<qint32> endMs, bool notifyAtEnd);
    void rangeFinished(quint64 finishedTag);
    void outputAvailabilityChanged(bool available);
    void setPosition(qint64 frame, std::optional<qint32> exactMs = std::nullopt);
    void waitForRangeEnd();

    MediaControl* q;
    std::unique_ptr<AudioOutput> primary;
    NullAudioOutput fallback; // real time, used while the primary output is unavailable
    AudioOutput* active = nullptr;
    std::unique_ptr<AudioEngine> engine;
    QTimer statusTimer;

    QString fileName;
    QString command;
    bool wait = false;
    bool notify = false;
    std::optional<qint32> from;
    std::optional<qint32> to;
    int mode = ModeNotOpen;
    int error = 0;
    QString errorMessage;

    qint64 positionFrame = 0;
    std::optional<qint32> positionMs; // the exact ms the position was set to, if any
    qint64 rangeFrom = 0;
    qint64 rangeTo = 0;
    std::optional<qint32> rangeToMs;
    bool rangeNotify = false;
    quint64 tag = 0;
    QEventLoop* waitLoop = nullptr;
};

qint64 MediaControl::Private::msToFrame(qint64 ms) const {
    if (ms <= 0)
        return 0;
    if (ms >= lengthMs())
        return frames();
    const qint64 rate = engine->decoder().sampleRate();
    return std::min(frames(), (ms * rate + 500) / 1000);
}

qint32 MediaControl::Private::frameToMs(qint64 frame) const {
    const qint64 rate = engine->decoder().sampleRate();
    return qint32(std::min<qint64>((frame * 1000 + rate / 2) / rate, INT32_MAX));
}

qint64 MediaControl::Private::currentFrame() const {
    return rangeActive() ? rangeFrom + active->framesHeard() : positionFrame;
}

void MediaControl::Private::setPosition(qint64 frame, std::optional<qint32> exactMs) {
    positionFrame = frame;
    positionMs = exactMs;
}

void MediaControl::Private::fail(int number, const QString& message) {
    error = number;
    errorMessage = message;
    if (notify)
        postDone(NotifyFailure);
}

bool MediaControl::Private::requireOpen() {
    if (isOpen())
        return true;
    fail(MciError::DeviceNotOpen, QStringLiteral("No audio file is open."));
    return false;
}

void MediaControl::Private::postDone(int code) {
    QMetaObject::invokeMethod(
        q, [control = q, code] { emit control->done(code); }, Qt::QueuedConnection);
}

void MediaControl::Private::run(const QString& verb) {
    error = 0;
    errorMessage.clear();
    const QString word = verb.trimmed().toLower();
    if (word == u"open")
        open();
    else if (word == u"close")
        close();
    else if (word == u"play")
        play();
    else if (word == u"stop")
        stop();
    else if (word == u"seek")
        seek();
    else if (word == u"pause")
        pause();
    else
        fail(MciError::UnrecognizedCommand,
             QStringLiteral("The command \"%1\" is not known.").arg(verb));
}

void MediaControl::Private::open() {
    close();
    if (fileName.trimmed().isEmpty())
        throw MediaError(RaisedErrorBase + MciError::InvalidFile,
                         QStringLiteral("Invalid filename."));
    auto opened = AudioDecoder::open(fileName);
    if (!opened.decoder) {
        fail(opened.error, opened.message);
        return;
    }
    const int rate = opened.decoder->sampleRate();
    const int channels = opened.decoder->channels();
    engine = std::make_unique<AudioEngine>(std::move(opened.decoder));
    setPosition(0, 0);
    mode = ModeStopped;
    primary->prepare(rate, channels);
    if (notify)
        postDone(NotifySuccessful);
}

void MediaControl::Private::close() {
    if (!isOpen())
        return;
    endRange(NotifyAborted);
    engine.reset();
    setPosition(0, 0);
    mode = ModeNotOpen;
}

void MediaControl::Private::endRange(int notifyCode) {
    if (!rangeActive())
        return;
    const qint64 heard = active->stop();
    engine->cancelRange();
    ++tag; // a finished() already on its way belongs to the range that ended here
    setPosition(rangeFrom + heard);
    mode = ModeStopped;
    if (rangeNotify)
        postDone(notifyCode);
    if (waitLoop)
        waitLoop->quit();
}

void MediaControl::Private::startRange(qint64 from, qint64 to, std::optional<qint32> endMs,
                                       bool notifyAtEnd) {
    rangeFrom = from;
    rangeTo = to;
    rangeToMs = endMs;
    rangeNotify = notifyAtEnd;
    mode = ModePlaying;
    active = primary->isAvailable() ? primary.get() : static_cast<AudioOutput*>(&fallback);
    active->start(engine->startRange(from, to), ++tag);
}

void MediaControl::Private::play() {
    if (!requireOpen())
        return;
    const qint32 length = lengthMs();
    const qint32 start = from ? std::clamp(*from, 0, length) : frameToMs(currentFrame());
    const qint32 end = to ? std::clamp(*to, 0, length) : length;
    if (end < start) {
        fail(MciError::OutOfRange,
             QStringLiteral("The play range ends (%1 ms) before it starts (%2 ms).")
                 .arg(end)
                 .arg(start));
        return;
    }
    const qint64 startFrame = from ? msToFrame(start) : currentFrame();
    endRange(NotifySuperseded);
    startRange(startFrame, msToFrame(end), end, notify);
    if (wait)
        waitForRangeEnd();
}

void MediaControl::Private::waitForRangeEnd() {
    QEventLoop loop;
    waitLoop = &loop;
    if (rangeActive())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    waitLoop = nullptr;
}

void MediaControl::Private::stop() {
    if (!requireOpen())
        return;
    endRange(NotifyAborted);
    if (notify)
        postDone(NotifySuccessful);
}

void MediaControl::Private::seek() {
    if (!requireOpen())
        return;
    if (!to) {
        fail(MciError::MissingParameter, QStringLiteral("Seek needs a target time (To)."));
        return;
    }
    endRange(NotifySuperseded);
    const qint32 target = std::clamp(*to, 0, lengthMs());
    setPosition(msToFrame(target), target);
    if (notify)
        postDone(NotifySuccessful);
}

void MediaControl::Private::pause() {
    if (!requireOpen())
        return;
    if (mode == ModePlaying) {
        active->pause();
        mode = ModePaused;
    } else if (mode == ModePaused) {
        active->resume();
        mode = ModePlaying;
    }
    if (notify)
        postDone(NotifySuccessful);
}

void MediaControl::Private::rangeFinished(quint64 finishedTag) {
    if (finishedTag != tag || !rangeActive())
        return;
    engine->cancelRange();
    setPosition(rangeTo, rangeToMs);
    mode = ModeStopped;
    if (waitLoop)
        waitLoop->quit();
    if (rangeNotify)
        emit q->done(NotifySuccessful);
}

// The sound server went away: the range playing goes on, silently and in real time,
// from the frame reached, so that Position and the done notification keep coming.
void MediaControl::Private::outputAvailabilityChanged(bool available) {
    if (!available && rangeActive() && active == primary.get()) {
        const bool paused = mode == ModePaused;
        rangeFrom += primary->stop();
        active = &fallback;
        active->start(engine->startRange(rangeFrom, rangeTo), ++tag);
        if (paused)
            active->pause();
    }
    emit q->outputAvailableChanged(available);
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
    connect(&d->statusTimer, &QTimer::timeout, this, &MediaControl::statusUpdate);
    setUpdateInterval(InitialUpdateInterval);
}

MediaControl::~MediaControl() {
    d->close();
}

QString MediaControl::fileName() const {
    return d->fileName;
}
void MediaControl::setFileName(const QString& fileName) {
    d->fileName = fileName;
}

QString MediaControl::command() const {
    return d->command;
}

void MediaControl::setCommand(const QString& command) {
    d->command = command;
    // Wait, Notify, From and To belong to this command only, also when it throws.
    struct ClearOneShotValues {
        Private* d;
        ~ClearOneShotValues() {
            d->wait = d->notify = false;
            d->from.reset();
            d->to.reset();
        }
    } clear{d.get()};
    d->run(command);
}

bool MediaControl::wait() const {
    return d->wait;
}
void MediaControl::setWait(bool wait) {
    d->wait = wait;
}
bool MediaControl::notify() const {
    return d->notify;
}
void MediaControl::setNotify(bool notify) {
    d->notify = notify;
}

qint32 MediaControl::from() const {
    return d->from.value_or(0);
}
void MediaControl::setFrom(qint32 ms) {
    d->from = ms;
}
qint32 MediaControl::to() const {
    return d->to.value_or(0);
}
void MediaControl::setTo(qint32 ms) {
    d->to = ms;
}

qint32 MediaControl::position() const {
    if (!d->isOpen())
        return 0;
    if (!d->rangeActive() && d->positionMs)
        return *d->positionMs;
    return d->frameToMs(d->currentFrame());
}

qint32 MediaControl::length() const {
    return d->lengthMs();
}
qint32 MediaControl::mode() const {
    return d->mode;
}

int MediaControl::updateInterval() const {
    return d->statusTimer.isActive() ? d->statusTimer.interval() : 0;
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
