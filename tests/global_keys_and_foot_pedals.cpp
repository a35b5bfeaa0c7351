// Global keys: X11 grabs on an Xvfb server of the test's own while another window has the
// focus, the desktop portal and KDE's service as mock services on a private bus, and the
// keys as stored in the settings file. Foot pedals: reports read from a stand-in device
// node, devices found in a made-up sysfs tree, the stored mapping, and the requests the
// pedals make of the player.
#include "inputs/FootPedals.h"
#include "inputs/GlobalShortcuts.h"
#include "inputs/PedalReader.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/TestWav.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

const QString Walk = QStringLiteral("Walk");
const QString Stop = QStringLiteral("Stop");
const QKeySequence FreeKeys(QStringLiteral("Ctrl+Alt+W"));
const QKeySequence TakenKeys(QStringLiteral("Ctrl+Alt+T"));

// Waits until the X server has done everything the client asked.
void sync(xcb_connection_t* connection) {
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// A process's first line of output, within the deadline.
QString firstLineOf(QProcess& process) {
    return QTest::qWaitFor([&] { return process.canReadLine(); }, 10000)
               ? QString::fromLocal8Bit(process.readLine()).trimmed()
               : QString();
}

// A process that ends with the test.
struct Child : QProcess {
    Child(const QString& variable, const QString& value, const QString& program,
          const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(variable, value);
        setProcessEnvironment(environment);
        start(program, arguments);
    }
    ~Child() override {
        kill();
        waitForFinished();
    }
};

const QString Portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString Kde = QStringLiteral("org.kde.kglobalaccel");

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

class GlobalKeysAndFootPedals : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    QProcess xServer;
    QByteArray display;
    xcb_connection_t* otherClient = nullptr;
    xcb_window_t root = 0;

    void xdotool(const QStringList& arguments) {
        Child process("DISPLAY", display, "xdotool", arguments);
        QVERIFY(process.waitForFinished(10000) && process.exitCode() == 0);
    }

    bool numLockOn() {
        xcb_query_pointer_reply_t* reply =
            xcb_query_pointer_reply(otherClient, xcb_query_pointer(otherClient, root), nullptr);
        const bool on = reply && (reply->mask & XCB_MOD_MASK_2);
        free(reply);
        return on;
    }

private slots:
    void initTestCase() {
        xServer.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
        if (!xServer.waitForStarted())
            return;
        display = ':' + firstLineOf(xServer).toLatin1();
        otherClient = xcb_connect(display.constData(), nullptr);
        QVERIFY(!xcb_connection_has_error(otherClient));
        root = xcb_setup_roots_iterator(xcb_get_setup(otherClient)).data->root;
        // Another program's window holds the keyboard focus.
        const xcb_window_t window = xcb_generate_id(otherClient);
        xcb_create_window(otherClient, XCB_COPY_FROM_PARENT, window, root, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_map_window(otherClient, window);
        xcb_set_input_focus(otherClient, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        sync(otherClient);
    }

    void init() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }

    void cleanupTestCase() {
        if (otherClient)
            xcb_disconnect(otherClient);
        xServer.terminate();
        xServer.waitForFinished();
    }

    // A key reaches the program whatever NumLock's state; another client holding the key,
    // or only its NumLock variant, takes it from us.
    void x11Keys() {
        if (!otherClient)
            QSKIP("Xvfb is not installed");
        // clang-format off
        const std::tuple<const char*, const char*, bool, int> rows[] = {
            // keys, typed, NumLock, locks of another client's grab of Ctrl+Alt+T (-1: none)
            {"Ctrl+Alt+W", "ctrl+alt+w", false, -1}, {"Ctrl+Alt+W", "ctrl+alt+w", true, -1},
            {"Shift+F7", "shift+F7", true, -1},
            {"Ctrl+Alt+T", "", false, 0}, {"Ctrl+Alt+T", "", false, XCB_MOD_MASK_2}};
        // clang-format on
        for (const auto& [keys, typed, numLock, heldLocks] : rows) {
            if (numLockOn() != numLock)
                xdotool({"key", "Num_Lock"});
            QTRY_COMPARE(numLockOn(), numLock);
            GlobalShortcuts shortcuts({QDBusConnection("none"), display, false});
            if (heldLocks >= 0) { // every key with those modifiers, Ctrl+Alt+T among them
                const quint16 modifiers = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | heldLocks;
                xcb_grab_key(otherClient, 1, root, modifiers, XCB_GRAB_ANY, XCB_GRAB_MODE_ASYNC,
                             XCB_GRAB_MODE_ASYNC);
                sync(otherClient);
                const ShortcutStatus status = shortcuts.bind(Stop, QKeySequence(keys));
                xcb_ungrab_key(otherClient, XCB_GRAB_ANY, root, modifiers);
                QCOMPARE(status.state, ShortcutStatus::Taken);
                QCOMPARE(shortcuts.keys(Stop), QKeySequence(keys));
                continue;
            }
            QCOMPARE(shortcuts.bind(Walk, QKeySequence(keys)).state, ShortcutStatus::Registered);
            QSignalSpy activated(&shortcuts, &GlobalShortcuts::activated);
            xdotool({"key", typed});
            QTRY_COMPARE(activated.count(), 1);
            QCOMPARE(activated.first().first().toString(), Walk);
        }
    }

    // Both services refuse TakenKeys, each given it in its own form: the portal as a
    // trigger it does not bind, KDE's service as a key code another component holds; the
    // one chosen reports the key pressed. Without either, nothing binds.
    void busServiceBindsAndDelivers() {
        const std::tuple<QStringList, bool, QString> rows[] = {
            // services, Wayland, chosen
            {{Portal, Kde}, true, "the desktop portal"},
            {{Kde}, false, "KDE's global shortcuts"},
            {{}, true, ""}};
        for (const auto& [services, wayland, chosen] : rows) {
            Child daemon("DBUS_SESSION_BUS_ADDRESS", "", "dbus-daemon",
                         {"--session", "--nofork", "--print-address"});
            const QString address = firstLineOf(daemon);
            const QDBusConnection bus = QDBusConnection::connectToBus(address, address);
            QVERIFY(bus.isConnected());
            const QString taken =
                QString(R"({"taken": ["CTRL+ALT+t", %1]})").arg(TakenKeys[0].toCombined());
            std::vector<std::unique_ptr<Child>> mocks;
            for (const QString& service : services) {
                // The system's Python, which has python3-dbusmock; another may come first.
                mocks.push_back(std::make_unique<Child>(
                    "DBUS_SESSION_BUS_ADDRESS", address, "/usr/bin/python3",
                    QStringList{"-m", "dbusmock", "--template",
                                QFINDTESTDATA(service == Portal ? "support/portal_mock.py"
                                                                : "support/kglobalaccel_mock.py"),
                                "--parameters", taken}));
                if (!QTest::qWaitFor([&] { return bus.interface()->isServiceRegistered(service); }))
                    QSKIP("python3-dbusmock is not installed");
            }
            GlobalShortcuts shortcuts({bus, display, wayland});
            QTRY_COMPARE(shortcuts.serviceName(), chosen);
            shortcuts.bind(Walk, FreeKeys);
            shortcuts.bind(Stop, TakenKeys);
            const bool none = services.isEmpty();
            QTRY_COMPARE(shortcuts.status(Walk).state,
                         none ? ShortcutStatus::Unsupported : ShortcutStatus::Registered);
            QTRY_COMPARE(shortcuts.status(Stop).state,
                         none ? ShortcutStatus::Unsupported : ShortcutStatus::Taken);
            if (none) {
                QVERIFY(shortcuts.status(Walk).message.contains("parlanda --walk"));
                continue;
            }
            const QString path =
                services[0] == Portal ? "/org/freedesktop/portal/desktop" : "/kglobalaccel";
            QSignalSpy activated(&shortcuts, &GlobalShortcuts::activated);
            QDBusMessage press =
                QDBusMessage::createMethodCall(services[0], path, "org.parlanda.Test", "Press");
            QCOMPARE(bus.call(press << Walk).type(), QDBusMessage::ReplyMessage);
            QTRY_COMPARE(activated.count(), 1);
            QCOMPARE(activated.first().first().toString(), Walk);
        }
    }

    // A stored value that is not one key binds nothing and is reported; saving stores
    // every command's key in Qt's portable text.
    void storedKeys() {
        // clang-format off
        const std::pair<QString, bool> rows[] = { // stored, valid
            {"Ctrl+Alt+W", true}, {"", true}, {"Ctrl+Bogus", false}, {"Ctrl", false},
            {"Ctrl+A, Ctrl+B", false}};
        // clang-format on
        for (const auto& [stored, valid] : rows) {
            const QString bound = valid ? stored : QString();
            QVERIFY(SaveSetting(AppName, "Global Keys", "Jump Back", stored));
            GlobalShortcuts shortcuts({QDBusConnection("none"), QByteArray(), true});
            const QStringList problems = shortcuts.load(AppName);
            QCOMPARE(shortcuts.keys("Jump Back").toString(QKeySequence::PortableText), bound);
            QCOMPARE(problems.size(), valid ? 0 : 1);
            shortcuts.bind("Play Pause", QKeySequence("Meta+F9"));
            shortcuts.save(AppName);
            QCOMPARE(GetSetting(AppName, "Global Keys", "Jump Back", "-"), bound);
            QCOMPARE(GetSetting(AppName, "Global Keys", "Play Pause", "-"), "Meta+F9");
        }
    }

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
        QCOMPARE(write(writer, "\x02\x00", 2), 2); // the middle pedal held to play
        QTRY_COMPARE(commands.size(), 1);
        QCOMPARE(commands[0][0], "Play");

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
                return GetSetting(AppName, PedalMapping::Section, key, defaultValue);
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
            QVERIFY(DeleteSetting(AppName, PedalMapping::Section));
            for (const QString& line : stored)
                QVERIFY(SaveSetting(AppName, PedalMapping::Section, line.section('=', 0, 0),
                                    line.section('=', 1)));
            const PedalMapping mapping = read();
            QCOMPARE(text(mapping), expected);
            mapping.save([](const QString& key, const QString& value) {
                QVERIFY(SaveSetting(AppName, PedalMapping::Section, key, value));
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

QTEST_GUILESS_MAIN(GlobalKeysAndFootPedals)
#include "global_keys_and_foot_pedals.moc"
