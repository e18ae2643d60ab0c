#include <vok/Vok_NumIO.h>
#include <vok/Vok_system.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace vok {

namespace {

// ---- The decimal scanner's state machine ------------------------------------

enum CharClass { ccSep, ccBlank, ccSign, ccDigit, ccExpLetter, ccOther, ccCount };

constexpr int sFail = 0;
constexpr int sAccepted = 9;
constexpr int sExp = -1; // "E": state 6 when the exponent is allowed, else accepted
constexpr int sExpDigits = 8;

// Next state by current state (1..8) and character class.
constexpr std::array<std::array<int, ccCount>, 8> ExpScanTable{{
    //  sep     blank      sign       digit  E      other
    {{4, 1, 2, 3, sFail, sFail}},                                 // 1 start
    {{4, sFail, sFail, 3, sFail, sFail}},                         // 2 after sign
    {{4, sAccepted, sAccepted, 3, sExp, sAccepted}},              // 3 integer digits
    {{sFail, sAccepted, sAccepted, 5, sExp, sAccepted}},          // 4 after separator
    {{sFail, sAccepted, sAccepted, 5, sExp, sAccepted}},          // 5 fraction digits
    {{sFail, sFail, 7, 8, sFail, sAccepted}},                     // 6 after "E"
    {{sFail, sFail, sFail, 8, sFail, sAccepted}},                 // 7 after exponent sign
    {{sAccepted, sAccepted, sAccepted, 8, sAccepted, sAccepted}}, // 8 exponent digits
}};

constexpr int MaxExponent = 4200;

bool IsAsciiDigit(QChar Ch) { return Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9'); }

CharClass ClassifyExpChar(QChar Upper, TDecPSep Mode)
{
    if (IsDecimalSeparator(Upper, Mode))
        return ccSep;
    if (Upper == QLatin1Char(' '))
        return ccBlank;
    if (Upper == QLatin1Char('+') || Upper == QLatin1Char('-'))
        return ccSign;
    if (IsAsciiDigit(Upper))
        return ccDigit;
    if (Upper == QLatin1Char('E'))
        return ccExpLetter;
    return ccOther;
}

// Ch in upper case, with a quick answer for ASCII.
QChar UpperChar(QChar Ch)
{
    const char16_t U = Ch.unicode();
    if (U >= 0x80)
        return Ch.toUpper();
    return QChar(U >= 'a' && U <= 'z' ? char16_t(U - 0x20) : U);
}

struct ExpScanResult
{
    bool Accepted = false;
    bool ExponentTooLarge = false;
};

// Runs the decimal state machine from Pos (the end of the text reads as the
// sentinel "Z"). Characters of the number go to Work (when given) with ","
// turned into "."; exponent digits beyond a magnitude of 4200 are left out.
// Pos ends on the first character that is not part of the number.
ExpScanResult ScanExpNumber(const QString& Text, bool ExpAllowed, TDecPSep Mode, int& Pos,
                            std::string* Work)
{
    Mode = ResolveTypingSepMode(Mode);
    Pos = std::max(Pos, 1);
    const int Len = int(Text.size());
    ExpScanResult Result;
    int State = 1;
    int ExponentMagnitude = 0; // saturates just above the limit
    for (;;) {
        const QChar Ch = Pos <= Len ? UpperChar(Text[Pos - 1]) : QChar(QLatin1Char('Z'));
        ++Pos;
        int Next = ExpScanTable[State - 1][ClassifyExpChar(Ch, Mode)];
        if (Next == sExp)
            Next = ExpAllowed ? 6 : sAccepted;
        if (Next == sFail || Next == sAccepted) {
            Result.Accepted = Next == sAccepted;
            break;
        }
        if (Next == sExpDigits)
            ExponentMagnitude = std::min(ExponentMagnitude * 10 + (Ch.unicode() - '0'), MaxExponent + 1);
        if (ExponentMagnitude > MaxExponent)
            Result.ExponentTooLarge = true;
        else if (Work)
            Work->push_back(Ch == QLatin1Char(',') ? '.' : char(Ch.unicode()));
        State = Next;
    }
    --Pos;
    return Result;
}

locale_t CLocale()
{
    static const locale_t Loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return Loc;
}

// The correctly rounded value of a collected number text (leading blanks and
// a sign allowed; the longest valid prefix counts, so '1E-' reads as 1).
double ConvertDecimalText(std::string& Work)
{
    if (!Work.empty() && Work.back() == '.')
        Work.push_back('0');
    const char* Begin = Work.data();
    const char* End = Begin + Work.size();
    while (Begin < End && *Begin == ' ')
        ++Begin;
    bool Negative = false;
    if (Begin < End && (*Begin == '+' || *Begin == '-')) {
        Negative = *Begin == '-';
        ++Begin;
    }
    double Value = 0.0;
    const auto [Ptr, Ec] = std::from_chars(Begin, End, Value, std::chars_format::general);
    (void)Ptr;
    if (Ec == std::errc::result_out_of_range)
        Value = strtod_l(Begin, nullptr, CLocale()); // infinity or zero
    else if (Ec != std::errc())
        Value = 0.0;
    return Negative ? -Value : Value;
}

bool IsDigitOfRadix(QChar Upper, int Radix, int& Digit)
{
    const ushort U = Upper.unicode();
    if (U >= '0' && U <= '9')
        Digit = U - '0';
    else if (U >= 'A' && U <= 'F')
        Digit = U - 'A' + 10;
    else
        return false;
    return Digit < Radix;
}

// Shared body of the radix scanners: skip blanks, optionally skip a "$" at
// position 1, then accumulate digits with 32-bit wrap-around.
qint32 ReadRadixNum(const QString& Text, int& Pos, int Radix, bool SkipDollarAtStart)
{
    Pos = std::max(Pos, 1);
    const int Len = int(Text.size());
    while (Pos < Len && Text[Pos - 1] == QLatin1Char(' '))
        ++Pos;
    quint32 Value = 0;
    for (; Pos <= Len; ++Pos) {
        const QChar Ch = Text[Pos - 1].toUpper();
        if (SkipDollarAtStart && Pos == 1 && Ch == QLatin1Char('$'))
            continue;
        int Digit = 0;
        if (!IsDigitOfRadix(Ch, Radix, Digit))
            break;
        Value = Value * quint32(Radix) + quint32(Digit);
    }
    return qint32(Value);
}

bool AllDigitsOfRadix(const QString& Text, int Radix)
{
    if (Text.isEmpty())
        return false;
    int Digit = 0;
    return std::all_of(Text.begin(), Text.end(),
                       [&](QChar Ch) { return IsDigitOfRadix(Ch.toUpper(), Radix, Digit); });
}

constexpr char DigitTable[] = "0123456789ABCDEF";

QString IntToRadixDigits(qint32 Value, int Count, int BitsPerDigit, int MaxCount)
{
    Count = std::clamp(Count, 1, MaxCount);
    quint32 Bits = quint32(Value);
    const quint32 Mask = (1u << BitsPerDigit) - 1;
    QString Result(Count, QLatin1Char('0'));
    for (int i = Count - 1; i >= 0; --i) {
        Result[i] = QLatin1Char(DigitTable[Bits & Mask]);
        Bits >>= BitsPerDigit;
    }
    return Result;
}

// Classic short-string limit for field widths and decimals.
constexpr int MaxFieldChars = 255;

// Lowest set bit of a finite non-zero value: Value = odd * 2^result.
int LowestBitExponent(double Value)
{
    int E = 0;
    const double F = std::frexp(std::fabs(Value), &E);
    const auto Mantissa = quint64(std::ldexp(F, 53));
    return E - 53 + std::countr_zero(Mantissa);
}

// True when the exact value of Value ends with the digit 5 at 10^Digit, that
// is, it lies exactly halfway between two numbers rounded above that digit.
// The cheap test of the lowest set bit comes first: such a value is an odd
// number times 2^Digit. For Digit < 0 that test decides alone; otherwise
// ExactExpansion (the exact "%E" text) is read from the digit at DigitIndex.
bool IsExactHalf(double Value, int Digit, const char* ExactExpansion, int DigitIndex)
{
    if (Value == 0.0 || LowestBitExponent(Value) != Digit)
        return false;
    if (Digit < 0)
        return true; // odd / 2^k has exactly k decimals, the last one a 5
    const char* D = ExactExpansion + DigitIndex;
    if (*D != '5')
        return false;
    for (++D; *D >= '0' && *D <= '9'; ++D)
        if (*D != '0')
            return false;
    return true;
}

// Exact halves round away from zero, as Pascal's Str does; the C library
// rounds them to even. The digits of an exact half are exact up to its final
// 5, so the rounded text is those digits, the 5 dropped, plus one unit in the
// last place. (Formatting the next double instead would be off by a whole
// step of the double once the decimals reach its precision.)

// Adds one unit in the last place of Digits (a '.' is skipped); false when
// the carry runs out of the first digit, which leaves only zeros.
bool IncrementDigits(std::string& Digits)
{
    for (auto It = Digits.rbegin(); It != Digits.rend(); ++It) {
        if (*It == '.')
            continue;
        if (*It != '9') {
            ++*It;
            return true;
        }
        *It = '0';
    }
    return false;
}

// Mantissa digits and decimal exponent of Value in "%.*E" form (correctly
// rounded from the exact binary value, as printf does, only faster).
int FormatMantissa(char* Buf, int Size, int Decimals, double Value)
{
    char* End = std::to_chars(Buf, Buf + Size - 1, Value, std::chars_format::scientific, Decimals).ptr;
    *End = '\0';
    char* E = std::strchr(Buf, 'e');
    *E = 'E';
    return std::atoi(E + 1);
}

// Exponent form: sign position, mantissa with Decimals decimals, "E",
// exponent sign and ExponentDigits digits.
QString FormatExponentForm(int Decimals, int ExponentDigits, double Value)
{
    int Limit = 1; // 10^ExponentDigits: the smallest exponent that does not fit
    for (int i = 0; i < ExponentDigits; ++i)
        Limit *= 10;
    if (std::isfinite(Value)) {
        char Buf[400];
        int Exponent = FormatMantissa(Buf, sizeof Buf, Decimals, Value);
        // A half at the first dropped digit: the lowest set bit sits at
        // 10^(E - Decimals - 1), E being the printed exponent or one less after
        // a carry. Only then is the exact expansion (at most 767 digits) needed.
        const int Low = Value == 0.0 ? 0 : LowestBitExponent(Value);
        if (Value != 0.0 && (Low == Exponent - Decimals - 1 || Low == Exponent - Decimals - 2)) {
            char Exact[1200];
            const int TrueExponent = FormatMantissa(Exact, sizeof Exact, 800, Value);
            const int FirstDigit = Exact[0] == '-' ? 1 : 0;
            // Digits: d0 '.' d1 d2 ...; the first dropped one is d(Decimals+1).
            if (IsExactHalf(Value, TrueExponent - Decimals - 1, Exact, FirstDigit + Decimals + 2)) {
                std::string Kept(Exact + FirstDigit, Exact + FirstDigit + (Decimals > 0 ? Decimals + 2 : 1));
                Exponent = TrueExponent;
                if (!IncrementDigits(Kept)) { // 9.99|5 -> 1.00 one decade up
                    Kept[0] = '1';
                    ++Exponent;
                }
                std::snprintf(Buf, sizeof Buf, "%s%sE", FirstDigit ? "-" : "", Kept.c_str());
            }
        }
        if (Exponent > -Limit && Exponent < Limit) {
            const bool Negative = Buf[0] == '-';
            const char* Mantissa = Negative ? Buf + 1 : Buf;
            const int MantissaLen = int(std::strchr(Mantissa, 'E') - Mantissa);
            QString Text(MantissaLen + 3 + ExponentDigits, Qt::Uninitialized);
            QChar* Out = Text.data();
            *Out++ = QLatin1Char(Negative ? '-' : ' ');
            for (int i = 0; i < MantissaLen; ++i)
                *Out++ = QLatin1Char(Mantissa[i]);
            *Out++ = QLatin1Char('E');
            *Out++ = QLatin1Char(Exponent < 0 ? '-' : '+');
            int Magnitude = std::abs(Exponent);
            for (int i = ExponentDigits - 1; i >= 0; --i, Magnitude /= 10)
                Out[i] = QLatin1Char(char('0' + Magnitude % 10));
            return Text;
        }
    }
    // Length of the normal layout: sign, digit, [point and decimals], E, sign, digits.
    const int Length = 2 + (Decimals > 0 ? Decimals + 1 : 0) + 2 + ExponentDigits;
    return QString(Length, QLatin1Char('*'));
}

QString FormatFixedForm(int FieldWidth, int Decimals, double Value)
{
    if (!std::isfinite(Value))
        return QString(std::max(FieldWidth, 1), QLatin1Char('*'));
    char Buf[2 * MaxFieldChars + 400]; // 309 integer digits, sign, point, decimals
    if (IsExactHalf(Value, -(Decimals + 1), nullptr, 0)) {
        // Exactly Decimals + 1 decimals, the last a 5: printed with them, exact.
        const int N = std::snprintf(Buf, sizeof Buf, "%.*f", Decimals + 1, std::fabs(Value));
        std::string Kept(Buf, std::size_t(N - (Decimals > 0 ? 1 : 2))); // without the 5 (and a lone point)
        if (!IncrementDigits(Kept))
            Kept.insert(0, 1, '1');
        if (Value < 0)
            Kept.insert(0, 1, '-');
        return QString::fromLatin1(Kept.data(), qsizetype(Kept.size())).rightJustified(FieldWidth);
    }
    const char* End = std::to_chars(Buf, Buf + sizeof Buf, Value, std::chars_format::fixed, Decimals).ptr;
    return QString::fromLatin1(Buf, End - Buf).rightJustified(FieldWidth);
}

// Leading blanks become "0"; a "-" right after them moves to the front.
void ZeroPad(QString& Text)
{
    int Blanks = 0;
    while (Blanks < Text.size() && Text[Blanks] == QLatin1Char(' '))
        ++Blanks;
    for (int i = 0; i < Blanks; ++i)
        Text[i] = QLatin1Char('0');
    if (Blanks > 0 && Blanks < Text.size() && Text[Blanks] == QLatin1Char('-')) {
        Text[Blanks] = QLatin1Char('0');
        Text[0] = QLatin1Char('-');
    }
}

} // namespace

// ---- Separator modes ---------------------------------------------------------

TDecPSep ResolveTypingSepMode(TDecPSep Mode)
{
    if (Mode != dsSystem)
        return Mode;
    return SystemDecimalSeparator() == QLatin1Char('.') ? dsPoint : dsComma;
}

TDecPSep ResolveConversionSepMode(TDecPSep Mode)
{
    if (Mode != dsSystem)
        return Mode;
    return SystemDecimalSeparator() == QLatin1Char(',') ? dsComma : dsPoint;
}

bool IsDecimalSeparator(QChar Ch, TDecPSep Mode)
{
    switch (ResolveTypingSepMode(Mode)) {
    case dsPoint:
        return Ch == QLatin1Char('.');
    case dsComma:
        return Ch == QLatin1Char(',');
    default:
        return Ch == QLatin1Char('.') || Ch == QLatin1Char(',');
    }
}

// ---- Scanners ------------------------------------------------------------------

double ReadFloatNum(const QString& Text, bool ExpAllowed, TDecPSep Mode, int& Pos)
{
    std::string Work;
    const ExpScanResult Scan = ScanExpNumber(Text, ExpAllowed, Mode, Pos, &Work);
    if (!Scan.Accepted)
        return 0.0;
    return std::clamp(ConvertDecimalText(Work), -uc_MaxDouble, uc_MaxDouble);
}

qint32 ReadDecInt(const QString& Text, int& Pos)
{
    Pos = std::max(Pos, 1);
    const int Len = int(Text.size());
    while (Pos < Len && Text[Pos - 1] == QLatin1Char(' '))
        ++Pos;
    bool Negative = false;
    if (Pos <= Len && (Text[Pos - 1] == QLatin1Char('-') || Text[Pos - 1] == QLatin1Char('+'))) {
        Negative = Text[Pos - 1] == QLatin1Char('-');
        ++Pos;
    }
    quint32 Value = 0;
    for (; Pos <= Len && IsAsciiDigit(Text[Pos - 1]); ++Pos)
        Value = Value * 10u + quint32(Text[Pos - 1].unicode() - '0');
    return qint32(Negative ? 0u - Value : Value);
}

qint32 ReadHexNum(const QString& Text, int& Pos) { return ReadRadixNum(Text, Pos, 16, true); }
qint32 ReadOctNum(const QString& Text, int& Pos) { return ReadRadixNum(Text, Pos, 8, false); }
qint32 ReadBinNum(const QString& Text, int& Pos) { return ReadRadixNum(Text, Pos, 2, false); }

// ---- Typing checks ---------------------------------------------------------------

bool IsValidExpText(const QString& Text, bool ExpAllowed, TDecPSep Mode)
{
    int Pos = 1;
    const ExpScanResult Scan = ScanExpNumber(Text, ExpAllowed, Mode, Pos, nullptr);
    return Scan.Accepted && !Scan.ExponentTooLarge;
}

bool IsValidDecText(const QString& Text, TDecPSep Mode)
{
    if (Text.isEmpty())
        return false;
    enum { Start, AfterSign, AfterSep, IntDigits, FracDigits, Invalid };
    int State = Start;
    for (const QChar Ch : Text) {
        const bool Sign = Ch == QLatin1Char('+') || Ch == QLatin1Char('-');
        const bool Sep = IsDecimalSeparator(Ch, Mode);
        const bool Digit = IsAsciiDigit(Ch);
        switch (State) {
        case Start:
            State = Sign ? AfterSign : Sep ? AfterSep : Digit ? IntDigits : Invalid;
            break;
        case AfterSign:
        case IntDigits:
            State = Sep ? AfterSep : Digit ? IntDigits : Invalid;
            break;
        case AfterSep:
        case FracDigits:
            State = Digit ? FracDigits : Invalid;
            break;
        }
        if (State == Invalid)
            return false;
    }
    return true;
}

bool IsValidIntText(const QString& Text)
{
    if (Text.isEmpty())
        return false;
    const QChar First = Text.front();
    if (Text.size() == 1)
        return IsAsciiDigit(First);
    if (!IsAsciiDigit(First) && First != QLatin1Char('+') && First != QLatin1Char('-'))
        return false;
    return std::all_of(Text.begin() + 1, Text.end(), IsAsciiDigit);
}

bool IsHexText(const QString& Text) { return AllDigitsOfRadix(Text, 16); }
bool IsOctText(const QString& Text) { return AllDigitsOfRadix(Text, 8); }
bool IsBinText(const QString& Text) { return AllDigitsOfRadix(Text, 2); }

// ---- Formatters --------------------------------------------------------------------

QString FormatFloatNum(int Width, int Decimals, double Value)
{
    const int FieldWidth = std::min(std::abs(std::max(Width, -MaxFieldChars)), MaxFieldChars);
    QString Text = Decimals == -2
                       ? FormatExponentForm(std::max(0, FieldWidth - 7), 2, Value)
                       : FormatFixedForm(FieldWidth, std::clamp(Decimals, 0, MaxFieldChars), Value);
    if (Width < 0)
        ZeroPad(Text);
    return Text;
}

QString FormatFloatExp(double Value, int Decimals, int ExponentDigits)
{
    return FormatExponentForm(std::clamp(Decimals, 0, MaxFieldChars), std::clamp(ExponentDigits, 1, 9), Value);
}

QString FormatFloatEng(double Value, int Decimals, bool SIPrefix)
{
    Decimals = std::clamp(Decimals, 0, 15);
    if (!std::isfinite(Value))
        return QString(Decimals + 6, QLatin1Char('*'));
    int Exp3 = 0;
    QString Mantissa = FormatFloatNum(1, Decimals, Value);
    if (Value != 0) {
        Exp3 = int(std::floor(std::log10(std::fabs(Value)) / 3)) * 3;
        // Scaled in two steps: 10^-Exp3 alone overflows for the smallest doubles.
        const auto Scaled = [&] { return Value / std::pow(10.0, Exp3 / 2) / std::pow(10.0, Exp3 - Exp3 / 2); };
        Mantissa = FormatFloatNum(1, Decimals, Scaled());
        if (std::fabs(Mantissa.toDouble()) >= 1000) { // 999.96 rounded up
            Exp3 += 3;
            Mantissa = FormatFloatNum(1, Decimals, Scaled());
        }
    }
    static const char16_t Prefixes[] = u"fpn\u00B5m kMGT";
    if (SIPrefix && Exp3 >= -15 && Exp3 <= 12)
        return Exp3 == 0 ? Mantissa : Mantissa + QChar(Prefixes[(Exp3 + 15) / 3]);
    const QString Digits = QString::number(std::abs(Exp3)).rightJustified(2, QLatin1Char('0'));
    return Mantissa + (Exp3 < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + Digits;
}

QString IntToHexDigits(qint32 Value, int Count) { return IntToRadixDigits(Value, Count, 4, 8); }
QString IntToOctDigits(qint32 Value, int Count) { return IntToRadixDigits(Value, Count, 3, 11); }
QString IntToBinDigits(qint32 Value, int Count) { return IntToRadixDigits(Value, Count, 1, 32); }

// ---- Dynamic format and range ------------------------------------------------------

TInFormat DynamicTextFormat(const QString& Text)
{
    if (Text.isEmpty())
        return itExp;
    switch (Text.front().unicode()) {
    case '$':
        return itHex;
    case '%':
        return itBin;
    case '&':
        return itOct;
    default:
        return itExp;
    }
}

bool IsOutOfRange(double Value, double Low, double High) { return Value < Low || Value > High; }

} // namespace vok
