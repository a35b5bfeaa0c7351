#pragma once

#include <QByteArray>
#include <QStringList>

// Runs the ffmpeg command (quiet, overwriting) with `arguments`; returns what it wrote to
// its standard output. A failure is logged with ffmpeg's own words.
QByteArray runFfmpeg(const QStringList& arguments);
