// TReportListView input: header-click sorting, check toggling, the row
// selection modes, cursor keys, AutoAdvance and in-place editing.
#include "ReportListViewScopes.h"

#include <vok/Vok_replist.h>
#include <vok/Vok_sysservices.h>

namespace vok {

namespace {
constexpr int HeaderEdgeZone = 4; // pixels next to a header border that belong to column sizing
constexpr int CheckClickZone = 18;

bool IsCursorKey(quint16 Key)
{
    switch (Key) {
    case VK_DOWN:
    case VK_UP:
    case VK_RIGHT:
    case VK_LEFT:
    case VK_END:
    case VK_HOME:
    case VK_NEXT:
    case VK_PRIOR: return true;
    default: return false;
    }
}
} // namespace

void TReportListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || X <= 0 || Y <= 0 || X >= GetGridWidth() || Y >= GetGridHeight())
        return;
    const TGridCoord Cell = MouseCoord(X, Y);
    if (Cell.X < 0 || Cell.Y < 0)
        return;
    const int Col = DataColumnAt(Cell.X);
    const TRect R = CellRect(Cell.X, Cell.Y);
    if (FColumnHeadersVisible && Cell.Y == ColumnHeaderGridRow()) {
        if (FSortEnabled && X - R.Left > HeaderEdgeZone && R.Right - X > HeaderEdgeZone)
            SortByHeaderClick(Col);
        return;
    }
    if (Cell.Y < HeaderRowCount())
        return;
    const int Row = DataRowOf(Cell.Y);
    {
        const SuppressPaintScope Suppress(*this);
        TGridOptions Options = GetOptions();
        Options.setFlag(goEditing, GetColumnEditable(Col) && GetRowEnabled(Row));
        SetOptions(Options);
        if (X - R.Left < CheckClickZone)
            ToggleCheck(Col, Row);
        SelectByClick(Row, Shift);
    }
}

void TReportListView::SortByHeaderClick(int Col)
{
    const TScreenCursorScope Hourglass;
    TStringArray& Store = FData->Store();
    const TGridRect Sel = TCustomDrawGrid::GetSelection();
    const int SelRow = DataRowOf(Sel.Top);
    const int Remembered = SelRow >= 1 && SelRow <= GetNrOfRows() ? Store.GetSortOrder(SelRow) : -1;
    FData->SetSortToggle(!FData->GetSortToggle());
    Sort(Col, GetSecondarySortColumn(), FData->GetSortToggle());
    if (Remembered < 0)
        return;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        if (Store.GetSortOrder(Row) == Remembered) {
            SetSelection(GridRect(Sel.Left, GridRowOf(Row), Sel.Right, GridRowOf(Row)));
            break;
        }
}

void TReportListView::ToggleCheck(int Col, int Row)
{
    if (GetColCheckMode(Col) == cmNone || FCheckMarksReadOnly || !GetRowEnabled(Row))
        return;
    const QString Raw = FData->Store().GetString(Col, Row);
    if (Raw.size() <= 1 && !FShowEmptyCheckBoxes)
        return;
    bool State = !FData->GetElemChecked(Col, Row);
    if (OnBeforeCheckedChange)
        OnBeforeCheckedChange(this, State, Col, Row);
    // A radio cell is checked whatever was asked: clicking never unchecks the column.
    FData->SetElemChecked(Col, Row, GetColCheckMode(Col) == cmRadio || State);
    bool After = !State;
    if (OnCheckedChange)
        OnCheckedChange(this, After, Col, Row);
    emit checkedChange(State, Col, Row);
}

void TReportListView::SelectByClick(int Row, TShiftState Shift)
{
    switch (FRowSelectMode) {
    case 1:
        SelectRow(DataRowOf(TCustomDrawGrid::GetSelection().Top));
        break;
    case 2: {
        if (Shift & ssShift) {
            // Only the selection travels from the anchor; each row keeps its enabled state.
            const bool Selected = GetRowSelect(FAnchorRow);
            for (int R = std::min(FAnchorRow, Row); R <= std::max(FAnchorRow, Row); ++R)
                SetRowBit(R, RowAttribSelected, Selected);
        } else {
            FAnchorRow = Row;
            if ((Shift & ssCtrl) || !FUseCtrlForMultiSel)
                SetRowBit(Row, RowAttribSelected, !GetRowSelect(Row));
            else {
                SetAllRowBits(RowAttribSelected, false);
                SetRowBit(Row, RowAttribSelected, true);
            }
        }
        ChangedSelection();
        break;
    }
    default: break;
    }
}

void TReportListView::MouseMove(TShiftState Shift, int X, int Y)
{
    FLastMousePos = Point(X, Y);
    TCustomDrawGrid::MouseMove(Shift, X, Y);
}

void TReportListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
    if (FRowSelectMode != 2)
        return;
    const bool RightOfColumns = X >= GetGridWidth();
    const bool BelowRows = Button == mbLeft && Y >= GetGridHeight();
    if (RightOfColumns || BelowRows) {
        DeselectAllRows();
    }
}

void TReportListView::DblClick()
{
    const int X = FLastMousePos.X;
    const int Y = FLastMousePos.Y;
    const TGridCoord Cell = MouseCoord(X, Y);
    if (Y >= GetGridHeight() || !FColumnHeadersVisible || Cell.X < 0 || Cell.Y != ColumnHeaderGridRow()) {
        TCustomDrawGrid::DblClick();
        return;
    }
    const TRect R = CellRect(Cell.X, Cell.Y);
    int Left = -1;
    if (R.Right - X <= HeaderEdgeZone)
        Left = Cell.X;
    else if (X - R.Left <= HeaderEdgeZone)
        for (Left = Cell.X - 1; Left >= 0 && TCustomDrawGrid::GetColWidths(Left) == 0; --Left) {
        }
    if (Left >= 0)
        AutoColWidth(DataColumnAt(Left), true, 0);
}

void TReportListView::KeyDown(quint16& Key, TShiftState Shift)
{
    const quint16 Pressed = Key;
    TCustomDrawGrid::KeyDown(Key, Shift);
    if (!IsCursorKey(Pressed) || Key == 0)
        return;
    {
        const SuppressPaintScope Suppress(*this);
        SetAllRowBits(RowAttribSelected, false);
        const int Row = DataRowOf(TCustomDrawGrid::GetSelection().Top);
        if (Row >= 1 && Row <= GetNrOfRows())
            SetRowBit(Row, RowAttribSelected, true);
    }
    if (OnCursorKeyAction)
        OnCursorKeyAction(this, Pressed);
    emit cursorKeyAction(Pressed);
    ChangedSelection();
}

void TReportListView::KeyPress(QChar& Key)
{
    if (FAutoAdvance && Key == QLatin1Char('\r') && !GetEditorMode()) {
        quint16 Down = VK_DOWN;
        KeyDown(Down, {});
        Key = QChar();
        return;
    }
    TCustomDrawGrid::KeyPress(Key);
}

bool TReportListView::SelectCell(int ACol, int ARow)
{
    TGridOptions Options = GetOptions();
    Options.setFlag(goEditing, ARow != 0 && GetColumnEditable(DataColumnAt(ACol)));
    SetOptions(Options);
    return TCustomDrawGrid::SelectCell(ACol, ARow);
}

QString TReportListView::GetEditText(int ACol, int ARow)
{
    const int Col = DataColumnAt(ACol);
    QString Value = FData->Store().GetString(Col, DataRowOf(ARow));
    if (GetColCheckMode(Col) != cmNone)
        Value = Value.mid(1);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, Value);
    return Value;
}

void TReportListView::SetEditText(int ACol, int ARow, const QString& Value)
{
    const int Col = DataColumnAt(ACol);
    const int Row = DataRowOf(ARow);
    QString Text = Value;
    if (GetColCheckMode(Col) != cmNone) {
        const QString Old = FData->Store().GetString(Col, Row);
        Text.prepend(Old.startsWith(QLatin1Char(' ')) ? QLatin1Char(' ') : QLatin1Char('X'));
    }
    FData->Store().SetString(Col, Row, Text.left(CellMaxLength));
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

} // namespace vok
