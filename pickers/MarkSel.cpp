#include "MarkerGrid.h"

#include <vok/Vok_marksel.h>
#include <vok/Vok_bitmap.h>

namespace vok {

using namespace marksel;

namespace {
constexpr int MaxGridCount = MarkerKindCount - 1;
constexpr int MinCell = 13; // a large marker (9 x 9) with room around it
} // namespace

TMarkSel::TMarkSel(QWidget* AOwner)
    : TGraphicControl(AOwner)
{
    FMarkVis.fill(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    SetBounds(0, 0, 236, 178);
}

// ---- settings ---------------------------------------------------------------

void TMarkSel::SetColorField(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Repaint();
}

void TMarkSel::SetNrOfColumns(int Value)
{
    if (Value < 1 || Value > MaxGridCount || Value == FNrCols)
        return;
    FNrCols = Value;
    updateGeometry();
    Repaint();
}

void TMarkSel::SetNrOfRows(int Value)
{
    if (Value < 1 || Value > MaxGridCount || Value == FNrRows)
        return;
    FNrRows = Value;
    updateGeometry();
    Repaint();
}

void TMarkSel::SetFrameStyle(TFrameStyle Value)
{
    if (Value == FFrameStyle)
        return;
    FFrameStyle = Value;
    Repaint();
}

void TMarkSel::SetSelected(int Value)
{
    if (Value < -1 || Value > MaxGridCount || Value == FSelected)
        return;
    ChangeSelected(Value);
    Repaint();
}

void TMarkSel::ChangeSelected(int Mark)
{
    FSelected = Mark;
    emit selectedChanged(Mark);
    NotifyAccessibleValueChanged();
}

QString TMarkSel::AccessibleValueText() const
{
    return FSelected < 0 ? QString() : QString::number(FSelected);
}

bool TMarkSel::AccessibleValue(double& Value, double& Minimum, double& Maximum) const
{
    Value = FSelected;
    Minimum = -1;
    Maximum = MaxGridCount;
    return true;
}

void TMarkSel::SetShowZeroAsCross(bool Value)
{
    FZeroAsCross = Value;
    Invalidate();
}

bool TMarkSel::GetMarkVisible(int Index) const
{
    return FMarkVis[Index < 0 || Index >= MarkerKindCount ? 0 : Index];
}

void TMarkSel::SetMarkVisible(int Index, bool Value)
{
    if (Index < 1 || Index > MaxGridCount)
        return;
    FMarkVis[Index] = Value;
    Repaint();
}

void TMarkSel::ShowAllMarks()
{
    std::fill(FMarkVis.begin() + 1, FMarkVis.end(), true);
    Repaint();
}

void TMarkSel::HideAllMarks()
{
    std::fill(FMarkVis.begin() + 1, FMarkVis.end(), false);
    Repaint();
}

void TMarkSel::changeEvent(QEvent* Event)
{
    TGraphicControl::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange)
        Invalidate();
}

QSize TMarkSel::sizeHint() const { return {236, 178}; }

QSize TMarkSel::minimumSizeHint() const { return {FNrCols * MinCell + 4, FNrRows * MinCell + 4}; }

// ---- painting ---------------------------------------------------------------

TMarkSel::TMarkColors TMarkSel::PaintColors() const
{
    if (isEnabled())
        return {FColorBackGnd, FColorMarks, FColorSelBG, FColorSelFG};
    return {0xC0C0C0, 0x808080, 0xDEDEDE, 0x808080};
}

void TMarkSel::UpdateLayout()
{
    const TCellAxis Horz = CellAxis(GetWidth(), FNrCols);
    const TCellAxis Vert = CellAxis(GetHeight(), FNrRows);
    FMarkDistHorz = Horz.Dist;
    FMarkDistVert = Vert.Dist;
    FMarkMarginHorz = Horz.Margin;
    FMarkMarginVert = Vert.Margin;
    PlaceMarkers(FMarkVis, FNrCols, Horz, Vert, FMarkCoords);
}

void TMarkSel::DrawSymbol(TCanvas* Canvas, int I) const
{
    if (I == 0 && FZeroAsCross) {
        Canvas->MoveTo(4, 4);
        Canvas->LineTo(FMarkDistHorz + 1, FMarkDistVert + 1);
        Canvas->MoveTo(4, FMarkDistVert);
        Canvas->LineTo(FMarkDistHorz + 1, 3);
        return;
    }
    DrawMarkOnCanvas(Canvas, quint8(I), FMarkCoords[I].X + 2, FMarkCoords[I].Y + 2);
}

void TMarkSel::Paint()
{
    const int W = GetWidth();
    const int H = GetHeight();
    TBitmap Bitmap(W, H);
    TCanvas* C = Bitmap.GetCanvas();
    const TMarkColors K = PaintColors();
    TPen* Pen = C->GetPen();
    TBrush* Brush = C->GetBrush();
    Pen->SetColor(K.Back);
    Brush->SetColor(K.Back);
    C->Rectangle(0, 0, W, H);
    Pen->SetColor(K.Symbol);
    Pen->SetStyle(psSolid);
    Pen->SetMode(pmCopy);
    UpdateLayout();
    const int HalfH = FMarkDistHorz / 2;
    const int HalfV = FMarkDistVert / 2;
    for (int I = 0; I < MarkerKindCount; ++I) {
        if (!FMarkVis[I])
            continue;
        const TPoint P = FMarkCoords[I];
        if (I == FSelected) {
            Pen->SetColor(K.SelSymbol);
            Brush->SetColor(K.SelBack);
            C->Rectangle(P.X - HalfH + 3, P.Y - HalfV + 3, P.X + HalfH + 3, P.Y + HalfV + 3);
        } else {
            Pen->SetColor(K.Symbol);
            Brush->SetColor(K.Back);
        }
        DrawSymbol(C, I);
    }
    DrawFrame(C, FFrameStyle, 0, 0, W - 1, H - 1, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000, K.Symbol);
    GetCanvas()->SetCopyMode(cmSrcCopy);
    GetCanvas()->Draw(0, 0, &Bitmap);
    if (OnPaint)
        OnPaint(this);
    emit paint();
}

// ---- pointer ----------------------------------------------------------------

void TMarkSel::RestoreMarker(int I)
{
    TCanvas* C = GetCanvas();
    const TPoint P = FMarkCoords[I];
    const int HalfH = FMarkDistHorz / 2;
    const int HalfV = FMarkDistVert / 2;
    const bool Sel = I == FSelected;
    C->GetPen()->SetColor(Sel ? FColorSelFG : FColorBackGnd);
    C->GetBrush()->SetColor(Sel ? FColorSelBG : FColorBackGnd);
    C->Rectangle(P.X - HalfH + 3, P.Y - HalfV + 3, P.X + HalfH + 3, P.Y + HalfV + 3);
    C->GetPen()->SetColor(Sel ? FColorSelFG : FColorMarks);
    DrawSymbol(C, I);
}

void TMarkSel::HighlightMarker(int I)
{
    TCanvas* C = GetCanvas();
    const TPoint P = FMarkCoords[I];
    const int HalfH = FMarkDistHorz / 2;
    const int HalfV = FMarkDistVert / 2;
    C->GetPen()->SetColor(FColorHiLiteBG);
    C->GetBrush()->SetColor(FColorHiLiteBG);
    C->Rectangle(P.X - HalfH + 4, P.Y - HalfV + 4, P.X + HalfH + 2, P.Y + HalfV + 2);
    C->GetPen()->SetColor(FColorHiLiteSymbol);
    DrawSymbol(C, I);
    FLastHiLite = I;
    update();
}

void TMarkSel::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    FLastPointer = Point(X, Y);
    Update(); // a pending repaint first, so the highlight lands on the current picture
    UpdateLayout();
    const int Nearest = NearestMarker(FMarkVis, FMarkCoords, FNrCols * FNrRows, X, Y);
    if (Nearest == FLastHiLite)
        return;
    // A marker hidden since it was highlighted has given its cell away.
    if (FMarkVis[FLastHiLite])
        RestoreMarker(FLastHiLite);
    HighlightMarker(Nearest);
}

void TMarkSel::PickAt(int X, int Y, const TMarkClickEvent& Event, bool Double)
{
    UpdateLayout();
    const int Mark = NearestMarker(FMarkVis, FMarkCoords, FNrCols * FNrRows, X, Y);
    if (Mark != FSelected)
        ChangeSelected(Mark);
    if (Event)
        Event(this, X, Y, Mark);
    if (Double)
        emit markDblClick(X, Y, Mark);
    else
        emit markClick(X, Y, Mark);
    Repaint();
    HighlightMarker(Mark);
}

void TMarkSel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || (X == -1 && Y == -1))
        return;
    FLastPointer = Point(X, Y);
    PickAt(X, Y, OnMarkClick, false);
}

void TMarkSel::DblClick()
{
    TGraphicControl::DblClick();
    if (FLastPointer.X == -1 && FLastPointer.Y == -1)
        return;
    PickAt(FLastPointer.X, FLastPointer.Y, OnMarkDblClick, true);
}

} // namespace vok
