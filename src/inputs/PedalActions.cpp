#include "inputs/PedalActions.h"

#include <numeric>

int PedalActions::holding() const {
    return std::accumulate(holdsDown.begin(), holdsDown.end(), 0);
}

void PedalActions::handle(PedalEvent event) {
    int& holds = holdsDown[int(event.pedal)];
    if (event.down && mapping_.holdsToPlay(event.pedal)) {
        if (holding() == 0)
            emit commandRequested(QStringLiteral("Play"));
        ++holds;
    } else if (!event.down && holds > 0) {
        // Released as it was pressed, even if the mapping changed meanwhile.
        --holds;
        if (holding() == 0)
            emit stopAndRewindRequested(HoldToPlayRewindMs);
    } else if (event.down && !mapping_.command(event.pedal).isEmpty()) {
        emit commandRequested(mapping_.command(event.pedal));
    }
}
