#include "inputs/KeySymbols.h"

#include <array>

namespace {

struct NamedKey {
    Qt::Key key;
    std::uint32_t keysym;
    const char* name;
};

// Keys whose keysym differs from their Latin-1 code; F1 to F35 are computed.
constexpr std::array NamedKeys{
    NamedKey{Qt::Key_Escape, 0xff1b, "Escape"},
    NamedKey{Qt::Key_Tab, 0xff09, "Tab"},
    NamedKey{Qt::Key_Backspace, 0xff08, "BackSpace"},
    NamedKey{Qt::Key_Return, 0xff0d, "Return"},
    NamedKey{Qt::Key_Enter, 0xff8d, "KP_Enter"},
    NamedKey{Qt::Key_Insert, 0xff63, "Insert"},
    NamedKey{Qt::Key_Delete, 0xffff, "Delete"},
    NamedKey{Qt::Key_Pause, 0xff13, "Pause"},
    NamedKey{Qt::Key_Print, 0xff61, "Print"},
    NamedKey{Qt::Key_Home, 0xff50, "Home"},
    NamedKey{Qt::Key_End, 0xff57, "End"},
    NamedKey{Qt::Key_Left, 0xff51, "Left"},
    NamedKey{Qt::Key_Up, 0xff52, "Up"},
    NamedKey{Qt::Key_Right, 0xff53, "Right"},
    NamedKey{Qt::Key_Down, 0xff54, "Down"},
    NamedKey{Qt::Key_PageUp, 0xff55, "Prior"},
    NamedKey{Qt::Key_PageDown, 0xff56, "Next"},
    NamedKey{Qt::Key_Space, 0x0020, "space"},
    NamedKey{Qt::Key_MediaPlay, 0x1008ff14, "XF86AudioPlay"},
    NamedKey{Qt::Key_MediaPause, 0x1008ff31, "XF86AudioPause"},
    NamedKey{Qt::Key_MediaTogglePlayPause, 0x1008ff14, "XF86AudioPlay"},
    NamedKey{Qt::Key_MediaStop, 0x1008ff15, "XF86AudioStop"},
    NamedKey{Qt::Key_MediaPrevious, 0x1008ff16, "XF86AudioPrev"},
    NamedKey{Qt::Key_MediaNext, 0x1008ff17, "XF86AudioNext"},
    NamedKey{Qt::Key_AudioForward, 0x1008ff97, "XF86AudioForward"},
    NamedKey{Qt::Key_AudioRewind, 0x1008ff3e, "XF86AudioRewind"},
};

constexpr std::uint32_t F1Keysym = 0xffbe;
constexpr int FunctionKeys = 35;

bool isLetter(Qt::Key key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool isFunctionKey(Qt::Key key) {
    return key >= Qt::Key_F1 && key < Qt::Key_F1 + FunctionKeys;
}

const NamedKey* namedKeyOf(Qt::Key key) {
    for (const NamedKey& named : NamedKeys)
        if (named.key == key)
            return &named;
    return nullptr;
}

QString keysymNameOf(Qt::Key key) {
    if (const NamedKey* named = namedKeyOf(key))
        return QString::fromLatin1(named->name);
    if (isFunctionKey(key))
        return 'F' + QString::number(key - Qt::Key_F1 + 1);
    if (isLetter(key))
        return QChar(char16_t(key)).toLower();
    return KeysymOf(key) ? QString(QChar(char16_t(key))) : QString();
}

} // namespace

std::uint32_t KeysymOf(Qt::Key key) {
    if (const NamedKey* named = namedKeyOf(key))
        return named->keysym;
    if (isFunctionKey(key))
        return F1Keysym + std::uint32_t(key - Qt::Key_F1);
    if (isLetter(key))
        return std::uint32_t(key) + ('a' - 'A');
    const bool printableLatin1 = (key > 0x20 && key < 0x7f) || (key >= 0xa0 && key <= 0xff);
    return printableLatin1 ? std::uint32_t(key) : 0;
}

QString TriggerTextOf(QKeyCombination keys) {
    const QString name = keysymNameOf(keys.key());
    if (name.isEmpty())
        return {};
    QString text;
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    for (const auto& [modifier, prefix] :
         {std::pair{Qt::ControlModifier, "CTRL+"}, std::pair{Qt::AltModifier, "ALT+"},
          std::pair{Qt::ShiftModifier, "SHIFT+"}, std::pair{Qt::MetaModifier, "LOGO+"}})
        if (modifiers & modifier)
            text += QLatin1String(prefix);
    return text + name;
}
