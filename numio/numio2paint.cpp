#include "numio2paint.h"

#include <vok/Vok_canvas.h>
#include <vok/Vok_frames.h>

#include <algorithm>

namespace vok {

namespace {

// A line from (X1, Y1) over (X2, Y2) to (X3, Y3), the pen's last point left out.
void Corner(TCanvas& C, int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    C.MoveTo(X1, Y1);
    C.LineTo(X2, Y2);
    C.LineTo(X3, Y3);
}

// A caption: plain, or embossed when disabled (white one pixel right and
// down, then gray in place, over a clear brush).
void DrawCaption(TCanvas& C, int X, int Y, const QString& Text, bool Enabled, TColor TextColor)
{
    if (Text.isEmpty())
        return;
    C.GetFont()->SetColor(TextColor);
    if (Enabled)
        C.TextOut(X, Y, Text);
    else
        DrawEmbossedText(&C, X, Y, Text, clWhite, clGray);
}

void SetPenAndBrush(TCanvas& C, TColor Pen, TColor Brush)
{
    C.GetPen()->SetColor(Pen);
    C.GetBrush()->SetStyle(bsSolid);
    C.GetBrush()->SetColor(Brush);
}

// The arrow of a spin button: runs of 1, 3 and 5 pixels around Cx, the tip
// at TipY, widening towards TipY + 2 * Dir.
void DrawArrow(TCanvas& C, int Cx, int TipY, int Dir)
{
    for (int Run = 0; Run < 3; ++Run) {
        const int Y = TipY + Run * Dir;
        C.MoveTo(Cx - Run, Y);
        C.LineTo(Cx + Run + 1, Y);
    }
}

void PaintSpinButtons(TCanvas& C, const TNumIO2Layout& L, const TNumIO2Appearance& Look, bool Enabled)
{
    const int Xb = L.ButtonsLeft();
    const int H2 = L.ButHeight / 2;
    SetPenAndBrush(C, clGray, Look.ButColor);
    C.Rectangle(L.ButtonsRect());
    C.MoveTo(Xb, L.ButtonsMiddleY());
    C.LineTo(Xb + L.ButWidth + 1, L.ButtonsMiddleY());
    if (Look.But3D) {
        C.GetPen()->SetColor(clWhite);
        Corner(C, Xb + 1, 2 * H2 - 3, Xb + 1, H2, Xb + L.ButWidth, H2);
        Corner(C, Xb + 1, H2 - 2, Xb + 1, 1, Xb + L.ButWidth, 1);
        C.GetPen()->SetColor(clBlack);
        Corner(C, Xb + 1, 2 * H2 - 1, Xb + L.ButWidth + 1, 2 * H2 - 1, Xb + L.ButWidth + 1, 1);
    }
    C.GetPen()->SetColor(Enabled ? clBlack : clGray);
    const int Cx = Xb + L.ButWidth / 2;
    const int Q = H2 / 2;
    DrawArrow(C, Cx, Q - 1, +1);
    DrawArrow(C, Cx, H2 + Q, -1);
}

// The colors of the left/top and the bottom/right edge of a 3-D frame style:
// sunken, raised, gray or white.
struct TEdgeColors
{
    TColor Upper;
    TColor Lower;
};

TEdgeColors EdgeColorsOf(TFrameStyle Style, const TNumIO2Appearance& Look)
{
    switch (Style) {
    case fsLowered:
        return {Look.ColBlackLine, Look.ColWhiteLine};
    case fsRaised:
        return {Look.ColWhiteLine, Look.ColBlackLine};
    case fsEngraved:
        return {Look.ColWhiteLine, Look.ColWhiteLine};
    default:
        return {Look.ColGrayLine, Look.ColGrayLine};
    }
}

// 3-D edges inside R: Upper along the left and top, Lower along the bottom and right.
void InnerEdges(TCanvas& C, const TRect& R, TColor Upper, TColor Lower)
{
    C.GetPen()->SetColor(Upper);
    Corner(C, R.Left + 1, R.Bottom - 2, R.Left + 1, R.Top + 1, R.Right - 1, R.Top + 1);
    C.GetPen()->SetColor(Lower);
    Corner(C, R.Left + 1, R.Bottom - 2, R.Right - 2, R.Bottom - 2, R.Right - 2, R.Top);
}

void PaintGauge(TCanvas& C, const TNumIO2Layout& L, const TNumIO2Appearance& Look, const TNumIO2PaintState& S)
{
    const TRect G = L.GaugeRect();
    SetPenAndBrush(C, Look.GaugeFrameStyle == fsNoFrame ? Look.GaugeColorBg : Look.GaugeColorFrame, Look.GaugeColorBg);
    C.Rectangle(G);
    const TColor Fill = S.Enabled ? Look.GaugeColor : clGray;
    SetPenAndBrush(C, Fill, Fill);
    if (S.GaugeFill > 0)
        C.Rectangle(G.Left, G.Top, G.Left + S.GaugeFill, G.Bottom);

    C.GetBrush()->SetStyle(bsClear);
    switch (Look.GaugeFrameStyle) {
    case fsNoFrame:
        break;
    case fsSimple:
        C.GetPen()->SetColor(Look.GaugeColorFrame);
        C.Rectangle(G);
        break;
    case fsEmbossed:
        C.GetPen()->SetColor(Look.ColWhiteLine);
        C.Rectangle(G);
        break;
    default:
        C.GetPen()->SetColor(Look.ColGrayLine);
        C.Rectangle(G);
        break;
    }
    if (Look.GaugeFrameStyle >= fsLowered) {
        const TEdgeColors E = EdgeColorsOf(Look.GaugeFrameStyle, Look);
        InnerEdges(C, G, E.Upper, E.Lower);
    }
}

void PaintTextBox(TCanvas& C, const TNumIO2Layout& L, const TNumIO2Appearance& Look, const TNumIO2PaintState& S)
{
    const TFrameStyle Style = Look.FrameStyle;
    TColor Pen = Style == fsEmbossed ? Look.ColWhiteLine : Style == fsNoFrame ? Look.ColorBoxBG : Look.ColGrayLine;
    TColor Brush = Look.ColorBoxBG;
    if (Style == fsNoFrame && !S.Enabled)
        Pen = clSilver;
    if (S.OutOfRange) {
        Brush = Look.ColorWarnBG;
        if (Style == fsNoFrame && S.Enabled)
            Pen = Look.ColorWarnBG;
    }
    if (!S.Enabled)
        Brush = clSilver;
    SetPenAndBrush(C, Pen, Brush);
    const bool ThreeD = Style >= fsLowered;
    C.Rectangle(L.TextBoxRect(ThreeD));
    if (!ThreeD)
        return;

    const TEdgeColors E = EdgeColorsOf(Style, Look);
    const int Lft = L.LeftSpace, Bottom = L.Height - L.GaugeStrip(), Rgt = L.LeftSpace + L.TextBoxWidth;
    C.GetPen()->SetColor(E.Upper);
    Corner(C, Lft + 1, Bottom - 3, Lft + 1, 1, Rgt + 1, 1);
    C.GetPen()->SetColor(E.Lower);
    Corner(C, Lft + 1, Bottom - 1, Rgt + 2, Bottom - 1, Rgt + 2, 0);
}

} // namespace

const QString& TextHeightSample()
{
    static const QString Sample = QStringLiteral("(8g]}\u00DC\u00C4\u00A7");
    return Sample;
}

void PaintNumIO2(TCanvas& C, const TNumIO2Layout& L, const TNumIO2Appearance& Look, const TNumTextEditor& Editor,
                 const TNumIO2PaintState& S)
{
    const int W = L.Width, H = L.Height, G = L.GaugeStrip();
    const int Ty = L.TextTop(C.TextHeight(TextHeightSample()));

    // Background.
    C.SetCopyMode(cmSrcCopy);
    C.GetPen()->SetStyle(psSolid);
    SetPenAndBrush(C, Look.ColorOutBG, Look.ColorOutBG);
    C.Rectangle(0, 0, W, H);

    // Left caption.
    DrawCaption(C, L.LeftCaptionX(Look.LeftTextAlignment, C.TextWidth(Look.LeftText)), Ty, Look.LeftText, S.Enabled,
                Look.ColorOutText);

    if (L.ButVisible)
        PaintSpinButtons(C, L, Look, S.Enabled);

    // Right caption.
    SetPenAndBrush(C, C.GetPen()->GetColor(), Look.ColorOutBG);
    DrawCaption(C, L.RightCaptionX(Look.RightTextAlignment, C.TextWidth(Look.RightText)), Ty, Look.RightText,
                S.Enabled, Look.ColorOutText);

    if (L.GaugeVisible)
        PaintGauge(C, L, Look, S);

    PaintTextBox(C, L, Look, S);

    // The number, clipped to the inside of the box.
    const QString& Text = Editor.GetText();
    const int TextW = C.TextWidth(Text);
    C.GetFont()->SetColor(!S.Enabled ? clGray : S.OutOfRange ? Look.ColorWarnText : Look.ColorBoxText);
    C.TextRect(L.NumberClipRect(), L.NumberX(Look.Alignment, TextW), Ty, Text);

    // Caret.
    const int CaretCol = L.CaretColumn(Look.Alignment, C.TextWidth(Text.left(std::max(Editor.GetCaretPos(), 0))), TextW);
    if (S.CaretVisible && CaretCol > 0 && CaretCol < L.TextBoxWidth) {
        C.GetPen()->SetColor(clBlack);
        C.MoveTo(L.LeftSpace + CaretCol, 3);
        C.LineTo(L.LeftSpace + CaretCol, H - G - 3);
    }

    // Selection, inverted in place.
    if (Editor.GetSelBegin() < Editor.GetSelEnd() && S.ShowSelection) {
        auto XOf = [&](int Pos) {
            const int X = L.CharPosToX(Look.Alignment, C.TextWidth(Text.left(std::max(Pos, 0))), TextW);
            return std::clamp(X, L.LeftSpace, L.LeftSpace + L.TextBoxWidth);
        };
        const TRect Sel = Rect(XOf(Editor.GetSelBegin()), 3, XOf(Editor.GetSelEnd()), H - G - 3);
        C.SetCopyMode(cmDstInvert);
        C.CopyRect(Sel, &C, Sel);
        C.SetCopyMode(cmSrcCopy);
    }
}

} // namespace vok
