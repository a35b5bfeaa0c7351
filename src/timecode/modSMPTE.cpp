#include "timecode/modSMPTE.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace {

const QString ZeroTimeCode = QStringLiteral("00:00:00:00");
constexpr qsizetype MaxTypedMinutesAndSeconds = 5;

quint64 hundredthsRoundedToEven(quint64 ms) {
    quint64 hundredths = ms / 10;
    const quint64 rest = ms % 10;
    if (rest > 5 || (rest == 5 && hundredths % 2 == 1))
        ++hundredths;
    return hundredths;
}

QString twoDigitsAtLeast(quint64 value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// A whole number in the user's notation or the C notation, blanks and a sign allowed.
std::optional<qint64> readWholeNumber(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    QLocale user;
    user.setNumberOptions(QLocale::RejectGroupSeparator);
    for (const QLocale& locale : {user, QLocale::c()}) {
        bool ok = false;
        const qint64 value = locale.toLongLong(trimmed, &ok);
        if (ok)
            return value;
    }
    return std::nullopt;
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Hours take characters 1-2, unless the text begins with three or more digits (the
// time code of 100 hours or more): then all of them are hours and the other fields
// follow at the same distances.
qsizetype hourFieldWidth(const QString& text) {
    qsizetype digits = 0;
    while (digits < text.size() && isAsciiDigit(text[digits]))
        ++digits;
    return std::max<qsizetype>(digits, 2);
}

// hours * 3,600,000 + minutes * 60,000 + seconds * 1,000 + hundredths * 10; no value
// when it does not fit in 32 bits. Only the hours can be large (the other fields have
// two characters), so bounding them keeps the 64-bit sum itself from overflowing.
std::optional<qint32> sumOfFields(qint64 hours, qint64 minutes, qint64 seconds, qint64 hundredths) {
    constexpr qint64 msPerHour = 3'600'000;
    if (hours > std::numeric_limits<qint32>::max() / msPerHour + 1)
        return std::nullopt;
    const qint64 total = hours * msPerHour + minutes * 60'000 + seconds * 1'000 + hundredths * 10;
    if (total < std::numeric_limits<qint32>::min() || total > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(total);
}

const TimeCodeResult<qint64> TimeTooLarge{0, TimeCodeError::TimeTooLarge};
const TimeCodeResult<QString> SecondsOutOfRange{ZeroTimeCode, TimeCodeError::SecondsOutOfRange};

// A count of seconds typed with the user's decimal separator or a point; no value when
// the text is not such a number. A number too large for a double reads as infinity.
std::optional<double> readSeconds(const QString& text) {
    const QString decimal = QRegularExpression::escape(QLocale().decimalPoint());
    const QRegularExpression number(
        QStringLiteral(R"(^[+-]?([0-9]+((\.|%1)[0-9]*)?|(\.|%1)[0-9]+)([eE][+-]?[0-9]+)?$)")
            .arg(decimal));
    QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    trimmed.replace(QLocale().decimalPoint(), QStringLiteral("."));
    // The syntax is checked above: a failed conversion is an overflow (infinity) or an
    // underflow (0), both the right value here.
    return QLocale::c().toDouble(trimmed);
}

// Form 1: seconds, rounded to whole milliseconds with halves to even. The range of the
// 32-bit float the entry was once read into still marks the numbers refused as overflow.
TimeCodeResult<QString> secondsToTimeCode(double seconds) {
    if (!std::isfinite(seconds) || std::fabs(seconds) > FLT_MAX)
        return SecondsOutOfRange;
    if (seconds < 0)
        return {ZeroTimeCode};
    const double ms = std::nearbyint(seconds * 1000);
    if (ms > std::numeric_limits<qint32>::max())
        return SecondsOutOfRange;
    return {MsToTimeCode(qint64(ms))};
}

// Form 2: a full time code, kept as typed when it reads as a time after the start.
TimeCodeResult<QString> typedTimeCode(const QString& text) {
    const TimeCodeResult<qint64> ms = TimeCodeToMs(text);
    return {ms.value > 0 ? text : ZeroTimeCode, ms.error};
}

// Form 3: "m:ss" in five characters or fewer; a negative total gives its magnitude.
QString minutesAndSecondsToTimeCode(const QString& text) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return ZeroTimeCode;
    const auto minutes = readWholeNumber(QStringView(text).left(colon));
    const auto seconds = readWholeNumber(QStringView(text).mid(colon + 1));
    if (!minutes || !seconds)
        return ZeroTimeCode;
    return MsToTimeCode((*minutes * 60 + *seconds) * 1000);
}

// The stamp forms besides the time code: the marks around the clock and before the tenth
// ("" for none).
struct StampMarks {
    TimeStampFormat format;
    const char* pattern;
    const char* open;
    const char* tenthMark;
    const char* close;
};

constexpr StampMarks MarkedStamps[] = {
    {TimeStampFormat::Seconds, "[hh:mm:ss]", "[", "", "]"},
    {TimeStampFormat::Tenths, "[hh:mm:ss.d]", "[", ".", "]"},
    {TimeStampFormat::HashTenths, "#hh:mm:ss-d#", "#", "-", "#"},
};
const QString TimeCodePattern = QStringLiteral("hh:mm:ss:cc");

const StampMarks* marksOf(TimeStampFormat format) {
    for (const StampMarks& marks : MarkedStamps)
        if (marks.format == format)
            return &marks;
    return nullptr;
}

QRegularExpression stampExpression(const StampMarks& marks) {
    const auto escaped = [](const char* mark) {
        return QRegularExpression::escape(QLatin1String(mark));
    };
    const QString tenth = *marks.tenthMark ? escaped(marks.tenthMark) + R"(([0-9]))" : QString();
    return QRegularExpression(QStringLiteral(R"(^\s*%1([0-9]{2,}):([0-9]{2}):([0-9]{2})%2%3\s*$)")
                                  .arg(escaped(marks.open), tenth, escaped(marks.close)));
}

// The time code a pasted stamp stands for; no value when the text is no marked stamp.
// Stamps begin with "[" or "#", which no other typed time does.
std::optional<QString> timeCodeOfStamp(const QString& text) {
    static const auto expressions = [] {
        QList<QRegularExpression> all;
        for (const StampMarks& marks : MarkedStamps)
            all << stampExpression(marks);
        return all;
    }();
    for (const QRegularExpression& expression : expressions) {
        const QRegularExpressionMatch match = expression.match(text);
        if (match.hasMatch())
            return QStringList{match.captured(1), match.captured(2), match.captured(3),
                               match.captured(4) + (match.hasCaptured(4) ? "0" : "00")}
                .join(u':');
    }
    return std::nullopt;
}

} // namespace

QString MsToTimeCode(qint64 ms) {
    // The magnitude of the most negative value only fits unsigned.
    const quint64 magnitude = ms < 0 ? 0 - quint64(ms) : quint64(ms);
    const quint64 totalHundredths = hundredthsRoundedToEven(magnitude);
    const quint64 totalSeconds = totalHundredths / 100;
    const quint64 totalMinutes = totalSeconds / 60;
    return QStringList{twoDigitsAtLeast(totalMinutes / 60), twoDigitsAtLeast(totalMinutes % 60),
                       twoDigitsAtLeast(totalSeconds % 60), twoDigitsAtLeast(totalHundredths % 100)}
        .join(u':');
}

TimeCodeResult<qint64> TimeCodeToMs(const QString& text) {
    const qsizetype hourWidth = hourFieldWidth(text);
    const qsizetype shift = hourWidth - 2;
    const QStringView view(text);
    const auto field = [&view](qsizetype start, qsizetype width) {
        return readWholeNumber(view.mid(start, width));
    };
    const auto hours = field(0, hourWidth);
    const auto minutes = field(3 + shift, 2);
    const auto seconds = field(6 + shift, 2);
    const auto hundredths = field(9 + shift, 2);
    if (!minutes || !seconds || !hundredths)
        return {};
    if (!hours) // a field of many digits that no integer holds
        return hourWidth > 2 ? TimeTooLarge : TimeCodeResult<qint64>{};
    const auto ms = sumOfFields(*hours, *minutes, *seconds, *hundredths);
    return ms ? TimeCodeResult<qint64>{*ms} : TimeTooLarge;
}

TimeCodeResult<QString> ParseTimeEntry(const QString& text) {
    if (const auto timeCode = timeCodeOfStamp(text))
        return typedTimeCode(*timeCode);
    if (const auto seconds = readSeconds(text))
        return secondsToTimeCode(*seconds);
    if (text.size() > MaxTypedMinutesAndSeconds)
        return typedTimeCode(text);
    return {minutesAndSecondsToTimeCode(text)};
}

TimeCodeResult<QString> ClampTimeEntry(const QString& text, qint64 lengthMs) {
    TimeCodeResult<QString> entry = ParseTimeEntry(text);
    if (TimeCodeToMs(entry.value).value > lengthMs)
        entry.value = MsToTimeCode(lengthMs);
    return entry;
}

QString TimeStampPattern(TimeStampFormat format) {
    const StampMarks* marks = marksOf(format);
    return marks ? QString::fromLatin1(marks->pattern) : TimeCodePattern;
}

std::optional<TimeStampFormat> TimeStampFormatOf(const QString& pattern) {
    for (const TimeStampFormat format : TimeStampFormats)
        if (TimeStampPattern(format) == pattern)
            return format;
    return std::nullopt;
}

QString TimeStamp(qint64 ms, TimeStampFormat format) {
    const StampMarks* marks = marksOf(format);
    if (!marks)
        return MsToTimeCode(ms);
    const quint64 tenths = quint64(std::max<qint64>(ms, 0)) / 100;
    const quint64 seconds = tenths / 10;
    QString stamp = QLatin1String(marks->open) + QStringList{twoDigitsAtLeast(seconds / 3600),
                                                             twoDigitsAtLeast(seconds / 60 % 60),
                                                             twoDigitsAtLeast(seconds % 60)}
                                                     .join(u':');
    if (*marks->tenthMark)
        stamp += QLatin1String(marks->tenthMark) + QString::number(tenths % 10);
    return stamp + QLatin1String(marks->close);
}
