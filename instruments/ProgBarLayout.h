// The progress bar's arithmetic without pixels: the color table, where the
// bar, its gradient lines and its grid lines go, and where the value text starts.
#pragma once

#include <vok/Vok_ProgBar.h>

#include <QList>

namespace vok {

// Whether a bar of Direction runs along the x axis.
inline bool IsHorizontal(TDirection Direction) { return Direction == drLeftRight || Direction == drRightLeft; }

// Entry Index of the table running from A (entry 0) to B (entry 1023): each
// channel Trunc((B - A) * t + A) with t = Index / 1023 clamped to 0..1; the
// byte above the channels is dropped.
VOK_EXPORT TColor InterpolateBarColor(TColor A, TColor B, int Index);

// The table entry of gradient line K (0 at the bar's origin) for a bar of
// BarLength pixels in an inner area FullLength pixels long; 0..1023.
VOK_EXPORT int GradientIndex(TColorMapping Mode, int K, int BarLength, int FullLength);

// The bar inside the inner area (ML, MT)-(W - MR, H - MB) for the fill
// fraction F. The bar never leaves the inner area: a fraction below 0 (or
// NaN) gives an empty bar, one above 1 the full area.
struct VOK_EXPORT TBarGeometry
{
    TBarGeometry(TDirection Direction, int W, int H, int ML, int MT, int MR, int MB, double F);

    TDirection Direction;
    TRect Inner;
    int FullLength; // the inner area's length along the bar's direction
    int Length;     // the bar's length, 0 .. FullLength
    TRect Bar;      // the bar's rectangle (empty when Length is 0)

    bool Horizontal() const { return IsHorizontal(Direction); }
    // The one-pixel line K pixels from the bar's origin, across the bar.
    TRect LineAt(int K) const;
    // The positions of the grid lines, every Dist pixels from the origin, as
    // one-pixel lines across the inner area; none for Dist <= 1.
    QList<TRect> GridLines(int Dist) const;
};

// The fill fraction (Value - Min) / (Max - Min); 0 when Max equals Min.
VOK_EXPORT double FillFraction(double Value, double Min, double Max);

// The value text: FormatFloatNum with width 1 and DecPlaces decimals (0..10),
// its exponent form for -1, engineering notation for -2.
VOK_EXPORT QString ProgBarValueText(double Value, int DecPlaces);

// Where a text TextWidth by TextHeight, turned AngleDeg counterclockwise,
// starts so that (PX, PY) is the middle of its left end, right end or centre.
VOK_EXPORT TPoint ValueTextOrigin(TAlignment Alignment, int PX, int PY, int TextWidth, int TextHeight, int AngleDeg);

} // namespace vok
