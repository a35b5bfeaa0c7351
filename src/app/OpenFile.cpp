// Opening an audio file: File > Open, the command-line file and the recent file menu
// all end in OpenAudioFile.
#include "app/frmMain.h"
#include "app/modPaths.h"
#include "files/RecentFiles.h"
#include "messages/modErrorHandlers.h"
#include "platform/Dialogs.h"
#include "audio/MediaControl.h"

#include <QFileInfo>

void frmMain::mnuOpen_Click() {
    media->setUpdateInterval(0);
    Dialogs::OpenFileRequest request;
    request.filter = QStringLiteral("Wave (*.wav)|*.wav|All files (*.*)|*.*");
    request.selectedFilter = 1;
    request.initialFolder = lastOpenFolder.isEmpty() ? defaultAudioFolder : lastOpenFolder;
    request.fileName = QString();
    request.fileMustExist = true;
    request.hideReadOnly = true;
    request.readOnlyChecked = true;
    const std::optional<QString> chosen = dialogs().openFile(this, request);
    if (chosen)
        OpenChosenFile(*chosen);
}

// A path from the command line may be relative: it is made absolute so that the status
// bar, the recent file list and the next dialog name the file wherever they are used.
void frmMain::OpenChosenFile(const QString& path) {
    const QString absolutePath = path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
    const bool ok = OpenAudioFile(absolutePath) != 0;
    UpdateStatusBar();
    if (ok)
        lastOpenFolder = FolderOfPath(absolutePath);
}

// Paths keep their case: file names on this system are case-sensitive.
int frmMain::OpenAudioFile(QString path) {
    const int mode = media->mode();
    // A paused play is stopped as well, which also ends a walk whose step was paused.
    if (mode == MediaControl::ModePlaying || mode == MediaControl::ModePaused)
        PressPlayButton(Stop);
    // The file being left keeps the position reached in it. After a failed open nothing
    // is open, and the remembered position of the file that failed must not become 0.
    if (mode != MediaControl::ModeNotOpen)
        SaveFilePosition(media->fileName(), media->position(), maxFiles);
    media->setCommand(QStringLiteral("Close"));
    try {
        media->setFileName(path);
        media->setCommand(QStringLiteral("Open"));
    } catch (const MediaError& error) {
        EnableControls(false);
        MediaErrorMessage(error.number());
        return 0;
    }
    if (media->error() != 0) {
        EnableControls(false);
        dialogs().message(this, media->errorMessage(), QStringLiteral("Cannot Open Audio File"),
                          Dialogs::Icon::Exclamation);
        return 0;
    }
    // A new file becomes the list's first entry; the rebuilt menu checks the open file's
    // own item.
    AddRecentFile(path, maxFiles);
    BuildRecentFileMenu();
    UpdateTimeField();
    UpdateSlider();
    EnableControls(true);
    return 1;
}
