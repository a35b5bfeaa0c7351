#include "app/frmMain.h"

#include "messages/frmAbout.h"
#include "messages/modErrorHandlers.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"

void frmMain::mnuConents_Click() {
    dialogs().showHelp(this, Dialogs::HelpCommand::Contents);
}

void frmMain::mnuIndex_Click() {
    dialogs().showHelp(this, Dialogs::HelpCommand::Index);
}

void frmMain::mnuSearch_Click() {
    mnuIndex_Click();
}

void frmMain::mnuStartHere_Click() {
    dialogs().showHelp(this, Dialogs::HelpCommand::Context, StartHereHelpContext);
}

// The box has no parent: it stays open when the main window closes, and the program
// ends only when the box is closed too. Choosing About again shows the same box.
void frmMain::mnuAbout_Click() {
    if (!aboutBox)
        aboutBox = new frmAbout;
    aboutBox->show();
    aboutBox->raise();
    aboutBox->activateWindow();
    PumpEvents(50);
    // The box may have been closed while the events ran.
    if (aboutBox)
        aboutBox->focusOKButton();
}
