#pragma once

#include "inputs/PedalDecoders.h"

#include <QObject>

#include <memory>

class QSocketNotifier;

// Reads a pedal's device node (hidraw or input event device) when the kernel says it has
// data, so an idle pedal costs no wakeups, and turns what it reads into pedal events.
class PedalReader : public QObject {
    Q_OBJECT
public:
    // Takes the open, non-blocking file descriptor and closes it when destroyed.
    PedalReader(int fd, std::unique_ptr<PedalDecoder> decoder, QObject* parent = nullptr);
    ~PedalReader() override;

    PedalDecoder& decoder() { return *decoder_; }
    // Stops reading: releases the pedals still held and sends lost(reason).
    void stop(const QString& reason);

signals:
    void pedalChanged(PedalEvent event);
    // The node cannot be read any more (unplugged, closed, failing): sent once, after
    // the pedals still held were released. Nothing is read after it.
    void lost(const QString& reason);

private:
    void readAvailable();
    void emitAll(const QList<PedalEvent>& events);

    int fd;
    std::unique_ptr<PedalDecoder> decoder_;
    QSocketNotifier* notifier;
};
