#include "inputs/PedalDevices.h"

#include <QDir>
#include <QFile>

#include <array>

namespace {

constexpr std::array knownPedals{
    KnownPedal{0x05f3, 0x00ff, 2, 3}, // the common three-pedal USB foot pedal
    KnownPedal{0x0911, 0x1844, 1, 4}, // dictation foot controls
    KnownPedal{0x0911, 0x091a, 1, 4},
};

constexpr quint16 UsbBus = 0x0003;

QByteArray readSmallFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

QByteArray ueventValue(const QByteArray& uevent, QByteArrayView key) {
    for (const QByteArray& line : uevent.split('\n'))
        if (line.startsWith(key) && line.size() > key.size() && line[key.size()] == '=')
            return line.mid(key.size() + 1).trimmed();
    return {};
}

// "0003:000005F3:000000FF" -> the known foot control, when it is one.
const KnownPedal* pedalOfHidId(const QByteArray& hidId) {
    const QList<QByteArray> fields = hidId.split(':');
    if (fields.size() != 3)
        return nullptr;
    bool busOk = false, vendorOk = false, productOk = false;
    const uint bus = fields[0].toUInt(&busOk, 16);
    const uint vendor = fields[1].toUInt(&vendorOk, 16);
    const uint product = fields[2].toUInt(&productOk, 16);
    if (!busOk || !vendorOk || !productOk || bus != UsbBus || vendor > 0xffff || product > 0xffff)
        return nullptr;
    return knownPedal(quint16(vendor), quint16(product));
}

QStringList classEntries(const DeviceRoots& roots, const QString& deviceClass,
                         const QString& pattern) {
    return QDir(roots.sysfs + "/class/" + deviceClass)
        .entryList({pattern}, QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

const KnownPedal* knownPedal(quint16 vendor, quint16 product) {
    for (const KnownPedal& model : knownPedals)
        if (model.vendor == vendor && model.product == product)
            return &model;
    return nullptr;
}

std::unique_ptr<PedalDecoder> decoderFor(const KnownPedal& model) {
    return std::make_unique<HidMaskDecoder>(model.maskBytes, model.pedals);
}

QList<DeviceNode> findPedalNodes(const DeviceRoots& roots) {
    QList<DeviceNode> nodes;
    for (const QString& entry : classEntries(roots, "hidraw", "hidraw*")) {
        const QByteArray uevent =
            readSmallFile(roots.sysfs + "/class/hidraw/" + entry + "/device/uevent");
        if (const KnownPedal* model = pedalOfHidId(ueventValue(uevent, "HID_ID")))
            nodes.append({roots.dev + '/' + entry,
                          QString::fromUtf8(ueventValue(uevent, "HID_NAME")), model});
    }
    return nodes;
}

QList<DeviceNode> findEventDevices(const DeviceRoots& roots) {
    QList<DeviceNode> nodes;
    for (const QString& entry : classEntries(roots, "input", "event*")) {
        const QByteArray name =
            readSmallFile(roots.sysfs + "/class/input/" + entry + "/device/name").trimmed();
        nodes.append({roots.dev + "/input/" + entry, QString::fromUtf8(name)});
    }
    return nodes;
}
