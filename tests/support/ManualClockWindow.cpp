#include "support/ManualClockWindow.h"

#include "support/TestWav.h"
#include "support/Widgets.h"

#include <QAction>

ManualClockWindow::ManualClockWindow(Kind kind) {
    // The settings store lives under XDG_CONFIG_HOME: never the user's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(files.filePath(QStringLiteral("config"))));
    auto output = std::make_unique<NullAudioOutput>(audioClock);
    if (kind == WithWindow)
        main = std::make_unique<frmMain>(std::move(output));
    else
        alone = std::make_unique<PlayerController>(std::move(output));
}

ManualClockWindow::~ManualClockWindow() = default;

bool ManualClockWindow::openFile(qint64 lengthMs, const QString& name) {
    const QString path = files.filePath(name);
    return writeIndexedWav(path, lengthMs * SampleRate / 1000, SampleRate, 1) &&
           player().openFile(path);
}

QAction& ManualClockWindow::item(const QString& name) {
    return child<QAction>(*main, name);
}
