#pragma once

#include "audio/AudioOutput.h"

#include <memory>

// Plays through PulseAudio (or PipeWire's PulseAudio service) on libpulse's threaded
// main loop and asynchronous API. A queue sized for each server, filled before sound
// starts and grown after an underflow, keeps the sound whole on a busy machine while a
// small sink share makes it start within a few milliseconds; Stop corks and flushes the
// stream, so the sound ends at once, and the server's read index gives the exact frame
// reached. finished() waits for the drain plus the sink's latency, i.e. until the last
// frame has been heard. The GUI thread never waits for the server beyond a short
// deadline: a server that does not answer, or stops answering, counts as gone. Then the
// output becomes unavailable and reconnects on its own once the server is back.
class PulseAudioOutput : public AudioOutput {
    Q_OBJECT
public:
    explicit PulseAudioOutput(QObject* parent = nullptr);
    ~PulseAudioOutput() override;

    bool isAvailable() const override;
    void prepare(int sampleRate, int channels) override;
    void start(std::shared_ptr<PlayRange> range, quint64 tag, Rests rests) override;
    std::chrono::milliseconds startLead() const override;
    qint64 stop() override;
    void pause() override;
    void resume() override;
    void replaceQueued() override;
    qint64 framesHeard() const override;
    Clock::time_point lastFrameHeardAt() const override { return lastFrameHeardAt_; }

    struct Private;

private:
    void setAvailable(bool available);
    void finishIfCurrent(quint64 tag, Clock::time_point heardAt);

    std::unique_ptr<Private> d;
    bool available_ = false;
    Clock::time_point lastFrameHeardAt_;
};
