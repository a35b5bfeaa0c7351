#pragma once

// Measures a command sent over the session bus, from the moment of the D-Bus call to
// the first sound the sink renders, beside the same command given to the player
// directly. Needs a session bus (dbus-run-session) and the private sound server of
// scripts/with-pulse.
void printRemoteFigures();
