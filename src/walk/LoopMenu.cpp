// The Looping menu keeps its own state: looping is on while the toggle item reads
// "Disable", and the number of repetitions is the checked item.
#include "app/frmMain.h"

#include <QAction>

namespace {

const QString LoopingOnCaption = QStringLiteral("Disable");
const QString LoopingOffCaption = QStringLiteral("Enable");
constexpr int FirstLoopItem = 1;
constexpr int LastLoopItem = 5;

} // namespace

void frmMain::mnuToggleLooping_Click() {
    const bool wasOff = mnuToggleLooping->text() == LoopingOffCaption;
    mnuToggleLooping->setText(wasOff ? LoopingOnCaption : LoopingOffCaption);
    const bool loopingOn = mnuToggleLooping->text() == LoopingOnCaption;
    for (int i = FirstLoopItem; i <= LastLoopItem; ++i)
        mnuLoopItem[i]->setEnabled(loopingOn);
}

// Also re-checks an item the user clicked while it was checked: one item is always
// checked.
void frmMain::mnuLoopItem_Click(int index) {
    if (index < FirstLoopItem || index > LastLoopItem)
        return;
    for (int i = FirstLoopItem; i <= LastLoopItem; ++i)
        mnuLoopItem[i]->setChecked(i == index);
}

qint16 frmMain::LoopRepetitionCount() const {
    if (mnuToggleLooping->text() != LoopingOnCaption)
        return 1;
    for (int i = FirstLoopItem; i <= LastLoopItem; ++i)
        if (mnuLoopItem[i]->isChecked())
            return qint16(i);
    return 1;
}
