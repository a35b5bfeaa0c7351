// The program in German, as a German desktop starts it: its texts and help translated,
// while object names, shortcuts and what the settings file stores stay as they are.
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/ManualClockWindow.h"
#include "support/Widgets.h"
#include "windows/HelpViewer.h"
#include "windows/Translations.h"

#include <QtTest>
#include <QtWidgets>

class GermanMainWindow : public QObject {
    Q_OBJECT

private slots:
    void captionsAreGermanAndShortcutsUnchanged_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<QKeySequence>>("shortcuts");
        using Keys = QList<QKeySequence>;
        QTest::newRow("mnuFile") << "&Datei" << Keys{};
        QTest::newRow("mnuOpen") << "Ö&ffnen..." << Keys{QKeySequence(Qt::CTRL | Qt::Key_O)};
        QTest::newRow("mnuLoop_3") << "&Nächster Schritt" << Keys{QKeySequence(Qt::Key_F8)};
        QTest::newRow("mnuToggleLooping") << "Deaktivieren" << Keys{QKeySequence(Qt::Key_F2)};
        QTest::newRow("mnuFaster")
            << "S&chneller"
            << Keys{QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)};
        QTest::newRow("cmdLoop_0") << "Durchgehen" << Keys{};
        QTest::newRow("statusText") << "Keine Audiodatei" << Keys{};
    }

    void captionsAreGermanAndShortcutsUnchanged() {
        QFETCH(QString, caption);
        QFETCH(QList<QKeySequence>, shortcuts);
        ManualClockWindow fixture;
        QObject* found = fixture.window().findChild<QObject*>(QTest::currentDataTag());
        QVERIFY2(found, "no object of that name");
        if (auto* menu = qobject_cast<QMenu*>(found)) {
            QCOMPARE(menu->title(), caption);
        } else if (auto* action = qobject_cast<QAction*>(found)) {
            QCOMPARE(action->text(), caption);
            QCOMPARE(action->shortcuts(), shortcuts);
        } else if (auto* button = qobject_cast<QToolButton*>(found)) {
            QCOMPARE(button->toolTip(), caption);
        } else {
            QCOMPARE(qobject_cast<QLabel*>(found)->text(), caption);
        }
    }

    // The toggle item reads "Aktivieren" once repetitions are off; the file keeps English.
    void storedSettingsStayEnglish() {
        ManualClockWindow fixture;
        fixture.trigger("mnuToggleLooping");
        QCOMPARE(fixture.item("mnuToggleLooping").text(), QStringLiteral("Aktivieren"));
        fixture.player().saveSettings();
        QCOMPARE(GetSetting(AppName, "Settings", "Loop Repetitions", {}),
                 QStringLiteral("1,Enable"));
    }

    // The player's own messages are German too, down to the reason the file gave.
    void errorMessageIsGerman() {
        ManualClockWindow fixture;
        fixture.window().OpenChosenFile(fixture.folder() + "/fehlt.wav");
        const auto& calls = fixture.prompts().calls();
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(calls[0].title, QStringLiteral("Audiodatei kann nicht geöffnet werden"));
        QCOMPARE(calls[0].text,
                 fixture.folder() +
                     "/fehlt.wav lässt sich nicht öffnen: die Datei existiert nicht.");
    }

    // The help in German, where the first steps keep the anchor the program opens.
    void helpIsGerman() {
        ShowHelpWindow(nullptr, Dialogs::HelpCommand::Context, StartHereHelpContext);
        QWidget* help = topLevels("frmHelp").value(0);
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Parlanda-Hilfe"));
        const QUrl shown = help->findChild<QTextBrowser*>("helpBrowser")->source();
        QCOMPARE(shown.path() + '#' + shown.fragment(), "/help/de/contents.html#start-here");
        delete help;
    }
};

int main(int argc, char* argv[]) {
    // The language of a German desktop, whatever this machine's own is.
    qputenv("LANG", "de_DE.UTF-8");
    for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(overriding);
    QApplication app(argc, argv);
    InstallTranslations(app);
    GermanMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "german_main_window.moc"
