// One column of short texts kept compactly: the UTF-8 bytes of all cells sit
// in one arena, each prefixed by its length, and every row holds a 4-byte
// offset into it (0 = the empty text). Overwritten cells leave garbage that is
// reclaimed by compacting once it outweighs the live bytes.
//
// A column whose cells are all empty holds only its row count: offsets and
// arena are allocated with the first non-empty text, so that lists of many
// empty cells cost memory in proportion to the text they hold.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

namespace vok::detail {

class TextColumn
{
public:
    std::size_t RowCount() const { return FRows; }
    // Whether every cell is empty.
    bool IsEmpty() const { return FFilled == 0; }

    // The UTF-8 bytes of a row; valid until the column is changed.
    std::string_view View(std::size_t Row) const;
    QString Get(std::size_t Row) const;
    // Stores Utf8 in Row; strong guarantee (throws std::bad_alloc or EVOKError).
    void Set(std::size_t Row, std::string_view Utf8);

    // Capacity for Rows rows, so that the no-throw operations below can follow.
    void Reserve(std::size_t Rows);
    // These need the capacity reserved beforehand and then never throw.
    void Resize(std::size_t Rows) noexcept;
    void InsertEmptyRow(std::size_t Row) noexcept;
    // Removes Row; the rows after it move up.
    void EraseRow(std::size_t Row) noexcept;
    // Drops every row whose Keep flag is false; the rest close up in order.
    void KeepRows(const std::vector<bool>& Keep) noexcept;
    // Row i takes the cell of row Order[i]; Scratch is reused storage of the
    // same size as the column.
    void Permute(const std::vector<std::uint32_t>& Order, std::vector<std::uint32_t>& Scratch) noexcept;

    void ClearCells() noexcept;
    // Bytes held by the column's buffers (used sizes, not capacities).
    std::size_t BytesUsed() const;

private:
    // True once a non-empty text was stored (FOffsets then has FRows entries).
    bool HoldsOffsets() const { return !FOffsets.empty(); }
    // Gives every row an offset to the empty text, with the capacity reserved so far.
    void AllocateOffsets();
    std::size_t CellBytes(std::uint32_t Offset) const;
    // Counts the text at Offset as garbage.
    void Forget(std::uint32_t Offset);
    // The same for a cell that goes away.
    void Discard(std::uint32_t Offset);
    void CompactIfWasteful() noexcept;

    std::size_t FRows = 0;
    // Rows promised to the no-throw operations by Reserve.
    std::size_t FReservedRows = 0;
    std::vector<std::uint32_t> FOffsets;
    std::vector<char> FArena;
    std::size_t FGarbage = 0;
    // Cells holding a non-empty text.
    std::size_t FFilled = 0;
};

} // namespace vok::detail
