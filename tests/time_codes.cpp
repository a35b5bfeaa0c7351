// Conversions between milliseconds and hh:mm:ss:cc, and reading typed times: rounding
// of halves to even, positional fields, fallbacks, and 32-bit overflow reported in a
// message box instead of wrapping.
#include "support/ScriptedDialogs.h"
#include "timecode/modSMPTE.h"

#include <QLocale>
#include <QTest>

#include <limits>

class TimeCodes : public QObject {
    Q_OBJECT

private slots:
    void init() { scripted.clear(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void msToTimeCode_data();
    void msToTimeCode();
    void timeCodeToMs_data();
    void timeCodeToMs();
    void timeCodeReadsBackWhatItWrites();
    void parseTimeEntry_data();
    void parseTimeEntry();
    void secondsInTheUsersDecimalNotation();
    void clampTimeEntry_data();
    void clampTimeEntry();

private:
    ScriptedDialogs scripted;
    ScopedDialogs installed{scripted};
};

namespace {
constexpr qint32 MaxMs = std::numeric_limits<qint32>::max();
const QString Zero = QStringLiteral("00:00:00:00");
const QString OverflowMessage = QStringLiteral("Unknown error (6).");
} // namespace

void TimeCodes::msToTimeCode_data() {
    QTest::addColumn<qint32>("ms");
    QTest::addColumn<QString>("timeCode");
    QTest::newRow("zero") << 0 << Zero;
    QTest::newRow("4 ms rounds down") << 4 << Zero;
    QTest::newRow("5 ms: half to even 0") << 5 << Zero;
    QTest::newRow("6 ms rounds up") << 6 << "00:00:00:01";
    QTest::newRow("15 ms: half to even 2") << 15 << "00:00:00:02";
    QTest::newRow("25 ms: half to even 2") << 25 << "00:00:00:02";
    QTest::newRow("35 ms: half to even 4") << 35 << "00:00:00:04";
    QTest::newRow("carry into the minute") << 59'995 << "00:01:00:00";
    QTest::newRow("every field") << 3'723'450 << "01:02:03:45";
    QTest::newRow("no wrap at 24 hours") << 86'400'000 << "24:00:00:00";
    QTest::newRow("last two-digit hour") << 359'999'990 << "99:59:59:99";
    QTest::newRow("three-digit hours") << 360'000'000 << "100:00:00:00";
    QTest::newRow("32-bit maximum") << MaxMs << "596:31:23:65";
    QTest::newRow("negative gives magnitude") << -1'500 << "00:00:01:50";
    QTest::newRow("32-bit minimum") << std::numeric_limits<qint32>::min() << "596:31:23:65";
}

void TimeCodes::msToTimeCode() {
    QFETCH(qint32, ms);
    QFETCH(QString, timeCode);
    QCOMPARE(MsToTimeCode(ms), timeCode);
}

void TimeCodes::timeCodeToMs_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("ms");
    QTest::addColumn<bool>("overflowShown");
    QTest::newRow("every field") << "01:02:03:45" << 3'723'450 << false;
    QTest::newRow("separators not examined") << "01.02.03.45" << 3'723'450 << false;
    QTest::newRow("one-digit hours shift the fields") << "1:02:03:45" << 0 << false;
    QTest::newRow("no seconds field") << "00:05" << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("fields have no range limit") << "00:99:99:99" << 6'039'990 << false;
    QTest::newRow("blank and sign accepted") << " 1:-2:03:45" << 3'483'450 << false;
    QTest::newRow("short last field") << "00:00:00:4" << 40 << false;
    QTest::newRow("text after the fields ignored") << "00:00:01:00 and more" << 1'000 << false;
    QTest::newRow("letters are not a number") << "00:0a:00:00" << 0 << false;
    QTest::newRow("three-digit hours") << "100:00:00:00" << 360'000'000 << false;
    QTest::newRow("largest that fits") << "596:31:23:64" << 2'147'483'640 << false;
    QTest::newRow("sum past 32 bits") << "596:31:23:65" << 0 << true;
    QTest::newRow("hours past 32 bits") << "999:00:00:00" << 0 << true;
    QTest::newRow("hours past 64 bits") << "99999999999999999999:00:00:00" << 0 << true;
}

void TimeCodes::timeCodeToMs() {
    QFETCH(QString, text);
    QFETCH(qint32, ms);
    QFETCH(bool, overflowShown);
    QCOMPARE(TimeCodeToMs(text), ms);
    if (!overflowShown) {
        QVERIFY(scripted.calls().isEmpty());
        return;
    }
    QCOMPARE(scripted.calls().size(), 1);
    const ScriptedDialogs::Call& call = scripted.calls().first();
    QCOMPARE(call.kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(call.title, "Error!");
    QVERIFY2(call.text.startsWith("Overflow") && call.text.contains(text), qPrintable(call.text));
}

void TimeCodes::timeCodeReadsBackWhatItWrites() {
    for (const qint32 ms :
         {0, 10, 990, 59'990, 3'599'990, 359'999'990, 360'000'000, 1'000'000'010, 2'147'483'640}) {
        QCOMPARE(TimeCodeToMs(MsToTimeCode(ms)), ms);
    }
    QVERIFY(scripted.calls().isEmpty());
}

void TimeCodes::parseTimeEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("timeCode");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    QTest::newRow("empty") << "" << Zero << none;
    QTest::newRow("whole seconds") << "5"
                                   << "00:00:05:00" << none;
    QTest::newRow("seconds with blanks") << " 7 "
                                         << "00:00:07:00" << none;
    QTest::newRow("fractional seconds") << "90.5"
                                        << "00:01:30:50" << none;
    QTest::newRow("1 ms rounds to 0 hundredths") << "0.001" << Zero << none;
    QTest::newRow("half a hundredth to even") << "0.015"
                                              << "00:00:00:02" << none;
    QTest::newRow("exponent") << "1e3"
                              << "00:16:40:00" << none;
    QTest::newRow("too small for a double") << "1e-400" << Zero << none;
    QTest::newRow("negative seconds") << "-3" << Zero << none;
    QTest::newRow("largest seconds") << "2147483.647"
                                     << "596:31:23:65" << none;
    QTest::newRow("seconds past 32-bit ms") << "3000000" << Zero << QStringList{OverflowMessage};
    QTest::newRow("just past 32-bit ms") << "2147483.648" << Zero << QStringList{OverflowMessage};
    QTest::newRow("past a 32-bit float") << "1e39" << Zero << QStringList{OverflowMessage};
    QTest::newRow("negative past a 32-bit float")
        << "-1e39" << Zero << QStringList{OverflowMessage};
    QTest::newRow("minutes and seconds") << "1:30"
                                         << "00:01:30:00" << none;
    QTest::newRow("two-digit minutes") << "10:30"
                                       << "00:10:30:00" << none;
    QTest::newRow("largest minutes") << "9999:" << Zero << none;
    QTest::newRow("negative total gives magnitude") << "-1:30"
                                                    << "00:00:30:00" << none;
    QTest::newRow("no minutes") << ":30" << Zero << none;
    QTest::newRow("no seconds") << "1:" << Zero << none;
    QTest::newRow("letters") << "a:b" << Zero << none;
    QTest::newRow("no colon") << "abc" << Zero << none;
    QTest::newRow("long m:ss read positionally") << "100:30" << Zero << none;
    QTest::newRow("zero time code") << Zero << Zero << none;
    QTest::newRow("time code kept as typed") << "00:01:99:00"
                                             << "00:01:99:00" << none;
    QTest::newRow("one-digit hours") << "0:01:30:00" << Zero << none;
    QTest::newRow("time code past 32 bits")
        << "999:00:00:00" << Zero << QStringList{"Overflow: the time 999:00:00:00 is too large."};
}

void TimeCodes::parseTimeEntry() {
    QFETCH(QString, typed);
    QFETCH(QString, timeCode);
    QFETCH(QStringList, messages);
    QCOMPARE(ParseTimeEntry(typed), timeCode);
    QCOMPARE(scripted.messageTexts(), messages);
    for (const ScriptedDialogs::Call& call : scripted.calls()) {
        if (call.text == OverflowMessage) {
            QCOMPARE(call.icon, Dialogs::Icon::Exclamation);
            QCOMPARE(call.title, QString());
        }
    }
}

void TimeCodes::secondsInTheUsersDecimalNotation() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(ParseTimeEntry("90,5"), "00:01:30:50");
    QCOMPARE(ParseTimeEntry("90.5"), "00:01:30:50");
    QCOMPARE(ParseTimeEntry("1.000"), "00:00:01:00"); // a point is never a group separator
    QVERIFY(scripted.calls().isEmpty());
}

void TimeCodes::clampTimeEntry_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("timeCode");
    QTest::newRow("past the end") << "20"
                                  << "00:00:10:00";
    QTest::newRow("at the end") << "10"
                                << "00:00:10:00";
    QTest::newRow("before the end") << "9.99"
                                    << "00:00:09:99";
    QTest::newRow("time code past the end") << "00:00:20:00"
                                            << "00:00:10:00";
    QTest::newRow("unreadable") << "abc" << Zero;
}

void TimeCodes::clampTimeEntry() {
    QFETCH(QString, typed);
    QFETCH(QString, timeCode);
    QCOMPARE(ClampTimeEntry(typed, 10'000), timeCode);
    QVERIFY(scripted.calls().isEmpty());
}

QTEST_MAIN(TimeCodes)
#include "time_codes.moc"
