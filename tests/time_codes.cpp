// Milliseconds to hh:mm:ss:cc and back, and typed times: rounding of halves to even,
// positional fields, fallbacks, and 32-bit overflow reported instead of wrapping. Time
// stamps in each form, and read back when pasted.
#include "support/Rows.h"
#include "timecode/modSMPTE.h"

#include <QLocale>
#include <QTest>

#include <limits>

namespace {
const QString Zero = QStringLiteral("00:00:00:00");
using enum TimeCodeError;

// What TimeCodeToMs (as a number) or ParseTimeEntry make of a text, and any error.
// clang-format off
const std::tuple<const char*, bool, const char*, QString, TimeCodeError> typedTimes[] = {
    {"every field", true, "01:02:03:45", "3723450", None},
    {"separators not examined", true, "01.02.03.45", "3723450", None},
    {"one-digit hours shift the fields", true, "1:02:03:45", "0", None},
    {"fields have no range limit", true, "00:99:99:99", "6039990", None},
    {"short last field", true, "00:00:00:4", "40", None},
    {"three-digit hours", true, "100:00:00:00", "360000000", None},
    {"largest that fits", true, "596:31:23:64", "2147483640", None},
    {"sum past 32 bits", true, "596:31:23:65", "0", TimeTooLarge},
    {"hours past 64 bits", true, "99999999999999999999:00:00:00", "0", TimeTooLarge},
    {"empty", false, "", Zero, None},
    {"whole seconds", false, " 5 ", "00:00:05:00", None},
    {"fractional seconds", false, "90.5", "00:01:30:50", None},
    {"half a hundredth to even", false, "0.015", "00:00:00:02", None},
    {"too small for a double", false, "1e-400", Zero, None},
    {"just past 32-bit ms", false, "2147483.648", Zero, SecondsOutOfRange},
    {"negative past a 32-bit float", false, "-1e39", Zero, SecondsOutOfRange},
    {"minutes and seconds", false, "1:30", "00:01:30:00", None},
    {"negative total gives magnitude", false, "-1:30", "00:00:30:00", None},
    {"long m:ss read positionally", false, "100:30", Zero, None},
    {"time code kept as typed", false, "00:01:99:00", "00:01:99:00", None},
    {"time code past 32 bits", false, "999:00:00:00", Zero, TimeTooLarge},
    {"stamp among blanks", false, " [00:01:02.5]\n", "00:01:02:50", None},
    {"stamp past 32 bits", false, "#999:00:00-0#", Zero, TimeTooLarge},
    {"stamp not closed", false, "[00:01:02", Zero, None},
};
// clang-format on
} // namespace

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

    void readTypedTimes_data() { addRowNumbers(typedTimes); }
    void readTypedTimes() {
        QFETCH(int, row);
        const auto& [name, asTimeCode, text, result, error] = typedTimes[row];
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
