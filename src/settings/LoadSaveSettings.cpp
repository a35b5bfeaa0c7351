// The main window's settings: read from the store at start-up, written at shutdown.
#include "app/frmMain.h"

#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "settings/modSettings.h"

#include <QAction>
#include <QDir>

namespace {

// The first checked repetition item, 1 when none is checked.
qint16 checkedLoopItem(const std::array<QAction*, 6>& loopItems) {
    for (qint16 item = 1; item <= 5; ++item) {
        if (loopItems[item]->isChecked())
            return item;
    }
    return 1;
}

} // namespace

void frmMain::LoadSettings() {
    UserSettings settings;
    // A stored flag that does not convert leaves the value the window holds.
    settings.recentFileList = RecentFileList();
    ReadUserSettings(settings);

    setStep(settings.step);
    setOffset(settings.offset);
    setPause(settings.pause);
    setJump(settings.jump);
    mnuToggleLooping->setText(settings.loopCaption);
    for (int item = 1; item <= 5; ++item) {
        mnuLoopItem[item]->setChecked(item == settings.loopCount);
        mnuLoopItem[item]->setEnabled(settings.loopCaption == "Disable");
    }
    setDefaultAudioFolder(settings.defaultAudioFolder);
    setMaxFiles(settings.maxFiles);
    setRecentFileList(settings.recentFileList);
}

void frmMain::SaveSettings() {
    UserSettings settings;
    settings.step = Step();
    settings.offset = Offset();
    settings.pause = Pause();
    settings.jump = Jump();
    settings.defaultAudioFolder = DefaultAudioFolder();
    settings.maxFiles = MaxFiles();
    settings.recentFileList = RecentFileList();
    settings.loopCount = checkedLoopItem(mnuLoopItem);
    settings.loopCaption = mnuToggleLooping->text();
    WriteUserSettings(settings);

    // Also covers the recent file list, whose writes may have failed during the run.
    if (SettingsWriteFailed(AppName)) {
        dialogs().message(this,
                          tr("Parlanda could not save its settings and recent files in %1. "
                             "The changes made since the program started are lost.")
                              .arg(QDir::toNativeSeparators(SettingsFilePath(AppName))),
                          "Parlanda", Dialogs::Icon::Exclamation);
    }
}
