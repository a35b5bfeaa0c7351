#pragma once

#include "windows/frmControls.h"

#include <QList>

class GlobalShortcuts;
class QKeySequenceEdit;
class QLabel;

// The page "Global Keys": a key field per command and, beside it, whether the desktop
// took the key. A key typed into a field is bound at once, so its status shows while
// the dialog is open; OK stores the keys, Cancel binds the stored ones again.
class GlobalKeysPage : public ControlsPage {
    Q_OBJECT
public:
    GlobalKeysPage(GlobalShortcuts& keys, QWidget* parent = nullptr);
    void save() override;
    void discard() override;

private:
    void bindTyped(int index, const QKeySequence& typed);
    void showStatus(int index);

    GlobalShortcuts& keys;
    QList<QKeySequenceEdit*> fields;
    QList<QLabel*> statusLabels;
    bool changed = false;
};
