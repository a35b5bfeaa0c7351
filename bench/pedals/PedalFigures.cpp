#include "pedals/PedalFigures.h"

#include "inputs/PedalActions.h"
#include "inputs/PedalDevices.h"
#include "inputs/PedalReader.h"

#include <QFile>
#include <QSemaphore>
#include <QThread>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Presses = 200;
constexpr int IdleSeconds = 5;

// Voluntary and involuntary context switches of one thread of this process.
long contextSwitches(pid_t thread) {
    QFile status(QString("/proc/self/task/%1/status").arg(thread));
    long switches = 0;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.contains("ctxt_switches"))
                switches += line.split('\t').last().trimmed().toLong();
    return switches;
}

bool writeReport(int fd, const char (&report)[2]) {
    return write(fd, report, sizeof report) == sizeof report;
}

std::vector<double> reportToCommandMs(int writer, PedalActions& actions) {
    std::atomic<Clock::rep> commandAt{0};
    QSemaphore commands;
    QObject::connect(
        &actions, &PedalActions::commandRequested, &actions,
        [&] {
            commandAt = Clock::now().time_since_epoch().count();
            commands.release();
        },
        Qt::DirectConnection);
    std::vector<double> ms;
    for (int i = 0; i < Presses; ++i) {
        const Clock::time_point written = Clock::now();
        if (!writeReport(writer, {1, 0}) || !commands.tryAcquire(1, 1000))
            break;
        const Clock::time_point asked{Clock::duration(commandAt.load())};
        ms.push_back(std::chrono::duration<double, std::milli>(asked - written).count());
        writeReport(writer, {0, 0});
        QThread::msleep(5);
    }
    return ms;
}

} // namespace

void printPedalFigures() {
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0)
        return void(std::printf("pedal: cannot make a socket pair\n"));
    QThread thread;
    thread.setObjectName("pedal-reader");
    auto* reader = new PedalReader(fds[0], decoderFor(*knownPedal(0x05f3, 0x00ff)));
    auto* actions = new PedalActions(reader);
    QObject::connect(reader, &PedalReader::pedalChanged, actions, &PedalActions::handle);
    reader->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, reader, &QObject::deleteLater);
    std::atomic<pid_t> readerThread{0};
    QObject::connect(
        &thread, &QThread::started, reader, [&] { readerThread = gettid(); }, Qt::DirectConnection);
    thread.start();
    while (!readerThread)
        QThread::msleep(1);

    std::vector<double> ms = reportToCommandMs(fds[1], *actions);
    std::sort(ms.begin(), ms.end());
    if (!ms.empty())
        std::printf("pedal report to command: median %.3f ms, max %.3f ms (%zu presses); the "
                    "first sound follows the command as in \"command to first sound\"\n",
                    ms[ms.size() / 2], ms.back(), ms.size());
    const long before = contextSwitches(readerThread);
    QThread::sleep(IdleSeconds);
    std::printf("pedal reading thread wakeups while idle for %d s: %ld\n", IdleSeconds,
                contextSwitches(readerThread) - before);
    thread.quit();
    thread.wait();
    close(fds[1]);
}
