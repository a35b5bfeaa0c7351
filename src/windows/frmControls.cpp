#include "windows/frmControls.h"

#include "player/PlayerController.h"
#include "settings/modSettings.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

frmControls::frmControls(PlayerController& player, QWidget* parent)
    : QDialog(parent), tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmControls"));
    setWindowTitle(tr("Controls"));
    tabs->setObjectName(QStringLiteral("tabControls"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmControls::applyPages);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    addPlaybackPage(player);
}

void frmControls::addPage(QWidget* page, const QString& title, std::function<void()> apply) {
    tabs->addTab(page, title);
    appliers.push_back(std::move(apply));
}

void frmControls::addPlaybackPage(PlayerController& player) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pagePlayback"));
    auto* rewind = new QDoubleSpinBox(page);
    rewind->setObjectName(QStringLiteral("spnRewind"));
    rewind->setDecimals(2);
    rewind->setRange(0, LongestRewind / 1000.0);
    rewind->setSingleStep(0.25);
    rewind->setSuffix(tr(" s"));
    rewind->setValue(player.settings().rewind / 1000.0);
    auto* speed = new QSpinBox(page);
    speed->setObjectName(QStringLiteral("spnSpeed"));
    speed->setRange(SlowestSpeed, FastestSpeed);
    speed->setSuffix(tr(" %"));
    speed->setValue(player.settings().speed);
    auto* form = new QFormLayout(page);
    form->addRow(tr("Rewind after Stop or pause"), rewind);
    form->addRow(tr("Speed"), speed);
    addPage(page, tr("Playback"), [&player, rewind, speed] {
        player.setRewind(qint32(std::lround(rewind->value() * 1000)));
        player.setSpeed(speed->value());
    });
}

void frmControls::applyPages() {
    for (const auto& apply : appliers)
        apply();
    accept();
}
