#pragma once

#include <QObject>

#include <chrono>
#include <memory>
#include <optional>

class PlayRange;

// Where the frames of a play range are heard. All members are called on the GUI thread,
// and the signals arrive there. An output plays one range at a time.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    using Clock = std::chrono::steady_clock;

    // The rests of a walk around a range: the silence heard before its first frame, counted
    // from the last frame heard of the range before, and the one that follows it.
    struct Rests {
        std::optional<std::chrono::milliseconds> before;
        std::optional<std::chrono::milliseconds> after;
    };

    // False while no device can be reached; the media control then plays through a null
    // output and says so.
    virtual bool isAvailable() const = 0;
    // A file with this format was opened: an output may get ready for it ahead of play.
    virtual void prepare(int sampleRate, int channels) {
        Q_UNUSED(sampleRate);
        Q_UNUSED(channels);
    }
    // Plays every frame of `range`, ending whatever range was playing without a
    // finished() for it. finished(tag) follows once the last frame has been heard. An
    // output that keeps its sound running through a rest places a range started
    // startLead() ahead of its rest's end exactly `rests.before` after the last frame of
    // the range before; any other starts at once.
    virtual void start(std::shared_ptr<PlayRange> range, quint64 tag, Rests rests) = 0;
    // How long before the end of a rest the range after it must be started.
    virtual std::chrono::milliseconds startLead() const { return {}; }
    // Cuts the sound at once; returns how many frames of the range were heard.
    virtual qint64 stop() = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // The range's frames not yet heard have changed (its speed): an output that holds
    // frames ahead of the sound replaces what it can of them.
    virtual void replaceQueued() {}
    // Frames of the current range heard so far (while playing or paused).
    virtual qint64 framesHeard() const = 0;
    // When the last frame of the range that finished last was heard: finished() comes
    // after that moment, by as long as the event loop was busy.
    virtual Clock::time_point lastFrameHeardAt() const = 0;

signals:
    void finished(quint64 tag);
    void availableChanged(bool available);
};
