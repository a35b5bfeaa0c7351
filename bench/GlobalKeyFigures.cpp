#include "GlobalKeyFigures.h"

#include "inputs/GlobalShortcuts.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Presses = 200;
constexpr xcb_keysym_t ControlL = 0xffe3, AltL = 0xffe9, LetterW = 'w';

xcb_keycode_t keycodeOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym) {
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, keysym);
    const xcb_keycode_t code = codes ? codes[0] : XCB_NO_SYMBOL;
    free(codes);
    return code;
}

void sendKey(xcb_connection_t* typist, std::uint8_t type, xcb_keycode_t keycode) {
    xcb_test_fake_input(typist, type, keycode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(typist);
}

// Milliseconds from each press of Ctrl+Alt+W to the signal; none when the key was lost.
std::vector<double> pressTimes(xcb_connection_t* typist, GlobalShortcuts& shortcuts) {
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(typist);
    const xcb_keycode_t control = keycodeOf(symbols, ControlL), alt = keycodeOf(symbols, AltL),
                        w = keycodeOf(symbols, LetterW);
    xcb_key_symbols_free(symbols);
    sendKey(typist, XCB_KEY_PRESS, control);
    sendKey(typist, XCB_KEY_PRESS, alt);
    std::vector<double> times;
    for (int i = 0; i < Presses; ++i) {
        QEventLoop loop;
        Clock::time_point activatedAt;
        const auto connection = QObject::connect(&shortcuts, &GlobalShortcuts::activated, [&] {
            activatedAt = Clock::now();
            loop.quit();
        });
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        const Clock::time_point pressedAt = Clock::now();
        sendKey(typist, XCB_KEY_PRESS, w);
        loop.exec();
        QObject::disconnect(connection);
        sendKey(typist, XCB_KEY_RELEASE, w);
        if (activatedAt > pressedAt)
            times.push_back(
                std::chrono::duration<double, std::milli>(activatedAt - pressedAt).count());
    }
    sendKey(typist, XCB_KEY_RELEASE, alt);
    sendKey(typist, XCB_KEY_RELEASE, control);
    return times;
}

} // namespace

void printGlobalKeyFigures() {
    QProcess xServer;
    xServer.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
    const QDeadlineTimer deadline(10000);
    while (xServer.waitForStarted() && !xServer.canReadLine() &&
           xServer.waitForReadyRead(int(deadline.remainingTime())))
        ;
    const QByteArray display = ':' + xServer.readLine().trimmed();
    xcb_connection_t* typist = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(typist)) {
        std::printf("global key: no Xvfb server\n");
        xcb_disconnect(typist);
        return;
    }
    {
        const QDBusConnection noBus =
            QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "none");
        GlobalShortcuts shortcuts({noBus, display, false});
        shortcuts.bind("Walk", QKeySequence("Ctrl+Alt+W"));
        std::vector<double> times = pressTimes(typist, shortcuts);
        std::sort(times.begin(), times.end());
        if (times.empty())
            std::printf("global key: no press reached the program\n");
        else
            std::printf("global key (X11 grab) press to activated: median %.3f ms, max %.3f ms "
                        "(%zu of %d presses)\n",
                        times[times.size() / 2], times.back(), times.size(), Presses);
    }
    xcb_disconnect(typist);
    xServer.terminate();
    xServer.waitForFinished();
}
