// Pixel geometry of the canvas primitives, free of any image: which pixels a
// line, an ellipse, a sector or a polygon covers, and how stretching maps
// pixels. TCanvas paints what these functions compute; tests call them
// directly.
#pragma once

#include <vok/Vok_drawtools.h>
#include <vok/Vok_geometry.h>
#include <vok/vok_export.h>

#include <QList>
#include <QPointF>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace vok::raster {

// Coordinates the canvas works with are limited to +-CoordinateLimit, so that
// sums, differences and products of two stay inside 64-bit integers and
// sizes inside int; larger values are clamped.
inline constexpr int CoordinateLimit = 1 << 28;
inline int ClampCoordinate(int V)
{
    return V < -CoordinateLimit ? -CoordinateLimit : (V > CoordinateLimit ? CoordinateLimit : V);
}
inline TPoint Clamped(TPoint P)
{
    return {ClampCoordinate(P.X), ClampCoordinate(P.Y)};
}

// How a picture's logical pixels lie on its device pixels at a device pixel
// ratio: logical pixel X covers the device pixels Edge(X) .. Edge(X + 1) - 1,
// so neighbouring pixels tile the device without gaps or overlaps, and at a
// ratio of 1 every coordinate stays what it is.
class DeviceScale
{
public:
    explicit DeviceScale(double Ratio)
        : FRatio(std::isfinite(Ratio) && Ratio > 0 ? Ratio : 1.0)
        , FWhole(FRatio == std::floor(FRatio) && FRatio <= MaxWholeRatio ? int(FRatio) : 0)
    {
    }

    double Ratio() const { return FRatio; }
    bool Identity() const { return FRatio == 1.0; }

    // The first device pixel of logical pixel X (rounded half up), within
    // twice the coordinate limit.
    int Edge(int X) const
    {
        if (Identity())
            return X;
        if (FWhole > 0)
            return int(std::clamp((long long)X * FWhole, -2LL * CoordinateLimit, 2LL * CoordinateLimit));
        const double D = std::floor(X * FRatio + 0.5);
        return int(std::clamp(D, -2.0 * CoordinateLimit, 2.0 * CoordinateLimit));
    }
    // The device pixels of a logical rectangle.
    TRect Rect(const TRect& R) const { return {Edge(R.Left), Edge(R.Top), Edge(R.Right), Edge(R.Bottom)}; }
    // The device pixel under the centre of logical pixel X.
    int Pixel(int X) const { return Identity() ? X : int(std::floor((X + 0.5) * FRatio)); }
    TPoint Pixel(TPoint P) const { return {Pixel(P.X), Pixel(P.Y)}; }
    // The centre of the device pixels of logical pixel P.
    QPointF Centre(TPoint P) const
    {
        return {(double(Edge(P.X)) + Edge(P.X + 1)) / 2.0, (double(Edge(P.Y)) + Edge(P.Y + 1)) / 2.0};
    }
    // Device pixels across a line of Width logical pixels: the rounded
    // product, at least one.
    int Thickness(int Width) const
    {
        return Identity() ? Width : int(std::max(1.0, std::min(std::round(Width * FRatio), double(CoordinateLimit))));
    }
    // The logical extent of Device device pixels: the inverse of Edge for
    // sizes made by Edge.
    int Logical(int Device) const { return Identity() ? Device : int(std::lround(Device / FRatio)); }

private:
    // Whole ratios up to this one scale by an integer product.
    static constexpr int MaxWholeRatio = 64;

    double FRatio;
    int FWhole; // the ratio when it is a whole number, else 0
};

// Calls Emit(X, Y, K) for the pixels of the line from A to B that lie in
// Limit; K counts the line's pixels from A (0) to B (max(|dx|, |dy|)), and B
// is left out unless IncludeLast. Along the major axis the pixel K is A + K;
// the minor coordinate is that of the exact line, rounded half up. The work
// is bounded by Limit's extent, not by the line's length. A and B must lie
// within +-CoordinateLimit.
template <class EmitFn>
void ForEachLinePoint(TPoint A, TPoint B, bool IncludeLast, const TRect& Limit, EmitFn&& Emit)
{
    const long long Dx = (long long)B.X - A.X;
    const long long Dy = (long long)B.Y - A.Y;
    const bool XMajor = std::llabs(Dx) >= std::llabs(Dy);
    const long long N = XMajor ? std::llabs(Dx) : std::llabs(Dy); // steps along the major axis
    const long long M = XMajor ? std::llabs(Dy) : std::llabs(Dx); // steps along the minor axis
    const long long LastK = IncludeLast ? N : N - 1;
    if (LastK < 0 || Limit.IsEmpty())
        return;
    const int MajorSign = (XMajor ? Dx : Dy) < 0 ? -1 : 1;
    const int MinorSign = (XMajor ? Dy : Dx) < 0 ? -1 : 1;
    const long long MajorStart = XMajor ? A.X : A.Y;
    const long long MinorStart = XMajor ? A.Y : A.X;
    const long long Low = XMajor ? Limit.Left : Limit.Top;
    const long long High = (XMajor ? Limit.Right : Limit.Bottom) - 1;
    // K range whose major coordinate lies in [Low, High].
    long long FirstK = MajorSign > 0 ? Low - MajorStart : MajorStart - High;
    long long EndK = MajorSign > 0 ? High - MajorStart : MajorStart - Low;
    FirstK = std::max(FirstK, 0LL);
    EndK = std::min(EndK, LastK);
    if (FirstK > EndK)
        return;
    // Minor offset at K: floor((2 K M + N) / 2N), stepped incrementally.
    const long long TwoN = 2 * std::max(N, 1LL);
    long long Numerator = 2 * FirstK * M + N;
    long long Offset = Numerator / TwoN;
    long long Rest = Numerator % TwoN;
    for (long long K = FirstK; K <= EndK; ++K) {
        const long long Major = MajorStart + MajorSign * K;
        const long long Minor = MinorStart + MinorSign * Offset;
        const int X = int(XMajor ? Major : Minor);
        const int Y = int(XMajor ? Minor : Major);
        if (Limit.Contains({X, Y}))
            Emit(X, Y, int(K));
        Rest += 2 * M;
        if (Rest >= TwoN) {
            Rest -= TwoN;
            ++Offset;
        }
    }
}

// A run of pixels [X1, X2) on one row; empty when X2 <= X1.
struct RowSpan
{
    int X1 = 0;
    int X2 = 0;
    bool Contains(int X) const { return X >= X1 && X < X2; }
};

// Sorted, disjoint runs of one row.
using RowSpans = QVarLengthArray<RowSpan, 8>;

// The points within Radius of the segment from A to B: the segment as a pen
// Radius * 2 wide strokes it with round caps and joins.
class VOK_EXPORT Capsule
{
public:
    Capsule(QPointF A, QPointF B, double Radius);
    // The rows it may reach: [Top, Bottom).
    int Top() const { return FTop; }
    int Bottom() const { return FBottom; }
    // The pixels of row Y whose centres lie within it.
    RowSpan Row(int Y) const;

private:
    QPointF FA;
    QPointF FB;
    QPointF FDir; // B - A
    double FRadius;
    double FReach; // Radius times the segment's length
    double FLengthSquared;
    int FTop;
    int FBottom;
};

// The pixels that lie in both A and B.
VOK_EXPORT RowSpans Intersection(const RowSpans& A, const RowSpans& B);

// The pixels of A that are not in B.
VOK_EXPORT RowSpans Difference(const RowSpans& A, const RowSpans& B);

// Each run without its By first and last pixels: what stays of a row when
// every pixel needs the By pixels on either side in it.
VOK_EXPORT RowSpans Eroded(const RowSpans& A, int By = 1);

// The filled ellipse of the box: the pixels whose centres lie inside the
// ellipse inscribed in Box (every row keeps at least its middle pixel), on
// row Y; empty outside the box. The shape is symmetric about both axes of
// the box.
VOK_EXPORT RowSpan EllipseRow(const TRect& Box, int Y);

// The counterclockwise sweep from the ray through the centre of pixel
// (X3, Y3) to the ray through the centre of pixel (X4, Y4), both from the
// centre of Box; the rays belong to it and equal rays make the whole turn.
// Directions are compared exactly by cross products on doubled coordinates
// (y up), where the centre itself counts as the direction of the x axis; the
// coordinates are limited like all canvas coordinates, so the products fit.
class VOK_EXPORT Sweep
{
public:
    Sweep(const TRect& Box, int X3, int Y3, int X4, int Y4);

    // Whether the centre of pixel (X, Y) lies on the sweep.
    bool Contains(int X, int Y) const;

    // The pixels of Range on row Y whose centres lie on the sweep: each ray
    // bounds a half-plane, which cuts a row at one column, so this is exact
    // without visiting the pixels.
    RowSpans Row(int Y, RowSpan Range) const;

    // The start and the length of the sweep in degrees, for Qt's arcs.
    double StartDegrees() const;
    double SpanDegrees() const;

private:
    struct Vector
    {
        qint64 X;
        qint64 Y;
    };
    Vector Direction(int X, int Y) const;

    qint64 FCX2;
    qint64 FCY2;
    Vector FFrom;
    Vector FTo;
    qint64 FTurn;
    bool FWhole;
    double FStart;
    double FEnd;
};

// The angle of the ray from (CX, CY) to (X, Y) on the screen (y down),
// counterclockwise from the positive x axis, in [0, 2*pi).
VOK_EXPORT double ScreenAngle(double CX, double CY, double X, double Y);

// The spans of the polygon's inside on row Y by the even-odd rule, sampled at
// integer points with half-open edges (an edge from y0 to y1 counts on rows
// y0 <= Y < y1), sorted left to right. With a Scale other than 1 the rows and
// columns are those of the polygon scaled by it (device pixels of logical
// points).
VOK_EXPORT RowSpans PolygonRow(const QList<TPoint>& Points, int Y, double Scale = 1.0);

// Whether a one-pixel pen of Style draws the pixel at dash position Phase.
VOK_EXPORT bool DashOn(TPenStyle Style, int Phase);

// The source index that color-on-color stretching takes for destination
// index I when Dest pixels stand for Source pixels: the pixel under the
// destination pixel's centre.
inline int NearestSource(int I, int DestSize, int SourceSize)
{
    return int((2LL * I + 1) * SourceSize / (2LL * DestSize));
}

} // namespace vok::raster
