#pragma once

#include <QObject>

#include <chrono>
#include <memory>

class PlayRange;

// Where the frames of a play range are heard. All members are called on the GUI thread,
// and the signals arrive there. An output plays one range at a time.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    using Clock = std::chrono::steady_clock;

    // False while no device can be reached; the media control then plays through a null
    // output and says so.
    virtual bool isAvailable() const = 0;
    // A file with this format was opened: an output may get ready for it ahead of play.
    virtual void prepare(int sampleRate, int channels) {
        Q_UNUSED(sampleRate);
        Q_UNUSED(channels);
    }
    // Plays every frame of `range`, ending whatever range was playing without a
    // finished() for it. finished(tag) follows once the last frame has been heard.
    virtual void start(std::shared_ptr<PlayRange> range, quint64 tag) = 0;
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
