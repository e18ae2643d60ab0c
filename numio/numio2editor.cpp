#include "numio2editor.h"
#include "numrounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vok {

namespace {

// Virtual-key codes the field reads.
constexpr quint16 vkBack = 8, vkTab = 9, vkShift = 16, vkControl = 17, vkEnd = 35, vkHome = 36,
                  vkLeft = 37, vkUp = 38, vkRight = 39, vkDown = 40, vkDelete = 46, vkKeyC = 67,
                  vkKeyV = 86, vkKeyX = 88, vkNumpad0 = 96, vkNumpad9 = 105, vkAdd = 107,
                  vkSubtract = 109, vkDecimal = 110, vkOemPlus = 187, vkOemComma = 188,
                  vkOemMinus = 189, vkOemPeriod = 190;

QChar ModeSeparatorChar(TDecPSep Mode)
{
    return WritesDecimalComma(Mode) ? QLatin1Char(',') : QLatin1Char('.');
}

// itInt: an optional sign and digits; beyond 32 bits the nearest bound.
double IntTextValue(const QString& Text)
{
    if (!IsValidIntText(Text))
        return 0.0;
    const bool Negative = Text.front() == QLatin1Char('-');
    qint64 Magnitude = 0;
    for (const QChar Ch : Text) {
        if (Ch.isDigit())
            Magnitude = std::min<qint64>(Magnitude * 10 + (Ch.unicode() - '0'), qint64(1) << 32);
    }
    const qint64 Signed = Negative ? -Magnitude : Magnitude;
    return double(std::clamp<qint64>(Signed, std::numeric_limits<qint32>::min(),
                                      std::numeric_limits<qint32>::max()));
}

double RadixTextValue(TInFormat Format, const QString& Text, int Pos)
{
    switch (Format) {
    case itHex:
        return ReadHexNum(Text, Pos);
    case itOct:
        return ReadOctNum(Text, Pos);
    default:
        return ReadBinNum(Text, Pos);
    }
}

bool RadixTextIsValid(TInFormat Format, const QString& Digits)
{
    switch (Format) {
    case itHex:
        return IsHexText(Digits);
    case itOct:
        return IsOctText(Digits);
    default:
        return IsBinText(Digits);
    }
}

// The first separator of the mode's kind ("." or "," in dsBoth), 1-based; 0 if none.
int FirstSeparatorPos(const QString& Text, TDecPSep Mode)
{
    for (int i = 0; i < Text.size(); ++i)
        if (IsDecimalSeparator(Text[i], Mode))
            return i + 1;
    return 0;
}

} // namespace

bool WritesDecimalComma(TDecPSep Mode) { return ResolveTypingSepMode(Mode) == dsComma; }

double NumTextValue(const TNumTextFormat& Format, const QString& Text)
{
    int Pos = 1;
    switch (Format.InputFormat) {
    case itExp:
    case itFloat:
    case itFixPoint:
        return ReadFloatNum(Text, true, dsBoth, Pos);
    case itInt:
        return IntTextValue(Text);
    case itHex:
    case itOct:
    case itBin:
        return RadixTextValue(Format.InputFormat, Text, Pos);
    case itDynamic: {
        if (Text.isEmpty())
            return 0.0;
        const TInFormat Kind = DynamicTextFormat(Text);
        if (Kind == itExp)
            return ReadFloatNum(Text, true, dsBoth, Pos);
        return RadixTextValue(Kind, Text, 2);
    }
    }
    return 0.0;
}

QString NumValueText(const TNumTextFormat& Format, double Value)
{
    QString Text;
    switch (Format.InputFormat) {
    case itExp:
        Text = FormatFloatNum(Format.SignificantDigits + 6, -2, Value);
        break;
    case itFloat:
    case itFixPoint:
        Text = FormatFloatNum(1, Format.FixPointDecPlaces, Value);
        break;
    case itInt:
    case itDynamic:
        return QString::number(RoundedInt64(Value));
    case itHex:
        return IntToHexDigits(RoundedBits32(Value), 8);
    case itOct:
        return IntToOctDigits(RoundedBits32(Value), 11);
    case itBin:
        return IntToBinDigits(RoundedBits32(Value), 32);
    }
    if (WritesDecimalComma(Format.DecPlaceSep))
        Text.replace(QLatin1Char('.'), QLatin1Char(','));
    return Text;
}

bool NumTextIsValid(const TNumTextFormat& Format, const QString& Text)
{
    switch (Format.InputFormat) {
    case itExp:
        return IsValidExpText(Text, true, Format.DecPlaceSep);
    case itFloat:
        return IsValidDecText(Text, Format.DecPlaceSep);
    case itFixPoint:
        // Exactly FixPointDecPlaces characters after the first separator.
        return IsValidDecText(Text, Format.DecPlaceSep)
               && FirstSeparatorPos(Text, Format.DecPlaceSep) == Text.size() - Format.FixPointDecPlaces;
    case itInt:
        return IsValidIntText(Text);
    case itHex:
    case itOct:
    case itBin:
        return RadixTextIsValid(Format.InputFormat, Text);
    case itDynamic: {
        if (Text.isEmpty())
            return false;
        const TInFormat Kind = DynamicTextFormat(Text);
        if (Kind == itExp)
            return IsValidExpText(Text, true, Format.DecPlaceSep);
        return RadixTextIsValid(Kind, Text.mid(1));
    }
    }
    return false;
}

QString ConvertDecSeparators(const QString& Text, TDecPSep Old, TDecPSep New)
{
    if (New == Old || New == dsBoth)
        return Text;
    const QChar NewChar = ModeSeparatorChar(New);
    QString Result = Text;
    if (Old == dsBoth) {
        Result.replace(QLatin1Char('.'), NewChar);
        Result.replace(QLatin1Char(','), NewChar);
    } else if (const QChar OldChar = ModeSeparatorChar(Old); OldChar != NewChar) {
        Result.replace(OldChar, NewChar);
    }
    return Result;
}

// ---- TNumTextEditor ------------------------------------------------------------

void TNumTextEditor::SetSelBegin(int Value)
{
    FSelBegin = std::clamp(Value, 0, int(FText.size()));
    FCaretPos = FSelBegin;
    FSelEnd = std::max(FSelEnd, FSelBegin);
}

void TNumTextEditor::SetSelEnd(int Value)
{
    FSelEnd = std::clamp(Value, 0, int(FText.size()));
    FCaretPos = FSelEnd;
    FSelBegin = std::min(FSelBegin, FSelEnd);
}

void TNumTextEditor::SetSelection(int Begin, int End, int Caret)
{
    FSelBegin = std::max(Begin, 0);
    FSelEnd = std::max(End, FSelBegin);
    FCaretPos = std::max(Caret, 0);
}

void TNumTextEditor::SetKeyFlags(bool Shifted, bool Cntrl)
{
    FKeyShifted = Shifted;
    FKeyCntrl = Cntrl;
}

void TNumTextEditor::SetDecPlaceSep(TDecPSep Value)
{
    FText = ConvertDecSeparators(FText, Format.DecPlaceSep, Value);
    Format.DecPlaceSep = Value;
}

int TNumTextEditor::ClampedCaret() const { return std::clamp(FCaretPos, 0, int(FText.size())); }

bool TNumTextEditor::HasSelection() const
{
    return std::min(FSelBegin, int(FText.size())) < std::min(FSelEnd, int(FText.size()));
}

QString TNumTextEditor::SelectedText() const
{
    if (!HasSelection())
        return QString();
    const int Begin = FSelBegin;
    return FText.mid(Begin, std::min(FSelEnd, int(FText.size())) - Begin);
}

void TNumTextEditor::DeleteSelection()
{
    const int Begin = FSelBegin;
    FText.remove(Begin, std::min(FSelEnd, int(FText.size())) - Begin);
    if (FText.isEmpty())
        WriteValue(0.0);
    FCaretPos = FSelEnd = FSelBegin = Begin;
}

void TNumTextEditor::InsertText(const QString& Insert)
{
    const int At = ClampedCaret();
    FText.insert(At, Insert);
    FCaretPos = At + int(Insert.size());
}

QChar TNumTextEditor::KeyChar(quint16 Key, bool Shifted)
{
    QChar Ch;
    if (Key >= '0' && Key <= '9')
        Ch = QLatin1Char(char(Key));
    else if (Key >= 'A' && Key <= 'F')
        Ch = QLatin1Char(char(Key));
    else if (Key >= vkNumpad0 && Key <= vkNumpad9)
        Ch = QLatin1Char(char('0' + Key - vkNumpad0));
    else if (Key == vkAdd || Key == vkOemPlus)
        Ch = QLatin1Char('+');
    else if (Key == vkSubtract || Key == vkOemMinus)
        Ch = QLatin1Char('-');
    else if (Key == vkDecimal || Key == vkOemComma)
        Ch = QLatin1Char(',');
    else if (Key == vkOemPeriod)
        Ch = QLatin1Char('.');
    if (Shifted) {
        if (Ch == QLatin1Char('4'))
            Ch = QLatin1Char('$');
        else if (Ch == QLatin1Char('5'))
            Ch = QLatin1Char('%');
        else if (Ch == QLatin1Char('6'))
            Ch = QLatin1Char('&');
    }
    return Ch;
}

TNumKeyResult TNumTextEditor::KeyDown(quint16 Key, TShiftState Shift, bool ReadOnly,
                                      const std::function<std::optional<QString>()>& Clipboard)
{
    TNumKeyResult Result;
    if (Key == vkShift || Key == vkControl) {
        (Key == vkShift ? FKeyShifted : FKeyCntrl) = true;
        Result.Ignored = true;
        return Result;
    }
    // A modifier already held when the field got the focus counts as well.
    const bool Shifted = FKeyShifted || Shift.testFlag(ssShift);
    const bool Cntrl = FKeyCntrl || Shift.testFlag(ssCtrl);
    if (ReadOnly && !(Cntrl && Key == vkKeyC)) {
        Result.Ignored = true;
        return Result;
    }

    const QString OldText = FText;
    const int OldCaret = FCaretPos;
    bool Refused = false;
    if (Cntrl) {
        if (Key == vkKeyC || Key == vkKeyX) {
            if (HasSelection()) {
                Result.CopyToClipboard = SelectedText();
                if (Key == vkKeyX)
                    DeleteSelection();
            }
        } else if (Key == vkKeyV) {
            if (const std::optional<QString> Paste = Clipboard ? Clipboard() : std::nullopt)
                InsertText(*Paste);
        } else {
            Refused = true;
        }
    } else {
        switch (Key) {
        case vkBack:
            if (HasSelection()) {
                DeleteSelection();
            } else if (const int At = ClampedCaret(); At > 0) {
                FText.remove(At - 1, 1);
                FCaretPos = At - 1;
            }
            break;
        case vkTab:
            Result.FocusNext = true;
            break;
        case vkEnd:
            FCaretPos = int(FText.size());
            break;
        case vkHome:
            FCaretPos = 0;
            break;
        case vkLeft:
        case vkUp:
            FCaretPos = std::max(ClampedCaret() - 1, 0);
            break;
        case vkRight:
        case vkDown:
            FCaretPos = std::min(FCaretPos + 1, int(FText.size()));
            break;
        case vkDelete:
            if (HasSelection())
                DeleteSelection();
            else
                FText.remove(ClampedCaret(), 1);
            break;
        default:
            if (const QChar Ch = KeyChar(Key, Shifted); !Ch.isNull()) {
                if (HasSelection()) {
                    FText.remove(FSelBegin, std::min(FSelEnd, int(FText.size())) - FSelBegin);
                    FCaretPos = FSelEnd = FSelBegin;
                }
                InsertText(QString(Ch));
            } else {
                Refused = true;
            }
        }
    }
    Result.Beep = Refused && Beep;

    // Online check: partial entries pass, anything else must be valid.
    const bool Partial = FText.isEmpty() || FText == QLatin1String("-") || FText == QLatin1String("+");
    if (!Partial && !CheckValidity(FText)) {
        FText = OldText;
        FCaretPos = OldCaret;
        Result.Beep = Beep;
    }

    if (Format.InputFormat == itFixPoint
        && FCaretPos > int(FText.size()) - Format.FixPointDecPlaces - 1) {
        // Inside the decimals the next digit overwrites the one after the caret.
        FSelBegin = std::min(FCaretPos, int(FText.size()));
        FSelEnd = std::min(FCaretPos + 1, int(FText.size()));
    } else {
        FSelBegin = FSelEnd;
    }
    Result.Changed = FText != OldText;
    return Result;
}

void TNumTextEditor::KeyUp(quint16 Key)
{
    if (Key == vkShift)
        FKeyShifted = false;
    else if (Key == vkControl)
        FKeyCntrl = false;
}

} // namespace vok
