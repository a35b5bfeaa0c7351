// TEMPORARY while the subsystems are being written in parallel: definitions of the
// main window's members that no subsystem file defines yet, so the libraries link.
// Each engineer deletes a member from here when adding its real definition.
// This file must be empty and deleted before the work is finished.
#include "app/frmMain.h"

