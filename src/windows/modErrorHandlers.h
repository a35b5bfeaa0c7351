#pragma once

#include <QString>

// Shows MediaErrorText(errorNumber) in a message box with the exclamation icon, an OK
// button and no title; returns when the user has closed it.
void MediaErrorMessage(int errorNumber);

// Lets pending window events run count times, one pass each; nothing below 1.
void PumpEvents(int count);
