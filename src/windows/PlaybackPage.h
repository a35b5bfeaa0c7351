#pragma once

#include "windows/frmControls.h"

class PlayerController;
class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

// The page "Playback" of the Controls dialog: the rewind after Stop or a pause of Play,
// in seconds with two decimals, the speed in whole percent, and whether a listed file
// opens where it was left.
class PlaybackPage : public ControlsPage {
    Q_OBJECT
public:
    explicit PlaybackPage(PlayerController& player, QWidget* parent = nullptr);

    void save() override;
    void discard() override;

private:
    PlayerController& player;
    QDoubleSpinBox* rewind;
    QSpinBox* speed;
    QCheckBox* resume;
};
