// The folder chooser: its result after OK and Cancel over several showings, where it
// starts for folders that do not exist, the drive list, and paths keeping their case.
#include "files/frmChooseFolder.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QPushButton* button(frmChooseFolder& chooser, const char* name) {
    return chooser.findChild<QPushButton*>(name);
}

// Shows the chooser at path as the Options dialog does, then closes it with a button.
void showAndClose(frmChooseFolder& chooser, const QString& path, const char* buttonName) {
    chooser.setPath(path);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QTest::mouseClick(button(chooser, buttonName), Qt::LeftButton);
    QVERIFY(!chooser.isVisible());
}

} // namespace

class FolderChooserTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void resultOnlyFromOk();
    void startFolder_data();
    void startFolder();
    void driveListShowsTheVolume();

private:
    QTemporaryDir root;
    QString folderA;
    QString folderB;
};

void FolderChooserTest::initTestCase() {
    QVERIFY(root.isValid());
    folderA = root.path() + "/Interviews";
    folderB = root.path() + "/Lectures 2024";
    QVERIFY(QDir().mkpath(folderA));
    QVERIFY(QDir().mkpath(folderB));
    QVERIFY(QDir().mkpath(root.path() + "/.hidden/Inside"));
    QVERIFY(QFile(folderA + "/Tape.WAV").open(QIODevice::WriteOnly));
}

// Cancel at the first showing leaves the result empty; OK sets it, with the folder's
// own capitals; a later Cancel keeps it.
void FolderChooserTest::resultOnlyFromOk() {
    frmChooseFolder chooser;
    showAndClose(chooser, folderA, "CancelButton");
    QCOMPARE(chooser.resultText(), QString());

    showAndClose(chooser, folderA, "OKButton");
    QCOMPARE(chooser.resultText(), folderA);

    showAndClose(chooser, folderB, "CancelButton");
    QCOMPARE(chooser.resultText(), folderA);

    showAndClose(chooser, folderB, "OKButton");
    QCOMPARE(chooser.resultText(), folderB);
}

void FolderChooserTest::startFolder_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("start");

    QTest::newRow("existing folder") << folderB << folderB;
    QTest::newRow("trailing slash") << folderB + "/" << folderB;
    QTest::newRow("missing folder") << folderA + "/gone" << folderA;
    QTest::newRow("missing deeper") << folderA + "/gone/and/deeper" << folderA;
    QTest::newRow("a file") << folderA + "/Tape.WAV" << folderA;
    QTest::newRow("hidden folder")
        << root.path() + "/.hidden/Inside" << root.path() + "/.hidden/Inside";
    QTest::newRow("empty") << QString() << QDir::homePath();
    QTest::newRow("relative path") << QString("c:\\my documents") << QDir::homePath();
}

void FolderChooserTest::startFolder() {
    QFETCH(QString, path);
    QFETCH(QString, start);
    frmChooseFolder chooser;
    showAndClose(chooser, path, "OKButton");
    QCOMPARE(chooser.resultText(), start);
}

// The drive list shows the volume of the start folder without leaving that folder;
// choosing a volume moves the folder list to its root.
void FolderChooserTest::driveListShowsTheVolume() {
    frmChooseFolder chooser;
    auto* drives = chooser.findChild<QComboBox*>("Drive1");
    QVERIFY(drives);
    QVERIFY(drives->findText(QDir::rootPath()) >= 0);

    chooser.setPath(folderA);
    QCOMPARE(drives->currentText(), QStorageInfo(folderA).rootPath());
    chooser.Drive1_Change(drives->findText(QDir::rootPath()));
    chooser.show();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    QTest::mouseClick(button(chooser, "OKButton"), Qt::LeftButton);
    QCOMPARE(chooser.resultText(), QDir::rootPath());
}

QTEST_MAIN(FolderChooserTest)
#include "folder_chooser.moc"
