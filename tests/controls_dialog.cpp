// Tools > Controls... and the inputs wired at start-up: keys typed into the Global Keys
// page and pedal commands chosen on the Foot Pedal page are bound and stored on OK;
// global keys and pedals reach the player.
#include "app/Inputs.h"
#include "inputs/FootPedals.h"
#include "inputs/GlobalShortcuts.h"
#include "settings/SettingsStore.h"
#include "support/ManualClockWindow.h"
#include "windows/frmControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

class ControlsDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualClockWindow> fixture;
    QTemporaryDir devices; // an empty device tree: no pedal, no input device
    GlobalShortcuts* keys = nullptr;
    FootPedals* pedals = nullptr;

    frmControls& openDialog() {
        fixture->trigger("mnuControls");
        auto* dialog = fixture->window().findChild<frmControls*>("frmControls");
        Q_ASSERT(dialog && dialog->isVisible());
        return *dialog;
    }
    template <typename T> static T& child(QWidget& dialog, const char* name) {
        auto* found = dialog.findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return *found;
    }
    static QString stored(const char* section, const char* key) {
        return GetSetting("Parlanda", section, key, "-");
    }

private slots:
    void init() {
        fixture = std::make_unique<ManualClockWindow>();
        // No session bus and no X display: nothing delivers global keys.
        keys = new GlobalShortcuts(
            {QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "none"),
             QByteArray(), true},
            &fixture->window());
        pedals = new FootPedals({devices.path(), devices.path()}, &fixture->window());
        connectInputs(fixture->window(), *keys, *pedals);
    }
    void cleanup() { fixture.reset(); }

    // A key typed (twice: one chord, still bound) into the Walk field is bound at once
    // and its status shown; OK stores it, Cancel binds the stored (no) key again.
    void globalKeyTyped_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("kept");
        QTest::newRow("OK") << "cmdOK"
                            << "Ctrl+Alt+W";
        QTest::newRow("Cancel") << "cmdCancel"
                                << "";
    }
    void globalKeyTyped() {
        QFETCH(QString, button);
        QFETCH(QString, kept);
        frmControls& dialog = openDialog();
        QVERIFY(child<QLabel>(dialog, "lblKeyService").text().contains("parlanda --walk"));
        for (int typed = 0; typed < 2; ++typed)
            QTest::keyClick(&child<QKeySequenceEdit>(dialog, "txtKey_0"), Qt::Key_W,
                            Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(keys->keys("Walk"), QKeySequence("Ctrl+Alt+W"));
        QVERIFY(child<QLabel>(dialog, "lblKeyStatus_0").text().startsWith("Unsupported: "));
        QTest::mouseClick(&child<QPushButton>(dialog, qPrintable(button)), Qt::LeftButton);
        QCOMPARE(keys->keys("Walk").toString(), kept);
        QCOMPARE(stored("Global Keys", "Walk"), button == "cmdOK" ? kept : "-");
    }

    // The fourth pedal set to Walk and hold to play switched on reach the pedals and
    // the settings file on OK.
    void pedalCommandsStored() {
        frmControls& dialog = openDialog();
        QTest::keyClick(&child<QComboBox>(dialog, "cboPedal_3"), Qt::Key_Down);
        QTest::keyClick(&child<QCheckBox>(dialog, "chkHoldToPlay"), Qt::Key_Space);
        QTest::mouseClick(&child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        QCOMPARE(pedals->actions().mapping().command(Pedal::Fourth), "Walk");
        QVERIFY(pedals->actions().mapping().holdsToPlay(Pedal::Middle));
        QCOMPARE(stored("Foot Pedal", "Fourth"), "Walk");
        QCOMPARE(stored("Foot Pedal", "Hold To Play"), "1");
    }

    // A global key or a pedal starts the walk; the middle pedal held to play plays, and
    // let go stops and goes back by the rewind (never before the start).
    void inputsDriveThePlayer_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<qint64>("heldMs");
        QTest::addColumn<qint32>("rewindMs"); // after Stop or a pause of Play
        QTest::addColumn<PlayerController::State>("state");
        QTest::addColumn<qint64>("position");
        const auto idle = PlayerController::State::Idle,
                   stepping = PlayerController::State::Stepping;
        QTest::newRow("global key") << "key" << 0ll << 0 << stepping << 0ll;
        QTest::newRow("pedal") << "pedal" << 0ll << 0 << stepping << 0ll;
        QTest::newRow("held 2.5 s") << "hold" << 2500ll << 0 << idle << 1500ll;
        QTest::newRow("held 0.4 s") << "hold" << 400ll << 0 << idle << 0ll;
        QTest::newRow("held 2.5 s, rewind 0.5 s") << "hold" << 2500ll << 500 << idle << 2000ll;
    }
    void inputsDriveThePlayer() {
        QFETCH(QString, input);
        QFETCH(qint64, heldMs);
        QFETCH(qint32, rewindMs);
        QFETCH(PlayerController::State, state);
        QFETCH(qint64, position);
        QVERIFY(fixture->openFile(10000));
        fixture->player().setRewind(rewindMs);
        PedalMapping mapping;
        mapping.setMiddleHoldsToPlay(input == "hold");
        pedals->actions().setMapping(mapping);
        if (input == "key")
            emit keys->activated("Walk");
        else
            pedals->actions().handle({Pedal::Middle, true});
        if (input == "hold") {
            QCOMPARE(fixture->player().state(), PlayerController::State::Playing);
            fixture->clock().advance(heldMs);
            pedals->actions().handle({Pedal::Middle, false});
        }
        QCOMPARE(fixture->player().state(), state);
        QCOMPARE(fixture->player().position(), position);
        emit pedals->statusMessage("Foot pedal gone.");
        QCOMPARE(fixture->window().statusBar()->currentMessage(), "Foot pedal gone.");
    }
};

QTEST_MAIN(ControlsDialog)
#include "controls_dialog.moc"
