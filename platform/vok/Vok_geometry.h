// Classic rectangle and point types. A TRect's right and bottom edges are
// exclusive: Rect(0, 0, 10, 5) covers columns 0..9 and rows 0..4.
#pragma once

#include <QPoint>
#include <QRect>

namespace vok {

struct TPoint
{
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

using TGridCoord = TPoint;

// A width and height, as text extents are measured.
struct TSize
{
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

inline TPoint Point(int X, int Y) { return {X, Y}; }
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
inline TRect Bounds(int Left, int Top, int Width, int Height) { return {Left, Top, Left + Width, Top + Height}; }

inline QPoint ToQPoint(TPoint P) { return {P.X, P.Y}; }
inline TPoint FromQPoint(QPoint P) { return {P.x(), P.y()}; }
// QRect's right() and bottom() are inclusive; a TRect's are exclusive.
inline QRect ToQRect(const TRect& R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }
inline TRect FromQRect(const QRect& R) { return {R.left(), R.top(), R.left() + R.width(), R.top() + R.height()}; }

} // namespace vok
