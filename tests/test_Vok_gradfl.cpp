#include <vok/Vok_gradfl.h>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QAccessible>

using namespace vok;

namespace {

TColor PixelAt(TGradFill& G, int X, int Y)
{
    G.Paint();
    return G.GetCanvas()->GetPixel(X, Y);
}

} // namespace

TEST(GradientBands, SixteenBandsOn121RowsFollowTheRoundedMultiplyDivide)
{
    // MulDiv(k, 121, 16): 7.5625 steps, rounded to the nearest row.
    const int Tops[] = {0, 8, 15, 23, 30, 38, 45, 53, 61, 68, 76, 83, 91, 98, 106, 113, 121};
    for (int K = 0; K < 16; ++K) {
        EXPECT_EQ(GradientBandRect(gtHoriz, K, 16, 121, 121), Rect(0, Tops[K], 121, Tops[K + 1])) << K;
        EXPECT_EQ(GradientBandRect(gtMidBandVert, K, 16, 121, 50), Rect(Tops[K], 0, Tops[K + 1], 50)) << K;
    }
}

TEST(GradientBands, ColorsRiseOrPeakInTheMiddle)
{
    const TColor First = 0x000080, Last = 0x00FFFF;
    struct Case
    {
        TGradType Type;
        int Band, Count;
        TColor Expected;
    } Cases[] = {
        {gtHoriz, 0, 16, First},
        {gtHoriz, 15, 16, 0x00EFF7},       // one step short of the last color
        {gtVert, 8, 16, 0x0080C0},         // half way: R 128 + 64, G 128
        {gtHoriz, 0, 1, First},            // one band: the first color
        {gtMidBandHoriz, 0, 16, First},
        {gtMidBandHoriz, 8, 16, Last},     // M = 8 reaches the last color
        {gtMidBandVert, 9, 16, 0x00BFDF},  // falls with N - k - 1 = 6
        {gtMidBandVert, 15, 16, First},
        {gtMidBandHoriz, 0, 1, First},     // M = 0: the first color, no division
        {gtMidBandHoriz, 1, 3, Last},      // M = 1
        {gtMidBandHoriz, 2, 3, First},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(GradientBandColor(C.Type, C.Band, C.Count, First, Last), C.Expected)
            << C.Type << " band " << C.Band << " of " << C.Count;
    // Falling channels round away from zero as well.
    EXPECT_EQ(GradientBandColor(gtHoriz, 1, 3, 0xFF, 0x00), TColor(0xAA));
}

TEST(TGradFill, PaintsBandsGridAndFrame)
{
    TGradFill G;
    EXPECT_EQ(G.GetWidth(), 121);
    EXPECT_EQ(PixelAt(G, 60, 0), TColor(0x000080));
    EXPECT_EQ(PixelAt(G, 60, 120), TColor(0x00EFF7));
    EXPECT_EQ(PixelAt(G, 60, 7), TColor(0x000080));
    EXPECT_NE(PixelAt(G, 60, 8), TColor(0x000080));

    G.SetNrColors(1);
    EXPECT_EQ(PixelAt(G, 60, 120), TColor(0x000080));
    G.SetNrColors(16);

    G.SetGridMode(gmHoriz);
    EXPECT_EQ(PixelAt(G, 60, 8), TColor(0x800000));
    EXPECT_NE(PixelAt(G, 8, 60), TColor(0x800000));
    G.SetGridMode(gmBoth);
    EXPECT_EQ(PixelAt(G, 8, 60), TColor(0x800000));

    G.SetFrameStyle(fsLowered);
    EXPECT_EQ(PixelAt(G, 0, 60), clGray);
    EXPECT_EQ(PixelAt(G, 120, 60), clWhite);
}

TEST(TGradFill, FlippingExchangesTheStoredColors)
{
    TGradFill G;
    QSignalSpy FirstSpy(&G, &TGradFill::colorFirstChanged);
    G.SetColorFlipped(true);
    EXPECT_EQ(G.GetColorFirst(), TColor(0x00FFFF));
    EXPECT_EQ(G.GetColorLast(), TColor(0x000080));
    EXPECT_EQ(FirstSpy.count(), 1);

    // While flipped, the first color in effect is the stored last color.
    G.SetColorFirst(0x123456);
    G.SetColorFlipped(false);
    EXPECT_EQ(G.GetColorFirst(), TColor(0x000080));
    EXPECT_EQ(G.GetColorLast(), TColor(0x123456));
    G.SetColorFlipped(true);
    EXPECT_EQ(PixelAt(G, 60, 0), TColor(0x123456));
}

TEST(TGradFill, ClampsAndPropertiesByName)
{
    TGradFill G;
    G.SetNrColors(0);
    EXPECT_EQ(G.GetNrColors(), 1);
    G.SetNrColors(300);
    EXPECT_EQ(G.GetNrColors(), 255);

    EXPECT_TRUE(G.setProperty("FillType", QStringLiteral("gtMidBandVert")));
    EXPECT_EQ(G.GetFillType(), gtMidBandVert);
    EXPECT_TRUE(G.setProperty("GridMode", QStringLiteral("gmVert")));
    EXPECT_EQ(G.GetGridMode(), gmVert);
}

TEST(TGradFill, OnPaintFiresAfterThePicture)
{
    TGradFill G;
    TColor Seen = clNone;
    G.OnPaint = [&](QObject* Sender) { Seen = static_cast<TGradFill*>(Sender)->GetCanvas()->GetPixel(60, 0); };
    QSignalSpy Spy(&G, &TGradFill::paint);
    G.Paint();
    EXPECT_EQ(Seen, TColor(0x000080));
    EXPECT_EQ(Spy.count(), 1);
}

TEST(TGradFill, AccessibleAsAGraphicWithoutValue)
{
    TGradFill G;
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(&G);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::Graphic);
    EXPECT_EQ(A->text(QAccessible::Value), QString());
    EXPECT_EQ(A->valueInterface(), nullptr);
}
