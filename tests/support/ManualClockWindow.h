#pragma once

#include "app/frmMain.h"
#include "audio/MediaControl.h"
#include "audio/NullAudioOutput.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

#include <memory>

// A main window that plays through the null output on a clock the test drives, with its
// settings store in a temporary folder and scripted dialogs installed.
class ManualClockWindow {
public:
    // Files are written at this rate, so that every millisecond is a whole frame.
    static constexpr int SampleRate = 8000;

    ManualClockWindow();
    ~ManualClockWindow();

    frmMain& window() { return *main; }
    MediaControl& device() { return main->mciWave(); }
    ManualAudioClock& clock() { return *audioClock; }
    ScriptedDialogs& prompts() { return scripted; }
    QString folder() const { return files.path(); }

    // Writes an indexed mono WAV file of lengthMs into folder() and opens it.
    bool openFile(qint32 lengthMs, const QString& name = QStringLiteral("tape.wav"));
    // Puts the device at ms, as a seek from the time field would.
    void seekTo(qint32 ms);

private:
    QTemporaryDir files;
    ScriptedDialogs scripted;
    ScopedDialogs scriptedInUse{scripted};
    std::shared_ptr<ManualAudioClock> audioClock = std::make_shared<ManualAudioClock>();
    std::unique_ptr<frmMain> main;
};
