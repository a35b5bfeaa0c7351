#pragma once

#include <QString>

// Measures playback at 100, 50, 75, 150 and 200 % through the sound server: the time from
// a play command to its first sound, how far a range's heard length is from
// (to - from) / speed, the done notification after the last sound, and the process's CPU
// while playing. Writes its tone file into folder; needs the null sink "test".
void printSpeedFigures(const QString& folder);

// Measures how long a change of speed from 100 % takes to be heard in a range that
// sounds, `changes` times; writes an indexed file into folder, at the null sink's rate.
void printSpeedChangeFigures(const QString& folder, int changes);
