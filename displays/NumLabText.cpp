// The number text of TNumLab in each display type.
#include <vok/Vok_NumLab.h>

#include <vok/Vok_NumIO.h>
#include <vok/Vok_system.h>

#include <cmath>

namespace vok {

namespace {

constexpr double Int64Limit = 9223372036854775808.0; // 2^63

// Value rounded to the nearest integer, halves to even; nullopt beyond 64 bits.
std::optional<qint64> RoundedInt64(double Value)
{
    const double R = std::nearbyint(Value);
    if (!(R >= -Int64Limit && R < Int64Limit))
        return std::nullopt;
    return qint64(R);
}

// The rounded value as unsigned 32-bit digits in Base, at least MinDigits of
// them; a negative value counts in two's complement. Nullopt outside the 32 bits.
std::optional<QString> Digits32(double Value, int Base, int MinDigits)
{
    const std::optional<qint64> R = RoundedInt64(Value);
    if (!R || *R < -2147483648LL || *R > 4294967295LL)
        return std::nullopt;
    return QString::number(quint32(*R), Base).toUpper().rightJustified(MinDigits, QLatin1Char('0'));
}

// Degrees, or degrees and minutes, or degrees, minutes and seconds (Parts 1..3),
// the last part with Decimals decimals. Counted in whole units of the last
// decimal so that a rounded 60 carries into the part above.
std::optional<QString> Sexagesimal(double Value, int Parts, int Decimals)
{
    const double Unit = std::pow(10.0, Decimals);
    const double PerDegree = (Parts == 1 ? 1 : Parts == 2 ? 60 : 3600) * Unit;
    const double Total = std::nearbyint(std::fabs(Value) * PerDegree);
    if (!(Total < 9e15))
        return std::nullopt;
    qint64 Units = qint64(Total);
    const qint64 LastUnits = qint64(Unit);
    const auto LastPart = [&](qint64 U) {
        QString Whole = QString::number(U / LastUnits);
        if (Decimals > 0)
            Whole += QLatin1Char('.') + QString::number(U % LastUnits).rightJustified(Decimals, QLatin1Char('0'));
        return Whole;
    };
    const QString Sign = Value < 0 && Units != 0 ? QStringLiteral("-") : QString();
    if (Parts == 1)
        return Sign + LastPart(Units) + QChar(0x00B0);
    const qint64 PerMinute = Parts == 2 ? LastUnits : 60 * LastUnits;
    const qint64 Degrees = Units / (60 * PerMinute);
    Units -= Degrees * 60 * PerMinute;
    QString Text = Sign + QString::number(Degrees) + QChar(0x00B0);
    if (Parts == 2)
        return Text + LastPart(Units) + QLatin1Char('\'');
    const qint64 Minutes = Units / PerMinute;
    return Text + QString::number(Minutes) + QLatin1Char('\'') + LastPart(Units - Minutes * PerMinute) + QLatin1Char('"');
}

std::optional<QString> RawText(const TNumLabFormat& F, double Value)
{
    const int P = F.Precision;
    switch (F.DisplayType) {
    case dtFloat:
        return QString::asprintf("%.*g", P, Value);
    case dtFixP:
        return QString::asprintf("%.*f", P, Value);
    case dtExp:
        return QString::asprintf("%.*E", P, Value);
    case dtInt:
        if (const auto R = RoundedInt64(Value))
            return QString::number(*R);
        return std::nullopt;
    case dtZeroInt:
        if (const auto R = RoundedInt64(Value)) {
            const QString Digits = QString::number(*R < 0 ? -(quint64(*R)) : quint64(*R)).rightJustified(P, QLatin1Char('0'));
            return *R < 0 ? QLatin1Char('-') + Digits : Digits;
        }
        return std::nullopt;
    case dtHex:
        return Digits32(Value, 16, P);
    case dtBin:
        return Digits32(Value, 2, P);
    case dtOct:
        return Digits32(Value, 8, P);
    case dtDateTime: {
        // Years 1 .. 9999 of the calendar.
        if (!(Value > -693593 && Value < 2958466))
            return std::nullopt;
        return FormatDateTimeClassic(F.DTFormat, TDateTimeToDateTime(Value));
    }
    case dtState: {
        const QStringList States = F.StateText.split(QLatin1Char('|'));
        const std::optional<qint64> I = RoundedInt64(Value);
        return I && *I >= 0 && *I < States.size() ? States[qsizetype(*I)] : F.StateText;
    }
    case dtDeg:
        return Sexagesimal(Value, 1, P);
    case dtDegMin:
        return Sexagesimal(Value, 2, P);
    case dtDegMinSec:
        return Sexagesimal(Value, 3, P);
    case dtEEng:
        return FormatFloatEng(Value, P);
    case dtEEngNoDP:
        return FormatFloatEng(Value, P, true);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> NumLabText(const TNumLabFormat& F, double Value)
{
    std::optional<QString> Text = RawText(F, Value);
    if (!Text)
        return Text;
    switch (F.DisplayType) {
    case dtHex:
    case dtDateTime:
    case dtState:
    case dtBin:
        return Text;
    default:
        break;
    }
    if (F.Comma)
        Text->replace(QLatin1Char('.'), QLatin1Char(','));
    else
        Text->replace(QLatin1Char(','), QLatin1Char('.'));
    if (F.ForcePlusSign && Value > 0)
        Text->prepend(QLatin1Char('+'));
    return Text;
}

} // namespace vok
