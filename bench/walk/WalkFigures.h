#pragma once

// Measures the walk through the main window and the sound server, and prints the
// figures: the silence heard between steps against Pause, the time from Walk, Current
// Step, Next Step and Play to the first sound the sink renders, and the CPU the process
// spends while the walk rests. Needs a QApplication (the main window is a widget) and
// the private server of scripts/with-pulse with its null sink "test".
void printWalkFigures();

// Walks a tone (Step 1000, Offset 400, Pause 300) for about `seconds`, once on an idle
// machine and once beside two CPU-bound processes, and prints the milliseconds of
// dropouts heard inside the steps and the steps' lengths.
void printToneWalkFigures(int seconds);
