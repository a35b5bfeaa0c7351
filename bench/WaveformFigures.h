#pragma once

#include <QString>

// The waveform strip's figures: the time and memory the peaks of a two-hour WAV take, the
// time a frame of the strip takes to paint at 30 s and at 5 min, and the longest the GUI
// thread stays busy while the strip follows a walk. Writes pictures of the strip during a
// walk over the sample recording in a light and a dark palette, and dark at 200 %, into
// `pictures`. Needs a QApplication (QT_QPA_PLATFORM=offscreen).
void printWaveformFigures(const QString& folder, const QString& pictures);
