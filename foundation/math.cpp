#include <vok/Vok_math.h>

#include <vok/Vok_strings.h>

#include "matrixgrid.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace vok {

namespace {

QString StripBlanks(const QString& Text)
{
    return StripTrailingChars(u' ', StripLeadingChars(u' ', Text));
}

// Numbers before the rest in either direction; equal keys keep their order.
bool ValueLess(bool NumberA, double A, bool NumberB, double B, bool Ascending)
{
    if (NumberA != NumberB)
        return NumberA;
    if (!NumberA)
        return false;
    return Ascending ? A < B : B < A;
}

bool OrderedLess(int Compared, bool Ascending)
{
    return Ascending ? Compared < 0 : Compared > 0;
}

} // namespace

// ---------------------------------------------------------------------------

bool IsValidDecInt(const QString& Text, int& Value)
{
    const QString Core = StripBlanks(Text);
    qsizetype Pos = 0;
    const bool Negative = Core.startsWith(u'-');
    if (Negative || Core.startsWith(u'+'))
        Pos = 1;
    if (Pos >= Core.size())
        return false;
    qint64 Magnitude = 0;
    const qint64 Limit = Negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    for (; Pos < Core.size(); ++Pos) {
        const QChar C = Core.at(Pos);
        if (C < u'0' || C > u'9')
            return false;
        Magnitude = Magnitude * 10 + (C.unicode() - u'0');
        if (Magnitude > Limit)
            return false;
    }
    Value = int(Negative ? -Magnitude : Magnitude);
    return true;
}

bool IsValidDecInt(const QString& Text)
{
    int Ignored = 0;
    return IsValidDecInt(Text, Ignored);
}

// ---------------------------------------------------------------------------

TMatrix::TMatrix(QObject* AOwner)
    : TMatrix(1, 1, AOwner)
{
}

TMatrix::TMatrix(int NrColumns, int NrRows, QObject* AOwner)
    : QObject(AOwner)
{
    TMatrix::Resize(NrColumns, NrRows);
}

bool TMatrix::IsInside(int ACol, int ARow) const
{
    return ACol >= 1 && ACol <= GetNrOfColumns() && ARow >= 1 && ARow <= FNrOfRows;
}

void TMatrix::Resize(int NrColumns, int NrRows)
{
    grid::Resize("TMatrix", FValues, NrColumns, NrRows);
    FNrOfRows = NrRows;
}

double TMatrix::GetElem(int ACol, int ARow) const
{
    return IsInside(ACol, ARow) ? FValues[ACol - 1][ARow - 1] : 0.0;
}

void TMatrix::SetElem(int ACol, int ARow, double Value)
{
    if (IsInside(ACol, ARow))
        FValues[ACol - 1][ARow - 1] = Value;
}

void TMatrix::Fill(double Value)
{
    for (auto& Column : FValues)
        std::fill(Column.begin(), Column.end(), Value);
}

void TMatrix::Assign(QObject* Source)
{
    const auto* Matrix = qobject_cast<const TMatrix*>(Source);
    if (!Matrix)
        throw EVOKMathError(QStringLiteral("cannot assign %1 to %2")
                                .arg(QLatin1StringView(Source ? Source->metaObject()->className() : "nothing"),
                                     QLatin1StringView(metaObject()->className())));
    if (Matrix == this)
        return;
    grid::TGrid<double> Values;
    grid::Allocate("TMatrix", Matrix->GetNrOfColumns(), Matrix->GetNrOfRows(), [&] { Values = Matrix->FValues; });
    Resize(Matrix->GetNrOfColumns(), Matrix->GetNrOfRows());
    FValues.swap(Values);
}

// ---------------------------------------------------------------------------

TDataTable::TDataTable(QObject* AOwner)
    : TDataTable(1, 1, AOwner)
{
}

TDataTable::TDataTable(int NrColumns, int NrRows, QObject* AOwner)
    : TMatrix(0, 0, AOwner)
{
    Resize(NrColumns, NrRows);
}

void TDataTable::FireResized(int OldNrColumns, int OldNrRows)
{
    if (OnResized && (OldNrColumns != GetNrOfColumns() || OldNrRows != GetNrOfRows()))
        OnResized(this, OldNrColumns, OldNrRows, GetNrOfColumns(), GetNrOfRows());
}

void TDataTable::FireDataChanged()
{
    if (OnDataChanged)
        OnDataChanged(this);
}

void TDataTable::FireSetupChanged()
{
    if (OnSetupChanged)
        OnSetupChanged(this);
}

void TDataTable::Resize(int NrColumns, int NrRows)
{
    grid::CheckSize("TDataTable", NrColumns, NrRows);
    const int OldNrColumns = GetNrOfColumns();
    const int OldNrRows = GetNrOfRows();
    grid::TGrid<double> AddedValues;
    grid::TGrid<quint8> AddedStates;
    grid::Allocate("TDataTable", NrColumns, NrRows, [&] {
        AddedValues = grid::PrepareResize(FValues, NrColumns, NrRows);
        AddedStates = grid::PrepareResize(FStates, NrColumns, NrRows);
        FColHeads.reserve(size_t(NrColumns));
        FRowHeads.reserve(size_t(NrRows));
    });
    grid::ApplyResize(FValues, AddedValues, NrColumns, NrRows);
    grid::ApplyResize(FStates, AddedStates, NrColumns, NrRows);
    FColHeads.resize(size_t(NrColumns));
    FRowHeads.resize(size_t(NrRows));
    FNrOfRows = NrRows;
    FireResized(OldNrColumns, OldNrRows);
}

void TDataTable::Clear()
{
    Fill(0.0);
    for (auto& Column : FStates)
        std::fill(Column.begin(), Column.end(), quint8(0));
    for (auto& Head : FColHeads)
        Head = TColumnHead{};
    for (auto& Head : FRowHeads)
        Head = TRowHead{};
    FComment.clear();
    FireDataChanged();
    FireSetupChanged();
}

quint8 TDataTable::GetCellState(int ACol, int ARow) const
{
    return IsInside(ACol, ARow) ? FStates[ACol - 1][ARow - 1] : quint8(0);
}

void TDataTable::SetCellState(int ACol, int ARow, quint8 State)
{
    if (IsInside(ACol, ARow))
        FStates[ACol - 1][ARow - 1] = State;
}

bool TDataTable::GetIsNumber(int ACol, int ARow) const
{
    return IsInside(ACol, ARow) && (FStates[ACol - 1][ARow - 1] & (cstNoNumber | cstEmpty)) == 0;
}

TDTNameStr TDataTable::GetColName(int ACol) const
{
    return ACol >= 1 && ACol <= GetNrOfColumns() ? FColHeads[ACol - 1].Name : TDTNameStr();
}

void TDataTable::SetColName(int ACol, const TDTNameStr& Name)
{
    if (ACol >= 1 && ACol <= GetNrOfColumns())
        FColHeads[ACol - 1].Name = Name.left(MaxDTNameLength);
}

TDTNameStr TDataTable::GetRowName(int ARow) const
{
    return ARow >= 1 && ARow <= GetNrOfRows() ? FRowHeads[ARow - 1].Name : TDTNameStr();
}

void TDataTable::SetRowName(int ARow, const TDTNameStr& Name)
{
    if (ARow >= 1 && ARow <= GetNrOfRows())
        FRowHeads[ARow - 1].Name = Name.left(MaxDTNameLength);
}

quint8 TDataTable::GetColAttrib(int ACol) const
{
    return ACol >= 1 && ACol <= GetNrOfColumns() ? FColHeads[ACol - 1].Attrib : quint8(0);
}

void TDataTable::SetColAttrib(int ACol, quint8 Attrib)
{
    if (ACol >= 1 && ACol <= GetNrOfColumns())
        FColHeads[ACol - 1].Attrib = Attrib;
}

quint8 TDataTable::GetRowAttrib(int ARow) const
{
    return ARow >= 1 && ARow <= GetNrOfRows() ? FRowHeads[ARow - 1].Attrib : quint8(0);
}

void TDataTable::SetRowAttrib(int ARow, quint8 Attrib)
{
    if (ARow >= 1 && ARow <= GetNrOfRows())
        FRowHeads[ARow - 1].Attrib = Attrib;
}

void TDataTable::SetFComment(const QString& Text)
{
    FComment = Text;
}

TMScaleType TDataTable::GetMScaleType(int ACol) const
{
    return ACol >= 1 && ACol <= GetNrOfColumns() ? FColHeads[ACol - 1].ScaleType : mstUndefined;
}

void TDataTable::SetMScaleType(int ACol, TMScaleType ScaleType)
{
    if (ACol < 1 || ACol > GetNrOfColumns() || size_t(ScaleType) >= MScaleTypeNames.size()
        || FColHeads[ACol - 1].ScaleType == ScaleType)
        return;
    FColHeads[ACol - 1].ScaleType = ScaleType;
    FireSetupChanged();
}

QString TDataTable::GetNominalID(int ACol, int N) const
{
    if (ACol < 1 || ACol > GetNrOfColumns() || N < 1)
        return QString();
    const auto& IDs = FColHeads[ACol - 1].NominalIDs;
    return size_t(N) <= IDs.size() ? IDs[N - 1] : QString();
}

void TDataTable::SetNominalID(int ACol, int N, const QString& ID)
{
    if (ACol < 1 || ACol > GetNrOfColumns() || N < 1 || N > MaxNominalIDs)
        return;
    auto& IDs = FColHeads[ACol - 1].NominalIDs;
    const QString Stored = ID.left(MaxNominalIDLength);
    if (size_t(N) > IDs.size()) {
        if (Stored.isEmpty())
            return;
        IDs.resize(size_t(N));
    } else if (IDs[N - 1] == Stored) {
        return;
    }
    IDs[N - 1] = Stored;
    FireSetupChanged();
}

int TDataTable::OrdinalOfNominalID(int ACol, const QString& ID, bool IgnoreCase) const
{
    const QString Wanted = StripBlanks(ID);
    if (ACol < 1 || ACol > GetNrOfColumns() || Wanted.isEmpty())
        return 0;
    const auto& IDs = FColHeads[ACol - 1].NominalIDs;
    const auto Found = std::find_if(IDs.begin(), IDs.end(), [&](const QString& Candidate) {
        return Candidate.compare(Wanted, IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
    });
    return Found == IDs.end() ? 0 : int(Found - IDs.begin()) + 1;
}

void TDataTable::InsertRow(int ARow)
{
    if (ARow < 1 || ARow > GetNrOfRows() + 1)
        return;
    grid::CheckSize("TDataTable", GetNrOfColumns(), qint64(GetNrOfRows()) + 1);
    grid::Allocate("TDataTable", GetNrOfColumns(), qint64(GetNrOfRows()) + 1, [&] {
        grid::PrepareInsertRow(FValues, GetNrOfRows());
        grid::PrepareInsertRow(FStates, GetNrOfRows());
        grid::EnsureCapacity(FRowHeads, FRowHeads.size() + 1);
    });
    grid::ApplyInsertRow(FValues, ARow);
    grid::ApplyInsertRow(FStates, ARow);
    FRowHeads.insert(FRowHeads.begin() + (ARow - 1), TRowHead{});
    ++FNrOfRows;
    FireResized(GetNrOfColumns(), GetNrOfRows() - 1);
    FireDataChanged();
}

void TDataTable::InsertColumn(int ACol)
{
    if (ACol < 1 || ACol > GetNrOfColumns() + 1)
        return;
    grid::CheckSize("TDataTable", qint64(GetNrOfColumns()) + 1, GetNrOfRows());
    std::vector<double> Values;
    std::vector<quint8> States;
    grid::Allocate("TDataTable", qint64(GetNrOfColumns()) + 1, GetNrOfRows(), [&] {
        Values = grid::PrepareInsertColumn(FValues, GetNrOfRows());
        States = grid::PrepareInsertColumn(FStates, GetNrOfRows());
        grid::EnsureCapacity(FColHeads, FColHeads.size() + 1);
    });
    grid::ApplyInsertColumn(FValues, ACol, Values);
    grid::ApplyInsertColumn(FStates, ACol, States);
    FColHeads.insert(FColHeads.begin() + (ACol - 1), TColumnHead{});
    FireResized(GetNrOfColumns() - 1, GetNrOfRows());
    FireDataChanged();
}

void TDataTable::RemoveRow(int ARow)
{
    if (ARow < 1 || ARow > GetNrOfRows())
        return;
    grid::RemoveRow(FValues, ARow);
    grid::RemoveRow(FStates, ARow);
    FRowHeads.erase(FRowHeads.begin() + (ARow - 1));
    --FNrOfRows;
    FireResized(GetNrOfColumns(), GetNrOfRows() + 1);
    FireDataChanged();
}

void TDataTable::RemoveColumn(int ACol)
{
    if (ACol < 1 || ACol > GetNrOfColumns())
        return;
    FValues.erase(FValues.begin() + (ACol - 1));
    FStates.erase(FStates.begin() + (ACol - 1));
    FColHeads.erase(FColHeads.begin() + (ACol - 1));
    FireResized(GetNrOfColumns() + 1, GetNrOfRows());
    FireDataChanged();
}

void TDataTable::MirrorRows()
{
    grid::MirrorRows(FValues);
    grid::MirrorRows(FStates);
    std::reverse(FRowHeads.begin(), FRowHeads.end());
    FireDataChanged();
}

void TDataTable::MirrorColumns()
{
    std::reverse(FValues.begin(), FValues.end());
    std::reverse(FStates.begin(), FStates.end());
    std::reverse(FColHeads.begin(), FColHeads.end());
    FireDataChanged();
}

template <class F>
void TDataTable::ForEachState(F Change)
{
    for (auto& Column : FStates)
        for (auto& State : Column)
            Change(State);
}

void TDataTable::UnmarkAllCells()
{
    ForEachState([](quint8& State) { State &= quint8(~cstMarks); });
}

void TDataTable::InvertCellStates(quint8 Mask)
{
    ForEachState([Mask](quint8& State) { State ^= Mask; });
}

void TDataTable::ExchangeMarkings()
{
    ForEachState([](quint8& State) {
        const bool A = State & cstMarkA;
        const bool B = State & cstMarkB;
        State = quint8((State & ~cstMarks) | (A ? cstMarkB : 0) | (B ? cstMarkA : 0));
    });
}

int TDataTable::FillMarkedCells(double Value, quint8 Mask)
{
    int Count = 0;
    for (size_t c = 0; c < FValues.size(); ++c)
        for (size_t r = 0; r < FValues[c].size(); ++r)
            if (FStates[c][r] & Mask) {
                FValues[c][r] = Value;
                ++Count;
            }
    if (Count > 0)
        FireDataChanged();
    return Count;
}

// ---------------------------------------------------------------------------
// Sorting

bool TDataTable::ClipBlock(TDTExchgKind Kind, int LowCol, int LowRow, int HighCol, int HighRow, TBlock& Block) const
{
    const int ColLow = std::max(std::min(LowCol, HighCol), 1);
    const int ColHigh = std::min(std::max(LowCol, HighCol), GetNrOfColumns());
    const int RowLow = std::max(std::min(LowRow, HighRow), 1);
    const int RowHigh = std::min(std::max(LowRow, HighRow), GetNrOfRows());
    if (ColLow > ColHigh || RowLow > RowHigh)
        return false;
    Block = Kind == xkRows ? TBlock{RowLow, RowHigh, ColLow, ColHigh} : TBlock{ColLow, ColHigh, RowLow, RowHigh};
    return true;
}

bool TDataTable::IsNumberKey(int ACol, int ARow) const
{
    return GetIsNumber(ACol, ARow) && !std::isnan(FValues[ACol - 1][ARow - 1]);
}

void TDataTable::ExchangeLines(TDTExchgKind Kind, const TBlock& Block, bool IncludeHeaders, int Index1, int Index2)
{
    if (Kind == xkRows) {
        grid::ExchangeRows(FValues, Index1, Index2, Block.CrossLow, Block.CrossHigh);
        grid::ExchangeRows(FStates, Index1, Index2, Block.CrossLow, Block.CrossHigh);
        if (IncludeHeaders)
            std::swap(FRowHeads[Index1 - 1], FRowHeads[Index2 - 1]);
    } else {
        grid::ExchangeColumns(FValues, Index1, Index2, Block.CrossLow, Block.CrossHigh);
        grid::ExchangeColumns(FStates, Index1, Index2, Block.CrossLow, Block.CrossHigh);
        if (IncludeHeaders)
            std::swap(FColHeads[Index1 - 1], FColHeads[Index2 - 1]);
    }
}

// Finds the stable order first and then moves the lines into it by at most
// one exchange per line, so that a listener to OnSortExchange can repeat the
// same exchanges on data of its own. A handler that changes the size of the
// table ends the sort there, since the block no longer fits.
void TDataTable::SortLines(TDTExchgKind Kind, TBlock Block, bool IncludeHeaders,
                           const std::function<bool(int, int)>& Less)
{
    const int Count = Block.High - Block.Low + 1;
    if (Count < 2)
        return;
    const auto Size = size_t(Count);
    std::vector<int> Order(Size); // Order[k]: the line that goes to position Low + k
    std::iota(Order.begin(), Order.end(), Block.Low);
    std::stable_sort(Order.begin(), Order.end(), Less);

    std::vector<int> LineAt(Size); // offset of the original line now at each position
    std::vector<int> PositionOf(Size);
    std::iota(LineAt.begin(), LineAt.end(), 0);
    std::iota(PositionOf.begin(), PositionOf.end(), 0);
    const int NrColumns = GetNrOfColumns();
    const int NrRows = GetNrOfRows();
    const auto SizeChanged = [&] { return GetNrOfColumns() != NrColumns || GetNrOfRows() != NrRows; };
    bool Moved = false;
    int ReportedPercent = -1;
    for (int k = 0; k < Count; ++k) {
        const int Wanted = Order[size_t(k)] - Block.Low;
        const int From = PositionOf[size_t(Wanted)];
        if (From != k) {
            if (OnSortExchange) {
                OnSortExchange(this, Kind, Block.Low + k, Block.Low + From);
                if (SizeChanged())
                    return;
            }
            ExchangeLines(Kind, Block, IncludeHeaders, Block.Low + k, Block.Low + From);
            const int Displaced = LineAt[size_t(k)];
            LineAt[size_t(From)] = Displaced;
            PositionOf[size_t(Displaced)] = From;
            LineAt[size_t(k)] = Wanted;
            PositionOf[size_t(Wanted)] = k;
            Moved = true;
        }
        const int Percent = int(qint64(k + 1) * 100 / Count);
        if (OnPercentDone && Percent != ReportedPercent) {
            ReportedPercent = Percent;
            OnPercentDone(this, Percent);
            if (SizeChanged())
                return;
        }
    }
    if (Moved)
        FireDataChanged();
}

void TDataTable::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                          bool IncludeHeaders)
{
    TBlock Block;
    if (SortColIx < 1 || SortColIx > GetNrOfColumns() || !ClipBlock(xkRows, LowCol, LowRow, HighCol, HighRow, Block))
        return;
    const auto& Keys = FValues[SortColIx - 1];
    SortLines(xkRows, Block, IncludeHeaders, [&](int A, int B) {
        return ValueLess(IsNumberKey(SortColIx, A), Keys[A - 1], IsNumberKey(SortColIx, B), Keys[B - 1], Ascending);
    });
}

void TDataTable::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                          bool IncludeHeaders)
{
    TBlock Block;
    if (SortRowIx < 1 || SortRowIx > GetNrOfRows() || !ClipBlock(xkColumns, LowCol, LowRow, HighCol, HighRow, Block))
        return;
    SortLines(xkColumns, Block, IncludeHeaders, [&](int A, int B) {
        return ValueLess(IsNumberKey(A, SortRowIx), FValues[A - 1][SortRowIx - 1], IsNumberKey(B, SortRowIx),
                         FValues[B - 1][SortRowIx - 1], Ascending);
    });
}

void TDataTable::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    TBlock Block;
    if (ClipBlock(xkRows, LowCol, LowRow, HighCol, HighRow, Block))
        SortLines(xkRows, Block, true, [&](int A, int B) {
            return OrderedLess(FRowHeads[A - 1].Attrib - FRowHeads[B - 1].Attrib, Ascending);
        });
}

void TDataTable::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    TBlock Block;
    if (ClipBlock(xkColumns, LowCol, LowRow, HighCol, HighRow, Block))
        SortLines(xkColumns, Block, true, [&](int A, int B) {
            return OrderedLess(FColHeads[A - 1].Attrib - FColHeads[B - 1].Attrib, Ascending);
        });
}

void TDataTable::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow)
{
    TBlock Block;
    const Qt::CaseSensitivity Sensitivity = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (ClipBlock(xkRows, LowCol, LowRow, HighCol, HighRow, Block))
        SortLines(xkRows, Block, true, [&](int A, int B) {
            return OrderedLess(FRowHeads[A - 1].Name.compare(FRowHeads[B - 1].Name, Sensitivity), Ascending);
        });
}

void TDataTable::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow)
{
    TBlock Block;
    const Qt::CaseSensitivity Sensitivity = IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (ClipBlock(xkColumns, LowCol, LowRow, HighCol, HighRow, Block))
        SortLines(xkColumns, Block, true, [&](int A, int B) {
            return OrderedLess(FColHeads[A - 1].Name.compare(FColHeads[B - 1].Name, Sensitivity), Ascending);
        });
}

// ---------------------------------------------------------------------------
// Block copies and assignment

int TDataTable::CopyBlockFrom(const TDataTable& Source, int SrcLeft, int SrcTop, int SrcRight, int SrcBottom,
                              int DestCol, int DestRow)
{
    const int Left = std::min(SrcLeft, SrcRight);
    const int Top = std::min(SrcTop, SrcBottom);
    const int ClipLeft = std::max(Left, 1);
    const int ClipRight = std::min(std::max(SrcLeft, SrcRight), Source.GetNrOfColumns());
    const int ClipTop = std::max(Top, 1);
    const int ClipBottom = std::min(std::max(SrcTop, SrcBottom), Source.GetNrOfRows());
    if (ClipLeft > ClipRight || ClipTop > ClipBottom)
        return 0;
    // The destination of the clipped block's top-left cell.
    const qint64 DestLeft = qint64(DestCol) + (ClipLeft - Left);
    const qint64 DestTop = qint64(DestRow) + (ClipTop - Top);
    if (&Source == this) {
        // Overlapping blocks of one table: copy through a snapshot of the block.
        TDataTable Snapshot(ClipRight - ClipLeft + 1, ClipBottom - ClipTop + 1);
        Snapshot.CopyBlockFrom(*this, ClipLeft, ClipTop, ClipRight, ClipBottom, 1, 1);
        if (DestLeft < 1 - qint64(Snapshot.GetNrOfColumns()) || DestTop < 1 - qint64(Snapshot.GetNrOfRows())
            || DestLeft > GetNrOfColumns() || DestTop > GetNrOfRows())
            return 0;
        return CopyBlockFrom(Snapshot, 1, 1, Snapshot.GetNrOfColumns(), Snapshot.GetNrOfRows(), int(DestLeft),
                             int(DestTop));
    }
    // Source rows whose destination row lies inside this table.
    const qint64 FirstRow = std::max<qint64>(ClipTop, ClipTop + 1 - DestTop);
    const qint64 LastRow = std::min<qint64>(ClipBottom, ClipTop + GetNrOfRows() - DestTop);
    if (FirstRow > LastRow)
        return 0;
    int Count = 0;
    for (int c = ClipLeft; c <= ClipRight; ++c) {
        const qint64 DestC = DestLeft + (c - ClipLeft);
        if (DestC < 1 || DestC > GetNrOfColumns())
            continue;
        const auto From = ptrdiff_t(FirstRow - 1);
        const auto To = ptrdiff_t(LastRow);
        const auto Target = ptrdiff_t(DestTop + (FirstRow - ClipTop) - 1);
        const auto& SrcValues = Source.FValues[size_t(c - 1)];
        const auto& SrcStates = Source.FStates[size_t(c - 1)];
        std::copy(SrcValues.begin() + From, SrcValues.begin() + To, FValues[size_t(DestC - 1)].begin() + Target);
        std::copy(SrcStates.begin() + From, SrcStates.begin() + To, FStates[size_t(DestC - 1)].begin() + Target);
        Count += int(To - From);
    }
    if (Count > 0)
        FireDataChanged();
    return Count;
}

bool TDataTable::CopyCellStatesFrom(const TDataTable& Source)
{
    if (Source.GetNrOfColumns() != GetNrOfColumns() || Source.GetNrOfRows() != GetNrOfRows())
        return false;
    for (size_t c = 0; c < FStates.size(); ++c)
        std::copy(Source.FStates[c].begin(), Source.FStates[c].end(), FStates[c].begin());
    return true;
}

void TDataTable::Assign(QObject* Source)
{
    const auto* Table = qobject_cast<const TDataTable*>(Source);
    if (!Table) {
        TMatrix::Assign(Source);
        FireDataChanged();
        return;
    }
    if (Table == this)
        return;
    const int OldNrColumns = GetNrOfColumns();
    const int OldNrRows = GetNrOfRows();
    grid::TGrid<double> Values;
    grid::TGrid<quint8> States;
    std::vector<TColumnHead> ColHeads;
    std::vector<TRowHead> RowHeads;
    grid::Allocate("TDataTable", Table->GetNrOfColumns(), Table->GetNrOfRows(), [&] {
        Values = Table->FValues;
        States = Table->FStates;
        ColHeads = Table->FColHeads;
        RowHeads = Table->FRowHeads;
    });
    FValues.swap(Values);
    FStates.swap(States);
    FColHeads.swap(ColHeads);
    FRowHeads.swap(RowHeads);
    FNrOfRows = Table->FNrOfRows;
    FComment = Table->FComment;
    FireResized(OldNrColumns, OldNrRows);
    FireDataChanged();
    FireSetupChanged();
}

// ---------------------------------------------------------------------------

TIntMatrix::TIntMatrix(int NrColumns, int NrRows)
{
    Resize(NrColumns, NrRows);
}

void TIntMatrix::Resize(int NrColumns, int NrRows)
{
    grid::Resize("TIntMatrix", FValues, NrColumns, NrRows);
    FNrOfRows = NrRows;
}

void TIntMatrix::SetNRows(int NrRows)
{
    Resize(GetNrOfColumns(), NrRows);
}

int TIntMatrix::GetVal(int ACol, int ARow) const
{
    return ACol >= 1 && ACol <= GetNrOfColumns() && ARow >= 1 && ARow <= FNrOfRows ? FValues[ACol - 1][ARow - 1] : 0;
}

void TIntMatrix::SetVal(int ACol, int ARow, int Value)
{
    if (ACol >= 1 && ACol <= GetNrOfColumns() && ARow >= 1 && ARow <= FNrOfRows)
        FValues[ACol - 1][ARow - 1] = Value;
}

} // namespace vok
