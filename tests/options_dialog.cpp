// The Options dialog driven through its controls: refused durations keep the focus and
// stop the click that would have left them, OK writes the main window's settings,
// Cancel and Esc write nothing, Default, the arrows, Clear List and the kept dialog.
#include "app/frmMain.h"
#include "files/RecentFiles.h"
#include "files/frmChooseFolder.h"
#include "platform/NullAudioOutput.h"
#include "platform/SettingsStore.h"
#include "settings/frmSettings.h"
#include "settings/modSettings.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

const QString InvalidText = QStringLiteral("Please enter a valid number of seconds.");

std::unique_ptr<frmMain> newMainWindow() {
    return std::make_unique<frmMain>(
        std::make_unique<NullAudioOutput>(std::make_shared<ManualAudioClock>()));
}

QByteArray storeContents() {
    QFile file(SettingsFilePath(AppName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename Control> Control* control(QWidget& dialog, const QString& name) {
    auto* found = dialog.findChild<Control*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QLineEdit* timeBox(QWidget& dialog, int index) {
    return control<QLineEdit>(dialog, QStringLiteral("txtSetting_%1").arg(index));
}

QPushButton* button(QWidget& dialog, const char* name) {
    return control<QPushButton>(dialog, name);
}

QStringList timeTexts(QWidget& dialog) {
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts.append(timeBox(dialog, i)->text());
    return texts;
}

// Puts the focus into the box and types text over what it held.
void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// A dialog shown (not run modally) over the window, active, so that the test keeps
// control; Cancel and Esc delete it as in use.
QPointer<frmSettings> showOptions(frmMain& window) {
    QPointer<frmSettings> dialog = new frmSettings(window);
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog))
        qWarning("the Options dialog did not become active");
    return dialog;
}

// Tools > Options as the user runs it (modal), with drive run while it is up. A dialog
// that drive leaves open is closed, so that a failed check cannot hang the test.
void runOptions(frmMain& window, const std::function<void(frmSettings&)>& drive) {
    QTimer::singleShot(0, &window, [&window, &drive] {
        QPointer<frmSettings> dialog = window.findChild<frmSettings*>();
        if (dialog && QTest::qWaitForWindowActive(dialog))
            drive(*dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
    });
    window.mnuOptions_Click();
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void loadingShowsSettings_data();
    void loadingShowsSettings();
    void durationValidation_data();
    void durationValidation();
    void refusedBoxStopsTheClickThatLeftIt();
    void refusalWithTheRealMessageBox();
    void okWritesSettingsAndRaisesJump();
    void cancelEscAndCloseWriteNothing_data();
    void cancelEscAndCloseWriteNothing();
    void defaultResetsOnlyTheDurations();
    void arrowsStayWithinOneToNine_data();
    void arrowsStayWithinOneToNine();
    void clearingTheRecentList();
    void okKeepsTheDialogForTheNextOptions();
    void chosenFolderOnlyAfterChooserOk();

private:
    QTemporaryDir config;
    ScriptedDialogs scripted;
    std::unique_ptr<ScopedDialogs> scriptedInUse;
};

void OptionsDialogTest::initTestCase() {
    QVERIFY(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    scriptedInUse = std::make_unique<ScopedDialogs>(scripted);
}

void OptionsDialogTest::init() {
    QFile::remove(SettingsFilePath(AppName));
    scripted.clear();
    QLocale::setDefault(QLocale::c());
}

void OptionsDialogTest::loadingShowsSettings_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint32>("step");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint32>("stepAfterOk");
    // clang-format off
    QTest::newRow("quarter second")     << "C"     << 250     << "0.25"    << ""      << 250;
    QTest::newRow("half down to even")  << "C"     << 4005    << "4.00"    << ""      << 4000;
    QTest::newRow("half up to even")    << "C"     << 4015    << "4.02"    << ""      << 4020;
    QTest::newRow("long value not cut") << "C"     << 1234560 << "1234.56" << ""      << 1234560;
    QTest::newRow("comma typed")        << "de_DE" << 4000    << "4,00"    << "2,5"   << 2500;
    QTest::newRow("no thousands")       << "de_DE" << 4000    << "4,00"    << "2.500" << 2500;
    // clang-format on
}

// What Loading shows and what OK makes of it, also in a locale with a decimal comma.
void OptionsDialogTest::loadingShowsSettings() {
    QFETCH(QString, locale);
    QFETCH(qint32, step);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(qint32, stepAfterOk);
    QLocale::setDefault(QLocale(locale));
    SaveSetting(AppName, "Settings", "Default Audio Folder", "/stored/audio");
    auto window = newMainWindow();
    window->setStep(step);
    window->setJump(step);
    window->setDefaultAudioFolder("/in/use");
    window->setMaxFiles(7);
    window->setRecentFileList(0);

    QPointer<frmSettings> dialog = showOptions(*window);
    QCOMPARE(dialog->windowTitle(), QString("Options"));
    QCOMPARE(timeBox(*dialog, 0)->text(), shown);
    QCOMPARE(control<QLineEdit>(*dialog, "txtMaxFiles")->text(), QString("7"));
    QVERIFY(!control<QCheckBox>(*dialog, "chkRecentFiles")->isChecked());
    QCOMPARE(control<QLineEdit>(*dialog, "txtFolder")->text(), QString("/stored/audio"));
    QCOMPARE(QApplication::focusWidget(), button(*dialog, "cmdOK"));
    if (!typed.isEmpty()) {
        typeInto(timeBox(*dialog, 0), typed);
        QTest::keyClick(timeBox(*dialog, 0), Qt::Key_Tab);
        QCOMPARE(timeBox(*dialog, 0)->text(), QLocale().toString(stepAfterOk / 1000.0, 'f', 2));
    }
    QTest::mouseClick(button(*dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(window->Step(), stepAfterOk);
    QCOMPARE(window->DefaultAudioFolder(), QString("/stored/audio"));
    QVERIFY(scripted.calls().isEmpty());
}

void OptionsDialogTest::durationValidation_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("accepted"); // "" when refused
    // clang-format off
    QTest::newRow("one hundredth")       << "0.01"   << "";
    QTest::newRow("zero")                << "0"      << "";
    QTest::newRow("negative")            << "-1"     << "";
    QTest::newRow("letters")             << "abc"    << "";
    QTest::newRow("empty")               << ""       << "";
    QTest::newRow("beyond 32-bit ms")    << "3e6"    << "";
    QTest::newRow("two hundredths")      << "0.02"   << "0.02";
    QTest::newRow("whole number")        << "2"      << "2.00";
    QTest::newRow("half to even")        << "1.005"  << "1.00";
    QTest::newRow("five characters")     << "123456" << "12345.00";
    // clang-format on
}

// Tab out of a time box: refused texts stay with the focus and one message; accepted
// ones are shown as "#0.00" and the focus moves on.
void OptionsDialogTest::durationValidation() {
    QFETCH(QString, typed);
    QFETCH(QString, accepted);
    auto window = newMainWindow();
    QPointer<frmSettings> dialog = showOptions(*window);

    QLineEdit* box = timeBox(*dialog, 3);
    typeInto(box, typed);
    QTest::keyClick(box, Qt::Key_Tab);
    if (accepted.isEmpty()) {
        QCOMPARE(scripted.calls().size(), 1);
        const ScriptedDialogs::Call& call = scripted.calls().first();
        QCOMPARE(call.text, InvalidText);
        QCOMPARE(call.title, QString("Invalid Entry"));
        QCOMPARE(call.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), typed.left(5));
    } else {
        QVERIFY(scripted.calls().isEmpty());
        QCOMPARE(box->text(), accepted);
        QCOMPARE(QApplication::focusWidget(), button(*dialog, "cmdDefault"));
    }
}

// A click or mnemonic that would take the focus from a refused box does nothing but
// the message; F1 still opens the help and Esc still closes the dialog, unwritten.
void OptionsDialogTest::refusedBoxStopsTheClickThatLeftIt() {
    auto window = newMainWindow();
    QPointer<frmSettings> dialog = showOptions(*window);
    QLineEdit* step = timeBox(*dialog, 0);
    typeInto(step, "abc");

    QTest::mouseClick(button(*dialog, "cmdCancel"), Qt::LeftButton);
    QTest::mouseClick(button(*dialog, "cmdDefault"), Qt::LeftButton);
    QTest::mouseClick(button(*dialog, "cmdOK"), Qt::LeftButton);
    QTest::keyClick(step, Qt::Key_C, Qt::AltModifier);
    QTest::mouseClick(timeBox(*dialog, 1), Qt::LeftButton);

    QCOMPARE(scripted.messageTexts(), QStringList(5, InvalidText));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(QApplication::focusWidget(), step);
    QCOMPARE(step->text(), QString("abc"));
    QCOMPARE(timeTexts(*dialog), (QStringList{"abc", "1.10", "0.60", "4.00"}));
    QCOMPARE(window->Step(), 4000);

    QTest::keyClick(step, Qt::Key_F1);
    const ScriptedDialogs::Call help = scripted.calls().last();
    QCOMPARE(help.kind, ScriptedDialogs::Kind::Help);
    QCOMPARE(help.helpCommand, Dialogs::HelpCommand::Context);
    QCOMPARE(help.helpContext, 1007);

    QTest::keyClick(step, Qt::Key_Escape);
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(scripted.calls().size(), 6);
    QCOMPARE(window->Step(), 4000);
}

// The real message box runs its own event loop in the middle of the focus move; the
// click that started the move must still come to nothing.
void OptionsDialogTest::refusalWithTheRealMessageBox() {
    setDialogs(nullptr);
    const auto scriptedAgain = qScopeGuard([this] { setDialogs(&scripted); });
    auto window = newMainWindow();
    QPointer<frmSettings> dialog = showOptions(*window);
    QLineEdit* step = timeBox(*dialog, 0);
    typeInto(step, "0");

    QStringList shown;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown.append(box->windowTitle() + ": " + box->text());
            box->accept();
        }
    });
    answer.start(20);
    QTest::mouseClick(button(*dialog, "cmdCancel"), Qt::LeftButton);
    QTest::mouseClick(button(*dialog, "cmdOK"), Qt::LeftButton);

    QCOMPARE(shown, QStringList(2, "Invalid Entry: " + InvalidText));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->focusWidget(), step);
    QCOMPARE(window->Step(), 4000);
}

void OptionsDialogTest::okWritesSettingsAndRaisesJump() {
    SaveSetting(AppName, "Settings", "Step", "4000");
    auto window = newMainWindow();
    const QByteArray storedBefore = storeContents();
    QPointer<frmSettings> dialog = showOptions(*window);

    const QStringList typed = {"4", "0.5", "0.25", "2"};
    for (int i = 0; i < 4; ++i)
        typeInto(timeBox(*dialog, i), typed[i]);
    QTest::mouseClick(control<QToolButton>(*dialog, "DownButton"), Qt::LeftButton);
    typeInto(control<QLineEdit>(*dialog, "txtFolder"), "/home/ann/Tapes");
    QTest::mouseClick(button(*dialog, "cmdOK"), Qt::LeftButton);

    QVERIFY(dialog && !dialog->isVisible());
    QCOMPARE(window->Step(), 4000);
    QCOMPARE(window->Offset(), 500);
    QCOMPARE(window->Pause(), 250);
    QCOMPARE(window->Jump(), 4000); // 2 s was below the step
    QCOMPARE(window->MaxFiles(), qint16(8));
    QCOMPARE(window->RecentFileList(), qint16(1));
    QCOMPARE(window->DefaultAudioFolder(), QString("/home/ann/Tapes"));
    QCOMPARE(storeContents(), storedBefore);
}

void OptionsDialogTest::cancelEscAndCloseWriteNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close button") << "close";
}

void OptionsDialogTest::cancelEscAndCloseWriteNothing() {
    QFETCH(QString, how);
    SaveSetting(AppName, "Settings", "Default Audio Folder", "/stored/audio");
    auto window = newMainWindow();
    window->setDefaultAudioFolder("/in/use");
    const QByteArray storedBefore = storeContents();
    QPointer<frmSettings> dialog = showOptions(*window);

    typeInto(timeBox(*dialog, 0), "9");
    typeInto(timeBox(*dialog, 2), "1");
    typeInto(control<QLineEdit>(*dialog, "txtFolder"), "/elsewhere");
    QTest::mouseClick(control<QCheckBox>(*dialog, "chkRecentFiles"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(*dialog, "DownButton"), Qt::LeftButton);
    if (how == "cancel")
        QTest::mouseClick(button(*dialog, "cmdCancel"), Qt::LeftButton);
    else if (how == "esc")
        QTest::keyClick(control<QLineEdit>(*dialog, "txtFolder"), Qt::Key_Escape);
    else
        dialog->close();

    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(window->Step(), 4000);
    QCOMPARE(window->Pause(), 600);
    QCOMPARE(window->MaxFiles(), qint16(9));
    QCOMPARE(window->RecentFileList(), qint16(1));
    QCOMPARE(window->DefaultAudioFolder(), QString("/in/use"));
    QCOMPARE(storeContents(), storedBefore);
}

void OptionsDialogTest::defaultResetsOnlyTheDurations() {
    auto window = newMainWindow();
    QPointer<frmSettings> dialog = showOptions(*window);
    const QStringList typed = {"2", "0.3", "1", "8"};
    for (int i = 0; i < 4; ++i)
        typeInto(timeBox(*dialog, i), typed[i]);
    typeInto(control<QLineEdit>(*dialog, "txtFolder"), "/typed/folder");
    QTest::mouseClick(control<QCheckBox>(*dialog, "chkRecentFiles"), Qt::LeftButton);
    QTest::mouseClick(control<QToolButton>(*dialog, "DownButton"), Qt::LeftButton);

    QTest::mouseClick(button(*dialog, "cmdDefault"), Qt::LeftButton);

    QCOMPARE(timeTexts(*dialog), (QStringList{"4.00", "1.10", "0.60", "4.00"}));
    QCOMPARE(control<QLineEdit>(*dialog, "txtFolder")->text(), QString("/typed/folder"));
    QVERIFY(!control<QCheckBox>(*dialog, "chkRecentFiles")->isChecked());
    QCOMPARE(control<QLineEdit>(*dialog, "txtMaxFiles")->text(), QString("8"));
    QCOMPARE(QApplication::focusWidget(), button(*dialog, "cmdOK"));
    QCOMPARE(window->Offset(), 1100);
    QVERIFY(scripted.calls().isEmpty());
}

void OptionsDialogTest::arrowsStayWithinOneToNine_data() {
    QTest::addColumn<qint16>("maxFiles");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("after");
    // clang-format off
    QTest::newRow("up at 9")      << qint16(9)  << "UpButton"   << "9";
    QTest::newRow("down at 1")    << qint16(1)  << "DownButton" << "1";
    QTest::newRow("up at 5")      << qint16(5)  << "UpButton"   << "6";
    QTest::newRow("down from 15") << qint16(15) << "DownButton" << "9";
    QTest::newRow("up from 0")    << qint16(0)  << "UpButton"   << "1";
    // clang-format on
}

void OptionsDialogTest::arrowsStayWithinOneToNine() {
    QFETCH(qint16, maxFiles);
    QFETCH(QString, arrow);
    QFETCH(QString, after);
    auto window = newMainWindow();
    window->setMaxFiles(maxFiles);
    QPointer<frmSettings> dialog = showOptions(*window);
    QLineEdit* number = control<QLineEdit>(*dialog, "txtMaxFiles");
    QCOMPARE(number->text(), QString::number(maxFiles));
    QVERIFY(number->isReadOnly());

    QTest::mouseClick(control<QToolButton>(*dialog, arrow), Qt::LeftButton);
    QCOMPARE(number->text(), after);
    QTest::mouseClick(button(*dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(window->MaxFiles(), qint16(after.toShort()));
}

// Clear List empties the list at once, and Cancel does not bring it back; switching the
// list off clears it only with OK.
void OptionsDialogTest::clearingTheRecentList() {
    auto window = newMainWindow();
    window->setRecentFileList(1);
    AddRecentFile("/audio/one.wav", 9);
    QPointer<frmSettings> dialog = showOptions(*window);
    QTest::mouseClick(button(*dialog, "cmdClearFiles"), Qt::LeftButton);
    QCOMPARE(FindRecentFile("/audio/one.wav", 9), qint16(-1));
    QTest::mouseClick(button(*dialog, "cmdCancel"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(RecentFileMenuItems(9, QString()).isEmpty());

    AddRecentFile("/audio/two.wav", 9);
    dialog = showOptions(*window);
    QTest::mouseClick(control<QCheckBox>(*dialog, "chkRecentFiles"), Qt::LeftButton);
    QCOMPARE(FindRecentFile("/audio/two.wav", 9), qint16(1));
    QTest::mouseClick(button(*dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(window->RecentFileList(), qint16(0));
    QCOMPARE(FindRecentFile("/audio/two.wav", 9), qint16(-1));
}

// OK hides the dialog with what it shows; the next Options shows it again, unchanged,
// with the focus on OK. After Cancel the next Options loads afresh from the settings.
void OptionsDialogTest::okKeepsTheDialogForTheNextOptions() {
    SaveSetting(AppName, "Settings", "Default Audio Folder", "/stored/audio");
    auto window = newMainWindow();
    QPointer<frmSettings> first;
    runOptions(*window, [&](frmSettings& dialog) {
        first = &dialog;
        typeInto(timeBox(dialog, 1), "2");
        typeInto(control<QLineEdit>(dialog, "txtFolder"), "/chosen/now");
        QTest::mouseClick(button(dialog, "cmdOK"), Qt::LeftButton);
    });
    QVERIFY(first && !first->isVisible());
    QCOMPARE(window->Offset(), 2000);

    runOptions(*window, [&](frmSettings& dialog) {
        QCOMPARE(&dialog, first.data());
        QCOMPARE(timeTexts(dialog), (QStringList{"4.00", "2.00", "0.60", "4.00"}));
        QCOMPARE(control<QLineEdit>(dialog, "txtFolder")->text(), QString("/chosen/now"));
        QCOMPARE(QApplication::focusWidget(), button(dialog, "cmdOK"));
        QTest::mouseClick(button(dialog, "cmdCancel"), Qt::LeftButton);
    });
    QVERIFY(first.isNull());

    runOptions(*window, [&](frmSettings& dialog) {
        QCOMPARE(timeBox(dialog, 1)->text(), QString("2.00"));
        QCOMPARE(control<QLineEdit>(dialog, "txtFolder")->text(), QString("/stored/audio"));
        QTest::mouseClick(button(dialog, "cmdOK"), Qt::LeftButton);
    });
    QCOMPARE(window->DefaultAudioFolder(), QString("/stored/audio"));
}

// The folder box takes the chooser's folder after its OK only; the focus returns to OK
// and the chooser outlives the dialog.
void OptionsDialogTest::chosenFolderOnlyAfterChooserOk() {
    QTemporaryDir audio;
    QVERIFY(QDir(audio.path()).mkpath("Tapes"));
    const QString tapes = audio.path() + "/Tapes";
    auto window = newMainWindow();
    QPointer<frmSettings> dialog = showOptions(*window);
    QLineEdit* folder = control<QLineEdit>(*dialog, "txtFolder");

    const auto closeChooserWith = [&](const char* name) {
        QTimer::singleShot(0, window.get(), [&window, name] {
            auto* chooser = window->findChild<frmChooseFolder*>();
            if (chooser && QTest::qWaitForWindowActive(chooser))
                QTest::mouseClick(button(*chooser, name), Qt::LeftButton);
        });
    };
    typeInto(folder, tapes + "/gone/deeper");
    closeChooserWith("OKButton");
    QTest::mouseClick(button(*dialog, "cmdChooseFolder"), Qt::LeftButton);
    QCOMPARE(folder->text(), tapes);
    QCOMPARE(window->findChild<frmChooseFolder*>()->windowTitle(),
             QString("Choose Default Audio Folder"));
    QTRY_COMPARE(QApplication::focusWidget(), button(*dialog, "cmdOK"));

    typeInto(folder, audio.path());
    closeChooserWith("CancelButton");
    QTest::mouseClick(button(*dialog, "cmdChooseFolder"), Qt::LeftButton);
    QCOMPARE(folder->text(), audio.path());

    QTest::mouseClick(button(*dialog, "cmdCancel"), Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    auto* kept = window->findChild<frmChooseFolder*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(kept && !kept->isVisible());
    QCOMPARE(kept->resultText(), tapes);
}

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog.moc"
