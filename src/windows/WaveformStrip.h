#pragma once

#include "audio/WaveformPeaks.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class PlayerController;

// The sound around the position as a waveform: the position as a line, the walk's step
// shaded and the next step's start marked. It follows playback between the player's
// reports on a monotonic clock, repainting at the display's rate only while something
// moves. A click goes to the time under the pointer as the position slider does;
// Ctrl+wheel zooms. The peaks are computed while the strip is shown.
class WaveformStrip : public QWidget {
    Q_OBJECT
public:
    explicit WaveformStrip(PlayerController& player, QWidget* parent = nullptr);

    // The time under x (device-independent pixels), and the other way round.
    qint64 msAt(double x) const;
    double xOf(double ms) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void startPeaks();
    bool playing() const;
    // The player's position taken as the start of the line's motion.
    void anchorPosition();
    qint64 shownPosition() const;
    double targetCentre() const;
    void advanceFrame();
    void followPlayer();
    double spanMs() const;
    void paintWaveform(QPainter& painter) const;
    void paintStep(QPainter& painter) const;

    PlayerController& player;
    WaveformPeaks peaks;
    QTimer frameTimer;
    QElapsedTimer sinceAnchor;
    QElapsedTimer sinceFrame;
    qint64 anchorMs = 0;
    double centreMs = 0;
};
