#pragma once

#include "inputs/PedalDecoders.h"

#include <QList>
#include <QString>

#include <memory>

// A foot control the program knows by its USB vendor and product, and how its raw HID
// reports read.
struct KnownPedal {
    quint16 vendor;
    quint16 product;
    int maskBytes; // the pedal bitmask, little-endian, at the start of each report
    int pedals;
};

// The known foot control with this vendor and product; nullptr for any other device.
const KnownPedal* knownPedal(quint16 vendor, quint16 product);
std::unique_ptr<PedalDecoder> decoderFor(const KnownPedal& model);

// A device node found under the /dev folder, with the name the kernel gives the device.
struct DeviceNode {
    QString path;
    QString name;
    const KnownPedal* model = nullptr; // null for event devices
};

// Where the kernel's device tree and the device nodes are: "/sys" and "/dev", or a
// folder a test made up.
struct DeviceRoots {
    QString sysfs = QStringLiteral("/sys");
    QString dev = QStringLiteral("/dev");
};

// The hidraw nodes of known foot controls, by the HID_ID line of each hidraw device's
// uevent file ("HID_ID=0003:000005F3:000000FF": USB, vendor, product).
QList<DeviceNode> findPedalNodes(const DeviceRoots& roots);
// The input event devices ("/dev/input/eventN"), for teaching a foot control the
// program does not know.
QList<DeviceNode> findEventDevices(const DeviceRoots& roots);
