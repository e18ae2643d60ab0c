// Whole-text reading of the edit-based numeric field: ConvertNumText,
// NumIOTextValue, the text written for a value (NumIOValueText) and the
// check after every change (CheckNumIOChange), in every input format and
// separator mode.
//
// Invariants:
// - the text written for a value passes the field's own conversion (unless
//   the value has no room in the format and shows as "*"), and reading and
//   writing it again gives the same text;
// - an accepted change leaves a text that converts, inside the range or 0;
//   a refused one puts the accepted text back.
#include "FuzzCheck.h"

#include "numiotext.h"

#include <cmath>

using namespace vok;

namespace {

void CheckWritten(const TNumIOTextFormat& Format, double Value)
{
    const QString Written = NumIOValueText(Format, Value);
    if (Written.contains(QLatin1Char('*')))
        return;
    double Read = 0.0;
    FUZZ_CHECK(ConvertNumText(Format, Written, Read));
    FUZZ_CHECK(std::isfinite(Read));
    // Integers wrap in 32 bits when read, so only values inside them come back.
    if (Format.InputFormat == itInt && std::fabs(Value) >= 2147483647.0)
        return;
    FUZZ_CHECK(NumIOValueText(Format, Read) == Written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::InputCursor In(Data, Size);
    TNumIOTextFormat Format;
    Format.InputFormat = TInFormat(In.Choice(8));
    Format.DecPlaceSep = TDecPSep(In.Choice(4));
    Format.FixPointDecPlaces = 1 + In.Choice(8);
    TNumIOChangeInput Change;
    Change.Caret = In.Choice(40);
    Change.RangeLow = -double(In.Byte()) * 1000.0;
    Change.RangeHigh = double(In.Byte()) * 1000.0;
    const QByteArray Rest = In.Rest();
    // The rest holds the new text and, after a NUL, the last accepted one.
    const qsizetype Nul = Rest.indexOf('\0');
    Change.Text = QString::fromUtf8(Nul < 0 ? Rest : Rest.left(Nul));
    Change.AcceptedText = Nul < 0 ? QString() : QString::fromUtf8(Rest.mid(Nul + 1));

    double Value = 0.0;
    ConvertNumText(Format, Change.Text, Value);
    FUZZ_CHECK(std::isfinite(Value));
    const double FieldValue = NumIOTextValue(Format, Change.Text);
    FUZZ_CHECK(std::isfinite(FieldValue));
    CheckWritten(Format, Value);
    CheckWritten(Format, FieldValue);

    const TNumIOChangeResult Result = CheckNumIOChange(Format, Change);
    FUZZ_CHECK(Result.Caret >= 0);
    FUZZ_CHECK(Result.Accepted != Result.Refused);
    if (Result.Refused) {
        FUZZ_CHECK(Result.Replacement == Change.AcceptedText);
        FUZZ_CHECK(Result.AcceptedText == Change.AcceptedText);
    } else {
        double Accepted = 0.0;
        FUZZ_CHECK(ConvertNumText(Format, Result.AcceptedText, Accepted));
        FUZZ_CHECK(Accepted == 0.0 || !IsOutOfRange(Accepted, Change.RangeLow, Change.RangeHigh));
    }
    return 0;
}
