#include <vok/Vok_bitmap.h>
#include <vok/Vok_canvas.h>
#include <vok/Vok_syscolors.h>
#include <vok/Vok_rounding.h>

#include "raster.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <optional>
#include <tuple>

namespace vok {

namespace {

constexpr quint32 AlphaBits = 0xFF000000u;
constexpr quint32 ColorBits = 0x00FFFFFFu;
constexpr QImage::Format CanvasFormat = QImage::Format_ARGB32_Premultiplied;

quint32 CombinePen(TPenMode Mode, quint32 Dest, quint32 Color)
{
    switch (Mode) {
    case pmBlack:
        return AlphaBits;
    case pmWhite:
        return 0xFFFFFFFFu;
    case pmNop:
        return Dest;
    case pmNot:
        return Dest ^ ColorBits;
    case pmCopy:
        return Color;
    case pmNotCopy:
        return Color ^ ColorBits;
    case pmMask:
        return Dest & (Color | AlphaBits);
    case pmMerge:
        return Dest | (Color & ColorBits);
    case pmXor:
        return Dest ^ (Color & ColorBits);
    }
    return Color;
}

void CombineRow(TCopyMode Mode, quint32* Dest, const quint32* Source, int Count)
{
    switch (Mode) {
    case cmSrcCopy:
        std::memcpy(Dest, Source, size_t(Count) * sizeof(quint32));
        return;
    case cmSrcAnd:
        for (int I = 0; I < Count; ++I)
            Dest[I] &= Source[I];
        return;
    case cmSrcPaint:
        for (int I = 0; I < Count; ++I)
            Dest[I] |= Source[I];
        return;
    case cmSrcInvert:
        for (int I = 0; I < Count; ++I)
            Dest[I] ^= Source[I] & ColorBits;
        return;
    case cmDstInvert:
        for (int I = 0; I < Count; ++I)
            Dest[I] ^= ColorBits;
        return;
    case cmNotSrcCopy:
        for (int I = 0; I < Count; ++I)
            Dest[I] = Source[I] ^ ColorBits;
        return;
    case cmBlackness:
        std::fill_n(Dest, Count, AlphaBits);
        return;
    case cmWhiteness:
        std::fill_n(Dest, Count, 0xFFFFFFFFu);
        return;
    }
}

// Count pixels of Color from P on; eight at a time, so that the stores are
// wide ones without relying on the optimizer to vectorize the loop.
void FillPixels(quint32* P, int Count, quint32 Color)
{
    constexpr int Block = 8;
    quint32 Pattern[Block];
    std::fill_n(Pattern, Block, Color);
    for (; Count >= Block; Count -= Block, P += Block)
        std::memcpy(P, Pattern, sizeof Pattern);
    std::fill_n(P, Count, Color);
}

TRect Intersect(const TRect& A, const TRect& B)
{
    TRect R{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
    if (R.IsEmpty())
        return {};
    return R;
}

// The box between two corners, within the coordinate limit.
TRect Normalized(int X1, int Y1, int X2, int Y2)
{
    X1 = raster::ClampCoordinate(X1);
    Y1 = raster::ClampCoordinate(Y1);
    X2 = raster::ClampCoordinate(X2);
    Y2 = raster::ClampCoordinate(Y2);
    return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

TRect Clamped(const TRect& R)
{
    return {raster::ClampCoordinate(R.Left), raster::ClampCoordinate(R.Top), raster::ClampCoordinate(R.Right),
        raster::ClampCoordinate(R.Bottom)};
}

QList<TPoint> ClampedPoints(const QList<TPoint>& Points)
{
    QList<TPoint> Result;
    Result.reserve(Points.size());
    for (const TPoint& P : Points)
        Result.append(raster::Clamped(P));
    return Result;
}

// The pixels the points lie on (right and bottom exclusive); Points not empty.
TRect PointBounds(const QList<TPoint>& Points)
{
    TRect Bounds{Points[0].X, Points[0].Y, Points[0].X + 1, Points[0].Y + 1};
    for (const TPoint& P : Points)
        Bounds = {std::min(Bounds.Left, P.X), std::min(Bounds.Top, P.Y), std::max(Bounds.Right, P.X + 1),
            std::max(Bounds.Bottom, P.Y + 1)};
    return Bounds;
}

// All dash patterns repeat after this many pixels.
constexpr int DashPeriod = 24;

// Walks the closed outline through Corners, each edge without its end point
// so every pixel comes once, and calls Visit(X, Y, On) for the pixels within
// Limit, On telling whether the dash pattern of Style draws them.
template <class VisitFn>
void WalkOutline(const QList<TPoint>& Corners, TPenStyle Style, const TRect& Limit, VisitFn&& Visit)
{
    long long Phase = 0;
    for (qsizetype I = 0; I < Corners.size(); ++I) {
        const TPoint A = Corners[I];
        const TPoint B = Corners[(I + 1) % Corners.size()];
        raster::ForEachLinePoint(A, B, false, Limit, [&](int X, int Y, int K) {
            Visit(X, Y, raster::DashOn(Style, int((Phase + K) % DashPeriod)));
        });
        Phase += std::max(std::llabs((long long)B.X - A.X), std::llabs((long long)B.Y - A.Y));
    }
}

// A pixel of a one-pixel outline and whether the pen's dashes draw it.
struct OutlinePixel
{
    int Y;
    int X;
    bool On;
    qsizetype Order; // when the walk came by
};

// The pixels of the closed outline through Corners within Limit, sorted by
// row and column, each once: where the outline passes a pixel twice, the
// later pass counts.
std::vector<OutlinePixel> OutlinePixels(const QList<TPoint>& Corners, TPenStyle Style, const TRect& Limit)
{
    std::vector<OutlinePixel> Walked;
    WalkOutline(Corners, Style, Limit,
        [&](int X, int Y, bool On) { Walked.push_back({Y, X, On, qsizetype(Walked.size())}); });
    std::sort(Walked.begin(), Walked.end(), [](const OutlinePixel& A, const OutlinePixel& B) {
        return std::tie(A.Y, A.X, A.Order) < std::tie(B.Y, B.X, B.Order);
    });
    std::vector<OutlinePixel> Unique;
    Unique.reserve(Walked.size());
    for (const OutlinePixel& P : Walked) {
        if (!Unique.empty() && Unique.back().Y == P.Y && Unique.back().X == P.X)
            Unique.back() = P;
        else
            Unique.push_back(P);
    }
    return Unique;
}

// Adds pixel X to a row's runs; pixels come in increasing order.
void AppendPixel(raster::RowSpans& Runs, int X)
{
    if (!Runs.isEmpty() && Runs.back().X2 == X)
        ++Runs.back().X2;
    else
        Runs.append({X, X + 1});
}

TRect Inflated(const TRect& R, int D)
{
    return {R.Left - D, R.Top - D, R.Right + D, R.Bottom + D};
}

// Direct pixel access to the canvas image within the clip rectangle, in the
// image's logical pixels: each one paints the device pixels Scale maps it to
// (all of them at once, so lines and boxes stay crisp at any ratio). With
// the identity scale logical pixels are device pixels.
class PixelTarget
{
public:
    PixelTarget(QImage& Image, TRect Clip, raster::DeviceScale Scale = raster::DeviceScale(1.0))
        : FBits(Image.bits())
        , FStride(Image.bytesPerLine())
        , FClip(Clip)
        , FScale(Scale)
        , FDeviceClip(Scale.Rect(Clip))
    {
    }

    const TRect& Clip() const { return FClip; }
    quint32* Row(int Y) const { return reinterpret_cast<quint32*>(FBits + qsizetype(Y) * FStride); }

    void Plot(int X, int Y, quint32 Color, TPenMode Mode) const
    {
        if (!FClip.Contains({X, Y}))
            return;
        if (!FScale.Identity()) {
            Box({X, Y, X + 1, Y + 1}, Color, Mode);
            return;
        }
        quint32& P = Row(Y)[X];
        P = CombinePen(Mode, P, Color);
    }

    // Pixels [X1, X2) of row Y.
    void Span(int Y, int X1, int X2, quint32 Color, TPenMode Mode) const
    {
        if (FScale.Identity()) {
            DeviceSpan(Y, X1, X2, Color, Mode);
            return;
        }
        if (Y < FClip.Top || Y >= FClip.Bottom)
            return;
        const int Bottom = FScale.Edge(Y + 1);
        for (int DY = FScale.Edge(Y); DY < Bottom; ++DY)
            DeviceSpan(DY, FScale.Edge(std::max(X1, FClip.Left)), FScale.Edge(std::min(X2, FClip.Right)), Color, Mode);
    }

    void Box(const TRect& R, quint32 Color, TPenMode Mode) const
    {
        const TRect D = FScale.Identity() ? R : FScale.Rect(Intersect(R, FClip));
        const int Top = std::max(D.Top, FDeviceClip.Top);
        const int Bottom = std::min(D.Bottom, FDeviceClip.Bottom);
        for (int Y = Top; Y < Bottom; ++Y)
            DeviceSpan(Y, D.Left, D.Right, Color, Mode);
    }

private:
    // Device pixels [X1, X2) of device row Y.
    void DeviceSpan(int Y, int X1, int X2, quint32 Color, TPenMode Mode) const
    {
        if (Y < FDeviceClip.Top || Y >= FDeviceClip.Bottom)
            return;
        X1 = std::max(X1, FDeviceClip.Left);
        X2 = std::min(X2, FDeviceClip.Right);
        if (X2 <= X1)
            return;
        quint32* P = Row(Y) + X1;
        if (Mode == pmCopy) {
            FillPixels(P, X2 - X1, Color);
            return;
        }
        for (int I = 0; I < X2 - X1; ++I)
            P[I] = CombinePen(Mode, P[I], Color);
    }

    uchar* FBits;
    qsizetype FStride;
    TRect FClip;
    raster::DeviceScale FScale;
    TRect FDeviceClip;
};

// Cell states of a figure mask.
enum : quint8 { mkOutside = 0, mkInside = 1, mkOutline = 2 };

// The pixels of one figure with a wide pen over a box: inside (brush) and
// the stroke (pen). Each pixel is painted once, so the combining pen modes
// work on the figure as a whole.
class FigureMask
{
public:
    explicit FigureMask(TRect Box)
        : FBox(Box)
        , FCells(Box.IsEmpty() ? 0 : size_t(Box.Width()) * size_t(Box.Height()), mkOutside)
    {
    }

    const TRect& Box() const { return FBox; }
    bool Empty() const { return FCells.empty(); }

    void Set(int X, int Y, quint8 V)
    {
        if (FBox.Contains({X, Y}))
            FCells[Index(X, Y)] = V;
    }
    quint8* Row(int Y) { return FCells.data() + size_t(Y - FBox.Top) * size_t(FBox.Width()); }

private:
    size_t Index(int X, int Y) const { return size_t(Y - FBox.Top) * size_t(FBox.Width()) + size_t(X - FBox.Left); }

    TRect FBox;
    std::vector<quint8> FCells;
};

// The box a figure's mask needs: the figure's bounds (with room for the pen)
// within the clip rectangle, one pixel wider for the neighbour test.
TRect MaskBox(const TRect& Bounds, int PenWidth, const TRect& Clip)
{
    return Intersect(Inflated(Bounds, std::min(PenWidth, raster::CoordinateLimit) + 1), Inflated(Clip, 1));
}

// Marks as outline the pixels a wide pen's stroke along Path covers.
void MarkStroke(FigureMask& Mask, const QPainterPath& Path, double PenWidth)
{
    const TRect& Box = Mask.Box();
    QImage Coverage(Box.Width(), Box.Height(), QImage::Format_Grayscale8);
    Coverage.fill(0);
    {
        QPainter P(&Coverage);
        P.setRenderHint(QPainter::Antialiasing, false);
        P.translate(-Box.Left, -Box.Top);
        P.setPen(QPen(Qt::white, PenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        P.setBrush(Qt::NoBrush);
        P.drawPath(Path);
    }
    for (int Y = Box.Top; Y < Box.Bottom; ++Y) {
        const uchar* Src = Coverage.constScanLine(Y - Box.Top);
        for (int X = Box.Left; X < Box.Right; ++X)
            if (Src[X - Box.Left] >= 128)
                Mask.Set(X, Y, mkOutline);
    }
}

void PaintMask(const PixelTarget& Target, FigureMask& Mask, const TPen& Pen, const TBrush& Brush)
{
    const bool UsePen = Pen.GetStyle() != psClear;
    const bool UseBrush = Brush.GetStyle() == bsSolid;
    const quint32 PenPixel = ColorToPixel(Pen.GetColor());
    const quint32 BrushPixel = ColorToPixel(Brush.GetColor());
    const TPenMode Mode = Pen.GetMode();
    const TRect Area = Intersect(Mask.Box(), Target.Clip());
    for (int Y = Area.Top; Y < Area.Bottom; ++Y) {
        const quint8* Cells = Mask.Row(Y) - Mask.Box().Left;
        int X = Area.Left;
        while (X < Area.Right) {
            const quint8 Kind = Cells[X];
            int End = X + 1;
            while (End < Area.Right && Cells[End] == Kind)
                ++End;
            if (Kind == mkInside && UseBrush)
                Target.Span(Y, X, End, BrushPixel, Mode);
            else if (Kind == mkOutline && UsePen)
                Target.Span(Y, X, End, PenPixel, Mode);
            X = End;
        }
    }
}

// Marks the stroke of the polyline through the device centres of Points,
// PenWidth device pixels wide with round caps and joins (as Qt's stroker
// draws it), row by row along each segment.
void MarkPolylineStroke(
    FigureMask& Mask, const QList<TPoint>& Points, const raster::DeviceScale& Scale, int PenWidth, bool Closed)
{
    const TRect& Box = Mask.Box();
    const double Radius = PenWidth / 2.0;
    auto MarkSegment = [&](QPointF A, QPointF B) {
        const raster::Capsule Stroke(A, B, Radius);
        const int Bottom = std::min(Box.Bottom, Stroke.Bottom());
        for (int Y = std::max(Box.Top, Stroke.Top()); Y < Bottom; ++Y) {
            const raster::RowSpan S = Stroke.Row(Y);
            for (int X = std::max(S.X1, Box.Left); X < std::min(S.X2, Box.Right); ++X)
                Mask.Set(X, Y, mkOutline);
        }
    };
    const qsizetype N = Points.size();
    if (N == 1)
        MarkSegment(Scale.Centre(Points[0]), Scale.Centre(Points[0]));
    for (qsizetype I = 1; I < N; ++I)
        MarkSegment(Scale.Centre(Points[I - 1]), Scale.Centre(Points[I]));
    if (Closed && N > 2)
        MarkSegment(Scale.Centre(Points[N - 1]), Scale.Centre(Points[0]));
}

// Box of a figure's wide-pen stroke: inset by half the pen so the stroke
// stays inside the bounding box.
QRectF StrokeBox(const TRect& Box, double PenWidth)
{
    const double Half = PenWidth / 2.0;
    return QRectF(Box.Left + Half, Box.Top + Half, std::max(0.0, Box.Width() - 2 * Half),
        std::max(0.0, Box.Height() - 2 * Half));
}

// The pixels of the filled ellipse of Box on row Y, limited to the sweep
// when Part is set.
raster::RowSpans FigureRow(const TRect& Box, const raster::Sweep* Part, int Y)
{
    const raster::RowSpan Row = raster::EllipseRow(Box, Y);
    if (Part)
        return Part->Row(Y, Row);
    raster::RowSpans Result;
    if (Row.X2 > Row.X1)
        Result.append(Row);
    return Result;
}

// Marks the filled ellipse of Box, limited to the sweep when Part is set.
void MarkEllipse(FigureMask& Mask, const TRect& Box, const raster::Sweep* Part)
{
    const TRect& M = Mask.Box();
    for (int Y = std::max(M.Top, Box.Top); Y < std::min(M.Bottom, Box.Bottom); ++Y) {
        quint8* Cells = Mask.Row(Y) - M.Left;
        for (const raster::RowSpan& S : FigureRow(Box, Part, Y)) {
            const int From = std::max(S.X1, M.Left);
            const int To = std::min(S.X2, M.Right);
            if (From < To)
                std::fill(Cells + From, Cells + To, mkInside);
        }
    }
}

// Calls Visit(Y, Outline, Inner) for the rows of the ellipse of Box (its
// sector when Part is set) within Clip: Inner holds the figure's pixels whose
// Thickness nearest pixels up, down, left and right all lie in it, Outline
// the rest of the figure, an outline Thickness pixels across.
template <class VisitFn>
void ForEachFigureRow(
    const TRect& Clip, const TRect& Box, const raster::Sweep* Part, int Thickness, VisitFn&& Visit)
{
    const int Top = std::max(Clip.Top, Box.Top);
    const int Bottom = std::min(Clip.Bottom, Box.Bottom);
    if (Top >= Bottom)
        return;
    // Rows Y - Thickness .. Y + Thickness in turn, without copying them along.
    const int Window = 2 * Thickness + 1;
    QVarLengthArray<raster::RowSpans, 3> Rows(Window);
    const auto RowAt = [&](int Y) -> raster::RowSpans& { return Rows[(Y - Top + Thickness) % Window]; };
    for (int Y = Top - Thickness; Y < Top + Thickness; ++Y)
        RowAt(Y) = FigureRow(Box, Part, Y);
    for (int Y = Top; Y < Bottom; ++Y) {
        RowAt(Y + Thickness) = FigureRow(Box, Part, Y + Thickness);
        const raster::RowSpans& Row = RowAt(Y);
        raster::RowSpans Inner = raster::Eroded(Row, Thickness);
        for (int D = 1; D <= Thickness; ++D)
            Inner = raster::Intersection(raster::Intersection(Inner, RowAt(Y - D)), RowAt(Y + D));
        Visit(Y, raster::Difference(Row, Inner), Inner);
    }
}

// Outlines (Thickness pixels across) and fills the ellipse of Box, or its
// sector when Part is set, row by row; each pixel is painted once.
void PaintFigureRows(const PixelTarget& Target, const TPen& Pen, const TBrush& Brush, const TRect& Box,
    const raster::Sweep* Part, int Thickness)
{
    const bool UsePen = Pen.GetStyle() != psClear;
    const bool UseBrush = Brush.GetStyle() == bsSolid;
    const quint32 PenPixel = ColorToPixel(Pen.GetColor());
    const quint32 BrushPixel = ColorToPixel(Brush.GetColor());
    const TPenMode Mode = Pen.GetMode();
    if (UseBrush && (!UsePen || PenPixel == BrushPixel)) {
        // One color over the whole figure: no outline to find.
        const TRect& Clip = Target.Clip();
        for (int Y = std::max(Clip.Top, Box.Top); Y < std::min(Clip.Bottom, Box.Bottom); ++Y)
            for (const raster::RowSpan& S : FigureRow(Box, Part, Y))
                Target.Span(Y, S.X1, S.X2, BrushPixel, Mode);
        return;
    }
    const auto PaintRow = [&](int Y, const raster::RowSpans& Outline, const raster::RowSpans& Inner) {
        if (UseBrush)
            for (const raster::RowSpan& S : Inner)
                Target.Span(Y, S.X1, S.X2, BrushPixel, Mode);
        if (UsePen)
            for (const raster::RowSpan& S : Outline)
                Target.Span(Y, S.X1, S.X2, PenPixel, Mode);
    };
    ForEachFigureRow(Target.Clip(), Box, Part, Thickness, PaintRow);
}

// An ellipse's figure in device pixels: the box and, for sectors, the sweep
// between the rays through the device pixels under the logical ray points.
struct DeviceFigure
{
    DeviceFigure(const raster::DeviceScale& Scale, const TRect& LogicalBox)
        : Box(Scale.Rect(LogicalBox))
    {
    }
    DeviceFigure(const raster::DeviceScale& Scale, const TRect& LogicalBox, TPoint From, TPoint To)
        : Box(Scale.Rect(LogicalBox))
    {
        const TPoint F = Scale.Identity() ? From : Scale.Pixel(raster::Clamped(From));
        const TPoint T = Scale.Identity() ? To : Scale.Pixel(raster::Clamped(To));
        Part.emplace(Box, F.X, F.Y, T.X, T.Y);
    }
    const raster::Sweep* Sweep() const { return Part ? &*Part : nullptr; }

    TRect Box;
    std::optional<raster::Sweep> Part;
};

// Outlines and fills the ellipse of the figure, or its sector, on the device
// pixels of Image within the device clip rectangle; false when nothing of it
// is visible.
bool PaintEllipticFigure(QImage& Image, const TRect& Clip, const raster::DeviceScale& Scale, const TPen& Pen,
    const TBrush& Brush, const DeviceFigure& Figure)
{
    const TRect& Box = Figure.Box;
    if (Box.IsEmpty() || MaskBox(Box, 0, Clip).IsEmpty())
        return false;
    const PixelTarget Target(Image, Clip);
    if (Pen.GetStyle() == psClear || Pen.GetWidth() == 1) {
        PaintFigureRows(Target, Pen, Brush, Box, Figure.Sweep(), Scale.Thickness(1));
        return true;
    }
    FigureMask Mask(MaskBox(Box, 0, Clip));
    MarkEllipse(Mask, Box, Figure.Sweep());
    const double PenWidth = Scale.Thickness(Pen.GetWidth());
    const QRectF R = StrokeBox(Box, PenWidth);
    QPainterPath Path;
    if (Figure.Part) {
        Path.moveTo(R.center());
        Path.arcTo(R, Figure.Part->StartDegrees(), Figure.Part->SpanDegrees());
        Path.closeSubpath();
    } else {
        Path.addEllipse(R);
    }
    MarkStroke(Mask, Path, PenWidth);
    PaintMask(Target, Mask, Pen, Brush);
    return true;
}

raster::DeviceScale ScaleOf(const QImage& Image)
{
    return raster::DeviceScale(Image.devicePixelRatio());
}

} // namespace

// ---------------------------------------------------------------- set-up

TCanvas::TCanvas(QImage* Image, QObject* AOwner)
    : QObject(AOwner)
    , FPen(new TPen(this))
    , FBrush(new TBrush(this))
    , FFont(new TFont(this))
{
    SetImage(Image);
}

TCanvas::~TCanvas() = default;

void TCanvas::SetImage(QImage* Image)
{
    FImage = Image;
    FClipSet = false;
    Ready();
}

QWidget* TCanvas::GetPaletteSource() const { return FPaletteSource; }

void TCanvas::SetPaletteSource(QWidget* Value) { FPaletteSource = Value; }

bool TCanvas::Ready()
{
    if (!FImage || FImage->isNull())
        return false;
    if (FImage->format() != CanvasFormat)
        FImage->convertTo(CanvasFormat);
    return true;
}

qreal TCanvas::GetDevicePixelRatio() const
{
    return FImage ? FImage->devicePixelRatio() : 1.0;
}

TRect TCanvas::DeviceRect(TRect R) const
{
    return FImage ? ScaleOf(*FImage).Rect(Clamped(R)) : Clamped(R);
}

int TCanvas::Width() const
{
    return FImage ? ScaleOf(*FImage).Logical(FImage->width()) : 0;
}

int TCanvas::Height() const
{
    return FImage ? ScaleOf(*FImage).Logical(FImage->height()) : 0;
}

TRect TCanvas::GetClipRect() const
{
    const TRect Whole{0, 0, Width(), Height()};
    return FClipSet ? Intersect(FClipRect, Whole) : Whole;
}

void TCanvas::SetClipRect(TRect Value)
{
    FClipRect = Value;
    FClipSet = true;
}

void TCanvas::ResetClipRect()
{
    FClipSet = false;
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

void TCanvas::SetPenPos(TPoint Value)
{
    FPenPos = raster::Clamped(Value);
    FDashPhase = 0;
}

// ---------------------------------------------------------------- lines

void TCanvas::MoveTo(int X, int Y)
{
    SetPenPos({X, Y});
}

void TCanvas::LineTo(int X, int Y)
{
    const TPaletteScope Palette(FPaletteSource);
    const TPoint From = FPenPos;
    const TPoint To = raster::Clamped({X, Y});
    FPenPos = To;
    const int Phase = FDashPhase;
    FDashPhase = int((Phase + std::max(std::llabs((long long)To.X - From.X), std::llabs((long long)To.Y - From.Y)))
        % DashPeriod);
    if (!Ready() || FPen->GetStyle() == psClear)
        return;
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    const PixelTarget Target(*FImage, GetClipRect(), Scale);
    if (FPen->GetWidth() == 1) {
        const quint32 Color = ColorToPixel(FPen->GetColor());
        const TPenMode Mode = FPen->GetMode();
        const TPenStyle Style = FPen->GetStyle();
        if (Style == psSolid && From.Y == To.Y) {
            // A solid horizontal line is one run: From up to, not including, To.
            if (From.X <= To.X)
                Target.Span(From.Y, From.X, To.X, Color, Mode);
            else
                Target.Span(From.Y, To.X + 1, From.X + 1, Color, Mode);
        } else if (Style == psSolid && From.X == To.X) {
            // A solid vertical line is one column: From up to, not including, To.
            if (From.Y <= To.Y)
                Target.Box({From.X, From.Y, From.X + 1, To.Y}, Color, Mode);
            else
                Target.Box({From.X, To.Y + 1, From.X + 1, From.Y + 1}, Color, Mode);
        } else if (Style == psSolid) {
            raster::ForEachLinePoint(
                From, To, false, Target.Clip(), [&](int PX, int PY, int) { Target.Plot(PX, PY, Color, Mode); });
        } else {
            raster::ForEachLinePoint(From, To, false, Target.Clip(), [&](int PX, int PY, int K) {
                if (raster::DashOn(Style, Phase + K))
                    Target.Plot(PX, PY, Color, Mode);
            });
        }
    } else if (!PaintWideStroke({From, To})) {
        return;
    }
    Changed();
}

void TCanvas::Polyline(const QList<TPoint>& Points)
{
    const TPaletteScope Palette(FPaletteSource);
    if (Points.isEmpty())
        return;
    const TPoint Saved = FPenPos;
    if (FPen->GetWidth() == 1 || Points.size() < 2) {
        MoveTo(Points[0].X, Points[0].Y);
        for (qsizetype I = 1; I < Points.size(); ++I)
            LineTo(Points[I].X, Points[I].Y);
    } else if (Ready() && FPen->GetStyle() != psClear && PaintWideStroke(ClampedPoints(Points))) {
        // One stroke, so the joins of a wide pen are painted once.
        Changed();
    }
    FPenPos = Saved;
}

// ---------------------------------------------------------------- figures

namespace {
// Fills the polygon and draws its one-pixel outline row by row; each pixel is
// painted once.
void PaintPolygonRows(const PixelTarget& Target, const TPen& Pen, const TBrush& Brush, const QList<TPoint>& Points)
{
    const bool UsePen = Pen.GetStyle() != psClear;
    const bool UseBrush = Brush.GetStyle() == bsSolid;
    const quint32 PenPixel = ColorToPixel(Pen.GetColor());
    const quint32 BrushPixel = ColorToPixel(Brush.GetColor());
    const TPenMode Mode = Pen.GetMode();
    const TRect Rows = Intersect(PointBounds(Points), Target.Clip());
    const std::vector<OutlinePixel> Outline =
        UsePen ? OutlinePixels(Points, Pen.GetStyle(), Target.Clip()) : std::vector<OutlinePixel>();
    auto Next = Outline.begin();
    for (int Y = Rows.Top; Y < Rows.Bottom; ++Y) {
        // The outline's pixels on this row: all of them, and those drawn.
        raster::RowSpans Passed;
        raster::RowSpans Drawn;
        for (; Next != Outline.end() && Next->Y == Y; ++Next) {
            AppendPixel(Passed, Next->X);
            if (Next->On)
                AppendPixel(Drawn, Next->X);
        }
        if (UseBrush)
            for (const raster::RowSpan& S : raster::Difference(raster::PolygonRow(Points, Y), Passed))
                Target.Span(Y, S.X1, S.X2, BrushPixel, Mode);
        for (const raster::RowSpan& S : Drawn)
            Target.Span(Y, S.X1, S.X2, PenPixel, Mode);
    }
}
} // namespace

void TCanvas::Polygon(const QList<TPoint>& Corners)
{
    const TPaletteScope Palette(FPaletteSource);
    if (Corners.isEmpty() || !Ready())
        return;
    const QList<TPoint> Points = ClampedPoints(Corners);
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    if (Scale.Identity() && (FPen->GetStyle() == psClear || FPen->GetWidth() == 1)) {
        PaintPolygonRows(PixelTarget(*FImage, GetClipRect()), *FPen, *FBrush, Points);
        Changed();
        return;
    }
    // Inside and outline on the device pixels, each pixel painted once.
    const TRect Clip = Scale.Rect(GetClipRect());
    const int PenWidth = FPen->GetStyle() == psClear ? 0 : Scale.Thickness(FPen->GetWidth());
    FigureMask Mask(MaskBox(Scale.Rect(PointBounds(Points)), PenWidth, Clip));
    if (Mask.Empty())
        return;
    const TRect& M = Mask.Box();
    for (int Y = M.Top; Y < M.Bottom; ++Y)
        for (const raster::RowSpan& S : raster::PolygonRow(Points, Y, Scale.Ratio()))
            for (int X = std::max(S.X1, M.Left); X < std::min(S.X2, M.Right); ++X)
                Mask.Set(X, Y, mkInside);
    if (PenWidth > 0 && FPen->GetWidth() == 1 && FPen->GetStyle() != psSolid) {
        // Dashes keep the logical pixels of the outline: the device pixels of
        // each, drawn or left out as a whole.
        for (const OutlinePixel& P : OutlinePixels(Points, FPen->GetStyle(), GetClipRect())) {
            const TRect D = Scale.Rect({P.X, P.Y, P.X + 1, P.Y + 1});
            for (int Y = D.Top; Y < D.Bottom; ++Y)
                for (int X = D.Left; X < D.Right; ++X)
                    Mask.Set(X, Y, P.On ? mkOutline : mkOutside);
        }
    } else if (PenWidth > 0) {
        MarkPolylineStroke(Mask, Points, Scale, PenWidth, true);
    }
    PaintMask(PixelTarget(*FImage, Clip), Mask, *FPen, *FBrush);
    Changed();
}

bool TCanvas::PaintWideStroke(const QList<TPoint>& Points)
{
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    const TRect Clip = Scale.Rect(GetClipRect());
    const int PenWidth = Scale.Thickness(FPen->GetWidth());
    FigureMask Mask(MaskBox(Scale.Rect(PointBounds(Points)), PenWidth, Clip));
    if (Mask.Empty())
        return false;
    MarkPolylineStroke(Mask, Points, Scale, PenWidth, false);
    PaintMask(PixelTarget(*FImage, Clip), Mask, *FPen, *FBrush);
    return true;
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    const TPaletteScope Palette(FPaletteSource);
    if (!Ready())
        return;
    const TRect Box = Normalized(X1, Y1, X2, Y2);
    if (Box.IsEmpty())
        return;
    const PixelTarget Target(*FImage, GetClipRect(), ScaleOf(*FImage));
    const TPenMode Mode = FPen->GetMode();
    const bool UseBrush = FBrush->GetStyle() == bsSolid;
    const quint32 BrushPixel = ColorToPixel(FBrush->GetColor());
    if (FPen->GetStyle() == psClear) {
        if (UseBrush)
            Target.Box({Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1}, BrushPixel, Mode);
        Changed();
        return;
    }
    const quint32 PenPixel = ColorToPixel(FPen->GetColor());
    const int W = std::min(FPen->GetWidth(), raster::CoordinateLimit);
    const TRect Inner{Box.Left + W, Box.Top + W, Box.Right - W, Box.Bottom - W};
    if (Inner.IsEmpty()) {
        Target.Box(Box, PenPixel, Mode);
    } else if (W == 1 && FPen->GetStyle() != psSolid) {
        // Dashed edges clockwise from the top-left corner, each pixel once.
        const QList<TPoint> Corners{
            {Box.Left, Box.Top}, {Box.Right - 1, Box.Top}, {Box.Right - 1, Box.Bottom - 1}, {Box.Left, Box.Bottom - 1}};
        WalkOutline(Corners, FPen->GetStyle(), Target.Clip(), [&](int X, int Y, bool On) {
            if (On)
                Target.Plot(X, Y, PenPixel, Mode);
        });
        if (UseBrush)
            Target.Box(Inner, BrushPixel, Mode);
    } else {
        Target.Box({Box.Left, Box.Top, Box.Right, Inner.Top}, PenPixel, Mode);
        Target.Box({Box.Left, Inner.Bottom, Box.Right, Box.Bottom}, PenPixel, Mode);
        Target.Box({Box.Left, Inner.Top, Inner.Left, Inner.Bottom}, PenPixel, Mode);
        Target.Box({Inner.Right, Inner.Top, Box.Right, Inner.Bottom}, PenPixel, Mode);
        if (UseBrush)
            Target.Box(Inner, BrushPixel, Mode);
    }
    Changed();
}

void TCanvas::FillRect(TRect R)
{
    const TPaletteScope Palette(FPaletteSource);
    R = Clamped(R);
    if (!Ready() || FBrush->GetStyle() != bsSolid || R.IsEmpty())
        return;
    PixelTarget(*FImage, GetClipRect(), ScaleOf(*FImage)).Box(R, ColorToPixel(FBrush->GetColor()), pmCopy);
    Changed();
}

void TCanvas::FrameRect(TRect R)
{
    const TPaletteScope Palette(FPaletteSource);
    R = Clamped(R);
    if (!Ready() || FBrush->GetStyle() != bsSolid || R.IsEmpty())
        return;
    const PixelTarget Target(*FImage, GetClipRect(), ScaleOf(*FImage));
    const quint32 Color = ColorToPixel(FBrush->GetColor());
    Target.Box({R.Left, R.Top, R.Right, R.Top + 1}, Color, pmCopy);
    if (R.Height() > 1)
        Target.Box({R.Left, R.Bottom - 1, R.Right, R.Bottom}, Color, pmCopy);
    Target.Box({R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1}, Color, pmCopy);
    if (R.Width() > 1)
        Target.Box({R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1}, Color, pmCopy);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    const TPaletteScope Palette(FPaletteSource);
    if (!Ready())
        return;
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    const DeviceFigure Figure(Scale, Normalized(X1, Y1, X2, Y2));
    if (PaintEllipticFigure(*FImage, Scale.Rect(GetClipRect()), Scale, *FPen, *FBrush, Figure))
        Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    const TPaletteScope Palette(FPaletteSource);
    if (!Ready() || FPen->GetStyle() == psClear)
        return;
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    const DeviceFigure Figure(Scale, Normalized(X1, Y1, X2, Y2), {X3, Y3}, {X4, Y4});
    const TRect& Box = Figure.Box;
    const raster::Sweep& Part = *Figure.Part;
    const PixelTarget Target(*FImage, Scale.Rect(GetClipRect()));
    if (Box.IsEmpty() || MaskBox(Box, 0, Target.Clip()).IsEmpty())
        return;
    if (FPen->GetWidth() == 1) {
        // Only the outline pixels of the whole ellipse that lie on the sweep.
        const quint32 Color = ColorToPixel(FPen->GetColor());
        const auto PaintRow = [&](int Y, const raster::RowSpans& Outline, const raster::RowSpans&) {
            if (Outline.isEmpty())
                return;
            const raster::RowSpans OnSweep = Part.Row(Y, {Outline.front().X1, Outline.back().X2});
            for (const raster::RowSpan& S : raster::Intersection(Outline, OnSweep))
                Target.Span(Y, S.X1, S.X2, Color, FPen->GetMode());
        };
        ForEachFigureRow(Target.Clip(), Box, nullptr, Scale.Thickness(1), PaintRow);
        Changed();
        return;
    }
    FigureMask Mask(MaskBox(Box, 0, Target.Clip()));
    QPainterPath Path;
    const double PenWidth = Scale.Thickness(FPen->GetWidth());
    const QRectF R = StrokeBox(Box, PenWidth);
    Path.arcMoveTo(R, Part.StartDegrees());
    Path.arcTo(R, Part.StartDegrees(), Part.SpanDegrees());
    MarkStroke(Mask, Path, PenWidth);
    PaintMask(Target, Mask, *FPen, *FBrush);
    Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    const TPaletteScope Palette(FPaletteSource);
    if (!Ready())
        return;
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    const DeviceFigure Figure(Scale, Normalized(X1, Y1, X2, Y2), {X3, Y3}, {X4, Y4});
    if (PaintEllipticFigure(*FImage, Scale.Rect(GetClipRect()), Scale, *FPen, *FBrush, Figure))
        Changed();
}

// ---------------------------------------------------------------- text

namespace {
// Draws Text with its top-left corner at (X, Y), turned by the font's
// escapement, on a solid background box when Background is valid.
void PaintText(QImage& Image, const TRect& Clip, const TFont& Font, int X, int Y, const QString& Text,
    const QColor& Background)
{
    QPainter P(&Image);
    P.setClipRect(ToQRect(Clip));
    P.translate(X, Y);
    if (Font.GetEscapement() != 0)
        P.rotate(-Font.GetEscapement() / 10.0);
    if (Background.isValid())
        P.fillRect(QRect(0, 0, Font.TextWidth(Text), Font.Metrics().height()), Background);
    P.setFont(Font.ToQFont());
    P.setPen(ColorToQColor(Font.GetColor()));
    // Upright, undecorated text drawn before reuses the font's laid-out
    // glyphs. Turned text is laid out anew for every drawing anyway, and Qt's
    // laid-out text puts underlines and strike-outs off the glyphs. Its first
    // drawing sits on the unrounded baseline of laid-out text, so both ways
    // put the glyphs on the same pixels at any device pixel ratio; turned and
    // decorated text sits on the rounded ascent, which keeps lines whole.
    const bool Plain = Font.GetEscapement() == 0 && !(Font.GetStyle() & (fsUnderline | fsStrikeOut));
    if (const QStaticText* Layout = Plain ? Font.RepeatedLayout(Text) : nullptr)
        P.drawStaticText(0, 0, *Layout);
    else
        P.drawText(QPointF(0, Plain ? Font.Baseline() : Font.Metrics().ascent()), Text);
}
} // namespace

void TCanvas::TextOut(int X, int Y, const QString& Text)
{
    const TPaletteScope Palette(FPaletteSource);
    const int W = TextWidth(Text);
    const double Angle = FFont->GetEscapement() / 10.0 * std::numbers::pi / 180.0;
    FPenPos = {X + Round(W * std::cos(Angle)), Y - Round(W * std::sin(Angle))};
    if (!Ready() || Text.isEmpty())
        return;
    const QColor Background = FBrush->GetStyle() == bsSolid ? ColorToQColor(FBrush->GetColor()) : QColor();
    PaintText(*FImage, GetClipRect(), *FFont, X, Y, Text, Background);
    Changed();
}

void TCanvas::TextRect(TRect R, int X, int Y, const QString& Text)
{
    const TPaletteScope Palette(FPaletteSource);
    if (!Ready())
        return;
    const TRect Clip = Intersect(R, GetClipRect());
    if (Clip.IsEmpty())
        return;
    if (FBrush->GetStyle() == bsSolid)
        PixelTarget(*FImage, Clip, ScaleOf(*FImage)).Box(Clip, ColorToPixel(FBrush->GetColor()), pmCopy);
    if (!Text.isEmpty())
        PaintText(*FImage, Clip, *FFont, X, Y, Text, QColor());
    Changed();
}

int TCanvas::TextWidth(const QString& Text) const
{
    return FFont->TextWidth(Text);
}

int TCanvas::TextHeight(const QString& Text) const
{
    Q_UNUSED(Text);
    return FFont->Metrics().height();
}

TSize TCanvas::TextExtent(const QString& Text) const
{
    return {TextWidth(Text), TextHeight(Text)};
}

// ---------------------------------------------------------------- copies

void TCanvas::CopyRect(TRect Dest, const TCanvas* Source, TRect SourceRect)
{
    if (!Source || !Source->FImage || Source->FImage->isNull())
        return;
    SourceRect = ScaleOf(*Source->FImage).Rect(Clamped(SourceRect));
    if (Source->FImage == FImage && FCopyMode != cmDstInvert) {
        // Copy out first: source and destination may overlap.
        const QImage Part = FImage->copy(ToQRect(SourceRect));
        CopyImageRect(Dest, Part, {0, 0, SourceRect.Width(), SourceRect.Height()});
        return;
    }
    CopyImageRect(Dest, *Source->FImage, SourceRect);
}

void TCanvas::Draw(int X, int Y, const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->GetEmpty())
        return;
    StretchDraw(Bounds(X, Y, Bitmap->GetWidth(), Bitmap->GetHeight()), Bitmap);
}

void TCanvas::StretchDraw(TRect Dest, const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->GetEmpty() || !FImage)
        return;
    if (Bitmap->GetDevicePixelRatio() == GetDevicePixelRatio()) {
        CopyRect(Dest, Bitmap->GetCanvas(), {0, 0, Bitmap->GetWidth(), Bitmap->GetHeight()});
        return;
    }
    // A picture of another ratio comes scaled smoothly to this one (once:
    // the bitmap keeps the scaled picture while it does not change).
    const QImage& Picture = Bitmap->ImageAt(GetDevicePixelRatio());
    CopyImageRect(Dest, Picture, {0, 0, Picture.width(), Picture.height()});
}

void TCanvas::CopyImageRect(TRect Dest, const QImage& Source, TRect SourceRect)
{
    if (Ready())
        CopyDeviceRect(ScaleOf(*FImage).Rect(Clamped(Dest)), Source, SourceRect);
}

void TCanvas::CopyDeviceRect(TRect Dest, const QImage& Source, TRect SourceRect)
{
    SourceRect = Clamped(SourceRect);
    if (Dest.IsEmpty() || SourceRect.IsEmpty() || Source.isNull())
        return;
    if (Source.format() != CanvasFormat) {
        CopyDeviceRect(Dest, Source.convertToFormat(CanvasFormat), SourceRect);
        return;
    }
    const bool SameSize = Dest.Width() == SourceRect.Width() && Dest.Height() == SourceRect.Height();
    if (!SameSize && FStretchMode == smHalftone) {
        const QImage Scaled = Source.copy(ToQRect(SourceRect))
                                  .scaled(Dest.Width(), Dest.Height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(CanvasFormat);
        CopyDeviceRect(Dest, Scaled, {0, 0, Dest.Width(), Dest.Height()});
        return;
    }
    const PixelTarget Target(*FImage, ScaleOf(*FImage).Rect(GetClipRect()));
    const TRect Area = Intersect(Dest, Target.Clip());
    if (Area.IsEmpty())
        return;
    const TRect SourceBounds{0, 0, Source.width(), Source.height()};
    if (SameSize) {
        // Destination pixels whose source pixel exists, row by row.
        const int DX = SourceRect.Left - Dest.Left;
        const int DY = SourceRect.Top - Dest.Top;
        const TRect Rows = Intersect(Area, {SourceBounds.Left - DX, SourceBounds.Top - DY, SourceBounds.Right - DX,
                                               SourceBounds.Bottom - DY});
        if (Rows.IsEmpty())
            return;
        const bool WholeRows = FCopyMode == cmSrcCopy && DX == 0 && Rows.Left == 0 && Rows.Right == FImage->width()
            && Source.width() == FImage->width() && Source.bytesPerLine() == FImage->bytesPerLine();
        if (WholeRows) {
            // Full rows of equal layout are one block in both pictures.
            std::memcpy(Target.Row(Rows.Top), Source.constScanLine(Rows.Top + DY),
                size_t(Rows.Height()) * size_t(Source.bytesPerLine()));
            Changed();
            return;
        }
        for (int Y = Rows.Top; Y < Rows.Bottom; ++Y) {
            const auto* Src = reinterpret_cast<const quint32*>(Source.constScanLine(Y + DY)) + (Rows.Left + DX);
            CombineRow(FCopyMode, Target.Row(Y) + Rows.Left, Src, Rows.Width());
        }
    } else {
        // Color-on-color: each destination pixel takes the source pixel under its centre.
        std::vector<int> Columns(size_t(Area.Width()));
        for (int X = Area.Left; X < Area.Right; ++X)
            Columns[size_t(X - Area.Left)] =
                SourceRect.Left + raster::NearestSource(X - Dest.Left, Dest.Width(), SourceRect.Width());
        std::vector<quint32> Line(Columns.size());
        const int SourceWidth = Source.width();
        for (int Y = Area.Top; Y < Area.Bottom; ++Y) {
            const int SY = SourceRect.Top + raster::NearestSource(Y - Dest.Top, Dest.Height(), SourceRect.Height());
            if (SY < 0 || SY >= Source.height())
                continue;
            const auto* Src = reinterpret_cast<const quint32*>(Source.constScanLine(SY));
            quint32* Row = Target.Row(Y) + Area.Left;
            for (size_t I = 0; I < Columns.size(); ++I) {
                const int SX = Columns[I];
                Line[I] = (SX >= 0 && SX < SourceWidth) ? Src[SX] : Row[I];
            }
            CombineRow(FCopyMode, Row, Line.data(), Area.Width());
        }
    }
    Changed();
}

// ---------------------------------------------------------------- pixels

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle)
{
    const TPaletteScope Palette(FPaletteSource);
    if (!Ready() || FBrush->GetStyle() != bsSolid)
        return;
    if (!GetClipRect().Contains({X, Y}))
        return;
    // The fill spreads over device pixels, from the top-left one of the seed.
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    const TRect Clip = Scale.Rect(GetClipRect());
    X = Scale.Edge(X);
    Y = Scale.Edge(Y);
    const PixelTarget Target(*FImage, Clip);
    const TColor Key = ColorToRGB(Color);
    const quint32 Fill = ColorToPixel(FBrush->GetColor());
    auto Matches = [&](quint32 Pixel) { return (PixelToColor(Pixel) == Key) == (FillStyle == fsSurface); };
    std::vector<bool> Done(size_t(Clip.Width()) * size_t(Clip.Height()), false);
    auto Visited = [&](int PX, int PY) {
        return Done[size_t(PY - Clip.Top) * size_t(Clip.Width()) + size_t(PX - Clip.Left)];
    };
    auto Open = [&](int PX, int PY) { return !Visited(PX, PY) && Matches(Target.Row(PY)[PX]); };
    if (!Open(X, Y))
        return;
    // Scan-line fill: fill a whole run, then seed the runs above and below it.
    std::vector<TPoint> Seeds{{X, Y}};
    while (!Seeds.empty()) {
        const TPoint Seed = Seeds.back();
        Seeds.pop_back();
        if (!Open(Seed.X, Seed.Y))
            continue;
        int Left = Seed.X;
        while (Left > Clip.Left && Open(Left - 1, Seed.Y))
            --Left;
        int Right = Seed.X + 1;
        while (Right < Clip.Right && Open(Right, Seed.Y))
            ++Right;
        quint32* Row = Target.Row(Seed.Y);
        for (int PX = Left; PX < Right; ++PX) {
            Row[PX] = Fill;
            Done[size_t(Seed.Y - Clip.Top) * size_t(Clip.Width()) + size_t(PX - Clip.Left)] = true;
        }
        for (int NY : {Seed.Y - 1, Seed.Y + 1}) {
            if (NY < Clip.Top || NY >= Clip.Bottom)
                continue;
            bool InRun = false;
            for (int PX = Left; PX < Right; ++PX) {
                const bool O = Open(PX, NY);
                if (O && !InRun)
                    Seeds.push_back({PX, NY});
                InRun = O;
            }
        }
    }
    Changed();
}

TColor TCanvas::GetPixel(int X, int Y) const
{
    if (!FImage || X < 0 || Y < 0 || X >= Width() || Y >= Height())
        return clNone;
    // The top-left device pixel of the logical one.
    const raster::DeviceScale Scale = ScaleOf(*FImage);
    X = Scale.Edge(X);
    Y = Scale.Edge(Y);
    if (FImage->format() != CanvasFormat)
        return QColorToColor(FImage->pixelColor(X, Y));
    return PixelToColor(reinterpret_cast<const quint32*>(FImage->constScanLine(Y))[X]);
}

void TCanvas::SetPixel(int X, int Y, TColor Color)
{
    const TPaletteScope Palette(FPaletteSource);
    if (!Ready() || !GetClipRect().Contains({X, Y}))
        return;
    PixelTarget(*FImage, GetClipRect(), ScaleOf(*FImage)).Plot(X, Y, ColorToPixel(Color), pmCopy);
    Changed();
}

} // namespace vok
