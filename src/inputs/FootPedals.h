#pragma once

#include "inputs/PedalActions.h"
#include "inputs/PedalDevices.h"

#include <QHash>
#include <QObject>

class PedalReader;
class QSocketNotifier;
struct udev;
struct udev_monitor;

// The foot controls of the machine: the known ones are read through their hidraw nodes
// (never as keyboard input, so a press never reaches the focused editor) from the moment
// they are plugged in; any other input device can be taken over (grabbed, so its keys
// reach only the player) and taught pedal by pedal. Every pedal of every foot control
// drives one PedalActions, whose requests this object passes on.
class FootPedals : public QObject {
    Q_OBJECT
public:
    struct Device {
        QString path;
        QString name;
        QString problem; // why it cannot be read, and the fix; empty while it is read
    };

    explicit FootPedals(const DeviceRoots& roots = {}, QObject* parent = nullptr);
    ~FootPedals() override;

    // Opens the known foot controls present and watches udev for hidraw devices coming
    // and going. Without udev (no netlink socket) only rescan() finds new ones.
    void start();
    QList<Device> devices() const;
    // The input event devices that attachEventDevice can take over.
    QList<DeviceNode> eventDevices() const { return findEventDevices(roots); }
    PedalActions& actions() { return *actions_; }

    // Takes over an input event device ("/dev/input/eventN"). Empty when it is read,
    // otherwise the reason it cannot be, also shown in devices().
    QString attachEventDevice(const QString& path);
    // The next key that goes down on the attached event device becomes the pedal.
    // False when the device is not attached.
    bool teach(const QString& path, Pedal pedal);

public slots:
    // Opens the known foot controls not open yet, and lets go of those that are gone.
    void rescan();

signals:
    void commandRequested(const QString& name);
    void stopAndRewindRequested(int rewindMs);
    // A foot control came, went or cannot be opened: a line for the status bar, sent
    // once per event.
    void statusMessage(const QString& text);
    void devicesChanged();
    void taught(const QString& path, Pedal pedal, int keyCode);

private:
    struct Open {
        PedalReader* reader = nullptr;
        QString path;
        QString name;
        bool hidraw;
    };

    bool watchUdev();
    void udevEvents();
    bool open(const DeviceNode& node, std::unique_ptr<PedalDecoder> decoder, bool grab);
    QString openProblem(const DeviceNode& node, int error) const;
    void readFrom(const DeviceNode& node, int fd, std::unique_ptr<PedalDecoder> decoder);
    void setProblem(const DeviceNode& node, const QString& problem);
    void forget(const QString& path, const QString& reason);

    DeviceRoots roots;
    PedalActions* actions_;
    QHash<QString, Open> readers;
    struct Problem {
        DeviceNode node;
        QString text;
    };
    QHash<QString, Problem> problems;
    udev* udevContext = nullptr;
    udev_monitor* monitor = nullptr;
    QSocketNotifier* udevNotifier = nullptr;
};
