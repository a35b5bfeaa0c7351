// Closing the window leaves no sound and saves the settings, whatever was going on; the
// mouse, keys and focus reach the handlers as the window routes them, and nothing else.
#include "app/frmMain.h"
#include "files/frmChooseFolder.h"
#include "platform/MediaControl.h"
#include "platform/NullAudioOutput.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWav.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int rate = 8000;
constexpr qint32 fileLengthMs = 20000;
constexpr int stopped = MediaControl::ModeStopped;
constexpr int playing = MediaControl::ModePlaying;

} // namespace

class MainWindowShutdownAndInput : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    QTemporaryDir files;
    ScriptedDialogs prompts;
    ScopedDialogs promptsInUse{prompts};
    std::shared_ptr<ManualAudioClock> clock;
    std::unique_ptr<frmMain> w;

    MediaControl& device() { return w->mciWave(); }
    template <typename T> T* control(const QString& name) { return w->findChild<T*>(name); }

    void openFile() {
        const QString path = files.filePath("twenty-seconds.wav");
        QVERIFY(writeIndexedWav(path, qint64(fileLengthMs) * rate / 1000, rate, 1));
        QVERIFY(w->OpenAudioFile(path) != 0);
        QCOMPARE(device().mode(), stopped);
    }

private slots:
    void initTestCase() {
        QVERIFY(config.isValid() && files.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }

    void init() {
        clock = std::make_shared<ManualAudioClock>();
        w = std::make_unique<frmMain>(std::make_unique<NullAudioOutput>(clock));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup() { w.reset(); }

    void closingWithoutFileSendsNoCommandAndSavesSettings() {
        w->setStep(2500);
        QVERIFY(w->close());
        QCOMPARE(GetSetting("Parlanda", "Settings", "Step", ""), "2500");
        QCOMPARE(device().mode(), int(MediaControl::ModeNotOpen));
        QCOMPARE(device().command(), QString()); // no command was ever sent
    }

    void closingEndsAllSound_data() {
        QTest::addColumn<QString>("activity");
        for (const char* activity : {"stopped", "playing", "paused", "walk step", "walk rest"})
            QTest::newRow(activity) << QString::fromLatin1(activity);
    }

    void closingEndsAllSound() {
        QFETCH(QString, activity);
        openFile();
        w->setPause(100);
        if (activity == "playing" || activity == "paused")
            w->PressPlayButton(2);
        if (activity == "paused")
            device().setCommand("pause");
        if (activity.startsWith("walk"))
            w->cmdLoop_Click(0);
        if (activity == "walk rest") {
            clock->advance(w->Step());
            QTRY_VERIFY(w->resting());
        }
        QVERIFY(w->close());
        QCOMPARE(device().command(), "Close");
        QCOMPARE(device().mode(), int(MediaControl::ModeNotOpen));
        QVERIFY(!w->resting());
        QVERIFY(!w->walking());
        // Nothing starts again afterwards: no rest ends, no late notification continues.
        clock->advance(fileLengthMs);
        QTest::qWait(2 * w->Pause());
        QCOMPARE(device().mode(), int(MediaControl::ModeNotOpen));
        QVERIFY(w->close()); // a second close does no harm
    }

    // The options dialog kept after OK and the folder chooser go with the window; an About
    // box left open stays open on its own.
    void closingUnloadsDialogsButLeavesAboutOpen() {
        QPointer<QDialog> options;
        QTimer::singleShot(0, this, [&] {
            options = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(options);
            QTest::mouseClick(options->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        w->mnuOptions_Click();
        QVERIFY(options);
        QPointer<QDialog> chooser = new frmChooseFolder(w.get());
        w->mnuAbout_Click();
        QPointer<QWidget> about = QApplication::activeWindow();
        QVERIFY(about && about != w.get() && about->isVisible());

        QVERIFY(w->close());
        QVERIFY(options.isNull());
        QVERIFY(chooser.isNull());
        QVERIFY(about && about->isVisible());
        about->close();
    }

    // Transport buttons act on the left button going down, with the modifier state.
    void transportButtonsActOnlyOnLeftMousePress() {
        openFile();
        auto* jumpForward = control<QToolButton>("cmdPlay_3");
        auto* play = control<QToolButton>("cmdPlay_2");
        QTest::mousePress(jumpForward, Qt::RightButton);
        QTest::mouseRelease(jumpForward, Qt::RightButton);
        QTest::mousePress(play, Qt::RightButton);
        QTest::mouseRelease(play, Qt::RightButton);
        QCOMPARE(device().position(), 0);
        QCOMPARE(device().mode(), stopped);

        for (auto* button : {jumpForward, play}) {
            button->setFocus();
            for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Select})
                QTest::keyClick(button, key);
        }
        QCOMPARE(device().position(), 0);
        QCOMPARE(device().mode(), stopped);

        QTest::mousePress(jumpForward, Qt::LeftButton);
        QCOMPARE(device().position(), w->Jump());
        QTest::mouseRelease(jumpForward, Qt::LeftButton);
        QTest::mousePress(control<QToolButton>("cmdPlay_0"), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(device().position(), 0);
        QTest::mousePress(play, Qt::LeftButton);
        QCOMPARE(device().mode(), playing);
    }

    void walkButtonsActOnClick() {
        openFile();
        QTest::mouseClick(control<QToolButton>("cmdLoop_0"), Qt::LeftButton);
        QVERIFY(w->walking());
        QCOMPARE(device().mode(), playing);
    }

    // A key a control ignores is passed up through its parents; the window's key handler
    // must see it once only, or two Spaces would pause and resume at once.
    void windowKeysReachTheKeyHandlerOnce() {
        openFile();
        w->PressPlayButton(2);
        for (QWidget* target :
             {static_cast<QWidget*>(w->statusBar()), static_cast<QWidget*>(w.get())}) {
            QTest::keyClick(target, Qt::Key_Space);
            QCOMPARE(device().mode(), int(MediaControl::ModePaused));
            QTest::keyClick(target, Qt::Key_Space);
            QCOMPARE(device().mode(), playing);
        }
        w->PressPlayButton(1);

        auto* time = control<QLineEdit>("txtTime");
        time->setFocus();
        QTest::keyClick(time, Qt::Key_F10);
        QCOMPARE(device().position(), w->Jump());
        QTest::keyClick(time, Qt::Key_F10, Qt::ControlModifier);
        QCOMPARE(device().position(), fileLengthMs);
        QTest::keyClick(control<QToolButton>("cmdLoop_1"), Qt::Key_F9, Qt::ControlModifier);
        QCOMPARE(device().position(), 0);
        QTest::keyClick(w.get(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(device().position(), 0);
    }

    void timeFieldTakesMouseKeysAndFocus() {
        openFile();
        auto* time = control<QLineEdit>("txtTime");
        QTest::mouseClick(time, Qt::RightButton);
        QVERIFY(time->isReadOnly());
        QTest::mouseClick(time, Qt::LeftButton);
        QVERIFY(!time->isReadOnly());
        time->clear();
        QTest::keyClicks(time, "5");
        QTest::keyClick(time, Qt::Key_Return);
        QCOMPARE(device().position(), 5000);
        QVERIFY(time->isReadOnly());

        QTest::mouseClick(time, Qt::LeftButton);
        time->setFocus();
        time->clear();
        QTest::keyClicks(time, "7");
        control<QToolButton>("cmdLoop_0")->setFocus(Qt::TabFocusReason);
        QCOMPARE(device().position(), 7000);
        QVERIFY(time->isReadOnly());
    }

    void sliderPressAndReleaseReachTheHandlers() {
        openFile();
        auto* slider = control<QScrollBar>("hsbSlider");
        const QPoint track(slider->width() * 3 / 4, slider->height() / 2);
        QTest::mousePress(slider, Qt::LeftButton, {}, track);
        QVERIFY(!w->AutoUpdate());
        QVERIFY(slider->value() > 0);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, track);
        QVERIFY(w->AutoUpdate());
        QCOMPARE(device().position(), slider->value() * fileLengthMs / slider->maximum());
    }
};

QTEST_MAIN(MainWindowShutdownAndInput)
#include "main_window_shutdown_and_input.moc"
