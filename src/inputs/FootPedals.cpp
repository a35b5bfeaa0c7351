#include "inputs/FootPedals.h"

#include "inputs/PedalReader.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <libudev.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
QString errorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// "USB Foot Pedal (/dev/hidraw3)", or the path alone when the kernel gives no name.
QString describe(const QString& path, const QString& name) {
    return name.isEmpty() ? path : name + " (" + path + ')';
}
} // namespace

FootPedals::FootPedals(const DeviceRoots& roots, QObject* parent)
    : QObject(parent), roots(roots), actions_(new PedalActions(this)) {
    connect(actions_, &PedalActions::commandRequested, this, &FootPedals::commandRequested);
    connect(actions_, &PedalActions::stopAndRewindRequested, this,
            &FootPedals::stopAndRewindRequested);
}

FootPedals::~FootPedals() {
    delete udevNotifier; // before the socket it watches is closed
    udev_monitor_unref(monitor);
    udev_unref(udevContext);
}

void FootPedals::start() {
    if (!monitor && !watchUdev())
        qInfo("Foot pedals: udev cannot be watched; pedals plugged in later are not found");
    rescan();
}

bool FootPedals::watchUdev() {
    udevContext = udev_new();
    monitor = udevContext ? udev_monitor_new_from_netlink(udevContext, "udev") : nullptr;
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) ||
        udev_monitor_enable_receiving(monitor))
        return false;
    udevNotifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
    connect(udevNotifier, &QSocketNotifier::activated, this, &FootPedals::udevEvents);
    return true;
}

// udev announces a hidraw device once its node exists with its permissions set.
void FootPedals::udevEvents() {
    while (udev_device* device = udev_monitor_receive_device(monitor))
        udev_device_unref(device);
    rescan();
}

void FootPedals::rescan() {
    const QList<DeviceNode> present = findPedalNodes(roots);
    QStringList presentPaths;
    for (const DeviceNode& node : present) {
        presentPaths.append(node.path);
        if (!readers.contains(node.path) && open(node, decoderFor(*node.model), false))
            emit statusMessage(tr("Foot pedal %1 connected.").arg(describe(node.path, node.name)));
    }
    for (const Open& device : readers.values())
        if (device.hidraw && !presentPaths.contains(device.path))
            device.reader->stop(tr("unplugged"));
    problems.removeIf([&](const auto& problem) {
        return problem.value().node.model && !presentPaths.contains(problem.key());
    });
    emit devicesChanged();
}

QString FootPedals::attachEventDevice(const QString& path) {
    if (readers.contains(path))
        return {};
    DeviceNode node{path, {}};
    for (const DeviceNode& device : findEventDevices(roots))
        if (device.path == path)
            node = device;
    open(node, std::make_unique<EvdevKeyDecoder>(), true);
    emit devicesChanged();
    return problems.value(path).text;
}

bool FootPedals::teach(const QString& path, Pedal pedal) {
    const auto found = readers.constFind(path);
    auto* keys = found == readers.cend()
                     ? nullptr
                     : dynamic_cast<EvdevKeyDecoder*>(&found->reader->decoder());
    if (keys)
        keys->teach(pedal);
    return keys;
}

bool FootPedals::open(const DeviceNode& node, std::unique_ptr<PedalDecoder> decoder, bool grab) {
    const int fd = ::open(node.path.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const int error = fd < 0 ? errno : (grab && ::ioctl(fd, EVIOCGRAB, 1) != 0 ? errno : 0);
    if (error) {
        if (fd >= 0)
            ::close(fd);
        setProblem(node, openProblem(node, error));
        return false;
    }
    problems.remove(node.path);
    readFrom(node, fd, std::move(decoder));
    return true;
}

QString FootPedals::openProblem(const DeviceNode& node, int error) const {
    const QString device = describe(node.path, node.name);
    if (error == EACCES || error == EPERM) {
        return node.model
                   ? tr("Cannot open the foot pedal %1: %2. Install the udev rule "
                        "70-parlanda-pedals.rules (see the help page \"Foot pedals\") and plug "
                        "the pedal in again.")
                         .arg(device, errorText(error))
                   : tr("Cannot open %1: %2. Give your user access to it with a udev rule "
                        "(see the help page \"Foot pedals\").")
                         .arg(device, errorText(error));
    }
    if (error == EBUSY)
        return tr("Cannot take over %1: another program holds it.").arg(device);
    return tr("Cannot open the foot pedal %1: %2.").arg(device, errorText(error));
}

void FootPedals::readFrom(const DeviceNode& node, int fd, std::unique_ptr<PedalDecoder> decoder) {
    const QString path = node.path;
    if (auto* keys = dynamic_cast<EvdevKeyDecoder*>(decoder.get()))
        keys->taught = [this, path](Pedal pedal, int code) { emit taught(path, pedal, code); };
    auto* reader = new PedalReader(fd, std::move(decoder), this);
    connect(reader, &PedalReader::pedalChanged, actions_, &PedalActions::handle);
    connect(reader, &PedalReader::lost, this, [this, path](const QString& reason) {
        forget(path, reason);
        emit devicesChanged();
    });
    readers.insert(path, {reader, path, node.name, node.model != nullptr});
}

void FootPedals::setProblem(const DeviceNode& node, const QString& problem) {
    Problem& known = problems[node.path];
    if (known.text == problem)
        return;
    known = {node, problem};
    emit statusMessage(problem);
}

void FootPedals::forget(const QString& path, const QString& reason) {
    const Open gone = readers.take(path);
    if (!gone.reader)
        return;
    gone.reader->deleteLater();
    emit statusMessage(
        tr("Foot pedal %1 disconnected (%2).").arg(describe(path, gone.name), reason));
}

QList<FootPedals::Device> FootPedals::devices() const {
    QList<Device> list;
    for (const Problem& problem : problems)
        list.append({problem.node.path, problem.node.name, problem.text});
    for (const Open& device : readers)
        list.append({device.path, device.name, {}});
    return list;
}
