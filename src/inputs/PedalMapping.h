#pragma once

#include "inputs/Pedal.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// How far back the player goes when a pedal held to play is released, so that the next
// press repeats the last words.
inline constexpr int HoldToPlayRewindMs = 1000;

// What each pedal does: the name of a player command ("Walk", "Previous Step", ...,
// as the "Global Keys" section names them) or nothing (empty), and whether the middle
// pedal plays while held ("hold to play": sound while it is down, stop and step back by
// HoldToPlayRewindMs when it comes up). Holding to play replaces the middle pedal's
// command.
class PedalMapping {
public:
    // The settings file's section and keys.
    static constexpr char Section[] = "Foot Pedal";
    static constexpr char HoldToPlayKey[] = "Hold To Play";
    static QString keyOf(Pedal pedal);

    static const QStringList& commandNames();

    QString command(Pedal pedal) const { return commands[int(pedal)]; }
    // False, with nothing changed, for a name that is no command.
    bool setCommand(Pedal pedal, const QString& name);
    bool holdsToPlay(Pedal pedal) const { return pedal == Pedal::Middle && middleHoldsToPlay; }
    void setMiddleHoldsToPlay(bool holds) { middleHoldsToPlay = holds; }

    // Reads and writes through the settings store (GetSetting/SaveSetting in Section).
    // A stored value that is no command, or a "Hold To Play" other than 0 or 1, reads as
    // the default.
    using Reader = std::function<QString(const QString& key, const QString& defaultValue)>;
    using Writer = std::function<void(const QString& key, const QString& value)>;
    static PedalMapping load(const Reader& read);
    void save(const Writer& write) const;

    friend bool operator==(const PedalMapping&, const PedalMapping&) = default;

private:
    std::array<QString, PedalCount> commands{"Previous Step", "Walk", "Next Step", ""};
    bool middleHoldsToPlay = false;
};
