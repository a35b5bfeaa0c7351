#include "support/ManualClockWindow.h"

#include "support/TestWav.h"

ManualClockWindow::ManualClockWindow() {
    // The settings store lives under XDG_CONFIG_HOME: never the user's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(files.filePath(QStringLiteral("config"))));
    main = std::make_unique<frmMain>(std::make_unique<NullAudioOutput>(audioClock));
}

ManualClockWindow::~ManualClockWindow() = default;

bool ManualClockWindow::openFile(qint32 lengthMs, const QString& name) {
    const QString path = files.filePath(name);
    return writeIndexedWav(path, qint64(lengthMs) * SampleRate / 1000, SampleRate, 1) &&
           main->OpenAudioFile(path) != 0;
}

void ManualClockWindow::seekTo(qint32 ms) {
    device().setWait(true);
    device().setTo(ms);
    device().setCommand(QStringLiteral("Seek"));
}
