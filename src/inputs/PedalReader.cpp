#include "inputs/PedalReader.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
// A device that never stops sending must not hold the thread: after this many reads the
// event loop runs, and the notifier fires again for the rest.
constexpr int MaxReadsPerWakeup = 64;
constexpr int ReadSize = 512; // longer than any HID report of a foot control
} // namespace

PedalReader::PedalReader(int fd, std::unique_ptr<PedalDecoder> decoder, QObject* parent)
    : QObject(parent), fd(fd), decoder_(std::move(decoder)),
      notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    connect(notifier, &QSocketNotifier::activated, this, &PedalReader::readAvailable);
}

PedalReader::~PedalReader() {
    ::close(fd);
}

void PedalReader::readAvailable() {
    char data[ReadSize];
    for (int reads = 0; reads < MaxReadsPerWakeup && notifier->isEnabled(); ++reads) {
        const ssize_t size = ::read(fd, data, sizeof data);
        if (size > 0)
            emitAll(decoder_->decode(QByteArrayView(data, size)));
        else if (size == 0)
            return stop(tr("the device was closed"));
        else if (errno == EAGAIN)
            return;
        else if (errno != EINTR)
            return stop(QString::fromLocal8Bit(std::strerror(errno)));
    }
}

void PedalReader::emitAll(const QList<PedalEvent>& events) {
    for (const PedalEvent& event : events)
        emit pedalChanged(event);
}

void PedalReader::stop(const QString& reason) {
    notifier->setEnabled(false);
    emitAll(decoder_->releaseAll());
    emit lost(reason);
}
