// TNTabEd: sorting and searching, the copy buffer and the clipboard, as thin
// wrappers over the table functions of TableSort.h and ClipText.h.
#include "ClipText.h"
#include "NTabEdScopes.h"
#include "TableSort.h"

#include <vok/Vok_ntabed.h>

namespace vok {

namespace {
ntabed::TCellBlock Block(int LowCol, int LowRow, int HighCol, int HighRow)
{
    return {LowCol, LowRow, HighCol, HighRow};
}
ntabed::TCellBlock Block(const TGridRect& R) { return Block(R.Left, R.Top, R.Right, R.Bottom); }
TGridRect Rect(const ntabed::TCellBlock& B) { return {B.Left, B.Top, B.Right, B.Bottom}; }
} // namespace

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders)
{
    ntabed::SortCols(*Data, FDecP, SortRowIx, Ascending, Block(LowCol, LowRow, HighCol, HighRow), IncludeHeaders);
}

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                       bool IncludeHeaders)
{
    ntabed::SortRows(*Data, SortColIx, Ascending, Block(LowCol, LowRow, HighCol, HighRow), IncludeHeaders);
}

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    ntabed::SortColAttributes(*Data, FDecP, Ascending, Block(LowCol, LowRow, HighCol, HighRow));
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    ntabed::SortRowAttributes(*Data, Ascending, Block(LowCol, LowRow, HighCol, HighRow));
}

void TNTabEd::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow)
{
    ntabed::SortColNames(*Data, FDecP, Ascending, IgnoreCase, Block(LowCol, LowRow, HighCol, HighRow));
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow)
{
    ntabed::SortRowNames(*Data, Ascending, IgnoreCase, Block(LowCol, LowRow, HighCol, HighRow));
}

int TNTabEd::FindColIndex(const TDTNameStr& ColID) const { return ntabed::FindColIndex(*Data, ColID); }
int TNTabEd::FindRowIndex(const TDTNameStr& RowID) const { return ntabed::FindRowIndex(*Data, RowID); }

void TNTabEd::CopySelection()
{
    const ntabed::TClipCopySettings Settings{Block(DataSelection()), FDecP, FClipboardUseFullPrec};
    if (!ntabed::CopyToBuffer(*Data, Settings.Block, *FCopyBuffer))
        return;
    Clipboard().SetAsText(ntabed::ClipboardCopyText(*Data, Settings));
    FDataCopyAvail = true;
}

// Repaints and reports a block written from the copy buffer or the
// clipboard, then selects it.
void TNTabEd::FinishPaste(const TGridRect& Pasted)
{
    RepaintNow();
    ChangedData();
    ChangedCellStates();
    if (OnPaste)
        OnPaste(this);
    Q_EMIT pasted();
    SetDataSelection(Pasted);
}

void TNTabEd::PasteBuffer()
{
    if (!FDataCopyAvail)
        return;
    const TGridRect Sel = DataSelection();
    ntabed::TCellBlock Pasted;
    {
        TBulkScope Bulk(*this);
        Pasted = ntabed::PasteFromBuffer(*FCopyBuffer, *Data, Sel.Left, Sel.Top);
    }
    if (!Pasted.IsEmpty())
        FinishPaste(Rect(Pasted));
}

void TNTabEd::ExtractFromClipboard()
{
    if (!Clipboard().HasText())
        return;
    const TGridRect Sel = DataSelection();
    ntabed::TCellBlock Extracted;
    {
        TBulkScope Bulk(*this);
        Extracted = ntabed::ExtractFromClipText(Clipboard().GetAsText(), *Data, Sel.Left, Sel.Top);
    }
    FinishPaste(Extracted.IsEmpty() ? Sel : Rect(Extracted));
}

bool TNTabEd::GetClipMatrixSize(int& NCols, int& NRows) const
{
    NCols = 1;
    NRows = 1;
    return Clipboard().HasText() && ntabed::GetClipMatrixSize(Clipboard().GetAsText(), NCols, NRows);
}

} // namespace vok
