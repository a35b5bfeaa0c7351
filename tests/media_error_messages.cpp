// The sentences for the media control's error numbers, shown in an exclamation box with
// no title.
#include "support/ScriptedDialogs.h"
#include "windows/modErrorHandlers.h"

#include <QTest>

class MediaErrorMessages : public QObject {
    Q_OBJECT

private slots:
    void messageForEachNumber() {
        ScriptedDialogs scripted;
        ScopedDialogs installed(scripted);
        for (int number : {30304, 30263, 6, 30258})
            MediaErrorMessage(number);
        QCOMPARE(scripted.messageTexts(),
                 QStringList({"Invalid filename.", "The device is not open or is not known.",
                              "Unknown error (6).", "Unknown error (30258)."}));
        for (const ScriptedDialogs::Call& call : scripted.calls()) {
            QCOMPARE(call.title, QString());
            QCOMPARE(call.icon, Dialogs::Icon::Exclamation);
        }
    }
};

QTEST_MAIN(MediaErrorMessages)
#include "media_error_messages.moc"
