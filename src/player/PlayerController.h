#pragma once

#include "settings/RecentFiles.h"
#include "settings/modSettings.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>

#include "audio/AudioOutput.h"
class MediaControl;

// The player: the open file, the transport and the walk, the durations and the Looping
// settings, the recent file list. Every input (the main window, and any remote) drives
// it through run() or the typed commands; it shows nothing itself and reports through
// signals. Positions and lengths are milliseconds.
class PlayerController : public QObject {
    Q_OBJECT
public:
    enum class Command {
        Walk,
        PreviousStep,
        CurrentStep,
        NextStep,
        JumpBack,
        Stop,
        Play,
        JumpForward,
        PlayPause,
        Slower,
        Faster,
        NormalSpeed,
        CopyTimeStamp,
    };
    Q_ENUM(Command)

    enum class State { Idle, Playing, Paused, Stepping, Resting };
    Q_ENUM(State)

    // The step playing, resting or pending, and the start of the one the walk plays next
    // (none when no walk goes on, or this step is its last).
    struct StepWindow {
        qint64 from = 0;
        qint64 to = 0;
        std::optional<qint64> nextFrom;
        bool operator==(const StepWindow&) const = default;
    };

    // The stored name of a command ("Walk", "Previous Step", ... "Play Pause", "Slower",
    // "Faster", "Normal Speed", "Copy Time Stamp").
    static QString commandName(Command command);
    // Every command's stored name, in the order of Command.
    static const QStringList& commandNames();
    static std::optional<Command> commandNamed(const QString& name);

    // Without an output the player plays through the sound server.
    explicit PlayerController(std::unique_ptr<AudioOutput> output = {}, QObject* parent = nullptr);
    ~PlayerController() override;

    // Commands act only while a file is open.
    void run(Command command);
    void walk() { playStep(Command::Walk); }
    void previousStep() { playStep(Command::PreviousStep); }
    void currentStep() { playStep(Command::CurrentStep); }
    void nextStep() { playStep(Command::NextStep); }
    // toStart / toEnd: to the start or the end of the file (Ctrl with the button).
    void jumpBack(bool toStart = false) { transport(Command::JumpBack, toStart); }
    void stop() { transport(Command::Stop); }
    void play() { transport(Command::Play); }
    void jumpForward(bool toEnd = false) { transport(Command::JumpForward, toEnd); }
    // With a rewind set, pausing Play stops it and moves the position back; the next
    // toggle plays on from there.
    void togglePause();
    // The speed in 10 % steps between the slowest and the fastest, or back to 100 %.
    void slower() { setSpeed(current.speed - SpeedStep); }
    void faster() { setSpeed(current.speed + SpeedStep); }
    void normalSpeed() { setSpeed(UserSettings{}.speed); }
    // The time stamp of the position, in a step or its rest of the step's start, where
    // the words being typed begin; announced by timeStampCopied for the clipboard. ""
    // when no file is open.
    QString copyTimeStamp();
    // Goes to ms without ending a walk: a step playing is interrupted and stays pending.
    void seek(qint64 ms);
    // The position slider: holding it stops the sound and the position display;
    // releasing it goes to ms and restarts a walk there.
    void holdPosition();
    void releasePosition(qint64 ms);

    // Opens a file; false (after errorOccurred) when it cannot be opened. With Resume on,
    // a listed file starts where it was left, less the rewind (resumed reports where).
    bool openFile(const QString& path);
    // A file chosen by the user: made absolute, and its folder becomes openFolder().
    bool openChosenFile(const QString& path);
    // A file of the recent list: one that cannot be opened leaves the list.
    bool openRecentFile(const QString& path);
    void clearRecentFiles();
    QList<RecentFileItem> recentFileItems() const;
    // Where the open dialog starts: the folder of the file chosen last, else the default.
    QString openFolder() const;
    // Stops the periodic position display until the next Play.
    void stopPositionUpdates();
    // No step, rest or sound follows; the file is closed.
    void shutDown();

    State state() const { return shownState; }
    bool isOpen() const;
    QString fileName() const;
    qint64 position() const;
    qint64 length() const;
    bool walking() const { return isWalking; }
    // None while no step is pending and no walk goes on.
    std::optional<StepWindow> stepWindow() const;
    bool outputAvailable() const;

    // Whether the position display follows playback ("Update Time").
    bool autoUpdate() const { return following; }
    void setAutoUpdate(bool value);

    // The settings in use. Setters store the value unchanged.
    const UserSettings& settings() const { return current; }
    void setStep(qint32 ms) { current.step = ms; }
    void setOffset(qint32 ms) { current.offset = ms; }
    void setPause(qint32 ms) { current.pause = ms; }
    void setJump(qint32 ms) { current.jump = ms; }
    void setMaxFiles(qint16 count) { current.maxFiles = count; }
    void setRecentFileList(qint16 flag) { current.recentFileList = flag; }
    void setDefaultAudioFolder(const QString& folder) { current.defaultAudioFolder = folder; }
    // The speed in percent, kept within the slowest and the fastest.
    void setSpeed(int percent);
    // How far Stop or a pause of Play moves the position back (ms, 0 to LongestRewind).
    void setRewind(qint32 ms);
    void setResume(bool on) { current.resume = on; }
    void setTimeStampFormat(TimeStampFormat format) { current.timeStampFormat = format; }
    void setLooping(bool on);
    // 1 to 5; other counts are ignored.
    void setRepetitions(int count);
    void setWaveformShown(bool shown) { current.waveformShown = shown; }
    // Kept within ShortestWaveformSeconds and LongestWaveformSeconds.
    void setWaveformSeconds(qint32 seconds);
    // How often a step is heard before the walk moves on: 1 while looping is off.
    int loopRepetitionCount() const { return current.looping ? current.loopCount : 1; }

    void loadSettings();
    // The settings in use, and the position reached in the open file.
    void saveSettings() const;

signals:
    // The time field and the slider show ms.
    void positionShown(qint64 ms);
    // Only the time field shows ms (the slider stays where it was released).
    void timeShown(qint64 ms);
    // The periodic position while normal playback is followed.
    void positionUpdate(qint64 ms);
    void stateChanged(PlayerController::State state);
    // stepWindow() changed, reported once a command has run.
    void stepWindowChanged();
    // The position moved other than by playing (a jump, a step's start, a seek), reported
    // once per command with where the device is now.
    void positionJumped(qint64 ms);
    void fileOpened(const QString& path);
    // A file opened where it was left: at ms.
    void resumed(qint64 ms);
    // The text of a time stamp asked for, to be put into the clipboard.
    void timeStampCopied(const QString& stamp);
    // A file failed to open: none is open now.
    void fileClosed();
    // For the user, with the title of its message ("" for none).
    void errorOccurred(const QString& message, const QString& title);
    void autoUpdateChanged(bool on);
    void loopingChanged();
    void recentFilesChanged();
    void outputAvailableChanged(bool available);
    void speedChanged(int percent);
    // The open file is damaged from ms on and plays as silence there.
    void fileDamaged(qint64 ms);

private:
    static constexpr int SpeedStep = 10;
    class CommandScope;

    void transport(Command command, bool toEdge = false);
    void jumpTo(qint64 target);
    void moveTo(qint64 ms);
    void reportJump();
    void playStep(Command command, bool afterRest = false);
    qint64 stepEndWithinFile(qint64 end) const;
    qint64 stepStart(qint64 end) const { return std::max<qint64>(0, end - current.step); }
    // What follows the rest after `plays` plays of the step: the same step or the next.
    Command stepAfter(qint64 plays) const;
    void reportStepWindow();
    void stopPlayback();
    void rewind();
    void resumeWhereLeft(const QString& path);
    void stepHeard(int notifyCode);
    std::chrono::milliseconds restLeft() const;
    void endRest();
    void showPosition();
    void followPosition();
    void updateState();
    void deviceModeChanged();
    State currentState() const;

    std::unique_ptr<MediaControl> media;
    UserSettings current;
    QString lastOpenFolder;
    bool following = true;

    bool isWalking = false;
    bool isPlaying = false;
    bool stepPending = false;
    // Play was paused with a rewind: stopped and moved back, to play on at the next toggle.
    bool playRewoundAtPause = false;
    qint64 stepEnd = 0;
    // Completed plays since Walk; wide enough never to overflow in one walk.
    qint64 repeatCount = 0;
    // The rest between walk steps: a single-shot timer, so the player stays idle.
    QTimer restTimer;

    State shownState = State::Idle;
    std::optional<StepWindow> shownStep;
    int commandDepth = 0;
    bool positionMoved = false;
};
