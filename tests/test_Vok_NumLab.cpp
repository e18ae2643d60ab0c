#include <vok/Vok_NumLab.h>
#include <vok/Vok_syscolors.h>

#include "PictureTest.h"
#include "AccessibleCounting.h"

#include <gtest/gtest.h>

#include <QAccessible>

#include <QWidget>

#include <cmath>

using namespace vok;

namespace {

TColor PixelAt(const TNumLab& N, int X, int Y) { return N.GetCanvas()->GetPixel(X, Y); }

bool AnyPixel(const TNumLab& N, TRect Box, TColor Color) { return test::AnyPixel(*N.GetCanvas(), Box, Color); }

// The rightmost column of Box holding a dark (text) pixel, or -1.
int LastDarkColumn(const TNumLab& N, TRect Box)
{
    for (int X = Box.Right - 1; X >= Box.Left; --X)
        for (int Y = Box.Top; Y < Box.Bottom; ++Y) {
            const TColor C = PixelAt(N, X, Y);
            if (GetRValue(C) + GetGValue(C) + GetBValue(C) < 300)
                return X;
        }
    return -1;
}

} // namespace

TEST(NumLabText, EveryDisplayType)
{
    struct Case
    {
        TDisplay Type;
        double Value;
        int Precision;
        const char* Text; // nullptr: the overflow indicator
        bool Comma = false;
        bool Plus = false;
    };
    const Case Cases[] = {
        {dtFixP, 3.14159, 2, "3.14"},
        {dtFixP, 3.14159, 2, "3,14", true},
        {dtFixP, 3.14159, 2, "+3.14", false, true},
        {dtFixP, 0, 2, "0.00", false, true}, // zero never gets a plus
        {dtFixP, -1.5, 1, "-1.5", false, true},
        {dtFloat, 1234.5678, 4, "1235"},
        {dtExp, 12345, 2, "1.23E+04"},
        {dtInt, 2.5, 2, "2"}, // halves to even
        {dtInt, 3.5, 2, "4"},
        {dtInt, -2.5, 2, "-2"},
        {dtInt, 1e19, 2, nullptr}, // beyond 64 bits
        {dtInt, NAN, 2, nullptr},
        {dtZeroInt, 42, 5, "00042"},
        {dtZeroInt, -42, 5, "-00042"},
        {dtHex, 255, 4, "00FF"},
        {dtHex, -1, 2, "FFFFFFFF"},
        {dtHex, 5e9, 2, nullptr},
        {dtHex, 255, 4, "00FF", true, true}, // neither comma nor plus rule
        {dtBin, 5, 8, "00000101", false, true},
        {dtOct, 8, 0, "+10", false, true},
        {dtState, 1, 0, "on"},
        {dtState, 5, 0, "off|on|fault"}, // no such entry: the whole text
        {dtState, -1, 0, "off|on|fault"},
        {dtDeg, 12.5, 1, "12.5\u00B0"},
        {dtDeg, 12.5, 1, "12,5\u00B0", true},
        {dtDegMin, -12.5, 0, "-12\u00B030'"},
        {dtDegMin, 12.99999, 1, "13\u00B00.0'"}, // a rounded 60 carries
        {dtDegMinSec, 12.508333333, 0, "12\u00B030'30\""},
        {dtEEng, 12345, 1, "12.3E+03"},
        {dtEEng, 12345, 1, "12,3E+03", true},
        {dtEEng, 0.00047, 2, "470.00E-06"},
        {dtEEngNoDP, 12345, 1, "12.3k"},
        {dtEEngNoDP, 0.00047, 0, "470\u00B5"},
        {dtEEngNoDP, 5, 0, "5"},
        {dtEEngNoDP, 1e20, 0, "100E+18"},
    };
    for (const Case& C : Cases) {
        TNumLabFormat F;
        F.DisplayType = C.Type;
        F.Precision = C.Precision;
        F.Comma = C.Comma;
        F.ForcePlusSign = C.Plus;
        F.StateText = QStringLiteral("off|on|fault");
        const std::optional<QString> Text = NumLabText(F, C.Value);
        SCOPED_TRACE(testing::Message() << "type " << int(C.Type) << " value " << C.Value);
        if (!C.Text) {
            EXPECT_FALSE(Text.has_value());
            continue;
        }
        ASSERT_TRUE(Text.has_value());
        EXPECT_EQ(*Text, QString::fromUtf8(C.Text));
    }
}

TEST(NumLabText, DateTimePatterns)
{
    TNumLabFormat F;
    F.DisplayType = dtDateTime;
    const double Day = 45000.75; // 2023-03-15 18:00, a Wednesday
    EXPECT_EQ(NumLabText(F, Day), QStringLiteral("Mar-15, 2023"));
    F.Comma = true; // dates keep their points and commas
    F.DTFormat = QStringLiteral("dddd d.m.yy hh:mm:ss");
    EXPECT_EQ(NumLabText(F, Day), QStringLiteral("Wednesday 15.3.23 18:00:00"));
    F.DTFormat = QStringLiteral("ddd mmmm dd h:nn am/pm 'at' \"mm\"");
    EXPECT_EQ(NumLabText(F, Day + 0.5 / 24), QStringLiteral("Wed March 15 6:30 pm at mm"));
    F.DTFormat = QStringLiteral("HH:MM AM/PM");
    EXPECT_EQ(NumLabText(F, 45000.25), QStringLiteral("06:00 AM"));
    EXPECT_FALSE(NumLabText(F, 1e12).has_value());
    EXPECT_FALSE(NumLabText(F, NAN).has_value());
}

TEST(TNumLab, SettersClampAndIgnore)
{
    TNumLab N;
    EXPECT_EQ(N.sizeHint(), QSize(160, 28));
    N.SetPrecision(-1);
    EXPECT_EQ(N.GetPrecision(), 2);
    N.SetPrecision(20);
    EXPECT_EQ(N.GetPrecision(), 15);
    N.SetLeftSpace(-1);
    EXPECT_EQ(N.GetLeftSpace(), 35);
    N.SetLeftSpace(500);
    EXPECT_EQ(N.GetLeftSpace(), 160);
    N.SetValue(NAN);
    EXPECT_EQ(N.GetValue(), 0);
    EXPECT_TRUE(N.setProperty("DisplayType", QStringLiteral("dtDegMin")));
    EXPECT_EQ(N.GetDisplayType(), dtDegMin);
}

TEST(TNumLab, HookAndOverflowIndicator)
{
    TNumLab N;
    N.SetColorLabBakG(clWhite);
    int Hooked = 0;
    N.OnBeforeDisplay = [&](QObject*, QString& Text) {
        ++Hooked;
        Text += QStringLiteral(" V");
    };
    N.SetValue(3.14159);
    EXPECT_EQ(N.GetDisplayedText(), QStringLiteral("3.14 V"));
    EXPECT_GT(Hooked, 0);

    // Right-aligned stars end at the box's right edge.
    N.OnBeforeDisplay = nullptr;
    N.SetAlignment(taRightJustify);
    N.SetValue(123456789012.0);
    EXPECT_EQ(N.GetDisplayedText(), QStringLiteral("*********"));
    const int StarsEnd = LastDarkColumn(N, Rect(38, 2, 115, 25));
    EXPECT_GE(StarsEnd, 35 + 80 - 6);
    EXPECT_LT(StarsEnd, 35 + 80 - 2);

    // A state text is never replaced.
    N.SetDisplayType(dtState);
    N.SetStateText(QStringLiteral("a state text far wider than the box"));
    EXPECT_EQ(N.GetDisplayedText(), QStringLiteral("a state text far wider than the box"));

    // Empty: the framed box only, and no hook.
    Hooked = 0;
    N.OnBeforeDisplay = [&](QObject*, QString&) { ++Hooked; };
    N.SetEmpty(true);
    EXPECT_EQ(Hooked, 0);
    EXPECT_EQ(N.GetDisplayedText(), QString());
    EXPECT_FALSE(AnyPixel(N, Rect(38, 3, 113, 24), clBlack));
    EXPECT_EQ(PixelAt(N, 36, 10), clGray); // the sunken frame's outer edge
}

TEST(TNumLab, CaptionsMouseAreasAndTransparency)
{
    TNumLab N;
    N.SetLeftText(QStringLiteral("U"));
    N.SetRightText(QStringLiteral("mV"));
    EXPECT_TRUE(AnyPixel(N, Rect(20, 5, 31, 23), clBlack));
    EXPECT_TRUE(AnyPixel(N, Rect(122, 5, 145, 23), clBlack));

    N.setEnabled(false);
    N.Paint();
    // Engraved captions and a number in the button-shadow color.
    EXPECT_FALSE(AnyPixel(N, Rect(20, 5, 31, 23), clBlack));
    EXPECT_TRUE(AnyPixel(N, Rect(20, 5, 31, 23), clGray));
    EXPECT_TRUE(AnyPixel(N, Rect(20, 5, 31, 23), clWhite));
    EXPECT_FALSE(AnyPixel(N, Rect(38, 3, 113, 24), clBlack));
    N.setEnabled(true);

    for (auto [X, Code] : {std::pair{10, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}}) {
        N.MouseMove({}, X, 5);
        EXPECT_EQ(N.GetMouseAreaCode(), Code) << X;
    }

    N.SetTransparent(true);
    EXPECT_EQ(qAlpha(N.GetPicture().pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(N.GetPicture().pixel(70, 12)), 255);
}

TEST(TNumLab, AssignCopiesTheListedSettings)
{
    TNumLab A;
    A.SetValue(7.25);
    A.SetDisplayType(dtDeg);
    A.SetLeftText(QStringLiteral("Az"));
    A.SetColorScheme(csSystem);
    A.SetComma(true);
    A.SetDTFormat(QStringLiteral("yyyy"));
    TNumLab B;
    B.Assign(&A);
    EXPECT_EQ(B.GetValue(), 7.25);
    EXPECT_EQ(B.GetDisplayType(), dtDeg);
    EXPECT_EQ(B.GetLeftText(), QStringLiteral("Az"));
    EXPECT_EQ(B.GetColGrayLine(), clBtnShadow);
    EXPECT_FALSE(B.GetComma());
    EXPECT_EQ(B.GetDTFormat(), QStringLiteral("mmm-dd, yyyy"));
    TNumLab C;
    A.AssignTo(&C);
    EXPECT_EQ(C.GetDisplayType(), dtDeg);
}

TEST(TNumLab, AccessibleStaticTextReadsTheShownNumber)
{
    QWidget Parent;
    auto* N = new AccessibleCounting<TNumLab>(&Parent);
    N->SetLeftText(QStringLiteral("Voltage"));
    N->SetRightText(QStringLiteral("V"));
    N->SetValue(3.14159);
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(N);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::StaticText);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Voltage"));
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("3.14 V"));
    EXPECT_EQ(A->valueInterface(), nullptr);
    N->ValueChanges = 0;
    N->SetValue(3.141); // the same text shown
    N->SetValue(123456789012.0);
    EXPECT_EQ(N->ValueChanges, 1);
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("********* V"));
    N->SetEmpty(true);
    EXPECT_EQ(A->text(QAccessible::Value), QString());
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
