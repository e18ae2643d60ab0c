// Numeric fields: the text editor's value and keyboard rules, the field
// geometry and arithmetic, and the two controls.
#include "AccessibleCounting.h"
#include "PinnedSystem.h"

#include <vok/Vok_NumIO.h>
#include <vok/Vok_system.h>

#include "numio2editor.h"
#include "numio2layout.h"
#include "numiotext.h"

#include <gtest/gtest.h>

#include <vok/Vok_syscolors.h>
#include <vok/Vok_sysservices.h>

#include "LayoutTest.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>
#include <QString>

#include <cmath>
#include <memory>

using namespace vok;

namespace {

TNumTextFormat FormatOf(TInFormat F, TDecPSep Sep = dsBoth, int DecP = 2, int SigDig = 6)
{
    TNumTextFormat Fmt;
    Fmt.InputFormat = F;
    Fmt.DecPlaceSep = Sep;
    Fmt.FixPointDecPlaces = DecP;
    Fmt.SignificantDigits = SigDig;
    return Fmt;
}

// Types Keys (virtual-key codes) into an editor and records what happened.
struct Typist
{
    TNumTextEditor Ed;
    int Changes = 0;
    int Beeps = 0;
    QString Clipboard;
    bool ClipboardHasText = true;

    explicit Typist(TInFormat F, const QString& Text = QString())
    {
        Ed.Format = FormatOf(F);
        Ed.Beep = true;
        Ed.SetTextRaw(Text);
        Ed.SetCaretPos(int(Text.size()));
    }
    TNumKeyResult Key(quint16 K, TShiftState Shift = {})
    {
        const TNumKeyResult R = Ed.KeyDown(K, Shift, false, [this]() -> std::optional<QString> {
            return ClipboardHasText ? std::optional<QString>(Clipboard) : std::nullopt;
        });
        Changes += R.Changed;
        Beeps += R.Beep;
        if (R.CopyToClipboard)
            Clipboard = *R.CopyToClipboard;
        return R;
    }
    void Type(const char* Keys)
    {
        for (const char* K = Keys; *K; ++K)
            Key(*K == '.' ? 190 : *K == '-' ? 189 : *K == '+' ? 187 : *K == ',' ? 188 : quint16(*K));
    }
};

} // namespace

// ---- Value reading and writing ---------------------------------------------------------

TEST(NumText, ReadingValues)
{
    const struct
    {
        TInFormat Format;
        const char* Text;
        double Value;
    } Cases[] = {
        {itFloat, "1.5", 1.5},        {itFloat, "2,5", 2.5},       {itExp, "1.5E3", 1500.0},
        {itFixPoint, "-3.25", -3.25}, {itFloat, "-", 0.0},         {itExp, "12A", 12.0},
        {itInt, "-42", -42.0},        {itInt, "+7", 7.0},          {itInt, "", 0.0},
        {itInt, "1x", 0.0},           {itInt, "99999999999", 2147483647.0},
        {itInt, "-99999999999", -2147483648.0},                    // negative overflow keeps its sign
        {itHex, "FFFFFFFF", -1.0},    {itHex, "1F", 31.0},         {itOct, "17", 15.0},
        {itBin, "101", 5.0},          {itHex, "1G", 1.0},          // the digits consumed
        {itDynamic, "", 0.0},         {itDynamic, "$1F", 31.0},    {itDynamic, "%101", 5.0},
        {itDynamic, "&17", 15.0},     {itDynamic, "2.5E1", 25.0},  {itDynamic, "$FFFFFFFF", -1.0},
        {itExp, "************", 0.0},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(NumTextValue(FormatOf(C.Format), QString::fromLatin1(C.Text)), C.Value);
    }
}

TEST(NumText, WritingValues)
{
    const struct
    {
        TNumTextFormat Format;
        double Value;
        const char* Text;
    } Cases[] = {
        {FormatOf(itExp), 1234.5, " 1.23450E+03"},
        {FormatOf(itExp, dsBoth, 2, 3), -0.5, "-5.00E-01"},
        {FormatOf(itExp, dsBoth, 2, 1), 1000.0, " 1E+03"},
        {FormatOf(itExp), 1e150, "************"},
        {FormatOf(itFloat, dsBoth, 3), 3.14159, "3.142"},
        {FormatOf(itFixPoint), 2.0, "2.00"},
        {FormatOf(itFixPoint, dsComma), 2.0, "2,00"},   // comma mode writes a comma
        {FormatOf(itExp, dsComma), 1234.5, " 1,23450E+03"},
        {FormatOf(itInt), 2.5, "2"},                    // halves to even
        {FormatOf(itInt), 3.5, "4"},
        {FormatOf(itDynamic), -7.6, "-8"},
        {FormatOf(itInt), 1e30, "9223372036854775807"}, // kept within 64 bits
        {FormatOf(itInt), std::nan(""), "0"},
        {FormatOf(itHex), -1.0, "FFFFFFFF"},
        {FormatOf(itHex), 4294967296.0 + 255.0, "000000FF"}, // taken as 32 bits
        {FormatOf(itOct), 8.0, "00000000010"},
        {FormatOf(itBin), 5.0, "00000000000000000000000000000101"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(NumValueText(C.Format, C.Value), QString::fromLatin1(C.Text));
    }
}

TEST(NumText, WrittenTextsPassTheTypingCheck)
{
    for (TDecPSep Sep : {dsSystem, dsPoint, dsComma, dsBoth}) {
        for (QChar System : {QChar(u'.'), QChar(u','), QChar(0x066B)}) {
            PinnedSeparator Pin(System);
            for (TInFormat F : {itExp, itFloat, itFixPoint, itInt, itHex, itOct, itBin, itDynamic}) {
                const TNumTextFormat Fmt = FormatOf(F, Sep);
                for (double V : {0.0, -12.5, 1234.5678, 7.0}) {
                    const QString Text = NumValueText(Fmt, V);
                    EXPECT_TRUE(NumTextIsValid(Fmt, Text)) << Text.toStdString() << " format " << int(F)
                                                           << " sep " << int(Sep);
                }
            }
        }
    }
}

TEST(NumText, ValidityByFormat)
{
    const struct
    {
        TInFormat Format;
        const char* Text;
        bool Valid;
    } Cases[] = {
        {itFixPoint, "12.34", true}, {itFixPoint, "12.3", false}, {itFixPoint, "12.345", false},
        {itFixPoint, "12", true},    // no point: position 0 equals length - 2
        {itFixPoint, "1", false},    {itFixPoint, "1.2.3", false},
        {itDynamic, "$", false},     {itDynamic, "$1F", true},    {itDynamic, "%102", false},
        {itDynamic, "&7", true},     {itDynamic, "", false},      {itDynamic, "1E5", true},
        {itHex, "$1F", false},       {itInt, "-5", true},         {itExp, "1E-", true},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(NumTextIsValid(FormatOf(C.Format), QString::fromLatin1(C.Text)), C.Valid);
    }
}

TEST(NumText, SeparatorModeSwitches)
{
    PinnedSeparator Comma(QLatin1Char(','));
    const struct
    {
        const char* Text;
        TDecPSep Old;
        TDecPSep New;
        const char* Result;
    } Cases[] = {
        {"1.5,2", dsBoth, dsPoint, "1.5.2"}, {"1.5,2", dsBoth, dsComma, "1,5,2"},
        {"1.5", dsPoint, dsBoth, "1.5"},     {"1.5", dsPoint, dsComma, "1,5"},
        {"1,5", dsComma, dsPoint, "1.5"},    {"1.5", dsPoint, dsSystem, "1,5"},
        {"1,5", dsSystem, dsPoint, "1.5"},   {"1,5", dsSystem, dsComma, "1,5"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(ConvertDecSeparators(QString::fromLatin1(C.Text), C.Old, C.New), QString::fromLatin1(C.Result));
    }
}

// ---- Keyboard rules ----------------------------------------------------------------------

TEST(NumTextKeys, TypingAFloat)
{
    Typist T(itFloat);
    T.Type("1.5");
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("1.5"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 3);
    EXPECT_EQ(T.Ed.ReadValue(), 1.5);
    EXPECT_EQ(T.Changes, 3);
    T.Type("."); // a second point is refused
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("1.5"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 3);
    EXPECT_EQ(T.Changes, 3);
    EXPECT_EQ(T.Beeps, 1);
}

TEST(NumTextKeys, PartialEntriesAndEditing)
{
    Typist T(itFloat);
    T.Type("-");
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("-"));
    EXPECT_EQ(T.Ed.ReadValue(), 0.0);
    T.Type("12");
    T.Key(37); // Left
    T.Key(37);
    EXPECT_EQ(T.Ed.GetCaretPos(), 1);
    T.Key(46); // Delete removes the "1"
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("-2"));
    T.Key(8); // Backspace removes the "-"
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("2"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 0);
    T.Key(8); // nothing before the caret
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("2"));
    T.Key(35); // End
    EXPECT_EQ(T.Ed.GetCaretPos(), 1);
    T.Key(39); // Right stops at the end
    EXPECT_EQ(T.Ed.GetCaretPos(), 1);
    T.Key(36); // Home
    EXPECT_EQ(T.Ed.GetCaretPos(), 0);
    T.Key(38); // Up acts as Left, not below 0
    EXPECT_EQ(T.Ed.GetCaretPos(), 0);
    EXPECT_EQ(T.Changes, 5);
    EXPECT_EQ(T.Beeps, 0);
}

TEST(NumTextKeys, KeyCodesTypeTheirCharacters)
{
    // Typed in front of "1", in a format that accepts the result.
    const struct
    {
        TInFormat Format;
        quint16 Key;
        bool Shifted;
        const char* Char;
    } Cases[] = {
        {itHex, 48, false, "0"},    {itHex, 57, false, "9"},     {itHex, 65, false, "A"},
        {itHex, 70, false, "F"},    {itHex, 96, false, "0"},     {itHex, 105, false, "9"},
        {itHex, 55, true, "7"},     {itFloat, 107, false, "+"},  {itFloat, 187, false, "+"},
        {itFloat, 109, false, "-"}, {itFloat, 189, false, "-"},  {itFloat, 110, false, ","},
        {itFloat, 188, false, ","}, {itFloat, 190, false, "."},  {itDynamic, 52, true, "$"},
        {itDynamic, 53, true, "%"}, {itDynamic, 54, true, "&"},  {itDynamic, 100, true, "$"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Key);
        TNumTextEditor Ed;
        Ed.Format = FormatOf(C.Format);
        Ed.SetTextRaw(QStringLiteral("1"));
        Ed.SetCaretPos(0);
        if (C.Shifted)
            Ed.KeyDown(16, {}, false, nullptr);
        EXPECT_TRUE(Ed.KeyDown(C.Key, {}, false, nullptr).Changed);
        EXPECT_EQ(Ed.GetText(), QString::fromLatin1(C.Char) + QLatin1Char('1'));
        EXPECT_EQ(Ed.GetCaretPos(), 1);
    }
}

TEST(NumTextKeys, RefusedKeysRestoreTextAndCaret)
{
    Typist T(itInt, QStringLiteral("12"));
    T.Ed.SetCaretPos(1);
    T.Key(190); // "." is no integer character
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("12"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 1);
    T.Key(112); // F1 types nothing
    EXPECT_EQ(T.Beeps, 2);
    EXPECT_EQ(T.Changes, 0);
    T.Ed.Beep = false;
    T.Key(190);
    EXPECT_EQ(T.Beeps, 2);
}

TEST(NumTextKeys, DynamicPrefixes)
{
    Typist T(itDynamic);
    T.Key(16); // Shift held
    T.Key(52); // "$" alone is refused
    EXPECT_EQ(T.Ed.GetText(), QString());
    T.Ed.KeyUp(16);
    T.Type("1F");
    T.Key(36);
    T.Key(16);
    T.Key(52);
    T.Ed.KeyUp(16);
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("$1F"));
    EXPECT_EQ(T.Ed.ReadValue(), 31.0);
    T.Key(54, ssShift); // Shift from the key's own state: "&" refused inside hex
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("$1F"));
}

TEST(NumTextKeys, ExponentStopsAtTheFirstForeignCharacter)
{
    Typist T(itExp);
    T.Type("12A");
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("12A"));
    EXPECT_EQ(T.Ed.ReadValue(), 12.0);
}

TEST(NumTextKeys, FixPointOverwritesDecimals)
{
    Typist T(itFixPoint, QStringLiteral("12.34"));
    T.Ed.SetCaretPos(3); // after the point
    T.Key(37);
    T.Key(39); // caret 3: inside the decimals
    EXPECT_EQ(T.Ed.GetSelBegin(), 3);
    EXPECT_EQ(T.Ed.GetSelEnd(), 4);
    T.Type("5");
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("12.54"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 4);
    EXPECT_EQ(T.Ed.GetSelBegin(), 4);
    EXPECT_EQ(T.Ed.GetSelEnd(), 5);
    T.Type("6");
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("12.56"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 5);
    T.Type("7"); // a third decimal is refused
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("12.56"));
    T.Key(36);
    T.Type("9"); // in the integer part: inserted
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("912.56"));
    EXPECT_EQ(T.Ed.GetSelBegin(), T.Ed.GetSelEnd());
    T.Key(35);
    T.Key(37);
    T.Key(37);
    T.Key(37);
    T.Type("."); // a second point
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("912.56"));
}

TEST(NumTextKeys, SelectionDeletionAndClipboard)
{
    Typist T(itFloat, QStringLiteral("123.5"));
    T.Ed.SetSelBegin(1);
    T.Ed.SetSelEnd(3);
    EXPECT_EQ(T.Ed.GetCaretPos(), 3);
    T.Key(67, ssCtrl); // copy
    EXPECT_EQ(T.Clipboard, QStringLiteral("23"));
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("123.5"));
    EXPECT_EQ(T.Ed.GetSelBegin(), T.Ed.GetSelEnd()); // every key ends the selection
    T.Ed.SetSelBegin(1);
    T.Ed.SetSelEnd(3);
    T.Key(88, ssCtrl); // cut
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("1.5"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 1);
    T.Clipboard = QStringLiteral("40");
    T.Key(86, ssCtrl); // paste at the caret
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("140.5"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 3);
    T.Clipboard = QStringLiteral("1 000");
    T.Key(86, ssCtrl); // a text that does not fit the format is undone
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("140.5"));
    T.ClipboardHasText = false;
    T.Key(86, ssCtrl);
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("140.5"));
    T.Key(90, ssCtrl); // any other Ctrl key beeps
    EXPECT_EQ(T.Beeps, 2);
    EXPECT_EQ(T.Changes, 2);

    // Deleting everything writes the value 0 in the field's format.
    T.Ed.SetSelBegin(0);
    T.Ed.SetSelEnd(5);
    T.Key(8);
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("0.00"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 0);
    // A character replaces the selection.
    T.Ed.SetSelBegin(0);
    T.Ed.SetSelEnd(1);
    T.Type("7");
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("7.00"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 1);
}

TEST(NumTextKeys, ReadOnlyOnlyCopies)
{
    TNumTextEditor Ed;
    Ed.SetTextRaw(QStringLiteral("42"));
    Ed.SetSelBegin(0);
    Ed.SetSelEnd(2);
    EXPECT_TRUE(Ed.KeyDown(49, {}, true, nullptr).Ignored);
    EXPECT_TRUE(Ed.KeyDown(88, ssCtrl, true, nullptr).Ignored);
    const TNumKeyResult R = Ed.KeyDown(67, ssCtrl, true, nullptr);
    EXPECT_FALSE(R.Ignored);
    EXPECT_EQ(R.CopyToClipboard.value_or(QString()), QStringLiteral("42"));
    EXPECT_EQ(Ed.GetText(), QStringLiteral("42"));
}

TEST(NumTextKeys, CaretBeyondTheTextAppends)
{
    Typist T(itFloat, QStringLiteral("123.25"));
    T.Ed.WriteValue(1.0); // "1.00": the caret stays at 6
    EXPECT_EQ(T.Ed.GetCaretPos(), 6);
    T.Type("5");
    EXPECT_EQ(T.Ed.GetText(), QStringLiteral("1.005"));
    EXPECT_EQ(T.Ed.GetCaretPos(), 5);
}

TEST(NumTextKeys, TabAsksForTheNextControl)
{
    Typist T(itFloat, QStringLiteral("1"));
    EXPECT_TRUE(T.Key(9).FocusNext);
    EXPECT_EQ(T.Changes, 0);
}

// ---- Geometry and arithmetic -------------------------------------------------------------------

TEST(NumIO2Layout, CaretToPixelInTheThreeAlignments)
{
    TNumIO2Layout L; // L 35, B 80
    const int W = 30; // a text of 5 characters, 6 pixels each
    EXPECT_EQ(L.CharPosToX(taLeftJustify, 12, W), 12 + 35 + 4);
    EXPECT_EQ(L.CharPosToX(taRightJustify, 12, W), 12 + 35 + 80 - 30 - 2);
    EXPECT_EQ(L.CharPosToX(taCenter, 12, W), 12 + 35 + 25 + 2);
    // Back again: the x of each position maps to that position.
    for (TAlignment A : {taLeftJustify, taRightJustify, taCenter}) {
        for (int i = 0; i <= 5; ++i) {
            SCOPED_TRACE(testing::Message() << "align " << int(A) << " pos " << i);
            EXPECT_EQ(L.XToCharPos(A, L.CharPosToX(A, 6 * i, W), W, 5), i);
        }
        EXPECT_EQ(L.XToCharPos(A, 0, W, 5), 0);     // left of the text
        EXPECT_EQ(L.XToCharPos(A, 500, W, 5), 5);   // right of it
        EXPECT_EQ(L.XToCharPos(A, 60, 0, 0), 0);    // empty text
    }
    EXPECT_EQ(L.XToCharPos(taLeftJustify, 45, 3, 5), 3); // average width 0 counts as 1
    EXPECT_EQ(L.XToCharPos(taLeftJustify, 35 + 3 + 11, 11, 5), 5); // never beyond the text
    // The caret column sits one pixel left of the character's x.
    EXPECT_EQ(L.CaretColumn(taLeftJustify, 12, W) + 35, L.CharPosToX(taLeftJustify, 12, W) - 1);
    EXPECT_EQ(L.CaretColumn(taRightJustify, 12, W) + 35, L.CharPosToX(taRightJustify, 12, W) - 1);
    EXPECT_EQ(L.CaretColumn(taCenter, 12, W) + 35, L.CharPosToX(taCenter, 12, W) - 1);
}

TEST(NumIO2Layout, AreasAndHitTests)
{
    TNumIO2Layout L;
    L.GaugeVisible = true;
    L.ButVisible = true; // ButHeight 28, e = 35 + 80 + 3 = 118
    EXPECT_EQ(L.GaugeStrip(), 12);
    EXPECT_TRUE(L.InTextRow(1));
    EXPECT_TRUE(L.InTextRow(15));
    EXPECT_FALSE(L.InTextRow(16));
    EXPECT_FALSE(L.OnGauge(50, 16));
    EXPECT_TRUE(L.OnGauge(50, 17));
    EXPECT_TRUE(L.OnGauge(35, 20));
    EXPECT_TRUE(L.OnGauge(117, 20));
    EXPECT_FALSE(L.OnGauge(34, 20));
    EXPECT_FALSE(L.OnGauge(118, 20));
    EXPECT_TRUE(L.OnGaugeDrag(34, 16));
    EXPECT_TRUE(L.OnGaugeDrag(118, 27));
    EXPECT_FALSE(L.OnGaugeDrag(119, 20));
    EXPECT_FALSE(L.OnSpinButtons(118, 5));
    EXPECT_TRUE(L.OnSpinButtons(119, 1));
    EXPECT_TRUE(L.OnSpinButtons(135, 27));
    EXPECT_FALSE(L.OnSpinButtons(136, 5));
    EXPECT_FALSE(L.OnSpinButtons(120, 0));
    EXPECT_TRUE(L.OnUpperButton(14));
    EXPECT_FALSE(L.OnUpperButton(15));
    L.ButVisible = false;
    EXPECT_FALSE(L.OnSpinButtons(120, 5));
    EXPECT_EQ(L.MouseAreaCode(35), 0);
    EXPECT_EQ(L.MouseAreaCode(36), 1);
    EXPECT_EQ(L.MouseAreaCode(115), 1);
    EXPECT_EQ(L.MouseAreaCode(116), 2);
}

TEST(NumIO2Layout, Rectangles)
{
    TNumIO2Layout L;
    L.GaugeVisible = true;
    EXPECT_EQ(L.TextBoxRect(false).Right, 117);
    EXPECT_EQ(L.TextBoxRect(false).Bottom, 16);
    EXPECT_EQ(L.TextBoxRect(true).Bottom, 15);
    EXPECT_EQ(L.NumberClipRect().Left, 38);
    EXPECT_EQ(L.NumberClipRect().Right, 114);
    EXPECT_EQ(L.NumberClipRect().Bottom, 13);
    EXPECT_EQ(L.GaugeRect().Top, 19);
    EXPECT_EQ(L.GaugeRect().Bottom, 27);
    EXPECT_EQ(L.GaugeRect().Right, 117);
    L.ButHeight = 21;
    EXPECT_EQ(L.ButtonsRect().Bottom, 19);
    EXPECT_EQ(L.ButtonsMiddleY(), 9);
    EXPECT_EQ(L.ButtonsRect().Width(), 19);
    EXPECT_EQ(L.LeftCaptionX(taLeftJustify, 20), 7);
    EXPECT_EQ(L.LeftCaptionX(taRightJustify, 20), 10);
    EXPECT_EQ(L.LeftCaptionX(taCenter, 20), 7);
    EXPECT_EQ(L.RightCaptionX(taLeftJustify, 20), 122);
    EXPECT_EQ(L.RightCaptionX(taRightJustify, 20), 134);
    EXPECT_EQ(L.RightCaptionX(taCenter, 20), (160 - 115 - 20) / 2 + 116);
    L.ButVisible = true;
    EXPECT_EQ(L.RightCaptionX(taLeftJustify, 20), 143);
    EXPECT_EQ(L.TextTop(13), (28 - 12 - 13) / 2);
}

TEST(NumIO2Arithmetic, SpinButtonsWithAndWithoutPivots)
{
    const TDoubleArray Pivots{0, 10, 20};
    const struct
    {
        double Value;
        bool Up;
        double Result;
    } Cases[] = {
        {12, true, 20}, {12, false, 10}, {10, true, 20}, {10, false, 0}, {8, true, 10}, {8, false, 0},
        {20, true, 20}, {0, false, 0},   {10.005, true, 20},  {9.995, false, 0}, // within eps of a pivot
        {15, true, 20}, // a tie picks the first pivot (10), then steps up
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Value << (C.Up ? " up" : " down"));
        EXPECT_EQ(SpinStepValue(C.Value, C.Up, 1.0, 0.0, 15.0, Pivots, 2), C.Result);
    }
    EXPECT_EQ(SpinStepValue(999.5, true, 1.0, 0.0, 1000.0, {}, 2), 1000.0);
    EXPECT_EQ(SpinStepValue(0.5, false, 1.0, 0.0, 1000.0, {}, 2), 0.0);
    EXPECT_EQ(SpinStepValue(5.0, true, 2.5, 0.0, 1000.0, {}, 2), 7.5);
    EXPECT_EQ(SpinStepValue(5.0, true, 1.0, 0.0, 1000.0, {42.0}, 2), 42.0);
}

TEST(NumIO2Arithmetic, GaugeValuesAndFill)
{
    EXPECT_EQ(GaugeValueAt(35, 35, 82, 0.0, 1000.0, {}), 0.0);
    EXPECT_EQ(GaugeValueAt(117, 35, 82, 0.0, 1000.0, {}), 1000.0);
    EXPECT_DOUBLE_EQ(GaugeValueAt(76, 35, 82, 0.0, 1000.0, {}), 500.0);
    EXPECT_EQ(GaugeValueAt(34, 35, 82, 0.0, 1000.0, {}), 0.0);     // clamped
    EXPECT_EQ(GaugeValueAt(118, 35, 82, 0.0, 1000.0, {}), 1000.0);
    EXPECT_EQ(GaugeValueAt(60, 35, 82, 0.0, 1000.0, {0, 250, 500}), 250.0);
    EXPECT_EQ(GaugeValueAt(60, 35, 82, 0.0, 1000.0, {2000}), 1000.0); // snapped, then clamped
    EXPECT_EQ(GaugeValueAt(100, 35, 82, 0.0, 1000.0, {300}), 300.0);  // one entry always wins
    EXPECT_EQ(GaugeValueAt(55, 35, 80, 0.0, 100.0, {0, 50}), 0.0);    // 25: tie, the first wins

    EXPECT_EQ(GaugeFillWidth(500.0, 0.0, 1000.0, 82), 41);
    EXPECT_EQ(GaugeFillWidth(-5.0, 0.0, 1000.0, 82), 0);
    EXPECT_EQ(GaugeFillWidth(5000.0, 0.0, 1000.0, 82), 82);
    EXPECT_EQ(GaugeFillWidth(3.0, 3.0, 3.0, 82), 82);      // equal bounds: full
    EXPECT_EQ(GaugeFillWidth(0.25, 0.0, 1.0, 10), 2);      // 2.5 rounds to even
    EXPECT_EQ(GaugeFillWidth(0.35, 0.0, 1.0, 10), 4);
}

// ---- Edit field text rules ----------------------------------------------------------------------

namespace {

TNumIOTextFormat EditFormat(TInFormat F, TDecPSep Sep = dsPoint, int DecP = 2)
{
    TNumIOTextFormat Fmt;
    Fmt.InputFormat = F;
    Fmt.DecPlaceSep = Sep;
    Fmt.FixPointDecPlaces = DecP;
    return Fmt;
}

} // namespace

TEST(NumIOText, ConvertingWholeTexts)
{
    const struct
    {
        TInFormat Format;
        const char* Text;
        bool Whole;
        double Value;
    } Cases[] = {
        {itExp, "", false, 0},       {itExp, "-", true, 0},       {itExp, "+", true, 0},
        {itExp, ".", true, 0},       {itExp, "5.", true, 5},      {itExp, "1e", true, 1},
        {itExp, "1E-", true, 1},     {itExp, "1e+", true, 1},     {itExp, "1 2", false, 0},
        {itExp, "12a", false, 12},   {itExp, "  7", true, 7},     {itExp, "   ", true, 0},
        {itExp, "2.5e2", true, 250}, {itFloat, "2.5e2", false, 2.5}, {itFloat, "2,5", false, 2},
        {itInt, "-42", true, -42},   {itInt, "4.2", false, 4},    {itInt, "-", true, 0},
        {itHex, "ff", true, 255},    {itHex, "$FF", true, 255},   {itHex, "fg", false, 15},
        {itOct, "17", true, 15},     {itBin, "102", false, 2},    {itDynamic, "$1f", true, 31},
        {itDynamic, "%101", true, 5}, {itDynamic, "&18", false, 1}, {itDynamic, "3e1", true, 30},
        {itDynamic, "$", true, 0},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        double V = -1;
        EXPECT_EQ(ConvertNumText(EditFormat(C.Format), QString::fromLatin1(C.Text), V), C.Whole);
        if (*C.Text) {
            EXPECT_EQ(V, C.Value);
        }
    }
}

TEST(NumIOText, SeparatorModes)
{
    double V = 0;
    EXPECT_TRUE(ConvertNumText(EditFormat(itFloat, dsComma), QStringLiteral("2,5"), V));
    EXPECT_EQ(V, 2.5);
    EXPECT_FALSE(ConvertNumText(EditFormat(itFloat, dsComma), QStringLiteral("2.5"), V));
    EXPECT_TRUE(ConvertNumText(EditFormat(itFloat, dsBoth), QStringLiteral("2.5"), V));
    {
        PinnedSeparator Comma(QLatin1Char(','));
        EXPECT_TRUE(ConvertNumText(EditFormat(itFloat, dsSystem), QStringLiteral("2,5"), V));
        // Written and read back in comma mode.
        const TNumIOTextFormat Fmt = EditFormat(itFixPoint, dsSystem);
        EXPECT_EQ(NumIOValueText(Fmt, 2.5), QStringLiteral("2,50"));
        EXPECT_EQ(NumIOTextValue(Fmt, QStringLiteral("2,50")), 2.5);
        EXPECT_EQ(NumIOTextValue(Fmt, QStringLiteral("2.50")), 2.5);
    }
    PinnedSeparator Other(QChar(0x066B)); // anything but "," is point mode here
    EXPECT_TRUE(ConvertNumText(EditFormat(itFloat, dsSystem), QStringLiteral("2.5"), V));
}

TEST(NumIOText, ValueReadingAndWriting)
{
    EXPECT_EQ(NumIOValueText(EditFormat(itExp), 1234.5), QStringLiteral(" 1.23450E+03"));
    EXPECT_EQ(NumIOValueText(EditFormat(itDynamic), -0.5), QStringLiteral("-5.00000E-01"));
    EXPECT_EQ(NumIOValueText(EditFormat(itFloat), 0.1), QStringLiteral("0.10000000"));
    EXPECT_EQ(NumIOValueText(EditFormat(itFixPoint, dsPoint, 3), 2.0), QStringLiteral("2.000"));
    EXPECT_EQ(NumIOValueText(EditFormat(itInt), 2.5), QStringLiteral("3"));
    EXPECT_EQ(NumIOValueText(EditFormat(itHex), 255.0), QStringLiteral("000000FF"));
    EXPECT_EQ(NumIOValueText(EditFormat(itOct), -1.0), QStringLiteral("77777777")); // the lowest 8 digits
    EXPECT_EQ(NumIOValueText(EditFormat(itBin), 5.0), QStringLiteral("00000101"));
    EXPECT_EQ(NumIOTextValue(EditFormat(itFloat), QStringLiteral("3,")), 3.0);
    EXPECT_EQ(NumIOTextValue(EditFormat(itFloat), QStringLiteral("x")), 0.0);
    EXPECT_EQ(NumIOTextValue(EditFormat(itExp), NumIOValueText(EditFormat(itExp), 1234.5)), 1234.5);
}

TEST(NumIOText, ChangeCheckRangeAndUndo)
{
    const TNumIOTextFormat Fmt = EditFormat(itFloat);
    auto Check = [&](const char* Text, const char* Accepted, int Caret, double Low, double High) {
        return CheckNumIOChange(Fmt, {QString::fromLatin1(Text), QString::fromLatin1(Accepted), Caret, Low, High});
    };
    TNumIOChangeResult R = Check("15", "1", 2, 0, 100);
    EXPECT_TRUE(R.Accepted);
    EXPECT_EQ(R.AcceptedText, QStringLiteral("15"));
    EXPECT_FALSE(R.Replacement);
    R = Check("150", "15", 3, 0, 100); // out of range: undone
    EXPECT_FALSE(R.Accepted);
    EXPECT_TRUE(R.Refused);
    EXPECT_EQ(R.Replacement.value_or(QString()), QStringLiteral("15"));
    EXPECT_EQ(R.Caret, 2);
    EXPECT_EQ(R.AcceptedText, QStringLiteral("15"));
    EXPECT_TRUE(Check("0", "", 1, 5, 100).Accepted); // 0 passes whatever the range
    EXPECT_TRUE(Check("-", "", 1, 0, 0).Accepted);    // the run-time range [0, 0]
    EXPECT_FALSE(Check("3", "", 1, 0, 0).Accepted);
    R = Check("1 000", "1000", 2, -1e9, 1e9);
    EXPECT_FALSE(R.Accepted);
    EXPECT_EQ(R.Replacement.value_or(QString()), QStringLiteral("1000"));
    R = Check("x", "", 0, 0, 10); // a forgotten accepted text empties the field
    EXPECT_EQ(R.Replacement.value_or(QStringLiteral("?")), QString());
    EXPECT_EQ(R.Caret, 0);
}

TEST(NumIOText, ChangeCheckFixPoint)
{
    const TNumIOTextFormat Fmt = EditFormat(itFixPoint);
    auto Check = [&](const char* Text, const char* Accepted, int Caret) {
        return CheckNumIOChange(Fmt, {QString::fromLatin1(Text), QString::fromLatin1(Accepted), Caret, -1e6, 1e6});
    };
    TNumIOChangeResult R = Check("12.349", "12.34", 6); // a third decimal is cut off
    EXPECT_TRUE(R.Accepted);
    EXPECT_EQ(R.Replacement.value_or(QString()), QStringLiteral("12.34"));
    EXPECT_EQ(R.AcceptedText, QStringLiteral("12.34"));
    R = Check("12.3.4", "12.34", 5); // a second point is undone
    EXPECT_FALSE(R.Accepted);
    EXPECT_EQ(R.Replacement.value_or(QString()), QStringLiteral("12.34"));
    EXPECT_EQ(R.Caret, 4);
    R = Check("12.3", "12.34", 4); // a deleted decimal is filled up again
    EXPECT_EQ(R.Replacement.value_or(QString()), QStringLiteral("12.30"));
    EXPECT_EQ(R.Caret, 4);
    R = Check("1234", "12.34", 2); // the point deleted: the number stays whole
    EXPECT_EQ(R.Replacement.value_or(QString()), QStringLiteral("1234.00"));
}

// ---- TNumIO2 -------------------------------------------------------------------------------------

namespace {

// A field whose window exists, so it paints.
std::unique_ptr<TNumIO2> MakeField()
{
    auto F = std::make_unique<TNumIO2>();
    F->SetName(QStringLiteral("Num"));
    F->HandleNeeded();
    return F;
}

TColor PixelAt(const TNumIO2& F, int X, int Y) { return F.GetCanvas()->GetPixel(X, Y); }

void PressKey(TNumIO2& F, quint16 Key, TShiftState Shift = {})
{
    F.KeyDown(Key, Shift);
}

} // namespace

TEST(TNumIO2, InitialValues)
{
    auto F = MakeField();
    EXPECT_EQ(F->GetWidth(), 160);
    EXPECT_EQ(F->GetHeight(), 28);
    EXPECT_EQ(F->GetAlignment(), taCenter);
    EXPECT_EQ(F->GetButHeight(), 28);
    EXPECT_EQ(F->GetButWidth(), 18);
    EXPECT_EQ(F->GetInputFormat(), itFloat);
    EXPECT_EQ(F->GetDecPlaceSep(), dsBoth);
    EXPECT_EQ(F->GetFrameStyle(), fsLowered);
    EXPECT_EQ(F->GetColorWarnBG(), 0x6088FFF0u);
    EXPECT_EQ(F->GetRangeHigh(), 1000.0);
    EXPECT_EQ(F->GetText(), QString());
    EXPECT_TRUE(F->GetCaretVisible());
    EXPECT_TRUE(F->CaretTimerRunning());
    EXPECT_EQ(F->CaretTimerInterval(), 500);
}

TEST(TNumIO2, SetterLimits)
{
    auto F = MakeField();
    const struct
    {
        void (TNumIO2::*Set)(int);
        int (TNumIO2::*Get)() const;
        int Value;
        int Result;
    } Cases[] = {
        {&TNumIO2::SetButWidth, &TNumIO2::GetButWidth, 5, 8},
        {&TNumIO2::SetButWidth, &TNumIO2::GetButWidth, 60, 50},
        {&TNumIO2::SetButSpace, &TNumIO2::GetButSpace, -1, 0},
        {&TNumIO2::SetButSpace, &TNumIO2::GetButSpace, 51, 50},
        {&TNumIO2::SetButHeight, &TNumIO2::GetButHeight, 10, 18},
        {&TNumIO2::SetButHeight, &TNumIO2::GetButHeight, 40, 28},    // not above Height
        {&TNumIO2::SetGaugeHeight, &TNumIO2::GetGaugeHeight, 20, 7}, // Height - GaugeTopMargin - 18
        {&TNumIO2::SetGaugeHeight, &TNumIO2::GetGaugeHeight, 1, 3},
        {&TNumIO2::SetGaugeTopMargin, &TNumIO2::GetGaugeTopMargin, 9, 2}, // Height - GaugeHeight - 18
        {&TNumIO2::SetGaugeTopMargin, &TNumIO2::GetGaugeTopMargin, -4, 0},
        {&TNumIO2::SetGaugeWidth, &TNumIO2::GetGaugeWidth, 5, 10},
        {&TNumIO2::SetGaugeWidth, &TNumIO2::GetGaugeWidth, 500, 125}, // Width - GaugeLeftMargin
        {&TNumIO2::SetGaugeLeftMargin, &TNumIO2::GetGaugeLeftMargin, 200, 78}, // Width - GaugeWidth
        {&TNumIO2::SetLeftSpace, &TNumIO2::GetLeftSpace, -5, 35},    // ignored
        {&TNumIO2::SetLeftSpace, &TNumIO2::GetLeftSpace, 500, 160},
        {&TNumIO2::SetFixPointDecPlaces, &TNumIO2::GetFixPointDecPlaces, 0, 2},
        {&TNumIO2::SetFixPointDecPlaces, &TNumIO2::GetFixPointDecPlaces, 20, 15},
        {&TNumIO2::SetSignificantDigits, &TNumIO2::GetSignificantDigits, -1, 6},
        {&TNumIO2::SetSignificantDigits, &TNumIO2::GetSignificantDigits, 99, 15},
    };
    for (const auto& C : Cases) {
        auto G = MakeField();
        ((*G).*C.Set)(C.Value);
        EXPECT_EQ(((*G).*C.Get)(), C.Result) << "value " << C.Value;
    }
    F->SetHeight(10);
    EXPECT_EQ(F->GetHeight(), 18);
    EXPECT_EQ(F->GetButHeight(), 18);
}

TEST(TNumIO2, RangeBoundsStayOrdered)
{
    auto F = MakeField();
    F->SetRangeLow(2000.0);
    EXPECT_EQ(F->GetRangeHigh(), 2000.0);
    F->SetRangeHigh(-5.0);
    EXPECT_EQ(F->GetRangeLow(), -5.0);
    EXPECT_EQ(F->GetRangeHigh(), -5.0);
}

TEST(TNumIO2, ValueAndFormats)
{
    auto F = MakeField();
    F->SetInputFormat(itExp);
    F->SetValue(1234.5);
    EXPECT_EQ(F->GetText(), QStringLiteral(" 1.23450E+03"));
    F->SetSignificantDigits(3); // re-written
    EXPECT_EQ(F->GetText(), QStringLiteral(" 1.23E+03"));
    F->SetValue(1e150);
    EXPECT_EQ(F->GetText(), QStringLiteral("*********"));
    EXPECT_EQ(F->GetValue(), 0.0);
    F->SetInputFormat(itFloat);
    F->SetValue(2.5);
    F->SetInputFormat(itHex); // read in the old format, written in the new
    EXPECT_EQ(F->GetText(), QStringLiteral("00000002"));
    F->SetValue(-1.0);
    EXPECT_EQ(F->GetText(), QStringLiteral("FFFFFFFF"));
    F->SetInputFormat(itBin);
    EXPECT_EQ(F->GetText(), QString(32, QLatin1Char('1')));
}

TEST(TNumIO2, IntegerValueAndOverflow)
{
    auto F = MakeField();
    F->SetFixPointDecPlaces(1);
    F->SetValue(2147483647.4);
    EXPECT_EQ(F->GetIntegerValue(), 2147483647);
    F->SetValue(-2.5);
    EXPECT_EQ(F->GetIntegerValue(), -2);
    F->SetValue(2147483648.0);
    try {
        (void)F->GetIntegerValue();
        FAIL() << "no overflow error";
    } catch (const EVOKNumIO2Error& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Component \"Num\": integer overflow"));
    }
}

TEST(TNumIO2, TextSetterAndSeparators)
{
    auto F = MakeField();
    F->SetText(QStringLiteral("12.5"));
    F->SetSelEnd(3);
    F->SetText(QStringLiteral("1x")); // invalid: ignored
    EXPECT_EQ(F->GetText(), QStringLiteral("12.5"));
    EXPECT_EQ(F->GetCaretPos(), 3);
    F->SetText(QStringLiteral("7.25"));
    EXPECT_EQ(F->GetCaretPos(), 0);
    EXPECT_EQ(F->GetSelEnd(), 0);
    F->SetDecPlaceSep(dsComma);
    EXPECT_EQ(F->GetText(), QStringLiteral("7,25"));
    EXPECT_EQ(F->GetValue(), 7.25);
    F->SetValue(1.5); // comma mode writes a comma
    EXPECT_EQ(F->GetText(), QStringLiteral("1,50"));
    F->SetDecPlaceSep(dsPoint);
    EXPECT_EQ(F->GetText(), QStringLiteral("1.50"));
}

TEST(TNumIO2, TypingFiresOnChangeAndBeeps)
{
    auto F = MakeField();
    int Changes = 0;
    int Beeps = 0;
    F->OnChange = [&](QObject*) { ++Changes; };
    SetMessageBeepHook([&](int) { ++Beeps; });
    F->SetBeep(true);
    for (quint16 K : {quint16('1'), quint16(190), quint16('5')})
        PressKey(*F, K);
    EXPECT_EQ(F->GetText(), QStringLiteral("1.5"));
    EXPECT_EQ(F->GetValue(), 1.5);
    EXPECT_EQ(Changes, 3);
    PressKey(*F, 190);
    EXPECT_EQ(Changes, 3);
    EXPECT_EQ(Beeps, 1);
    F->SetReadOnly(true);
    PressKey(*F, '7');
    EXPECT_EQ(F->GetText(), QStringLiteral("1.5"));
    SetMessageBeepHook(nullptr);
}

TEST(TNumIO2, ClipboardCommands)
{
    auto F = MakeField();
    F->SetText(QStringLiteral("123.5"));
    F->SetSelBegin(1);
    F->SetSelEnd(3);
    PressKey(*F, 67, ssCtrl);
    EXPECT_EQ(Clipboard().GetAsText(), QStringLiteral("23"));
    Clipboard().SetAsText(QStringLiteral("9"));
    PressKey(*F, 86, ssCtrl);
    EXPECT_EQ(F->GetText(), QStringLiteral("1239.5"));
}

TEST(TNumIO2, MouseSetsTheCaret)
{
    auto F = MakeField();
    F->SetAlignment(taLeftJustify);
    F->SetText(QStringLiteral("123.5"));
    F->MouseDown(mbLeft, ssLeft, 500, 10); // far right: end of the text
    EXPECT_EQ(F->GetCaretPos(), 5);
    EXPECT_EQ(F->GetSelBegin(), 5);
    F->MouseDown(mbLeft, ssLeft, 0, 10);
    EXPECT_EQ(F->GetCaretPos(), 0);
    F->MouseMove(ssLeft, 500, 10); // dragging selects
    EXPECT_EQ(F->GetSelBegin(), 0);
    EXPECT_EQ(F->GetSelEnd(), 5);
    F->MouseMove({}, 20, 10);
    EXPECT_EQ(F->GetMouseAreaCode(), 0);
    F->MouseMove({}, 40, 10);
    EXPECT_EQ(F->GetMouseAreaCode(), 1);
    F->MouseMove({}, 140, 10);
    EXPECT_EQ(F->GetMouseAreaCode(), 2);
}

TEST(TNumIO2, SpinButtons)
{
    auto F = MakeField();
    F->SetButVisible(true); // e = 35 + 80 + 3 = 118
    int Changes = 0;
    F->OnChange = [&](QObject*) { ++Changes; };
    F->SetValue(999.5);
    F->MouseDown(mbLeft, ssLeft, 125, 5); // upper button, clamped to RangeHigh
    EXPECT_EQ(F->GetValue(), 1000.0);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(F->GetCaretPos(), 6); // the end of "999.50": the text row covers the buttons
    F->MouseDown(mbLeft, ssLeft, 125, 20);
    EXPECT_EQ(F->GetValue(), 999.0);

    F->ButtonPivots = {0, 10, 20};
    F->SetValue(12.0);
    F->MouseDown(mbLeft, ssLeft, 125, 5);
    EXPECT_EQ(F->GetValue(), 20.0);
    F->SetValue(12.0);
    F->MouseDown(mbLeft, ssLeft, 125, 20);
    EXPECT_EQ(F->GetValue(), 10.0);
    F->MouseDown(mbLeft, ssLeft, 125, 20);
    EXPECT_EQ(F->GetValue(), 0.0);

    F->SetButVisible(false); // clicks right of the box only move the caret
    F->MouseDown(mbLeft, ssLeft, 125, 5);
    EXPECT_EQ(F->GetValue(), 0.0);
}

TEST(TNumIO2, GaugeClickAndDrag)
{
    auto F = MakeField();
    F->SetGaugeVisible(true); // g = 8 + 3 + 1: the gauge strip starts below y 16
    int Changes = 0;
    int GaugeChanges = 0;
    double Last = -1;
    F->OnChange = [&](QObject*) { ++Changes; };
    F->OnGaugeChange = [&](QObject*, TShiftState, double V) {
        ++GaugeChanges;
        Last = V;
    };
    F->MouseDown(mbLeft, ssLeft, 35, 22);
    EXPECT_EQ(F->GetValue(), 0.0);
    F->MouseDown(mbLeft, ssLeft, 35 + 82, 22);
    EXPECT_EQ(F->GetValue(), 1000.0);
    EXPECT_EQ(Changes, 0);
    EXPECT_EQ(GaugeChanges, 0);
    F->MouseUp(mbLeft, {}, 35 + 82, 22);
    EXPECT_EQ(Changes, 1);
    F->MouseMove(ssLeft, 35 + 41, 22);
    EXPECT_EQ(GaugeChanges, 1);
    EXPECT_EQ(Last, 500.0);
    EXPECT_EQ(F->GetValue(), 500.0);
    F->MouseUp(mbLeft, {}, 76, 22);
    EXPECT_EQ(Changes, 2);
    F->MouseUp(mbLeft, {}, 76, 22);
    EXPECT_EQ(Changes, 2);
}

TEST(TNumIO2, CaretTimer)
{
    auto F = MakeField();
    EXPECT_TRUE(F->CaretTimerRunning());
    F->DoTimer(); // not focused: the timer stops and the caret hides
    EXPECT_FALSE(F->CaretTimerRunning());
    EXPECT_FALSE(F->GetCaretVisible());
    F->Click();
    EXPECT_TRUE(F->CaretTimerRunning());
    EXPECT_TRUE(F->GetCaretVisible());
    F->SetReadOnly(true);
    EXPECT_FALSE(F->CaretTimerRunning());
    F->SetFocus();
    EXPECT_FALSE(F->CaretTimerRunning());
    F->SetReadOnly(false);
    EXPECT_TRUE(F->CaretTimerRunning());
}

TEST(TNumIO2, CaretBlinksWhileFocused)
{
    QWidget Window;
    auto* F = new TNumIO2(&Window);
    Window.show();
    QApplication::setActiveWindow(&Window);
    F->SetFocus();
    if (!F->Focused())
        GTEST_SKIP() << "the platform gives no focus";
    EXPECT_TRUE(F->GetCaretVisible());
    F->DoTimer();
    EXPECT_FALSE(F->GetCaretVisible());
    EXPECT_TRUE(F->CaretTimerRunning());
    F->DoTimer();
    EXPECT_TRUE(F->GetCaretVisible());
}

TEST(TNumIO2, CaretOnlyInTheFocusedField)
{
    QWidget Window;
    auto* F = new TNumIO2(&Window);
    auto* Other = new TNumIO2(&Window);
    Other->SetTop(40);
    EXPECT_EQ(F->focusPolicy(), Qt::StrongFocus);
    Window.show();
    QApplication::setActiveWindow(&Window);
    Other->SetFocus();
    if (!Other->Focused())
        GTEST_SKIP() << "the platform gives no focus";
    F->Update();
    const QImage NoCaret = F->GetPicture().copy();
    F->DoTimer(); // the caret flag drops: the picture had no caret anyway
    EXPECT_EQ(F->GetPicture(), NoCaret);

    F->SetFocus();
    EXPECT_NE(F->GetPicture(), NoCaret);
    Other->SetFocus();
    EXPECT_EQ(F->GetPicture(), NoCaret);
}

TEST(TNumIO2, DisabledThroughTheParentAndEnumsByName)
{
    QWidget Window;
    auto* F = new TNumIO2(&Window);
    F->HandleNeeded();
    EXPECT_NE(PixelAt(*F, 40, 20), clSilver);
    Window.setEnabled(false);
    EXPECT_TRUE(F->GetEnabled());
    EXPECT_EQ(PixelAt(*F, 40, 20), clSilver); // the disabled box

    EXPECT_TRUE(F->setProperty("InputFormat", QStringLiteral("itInt")));
    EXPECT_EQ(F->GetInputFormat(), itInt);
    EXPECT_EQ(F->property("InputFormat").toString(), QStringLiteral("itInt"));
    EXPECT_TRUE(F->setProperty("FrameStyle", QStringLiteral("fsEngraved")));
    EXPECT_EQ(F->GetFrameStyle(), fsEngraved);
    EXPECT_EQ(F->property("LeftTextAlignment").toString(), QStringLiteral("taRightJustify"));
}

TEST(TNumIO2, OutsideTheBoxFollowsThePalette)
{
    QWidget Window;
    auto* F = new TNumIO2(&Window);
    F->HandleNeeded();
    EXPECT_EQ(PixelAt(*F, 1, 1), QColorToColor(QApplication::palette().color(QPalette::Button)));
    QPalette Dark = Window.palette();
    Dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    Window.setPalette(Dark);
    F->Update();
    EXPECT_EQ(PixelAt(*F, 1, 1), RGBToColor(0x35, 0x35, 0x35));
}

TEST(TNumIO2, TimerRefusalRaises)
{
    const int Limit = TComponentTimer::ProcessTimerLimit();
    TComponentTimer::SetProcessTimerLimit(TComponentTimer::RunningTimerCount());
    try {
        TNumIO2 F;
        F.SetName(QStringLiteral("Blink"));
        FAIL() << "no timer error";
    } catch (const EVOKNumIO2Error& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Component \"\": no timer available"));
    }
    TComponentTimer::SetProcessTimerLimit(Limit);
}

TEST(TNumIO2, PaintingBoxFrameAndWarning)
{
    auto F = MakeField();
    F->SetValue(5.0);
    // Sunken frame: black left/top edge, white bottom/right edge, gray outline.
    EXPECT_EQ(PixelAt(*F, 36, 1), clBlack);
    EXPECT_EQ(PixelAt(*F, 80, 1), clBlack);
    EXPECT_EQ(PixelAt(*F, 36, 27), clWhite);
    EXPECT_EQ(PixelAt(*F, 117, 10), clWhite);
    EXPECT_EQ(PixelAt(*F, 35, 10), clGray);
    EXPECT_EQ(PixelAt(*F, 40, 20), clWhite); // box background
    F->SetValue(5000.0);
    EXPECT_TRUE(F->OutOfRange());
    EXPECT_EQ(PixelAt(*F, 40, 20), TColor(0x88FFF0));
}

TEST(TNumIO2, PaintingGaugeFill)
{
    auto F = MakeField();
    F->SetHeight(40);
    F->SetGaugeVisible(true);
    F->SetGaugeFrameStyle(fsNoFrame);
    F->SetValue(250.0); // a quarter of 82: 20.5 -> 20 pixels
    const int Y = 40 - 1 - 4;
    EXPECT_EQ(PixelAt(*F, 35 + 19, Y), TColor(0x800000));
    EXPECT_EQ(PixelAt(*F, 35 + 21, Y), TColor(0xC0C0C0));
}

TEST(TNumIO2, PaintingDisabledCaptionsEmbossed)
{
    auto F = MakeField();
    F->SetLeftText(QStringLiteral("MMM"));
    F->SetLeftTextAlignment(taLeftJustify);
    F->SetEnabled(false);
    // Gray strokes, and light strokes brighter than the background beside them.
    const int Background = GetRValue(PixelAt(*F, 1, 1));
    bool Gray = false, Light = false;
    for (int Y = 0; Y < 28; ++Y)
        for (int X = 7; X < 34; ++X) {
            Gray = Gray || PixelAt(*F, X, Y) == clGray;
            Light = Light || GetRValue(PixelAt(*F, X, Y)) > Background;
        }
    EXPECT_TRUE(Gray);
    EXPECT_TRUE(Light);
    EXPECT_EQ(PixelAt(*F, 40, 20), clSilver); // disabled box
}

TEST(TNumIO2, AssignCopiesTheFieldButNotButtonsOrGauge)
{
    auto A = MakeField();
    auto B = MakeField();
    A->SetInputFormat(itHex);
    A->SetValue(255);
    A->SetRangeHigh(5000.0);
    A->SetLeftText(QStringLiteral("In"));
    A->SetButColor(0x123456);
    A->SetGaugeColor(0x654321);
    B->Assign(A.get());
    EXPECT_EQ(B->GetInputFormat(), itHex);
    EXPECT_EQ(B->GetText(), QStringLiteral("000000FF"));
    EXPECT_EQ(B->GetRangeHigh(), 5000.0);
    EXPECT_EQ(B->GetLeftText(), QStringLiteral("In"));
    EXPECT_EQ(B->GetButColor(), 0xC0C0C0u);
    EXPECT_EQ(B->GetGaugeColor(), 0x800000u);
    auto C = MakeField();
    A->AssignTo(C.get());
    EXPECT_EQ(C->GetText(), QStringLiteral("000000FF"));
    QObject Other;
    EXPECT_THROW(B->Assign(&Other), EVOKError);
}

// ---- TNumIO --------------------------------------------------------------------------------------

namespace {

// A field with a range, counting OnChange.
struct EditField
{
    TNumIO Edit;
    int Changes = 0;

    EditField(TInFormat Format, double Low, double High)
    {
        Edit.SetInputFormat(Format);
        Edit.SetRangeHigh(High);
        Edit.SetRangeLow(Low);
        Edit.OnChange = [this](QObject*) { ++Changes; };
    }
    void Type(const char* Keys) { QTest::keyClicks(&Edit, QString::fromLatin1(Keys)); }
};

} // namespace

TEST(TNumIO, InitialValues)
{
    TNumIO Edit;
    EXPECT_EQ(Edit.GetInputFormat(), itDynamic);
    EXPECT_EQ(Edit.GetFixPointDecPlaces(), 2);
    EXPECT_EQ(Edit.GetDecPlaceSep(), dsSystem);
    EXPECT_EQ(Edit.GetRangeLow(), 0.0);
    EXPECT_EQ(Edit.GetRangeHigh(), 0.0);
    EXPECT_EQ(Edit.GetText(), QString());
    QWidget DesignForm;
    TNumIO Designed(&DesignForm);
    Designed.SetDesigning(true);
    TNumIO OnDesigned(&Designed);
    EXPECT_EQ(OnDesigned.GetRangeLow(), -uc_MaxDouble);
    EXPECT_EQ(OnDesigned.GetRangeHigh(), uc_MaxDouble);
}

TEST(TNumIO, TypingIsCheckedAgainstTheRange)
{
    EditField F(itFloat, 0.0, 100.0);
    F.Type("15");
    EXPECT_EQ(F.Edit.GetText(), QStringLiteral("15"));
    EXPECT_EQ(F.Changes, 2);
    F.Type("0"); // 150 is out of range: undone
    EXPECT_EQ(F.Edit.GetText(), QStringLiteral("15"));
    EXPECT_EQ(F.Changes, 2);
    EXPECT_EQ(F.Edit.GetValue(), 15.0);
    F.Edit.SetText(QString());
    F.Edit.SetRangeLow(50.0);
    F.Type("0"); // 0 passes whatever the range
    EXPECT_EQ(F.Edit.GetText(), QStringLiteral("0"));
    F.Edit.SetText(QStringLiteral("1 000")); // a blank inside
    EXPECT_EQ(F.Edit.GetText(), QStringLiteral("0"));
}

TEST(TNumIO, RunTimeRangeAcceptsOnlyZeroAndPartialEntries)
{
    TNumIO Edit;
    Edit.SetInputFormat(itExp);
    QTest::keyClicks(&Edit, QStringLiteral("-"));
    EXPECT_EQ(Edit.GetText(), QStringLiteral("-"));
    QTest::keyClicks(&Edit, QStringLiteral("3"));
    EXPECT_EQ(Edit.GetText(), QStringLiteral("-"));
}

TEST(TNumIO, SwappedBounds)
{
    TNumIO Edit;
    Edit.SetRangeHigh(100.0);
    Edit.SetRangeLow(200.0);
    EXPECT_EQ(Edit.GetRangeLow(), 100.0);
    EXPECT_EQ(Edit.GetRangeHigh(), 200.0);
    Edit.SetRangeHigh(50.0);
    EXPECT_EQ(Edit.GetRangeLow(), 50.0);
    EXPECT_EQ(Edit.GetRangeHigh(), 100.0);
}

TEST(TNumIO, FixPointDecimals)
{
    EditField F(itFixPoint, -1000.0, 1000.0);
    F.Edit.SetValue(12.5);
    EXPECT_EQ(F.Edit.GetText(), QStringLiteral("12.50"));
    EXPECT_EQ(F.Changes, 0); // writing Value fires nothing
    F.Edit.setCursorPosition(5);
    F.Type("7"); // a third decimal is cut off
    EXPECT_EQ(F.Edit.GetText(), QStringLiteral("12.50"));
    F.Edit.setCursorPosition(3);
    F.Type("."); // a second point is undone
    EXPECT_EQ(F.Edit.GetText(), QStringLiteral("12.50"));
    F.Edit.SetFixPointDecPlaces(0);
    EXPECT_EQ(F.Edit.GetFixPointDecPlaces(), 1);
    F.Edit.SetFixPointDecPlaces(12);
    EXPECT_EQ(F.Edit.GetFixPointDecPlaces(), 8);
}

TEST(TNumIO, ValueByFormat)
{
    TNumIO Edit;
    Edit.SetInputFormat(itExp);
    Edit.SetValue(1234.5);
    EXPECT_EQ(Edit.GetText(), QStringLiteral(" 1.23450E+03"));
    EXPECT_EQ(Edit.GetValue(), 1234.5);
    Edit.SetInputFormat(itHex);
    Edit.SetValue(255.0);
    EXPECT_EQ(Edit.GetText(), QStringLiteral("000000FF"));
    EXPECT_EQ(Edit.GetValue(), 255.0);
}

TEST(TNumIO, FormatChangeForgetsTheAcceptedText)
{
    EditField F(itFloat, -10.0, 10.0);
    F.Type("2.5");
    F.Edit.SetInputFormat(itInt); // "2.5" is no integer and nothing was accepted yet
    EXPECT_EQ(F.Edit.GetText(), QString());
}

TEST(TNumIO, SettingTheSameTextKeepsTheCheckAlive)
{
    EditField F(itFloat, 0.0, 100.0);
    F.Edit.SetValue(5.0);
    F.Edit.SetEditText(F.Edit.GetText()); // no change, no notification
    F.Edit.SetText(QStringLiteral("500"));
    EXPECT_NE(F.Edit.GetText(), QStringLiteral("500"));
}

TEST(TNumIO, Assign)
{
    TNumIO A, B;
    A.SetInputFormat(itOct);
    A.SetRangeHigh(77.0);
    A.SetBeep(true);
    A.SetFixPointDecPlaces(5);
    B.Assign(&A);
    EXPECT_EQ(B.GetInputFormat(), itOct);
    EXPECT_EQ(B.GetRangeHigh(), 77.0);
    EXPECT_TRUE(B.GetBeep());
    EXPECT_EQ(B.GetFixPointDecPlaces(), 2);
    TNumIO C;
    A.AssignTo(&C);
    EXPECT_EQ(C.GetInputFormat(), itOct);
}

// ---- Qt citizenship ------------------------------------------------------------------------------

TEST(NumIO2Layout, MinimumSizeShowsEveryPart)
{
    TNumIO2Layout L; // caption room 35, box 80
    const struct
    {
        bool Buttons, Gauge;
        int RightCaption, TextHeight;
        TSize Expected;
    } Cases[] = {
        {false, false, 0, 13, {116, 19}},
        {true, false, 0, 13, {137, 28}},     // buttons 18 + 3, at their height
        {true, false, 20, 13, {169, 28}},    // unit: 7 + 20 + 6 beyond the buttons
        {false, true, 0, 13, {116, 19 + 12}}, // the gauge strip below
    };
    for (const auto& C : Cases) {
        L.ButVisible = C.Buttons;
        L.GaugeVisible = C.Gauge;
        EXPECT_EQ(L.MinimumSize(C.RightCaption, C.TextHeight), C.Expected) << C.Buttons << C.Gauge << C.RightCaption;
    }
}

TEST(TNumIO2, InALayoutEveryPartStaysVisible)
{
    auto* F = new TNumIO2;
    F->SetButVisible(true);
    F->SetLeftText(QStringLiteral("Set"));
    F->SetRightText(QStringLiteral("bar"));
    const QSize Min = F->minimumSizeHint();
    EXPECT_GT(Min.width(), 35 + 80 + 21 + 7 + F->GetCanvas()->TextWidth(QStringLiteral("bar")));
    F->SetRightText(QStringLiteral("bar absolute")); // a longer unit asks for more room
    EXPECT_GT(F->minimumSizeHint().width(), Min.width());
    const auto Form = vok::test::ShowBesideLineEdit(F);
    EXPECT_GE(F->width(), F->minimumSizeHint().width());
    EXPECT_EQ(F->height(), 28); // fixed height: the initial one
    // The unit is painted: dark text pixels right of the buttons.
    bool Ink = false;
    for (int X = 35 + 80 + 21; X < F->width(); ++X)
        for (int Y = 0; Y < F->height(); ++Y)
            Ink = Ink || GetRValue(PixelAt(*F, X, Y)) < 80;
    EXPECT_TRUE(Ink);
}

TEST(TNumIO2, ValueAndTextSignalsByCodeAndTyping)
{
    auto F = MakeField();
    QList<double> Values, Again;
    QStringList Texts;
    int Changes = 0;
    QObject::connect(F.get(), &TNumIO2::valueChanged, [&](double V) { Values << V; });
    QObject::connect(F.get(), &TNumIO2::valueChanged, [&](double V) { Again << V; });
    QObject::connect(F.get(), &TNumIO2::textChanged, [&](const QString& T) { Texts << T; });
    QObject::connect(F.get(), &TNumIO2::changed, [&] { ++Changes; });
    F->SetValue(2.5);
    F->SetValue(2.5); // unchanged: nothing
    F->SetText(QStringLiteral("2.500")); // a new text of the same value
    F->SetText(QStringLiteral("x"));    // refused: nothing
    F->setProperty("Value", 3.0);
    PressKey(*F, '7');
    EXPECT_EQ(Values, QList<double>({2.5, 3.0, F->GetValue()}));
    EXPECT_EQ(Again, Values);
    EXPECT_EQ(Texts.size(), 4);
    EXPECT_EQ(Texts.last(), F->GetText());
    EXPECT_EQ(Changes, 1); // OnChange's moment: typing only
}

TEST(TNumIO2, AccessibleSpinBox)
{
    auto F = std::make_unique<AccessibleCounting<TNumIO2>>();
    F->HandleNeeded();
    F->SetLeftText(QStringLiteral("Setpoint"));
    F->SetRightText(QStringLiteral("bar"));
    F->SetRangeHigh(10);
    F->SetValue(4.5);
    F->SetReadOnly(true);
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(F.get());
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::SpinBox);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Setpoint"));
    EXPECT_EQ(A->text(QAccessible::Value), F->GetText() + QStringLiteral(" bar"));
    EXPECT_TRUE(A->state().readOnly);
    EXPECT_TRUE(A->state().focusable);
    ASSERT_NE(A->valueInterface(), nullptr);
    EXPECT_EQ(A->valueInterface()->currentValue().toDouble(), 4.5);
    EXPECT_EQ(A->valueInterface()->maximumValue().toDouble(), 10.0);
    EXPECT_EQ(F->ValueChanges, 1);
    EXPECT_EQ(F->StateChanges, 1);
    F->SetValue(4.5);
    F->SetReadOnly(true);
    EXPECT_EQ(F->ValueChanges, 1);
    EXPECT_EQ(F->StateChanges, 1);
    F->SetReadOnly(false);
    EXPECT_EQ(F->StateChanges, 2);
    EXPECT_FALSE(A->state().readOnly);
}

TEST(TNumIO, ValueSignalOnlyForTheTextThatStays)
{
    EditField F(itInt, 0, 100);
    QList<double> Values;
    QObject::connect(&F.Edit, &TNumIO::valueChanged, [&](double V) { Values << V; });
    int Changed = 0;
    QObject::connect(&F.Edit, &TCustomEdit::changed, [&] { ++Changed; });
    F.Type("42");
    F.Type("9"); // 429 is out of range: put back to 42
    F.Edit.SetValue(7);
    F.Edit.SetValue(7);
    EXPECT_EQ(Values, QList<double>({4, 42, 7}));
    EXPECT_EQ(Changed, F.Changes);
    EXPECT_TRUE(F.Edit.setProperty("InputFormat", QStringLiteral("itHex")));
    EXPECT_EQ(F.Edit.GetInputFormat(), itHex);
}
