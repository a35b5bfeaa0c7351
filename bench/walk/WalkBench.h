#pragma once

#include "Measures.h"
#include "MonitorRecorder.h"
#include "SoundFiles.h"
#include "player/PlayerController.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <functional>

// The six-second indexed file of the walk figures, and the walk's rest.
inline constexpr qint32 FileMs = 6000;
inline constexpr qint32 PauseMs = 600;
// The tone of the tone walk.
inline constexpr double ToneHz = 1000;

// The player on an indexed file or a tone, playing through the sound server, with its
// settings store in a temporary folder.
class WalkBench {
public:
    enum class Content { Indexed, Tone };

    explicit WalkBench(Content content = Content::Indexed, qint32 fileMs = FileMs) {
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
        QObject::connect(&controller, &PlayerController::errorOccurred,
                         [](const QString& text) { std::printf("walk: %s\n", qPrintable(text)); });
        const QString path = folder.filePath("walk.wav");
        const qint64 frames = qint64(fileMs) * MonitorRecorder::SampleRate / 1000;
        const ToneFile tone{.frames = frames, .frequency = ToneHz};
        opened = (content == Content::Tone ? writeToneFile(path, tone)
                                           : writeIndexedWav(path, frames)) &&
                 controller.openFile(path);
        controller.setStep(1000);
        controller.setOffset(500);
        controller.setPause(PauseMs);
        controller.setRepetitions(1);
    }
    ~WalkBench() { qputenv("XDG_CONFIG_HOME", savedConfigHome); }

    bool ready() const { return opened && controller.outputAvailable(); }
    PlayerController& player() { return controller; }

private:
    QTemporaryDir folder;
    QByteArray savedConfigHome;
    PlayerController controller;
    bool opened = false;
};

// From the command to the moment the sink rendered the first frame of its range (which
// begins at firstMs), after a silence, each time from 3000 ms with no step pending;
// prints the spread as `what`, and how often other sound came first.
void measureFirstSound(WalkBench& bench, MonitorRecorder& recorder, const char* what,
                       qint64 firstMs, const std::function<void()>& command);
