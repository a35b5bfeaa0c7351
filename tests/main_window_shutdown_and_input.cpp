// Closing the window leaves no sound and saves the settings, whatever was going on; the
// mouse and keys reach the handlers as the window routes them, and nothing else.
#include "settings/SettingsStore.h"
#include "support/ManualClockWindow.h"
#include "windows/frmChooseFolder.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class MainWindowShutdownAndInput : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualClockWindow> fixture;

    frmMain& window() { return fixture->window(); }
    PlayerController& player() { return fixture->player(); }

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
        player().setStep(2500);
        player().setPause(100);
        if (activity != "no file")
            QVERIFY(fixture->openFile(20000));
        if (activity == "playing")
            player().play();
        if (activity.startsWith("walk"))
            player().walk();
        if (activity == "walk rest") {
            fixture->clock().advance(2500);
            QTRY_COMPARE(player().state(), PlayerController::State::Resting);
        }
        QVERIFY(window().close());
        QCOMPARE(GetSetting("Parlanda", "Settings", "Step", ""), "2500");
        fixture->clock().advance(20000);
        QTest::qWait(200);
        QVERIFY(!player().isOpen() && !player().walking());
        QCOMPARE(player().state(), PlayerController::State::Idle);
    }

    // The options dialog and the folder chooser go with the window; an open About box stays.
    void closingUnloadsDialogsButLeavesAboutOpen() {
        QPointer<QDialog> options;
        QTimer::singleShot(0, this, [&] {
            options = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QTest::mouseClick(options->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
        });
        fixture->trigger("mnuOptions");
        QVERIFY(options);
        QPointer<QDialog> chooser = new frmChooseFolder(&window());
        fixture->trigger("mnuAbout");
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
        QCOMPARE(player().position(), 0);
        QTest::mousePress(jumpForward, Qt::LeftButton);
        QCOMPARE(player().position(), player().settings().jump);
        QTest::mouseRelease(jumpForward, Qt::LeftButton);

        QTest::mouseClick(window().findChild<QToolButton*>("cmdPlay_2"), Qt::LeftButton);
        for (auto state : {PlayerController::State::Paused, PlayerController::State::Playing}) {
            QTest::keyClick(window().findChild<QWidget*>("statusText"), Qt::Key_Space);
            QCOMPARE(player().state(), state);
        }
    }
};

QTEST_MAIN(MainWindowShutdownAndInput)
#include "main_window_shutdown_and_input.moc"
