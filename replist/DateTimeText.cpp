// Reading a date-time text by a classic date/time format, for the row
// editor's date pickers.
#include <vok/Vok_replist.h>
#include <vok/Vok_system.h>

#include <QDate>
#include <QTime>

#include <array>

namespace vok {

namespace {
constexpr int TwoDigitYearWindow = 50;
const std::array<const char*, 12> MonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                "July",    "August",   "September", "October", "November", "December"};
const std::array<const char*, 7> DayNames = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                             "Friday", "Saturday", "Sunday"};

bool IsTokenLetter(QChar C)
{
    return QStringView(u"yMdHhmst").contains(C);
}

// Reads the input from its front; every reader removes what it took.
class DateTextReader
{
public:
    explicit DateTextReader(QStringView Input)
        : FRest(Input)
    {
    }

    bool AtEnd() const { return FRest.isEmpty(); }

    bool Literal(QStringView Text)
    {
        if (!FRest.startsWith(Text))
            return false;
        FRest = FRest.mid(Text.size());
        return true;
    }

    // Exactly Count digits.
    bool Digits(int Count, int& Value)
    {
        if (FRest.size() < Count)
            return false;
        Value = 0;
        for (int I = 0; I < Count; ++I) {
            if (!FRest[I].isDigit() || FRest[I].unicode() > '9')
                return false;
            Value = Value * 10 + (FRest[I].unicode() - '0');
        }
        FRest = FRest.mid(Count);
        return true;
    }

    // A number of any length after leading spaces and one optional sign.
    bool Number(int& Value)
    {
        while (FRest.startsWith(u' '))
            FRest = FRest.mid(1);
        int Sign = 1;
        if (FRest.startsWith(u'-') || FRest.startsWith(u'+')) {
            Sign = FRest.startsWith(u'-') ? -1 : 1;
            FRest = FRest.mid(1);
        }
        qint64 Result = 0;
        int Count = 0;
        while (Count < FRest.size() && FRest[Count].unicode() >= '0' && FRest[Count].unicode() <= '9') {
            Result = Result * 10 + (FRest[Count].unicode() - '0');
            if (Result > 1000000)
                return false;
            ++Count;
        }
        if (Count == 0)
            return false;
        FRest = FRest.mid(Count);
        Value = Sign * int(Result);
        return true;
    }

    // The index of the first name the input starts with (without case), or
    // of the first whose first Length letters it starts with.
    template <std::size_t N>
    int Name(const std::array<const char*, N>& Names, int Length)
    {
        for (std::size_t I = 0; I < N; ++I) {
            QString Candidate = QString::fromLatin1(Names[I]);
            if (Length > 0)
                Candidate.truncate(Length);
            if (FRest.startsWith(Candidate, Qt::CaseInsensitive)) {
                FRest = FRest.mid(Candidate.size());
                return int(I);
            }
        }
        return -1;
    }

    // Count characters, whatever they are.
    bool Take(int Count, QString& Text)
    {
        if (FRest.size() < Count)
            return false;
        Text = FRest.left(Count).toString();
        FRest = FRest.mid(Count);
        return true;
    }

private:
    QStringView FRest;
};

int CompleteTwoDigitYear(int Year)
{
    const int Threshold = CurrentDateTime().date().year() - TwoDigitYearWindow;
    int Result = Threshold / 100 * 100 + Year;
    if (Result < Threshold)
        Result += 100;
    return Result;
}
} // namespace

double ParseDateTime(const QString& Text, const QString& Format, int& Status)
{
    DateTextReader In(Text);
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
    bool TwelveHour = false;
    bool Afternoon = false;
    auto Fail = [&Status](int Code) {
        Status = Code;
        return 0.0;
    };
    int Pos = 0;
    while (Pos < Format.size()) {
        const QChar C = Format[Pos];
        if (C == QLatin1Char('\'')) {
            // Quoted literal text; '' is a quote.
            QString Literal;
            ++Pos;
            while (Pos < Format.size()) {
                if (Format[Pos] == QLatin1Char('\'')) {
                    if (Pos + 1 < Format.size() && Format[Pos + 1] == QLatin1Char('\'')) {
                        Literal += QLatin1Char('\'');
                        Pos += 2;
                        continue;
                    }
                    ++Pos;
                    break;
                }
                Literal += Format[Pos++];
            }
            if (!In.Literal(Literal))
                return Fail(-1);
            continue;
        }
        if (!IsTokenLetter(C)) {
            const int Start = Pos;
            while (Pos < Format.size() && !IsTokenLetter(Format[Pos]) && Format[Pos] != QLatin1Char('\''))
                ++Pos;
            if (!In.Literal(QStringView(Format).mid(Start, Pos - Start)))
                return Fail(-1);
            continue;
        }
        const int Start = Pos;
        while (Pos < Format.size() && Format[Pos] == C)
            ++Pos;
        const QString Token = Format.mid(Start, Pos - Start);
        bool Ok = true;
        QString Marker;
        if (Token == u"yyyy")
            Ok = In.Digits(4, Year);
        else if (Token == u"yy") {
            Ok = In.Digits(2, Year);
            Year = CompleteTwoDigitYear(Year);
        } else if (Token == u"MMMM")
            Ok = (Month = In.Name(MonthNames, 0) + 1) > 0;
        else if (Token == u"MMM")
            Ok = (Month = In.Name(MonthNames, 3) + 1) > 0;
        else if (Token == u"MM")
            Ok = In.Digits(2, Month);
        else if (Token == u"dddd")
            Ok = In.Name(DayNames, 0) >= 0;
        else if (Token == u"ddd")
            Ok = In.Name(DayNames, 3) >= 0;
        else if (Token == u"dd")
            Ok = In.Digits(2, Day);
        else if (Token == u"HH" || Token == u"hh") {
            Ok = In.Digits(2, Hour);
            TwelveHour = TwelveHour || Token == u"hh";
        } else if (Token == u"mm")
            Ok = In.Digits(2, Minute);
        else if (Token == u"ss")
            Ok = In.Digits(2, Second);
        else if (Token == u"M")
            Ok = In.Number(Month);
        else if (Token == u"d")
            Ok = In.Number(Day);
        else if (Token == u"H" || Token == u"h") {
            Ok = In.Number(Hour);
            TwelveHour = TwelveHour || Token == u"h";
        } else if (Token == u"m")
            Ok = In.Number(Minute);
        else if (Token == u"s")
            Ok = In.Number(Second);
        else if (Token == u"tt") {
            Ok = In.Take(2, Marker);
            Afternoon = Marker.compare(QLatin1String("am"), Qt::CaseInsensitive) != 0;
        } else if (Token == u"t") {
            Ok = In.Take(1, Marker);
            Afternoon = Marker.compare(QLatin1String("a"), Qt::CaseInsensitive) != 0;
        } else
            return Fail(-2);
        if (!Ok)
            return Fail(-3);
    }
    if (!In.AtEnd())
        return Fail(-3);
    if (TwelveHour) {
        if (!Afternoon && Hour == 12)
            Hour = 0;
        else if (Afternoon && Hour != 12)
            Hour += 12;
    }
    const QTime Time(Hour, Minute, Second);
    if (!Time.isValid())
        return Fail(-3);
    double Value = Time.msecsSinceStartOfDay() / 86400000.0;
    if (Year != 0 || Month != 0 || Day != 0) {
        const QDate Date(Year, Month, Day);
        if (!Date.isValid())
            return Fail(-3);
        Value = DateTimeToTDateTime(QDateTime(Date, Time));
    }
    Status = 0;
    return Value;
}

} // namespace vok
