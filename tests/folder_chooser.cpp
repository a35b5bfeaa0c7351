// The folder chooser: where it starts, what OK and Cancel leave, and the drive list.
#include "windows/frmChooseFolder.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

class FolderChooserTest : public QObject {
    Q_OBJECT

private slots:
    // Only OK sets the result: the folder as cased, the nearest that exists, or home for no
    // usable path. The drive list shows the folder's volume; a volume chosen goes to its root.
    void resultStartFolderAndDrive() {
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

QTEST_MAIN(FolderChooserTest)
#include "folder_chooser.moc"
