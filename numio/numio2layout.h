// Geometry and value arithmetic of the self-drawn numeric field: where the
// captions, the text box, the spin buttons and the gauge lie, how caret
// positions map to pixels and back, and what a spin button or a gauge click
// makes of the value. Text widths come in as numbers, so everything here is
// plain arithmetic.
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_geometry.h>
#include <vok/Vok_inputtypes.h>
#include <vok/vok_export.h>

namespace vok {

// The field's size and the settings its layout depends on, with the
// field's initial values.
struct VOK_EXPORT TNumIO2Layout
{
    int Width = 160;
    int Height = 28;
    int LeftSpace = 35;    // L: the text box starts here
    int TextBoxWidth = 80; // B
    bool ButVisible = false;
    int ButWidth = 18;
    int ButSpace = 3;
    int ButHeight = 28;
    bool GaugeVisible = false;
    int GaugeHeight = 8;
    int GaugeTopMargin = 3;
    int GaugeLeftMargin = 35;
    int GaugeWidth = 82;

    // g: the height of the gauge strip below the text row (0 without gauge).
    int GaugeStrip() const { return GaugeVisible ? GaugeHeight + GaugeTopMargin + 1 : 0; }
    // bw: the room the spin buttons take right of the text box.
    int ButtonRoom() const { return ButVisible ? ButWidth + ButSpace : 0; }
    // xb: the left edge of the spin buttons.
    int ButtonsLeft() const { return LeftSpace + TextBoxWidth + ButSpace; }
    // ty: the top of the captions and of the number for a text height.
    int TextTop(int TextHeight) const { return (Height - GaugeStrip() - TextHeight) / 2; }

    int LeftCaptionX(TAlignment Align, int CaptionWidth) const;
    int RightCaptionX(TAlignment Align, int CaptionWidth) const;
    // The x of the number, i.e. of caret position 0, for a text TextWidth wide.
    int NumberX(TAlignment Align, int TextWidth) const;

    // The text box's outer rectangle; one pixel shorter for the 3-D frames.
    TRect TextBoxRect(bool ThreeDFrame) const;
    // The rectangle the number is clipped to.
    TRect NumberClipRect() const;
    // The spin-button column and the y of the line between the buttons.
    TRect ButtonsRect() const;
    int ButtonsMiddleY() const { return ButHeight / 2 - 1; }
    TRect GaugeRect() const;

    // Caret position <-> pixel. PrefixWidth is the width of the text before
    // the position, TextWidth of the whole text of Length characters.
    int CharPosToX(TAlignment Align, int PrefixWidth, int TextWidth) const;
    int XToCharPos(TAlignment Align, int X, int TextWidth, int Length) const;
    // The caret's column inside the box; drawn only strictly between 0 and B.
    int CaretColumn(TAlignment Align, int PrefixWidth, int TextWidth) const;

    // The smallest size that still shows the left caption's room, the text
    // box, the spin buttons and a right caption RightCaptionWidth wide (0:
    // none) with text TextHeight high; the gauge strip below when visible.
    TSize MinimumSize(int RightCaptionWidth, int TextHeight) const;

    // Mouse hit tests.
    bool InTextRow(int Y) const { return Y >= 1 && Y <= Height - GaugeStrip() - 1; }
    bool OnGauge(int X, int Y) const;     // a click on the gauge
    bool OnGaugeDrag(int X, int Y) const; // a drag over the gauge (one pixel more each side)
    bool OnSpinButtons(int X, int Y) const;
    bool OnUpperButton(int Y) const { return Y <= ButHeight / 2; }
    // 0 over the left caption, 1 over the text box, 2 right of it.
    int MouseAreaCode(int X) const;
};

// Index of the pivot nearest to Value (the first on ties), 0 for no pivots.
VOK_EXPORT int NearestPivotIndex(double Value, const TDoubleArray& Pivots);
// The gauge value at X: the linear value between Low and High, snapped to the
// nearest pivot when there are any, clamped to [Low, High].
VOK_EXPORT double GaugeValueAt(int X, int GaugeLeftMargin, int GaugeWidth, double Low, double High,
                               const TDoubleArray& Pivots);
// The value after a spin button. Without pivots: plus or minus Increment,
// clamped to [Low, High]. With pivots: a value between pivots snaps to the
// nearest one, a value on a pivot (within 10^-FixPointDecPlaces) steps to
// its neighbour; the range does not apply.
VOK_EXPORT double SpinStepValue(double Value, bool Up, double Increment, double Low, double High,
                                const TDoubleArray& Pivots, int FixPointDecPlaces);
// Width of the gauge's fill: Round(GaugeWidth * f), f the value's place
// between the bounds (1 when they are equal), limited to 0..1.
VOK_EXPORT int GaugeFillWidth(double Value, double Low, double High, int GaugeWidth);

} // namespace vok
