// Sort keys for the natural order of report-list cells: empty cells first,
// then numbers by value, then texts compared case-insensitively (by the code
// points of their case-folded form). Keys are computed once per cell and sort
// pass, so comparing two cells is mostly one integer comparison.
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

struct NaturalKey
{
    // Number: the value's bits mapped so that integer order is numeric order.
    // Text: the first eight bytes of the folded text, big-endian, zero-padded.
    std::uint64_t Prefix = 0;
    std::uint16_t Length = 0; // bytes of the folded text
    CellClass Class = CellClass::Empty;
};

// A cell's number: blanks around it allowed, "." or "," as decimal sign,
// optional sign and exponent; anything else (hex, "inf", thousands
// separators) is no number.
std::optional<double> ParseCellNumber(std::string_view Utf8);

// Classifies and keys one cell; for a text, Folded receives its folded form.
NaturalKey MakeNaturalKey(std::string_view Utf8, std::string& Folded);

// Three-way comparison; the folded texts are consulted only when both are
// longer than the prefix and their prefixes agree.
int CompareNaturalKeys(const NaturalKey& A, std::string_view FoldedA, const NaturalKey& B, std::string_view FoldedB);

// The keys of every row of one column.
class NaturalKeyColumn
{
public:
    // Tick(RowsDone) is called now and then while the keys are built.
    NaturalKeyColumn(const TextColumn& Column, const std::function<void(std::size_t)>& Tick);

    const NaturalKey& Key(std::size_t Row) const { return FKeys[Row]; }
    // The folded text of a row, kept only where the prefix does not hold all of it.
    std::string_view Folded(std::size_t Row) const;
    int Compare(std::size_t RowA, std::size_t RowB) const;

private:
    std::vector<NaturalKey> FKeys;
    std::vector<std::size_t> FFoldedStart; // one more entry than rows
    std::string FFolded;
};

} // namespace vok::detail
