#pragma once

#include "inputs/Pedal.h"
#include "windows/frmControls.h"

#include <array>

class FootPedals;
class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;

// The page "Foot Pedal": the foot controls found (and why one cannot be read), the
// command of each pedal, hold to play for the middle pedal, and teaching a device the
// program does not know. OK applies and stores the commands; teaching acts at once.
class FootPedalPage : public ControlsPage {
    Q_OBJECT
public:
    FootPedalPage(FootPedals& pedals, QWidget* parent = nullptr);
    void save() override;
    void discard() override {} // nothing changes before OK but what teaching did

private:
    QWidget* createTeaching();
    void showDevices();
    void teach();
    void showTaught(const QString& path, Pedal pedal);

    FootPedals& pedals;
    QTreeWidget* lstPedals;
    std::array<QComboBox*, PedalCount> cboPedal{};
    QCheckBox* chkHoldToPlay;
    QComboBox* cboEventDevice = nullptr;
    QComboBox* cboTeachPedal = nullptr;
    QLabel* lblTeach = nullptr;
};
