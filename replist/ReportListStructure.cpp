// TReportListView structure operations (rows, columns, fill, clear, sort),
// file operations through the container, and assignment.
#include "ReportListViewScopes.h"

#include <vok/Vok_replist.h>

#include <algorithm>
#include <new>

namespace vok {

// ---- structure ------------------------------------------------------------------------------

int TReportListView::AddRow()
{
    HideEditor();
    SetNrOfRows(GetNrOfRows() + 1);
    return GetNrOfRows();
}

int TReportListView::InsertRow(int r)
{
    HideEditor();
    if (r >= 1 && r <= GetNrOfRows()) {
        FData->InsertRow(r);
        SetNrOfRows(GetNrOfRows());
    } else if (r > GetNrOfRows()) {
        r = AddRow();
    }
    FData->ForgetSortColumns();
    return r;
}

int TReportListView::InsertColumn(int c)
{
    HideEditor();
    if (c > GetNrOfColumns()) {
        SetNrOfColumns(GetNrOfColumns() + 1);
        return GetNrOfColumns();
    }
    if (c < 1)
        return c;
    const auto At = std::ptrdiff_t(c - 1);
    const int LastWidth = TCustomDrawGrid::GetColWidths(GetColCount() - 1);
    FData->InsertColumn(c);
    FColAlignment.insert(FColAlignment.begin() + At, taLeftJustify);
    FColEditable.insert(FColEditable.begin() + At, false);
    FColPassword.insert(FColPassword.begin() + At, false);
    SyncColumns();
    TCustomDrawGrid::SetColWidths(GetColCount() - 1, LastWidth);
    RepaintNow();
    ChangedSetup();
    return c;
}

void TReportListView::RemoveColumn(int c)
{
    if (!IsColumn(c))
        return;
    HideEditor();
    const auto At = std::ptrdiff_t(c - 1);
    FColAlignment.erase(FColAlignment.begin() + At);
    FColEditable.erase(FColEditable.begin() + At);
    FColPassword.erase(FColPassword.begin() + At);
    FData->RemoveColumn(c);
    // The order table cannot keep entries of a column that is gone.
    SyncColumns();
    RepaintNow();
    ChangedSetup();
}

void TReportListView::RemoveRow(int r)
{
    if (r < 1 || r > GetNrOfRows())
        return;
    HideEditor();
    FData->RemoveRow(r);
    UpdateGridRows();
    RepaintNow();
    ChangedSetup();
}

void TReportListView::RemoveEmptyRows()
{
    {
        const SuppressPaintScope Suppress(*this);
        HideEditor();
        FData->RemoveEmptyRows();
        UpdateGridRows();
    }
    ChangedSetup();
}

void TReportListView::Fill(const QString& s)
{
    HideEditor();
    const SuppressPaintScope Suppress(*this);
    FData->Fill(s);
}

void TReportListView::Clear()
{
    HideEditor();
    FData->Clear();
    std::fill(FColAlignment.begin(), FColAlignment.end(), taLeftJustify);
    std::fill(FColPassword.begin(), FColPassword.end(), false);
    std::fill(FColEditable.begin(), FColEditable.end(), false);
    ResetColumnOrder();
    RepaintNow();
}

void TReportListView::Sort(int Col, int ColSec, bool Ascending)
{
    HideEditor();
    {
        const SuppressPaintScope Suppress(*this);
        FData->Sort(Col, ColSec, Ascending);
    }
}

void TReportListView::UnSort()
{
    HideEditor();
    {
        const SuppressPaintScope Suppress(*this);
        FData->UnSort();
    }
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                                      bool UseTabs)
{
    FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs);
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                                      const QString& Separator)
{
    FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator);
}

// ---- files -------------------------------------------------------------------------------

bool TReportListView::LoadFromXMLFile(const QString& FName, const QString& DataID)
{
    return Reload([&] { return FData->LoadFromXMLFile(FName, DataID); });
}

bool TReportListView::ReadFromXMLStream(QIODevice& InStream, const QString& DataID)
{
    return Reload([&] { return FData->ReadFromXMLStream(InStream, DataID); });
}

bool TReportListView::ReadFromXMLString(const QString& InString, const QString& DataID)
{
    return Reload([&] { return FData->ReadFromXMLString(InString, DataID); });
}

bool TReportListView::ReadFromOpenXMLFile(QTextStream& F, const QString& DataID)
{
    return Reload([&] { return FData->ReadFromOpenXMLFile(F, DataID); });
}

int TReportListView::ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders)
{
    return Reload([&] { return FData->ImportCSV(FName, Delimiter, IncludeColHeaders); });
}

int TReportListView::LoadLinesFromFile(int Column, int FirstRow, const QString& FName)
{
    return Reload([&] { return FData->LoadLinesFromFile(Column, FirstRow, FName); });
}

// ---- assignment ----------------------------------------------------------------------------

void TReportListView::Assign(QObject* Source)
{
    auto* Src = qobject_cast<TReportListView*>(Source);
    if (Src == nullptr) {
        TCustomDrawGrid::Assign(Source);
        return;
    }
    if (Src == this)
        return;
    HideEditor();
    FData->Assign(Src->FData.get());
    WireData();
    CopyViewSettings(*Src);
    SetFixedColor(FColorColumnHd);
    SetFixedCols(Src->GetFixedCols());
    SetColCount(std::max(1, GetNrOfColumns()));
    UpdateGridRows();
    try {
        FColAlignment = Src->FColAlignment;
        FColEditable = Src->FColEditable;
        FColPassword = Src->FColPassword;
        FColOrder = Src->FColOrder;
    } catch (const std::bad_alloc&) {
        throw EVOKRepListError(ComponentMessage(GetName(), QStringLiteral("not enough memory on heap")));
    }
    TCustomDrawGrid::SetEnabled(Src->GetEnabled());
    RepaintNow();
}

void TReportListView::CopyViewSettings(const TReportListView& Src)
{
    FAutoAdvance = Src.FAutoAdvance;
    FLastMousePos = Src.FLastMousePos;
    FAnchorRow = Src.FAnchorRow;
    FRowSelectMode = Src.FRowSelectMode;
    FSortEnabled = Src.FSortEnabled;
    FColorText = Src.FColorText;
    FColorBkgdNormal = Src.FColorBkgdNormal;
    FColorBkgdShaded = Src.FColorBkgdShaded;
    FColorHigh = Src.FColorHigh;
    FColorHighText = Src.FColorHighText;
    FColorSelectedRow = Src.FColorSelectedRow;
    FColorSelectedRowText = Src.FColorSelectedRowText;
    FColorSelectedCol = Src.FColorSelectedCol;
    FColorSelectedColText = Src.FColorSelectedColText;
    FColorSelectedBoth = Src.FColorSelectedBoth;
    FColorSelectedBothText = Src.FColorSelectedBothText;
    FColorDisabledBkgd = Src.FColorDisabledBkgd;
    FColorDisabledText = Src.FColorDisabledText;
    FColorCommonHd = Src.FColorCommonHd;
    FColorCommonHdText = Src.FColorCommonHdText;
    FColorColumnHd = Src.FColorColumnHd;
    FColorColumnHdText = Src.FColorColumnHdText;
    FColorEmptyMsg = Src.FColorEmptyMsg;
    FHighLightRow = Src.FHighLightRow;
    FHighLightColumn = Src.FHighLightColumn;
    FHighLightBold = Src.FHighLightBold;
    FSuppressPaint = Src.FSuppressPaint;
    FRowColPattern = Src.FRowColPattern;
    FCommonHeaderAlignment = Src.FCommonHeaderAlignment;
    FCommonHeaderVisible = Src.FCommonHeaderVisible;
    FColumnHeadersVisible = Src.FColumnHeadersVisible;
    FCommonHeaderHeight = Src.FCommonHeaderHeight;
    FColumnHeadersHeight = Src.FColumnHeadersHeight;
    FShowEmptyCheckBoxes = Src.FShowEmptyCheckBoxes;
    FInterRowIndicatorColor = Src.FInterRowIndicatorColor;
    FInterRowIndicatorWidth = Src.FInterRowIndicatorWidth;
    FInterRowIndicatorPos = Src.FInterRowIndicatorPos;
    OnChange = Src.OnChange;
    OnChangeSetup = Src.OnChangeSetup;
    OnSelectedChange = Src.OnSelectedChange;
    OnCheckedChange = Src.OnCheckedChange;
    OnBeforeCheckedChange = Src.OnBeforeCheckedChange;
    OnGetEditText = Src.OnGetEditText;
    OnSetEditText = Src.OnSetEditText;
    OnRequestEditFormat = Src.OnRequestEditFormat;
    OnPercentDone = Src.OnPercentDone;
    OnBeforeRenderCell = Src.OnBeforeRenderCell;
    OnBeforeSortExchange = Src.OnBeforeSortExchange;
    OnBeforeHTMLExport = Src.OnBeforeHTMLExport;
    OnBeforeFilter = Src.OnBeforeFilter;
    OnMouseWheelDown = Src.OnMouseWheelDown;
    OnMouseWheelUp = Src.OnMouseWheelUp;
}

void TReportListView::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TCustomDrawGrid::AssignTo(Dest);
}

} // namespace vok
