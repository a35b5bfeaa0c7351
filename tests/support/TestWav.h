#pragma once

#include "SoundFiles.h"

#include <QByteArray>
#include <QString>

// 4096 bytes of noise with no header: no kind of sound file.
bool writeNoise(const QString& path);

// A file's bytes (none if it cannot be read), and a file written whole, its folder made.
QByteArray readBytes(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);
