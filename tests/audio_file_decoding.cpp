// Decoding of every format libsndfile reads, and exact ranges out of the read-ahead ring.
#include "audio/AudioDecoder.h"
#include "audio/AudioEngine.h"
#include "support/DrainRange.h"
#include "support/TestWav.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <future>
#include <thread>

// The frames libsndfile decodes reading the file from start to end.
static qint64 framesDecoded(const QByteArray& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.constData(), SFM_READ, &info);
    std::vector<float> buffer(size_t(4096) * std::max(1, info.channels));
    qint64 total = 0;
    for (sf_count_t got = 1; file && got > 0; total += got)
        got = sf_readf_float(file, buffer.data(), 4096);
    sf_close(file);
    return total;
}

class AudioFileDecoding : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

private slots:
    // Every encoding opens at its own rate (neither the output's nor the usual) with its
    // length; a range is the audio at its place, forwards and backwards, also after one
    // replaced while the reader was on its way to it. Encodings libsndfile cannot seek in
    // are decoded from the start to reach a range, on the reader thread.
    void formatsOpenAndRangesAreTheAudioAtTheirPlace() {
        const std::pair<int, int> formats[] = {
            // format, channels
            {SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 2},    {SF_FORMAT_WAV | SF_FORMAT_FLOAT, 2},
            {SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 2}, {SF_FORMAT_WAVEX | SF_FORMAT_PCM_16, 2},
            {SF_FORMAT_RF64 | SF_FORMAT_PCM_16, 2},   {SF_FORMAT_W64 | SF_FORMAT_PCM_16, 2},
            {SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 2},   {SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2},
            {SF_FORMAT_WAV | SF_FORMAT_GSM610, 1},    {SF_FORMAT_WAV | SF_FORMAT_G721_32, 1},
            {SF_FORMAT_AIFF | SF_FORMAT_DWVW_16, 1}};
        const std::pair<qint64, qint64> ranges[] = {{8000, 9000}, {400, 1400}, {1400, 2400}};
        for (const auto& [format, channels] : formats) {
            const ToneFile tone{8000, channels, format, 16000, 301.7}; // no period fits the ranges
            QVERIFY(writeToneFile(folder.filePath("tone"), tone));
            auto whole = AudioDecoder::open(folder.filePath("tone")).decoder;
            QVERIFY(whole);
            QCOMPARE(whole->sampleRate(), 8000);
            // ADPCM stores whole blocks, so its length may round up to the end of the last one.
            QVERIFY(whole->frames() >= 16000 && whole->frames() < 16000 + 1024);
            std::vector<float> s(size_t(whole->frames() * channels));
            QCOMPARE(whole->read(s.data(), whole->frames()), whole->frames());
            const double power = std::inner_product(s.begin(), s.end(), s.begin(), 0.0);
            QVERIFY(std::abs(power / s.size() - tone.amplitude * tone.amplitude / 2) < 0.03);
            AudioEngine engine(AudioDecoder::open(folder.filePath("tone")).decoder);
            for (const auto& [from, to] : ranges) {
                engine.startRange(15000, 16000);
                QVERIFY(drain(*engine.startRange(from, to), 500, 0) ==
                        std::vector(s.begin() + from * channels, s.begin() + to * channels));
            }
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

    // A FLAC written through a pipe has no length in its header, a file cut short or still
    // being written claims more than it holds, and a name need not be UTF-8: each opens
    // with the length that can be decoded.
    void lengthIsWhatCanBeDecoded() {
        const QByteArray dir = QFile::encodeName(folder.path()) + '/';
        const auto halve = [&](const char* name) {
            QFile file(dir + name);
            return file.resize(file.size() / 2);
        };
        const ToneFile tone{.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16, .frames = 4 * 44100};
        QCOMPARE(QProcess::execute("sh", {"-c", "sox -n -t flac - synth 4 sine 300 | cat > " + dir +
                                                    "piped.flac"}),
                 0);
        QVERIFY(writeToneFile(dir + "cut.flac", tone) && halve("cut.flac"));
        QVERIFY(writeToneFile(dir + "growing.ogg",
                              {.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS, .frames = 10 * 44100}) &&
                halve("growing.ogg"));
        QVERIFY(writeToneFile(dir + "tone.wav", {}) &&
                std::rename((dir + "tone.wav").constData(), (dir + "caf\xe9.wav").constData()) ==
                    0);
        for (const char* name : {"piped.flac", "cut.flac", "growing.ogg", "caf\xe9.wav"}) {
            const auto opened = AudioDecoder::open(QFile::decodeName(dir + name));
            QVERIFY2(opened.decoder, qPrintable(opened.message));
            QVERIFY(opened.decoder->frames() > 0);
            QCOMPARE(opened.decoder->frames(), framesDecoded(dir + name));
        }
        std::remove((dir + "caf\xe9.wav").constData()); // a name QTemporaryDir cannot remove
    }

    // A close that meets the reader while it fills a range ends it: the reader once missed
    // that wake-up and the close waited for ever.
    void closingWhileTheReaderFillsEnds() {
        QVERIFY(writeIndexedWav(folder.filePath("stress.wav"), 44100));
        std::promise<void> finished;
        auto rounds = finished.get_future();
        // Detached, so that a hang fails the test instead of holding it.
        std::thread([path = folder.filePath("stress.wav"),
                     finished = std::move(finished)]() mutable {
            for (int round = 0; round < 20000; ++round)
                AudioEngine(AudioDecoder::open(path).decoder).startRange(round % 1000, 44100);
            finished.set_value();
        }).detach();
        QVERIFY(rounds.wait_for(std::chrono::minutes(4)) == std::future_status::ready);
    }
};

QTEST_GUILESS_MAIN(AudioFileDecoding)
#include "audio_file_decoding.moc"
