#include "windows/TimeStampPage.h"

#include "player/PlayerController.h"
#include "timecode/modSMPTE.h"

#include <QComboBox>
#include <QFormLayout>

namespace {

// 1 h 2 min 3.45 s: every field of a stamp differs.
constexpr qint64 ExampleMs = 3'723'450;

} // namespace

TimeStampPage::TimeStampPage(PlayerController& player, QWidget* parent)
    : ControlsPage(parent), player(player), format(new QComboBox(this)) {
    setObjectName(QStringLiteral("pageTimeStamps"));
    format->setObjectName(QStringLiteral("cboTimeStampFormat"));
    // Item i is TimeStampFormats[i].
    for (const TimeStampFormat form : TimeStampFormats)
        format->addItem(tr("%1, as in %2").arg(TimeStampPattern(form), TimeStamp(ExampleMs, form)));
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("Form of the time stamps"), format);
    discard();
}

void TimeStampPage::save() {
    player.setTimeStampFormat(TimeStampFormats[format->currentIndex()]);
}

// Shows the form in use again.
void TimeStampPage::discard() {
    format->setCurrentIndex(int(player.settings().timeStampFormat));
}
