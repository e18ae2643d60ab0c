/// TBitFld: a resizable set of bits numbered from 0. \file
#pragma once

#include <vok/Vok_basetypes.h>

#include <cstdint>
#include <vector>

namespace vok {

/// A set of bits of a given size.
class VOK_EXPORT TBitFld
{
public:
    /// Largest number of bits one set holds.
    static constexpr int MaxSize = 1 << 28;

    explicit TBitFld(int Size = 0); ///< Size bits, all false.

    int GetSize() const { return FSize; } ///< The number of bits.
    /// Keeps the bits that remain, new bits are false. A negative or too large
    /// size raises EVOKError and leaves the set as it was.
    void SetSize(int Size);
    /// All bits false; the size stays.
    void Clear();

    /// False outside 0..GetSize() - 1.
    bool GetBit(int Index) const;
    /// Ignored outside 0..GetSize() - 1.
    void SetBit(int Index, bool Value);

    int CountTrueBits() const; ///< How many bits are set.
    /// The lowest set bit, -1 when no bit is set.
    int FirstTrueBit() const;

private:
    std::vector<std::uint64_t> FWords;
    int FSize = 0;
};

} // namespace vok
