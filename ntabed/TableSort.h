// The table editor's sort and find commands over its data table. The table
// sorts stably, numbers first in the asked order and cells that hold no
// number (empty, flagged or NaN) last; only the cells inside the block move.
// When headers move with their lines, the editor's per-column precisions move
// with their columns too: the functions swap the entries of Precisions
// (index c - 1 for column c) themselves, so the editor's own exchange hook must
// not swap them again. An exchange hook already on the table keeps firing.
#pragma once

#include "ClipText.h"

#include <vok/Vok_math.h>
#include <vok/vok_export.h>

#include <span>

namespace vok::ntabed {

// Sorts the columns of Block by their values in row SortRowIx; with
// IncludeHeaders names, attributes, scales and precisions travel along.
VOK_EXPORT void SortCols(TDataTable& Data, std::span<qint8> Precisions, int SortRowIx, bool Ascending,
                         const TCellBlock& Block, bool IncludeHeaders);
// Sorts the rows of Block by their values in column SortColIx; with
// IncludeHeaders row names and attributes travel along.
VOK_EXPORT void SortRows(TDataTable& Data, int SortColIx, bool Ascending, const TCellBlock& Block,
                         bool IncludeHeaders);
// Sort by the attribute bytes or the names; headers (and, for columns,
// precisions) always travel.
VOK_EXPORT void SortColAttributes(TDataTable& Data, std::span<qint8> Precisions, bool Ascending,
                                  const TCellBlock& Block);
VOK_EXPORT void SortRowAttributes(TDataTable& Data, bool Ascending, const TCellBlock& Block);
VOK_EXPORT void SortColNames(TDataTable& Data, std::span<qint8> Precisions, bool Ascending, bool IgnoreCase,
                             const TCellBlock& Block);
VOK_EXPORT void SortRowNames(TDataTable& Data, bool Ascending, bool IgnoreCase, const TCellBlock& Block);

// Index of the first column (row) whose name is exactly ID (compared as a
// name is stored: its first 50 characters), 0 when there is none.
VOK_EXPORT int FindColIndex(const TDataTable& Data, const TDTNameStr& ID);
VOK_EXPORT int FindRowIndex(const TDataTable& Data, const TDTNameStr& ID);

} // namespace vok::ntabed
