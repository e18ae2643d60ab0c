#include "ThumbLayout.h"

#include <vok/Vok_rounding.h>

#include <algorithm>
#include <cmath>

namespace vok {

int TThumbLayout::ColumnsFor(int Width) const
{
    return std::max(1, int(FloorDiv(Width + SlideDistance - 2 * ThumbBorder, Pitch())));
}

int TThumbLayout::RowsFor(int Height, double Position) const
{
    // Row j (from 0) starts at j * P + Top; it shows while it starts above
    // the bottom border.
    const long long Top = SlideDistance - ScrolledPixels(Position) + ThumbBorder;
    const long long Room = Height - ThumbBorder - Top;
    return Room <= 0 ? 0 : int(-FloorDiv(-Room, Pitch()));
}

double TThumbLayout::NormalPosition(double Position, int Min, int Max) const
{
    const double X = std::clamp(Position, double(Min), double(std::max(Min, Max)));
    const long long RowStart = Columns * FloorDiv((long long)std::floor(X) - 1, Columns) + 1;
    return double(RowStart) + (X - double(RowStart)) / Columns;
}

int TThumbLayout::FirstSlide(double Position) { return int(std::floor(Position)); }

int TThumbLayout::ScrolledPixels(double Position) const
{
    return Round((Position - std::floor(Position)) * Pitch());
}

TPoint TThumbLayout::SlidePos(int N, double Position) const
{
    const long long Offset = (long long)N - FirstSlide(Position);
    const long long Row = FloorDiv(Offset, Columns);
    const long long Column = Offset - Row * Columns;
    return Point(int(Pitch() * Column + ThumbBorder),
                 int(Pitch() * Row + SlideDistance - ScrolledPixels(Position) + ThumbBorder));
}

int TThumbLayout::SlideIndex(int X, int Y, int Width, int Height, double Position, int Min, int Max) const
{
    if (X < ThumbBorder || X > Width - ThumbBorder || Y < ThumbBorder || Y > Height - ThumbBorder)
        return 0;
    const int P = Pitch();
    const long long Column = FloorDiv(X - ThumbBorder, P);
    if (Column >= Columns || X > P * Column + Span() + ThumbBorder)
        return 0;
    const int Scrolled = ScrolledPixels(Position);
    const long long Row = FloorDiv((long long)Y + Scrolled - SlideDistance - ThumbBorder, P);
    const long long RowTop = P * Row + SlideDistance - Scrolled + ThumbBorder;
    if (Row < 0 || Y < RowTop || Y > RowTop + Span())
        return 0;
    const long long N = (long long)FirstSlide(Position) + Row * Columns + Column;
    return N >= Min && N <= Max ? int(N) : 0;
}

TRect TThumbLayout::PictureRect(int X0, int Y0, int PicWidth, int PicHeight) const
{
    if (PicWidth <= 0 || PicHeight <= 0)
        return {};
    const int Left = X0 + SlideMargin;
    const int Top = Y0 + SlideMargin;
    if (PicWidth < PicHeight) {
        const int W = Round(double(PicWidth) * SlideSize / PicHeight);
        const int L = Left + (SlideSize - W) / 2;
        return Rect(L, Top, L + W, Top + SlideSize);
    }
    const int H = Round(double(PicHeight) * SlideSize / PicWidth);
    const int T = Top + (SlideSize - H) / 2;
    return Rect(Left, T, Left + SlideSize, T + H);
}

TRect TThumbLayout::FocusBox(TPoint SlidePos, int Height) const
{
    return Rect(SlidePos.X + 2, std::max(SlidePos.Y + 2, 2), SlidePos.X + Span() - 2,
                std::min(Height - 3, SlidePos.Y + Span() - 2));
}

} // namespace vok
