// Milliseconds to hh:mm:ss:cc and back, and typed times: rounding of halves to even,
// positional fields, fallbacks, and 32-bit overflow reported instead of wrapping. Time
// stamps in each form, and read back when pasted.
#include "timecode/modSMPTE.h"

#include <QLocale>
#include <QTest>

#include <limits>

namespace {
const QString Zero = QStringLiteral("00:00:00:00");
using enum TimeCodeError;
} // namespace
Q_DECLARE_METATYPE(TimeCodeError)

class TimeCodes : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void msToTimeCode() {
        // Hundredths rounded with halves to even, carried, hours past 99, the magnitude of min.
        // clang-format off
        const QList<std::pair<qint64, QString>> table{
            {5, Zero}, {15, "00:00:00:02"}, {25, "00:00:00:02"}, {59'995, "00:01:00:00"},
            {3'723'450, "01:02:03:45"}, {360'000'000, "100:00:00:00"},
            {std::numeric_limits<qint32>::max(), "596:31:23:65"},
            {std::numeric_limits<qint32>::min(), "596:31:23:65"},
            {std::numeric_limits<qint64>::min(), "2562047788015:12:55:81"}};
        // clang-format on
        for (const auto& [ms, timeCode] : table)
            QCOMPARE(MsToTimeCode(ms), timeCode);
    }

    // What TimeCodeToMs (as a number) or ParseTimeEntry make of a text, and any error.
    void readTypedTimes_data() {
        QTest::addColumn<bool>("asTimeCode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::addColumn<TimeCodeError>("error");
        const auto toMs = [](const char* name, const char* text, qint32 ms, bool overflow = false) {
            QTest::newRow(name) << true << QString(text) << QString::number(ms)
                                << (overflow ? TimeTooLarge : None);
        };
        const auto parse = [](const char* name, const char* text, const QString& timeCode,
                              TimeCodeError error = None) {
            QTest::newRow(name) << false << QString(text) << timeCode << error;
        };
        toMs("every field", "01:02:03:45", 3'723'450);
        toMs("separators not examined", "01.02.03.45", 3'723'450);
        toMs("one-digit hours shift the fields", "1:02:03:45", 0);
        toMs("fields have no range limit", "00:99:99:99", 6'039'990);
        toMs("short last field", "00:00:00:4", 40);
        toMs("three-digit hours", "100:00:00:00", 360'000'000);
        toMs("largest that fits", "596:31:23:64", 2'147'483'640);
        toMs("sum past 32 bits", "596:31:23:65", 0, true);
        toMs("hours past 64 bits", "99999999999999999999:00:00:00", 0, true);
        parse("empty", "", Zero);
        parse("whole seconds", " 5 ", "00:00:05:00");
        parse("fractional seconds", "90.5", "00:01:30:50");
        parse("half a hundredth to even", "0.015", "00:00:00:02");
        parse("too small for a double", "1e-400", Zero);
        parse("just past 32-bit ms", "2147483.648", Zero, SecondsOutOfRange);
        parse("negative past a 32-bit float", "-1e39", Zero, SecondsOutOfRange);
        parse("minutes and seconds", "1:30", "00:01:30:00");
        parse("negative total gives magnitude", "-1:30", "00:00:30:00");
        parse("long m:ss read positionally", "100:30", Zero);
        parse("time code kept as typed", "00:01:99:00", "00:01:99:00");
        parse("time code past 32 bits", "999:00:00:00", Zero, TimeTooLarge);
        parse("stamp among blanks", " [00:01:02.5]\n", "00:01:02:50");
        parse("stamp past 32 bits", "#999:00:00-0#", Zero, TimeTooLarge);
        parse("stamp not closed", "[00:01:02", Zero);
    }

    void readTypedTimes() {
        QFETCH(bool, asTimeCode);
        QFETCH(QString, text);
        QFETCH(QString, result);
        QFETCH(TimeCodeError, error);
        const auto ms = TimeCodeToMs(text);
        const auto entry = ParseTimeEntry(text);
        QCOMPARE(asTimeCode ? QString::number(ms.value) : entry.value, result);
        QCOMPARE(asTimeCode ? ms.error : entry.error, error);
    }

    // Each form at 0, 59.95 s, 1 h and 100 h, cut to its unit (hh:mm:ss:cc as the field
    // shows it); pasted, each reads as the time it stands for.
    void timeStampsInEachForm() {
        const qint64 unitMs[] = {1000, 100, 100, 10}; // in the order of TimeStampFormats
        const std::pair<qint64, QStringList> table[] = {
            {0, {"[00:00:00]", "[00:00:00.0]", "#00:00:00-0#", "00:00:00:00"}},
            {59'950, {"[00:00:59]", "[00:00:59.9]", "#00:00:59-9#", "00:00:59:95"}},
            {3'600'000, {"[01:00:00]", "[01:00:00.0]", "#01:00:00-0#", "01:00:00:00"}},
            {360'000'000, {"[100:00:00]", "[100:00:00.0]", "#100:00:00-0#", "100:00:00:00"}}};
        for (const auto& [ms, stamps] : table)
            for (int form = 0; form < 4; ++form) {
                const TimeStampFormat format = TimeStampFormats[form];
                QCOMPARE(TimeStamp(ms, format), stamps[form]);
                QCOMPARE(TimeCodeToMs(ParseTimeEntry(stamps[form]).value).value,
                         ms - ms % unitMs[form]);
                QVERIFY(TimeStampFormatOf(TimeStampPattern(format)) == format);
            }
    }

    void secondsInTheUsersDecimalNotationAndClamped() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(ParseTimeEntry("90,5").value, "00:01:30:50");
        QCOMPARE(ParseTimeEntry("90.5").value, "00:01:30:50");
        QCOMPARE(ParseTimeEntry("1.000").value, "00:00:01:00"); // a point never groups
        QCOMPARE(ClampTimeEntry("9,99", 10'000).value, "00:00:09:99");
        QCOMPARE(ClampTimeEntry("00:00:20:00", 10'000).value, "00:00:10:00");
    }
};

QTEST_MAIN(TimeCodes)
#include "time_codes.moc"
