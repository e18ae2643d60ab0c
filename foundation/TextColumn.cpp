#include "TextColumn.h"
#include "Utf8Text.h"

#include <vok/Vok_basetypes.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace vok::detail {

namespace {

// Lengths below 128 take one byte, longer ones (up to 32767) two.
constexpr std::size_t LengthPrefixBytes(std::size_t Length) { return Length < 0x80 ? 1 : 2; }

constexpr std::size_t MaxCellBytes = 0x7FFF;
constexpr std::size_t MaxArenaBytes = std::numeric_limits<std::uint32_t>::max();
// Garbage below this size is never worth a compaction pass.
constexpr std::size_t MinGarbageToCompact = 64 * 1024;

void WriteLengthPrefix(char* Dest, std::size_t Length)
{
    if (Length < 0x80) {
        Dest[0] = static_cast<char>(Length);
    } else {
        Dest[0] = static_cast<char>(0x80 | (Length >> 8));
        Dest[1] = static_cast<char>(Length & 0xFF);
    }
}

} // namespace

std::string_view TextColumn::View(std::size_t Row) const
{
    if (!HoldsOffsets())
        return {};
    const std::uint32_t Offset = FOffsets[Row];
    if (Offset == 0)
        return {};
    const auto* P = reinterpret_cast<const unsigned char*>(FArena.data() + Offset);
    if (P[0] < 0x80)
        return {reinterpret_cast<const char*>(P + 1), P[0]};
    const std::size_t Length = (std::size_t(P[0] & 0x7F) << 8) | P[1];
    return {reinterpret_cast<const char*>(P + 2), Length};
}

QString TextColumn::Get(std::size_t Row) const
{
    const std::string_view V = View(Row);
    return TextFromUtf8(QByteArrayView(V.data(), qsizetype(V.size())));
}

std::size_t TextColumn::CellBytes(std::uint32_t Offset) const
{
    if (Offset == 0)
        return 0;
    const auto P0 = static_cast<unsigned char>(FArena[Offset]);
    const std::size_t Length =
        P0 < 0x80 ? P0 : ((std::size_t(P0 & 0x7F) << 8) | static_cast<unsigned char>(FArena[Offset + 1]));
    return LengthPrefixBytes(Length) + Length;
}

void TextColumn::Forget(std::uint32_t Offset) { FGarbage += CellBytes(Offset); }

void TextColumn::Discard(std::uint32_t Offset)
{
    Forget(Offset);
    FFilled -= Offset != 0 ? 1 : 0;
}

void TextColumn::AllocateOffsets()
{
    std::vector<std::uint32_t> Offsets;
    Offsets.reserve(std::max(FReservedRows, FRows));
    Offsets.resize(FRows, 0);
    std::vector<char> Arena(1, '\0'); // offset 0: the shared empty text
    FOffsets.swap(Offsets);
    FArena.swap(Arena);
    FGarbage = 0;
    FFilled = 0;
}

void TextColumn::Set(std::size_t Row, std::string_view Utf8)
{
    if (Utf8.size() > MaxCellBytes)
        Utf8 = Utf8.substr(0, MaxCellBytes);
    if (!HoldsOffsets()) {
        if (Utf8.empty())
            return;
        AllocateOffsets(); // all cells stay empty if this or anything below throws
    }
    const std::uint32_t Old = FOffsets[Row];
    if (Utf8.empty()) {
        Discard(Old);
        FOffsets[Row] = 0;
        return;
    }
    const std::size_t Needed = LengthPrefixBytes(Utf8.size()) + Utf8.size();
    const std::size_t OldBytes = CellBytes(Old);
    if (Needed <= OldBytes) {
        // Fits where the old text was: rewrite in place.
        WriteLengthPrefix(&FArena[Old], Utf8.size());
        std::memcpy(&FArena[Old + LengthPrefixBytes(Utf8.size())], Utf8.data(), Utf8.size());
        FGarbage += OldBytes - Needed;
        return;
    }
    if (FArena.size() + Needed > MaxArenaBytes) {
        CompactIfWasteful();
        if (FArena.size() + Needed > MaxArenaBytes)
            throw EVOKError(QStringLiteral("TStringArray: the texts of one column exceed 4 GB"));
    }
    const std::size_t At = FArena.size();
    FArena.resize(At + Needed); // strong guarantee: on failure nothing changed
    WriteLengthPrefix(&FArena[At], Utf8.size());
    std::memcpy(&FArena[At + LengthPrefixBytes(Utf8.size())], Utf8.data(), Utf8.size());
    FOffsets[Row] = static_cast<std::uint32_t>(At);
    Forget(Old);
    FFilled += Old == 0 ? 1 : 0;
    CompactIfWasteful();
}

void TextColumn::CompactIfWasteful() noexcept
{
    if (FGarbage < MinGarbageToCompact || FGarbage < FArena.size() / 2)
        return;
    try {
        std::vector<char> Packed;
        Packed.reserve(FArena.size() - FGarbage);
        Packed.push_back('\0');
        std::vector<std::uint32_t> NewOffsets(FOffsets.size(), 0);
        for (std::size_t Row = 0; Row < FOffsets.size(); ++Row) {
            const std::uint32_t Offset = FOffsets[Row];
            if (Offset == 0)
                continue;
            const std::size_t Bytes = CellBytes(Offset);
            NewOffsets[Row] = static_cast<std::uint32_t>(Packed.size());
            Packed.insert(Packed.end(), FArena.begin() + Offset, FArena.begin() + Offset + std::ptrdiff_t(Bytes));
        }
        FArena.swap(Packed);
        FOffsets.swap(NewOffsets);
        FGarbage = 0;
    } catch (const std::bad_alloc&) {
        // Compacting is an optimisation; the column stays valid without it.
    }
}

// Only offsets already allocated take the capacity now; a column of empty
// cells remembers it for the day it allocates them.
void TextColumn::Reserve(std::size_t Rows)
{
    if (HoldsOffsets() && Rows > FOffsets.capacity())
        FOffsets.reserve(Rows);
    FReservedRows = std::max(FReservedRows, Rows);
}

void TextColumn::Resize(std::size_t Rows) noexcept
{
    if (HoldsOffsets()) {
        for (std::size_t Row = Rows; Row < FOffsets.size(); ++Row)
            Discard(FOffsets[Row]);
        FOffsets.resize(Rows, 0);
        CompactIfWasteful();
    }
    FRows = Rows;
}

void TextColumn::InsertEmptyRow(std::size_t Row) noexcept
{
    if (HoldsOffsets())
        FOffsets.insert(FOffsets.begin() + std::ptrdiff_t(Row), 0);
    ++FRows;
}

void TextColumn::EraseRow(std::size_t Row) noexcept
{
    if (HoldsOffsets()) {
        Discard(FOffsets[Row]);
        FOffsets.erase(FOffsets.begin() + std::ptrdiff_t(Row));
        CompactIfWasteful();
    }
    --FRows;
}

void TextColumn::KeepRows(const std::vector<bool>& Keep) noexcept
{
    std::size_t To = 0;
    for (std::size_t Row = 0; Row < FRows; ++Row) {
        if (!Keep[Row]) {
            if (HoldsOffsets())
                Discard(FOffsets[Row]);
            continue;
        }
        if (HoldsOffsets())
            FOffsets[To] = FOffsets[Row];
        ++To;
    }
    if (HoldsOffsets()) {
        FOffsets.resize(To);
        CompactIfWasteful();
    }
    FRows = To;
}

void TextColumn::Permute(const std::vector<std::uint32_t>& Order, std::vector<std::uint32_t>& Scratch) noexcept
{
    if (!HoldsOffsets())
        return;
    for (std::size_t Row = 0; Row < FOffsets.size(); ++Row)
        Scratch[Row] = FOffsets[Order[Row]];
    FOffsets.swap(Scratch);
}

void TextColumn::ClearCells() noexcept
{
    FReservedRows = std::max(FReservedRows, FOffsets.capacity());
    std::vector<std::uint32_t>().swap(FOffsets);
    std::vector<char>().swap(FArena);
    FGarbage = 0;
    FFilled = 0;
}

std::size_t TextColumn::BytesUsed() const
{
    return FOffsets.size() * sizeof(std::uint32_t) + FArena.size();
}

} // namespace vok::detail
