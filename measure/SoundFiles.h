#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <sndfile.h>

#include <functional>
#include <optional>

// Writers of the sound files the tests and the bench play.
//
// Indexed WAV files carry their own frame index in every frame, so that what the null
// sink's monitor records (s16le, stereo, 44100 Hz) decodes back to the frames heard:
// left = index % 32767 + 1 (never 0), right = index / 32767, for about 6.7 hours at
// 44100 Hz. Digital silence (0, 0) is no frame's code; left <= 0 or right < 0 is no code.
// The code survives playback exactly only at 44100 Hz with 2 channels and 100 % volume.
constexpr int IndexedCodeModulus = 32767;

// The frame index a pair of 16-bit samples encodes, if any.
std::optional<qint64> frameIndexOf(qint16 left, qint16 right);

// 16-bit PCM WAV whose frame i encodes i. With one channel only the left code is
// written; channels beyond two are silent. Returns false (with a warning) on failure.
bool writeIndexedWav(const QString& path, qint64 frames, int sampleRate = 44100, int channels = 2);

// A sine tone in any format libsndfile writes, for files that need not be indexed.
struct ToneFile {
    int sampleRate = 44100;
    int channels = 2;
    int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16; // major type | subtype
    qint64 frames = 44100;
    double frequency = 440.0;
    double amplitude = 0.5;                               // of full scale
    std::function<double(qint64 frame)> amplitudeAt = {}; // when set, instead of amplitude
};
bool writeToneFile(const QString& path, const ToneFile& tone);

// A two-hour 16-bit stereo WAV at 44.1 kHz whose data is a hole in the file: written in
// an instant, and like any long recording on disk only the pages read are ever touched.
bool writeTwoHourWav(const QString& path);

// Runs the ffmpeg command (quiet, overwriting) with `arguments`: what it wrote to its
// standard output, or nothing when it failed, which is logged with ffmpeg's own words.
std::optional<QByteArray> runFfmpeg(const QStringList& arguments);
