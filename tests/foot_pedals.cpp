// Foot pedals: reports read from a stand-in device node, devices found in a made-up
// sysfs tree, the stored mapping, and the requests the pedals make of the player.
#include "inputs/FootPedals.h"
#include "inputs/PedalReader.h"
#include "settings/SettingsStore.h"
#include "support/TestWav.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray key(int code, int value) {
    const input_event record{{}, EV_KEY, quint16(code), value};
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

// Reports written as hex, one per word: "0100 0000".
QList<QByteArray> hex(const char* reports) {
    QList<QByteArray> list;
    for (const QByteArray& report : QByteArray(reports).split(' '))
        list.append(QByteArray::fromHex(report));
    return list;
}

// A hidraw device in a made-up tree: its uevent file, and a FIFO as its node.
void addHidraw(const QString& root, const QString& name, const QByteArray& hidId) {
    QVERIFY(writeBytes(root + "/sys/class/hidraw/" + name + "/device/uevent",
                       "DRIVER=hid-generic\nHID_ID=" + hidId + "\nHID_NAME=Pedal " + name.toUtf8() +
                           '\n'));
    QDir().mkpath(root + "/dev");
    QCOMPARE(mkfifo(QFile::encodeName(root + "/dev/" + name).constData(), 0666), 0);
}

// Root opens anything: the node is then opened as nobody, as a desktop user would.
template <typename F> void asUnprivilegedUser(F run) {
    const bool root = geteuid() == 0;
    QVERIFY(!root || seteuid(65534) == 0);
    run();
    QVERIFY(!root || seteuid(0) == 0);
}

} // namespace

class FootPedalsTest : public QObject {
    Q_OBJECT
    QTemporaryDir config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }

    // Each write is one read, as from a hidraw node. Closing the writer is the device
    // vanishing: pedals still down come up, and the loss is reported once.
    void reportsBecomePedalEvents() {
        using Reports = QList<QByteArray>;
        const QByteArray split = key(30, 0);
        // clang-format off
        const struct { quint16 vendor, product; Reports reports; QString events; } rows[] = {
            {0x05f3, 0x00ff, hex("0100 0000 0400 0000"), "L+ L- R+ R-"},
            {0x05f3, 0x00ff, hex("0600 0200 0300"), "M+ R+ R- L+ L- M-"},
            {0x05f3, 0x00ff, hex("01 f8ff 0280 0200ff0701"), "M+ M-"},
            {0x0911, 0x1844, hex("08 0f 05f0 00"), "F+ L+ M+ R+ M- F- L- R-"},
            {0x0911, 0x091a, hex("30 010204"), "L+ L-"},
            {0, 0, {key(30, 1), key(30, 0), key(30, 1), key(30, 2), key(31, 1), split.left(10),
                 split.mid(10), key(30, 1)}, "L+ L- L+ L-"},
        };
        // clang-format on
        for (const auto& row : rows) {
            int fds[2];
            QCOMPARE(socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds), 0);
            auto taught = std::make_unique<EvdevKeyDecoder>();
            taught->teach(Pedal::Left); // the first key down is the left pedal
            const KnownPedal* model = knownPedal(row.vendor, row.product);
            PedalReader reader(fds[0], model ? decoderFor(*model) : std::move(taught));
            QStringList events;
            connect(&reader, &PedalReader::pedalChanged,
                    [&](PedalEvent e) { events << QString("LMRF"[int(e.pedal)]) + "-+"[e.down]; });
            QSignalSpy lost(&reader, &PedalReader::lost);
            for (const QByteArray& report : row.reports)
                QCOMPARE(write(fds[1], report.constData(), report.size()), report.size());
            close(fds[1]);
            QTRY_COMPARE(lost.size(), 1);
            QTest::qWait(20);
            QCOMPARE(lost.size(), 1);
            QCOMPARE(events.join(' '), row.events);
        }
    }

    // Only known foot controls on USB are read; one the user may not open says why and
    // what to do, once; one unplugged while read says so once.
    void devicesOfAMadeUpTree() {
        QTemporaryDir root;
        QVERIFY(chmod(QFile::encodeName(root.path()).constData(), 0755) == 0);
        addHidraw(root.path(), "hidraw0", "0003:000005F3:000000FF");
        addHidraw(root.path(), "hidraw1", "0003:00000911:00001844");
        addHidraw(root.path(), "hidraw2", "0003:0000046D:0000C31C"); // a keyboard
        addHidraw(root.path(), "hidraw3", "0005:000005F3:000000FF"); // not USB
        addHidraw(root.path(), "hidraw4", "0003:000005F3:0000xyz");
        QVERIFY(chmod(QFile::encodeName(root.path() + "/dev/hidraw1").constData(), 0) == 0);
        FootPedals pedals({root.path() + "/sys", root.path() + "/dev"});
        QSignalSpy messages(&pedals, &FootPedals::statusMessage);
        QSignalSpy commands(&pedals, &FootPedals::commandRequested);
        QSignalSpy stops(&pedals, &FootPedals::stopAndRewindRequested);
        PedalMapping mapping;
        mapping.setMiddleHoldsToPlay(true);
        pedals.actions().setMapping(mapping);
        asUnprivilegedUser([&] { pedals.start(), pedals.rescan(); }); // start() also watches udev

        QStringList found;
        for (const FootPedals::Device& device : pedals.devices())
            found.append(QFileInfo(device.path).fileName() + ' ' + device.name + ": " +
                         device.problem);
        found.sort();
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0], "hidraw0 Pedal hidraw0: ");
        QVERIFY2(found[1].contains("Permission denied") &&
                     found[1].contains("70-parlanda-pedals.rules"),
                 qPrintable(found[1]));
        QCOMPARE(messages.size(), 2); // hidraw0 connected, hidraw1 not readable

        const int writer = open(QFile::encodeName(root.path() + "/dev/hidraw0"), O_WRONLY);
        QCOMPARE(write(writer, "\x01\x00", 2), 2);
        QTRY_COMPARE(commands.size(), 1);          // a FIFO, unlike hidraw, would join two reports
        QCOMPARE(write(writer, "\x03\x00", 2), 2); // the middle pedal held to play
        QTRY_COMPARE(commands.size(), 2);
        QCOMPARE(commands[0][0], "Previous Step");
        QCOMPARE(commands[1][0], "Play");

        QVERIFY(QDir(root.path() + "/sys/class/hidraw/hidraw0").removeRecursively());
        asUnprivilegedUser([&] { pedals.rescan(); });
        QCOMPARE(stops.size(), 1); // unplugged while held: the sound stops
        close(writer);
        QTest::qWait(20);
        QCOMPARE(messages.size(), 3);
        QVERIFY(messages[2][0].toString().contains("disconnected"));
        QCOMPARE(pedals.devices().size(), 1);
    }

    // What is stored reads back; what is not a command or flag reads as the default.
    void mappingInTheSettingsFile() {
        const auto read = [] {
            return PedalMapping::load([](const QString& key, const QString& defaultValue) {
                return GetSetting("Parlanda", PedalMapping::Section, key, defaultValue);
            });
        };
        const auto text = [](const PedalMapping& m) {
            return QStringList{m.command(Pedal::Left), m.command(Pedal::Middle),
                               m.command(Pedal::Right), m.command(Pedal::Fourth),
                               m.holdsToPlay(Pedal::Middle) ? "hold" : "press"}
                .join('|');
        };
        // clang-format off
        const std::pair<QStringList, QString> rows[] = { // stored, read
            {{}, "Previous Step|Walk|Next Step||press"},
            {{"Left=Jump Back", "Fourth= play pause", "Hold To Play=1"},
             "Jump Back|Walk|Next Step|Play Pause|hold"},
            {{"Middle=Rewind", "Right=", "Hold To Play=yes"}, "Previous Step|Walk|||press"},
            {{"Left=Walk,Stop", "Fourth=Stop", "Hold To Play=2"}, "Previous Step|Walk|Next Step|Stop|press"},
        };
        // clang-format on
        for (const auto& [stored, expected] : rows) {
            QVERIFY(DeleteSetting("Parlanda", PedalMapping::Section));
            for (const QString& line : stored)
                QVERIFY(SaveSetting("Parlanda", PedalMapping::Section, line.section('=', 0, 0),
                                    line.section('=', 1)));
            const PedalMapping mapping = read();
            QCOMPARE(text(mapping), expected);
            mapping.save([](const QString& key, const QString& value) {
                QVERIFY(SaveSetting("Parlanda", PedalMapping::Section, key, value));
            });
            QVERIFY(read() == mapping);
        }
    }

    // Press mode asks on the way down; hold to play plays while any pedal holding to play
    // is down, then stops and steps back.
    void requestsOfThePlayer() {
        // clang-format off
        const std::pair<QString, QString> rows[] = { // pedals (middle holds), requests
            {"L+ L- R+ F+ F- R-", "Previous Step|Next Step"},
            {"M+ L+ L- M-", "Play|Previous Step|back 1000"},
            {"M+ M+ M- M-", "Play|back 1000"},
            {"M- R- M+", "Play"},
        };
        // clang-format on
        for (const auto& [pedals, expected] : rows) {
            PedalActions actions;
            PedalMapping mapping;
            mapping.setMiddleHoldsToPlay(true);
            actions.setMapping(mapping);
            QStringList requests;
            connect(&actions, &PedalActions::commandRequested,
                    [&](const QString& name) { requests.append(name); });
            connect(&actions, &PedalActions::stopAndRewindRequested,
                    [&](int ms) { requests.append("back " + QString::number(ms)); });
            for (const QString& event : pedals.split(' '))
                actions.handle({Pedal(QString("LMRF").indexOf(event[0])), event[1] == '+'});
            QCOMPARE(requests.join('|'), expected);
        }
    }
};

QTEST_GUILESS_MAIN(FootPedalsTest)
#include "foot_pedals.moc"
