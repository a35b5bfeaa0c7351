#include "app/Inputs.h"

#include "inputs/FootPedals.h"
#include "inputs/GlobalShortcuts.h"
#include "player/PlayerController.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "windows/frmMain.h"

#include <algorithm>

void connectInputs(frmMain& window, GlobalShortcuts& keys, FootPedals& pedals) {
    PlayerController& player = window.player();
    const auto run = [&player](const QString& name) {
        if (const auto command = PlayerController::commandNamed(name))
            player.run(*command);
    };
    QObject::connect(&keys, &GlobalShortcuts::activated, &player, run);
    QObject::connect(&pedals, &FootPedals::commandRequested, &player, run);
    // A pedal held to play was let go: the next press repeats the last words. Stop goes
    // back by the playback rewind itself where one is set; else by the pedal's own.
    QObject::connect(&pedals, &FootPedals::stopAndRewindRequested, &player, [&player](int ms) {
        const bool stopRewinds = player.settings().rewind > 0;
        player.stop();
        if (!stopRewinds)
            player.seek(std::max<qint64>(0, player.position() - ms));
    });
    QObject::connect(&pedals, &FootPedals::statusMessage, &window, &frmMain::showStatusMessage);
    window.useInputs(keys, pedals);
}

void connectInputs(frmMain& window) {
    auto* keys = new GlobalShortcuts(&window);
    const QStringList problems = keys->load(AppName);
    if (!problems.isEmpty())
        window.showStatusMessage(problems.join(' '));
    auto* pedals = new FootPedals({}, &window);
    pedals->actions().setMapping(
        PedalMapping::load([](const QString& key, const QString& defaultValue) {
            return GetSetting(AppName, PedalMapping::Section, key, defaultValue);
        }));
    connectInputs(window, *keys, *pedals);
    pedals->start();
}
