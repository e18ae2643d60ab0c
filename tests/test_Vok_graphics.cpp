// Pixel rules of the canvas, colors, drawing tools and bitmaps.
#include <vok/Vok_graphics.h>

#include "PictureTest.h"
#include "advances.h"
#include "raster.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPalette>
#include <QTemporaryDir>

#include <random>
#include <set>

using namespace vok;

namespace {

// A white picture with a canvas, and the bounding box of what is not white.
struct Picture
{
    explicit Picture(int W = 40, int H = 30)
        : Bitmap(W, H)
        , Canvas(Bitmap.GetCanvas())
    {
    }
    TColor At(int X, int Y) const { return Canvas->GetPixel(X, Y); }
    TRect Drawn(TColor Background = clWhite) const
    {
        TRect R{Bitmap.GetWidth(), Bitmap.GetHeight(), 0, 0};
        for (int Y = 0; Y < Bitmap.GetHeight(); ++Y)
            for (int X = 0; X < Bitmap.GetWidth(); ++X)
                if (At(X, Y) != Background)
                    R = {std::min(R.Left, X), std::min(R.Top, Y), std::max(R.Right, X + 1), std::max(R.Bottom, Y + 1)};
        return R;
    }
    int Count(TColor C) const
    {
        int N = 0;
        for (int Y = 0; Y < Bitmap.GetHeight(); ++Y)
            for (int X = 0; X < Bitmap.GetWidth(); ++X)
                N += At(X, Y) == C;
        return N;
    }
    TBitmap Bitmap;
    TCanvas* Canvas;
};

} // namespace

// ---------------------------------------------------------------- helpers

TEST(Rounding, RoundIsHalfToEven)
{
    const struct { double In; int Out; } Cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3},
        {-2.6, -3}, {1e12, INT_MAX}, {-1e12, INT_MIN}};
    for (const auto& C : Cases)
        EXPECT_EQ(Round(C.In), C.Out) << C.In;
    EXPECT_EQ(Round(std::nan("")), 0);
}

TEST(Rounding, MulDivRoundsToNearest)
{
    const struct { int A, B, C, Out; } Cases[] = {
        {10, 3, 4, 8}, {1, 1, 2, 1}, {-1, 1, 2, -1}, {1, -1, 2, -1}, {5, 121, 16, 38}, {6, 121, 16, 45},
        {0, 5, 7, 0}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {7, 1, 0, -1}, {INT_MAX, 2, 1, -1}, {-7, 1, -2, 4}};
    for (const auto& C : Cases)
        EXPECT_EQ(MulDiv(C.A, C.B, C.C), C.Out) << C.A << "*" << C.B << "/" << C.C;
}

// ---------------------------------------------------------------- colors

TEST(Colors, SystemColorsComeFromThePalette)
{
    const QPalette P = QGuiApplication::palette();
    EXPECT_EQ(ColorToRGB(clBtnFace), QColorToColor(P.color(QPalette::Button)));
    EXPECT_EQ(ColorToRGB(clBtnShadow), QColorToColor(P.color(QPalette::Dark)));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), QColorToColor(P.color(QPalette::Light)));
    EXPECT_EQ(ColorToRGB(clWindow), QColorToColor(P.color(QPalette::Base)));
    EXPECT_EQ(ColorToRGB(clWindowText), QColorToColor(P.color(QPalette::Text)));
    EXPECT_EQ(ColorToRGB(clSystemColor | 25), clBlack);
    EXPECT_EQ(ColorToRGB(clSystemColor | 0x1234), clBlack);
    EXPECT_EQ(ColorToRGB(clTeal), clTeal);
    EXPECT_EQ(ColorToRGB(0x02123456), 0x123456u);
}

TEST(Colors, NamesAndHex)
{
    const struct { TColor C; const char* Text; } Cases[] = {
        {clRed, "clRed"}, {clTeal, "clTeal"}, {clBtnFace, "clBtnFace"}, {clNone, "clNone"},
        {clInactiveCaption, "clInactiveCaption"}, {0x00123456, "$00123456"}, {0x00ABCDEF, "$00ABCDEF"}};
    for (const auto& Case : Cases) {
        EXPECT_EQ(ColorToString(Case.C), QString::fromLatin1(Case.Text));
        TColor Back = 0;
        EXPECT_TRUE(StringToColor(QString::fromLatin1(Case.Text), Back));
        EXPECT_EQ(Back, Case.C);
    }
    TColor Kept = clGreen;
    EXPECT_FALSE(StringToColor(QStringLiteral("clNoSuchColor"), Kept));
    EXPECT_FALSE(StringToColor(QStringLiteral("$XYZ"), Kept));
    EXPECT_EQ(Kept, clGreen);
    EXPECT_EQ(RGBToColor(0x12, 0x34, 0x56), 0x563412u);
}

// ---------------------------------------------------------------- tools

TEST(DrawTools, ChangeIsNotifiedOncePerRealChange)
{
    TFont Font;
    int Changes = 0;
    Font.OnChange = [&](QObject* Sender) {
        EXPECT_EQ(Sender, &Font);
        ++Changes;
    };
    Font.SetSize(10);
    Font.SetSize(10);
    Font.SetStyle(fsBold | fsItalic);
    Font.SetEscapement(900);
    Font.SetQuality(fqAntialiased);
    Font.SetColor(Font.GetColor());
    EXPECT_EQ(Changes, 4);
    EXPECT_EQ(Font.GetHeight(), -13);
    EXPECT_EQ(Font.GetSize(), 10);
    EXPECT_TRUE(Font.ToQFont().bold());
    EXPECT_EQ(Font.ToQFont().pixelSize(), 13);

    TPen Pen;
    int PenChanges = 0;
    Pen.OnChange = [&](QObject*) { ++PenChanges; };
    Pen.SetWidth(0);
    EXPECT_EQ(Pen.GetWidth(), 1);
    Pen.SetMode(pmXor);
    EXPECT_EQ(PenChanges, 1);
}

TEST(DrawTools, MeasuredTextFollowsFontChanges)
{
    // Widths and layouts are cached per font; every change must drop them.
    TFont Font;
    const QString Text = QStringLiteral("1234.5 kPa");
    const int Small = Font.TextWidth(Text);
    EXPECT_EQ(Small, Font.Metrics().horizontalAdvance(Text));
    Font.SetHeight(-22);
    EXPECT_GT(Font.TextWidth(Text), Small);
    EXPECT_EQ(Font.TextWidth(Text), Font.Metrics().horizontalAdvance(Text));
    // A text is laid out on its second drawing, and again after a change.
    EXPECT_EQ(Font.RepeatedLayout(Text), nullptr);
    ASSERT_NE(Font.RepeatedLayout(Text), nullptr);
    EXPECT_EQ(Font.RepeatedLayout(Text)->text(), Text);
    Font.SetHeight(-12);
    EXPECT_EQ(Font.RepeatedLayout(Text), nullptr);
    TFont Same;
    Same.Assign(&Font);
    Font.Assign(&Same);
    EXPECT_EQ(Font.TextWidth(Text), Same.TextWidth(Text));
    Font.SetStyle(fsBold);
    EXPECT_EQ(Font.TextWidth(Text), Font.Metrics().horizontalAdvance(Text));
    // Markup is shown as it stands.
    const QString Markup = QStringLiteral("<b>x</b>");
    Font.RepeatedLayout(Markup);
    EXPECT_EQ(Font.RepeatedLayout(Markup)->textFormat(), Qt::PlainText);
}

TEST(AdditiveAdvances, PairsThatDoNotAddUpDropACharacter)
{
    // A made-up font: quarter-pixel advances, "7." kerned closer and "--"
    // joined into one sign.
    const auto Advance = [](QChar C) { return qint64(16 * (5 + C.unicode() % 7)); };
    const text::AdditiveAdvances Font([&](QStringView Text) {
        qint64 Sum = 0;
        for (const QChar C : Text)
            Sum += Advance(C);
        if (Text.contains(u"7."))
            Sum -= 20;
        if (Text == u"--")
            Sum = Advance(u'-');
        return Sum;
    });
    EXPECT_FALSE(Font.IsAdditive(u'-'));
    EXPECT_NE(Font.IsAdditive(u'7'), Font.IsAdditive(u'.')) << "one of a kerned pair is enough";
    for (const QChar C : QStringView(u"012345689,:/()eE "))
        EXPECT_TRUE(Font.IsAdditive(C)) << int(C.unicode());
    EXPECT_EQ(Font.Width(u"x"), std::nullopt);
    EXPECT_EQ(Font.Width(u"1-2"), std::nullopt);
    EXPECT_EQ(Font.Width(u""), 0);
    // '0' is 11/4 pixels wide, '1' 5/4: sums round half up to whole pixels.
    EXPECT_EQ(Font.Width(u"0"), 3);
    EXPECT_EQ(Font.Width(u"1"), 1);
    EXPECT_EQ(Font.Width(u"11"), 3);  // 2.5
    EXPECT_EQ(Font.Width(u"00"), 6);  // 5.5
    EXPECT_EQ(Font.Width(u"01"), 4);
}

TEST(AdditiveAdvances, NumbersMeasureAsShapedInRealFonts)
{
    std::mt19937 Random(17);
    const QStringView Chars = text::AdditiveAdvances::Candidates();
    for (const char* Family : {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono"})
        for (const TFontStyles Style : {TFontStyles(), TFontStyles(fsBold), TFontStyles(fsItalic)})
            for (const int Height : {-8, -11, -15}) {
                TFont Font;
                Font.SetName(QString::fromLatin1(Family));
                Font.SetStyle(Style);
                Font.SetHeight(Height);
                for (int I = 0; I < 300; ++I) {
                    QString Text;
                    for (int Length = 1 + int(Random() % 16); Length > 0; --Length)
                        Text += Chars[qsizetype(Random() % Chars.size())];
                    ASSERT_EQ(Font.TextWidth(Text), Font.Metrics().horizontalAdvance(Text))
                        << Family << " " << Height << " '" << Text.toStdString() << "'";
                }
            }
}

TEST(DrawTools, AssignCopiesAndRejectsOtherClasses)
{
    TFont A;
    A.SetName(QStringLiteral("DejaVu Serif"));
    A.SetHeight(-20);
    A.SetOrientation(450);
    TFont B;
    B.Assign(&A);
    EXPECT_EQ(B.GetName(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(B.GetHeight(), -20);
    EXPECT_EQ(B.GetOrientation(), 450);
    TPen Pen;
    EXPECT_THROW(B.Assign(&Pen), EVOKError);
    EXPECT_THROW(Pen.Assign(nullptr), EVOKError);
    TBrush Brush;
    EXPECT_THROW(Brush.Assign(&A), EVOKError);
}

// ---------------------------------------------------------------- lines

TEST(CanvasLines, LineLeavesOutItsLastPoint)
{
    const struct { TPoint From, To; } Cases[] = {
        {{2, 5}, {12, 5}}, {{12, 5}, {2, 5}}, {{4, 2}, {4, 20}}, {{3, 3}, {13, 13}}, {{20, 2}, {5, 9}}};
    for (const auto& C : Cases) {
        Picture P;
        P.Canvas->MoveTo(C.From.X, C.From.Y);
        P.Canvas->LineTo(C.To.X, C.To.Y);
        EXPECT_EQ(P.At(C.From.X, C.From.Y), clBlack);
        EXPECT_EQ(P.At(C.To.X, C.To.Y), clWhite);
        EXPECT_EQ(P.Canvas->GetPenPos(), C.To);
        EXPECT_EQ(P.Count(clBlack), std::max(std::abs(C.To.X - C.From.X), std::abs(C.To.Y - C.From.Y)));
    }
}

TEST(CanvasLines, PenModesCombineWithTheDestination)
{
    const TColor Dest = 0x00F0A050;
    const TColor Pen = 0x003C0FF0;
    const struct { TPenMode Mode; TColor Result; } Cases[] = {
        {pmCopy, Pen}, {pmNot, Dest ^ 0xFFFFFF}, {pmXor, Dest ^ Pen}, {pmNotCopy, Pen ^ 0xFFFFFF},
        {pmMask, Dest & Pen}, {pmMerge, Dest | Pen}, {pmBlack, clBlack}, {pmWhite, clWhite}, {pmNop, Dest}};
    for (const auto& C : Cases) {
        Picture P;
        P.Canvas->GetBrush()->SetColor(Dest);
        P.Canvas->FillRect(Rect(0, 0, 40, 30));
        P.Canvas->GetPen()->SetColor(Pen);
        P.Canvas->GetPen()->SetMode(C.Mode);
        P.Canvas->MoveTo(1, 1);
        P.Canvas->LineTo(5, 1);
        EXPECT_EQ(P.At(3, 1), C.Result) << C.Mode;
        EXPECT_EQ(P.At(5, 1), Dest) << C.Mode;
    }
}

TEST(CanvasLines, XorTwiceRestoresTheFigures)
{
    Picture P;
    P.Canvas->GetPen()->SetMode(pmXor);
    P.Canvas->GetPen()->SetColor(clRed);
    P.Canvas->GetBrush()->SetColor(clBlue);
    for (int Pass = 0; Pass < 2; ++Pass) {
        P.Canvas->Polygon({{2, 2}, {30, 5}, {8, 25}});
        P.Canvas->Ellipse(5, 5, 25, 20);
        P.Canvas->Rectangle(1, 1, 39, 29);
        P.Canvas->Polyline({{0, 0}, {20, 20}, {39, 0}});
    }
    EXPECT_EQ(P.Count(clWhite), 40 * 30);
}

TEST(CanvasLines, DashPatternsAndWidePens)
{
    Picture P;
    P.Canvas->GetPen()->SetStyle(psDot);
    P.Canvas->MoveTo(0, 0);
    P.Canvas->LineTo(12, 0);
    const TColor Expected[12] = {clBlack, clBlack, clBlack, clWhite, clWhite, clWhite,
        clBlack, clBlack, clBlack, clWhite, clWhite, clWhite};
    for (int X = 0; X < 12; ++X)
        EXPECT_EQ(P.At(X, 0), Expected[X]) << X;

    Picture Wide;
    Wide.Canvas->GetPen()->SetWidth(5);
    Wide.Canvas->MoveTo(10, 15);
    Wide.Canvas->LineTo(30, 15);
    const TRect R = Wide.Drawn();
    EXPECT_EQ(R.Height(), 5);
    EXPECT_EQ(R.Top, 13);
}

TEST(CanvasLines, HugeCoordinatesAreClippedWithoutLongWalks)
{
    Picture P;
    P.Canvas->MoveTo(-2000000000, 5);
    P.Canvas->LineTo(2000000000, 5);
    EXPECT_EQ(P.Drawn(), Rect(0, 5, 40, 6));
    P.Canvas->MoveTo(INT_MIN, INT_MIN);
    P.Canvas->LineTo(INT_MAX, INT_MAX);
    EXPECT_EQ(P.At(20, 20), clBlack);

    // The dash pattern counts from the line's start, also outside the picture.
    Picture Dots;
    Dots.Canvas->GetPen()->SetStyle(psDot);
    Dots.Canvas->MoveTo(-3, 0);
    Dots.Canvas->LineTo(12, 0);
    EXPECT_EQ(Dots.At(0, 0), clWhite);
    EXPECT_EQ(Dots.At(3, 0), clBlack);

    Picture Figures;
    Figures.Canvas->GetPen()->SetColor(clRed);
    Figures.Canvas->GetBrush()->SetColor(clBlue);
    Figures.Canvas->Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(Figures.Count(clBlue), 40 * 30);
    Figures.Canvas->Polygon({{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}});
    EXPECT_EQ(Figures.Count(clBlue), 40 * 30);
    Figures.Canvas->GetPen()->SetWidth(INT_MAX);
    Figures.Canvas->Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(Figures.Count(clRed), 40 * 30);
    Figures.Canvas->GetBrush()->SetColor(clGreen);
    Figures.Canvas->FillRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(Figures.Count(clGreen), 40 * 30);
}

// ---------------------------------------------------------------- figures

TEST(CanvasFigures, RectangleCoversLeftToRightMinusOne)
{
    Picture P;
    P.Canvas->GetPen()->SetColor(clRed);
    P.Canvas->GetBrush()->SetColor(clBlue);
    P.Canvas->Rectangle(5, 4, 15, 10);
    EXPECT_EQ(P.Drawn(), Rect(5, 4, 15, 10));
    EXPECT_EQ(P.At(5, 4), clRed);
    EXPECT_EQ(P.At(14, 9), clRed);
    EXPECT_EQ(P.At(6, 5), clBlue);
    EXPECT_EQ(P.At(13, 8), clBlue);
    EXPECT_EQ(P.Count(clRed), 2 * 10 + 2 * 4);

    // Reversed corners give the same box.
    Picture Q;
    Q.Canvas->Rectangle(15, 10, 5, 4);
    EXPECT_EQ(Q.Drawn(), Rect(5, 4, 15, 10));
}

TEST(CanvasFigures, RectanglePenVariants)
{
    Picture Clear;
    Clear.Canvas->GetPen()->SetStyle(psClear);
    Clear.Canvas->GetBrush()->SetColor(clBlue);
    Clear.Canvas->Rectangle(5, 4, 15, 10);
    EXPECT_EQ(Clear.Drawn(), Rect(5, 4, 14, 9));

    Picture Wide;
    Wide.Canvas->GetPen()->SetWidth(3);
    Wide.Canvas->GetPen()->SetColor(clRed);
    Wide.Canvas->GetBrush()->SetColor(clBlue);
    Wide.Canvas->Rectangle(5, 4, 20, 20);
    EXPECT_EQ(Wide.Drawn(), Rect(5, 4, 20, 20));
    EXPECT_EQ(Wide.At(7, 10), clRed);
    EXPECT_EQ(Wide.At(8, 10), clBlue);
    EXPECT_EQ(Wide.At(17, 17), clRed);
    EXPECT_EQ(Wide.At(16, 16), clBlue);

    Picture Hollow;
    Hollow.Canvas->GetBrush()->SetStyle(bsClear);
    Hollow.Canvas->Rectangle(5, 4, 15, 10);
    EXPECT_EQ(Hollow.At(8, 7), clWhite);
}

TEST(CanvasFigures, FillRectAndFrameRectUseTheBrushOnly)
{
    Picture P;
    P.Canvas->GetBrush()->SetColor(clGreen);
    P.Canvas->GetPen()->SetMode(pmXor);
    P.Canvas->FillRect(Rect(2, 3, 6, 5));
    EXPECT_EQ(P.Drawn(), Rect(2, 3, 6, 5));
    EXPECT_EQ(P.Count(clGreen), 8);
    P.Canvas->GetBrush()->SetColor(clRed);
    P.Canvas->FrameRect(Rect(10, 10, 20, 15));
    EXPECT_EQ(P.Count(clRed), 2 * 10 + 2 * 3);
    EXPECT_EQ(P.At(19, 14), clRed);
    EXPECT_EQ(P.At(15, 12), clWhite);
}

TEST(CanvasFigures, EllipseFillsItsBoxSymmetrically)
{
    for (const TRect Box : {Rect(3, 2, 30, 21), Rect(4, 4, 15, 15), Rect(10, 10, 12, 25), Rect(1, 1, 2, 2)}) {
        Picture P;
        P.Canvas->GetPen()->SetColor(clRed);
        P.Canvas->GetBrush()->SetColor(clBlue);
        P.Canvas->Ellipse(Box);
        EXPECT_EQ(P.Drawn(), Box);
        for (int Y = Box.Top; Y < Box.Bottom; ++Y)
            for (int X = Box.Left; X < Box.Right; ++X) {
                const int MX = Box.Left + Box.Right - 1 - X;
                const int MY = Box.Top + Box.Bottom - 1 - Y;
                ASSERT_EQ(P.At(X, Y), P.At(MX, Y)) << X << "," << Y;
                ASSERT_EQ(P.At(X, Y), P.At(X, MY)) << X << "," << Y;
            }
        if (Box.Width() > 4 && Box.Height() > 4) {
            EXPECT_EQ(P.At((Box.Left + Box.Right) / 2, (Box.Top + Box.Bottom) / 2), clBlue);
        }
    }
}

TEST(CanvasFigures, ArcAndPieRunCounterclockwise)
{
    // From the right-hand point to the left-hand point: the upper half.
    Picture Upper;
    Upper.Canvas->Arc(0, 0, 21, 21, 30, 10, -5, 10);
    EXPECT_EQ(Upper.At(10, 0), clBlack);
    EXPECT_EQ(Upper.At(10, 20), clWhite);
    // Swapped: the lower half.
    Picture Lower;
    Lower.Canvas->Arc(0, 0, 21, 21, -5, 10, 30, 10);
    EXPECT_EQ(Lower.At(10, 0), clWhite);
    EXPECT_EQ(Lower.At(10, 20), clBlack);
    // Equal rays: the whole ellipse.
    Picture Whole;
    Whole.Canvas->Arc(0, 0, 21, 21, 30, 10, 30, 10);
    EXPECT_EQ(Whole.At(10, 0), clBlack);
    EXPECT_EQ(Whole.At(10, 20), clBlack);

    // A quarter pie towards the upper right: filled there only, edges in pen.
    Picture Pie;
    Pie.Canvas->GetPen()->SetColor(clRed);
    Pie.Canvas->GetBrush()->SetColor(clBlue);
    Pie.Canvas->Pie(0, 0, 21, 21, 30, 10, 10, -5);
    EXPECT_EQ(Pie.At(14, 6), clBlue);
    EXPECT_EQ(Pie.At(6, 6), clWhite);
    EXPECT_EQ(Pie.At(14, 14), clWhite);
    EXPECT_EQ(Pie.At(10, 0), clRed);
    EXPECT_EQ(Pie.At(20, 10), clRed);
    EXPECT_EQ(Pie.Drawn(), Rect(10, 0, 21, 11));
}

TEST(CanvasFigures, PieSweepsBeyondHalfATurnAndFromItsCentre)
{
    // Pies over the 21 x 21 box (centre pixel 10, 10), probed inside each
    // quadrant: upper right, upper left, lower left, lower right.
    struct Case
    {
        const char* Name;
        int X3, Y3, X4, Y4;
        bool Filled[4];
    };
    const Case Cases[] = {
        {"three quarters", 30, 10, 10, 30, {true, true, true, false}},
        {"exactly half", 30, 10, -5, 10, {true, true, false, false}},
        {"opposite half", -5, 10, 30, 10, {false, false, true, true}},
        {"from the centre pixel", 10, 10, 10, -5, {true, false, false, false}},
        {"to the centre pixel", 10, -5, 10, 10, {false, true, true, true}},
        {"both at the centre", 10, 10, 10, 10, {true, true, true, true}},
        {"same ray, other length", 30, 10, 60, 10, {true, true, true, true}},
    };
    const TPoint Probes[4] = {{15, 5}, {5, 5}, {5, 15}, {15, 15}};
    for (const Case& C : Cases) {
        Picture P;
        P.Canvas->GetBrush()->SetColor(clBlue);
        P.Canvas->Pie(0, 0, 21, 21, C.X3, C.Y3, C.X4, C.Y4);
        for (int Q = 0; Q < 4; ++Q)
            EXPECT_EQ(P.At(Probes[Q].X, Probes[Q].Y), C.Filled[Q] ? clBlue : clWhite) << C.Name << ", quadrant " << Q;
    }
}

// Row spans as a set of columns, for checking span arithmetic pixel by pixel.
std::set<int> Columns(const raster::RowSpans& Spans)
{
    std::set<int> Result;
    for (const raster::RowSpan& S : Spans)
        for (int X = S.X1; X < S.X2; ++X)
            Result.insert(X);
    return Result;
}

// Sorted, disjoint and non-empty, with gaps between neighbours.
bool WellFormed(const raster::RowSpans& Spans)
{
    for (qsizetype I = 0; I < Spans.size(); ++I)
        if (Spans[I].X2 <= Spans[I].X1 || (I > 0 && Spans[I].X1 <= Spans[I - 1].X2))
            return false;
    return true;
}

TEST(RasterRows, SpanArithmeticMatchesColumnSets)
{
    std::mt19937 Rng(7);
    auto Random = [&](int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(Rng); };
    auto RandomSpans = [&] {
        raster::RowSpans Spans;
        for (int X = Random(-5, 5), N = Random(0, 6); N > 0; --N) {
            const int Start = X + Random(1, 4);
            X = Start + Random(1, 6);
            Spans.append({Start, X});
        }
        return Spans;
    };
    for (int I = 0; I < 2000; ++I) {
        const raster::RowSpans A = RandomSpans();
        const raster::RowSpans B = RandomSpans();
        const std::set<int> SA = Columns(A);
        const std::set<int> SB = Columns(B);
        std::set<int> Both;
        std::set<int> OnlyA;
        std::set<int> Inner;
        for (int X : SA) {
            (SB.count(X) ? Both : OnlyA).insert(X);
            if (SA.count(X - 1) && SA.count(X + 1))
                Inner.insert(X);
        }
        EXPECT_EQ(Columns(raster::Intersection(A, B)), Both);
        EXPECT_EQ(Columns(raster::Difference(A, B)), OnlyA);
        EXPECT_EQ(Columns(raster::Eroded(A)), Inner);
        EXPECT_TRUE(WellFormed(raster::Difference(A, B)));
    }
}

TEST(RasterRows, SweepRowsAgreeWithThePixelTest)
{
    // Odd and even box sizes (a centre pixel or none), rays through the
    // centre, equal and opposite rays, and far-off ray points.
    std::mt19937 Rng(11);
    auto Random = [&](int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(Rng); };
    for (int I = 0; I < 3000; ++I) {
        const TRect Box{Random(-3, 3), Random(-3, 3), Random(4, 24), Random(4, 24)};
        const int Far = I % 10 == 0 ? raster::CoordinateLimit * 2 : 30;
        int X3 = Random(-Far, Far), Y3 = Random(-Far, Far), X4 = Random(-Far, Far), Y4 = Random(-Far, Far);
        switch (I % 7) {
        case 0: // from the centre
            X3 = (Box.Left + Box.Right) / 2;
            Y3 = (Box.Top + Box.Bottom) / 2;
            break;
        case 1: // the same ray
            X4 = X3;
            Y4 = Y3;
            break;
        case 2: // the opposite ray
            X4 = Box.Left + Box.Right - 1 - X3;
            Y4 = Box.Top + Box.Bottom - 1 - Y3;
            break;
        }
        const raster::Sweep Sweep(Box, X3, Y3, X4, Y4);
        for (int Y = Box.Top - 2; Y < Box.Bottom + 2; ++Y) {
            const raster::RowSpan Range{Random(-8, 10), Random(10, 30)};
            std::set<int> Expected;
            for (int X = Range.X1; X < Range.X2; ++X)
                if (Sweep.Contains(X, Y))
                    Expected.insert(X);
            const raster::RowSpans Row = Sweep.Row(Y, Range);
            ASSERT_EQ(Columns(Row), Expected) << "case " << I << ", row " << Y;
            ASSERT_TRUE(WellFormed(Row)) << "case " << I << ", row " << Y;
        }
    }
}

TEST(RasterRows, CapsuleRowsAgreeWithTheDistanceTest)
{
    // Segments in every direction, axis-parallel and degenerate ones, pens
    // from one to five pixels at whole and half positions; a pixel belongs
    // to the stroke when its centre lies within the radius of the segment
    // (centres on the boundary, up to rounding, are left out of the check).
    std::mt19937 Rng(5);
    auto Random = [&](double Lo, double Hi) { return std::uniform_real_distribution<double>(Lo, Hi)(Rng); };
    auto Half = [&](double Lo, double Hi) { return std::round(Random(Lo, Hi) * 2) / 2; };
    for (int I = 0; I < 2000; ++I) {
        QPointF A(Half(-20, 20), Half(-20, 20));
        QPointF B(Half(-20, 20), Half(-20, 20));
        if (I % 5 == 1)
            B.setX(A.x());
        if (I % 5 == 2)
            B.setY(A.y());
        if (I % 5 == 3)
            B = A;
        const double Radius = Half(1, 5) / 2;
        const raster::Capsule Stroke(A, B, Radius);
        auto Distance = [&](QPointF P) {
            const QPointF D = B - A;
            const double L2 = QPointF::dotProduct(D, D);
            const double T = L2 > 0 ? std::clamp(QPointF::dotProduct(P - A, D) / L2, 0.0, 1.0) : 0.0;
            const QPointF Q = A + T * D - P;
            return std::hypot(Q.x(), Q.y());
        };
        for (int Y = -30; Y < 30; ++Y) {
            const raster::RowSpan Row = Stroke.Row(Y);
            if (Row.X2 > Row.X1) {
                ASSERT_GE(Y, Stroke.Top()) << "case " << I;
                ASSERT_LT(Y, Stroke.Bottom()) << "case " << I;
            }
            for (int X = -30; X < 30; ++X) {
                const double D = Distance(QPointF(X + 0.5, Y + 0.5));
                if (std::abs(D - Radius) < 1e-9)
                    continue;
                ASSERT_EQ(Row.Contains(X), D < Radius) << "case " << I << ", pixel " << X << "," << Y;
            }
        }
    }
}

TEST(CanvasFigures, OutlinesAreTheEdgeOfTheFillAndEveryPixelIsPaintedOnce)
{
    // Against the brush-only figure: a one-pixel pen draws exactly the
    // figure's pixels with a 4-neighbour outside it, the brush the rest, a
    // pen in the brush's color nothing else, and XOR twice restores all.
    std::mt19937 Rng(5);
    auto Random = [&](int Lo, int Hi) { return std::uniform_int_distribution<int>(Lo, Hi)(Rng); };
    for (int I = 0; I < 600; ++I) {
        const int X1 = Random(-6, 30), Y1 = Random(-6, 30), X2 = Random(0, 46), Y2 = Random(0, 36);
        const int X3 = Random(-10, 50), Y3 = Random(-10, 40), X4 = Random(-10, 50), Y4 = Random(-10, 40);
        const QList<TPoint> Corners{{X1, Y1}, {X2, Y2}, {X3, Y3}, {X4, Y4}, {Random(-5, 45), Random(-5, 35)}};
        // Draws the figure Times times with the pen and brush given.
        const auto Draw = [&](Picture& P, TPenStyle Style, TColor Pen, TPenMode Mode, int Times) {
            P.Canvas->GetPen()->SetStyle(Style);
            P.Canvas->GetPen()->SetColor(Pen);
            P.Canvas->GetPen()->SetMode(Mode);
            P.Canvas->GetBrush()->SetColor(clBlue);
            for (int T = 0; T < Times; ++T) {
                if (I % 3 == 0)
                    P.Canvas->Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
                else if (I % 3 == 1)
                    P.Canvas->Ellipse(X1, Y1, X2, Y2);
                else
                    P.Canvas->Polygon(Corners);
            }
        };
        Picture Fill, Both, Same, Xor;
        Draw(Fill, psClear, clRed, pmCopy, 1);
        Draw(Both, psSolid, clRed, pmCopy, 1);
        Draw(Same, psSolid, clBlue, pmCopy, 1);
        Draw(Xor, psSolid, clRed, pmXor, 2);
        ASSERT_EQ(Xor.Count(clWhite), 40 * 30) << "figure " << I;
        const auto Inside = [&](int X, int Y) { return Fill.At(X, Y) == clBlue; };
        // Pixels on the picture's border have neighbours it cannot show.
        for (int Y = 1; Y < 29; ++Y)
            for (int X = 1; X < 39; ++X) {
                const bool Edge = Inside(X, Y)
                    && !(Inside(X - 1, Y) && Inside(X + 1, Y) && Inside(X, Y - 1) && Inside(X, Y + 1));
                if (I % 3 == 2) {
                    // A polygon's outline runs through its corners, partly
                    // outside what the even-odd rule fills.
                    if (Inside(X, Y) && Both.At(X, Y) != clRed) {
                        ASSERT_EQ(Both.At(X, Y), clBlue) << "figure " << I << " at " << X << ", " << Y;
                    }
                } else {
                    const TColor Expected = Edge ? clRed : (Inside(X, Y) ? clBlue : clWhite);
                    ASSERT_EQ(Both.At(X, Y), Expected) << "figure " << I << " at " << X << ", " << Y;
                }
                ASSERT_EQ(Same.At(X, Y) == clBlue, Both.At(X, Y) != clWhite) << "figure " << I;
            }
    }
}

TEST(CanvasFigures, PolygonOutlinesItsVerticesAndFillsInside)
{
    Picture P;
    P.Canvas->GetPen()->SetColor(clRed);
    P.Canvas->GetBrush()->SetColor(clBlue);
    P.Canvas->Polygon({{2, 2}, {12, 2}, {12, 8}, {2, 8}});
    EXPECT_EQ(P.Drawn(), Rect(2, 2, 13, 9));
    EXPECT_EQ(P.At(12, 8), clRed);
    EXPECT_EQ(P.At(7, 5), clBlue);
    EXPECT_EQ(P.Count(clBlue), 9 * 5);

    Picture Line;
    Line.Canvas->Polyline({{1, 1}, {10, 1}, {10, 10}});
    EXPECT_EQ(Line.At(10, 1), clBlack);
    EXPECT_EQ(Line.At(10, 10), clWhite);
    EXPECT_EQ(Line.Canvas->GetPenPos(), Point(0, 0));
}

TEST(CanvasFigures, DrawingStaysInsideTheClipRect)
{
    Picture P;
    P.Canvas->SetClipRect(Rect(10, 10, 20, 20));
    P.Canvas->GetBrush()->SetColor(clBlack);
    P.Canvas->Rectangle(0, 0, 40, 30);
    P.Canvas->Ellipse(-100, -100, 300, 300);
    P.Canvas->MoveTo(0, 15);
    P.Canvas->LineTo(40, 15);
    P.Canvas->TextOut(0, 12, QStringLiteral("Clipped text"));
    EXPECT_EQ(P.Drawn(), Rect(10, 10, 20, 20));
    P.Canvas->ResetClipRect();
    EXPECT_EQ(P.Canvas->GetClipRect(), Rect(0, 0, 40, 30));
}

// ---------------------------------------------------------------- fill

TEST(CanvasFloodFill, SurfaceAndBorderStopAtTheirEdges)
{
    Picture P;
    P.Canvas->GetBrush()->SetStyle(bsClear);
    P.Canvas->Rectangle(5, 5, 20, 15);
    P.Canvas->GetBrush()->SetStyle(bsSolid);
    P.Canvas->GetBrush()->SetColor(clRed);
    P.Canvas->FloodFill(10, 10, clWhite, fsSurface);
    EXPECT_EQ(P.Count(clRed), 13 * 8);
    EXPECT_EQ(P.At(5, 5), clBlack);
    EXPECT_EQ(P.At(2, 2), clWhite);

    P.Canvas->GetBrush()->SetColor(clBlue);
    P.Canvas->FloodFill(1, 1, clBlack, fsBorder);
    EXPECT_EQ(P.At(2, 2), clBlue);
    EXPECT_EQ(P.At(39, 29), clBlue);
    EXPECT_EQ(P.Count(clRed), 13 * 8);

    // A seed that is not of the surface color changes nothing; filling a
    // surface with its own color ends.
    P.Canvas->FloodFill(10, 10, clGreen, fsSurface);
    P.Canvas->GetBrush()->SetColor(clRed);
    P.Canvas->FloodFill(10, 10, clRed, fsSurface);
    EXPECT_EQ(P.Count(clRed), 13 * 8);
}

TEST(CanvasFloodFill, DiagonalGapsDoNotLeak)
{
    Picture P(10, 10);
    P.Canvas->MoveTo(0, 9);
    P.Canvas->LineTo(10, -1); // a diagonal from bottom-left to top-right
    P.Canvas->GetBrush()->SetColor(clRed);
    P.Canvas->FloodFill(0, 0, clWhite, fsSurface);
    EXPECT_EQ(P.At(9, 9), clWhite);
    EXPECT_EQ(P.At(0, 0), clRed);
}

// ---------------------------------------------------------------- copies

TEST(CanvasCopy, CopyModesOnKnownPixels)
{
    const TColor Src = 0x00F0F00F;
    const TColor Dst = 0x003C3CC3;
    const struct { TCopyMode Mode; TColor Result; } Cases[] = {
        {cmSrcCopy, Src}, {cmSrcAnd, Src & Dst}, {cmSrcPaint, Src | Dst}, {cmSrcInvert, Src ^ Dst},
        {cmDstInvert, Dst ^ 0xFFFFFF}, {cmNotSrcCopy, Src ^ 0xFFFFFF}, {cmBlackness, clBlack}, {cmWhiteness, clWhite}};
    for (const auto& C : Cases) {
        TBitmap Source(4, 4);
        Source.GetCanvas()->GetBrush()->SetColor(Src);
        Source.GetCanvas()->FillRect(Rect(0, 0, 4, 4));
        Picture P(10, 10);
        P.Canvas->GetBrush()->SetColor(Dst);
        P.Canvas->FillRect(Rect(0, 0, 10, 10));
        P.Canvas->SetCopyMode(C.Mode);
        P.Canvas->Draw(3, 3, &Source);
        EXPECT_EQ(P.At(3, 3), C.Result) << C.Mode;
        EXPECT_EQ(P.At(6, 6), C.Result) << C.Mode;
        EXPECT_EQ(P.At(7, 7), Dst) << C.Mode;
        EXPECT_EQ(P.At(2, 3), Dst) << C.Mode;
    }
}

TEST(CanvasCopy, OverlappingAndClippedCopies)
{
    Picture P(20, 20);
    for (int X = 0; X < 20; ++X)
        P.Canvas->SetPixel(X, 0, RGBToColor(X, 0, 0));
    // Shift the first row right by 3 on the same canvas.
    P.Canvas->CopyRect(Rect(3, 0, 20, 1), P.Canvas, Rect(0, 0, 17, 1));
    for (int X = 3; X < 20; ++X)
        EXPECT_EQ(P.At(X, 0), RGBToColor(X - 3, 0, 0));
    // A source partly outside its picture copies only what exists.
    Picture Q(20, 20);
    Q.Canvas->CopyRect(Rect(-5, 10, 15, 11), P.Canvas, Rect(-5, 0, 15, 1));
    EXPECT_EQ(Q.At(0, 10), P.At(0, 0));
    EXPECT_EQ(Q.At(10, 10), P.At(10, 0));
    EXPECT_EQ(Q.At(15, 10), clWhite);
}

TEST(CanvasCopy, StretchToOddSizes)
{
    // Each destination pixel takes the source pixel under its centre: of 5
    // columns over 2, centres 0.5 and 1.5 fall on column 0, 2.5 (the border)
    // and beyond on column 1; of 3 rows over 2, row 0 on row 0, rows 1-2 on row 1.
    const int Columns[5] = {0, 0, 1, 1, 1};
    for (int I = 0; I < 5; ++I)
        EXPECT_EQ(raster::NearestSource(I, 5, 2), Columns[I]);
    TBitmap Checker(2, 2);
    Checker.GetCanvas()->SetPixel(0, 0, clRed);
    Checker.GetCanvas()->SetPixel(1, 0, clLime);
    Checker.GetCanvas()->SetPixel(0, 1, clBlue);
    Checker.GetCanvas()->SetPixel(1, 1, clBlack);
    Picture P(10, 10);
    P.Canvas->StretchDraw(Rect(0, 0, 5, 3), &Checker);
    EXPECT_EQ(P.At(0, 0), clRed);
    EXPECT_EQ(P.At(1, 0), clRed);
    EXPECT_EQ(P.At(2, 0), clLime);
    EXPECT_EQ(P.At(4, 0), clLime);
    EXPECT_EQ(P.At(1, 1), clBlue);
    EXPECT_EQ(P.At(4, 2), clBlack);
    EXPECT_EQ(P.At(5, 0), clWhite);
    EXPECT_EQ(P.At(0, 3), clWhite);

    // Halftone averages: a black and white pair shrunk to one pixel is gray.
    TBitmap Pair(2, 1);
    Pair.GetCanvas()->SetPixel(0, 0, clBlack);
    Picture H(4, 4);
    H.Canvas->SetStretchMode(smHalftone);
    H.Canvas->StretchDraw(Rect(1, 1, 2, 2), &Pair);
    const TColor Gray = H.At(1, 1);
    EXPECT_GT(GetRValue(Gray), 100);
    EXPECT_LT(GetRValue(Gray), 156);
    EXPECT_EQ(H.At(2, 1), clWhite);
}

// ---------------------------------------------------------------- text

TEST(CanvasText, ExtentAndOpaqueBackground)
{
    Picture P(120, 40);
    const QString Text = QStringLiteral("(8g]}ÜÄ§");
    const TSize Extent = P.Canvas->TextExtent(Text);
    EXPECT_GT(Extent.cx, 20);
    EXPECT_GE(Extent.cy, 11);
    EXPECT_EQ(P.Canvas->TextHeight(Text), Extent.cy);
    P.Canvas->GetBrush()->SetColor(clYellow);
    P.Canvas->TextOut(10, 5, Text);
    EXPECT_EQ(P.Drawn(), Bounds(10, 5, Extent.cx, Extent.cy));
    EXPECT_EQ(P.Canvas->GetPenPos(), Point(10 + Extent.cx, 5));

    Picture Clear(120, 40);
    Clear.Canvas->GetBrush()->SetStyle(bsClear);
    Clear.Canvas->TextOut(10, 5, Text);
    EXPECT_EQ(Clear.Count(clYellow), 0);
    const TRect Ink = Clear.Drawn();
    EXPECT_GE(Ink.Left, 10);
    EXPECT_LE(Ink.Right, 10 + Extent.cx);
}

TEST(CanvasText, TextRectFillsAndClips)
{
    Picture P(120, 40);
    P.Canvas->GetBrush()->SetColor(clAqua);
    P.Canvas->TextRect(Rect(10, 10, 30, 22), 12, 11, QStringLiteral("A long text that is clipped"));
    EXPECT_EQ(P.Drawn(), Rect(10, 10, 30, 22));
    EXPECT_EQ(P.At(10, 10), clAqua);
    EXPECT_EQ(P.At(29, 21), clAqua);
}

TEST(CanvasText, RotatedTextTurnsAroundItsOrigin)
{
    Picture P(100, 100);
    P.Canvas->GetBrush()->SetColor(clYellow);
    P.Canvas->GetFont()->SetEscapement(900);
    const QString Text = QStringLiteral("Rotated");
    const TSize E = P.Canvas->TextExtent(Text);
    P.Canvas->TextOut(40, 80, Text);
    // Turned 90 degrees counterclockwise: the text runs upward from (40, 80),
    // its height extends to the right.
    const TRect R = P.Drawn();
    EXPECT_NEAR(R.Left, 40, 1);
    EXPECT_NEAR(R.Right, 40 + E.cy, 1);
    EXPECT_NEAR(R.Bottom, 80, 1);
    EXPECT_NEAR(R.Top, 80 - E.cx, 1);
    EXPECT_EQ(P.Canvas->GetPenPos(), Point(40, 80 - E.cx));
}

TEST(CanvasText, QualitiesStylesAndAnglesMatchTheGoldenPicture)
{
    Picture P(220, 120);
    TFont* Font = P.Canvas->GetFont();
    P.Canvas->GetBrush()->SetStyle(bsClear);
    const struct { TFontQuality Quality; TFontStyles Style; int Height; int Angle; int X, Y; } Lines[] = {
        {fqDefault, {}, -11, 0, 4, 2}, {fqNonAntialiased, fsBold, -11, 0, 4, 18},
        {fqAntialiased, fsItalic | fsUnderline, -15, 0, 4, 34}, {fqNonAntialiased, fsStrikeOut, -13, 0, 4, 56},
        {fqAntialiased, {}, -11, 900, 200, 110}, {fqAntialiased, fsBold, -11, 450, 100, 115}};
    for (const auto& L : Lines) {
        Font->SetQuality(L.Quality);
        Font->SetStyle(L.Style);
        Font->SetHeight(L.Height);
        Font->SetEscapement(L.Angle);
        P.Canvas->TextOut(L.X, L.Y, QStringLiteral("(8g]}ÜÄ§ 123"));
    }
    EXPECT_TRUE(vok::test::MatchesGolden(P.Bitmap.GetImage(), QStringLiteral("canvas-text")));

    // A visible change fails and leaves the actual and the diff picture.
    if (qEnvironmentVariableIntValue("VOK_UPDATE_GOLDEN") == 1)
        return;
    P.Canvas->GetBrush()->SetStyle(bsSolid);
    P.Canvas->GetBrush()->SetColor(clRed);
    P.Canvas->FillRect(Rect(0, 0, 20, 20));
    const testing::AssertionResult Changed = vok::test::MatchesGolden(P.Bitmap.GetImage(), QStringLiteral("canvas-text"));
    EXPECT_FALSE(Changed);
    const std::string Message = Changed.message();
    const size_t DiffAt = Message.find("diff picture: ");
    ASSERT_NE(DiffAt, std::string::npos) << Message;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Message.substr(DiffAt + 14))));
    EXPECT_FALSE(vok::test::MatchesGolden(P.Bitmap.GetImage(), QStringLiteral("no-such-golden")));
}

// ---------------------------------------------------------------- bitmap

TEST(Bitmap, ResourcesByName)
{
    TBitmap B;
    EXPECT_TRUE(TBitmap::ResourceExists(QStringLiteral("CHECKEDBOX")));
    B.LoadFromResourceName(QStringLiteral("checkedbox"));
    EXPECT_EQ(B.GetWidth(), 16);
    EXPECT_EQ(B.GetHeight(), 16);
    EXPECT_EQ(B.GetPixelFormat(), pf32bit);
    EXPECT_FALSE(TBitmap::ResourceExists(QString()));
    try {
        B.LoadFromResourceName(QStringLiteral("NOSUCHBITMAP"));
        FAIL() << "no error";
    } catch (const EVOKError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Bitmap resource \"NOSUCHBITMAP\" not found"));
    }
    EXPECT_EQ(B.GetWidth(), 16);
}

TEST(Bitmap, SizeScanLinesAndPixelFormat)
{
    TBitmap B(3, 2);
    EXPECT_EQ(B.GetCanvas()->GetPixel(2, 1), clWhite);
    B.GetCanvas()->SetPixel(1, 1, 0x00332211);
    EXPECT_EQ(B.ScanLine(1)[1], 0xFF112233u);
    EXPECT_THROW(B.ScanLine(2), EVOKError);
    EXPECT_THROW(B.ScanLine(-1), EVOKError);
    B.SetSize(5, 4);
    EXPECT_EQ(B.GetCanvas()->GetPixel(1, 1), 0x00332211u);
    EXPECT_EQ(B.GetCanvas()->GetPixel(4, 3), clWhite);
    EXPECT_EQ(B.GetCanvas()->GetPixel(5, 3), clNone);
    B.SetPixelFormat(pf32bit);
    B.ScanLine(0)[0] = 0; // transparent
    B.SetPixelFormat(pf24bit);
    EXPECT_EQ(B.ScanLine(0)[0], 0xFF000000u);
    B.SetSize(0, 7);
    EXPECT_TRUE(B.GetEmpty());
    B.GetCanvas()->Rectangle(0, 0, 5, 5); // drawing on an empty picture does nothing
}

TEST(Bitmap, EachDimensionIsKeptWhileTheOtherIsZero)
{
    // Sized one dimension at a time, as pictures classically are.
    TBitmap B;
    B.SetWidth(20);
    EXPECT_EQ(B.GetWidth(), 20);
    EXPECT_EQ(B.GetHeight(), 0);
    EXPECT_TRUE(B.GetEmpty());
    EXPECT_THROW(B.ScanLine(0), EVOKError);
    B.SetHeight(10);
    ASSERT_FALSE(B.GetEmpty());
    EXPECT_EQ(B.GetImage().size(), QSize(20, 10));
    EXPECT_EQ(B.GetCanvas()->GetPixel(19, 9), clWhite);

    B.SetWidth(0);
    EXPECT_EQ(B.GetHeight(), 10);
    EXPECT_THROW(B.ScanLine(0), EVOKError);
    B.SetWidth(3);
    EXPECT_EQ(B.GetImage().size(), QSize(3, 10));

    TBitmap Tall;
    Tall.SetHeight(7);
    B.Assign(&Tall);
    EXPECT_EQ(B.GetWidth(), 0);
    EXPECT_EQ(B.GetHeight(), 7);
    B.SetWidth(2);
    EXPECT_EQ(B.GetImage().size(), QSize(2, 7));
}

TEST(Bitmap, FilesRoundTripAndBadInputFails)
{
    QTemporaryDir Dir;
    TBitmap B(7, 5);
    B.GetCanvas()->GetBrush()->SetColor(clTeal);
    B.GetCanvas()->Ellipse(0, 0, 7, 5);
    for (const char* Name : {"p.png", "p.bmp"}) {
        const QString File = Dir.filePath(QString::fromLatin1(Name));
        B.SaveToFile(File);
        TBitmap C;
        C.LoadFromFile(File);
        ASSERT_EQ(C.GetWidth(), 7);
        for (int Y = 0; Y < 5; ++Y)
            for (int X = 0; X < 7; ++X)
                EXPECT_EQ(C.GetCanvas()->GetPixel(X, Y), B.GetCanvas()->GetPixel(X, Y));
    }
    // JPEG is lossy: same size, colors close.
    const QString Jpeg = Dir.filePath(QStringLiteral("p.jpg"));
    B.SaveToFile(Jpeg);
    TBitmap J;
    J.LoadFromFile(Jpeg);
    EXPECT_EQ(J.GetWidth(), 7);
    EXPECT_EQ(J.GetPixelFormat(), pf24bit);
    EXPECT_NEAR(GetGValue(J.GetCanvas()->GetPixel(3, 2)), GetGValue(clTeal), 40);

    QFile Junk(Dir.filePath(QStringLiteral("junk.png")));
    ASSERT_TRUE(Junk.open(QIODevice::WriteOnly));
    Junk.write("\x89PNG not really");
    Junk.close();
    TBitmap Kept(2, 2);
    EXPECT_THROW(Kept.LoadFromFile(Junk.fileName()), EVOKError);
    EXPECT_THROW(Kept.LoadFromFile(Dir.filePath(QStringLiteral("missing.png"))), EVOKError);
    EXPECT_EQ(Kept.GetWidth(), 2);
    EXPECT_THROW(B.SaveToFile(Dir.filePath(QStringLiteral("no/such/dir/p.png"))), EVOKError);
    EXPECT_THROW(Kept.LoadFromResourceName(QStringLiteral("NOSUCHBITMAP")), EVOKError);
    EXPECT_EQ(Kept.GetWidth(), 2);
}

TEST(Bitmap, AssignMakesAnIndependentCopy)
{
    TBitmap A(4, 4);
    A.SetPixelFormat(pf32bit);
    TBitmap B;
    B.Assign(&A);
    EXPECT_EQ(B.GetWidth(), 4);
    EXPECT_EQ(B.GetPixelFormat(), pf32bit);
    B.GetCanvas()->SetPixel(0, 0, clRed);
    EXPECT_EQ(A.GetCanvas()->GetPixel(0, 0), clWhite);
    TPen Pen;
    EXPECT_THROW(B.Assign(&Pen), EVOKError);
    B.Assign(nullptr);
    EXPECT_TRUE(B.GetEmpty());
}
