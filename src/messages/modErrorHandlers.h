#pragma once

#include <QString>

// The sentence for an error number raised by the media control (30000 plus the MCI
// error number); numbers without a sentence of their own read "Unknown error (n).".
QString MediaErrorText(int errorNumber);

// Shows MediaErrorText(errorNumber) in a message box with the exclamation icon, an OK
// button and no title; returns when the user has closed it.
void MediaErrorMessage(int errorNumber);

// Lets pending window events run count times, one pass each; nothing below 1.
void PumpEvents(int count);
