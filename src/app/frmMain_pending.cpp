// TEMPORARY while the subsystems are being written in parallel: definitions of the
// main window's members that no subsystem file defines yet, so the libraries link.
// Each engineer deletes a member from here when adding its real definition.
// This file must be empty and deleted before the work is finished.
#include "app/frmMain.h"

void frmMain::mnuConents_Click() {}
void frmMain::mnuIndex_Click() {}
void frmMain::mnuSearch_Click() {}
void frmMain::mnuAbout_Click() {}
