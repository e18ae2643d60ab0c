// TNTabEd: sorting, searching, the copy buffer and the clipboard.
#include "NTabEdScopes.h"

#include <vok/Vok_ntabed.h>

namespace vok {

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders)
{
    FSortIncludeHd = IncludeHeaders;
    Data->SortCols(SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
    FSortIncludeHd = false;
}

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders)
{
    Data->SortRows(SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    FSortIncludeHd = true;
    Data->SortColAttributes(Ascending, LowCol, LowRow, HighCol, HighRow);
    FSortIncludeHd = false;
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    Data->SortRowAttributes(Ascending, LowCol, LowRow, HighCol, HighRow);
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow)
{
    FSortIncludeHd = true;
    Data->SortColNames(Ascending, IgnoreCase, LowCol, LowRow, HighCol, HighRow);
    FSortIncludeHd = false;
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow)
{
    Data->SortRowNames(Ascending, IgnoreCase, LowCol, LowRow, HighCol, HighRow);
}

int TNTabEd::FindColIndex(const TDTNameStr& ColID) const
{
    for (int C = 1; C <= GetNrOfColumns(); ++C)
        if (GetColName(C) == ColID)
            return C;
    return 0;
}

int TNTabEd::FindRowIndex(const TDTNameStr& RowID) const
{
    for (int R = 1; R <= GetNrOfRows(); ++R)
        if (GetRowName(R) == RowID)
            return R;
    return 0;
}

void TNTabEd::CopySelection()
{
    const TGridRect Sel = DataSelection();
    FCopyBuffer->Resize(Sel.Right - Sel.Left + 1, Sel.Bottom - Sel.Top + 1);
    FCopyBuffer->CopyBlockFrom(*Data, Sel.Left, Sel.Top, Sel.Right, Sel.Bottom, 1, 1);
    Clipboard().SetAsText(ClipboardText(Sel));
    FDataCopyAvail = true;
}

void TNTabEd::PasteBuffer()
{
    if (!FDataCopyAvail)
        return;
    const TGridRect Sel = DataSelection();
    {
        TBulkScope Bulk(*this);
        Data->CopyBlockFrom(*FCopyBuffer, 1, 1, FCopyBuffer->GetNrOfColumns(), FCopyBuffer->GetNrOfRows(), Sel.Left,
                            Sel.Top);
    }
    RepaintNow();
    ChangedData();
    ChangedCellStates();
    if (OnPaste)
        OnPaste(this);
    Q_EMIT pasted();
    SetDataSelection({Sel.Left, Sel.Top, Sel.Left + FCopyBuffer->GetNrOfColumns() - 1,
                      Sel.Top + FCopyBuffer->GetNrOfRows() - 1});
}

QString TNTabEd::ClipboardText(TGridRect) const
{
    return {}; // TODO: ClipText.h
}

void TNTabEd::ExtractFromClipboard() {}

bool TNTabEd::GetClipMatrixSize(int& NCols, int& NRows) const
{
    NCols = 1;
    NRows = 1;
    return false;
}

} // namespace vok
