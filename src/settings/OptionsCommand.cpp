#include "app/frmMain.h"
#include "settings/frmSettings.h"

#include <QCoreApplication>

// Tools > Options. The dialog is created when none is kept from an earlier OK. Cancel,
// Esc and the close button schedule its deletion, which is done before returning, so
// that the next Options always finds it either kept or gone.
void frmMain::mnuOptions_Click() {
    if (!settingsDialog)
        settingsDialog = new frmSettings(*this);
    settingsDialog->exec();
    if (settingsDialog)
        QCoreApplication::sendPostedEvents(settingsDialog, QEvent::DeferredDelete);
}
