#include <vok/Vok_bitfld.h>

#include <algorithm>
#include <bit>

namespace vok {

namespace {

constexpr int WordBits = 64;

std::size_t WordsFor(int Bits) { return std::size_t(Bits + WordBits - 1) / WordBits; }

} // namespace

TBitFld::TBitFld(int Size) { SetSize(Size); }

void TBitFld::SetSize(int Size)
{
    if (Size < 0 || Size > MaxSize)
        throw EVOKError(QStringLiteral("TBitFld: cannot hold %1 bits (0 to %2 allowed)").arg(Size).arg(MaxSize));
    try {
        FWords.resize(WordsFor(Size), 0);
    } catch (const std::bad_alloc&) {
        throw EVOKError(QStringLiteral("TBitFld: not enough memory for %1 bits").arg(Size));
    }
    // Bits beyond the new size are cleared, so growing again shows them false.
    if (Size % WordBits != 0)
        FWords.back() &= (std::uint64_t(1) << (Size % WordBits)) - 1;
    FSize = Size;
}

void TBitFld::Clear() { std::fill(FWords.begin(), FWords.end(), 0); }

bool TBitFld::GetBit(int Index) const
{
    if (Index < 0 || Index >= FSize)
        return false;
    return (FWords[std::size_t(Index / WordBits)] >> (Index % WordBits)) & 1u;
}

void TBitFld::SetBit(int Index, bool Value)
{
    if (Index < 0 || Index >= FSize)
        return;
    const std::uint64_t Mask = std::uint64_t(1) << (Index % WordBits);
    std::uint64_t& Word = FWords[std::size_t(Index / WordBits)];
    Word = Value ? (Word | Mask) : (Word & ~Mask);
}

int TBitFld::CountTrueBits() const
{
    int Count = 0;
    for (const std::uint64_t Word : FWords)
        Count += std::popcount(Word);
    return Count;
}

int TBitFld::FirstTrueBit() const
{
    for (std::size_t I = 0; I < FWords.size(); ++I)
        if (FWords[I] != 0)
            return int(I) * WordBits + std::countr_zero(FWords[I]);
    return -1;
}

} // namespace vok
