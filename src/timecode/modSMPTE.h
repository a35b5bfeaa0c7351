#pragma once

#include <QString>

#include <optional>

// Conversions between milliseconds and the time code hh:mm:ss:cc (hours of two or more
// digits, minutes, seconds, hundredths). Pure functions: a conversion that fails says
// why in its result, and the caller tells the user.

enum class TimeCodeError {
    None,
    // A time code whose sum exceeds 32 bits of milliseconds.
    TimeTooLarge,
    // A count of seconds beyond the millisecond range.
    SecondsOutOfRange,
};

template <typename Value> struct TimeCodeResult {
    Value value{};
    TimeCodeError error = TimeCodeError::None;
};

// The time code of |ms|, hundredths rounded with halves to the even neighbour.
QString MsToTimeCode(qint64 ms);

// Milliseconds of a time code read by character position: hours at characters 1-2
// (all leading digits when there are three or more), minutes 4-5, seconds 7-8,
// hundredths 10-11; the characters between are not examined. 0 when a field is not a
// number; 0 and TimeTooLarge when the sum exceeds 32 bits.
TimeCodeResult<qint64> TimeCodeToMs(const QString& text);

// Reads a time as the user typed it: a count of seconds ("90.5", in the user's decimal
// notation or with a point), a full time code (returned as typed), minutes:seconds in
// five characters or fewer ("1:30"), or a time stamp pasted from a transcript in one of
// the forms below, brackets and all (returned as the time code it stands for). Anything
// else gives "00:00:00:00", as does an error.
TimeCodeResult<QString> ParseTimeEntry(const QString& text);

// ParseTimeEntry limited to lengthMs, the length of the open file.
TimeCodeResult<QString> ClampTimeEntry(const QString& text, qint64 lengthMs);

// The forms of the time stamps put into a transcript.
enum class TimeStampFormat {
    Seconds,    // [hh:mm:ss]
    Tenths,     // [hh:mm:ss.d]
    HashTenths, // #hh:mm:ss-d#
    TimeCode,   // hh:mm:ss:cc, as the time field shows it
};

// Every form, in the order of TimeStampFormat.
inline constexpr TimeStampFormat TimeStampFormats[] = {
    TimeStampFormat::Seconds, TimeStampFormat::Tenths, TimeStampFormat::HashTenths,
    TimeStampFormat::TimeCode};

// The form as the user reads it and the store keeps it: "[hh:mm:ss]", ...
QString TimeStampPattern(TimeStampFormat format);
// The form of a pattern; no value for any other text.
std::optional<TimeStampFormat> TimeStampFormatOf(const QString& pattern);

// The stamp of ms (0 for a negative ms), hours of two or more digits. Seconds and tenths
// are cut rather than rounded, so that a stamp never points past the words it marks;
// hh:mm:ss:cc is MsToTimeCode.
QString TimeStamp(qint64 ms, TimeStampFormat format);
