// TProgBar::Paint: margins, background, bar, grid, frames and value text are
// rendered into an off-screen bitmap, which is then copied to the control's
// canvas in one operation.
#include <vok/Vok_ProgBar.h>
#include <vok/Vok_frames.h>

#include "ProgBarLayout.h"

namespace vok {

class TProgBar::Painter
{
public:
    explicit Painter(TProgBar& Bar)
        : P(Bar)
        , W(Bar.GetWidth())
        , H(Bar.GetHeight())
        , G(Bar.FDirection, W, H, Bar.FMarginLeft, Bar.FMarginTop, Bar.FMarginRight, Bar.FMarginBottom,
            FillFraction(Bar.FValue, Bar.FMin, Bar.FMax))
        , Bmp(*Bar.FBarBmp)
        , C(Bmp.GetCanvas())
    {
        Bmp.SetSize(W, H);
        C->ResetClipRect();
        C->SetCopyMode(cmSrcCopy);
        C->GetPen()->SetWidth(1);
        C->GetPen()->SetStyle(psSolid);
        C->GetPen()->SetMode(pmCopy);
    }

    void Run()
    {
        Fill(P.FColorMargin, Rect(0, 0, W, H));
        if (!G.Inner.IsEmpty()) {
            Fill(P.FColorBackGnd, G.Inner);
            if (!P.FBackGroundImg.isEmpty())
                PaintBackgroundImage();
            PaintBar();
            PaintGrid();
        }
        PaintFrame(P.FFrameStyleInner, G.Inner);
        PaintFrame(P.FFrameStyleOuter, Rect(0, 0, W, H));
        if (P.FTextVisible)
            PaintValueText();
        P.GetCanvas()->SetCopyMode(cmSrcCopy);
        P.GetCanvas()->Draw(0, 0, &Bmp);
    }

private:
    // Pen and brush in Color, one rectangle.
    void Fill(TColor Color, TRect R)
    {
        C->GetPen()->SetColor(Color);
        C->GetBrush()->SetStyle(bsSolid);
        C->GetBrush()->SetColor(Color);
        C->Rectangle(R);
    }

    void PaintBackgroundImage()
    {
        C->SetStretchMode(smHalftone);
        C->StretchDraw(G.Inner, P.AuxBmp.get());
        C->SetStretchMode(smColorOnColor);
    }

    // One color, or one line across the bar per pixel of its length.
    void PaintBar()
    {
        if (G.Length <= 0)
            return;
        if (!P.FShowColorGradient) {
            Fill(P.FBarColors[0], G.Bar);
            return;
        }
        for (int K = 0; K < G.Length; ++K)
            Fill(P.FBarColors[size_t(GradientIndex(P.FColorMapMode, K, G.Length, G.FullLength))], G.LineAt(K));
    }

    void PaintGrid()
    {
        const QList<TRect> Lines = G.GridLines(P.FGridDist);
        for (const TRect& Line : Lines)
            Fill(P.FColorGrid, Line);
    }

    void Path(TColor Color, std::initializer_list<TPoint> Points)
    {
        C->GetPen()->SetColor(Color);
        auto Pt = Points.begin();
        C->MoveTo(Pt->X, Pt->Y);
        for (++Pt; Pt != Points.end(); ++Pt)
            C->LineTo(Pt->X, Pt->Y);
    }

    void Outline(TColor Color, int L, int T, int R, int B)
    {
        C->GetPen()->SetColor(Color);
        C->Rectangle(L, T, R, B);
    }

    // The bevel of Style on the box R; the 3-D styles give the two corner
    // pixels where their light and dark edges meet the margin's color.
    void PaintFrame(TFrameStyle Style, TRect Box)
    {
        const int L = Box.Left, T = Box.Top, R = Box.Right, B = Box.Bottom;
        const TColor Gray = P.FColGrayLine;
        const TColor White = P.FColWhiteLine;
        const TColor Black = clBlack;
        C->GetBrush()->SetStyle(bsClear);
        switch (Style) {
        case fsNoFrame:
            return;
        case fsSimple:
            Outline(Gray, L, T, R, B);
            return;
        case fsLowered:
        case fsRaised: {
            const bool Sunken = Style == fsLowered;
            Path(Sunken ? Black : White, {{L + 1, B - 3}, {L + 1, T + 1}, {R - 1, T + 1}});
            Path(Sunken ? White : Black, {{L + 1, B - 1}, {R - 1, B - 1}, {R - 1, T}});
            Outline(Gray, L, T, R - 1, B - 1);
            break;
        }
        case fsEmbossed:
        case fsEngraved: {
            const bool Embossed = Style == fsEmbossed;
            Outline(Embossed ? Gray : White, L + 1, T + 1, R, B);
            Outline(Embossed ? White : Gray, L, T, R - 1, B - 1);
            break;
        }
        }
        C->SetPixel(L, B - 1, P.FColorMargin);
        C->SetPixel(R - 1, T, P.FColorMargin);
    }

    void PaintValueText()
    {
        C->SetFont(P.GetFont());
        C->GetFont()->SetEscapement(P.FTextAngle * 10);
        C->GetFont()->SetOrientation(P.FTextAngle * 10);
        C->GetBrush()->SetStyle(bsClear);
        QString Text = ProgBarValueText(P.FValue, P.FTextDecPlaces);
        if (P.OnShowValue)
            P.OnShowValue(&P, Text);
        const TSize Size = C->TextExtent(Text);
        const TPoint At = ValueTextOrigin(P.FTextAlignment, P.FTextPosX, P.FTextPosY, Size.cx, Size.cy, P.FTextAngle);
        if (P.isEnabled())
            C->TextOut(At.X, At.Y, Text);
        else
            DrawEmbossedText(C, At.X, At.Y, Text, clWhite, clGray);
    }

    TProgBar& P;
    const int W;
    const int H;
    const TBarGeometry G;
    TBitmap& Bmp;
    TCanvas* const C;
};

void TProgBar::Paint()
{
    if (!GetVisible() && !IsDesigning())
        return;
    Painter(*this).Run();
}

} // namespace vok
