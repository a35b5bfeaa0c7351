#pragma once

#include "audio/MediaControl.h"

// Moves the device to target and returns once it is there, without a done notification.
inline void SeekAndWait(MediaControl& device, qint32 target) {
    device.setWait(true);
    device.setNotify(false);
    device.setTo(target);
    device.setCommand(QStringLiteral("Seek"));
}
