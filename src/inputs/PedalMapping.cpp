#include "inputs/PedalMapping.h"

#include "player/PlayerController.h"

namespace {
// A name typed by hand in another case or with blanks around it still counts.
QString commandNamed(const QString& text) {
    const QString name = text.trimmed();
    if (name.isEmpty())
        return name;
    for (const QString& command : PedalMapping::commandNames())
        if (command.compare(name, Qt::CaseInsensitive) == 0)
            return command;
    return {};
}
} // namespace

QString PedalMapping::keyOf(Pedal pedal) {
    static const std::array<QString, PedalCount> keys{"Left", "Middle", "Right", "Fourth"};
    return keys[int(pedal)];
}

const QStringList& PedalMapping::commandNames() {
    return PlayerController::commandNames();
}

bool PedalMapping::setCommand(Pedal pedal, const QString& name) {
    const QString command = commandNamed(name);
    if (command.isEmpty() && !name.trimmed().isEmpty())
        return false;
    commands[int(pedal)] = command;
    return true;
}

PedalMapping PedalMapping::load(const Reader& read) {
    PedalMapping mapping;
    for (int i = 0; i < PedalCount; ++i) {
        const Pedal pedal = Pedal(i);
        mapping.setCommand(pedal, read(keyOf(pedal), mapping.command(pedal)));
    }
    const QString holds = read(HoldToPlayKey, mapping.middleHoldsToPlay ? "1" : "0").trimmed();
    if (holds == "0" || holds == "1")
        mapping.middleHoldsToPlay = holds == "1";
    return mapping;
}

void PedalMapping::save(const Writer& write) const {
    for (int i = 0; i < PedalCount; ++i)
        write(keyOf(Pedal(i)), commands[i]);
    write(HoldToPlayKey, middleHoldsToPlay ? "1" : "0");
}
