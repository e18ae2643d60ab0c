/// Frames, outlines and marker symbols drawn on a canvas. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_canvas.h>
#include <vok/Vok_colorconst.h>
#include <vok/vok_export.h>

#include <QList>

namespace vok {

/// Draws the frame of Style on the box whose outermost pixel columns are Left
/// and Right and rows Top and Bottom (all inclusive), in the given colors only
/// and in copy mode; the canvas's pen and brush are left as they were.
/// Upper-left lines run along the top row to Right - 1 and the left column to
/// Bottom - 1; lower-right lines own the corners (Left, Bottom) and (Right, Top).
///   fsNoFrame   nothing
///   fsSimple    one outline in ColorFlat
///   fsLowered   outer ring Gray upper-left / White lower-right, inner ring
///               Black upper-left / Silver lower-right (sunken)
///   fsRaised    outer ring White upper-left / Black lower-right, inner ring
///               Silver upper-left / Gray lower-right
///   fsEmbossed  a Gray outline one pixel right and down, then a White outline
///               at the box's top-left (an etched line); the corners
///               (Right, Top) and (Left, Bottom) stay untouched
///   fsEngraved  as fsEmbossed with White and Gray exchanged
VOK_EXPORT void DrawFrame(TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right, int Bottom,
    TColor ColorWhite = clWhite, TColor ColorSilver = clSilver, TColor ColorGray = clGray,
    TColor ColorBlack = clBlack, TColor ColorFlat = clBlack);

/// A one-pixel outline through the four corner pixels (inclusive), in the
/// current pen's color, style and mode; each pixel is painted once.
VOK_EXPORT void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom);

/// The gray and white line colors of a color scheme: $808080 and $FFFFFF for
/// csClassic, the system button-shadow and button-highlight colors otherwise.
struct TSchemeLineColors
{
    TColor Gray; ///< The gray line color.
    TColor White; ///< The white line color.
};
/// The line colors of Scheme.
VOK_EXPORT TSchemeLineColors SchemeLineColors(TColorScheme Scheme);

/// Text as a disabled caption shows it, embossed: Light one pixel right and
/// down, then Shadow at (X, Y), both over a clear brush. The canvas font keeps
/// its color and the brush its style.
VOK_EXPORT void DrawEmbossedText(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Light = clBtnHighlight,
    TColor Shadow = clBtnShadow);

/// The number of marker kinds DrawMarkOnCanvas knows.
inline constexpr int MarkerKindCount = 52;

/// Draws marker Kind centred on (X, Y): outlines in the current pen, filled
/// kinds inside in the current brush. Large kinds fit the 9 x 9 cell around
/// the point, small kinds the 5 x 5 cell. Kinds beyond 51 draw nothing.
///   0        a dot (one pixel)
///   1 .. 20  large shapes, each outlined then filled:
///            1/2 square, 3/4 circle, 5/6 triangle up, 7/8 triangle down,
///            9/10 triangle left, 11/12 triangle right, 13/14 diamond,
///            15/16 hexagon, 17/18 pentagon, 19/20 five-pointed star
///   21 .. 40 the same shapes small, in the same order
///   41 .. 45 large line marks: cross (x), plus (+), asterisk, horizontal
///            bar, vertical bar
///   46 .. 50 the same line marks small
///   51       crosshair: a large circle with a plus through it
VOK_EXPORT void DrawMarkOnCanvas(TCanvas* Canvas, quint8 Kind, int X, int Y);

/// The points of marker Kind's outline polygon at (X, Y), empty for kinds
/// that are not polygons (dot, square, circle, line marks).
VOK_EXPORT QList<TPoint> MarkerPolygon(quint8 Kind, int X, int Y);

} // namespace vok
