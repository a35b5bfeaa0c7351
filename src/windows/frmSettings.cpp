#include "windows/frmSettings.h"

#include "player/PlayerController.h"
#include "settings/modSettings.h"
#include "windows/DialogSupport.h"
#include "windows/Dialogs.h"
#include "windows/frmChooseFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

constexpr int MaxTypedLength = 5;
constexpr int OptionsHelpContext = 1007;
constexpr int LowestMaxFiles = 1;
constexpr int HighestMaxFiles = 9;

// Milliseconds as seconds "#0.00" with the user's decimal separator. A value halfway
// between two hundredths (4005 ms) goes to the even one (4.00; 4015 ms gives 4.02).
QString SecondsText(qint64 ms) {
    qint64 hundredths = ms / 10;
    qint64 rest = ms % 10;
    if (rest < 0) {
        rest += 10;
        --hundredths;
    }
    if (rest > 5 || (rest == 5 && hundredths % 2 != 0))
        ++hundredths;
    return DecimalText(static_cast<double>(hundredths) / 100.0, 2);
}

// A typed number in the user's notation or with a decimal point; thousands separators
// are refused, so that "2.500" never reads as 2500 where "." groups thousands.
std::optional<double> TypedNumber(const QString& text) {
    for (QLocale locale : {QLocale(), QLocale::c()}) {
        locale.setNumberOptions(QLocale::RejectGroupSeparator);
        bool ok = false;
        const double value = locale.toDouble(text.trimmed(), &ok);
        if (ok)
            return value;
    }
    return std::nullopt;
}

// The whole milliseconds of a typed number of seconds; none when it is no number, not
// above 0.01 seconds, or too long for the 32-bit milliseconds the player works with
// (an exponent makes five characters enough for that).
std::optional<qint32> DurationMs(const QString& text) {
    const std::optional<double> seconds = TypedNumber(text);
    if (!seconds || !std::isfinite(*seconds) || *seconds <= 0.01)
        return std::nullopt;
    const double ms = std::nearbyint(*seconds * 1000.0);
    if (ms > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(ms);
}

QPixmap RenderedPicture(const QString& resource, QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(resource).render(&painter);
    return picture;
}

QFrame* SeparatorLine(const QString& name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// The control a mouse press on widget gives the focus to: the widget or its nearest
// parent in the dialog that takes the focus on a click.
QWidget* ClickFocusTarget(QWidget* widget) {
    for (; widget && !widget->isWindow(); widget = widget->parentWidget())
        if (widget->focusPolicy() & Qt::ClickFocus)
            return widget;
    return nullptr;
}

} // namespace

frmSettings::frmSettings(PlayerController& player, QWidget& owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      player(player), owner(owner) {
    setWindowTitle(tr("Options"));
    createControls();
    arrangeControls();
    arrangeTabOrder();
    connectHandlers();
    watchControls();
    Form_Load();
}

void frmSettings::createControls() {
    cmdOK = Button("cmdOK", tr("&OK"), this);

    static const std::array<const char*, 4> tips = {
        QT_TR_NOOP("Length (in seconds) for each step"),
        QT_TR_NOOP("Number of seconds between successive steps"),
        QT_TR_NOOP("Rest duration between loops"),
        QT_TR_NOOP("Number of seconds to jump forward or back")};
    static const std::array<std::pair<const char*, const char*>, 4> labels = {
        std::pair{"Label10", QT_TR_NOOP("Step Length")},
        std::pair{"Label8", QT_TR_NOOP("Offset Time")},
        std::pair{"Label9", QT_TR_NOOP("Pause Interval")},
        std::pair{"Label1", QT_TR_NOOP("Jump Length")}};
    QFont bold = font();
    bold.setBold(true);
    for (size_t i = 0; i < txtSetting.size(); ++i) {
        QLineEdit* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtSetting_%1").arg(i));
        box->setToolTip(tr(tips[i]));
        box->setAlignment(Qt::AlignCenter);
        box->setFont(bold);
        txtSetting[i] = box;
        durationLabels[i] = new QLabel(tr(labels[i].second), this);
        durationLabels[i]->setObjectName(labels[i].first);
    }

    cmdDefault = Button("cmdDefault", tr("Default"), this);
    cmdDefault->setToolTip(tr("Reset to default values"));
    txtFolder = new QLineEdit(this);
    txtFolder->setObjectName("txtFolder");
    cmdChooseFolder = Button("cmdChooseFolder", QStringLiteral(".."), this);
    cmdChooseFolder->setFont(bold);
    chkRecentFiles = new QCheckBox(tr("Recent Files List"), this);
    chkRecentFiles->setObjectName("chkRecentFiles");
    txtMaxFiles = new QLineEdit("9", this);
    txtMaxFiles->setObjectName("txtMaxFiles");
    txtMaxFiles->setReadOnly(true);
    createMaxFilesArrows();
    cmdClearFiles = Button("cmdClearFiles", tr("Clear List"), this);
    cmdClearFiles->setToolTip(tr("Clear recent file list"));
    cmdCancel = Button("cmdCancel", tr("&Cancel"), this);

    Label4 = new QLabel(tr("Default Folder for Audio Files"), this);
    Label4->setObjectName("Label4");
    Label4->setWordWrap(true);
    Picture2 = new QLabel(this);
    Picture2->setObjectName("Picture2");
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setAlignment(Qt::AlignCenter);
    Picture2->setPixmap(RenderedPicture(":/icons/options-picture.svg", QSize(198, 126)));
    Line2 = SeparatorLine("Line2", this);
    Line1_0 = SeparatorLine("Line1_0", this);
    UseNoDefaultButton(*this);
}

// The up-down arrows beside the number of recent files: one focusable control, as the
// arrows of a spin box are, which also steps with the Up and Down keys.
void frmSettings::createMaxFilesArrows() {
    UpDown1 = new QWidget(this);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setFocusPolicy(Qt::StrongFocus);
    auto* arrows = new QVBoxLayout(UpDown1);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (auto [name, arrow, delta] :
         {std::tuple{"UpButton", Qt::UpArrow, +1}, std::tuple{"DownButton", Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(UpDown1);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        arrows->addWidget(button);
        connect(button, &QToolButton::clicked, this,
                [this, delta = delta] { UpDown1_Click(delta); });
    }
}

void frmSettings::arrangeControls() {
    auto* durations = new QGridLayout;
    for (size_t i = 0; i < txtSetting.size(); ++i) {
        durationLabels[i]->setMinimumWidth(twipsToPixels(1335));
        txtSetting[i]->setFixedSize(twipsToSize(800, 360));
        durations->addWidget(durationLabels[i], int(i), 0);
        durations->addWidget(txtSetting[i], int(i), 1);
    }
    durations->addWidget(cmdDefault, 4, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    Picture2->setFixedSize(twipsToSize(3015, 1935));
    auto* top = new QHBoxLayout;
    top->addLayout(durations);
    top->addSpacing(twipsToPixels(160));
    top->addWidget(Picture2, 0, Qt::AlignTop);

    Label4->setFixedWidth(twipsToPixels(1335));
    txtFolder->setMinimumSize(twipsToSize(3135, 315));
    cmdChooseFolder->setFixedSize(twipsToSize(345, 315));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(Label4);
    folderRow->addWidget(txtFolder, 1);
    folderRow->addWidget(cmdChooseFolder);

    txtMaxFiles->setFixedSize(twipsToSize(390, 285));
    UpDown1->setFixedSize(twipsToSize(240, 285));
    auto* maxFiles = new QHBoxLayout;
    maxFiles->setSpacing(0);
    maxFiles->addWidget(txtMaxFiles);
    maxFiles->addWidget(UpDown1);
    auto* filesRow = new QHBoxLayout;
    filesRow->addSpacing(twipsToPixels(960));
    filesRow->addWidget(chkRecentFiles);
    filesRow->addLayout(maxFiles);
    filesRow->addSpacing(twipsToPixels(300));
    filesRow->addWidget(cmdClearFiles);
    filesRow->addStretch();

    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->addStretch();
    buttonsRow->addWidget(cmdCancel);
    buttonsRow->addWidget(cmdOK);
    for (QPushButton* button : {cmdOK, cmdCancel, cmdDefault})
        button->setMinimumSize(twipsToSize(1215, 375));
    cmdClearFiles->setMinimumSize(twipsToSize(975, 375));

    auto* dialog = new QVBoxLayout(this);
    dialog->setSizeConstraint(QLayout::SetFixedSize);
    dialog->addLayout(top);
    dialog->addWidget(Line2);
    dialog->addLayout(folderRow);
    dialog->addLayout(filesRow);
    dialog->addWidget(Line1_0);
    dialog->addLayout(buttonsRow);
}

void frmSettings::arrangeTabOrder() {
    const std::array<QWidget*, 13> order = {
        cmdOK,         txtSetting[0], txtSetting[1],   txtSetting[2],  txtSetting[3],
        cmdDefault,    txtFolder,     cmdChooseFolder, chkRecentFiles, txtMaxFiles,
        cmdClearFiles, cmdCancel,     UpDown1};
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmSettings::connectHandlers() {
    connect(cmdOK, &QPushButton::clicked, this, &frmSettings::cmdOK_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmSettings::cmdDefault_Click);
    connect(cmdChooseFolder, &QPushButton::clicked, this, &frmSettings::cmdChooseFolder_Click);
    connect(cmdClearFiles, &QPushButton::clicked, this, &frmSettings::cmdClearFiles_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSettings::cmdCancel_Click);
}

// Every control passes through eventFilter, which guards the time boxes.
void frmSettings::watchControls() {
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

void frmSettings::Form_Load() {
    ShowDurations(player.settings());
    txtMaxFiles->setText(QString::number(player.settings().maxFiles));
    chkRecentFiles->setChecked(player.settings().recentFileList != 0);
    // The folder stored at the last shutdown, not the one in use.
    txtFolder->setText(StoredDefaultAudioFolder());
}

void frmSettings::Form_Activate() {
    cmdOK->setFocus(Qt::OtherFocusReason);
}

void frmSettings::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

// A box takes five typed characters, or as many as a longer value shown here has, so
// that showing a long duration never cuts it.
void frmSettings::ShowDuration(int index, qint64 ms) {
    const QString text = SecondsText(ms);
    txtSetting[index]->setMaxLength(std::max<int>(MaxTypedLength, int(text.size())));
    txtSetting[index]->setText(text);
}

void frmSettings::txtSetting_Validate(int index, bool& cancel) {
    const std::optional<qint32> ms = DurationMs(txtSetting[index]->text());
    if (!ms) {
        cancel = true;
        txtSetting[index]->setFocus(Qt::OtherFocusReason);
        dialogs().message(this, tr("Please enter a valid number of seconds."), tr("Invalid Entry"),
                          Dialogs::Icon::Exclamation);
        return;
    }
    ShowDuration(index, *ms);
}

void frmSettings::ShowDurations(const UserSettings& settings) {
    const std::array<qint32, 4> durations = {settings.step, settings.offset, settings.pause,
                                             settings.jump};
    for (size_t i = 0; i < durations.size(); ++i)
        ShowDuration(int(i), durations[i]);
}

void frmSettings::cmdDefault_Click() {
    ShowDurations(UserSettings());
    cmdOK->setFocus(Qt::OtherFocusReason);
}

// The chooser belongs to the main window, so that it and the folder last chosen in it
// outlive this dialog; while it is shown it belongs to this dialog, which keeps it on
// top of this one.
void frmSettings::cmdChooseFolder_Click() {
    auto* chooser = owner.findChild<frmChooseFolder*>(QString(), Qt::FindDirectChildrenOnly);
    if (!chooser)
        chooser = new frmChooseFolder(&owner);
    chooser->setPath(txtFolder->text());
    chooser->setWindowTitle(tr("Choose Default Audio Folder"));
    chooser->setParent(this, chooser->windowFlags());
    const bool chosen = chooser->exec() == QDialog::Accepted;
    chooser->setParent(&owner, chooser->windowFlags());
    if (chosen)
        txtFolder->setText(chooser->resultText());
    activateWindow();
    Form_Activate();
}

// Takes effect at once; a later Cancel does not bring the list back.
void frmSettings::cmdClearFiles_Click() {
    player.clearRecentFiles();
}

void frmSettings::cmdOK_Click() {
    using Setter = void (PlayerController::*)(qint32);
    const std::array<Setter, 4> setters = {&PlayerController::setStep, &PlayerController::setOffset,
                                           &PlayerController::setPause, &PlayerController::setJump};
    for (size_t i = 0; i < setters.size(); ++i)
        if (const std::optional<qint32> ms = DurationMs(txtSetting[i]->text()))
            (player.*setters[i])(*ms);
    if (player.settings().jump < player.settings().step)
        player.setJump(player.settings().step);
    player.setRecentFileList(chkRecentFiles->isChecked() ? 1 : 0);
    player.setMaxFiles(txtMaxFiles->text().toShort());
    player.setDefaultAudioFolder(txtFolder->text());
    if (!chkRecentFiles->isChecked())
        player.clearRecentFiles();
    accept();
}

void frmSettings::cmdCancel_Click() {
    reject();
}

void frmSettings::reject() {
    setAttribute(Qt::WA_DeleteOnClose);
    QDialog::reject();
}

// One step per click within 1 to 9; a click past a bound changes nothing, and from a
// number outside that range (an edited store) a click goes to the nearest bound.
void frmSettings::UpDown1_Click(int delta) {
    const int shown = txtMaxFiles->text().toInt();
    txtMaxFiles->setText(
        QString::number(std::clamp(shown + delta, LowestMaxFiles, HighestMaxFiles)));
}

// The dialog sees keys the focused control leaves alone: Esc closes it unvalidated,
// F1 opens the help at the Options page, and Enter clicks only a focused button.
void frmSettings::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_F1:
        dialogs().showHelp(this, Dialogs::HelpCommand::Context, OptionsHelpContext);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ClickFocusedButton(*this);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

int frmSettings::TimeBoxIndex(const QObject* object) const {
    const auto box = std::find(txtSetting.begin(), txtSetting.end(), object);
    return box == txtSetting.end() ? -1 : int(box - txtSetting.begin());
}

// True when the focus may leave the time box; otherwise it stays there.
bool frmSettings::LeaveTimeBox(int index) {
    validating = true;
    bool cancel = false;
    txtSetting_Validate(index, cancel);
    validating = false;
    return !cancel;
}

// The focus has already been given to another control when the box hears of it; a
// refused move gives it back at once, before that control has seen any of it, and a
// mouse click that moved it is dropped. Leaving the dialog (for another window or the
// message box) is no move to another control: it passes unvalidated, and the box stays
// the one to validate when the dialog's controls are used again.
bool frmSettings::TimeBoxFocusOut(Qt::FocusReason reason) {
    const QWidget* destination = QApplication::focusWidget();
    if (validating || !destination || !isAncestorOf(destination))
        return false;
    if (MayLeaveTimeBoxFor(destination))
        return false;
    dropNextPress = reason == Qt::MouseFocusReason;
    return true;
}

// Whether control may take over from the time box that had the focus last. Also asked
// before a click or mnemonic acts, for moves that no focus event announced: a click
// into the dialog while another window was active only moves the focus later, and a
// mnemonic acts as soon as it has moved the focus.
bool frmSettings::MayLeaveTimeBoxFor(const QWidget* control) {
    if (!focusedBox || !control || control == focusedBox)
        return true;
    if (!LeaveTimeBox(TimeBoxIndex(focusedBox)))
        return false;
    focusedBox = nullptr;
    return true;
}

bool frmSettings::UpDown1_KeyDown(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    UpDown1_Click(key == Qt::Key_Up ? +1 : -1);
    return true;
}

bool frmSettings::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (const int box = TimeBoxIndex(watched); box >= 0)
            focusedBox = txtSetting[box];
        break;
    case QEvent::FocusOut:
        if (focusedBox == watched)
            return TimeBoxFocusOut(static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return std::exchange(dropNextPress, false) ||
               !MayLeaveTimeBoxFor(ClickFocusTarget(control));
    case QEvent::Shortcut:
        return !MayLeaveTimeBoxFor(control);
    case QEvent::KeyPress:
        return watched == UpDown1 && UpDown1_KeyDown(static_cast<QKeyEvent*>(event)->key());
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
