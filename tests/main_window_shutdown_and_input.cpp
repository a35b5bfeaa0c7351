// Closing the window leaves no sound and saves the settings, whatever was going on; the
// mouse and keys reach the handlers as the window routes them, and nothing else.
#include "files/frmChooseFolder.h"
#include "platform/SettingsStore.h"
#include "support/ManualClockWindow.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class MainWindowShutdownAndInput : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualClockWindow> fixture;

    frmMain& window() { return fixture->window(); }
    MediaControl& device() { return fixture->device(); }

private slots:
    void init() { fixture = std::make_unique<ManualClockWindow>(); }

    void cleanup() { fixture.reset(); }

    void closingSavesAndEndsAllSound_data() {
        QTest::addColumn<QString>("activity");
        for (const char* activity : {"no file", "stopped", "playing", "walk step", "walk rest"})
            QTest::newRow(activity) << QString::fromLatin1(activity);
    }

    // "Close" goes only to an open file; then nothing sounds, not even at a rest's end.
    void closingSavesAndEndsAllSound() {
        QFETCH(QString, activity);
        window().setStep(2500);
        window().setPause(100);
        if (activity != "no file")
            QVERIFY(fixture->openFile(20000));
        if (activity == "playing")
            window().PressPlayButton(2);
        if (activity.startsWith("walk"))
            window().cmdLoop_Click(0);
        if (activity == "walk rest") {
            fixture->clock().advance(window().Step());
            QTRY_VERIFY(window().resting());
        }
        QVERIFY(window().close());
        QVERIFY(!window().resting());
        QCOMPARE(GetSetting("Parlanda", "Settings", "Step", ""), "2500");
        QCOMPARE(device().command(), activity == "no file" ? QString() : "Close");
        fixture->clock().advance(20000);
        QTest::qWait(2 * window().Pause());
        QCOMPARE(device().mode(), int(MediaControl::ModeNotOpen));
    }

    // The options dialog and the folder chooser go with the window; an open About box stays.
    void closingUnloadsDialogsButLeavesAboutOpen() {
        QPointer<QDialog> options;
        QTimer::singleShot(0, this, [&] {
            options = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QTest::mouseClick(options->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
        });
        window().mnuOptions_Click();
        QVERIFY(options);
        QPointer<QDialog> chooser = new frmChooseFolder(&window());
        window().mnuAbout_Click();
        QPointer<QWidget> about = QApplication::activeWindow();
        QVERIFY(window().close());
        QVERIFY(options.isNull() && chooser.isNull());
        QVERIFY(about && about != &window() && about->isVisible());
        about->close();
    }

    // Transport buttons act as the left button goes down, not on the right one or on Space.
    // A key passed up through the parents reaches the key handler once, not at each.
    void mouseAndKeysReachTheirHandlersOnce() {
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QVERIFY(fixture->openFile(20000));
        auto* jumpForward = window().findChild<QToolButton*>("cmdPlay_3");
        QTest::mouseClick(jumpForward, Qt::RightButton);
        jumpForward->setFocus();
        QTest::keyClick(jumpForward, Qt::Key_Space);
        QCOMPARE(device().position(), 0);
        QTest::mousePress(jumpForward, Qt::LeftButton);
        QCOMPARE(device().position(), window().Jump());
        QTest::mouseRelease(jumpForward, Qt::LeftButton);

        QTest::mouseClick(window().findChild<QToolButton*>("cmdPlay_2"), Qt::LeftButton);
        for (int mode : {MediaControl::ModePaused, MediaControl::ModePlaying}) {
            QTest::keyClick(window().findChild<QWidget*>("statusText"), Qt::Key_Space);
            QCOMPARE(device().mode(), mode);
        }
    }
};

QTEST_MAIN(MainWindowShutdownAndInput)
#include "main_window_shutdown_and_input.moc"
