// TMeter::Paint: the dial is rendered in twelve steps into an off-screen
// bitmap, which is then copied to the control's canvas in one operation.
#include <vok/Vok_Meter.h>

#include "MeterScale.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vok {

class TMeter::Painter
{
public:
    explicit Painter(TMeter& Meter)
        : M(Meter)
        , W(Meter.GetWidth())
        , H(Meter.GetHeight())
        , G{Meter.FMeterAngle, Meter.FMeterRadius, Meter.FMeterCenterX, Meter.FMeterCenterY}
        , Scale(Meter.FMeterMinValue, Meter.FMeterMaxValue, Meter.FLogarithmic, Meter.FMeterAngle)
        , Ri(Round(Meter.FMeterRadius))
        , Bmp(*Meter.FDialBmp)
        , C(Bmp.GetCanvas())
    {
        Bmp.SetSize(W, H);
        ResetCanvas();
    }

    void Run()
    {
        PaintBackground();
        if (M.FScaleBkVisible)
            PaintRangeBands();
        C->GetBrush()->SetStyle(bsClear);
        if (M.FScaleVisible)
            PaintScale();
        PaintCaption();
        PaintNeedles();
        PaintRimCover();
        PaintAnchor();
        if (M.FLimWatchHighOn)
            PaintLamp(W - M.FRimSide - 18, M.FOverLimit);
        if (M.FLimWatchLowOn)
            PaintLamp(M.FRimSide + 8, M.FUnderLimit);
        if (M.OnMeterRendered)
            M.OnMeterRendered(&M, C);
        PaintFrame();
        M.GetCanvas()->SetCopyMode(cmSrcCopy);
        M.GetCanvas()->Draw(0, 0, &Bmp);
    }

private:
    // The picture is reused, and event handlers may have changed its canvas:
    // every paint starts from a new canvas's pen, brush, font, clip and modes.
    void ResetCanvas()
    {
        TPen Pen;
        TBrush Brush;
        TFont Font;
        C->GetPen()->Assign(&Pen);
        C->GetBrush()->Assign(&Brush);
        C->GetFont()->Assign(&Font);
        C->ResetClipRect();
        C->SetCopyMode(cmSrcCopy);
        C->SetStretchMode(smColorOnColor);
        C->MoveTo(0, 0);
    }

    void SetPenAndBrush(TColor Color)
    {
        C->GetPen()->SetColor(Color);
        C->GetBrush()->SetColor(Color);
        C->GetBrush()->SetStyle(bsSolid);
    }

    void Line(TPoint From, TPoint To)
    {
        C->MoveTo(From.X, From.Y);
        C->LineTo(To.X, To.Y);
    }

    // A pen path through Points in Color.
    void Path(TColor Color, std::initializer_list<TPoint> Points)
    {
        C->GetPen()->SetColor(Color);
        auto P = Points.begin();
        C->MoveTo(P->X, P->Y);
        for (++P; P != Points.end(); ++P)
            C->LineTo(P->X, P->Y);
    }

    // Step 1: the dial's color, or the background image as its fill mode says.
    void PaintBackground()
    {
        if (M.FBackGroundImg.isEmpty()) {
            C->SetFont(M.GetFont());
            SetPenAndBrush(M.FColorBakG);
            C->Rectangle(0, 0, W, H);
            return;
        }
        const TBitmap* Image = M.AuxBGBmp.get();
        switch (M.FBkgndFillMode) {
        case bfSimple:
            C->Rectangle(0, 0, W, H);
            C->Draw(0, 0, Image);
            break;
        case bfStretch:
            C->StretchDraw(Rect(0, 0, W, H), Image);
            break;
        case bfTile: {
            const int TileW = Image->GetWidth();
            const int TileH = Image->GetHeight();
            if (TileW <= 0 || TileH <= 0)
                break;
            for (int X = 0; X < W; X += TileW)
                for (int Y = 0; Y < H; Y += TileH)
                    C->Draw(X, Y, Image);
            break;
        }
        }
    }

    // Step 2: three sectors from the scale's minimum through the thresholds
    // to its maximum, cut back to a ring by a disc in the dial's color.
    void PaintRangeBands()
    {
        const double R = G.Radius;
        const int Ro = Round(R + 4);
        const int Rin = Round((100 - M.FScaleBkWidth) * R / 100);
        const double Low = Scale.DrawAngle(M.FThresholdLow);
        const double High = Scale.DrawAngle(M.FThresholdHigh);
        const struct
        {
            TColor Color;
            double From, To;
        } Bands[] = {
            {M.FColorSclBkLow, Low, Scale.MinAngle()},
            {M.FColorSclBkNorm, High, Low},
            {M.FColorSclBkHigh, Scale.MaxAngle(), High},
        };
        // Each figure is clipped to the ring it can reach: what lies inside
        // the ring is covered by the disc anyway, and the pixel work shrinks.
        TRect Touched;
        for (const auto& Band : Bands) {
            if (std::fabs(Band.To - Band.From) * std::numbers::pi / 180 <= 1e-6)
                continue;
            const TRect Bounds = RingSectorBounds(G, Rin, Ro, Band.From, Band.To);
            Touched = Touched.IsEmpty() ? Bounds : Union(Touched, Bounds);
            C->SetClipRect(Bounds);
            SetPenAndBrush(Band.Color);
            const TPoint P1 = ArcPoint(G, R, Band.From);
            const TPoint P2 = ArcPoint(G, R, Band.To);
            C->Pie(G.CenterX - Ro, G.CenterY - Ro, G.CenterX + Ro + 1, G.CenterY + Ro, P1.X, P1.Y, P2.X, P2.Y);
        }
        // Over a plain dial the disc only needs to cover what the bands
        // touched; over an image it erases the image inside the ring too.
        if (M.FBackGroundImg.isEmpty())
            C->SetClipRect(Touched);
        else
            C->ResetClipRect();
        SetPenAndBrush(M.FColorBakG);
        if (!Touched.IsEmpty() || !M.FBackGroundImg.isEmpty())
            C->Ellipse(G.CenterX - Rin, G.CenterY - Rin, G.CenterX + Rin + 1, G.CenterY + Rin);
        C->ResetClipRect();
    }

    static TRect Union(const TRect& A, const TRect& B)
    {
        return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                std::max(A.Bottom, B.Bottom)};
    }

    void Tick(double Value, double Length)
    {
        const double Theta = Scale.DrawAngle(Value);
        Line(PolarPoint(G, G.Radius, Theta), PolarPoint(G, G.Radius - Length, Theta));
    }

    // Step 4: arc, minor ticks, major ticks and their labels.
    void PaintScale()
    {
        C->GetPen()->SetColor(M.FColorScale);
        if (M.FMeterScaleLine) {
            const TPoint From = ArcPoint(G, G.Radius, Scale.MaxAngle());
            const TPoint To = ArcPoint(G, G.Radius, Scale.MinAngle());
            C->SetClipRect(RingSectorBounds(G, G.Radius - 1, G.Radius + 1, Scale.MaxAngle(), Scale.MinAngle()));
            C->Arc(G.CenterX - Ri, G.CenterY - Ri, G.CenterX + Ri + 1, G.CenterY + Ri, From.X, From.Y, To.X, To.Y);
            C->ResetClipRect();
        }
        const double Min = M.FMeterMinValue;
        const double Max = M.FMeterMaxValue;
        const TScaleTicks Ticks = CalcScaleTicks(M.FMeterNrTicks, Min, Max);
        if (M.FMeterShortTicks)
            for (double X : MinorTickValues(Ticks, Min, Max))
                Tick(X, 4);

        C->SetFont(M.GetFont());
        Decimals = M.CalcM(M.FMeterDecPlaces, Max, Min);
        const QString MaxText = ScaleLabelText(Max, Decimals);
        Inset = LabelInset(C->TextWidth(MaxText), C->TextHeight(MaxText));
        if (M.FLogarithmic && SpansDecades(Min, Max)) {
            for (const TLogTick& T : LogScaleTicks(Min, Max)) {
                Tick(T.Value, 8);
                if (T.Labelled)
                    Label(T.Value);
            }
        } else {
            for (double X : MajorTickValues(Ticks, Max)) {
                Tick(X, 8);
                Label(X);
            }
        }
    }

    void Label(double Value)
    {
        QString Text = ScaleLabelText(Value, Decimals);
        const TPoint Anchor = LabelAnchor(G, Scale.DrawAngle(Value), Inset);
        if (M.OnBeforeDrawScaleLabel)
            M.OnBeforeDrawScaleLabel(&M, C, Text, Anchor.X - C->TextWidth(Text) / 2, Anchor.Y - C->TextHeight(Text) / 2);
        if (!Text.isEmpty())
            C->TextOut(Anchor.X - C->TextWidth(Text) / 2, Anchor.Y - C->TextHeight(Text) / 2, Text);
    }

    // Step 5.
    void PaintCaption()
    {
        C->SetFont(M.FFontCaption.get());
        C->GetBrush()->SetStyle(bsClear);
        C->TextOut(G.CenterX - C->TextWidth(M.FCaption) / 2,
                   G.CenterY - Round(G.Radius / 3) - C->TextHeight(M.FCaption) / 2, M.FCaption);
    }

    // Step 6: the secondary needle first, so the main one stays on top; only
    // the main needle may be drawn by the host instead.
    void PaintNeedles()
    {
        if (M.FNeedleLayoutSec->GetVisible())
            PaintNeedle(*M.FNeedleLayoutSec, M.FValueSec);
        bool NeedleDrawn = false;
        if (M.OnBeforeDrawNeedle)
            M.OnBeforeDrawNeedle(&M, C, NeedleDrawn);
        if (!NeedleDrawn)
            PaintNeedle(*M.FNeedleLayout, M.FValue);
    }

    void PaintNeedle(const TNeedleLayout& Layout, double Value)
    {
        C->GetBrush()->SetStyle(bsSolid);
        const TNeedleShape Shape{Layout.GetHeadSize(), Layout.GetHeadAngle(), Layout.GetHeadMidLeng(),
                                 Layout.GetThickness(), Layout.GetPercentNeedleLength()};
        const auto Outline = NeedlePolygon(G, Scale.DrawAngle(Value), Shape);
        QList<TPoint> Points(Outline.begin(), Outline.end());
        if (Layout.GetShadowDx() != 0 || Layout.GetShadowDy() != 0) {
            QList<TPoint> Shadow = Points;
            for (TPoint& P : Shadow)
                P = {P.X - Layout.GetShadowDx(), P.Y - Layout.GetShadowDy()};
            SetPenAndBrush(Layout.GetShadowColor());
            C->Polygon(Shadow);
        }
        C->GetPen()->SetColor(Layout.GetColorOutline());
        C->GetBrush()->SetColor(Layout.GetColorBody());
        C->Polygon(Points);
    }

    // Step 7: whatever reached into the rims is covered.
    void PaintRimCover()
    {
        SetPenAndBrush(M.FColorCover);
        C->Rectangle(0, 0, M.FRimSide - 1, H);
        C->Rectangle(0, 0, W, M.FRimTop);
        C->Rectangle(W - M.FRimSide, 0, W, H);
        C->Rectangle(0, H - M.FRimBottom, W, H);
    }

    // The dial window looks sunken: white along the bottom and right, gray
    // along the top and left.
    void PaintWindowBevel()
    {
        const int L = M.FRimSide - 1;
        const int R = W - M.FRimSide;
        const int T = M.FRimTop;
        const int B = H - M.FRimBottom;
        Path(clWhite, {{L, B}, {R, B}, {R, T}});
        Path(clGray, {{R, T}, {L, T}, {L, B}});
    }

    // Step 8: the hub over the pivot (image, knob or half disc on a pedestal)
    // and the window bevel.
    void PaintAnchor()
    {
        const int CX = G.CenterX;
        const int CY = G.CenterY;
        const int AS = M.FAnchorSize;
        if (!M.FAnchorCovered) {
            PaintWindowBevel();
        } else if (!M.FAnchorImage.isEmpty()) {
            PaintWindowBevel();
            const int X = CX - M.AuxACBmp->GetWidth() / 2;
            const int Y = CY - M.AuxACBmp->GetHeight() / 2;
            C->SetCopyMode(cmSrcAnd);
            C->Draw(X, Y, M.AuxACMaskBmp.get());
            C->SetCopyMode(cmSrcPaint);
            C->Draw(X, Y, M.AuxACBmp.get());
            C->SetCopyMode(cmSrcCopy);
        } else if (M.FMeterLayout == mlCirc270 || M.FMeterLayout == mlCirc300 || M.FMeterLayout == mlCirc360) {
            C->Ellipse(CX - AS, CY - AS, CX + AS, CY + AS);
            PaintWindowBevel();
            C->GetPen()->SetColor(clWhite);
            C->Arc(CX - AS, CY - AS, CX + AS, CY + AS, CX + AS, CY - AS, CX - AS, CY + AS);
            C->GetPen()->SetColor(clGray);
            C->Arc(CX - AS, CY - AS, CX + AS, CY + AS, CX - AS, CY + AS, CX + AS, CY - AS);
        } else {
            const int B = H - M.FRimBottom;
            C->Pie(CX - AS, CY - AS, CX + AS, CY + AS, W, CY, 0, CY);
            C->Rectangle(CX - AS, CY, CX + AS, B);
            Path(clGray, {{CX + AS - 1, CY}, {CX + AS - 1, B}});
            Path(clWhite, {{CX + AS - 1, B}, {W - M.FRimSide, B}, {W - M.FRimSide, M.FRimTop}});
            Path(clGray, {{W - M.FRimSide, M.FRimTop}, {M.FRimSide - 1, M.FRimTop}, {M.FRimSide - 1, B}});
            Path(clWhite, {{M.FRimSide - 1, B}, {CX - AS, B}, {CX - AS, CY - 1}});
            C->Arc(CX - AS, CY - AS, CX + AS, CY + AS, W, CY, 0, CY);
            C->GetPen()->SetColor(clGray);
            C->Arc(CX - AS, CY - AS, CX + AS, CY + AS, CX + AS, CY, CX + AS, CY - AS);
        }
    }

    // Step 9: a 10 x 10 lamp at (L, top rim + 8) with a sunken bevel.
    void PaintLamp(int L, bool Lit)
    {
        const int T = M.FRimTop + 8;
        C->GetPen()->SetColor(clBlack);
        C->GetBrush()->SetColor(Lit ? M.FLimWatchActColor : M.FLimWatchPsvColor);
        C->GetBrush()->SetStyle(bsSolid);
        C->Rectangle(L, T, L + 10, T + 10);
        Path(clWhite, {{L + 1, T + 9}, {L + 9, T + 9}, {L + 9, T}});
        Path(clSilver, {{L + 2, T + 8}, {L + 8, T + 8}, {L + 8, T + 1}});
        Path(clGray, {{L + 1, T + 8}, {L + 1, T + 1}, {L + 9, T + 1}});
    }

    // Step 11.
    void PaintFrame()
    {
        const TColor Gray = M.FColGrayLine;
        const TColor White = M.FColWhiteLine;
        switch (M.FFrameStyle) {
        case fsNoFrame:
            break;
        case fsSimple:
            Path(M.FColorBakG, {{0, H - 1}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
            break;
        case fsLowered:
        case fsRaised: {
            const bool Sunken = M.FFrameStyle == fsLowered;
            Path(Sunken ? Gray : White, {{0, H - 1}, {0, 0}, {W - 1, 0}});
            Path(Sunken ? White : Gray, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
            break;
        }
        case fsEmbossed:
        case fsEngraved: {
            const bool Embossed = M.FFrameStyle == fsEmbossed;
            Path(Embossed ? White : Gray, {{0, 0}, {W - 2, 0}, {W - 2, H - 2}, {0, H - 2}, {0, 0}});
            Path(Embossed ? Gray : White, {{1, H - 3}, {1, 1}, {W - 2, 1}});
            Path(Embossed ? Gray : White, {{1, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
            break;
        }
        }
    }

    TMeter& M;
    const int W;
    const int H;
    const TMeterGeometry G;
    const TMeterScale Scale;
    const int Ri;
    TBitmap& Bmp;
    TCanvas* const C;
    int Decimals = 0;
    TLabelInset Inset;
};

void TMeter::Paint()
{
    if (FMeterRadius <= 0)
        return;
    Painter(*this).Run();
}

} // namespace vok
