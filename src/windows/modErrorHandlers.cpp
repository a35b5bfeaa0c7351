#include "windows/modErrorHandlers.h"

#include "player/MediaErrorText.h"
#include "windows/Dialogs.h"

#include <QApplication>

void MediaErrorMessage(int errorNumber) {
    dialogs().message(QApplication::activeWindow(), MediaErrorText(errorNumber), QString(),
                      Dialogs::Icon::Exclamation);
}

void PumpEvents(int count) {
    for (int pass = 0; pass < count; ++pass)
        QCoreApplication::processEvents();
}
