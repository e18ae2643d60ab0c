#include "numio2layout.h"

#include <vok/Vok_textdraw.h>

#include <algorithm>
#include <cmath>

namespace vok {

int TNumIO2Layout::LeftCaptionX(TAlignment Align, int CaptionWidth) const
{
    return StripLeftCaptionX(Align, LeftSpace, CaptionWidth);
}

TSize TNumIO2Layout::MinimumSize(int RightCaptionWidth, int TextHeight) const
{
    // The right caption keeps the margins of its left-justified place: 7
    // pixels after the box, 6 before the edge.
    const int BoxEnd = LeftSpace + ButtonRoom() + TextBoxWidth;
    const int Width = RightCaptionWidth > 0 ? BoxEnd + 7 + RightCaptionWidth + 6 : BoxEnd + 1;
    // The text row holds the number with its frame (as AutoSize makes it),
    // and the spin buttons at their height.
    const int Row = std::max(TextHeight + 6, ButVisible ? ButHeight : 0);
    return {Width, Row + GaugeStrip()};
}

int TNumIO2Layout::RightCaptionX(TAlignment Align, int CaptionWidth) const
{
    return StripRightCaptionX(Align, LeftSpace + ButtonRoom() + TextBoxWidth, Width, CaptionWidth);
}

int TNumIO2Layout::NumberX(TAlignment Align, int TextWidth) const { return CharPosToX(Align, 0, TextWidth); }

TRect TNumIO2Layout::TextBoxRect(bool ThreeDFrame) const
{
    return Rect(LeftSpace, 0, LeftSpace + TextBoxWidth + 2, Height - GaugeStrip() - (ThreeDFrame ? 1 : 0));
}

TRect TNumIO2Layout::NumberClipRect() const
{
    return Rect(LeftSpace + 3, 2, LeftSpace + TextBoxWidth - 1, Height - GaugeStrip() - 3);
}

TRect TNumIO2Layout::ButtonsRect() const
{
    const int Left = ButtonsLeft();
    return Rect(Left, 0, Left + ButWidth + 1, 2 * (ButHeight / 2) - 1);
}

TRect TNumIO2Layout::GaugeRect() const
{
    return Rect(GaugeLeftMargin, Height - GaugeHeight - 1, GaugeLeftMargin + GaugeWidth, Height - 1);
}

int TNumIO2Layout::CharPosToX(TAlignment Align, int PrefixWidth, int TextWidth) const
{
    switch (Align) {
    case taLeftJustify:
        return PrefixWidth + LeftSpace + 4;
    case taRightJustify:
        return PrefixWidth + LeftSpace + TextBoxWidth - TextWidth - 2;
    default:
        return PrefixWidth + LeftSpace + (TextBoxWidth - TextWidth) / 2 + 2;
    }
}

int TNumIO2Layout::XToCharPos(TAlignment Align, int X, int TextWidth, int Length) const
{
    if (Length <= 0)
        return 0;
    // A text narrower than its character count would give an average width of 0.
    const int Average = std::max(TextWidth / Length, 1);
    int C;
    switch (Align) {
    case taLeftJustify:
        C = X - LeftSpace - 3;
        break;
    case taRightJustify:
        C = X + TextWidth - LeftSpace - TextBoxWidth + 3;
        break;
    default:
        C = X - LeftSpace - (TextBoxWidth - TextWidth) / 2 - 1;
        break;
    }
    C = std::clamp(C, 0, std::max(TextWidth, 0));
    return std::min((C + Average / 2) / Average, Length);
}

int TNumIO2Layout::CaretColumn(TAlignment Align, int PrefixWidth, int TextWidth) const
{
    switch (Align) {
    case taLeftJustify:
        return PrefixWidth + 3;
    case taRightJustify:
        return TextBoxWidth + PrefixWidth - TextWidth - 3;
    default:
        return PrefixWidth + (TextBoxWidth - TextWidth) / 2 + 1;
    }
}

bool TNumIO2Layout::OnGauge(int X, int Y) const
{
    return GaugeVisible && Y > Height - GaugeStrip() && X >= GaugeLeftMargin
           && X <= GaugeLeftMargin + GaugeWidth;
}

bool TNumIO2Layout::OnGaugeDrag(int X, int Y) const
{
    return GaugeVisible && Y > Height - GaugeStrip() - 1 && X >= GaugeLeftMargin - 1
           && X <= GaugeLeftMargin + GaugeWidth + 1;
}

bool TNumIO2Layout::OnSpinButtons(int X, int Y) const
{
    const int E = ButtonsLeft();
    return ButVisible && X > E && X < E + ButWidth && Y > 0 && Y < ButHeight;
}

int TNumIO2Layout::MouseAreaCode(int X) const
{
    if (X > LeftSpace + TextBoxWidth)
        return 2;
    return X > LeftSpace ? 1 : 0;
}

int NearestPivotIndex(double Value, const TDoubleArray& Pivots)
{
    int Index = 0;
    double Best = uc_MaxReal;
    for (int i = 0; i < Pivots.size(); ++i) {
        const double Distance = std::fabs(Pivots[i] - Value);
        if (Distance < Best) {
            Best = Distance;
            Index = i;
        }
    }
    return Index;
}

double GaugeValueAt(int X, int GaugeLeftMargin, int GaugeWidth, double Low, double High,
                    const TDoubleArray& Pivots)
{
    double V = Low + double(X - GaugeLeftMargin) / double(std::max(GaugeWidth, 1)) * (High - Low);
    if (!Pivots.isEmpty())
        V = Pivots[NearestPivotIndex(V, Pivots)];
    return std::clamp(V, Low, std::max(Low, High));
}

double SpinStepValue(double Value, bool Up, double Increment, double Low, double High,
                     const TDoubleArray& Pivots, int FixPointDecPlaces)
{
    if (Pivots.isEmpty())
        return std::clamp(Up ? Value + Increment : Value - Increment, Low, std::max(Low, High));
    const double Eps = std::exp(-FixPointDecPlaces * uc_ln10);
    int H = NearestPivotIndex(Value, Pivots);
    if (Up && Value >= Pivots[H] - Eps && H < Pivots.size() - 1)
        ++H;
    else if (!Up && Value <= Pivots[H] + Eps && H > 0)
        --H;
    return Pivots[H];
}

int GaugeFillWidth(double Value, double Low, double High, int GaugeWidth)
{
    double F = High == Low ? 1.0 : (Value - Low) / (High - Low);
    if (!(F >= 0.0)) // also NaN
        F = 0.0;
    F = std::min(F, 1.0);
    return int(std::nearbyint(GaugeWidth * F));
}

} // namespace vok
