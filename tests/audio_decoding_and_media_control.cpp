// Decoding of every format libsndfile reads, and exact ranges out of the read-ahead ring;
// the media control on the null output's clock: its commands, done codes and Position,
// exact to the millisecond, and the files it and the command-string layer must refuse
// clearly, leaving no file open, never crashing or waiting; and on the real output with
// no sound server at start, one lost mid-range, one frozen, one that never answers:
// ranges still end truthfully and nothing waits for the server.
#include "audio/AudioDecoder.h"
#include "audio/AudioEngine.h"
#include "audio/MciCommand.h"
#include "audio/MediaControl.h"
#include "audio/NullAudioOutput.h"
#include "support/DrainRange.h"
#include "support/TestWav.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

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

class AudioDecodingAndMediaControl : public QObject {
    Q_OBJECT

    static constexpr qint32 FileMs = 10000;
    QTemporaryDir folder;
    std::shared_ptr<ManualAudioClock> clock;
    std::unique_ptr<MediaControl> media;
    QStringList codes; // of the done notifications

    QString path(const QString& name) const { return folder.filePath(name); }

    // "range:from:to", "stop", "seek:ms", "play", "pause" (toggled), "close" run the
    // command; "+ms" lets ms of sound be heard, and what it ended report.
    void run(const QString& script) {
        for (const QString& token : script.split(' ')) {
            const QStringList word = token.split(':');
            if (token.startsWith('+')) {
                clock->advance(token.toInt());
                QCoreApplication::processEvents();
            } else if (word[0] == "range")
                QVERIFY(media->playRange(word[1].toLongLong(), word[2].toLongLong(), true));
            else if (word[0] == "seek")
                media->seek(word[1].toLongLong());
            else if (word[0] == "stop")
                media->stop();
            else if (word[0] == "play")
                QVERIFY(media->play());
            else if (word[0] == "pause")
                media->togglePause();
            else
                media->close();
        }
    }

    QTemporaryDir root; // this process and its server meet here, apart from any other server

    static int sh(const QString& command) { return QProcess::execute("sh", {"-c", command}); }
    static bool serverPlays() { return sh("pactl list short sink-inputs | grep -q .") == 0; }
    static void signalServer(const QString& signal) {
        sh(QString(R"(kill -%1 $(cat "$XDG_RUNTIME_DIR/pulse/pid"))").arg(signal));
    }
    static void killServer() { // as a crashed server dies, without a goodbye
        sh(R"(cd "$XDG_RUNTIME_DIR/pulse" && kill -9 $(cat pid) && rm pid)");
    }

    void startServer(const MediaControl& media) {
        QVERIFY(sh("pulseaudio --daemonize -n --load=module-native-protocol-unix "
                   "--load='module-null-sink norewinds=1'") == 0);
        QTRY_VERIFY_WITH_TIMEOUT(media.outputAvailable(), 5000);
    }

    void playRangeToItsEnd(MediaControl& media, qint32 toMs, const std::function<void()>& midway) {
        QSignalSpy done(&media, &MediaControl::done);
        media.playRange(0, toMs, true);
        midway();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, toMs + 5000);
        QCOMPARE(done.at(0).at(0).toInt(), int(MediaControl::NotifySuccessful));
        QCOMPARE(media.position(), toMs);
    }

private slots:
    void initTestCase() {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.path()));
        qputenv("HOME", QFile::encodeName(root.path()));
        qunsetenv("PULSE_SERVER");
    }

    void init() {
        QVERIFY(QFile::exists(path("tape.wav")) ||
                writeIndexedWav(path("tape.wav"), FileMs * 8, 8000, 1)); // 8 frames per ms
        clock = std::make_shared<ManualAudioClock>();
        media = std::make_unique<MediaControl>(std::make_unique<NullAudioOutput>(clock));
        codes.clear();
        connect(media.get(), &MediaControl::done,
                [this](int code) { codes.append(QString::number(code)); });
        QVERIFY(media->open(path("tape.wav")));
        QCOMPARE(media->length(), FileMs);
    }

    // A range ends with success (1) exactly at its end clamped to the file, not a
    // millisecond early; ended by another command it never reports success: superseded
    // (2) by a seek or a play, aborted (4) by a stop or a close. Seek clamps to the file.
    void commandsLeavePositionAndDoneCodes() {
        // clang-format off
        const std::tuple<const char*, qint64, const char*> rows[] = { // script, position, codes
            {"range:1100:5100 +3999", 5099, ""}, {"range:1100:5100 +4000", 5100, "1"},
            {"range:-2000:500 +499", 499, ""}, {"range:-2000:500 +500", 500, "1"},
            {"range:9800:13000 +199", 9999, ""}, {"range:9800:13000 +200", FileMs, "1"},
            {"range:1000:3000 +1000 stop +5000", 2000, "4"},
            {"range:1000:3000 +1000 seek:1234 +5000", 1234, "2"},
            {"range:1000:3000 +1000 seek:-5 +5000", 0, "2"},
            {"range:1000:3000 +1000 seek:9223372036854775807 +5000", FileMs, "2"},
            {"range:1000:3000 +1000 play +5000", 7000, "2"},
            {"range:1000:3000 +1000 close +5000", 0, "4"},
            {"range:0:1000 +300 pause +5000", 300, ""},
            {"range:0:1000 +300 pause +5000 pause +699", 999, ""},
            {"range:0:1000 +300 pause +5000 pause +700 play +9000", FileMs, "1"}};
        // clang-format on
        for (const auto& [script, position, expected] : rows) {
            init();
            run(script);
            QTest::qWait(20); // for a notification that should not come
            const auto outcome = [&](const QString& done, qint64 ms) {
                return QString("%1: %2 at %3").arg(script, done).arg(ms);
            };
            QCOMPARE(outcome(codes.join(' '), media->position()), outcome(expected, position));
        }
    }

    void badFilesAreRefusedWithTheFileAndTheReason() {
        QCOMPARE(::mkdir(QFile::encodeName(path("folder.wav")).constData(), 0700), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.wav")).constData(), 0600), 0);
        QVERIFY(writeBytes(path("empty.wav"), {}) && writeNoise(path("noise.wav")));
        // A mono 16-bit WAV's header is 44 bytes, its rate at 24; short: 11025 of 44100 frames.
        QVERIFY(writeIndexedWav(path("short.wav"), 44100, 44100, 1));
        const QByteArray whole = readBytes(path("short.wav"));
        QVERIFY(
            writeBytes(path("cut.wav"), whole.left(20)) &&
            writeBytes(path("fast.wav"), QByteArray(whole).replace(24, 4, "\xff\xff\xff\x7f")) &&
            writeBytes(path("short.wav"), whole.left(44 + 11025 * 2)));
        // A pipe holding a whole WAV: read as a file, it would open; without a writer it
        // would hold the reader for ever.
        const int pipeEnds = ::open(QFile::encodeName(path("pipe.wav")).constData(), O_RDWR);
        const QByteArray wav = readBytes(path("short.wav"));
        QCOMPARE(::write(pipeEnds, wav.constData(), size_t(wav.size())), wav.size());
        QVERIFY(QFile::copy(path("short.wav"), path("locked.wav")) &&
                QFile::setPermissions(path("locked.wav"), {}));
        std::vector<std::tuple<QString, int, QString>> refusals = {
            {"gone.wav", 275, "does not exist"},
            {"folder.wav", 304, "is a folder"},
            {"empty.wav", 304, "is empty"},
            {"pipe.wav", 304, "device or a pipe"},
            {"noise.wav", 304, "not an audio"},
            {"cut.wav", 304, "not an audio"},
            {"fast.wav", 304, "1 channel at 2,147,483,647 Hz"}};
        if (!QFile(path("locked.wav")).open(QIODevice::ReadOnly)) // root reads it all the same
            refusals.emplace_back("locked.wav", 348, "permission");
        for (const auto& [name, error, reason] : refusals) {
            media->open(path("short.wav")); // a crashed recorder's file opens with what is there
            QCOMPARE(media->length(), 250);
            media->open(path(name));
            QCOMPARE(media->error(), error);
            QCOMPARE(media->errorMessage().section(": ", 0, 0), "Cannot open " + path(name));
            QVERIFY2(media->errorMessage().contains(reason), qPrintable(media->errorMessage()));
            QCOMPARE(media->mode(), MediaControl::ModeNotOpen);
            QCOMPARE(mciSendString("open waveaudio!" + path(name) + " alias bad", nullptr, 0),
                     error);
        }
        ::close(pipeEnds);
    }

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
    // the output takes frames out. The first range is replaced before it is read. A change of
    // speed after `read` frames takes the range again from a frame already read (one the
    // server holds but has not played): at 100 % the file's own frames follow from there,
    // where the ring still holds them (a range longer than the ring keeps 1 s, 8000 frames).
    void rangesReadAheadAreExact() {
        const struct {
            qint64 from, to, piece;
            int pauseUs;
            qint64 read = 0, join = 0;
            bool restarts = false;
        } cases[] = {{100, 900, 4096, 0},
                     {3, 70003, 997, 0},
                     {20000, 60000, 3000, 200},
                     {500, 500, 64, 0},
                     {100, 20100, 1000, 0, 12000, 6000, true},
                     {0, 70000, 1000, 0, 30000, 25000, true},
                     {0, 70000, 1000, 0, 30000, 20000, false}};
        QVERIFY(writeIndexedWav(folder.filePath("indexed.wav"), 80000, 8000, 1));
        for (const auto& [from, to, piece, pauseUs, read, join, restarts] : cases) {
            AudioEngine engine(AudioDecoder::open(folder.filePath("indexed.wav")).decoder);
            engine.startRange(0, 80000);
            const auto range = engine.startRange(from, to);
            std::vector<float> buffer(static_cast<size_t>(read));
            for (qint64 got = 0; got < read;
                 std::this_thread::sleep_for(std::chrono::microseconds(50)))
                got += range->read(buffer.data() + got, read - got);
            if (read > 0) {
                range->changeSpeed(100);
                QCOMPARE(range->restartAt(join), restarts);
            }
            const qint64 first = from + (restarts ? join : read);
            const auto out = drain(*range, piece, pauseUs);
            QCOMPARE(qint64(out.size()), to - first);
            for (qint64 i = 0; i < qint64(out.size()); ++i) // the left code of a mono file
                QCOMPARE(std::llround(out[size_t(i)] * 32768),
                         (first + i) % IndexedCodeModulus + 1);
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

    void cleanupTestCase() { killServer(); }

    void playsOnThroughServerLossAndReturn() {
        MediaControl media; // the real output: no server yet
        QSignalSpy availability(&media, &MediaControl::outputAvailableChanged);
        media.open(path("tape.wav"));
        playRangeToItsEnd(media, 300, [] {});
        startServer(media);
        playRangeToItsEnd(media, 1200, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(serverPlays(), 1000);
            QTest::qWait(200);
            killServer();
            QTRY_VERIFY_WITH_TIMEOUT(!media.outputAvailable(), 1000);
        });
        startServer(media);
        playRangeToItsEnd(media, 500, [] { QTRY_VERIFY_WITH_TIMEOUT(serverPlays(), 1000); });
        playRangeToItsEnd(media, 1500, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(serverPlays(), 1000);
            QTest::qWait(200);
            signalServer("STOP");
            // Position, until the media control gives the frozen server up, never runs
            // ahead of the sound to the range's end.
            QList<qint32> positions;
            const auto givenUp = [&] {
                positions.append(media.position());
                return !media.outputAvailable();
            };
            QVERIFY(QTest::qWaitFor(givenUp, 2000));
            QVERIFY(std::is_sorted(positions.begin(), positions.end()));
            QCOMPARE_LT(positions.last(), 1000);
        });
        signalServer("CONT");
        QCOMPARE(QList<QVariantList>(availability),
                 (QList<QVariantList>{{true}, {false}, {true}, {false}}));
    }

    void aServerThatNeverAnswersHoldsNothingUp() {
        // The kernel accepts connections to a listening socket; nobody ever answers them.
        const QByteArray socketPath = QFile::encodeName(root.filePath("silent"));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path);
        const int silent = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
        QVERIFY(listen(silent, 4) == 0);
        qputenv("PULSE_SERVER", "unix:" + socketPath);
        QElapsedTimer clock;
        clock.start();
        MediaControl media;
        QCOMPARE_LT(clock.elapsed(), 1000); // as fast as with no server at all
        QVERIFY(!media.outputAvailable());
        QVERIFY(media.open(path("tape.wav")));
        playRangeToItsEnd(media, 300, [] {});
        qunsetenv("PULSE_SERVER");
        close(silent);
    }
};

QTEST_GUILESS_MAIN(AudioDecodingAndMediaControl)
#include "audio_decoding_and_media_control.moc"
