#pragma once

#include <QMetaType>

// The pedals of a foot control, as the user sees them from the left.
enum class Pedal { Left, Middle, Right, Fourth };
inline constexpr int PedalCount = 4;

// One pedal going down or coming up.
struct PedalEvent {
    Pedal pedal;
    bool down;
    friend bool operator==(const PedalEvent&, const PedalEvent&) = default;
};

Q_DECLARE_METATYPE(PedalEvent)
