#include "inputs/X11Shortcuts.h"

#include "inputs/KeySymbols.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

namespace {

// The lock modifiers a grab must not depend on: CapsLock and NumLock (Mod2 on every
// common keymap).
constexpr std::uint16_t LockModifiers[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                           XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint16_t CommandModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;
constexpr std::uint8_t BadAccess = 10;

std::uint16_t xModifiersOf(Qt::KeyboardModifiers modifiers) {
    std::uint16_t x = 0;
    x |= modifiers & Qt::ShiftModifier ? XCB_MOD_MASK_SHIFT : 0;
    x |= modifiers & Qt::ControlModifier ? XCB_MOD_MASK_CONTROL : 0;
    x |= modifiers & Qt::AltModifier ? XCB_MOD_MASK_1 : 0;
    x |= modifiers & Qt::MetaModifier ? XCB_MOD_MASK_4 : 0;
    return x;
}

} // namespace

X11Shortcuts* X11Shortcuts::open(const QByteArray& display, QObject* parent) {
    if (display.isEmpty())
        return nullptr;
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return new X11Shortcuts(connection, parent);
}

X11Shortcuts::X11Shortcuts(xcb_connection_t* connection, QObject* parent)
    : ShortcutBackend(parent), connection(connection), symbols(xcb_key_symbols_alloc(connection)),
      root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root),
      notifier(
          new QSocketNotifier(xcb_get_file_descriptor(connection), QSocketNotifier::Read, this)) {
    connect(notifier, &QSocketNotifier::activated, this, &X11Shortcuts::readEvents);
}

X11Shortcuts::~X11Shortcuts() {
    for (const QList<Grab>& grabs : std::as_const(grabsByCommand))
        ungrab(grabs);
    xcb_key_symbols_free(symbols);
    xcb_disconnect(connection);
}

QString X11Shortcuts::name() const {
    return tr("X11 key grabs");
}

ShortcutStatus X11Shortcuts::bind(const QString& command, QKeyCombination keys) {
    unbind(command);
    const std::unique_ptr<xcb_keycode_t, decltype(&std::free)> keycodes(
        xcb_key_symbols_get_keycode(symbols, KeysymOf(keys.key())), &std::free);
    QList<Grab> grabs;
    const std::uint16_t modifiers = xModifiersOf(keys.keyboardModifiers());
    for (const xcb_keycode_t* code = keycodes.get(); code && *code != XCB_NO_SYMBOL; ++code)
        for (std::uint16_t locks : LockModifiers)
            grabs.append({*code, std::uint16_t(modifiers | locks)});
    if (grabs.isEmpty())
        return {ShortcutStatus::Unsupported, tr("The keyboard has no such key.")};
    if (const std::uint8_t error = grab(grabs))
        return error == BadAccess
                   ? takenStatus()
                   : ShortcutStatus{ShortcutStatus::Unsupported,
                                    tr("The X server refused the key (error %1).").arg(error)};
    grabsByCommand.insert(command, grabs);
    return registeredStatus();
}

void X11Shortcuts::unbind(const QString& command) {
    ungrab(grabsByCommand.take(command));
    xcb_flush(connection);
}

std::uint8_t X11Shortcuts::grab(const QList<Grab>& grabs) {
    QList<xcb_void_cookie_t> cookies;
    for (const Grab& g : grabs)
        cookies.append(xcb_grab_key_checked(connection, 1, root, g.modifiers, g.keycode,
                                            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::uint8_t firstError = 0;
    for (xcb_void_cookie_t cookie : cookies) {
        std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(connection, cookie), &std::free);
        if (error && !firstError)
            firstError = error->error_code;
    }
    if (firstError)
        ungrab(grabs); // releases only what this connection holds
    // Checking the replies may have queued events the notifier will not announce.
    QMetaObject::invokeMethod(this, &X11Shortcuts::readEvents, Qt::QueuedConnection);
    return firstError;
}

void X11Shortcuts::ungrab(const QList<Grab>& grabs) {
    for (const Grab& g : grabs)
        xcb_ungrab_key(connection, g.keycode, root, g.modifiers);
}

void X11Shortcuts::readEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS) {
            const auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
            keyPressed(press->detail, press->state);
        } else if (type == XCB_MAPPING_NOTIFY) {
            xcb_refresh_keyboard_mapping(symbols,
                                         reinterpret_cast<xcb_mapping_notify_event_t*>(event));
        }
        std::free(event);
    }
}

void X11Shortcuts::keyPressed(std::uint8_t keycode, std::uint16_t state) {
    const std::uint16_t modifiers = state & CommandModifiers;
    for (auto binding = grabsByCommand.cbegin(); binding != grabsByCommand.cend(); ++binding)
        for (const Grab& g : binding.value())
            if (g.keycode == keycode && g.modifiers == modifiers) {
                emit activated(binding.key());
                return;
            }
}
