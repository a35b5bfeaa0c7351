#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "audio/AudioOutput.h"

#include <memory>
#include <stdexcept>

class AudioEngine;

// Error raised by the media control, carrying 30000 plus the underlying device error
// number (30304 for an empty or unusable file name, 30266 when no audio system can be
// loaded at all). Failures of ordinary commands are reported through error() instead.
class MediaError : public std::runtime_error {
public:
    MediaError(int number, const QString& what);
    int number() const { return number_; }

private:
    int number_;
};

// The playback device `mciWave`: one wave file, a string command and a set of
// properties, all used on the GUI thread. Decoding and sound output run on the audio
// engine's own threads, which report back through queued signals.
class MediaControl : public QObject {
    Q_OBJECT
public:
    enum Mode {
        ModeNotOpen = 524,
        ModeStopped = 525,
        ModePlaying = 526,
        ModeSeeking = 528,
        ModePaused = 529,
    };
    enum NotifyCode {
        NotifySuccessful = 1,
        NotifySuperseded = 2,
        NotifyAborted = 4,
        NotifyFailure = 8,
    };

    // Without an output the control plays through PulseAudio, falling back to a null
    // output (and saying so through outputAvailable()) when no sound server answers.
    explicit MediaControl(std::unique_ptr<AudioOutput> output = {}, QObject* parent = nullptr);
    ~MediaControl() override;

    QString fileName() const;
    void setFileName(const QString& fileName);

    // Runs the command ("Open", "Close", "Play", "Stop", "Seek", "pause"; any case).
    QString command() const;
    void setCommand(const QString& command);

    // Wait and Notify apply to the next command only.
    bool wait() const;
    void setWait(bool wait);
    bool notify() const;
    void setNotify(bool notify);

    qint32 from() const;
    void setFrom(qint32 ms);
    qint32 to() const;
    void setTo(qint32 ms);

    qint32 position() const;
    qint32 length() const;
    qint32 mode() const;

    int updateInterval() const;
    void setUpdateInterval(int ms);

    int error() const;
    QString errorMessage() const;

    // False while no sound server can be reached and sound goes to the null output.
    bool outputAvailable() const;

signals:
    // The periodic position notification, every updateInterval() ms while it is not 0.
    void statusUpdate();
    // A command sent with Notify set has ended, with its notify code.
    void done(int notifyCode);
    // The sound server went away or came back.
    void outputAvailableChanged(bool available);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
