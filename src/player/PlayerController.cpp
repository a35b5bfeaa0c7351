#include "player/PlayerController.h"

#include "audio/AudioOutput.h"
#include "audio/MediaControl.h"
#include "player/MediaErrorText.h"
#include "settings/SettingsStore.h"
#include "settings/modPaths.h"
#include "timecode/modSMPTE.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

constexpr int PlayingUpdateIntervalMs = 50;

// The names are what settings store and the bus sends, so they stay as they are; they
// are marked for translation because windows show them, translated, as captions.
const std::array<const char*, 13> CommandNames{
    QT_TRANSLATE_NOOP("Command", "Walk"),
    QT_TRANSLATE_NOOP("Command", "Previous Step"),
    QT_TRANSLATE_NOOP("Command", "Current Step"),
    QT_TRANSLATE_NOOP("Command", "Next Step"),
    QT_TRANSLATE_NOOP("Command", "Jump Back"),
    QT_TRANSLATE_NOOP("Command", "Stop"),
    QT_TRANSLATE_NOOP("Command", "Play"),
    QT_TRANSLATE_NOOP("Command", "Jump Forward"),
    QT_TRANSLATE_NOOP("Command", "Play Pause"),
    QT_TRANSLATE_NOOP("Command", "Slower"),
    QT_TRANSLATE_NOOP("Command", "Faster"),
    QT_TRANSLATE_NOOP("Command", "Normal Speed"),
    QT_TRANSLATE_NOOP("Command", "Copy Time Stamp"),
};

static_assert(SlowestSpeed == MediaControl::MinimumSpeed &&
              FastestSpeed == MediaControl::MaximumSpeed);

} // namespace

// State changes are announced once a command has run to its end, not for every step
// the device takes on the way.
class PlayerController::CommandScope {
public:
    explicit CommandScope(PlayerController& player) : player(player) { ++player.commandDepth; }
    ~CommandScope() {
        if (--player.commandDepth == 0) {
            player.updateState();
            player.reportJump();
            player.reportStepWindow();
        }
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;

private:
    PlayerController& player;
};

QString PlayerController::commandName(Command command) {
    return QString::fromLatin1(CommandNames.at(std::size_t(command)));
}

const QStringList& PlayerController::commandNames() {
    static const QStringList names = [] {
        QStringList all;
        for (const char* name : CommandNames)
            all << QString::fromLatin1(name);
        return all;
    }();
    return names;
}

std::optional<PlayerController::Command> PlayerController::commandNamed(const QString& name) {
    for (std::size_t i = 0; i < CommandNames.size(); ++i)
        if (name == QLatin1String(CommandNames[i]))
            return Command(i);
    return std::nullopt;
}

PlayerController::PlayerController(std::unique_ptr<AudioOutput> output, QObject* parent)
    : QObject(parent), media(std::make_unique<MediaControl>(std::move(output))) {
    // The flag is off until the store says otherwise.
    current.recentFileList = 0;
    connect(media.get(), &MediaControl::positionUpdate, this, &PlayerController::followPosition);
    connect(media.get(), &MediaControl::done, this, &PlayerController::stepHeard);
    connect(media.get(), &MediaControl::modeChanged, this, &PlayerController::deviceModeChanged);
    connect(media.get(), &MediaControl::outputAvailableChanged, this,
            &PlayerController::outputAvailableChanged);
    connect(media.get(), &MediaControl::damaged, this, &PlayerController::fileDamaged);
    restTimer.setSingleShot(true);
    // A coarse timer may fire several percent late; the rest should last Pause.
    restTimer.setTimerType(Qt::PreciseTimer);
    connect(&restTimer, &QTimer::timeout, this, &PlayerController::endRest);
}

// The media control closes its file as it goes, after the rest timer is gone: nothing of
// that may reach this object any more.
PlayerController::~PlayerController() {
    media->disconnect(this);
}

void PlayerController::run(Command command) {
    switch (command) {
    case Command::Walk:
    case Command::PreviousStep:
    case Command::CurrentStep:
    case Command::NextStep:
        playStep(command);
        break;
    case Command::JumpBack:
    case Command::Stop:
    case Command::Play:
    case Command::JumpForward:
        transport(command);
        break;
    case Command::PlayPause:
        togglePause();
        break;
    case Command::Slower:
        slower();
        break;
    case Command::Faster:
        faster();
        break;
    case Command::NormalSpeed:
        normalSpeed();
        break;
    case Command::CopyTimeStamp:
        copyTimeStamp();
        break;
    }
}

// Every transport command ends a walk and cancels a pending rest, so no further step
// follows it. A jump keeps the play state: playing goes on from the new place.
void PlayerController::transport(Command command, bool toEdge) {
    if (!isOpen())
        return;
    const CommandScope scope(*this);
    const bool playSounding = media->mode() != MediaControl::ModeStopped && !stepPending;
    stopPlayback();
    if (command == Command::Stop && playSounding)
        rewind();
    if (stepPending) {
        // An interrupted step leaves the device at the end of that step.
        stepPending = false;
        moveTo(stepEnd);
    }
    showPosition();
    const qint64 length = media->length();
    const auto withinFile = [length](qint64 ms) { return std::clamp<qint64>(ms, 0, length); };
    switch (command) {
    case Command::JumpBack:
        jumpTo(toEdge ? 0 : withinFile(media->position() - current.jump));
        break;
    case Command::JumpForward: {
        const qint64 target = toEdge ? length : withinFile(media->position() + current.jump);
        if (target == length) {
            // At the end playing stops, rather than starting the file over.
            isPlaying = false;
            isWalking = false;
        }
        jumpTo(target);
        break;
    }
    case Command::Stop:
        if (isWalking) {
            isWalking = false;
            showPosition();
        }
        isPlaying = false;
        break;
    case Command::Play:
        if (media->position() >= length)
            moveTo(0);
        media->play();
        media->setUpdateInterval(PlayingUpdateIntervalMs);
        isPlaying = true;
        break;
    default:
        break;
    }
    isWalking = false;
}

void PlayerController::moveTo(qint64 ms) {
    media->seek(ms);
    positionMoved = true;
}

void PlayerController::reportJump() {
    if (!positionMoved)
        return;
    positionMoved = false;
    emit positionJumped(media->position());
}

void PlayerController::jumpTo(qint64 target) {
    moveTo(target);
    if (isPlaying && !isWalking)
        transport(Command::Play);
    else
        showPosition();
}

// Walk and the single steps. While a step is pending, repeated commands work from that
// step's end rather than from wherever its interrupted play had got to.
void PlayerController::playStep(Command command, bool afterRest) {
    if (!isOpen())
        return;
    const CommandScope scope(*this);
    stopPlayback();
    if (!stepPending) {
        stepEnd = media->position();
        stepPending = true;
    }
    qint64 end = stepEnd;
    if (command == Command::Walk) {
        isWalking = true;
        repeatCount = 0;
    } else if (command == Command::PreviousStep) {
        end -= current.offset;
    } else if (command == Command::NextStep) {
        end += current.offset;
    }
    // The step that reaches past the end of the file is the last of the walk.
    if (std::max<qint64>(end, current.step) > media->length())
        isWalking = false;
    stepEnd = stepEndWithinFile(end);
    // The position display shows the end of the step while it plays.
    moveTo(stepEnd);
    showPosition();
    // A step longer than the file plays the whole file. In a walk the output learns of the
    // rests around the step, so that it can keep the rest exact.
    const std::chrono::milliseconds rest(std::max(0, current.pause));
    AudioOutput::Rests rests;
    if (afterRest)
        rests.before = rest;
    if (isWalking)
        rests.after = rest;
    media->playRange(stepStart(stepEnd), stepEnd, true, rests);
}

// A step never starts before 0; the step that reaches the end of the file keeps its full
// length and ends at the end.
qint64 PlayerController::stepEndWithinFile(qint64 end) const {
    return std::min(std::max<qint64>(end, current.step), media->length());
}

PlayerController::Command PlayerController::stepAfter(qint64 plays) const {
    return plays < loopRepetitionCount() ? Command::CurrentStep : Command::NextStep;
}

// A step playing or pending counts as heard: the rest after it decides what comes next.
std::optional<PlayerController::StepWindow> PlayerController::stepWindow() const {
    if (!isOpen() || !(isWalking || stepPending))
        return std::nullopt;
    StepWindow window{stepStart(stepEnd), stepEnd, std::nullopt};
    if (isWalking) {
        const qint64 plays = repeatCount + (restTimer.isActive() ? 0 : 1);
        const qint64 end =
            stepAfter(plays) == Command::NextStep ? stepEnd + current.offset : stepEnd;
        window.nextFrom = stepStart(stepEndWithinFile(end));
    }
    return window;
}

void PlayerController::reportStepWindow() {
    const std::optional<StepWindow> now = stepWindow();
    if (now == shownStep)
        return;
    shownStep = now;
    emit stepWindowChanged();
}

// The command replaces whatever step a rest would have started, and the display
// follows the player again.
void PlayerController::stopPlayback() {
    restTimer.stop();
    playRewoundAtPause = false;
    setAutoUpdate(true);
    media->stop();
    media->setUpdateInterval(0);
}

// After Stop or a pause of Play, so that the next Play repeats the last words.
void PlayerController::rewind() {
    if (current.rewind > 0)
        moveTo(std::max<qint64>(0, media->position() - current.rewind));
}

// A step heard to its end: in a walk, count the play and rest. Any command given during
// the rest stops the timer and so replaces the step the rest would have started.
void PlayerController::stepHeard(int notifyCode) {
    if (notifyCode != MediaControl::NotifySuccessful)
        return;
    const CommandScope scope(*this);
    stepPending = false;
    if (!isWalking)
        return;
    ++repeatCount;
    restTimer.start(restLeft());
}

// The rest is the silence heard between two steps: it runs from the moment the last frame
// was heard, not from the notification that follows it, however late a busy event loop
// delivers that. The next step starts as far ahead of the rest's end as the output needs
// to place its first frame there.
std::chrono::milliseconds PlayerController::restLeft() const {
    using namespace std::chrono;
    const auto sinceHeard = AudioOutput::Clock::now() - media->lastFrameHeardAt();
    const auto left = milliseconds(std::max(0, current.pause)) - sinceHeard - media->startLead();
    return std::max(milliseconds(0), round<milliseconds>(left));
}

// Play the same step again until it has been heard as often as Looping asks, then move
// on to the next one.
void PlayerController::endRest() {
    playStep(stepAfter(repeatCount), true);
}

void PlayerController::togglePause() {
    if (!isOpen())
        return;
    const CommandScope scope(*this);
    if (playRewoundAtPause) {
        transport(Command::Play);
    } else if (current.rewind > 0 && media->mode() == MediaControl::ModePlaying && !stepPending) {
        stopPlayback();
        rewind();
        showPosition();
        playRewoundAtPause = true;
    } else {
        media->togglePause();
    }
}

// A step heard to its end stops the device just before done() arrives, which settles the
// state: a walk goes from its step straight to its rest, never through Idle.
void PlayerController::deviceModeChanged() {
    if (!stepPending)
        updateState();
}

void PlayerController::setSpeed(int percent) {
    current.speed = std::clamp(percent, SlowestSpeed, FastestSpeed);
    media->setSpeed(current.speed);
    emit speedChanged(current.speed);
}

void PlayerController::setRewind(qint32 ms) {
    current.rewind = std::clamp(ms, 0, LongestRewind);
}

QString PlayerController::copyTimeStamp() {
    if (!isOpen())
        return {};
    const bool inStep = stepPending || restTimer.isActive();
    const qint64 at = inStep ? std::max<qint64>(0, stepEnd - current.step) : media->position();
    const QString stamp = TimeStamp(at, current.timeStampFormat);
    emit timeStampCopied(stamp);
    return stamp;
}

void PlayerController::seek(qint64 ms) {
    if (!isOpen())
        return;
    const CommandScope scope(*this);
    moveTo(ms);
    showPosition();
}

// A pending rest is cancelled too, so no step starts while the slider is held.
void PlayerController::holdPosition() {
    if (!isOpen())
        return;
    const CommandScope scope(*this);
    restTimer.stop();
    playRewoundAtPause = false;
    media->stop();
    setAutoUpdate(false);
}

// A walk starts again from the released position: the step that was playing when the
// slider was held is dropped rather than replayed. Playback that was running stays
// stopped.
void PlayerController::releasePosition(qint64 ms) {
    if (!isOpen())
        return;
    const CommandScope scope(*this);
    setAutoUpdate(true);
    moveTo(ms);
    if (isWalking) {
        stepPending = false;
        walk();
    } else {
        emit timeShown(media->position());
    }
}

void PlayerController::showPosition() {
    emit positionShown(media->position());
}

// The display follows normal playback unless a walk shows its step's end or the user
// switched the display off.
void PlayerController::followPosition() {
    if (!isWalking && following)
        emit positionUpdate(media->position());
}

// Paths keep their case: file names on this system are case-sensitive.
bool PlayerController::openFile(const QString& path) {
    const CommandScope scope(*this);
    const MediaControl::Mode mode = media->mode();
    // A paused play is stopped as well, which also ends a walk whose step was paused.
    if (mode == MediaControl::ModePlaying || mode == MediaControl::ModePaused)
        stop();
    // The file being left keeps the position reached in it. After a failed open nothing
    // is open, and the remembered position of the file that failed must not become 0.
    if (mode != MediaControl::ModeNotOpen)
        SaveFilePosition(media->fileName(), media->position(), current.maxFiles);
    if (!media->open(path)) {
        emit fileClosed();
        const int error = media->error();
        if (error >= MediaControl::RaisedErrorBase)
            emit errorOccurred(MediaErrorText(error), QString());
        else
            emit errorOccurred(media->errorMessage(), tr("Cannot Open Audio File"));
        return false;
    }
    // A new file becomes the list's first entry.
    AddRecentFile(path, current.maxFiles);
    emit recentFilesChanged();
    emit fileOpened(path);
    resumeWhereLeft(path);
    showPosition();
    return true;
}

// Back by the rewind, so that the last words heard are heard again. A position at or
// past the end, of a file that has become shorter since, starts it at 0.
void PlayerController::resumeWhereLeft(const QString& path) {
    if (!current.resume)
        return;
    const qint64 left = StoredFilePosition(path, current.maxFiles);
    if (left <= 0 || left >= media->length())
        return;
    moveTo(std::max<qint64>(0, left - current.rewind));
    emit resumed(media->position());
}

// A path from the command line may be relative: it is made absolute so that the status
// bar, the recent file list and the next dialog name the file wherever they are used.
bool PlayerController::openChosenFile(const QString& path) {
    const QString absolutePath = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    const bool opened = openFile(absolutePath);
    if (opened)
        lastOpenFolder = FolderOfPath(absolutePath);
    return opened;
}

bool PlayerController::openRecentFile(const QString& path) {
    if (openFile(path))
        return true;
    RemoveRecentFile(path, current.maxFiles);
    emit recentFilesChanged();
    return false;
}

void PlayerController::clearRecentFiles() {
    ClearRecentFiles(isOpen(), media->fileName(), media->position());
    emit recentFilesChanged();
}

QList<RecentFileItem> PlayerController::recentFileItems() const {
    return RecentFileMenuItems(current.maxFiles, isOpen() ? media->fileName() : QString());
}

QString PlayerController::openFolder() const {
    return lastOpenFolder.isEmpty() ? current.defaultAudioFolder : lastOpenFolder;
}

void PlayerController::stopPositionUpdates() {
    media->setUpdateInterval(0);
}

void PlayerController::shutDown() {
    const CommandScope scope(*this);
    restTimer.stop();
    isWalking = false;
    stepPending = false;
    playRewoundAtPause = false;
    media->close();
}

bool PlayerController::isOpen() const {
    return media->mode() != MediaControl::ModeNotOpen;
}

QString PlayerController::fileName() const {
    return media->fileName();
}

qint64 PlayerController::position() const {
    return media->position();
}

qint64 PlayerController::length() const {
    return media->length();
}

bool PlayerController::outputAvailable() const {
    return media->outputAvailable();
}

void PlayerController::setAutoUpdate(bool value) {
    following = value;
    emit autoUpdateChanged(value);
}

void PlayerController::setLooping(bool on) {
    current.looping = on;
    emit loopingChanged();
}

void PlayerController::setRepetitions(int count) {
    if (count < 1 || count > 5)
        return;
    current.loopCount = qint16(count);
    emit loopingChanged();
}

void PlayerController::setWaveformSeconds(qint32 seconds) {
    current.waveformSeconds = std::clamp(seconds, ShortestWaveformSeconds, LongestWaveformSeconds);
}

void PlayerController::loadSettings() {
    ReadUserSettings(current);
    emit loopingChanged();
    setSpeed(current.speed);
}

// The position is kept at the end as well as when another file is opened, so that the
// next run resumes the file the user was working on.
void PlayerController::saveSettings() const {
    const SettingsBatch batch(AppName);
    WriteUserSettings(current);
    if (isOpen())
        SaveFilePosition(media->fileName(), media->position(), current.maxFiles);
}

PlayerController::State PlayerController::currentState() const {
    if (restTimer.isActive())
        return State::Resting;
    if (playRewoundAtPause)
        return State::Paused;
    switch (media->mode()) {
    case MediaControl::ModePlaying:
        return stepPending ? State::Stepping : State::Playing;
    case MediaControl::ModePaused:
        return State::Paused;
    default:
        return State::Idle;
    }
}

void PlayerController::updateState() {
    if (commandDepth > 0)
        return;
    const State now = currentState();
    if (now == shownState)
        return;
    shownState = now;
    emit stateChanged(now);
}
