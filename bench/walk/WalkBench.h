#pragma once

#include "MonitorRecorder.h"
#include "player/PlayerController.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

// The six-second indexed file of the walk figures, and the walk's rest.
inline constexpr qint32 FileMs = 6000;
inline constexpr qint32 PauseMs = 600;

// The player on an indexed file, playing through the sound server, with its settings
// store in a temporary folder.
class WalkBench {
public:
    WalkBench() {
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
        QObject::connect(&controller, &PlayerController::errorOccurred,
                         [](const QString& text) { std::printf("walk: %s\n", qPrintable(text)); });
        const QString path = folder.filePath("walk.wav");
        opened = writeIndexedWav(path, qint64(FileMs) * MonitorRecorder::SampleRate / 1000) &&
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

// From the command to the first frame the sink rendered, after a silence, each time
// from 3000 ms with no step pending; prints the spread as `what`.
void measureFirstSound(WalkBench& bench, MonitorRecorder& recorder, const char* what,
                       const std::function<void()>& command);
