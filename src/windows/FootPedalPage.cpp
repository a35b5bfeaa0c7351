#include "windows/FootPedalPage.h"

#include "inputs/FootPedals.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString pedalCaption(Pedal pedal) {
    const std::array<QString, PedalCount> captions{
        FootPedalPage::tr("Left"), FootPedalPage::tr("Middle"), FootPedalPage::tr("Right"),
        FootPedalPage::tr("Fourth")};
    return captions[int(pedal)];
}

QComboBox* commandChoice(const QString& current, QWidget* parent) {
    auto* choice = new QComboBox(parent);
    choice->addItem(FootPedalPage::tr("(nothing)"), QString());
    for (const QString& name : PedalMapping::commandNames())
        choice->addItem(CommandCaption(name), name);
    choice->setCurrentIndex(choice->findData(current));
    return choice;
}

} // namespace

FootPedalPage::FootPedalPage(FootPedals& pedals, QWidget* parent)
    : ControlsPage(parent), pedals(pedals), lstPedals(new QTreeWidget(this)),
      chkHoldToPlay(new QCheckBox(tr("&Hold to play (sound while held down)"), this)) {
    setObjectName(QStringLiteral("pageFootPedal"));
    lstPedals->setObjectName(QStringLiteral("lstPedals"));
    lstPedals->setHeaderLabels({tr("Device"), tr("Name"), tr("Problem")});
    lstPedals->setRootIsDecorated(false);
    lstPedals->header()->setStretchLastSection(true);

    const PedalMapping& mapping = pedals.actions().mapping();
    auto* commands = new QFormLayout;
    for (int i = 0; i < PedalCount; ++i) {
        cboPedal[i] = commandChoice(mapping.command(Pedal(i)), this);
        cboPedal[i]->setObjectName(QStringLiteral("cboPedal_%1").arg(i));
        commands->addRow(pedalCaption(Pedal(i)), cboPedal[i]);
        if (Pedal(i) == Pedal::Middle)
            commands->addRow(QString(), chkHoldToPlay);
    }
    chkHoldToPlay->setObjectName(QStringLiteral("chkHoldToPlay"));
    chkHoldToPlay->setChecked(mapping.holdsToPlay(Pedal::Middle));
    // Holding to play replaces the middle pedal's command.
    cboPedal[int(Pedal::Middle)]->setDisabled(chkHoldToPlay->isChecked());
    connect(chkHoldToPlay, &QCheckBox::toggled, cboPedal[int(Pedal::Middle)],
            &QWidget::setDisabled);

    auto* column = new QVBoxLayout(this);
    column->addWidget(lstPedals);
    column->addLayout(commands);
    column->addWidget(createTeaching());
    showDevices();
    connect(&pedals, &FootPedals::devicesChanged, this, &FootPedalPage::showDevices);
    connect(&pedals, &FootPedals::taught, this, &FootPedalPage::showTaught);
}

QWidget* FootPedalPage::createTeaching() {
    auto* box = new QGroupBox(tr("Another device"), this);
    cboEventDevice = new QComboBox(box);
    cboEventDevice->setObjectName(QStringLiteral("cboEventDevice"));
    for (const DeviceNode& device : pedals.eventDevices())
        cboEventDevice->addItem(tr("%1 (%2)").arg(device.name, device.path), device.path);
    cboTeachPedal = new QComboBox(box);
    cboTeachPedal->setObjectName(QStringLiteral("cboTeachPedal"));
    for (int i = 0; i < PedalCount; ++i)
        cboTeachPedal->addItem(pedalCaption(Pedal(i)));
    auto* cmdTeach = new QPushButton(tr("&Teach"), box);
    cmdTeach->setObjectName(QStringLiteral("cmdTeach"));
    cmdTeach->setEnabled(cboEventDevice->count() > 0);
    connect(cmdTeach, &QPushButton::clicked, this, &FootPedalPage::teach);
    lblTeach = new QLabel(tr("Its keys reach only Parlanda from the first Teach on, until "
                             "Parlanda ends."),
                          box);
    lblTeach->setObjectName(QStringLiteral("lblTeach"));
    lblTeach->setWordWrap(true);
    auto* form = new QFormLayout(box);
    form->addRow(tr("Device"), cboEventDevice);
    form->addRow(tr("Pedal"), cboTeachPedal);
    form->addRow(QString(), cmdTeach);
    form->addRow(lblTeach);
    return box;
}

void FootPedalPage::showDevices() {
    lstPedals->clear();
    for (const FootPedals::Device& device : pedals.devices())
        lstPedals->addTopLevelItem(
            new QTreeWidgetItem(QStringList{device.path, device.name, device.problem}));
    if (lstPedals->topLevelItemCount() == 0)
        lstPedals->addTopLevelItem(new QTreeWidgetItem(QStringList{tr("No foot pedal found.")}));
}

void FootPedalPage::teach() {
    const QString path = cboEventDevice->currentData().toString();
    const Pedal pedal = Pedal(cboTeachPedal->currentIndex());
    const QString problem = pedals.attachEventDevice(path);
    if (!problem.isEmpty() || !pedals.teach(path, pedal))
        return lblTeach->setText(problem);
    lblTeach->setText(tr("Press the pedal \"%1\" now.").arg(pedalCaption(pedal)));
}

void FootPedalPage::showTaught(const QString& path, Pedal pedal) {
    if (path == cboEventDevice->currentData().toString())
        lblTeach->setText(tr("The pedal \"%1\" is taught.").arg(pedalCaption(pedal)));
}

void FootPedalPage::save() {
    PedalMapping mapping;
    for (int i = 0; i < PedalCount; ++i)
        mapping.setCommand(Pedal(i), cboPedal[i]->currentData().toString());
    mapping.setMiddleHoldsToPlay(chkHoldToPlay->isChecked());
    pedals.actions().setMapping(mapping);
    const SettingsBatch batch(AppName);
    mapping.save([](const QString& key, const QString& value) {
        SaveSetting(AppName, PedalMapping::Section, key, value);
    });
}
