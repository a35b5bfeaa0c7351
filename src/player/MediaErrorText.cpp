#include "player/MediaErrorText.h"

#include <QCoreApplication>

QString MediaErrorText(int errorNumber) {
    switch (errorNumber) {
    case 30257:
        return QCoreApplication::translate("MediaErrorText", "Invalid device id.");
    case 30263:
        return QCoreApplication::translate("MediaErrorText",
                                           "The device is not open or is not known.");
    case 30266:
        return QCoreApplication::translate("MediaErrorText", "Error load media device driver.");
    case 30274:
        return QCoreApplication::translate("MediaErrorText",
                                           "Action not available for this device.");
    case 30304:
        return QCoreApplication::translate("MediaErrorText", "Invalid filename.");
    default:
        return QCoreApplication::translate("MediaErrorText", "Unknown error (%1).")
            .arg(errorNumber);
    }
}
