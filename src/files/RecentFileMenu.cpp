// The recent file menu at the end of the File menu.
#include "app/frmMain.h"

#include "files/RecentFiles.h"
#include "audio/MediaControl.h"

#include <QAction>

void frmMain::BuildRecentFileMenu() {
    const bool fileOpen = mciWave().mode() != MediaControl::ModeNotOpen;
    const QList<RecentFileItem> items =
        RecentFileMenuItems(MaxFiles(), fileOpen ? mciWave().fileName() : QString());
    for (int index = 0; index < RecentFileMenuSize; ++index) {
        QAction* action = mnuRecentFiles[index];
        if (index < items.size()) {
            action->setText(items[index].caption);
            action->setData(items[index].tag);
            action->setCheckable(true);
            action->setChecked(items[index].checked);
        }
        action->setVisible(index < items.size());
    }
    mnuRecentFileSeparator->setVisible(!items.isEmpty());
}

void frmMain::mnuRecentFiles_Click(int index) {
    if (index < 0 || index >= RecentFileMenuSize || !mnuRecentFiles[index]->isVisible())
        return;
    const QString path =
        RecentFileItemPath(mnuRecentFiles[index]->text(), mnuRecentFiles[index]->data().toString());
    if (OpenAudioFile(path)) {
        if (RecentFileList() != 0) {
            for (int item = 0; item < RecentFileMenuSize; ++item)
                mnuRecentFiles[item]->setChecked(item == index);
        }
    } else {
        // OpenAudioFile has told the user why; the file leaves the list.
        RemoveRecentFile(path, MaxFiles());
        BuildRecentFileMenu();
    }
    UpdateStatusBar();
}

void frmMain::mnuClearFiles_Click() {
    ClearRecentFiles(mciWave().mode() != MediaControl::ModeNotOpen, mciWave().fileName(),
                     mciWave().position());
    BuildRecentFileMenu();
}
