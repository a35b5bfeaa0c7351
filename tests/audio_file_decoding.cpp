// Decoding of every format libsndfile reads, and exact ranges out of the read-ahead ring.
#include "audio/AudioDecoder.h"
#include "audio/AudioEngine.h"
#include "support/DrainRange.h"
#include "support/TestWav.h"

#include <QTemporaryDir>
#include <QTest>

class AudioFileDecoding : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    void formatsOpenWithTheirLengthAndSound() {
        const int formats[] = {
            SF_FORMAT_WAV | SF_FORMAT_PCM_U8,    SF_FORMAT_WAV | SF_FORMAT_FLOAT,
            SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, SF_FORMAT_WAVEX | SF_FORMAT_PCM_16,
            SF_FORMAT_RF64 | SF_FORMAT_PCM_16,   SF_FORMAT_W64 | SF_FORMAT_PCM_16,
            SF_FORMAT_FLAC | SF_FORMAT_PCM_16,   SF_FORMAT_OGG | SF_FORMAT_VORBIS};
        for (const int format : formats) {
            const ToneFile tone{.sampleRate = 22050, .format = format, .frames = 22050};
            QVERIFY(writeToneFile(folder.filePath("tone"), tone));
            auto opened = AudioDecoder::open(folder.filePath("tone"));
            QVERIFY2(opened.decoder, qPrintable(opened.message));
            QCOMPARE(opened.decoder->sampleRate(), 22050); // neither the output's nor the usual
            // ADPCM stores whole blocks, so its length may round up to the end of the last one.
            QVERIFY(opened.decoder->frames() >= 22050 && opened.decoder->frames() < 22050 + 1024);
            AudioEngine engine(std::move(opened.decoder));
            const auto s = drain(*engine.startRange(5000, 10000), 1000, 0);
            QCOMPARE(s.size(), size_t(5000 * tone.channels));
            const double power = std::inner_product(s.begin(), s.end(), s.begin(), 0.0);
            QVERIFY(std::abs(power / s.size() - tone.amplitude * tone.amplitude / 2) < 0.03);
        }
    }

    // The ring holds 2 s (16000 frames here): long ranges make the reader refill it while
    // the output takes frames out. The first range is replaced before it is read.
    void rangesReadAheadAreExact() {
        const std::array<qint64, 4> ranges[] = {
            {100, 900, 4096, 0}, {3, 70003, 997, 0}, {20000, 60000, 3000, 200}, {500, 500, 64, 0}};
        QVERIFY(writeIndexedWav(folder.filePath("indexed.wav"), 80000, 8000, 1));
        for (const auto& [from, to, piece, pauseUs] : ranges) {
            AudioEngine engine(AudioDecoder::open(folder.filePath("indexed.wav")).decoder);
            engine.startRange(0, 80000);
            const auto out = drain(*engine.startRange(from, to), piece, int(pauseUs));
            QCOMPARE(qint64(out.size()), to - from);
            for (qint64 i = 0; i < to - from; ++i) // the left code of a mono file
                QCOMPARE(std::llround(out[size_t(i)] * 32768), (from + i) % IndexedCodeModulus + 1);
        }
    }
};

QTEST_GUILESS_MAIN(AudioFileDecoding)
#include "audio_file_decoding.moc"
