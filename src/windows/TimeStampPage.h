#pragma once

#include "windows/frmControls.h"

class PlayerController;
class QComboBox;

// The page "Time Stamps" of the Controls dialog: the form of the stamps that Tools > Time
// Stamp puts into the clipboard, each shown with an example.
class TimeStampPage : public ControlsPage {
    Q_OBJECT
public:
    explicit TimeStampPage(PlayerController& player, QWidget* parent = nullptr);

    void save() override;
    void discard() override;

private:
    PlayerController& player;
    QComboBox* format;
};
