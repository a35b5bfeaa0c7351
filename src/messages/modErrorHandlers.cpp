#include "messages/modErrorHandlers.h"

#include "platform/Dialogs.h"

#include <QApplication>

QString MediaErrorText(int errorNumber) {
    switch (errorNumber) {
    case 30257:
        return QStringLiteral("Invalid device id.");
    case 30263:
        return QStringLiteral("The device is not open or is not known.");
    case 30266:
        return QStringLiteral("Error load media device driver.");
    case 30274:
        return QStringLiteral("Action not available for this device.");
    case 30304:
        return QStringLiteral("Invalid filename.");
    default:
        return QStringLiteral("Unknown error (%1).").arg(errorNumber);
    }
}

void MediaErrorMessage(int errorNumber) {
    dialogs().message(QApplication::activeWindow(), MediaErrorText(errorNumber), QString(),
                      Dialogs::Icon::Exclamation);
}

void PumpEvents(int count) {
    for (int pass = 0; pass < count; ++pass)
        QCoreApplication::processEvents();
}
