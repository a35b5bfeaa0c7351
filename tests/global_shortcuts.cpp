// Global keys: X11 grabs on an Xvfb server of the test's own while another window has the
// focus, the desktop portal and KDE's service as mock services on a private bus, and the
// keys as stored in the settings file.
#include "inputs/GlobalShortcuts.h"
#include "settings/SettingsStore.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {

const QString Walk = QStringLiteral("Walk");
const QString Stop = QStringLiteral("Stop");
const QKeySequence FreeKeys(QStringLiteral("Ctrl+Alt+W"));
const QKeySequence TakenKeys(QStringLiteral("Ctrl+Alt+T"));

// Waits until the X server has done everything the client asked.
void sync(xcb_connection_t* connection) {
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

QDBusConnection noBus() {
    return QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "none");
}

// A process's first line of output, within the deadline.
QString firstLineOf(QProcess& process) {
    QDeadlineTimer deadline(10000);
    while (!process.canReadLine() && process.waitForReadyRead(int(deadline.remainingTime())))
        ;
    return QString::fromLocal8Bit(process.readLine()).trimmed();
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

} // namespace

class GlobalShortcutsTest : public QObject {
    Q_OBJECT
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

    ShortcutEnvironment x11() const { return {noBus(), display, false}; }

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
            GlobalShortcuts shortcuts(x11());
            if (heldLocks >= 0) {
                xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(otherClient);
                xcb_keycode_t* keycodes = xcb_key_symbols_get_keycode(symbols, 't');
                const quint16 modifiers = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | heldLocks;
                xcb_grab_key(otherClient, 1, root, modifiers, keycodes[0], XCB_GRAB_MODE_ASYNC,
                             XCB_GRAB_MODE_ASYNC);
                sync(otherClient);
                const ShortcutStatus status = shortcuts.bind(Stop, QKeySequence(keys));
                xcb_ungrab_key(otherClient, keycodes[0], root, modifiers);
                free(keycodes);
                xcb_key_symbols_free(symbols);
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

    // Both services refuse TakenKeys: the portal as a trigger it does not bind, KDE's
    // service as a key another component holds; the one chosen reports the key pressed.
    // Without either, nothing binds.
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
            const QByteArray refusedByKde = QByteArray::number(TakenKeys[0].toCombined());
            std::vector<std::unique_ptr<Child>> mocks;
            for (const QString& service : services) {
                // The system's Python, which has python3-dbusmock; another may come first.
                const bool portal = service == Portal;
                mocks.push_back(std::make_unique<Child>(
                    "DBUS_SESSION_BUS_ADDRESS", address, "/usr/bin/python3",
                    QStringList{"-m", "dbusmock", "--template",
                                QFINDTESTDATA(portal ? "support/portal_mock.py"
                                                     : "support/kglobalaccel_mock.py"),
                                "--parameters",
                                portal ? R"({"refused": ["CTRL+ALT+t"]})"
                                       : R"({"taken": [)" + refusedByKde + "]}"}));
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
        const QString App = QStringLiteral("Parlanda");
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const std::pair<QString, bool> rows[] = {// stored, valid
                                                 {"Ctrl+Alt+W", true},
                                                 {"", true},
                                                 {"Ctrl+Bogus", false},
                                                 {"Ctrl+A, Ctrl+B", false},
                                                 {"Ctrl", false}};
        for (const auto& [stored, valid] : rows) {
            const QString bound = valid ? stored : QString();
            QVERIFY(SaveSetting(App, "Global Keys", "Jump Back", stored));
            GlobalShortcuts shortcuts({noBus(), QByteArray(), true});
            const QStringList problems = shortcuts.load(App);
            QCOMPARE(shortcuts.keys("Jump Back").toString(QKeySequence::PortableText), bound);
            QCOMPARE(problems.size(), valid ? 0 : 1);
            shortcuts.bind("Play Pause", QKeySequence("Meta+F9"));
            shortcuts.save(App);
            QCOMPARE(GetSetting(App, "Global Keys", "Jump Back", "-"), bound);
            QCOMPARE(GetSetting(App, "Global Keys", "Play Pause", "-"), "Meta+F9");
        }
    }
};

QTEST_GUILESS_MAIN(GlobalShortcutsTest)
#include "global_shortcuts.moc"
