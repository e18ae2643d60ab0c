#include "ProgBarLayout.h"

#include <vok/Vok_NumIO.h>
#include <vok/Vok_rounding.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vok {

namespace {

constexpr int LastEntry = TProgBar::BarColorCount - 1;

int Channel(TColor C, int Shift) { return int((C >> Shift) & 0xFF); }

} // namespace

TColor InterpolateBarColor(TColor A, TColor B, int Index)
{
    const double T = std::clamp(double(Index) / LastEntry, 0.0, 1.0);
    TColor Result = 0;
    for (int Shift : {0, 8, 16}) {
        const int Ca = Channel(A, Shift);
        const int Cb = Channel(B, Shift);
        Result |= TColor(std::trunc((Cb - Ca) * T + Ca)) << Shift;
    }
    return Result;
}

int GradientIndex(TColorMapping Mode, int K, int BarLength, int FullLength)
{
    const auto Scaled = [](int N, int Of) { return Of > 0 ? Round(double(N) * LastEntry / Of) : 0; };
    int C = 0;
    switch (Mode) {
    case cgmCover:
        C = Scaled(K, FullLength);
        break;
    case cgmStretch:
        C = Scaled(K, BarLength);
        break;
    case cgmMove:
        C = Scaled(K, FullLength) - Scaled(BarLength - 1, FullLength) + LastEntry;
        break;
    }
    return std::clamp(C, 0, LastEntry);
}

TBarGeometry::TBarGeometry(TDirection ADirection, int W, int H, int ML, int MT, int MR, int MB, double F)
    : Direction(ADirection)
    , Inner(Rect(ML, MT, W - MR, H - MB))
    , FullLength(std::max(0, Horizontal() ? Inner.Width() : Inner.Height()))
    , Length(std::isnan(F) ? 0 : std::clamp(Round(FullLength * std::clamp(F, -1.0, 2.0)), 0, FullLength))
{
    switch (Direction) {
    case drLeftRight:
        Bar = Rect(Inner.Left, Inner.Top, Inner.Left + Length, Inner.Bottom);
        break;
    case drRightLeft:
        Bar = Rect(Inner.Right - Length, Inner.Top, Inner.Right, Inner.Bottom);
        break;
    case drBottomUp:
        Bar = Rect(Inner.Left, Inner.Bottom - Length, Inner.Right, Inner.Bottom);
        break;
    case drTopDown:
        Bar = Rect(Inner.Left, Inner.Top, Inner.Right, Inner.Top + Length);
        break;
    }
}

TRect TBarGeometry::LineAt(int K) const
{
    switch (Direction) {
    case drLeftRight:
        return Rect(Inner.Left + K, Inner.Top, Inner.Left + K + 1, Inner.Bottom);
    case drRightLeft:
        return Rect(Inner.Right - 1 - K, Inner.Top, Inner.Right - K, Inner.Bottom);
    case drBottomUp:
        return Rect(Inner.Left, Inner.Bottom - 1 - K, Inner.Right, Inner.Bottom - K);
    case drTopDown:
        return Rect(Inner.Left, Inner.Top + K, Inner.Right, Inner.Top + K + 1);
    }
    return {};
}

// Across a horizontal bar the grid reaches the bar's end edge; up a vertical
// bar it stops at the bar's last row. Neither leaves the inner area.
QList<TRect> TBarGeometry::GridLines(int Dist) const
{
    QList<TRect> Lines;
    if (Dist <= 1)
        return Lines;
    const int Last = std::min(Horizontal() ? Length : Length - 1, FullLength - 1);
    for (int O = 0; O <= Last; O += Dist)
        Lines.append(LineAt(O));
    return Lines;
}

double FillFraction(double Value, double Min, double Max)
{
    return Max == Min ? 0.0 : (Value - Min) / (Max - Min);
}

QString ProgBarValueText(double Value, int DecPlaces)
{
    switch (DecPlaces) {
    case -1:
        return FormatFloatNum(1, -2, Value);
    case -2:
        return FormatFloatEng(Value, 0);
    default:
        return FormatFloatNum(1, DecPlaces, Value);
    }
}

TPoint ValueTextOrigin(TAlignment Alignment, int PX, int PY, int TextWidth, int TextHeight, int AngleDeg)
{
    const double A = AngleDeg * std::numbers::pi / 180;
    const double S = std::sin(A);
    const double C = std::cos(A);
    const int HH = TextHeight / 2;
    const int HW = TextWidth / 2;
    // How many half widths the start lies back along the baseline.
    const int Back = Alignment == taLeftJustify ? 0 : Alignment == taRightJustify ? 2 : 1;
    return Point(PX + Round(-Back * HW * C - HH * S), PY + Round(Back * HW * S - HH * C));
}

} // namespace vok
