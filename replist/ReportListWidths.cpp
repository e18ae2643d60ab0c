// TReportListView width operations: the widest text of a column, column
// widths fitted to their texts and a column stretched to fill the view.
#include "ReportListViewScopes.h"

#include <vok/Vok_replist.h>

#include <algorithm>

namespace vok {

namespace {
constexpr int CheckBoxExtra = 16;
constexpr int SortArrowExtra = 13;
constexpr int ItalicExtra = 2;
constexpr int MinExpandedWidth = 16;
} // namespace

// ---- widths ------------------------------------------------------------------------

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader)
{
    if (!IsColumn(ColNr))
        return 10;
    TCanvas* Canvas = GetCanvas();
    Canvas->SetFont(GetFont());
    const int Italic = GetFont()->GetStyle().testFlag(fsItalic) ? ItalicExtra : 0;
    const int Extra = (GetColCheckMode(ColNr) == cmBox ? CheckBoxExtra : 0) + Italic;
    const TStringArray& Store = FData->Store();
    int Widest = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Widest = std::max(Widest, Canvas->TextWidth(Store.GetString(ColNr, Row)) + Extra);
    if (IncludeHeader)
        Widest = std::max(Widest, Canvas->TextWidth(GetColName(ColNr)) +
                                      (GetLastSortColumn() == ColNr ? SortArrowExtra : 0) + Italic);
    return Widest + 10;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon)
{
    SetColWidths(ColNr, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon));
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth)
{
    SetColWidths(ColNr, std::min(MaxWidth, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon)));
}

void TReportListView::ExpandColWidth(int ColIx, int RightMargin)
{
    if (IsColumn(ColIx)) {
        int Others = 0;
        for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
            if (Col != ColIx)
                Others += GetColWidths(Col);
        const int Width = GetClientWidth() - RightMargin - Others;
        SetColWidths(ColIx, Width <= MinExpandedWidth - 1 ? MinExpandedWidth : Width);
    }
    ChangedSetup();
}

void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth,
                                      int RightMargin)
{
    {
        const SuppressPaintScope Suppress(*this);
        for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
            if (Col != ExpandColumn)
                AutoColWidth(Col, IncludeHeader, Addon, MaxWidth);
        ExpandColWidth(ExpandColumn, RightMargin);
    }
}

} // namespace vok
