#pragma once

#include "windows/Dialogs.h"

class QWidget;

// The help context of the first steps for a new user, at the top of the contents page.
constexpr int StartHereHelpContext = 1001;

// The program's help window: the help pages shipped as resources, shown in a text
// browser with a contents page and a topic finder. Context 1007 is the options page.
void ShowHelpWindow(QWidget* parent, Dialogs::HelpCommand command, int context);
