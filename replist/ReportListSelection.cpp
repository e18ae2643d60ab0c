// TReportListView selection, enabled and check state: the row and column
// attribute bits of the store and the check cells of the container.
#include "ReportListSupport.h"
#include "ReportListViewScopes.h"

#include <vok/Vok_replist.h>

#include <algorithm>

namespace vok {

// ---- selection and row state ---------------------------------------------------------------

void TReportListView::SetAllRowBits(quint8 Bit, bool Set)
{
    TStringArray& Store = FData->Store();
    const MuteStoreScope Mute(*this);
    for (int Row = 1; Row <= GetNrOfRows(); ++Row) {
        const quint8 Old = Store.GetRowAttrib(Row);
        const quint8 New = Set ? quint8(Old | Bit) : quint8(Old & ~Bit);
        if (New != Old)
            Store.SetRowAttrib(Row, New);
    }
}

void TReportListView::SetAllColBits(quint8 Bit, bool Set)
{
    TStringArray& Store = FData->Store();
    const MuteStoreScope Mute(*this);
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col) {
        const quint8 Old = Store.GetColAttrib(Col);
        Store.SetColAttrib(Col, Set ? quint8(Old | Bit) : quint8(Old & ~Bit));
    }
}

void TReportListView::ChangeAllRowBits(quint8 Bit, bool Set)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllRowBits(Bit, Set);
    }
    ChangedSelection();
}

void TReportListView::ChangeAllColBits(quint8 Bit, bool Set)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllColBits(Bit, Set);
    }
    ChangedSelection();
}

void TReportListView::SetRowBit(int Row, quint8 Bit, bool Set)
{
    TStringArray& Store = FData->Store();
    const MuteStoreScope Mute(*this);
    const quint8 Old = Store.GetRowAttrib(Row);
    Store.SetRowAttrib(Row, Set ? quint8(Old | Bit) : quint8(Old & ~Bit));
}

void TReportListView::SelectRow(int RowNr)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllRowBits(RowAttribSelected, false);
        if (RowNr >= 1 && RowNr <= GetNrOfRows())
            SetRowBit(RowNr, RowAttribSelected, true);
    }
    ChangedSelection();
}

void TReportListView::SelectAllRows()
{
    ChangeAllRowBits(RowAttribSelected, true);
}

void TReportListView::DeselectAllRows()
{
    ChangeAllRowBits(RowAttribSelected, false);
}

void TReportListView::SelectColumn(int ColNr)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllColBits(ColAttribSelected, false);
        if (IsColumn(ColNr)) {
            const MuteStoreScope Mute(*this);
            FData->Store().SetColAttrib(ColNr, FData->Store().GetColAttrib(ColNr) | ColAttribSelected);
        }
    }
    ChangedSelection();
}

void TReportListView::SelectAllColumns()
{
    ChangeAllColBits(ColAttribSelected, true);
}

void TReportListView::DeselectAllColumns()
{
    ChangeAllColBits(ColAttribSelected, false);
}

void TReportListView::EnableAllRows()
{
    ChangeAllRowBits(RowAttribDisabled, false);
}

void TReportListView::DisableAllRows()
{
    ChangeAllRowBits(RowAttribDisabled, true);
}

bool TReportListView::GetRowSelect(int r) const
{
    return r >= 1 && r <= GetNrOfRows() && (FData->Store().GetRowAttrib(r) & RowAttribSelected);
}

void TReportListView::SetRowSelect(int r, bool Value)
{
    if (r < 1 || r > GetNrOfRows())
        return;
    SetRowBit(r, RowAttribSelected, Value);
    ChangedSelection();
    RepaintNow();
}

bool TReportListView::GetColSelect(int c) const
{
    return IsColumn(c) && (FData->Store().GetColAttrib(c) & ColAttribSelected);
}

void TReportListView::SetColSelect(int c, bool Value)
{
    if (!IsColumn(c))
        return;
    {
        const MuteStoreScope Mute(*this);
        const quint8 Old = FData->Store().GetColAttrib(c);
        FData->Store().SetColAttrib(c, Value ? quint8(Old | ColAttribSelected) : quint8(Old & ~ColAttribSelected));
    }
    ChangedSelection();
    RepaintNow();
}

bool TReportListView::GetRowEnabled(int r) const
{
    return r >= 1 && r <= GetNrOfRows() && !(FData->Store().GetRowAttrib(r) & RowAttribDisabled);
}

void TReportListView::SetRowEnabled(int r, bool Value)
{
    if (r < 1 || r > GetNrOfRows())
        return;
    SetRowBit(r, RowAttribDisabled, !Value);
    ChangedSelection();
    RepaintNow();
}

int TReportListView::FirstSelectedRow() const
{
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        if (GetRowSelect(Row))
            return GetRowEnabled(Row) ? Row : 0;
    return 0;
}

int TReportListView::FirstSelectedColumn() const
{
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
        if (GetColSelect(Col))
            return Col;
    return 0;
}

int TReportListView::NumSelectedRows() const
{
    int Count = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Count += GetRowSelect(Row);
    return Count;
}

int TReportListView::NumSelectedColumns() const
{
    int Count = 0;
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
        Count += GetColSelect(Col);
    return Count;
}

int TReportListView::NumEnabledRows() const
{
    int Count = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Count += GetRowEnabled(Row);
    return Count;
}

void TReportListView::CenterScrollAndSelect(int Row)
{
    {
        const SuppressPaintScope Suppress(*this);
        SelectRow(Row);
        SetTopRow(replist::CenteredTopRow(Row, GetNrOfRows(), GetVisibleRowCount()));
        SetSelection(GridRect(0, GridRowOf(Row), std::max(0, GetColCount() - 1), GridRowOf(Row)));
    }
}

TGridCoord TReportListView::MouseCell(int X, int Y) const
{
    const TGridCoord Cell = MouseCoord(X, Y);
    if (Cell.X < 0 || Cell.Y < 0)
        return {0, 0};
    int Row = DataRowOf(Cell.Y);
    if (Cell.Y < HeaderRowCount())
        Row = Cell.Y == ColumnHeaderGridRow() && FColumnHeadersVisible ? -1 : -2;
    else if (Row > GetNrOfRows())
        Row = 0;
    return {Cell.X + 1, Row};
}

void TReportListView::SetRowSelectMode(int Value)
{
    FRowSelectMode = Value;
    if (Value != 2)
        SetAllRowBits(RowAttribSelected, false);
    if (Value == 0)
        SetSelection(GridRect(GetNrOfColumns() + 1, GetNrOfRows() + 1, GetNrOfColumns() + 1, GetNrOfRows() + 1));
    ChangedSelection();
    RepaintNow();
}

// ---- check cells ------------------------------------------------------------------------

int TReportListView::CountCheckedElemsInCol(int Column) const
{
    int Count = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Count += GetRowEnabled(Row) && FData->GetElemChecked(Column, Row);
    return Count;
}

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->SetAllCheckmarksOfCol(Column, Checked);
    }
}

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->SetAllCheckmarksOfColIntern(Column, Checked, AffectEnabledRowsOnly);
    }
}

void TReportListView::InvertAllCheckmarksOfCol(int Column)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->InvertAllCheckmarksOfCol(Column);
    }
}

void TReportListView::InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->InvertAllCheckmarksOfColIntern(Column, AffectEnabledRowsOnly);
    }
}

} // namespace vok
