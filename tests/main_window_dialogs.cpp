// The main window's dialogs as the user meets them: the Options dialog and its folder
// chooser driven through their controls; the help window and its finder, also beside a
// modal dialog; the About box's keys and life; File > Info's three lines for files of
// several formats and for files the dialog's own opening cannot read.
#include "SoundFiles.h"
#include "audio/MciCommand.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"
#include "support/Widgets.h"
#include "windows/HelpViewer.h"
#include "windows/frmAbout.h"
#include "windows/frmChooseFolder.h"
#include "windows/frmInfo.h"
#include "windows/frmSettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

const QString InvalidText = QStringLiteral("Please enter a valid number of seconds.");

// The player whose settings the dialog edits, and the window that keeps its chooser.
struct Owner {
    Owner() { player.loadSettings(); }
    PlayerController player{
        std::make_unique<NullAudioOutput>(std::make_shared<ManualAudioClock>())};
    QWidget window;
};

QLineEdit* timeBox(QWidget& dialog, int index) {
    return &child<QLineEdit>(dialog, QStringLiteral("txtSetting_%1").arg(index));
}

void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->clear();
    QTest::keyClicks(box, text);
}

// Shown, not run modally, so that the test keeps control; Cancel and Esc delete it.
QPointer<frmSettings> showOptions(Owner& owner) {
    QPointer<frmSettings> dialog = new frmSettings(owner.player, owner.window);
    dialog->show();
    return QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

// Answers every message box shown while it lives, counting the refused durations.
struct MessageAnswerer {
    int refusals = 0;
    QTimer timer;
    MessageAnswerer() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refusals += box->text() == InvalidText;
                box->accept();
            }
        });
        timer.start(20);
    }
};

QString pageShown(QWidget& help) {
    return help.findChild<QTextBrowser*>("helpBrowser")->source().fileName();
}

const QString NoDetails = QStringLiteral("Unable to obtain recording information.");

QStringList linesOf(const QWidget& dialog) {
    QStringList lines;
    for (const char* name : {"lblName", "lblLength", "lblStatus"})
        if (const auto* label = dialog.findChild<QLabel*>(QLatin1String(name)))
            lines.append(label->text());
    return lines;
}

// The lines the dialog should show.
QStringList expected(const QString& path, const char* length, const QString& recording) {
    return {"File: " + path, QStringLiteral("Length: ") + length, recording};
}

// Runs File > Info; returns the lines of the dialog, closed by its button.
QStringList showInfo(frmMain& window) {
    QStringList lines;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            lines = linesOf(*dialog);
            dialog->findChild<QPushButton*>("OKButton")->click();
        }
    });
    window.findChild<QAction*>("mnuInfo")->trigger();
    return lines;
}

} // namespace

class MainWindowDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    QTemporaryDir files;

private slots:
    void init() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QLocale::setDefault(QLocale::c());
    }
    void cleanup() { qDeleteAll(topLevels("frmHelp") + topLevels("frmAbout")); }

    // Tab out of a time box: a refused text (accepted "") keeps the focus and gives one
    // message; an accepted one is shown as "#0.00" and the focus moves on.
    void durationValidation() {
        // clang-format off
        const std::tuple<const char*, const char*, const char*> rows[] = {
            {"C", "0.01", ""}, {"C", "0", ""}, {"C", "-1", ""}, {"C", "abc", ""}, {"C", "", ""},
            {"C", "3e6", ""}, {"C", "0.02", "0.02"}, {"C", "1.005", "1.00"}, {"C", "1.015", "1.02"},
            {"C", "123456", "12345.00"}, {"de_DE", "2,5", "2,50"}, {"de_DE", "2.500", "2,50"}};
        // clang-format on
        for (const auto& [locale, typed, accepted] : rows) {
            QLocale::setDefault(QLocale(locale));
            Owner window;
            QPointer<frmSettings> dialog = showOptions(window);
            QLineEdit* box = timeBox(*dialog, 3);
            typeInto(box, typed);
            const MessageAnswerer answerer;
            QTest::keyClick(box, Qt::Key_Tab);
            const bool refused = QString(accepted).isEmpty();
            QCOMPARE(box->text(), refused ? QString(typed).left(5) : QString(accepted));
            QCOMPARE(answerer.refusals, refused ? 1 : 0);
            QCOMPARE(dialog->focusWidget() == box, refused);
        }
    }

    // A click or mnemonic that would take the focus from a refused box does nothing but
    // the message, though the message box runs its own event loop in the middle of the
    // focus move; Esc still closes the dialog, unwritten.
    void refusedBoxStopsTheClickThatLeftIt() {
        Owner window;
        QPointer<frmSettings> dialog = showOptions(window);
        QLineEdit* step = timeBox(*dialog, 0);
        typeInto(step, "abc");
        const MessageAnswerer answerer;
        QTest::keyClick(step, Qt::Key_C, Qt::AltModifier); // while the dialog is active
        for (const char* name : {"cmdCancel", "cmdDefault", "cmdOK"})
            QTest::mouseClick(&child(*dialog, name), Qt::LeftButton);
        QTest::mouseClick(timeBox(*dialog, 1), Qt::LeftButton);
        QCOMPARE(answerer.refusals, 5);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->focusWidget(), step);
        QCOMPARE(step->text(), QString("abc"));
        QTest::keyClick(step, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(window.player.settings().step, 4000);
    }

    // OK sets the window's settings, raising a Jump below the Step, and clears the list
    // switched off; Cancel, Esc and the close button change nothing, though Clear List
    // has acted at once. None writes the store.
    void okAppliesOthersDiscard() {
        for (const QString how : {"OK", "Cancel", "esc", "close"}) {
            Owner window;
            AddRecentFile("/audio/one.wav", 9);
            QPointer<frmSettings> dialog = showOptions(window);
            for (int i = 0; i < 4; ++i)
                typeInto(timeBox(*dialog, i), QStringList{"4", "0.5", "0.25", "2"}[i]);
            QTest::mouseClick(&child(*dialog, "DownButton"), Qt::LeftButton);
            QTest::mouseClick(&child(*dialog, "chkRecentFiles"), Qt::LeftButton);
            if (how == "Cancel") // acts at once, and Cancel does not undo it
                QTest::mouseClick(&child(*dialog, "cmdClearFiles"), Qt::LeftButton);
            if (how == "esc")
                QTest::keyClick(&child(*dialog, "chkRecentFiles"), Qt::Key_Escape);
            else if (how == "close")
                dialog->close();
            else
                QTest::mouseClick(&child(*dialog, "cmd" + how), Qt::LeftButton);
            const bool ok = how == "OK";
            const UserSettings& set = window.player.settings();
            QCOMPARE(std::tuple(set.offset, set.pause, set.jump, set.maxFiles),
                     ok ? std::tuple(500, 250, 4000, qint16(8))
                        : std::tuple(1100, 600, 4000, qint16(9)));
            QCOMPARE(FindRecentFile("/audio/one.wav", 9), qint16(ok || how == "Cancel" ? -1 : 1));
            QCOMPARE(GetSetting(AppName, "Settings", "Offset", "none"), QString("none"));
        }
    }

    // The folder chooser: only OK sets the result, the folder as cased, the nearest that
    // exists, or home for no usable path. The drive list shows the folder's volume; a volume
    // chosen goes to its root.
    void folderChooserResultStartFolderAndDrive() {
        QTemporaryDir root;
        const QString a = root.path() + "/Interviews", b = root.path() + "/Lectures 2024";
        QVERIFY(QDir().mkpath(a) && QDir().mkpath(b) &&
                QFile(a + "/Tape.WAV").open(QFile::WriteOnly));
        // clang-format off
        const std::tuple<QString, bool, QString> rows[] = { // path, OK, result
            {a, false, ""}, {a, true, a}, {b, false, a}, {b + "/", true, b},
            {a + "/gone/deeper", true, a}, {a + "/Tape.WAV", true, a}, {"", true, QDir::homePath()},
            {"c:\\my documents", true, QDir::homePath()}};
        // clang-format on
        frmChooseFolder chooser;
        const auto closeWith = [&chooser](bool ok) {
            chooser.show();
            const char* button = ok ? "OKButton" : "CancelButton";
            QTest::mouseClick(chooser.findChild<QPushButton*>(button), Qt::LeftButton);
        };
        for (const auto& [path, ok, result] : rows) {
            chooser.setPath(path);
            closeWith(ok);
            QCOMPARE(chooser.resultText(), result);
        }
        chooser.setPath(a);
        auto* drives = chooser.findChild<QComboBox*>("Drive1");
        QCOMPARE(drives->currentText(), QStorageInfo(a).rootPath());
        chooser.Drive1_Change(drives->findText(QDir::rootPath()));
        closeWith(true);
        QCOMPARE(chooser.resultText(), QDir::rootPath());
    }

    // Index opens the finder, where Enter opens the first topic holding the words. F1 in the
    // options shows their page in the one help window, usable beside them and gone with them.
    void helpWindowServesTheOptionsBesideTheirDialog() {
        QWidget owner;
        owner.show();
        ShowHelpWindow(&owner, Dialogs::HelpCommand::Index, 0);
        QPointer<QWidget> help = topLevels("frmHelp").value(0);
        QVERIFY(help && help->findChild<QWidget*>("topicFinder")->isVisible());
        QCOMPARE(pageShown(*help), QStringLiteral("contents.html"));

        auto* options = new QDialog(&owner);
        options->setModal(true);
        options->show();
        ShowHelpWindow(options, Dialogs::HelpCommand::Context, 1007);
        QCOMPARE(topLevels("frmHelp"), QList<QWidget*>({help.data()}));
        QCOMPARE(pageShown(*help), QStringLiteral("options.html"));
        // Clicked through the window system, which drops input to windows a modal one blocks.
        const auto* contents = help->findChild<QPushButton*>("cmdContents");
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(help, contents->rect().center()));
        QCOMPARE(pageShown(*help), QStringLiteral("contents.html"));
        auto* findBox = help->findChild<QLineEdit*>("txtFind");
        findBox->setText("pause interval");
        QTest::keyClick(findBox, Qt::Key_Return);
        QCOMPARE(pageShown(*help), QStringLiteral("options.html"));
        delete options;
        QVERIFY(help.isNull());
    }

    // Help > Start Here opens the contents page at the first steps, whose anchor exists.
    void startHereOpensTheFirstSteps() {
        ManualClockWindow fixture;
        fixture.trigger("mnuStartHere");
        const QList<ScriptedDialogs::Call> calls = fixture.prompts().calls();
        QVERIFY(calls.size() == 1 && calls[0].kind == ScriptedDialogs::Kind::Help);
        ShowHelpWindow(nullptr, calls[0].helpCommand, calls[0].helpContext);
        auto* browser = topLevels("frmHelp").value(0)->findChild<QTextBrowser*>("helpBrowser");
        QCOMPARE(browser->source().fileName() + '#' + browser->source().fragment(),
                 "contents.html#start-here");
        QVERIFY(browser->toHtml().contains("name=\"start-here\""));
    }

    // Only Enter and Esc close the box; the OK button never sees a key (Space would press it).
    void aboutBoxKeys() {
        const QList<Qt::Key> closing = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
        for (const Qt::Key key : closing + QList<Qt::Key>{Qt::Key_Space, Qt::Key_A}) {
            QPointer<frmAbout> box = new frmAbout;
            box->show();
            auto* ok = box->findChild<QPushButton*>("cmdOK");
            QSignalSpy pressed(ok, &QPushButton::clicked);
            QTest::keyClick(ok, key);
            QTest::qWait(20);
            QCOMPARE(box.isNull(), closing.contains(key));
            QCOMPARE(pressed.count(), 0);
        }
    }

    // About shows one box; it outlives the main window, which takes the options dialog and
    // the folder chooser with it, and the program's own event loop ends only when About is
    // closed too.
    void aboutBoxOutlivesMainWindow() {
        ManualClockWindow fixture;
        fixture.window().show();
        QPointer<QDialog> options;
        QTimer::singleShot(0, [&] {
            options = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QTest::mouseClick(&child(*options, "cmdOK"), Qt::LeftButton);
        });
        fixture.trigger("mnuOptions");
        QVERIFY(options);
        QPointer<QDialog> chooser = new frmChooseFolder(&fixture.window());
        fixture.trigger("mnuAbout");
        fixture.trigger("mnuAbout");
        QCOMPARE(topLevels("frmAbout").size(), 1);
        QPointer<QWidget> box = topLevels("frmAbout").value(0);
        QVERIFY(box->findChild<QLabel*>("lblVersion")->text().startsWith("Version 2.0.0,  "));

        bool openAfterMainWindowClosed = false;
        QObject steps; // its timers go with it, should the loop end early
        QTimer::singleShot(0, &steps, [&] {
            fixture.window().close();
            QTimer::singleShot(100, &steps, [&] {
                openAfterMainWindowClosed = box && box->isVisible();
                if (box)
                    box->close();
            });
        });
        QTimer::singleShot(5000, &steps, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(openAfterMainWindowClosed && options.isNull() && chooser.isNull());
    }

    // A PCM file gives its bits per sample, a compressed one names its codec. A file the
    // dialog's own opening cannot read, or whose alias is held elsewhere, keeps its name and
    // length and says nothing of another file; the device held elsewhere stays open.
    void recordingLineDescribesTheFile() {
        const int wav = SF_FORMAT_WAV;
        // clang-format off
        const struct {
            const char* name;
            ToneFile tone;      // rate, channels, format (0: noise)
            QStringList ffmpeg; // options of the file made by ffmpeg instead
            QString recordingLine;
        } rows[] = {
            {"t1.wav", {11025, 1, wav | SF_FORMAT_PCM_U8}, {}, "11.0 kHz, mono, 8 bits per channel"},
            {"t2.wav", {48000, 2, wav | SF_FORMAT_PCM_24}, {}, "48.0 kHz, stereo, 24 bits per channel"},
            {"t3.wav", {16000, 1, wav | SF_FORMAT_IMA_ADPCM}, {}, "16.0 kHz, mono, 4 bits per channel"},
            {"six channels.wav", {44100, 6}, {}, NoDetails},
            {"vorbis.ogg", {44100, 2, SF_FORMAT_OGG | SF_FORMAT_VORBIS}, {}, NoDetails},
            {"say \"alias\" x alias y.wav", {22000, 1}, {}, "22.0 kHz, mono, 16 bits per channel"},
            {"blank at the end ", {8000, 2}, {}, "8.0 kHz, stereo, 16 bits per channel"},
            {"memo.m4a", {}, {"-ar", "48000", "-ac", "2"}, "48.0 kHz, stereo, AAC (Advanced Audio Coding)"},
            {"interview.mp3", {}, {"-ar", "16000"}, "16.0 kHz, mono, MP3 (MPEG audio layer 3)"},
            {"notes.wav", {.format = 0}, {}, NoDetails}};
        // clang-format on
        for (const auto& row : rows) {
            const QString path = files.filePath(QString::fromUtf8(row.name));
            if (row.tone.format == 0)
                QVERIFY(writeNoise(path));
            else if (row.ffmpeg.isEmpty())
                QVERIFY(writeToneFile(path, row.tone));
            else
                runFfmpeg(QStringList{"-f", "lavfi", "-i", "sine=d=1"} + row.ffmpeg +
                          QStringList{path});
            QCOMPARE(linesOf(frmInfo(path, 500, nullptr)),
                     expected(path, "00:00:00:50 (0.5 seconds)", row.recordingLine));
            // The dialog's own opening is closed again before it is shown.
            QCOMPARE(mciSendString("close myWave", nullptr, 0), MciError::DeviceNotOpen);
        }
        // Numbers in the user's notation, never grouped.
        const QString t1 = files.filePath("t1.wav");
        QCOMPARE(linesOf(frmInfo(t1, 3599990, nullptr)).mid(1),
                 QStringList({"Length: 00:59:59:99 (3600.0 seconds)", rows[0].recordingLine}));
        QCOMPARE(mciSendString("open waveaudio!" + files.filePath("t2.wav") + " alias myWave",
                               nullptr, 0),
                 0);
        QCOMPARE(linesOf(frmInfo(t1, 0, nullptr)),
                 expected(t1, "00:00:00:00 (0.0 seconds)", NoDetails));
        QCOMPARE(mciSendString("close myWave", nullptr, 0), 0);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(linesOf(frmInfo(t1, 500, nullptr)).mid(1),
                 QStringList(
                     {"Length: 00:00:00:50 (0,5 seconds)", "11,0 kHz, mono, 8 bits per channel"}));
    }

    // Shown again, the dialog describes the file open now.
    void infoCommandAsksAfreshEveryTime() {
        ManualClockWindow fixture;
        QVERIFY(fixture.openFile(2500, "first tape.wav"));
        QCOMPARE(showInfo(fixture.window()),
                 expected(fixture.folder() + "/first tape.wav", "00:00:02:50 (2.5 seconds)",
                          "8.0 kHz, mono, 16 bits per channel"));

        const QString path = fixture.folder() + "/second.wav";
        QVERIFY(writeToneFile(path, {}));
        fixture.prompts().queueOpenFile(path);
        fixture.trigger("mnuOpen");
        QCOMPARE(showInfo(fixture.window()), expected(path, "00:00:01:00 (1.0 seconds)",
                                                      "44.1 kHz, stereo, 16 bits per channel"));
    }
};

QTEST_MAIN(MainWindowDialogs)
#include "main_window_dialogs.moc"
