#pragma once

#include "windows/Dialogs.h"

class QWidget;

// The program's help window: the help pages shipped as resources, shown in a text
// browser with a contents page and a topic finder. Context 1007 is the options page.
void ShowHelpWindow(QWidget* parent, Dialogs::HelpCommand command, int context);
