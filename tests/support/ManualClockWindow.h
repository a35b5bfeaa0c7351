#pragma once

#include "audio/NullAudioOutput.h"
#include "player/PlayerController.h"
#include "support/ScriptedDialogs.h"
#include "windows/frmMain.h"

#include <QAction>
#include <QTemporaryDir>

#include <memory>

// The player on the null output, on a clock the test drives, with its settings store in
// a temporary folder and scripted dialogs installed; with its main window or without.
class ManualClockWindow {
public:
    // Files are written at this rate, so that every millisecond is a whole frame.
    static constexpr int SampleRate = 8000;

    enum Kind { WithWindow, PlayerOnly };
    // The output asks for steps `startLead` ahead of their rest's end.
    explicit ManualClockWindow(Kind kind = WithWindow,
                               std::chrono::milliseconds startLead = std::chrono::milliseconds(0));
    ~ManualClockWindow();

    frmMain& window() { return *main; }
    PlayerController& player() { return main ? main->player() : *alone; }
    ManualAudioClock& clock() { return *audioClock; }
    ScriptedDialogs& prompts() { return scripted; }
    QString folder() const { return files.path(); }
    // The rests each range was started with, "before/after" in ms, "-" for none.
    const QStringList& startedRests() const { return rests; }

    // The window's menu item of that object name, and choosing it as the user does.
    QAction& item(const QString& name);
    void trigger(const QString& name) { item(name).trigger(); }
    // Writes an indexed mono WAV file of lengthMs into folder() and opens it.
    bool openFile(qint64 lengthMs, const QString& name = QStringLiteral("tape.wav"));

private:
    QTemporaryDir files;
    ScriptedDialogs scripted;
    ScopedDialogs scriptedInUse{scripted};
    std::shared_ptr<ManualAudioClock> audioClock = std::make_shared<ManualAudioClock>();
    std::unique_ptr<frmMain> main;
    std::unique_ptr<PlayerController> alone;
    QStringList rests;
};
