// The program in German, as a German desktop starts it: its texts and help translated,
// while object names, shortcuts and what the settings file stores stay as they are.
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/ManualClockWindow.h"
#include "support/Widgets.h"
#include "windows/HelpViewer.h"
#include "windows/Translations.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

class GermanMainWindow : public QObject {
    Q_OBJECT

private slots:
    // A caption of each kind of control, and the shortcuts of the items, which stay.
    void captionsAreGermanAndShortcutsUnchanged() {
        ManualClockWindow fixture;
        const std::pair<const char*, QString> rows[] = {{"mnuFile", "&Datei"},
                                                        {"mnuOpen", "Ö&ffnen... Ctrl+O"},
                                                        {"mnuLoop_3", "&Nächster Schritt F8"},
                                                        {"mnuToggleLooping", "Deaktivieren F2"},
                                                        {"mnuFaster", "S&chneller Ctrl+=; Ctrl++"},
                                                        {"cmdLoop_0", "Durchgehen"},
                                                        {"statusText", "Keine Audiodatei"}};
        for (const auto& [name, shown] : rows) {
            const QObject& found = child<QObject>(fixture.window(), name);
            const char* caption = qobject_cast<const QMenu*>(&found)         ? "title"
                                  : qobject_cast<const QToolButton*>(&found) ? "toolTip"
                                                                             : "text";
            QStringList parts{found.property(caption).toString()};
            if (const auto* item = qobject_cast<const QAction*>(&found);
                item && !item->shortcuts().isEmpty())
                parts << QKeySequence::listToString(item->shortcuts());
            QCOMPARE(parts.join(' '), shown);
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
        const ScriptedDialogs::Call shown = fixture.prompts().calls().value(0);
        QCOMPARE(shown.title + ": " + shown.text,
                 "Audiodatei kann nicht geöffnet werden: " + fixture.folder() +
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
