#include <vok/Vok_RasterLab.h>

#include <gtest/gtest.h>

#include <QAccessible>

#include "AccessibleCounting.h"

#include <QSignalSpy>
#include <QWidget>

#include <climits>
#include <string_view>

using namespace vok;

namespace {

TColor PixelAt(TRasterLab& L, int X, int Y) { return L.GetCanvas()->GetPixel(X, Y); }

bool HasDotsInRows(const TRDCharMatrix& M, char16_t Ch, int FromRow, int ToRow)
{
    for (int R = FromRow; R <= ToRow; ++R)
        if (M.BitData[Ch][R])
            return true;
    return false;
}

int LowestRow(const TRDCharMatrix& M, char16_t Ch)
{
    int Lowest = -1;
    for (int R = 0; R < 32; ++R)
        if (M.BitData[Ch][R])
            Lowest = R;
    return Lowest;
}

} // namespace

TEST(RasterLabFont, BuiltInGlyphs)
{
    const TRDCharMatrix M = BuiltInCharMatrix();
    EXPECT_EQ(M.FontWidth, 7);
    EXPECT_EQ(M.FontHeight, 12);
    const quint32 A[12] = {0x00, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0x00, 0x00};
    for (int R = 0; R < 12; ++R)
        EXPECT_EQ(M.BitData['A'][R], A[R]) << R;
    EXPECT_EQ(M.LeftMostBit['0'], 1);
    EXPECT_EQ(M.RightMostBit['0'], 5);
    EXPECT_EQ(M.LeftMostBit['.'], 3);
    EXPECT_EQ(M.RightMostBit['.'], 3);
    for (char16_t Ch : std::u16string_view(u"gjpqy\u00E7\u00FE\u00FF"))
        EXPECT_TRUE(HasDotsInRows(M, Ch, 10, 11)) << int(Ch);
    EXPECT_FALSE(HasDotsInRows(M, u'g', 0, 3));

    // Every printable Latin-1 character has dots; the codes in between are
    // blanks of half the font width.
    for (int Code = 33; Code <= 255; ++Code) {
        const bool Printable = Code <= 126 || Code >= 161;
        bool Lit = false;
        for (quint32 Row : M.BitData[Code])
            Lit = Lit || Row;
        EXPECT_EQ(Lit, Printable) << Code;
        EXPECT_LE(M.LeftMostBit[Code], M.RightMostBit[Code]) << Code;
        if (!Printable && Code != 160) {
            EXPECT_EQ(RDGlyphSpan(M, Code).Columns(), 4) << Code;
        }
    }
    EXPECT_EQ(RDGlyphSpan(M, 0x20AC).Columns(), 4); // outside the matrix
}

TEST(RasterLabFont, SampledFromAPlatformFont)
{
    TFont F;
    F.SetName(QStringLiteral("DejaVu Sans"));
    F.SetSize(10);
    const TRDCharMatrix M = TRasterLab::CreateBitFont(&F);
    EXPECT_GT(M.FontWidth, 5);
    EXPECT_LT(M.FontWidth, 32);
    EXPECT_GT(M.FontHeight, 8);
    EXPECT_GT(RDGlyphSpan(M, 'W').Columns(), RDGlyphSpan(M, 'i').Columns());
    EXPECT_EQ(M.LeftMostBit[' '], 0);
    EXPECT_EQ(M.RightMostBit[' '], M.FontWidth / 2);
    EXPECT_GT(LowestRow(M, 'g'), LowestRow(M, 'x')); // a descender

    TRasterLab L;
    L.GetFont()->Assign(&F);
    EXPECT_EQ(L.GetCharMatrix(), M);
    L.GetFont()->SetName(QStringLiteral("Default"));
    EXPECT_EQ(L.GetCharMatrix(), BuiltInCharMatrix());
}

TEST(TRasterLab, TextLengthsAndAutoGeometry)
{
    TRasterLab L;
    EXPECT_EQ(L.CalcTextBitLength(QStringLiteral("A")), 32); // 28 + a gap of 4
    EXPECT_EQ(L.CalcTextBitLength(QStringLiteral(".")), 8);
    EXPECT_EQ(L.CalcTextBitLength(QStringLiteral("\u20AC")), 20);
    L.SetText(QStringLiteral("A."));
    EXPECT_EQ(L.GetTextBitLength(), 41); // painted: 40 pixels, counted inclusively
    L.SetProportional(false);
    EXPECT_EQ(L.CalcTextBitLength(QStringLiteral(".")), 32);

    L.SetAutoHeight(true);
    EXPECT_EQ(L.GetHeight(), 49);
    L.SetDotSize(40);
    EXPECT_EQ(L.GetDotSize(), 32);
    EXPECT_EQ(L.GetHeight(), 1 + 33 * 12);
    L.SetDotSpacing(-1);
    EXPECT_EQ(L.GetDotSpacing(), 0);

    L.SetDotSize(3);
    L.SetDotSpacing(1);
    L.SetProportional(true);
    L.SetAutoCenter(true);
    EXPECT_EQ(L.GetPosX(), (400 - 40) / 2 + 2);
    L.SetAutoCenter(false);
    EXPECT_EQ(L.GetPosX(), 1);
}

TEST(TRasterLab, BlockModesAndRaster)
{
    TRasterLab L;
    L.SetText(QStringLiteral("AA"));
    const TColor Bg = 0x000000, Off = 0x404040, On = 0x00FF00;
    // The first "A" covers x 1..28, its block ends with the strip 29..32;
    // the raster gaps are the columns and rows 0, 4, 8, ...
    EXPECT_EQ(PixelAt(L, 13, 5), On);     // the apex dot, column 3, row 1
    EXPECT_EQ(PixelAt(L, 12, 5), Bg);     // the gap column before it
    EXPECT_EQ(PixelAt(L, 30, 30), Bg);    // rdbmOn: the strip between the blocks
    EXPECT_EQ(PixelAt(L, 201, 30), Off);  // unlit dot beyond the text
    EXPECT_EQ(PixelAt(L, 200, 28), Bg);   // raster gap row
    EXPECT_EQ(PixelAt(L, 204, 30), Bg);   // raster gap column

    L.SetCharBlockMode(rdbmRaster);
    EXPECT_EQ(PixelAt(L, 30, 30), Off);
    EXPECT_EQ(PixelAt(L, 32, 30), Bg);

    L.SetCharBlockMode(rdbmOff);
    EXPECT_EQ(PixelAt(L, 30, 30), Bg);
    EXPECT_EQ(PixelAt(L, 201, 30), Bg);
    EXPECT_EQ(PixelAt(L, 13, 5), On);

    L.SetCharBlockMode(rdbmOn);
    L.SetDotSpacing(0);
    for (int X = 150; X < 160; ++X)
        EXPECT_EQ(PixelAt(L, X, 30), Off) << X;
}

TEST(TRasterLab, FrameStyles)
{
    TRasterLab L;
    const int W = 400, H = 68;
    EXPECT_EQ(PixelAt(L, 1, 10), clBlack);       // sunken: black inner left line
    EXPECT_EQ(PixelAt(L, W - 1, 10), clWhite);
    EXPECT_EQ(PixelAt(L, 0, 10), clGray);
    EXPECT_EQ(PixelAt(L, 10, H - 1), clWhite);
    L.SetFrameStyle(fsRaised);
    EXPECT_EQ(PixelAt(L, 1, 10), clWhite);
    EXPECT_EQ(PixelAt(L, W - 1, 10), clBlack);
    L.SetFrameStyle(fsEmbossed);
    EXPECT_EQ(PixelAt(L, 0, 10), clWhite);
    EXPECT_EQ(PixelAt(L, W - 1, 10), clGray);
    L.SetFrameStyle(fsSimple);
    EXPECT_EQ(PixelAt(L, W - 1, H - 1), clGray);
}

TEST(TRasterLab, ScrollsAndLoops)
{
    for (bool Loop : {true, false}) {
        TRasterLab L;
        L.SetScrollLoop(Loop);
        QSignalSpy Restarts(&L, &TRasterLab::scrollLoopRestart);
        int Ticks = 0;
        L.SetOnScrollTimer([&](QObject*) { ++Ticks; });
        L.SetScrollMode(rdsmRight);
        EXPECT_TRUE(L.TimerRunning());
        L.SetScrollIncrement(-100);
        EXPECT_EQ(L.GetScrollIncrement(), 100);
        const int Length = L.GetTextBitLength();
        for (int I = 0; I < 5; ++I)
            L.DoTimer();
        EXPECT_EQ(Ticks, 5);
        // 100, 200, 300, 400, then 500 passes the width of 400.
        EXPECT_EQ(L.GetScrollPosX(), Loop ? -Length : 500) << Loop;
        EXPECT_EQ(Restarts.count(), Loop ? 1 : 0);
    }
}

TEST(TRasterLab, ScrollsInTheOtherDirections)
{
    TRasterLab L;
    int Restarts = 0;
    L.OnScrollLoopRestart = [&](QObject*) { ++Restarts; };
    L.SetScrollIncrement(30);
    L.SetScrollMode(rdsmUp);
    L.DoTimer();
    EXPECT_EQ(L.GetScrollPosY(), -30);
    L.DoTimer();
    EXPECT_EQ(L.GetScrollPosY(), 68); // passed -48, the text height: back from below
    EXPECT_EQ(Restarts, 1);
    L.SetScrollMode(rdsmDown);
    L.DoTimer();
    EXPECT_EQ(L.GetScrollPosY(), -48);
    L.SetScrollMode(rdsmLeft);
    const int Length = L.GetTextBitLength();
    for (int X = 0; X >= -Length; X -= 30)
        L.DoTimer();
    EXPECT_EQ(L.GetScrollPosX(), 400);
    EXPECT_EQ(Restarts, 3);

    L.SetScrollMode(rdsmOff);
    EXPECT_FALSE(L.TimerRunning());
    EXPECT_EQ(L.GetScrollPosX(), 0);
    EXPECT_EQ(L.GetScrollPosY(), 0);
}

TEST(TRasterLab, TimerSettings)
{
    TRasterLab L;
    L.SetScrollInterval(5);
    EXPECT_EQ(L.GetScrollInterval(), 10);
    L.SetScrollIncrement(0);
    EXPECT_EQ(L.GetScrollIncrement(), 1);
    L.SetScrollIncrement(INT_MIN);
    EXPECT_EQ(L.GetScrollIncrement(), INT_MAX);
    EXPECT_FALSE(L.TimerRunning());
    L.SetScrollMode(rdsmLeft);
    EXPECT_EQ(L.TimerInterval(), 10);

    TRasterLab D;
    D.SetDesigning(true);
    D.SetScrollMode(rdsmRight);
    EXPECT_FALSE(D.TimerRunning());

    const int Limit = TComponentTimer::ProcessTimerLimit();
    TComponentTimer::SetProcessTimerLimit(TComponentTimer::RunningTimerCount());
    TRasterLab R;
    R.SetName(QStringLiteral("Board"));
    try {
        R.SetScrollMode(rdsmRight);
        ADD_FAILURE() << "no timer error";
    } catch (const EVOKRasterLabError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Component \"Board\": no timer available"));
    }
    TComponentTimer::SetProcessTimerLimit(Limit);
}

TEST(TRasterLab, AssignCopiesTextAndColours)
{
    TRasterLab A, B;
    A.SetText(QStringLiteral("Hello"));
    A.SetColorDotOn(0x0000FF);
    A.SetColorDotOff(0x111111);
    A.SetDotSize(5);
    B.Assign(&A);
    EXPECT_EQ(B.GetText(), QStringLiteral("Hello"));
    EXPECT_EQ(B.GetColorDotOn(), TColor(0x0000FF));
    EXPECT_EQ(B.GetColorDotOff(), TColor(0x404040));
    EXPECT_EQ(B.GetDotSize(), 3);
    EXPECT_TRUE(B.setProperty("CharBlockMode", QStringLiteral("rdbmRaster")));
    EXPECT_EQ(B.GetCharBlockMode(), rdbmRaster);
}

TEST(TRasterLab, OffsetsStayBoundedWithoutLoop)
{
    TRasterLab L;
    L.SetScrollLoop(false);
    L.SetScrollIncrement(INT_MAX);
    L.SetScrollMode(rdsmRight);
    for (int I = 0; I < 3; ++I)
        L.DoTimer();
    EXPECT_EQ(L.GetScrollPosX(), 1 << 29);
    L.SetScrollMode(rdsmUp);
    for (int I = 0; I < 3; ++I)
        L.DoTimer();
    EXPECT_EQ(L.GetScrollPosY(), -(1 << 29));
    EXPECT_EQ(PixelAt(L, 201, 30), TColor(0x404040)); // the text is gone, the raster stays
}

TEST(TRasterLab, AccessibleStaticTextReadsTheText)
{
    QWidget Parent;
    auto* L = new AccessibleCounting<TRasterLab>(&Parent);
    L->SetText(QStringLiteral("GATE 12"));
    L->SetHint(QStringLiteral("Departures"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(L);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::StaticText);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Departures"));
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("GATE 12"));
    L->ValueChanges = 0;
    L->SetText(QStringLiteral("GATE 14"));
    L->SetText(QStringLiteral("GATE 14"));
    EXPECT_EQ(L->ValueChanges, 1);
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("GATE 14"));
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
