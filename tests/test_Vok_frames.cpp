// Frame styles, outlines and marker symbols.
#include <vok/Vok_frames.h>
#include <vok/Vok_graphics.h>

#include <gtest/gtest.h>

#include <set>

using namespace vok;

namespace {

// Distinct stand-ins for the five frame colors, so each pixel tells which one drew it.
constexpr TColor W = 0x00FFFFFE;
constexpr TColor S = 0x00C0C0C1;
constexpr TColor G = 0x00808081;
constexpr TColor K = 0x00000001;
constexpr TColor F = 0x00123456;
constexpr TColor Bg = 0x00336699;

// A picture filled with the background color.
struct Background : TBitmap
{
    Background(int Width, int Height)
        : TBitmap(Width, Height)
    {
        GetCanvas()->GetBrush()->SetColor(Bg);
        GetCanvas()->FillRect(Rect(0, 0, Width, Height));
    }
};

TRect Drawn(const TCanvas* C)
{
    TRect R{C->Width(), C->Height(), 0, 0};
    for (int Y = 0; Y < C->Height(); ++Y)
        for (int X = 0; X < C->Width(); ++X)
            if (C->GetPixel(X, Y) != Bg)
                R = {std::min(R.Left, X), std::min(R.Top, Y), std::max(R.Right, X + 1), std::max(R.Bottom, Y + 1)};
    return R;
}

} // namespace

TEST(DrawFrame, CornerPixelsOfEachStyle)
{
    // Box (2, 3)-(12, 10) inclusive. Columns: top-left, top-right, bottom-left,
    // bottom-right, inner top-left, inner bottom-right.
    const struct { TFrameStyle Style; TColor Corners[6]; } Cases[] = {
        {fsSimple, {F, F, F, F, Bg, Bg}},
        {fsLowered, {G, W, W, W, K, S}},
        {fsRaised, {W, K, K, K, S, G}},
        {fsEmbossed, {W, Bg, Bg, G, G, W}},
        {fsEngraved, {G, Bg, Bg, W, W, G}},
    };
    for (const auto& C : Cases) {
        Background B(16, 14);
        TCanvas* Canvas = B.GetCanvas();
        Canvas->GetPen()->SetColor(clRed);
        Canvas->GetPen()->SetMode(pmXor);
        Canvas->GetBrush()->SetStyle(bsClear);
        DrawFrame(Canvas, C.Style, 2, 3, 12, 10, W, S, G, K, F);
        const TPoint At[6] = {{2, 3}, {12, 3}, {2, 10}, {12, 10}, {3, 4}, {11, 9}};
        for (int I = 0; I < 6; ++I)
            EXPECT_EQ(Canvas->GetPixel(At[I].X, At[I].Y), C.Corners[I]) << "style " << int(C.Style) << " point " << I;
        EXPECT_EQ(Drawn(Canvas), Rect(2, 3, 13, 11)) << C.Style;
        // Only the given colors, and the canvas's tools are as they were.
        const std::set<TColor> Allowed{W, S, G, K, F, Bg};
        for (int Y = 0; Y < 14; ++Y)
            for (int X = 0; X < 16; ++X)
                ASSERT_TRUE(Allowed.count(Canvas->GetPixel(X, Y))) << X << "," << Y;
        EXPECT_EQ(Canvas->GetPen()->GetColor(), clRed);
        EXPECT_EQ(Canvas->GetPen()->GetMode(), pmXor);
        EXPECT_EQ(Canvas->GetBrush()->GetStyle(), bsClear);
    }
    Background None(16, 14);
    DrawFrame(None.GetCanvas(), fsNoFrame, 2, 3, 12, 10);
    EXPECT_TRUE(Drawn(None.GetCanvas()).IsEmpty());
}

TEST(DrawFrame, DegenerateBoxesStayInside)
{
    for (const TRect Box : {Rect(4, 4, 4, 4), Rect(4, 4, 5, 9), Rect(3, 6, 9, 6), Rect(9, 8, 3, 2)}) {
        Background B(16, 14);
        DrawFrame(B.GetCanvas(), fsLowered, Box.Left, Box.Top, Box.Right, Box.Bottom);
        const TRect N{std::min(Box.Left, Box.Right), std::min(Box.Top, Box.Bottom), std::max(Box.Left, Box.Right) + 1,
            std::max(Box.Top, Box.Bottom) + 1};
        EXPECT_EQ(Drawn(B.GetCanvas()), N);
    }
}

TEST(DrawRectangle, InclusiveOutlinePaintedOnce)
{
    Background B(16, 14);
    TCanvas* C = B.GetCanvas();
    C->GetPen()->SetColor(0x00FFFFFF);
    C->GetPen()->SetMode(pmXor);
    C->GetPen()->SetWidth(3);
    DrawRectangle(C, 2, 3, 12, 10);
    EXPECT_EQ(Drawn(C), Rect(2, 3, 13, 11));
    const TColor Inverted = Bg ^ 0xFFFFFF;
    int Count = 0;
    for (int Y = 0; Y < 14; ++Y)
        for (int X = 0; X < 16; ++X)
            Count += C->GetPixel(X, Y) == Inverted;
    EXPECT_EQ(Count, 2 * 11 + 2 * 6);
    EXPECT_EQ(C->GetPen()->GetWidth(), 3);
    DrawRectangle(C, 5, 5, 5, 5);
    EXPECT_EQ(C->GetPixel(5, 5), Inverted);
}

TEST(Markers, EveryKindDrawsInsideItsCell)
{
    for (int Kind = 0; Kind < MarkerKindCount; ++Kind) {
        Background B(21, 21);
        TCanvas* C = B.GetCanvas();
        C->GetPen()->SetColor(clRed);
        C->GetBrush()->SetColor(clBlue);
        DrawMarkOnCanvas(C, quint8(Kind), 10, 10);
        const bool Small = (Kind >= 21 && Kind <= 40) || (Kind >= 46 && Kind <= 50);
        const int Half = Kind == 0 ? 0 : (Small ? 2 : 4);
        const TRect R = Drawn(C);
        ASSERT_FALSE(R.IsEmpty()) << Kind;
        EXPECT_GE(R.Left, 10 - Half) << Kind;
        EXPECT_GE(R.Top, 10 - Half) << Kind;
        EXPECT_LE(R.Right, 11 + Half) << Kind;
        EXPECT_LE(R.Bottom, 11 + Half) << Kind;
        // Symmetric shapes reach both sides of their cell.
        EXPECT_EQ(R.Right - 1 - 10, 10 - R.Left) << Kind;
        int BrushPixels = 0;
        for (int Y = 0; Y < 21; ++Y)
            for (int X = 0; X < 21; ++X)
                BrushPixels += C->GetPixel(X, Y) == clBlue;
        const bool Filled = Kind >= 1 && Kind <= 40 && Kind % 2 == 0;
        if (!Filled) {
            EXPECT_EQ(BrushPixels, 0) << Kind;
        } else if (!Small) {
            EXPECT_GT(BrushPixels, 0) << Kind;
        }
        EXPECT_EQ(C->GetBrush()->GetStyle(), bsSolid);
    }
    Background B(21, 21);
    DrawMarkOnCanvas(B.GetCanvas(), 52, 10, 10);
    DrawMarkOnCanvas(B.GetCanvas(), 255, 10, 10);
    EXPECT_TRUE(Drawn(B.GetCanvas()).IsEmpty());
}

TEST(Markers, PolygonKindsAreSymmetric)
{
    // Up and down triangles mirror each other; left and right likewise.
    const QList<TPoint> Up = MarkerPolygon(5, 0, 0);
    const QList<TPoint> Down = MarkerPolygon(7, 0, 0);
    ASSERT_EQ(Up.size(), 3);
    for (const TPoint& P : Up)
        EXPECT_TRUE(Down.contains(Point(P.X, -P.Y)));
    const QList<TPoint> Left = MarkerPolygon(9, 0, 0);
    const QList<TPoint> Right = MarkerPolygon(11, 0, 0);
    for (const TPoint& P : Left)
        EXPECT_TRUE(Right.contains(Point(-P.X, P.Y)));
    const QList<TPoint> Star = MarkerPolygon(19, 0, 0);
    ASSERT_EQ(Star.size(), 10);
    EXPECT_EQ(Star[0], Point(0, -4));
    EXPECT_TRUE(MarkerPolygon(1, 0, 0).isEmpty());
    EXPECT_TRUE(MarkerPolygon(41, 0, 0).isEmpty());
}
