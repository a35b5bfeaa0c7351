#include "support/ManualClockWindow.h"

#include "SoundFiles.h"
#include "support/Widgets.h"

#include <QAction>

namespace {
class NotingOutput : public NullAudioOutput {
public:
    NotingOutput(std::shared_ptr<ManualAudioClock> clock, std::chrono::milliseconds lead,
                 QStringList& log)
        : NullAudioOutput(std::move(clock)), lead(lead), log(log) {}
    void start(std::shared_ptr<PlayRange> range, quint64 tag, Rests rests) override {
        const auto text = [](auto rest) { return rest ? QString::number(rest->count()) : "-"; };
        log << text(rests.before) + '/' + text(rests.after);
        NullAudioOutput::start(std::move(range), tag, rests);
    }
    std::chrono::milliseconds startLead() const override { return lead; }

private:
    std::chrono::milliseconds lead;
    QStringList& log;
};
} // namespace

ManualClockWindow::ManualClockWindow(Kind kind, std::chrono::milliseconds startLead) {
    // The settings store lives under XDG_CONFIG_HOME: never the user's own.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(files.filePath(QStringLiteral("config"))));
    auto output = std::make_unique<NotingOutput>(audioClock, startLead, rests);
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
