#include <vok/Vok_gradfl.h>
#include <vok/Vok_frames.h>

#include <vok/Vok_rounding.h>
#include <vok/Vok_syscolors.h>

#include <algorithm>

namespace vok {

namespace {
bool Stacked(TGradType Type) { return Type == gtHoriz || Type == gtMidBandHoriz; }

int Channel(int First, int Last, int Numerator, int Denominator)
{
    return (First + MulDiv(Numerator, Last - First, Denominator)) & 0xFF;
}
} // namespace

TRect GradientBandRect(TGradType Type, int Band, int Count, int Width, int Height)
{
    if (Stacked(Type))
        return Rect(0, MulDiv(Band, Height, Count), Width, MulDiv(Band + 1, Height, Count));
    return Rect(MulDiv(Band, Width, Count), 0, MulDiv(Band + 1, Width, Count), Height);
}

TColor GradientBandColor(TGradType Type, int Band, int Count, TColor First, TColor Last)
{
    if (Count < 2)
        return First;
    int Numerator = Band;
    int Denominator = Count;
    if (Type == gtMidBandHoriz || Type == gtMidBandVert) {
        Denominator = Count / 2;
        if (Band > Denominator)
            Numerator = Count - Band - 1;
    }
    return RGBToColor(Channel(GetRValue(First), GetRValue(Last), Numerator, Denominator),
        Channel(GetGValue(First), GetGValue(Last), Numerator, Denominator),
        Channel(GetBValue(First), GetBValue(Last), Numerator, Denominator));
}

QList<int> GradientGridLines(int Count, int Extent)
{
    QList<int> Lines;
    for (int K = 1; K < Count; ++K)
        Lines.append(MulDiv(K, Extent, Count));
    return Lines;
}


TGradFill::TGradFill(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , FBmp(std::make_unique<TBitmap>())
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    SetBounds(GetLeft(), GetTop(), 121, 121);
}

void TGradFill::Changed()
{
    Invalidate();
}

void TGradFill::SetColorFirst(TColor Value)
{
    (FColorsFlipped ? FColLastOrg : FColFirstOrg) = Value;
    if (FColorFirst == Value)
        return;
    FColorFirst = Value;
    Changed();
    emit colorFirstChanged(Value);
}

void TGradFill::SetColorLast(TColor Value)
{
    (FColorsFlipped ? FColFirstOrg : FColLastOrg) = Value;
    if (FColorLast == Value)
        return;
    FColorLast = Value;
    Changed();
    emit colorLastChanged(Value);
}

void TGradFill::SetColorFlipped(bool Value)
{
    if (FColorsFlipped == Value)
        return;
    FColorsFlipped = Value;
    const TColor OldFirst = FColorFirst;
    const TColor OldLast = FColorLast;
    FColorFirst = Value ? FColLastOrg : FColFirstOrg;
    FColorLast = Value ? FColFirstOrg : FColLastOrg;
    Changed();
    if (FColorFirst != OldFirst)
        emit colorFirstChanged(FColorFirst);
    if (FColorLast != OldLast)
        emit colorLastChanged(FColorLast);
}

void TGradFill::SetFillType(TGradType Value)
{
    if (FGradType == Value)
        return;
    FGradType = Value;
    Changed();
}

void TGradFill::SetFrameStyle(TFrameStyle Value)
{
    if (FFrameStyle == Value)
        return;
    FFrameStyle = Value;
    Changed();
}

void TGradFill::SetGridColor(TColor Value)
{
    if (FGridColor == Value)
        return;
    FGridColor = Value;
    Changed();
}

void TGradFill::SetGridMode(TGridMode Value)
{
    if (FGridMode == Value)
        return;
    FGridMode = Value;
    Changed();
}

void TGradFill::SetNrColors(int Value)
{
    Value = std::clamp(Value, 1, 255);
    if (FNrColors == Value)
        return;
    FNrColors = Value;
    Changed();
}

void TGradFill::DrawGradient(TBitmap& Bitmap) const
{
    TCanvas* C = Bitmap.GetCanvas();
    const int W = Bitmap.GetWidth();
    const int H = Bitmap.GetHeight();
    const TColor First = ColorToRGB(FColorFirst);
    const TColor Last = ColorToRGB(FColorLast);
    C->GetBrush()->SetStyle(bsSolid);
    for (int K = 0; K < FNrColors; ++K) {
        C->GetBrush()->SetColor(GradientBandColor(FGradType, K, FNrColors, First, Last));
        C->FillRect(GradientBandRect(FGradType, K, FNrColors, W, H));
    }
    C->GetPen()->SetColor(FGridColor);
    C->GetPen()->SetStyle(psSolid);
    if (FGridMode == gmHoriz || FGridMode == gmBoth) {
        for (int Y : GradientGridLines(FNrColors, H)) {
            C->MoveTo(0, Y);
            C->LineTo(W, Y);
        }
    }
    if (FGridMode == gmVert || FGridMode == gmBoth) {
        for (int X : GradientGridLines(FNrColors, W)) {
            C->MoveTo(X, 0);
            C->LineTo(X, H);
        }
    }
    DrawFrame(C, FFrameStyle, 0, 0, W - 1, H - 1, clWhite, clSilver, clGray, clBlack, clBlack);
}

void TGradFill::Paint()
{
    FBmp->SetSize(GetWidth(), GetHeight());
    DrawGradient(*FBmp);
    GetCanvas()->SetCopyMode(cmSrcCopy);
    GetCanvas()->Draw(0, 0, FBmp.get());
    if (OnPaint)
        OnPaint(this);
    emit paint();
}

} // namespace vok
