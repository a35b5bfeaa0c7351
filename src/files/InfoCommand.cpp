#include "app/frmMain.h"

#include "files/frmInfo.h"
#include "audio/MediaControl.h"

// File > Info: a fresh dialog each time, so it always describes the file open now.
void frmMain::mnuInfo_Click() {
    frmInfo dialog(mciWave().fileName(), mciWave().length(), this);
    dialog.exec();
}
