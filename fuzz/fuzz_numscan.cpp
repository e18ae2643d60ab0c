// The number scanners and typing checks of the numeric fields (ReadFloatNum,
// ReadDecInt, ReadHexNum, ReadOctNum, ReadBinNum, IsValid...Text) on
// arbitrary text, from an arbitrary start position.
//
// Invariants:
// - every scanner leaves Pos between its start and the end of the text + 1;
// - ReadFloatNum gives a value within +-uc_MaxDouble, and that value written
//   by FormatFloatNum in exponent form with 17 decimals reads back exactly;
// - integers read back from their own digits (IntTo...Digits, QString::number);
// - a text the typing check calls all digits is read to its end.
#include "FuzzCheck.h"

#include <vok/Vok_NumIO.h>

#include <cmath>

using namespace vok;

namespace {

// Exponent form with 17 decimals: 18 significant digits, enough for any double.
constexpr int ExactWidth = 24;

void CheckFloat(const QString& Text, int Start, bool ExpAllowed, TDecPSep Mode)
{
    int Pos = Start;
    const double Value = ReadFloatNum(Text, ExpAllowed, Mode, Pos);
    FUZZ_CHECK(Pos >= Start && Pos <= Text.size() + 1);
    FUZZ_CHECK(std::isfinite(Value) && std::fabs(Value) <= uc_MaxDouble);
    if (Pos == Start)
        FUZZ_CHECK(Value == 0.0);

    const QString Written = FormatFloatNum(ExactWidth, -2, Value);
    if (Written.contains(QLatin1Char('*')))
        return; // decimal exponent beyond two digits
    int Again = 1;
    FUZZ_CHECK(ReadFloatNum(Written, true, dsPoint, Again) == Value);
    FUZZ_CHECK(Again == Written.size() + 1);
    FUZZ_CHECK(IsValidExpText(Written, true, dsPoint));
}

template <class Read, class Write>
void CheckRadix(const QString& Text, int Start, Read ReadNum, Write Digits, int Count, bool (*AllDigits)(const QString&))
{
    int Pos = Start;
    const qint32 Value = ReadNum(Text, Pos);
    FUZZ_CHECK(Pos >= Start && Pos <= Text.size() + 1);
    const QString Written = Digits(Value, Count);
    FUZZ_CHECK(Written.size() == Count && AllDigits(Written));
    int Again = 1;
    FUZZ_CHECK(ReadNum(Written, Again) == Value && Again == Count + 1);
    if (AllDigits(Text)) {
        int Whole = 1;
        ReadNum(Text, Whole);
        FUZZ_CHECK(Whole == Text.size() + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::InputCursor In(Data, Size);
    const auto Mode = TDecPSep(In.Choice(4));
    const int Offset = In.Choice(4);
    const QString Text = QString::fromUtf8(In.Rest());
    const int Start = 1 + qMin(Offset, int(Text.size()));

    CheckFloat(Text, Start, true, Mode);
    CheckFloat(Text, Start, false, Mode);

    int Pos = Start;
    const qint32 Int = ReadDecInt(Text, Pos);
    FUZZ_CHECK(Pos >= Start && Pos <= Text.size() + 1);
    int Again = 1;
    const QString Decimal = QString::number(Int);
    FUZZ_CHECK(ReadDecInt(Decimal, Again) == Int && Again == Decimal.size() + 1);
    FUZZ_CHECK(IsValidIntText(Decimal));
    if (IsValidIntText(Text) && Text.size() > 1) {
        int Whole = 1;
        ReadDecInt(Text, Whole);
        FUZZ_CHECK(Whole == Text.size() + 1);
    }

    CheckRadix(Text, Start, ReadHexNum, IntToHexDigits, 8, IsHexText);
    CheckRadix(Text, Start, ReadOctNum, IntToOctDigits, 11, IsOctText);
    CheckRadix(Text, Start, ReadBinNum, IntToBinDigits, 32, IsBinText);

    // The typing checks only have to come back.
    IsValidExpText(Text, true, Mode);
    IsValidDecText(Text, Mode);
    DynamicTextFormat(Text);
    return 0;
}
