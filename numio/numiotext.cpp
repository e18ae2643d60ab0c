#include "numiotext.h"
#include "numrounding.h"

#include <algorithm>

namespace vok {

namespace {

bool IsCommaMode(const TNumIOTextFormat& Format)
{
    return ResolveConversionSepMode(Format.DecPlaceSep) == dsComma;
}

// 1-based position of the first separator of the mode at or after From; 0 if none.
int SeparatorPos(const QString& Text, TDecPSep Mode, int From = 1)
{
    for (int i = From - 1; i < Text.size(); ++i)
        if (IsDecimalSeparator(Text[i], Mode))
            return i + 1;
    return 0;
}

bool ReadRadixWhole(TInFormat Radix, const QString& Text, int Pos, double& Value)
{
    qint32 V = 0;
    if (Radix == itHex)
        V = ReadHexNum(Text, Pos);
    else if (Radix == itOct)
        V = ReadOctNum(Text, Pos);
    else
        V = ReadBinNum(Text, Pos);
    Value = V;
    return Pos == Text.size() + 1;
}

QString FixPointText(const TNumIOTextFormat& Format, double Value)
{
    QString Text = FormatFloatNum(1, Format.FixPointDecPlaces, Value);
    if (IsCommaMode(Format))
        Text.replace(QLatin1Char('.'), QLatin1Char(','));
    return Text;
}

} // namespace

bool ConvertNumText(const TNumIOTextFormat& Format, const QString& Text, double& Value)
{
    if (Text.isEmpty())
        return false;
    Value = 0.0;
    const TDecPSep Mode = ResolveConversionSepMode(Format.DecPlaceSep);
    int First = 0;
    while (First < Text.size() && Text[First] == QLatin1Char(' '))
        ++First;
    QString S = Text.mid(First);
    if (S.contains(QLatin1Char(' ')))
        return false;
    S = S.toLower();
    if (S.isEmpty())
        return true;

    TInFormat Kind = Format.InputFormat;
    if (Kind == itDynamic) {
        Kind = DynamicTextFormat(S);
        if (Kind != itExp)
            return ReadRadixWhole(Kind, S, 2, Value);
    }
    int Pos = 1;
    switch (Kind) {
    case itExp:
        // An exponent still being typed ("1e", "1e-") reads as the mantissa.
        if (S.endsWith(QLatin1Char('e')))
            S.chop(1);
        else if (S.endsWith(QLatin1String("e+")) || S.endsWith(QLatin1String("e-")))
            S.chop(2);
        Value = ReadFloatNum(S, true, Mode, Pos);
        break;
    case itFloat:
    case itFixPoint:
        Value = ReadFloatNum(S, false, Mode, Pos);
        break;
    case itInt:
        Value = ReadDecInt(S, Pos);
        break;
    default:
        return ReadRadixWhole(Kind, S, 1, Value);
    }
    return Pos == S.size() + 1;
}

double NumIOTextValue(const TNumIOTextFormat& Format, const QString& Text)
{
    // One separator is turned into the mode's own; a trailing one gets a "0".
    QString S = Text;
    const bool Comma = IsCommaMode(Format);
    const QChar To = Comma ? QLatin1Char(',') : QLatin1Char('.');
    if (const qsizetype At = S.indexOf(Comma ? QLatin1Char('.') : QLatin1Char(',')); At >= 0)
        S[At] = To;
    if (S.endsWith(To))
        S += QLatin1Char('0');
    double Value = 0.0;
    return ConvertNumText(Format, S, Value) ? Value : 0.0;
}

QString NumIOValueText(const TNumIOTextFormat& Format, double Value)
{
    QString Text;
    switch (Format.InputFormat) {
    case itExp:
    case itDynamic:
        Text = FormatFloatNum(12, -2, Value);
        break;
    case itFloat:
        Text = FormatFloatNum(1, 8, Value);
        break;
    case itFixPoint:
        Text = FormatFloatNum(1, Format.FixPointDecPlaces, Value);
        break;
    case itInt:
        return FormatFloatNum(1, 0, Value);
    case itHex:
    case itOct:
    case itBin: {
        const qint32 Bits = RoundedBits32(Value);
        return Format.InputFormat == itHex   ? IntToHexDigits(Bits, 8)
               : Format.InputFormat == itOct ? IntToOctDigits(Bits, 8)
                                             : IntToBinDigits(Bits, 8);
    }
    }
    if (IsCommaMode(Format))
        Text.replace(QLatin1Char('.'), QLatin1Char(','));
    return Text;
}

TNumIOChangeResult CheckNumIOChange(const TNumIOTextFormat& Format, const TNumIOChangeInput& In)
{
    TNumIOChangeResult R;
    R.AcceptedText = In.AcceptedText;
    R.Caret = In.Caret;
    const TDecPSep Mode = ResolveConversionSepMode(Format.DecPlaceSep);
    QString Checked = In.Text;

    if (Format.InputFormat == itFixPoint) {
        const int P1 = SeparatorPos(In.Text, Mode);
        const int P2 = P1 > 0 ? SeparatorPos(In.Text, Mode, P1 + 1) : 0;
        const int OldSep = SeparatorPos(In.AcceptedText, Mode);
        if (P1 == 0) {
            // The separator was deleted: put the accepted text back, caret before its separator.
            R.Replacement = In.AcceptedText;
            R.Caret = OldSep > 1 ? OldSep - 1 : OldSep;
        } else if (P2 > 0) {
            R.Replacement = In.AcceptedText;
            R.Caret = OldSep;
        } else if (In.Text.size() - P1 > Format.FixPointDecPlaces) {
            R.Replacement = In.Text.left(P1 + Format.FixPointDecPlaces);
            Checked = *R.Replacement; // extra decimals are cut off, not rounded in
        }
    }

    double Value = 0.0;
    bool Passed = ConvertNumText(Format, Checked, Value);
    if (Passed) {
        if (Format.InputFormat == itFixPoint) {
            R.Replacement = FixPointText(Format, Value);
            R.Caret = In.Caret;
        }
        Passed = Value == 0.0 || !IsOutOfRange(Value, In.RangeLow, In.RangeHigh);
    }
    if (Passed) {
        R.Accepted = true;
        // What ends up in the field is what was accepted.
        R.AcceptedText = R.Replacement.value_or(In.Text);
    } else {
        R.Replacement = In.AcceptedText;
        R.Caret = std::max(In.Caret - 1, 0);
        R.Refused = true;
    }
    return R;
}

} // namespace vok
