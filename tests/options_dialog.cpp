// The Options dialog and its folder chooser driven through their controls, as the user
// meets them.
#include "audio/NullAudioOutput.h"
#include "player/PlayerController.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "windows/frmChooseFolder.h"
#include "windows/frmSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
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

template <typename Control = QPushButton> Control* control(QWidget& dialog, const QString& name) {
    return dialog.findChild<Control*>(name);
}

QLineEdit* timeBox(QWidget& dialog, int index) {
    return control<QLineEdit>(dialog, QStringLiteral("txtSetting_%1").arg(index));
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

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() { QLocale::setDefault(QLocale::c()); }

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
            QTest::mouseClick(control(*dialog, name), Qt::LeftButton);
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
            QTest::mouseClick(control<QToolButton>(*dialog, "DownButton"), Qt::LeftButton);
            QTest::mouseClick(control<QCheckBox>(*dialog, "chkRecentFiles"), Qt::LeftButton);
            if (how == "Cancel") // acts at once, and Cancel does not undo it
                QTest::mouseClick(control(*dialog, "cmdClearFiles"), Qt::LeftButton);
            if (how == "esc")
                QTest::keyClick(control<QCheckBox>(*dialog, "chkRecentFiles"), Qt::Key_Escape);
            else if (how == "close")
                dialog->close();
            else
                QTest::mouseClick(control(*dialog, "cmd" + how), Qt::LeftButton);
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
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog.moc"
