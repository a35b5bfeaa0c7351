#pragma once

#include "inputs/Pedal.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>

#include <functional>
#include <optional>

// Turns what one read() of a pedal's device node returned into pedal events. Decoders
// keep the state the events are measured against (which pedals are down), so one
// decoder serves one device.
class PedalDecoder {
public:
    virtual ~PedalDecoder() = default;
    virtual QList<PedalEvent> decode(QByteArrayView data) = 0;
    // Events that bring every pedal held down back up: the device is gone, and what it
    // started must not go on as if the pedal were still held.
    virtual QList<PedalEvent> releaseAll() = 0;
};

// Raw HID reports whose leading bytes are a little-endian bitmask of the pedals held,
// one bit per pedal from the left. Bits of no pedal are ignored; a report shorter than
// the mask says nothing and is ignored; bytes after the mask are ignored.
class HidMaskDecoder : public PedalDecoder {
public:
    HidMaskDecoder(int maskBytes, int pedals);
    QList<PedalEvent> decode(QByteArrayView data) override;
    QList<PedalEvent> releaseAll() override;

private:
    QList<PedalEvent> changesTo(unsigned mask);

    int maskBytes;
    unsigned knownBits;
    unsigned held = 0;
};

// Key events of an input event device (struct input_event records). A key becomes a
// pedal when it is taught: after teach(pedal), the next key that goes down is that
// pedal from then on (and is not itself a press). Keys not taught are ignored.
class EvdevKeyDecoder : public PedalDecoder {
public:
    QList<PedalEvent> decode(QByteArrayView data) override;
    QList<PedalEvent> releaseAll() override;

    void teach(Pedal pedal) { learning = pedal; }
    QHash<int, Pedal> keys() const { return pedalOfKey; }
    // Called when a key has been taught.
    std::function<void(Pedal pedal, int keyCode)> taught;

private:
    std::optional<Pedal> learning;
    QHash<int, Pedal> pedalOfKey;
    QList<int> held;
    QByteArray partial; // an event record split across two reads
};
