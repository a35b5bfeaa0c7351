// The settings store's file: nested sections, odd files left intact, a folder that
// cannot be written, and writes that a crash cannot break.
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString App = QStringLiteral("Parlanda");
const char* const WriterVariable = "SETTINGS_STORE_WRITER";
constexpr int BigValueLength = 200000;

// The child process of the crash test: rewrites one big value for ever, each time
// made of one letter, so that a half-written value shows as mixed letters.
int writeForever() {
    for (int round = 0;; ++round)
        SaveSetting(App, "Settings", "Big", QString(BigValueLength, QChar('a' + round % 26)));
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class SettingsStoreFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config;

private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    }

    void sectionsNestAndDeleteTogether() {
        QCOMPARE(SettingsFilePath(App), config->path() + "/Parlanda/Parlanda.conf");
        QVERIFY(SaveSetting(App, "Recent File List\\1", "Audio", "/home/ann/Tape One.wav"));
        QVERIFY(SaveSetting(App, "Recent File List\\2", "Audio", ""));
        QVERIFY(SaveSetting(App, "Settings", "Loop Repetitions", "3,Enable"));
        QCOMPARE(GetSetting(App, "Recent File List\\1", "Audio", "-"), "/home/ann/Tape One.wav");
        QCOMPARE(GetSetting(App, "Recent File List\\2", "Audio", "-"), QString(""));
        QCOMPARE(GetSetting(App, "Recent File List\\3", "Audio", "-"), "-");
        QCOMPARE(GetSetting(App, "Settings", "loop repetitions", "-"), "-");

        QVERIFY(DeleteSetting(App, "Recent File List"));
        QVERIFY(DeleteSetting(App, "Never Written"));
        QCOMPARE(GetSetting(App, "Recent File List\\1", "Audio", "-"), "-");
        QCOMPARE(GetSetting(App, "Settings", "Loop Repetitions", "-"), "3,Enable");
        QVERIFY(!SettingsWriteFailed(App));
    }

    // Texts come back exactly, whatever characters they hold, and keep the file clean.
    void textsComeBackExactly() {
        const QStringList texts{
            "  /home/ann/ spaced  ", "@Variant(0)", "a;b#c=d", "\"quoted\"", "two\nlines",
            "C:\\Users\\Åsa\\Tapes", "1,Disable",   "%41"};
        for (int index = 0; index < texts.size(); ++index)
            QVERIFY(SaveSetting(App, "Odd\\Texts", QString("Key %1").arg(index), texts[index]));
        for (int index = 0; index < texts.size(); ++index)
            QCOMPARE(GetSetting(App, "Odd\\Texts", QString("Key %1").arg(index), "-"),
                     texts[index]);
        // Only lines a later run reads whole, so it keeps no copy of its own file.
        for (const QByteArray& line : contentsOf(SettingsFilePath(App)).split('\n'))
            QVERIFY2(line.isEmpty() || (line.startsWith('[') && line.endsWith(']')) ||
                         line.contains('='),
                     line.constData());
    }

    // Another program (or another running copy) writes the file: the next read sees it,
    // also a hand-written list value without quotes.
    void readsWhatOthersWrote() {
        QVERIFY(SaveSetting(App, "Settings", "Step", "4000"));
        QTest::qWait(20); // a new modification time, as any later write has
        writeFile(SettingsFilePath(App), "[Settings]\nStep=2500\nLoop%20Repetitions=2,Enable\n");
        QCOMPARE(GetSetting(App, "Settings", "Step", "-"), "2500");
        QCOMPARE(GetSetting(App, "Settings", "Loop Repetitions", "-"), "2,Enable");
    }

    void oddFilesAreKeptBeforeTheFirstWrite_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("stepRead");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe\x80 junk\x00", 11) << QString("-");
        QTest::newRow("not UTF-8") << QByteArray("[Settings]\nDefault%20Audio%20Folder=/b\xe9\n"
                                                 "Step=2500\n")
                                   << QString("2500");
        QTest::newRow("stray line")
            << QByteArray("[Settings]\nStep=2500\nnot a setting\n") << QString("2500");
        QTest::newRow("broken section header")
            << QByteArray("[Settings]\nStep=2500\n[Recent File List\nAudio=/a.wav\n")
            << QString("2500");
    }

    // What can be read is used; the file itself survives as a copy beside it.
    void oddFilesAreKeptBeforeTheFirstWrite() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, stepRead);
        const QString path = SettingsFilePath(App);
        writeFile(path, contents);
        QCOMPARE(GetSetting(App, "Settings", "Step", "-"), stepRead);

        QVERIFY(SaveSetting(App, "Settings", "Pause", "700"));
        QCOMPARE(contentsOf(path + ".corrupt"), contents);
        QCOMPARE(QSettings(path, QSettings::IniFormat).status(), QSettings::NoError);
        QCOMPARE(GetSetting(App, "Settings", "Pause", "-"), "700");
        QCOMPARE(GetSetting(App, "Settings", "Step", "-"), stepRead);
    }

    void aFileThatCannotBeReadIsNeverReplaced() {
        const QString path = SettingsFilePath(App);
        QVERIFY(QDir().mkpath(path + "/inside"));
        QCOMPARE(GetSetting(App, "Settings", "Step", "4000"), "4000");
        QVERIFY(!SaveSetting(App, "Settings", "Step", "2500"));
        QVERIFY(SettingsWriteFailed(App));
        QVERIFY(QFileInfo(path + "/inside").isDir());
    }

    // Running as root ignores permission bits, so the folder is made impossible to
    // create instead: a regular file stands where it should be.
    void aFolderThatCannotBeWrittenFailsEveryWrite() {
        writeFile(config->path() + "/Parlanda", "not a folder");
        QVERIFY(!SettingsWriteFailed(App));
        QVERIFY(!SaveSetting(App, "Settings", "Step", "2500"));
        QVERIFY(SettingsWriteFailed(App));
        {
            const SettingsBatch batch(App);
            QVERIFY(!SaveSetting(App, "Settings", "Pause", "700"));
        }
        QCOMPARE(contentsOf(config->path() + "/Parlanda"), QByteArray("not a folder"));
    }

    // A batch writes once, when it ends; reads inside it see its own writes.
    void batchWritesOnceAtItsEnd() {
        QVERIFY(SaveSetting(App, "Settings", "Step", "4000"));
        const ino_t before = inodeOf(SettingsFilePath(App));
        {
            const SettingsBatch batch(App);
            QVERIFY(SaveSetting(App, "Settings", "Step", "2500"));
            QCOMPARE(GetSetting(App, "Settings", "Step", "-"), "2500");
            QCOMPARE(inodeOf(SettingsFilePath(App)), before);
        }
        QCOMPARE(QSettings(SettingsFilePath(App), QSettings::IniFormat).value("Settings/Step"),
                 "2500");
        // The file was replaced by a rename, not rewritten in place.
        QVERIFY(inodeOf(SettingsFilePath(App)) != before);
    }

    void killedWriterLeavesAWholeFile() {
        QVERIFY(SaveSetting(App, "Settings", "Big", QString(BigValueLength, 'z')));
        for (int kill = 0; kill < 8; ++kill) {
            QProcess writer;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(WriterVariable, "1");
            writer.setProcessEnvironment(environment);
            writer.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(writer.waitForStarted());
            QTest::qWait(100 + QRandomGenerator::global()->bounded(200));
            writer.kill();
            QVERIFY(writer.waitForFinished());

            QSettings file(SettingsFilePath(App), QSettings::IniFormat);
            QCOMPARE(file.status(), QSettings::NoError);
            const QString value = file.value("Settings/Big").toString();
            QCOMPARE(value.size(), BigValueLength);
            QCOMPARE(value.count(value.front()), BigValueLength);
        }
        // The lock the killed writer held does not block the next write.
        QVERIFY(SaveSetting(App, "Settings", "Step", "2500"));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(WriterVariable))
        return writeForever();
    SettingsStoreFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "settings_store_files.moc"
