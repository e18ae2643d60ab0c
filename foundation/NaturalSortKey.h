// The natural order of report-list cells: empty cells first, then numbers by
// value, then texts compared case-insensitively (by the code points of their
// case-folded form). For sorting, each cell of a column gets an integer key
// once per sort pass, so comparing two rows is an integer comparison.
#pragma once

#include "TextColumn.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vok::detail {

enum class CellClass : std::uint8_t { Empty, Number, Text };

// A cell's number: blanks around it allowed, "." or "," as decimal sign,
// optional sign and exponent; anything else (hex, "inf", thousands
// separators) is no number. Values beyond the double range count as infinite.
std::optional<double> ParseCellNumber(std::string_view Utf8);

// The case-folded form of a text, the basis of text comparison.
std::string FoldCase(std::string_view Utf8);

// Maps a double to an unsigned integer of the same order (-0 equals +0).
std::uint64_t OrderedBits(double Value);

// Three-way natural comparison of two cells.
int CompareCells(std::string_view Utf8A, std::string_view Utf8B);

// A row's sort key within its column: numbers carry their ordered bits, texts
// their rank among the column's distinct folded texts.
struct RowKey
{
    std::uint64_t Value = 0;
    CellClass Class = CellClass::Empty;
};

// The keys of every row of one column. Tick(RowsDone) is called now and then
// while they are built.
std::vector<RowKey> BuildRowKeys(const TextColumn& Column, const std::function<void(std::size_t)>& Tick);

} // namespace vok::detail
