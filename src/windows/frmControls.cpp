#include "windows/frmControls.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

QString CommandCaption(const QString& name) {
    return QCoreApplication::translate("Command", name.toUtf8().constData());
}

frmControls::frmControls(QWidget* parent) : QDialog(parent), tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("frmControls"));
    setWindowTitle(tr("Controls"));
    setAttribute(Qt::WA_DeleteOnClose);
    tabs->setObjectName(QStringLiteral("tabControls"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs);
    column->addWidget(buttons);
}

void frmControls::addPage(ControlsPage* page, const QString& title) {
    tabs->addTab(page, title);
}

QList<ControlsPage*> frmControls::pages() const {
    QList<ControlsPage*> all;
    for (int i = 0; i < tabs->count(); ++i)
        all << static_cast<ControlsPage*>(tabs->widget(i));
    return all;
}

void frmControls::accept() {
    for (ControlsPage* page : pages())
        page->save();
    QDialog::accept();
}

void frmControls::reject() {
    for (ControlsPage* page : pages())
        page->discard();
    QDialog::reject();
}
