/// Classic rectangle and point types. A TRect's right and bottom edges are
/// exclusive: Rect(0, 0, 10, 5) covers columns 0..9 and rows 0..4. \file
#pragma once

#include <QPoint>
#include <QRect>

namespace vok {

/// A point.
struct TPoint
{
    int X = 0; ///< Horizontal coordinate.
    int Y = 0; ///< Vertical coordinate.
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

/// A rectangle; Right and Bottom are exclusive.
struct TRect
{
    int Left = 0; ///< Left edge.
    int Top = 0; ///< Top edge.
    int Right = 0; ///< One past the right edge.
    int Bottom = 0; ///< One past the bottom edge.

    int Width() const { return Right - Left; } ///< The width.
    int Height() const { return Bottom - Top; } ///< The height.
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; } ///< Whether it covers no pixel.
    bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; } ///< Whether P lies inside.
    friend bool operator==(const TRect&, const TRect&) = default;
};

using TGridCoord = TPoint; ///< A cell of a grid: X the column, Y the row.

/// A width and height, as text extents are measured.
struct TSize
{
    int cx = 0; ///< The width.
    int cy = 0; ///< The height.
    friend bool operator==(const TSize&, const TSize&) = default;
};

inline TPoint Point(int X, int Y) { return {X, Y}; } ///< The point (X, Y).
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; } ///< The rectangle from its edges.
inline TRect Bounds(int Left, int Top, int Width, int Height) { return {Left, Top, Left + Width, Top + Height}; } ///< The rectangle from its position and size.

inline QPoint ToQPoint(TPoint P) { return {P.X, P.Y}; } ///< The point as a QPoint.
inline TPoint FromQPoint(QPoint P) { return {P.x(), P.y()}; } ///< A QPoint as a TPoint.
/// QRect's right() and bottom() are inclusive; a TRect's are exclusive.
///@{
inline QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }
inline TRect FromQRect(const QRect& R) { return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()}; }
///@}

} // namespace vok
