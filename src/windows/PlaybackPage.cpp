#include "windows/PlaybackPage.h"

#include "player/PlayerController.h"
#include "settings/modSettings.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>

#include <cmath>

PlaybackPage::PlaybackPage(PlayerController& player, QWidget* parent)
    : ControlsPage(parent), player(player), rewind(new QDoubleSpinBox(this)),
      speed(new QSpinBox(this)), resume(new QCheckBox(tr("Resume where I left off"), this)) {
    setObjectName(QStringLiteral("pagePlayback"));
    rewind->setObjectName(QStringLiteral("spnRewind"));
    rewind->setDecimals(2);
    rewind->setRange(0, LongestRewind / 1000.0);
    rewind->setSingleStep(0.25);
    rewind->setSuffix(tr(" s"));
    speed->setObjectName(QStringLiteral("spnSpeed"));
    speed->setRange(SlowestSpeed, FastestSpeed);
    speed->setSuffix(tr(" %"));
    resume->setObjectName(QStringLiteral("chkResume"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("Rewind after Stop or pause"), rewind);
    form->addRow(tr("Speed"), speed);
    form->addRow(resume);
    discard();
}

void PlaybackPage::save() {
    player.setRewind(qint32(std::lround(rewind->value() * 1000)));
    player.setSpeed(speed->value());
    player.setResume(resume->isChecked());
}

// Shows the values in use again.
void PlaybackPage::discard() {
    rewind->setValue(player.settings().rewind / 1000.0);
    speed->setValue(player.settings().speed);
    resume->setChecked(player.settings().resume);
}
