#include <vok/Vok_stringarray.h>
#include <vok/Vok_strings.h>

#include "NaturalSortKey.h"
#include "TextColumn.h"
#include "Utf8Text.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace vok {

using detail::RowKey;
using detail::TextColumn;

namespace {

QByteArray ToStoredText(const QString& Value)
{
    return ShortString(Value, TStringArray::MaxStringLength).toUtf8();
}

// One row as the sort sees it: its keys in the sort column and the
// secondary column, and its stored number, the final tie-breaker.
struct SortEntry
{
    std::uint64_t Primary;
    std::uint64_t Secondary;
    std::uint32_t Row;
    detail::CellClass PrimaryClass;
    detail::CellClass SecondaryClass;
};

} // namespace

TStringArray::TStringArray(QObject* AOwner)
    : QObject(AOwner)
    , FColumns(1)
    , FColAttrib(1, 0)
    , FRowAttrib(1, 0)
    , FOrder(1, 0)
{
    FColumns[0].Reserve(1);
    FColumns[0].Resize(1);
}

TStringArray::~TStringArray() = default;

int TStringArray::GetNrOfColumns() const { return int(FColumns.size()) - 1; }
int TStringArray::GetNrOfRows() const { return int(FOrder.size()) - 1; }

void TStringArray::SetAllocRowsBy(int Value) { FAllocRowsBy = std::max(1, Value); }

bool TStringArray::ValidColumn(int ACol) const { return ACol >= 0 && ACol <= GetNrOfColumns(); }
bool TStringArray::ValidRow(int ARow) const { return ARow >= 0 && ARow <= GetNrOfRows(); }

void TStringArray::ThrowOutOfMemory(const QString& Operation) const
{
    throw EVOKError(QStringLiteral("TStringArray: not enough memory to %1").arg(Operation));
}

void TStringArray::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TStringArray::ReportProgress(int Percent)
{
    if (!OnPercentDone || Percent == FLastPercent)
        return;
    FLastPercent = Percent;
    OnPercentDone(this, Percent);
}

// Capacity for Rows rows everywhere, grown in steps of at least the
// allocation step and geometrically, so appending row by row stays linear.
void TStringArray::ReserveRows(std::size_t Rows)
{
    const std::size_t Have = FOrder.capacity();
    if (Rows <= Have)
        return;
    const std::size_t Target = std::max(Rows, Have + std::max<std::size_t>(std::size_t(FAllocRowsBy), Have / 2));
    for (TextColumn& Column : FColumns)
        Column.Reserve(Target);
    FOrder.reserve(Target);
    FRowAttrib.reserve(Target);
}

void TStringArray::Resize(int NrColumns, int NrRows)
{
    const std::int64_t Cells = (std::int64_t(NrColumns) + 1) * (std::int64_t(NrRows) + 1);
    if (NrColumns < 0 || NrRows < 0 || Cells > MaxCells)
        throw EVOKError(QStringLiteral("TStringArray: cannot resize to %1 columns and %2 rows "
                                       "(sizes must be 0 or more and hold at most %3 cells)")
                            .arg(NrColumns)
                            .arg(NrRows)
                            .arg(MaxCells));
    const std::size_t Rows = std::size_t(NrRows) + 1;
    const std::size_t Columns = std::size_t(NrColumns) + 1;
    std::vector<TextColumn> Added;
    try {
        ReserveRows(Rows);
        FColumns.reserve(Columns);
        FColAttrib.reserve(Columns);
        for (std::size_t C = FColumns.size(); C < Columns; ++C) {
            Added.emplace_back();
            Added.back().Reserve(std::max(Rows, FOrder.capacity()));
            Added.back().Resize(Rows);
        }
        if (Rows < FOrder.size())
            ShrinkRows(Rows);
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("resize to %1 columns and %2 rows").arg(NrColumns).arg(NrRows));
    }
    // From here on nothing allocates.
    FColumns.resize(std::min(FColumns.size(), Columns));
    for (TextColumn& Column : Added)
        FColumns.push_back(std::move(Column));
    FColAttrib.resize(Columns, 0);
    if (Rows > FOrder.size())
        GrowRows(Rows);
    Changed();
}

// Keeps sorted rows 0..Rows-1. Allocates before it changes anything.
void TStringArray::ShrinkRows(std::size_t Rows)
{
    std::vector<bool> Keep(FOrder.size(), false);
    for (std::size_t I = 0; I < Rows; ++I)
        Keep[FOrder[I]] = true;
    KeepStoredRows(Keep);
}

// Keeps the stored rows whose Keep flag is set: they close up in their
// stored order and the pending permutation is renumbered accordingly.
// Allocates before it changes anything.
void TStringArray::KeepStoredRows(const std::vector<bool>& Keep)
{
    std::vector<std::uint32_t> NewNumber(FOrder.size(), 0);
    std::uint32_t Next = 0;
    for (std::size_t Row = 0; Row < Keep.size(); ++Row)
        if (Keep[Row])
            NewNumber[Row] = Next++;
    for (TextColumn& Column : FColumns)
        Column.KeepRows(Keep);
    std::size_t To = 0;
    for (std::size_t Row = 0; Row < FRowAttrib.size(); ++Row)
        if (Keep[Row])
            FRowAttrib[To++] = FRowAttrib[Row];
    FRowAttrib.resize(Next);
    To = 0;
    for (std::size_t I = 0; I < FOrder.size(); ++I)
        if (Keep[FOrder[I]])
            FOrder[To++] = NewNumber[FOrder[I]];
    FOrder.resize(Next);
    FPositionOf.clear();
}

void TStringArray::GrowRows(std::size_t Rows)
{
    for (TextColumn& Column : FColumns)
        Column.Resize(Rows);
    FRowAttrib.resize(Rows, 0);
    const std::size_t Old = FOrder.size();
    FOrder.resize(Rows);
    std::iota(FOrder.begin() + std::ptrdiff_t(Old), FOrder.end(), std::uint32_t(Old));
    FPositionOf.clear();
}

void TStringArray::Clear()
{
    for (TextColumn& Column : FColumns)
        Column.ClearCells();
    std::fill(FColAttrib.begin(), FColAttrib.end(), 0);
    std::fill(FRowAttrib.begin(), FRowAttrib.end(), 0);
    std::iota(FOrder.begin(), FOrder.end(), 0u);
    FInStoredOrder = true;
    FPositionOf.clear();
    Changed();
}

QString TStringArray::GetString(int ACol, int ARow) const
{
    if (!ValidColumn(ACol) || !ValidRow(ARow))
        return QString();
    return FColumns[std::size_t(ACol)].Get(StoredRow(ARow));
}

std::string_view TStringArray::GetStringUtf8(int ACol, int ARow) const
{
    if (!ValidColumn(ACol) || !ValidRow(ARow))
        return {};
    return FColumns[std::size_t(ACol)].View(StoredRow(ARow));
}

void TStringArray::SetString(int ACol, int ARow, const QString& Value)
{
    if (!ValidColumn(ACol) || !ValidRow(ARow))
        return;
    try {
        // ASCII that fits is its own UTF-8 and needs no cut: no allocation.
        char Ascii[MaxStringLength];
        TextColumn& Column = FColumns[std::size_t(ACol)];
        if (detail::AsciiToBuffer(Value, Ascii, MaxStringLength)) {
            Column.Set(StoredRow(ARow), std::string_view(Ascii, std::size_t(Value.size())));
        } else {
            const QByteArray Utf8 = ToStoredText(Value);
            Column.Set(StoredRow(ARow), std::string_view(Utf8.constData(), std::size_t(Utf8.size())));
        }
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("store a cell"));
    }
    Changed();
}

void TStringArray::SetStringUtf8(int ACol, int ARow, std::string_view Utf8)
{
    // Valid UTF-8 of at most MaxStringLength bytes has at most that many
    // UTF-16 characters, so it is stored as it stands; anything else takes
    // the general road (cut, invalid bytes replaced).
    const QByteArrayView Bytes(Utf8.data(), qsizetype(Utf8.size()));
    if (Utf8.size() > std::size_t(MaxStringLength) || !Bytes.isValidUtf8()) {
        SetString(ACol, ARow, detail::TextFromUtf8(Bytes));
        return;
    }
    if (!ValidColumn(ACol) || !ValidRow(ARow))
        return;
    try {
        FColumns[std::size_t(ACol)].Set(StoredRow(ARow), Utf8);
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("store a cell"));
    }
    Changed();
}

bool TStringArray::IsColumnEmpty(int ACol) const
{
    return !ValidColumn(ACol) || FColumns[std::size_t(ACol)].IsEmpty();
}

void TStringArray::InsertColumn(int ACol)
{
    if (ACol < 0 || ACol > GetNrOfColumns() + 1)
        return;
    if ((std::int64_t(FColumns.size()) + 1) * std::int64_t(FOrder.size()) > MaxCells)
        throw EVOKError(QStringLiteral("TStringArray: cannot insert a column (at most %1 cells)").arg(MaxCells));
    TextColumn Column;
    try {
        Column.Reserve(FOrder.capacity());
        Column.Resize(FOrder.size());
        FColumns.reserve(FColumns.size() + 1);
        FColAttrib.reserve(FColAttrib.size() + 1);
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("insert a column"));
    }
    FColumns.insert(FColumns.begin() + ACol, std::move(Column));
    FColAttrib.insert(FColAttrib.begin() + ACol, 0);
    Changed();
}

void TStringArray::RemoveColumn(int ACol)
{
    if (!ValidColumn(ACol) || GetNrOfColumns() == 0)
        return;
    FColumns.erase(FColumns.begin() + ACol);
    FColAttrib.erase(FColAttrib.begin() + ACol);
    Changed();
}

void TStringArray::InsertRow(int ARow)
{
    if (ARow < 1 || ARow > GetNrOfRows() + 1)
        return;
    if (std::int64_t(FColumns.size()) * (std::int64_t(FOrder.size()) + 1) > MaxCells)
        throw EVOKError(QStringLiteral("TStringArray: cannot insert a row (at most %1 cells)").arg(MaxCells));
    try {
        ReserveRows(FOrder.size() + 1);
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("insert a row"));
    }
    // The new row is stored at position ARow; stored rows from there on move
    // one down, which the permutation follows.
    const auto Stored = std::uint32_t(ARow);
    for (TextColumn& Column : FColumns)
        Column.InsertEmptyRow(Stored);
    FRowAttrib.insert(FRowAttrib.begin() + ARow, 0);
    // In stored order only the entries from ARow on are Stored or above.
    for (std::size_t I = FInStoredOrder ? std::size_t(ARow) : 0; I < FOrder.size(); ++I)
        if (FOrder[I] >= Stored)
            ++FOrder[I];
    FOrder.insert(FOrder.begin() + ARow, Stored);
    FPositionOf.clear();
    Changed();
}

void TStringArray::RemoveRow(int ARow)
{
    if (ARow < 1 || ARow > GetNrOfRows())
        return;
    const std::uint32_t Stored = StoredRow(ARow);
    for (TextColumn& Column : FColumns)
        Column.EraseRow(Stored);
    FRowAttrib.erase(FRowAttrib.begin() + Stored);
    FOrder.erase(FOrder.begin() + ARow);
    // In stored order only the entries from ARow on are above Stored.
    for (std::size_t I = FInStoredOrder ? std::size_t(ARow) : 0; I < FOrder.size(); ++I)
        if (FOrder[I] > Stored)
            --FOrder[I];
    FPositionOf.clear();
    Changed();
}

void TStringArray::RemoveRows(const std::function<bool(int)>& Remove)
{
    std::vector<bool> Keep;
    try {
        Keep.assign(FOrder.size(), true);
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("remove rows"));
    }
    bool Any = false;
    for (std::size_t Row = 1; Row < FOrder.size(); ++Row)
        if (Remove(int(Row))) {
            Keep[FOrder[Row]] = false;
            Any = true;
        }
    if (!Any)
        return;
    try {
        KeepStoredRows(Keep);
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("remove rows"));
    }
    Changed();
}

quint8 TStringArray::GetRowAttrib(int ARow) const
{
    return ValidRow(ARow) ? FRowAttrib[StoredRow(ARow)] : 0;
}

void TStringArray::SetRowAttrib(int ARow, quint8 Value)
{
    if (!ValidRow(ARow))
        return;
    FRowAttrib[StoredRow(ARow)] = Value;
    Changed();
}

quint8 TStringArray::GetColAttrib(int ACol) const { return ValidColumn(ACol) ? FColAttrib[std::size_t(ACol)] : 0; }

void TStringArray::SetColAttrib(int ACol, quint8 Value)
{
    if (!ValidColumn(ACol))
        return;
    FColAttrib[std::size_t(ACol)] = Value;
    Changed();
}

void TStringArray::Sort(int ACol, int AColSec, bool Ascending)
{
    if (!ValidColumn(ACol))
        return;
    const bool HasSecondary = ValidColumn(AColSec) && AColSec != ACol;
    const std::size_t Rows = FOrder.size();
    FLastPercent = -1;
    ReportProgress(0);
    std::vector<std::uint32_t> NewOrder;
    try {
        // Keys of both columns take 70 % of the progress range.
        const int KeyShare = HasSecondary ? 35 : 70;
        const auto TickFrom = [this, Rows, KeyShare](int Base) {
            return [this, Rows, KeyShare, Base](std::size_t Done) {
                ReportProgress(Base + int(double(Done) * KeyShare / double(Rows)));
            };
        };
        const std::vector<RowKey> Primary = detail::BuildRowKeys(FColumns[std::size_t(ACol)], TickFrom(0));
        std::vector<RowKey> Secondary;
        if (HasSecondary)
            Secondary = detail::BuildRowKeys(FColumns[std::size_t(AColSec)], TickFrom(KeyShare));

        std::vector<SortEntry> Entries(Rows - 1);
        for (std::size_t Row = 1; Row < Rows; ++Row) {
            const RowKey Second = HasSecondary ? Secondary[Row] : RowKey{};
            Entries[Row - 1] = SortEntry{Primary[Row].Value, Second.Value, std::uint32_t(Row), Primary[Row].Class, Second.Class};
        }
        const auto Less = [Ascending](const SortEntry& A, const SortEntry& B) {
            const auto KeysA = std::tie(A.PrimaryClass, A.Primary, A.SecondaryClass, A.Secondary);
            const auto KeysB = std::tie(B.PrimaryClass, B.Primary, B.SecondaryClass, B.Secondary);
            if (KeysA != KeysB)
                return Ascending ? KeysA < KeysB : KeysB < KeysA;
            return A.Row < B.Row;
        };
        std::sort(Entries.begin(), Entries.end(), Less);
        ReportProgress(90);
        NewOrder.resize(Rows);
        NewOrder[0] = 0;
        for (std::size_t I = 1; I < Rows; ++I)
            NewOrder[I] = Entries[I - 1].Row;
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("sort"));
    }
    ApplyOrder(NewOrder);
    ReportProgress(100);
    Changed();
}

// Takes over NewOrder; with an exchange hook installed the change is made as
// a series of exchanges of two sorted rows, each announced beforehand.
void TStringArray::ApplyOrder(const std::vector<std::uint32_t>& NewOrder)
{
    FInStoredOrder = false;
    if (!OnBeforeSortExchange) {
        FOrder = NewOrder;
        FPositionOf.clear();
        return;
    }
    std::vector<std::uint32_t> PositionOf(FOrder.size());
    for (std::size_t I = 0; I < FOrder.size(); ++I)
        PositionOf[FOrder[I]] = std::uint32_t(I);
    for (std::size_t I = 1; I < FOrder.size(); ++I) {
        if (FOrder[I] == NewOrder[I])
            continue;
        const std::uint32_t J = PositionOf[NewOrder[I]];
        OnBeforeSortExchange(this, int(I), int(J));
        std::swap(FOrder[I], FOrder[J]);
        PositionOf[FOrder[I]] = std::uint32_t(I);
        PositionOf[FOrder[J]] = J;
    }
    FPositionOf.clear();
}

void TStringArray::UnSort()
{
    std::iota(FOrder.begin(), FOrder.end(), 0u);
    FInStoredOrder = true;
    FPositionOf.clear();
    Changed();
}

bool TStringArray::IsSorted() const
{
    if (FInStoredOrder)
        return false;
    for (std::size_t I = 0; I < FOrder.size(); ++I)
        if (FOrder[I] != I)
            return true;
    return false;
}

void TStringArray::CommitSorting()
{
    if (!IsSorted()) {
        FInStoredOrder = true;
        return;
    }
    std::vector<std::uint32_t> Scratch;
    std::vector<quint8> Attribs;
    try {
        Scratch.resize(FOrder.size());
        Attribs.resize(FOrder.size());
    } catch (const std::bad_alloc&) {
        ThrowOutOfMemory(QStringLiteral("commit the sort order"));
    }
    for (TextColumn& Column : FColumns)
        Column.Permute(FOrder, Scratch);
    for (std::size_t I = 0; I < FOrder.size(); ++I)
        Attribs[I] = FRowAttrib[FOrder[I]];
    FRowAttrib.swap(Attribs);
    std::iota(FOrder.begin(), FOrder.end(), 0u);
    FInStoredOrder = true;
    FPositionOf.clear();
    Changed();
}

int TStringArray::GetSortOrder(int ARow) const { return ValidRow(ARow) ? int(StoredRow(ARow)) : -1; }

void TStringArray::SetSortOrder(int ARow, int Value)
{
    if (ARow < 1 || ARow > GetNrOfRows() || Value < 1 || Value > GetNrOfRows())
        return;
    if (FPositionOf.size() != FOrder.size()) {
        try {
            FPositionOf.resize(FOrder.size());
        } catch (const std::bad_alloc&) {
            ThrowOutOfMemory(QStringLiteral("set the sort order"));
        }
        for (std::size_t I = 0; I < FOrder.size(); ++I)
            FPositionOf[FOrder[I]] = std::uint32_t(I);
    }
    FInStoredOrder = false;
    const std::uint32_t Other = FPositionOf[std::size_t(Value)];
    const std::uint32_t Former = FOrder[std::size_t(ARow)];
    FOrder[Other] = Former;
    FPositionOf[Former] = Other;
    FOrder[std::size_t(ARow)] = std::uint32_t(Value);
    FPositionOf[std::size_t(Value)] = std::uint32_t(ARow);
    Changed();
}

int CompareNatural(const QString& A, const QString& B)
{
    const QByteArray Utf8A = A.toUtf8();
    const QByteArray Utf8B = B.toUtf8();
    return detail::CompareCells(std::string_view(Utf8A.constData(), std::size_t(Utf8A.size())),
                                std::string_view(Utf8B.constData(), std::size_t(Utf8B.size())));
}

} // namespace vok
