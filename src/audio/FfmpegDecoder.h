#pragma once

#include "audio/AudioDecoder.h"

// Opens the first audio stream of any file FFmpeg's libraries read (MP4/M4A, MP3, WMA,
// WebM/MKV, AMR, CAF, the sound of a video...). The frames it gives are exactly those of
// a whole decode from the start, whatever was sought before. `fileName` reaches the file
// on disk; `path` names it in messages.
AudioDecoder::OpenResult openWithFfmpeg(const QString& path, const QByteArray& fileName);
