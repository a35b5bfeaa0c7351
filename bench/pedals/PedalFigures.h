#pragma once

// Measures a foot pedal read from a stand-in node (a socket pair, which keeps each report
// one read as a hidraw node does) on a thread of its own: the time from a report written
// to the command the pedal asks for, and the wakeups of that thread while the pedal is
// idle. Prints the figures.
void printPedalFigures();
