// TReportListView filtering: rows that match are enabled, the others
// disabled, and the list sorted with the enabled rows first on request.
#include "RowFilter.h"
#include "ReportListViewScopes.h"
#include "Utf8Text.h"

#include <vok/Vok_replist.h>

#include <string_view>
#include <vector>

namespace vok {

namespace {
// Text takes what GetElem gives for a cell of these stored bytes (a check
// column's flag character dropped), reusing its storage.
void ReadVisibleText(QString& Text, std::string_view Stored, bool CheckColumn)
{
    if (CheckColumn && !Stored.empty()) {
        if (static_cast<unsigned char>(Stored[0]) >= 0x80) {
            // A flag that is not ASCII: drop it as one UTF-16 unit, as GetElem does.
            Text = detail::TextFromUtf8(QByteArrayView(Stored.data(), qsizetype(Stored.size()))).mid(1);
            return;
        }
        Stored.remove_prefix(1);
    }
    detail::AssignTextFromUtf8(Text, QByteArrayView(Stored.data(), qsizetype(Stored.size())));
}

bool Combine(bool Internal, bool Handler, TLogicOp Op)
{
    switch (Op) {
    case loAND: return Internal && Handler;
    case loOR: return Internal || Handler;
    case loXOR: return Internal != Handler;
    case loNOT: break;
    }
    return Handler;
}
} // namespace

void TReportListView::FilterAndSort(const QString& FilterExp, const QList<int>& FilterColumns, bool IgnoreCase,
                                    TFilterMode FilterMode, int SortColumn, bool Ascending)
{
    HideEditor();
    const replist::RowFilter Filter(FilterExp, FilterMode, IgnoreCase);
    QList<int> Columns;
    for (int Col : FilterColumns)
        if (IsColumn(Col))
            Columns << Col;
    if (FilterColumns.isEmpty())
        for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
            Columns << Col;
    std::vector<bool> CheckColumn;
    for (int Col : Columns)
        CheckColumn.push_back(GetColCheckMode(Col) != cmNone);
    {
        const SuppressPaintScope Suppress(*this);
        const TStringArray& Store = FData->Store();
        QStringList Texts(Columns.size());
        for (int Row = 1; Row <= GetNrOfRows(); ++Row) {
            for (int I = 0; I < Columns.size(); ++I)
                ReadVisibleText(Texts[I], Store.GetStringUtf8(Columns[I], Row), CheckColumn[std::size_t(I)]);
            bool Found = Filter.Matches(Texts);
            if (OnBeforeFilter) {
                bool HandlerFound = Found;
                TLogicOp Op = loAND;
                OnBeforeFilter(this, Row, HandlerFound, Op);
                Found = Combine(Found, HandlerFound, Op);
            }
            SetRowBit(Row, RowAttribDisabled, !Found);
        }
        if (SortColumn >= 1)
            Sort(SortColumn, GetSecondarySortColumn(), Ascending);
    }
    ChangedSelection();
}

void TReportListView::SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending)
{
    HideEditor();
    {
        const SuppressPaintScope Suppress(*this);
        FData->Sort(SortColumn1, SortColumn2, Ascending);
        // A stable partition of the sorted rows: enabled ones first.
        TStringArray& Store = FData->Store();
        const int Rows = GetNrOfRows();
        std::vector<int> Order;
        Order.reserve(std::size_t(Rows));
        for (int Pass = 0; Pass < 2; ++Pass)
            for (int Row = 1; Row <= Rows; ++Row)
                if (GetRowEnabled(Row) == (Pass == 0))
                    Order.push_back(Store.GetSortOrder(Row));
        const MuteStoreScope Mute(*this);
        for (int Row = 1; Row <= Rows; ++Row)
            Store.SetSortOrder(Row, Order[std::size_t(Row - 1)]);
    }
    Changed();
}

} // namespace vok
