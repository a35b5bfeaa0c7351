#pragma once

// Measures a global key on an Xvfb server of its own: the time from the key press, as
// an XTEST client (what xdotool uses) sends it to the server, to GlobalShortcuts'
// activated signal. Prints one line; needs a Qt application object and Xvfb.
void printGlobalKeyFigures();
