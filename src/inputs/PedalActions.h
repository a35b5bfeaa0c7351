#pragma once

#include "inputs/PedalMapping.h"

#include <QObject>

#include <array>

// Turns pedal events into player commands by the mapping. A pedal in "press" mode asks
// for its command when it goes down; a pedal held to play asks for "Play" when it goes
// down and for a stop and a step back when it (and every other pedal held to play, of
// any foot control) is up again.
class PedalActions : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const PedalMapping& mapping() const { return mapping_; }
    void setMapping(const PedalMapping& mapping) { mapping_ = mapping; }

    void handle(PedalEvent event);

signals:
    // name is one of PedalMapping::commandNames().
    void commandRequested(const QString& name);
    void stopAndRewindRequested(int rewindMs);

private:
    PedalMapping mapping_;
    std::array<int, PedalCount> holdsDown{}; // per pedal: foot controls holding it to play
    int holding() const;
};
