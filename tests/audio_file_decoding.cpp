// Decoding and read-ahead: every file format libsndfile reads opens with the right
// length and yields its sound, and the read-ahead ring hands an output exactly the frames
// of a range, however the output takes them.
#include "platform/AudioDecoder.h"
#include "platform/AudioEngine.h"
#include "support/TestWav.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <thread>

class AudioFileDecoding : public QObject {
    Q_OBJECT

private slots:
    void formatsOpenWithTheirLengthAndSound_data();
    void formatsOpenWithTheirLengthAndSound();
    void rangesReadAheadAreExact_data();
    void rangesReadAheadAreExact();
    void fileShorterThanItsHeaderEndsInSilence();
};

namespace {

constexpr int IndexedRate = 8000;

std::unique_ptr<AudioDecoder> openOrFail(const QString& path) {
    auto opened = AudioDecoder::open(path);
    if (!opened.decoder)
        qWarning("%s", qPrintable(opened.message));
    return std::move(opened.decoder);
}

// Takes every frame of `range` in pieces of `piece` frames, as an output would, waiting
// `pauseUs` between pieces (a slow output) or not at all (one that outruns the reader).
std::vector<float> drain(PlayRange& range, qint64 piece, int pauseUs) {
    std::vector<float> frames;
    std::vector<float> buffer(size_t(piece) * range.channels());
    while (!range.fullyRead()) {
        const qint64 got = range.read(buffer.data(), piece);
        frames.insert(frames.end(), buffer.begin(), buffer.begin() + got * range.channels());
        if (got == 0 || pauseUs > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(std::max(pauseUs, 50)));
    }
    return frames;
}

// The frame index an indexed mono file carries in the left code of a float sample.
qint64 indexOf(float sample) {
    return qint64(std::lround(sample * 32768.0)) - 1;
}

} // namespace

void AudioFileDecoding::formatsOpenWithTheirLengthAndSound_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bits");
    QTest::newRow("WAV 8-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 22050 << 8;
    QTest::newRow("WAV 24-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24) << 48000 << 24;
    QTest::newRow("WAV 32-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_32) << 44100 << 32;
    QTest::newRow("WAV float") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 44100 << 32;
    QTest::newRow("WAV A-law") << (SF_FORMAT_WAV | SF_FORMAT_ALAW) << 8000 << 8;
    QTest::newRow("WAV mu-law") << (SF_FORMAT_WAV | SF_FORMAT_ULAW) << 8000 << 8;
    QTest::newRow("WAV IMA ADPCM") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << 16000 << 4;
    QTest::newRow("WAV MS ADPCM") << (SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM) << 16000 << 4;
    QTest::newRow("WAVEX") << (SF_FORMAT_WAVEX | SF_FORMAT_PCM_16) << 44100 << 16;
    QTest::newRow("RF64") << (SF_FORMAT_RF64 | SF_FORMAT_PCM_16) << 44100 << 16;
    QTest::newRow("W64") << (SF_FORMAT_W64 | SF_FORMAT_PCM_16) << 44100 << 16;
    QTest::newRow("FLAC") << (SF_FORMAT_FLAC | SF_FORMAT_PCM_16) << 44100 << 16;
    QTest::newRow("Ogg Vorbis") << (SF_FORMAT_OGG | SF_FORMAT_VORBIS) << 44100 << 0;
    QTest::newRow("Ogg Opus") << (SF_FORMAT_OGG | SF_FORMAT_OPUS) << 48000 << 0;
}

void AudioFileDecoding::formatsOpenWithTheirLengthAndSound() {
    QFETCH(int, format);
    QFETCH(int, rate);
    QFETCH(int, bits);
    QTemporaryDir folder;
    const QString path = folder.filePath("tone");
    ToneFile tone;
    tone.format = format;
    tone.sampleRate = rate;
    tone.frames = rate; // one second
    QVERIFY(writeToneFile(path, tone));

    auto decoder = openOrFail(path);
    QVERIFY(decoder);
    QCOMPARE(decoder->sampleRate(), rate);
    QCOMPARE(decoder->channels(), 2);
    // ADPCM stores whole blocks, so its length may round up to the end of the last one.
    QVERIFY2(decoder->frames() >= rate && decoder->frames() < rate + 1024,
             qPrintable(QString::number(decoder->frames())));
    QCOMPARE(decoder->bitsPerSample(), bits);

    AudioEngine engine(std::move(decoder));
    auto range = engine.startRange(rate / 4, rate / 2);
    const std::vector<float> samples = drain(*range, 1000, 0);
    QCOMPARE(qint64(samples.size()), (rate / 2 - rate / 4) * 2);
    double energy = 0;
    for (float sample : samples)
        energy += double(sample) * sample;
    const double rms = std::sqrt(energy / samples.size());
    QVERIFY2(std::abs(rms - tone.amplitude / std::sqrt(2.0)) < 0.05,
             qPrintable(QString::number(rms)));
}

void AudioFileDecoding::rangesReadAheadAreExact_data() {
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::addColumn<qint64>("piece");
    QTest::addColumn<int>("pauseUs");
    // The ring holds two seconds (16000 frames here): ranges longer than that make the
    // reader refill it while the output takes frames out.
    QTest::newRow("short, one piece") << qint64(100) << qint64(900) << qint64(4096) << 0;
    QTest::newRow("long, output outruns reader") << qint64(3) << qint64(70003) << qint64(997) << 0;
    QTest::newRow("long, slow output") << qint64(20000) << qint64(60000) << qint64(3000) << 200;
    QTest::newRow("empty") << qint64(500) << qint64(500) << qint64(64) << 0;
}

void AudioFileDecoding::rangesReadAheadAreExact() {
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    QFETCH(qint64, piece);
    QFETCH(int, pauseUs);
    QTemporaryDir folder;
    const QString path = folder.filePath("indexed.wav");
    QVERIFY(writeIndexedWav(path, 80000, IndexedRate, 1));
    AudioEngine engine(openOrFail(path));

    engine.startRange(0, 80000); // a range that is replaced before it is read
    auto range = engine.startRange(from, to);
    const std::vector<float> frames = drain(*range, piece, pauseUs);
    QCOMPARE(qint64(frames.size()), to - from);
    for (qint64 i = 0; i < qint64(frames.size()); ++i) {
        if (indexOf(frames[size_t(i)]) != (from + i) % IndexedCodeModulus)
            QFAIL(qPrintable(QStringLiteral("frame %1 of the range is wrong").arg(i)));
    }
    QCOMPARE(range->read(nullptr, 0), 0);
}

void AudioFileDecoding::fileShorterThanItsHeaderEndsInSilence() {
    QTemporaryDir folder;
    const QString path = folder.filePath("short.wav");
    QVERIFY(writeBadFile(path, BadFile::ShortData)); // 11025 frames are there
    auto decoder = openOrFail(path);
    QVERIFY(decoder);
    QCOMPARE(decoder->frames(), 11025);
    AudioEngine engine(std::move(decoder));
    // A range past the data (as if the file shrank while open) keeps its length.
    auto range = engine.startRange(11000, 11100);
    const std::vector<float> samples = drain(*range, 64, 0);
    QCOMPARE(samples.size(), size_t(200));
    QVERIFY(samples[0] != 0.0f);
    QVERIFY(std::all_of(samples.begin() + 50, samples.end(), [](float s) { return s == 0.0f; }));
}

QTEST_GUILESS_MAIN(AudioFileDecoding)
#include "audio_file_decoding.moc"
