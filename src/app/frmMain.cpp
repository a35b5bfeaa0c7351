// The main window: its controls and menus, the routing of their events to the
// handlers, start-up and shutdown, and the two layouts (file open / no file).
#include "app/frmMain.h"

#include "audio/AudioOutput.h"
#include "audio/MediaControl.h"
#include "files/frmChooseFolder.h"
#include "settings/frmSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const applicationTitle = "Parlanda";
const char* const zeroTimeCode = "00:00:00:00";

struct ButtonDesign {
    const char* tooltip;
    const char* themeIcon; // "" when no theme has a fitting symbol
    const char* bundledIcon;
};

// Walk buttons have no standard theme symbol, so they always use the bundled ones.
const std::array<ButtonDesign, 4> loopButtonDesign{{
    {"Walk", "", "walk"},
    {"Previous Step", "", "previous-step"},
    {"Current Step", "", "current-step"},
    {"Next Step", "", "next-step"},
}};

const std::array<ButtonDesign, 4> playButtonDesign{{
    {"Jump Back", "media-seek-backward", "jump-back"},
    {"Stop", "media-playback-stop", "stop"},
    {"Play", "media-playback-start", "play"},
    {"Jump Forward", "media-seek-forward", "jump-forward"},
}};

constexpr int buttonIconSize = 24;

QIcon buttonIcon(const ButtonDesign& design) {
    const QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(design.bundledIcon));
    if (*design.themeIcon == '\0')
        return bundled;
    return QIcon::fromTheme(QString::fromLatin1(design.themeIcon), bundled);
}

QToolButton* createPictureButton(QWidget* parent, const QString& objectName,
                                 const ButtonDesign& design) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIcon(buttonIcon(design));
    button->setIconSize(QSize(buttonIconSize, buttonIconSize));
    button->setToolTip(QObject::tr(design.tooltip));
    button->setAccessibleName(button->toolTip());
    // Clicking a button takes the focus, so a time being typed is committed first.
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QAction* addMenuItem(QMenu* menu, const QString& objectName, const QString& caption,
                     const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    return action;
}

QAction* addSeparator(QMenu* menu, const QString& objectName) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(objectName);
    return separator;
}

QString arrayMemberName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Shift 1, Ctrl 2, Alt 4, combined, as the handlers take the modifier state.
int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? frmMain::ShiftHeld : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? frmMain::CtrlHeld : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? frmMain::AltHeld : 0);
}

// The desktop key code of a pressed key (F1 = 112, '0' = 48, keypad '0' = 96, 'A' = 65);
// 0 for keys the window's key handler has no code for.
int desktopKeyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
        return (keypad ? 96 : 48) + (key - Qt::Key_0);
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // Qt uses the same codes for letters
    static const QHash<int, int> namedKeys{
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
    };
    return namedKeys.value(key, 0);
}

// The character code a key types into the time field: 13 for Enter, the character's
// code otherwise; -1 for keys that type nothing.
int typedCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return 13;
    const QString text = event.text();
    return text.size() == 1 ? text.front().unicode() : -1;
}

bool isMousePress(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress ||
           event->type() == QEvent::MouseButtonDblClick;
}

// Keys with which a focused button would press itself.
bool isButtonActivationKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Select || key == Qt::Key_Return ||
           key == Qt::Key_Enter;
}

// Lets the window see every key pressed in it before the focused control does, as an
// application-wide filter: shortcuts of enabled menu items have already been taken.
class KeyPreview : public QObject {
public:
    explicit KeyPreview(frmMain* window) : QObject(window), window(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A key the focused control ignores is offered to each of its parents in turn;
        // the window sees it once, at the first of them.
        if (event == passedOn)
            return false;
        passedOn = nullptr;
        if (event->type() != QEvent::KeyPress || !isForWindow(watched))
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        const int keyCode = desktopKeyCode(key);
        if (keyCode != 0 && window->Form_KeyDown(keyCode, shiftState(key.modifiers())))
            return true;
        passedOn = event;
        return false;
    }

private:
    bool isForWindow(QObject* watched) const {
        const auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == window && !QApplication::activeModalWidget();
    }

    frmMain* window;
    const QEvent* passedOn = nullptr;
};

// The status text: a long path is shortened in the middle to fit, so the window keeps
// its size; the whole path is in the tooltip.
class PathLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
        style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                              foregroundRole());
    }
};

// Shows the busy pointer for its lifetime.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

template <std::size_t N> int indexOf(const std::array<QToolButton*, N>& buttons, QObject* object) {
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i] == object)
            return int(i);
    return -1;
}

} // namespace

// The resources live in a static library; registering them here links them into every
// program that shows the window.
static void registerResources() {
    Q_INIT_RESOURCE(resources);
}

frmMain::frmMain(std::unique_ptr<AudioOutput> output, QWidget* parent)
    : QMainWindow(parent), media(std::make_unique<MediaControl>(std::move(output))) {
    registerResources();
    setObjectName(QStringLiteral("frmMain"));
    // A fixed single border: it can be minimized and closed, not resized or maximized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    createMenus();
    connectHandlers();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    startUp();
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    auto* central = new QWidget(this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(4);
    for (int i = 0; i < 4; ++i) {
        cmdLoop[i] =
            createPictureButton(central, arrayMemberName("cmdLoop", i), loopButtonDesign[i]);
        buttonRow->addWidget(cmdLoop[i]);
    }
    buttonRow->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        cmdPlay[i] =
            createPictureButton(central, arrayMemberName("cmdPlay", i), playButtonDesign[i]);
        buttonRow->addWidget(cmdPlay[i]);
    }
    buttonRow->addSpacing(12);

    txtTime = new QLineEdit(QString::fromLatin1(zeroTimeCode), central);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtTime->setAccessibleName(tr("Position"));
    txtTime->setReadOnly(true);
    txtTime->setAlignment(Qt::AlignCenter);
    QFont timeFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    timeFont.setPointSizeF(timeFont.pointSizeF() * 1.25);
    txtTime->setFont(timeFont);
    // Room for three-digit hours, as in recordings of 100 hours or more.
    const int textWidth = QFontMetrics(timeFont).horizontalAdvance(QStringLiteral("000:00:00:00"));
    txtTime->setFixedWidth(textWidth + 4 * txtTime->fontMetrics().averageCharWidth());
    buttonRow->addWidget(txtTime);

    hsbSlider = new QScrollBar(Qt::Horizontal, central);
    hsbSlider->setObjectName(QStringLiteral("hsbSlider"));
    hsbSlider->setRange(0, 100);
    hsbSlider->setPageStep(5);
    hsbSlider->setSingleStep(1);
    hsbSlider->setToolTip(tr("Click to adjust time"));
    hsbSlider->setAccessibleName(hsbSlider->toolTip());

    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(10, 10, 10, 8);
    column->setSpacing(8);
    column->addLayout(buttonRow);
    column->addWidget(hsbSlider);
    setCentralWidget(central);
    // Every control has the row's height, so they line up.
    const int rowHeight = cmdLoop[0]->sizeHint().height();
    for (auto* button : cmdLoop)
        button->setFixedSize(rowHeight, rowHeight);
    for (auto* button : cmdPlay)
        button->setFixedSize(rowHeight, rowHeight);
    txtTime->setFixedHeight(rowHeight);

    statusBar()->setSizeGripEnabled(false);
    statusText = new PathLabel(statusBar());
    statusText->setObjectName(QStringLiteral("statusText"));
    statusText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusText->setContentsMargins(6, 0, 6, 0);
    statusBar()->addWidget(statusText, 1);
    outputStatus = new QLabel(tr("No audio output device"), statusBar());
    outputStatus->setObjectName(QStringLiteral("outputStatus"));
    outputStatus->setContentsMargins(6, 0, 6, 0);
    statusBar()->addPermanentWidget(outputStatus);
    outputStatus->setVisible(!media->outputAvailable());
}

void frmMain::createMenus() {
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpen = addMenuItem(mnuFile, QStringLiteral("mnuOpen"), tr("&Open..."),
                          QKeySequence(Qt::CTRL | Qt::Key_O));
    addSeparator(mnuFile, QStringLiteral("AI_Separator1"));
    mnuInfo = addMenuItem(mnuFile, QStringLiteral("mnuInfo"), tr("Info"));
    mnuInfo->setEnabled(false);
    addSeparator(mnuFile, QStringLiteral("AI_Separator15"));
    mnuExit = addMenuItem(mnuFile, QStringLiteral("mnuExit"), tr("E&xit"),
                          QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuRecentFileSeparator = addSeparator(mnuFile, QStringLiteral("mnuRecentFileSeparator"));
    mnuRecentFileSeparator->setVisible(false);
    for (int i = 0; i < int(mnuRecentFiles.size()); ++i) {
        mnuRecentFiles[i] = addMenuItem(mnuFile, arrayMemberName("mnuRecentFiles", i), QString());
        mnuRecentFiles[i]->setVisible(false);
    }

    mnuPlayMenu = menuBar()->addMenu(tr("&Play"));
    mnuPlayMenu->setObjectName(QStringLiteral("mnuPlayMenu"));
    const std::array<QString, 4> playCaptions{tr("Jump &Back"), tr("&Stop"), tr("&Play"),
                                              tr("Jump &Forward")};
    const std::array<QKeySequence, 4> playShortcuts{QKeySequence(Qt::Key_F9),
                                                    QKeySequence(Qt::Key_F3),
                                                    QKeySequence(Qt::Key_F4), QKeySequence()};
    for (int i = 0; i < 4; ++i)
        mnuPlay[i] = addMenuItem(mnuPlayMenu, arrayMemberName("mnuPlay", i), playCaptions[i],
                                 playShortcuts[i]);
    addSeparator(mnuPlayMenu, QStringLiteral("AI_Separato13"));
    const std::array<QString, 4> loopCaptions{tr("&Walk"), tr("&Previous Step"),
                                              tr("&Current Step"), tr("&Next Step")};
    for (int i = 0; i < 4; ++i)
        mnuLoop[i] = addMenuItem(mnuPlayMenu, arrayMemberName("mnuLoop", i), loopCaptions[i],
                                 QKeySequence(Qt::Key_F5 + i));

    mnuLoops = menuBar()->addMenu(tr("&Looping"));
    mnuLoops->setObjectName(QStringLiteral("mnuLoops"));
    mnuToggleLooping = addMenuItem(mnuLoops, QStringLiteral("mnuToggleLooping"), tr("Disable"),
                                   QKeySequence(Qt::Key_F2));
    addSeparator(mnuLoops, QStringLiteral("mnuSeparator12"));
    for (int i = 1; i < int(mnuLoopItem.size()); ++i) {
        mnuLoopItem[i] =
            addMenuItem(mnuLoops, arrayMemberName("mnuLoopItem", i), QStringLiteral("&%1").arg(i));
        mnuLoopItem[i]->setCheckable(true);
    }
    mnuLoopItem[2]->setChecked(true);

    mnuTools = menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuOptions = addMenuItem(mnuTools, QStringLiteral("mnuOptions"), tr("&Options"));
    mnuClearFiles = addMenuItem(mnuTools, QStringLiteral("mnuClearFiles"), tr("&Clear File List"));
    addSeparator(mnuTools, QStringLiteral("AI_SEPARATOR3"));
    mnuGoToTime = addMenuItem(mnuTools, QStringLiteral("mnuGoToTime"), tr("&Go To Time"),
                              QKeySequence(Qt::Key_F11));
    mnuUpdateTime = addMenuItem(mnuTools, QStringLiteral("mnuUpdateTime"), tr("&Update Time"),
                                QKeySequence(Qt::Key_F12));
    mnuUpdateTime->setCheckable(true);
    mnuUpdateTime->setChecked(true);
    mnuTimeStamp = addMenuItem(mnuTools, QStringLiteral("mnuTimeStamp"), tr("&Time Stamp"));
    mnuTimeStamp->setVisible(false);

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuConents = addMenuItem(mnuHelp, QStringLiteral("mnuConents"), tr("Contents.."));
    mnuIndex = addMenuItem(mnuHelp, QStringLiteral("mnuIndex"), tr("Index.."));
    mnuSearch = addMenuItem(mnuHelp, QStringLiteral("mnuSearch"), tr("Search.."));
    mnuSearch->setVisible(false);
    addSeparator(mnuHelp, QStringLiteral("AI_Separator13"));
    mnuAbout = addMenuItem(mnuHelp, QStringLiteral("mnuAbout"), tr("&About Parlanda.."));
    addSeparator(mnuHelp, QStringLiteral("mnuStartHereSeparator"));
    mnuStartHere = addMenuItem(mnuHelp, QStringLiteral("mnuStartHere"), tr("&Start Here"));
}

void frmMain::connectHandlers() {
    for (int i = 0; i < 4; ++i) {
        connect(cmdLoop[i], &QToolButton::clicked, this, [this, i] { cmdLoop_Click(i); });
        // Transport buttons act when the mouse button goes down, seen by eventFilter.
        cmdPlay[i]->installEventFilter(this);
        connect(mnuPlay[i], &QAction::triggered, this, [this, i] { mnuPlay_Click(i); });
        connect(mnuLoop[i], &QAction::triggered, this, [this, i] { mnuLoop_Click(i); });
    }
    for (int i = 1; i < int(mnuLoopItem.size()); ++i)
        connect(mnuLoopItem[i], &QAction::triggered, this, [this, i] { mnuLoopItem_Click(i); });
    for (int i = 0; i < int(mnuRecentFiles.size()); ++i)
        connect(mnuRecentFiles[i], &QAction::triggered, this,
                [this, i] { mnuRecentFiles_Click(i); });

    const std::initializer_list<std::pair<QAction*, void (frmMain::*)()>> menuHandlers{
        {mnuOpen, &frmMain::mnuOpen_Click},
        {mnuInfo, &frmMain::mnuInfo_Click},
        {mnuExit, &frmMain::mnuExit_Click},
        {mnuToggleLooping, &frmMain::mnuToggleLooping_Click},
        {mnuOptions, &frmMain::mnuOptions_Click},
        {mnuClearFiles, &frmMain::mnuClearFiles_Click},
        {mnuGoToTime, &frmMain::mnuGoToTime_Click},
        {mnuUpdateTime, &frmMain::mnuUpdateTime_Click},
        {mnuTimeStamp, &frmMain::mnuTimeStamp_Click},
        {mnuConents, &frmMain::mnuConents_Click},
        {mnuIndex, &frmMain::mnuIndex_Click},
        {mnuSearch, &frmMain::mnuSearch_Click},
        {mnuAbout, &frmMain::mnuAbout_Click},
        {mnuStartHere, &frmMain::mnuStartHere_Click},
    };
    for (const auto& [action, handler] : menuHandlers)
        connect(action, &QAction::triggered, this, handler);

    txtTime->installEventFilter(this);
    hsbSlider->installEventFilter(this);
    // Only a thumb dragged by the user moves the time shown; positions set by the
    // program move the thumb without it.
    connect(hsbSlider, &QScrollBar::valueChanged, this, [this] {
        if (hsbSlider->isSliderDown())
            hsbSlider_Scroll();
    });

    connect(media.get(), &MediaControl::statusUpdate, this, &frmMain::mciWave_StatusUpdate);
    connect(media.get(), &MediaControl::done, this, &frmMain::mciWave_Done);
    connect(media.get(), &MediaControl::outputAvailableChanged, outputStatus,
            [this](bool available) { outputStatus->setVisible(!available); });

    restTimer.setSingleShot(true);
    connect(&restTimer, &QTimer::timeout, this, &frmMain::EndRest);

    new KeyPreview(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (const int index = indexOf(cmdPlay, watched); index >= 0) {
        if (isMousePress(event)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            cmdPlay_MouseDown(index, mouse->button(), shiftState(mouse->modifiers()));
        }
        // Only the mouse presses a transport button; the keyboard uses keys and menus.
        return isButtonActivationKey(event);
    }
    if (watched == txtTime) {
        if (isMousePress(event)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            txtTime_MouseDown(mouse->button(), shiftState(mouse->modifiers()));
        } else if (event->type() == QEvent::KeyPress) {
            const int character = typedCharacter(*static_cast<QKeyEvent*>(event));
            return character >= 0 && txtTime_KeyPress(character);
        } else if (event->type() == QEvent::FocusOut) {
            // Switching to another program or opening a menu is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                txtTime_Validate();
        }
        return false;
    }
    if (watched == hsbSlider) {
        if (isMousePress(event)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            hsbSlider_MouseDown(mouse->button(), shiftState(mouse->modifiers()));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            hsbSlider_MouseUp(mouse->button(), shiftState(mouse->modifiers()));
        }
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::startUp() {
    const BusyCursor busy;
    media->setWait(true);
    LoadSettings();
    if (RecentFileList() != 0)
        BuildRecentFileMenu();
    isWalking = false;
    autoUpdate = true;
    stepPending = false;
    EnableControls(false);
    lastOpenFolder.clear();
    stepEnd = media->position();
    UpdateStatusBar();
    setWindowTitle(QString::fromLatin1(applicationTitle));
}

void frmMain::closeEvent(QCloseEvent* event) {
    shutDown();
    QMainWindow::closeEvent(event);
}

void frmMain::mnuExit_Click() {
    close();
}

void frmMain::shutDown() {
    if (shuttingDown)
        return;
    shuttingDown = true;
    SaveSettings();
    // The options dialog and the folder chooser kept for it are unloaded. An About box
    // left open has no parent: it stays, and the program ends when it is closed.
    delete settingsDialog;
    qDeleteAll(findChildren<frmChooseFolder*>(QString(), Qt::FindDirectChildrenOnly));
    // Nothing may start playing again: no rest ends, and a late done notification
    // finds no walk to continue.
    restTimer.stop();
    isWalking = false;
    stepPending = false;
    if (media->mode() != MediaControl::ModeNotOpen) {
        media->setWait(true);
        media->setCommand(QStringLiteral("Stop"));
        media->setWait(true);
        media->setCommand(QStringLiteral("Close"));
    }
}

void frmMain::setAutoUpdate(bool value) {
    autoUpdate = value;
    mnuUpdateTime->setChecked(value);
}

void frmMain::EnableControls(bool state) {
    for (int i = 0; i < 4; ++i) {
        cmdLoop[i]->setEnabled(state);
        cmdPlay[i]->setEnabled(state);
    }
    txtTime->setEnabled(state);
    hsbSlider->setEnabled(state);
    // The items themselves, not only the menu: a disabled item's shortcut must not fire,
    // so that F9 without a file reaches the window's own key handler.
    mnuPlayMenu->setEnabled(state);
    for (QAction* item : mnuPlayMenu->actions())
        item->setEnabled(state);
    mnuInfo->setEnabled(state);
    mnuGoToTime->setEnabled(state);
    mnuTimeStamp->setEnabled(state);
    txtTime->setText(QString::fromLatin1(zeroTimeCode));
    hsbSlider->setValue(0);
}

void frmMain::UpdateStatusBar() {
    const QString text =
        media->mode() == MediaControl::ModeNotOpen ? tr("No audio file") : media->fileName();
    statusText->setText(text);
    statusText->setToolTip(text);
}

// The meta-object code needs the complete AudioOutput type, which this file includes.
#include "moc_frmMain.cpp"
