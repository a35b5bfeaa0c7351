#pragma once

#include <QKeyCombination>
#include <QString>

#include <cstdint>

// Qt's keys in the X keysym code every global shortcut service speaks: X11 grabs take the
// keysym, the desktop portal takes its name ("CTRL+ALT+w").

// The keysym of the key without its modifiers; 0 when the key has none (a modifier alone,
// an unknown key).
std::uint32_t KeysymOf(Qt::Key key);

// The trigger in the desktop shortcut notation: modifiers as CTRL, ALT, SHIFT, LOGO, then
// the keysym's name. Empty when the key has no keysym.
QString TriggerTextOf(QKeyCombination keys);
