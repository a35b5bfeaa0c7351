#pragma once

#include <QObject>
#include <QString>

#include "audio/AudioOutput.h"

#include <memory>

// The playback device: one audio file, played in ranges, used on the GUI thread.
// Decoding and sound output run on the audio engine's own threads, which report back
// through queued signals. Positions and lengths are milliseconds.
class MediaControl : public QObject {
    Q_OBJECT
public:
    enum Mode {
        ModeNotOpen = 524,
        ModeStopped = 525,
        ModePlaying = 526,
        ModePaused = 529,
    };
    enum NotifyCode {
        NotifySuccessful = 1, // the range was heard to its end
        NotifySuperseded = 2, // another play or a seek replaced it
        NotifyAborted = 4,    // stopped or closed
    };
    // Playback speed in percent of real time; the pitch stays.
    static constexpr int MinimumSpeed = 50;
    static constexpr int NormalSpeed = 100;
    static constexpr int MaximumSpeed = 200;
    // Added to the device error of a failure the caller cannot correct by choosing
    // another file (30304: no file name at all).
    static constexpr int RaisedErrorBase = 30000;

    // Without an output the control plays through PulseAudio, falling back to a null
    // output (and saying so through outputAvailable()) when no sound server answers.
    explicit MediaControl(std::unique_ptr<AudioOutput> output = {}, QObject* parent = nullptr);
    ~MediaControl() override;

    // Opens path at position 0, closing the file open before. On failure nothing is open
    // and error() and errorMessage() say why.
    bool open(const QString& path);
    void close();
    // Plays fromMs..toMs (within the file) and returns at once; done() follows when
    // notifyAtEnd is set. False, with error(), when the range ends before it starts. In a
    // walk, `rests` places the range among the others (see AudioOutput::start()).
    bool playRange(qint64 fromMs, qint64 toMs, bool notifyAtEnd, AudioOutput::Rests rests = {});
    // Plays from the position to the end of the file, without a done notification.
    bool play();
    // Ends the range playing (superseded) and puts the position at ms, within the file.
    void seek(qint64 ms);
    // Ends the range playing at the frame heard.
    void stop();
    // Pauses a range that plays, resumes one that is paused.
    void togglePause();

    // The speed of the range playing and of those to come, within the bounds above. A
    // range playing changes speed at once and keeps its source frames.
    void setSpeed(int percent);
    int speed() const;

    QString fileName() const;
    qint64 position() const;
    qint64 length() const;
    Mode mode() const;

    // The interval of positionUpdate() in ms; 0 stops it.
    void setUpdateInterval(int ms);

    // The error of the last command, 0 when it succeeded.
    int error() const;
    QString errorMessage() const;

    // False while no sound server can be reached and sound goes to the null output.
    bool outputAvailable() const;

    // When the last frame of the range that played to its end last was heard: done()
    // comes after that moment, by as long as the event loop was busy.
    AudioOutput::Clock::time_point lastFrameHeardAt() const;
    // How long before the end of a rest the range after it is to be started.
    std::chrono::milliseconds startLead() const;

signals:
    // The periodic position notification, at the update interval while it is not 0.
    void positionUpdate();
    // A range played with notifyAtEnd has ended, with its notify code.
    void done(int notifyCode);
    void modeChanged(int mode);
    // The sound server went away or came back.
    void outputAvailableChanged(bool available);
    // The open file could not be decoded from ms on; it plays as silence there. Once per file.
    void damaged(qint64 ms);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
