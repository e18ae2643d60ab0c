// Pixel geometry of the canvas primitives, free of any image: which pixels a
// line, an ellipse, a sector or a polygon covers, and how stretching maps
// pixels. TCanvas paints what these functions compute; tests call them
// directly.
#pragma once

#include <vok/Vok_drawtools.h>
#include <vok/Vok_geometry.h>
#include <vok/vok_export.h>

#include <QList>

#include <cstdlib>
#include <vector>

namespace vok::raster {

// Calls Emit(X, Y) for every pixel of the Bresenham line from A to B, the
// end point B only when IncludeLast is true.
template <class EmitFn>
void ForEachLinePoint(TPoint A, TPoint B, bool IncludeLast, EmitFn&& Emit)
{
    const int Dx = std::abs(B.X - A.X);
    const int Dy = -std::abs(B.Y - A.Y);
    const int Sx = A.X < B.X ? 1 : -1;
    const int Sy = A.Y < B.Y ? 1 : -1;
    int Error = Dx + Dy;
    int X = A.X;
    int Y = A.Y;
    for (;;) {
        const bool AtEnd = X == B.X && Y == B.Y;
        if (AtEnd && !IncludeLast)
            return;
        Emit(X, Y);
        if (AtEnd)
            return;
        const int Twice = 2 * Error;
        if (Twice >= Dy) {
            Error += Dy;
            X += Sx;
        }
        if (Twice <= Dx) {
            Error += Dx;
            Y += Sy;
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

// The filled ellipse of the box: the pixels whose centres lie inside the
// ellipse inscribed in Box (every row keeps at least its middle pixel), on
// row Y; empty outside the box. The shape is symmetric about both axes of
// the box.
VOK_EXPORT RowSpan EllipseRow(const TRect& Box, int Y);

// The angle of the ray from (CX, CY) to (X, Y) on the screen (y down),
// counterclockwise from the positive x axis, in [0, 2*pi).
VOK_EXPORT double ScreenAngle(double CX, double CY, double X, double Y);

// Whether Angle lies on the counterclockwise sweep from Start to End
// (angles in [0, 2*pi)); Start == End is the whole turn.
VOK_EXPORT bool InSweep(double Angle, double Start, double End);

// The spans of the polygon's inside on row Y by the even-odd rule, sampled at
// integer points with half-open edges (an edge from y0 to y1 counts on rows
// y0 <= Y < y1), sorted left to right.
VOK_EXPORT std::vector<RowSpan> PolygonRow(const QList<TPoint>& Points, int Y);

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
