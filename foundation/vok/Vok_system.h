/// Operating-system services the number formats and calendars depend on: the
/// system decimal separator and the current date and time. Both come from the
/// system and can be pinned, so tests do not depend on the machine's locale or clock. \file
#pragma once

#include <vok/vok_export.h>

#include <QChar>
#include <QDateTime>

#include <optional>
#include <stdexcept>

namespace vok {

/// The decimal separator of the system locale, or the pinned one.
VOK_EXPORT QChar SystemDecimalSeparator();
/// Pins the decimal separator; std::nullopt returns to the system's.
VOK_EXPORT void SetSystemDecimalSeparator(std::optional<QChar> Sep);

/// The current local date and time, or the pinned one.
VOK_EXPORT QDateTime CurrentDateTime();
/// Pins the clock; std::nullopt returns to the system's.
VOK_EXPORT void SetCurrentDateTime(std::optional<QDateTime> Now);

/// TDateTime: days since 1899-12-30 00:00, the fraction is the time of day.
///@{
VOK_EXPORT double DateTimeToTDateTime(const QDateTime& Dt);
VOK_EXPORT QDateTime TDateTimeToDateTime(double Value);
///@}

/// Dt written by a classic date/time pattern (letters in either case): yyyy,
/// yy year; mmmm, mmm month name (English), mm, m month number; dddd, ddd
/// weekday name, dd, d day; hh, h hour (1..12 when the pattern holds am/pm);
/// nn, n minute; ss, s second; am/pm as "am" or "pm" in the pattern's case.
/// An mm or m right after an hour is the minute. Text in single or double
/// quotes and every other character stand as they are.
VOK_EXPORT QString FormatDateTimeClassic(const QString& Format, const QDateTime& Dt);

/// The conversion error of the date encoding: parts that form no date.
class VOK_EXPORT EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Gregorian leap years: every fourth year, but not full centuries unless
/// divisible by 400.
VOK_EXPORT bool IsLeapYear(int Year);
/// Days of Month (1..12) in Year; 0 for another month.
VOK_EXPORT int DaysInAMonth(int Year, int Month);
/// The TDateTime of midnight on the date; parts that form no date (year
/// outside 1..9999, a zero or too large month or day) raise EConvertError.
VOK_EXPORT double EncodeDate(int Year, int Month, int Day);
/// The year, month and day of a TDateTime.
VOK_EXPORT void DecodeDate(double DateTime, int& Year, int& Month, int& Day);

} // namespace vok
