#pragma once

#include <QString>

// Opens, plays and closes a file `rounds` times through a media control on the null
// output, each close meeting the engine's reader thread while it fills the range, and
// prints the rounds per second. A watchdog reports the round and ends the program when
// one round takes longer than a few seconds: a close that never returns.
void printOpenCloseStress(const QString& folder, int rounds);
