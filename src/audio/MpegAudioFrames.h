#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <vector>

// The layer III frames of an MP3 file, found by hopping from frame header to frame
// header without decoding: a two-hour file takes milliseconds where reading it packet by
// packet through the demuxer takes half a second. Only a clean file is walked: after its
// ID3v2 tags, an optional Xing/Info frame, then frames of one MPEG version, rate and
// channel count up to the end, with nothing after them but an ID3v1 tag. Anything else
// (junk, damage, a cut-off frame, free format) gives no value, and the caller reads the
// file through the demuxer instead.
struct MpegAudioFrames {
    qint64 count = 0; // audio frames, the Xing/Info frame not counted
    int samplesPerFrame = 0;
    int sampleRate = 0;
    std::vector<qint64> offsets; // byte offset of frame 0, frame `stride`, 2 * `stride`...
    // Samples a decode drops at the start and at the end, as the encoder's delay and
    // padding in the LAME tag (or its Lavc/Lavf equivalent) ask.
    qint64 skippedAtStart = 0;
    qint64 trimmedAtEnd = 0;

    qint64 decodedSamples() const {
        return count * samplesPerFrame - skippedAtStart - trimmedAtEnd;
    }
};
std::optional<MpegAudioFrames> walkMpegAudioFrames(const QByteArray& fileName, qint64 stride);
