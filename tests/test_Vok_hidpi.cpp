// Drawing at a device pixel ratio: canvases and bitmaps at ratio 2 and 1.5
// (set on the bitmap), and controls at the ratio of the screen, which CTest
// runs at QT_SCALE_FACTOR 2 and 1.5 (at 1 the test checks the same things
// with every picture pixel for pixel what the canvas draws).
#include <vok/Vok_controls.h>
#include <vok/Vok_graphics.h>

#include "PictureTest.h"
#include "raster.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>

using namespace vok;

namespace {

constexpr QRgb Red = 0xFF0000;
constexpr QRgb Blue = 0x0000FF;
constexpr QRgb White = 0xFFFFFF;

// The color bits of a device pixel.
QRgb At(const QImage& Image, int X, int Y)
{
    return Image.pixel(X, Y) & 0xFFFFFFu;
}

// A white bitmap of W x H logical pixels at Ratio.
struct Scaled
{
    Scaled(qreal Ratio, int W = 40, int H = 30)
    {
        Bitmap.SetDevicePixelRatio(Ratio);
        Bitmap.SetSize(W, H);
        C = Bitmap.GetCanvas();
        C->GetPen()->SetColor(clRed);
        C->GetBrush()->SetColor(clBlue);
    }
    const QImage& Image() const { return Bitmap.GetImage(); }
    int Edge(int X) const { return raster::DeviceScale(Bitmap.GetDevicePixelRatio()).Edge(X); }
    // The device rows of Image's column X (columns of row Y) that have Color.
    QList<int> RowsOf(int X, QRgb Color) const
    {
        return Matching(Image().height(), [&](int Y) { return At(Image(), X, Y) == Color; });
    }
    QList<int> ColumnsOf(int Y, QRgb Color) const
    {
        return Matching(Image().width(), [&](int X) { return At(Image(), X, Y) == Color; });
    }
    template <class Test>
    static QList<int> Matching(int Count, Test&& Matches)
    {
        QList<int> Result;
        for (int I = 0; I < Count; ++I)
            if (Matches(I))
                Result.append(I);
        return Result;
    }
    QList<int> Range(int From, int To) const
    {
        QList<int> R;
        for (int I = From; I < To; ++I)
            R.append(I);
        return R;
    }

    TBitmap Bitmap;
    TCanvas* C = nullptr;
};

// Of the aligned 2 x 2 device blocks that hold something other than the
// background, the share that are not one color: about 0 for a picture drawn
// at half resolution and scaled up, clearly more for one drawn at device
// resolution.
double DetailedBlocks(const QImage& Image, QRgb Background)
{
    int Inked = 0;
    int Detailed = 0;
    for (int Y = 0; Y + 1 < Image.height(); Y += 2)
        for (int X = 0; X + 1 < Image.width(); X += 2) {
            const QRgb P[4] = {At(Image, X, Y), At(Image, X + 1, Y), At(Image, X, Y + 1), At(Image, X + 1, Y + 1)};
            if (P[0] == Background && P[1] == Background && P[2] == Background && P[3] == Background)
                continue;
            ++Inked;
            Detailed += !(P[0] == P[1] && P[0] == P[2] && P[0] == P[3]);
        }
    return Inked ? double(Detailed) / Inked : 0.0;
}

} // namespace

// ---------------------------------------------------------------- geometry

TEST(DeviceScale, LogicalPixelsTileTheDevicePixels)
{
    const raster::DeviceScale One(1.0), Two(2.0), OneAndHalf(1.5);
    EXPECT_TRUE(One.Identity());
    for (int X : {-7, 0, 1, 13, raster::CoordinateLimit}) {
        EXPECT_EQ(One.Edge(X), X);
        EXPECT_EQ(One.Pixel(X), X);
        EXPECT_EQ(Two.Edge(X), 2 * X);
        EXPECT_EQ(Two.Pixel(X), 2 * X + 1);
    }
    // 1.5: pixels 2, 1, 2, 1 ... across, edges rounded half up.
    const int Edges[] = {0, 2, 3, 5, 6, 8};
    for (int X = 0; X < 6; ++X)
        EXPECT_EQ(OneAndHalf.Edge(X), Edges[X]);
    for (int X = 0; X < 6; ++X) {
        EXPECT_GE(OneAndHalf.Pixel(X), OneAndHalf.Edge(X));
        EXPECT_LT(OneAndHalf.Pixel(X), OneAndHalf.Edge(X + 1));
    }
    // Sizes made by Edge come back by Logical.
    for (double Ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0})
        for (int W : {0, 1, 7, 101, 297})
            EXPECT_EQ(raster::DeviceScale(Ratio).Logical(raster::DeviceScale(Ratio).Edge(W)), W) << Ratio << " " << W;
    EXPECT_EQ(OneAndHalf.Thickness(1), 2);
    EXPECT_EQ(Two.Thickness(3), 6);
    EXPECT_EQ(raster::DeviceScale(1.25).Thickness(1), 1);
    // A broken ratio counts as 1.
    EXPECT_TRUE(raster::DeviceScale(0.0).Identity());
    EXPECT_TRUE(raster::DeviceScale(std::nan("")).Identity());
    EXPECT_EQ(Two.Edge(raster::CoordinateLimit), 2 * raster::CoordinateLimit);
}

TEST(DeviceScale, ScaledPolygonRowsSampleTheLogicalShape)
{
    const QList<TPoint> Triangle{{0, 0}, {10, 0}, {0, 10}};
    for (int Y = 0; Y < 20; ++Y) {
        const raster::RowSpans Row = raster::PolygonRow(Triangle, Y, 2.0);
        ASSERT_EQ(Row.size(), 1) << Y;
        EXPECT_EQ(Row[0].X1, 0);
        EXPECT_EQ(Row[0].X2, 20 - Y) << Y;
    }
    EXPECT_TRUE(raster::PolygonRow(Triangle, 20, 2.0).isEmpty());
    EXPECT_EQ(raster::PolygonRow(Triangle, 3, 1.0)[0].X2, raster::PolygonRow(Triangle, 3)[0].X2);
}

// ---------------------------------------------------------------- canvas at a ratio

TEST(CanvasAtRatio, PictureHoldsTheDevicePixelsOfItsLogicalSize)
{
    for (qreal Ratio : {2.0, 1.5}) {
        Scaled P(Ratio, 41, 31);
        EXPECT_EQ(P.Bitmap.GetWidth(), 41);
        EXPECT_EQ(P.C->Width(), 41);
        EXPECT_EQ(P.C->Height(), 31);
        EXPECT_EQ(P.Image().width(), P.Edge(41));
        EXPECT_EQ(P.Image().height(), P.Edge(31));
        EXPECT_EQ(P.C->GetDevicePixelRatio(), Ratio);
        EXPECT_EQ(P.C->GetClipRect(), Rect(0, 0, 41, 31));
        // Resizing keeps the ratio and the content.
        P.C->GetBrush()->SetColor(clRed);
        P.C->FillRect(Rect(0, 0, 5, 5));
        P.Bitmap.SetSize(60, 50);
        EXPECT_EQ(P.Image().width(), P.Edge(60));
        EXPECT_EQ(P.C->GetPixel(4, 4), clRed);
        EXPECT_EQ(P.C->GetPixel(5, 5), clWhite);
    }
}

TEST(CanvasAtRatio, OnePixelLinesCoverTheDevicePixelsOfTheirLogicalPixels)
{
    for (qreal Ratio : {2.0, 1.5}) {
        Scaled P(Ratio);
        for (int Y : {3, 4, 5}) {
            P.C->MoveTo(2, Y);
            P.C->LineTo(30, Y);
        }
        P.C->GetPen()->SetColor(clBlue);
        P.C->MoveTo(35, 2);
        P.C->LineTo(35, 20);
        // Three lines on neighbouring rows tile their device rows: no gap, no overlap.
        EXPECT_EQ(P.RowsOf(P.Edge(10), Red), P.Range(P.Edge(3), P.Edge(6))) << Ratio;
        for (int Y : {3, 4, 5})
            EXPECT_EQ(P.ColumnsOf(P.Edge(Y), Red), P.Range(P.Edge(2), P.Edge(30))) << Ratio;
        // A vertical line: the rounded ratio's device pixels across.
        const QList<int> Across = P.ColumnsOf(P.Edge(10), Blue);
        EXPECT_EQ(Across, P.Range(P.Edge(35), P.Edge(36))) << Ratio;
        EXPECT_EQ(P.Edge(36) - P.Edge(35), Ratio == 2.0 ? 2 : 1);
        EXPECT_EQ(P.Edge(35) - P.Edge(34), Ratio == 2.0 ? 2 : 2);
    }
    // A diagonal line at ratio 2: whole 2 x 2 blocks, the last point left out.
    Scaled P(2.0);
    P.C->MoveTo(1, 1);
    P.C->LineTo(6, 6);
    for (int K = 1; K < 6; ++K)
        for (int D : {0, 1})
            for (int E : {0, 1})
                EXPECT_EQ(At(P.Image(), 2 * K + D, 2 * K + E), Red) << K;
    EXPECT_EQ(At(P.Image(), 12, 12), White);
    EXPECT_EQ(At(P.Image(), 4, 2), White);
}

TEST(CanvasAtRatio, RectanglesAndFramesFallOnTheDevicePixelsOfTheirEdges)
{
    for (qreal Ratio : {2.0, 1.5}) {
        Scaled P(Ratio);
        P.C->FillRect(Rect(3, 4, 10, 9));
        EXPECT_EQ(P.ColumnsOf(P.Edge(6), Blue), P.Range(P.Edge(3), P.Edge(10))) << Ratio;
        EXPECT_EQ(P.RowsOf(P.Edge(5), Blue), P.Range(P.Edge(4), P.Edge(9))) << Ratio;
        // Outline inside the box, one logical pixel wide; corners pen-colored.
        P.C->Rectangle(20, 5, 30, 15);
        const int L = P.Edge(20), T = P.Edge(5), R = P.Edge(30), B = P.Edge(15);
        for (auto [X, Y] : {std::pair{L, T}, {R - 1, T}, {L, B - 1}, {R - 1, B - 1}})
            EXPECT_EQ(At(P.Image(), X, Y), Red) << Ratio << " " << X << "," << Y;
        EXPECT_EQ(At(P.Image(), P.Edge(21) - 1, P.Edge(6) - 1), Red);
        EXPECT_EQ(At(P.Image(), P.Edge(21), P.Edge(6)), Blue);
        EXPECT_EQ(At(P.Image(), R, T), White);
        EXPECT_EQ(At(P.Image(), L - 1, T), White);
        EXPECT_EQ(P.ColumnsOf(P.Edge(10), Red), P.Range(L, P.Edge(21)) + P.Range(P.Edge(29), R));
        // A frame keeps its corner pixels.
        P.C->GetBrush()->SetColor(clLime);
        P.C->FrameRect(Rect(2, 20, 12, 28));
        for (auto [X, Y] : {std::pair{P.Edge(2), P.Edge(20)}, {P.Edge(12) - 1, P.Edge(28) - 1}})
            EXPECT_EQ(At(P.Image(), X, Y), 0x00FF00u) << Ratio;
        EXPECT_EQ(At(P.Image(), P.Edge(3), P.Edge(21)), White);
    }
}

TEST(CanvasAtRatio, PixelsReadAndWriteWholeLogicalPixels)
{
    Scaled P(2.0);
    P.C->SetPixel(5, 6, clRed);
    for (int D : {0, 1})
        for (int E : {0, 1})
            EXPECT_EQ(At(P.Image(), 10 + D, 12 + E), Red);
    EXPECT_EQ(P.C->GetPixel(5, 6), clRed);
    // The top-left device pixel counts.
    P.Bitmap.ScanLine(15)[15] = 0xFF0000FFu;
    EXPECT_EQ(P.C->GetPixel(7, 7), clWhite);
    P.Bitmap.ScanLine(14)[14] = 0xFF0000FFu;
    EXPECT_EQ(P.C->GetPixel(7, 7), clBlue);
    EXPECT_EQ(P.C->GetPixel(40, 0), clNone);
    EXPECT_EQ(P.C->GetPixel(39, 29), clWhite);
    EXPECT_THROW(P.Bitmap.ScanLine(60), EVOKError);
    EXPECT_NO_THROW(P.Bitmap.ScanLine(59));
}

TEST(CanvasAtRatio, TextShowsDetailFinerThanALogicalPixel)
{
    Scaled Sharp(2.0, 120, 30);
    Sharp.C->GetBrush()->SetStyle(bsClear);
    Sharp.C->TextOut(4, 4, QStringLiteral("Pressure 12.5 kPa"));
    EXPECT_GT(DetailedBlocks(Sharp.Image(), White), 0.2);
    // The same text at ratio 1, scaled up, has none: the measure tells them apart.
    Scaled Plain(1.0, 120, 30);
    Plain.C->GetBrush()->SetStyle(bsClear);
    Plain.C->TextOut(4, 4, QStringLiteral("Pressure 12.5 kPa"));
    EXPECT_EQ(DetailedBlocks(Plain.Image().scaled(240, 60), White), 0.0);
    // Same place and size in logical pixels.
    const TRect Ink = [&] {
        TRect R{1000, 1000, 0, 0};
        for (int Y = 0; Y < 30; ++Y)
            for (int X = 0; X < 120; ++X)
                if (Plain.C->GetPixel(X, Y) != clWhite)
                    R = {std::min(R.Left, X), std::min(R.Top, Y), std::max(R.Right, X + 1), std::max(R.Bottom, Y + 1)};
        return R;
    }();
    EXPECT_TRUE(test::AnyPixel(*Sharp.C, Ink, clBlack) || DetailedBlocks(Sharp.Image(), White) > 0);
    for (int X = Ink.Right + 1; X < 120; ++X)
        for (int Y = 0; Y < 30; ++Y)
            ASSERT_EQ(Sharp.C->GetPixel(X, Y), clWhite) << X << "," << Y;
    // An opaque text box covers the device pixels of its logical box.
    Sharp.C->GetBrush()->SetStyle(bsSolid);
    Sharp.C->TextRect(Rect(0, 20, 50, 30), 2, 20, QStringLiteral("x"));
    EXPECT_EQ(Sharp.RowsOf(99, Blue), Sharp.Range(40, 60));
}

TEST(CanvasAtRatio, TextLandsOnTheSamePixelsOnEveryDrawing)
{
    // A text's first drawing shapes it directly; later ones reuse its
    // laid-out glyphs. A page repainted must not shift by a device pixel.
    const QString Text = QStringLiteral("AVWTa 12.5 kPa fj");
    for (const qreal Ratio : {1.0, 1.25, 1.5, 2.0, 3.0})
        for (const TFontStyles Style : {TFontStyles(), TFontStyles(fsBold), TFontStyles(fsItalic)}) {
            Scaled First(Ratio, 140, 80);
            Scaled Again(Ratio, 140, 80);
            for (Scaled* S : {&First, &Again}) {
                S->C->GetFont()->SetStyle(Style);
                S->C->GetBrush()->SetStyle(bsClear);
            }
            const auto Draw = [&](Scaled& S) {
                for (int I = 0; I < 5; ++I)
                    S.C->TextOut(I, 1 + 13 * I, Text);
                S.C->TextRect(Rect(10, 66, 70, 78), 7, 65, Text);
            };
            Draw(First);
            Draw(Again);
            Again.C->GetBrush()->SetStyle(bsSolid);
            Again.C->GetBrush()->SetColor(clWhite);
            Again.C->FillRect(Rect(0, 0, 140, 80));
            Again.C->GetBrush()->SetStyle(bsClear);
            ASSERT_NE(Again.C->GetFont()->RepeatedLayout(Text), nullptr);
            Draw(Again);
            EXPECT_EQ(First.Image(), Again.Image()) << "ratio " << Ratio << ", style " << int(Style.toInt());
        }
}

TEST(CanvasAtRatio, FiguresAreDrawnAtDeviceResolution)
{
    const auto Shapes = [](TCanvas* C) {
        C->Ellipse(2, 2, 30, 24);
        C->Pie(32, 2, 60, 28, 70, 15, 46, -10);
        C->Arc(2, 30, 30, 56, 40, 43, 16, 20);
        C->Polygon({{35, 32}, {58, 36}, {44, 56}});
    };
    Scaled Sharp(2.0, 64, 60);
    Shapes(Sharp.C);
    Scaled Plain(1.0, 64, 60);
    Shapes(Plain.C);
    EXPECT_GT(DetailedBlocks(Sharp.Image(), White), 0.1);
    // The same figures in the same logical places: where the plain picture
    // is white on a whole 3 x 3 neighbourhood, the sharp one is too.
    for (int Y = 1; Y < 59; ++Y)
        for (int X = 1; X < 63; ++X) {
            bool Empty = true;
            for (int D = -1; D <= 1; ++D)
                for (int E = -1; E <= 1; ++E)
                    Empty = Empty && Plain.C->GetPixel(X + D, Y + E) == clWhite;
            if (!Empty)
                continue;
            for (int D : {0, 1})
                for (int E : {0, 1})
                    ASSERT_EQ(At(Sharp.Image(), 2 * X + D, 2 * Y + E), White) << X << "," << Y;
        }
    // The ellipse's outline is two device pixels across, its fill inside.
    EXPECT_EQ(Sharp.ColumnsOf(26, Red).mid(0, 2), Sharp.Range(4, 6));
    EXPECT_EQ(At(Sharp.Image(), 6, 26), Blue);
    EXPECT_EQ(At(Sharp.Image(), 3, 26), White);
    // Symmetric about both axes of the box.
    for (int Y = 4; Y < 48; ++Y)
        for (int X = 4; X < 60; ++X)
            ASSERT_EQ(At(Sharp.Image(), X, Y), At(Sharp.Image(), 63 - X, Y)) << X << "," << Y;
}

TEST(CanvasAtRatio, PolygonsFillAndDashAtDevicePixels)
{
    Scaled P(2.0);
    P.C->GetPen()->SetStyle(psClear);
    P.C->Polygon({{2, 2}, {12, 2}, {12, 10}, {2, 10}});
    EXPECT_EQ(P.ColumnsOf(10, Blue), P.Range(4, 24));
    EXPECT_EQ(P.RowsOf(10, Blue), P.Range(4, 20));
    // Dots draw or leave out whole logical pixels; left out, they stay unfilled.
    P.C->GetPen()->SetStyle(psDot);
    P.C->Polygon({{2, 14}, {12, 14}, {12, 24}, {2, 24}});
    EXPECT_EQ(P.ColumnsOf(28, Red), P.Range(4, 10) + P.Range(16, 22));
    EXPECT_EQ(At(P.Image(), 11, 29), White);
    EXPECT_EQ(At(P.Image(), 11, 30), Blue);
}

TEST(CanvasAtRatio, WidePensScaleTheirWidth)
{
    Scaled P(2.0);
    P.C->GetPen()->SetWidth(3);
    P.C->MoveTo(5, 10);
    P.C->LineTo(30, 10);
    // Three logical pixels across the line's row: six device pixels.
    EXPECT_EQ(P.RowsOf(P.Edge(15), Red), P.Range(P.Edge(9), P.Edge(12)));
    P.C->Ellipse(2, 14, 20, 29);
    EXPECT_EQ(P.ColumnsOf(P.Edge(21) + 1, Red).mid(0, 6), P.Range(P.Edge(2), P.Edge(5)));
}

TEST(CanvasAtRatio, FloodFillSpreadsOverDevicePixels)
{
    Scaled P(2.0);
    P.C->GetBrush()->SetStyle(bsClear);
    P.C->Ellipse(4, 4, 30, 26);
    P.C->GetBrush()->SetColor(clLime);
    P.C->GetBrush()->SetStyle(bsSolid);
    P.C->FloodFill(17, 15, clWhite, fsSurface);
    // Everything inside the outline is filled, nothing outside it.
    int Filled = 0;
    for (int Y = 0; Y < P.Image().height(); ++Y) {
        const QList<int> Outline = P.ColumnsOf(Y, Red);
        for (int X = 0; X < P.Image().width(); ++X) {
            const bool Inside = !Outline.isEmpty() && X > Outline.front() && X < Outline.back()
                && !Outline.contains(X);
            if (At(P.Image(), X, Y) == 0x00FF00u) {
                ++Filled;
                ASSERT_TRUE(Inside) << X << "," << Y;
            }
        }
    }
    EXPECT_GT(Filled, 4 * 20 * 16);
    EXPECT_EQ(At(P.Image(), 0, 0), White);
}

TEST(CanvasAtRatio, CopiesMapLogicalRectanglesBetweenRatios)
{
    // Equal ratios copy device pixels as they are.
    Scaled Source(2.0, 20, 20);
    Source.C->Ellipse(0, 0, 20, 20);
    Scaled Dest(2.0);
    Dest.C->Draw(10, 5, &Source.Bitmap);
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 40; ++X)
            ASSERT_EQ(At(Dest.Image(), 20 + X, 10 + Y), At(Source.Image(), X, Y));
    // A picture of ratio 1 (as loaded from a file) comes smoothly scaled to
    // the canvas's device pixels, once while it does not change.
    TBitmap Loaded;
    {
        QImage File(10, 10, QImage::Format_RGB32);
        File.fill(Qt::red);
        QBuffer Buffer;
        Buffer.open(QIODevice::ReadWrite);
        File.save(&Buffer, "PNG");
        Buffer.seek(0);
        Loaded.LoadFromStream(Buffer);
    }
    EXPECT_EQ(Loaded.GetDevicePixelRatio(), 1.0);
    const QImage* First = &Loaded.ImageAt(2.0);
    EXPECT_EQ(First->size(), QSize(20, 20));
    EXPECT_EQ(&Loaded.ImageAt(2.0), First);
    EXPECT_EQ(First->constBits(), Loaded.ImageAt(2.0).constBits());
    Scaled Canvas(2.0);
    Canvas.C->Draw(3, 3, &Loaded);
    EXPECT_EQ(Canvas.ColumnsOf(10, Red), Canvas.Range(6, 26));
    EXPECT_EQ(Canvas.RowsOf(10, Red), Canvas.Range(6, 26));
    // A change to the picture makes a new scaled one.
    Loaded.GetCanvas()->GetBrush()->SetColor(clBlue);
    Loaded.GetCanvas()->FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(At(Loaded.ImageAt(2.0), 5, 5), Blue);
    // Self-copies of a region at ratio 1.5 land on the device pixels of the target.
    Scaled Self(1.5);
    Self.C->FillRect(Rect(0, 0, 4, 4));
    Self.C->CopyRect(Rect(10, 10, 14, 14), Self.C, Rect(0, 0, 4, 4));
    EXPECT_EQ(Self.ColumnsOf(Self.Edge(11), Blue), Self.Range(Self.Edge(10), Self.Edge(14)));
    EXPECT_EQ(Self.RowsOf(Self.Edge(12), Blue), Self.Range(Self.Edge(10), Self.Edge(14)));
}

TEST(CanvasAtRatio, BitmapsMadeByCodeTakeTheScreensRatio)
{
    const qreal Screen = qGuiApp->devicePixelRatio();
    TBitmap Made(30, 20);
    EXPECT_EQ(Made.GetDevicePixelRatio(), Screen);
    EXPECT_EQ(Made.GetImage().devicePixelRatio(), Screen);
    // A bitmap a control draws through follows the control's screen.
    QWidget Owner;
    TBitmap Own;
    Own.GetCanvas()->SetPaletteSource(&Owner);
    Own.SetSize(30, 20);
    EXPECT_EQ(Own.GetDevicePixelRatio(), Owner.devicePixelRatioF());
    // A fixed ratio stays, and the content is scaled along.
    Made.GetCanvas()->GetBrush()->SetColor(clRed);
    Made.GetCanvas()->FillRect(Rect(0, 0, 15, 20));
    Made.SetDevicePixelRatio(3);
    EXPECT_EQ(Made.GetImage().size(), QSize(90, 60));
    EXPECT_EQ(Made.GetWidth(), 30);
    EXPECT_EQ(Made.GetCanvas()->GetPixel(5, 5), clRed);
    EXPECT_EQ(Made.GetCanvas()->GetPixel(25, 5), clWhite);
    Made.SetSize(10, 10);
    EXPECT_EQ(Made.GetImage().size(), QSize(30, 30));
    Made.SetDevicePixelRatio(-1);
    EXPECT_EQ(Made.GetDevicePixelRatio(), 3.0);
    // Assign takes ratio and size along.
    TBitmap Copy;
    Copy.Assign(&Made);
    EXPECT_EQ(Copy.GetDevicePixelRatio(), 3.0);
    EXPECT_EQ(Copy.GetWidth(), 10);
    // A part copied out keeps the resolution.
    EXPECT_EQ(Made.CopyImage(Rect(2, 2, 6, 4)).size(), QSize(12, 6));
}

// ---------------------------------------------------------------- controls

namespace {
// A control that draws a frame, a line and a text.
class TSample : public TGraphicControl
{
public:
    explicit TSample(QWidget* AOwner = nullptr)
        : TGraphicControl(AOwner)
    {
        SetBounds(0, 0, 120, 40);
    }
    void Paint() override
    {
        TCanvas* C = GetCanvas();
        C->GetBrush()->SetColor(clWhite);
        C->GetPen()->SetColor(clRed);
        C->Rectangle(0, 0, GetWidth(), GetHeight());
        C->MoveTo(2, 30);
        C->LineTo(100, 30);
        C->GetBrush()->SetStyle(bsClear);
        C->TextOut(4, 4, QStringLiteral("Flow 42 l/min"));
    }
};
} // namespace

TEST(ControlAtRatio, PictureIsDrawnAtTheScreensRatio)
{
    QWidget Window;
    auto* Layout = new QHBoxLayout(&Window);
    Layout->addWidget(new QLineEdit(QStringLiteral("beside")));
    auto* Sample = new TSample;
    Layout->addWidget(Sample);
    Window.show();
    QCoreApplication::processEvents();
    const qreal Ratio = Sample->devicePixelRatioF();
    EXPECT_EQ(Ratio, qGuiApp->devicePixelRatio());
    const raster::DeviceScale Scale(Ratio);
    Sample->Repaint();
    const QImage& Picture = Sample->GetPicture();
    EXPECT_EQ(Picture.devicePixelRatio(), Ratio);
    EXPECT_EQ(Picture.size(), QSize(Scale.Edge(Sample->width()), Scale.Edge(Sample->height())));
    EXPECT_EQ(Sample->GetCanvas()->Width(), Sample->width());
    // The line covers the device rows of its logical row, the frame's corners
    // are pen-colored.
    for (int Y = 20; Y < Scale.Edge(35); ++Y)
        EXPECT_EQ(At(Picture, Scale.Edge(50), Y) == Red, Y >= Scale.Edge(30) && Y < Scale.Edge(31)) << Y;
    EXPECT_EQ(At(Picture, 0, 0), Red);
    EXPECT_EQ(At(Picture, Picture.width() - 1, Picture.height() - 1), Red);
    if (Ratio >= 2) {
        EXPECT_GT(DetailedBlocks(Picture.copy(0, 0, Picture.width(), Scale.Edge(20)), White), 0.2);
    }
    // What the screen shows is the picture, at device resolution.
    const QPixmap Grab = Sample->grab();
    EXPECT_EQ(Grab.devicePixelRatio(), Ratio);
    const QImage Shown = Grab.toImage();
    ASSERT_EQ(Shown.size(), Picture.size());
    for (int Y = 0; Y < Shown.height(); ++Y)
        for (int X = 0; X < Shown.width(); ++X)
            ASSERT_EQ(Shown.pixel(X, Y), Picture.pixel(X, Y)) << X << "," << Y;
}
