// TReportListView painting: data cells (banding, disabled, selected and
// highlighted colors, shortened texts, check marks, masked passwords), the
// two header rows with the sort arrow, the empty-list message and the
// inter-row indicator.
#include "ReportListSupport.h"

#include <vok/Vok_replist.h>

namespace vok {

namespace {
constexpr TColor EdgeLight = 0xFFFFFF;
constexpr TColor EdgeShadow = 0x808080;
constexpr int CheckMargin = 16;    // room of the check mark left of a check cell's text
constexpr int SortArrowRoom = 13;  // room of the sort arrow in a header
constexpr int ItalicOverhang = 2;
const QString PasswordMask = QStringLiteral("******");

bool IsItalic(const TFont* Font)
{
    return Font->GetStyle().testFlag(fsItalic);
}
} // namespace

void TReportListView::Paint()
{
    if (FSuppressPaint)
        return;
    GetCanvas()->SetFont(GetFont());
    TCustomDrawGrid::Paint();
    if (GetNrOfRows() == 0)
        PaintEmptyMessage();
    PaintInterRowIndicator();
}

void TReportListView::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    if (ARow >= HeaderRowCount())
        DrawDataCell(ACol, ARow, ARect);
    else if (FCommonHeaderVisible && ARow == 0)
        DrawCommonHeader(ARect);
    else
        DrawColumnHeader(ACol, ARect);
    TCustomDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TReportListView::DrawDataCell(int ACol, int ARow, TRect R)
{
    TCanvas* Canvas = GetCanvas();
    const TStringArray& Store = FData->Store();
    const int Col = DataColumnAt(ACol);
    const int Row = DataRowOf(ARow);
    const bool FixedCol = ACol < GetFixedCols();

    // 1. Background and text rectangles.
    TRect B = R;
    if (!FixedCol) {
        if (!(GetOptions() & goVertLine))
            ++B.Right;
        if (!(GetOptions() & goHorzLine))
            ++B.Bottom;
    }
    TRect T = Rect(R.Left + 4, R.Top + 2, R.Right - 6, R.Bottom);

    // 2., 3. Text and band colors.
    QString Text = GetColumnIsPwd(Col) ? PasswordMask : Store.GetString(Col, Row);
    TColor TextColor = FColorText;
    TColor Background = replist::IsShadedRow(Row, FRowColPattern) ? FColorBkgdShaded : FColorBkgdNormal;
    TFontStyles Styles = GetFont()->GetStyle();

    // 4. Disabled rows, selections and highlights.
    const quint8 RowAttrib = Store.GetRowAttrib(Row);
    const bool RowDisabled = RowAttrib & RowAttribDisabled;
    const bool ViewEnabled = isEnabled();
    if (ViewEnabled) {
        if (RowDisabled) {
            Background = FColorDisabledBkgd;
            TextColor = FColorDisabledText;
        } else {
            const bool RowSelected = RowAttrib & RowAttribSelected;
            const bool ColSelected = Store.GetColAttrib(Col) & ColAttribSelected;
            if (RowSelected && ColSelected) {
                Background = FColorSelectedBoth;
                TextColor = FColorSelectedBothText;
            } else if (ColSelected) {
                Background = FColorSelectedCol;
                TextColor = FColorSelectedColText;
            } else if (RowSelected) {
                Background = FColorSelectedRow;
                TextColor = FColorSelectedRowText;
            }
            if (Row == FHighLightRow || Col == FHighLightColumn) {
                Background = FColorHigh;
                TextColor = FColorHighText;
                if (FHighLightBold)
                    Styles |= fsBold;
            }
        }
    }
    // 5. The fixed column.
    if (FixedCol)
        Background = FColorColumnHd;
    if (!ViewEnabled)
        TextColor = clInactiveCaption;
    TColor PenColor = Background;

    // 6., 7. The host's last word, then the canvas tools.
    if (OnBeforeRenderCell)
        OnBeforeRenderCell(this, Col, Row, PenColor, Background, TextColor, Styles, Text);
    TFont* Font = Canvas->GetFont();
    Font->SetStyle(Styles);
    Font->SetColor(TextColor);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Background);

    // 8. Texts wider than the column end in "...". The rule measures the text
    // without its first character; a whole text that fits needs no second
    // measurement, as its part fits too.
    const TCheckMode CheckMode = GetColCheckMode(Col);
    const bool CheckColumn = CheckMode != cmNone;
    const TAlignment Alignment = GetColAlignment(Col);
    const int Room = GetColWidths(Col) - (CheckColumn ? CheckMargin : 0) - 9;
    if (CheckColumn || Canvas->TextWidth(Text) > Room)
        Text = replist::ShortenCellText(Text, Room, Canvas->TextWidth(Text.mid(1)), Alignment == taRightJustify);

    // 9. The background.
    TPen* Pen = Canvas->GetPen();
    Pen->SetMode(pmCopy);
    Pen->SetStyle(psSolid);
    Pen->SetWidth(1);
    Pen->SetColor(PenColor);
    Canvas->Rectangle(B);
    // The background is filled: the text needs no box of its own.
    Canvas->GetBrush()->SetStyle(bsClear);

    auto PlaceText = [&](const QString& Shown) {
        // Left-aligned text starts at the margin whatever its width.
        const int Width =
            Alignment == taLeftJustify ? 0 : Canvas->TextWidth(Shown) + (IsItalic(Font) ? ItalicOverhang : 0);
        Canvas->TextRect(T, replist::AlignedTextX(Alignment, T.Left, T.Right, Width), T.Top - 1, Shown);
    };
    if (!CheckColumn) {
        // 10. Plain text.
        PlaceText(Text);
    } else if (Text.size() > 1 || FShowEmptyCheckBoxes) {
        // 11. Check mark and text.
        T.Left += CheckMargin;
        const bool Checked = !Text.isEmpty() && Text[0] != QLatin1Char(' ');
        PlaceText(Text.mid(1));
        if (!FCheckMarksReadOnly) {
            TColor BoxColor = RowDisabled ? PenColor : clBtnShadow;
            if (!ViewEnabled)
                BoxColor = clInactiveCaption;
            DrawCheckMark(CheckMode, R, Checked, BoxColor, ViewEnabled ? TextColor : clInactiveCaption);
        }
    }
    // 12. A raised edge on the fixed column.
    if (FixedCol)
        DrawRaisedEdge(B.Left, B.Top, B.Right, B.Bottom);
}

void TReportListView::DrawCheckMark(TCheckMode Mode, TRect R, bool Checked, TColor BoxColor, TColor MarkColor)
{
    TCanvas* Canvas = GetCanvas();
    TPen* Pen = Canvas->GetPen();
    const int L = R.Left;
    const int T0 = R.Top;
    Pen->SetColor(BoxColor);
    if (Mode == cmRadio)
        Canvas->Ellipse(L + 4, T0 + 4, L + 15, T0 + 15);
    else
        Canvas->Rectangle(L + 4, T0 + 4, L + 15, T0 + 15);
    if (!Checked)
        return;
    Pen->SetColor(MarkColor);
    auto Line = [Canvas](int X1, int Y1, int X2, int Y2) {
        Canvas->MoveTo(X1, Y1);
        Canvas->LineTo(X2, Y2);
    };
    if (Mode == cmRadio) {
        Line(L + 8, T0 + 7, L + 11, T0 + 7);
        for (int I = 0; I <= 2; ++I)
            Line(L + 7, T0 + 8 + I, L + 12, T0 + 8 + I);
        Line(L + 8, T0 + 11, L + 11, T0 + 11);
    } else {
        for (int I = 0; I <= 2; ++I)
            Line(L + 6, T0 + 8 + I, L + 9, T0 + 11 + I);
        for (int I = 0; I <= 2; ++I)
            Line(L + 8, T0 + 10 + I, L + 13, T0 + 5 + I);
    }
}

void TReportListView::DrawRaisedEdge(int Left, int Top, int Right, int Bottom)
{
    TCanvas* Canvas = GetCanvas();
    TPen* Pen = Canvas->GetPen();
    Pen->SetWidth(1);
    Pen->SetColor(EdgeLight);
    Canvas->MoveTo(Left, Bottom - 1);
    Canvas->LineTo(Left, Top);
    Canvas->LineTo(Right, Top);
    Pen->SetColor(EdgeShadow);
    Canvas->MoveTo(Left + 1, Bottom - 1);
    Canvas->LineTo(Right - 1, Bottom - 1);
    Canvas->LineTo(Right - 1, Top);
}

int TReportListView::HeaderSpanEnd() const
{
    int X = 0;
    for (const TAxisCell& Col : GetLayout().Cols.VisibleCells(TCustomDrawGrid::GetLeftCol(), GetLayout().ClientWidth))
        if (!Col.Span.IsEmpty() && Col.Index < GetNrOfColumns())
            X = Col.Span.End;
    return X;
}

namespace {
// Draws the lines of a header text in bands of LineHeight pixels from Top,
// each clipped to its band and to Bottom; X gives the left of each line.
void DrawHeaderLines(TCanvas* Canvas, const QStringList& Lines, int Left, int Right, int Top, int Bottom,
                     int LineHeight, const std::function<int(int, const QString&)>& X)
{
    for (int I = 0; I < Lines.size(); ++I) {
        const int BandTop = std::min(Top + I * LineHeight, Bottom);
        const int BandBottom = std::min(Top + (I + 1) * LineHeight, Bottom);
        if (BandBottom <= BandTop)
            break;
        Canvas->TextRect(Rect(Left, BandTop, Right, BandBottom), X(I, Lines[I]), BandTop, Lines[I]);
    }
}
} // namespace

void TReportListView::DrawCommonHeader(TRect R)
{
    TCanvas* Canvas = GetCanvas();
    const int X = HeaderSpanEnd();
    const int Top = R.Top + 2;
    Canvas->GetFont()->SetStyle(GetFont()->GetStyle());
    Canvas->GetFont()->SetColor(FColorCommonHdText);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(FColorCommonHd);
    Canvas->FillRect(Rect(0, R.Top, X, R.Bottom));
    const QString Header = GetCommonHeader();
    DrawHeaderLines(Canvas, Header.split(QLatin1Char('\n')), 0, X, Top, R.Bottom, Canvas->TextHeight(Header),
                    [&](int, const QString& Line) {
                        const int Width = Canvas->TextWidth(Line);
                        switch (FCommonHeaderAlignment) {
                        case taRightJustify: return X - Width - 6;
                        case taCenter: return X / 2 - Width / 2;
                        case taLeftJustify: break;
                        }
                        return 4;
                    });
    DrawRaisedEdge(0, R.Top, X, R.Bottom);
    TPen* Pen = Canvas->GetPen();
    Pen->SetColor(EdgeShadow);
    Canvas->MoveTo(X - 1, R.Bottom - 1);
    Canvas->LineTo(X - 1, R.Top);
    Pen->SetColor(clBlack);
    Canvas->MoveTo(X, R.Bottom - 1);
    Canvas->LineTo(X, R.Top - 1);
}

void TReportListView::DrawColumnHeader(int ACol, TRect R)
{
    TCanvas* Canvas = GetCanvas();
    const int Col = DataColumnAt(ACol);
    const int X = HeaderSpanEnd();
    const TRect T = Rect(R.Left + 4, R.Top + 2, R.Right - 6, R.Bottom);
    TFont* Font = Canvas->GetFont();
    Font->SetStyle(GetFont()->GetStyle());
    Font->SetColor(FColorColumnHdText);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(FColorColumnHd);
    Canvas->FillRect(R);

    const QString Name = GetColName(Col);
    const bool Sorted = GetLastSortColumn() == Col && Col > 0;
    const int Width = GetColWidths(Col);
    const int Room = Width - (Sorted ? SortArrowRoom : 0) - 9;
    const int LineHeight = Canvas->TextHeight(Name);
    const TAlignment Alignment = GetColAlignment(Col);
    const int Italic = IsItalic(Font) ? ItalicOverhang : 0;
    QStringList Lines = Name.split(QLatin1Char('\n'));
    for (QString& Line : Lines)
        Line = replist::ShortenHeaderLine(Line, Room, Canvas->TextWidth(Line));
    DrawHeaderLines(Canvas, Lines, T.Left, T.Right, T.Top, R.Bottom, LineHeight, [&](int, const QString& Line) {
        return replist::AlignedTextX(Alignment, T.Left, T.Right, Canvas->TextWidth(Line) + Italic);
    });

    if (Sorted) {
        // The arrow follows the first line.
        const int TextW = Canvas->TextWidth(Lines.value(0)) + Italic;
        const int Span = T.Right - T.Left;
        const int Offset = Alignment == taRightJustify ? Span - TextW - 12
                           : Alignment == taCenter    ? Span / 2 + TextW / 2 + 10
                                                      : TextW + 10;
        const int A = std::min(Offset, Width - 12);
        const int X0 = T.Left + A;
        const int Y0 = T.Top + LineHeight / 2;
        TPen* Pen = Canvas->GetPen();
        Pen->SetWidth(1);
        if (GetLastSortOrder()) {
            Pen->SetColor(EdgeShadow);
            Canvas->MoveTo(X0 - 4, Y0 + 3);
            Canvas->LineTo(X0, Y0 - 3);
            Pen->SetColor(EdgeLight);
            Canvas->LineTo(X0 + 4, Y0 + 3);
            Canvas->LineTo(X0 - 4, Y0 + 3);
        } else {
            Pen->SetColor(EdgeLight);
            Canvas->MoveTo(X0 + 4, Y0 - 3);
            Canvas->LineTo(X0, Y0 + 3);
            Pen->SetColor(EdgeShadow);
            Canvas->LineTo(X0 - 4, Y0 - 3);
            Canvas->LineTo(X0 + 4, Y0 - 3);
        }
    }
    DrawRaisedEdge(R.Left, R.Top, std::max(X, R.Right), R.Bottom);
}

void TReportListView::PaintEmptyMessage()
{
    TCanvas* Canvas = GetCanvas();
    const int Width = GetLayout().ClientWidth;
    const int Height = GetLayout().ClientHeight;
    const int Y0 = GetLayout().Rows.FixedBoundary();
    Canvas->GetPen()->SetColor(GetColor());
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(GetColor());
    Canvas->Rectangle(0, Y0, Width, Height);
    if (FEmptyMessage.isEmpty())
        return;
    Canvas->GetFont()->SetStyle(GetFont()->GetStyle());
    Canvas->GetFont()->SetColor(FColorEmptyMsg);
    Canvas->GetBrush()->SetStyle(bsClear);
    const int LineHeight = Canvas->TextHeight(FEmptyMessage);
    const QStringList Lines = FEmptyMessage.split(QLatin1Char('|'));
    const int Y1 = Y0 - int(Lines.size()) * LineHeight;
    for (int I = 0; I < Lines.size(); ++I)
        Canvas->TextOut((Width - Canvas->TextWidth(Lines[I])) / 2, Y1 + (Height - Y1) / 2 + I * LineHeight - 2,
                        Lines[I]);
    Canvas->GetBrush()->SetStyle(bsSolid);
}

void TReportListView::PaintInterRowIndicator()
{
    const int Pos = FInterRowIndicatorPos;
    if (Pos == 0 || Pos < GetTopRow() || Pos > GetNrOfRows() + 1)
        return;
    TCanvas* Canvas = GetCanvas();
    const int Y = GetLayout().Rows.FixedBoundary() + (Pos - GetTopRow()) * (GetDefaultRowHeight() + 1);
    TPen* Pen = Canvas->GetPen();
    Pen->SetColor(FInterRowIndicatorColor);
    Pen->SetWidth(FInterRowIndicatorWidth);
    Canvas->MoveTo(0, Y);
    // A wide pen's round end stays inside the cell area.
    Canvas->LineTo(GetLayout().ClientWidth - FInterRowIndicatorWidth / 2, Y);
    Pen->SetWidth(1);
}

} // namespace vok
