#include "windows/WaveformStrip.h"

#include "player/PlayerController.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int StripHeight = 72;
// While the position moves, the line glides on the monotonic clock and is set right by
// the player's position this often; further off than JumpMs it jumps there.
constexpr qint64 ResyncMs = 100;
constexpr qint64 JumpMs = 150;
// The view follows its target with this time constant, so that a new step or a jump
// scrolls rather than leaps.
constexpr double GlideMs = 120;
constexpr double ZoomPerNotch = 1.25;
constexpr double WheelNotch = 120;

} // namespace

WaveformStrip::WaveformStrip(PlayerController& player, QWidget* parent)
    : QWidget(parent), player(player) {
    setObjectName(QStringLiteral("waveformStrip"));
    setFixedHeight(StripHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Like the slider: a click commits a time being typed in the time field first.
    setFocusPolicy(Qt::ClickFocus);
    setToolTip(tr("Click to go there; Ctrl+wheel zooms in and out"));
    setAccessibleName(tr("Waveform"));
    frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer, &QTimer::timeout, this, &WaveformStrip::advanceFrame);
    connect(&peaks, &WaveformPeaks::computed, this, [this](qint64 fromMs, qint64 toMs) {
        if (xOf(double(toMs)) >= 0 && xOf(double(fromMs)) <= width())
            update();
    });
    connect(&player, &PlayerController::fileOpened, this, &WaveformStrip::startPeaks);
    connect(&player, &PlayerController::fileClosed, this, [this] {
        peaks.clear();
        update();
    });
    connect(&player, &PlayerController::positionShown, this, &WaveformStrip::followPlayer);
    connect(&player, &PlayerController::positionJumped, this, &WaveformStrip::followPlayer);
    connect(&player, &PlayerController::stateChanged, this, &WaveformStrip::followPlayer);
    connect(&player, &PlayerController::stepWindowChanged, this, &WaveformStrip::followPlayer);
}

QSize WaveformStrip::sizeHint() const {
    return {0, StripHeight};
}

double WaveformStrip::spanMs() const {
    return player.settings().waveformSeconds * 1000.0;
}

qint64 WaveformStrip::msAt(double x) const {
    return std::llround(centreMs - spanMs() / 2 + x * spanMs() / std::max(1, width()));
}

double WaveformStrip::xOf(double ms) const {
    return (ms - centreMs + spanMs() / 2) * std::max(1, width()) / spanMs();
}

// A window restored from the taskbar keeps its peaks; a strip switched on starts them.
void WaveformStrip::showEvent(QShowEvent* event) {
    const double hertz = screen() ? screen()->refreshRate() : 60;
    frameTimer.setInterval(std::max(1, int(1000 / std::max(1.0, hertz))));
    if (event->spontaneous())
        followPlayer();
    else
        startPeaks();
}

// Switched off, the strip costs nothing: no worker, no peaks, no timer.
void WaveformStrip::hideEvent(QHideEvent* event) {
    frameTimer.stop();
    if (!event->spontaneous())
        peaks.clear();
}

void WaveformStrip::startPeaks() {
    if (isVisible() && player.isOpen())
        peaks.start(player.fileName(), player.position());
    followPlayer();
}

bool WaveformStrip::playing() const {
    const PlayerController::State state = player.state();
    return state == PlayerController::State::Playing || state == PlayerController::State::Stepping;
}

void WaveformStrip::anchorPosition() {
    anchorMs = player.position();
    sinceAnchor.start();
}

// The position as the clock carries it on since the last report, within the step playing
// and the file.
qint64 WaveformStrip::shownPosition() const {
    if (!playing() || !sinceAnchor.isValid())
        return anchorMs;
    qint64 ms = anchorMs + sinceAnchor.elapsed() * player.settings().speed / 100;
    if (const auto step = player.stepWindow();
        step && player.state() != PlayerController::State::Playing)
        ms = std::min(ms, step->to);
    return std::min(ms, player.length());
}

// During a walk the view stays on the step; otherwise on the position.
double WaveformStrip::targetCentre() const {
    if (const auto step = player.stepWindow(); step && player.walking())
        return double(step->from + step->to) / 2;
    return double(shownPosition());
}

// Something changed: the line starts from the reported position, and the strip animates
// while the player moves, or else shows the new state at once and rests.
void WaveformStrip::followPlayer() {
    if (!isVisible())
        return;
    anchorPosition();
    const bool moving = playing() || player.state() == PlayerController::State::Resting;
    if (moving && !frameTimer.isActive()) {
        sinceFrame.start();
        frameTimer.start();
    } else if (!moving) {
        frameTimer.stop();
        centreMs = targetCentre();
    }
    peaks.prefer(qint64(centreMs));
    update();
}

void WaveformStrip::advanceFrame() {
    if (playing() && sinceAnchor.elapsed() >= ResyncMs) {
        const qint64 reported = player.position();
        const qint64 predicted = shownPosition();
        anchorMs = std::abs(reported - predicted) > JumpMs ? reported : (reported + predicted) / 2;
        sinceAnchor.start();
    }
    const double elapsedMs = double(sinceFrame.restart());
    centreMs += (targetCentre() - centreMs) * std::min(1.0, elapsedMs / GlideMs);
    peaks.prefer(qint64(centreMs));
    update();
}

void WaveformStrip::mousePressEvent(QMouseEvent*) {
    player.holdPosition();
}

void WaveformStrip::mouseReleaseEvent(QMouseEvent* event) {
    player.releasePosition(std::clamp<qint64>(msAt(event->position().x()), 0, player.length()));
}

// One notch zooms by a quarter; a small step of a touchpad changes the span by at least
// a second.
void WaveformStrip::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ControlModifier) || event->angleDelta().y() == 0)
        return event->ignore();
    const double notches = event->angleDelta().y() / WheelNotch;
    const qint32 seconds = player.settings().waveformSeconds;
    qint32 zoomed = qint32(std::lround(seconds * std::pow(ZoomPerNotch, -notches)));
    if (zoomed == seconds)
        zoomed += notches > 0 ? -1 : 1;
    player.setWaveformSeconds(zoomed);
    peaks.prefer(qint64(centreMs));
    update();
}

void WaveformStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    if (!player.isOpen())
        return;
    // Before the start and after the end of the file.
    const double fileStart = std::max(0.0, xOf(0));
    const double fileEnd = std::min(double(width()), xOf(double(player.length())));
    painter.fillRect(QRectF(0, 0, fileStart, height()), colours.color(QPalette::Window));
    painter.fillRect(QRectF(fileEnd, 0, width() - fileEnd, height()),
                     colours.color(QPalette::Window));
    paintStep(painter);
    paintWaveform(painter);
    const double position = xOf(double(shownPosition()));
    painter.fillRect(QRectF(position - 1, 0, 2, height()), colours.color(QPalette::Highlight));
}

// One bar a pixel column from the lowest to the highest sample under it; a column whose
// peaks are not computed yet stays empty.
void WaveformStrip::paintWaveform(QPainter& painter) const {
    const double middle = height() / 2.0;
    const double amplitude = middle - 2;
    painter.fillRect(QRectF(0, middle - 0.5, width(), 1), palette().color(QPalette::Mid));
    const QColor ink = palette().color(QPalette::Text);
    qint64 columnStart = msAt(0);
    for (int x = 0; x < width(); ++x) {
        const qint64 columnEnd = msAt(x + 1);
        if (const auto peak = peaks.peak(columnStart, columnEnd)) {
            const double top = middle - peak->high * amplitude;
            const double bottom = middle - peak->low * amplitude;
            painter.fillRect(QRectF(x, top, 1, std::max(1.0, bottom - top)), ink);
        }
        columnStart = columnEnd;
    }
}

// The step shaded, and the next step's start as a dashed line under a small triangle.
void WaveformStrip::paintStep(QPainter& painter) const {
    const auto step = player.stepWindow();
    if (!step)
        return;
    QColor shade = palette().color(QPalette::Highlight);
    shade.setAlphaF(0.3f);
    painter.fillRect(
        QRectF(QPointF(xOf(double(step->from)), 0), QPointF(xOf(double(step->to)), height())),
        shade);
    if (!step->nextFrom)
        return;
    const double x = xOf(double(*step->nextFrom));
    const QColor mark = palette().color(QPalette::Text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(mark, 1, Qt::DashLine));
    painter.drawLine(QLineF(x, 0, x, height()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark);
    painter.drawPolygon(QPolygonF({{x - 4, 0}, {x + 4, 0}, {x, 6}}));
    painter.restore();
}
