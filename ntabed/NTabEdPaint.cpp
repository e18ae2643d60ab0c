// TNTabEd: painting of data cells, headings, the corner cell and the cell cursor.
#include "CellText.h"
#include "TabLayout.h"

#include <vok/Vok_ntabed.h>

#include <utility>

namespace vok {

using namespace ntabed;

namespace {
const QString AttribCaption = QStringLiteral("Attrib");
const QString AttributeCaption = QStringLiteral("Attribute");
const QString CommentCaption = QStringLiteral("Comment:");
const QString NoNumberText = QStringLiteral("-nan-");
} // namespace

void TNTabEd::Paint()
{
    if (Suppressed())
        return;
    GetCanvas()->SetFont(GetFont());
    TCustomDrawGrid::Paint();
    if (FOptimizeRowHeight) {
        const int H = AutoRowHeight(-1, 2);
        if (H != GetDefaultRowHeight())
            SetDefaultRowHeight(H);
    }
}

QString TNTabEd::CellText(int ACol, int ARow) const
{
    const int C = ACol - FColOffset;
    const int R = ARow - FRowOffset;
    const quint8 State = GetCellState(C, R);
    if (State & cstEmpty)
        return {};
    if (State & cstNoNumber)
        return NoNumberText;
    if (IsNominalScale(Data->GetMScaleType(C)))
        return NominalCellText(*Data, C, GetElem(C, R));
    return CellNumberText(GetElem(C, R), FNumWidth, GetPrecision(C));
}

void TNTabEd::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    if (IsDataCell(ACol, ARow))
        DrawDataCell(ACol, ARow, ARect, AState);
    else
        DrawFixedCell(ACol, ARow, ARect);
}

void TNTabEd::DrawDataCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    TCanvas* Canvas = GetCanvas();
    TFont* Font = Canvas->GetFont();
    const int C = ACol - FColOffset;
    const int R = ARow - FRowOffset;
    QString Text = CellText(ACol, ARow);
    // Drawn as selected exactly where the grid fills the selection colours.
    const bool Selected = (AState & gdSelected) &&
                          (!(AState & gdFocused) || (GetOptions() & (goDrawFocusSelected | goRowSelect)));
    const quint8 Marks = GetCellState(C, R) & cstMarks;
    TFontStyles Style = Font->GetStyle();
    TColor TextColor;
    if (Marks) {
        TextColor = Marks == cstMarks ? FColorMarkedBoth : Marks == cstMarkA ? FColorMarkedA : FColorMarkedB;
        if (FBoldMarks)
            Style = fsBold;
    } else {
        TextColor = Selected ? FColorRangeSelFG : FColorNormal;
    }
    if (!isEnabled())
        TextColor = clGrayText;
    TColor Background = Selected ? FColorRangeSelBG : Canvas->GetBrush()->GetColor();
    if (OnBeforeRenderCell)
        OnBeforeRenderCell(this, C, R, Text, TextColor, Background, Style);
    Canvas->GetBrush()->SetColor(Background);
    Font->SetStyle(Style);
    Font->SetColor(TextColor);
    Canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 1, Text);
}

void TNTabEd::DrawHeaderText(TRect R, int Y, const QString& Text, bool Highlight)
{
    TCanvas* Canvas = GetCanvas();
    TFont* Font = Canvas->GetFont();
    Font->SetColor(!isEnabled() ? clGrayText : Highlight ? FColorSelected : FColorNormal);
    if (Highlight && FBoldSelHeads)
        Font->SetStyle(fsBold);
    Canvas->TextRect(R, R.Left + 2, Y, Text);
    Font->SetStyle(GetFont()->GetStyle());
}

void TNTabEd::DrawCommentCaption(TRect R, int X, int Y)
{
    TCanvas* Canvas = GetCanvas();
    Canvas->GetBrush()->SetColor(clTeal);
    Canvas->GetFont()->SetColor(clWhite);
    Canvas->GetFont()->SetStyle({});
    Canvas->TextRect(R, X, Y, CommentCaption);
}

void TNTabEd::DrawFixedCell(int ACol, int ARow, TRect ARect)
{
    TCanvas* Canvas = GetCanvas();
    TRect R = ARect;
    if (ACol != 0 || ARow != 0) {
        if (R.Width() > 0) {
            ++R.Left;
            --R.Right;
        }
        if (R.Height() > 0) {
            ++R.Top;
            --R.Bottom;
        }
    }
    const TGridRect Sel = GetSelection();
    const bool ColHighlight = ACol == Sel.Left;
    const bool RowHighlight = ARow == Sel.Top;
    if (ARow == 0) {
        if (ACol > FColOffset) {
            R.Right -= 2;
            DrawHeaderText(R, R.Top + 1, GetColName(ACol - FColOffset), ColHighlight);
        } else if (ACol == 1) {
            DrawHeaderText(R, R.Top + 1, AttribCaption, false);
        } else if (FCommentMMActive) {
            DrawCommentCaption(R, R.Left + 2, R.Top + 1);
        } else {
            Canvas->GetFont()->SetColor(FColorNormal);
            Canvas->GetBrush()->SetColor(clWindow);
            const QString Cursor =
                FShowCellCursor ? CellCursorText(Sel.Left - FColOffset, Sel.Top - FRowOffset) : QString();
            Canvas->TextRect(R, R.Left + 3, R.Top + 2, Cursor);
        }
        return;
    }
    R.Right -= 2;
    if (ARow == 1 && FRowOffset == 1) {
        if (ACol > FColOffset)
            DrawHeaderText(R, R.Top + 1, IntegerText(GetColAttrib(ACol - FColOffset)), ColHighlight);
        else if (ACol == 0)
            DrawHeaderText(R, R.Top + 1, AttributeCaption, false);
        return;
    }
    if (ACol == 0)
        DrawHeaderText(R, R.Top, GetRowName(ARow - FRowOffset), RowHighlight);
    else if (ACol == 1 && FColOffset == 1)
        DrawHeaderText(R, R.Top + 1, IntegerText(GetRowAttrib(ARow - FRowOffset)), RowHighlight);
}

void TNTabEd::ShowCellCursorAt(int ACol, int ARow)
{
    if (!FShowCellCursor || Suppressed())
        return;
    TCanvas* Canvas = GetCanvas();
    const TRect R = CellRect(0, 0);
    Canvas->GetFont()->SetColor(FColorNormal);
    Canvas->GetFont()->SetStyle({});
    Canvas->GetBrush()->SetColor(clWindow);
    Canvas->TextRect(R, R.Left + 3, R.Top + 2, CellCursorText(ACol - FColOffset, ARow - FRowOffset));
}

void TNTabEd::TopLeftChanged()
{
    ReportSelection();
    TCustomDrawGrid::TopLeftChanged();
    if (std::exchange(FNotifiedTopRow, GetTopRow()) != FNotifiedTopRow)
        emit topRowChanged(FNotifiedTopRow);
    if (std::exchange(FNotifiedLeftCol, GetLeftCol()) != FNotifiedLeftCol)
        emit leftColChanged(FNotifiedLeftCol);
}

} // namespace vok
