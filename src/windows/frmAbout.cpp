#include "windows/frmAbout.h"

#include "Version.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString ApplicationTitle = QStringLiteral("Parlanda");
const char* const LegalNotice =
    QT_TRANSLATE_NOOP("frmAbout", "Copyright \u00a9 2026 the Parlanda developers. Free software "
                                  "under the GNU General Public License, version 3 or later.");
const QString ProjectAddress = QStringLiteral("https://parlanda.org");
const QString IconResource = QStringLiteral(":/icons/parlanda.svg");
constexpr int IconSize = 48;

// The credits of the box, under "Thanks to:".
const char* const Credits[] = {
    QT_TRANSLATE_NOOP("frmAbout", "Thanks to:"),
    QT_TRANSLATE_NOOP("frmAbout", "The Qt Project, for the Qt toolkit"),
    QT_TRANSLATE_NOOP("frmAbout", "The libsndfile developers, for reading sound files"),
    QT_TRANSLATE_NOOP("frmAbout", "The PulseAudio developers, for playing them"),
    QT_TRANSLATE_NOOP("frmAbout", "The espeak-ng developers, for the voice of the sample"),
    QT_TRANSLATE_NOOP("frmAbout", "and the transcribers who tried every step of it."),
};
constexpr int FirstCreditLabel = 2; // Label2 .. Label7

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QFont titleFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(24);
    font.setBold(true);
    return font;
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    Form_Load();
}

void frmAbout::createControls() {
    auto* picIcon = addLabel(this, QStringLiteral("picIcon"), QString());
    if (QFile::exists(IconResource))
        picIcon->setPixmap(QIcon(IconResource).pixmap(IconSize, IconSize));
    picIcon->setAlignment(Qt::AlignTop);

    auto* text = new QVBoxLayout;
    auto* lblTitle = addLabel(this, QStringLiteral("lblTitle"), QString());
    lblTitle->setFont(titleFont());
    text->addWidget(lblTitle);
    text->addWidget(addLabel(this, QStringLiteral("lblVersion"), QString()));
    text->addWidget(addLabel(this, QStringLiteral("lblDescription"), QString()));

    auto* Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    text->addWidget(Line1);

    int index = FirstCreditLabel;
    for (const char* credit : Credits)
        text->addWidget(addLabel(this, QStringLiteral("Label%1").arg(index++), tr(credit)));

    auto* lblURL = addLabel(this, QStringLiteral("lblURL"), QString());
    lblURL->setOpenExternalLinks(true);
    text->addWidget(lblURL);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    text->addWidget(cmdOK, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picIcon);
    layout->addLayout(text);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The box sees every key before the control that has the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    installEventFilter(this);
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(ApplicationTitle));
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(tr("Version %1.%2.%3,  %4")
                      .arg(PARLANDA_VERSION_MAJOR)
                      .arg(PARLANDA_VERSION_MINOR)
                      .arg(PARLANDA_VERSION_PATCH)
                      .arg(tr(LegalNotice)));
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(ApplicationTitle);
    findChild<QLabel*>(QStringLiteral("lblDescription"))
        ->setText(QStringLiteral(PARLANDA_DESCRIPTION));
    findChild<QLabel*>(QStringLiteral("lblURL"))
        ->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(ProjectAddress));
}

void frmAbout::focusOKButton() {
    cmdOK->setFocus();
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        return Form_KeyPress(static_cast<QKeyEvent*>(event)->key());
    return QDialog::eventFilter(watched, event);
}

bool frmAbout::Form_KeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
        close();
    return true;
}
