// The settings store's file: hand-written, corrupt, and killed while written.
#include "settings/SettingsStore.h"
#include "support/TestWav.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

static const QString App = QStringLiteral("Parlanda");
constexpr int BigValueLength = 200000;

class SettingsStoreFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config;

private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    }

    // What a file holds is used, a list value written by hand without quotes as the text it
    // was; the first write keeps a corrupt file as a copy beside it.
    void existingFileIsReadAndACorruptOneKept() {
        const std::tuple<QByteArray, QString, QString, bool> rows[] = {
            // file, key, read, corrupt
            {"[Settings]\nLoop%20Repetitions=2,Enable\n", "Loop Repetitions", "2,Enable", false},
            {QByteArray("\x00\x01\xff junk", 9), "Step", "-", true},
            {"[Settings]\nStep=2500\nnot a setting\n", "Step", "2500", true}};
        for (const auto& [contents, key, read, corrupt] : rows) {
            init();
            QVERIFY(writeBytes(SettingsFilePath(App), contents));
            QVERIFY(SaveSetting(App, "Settings", "Pause", "700"));
            QCOMPARE(readBytes(SettingsFilePath(App) + ".corrupt"), corrupt ? contents : "");
            QCOMPARE(GetSetting(App, "Settings", key, "-"), read);
        }
    }

    // A writer killed at any moment leaves the old or the new value whole, and no lock.
    void killedWriterLeavesAWholeFile() {
        QVERIFY(SaveSetting(App, "Settings", "Big", QString(BigValueLength, 'z')));
        for (int kill = 0; kill < 6; ++kill) {
            QProcess writer;
            writer.setEnvironment(QProcess::systemEnvironment() << "SETTINGS_STORE_WRITER=1");
            writer.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(100 + 37 * kill);
            writer.kill();
            QVERIFY(writer.waitForFinished());
            const QString value = GetSetting(App, "Settings", "Big", "");
            QCOMPARE(value, QString(BigValueLength, value.isEmpty() ? '-' : value.front()));
        }
        QVERIFY(SaveSetting(App, "Settings", "Step", "2500"));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The crash test's writer: a big value made of one letter, another at each round.
    for (int round = 0; qEnvironmentVariableIsSet("SETTINGS_STORE_WRITER"); ++round)
        SaveSetting(App, "Settings", "Big", QString(BigValueLength, QChar('a' + round % 26)));
    SettingsStoreFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "settings_store_files.moc"
