#include "inputs/PedalDecoders.h"

#include <linux/input.h>

#include <cstring>
#include <utility>

HidMaskDecoder::HidMaskDecoder(int maskBytes, int pedals)
    : maskBytes(maskBytes), knownBits((1u << pedals) - 1) {}

QList<PedalEvent> HidMaskDecoder::decode(QByteArrayView data) {
    if (data.size() < maskBytes)
        return {};
    unsigned mask = 0;
    for (int i = 0; i < maskBytes; ++i)
        mask |= unsigned(quint8(data[i])) << (8 * i);
    return changesTo(mask & knownBits);
}

QList<PedalEvent> HidMaskDecoder::releaseAll() {
    return changesTo(0);
}

QList<PedalEvent> HidMaskDecoder::changesTo(unsigned mask) {
    QList<PedalEvent> events;
    for (int bit = 0; bit < PedalCount; ++bit)
        if (((held ^ mask) >> bit) & 1u)
            events.append({Pedal(bit), bool((mask >> bit) & 1u)});
    held = mask;
    return events;
}

QList<PedalEvent> EvdevKeyDecoder::decode(QByteArrayView data) {
    partial.append(data);
    QList<PedalEvent> events;
    qsizetype used = 0;
    for (; partial.size() - used >= qsizetype(sizeof(input_event)); used += sizeof(input_event)) {
        input_event record;
        std::memcpy(&record, partial.constData() + used, sizeof record);
        const bool down = record.value == 1;
        if (record.type != EV_KEY || record.value > 1) // autorepeat (2) is no new press
            continue;
        if (down && learning) {
            const Pedal pedal = *std::exchange(learning, std::nullopt);
            pedalOfKey.insert(record.code, pedal);
            if (taught)
                taught(pedal, record.code);
            continue;
        }
        const auto pedal = pedalOfKey.constFind(record.code);
        if (pedal == pedalOfKey.cend() || held.contains(record.code) == down)
            continue;
        down ? held.append(record.code) : void(held.removeOne(record.code));
        events.append({*pedal, down});
    }
    partial.remove(0, used);
    return events;
}

QList<PedalEvent> EvdevKeyDecoder::releaseAll() {
    QList<PedalEvent> events;
    for (int code : std::as_const(held))
        events.append({pedalOfKey.value(code), false});
    held.clear();
    return events;
}
