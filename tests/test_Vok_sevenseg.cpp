#include <vok/Vok_colors.h>
#include <vok/Vok_sevenseg.h>

#include <gtest/gtest.h>

#include <QAccessible>

#include "AccessibleCounting.h"

#include <QWidget>

using namespace vok;

namespace {

// At the default 216 x 76 with four digits: glyphs 48 wide, 60 high, cells
// every 50 pixels from x = 8. (Dx, Dy) are offsets inside the glyph.
TColor CellPixel(TSevenSeg& S, int Cell, int Dx, int Dy)
{
    return S.GetCanvas()->GetPixel(8 + Cell * 50 + Dx, 8 + Dy);
}

// Spots in a 48 x 60 glyph (master coordinates divided by 6.5 and 7.2).
constexpr int MidX = 24, MidY = 30;   // centre of the middle segment
constexpr int HoleX = 25, HoleY = 15; // inside the upper loop of an "8"
constexpr int DotX = 44, DotY = 57;   // centre of the decimal point

} // namespace

TEST(SevenSegCells, WalksTheCaption)
{
    using C = TSevenSegCell;
    const QChar Blank = QLatin1Char(' ');
    struct Case
    {
        QString Caption;
        int Digits;
        QList<C> Cells;
    } Cases[] = {
        {"8.8.8.8.", 4, {{'8', true}, {'8', true}, {'8', true}, {'8', true}}},
        {"12:34", 5, {{'1'}, {'2'}, {':'}, {'3'}, {'4'}}},
        {".5", 4, {{Blank, true}, {'5'}}},
        {"1.2.3.4.5", 3, {{'1', true}, {'2', true}, {'3', true}}}, // cut; the last point stays
        {"12345", 3, {{'1'}, {'2'}, {'3'}}},
        {"abf", 4, {{'A'}, {'B'}, {'F'}}},
        {"1,,2", 4, {{'1', true}, {Blank, true}, {'2'}}},
        {"", 4, {}},
    };
    for (const Case& K : Cases)
        EXPECT_EQ(SevenSegCells(K.Caption, K.Digits), K.Cells) << K.Caption.toStdString();
}

TEST(SevenSegLayout, EmptyWhenMarginsOrGapsLeaveNoRoom)
{
    EXPECT_EQ(SevenSegLayout(216, 76, 8, 4, 2).GlyphWidth, 48);
    EXPECT_EQ(SevenSegLayout(216, 76, 8, 4, 2).CacheHeight, 60);
    EXPECT_TRUE(SevenSegLayout(216, 76, 8, 4, 255).IsEmpty());
    EXPECT_TRUE(SevenSegLayout(10, 10, 5, 4, 2).IsEmpty());
}

TEST(TSevenSeg, DrawsLitAndUnlitSegmentsAndPoints)
{
    TSevenSeg S;
    S.SetCaption(QStringLiteral("8.1G-"));
    S.Paint();
    const TColor Red = 0x0000FF, Bg = 0x333333;
    EXPECT_EQ(CellPixel(S, 0, MidX, MidY), Red);
    EXPECT_EQ(CellPixel(S, 0, HoleX, HoleY), Bg); // the background reached the loop
    EXPECT_EQ(CellPixel(S, 0, DotX, DotY), Red);
    EXPECT_EQ(CellPixel(S, 1, MidX, MidY), Bg);   // "1" has no middle segment
    EXPECT_EQ(CellPixel(S, 1, DotX, DotY), Bg);
    EXPECT_EQ(CellPixel(S, 3, MidX, MidY), Red);  // "-" after the empty "G" cell
    for (int Y = 0; Y < 60; Y += 3)
        for (int X = 0; X < 48; X += 3)
            ASSERT_EQ(CellPixel(S, 2, X, Y), Bg) << X << "," << Y;

    S.SetCaption(QStringLiteral(".5"));
    EXPECT_EQ(CellPixel(S, 0, DotX, DotY), Red);
    EXPECT_EQ(CellPixel(S, 0, MidX, MidY), Bg);
    EXPECT_EQ(CellPixel(S, 1, MidX, MidY), Red);
}

TEST(TSevenSeg, ColonPlusAndDegreeGlyphs)
{
    TSevenSeg S;
    S.SetNumDigits(3);
    S.SetCaption(QStringLiteral("+:\u00B0"));
    // Three cells of (200 div 3) - 2 = 64 x 60 pixels, 66 apart; a master
    // point (X, Y) lands at (X * 64 / 312, Y * 60 / 432) in its cell.
    const auto At = [&](int Cell, int X, int Y) { return S.GetCanvas()->GetPixel(8 + Cell * 66 + X * 64 / 312, 8 + Y * 60 / 432); };
    const TColor Red = 0x0000FF;
    EXPECT_EQ(At(0, 157, 215), Red); // the plus's crossing
    EXPECT_EQ(At(0, 171, 140), Red); // its upper arm, leaning right
    EXPECT_EQ(At(1, 140, 293), Red); // the colon's lower dot
    EXPECT_EQ(At(1, 172, 139), Red); // its upper dot
    EXPECT_EQ(At(1, 157, 215), TColor(0x333333));
    EXPECT_EQ(At(2, 181, 69), Red);  // the degree ring's left stroke
    EXPECT_EQ(At(2, 230, 69), TColor(0x333333)); // its hole, reached by the background
}

TEST(TSevenSeg, DisabledSegmentsFadeTowardsTheBackground)
{
    TSevenSeg S;
    S.SetEnabled(false);
    S.Paint();
    EXPECT_EQ(CellPixel(S, 0, MidX, MidY), MeanColor(0x0000FF, 0x333333));
    S.SetEnabled(true);
    S.Paint();
    EXPECT_EQ(CellPixel(S, 0, MidX, MidY), TColor(0x0000FF));
}

TEST(TSevenSeg, WhiteSegmentsStayApartFromTheBackground)
{
    TSevenSeg S;
    S.SetColorText(0xFFFFFF);
    S.SetColorBackGnd(0xFFFFFF);
    S.Paint();
    EXPECT_EQ(CellPixel(S, 0, MidX, MidY), TColor(0xFEFEFE));
    EXPECT_EQ(CellPixel(S, 0, HoleX, HoleY), TColor(0xFFFFFF));
}

TEST(TSevenSeg, ClampsAndIgnoredValues)
{
    TSevenSeg S;
    S.SetNumDigits(0);
    S.SetNumDigits(33);
    EXPECT_EQ(S.GetNumDigits(), 4);
    S.SetMargin(100);
    EXPECT_EQ(S.GetMargin(), 37);
    S.SetMargin(-5);
    EXPECT_EQ(S.GetMargin(), 0);
    S.SetInterDigDist(-10);
    EXPECT_EQ(S.GetInterDigDist(), 0);
    S.SetInterDigDist(300);
    EXPECT_EQ(S.GetInterDigDist(), 255);
    // No room left for a glyph: empty cells, no picture of negative size.
    EXPECT_EQ(S.GetImageCache().GetWidth(), 0);
    S.Paint();
    EXPECT_EQ(S.GetCanvas()->GetPixel(100, 38), TColor(0x333333));
}

TEST(TSevenSeg, CacheFollowsEverySizeChange)
{
    TSevenSeg S;
    int HostResizes = 0;
    S.OnResize = [&](QObject*) { ++HostResizes; };
    S.SetBounds(0, 0, 316, 116);
    EXPECT_EQ(HostResizes, 1);
    EXPECT_EQ(S.GetImageCache().GetHeight(), 100);
    EXPECT_EQ(S.GetImageCache().GetWidth(), 21 * 73);
    S.Paint();
    EXPECT_EQ(S.GetCanvas()->GetPixel(8 + 36, 8 + 50), TColor(0x0000FF));

    S.SetBounds(0, 0, 12, 12);
    EXPECT_EQ(S.GetImageCache().GetWidth(), 0);
    S.Paint(); // empty cells, no crash
}

TEST(TSevenSeg, AssignCopiesSettingsAndRebuilds)
{
    TSevenSeg A, B;
    A.SetCaption(QStringLiteral("12"));
    A.SetColorText(0x00FF00);
    A.SetNumDigits(2);
    A.SetMargin(4);
    B.Assign(&A);
    EXPECT_EQ(B.GetCaption(), QStringLiteral("12"));
    EXPECT_EQ(B.GetNumDigits(), 2);
    EXPECT_EQ(B.GetMargin(), 4);
    EXPECT_EQ(B.GetImageCache().GetImage(), A.GetImageCache().GetImage());
    EXPECT_NE(&B.GetImageCache(), &A.GetImageCache());
}

TEST(TSevenSeg, AccessibleStaticTextReadsTheCaption)
{
    QWidget Parent;
    auto* S = new AccessibleCounting<TSevenSeg>(&Parent);
    S->SetCaption(QStringLiteral("12:34"));
    S->setAccessibleName(QStringLiteral("Clock"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(S);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::StaticText);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Clock"));
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("12:34"));
    S->ValueChanges = 0;
    S->SetCaption(QStringLiteral("12:35"));
    S->SetCaption(QStringLiteral("12:35"));
    EXPECT_EQ(S->ValueChanges, 1);
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("12:35"));
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
