#pragma once

class FootPedals;
class GlobalShortcuts;
class frmMain;

// Lets the global keys and the foot pedals drive the window's player, with the keys and
// the pedal commands stored in the settings, and shows what the pedals report in the
// window's status bar. Nothing here waits for a device or a desktop service.
void connectInputs(frmMain& window);
// The wiring alone, for inputs made elsewhere.
void connectInputs(frmMain& window, GlobalShortcuts& keys, FootPedals& pedals);
