#include <vok/Vok_system.h>

#include <QLocale>

#include <cmath>

namespace vok {

namespace {
std::optional<QChar>& PinnedSeparator()
{
    static std::optional<QChar> Sep;
    return Sep;
}
std::optional<QDateTime>& PinnedNow()
{
    static std::optional<QDateTime> Now;
    return Now;
}
const QDate& DateTimeEpoch()
{
    static const QDate Epoch(1899, 12, 30);
    return Epoch;
}
} // namespace

QChar SystemDecimalSeparator()
{
    if (PinnedSeparator())
        return *PinnedSeparator();
    const QString Sep = QLocale::system().decimalPoint();
    return Sep.isEmpty() ? QChar('.') : Sep.front();
}

void SetSystemDecimalSeparator(std::optional<QChar> Sep) { PinnedSeparator() = Sep; }

QDateTime CurrentDateTime() { return PinnedNow() ? *PinnedNow() : QDateTime::currentDateTime(); }

void SetCurrentDateTime(std::optional<QDateTime> Now) { PinnedNow() = std::move(Now); }

double DateTimeToTDateTime(const QDateTime& Dt)
{
    const double Days = static_cast<double>(DateTimeEpoch().daysTo(Dt.date()));
    const double Fraction = Dt.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the epoch the classic encoding keeps the time as a positive fraction
    // after the negative day number.
    return Days < 0 ? Days - Fraction : Days + Fraction;
}

QDateTime TDateTimeToDateTime(double Value)
{
    const double Days = std::trunc(Value);
    const double Fraction = std::fabs(Value - Days);
    const QDate Date = DateTimeEpoch().addDays(static_cast<qint64>(Days));
    const int Msecs = static_cast<int>(std::llround(Fraction * 86400000.0));
    return QDateTime(Date, QTime(0, 0)).addMSecs(Msecs);
}

bool IsLeapYear(int Year)
{
    return (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
}

int DaysInAMonth(int Year, int Month)
{
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12)
        return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

double EncodeDate(int Year, int Month, int Day)
{
    if (Year < 1 || Year > 9999 || Day < 1 || Day > DaysInAMonth(Year, Month))
        throw EConvertError(QStringLiteral("Invalid argument to date encode: %1-%2-%3")
                                .arg(Year)
                                .arg(Month)
                                .arg(Day)
                                .toStdString());
    return static_cast<double>(DateTimeEpoch().daysTo(QDate(Year, Month, Day)));
}

void DecodeDate(double DateTime, int& Year, int& Month, int& Day)
{
    const QDate Date = TDateTimeToDateTime(DateTime).date();
    Year = Date.year();
    Month = Date.month();
    Day = Date.day();
}

} // namespace vok
