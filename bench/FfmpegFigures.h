#pragma once

#include <QString>

// Writes two-hour files (WAV, M4A with AAC, MP3 with and without its Info frame, Opus in
// WebM) of a tone into `folder` and prints, for each, the time and memory an open takes
// (and how much of that memory is private to the process), the time from Play to the
// first sound after a seek into the middle, and whether the sink heard each range
// exactly. Needs the private server of scripts/with-pulse and the ffmpeg command.
void printFfmpegFigures(const QString& folder);
