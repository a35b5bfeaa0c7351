#pragma once

#include "audio/AudioOutput.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

// A clock that only moves when a test moves it, for NullAudioOutput.
//
//     auto clock = std::make_shared<ManualAudioClock>();
//     frmMain w(std::make_unique<NullAudioOutput>(clock));   // or MediaControl m(...)
//     ... start a play range ...
//     clock->advance(1000);           // one second of sound has now been heard
//     QTRY_COMPARE(doneSpy.count(), 1);
//
// Frames count as heard only as far as the clock has been advanced: Position moves with
// advance(), and a range's done notification is posted when advance() passes the end
// of the range. Like a real device it arrives through the GUI event loop, so let events
// run (QTRY_COMPARE, QCoreApplication::processEvents) before checking for it. Paused
// time does not count. The clock starts at 0 and never runs by itself.
class ManualAudioClock {
public:
    qint64 nowMs() const { return nowMs_; }
    void advance(int ms);

private:
    friend class NullAudioOutput;
    void addListener(const void* owner, std::function<void()> onAdvance);
    void removeListener(const void* owner);

    qint64 nowMs_ = 0;
    std::vector<std::pair<const void*, std::function<void()>>> listeners_;
};

// Keeps time without a sound device: a range lasts as long as its frames would sound,
// then finished() is posted. With no clock it runs in real time (the program's fallback
// when no sound server answers); with a ManualAudioClock it runs as a test drives it.
// The frames themselves are never read.
class NullAudioOutput : public AudioOutput {
    Q_OBJECT
public:
    explicit NullAudioOutput(std::shared_ptr<ManualAudioClock> clock = {},
                             QObject* parent = nullptr);
    ~NullAudioOutput() override;

    bool isAvailable() const override { return true; }
    void start(std::shared_ptr<PlayRange> range, quint64 tag, Rests rests) override;
    qint64 stop() override;
    void pause() override;
    void resume() override;
    qint64 framesHeard() const override;
    Clock::time_point lastFrameHeardAt() const override { return endHeardAt_; }

private:
    qint64 nowMs() const;
    qint64 framesAfter(qint64 ms) const;
    void checkEnd();
    void scheduleEnd();

    std::shared_ptr<ManualAudioClock> clock_;
    QElapsedTimer realClock_;
    QTimer endTimer_;
    qint64 sampleRate_ = 0;
    qint64 frameCount_ = 0;
    quint64 tag_ = 0;
    bool running_ = false;
    qint64 heardBeforeRun_ = 0; // frames heard before the latest resume
    qint64 runStartMs_ = 0;
    Clock::time_point endHeardAt_;
};
