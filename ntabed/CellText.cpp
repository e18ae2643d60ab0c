#include "CellText.h"

#include "numrounding.h"

#include <vok/Vok_NumIO.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace vok::ntabed {

namespace {

// Exponent digits of the padded text.
constexpr int PaddedExponentDigits = 4;

// Significant digits of the padded exponent text: Width - 8 within 2..18.
int PaddedSignificantDigits(int Width) { return std::clamp(Width - 8, 2, 18); }

// Largest and smallest magnitude (besides 0) shown in fixed notation, by precision 0..8.
struct TFixedBounds
{
    long double Upper;
    long double Lower;
};
constexpr std::array<TFixedBounds, MaxFixedPrecision + 1> FixedBounds{{
    {999999999.0L, 1.0L},
    {9999999.9L, 0.1L},
    {999999.99L, 0.01L},
    {99999.999L, 0.001L},
    {9999.9999L, 0.0001L},
    {999.99999L, 0.00001L},
    {99.999999L, 0.000001L},
    {9.9999999L, 0.0000001L},
    {0.99999999L, 0.00000001L},
}};

bool FitsFixedNotation(double X, int Precision)
{
    if (Precision < 0 || Precision > MaxFixedPrecision)
        return false;
    const TFixedBounds& Bounds = FixedBounds[size_t(Precision)];
    const long double A = std::fabs(static_cast<long double>(X));
    return A <= Bounds.Upper && (A >= Bounds.Lower || X == 0.0);
}

} // namespace

QString IntegerText(long long V) { return QString::number(V); }

QString PaddedText(double X, int Width, int Decimals)
{
    Width = std::max(Width, 0);
    if (Decimals >= 0)
        return FormatFloatNum(Width, Decimals, X);
    const int Digits = PaddedSignificantDigits(Width);
    return FormatFloatExp(X, Digits - 1, PaddedExponentDigits).rightJustified(Width);
}

QString ShortExponentText(double X, int NumWidth)
{
    // The padded text of width NumWidth + 8 without the exponent's first two
    // digits; when those were not both 0 the whole text turns into stars.
    QString Text = PaddedText(X, NumWidth + 8, -1);
    const qsizetype E = Text.indexOf(QLatin1Char('E')); // none: stars for a value that is not finite
    const bool FitsTwoDigits = E >= 0 && Text[E + 2] == QLatin1Char('0') && Text[E + 3] == QLatin1Char('0');
    Text.remove(E >= 0 ? E + 2 : 0, 2);
    if (!FitsTwoDigits)
        Text.fill(QLatin1Char('*'));
    return Text;
}

QString CellNumberText(double X, int NumWidth, int Precision)
{
    if (FitsFixedNotation(X, Precision))
        return PaddedText(X, NumWidth, Precision);
    return ShortExponentText(X, NumWidth);
}

QString NominalCellText(const TDataTable& Data, int Col, double X)
{
    const qint64 V = RoundedInt64(X);
    if (V >= 1 && V <= MaxNominalIDs) {
        QString ID = Data.GetNominalID(Col, int(V));
        if (!ID.isEmpty())
            return ID;
    }
    const auto ScaleType = size_t(Data.GetMScaleType(Col));
    const QLatin1StringView Name =
        ScaleType < MScaleTypeNames.size() ? MScaleTypeNames[ScaleType] : QLatin1StringView();
    return Name + QLatin1Char(':') + IntegerText(V);
}

} // namespace vok::ntabed
