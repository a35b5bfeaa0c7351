#include "windows/GlobalKeysPage.h"

#include "inputs/GlobalShortcuts.h"
#include "settings/modSettings.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>

namespace {

// A global key is one key combination: the field takes the first one typed and is done,
// where a plain QKeySequenceEdit would wait a second for up to three more.
class OneKeyEdit : public QKeySequenceEdit {
public:
    using QKeySequenceEdit::QKeySequenceEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QKeySequenceEdit::keyPressEvent(event);
        // Empty while only a modifier is down. A key told twice is bound once.
        if (keySequence().isEmpty())
            return;
        setKeySequence(QKeySequence(keySequence()[0])); // also ends the recording
        emit keySequenceChanged(keySequence());
    }
};

QString stateText(ShortcutStatus::State state) {
    switch (state) {
    case ShortcutStatus::Unbound:
        return {};
    case ShortcutStatus::Pending:
        return GlobalKeysPage::tr("Waiting");
    case ShortcutStatus::Registered:
        return GlobalKeysPage::tr("Registered");
    case ShortcutStatus::Taken:
        return GlobalKeysPage::tr("Taken");
    case ShortcutStatus::Unsupported:
        return GlobalKeysPage::tr("Unsupported");
    }
    return {};
}

QString serviceText(const GlobalShortcuts& keys) {
    if (keys.isSearching())
        return GlobalKeysPage::tr("Looking for the desktop's service for global keys...");
    if (!keys.serviceName().isEmpty())
        return GlobalKeysPage::tr("Global keys work in every program through %1.")
            .arg(keys.serviceName());
    return GlobalKeysPage::tr(
        "Nothing on this desktop delivers global keys (a Wayland desktop without the "
        "desktop portal's global shortcuts or KDE's service). Bind a key in the desktop's "
        "own keyboard settings to a command line such as \"parlanda --walk\" instead: "
        "it gives the command to the running player.");
}

} // namespace

GlobalKeysPage::GlobalKeysPage(GlobalShortcuts& keys, QWidget* parent)
    : ControlsPage(parent), keys(keys) {
    setObjectName(QStringLiteral("pageGlobalKeys"));
    auto* grid = new QGridLayout(this);
    auto* service = new QLabel(serviceText(keys), this);
    service->setObjectName(QStringLiteral("lblKeyService"));
    service->setWordWrap(true);
    grid->addWidget(service, 0, 0, 1, 3);
    connect(&keys, &GlobalShortcuts::serviceFound, service,
            [service, &keys] { service->setText(serviceText(keys)); });
    const QStringList& commands = GlobalShortcutCommands();
    for (int i = 0; i < commands.size(); ++i) {
        auto* field = new OneKeyEdit(keys.keys(commands[i]), this);
        field->setObjectName(QStringLiteral("txtKey_%1").arg(i));
        field->setClearButtonEnabled(true);
        auto* status = new QLabel(this);
        status->setObjectName(QStringLiteral("lblKeyStatus_%1").arg(i));
        status->setWordWrap(true);
        auto* caption = new QLabel(CommandCaption(commands[i]), this);
        caption->setBuddy(field);
        grid->addWidget(caption, i + 1, 0);
        grid->addWidget(field, i + 1, 1);
        grid->addWidget(status, i + 1, 2);
        fields << field;
        statusLabels << status;
        connect(field, &QKeySequenceEdit::keySequenceChanged, this,
                [this, i](const QKeySequence& typed) { bindTyped(i, typed); });
        showStatus(i);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(commands.size() + 1, 1);
    connect(&keys, &GlobalShortcuts::statusChanged, this, [this](const QString& command) {
        showStatus(GlobalShortcutCommands().indexOf(command));
    });
}

void GlobalKeysPage::bindTyped(int index, const QKeySequence& typed) {
    const QString& command = GlobalShortcutCommands()[index];
    if (keys.keys(command) == typed)
        return;
    keys.bind(command, typed);
    changed = true;
    showStatus(index);
}

void GlobalKeysPage::showStatus(int index) {
    if (index < 0)
        return;
    const ShortcutStatus status = keys.status(GlobalShortcutCommands()[index]);
    const QString state = stateText(status.state);
    statusLabels[index]->setText(state.isEmpty() ? QString()
                                                 : tr("%1: %2").arg(state, status.message));
}

void GlobalKeysPage::save() {
    keys.save(AppName);
}

void GlobalKeysPage::discard() {
    if (changed)
        keys.load(AppName);
}
