// The main window: its controls and menus, the routing of their events to the
// handlers and to the player, start-up and shutdown, and the two layouts (file open /
// no file).
#include "windows/frmMain.h"

#include "audio/AudioOutput.h"
#include "inputs/FootPedals.h"
#include "inputs/GlobalShortcuts.h"
#include "player/PlayerController.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "timecode/modSMPTE.h"
#include "windows/Dialogs.h"
#include "windows/HelpViewer.h"
#include "windows/WaveformStrip.h"
#include "windows/frmChooseFolder.h"
#include "windows/frmControls.h"
#include "windows/frmSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
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

struct ButtonDesign {
    const char* command;   // the player command's name; its caption is the tooltip
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
    button->setToolTip(CommandCaption(QLatin1String(design.command)));
    button->setAccessibleName(button->toolTip());
    // A left click gives it the focus (see eventFilter), so that a time being typed is
    // committed first; other buttons of the mouse neither focus nor press it.
    button->setFocusPolicy(Qt::TabFocus);
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

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
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

} // namespace

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
        if (window->Form_KeyDown(*static_cast<QKeyEvent*>(event)))
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

namespace {

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

template <std::size_t N>
int indexOf(const std::array<QToolButton*, N>& buttons, const QObject* object) {
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
    : QMainWindow(parent), controller(std::make_unique<PlayerController>(std::move(output))) {
    registerResources();
    setObjectName(QStringLiteral("frmMain"));
    // A fixed single border: it can be minimized and closed, not resized or maximized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    createMenus();
    connectHandlers();
    connectPlayer();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    startUp();
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    setAcceptDrops(true);
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

    txtTime = new QLineEdit(MsToTimeCode(0), central);
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
    // Every button presses and releases the slider itself: no menu of its own. Pressing
    // it takes the focus, so that a time being typed in the field is committed first.
    hsbSlider->setContextMenuPolicy(Qt::NoContextMenu);
    hsbSlider->setFocusPolicy(Qt::ClickFocus);
    hsbSlider->setAccessibleName(hsbSlider->toolTip());

    auto* column = new QVBoxLayout;
    column->setContentsMargins(10, 10, 10, 8);
    column->setSpacing(8);
    column->addLayout(buttonRow);
    column->addWidget(hsbSlider);
    // The waveform spans the whole width of the window, under the controls.
    waveformStrip = new WaveformStrip(*controller, central);
    waveformStrip->hide();
    auto* window = new QVBoxLayout(central);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->addLayout(column);
    window->addWidget(waveformStrip);
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
    outputStatus->setVisible(!controller->outputAvailable());
}

void frmMain::createMenus() {
    mnuFile = menuBar()->addMenu(tr("&File", "Menu bar"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpen = addMenuItem(mnuFile, QStringLiteral("mnuOpen"), tr("&Open...", "File menu"),
                          QKeySequence(Qt::CTRL | Qt::Key_O));
    addSeparator(mnuFile, QStringLiteral("AI_Separator1"));
    mnuInfo = addMenuItem(mnuFile, QStringLiteral("mnuInfo"), tr("Info", "File menu"));
    mnuInfo->setEnabled(false);
    addSeparator(mnuFile, QStringLiteral("AI_Separator15"));
    mnuExit = addMenuItem(mnuFile, QStringLiteral("mnuExit"), tr("E&xit", "File menu"),
                          QKeySequence(Qt::CTRL | Qt::Key_Q));
    mnuRecentFileSeparator = addSeparator(mnuFile, QStringLiteral("mnuRecentFileSeparator"));
    mnuRecentFileSeparator->setVisible(false);
    for (int i = 0; i < int(mnuRecentFiles.size()); ++i) {
        mnuRecentFiles[i] = addMenuItem(mnuFile, arrayMemberName("mnuRecentFiles", i), QString());
        mnuRecentFiles[i]->setVisible(false);
    }

    mnuPlayMenu = menuBar()->addMenu(tr("&Play", "Menu bar"));
    mnuPlayMenu->setObjectName(QStringLiteral("mnuPlayMenu"));
    const std::array<QString, 4> playCaptions{tr("Jump &Back", "Play menu"),
                                              tr("&Stop", "Play menu"), tr("&Play", "Play menu"),
                                              tr("Jump &Forward", "Play menu")};
    const std::array<QKeySequence, 4> playShortcuts{QKeySequence(Qt::Key_F9),
                                                    QKeySequence(Qt::Key_F3),
                                                    QKeySequence(Qt::Key_F4), QKeySequence()};
    for (int i = 0; i < 4; ++i)
        mnuPlay[i] = addMenuItem(mnuPlayMenu, arrayMemberName("mnuPlay", i), playCaptions[i],
                                 playShortcuts[i]);
    addSeparator(mnuPlayMenu, QStringLiteral("AI_Separato13"));
    const std::array<QString, 4> loopCaptions{
        tr("&Walk", "Play menu"), tr("&Previous Step", "Play menu"),
        tr("&Current Step", "Play menu"), tr("&Next Step", "Play menu")};
    for (int i = 0; i < 4; ++i)
        mnuLoop[i] = addMenuItem(mnuPlayMenu, arrayMemberName("mnuLoop", i), loopCaptions[i],
                                 QKeySequence(Qt::Key_F5 + i));

    mnuLoops = menuBar()->addMenu(tr("&Looping", "Menu bar"));
    mnuLoops->setObjectName(QStringLiteral("mnuLoops"));
    mnuToggleLooping = addMenuItem(mnuLoops, QStringLiteral("mnuToggleLooping"),
                                   tr("Disable", "Looping menu"), QKeySequence(Qt::Key_F2));
    addSeparator(mnuLoops, QStringLiteral("mnuSeparator12"));
    for (int i = 1; i < int(mnuLoopItem.size()); ++i) {
        mnuLoopItem[i] =
            addMenuItem(mnuLoops, arrayMemberName("mnuLoopItem", i), QStringLiteral("&%1").arg(i));
        mnuLoopItem[i]->setCheckable(true);
    }

    mnuTools = menuBar()->addMenu(tr("&Tools", "Menu bar"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuOptions = addMenuItem(mnuTools, QStringLiteral("mnuOptions"), tr("&Options", "Tools menu"));
    mnuClearFiles = addMenuItem(mnuTools, QStringLiteral("mnuClearFiles"),
                                tr("&Clear File List", "Tools menu"));
    addSeparator(mnuTools, QStringLiteral("AI_SEPARATOR3"));
    mnuGoToTime = addMenuItem(mnuTools, QStringLiteral("mnuGoToTime"),
                              tr("&Go To Time", "Tools menu"), QKeySequence(Qt::Key_F11));
    mnuUpdateTime = addMenuItem(mnuTools, QStringLiteral("mnuUpdateTime"),
                                tr("&Update Time", "Tools menu"), QKeySequence(Qt::Key_F12));
    mnuUpdateTime->setCheckable(true);
    mnuUpdateTime->setChecked(true);
    mnuTimeStamp = addMenuItem(mnuTools, QStringLiteral("mnuTimeStamp"),
                               tr("&Time Stamp", "Tools menu"), QKeySequence(Qt::CTRL | Qt::Key_T));
    addSeparator(mnuTools, QStringLiteral("mnuControlsSeparator"));
    mnuControls =
        addMenuItem(mnuTools, QStringLiteral("mnuControls"), tr("Co&ntrols...", "Tools menu"));
    mnuShowWaveform = addMenuItem(mnuTools, QStringLiteral("mnuShowWaveform"),
                                  tr("Show &Waveform", "Tools menu"));
    mnuShowWaveform->setCheckable(true);
    mnuAlwaysOnTop =
        addMenuItem(mnuTools, QStringLiteral("mnuAlwaysOnTop"), tr("Always on &Top", "Tools menu"));
    mnuAlwaysOnTop->setCheckable(true);
    // A Wayland program cannot ask to stay above the others.
    mnuAlwaysOnTop->setVisible(!QGuiApplication::platformName().startsWith(u"wayland"));
    createSpeedMenu();

    mnuHelp = menuBar()->addMenu(tr("&Help", "Menu bar"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuConents = addMenuItem(mnuHelp, QStringLiteral("mnuConents"), tr("Contents..", "Help menu"));
    mnuIndex = addMenuItem(mnuHelp, QStringLiteral("mnuIndex"), tr("Index..", "Help menu"));
    mnuSearch = addMenuItem(mnuHelp, QStringLiteral("mnuSearch"), tr("Search..", "Help menu"));
    mnuSearch->setVisible(false);
    addSeparator(mnuHelp, QStringLiteral("AI_Separator13"));
    mnuAbout =
        addMenuItem(mnuHelp, QStringLiteral("mnuAbout"), tr("&About Parlanda..", "Help menu"));
    addSeparator(mnuHelp, QStringLiteral("mnuStartHereSeparator"));
    mnuStartHere =
        addMenuItem(mnuHelp, QStringLiteral("mnuStartHere"), tr("&Start Here", "Help menu"));
}

// The speed items follow the Play menu's own behind a separator; the status bar names
// the speed whenever it is not 100 %.
void frmMain::createSpeedMenu() {
    using Command = PlayerController::Command;
    addSeparator(mnuPlayMenu, QStringLiteral("mnuSpeedSeparator"));
    const struct {
        const char* name;
        QString caption;
        QList<QKeySequence> keys;
        Command command;
    } items[] = {
        {"mnuSlower",
         tr("Slo&wer", "Play menu"),
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         Command::Slower},
        {"mnuFaster",
         tr("&Faster", "Play menu"),
         {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
         Command::Faster},
        {"mnuNormalSpeed",
         tr("Normal &Speed", "Play menu"),
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         Command::NormalSpeed},
    };
    for (const auto& item : items) {
        QAction* action = addMenuItem(mnuPlayMenu, QLatin1String(item.name), item.caption);
        action->setShortcuts(item.keys);
        connect(action, &QAction::triggered, controller.get(),
                [this, command = item.command] { controller->run(command); });
    }
    speedStatus = new QLabel(statusBar());
    speedStatus->setObjectName(QStringLiteral("speedStatus"));
    speedStatus->setContentsMargins(6, 0, 6, 0);
    statusBar()->addPermanentWidget(speedStatus);
    ShowSpeed(controller->settings().speed);
}

void frmMain::ShowSpeed(int percent) {
    speedStatus->setText(tr("Speed %1 %").arg(percent));
    speedStatus->setVisible(percent != UserSettings{}.speed);
}

void frmMain::connectHandlers() {
    for (int i = 0; i < 4; ++i) {
        const auto step = PlayerController::Command(i);
        connect(cmdLoop[i], &QToolButton::clicked, controller.get(),
                [this, step] { controller->run(step); });
        connect(mnuLoop[i], &QAction::triggered, controller.get(),
                [this, step] { controller->run(step); });
        // Transport buttons act when the mouse button goes down, seen by eventFilter.
        cmdPlay[i]->installEventFilter(this);
        cmdLoop[i]->installEventFilter(this);
        const auto command =
            PlayerController::Command(int(PlayerController::Command::JumpBack) + i);
        connect(mnuPlay[i], &QAction::triggered, controller.get(),
                [this, command] { controller->run(command); });
    }
    for (int i = 1; i < int(mnuLoopItem.size()); ++i)
        connect(mnuLoopItem[i], &QAction::triggered, controller.get(),
                [this, i] { controller->setRepetitions(i); });
    connect(mnuToggleLooping, &QAction::triggered, controller.get(),
            [this] { controller->setLooping(!controller->settings().looping); });
    for (int i = 0; i < int(mnuRecentFiles.size()); ++i)
        connect(mnuRecentFiles[i], &QAction::triggered, this,
                [this, i] { mnuRecentFiles_Click(i); });
    connect(mnuShowWaveform, &QAction::toggled, this, &frmMain::ShowWaveform);
    connect(mnuUpdateTime, &QAction::triggered, controller.get(),
            [this] { controller->setAutoUpdate(!controller->autoUpdate()); });
    connect(mnuTimeStamp, &QAction::triggered, controller.get(),
            [this] { controller->run(PlayerController::Command::CopyTimeStamp); });
    connect(mnuAlwaysOnTop, &QAction::triggered, this, &frmMain::setAlwaysOnTop);

    const std::initializer_list<std::pair<QAction*, void (frmMain::*)()>> menuHandlers{
        {mnuOpen, &frmMain::mnuOpen_Click},         {mnuInfo, &frmMain::mnuInfo_Click},
        {mnuOptions, &frmMain::mnuOptions_Click},   {mnuClearFiles, &frmMain::mnuClearFiles_Click},
        {mnuGoToTime, &frmMain::mnuGoToTime_Click}, {mnuAbout, &frmMain::mnuAbout_Click},
        {mnuControls, &frmMain::mnuControls_Click},
    };
    for (const auto& [action, handler] : menuHandlers)
        connect(action, &QAction::triggered, this, handler);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuConents, &QAction::triggered, this,
            [this] { dialogs().showHelp(this, Dialogs::HelpCommand::Contents); });
    for (QAction* topics : {mnuIndex, mnuSearch})
        connect(topics, &QAction::triggered, this,
                [this] { dialogs().showHelp(this, Dialogs::HelpCommand::Index); });
    connect(mnuStartHere, &QAction::triggered, this, [this] {
        dialogs().showHelp(this, Dialogs::HelpCommand::Context, StartHereHelpContext);
    });

    txtTime->installEventFilter(this);
    hsbSlider->installEventFilter(this);
    // Only a thumb dragged by the user moves the time shown; positions set by the
    // program move the thumb without it.
    connect(hsbSlider, &QScrollBar::valueChanged, this, [this] {
        if (hsbSlider->isSliderDown())
            hsbSlider_Scroll();
    });
    new KeyPreview(this);
}

void frmMain::connectPlayer() {
    PlayerController* player = controller.get();
    connect(player, &PlayerController::positionShown, this, &frmMain::ShowPosition);
    connect(player, &PlayerController::timeShown, this, &frmMain::ShowTime);
    // The display leaves the time field alone while the user types a time into it.
    connect(player, &PlayerController::positionUpdate, this, [this](qint64 ms) {
        if (txtTime->isReadOnly())
            ShowPosition(ms);
    });
    connect(player, &PlayerController::autoUpdateChanged, mnuUpdateTime, &QAction::setChecked);
    connect(player, &PlayerController::loopingChanged, this, &frmMain::ShowLooping);
    connect(player, &PlayerController::recentFilesChanged, this, &frmMain::BuildRecentFileMenu);
    connect(player, &PlayerController::fileOpened, this, [this] {
        EnableControls(true);
        UpdateStatusBar();
    });
    connect(player, &PlayerController::fileClosed, this, [this] {
        EnableControls(false);
        UpdateStatusBar();
    });
    connect(player, &PlayerController::errorOccurred, this, &frmMain::ShowError);
    connect(player, &PlayerController::outputAvailableChanged, outputStatus,
            [this](bool available) { outputStatus->setVisible(!available); });
    connect(player, &PlayerController::speedChanged, this, &frmMain::ShowSpeed);
    // Whatever asked for the stamp (a menu, a global key, a pedal, the remote), it goes to
    // the clipboard here, where the application's clipboard is.
    connect(player, &PlayerController::timeStampCopied, this, [this](const QString& stamp) {
        QGuiApplication::clipboard()->setText(stamp);
        showStatusMessage(tr("Time stamp %1 copied").arg(stamp));
    });
    connect(player, &PlayerController::resumed, this,
            [this](qint64 ms) { showStatusMessage(tr("Resumed at %1").arg(MsToTimeCode(ms))); });
    connect(player, &PlayerController::fileDamaged, this, [this](qint64 ms) {
        statusBar()->showMessage(
            tr("The file is damaged at %1; it plays as silence there.").arg(MsToTimeCode(ms)));
    });
}

bool frmMain::isPlayerButton(const QObject* object) const {
    return indexOf(cmdLoop, object) >= 0 || indexOf(cmdPlay, object) >= 0;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (isPlayerButton(watched) && isMousePress(event)) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return true;
        static_cast<QWidget*>(watched)->setFocus(Qt::MouseFocusReason);
    }
    if (const int index = indexOf(cmdPlay, watched); index >= 0) {
        if (isMousePress(event)) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            cmdPlay_MouseDown(index, mouse->button(), mouse->modifiers());
        }
        // Only the mouse presses a transport button; the keyboard uses keys and menus.
        return isButtonActivationKey(event);
    }
    if (watched == txtTime) {
        if (isMousePress(event)) {
            // A left click unlocks the field for typing; the position display then
            // leaves it alone.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                txtTime->setReadOnly(false);
        } else if (isEnterKey(event)) {
            txtTime_Validate();
            return true;
        } else if (event->type() == QEvent::FocusOut) {
            // Switching to another program or opening a menu is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                txtTime_Validate();
        }
        return false;
    }
    if (watched == hsbSlider) {
        // Any button: pressing holds the player, releasing goes to the thumb's time.
        if (isMousePress(event))
            controller->holdPosition();
        else if (event->type() == QEvent::MouseButtonRelease)
            controller->releasePosition(SliderPositionMs());
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::startUp() {
    const BusyCursor busy;
    controller->loadSettings();
    mnuAlwaysOnTop->setChecked(ReadWindowSettings().alwaysOnTop);
    if (mnuAlwaysOnTop->isVisible() && mnuAlwaysOnTop->isChecked())
        setAlwaysOnTop(true);
    if (controller->settings().recentFileList != 0)
        BuildRecentFileMenu();
    mnuShowWaveform->setChecked(controller->settings().waveformShown);
    controller->setAutoUpdate(true);
    EnableControls(false);
    UpdateStatusBar();
    setWindowTitle(tr("Parlanda"));
}

void frmMain::closeEvent(QCloseEvent* event) {
    shutDown();
    QMainWindow::closeEvent(event);
}

void frmMain::shutDown() {
    if (shuttingDown)
        return;
    shuttingDown = true;
    controller->saveSettings();
    WriteWindowSettings({mnuAlwaysOnTop->isChecked()});
    // Also covers the recent file list, whose writes may have failed during the run.
    if (SettingsWriteFailed(AppName)) {
        dialogs().message(this,
                          tr("Parlanda could not save its settings and recent files in %1. "
                             "The changes made since the program started are lost.")
                              .arg(QDir::toNativeSeparators(SettingsFilePath(AppName))),
                          tr("Parlanda"), Dialogs::Icon::Exclamation);
    }
    // The options dialog and the folder chooser kept for it are unloaded. An About box
    // left open has no parent: it stays, and the program ends when it is closed.
    delete settingsDialog;
    qDeleteAll(findChildren<frmChooseFolder*>(QString(), Qt::FindDirectChildrenOnly));
    // Nothing may start playing again: no rest ends, and a late done notification
    // finds no walk to continue.
    controller->shutDown();
}

// Above the other windows, such as the editor the transcript is typed in. Changing the
// flag hides a shown window: it comes back where it was.
void frmMain::setAlwaysOnTop(bool on) {
    const bool shown = isVisible();
    const QPoint at = pos();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) {
        move(at);
        show();
    }
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
    txtTime->setText(MsToTimeCode(0));
    hsbSlider->setValue(0);
}

void frmMain::UpdateStatusBar() {
    const QString text = controller->isOpen() ? controller->fileName() : tr("No audio file");
    statusText->setText(text);
    statusText->setToolTip(text);
}
