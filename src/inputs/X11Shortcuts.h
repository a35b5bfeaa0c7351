#pragma once

#include "inputs/ShortcutBackend.h"

#include <QHash>
#include <QList>

#include <cstdint>

struct xcb_connection_t;
struct _XCBKeySymbols;
class QSocketNotifier;

// Key grabs on the root window of an X display, through a connection of its own: it
// works whatever Qt platform plugin the program runs on. Each key is grabbed with and
// without NumLock and CapsLock, so that neither lock stops it.
class X11Shortcuts : public ShortcutBackend {
    Q_OBJECT
public:
    // Null when the display cannot be opened.
    static X11Shortcuts* open(const QByteArray& display, QObject* parent);
    ~X11Shortcuts() override;

    QString name() const override;
    ShortcutStatus bind(const QString& command, QKeyCombination keys) override;
    void unbind(const QString& command) override;

private:
    struct Grab {
        std::uint8_t keycode;
        std::uint16_t modifiers;
    };

    X11Shortcuts(xcb_connection_t* connection, QObject* parent);
    // The X error of the first grab refused (BadAccess: another client holds it), none
    // of the grabs being kept then; 0 when all were granted.
    std::uint8_t grab(const QList<Grab>& grabs);
    void ungrab(const QList<Grab>& grabs);
    void readEvents();
    void keyPressed(std::uint8_t keycode, std::uint16_t state);

    xcb_connection_t* connection;
    _XCBKeySymbols* symbols; // xcb_key_symbols_t
    std::uint32_t root;
    QSocketNotifier* notifier;
    QHash<QString, QList<Grab>> grabsByCommand;
};
