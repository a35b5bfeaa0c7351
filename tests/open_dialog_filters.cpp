// The open dialog's filter, written as "Description|patterns|...", becomes Qt name
// filters that really match the files: "*.*" must match names without a dot too.
#include "platform/FileDialogFilter.h"

#include <QTest>

class OpenDialogFilters : public QObject {
    Q_OBJECT

private slots:
    void convertsToQtNameFilters_data();
    void convertsToQtNameFilters();
};

void OpenDialogFilters::convertsToQtNameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("nameFilters");
    QTest::newRow("the open dialog's filter")
        << "Wave (*.wav)|*.wav|All files (*.*)|*.*" << QStringList{"Wave (*.wav)", "All files (*)"};
    QTest::newRow("several patterns")
        << "Sound|*.wav; *.flac" << QStringList{"Sound (*.wav *.flac)"};
    QTest::newRow("shown patterns replaced by the real ones")
        << "Wave (*.WAV)|*.wav;*.WAV" << QStringList{"Wave (*.wav *.WAV)"};
    QTest::newRow("description without patterns") << "Anything" << QStringList{"Anything (*)"};
    QTest::newRow("trailing separator") << "Wave|*.wav|" << QStringList{"Wave (*.wav)"};
    QTest::newRow("empty") << "" << QStringList{};
}

void OpenDialogFilters::convertsToQtNameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, nameFilters);
    QCOMPARE(QtNameFilters(filter), nameFilters);
}

QTEST_GUILESS_MAIN(OpenDialogFilters)
#include "open_dialog_filters.moc"
