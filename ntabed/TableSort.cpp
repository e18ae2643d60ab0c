#include "TableSort.h"

#include <vok/Vok_strings.h>

#include <utility>

namespace vok::ntabed {

namespace {

// While it lives, column exchanges of the table's sorts also exchange the
// precision entries; the hook that was there before keeps being called and
// is put back afterwards.
class TPrecisionsFollowColumns
{
public:
    TPrecisionsFollowColumns(TDataTable& Data, std::span<qint8> Precisions)
        : FData(Data), FPrevious(Data.OnSortExchange)
    {
        FData.OnSortExchange = [this, Precisions](QObject* Sender, TDTExchgKind Kind, int Index1, int Index2) {
            if (Kind == xkColumns && InRange(Precisions, Index1) && InRange(Precisions, Index2))
                std::swap(Precisions[size_t(Index1 - 1)], Precisions[size_t(Index2 - 1)]);
            if (FPrevious)
                FPrevious(Sender, Kind, Index1, Index2);
        };
    }
    ~TPrecisionsFollowColumns() { FData.OnSortExchange = std::move(FPrevious); }
    TPrecisionsFollowColumns(const TPrecisionsFollowColumns&) = delete;
    TPrecisionsFollowColumns& operator=(const TPrecisionsFollowColumns&) = delete;

private:
    static bool InRange(std::span<qint8> Precisions, int Index)
    {
        return Index >= 1 && size_t(Index) <= Precisions.size();
    }

    TDataTable& FData;
    TDTSortExchangeEvent FPrevious;
};

template <class GetName>
int FindName(int Count, const TDTNameStr& ID, GetName Name)
{
    const TDTNameStr Sought = ShortString(ID, MaxDTNameLength);
    for (int i = 1; i <= Count; ++i)
        if (Name(i) == Sought)
            return i;
    return 0;
}

} // namespace

void SortCols(TDataTable& Data, std::span<qint8> Precisions, int SortRowIx, bool Ascending, const TCellBlock& Block,
              bool IncludeHeaders)
{
    if (!IncludeHeaders) {
        Data.SortCols(SortRowIx, Ascending, Block.Left, Block.Top, Block.Right, Block.Bottom, false);
        return;
    }
    const TPrecisionsFollowColumns Follow(Data, Precisions);
    Data.SortCols(SortRowIx, Ascending, Block.Left, Block.Top, Block.Right, Block.Bottom, true);
}

void SortRows(TDataTable& Data, int SortColIx, bool Ascending, const TCellBlock& Block, bool IncludeHeaders)
{
    Data.SortRows(SortColIx, Ascending, Block.Left, Block.Top, Block.Right, Block.Bottom, IncludeHeaders);
}

void SortColAttributes(TDataTable& Data, std::span<qint8> Precisions, bool Ascending, const TCellBlock& Block)
{
    const TPrecisionsFollowColumns Follow(Data, Precisions);
    Data.SortColAttributes(Ascending, Block.Left, Block.Top, Block.Right, Block.Bottom);
}

void SortRowAttributes(TDataTable& Data, bool Ascending, const TCellBlock& Block)
{
    Data.SortRowAttributes(Ascending, Block.Left, Block.Top, Block.Right, Block.Bottom);
}

void SortColNames(TDataTable& Data, std::span<qint8> Precisions, bool Ascending, bool IgnoreCase,
                  const TCellBlock& Block)
{
    const TPrecisionsFollowColumns Follow(Data, Precisions);
    Data.SortColNames(Ascending, IgnoreCase, Block.Left, Block.Top, Block.Right, Block.Bottom);
}

void SortRowNames(TDataTable& Data, bool Ascending, bool IgnoreCase, const TCellBlock& Block)
{
    Data.SortRowNames(Ascending, IgnoreCase, Block.Left, Block.Top, Block.Right, Block.Bottom);
}

int FindColIndex(const TDataTable& Data, const TDTNameStr& ID)
{
    return FindName(Data.GetNrOfColumns(), ID, [&Data](int i) { return Data.GetColName(i); });
}

int FindRowIndex(const TDataTable& Data, const TDTNameStr& ID)
{
    return FindName(Data.GetNrOfRows(), ID, [&Data](int i) { return Data.GetRowName(i); });
}

} // namespace vok::ntabed
