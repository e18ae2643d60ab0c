// Storage shared by the matrices of the data-table library: a grid is one
// vector per column. Every change that needs memory comes in two steps: a
// Prepare step that allocates and may throw but changes no content, and an
// Apply step that only uses memory reserved before and cannot fail. A matrix
// runs the Prepare steps of all its grids first, so a failure leaves it as it
// was.
#pragma once

#include <vok/Vok_math.h>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

namespace vok::grid {

template <class T>
using TGrid = std::vector<std::vector<T>>;

// Raises EVOKMathError for a size no matrix may take.
inline void CheckSize(const char* ClassName, qint64 NrColumns, qint64 NrRows)
{
    if (NrColumns < 0 || NrRows < 0)
        throw EVOKMathError(QStringLiteral("%1: invalid size %2 x %3 (negative)")
                                .arg(QLatin1StringView(ClassName)).arg(NrColumns).arg(NrRows));
    if (NrColumns * NrRows > MaxMatrixCells)
        throw EVOKMathError(QStringLiteral("%1: size %2 x %3 exceeds the limit of %4 cells")
                                .arg(QLatin1StringView(ClassName)).arg(NrColumns).arg(NrRows)
                                .arg(MaxMatrixCells));
}

inline EVOKMathError OutOfMemory(const char* ClassName, qint64 NrColumns, qint64 NrRows)
{
    return EVOKMathError(QStringLiteral("%1: not enough memory for %2 x %3 cells")
                             .arg(QLatin1StringView(ClassName)).arg(NrColumns).arg(NrRows));
}

// Runs the Prepare steps; a failed allocation becomes EVOKMathError.
template <class F>
void Allocate(const char* ClassName, qint64 NrColumns, qint64 NrRows, F&& Prepare)
{
    try {
        Prepare();
    } catch (const std::bad_alloc&) {
        throw OutOfMemory(ClassName, NrColumns, NrRows);
    } catch (const std::length_error&) {
        throw OutOfMemory(ClassName, NrColumns, NrRows);
    }
}

// Room for at least N elements, growing by half so that repeated inserts
// stay cheap.
template <class T>
void EnsureCapacity(std::vector<T>& V, size_t N)
{
    if (V.capacity() < N)
        V.reserve(std::max(N, V.capacity() + V.capacity() / 2));
}

// Reserves the room of a NrColumns x NrRows grid and returns the columns to add.
template <class T>
TGrid<T> PrepareResize(TGrid<T>& G, int NrColumns, int NrRows)
{
    const size_t Kept = std::min(G.size(), size_t(NrColumns));
    G.reserve(size_t(NrColumns));
    for (size_t i = 0; i < Kept; ++i)
        G[i].reserve(size_t(NrRows));
    TGrid<T> Added;
    Added.reserve(size_t(NrColumns) - Kept);
    for (size_t i = Kept; i < size_t(NrColumns); ++i)
        Added.emplace_back(size_t(NrRows), T{});
    return Added;
}

template <class T>
void ApplyResize(TGrid<T>& G, TGrid<T>& Added, int NrColumns, int NrRows) noexcept
{
    if (G.size() > size_t(NrColumns))
        G.erase(G.begin() + NrColumns, G.end());
    for (auto& Column : G) {
        Column.resize(size_t(NrRows));
        if (Column.size() < Column.capacity() / 2)
            Column.shrink_to_fit(); // gives memory back; keeps the column as it is if that fails
    }
    for (auto& Column : Added)
        G.push_back(std::move(Column));
}

// Resizes a matrix that has this one grid.
template <class T>
void Resize(const char* ClassName, TGrid<T>& G, int NrColumns, int NrRows)
{
    CheckSize(ClassName, NrColumns, NrRows);
    TGrid<T> Added;
    Allocate(ClassName, NrColumns, NrRows, [&] { Added = PrepareResize(G, NrColumns, NrRows); });
    ApplyResize(G, Added, NrColumns, NrRows);
}

template <class T>
void PrepareInsertRow(TGrid<T>& G, int NrRows)
{
    for (auto& Column : G)
        EnsureCapacity(Column, size_t(NrRows) + 1);
}

template <class T>
void ApplyInsertRow(TGrid<T>& G, int ARow) noexcept
{
    for (auto& Column : G)
        Column.insert(Column.begin() + (ARow - 1), T{});
}

template <class T>
std::vector<T> PrepareInsertColumn(TGrid<T>& G, int NrRows)
{
    EnsureCapacity(G, G.size() + 1);
    return std::vector<T>(size_t(NrRows), T{});
}

template <class T>
void ApplyInsertColumn(TGrid<T>& G, int ACol, std::vector<T>& Column) noexcept
{
    G.insert(G.begin() + (ACol - 1), std::move(Column));
}

template <class T>
void RemoveRow(TGrid<T>& G, int ARow)
{
    for (auto& Column : G)
        Column.erase(Column.begin() + (ARow - 1));
}

template <class T>
void MirrorRows(TGrid<T>& G)
{
    for (auto& Column : G)
        std::reverse(Column.begin(), Column.end());
}

// Exchanges rows Row1 and Row2 within columns ColLow..ColHigh.
template <class T>
void ExchangeRows(TGrid<T>& G, int Row1, int Row2, int ColLow, int ColHigh)
{
    for (int c = ColLow; c <= ColHigh; ++c)
        std::swap(G[c - 1][Row1 - 1], G[c - 1][Row2 - 1]);
}

// Exchanges columns Col1 and Col2 within rows RowLow..RowHigh.
template <class T>
void ExchangeColumns(TGrid<T>& G, int Col1, int Col2, int RowLow, int RowHigh)
{
    auto& A = G[Col1 - 1];
    auto& B = G[Col2 - 1];
    if (RowLow == 1 && size_t(RowHigh) == A.size())
        A.swap(B);
    else
        std::swap_ranges(A.begin() + (RowLow - 1), A.begin() + RowHigh, B.begin() + (RowLow - 1));
}

} // namespace vok::grid
