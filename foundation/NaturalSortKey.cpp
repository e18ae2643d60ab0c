#include "NaturalSortKey.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace vok::detail {

namespace {

constexpr std::size_t TickEvery = 1 << 16;

bool IsBlank(char C) { return C == ' ' || C == '\t'; }
bool IsDigit(char C) { return C >= '0' && C <= '9'; }

std::string_view TrimBlanks(std::string_view S)
{
    while (!S.empty() && IsBlank(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back()))
        S.remove_suffix(1);
    return S;
}

std::uint64_t BigEndianPrefix(std::string_view S)
{
    std::uint64_t Prefix = 0;
    for (std::size_t I = 0; I < sizeof Prefix; ++I)
        Prefix = (Prefix << 8) | (I < S.size() ? static_cast<unsigned char>(S[I]) : 0u);
    return Prefix;
}

// The distinct folded texts of a column, each with a small id, in an
// open-addressing hash table over one byte buffer.
class DistinctTexts
{
public:
    std::uint32_t Add(std::string_view Text)
    {
        if ((Count() + 1) * 2 > FSlots.size())
            Grow();
        const std::size_t Mask = FSlots.size() - 1;
        for (std::size_t Slot = std::hash<std::string_view>{}(Text) & Mask;; Slot = (Slot + 1) & Mask) {
            if (FSlots[Slot] == 0) {
                FBytes.append(Text);
                FStart.push_back(FBytes.size());
                FSlots[Slot] = std::uint32_t(Count());
                return FSlots[Slot] - 1;
            }
            if (this->Text(FSlots[Slot] - 1) == Text)
                return FSlots[Slot] - 1;
        }
    }

    std::size_t Count() const { return FStart.size() - 1; }
    std::string_view Text(std::uint32_t Id) const
    {
        return std::string_view(FBytes).substr(FStart[Id], FStart[Id + 1] - FStart[Id]);
    }

    // The rank of every id when the texts are put in byte order.
    std::vector<std::uint32_t> RankById() const
    {
        struct Entry { std::uint64_t Prefix; std::uint32_t Id; };
        std::vector<Entry> Entries(Count());
        for (std::uint32_t Id = 0; Id < Count(); ++Id)
            Entries[Id] = Entry{BigEndianPrefix(Text(Id)), Id};
        std::sort(Entries.begin(), Entries.end(), [this](const Entry& A, const Entry& B) {
            if (A.Prefix != B.Prefix)
                return A.Prefix < B.Prefix;
            return Text(A.Id) < Text(B.Id);
        });
        std::vector<std::uint32_t> Rank(Count());
        for (std::uint32_t Position = 0; Position < Entries.size(); ++Position)
            Rank[Entries[Position].Id] = Position;
        return Rank;
    }

private:
    void Grow()
    {
        std::vector<std::uint32_t> Slots(std::max<std::size_t>(1024, FSlots.size() * 2), 0);
        const std::size_t Mask = Slots.size() - 1;
        for (std::uint32_t Id = 0; Id < Count(); ++Id) {
            std::size_t Slot = std::hash<std::string_view>{}(Text(Id)) & Mask;
            while (Slots[Slot] != 0)
                Slot = (Slot + 1) & Mask;
            Slots[Slot] = Id + 1;
        }
        FSlots.swap(Slots);
    }

    std::string FBytes;
    std::vector<std::size_t> FStart{0};
    std::vector<std::uint32_t> FSlots; // id + 1, 0 = free
};

} // namespace

std::uint64_t OrderedBits(double Value)
{
    const auto Bits = std::bit_cast<std::uint64_t>(Value + 0.0);
    return (Bits & 0x8000000000000000ull) ? ~Bits : (Bits | 0x8000000000000000ull);
}

std::string FoldCase(std::string_view Utf8)
{
    const bool Ascii = std::all_of(Utf8.begin(), Utf8.end(), [](char C) { return static_cast<unsigned char>(C) < 0x80; });
    if (!Ascii) {
        const QByteArray Bytes = QString::fromUtf8(Utf8.data(), qsizetype(Utf8.size())).toCaseFolded().toUtf8();
        return std::string(Bytes.constData(), std::size_t(Bytes.size()));
    }
    std::string Folded(Utf8);
    for (char& C : Folded)
        if (C >= 'A' && C <= 'Z')
            C = static_cast<char>(C - 'A' + 'a');
    return Folded;
}

std::optional<double> ParseCellNumber(std::string_view Utf8)
{
    const std::string_view S = TrimBlanks(Utf8);
    // [+-] digits [(.|,) digits] [(e|E) [+-] digits], at least one mantissa digit.
    std::size_t I = 0;
    if (I < S.size() && (S[I] == '+' || S[I] == '-'))
        ++I;
    std::size_t MantissaDigits = 0;
    while (I < S.size() && IsDigit(S[I]))
        ++I, ++MantissaDigits;
    if (I < S.size() && (S[I] == '.' || S[I] == ','))
        ++I;
    while (I < S.size() && IsDigit(S[I]))
        ++I, ++MantissaDigits;
    if (MantissaDigits == 0)
        return std::nullopt;
    if (I < S.size() && (S[I] == 'e' || S[I] == 'E')) {
        ++I;
        if (I < S.size() && (S[I] == '+' || S[I] == '-'))
            ++I;
        std::size_t ExponentDigits = 0;
        while (I < S.size() && IsDigit(S[I]))
            ++I, ++ExponentDigits;
        if (ExponentDigits == 0)
            return std::nullopt;
    }
    if (I != S.size())
        return std::nullopt;

    std::string Text(S.front() == '+' ? S.substr(1) : S);
    std::replace(Text.begin(), Text.end(), ',', '.');
    double Value = 0;
    const auto [End, Err] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    if (Err == std::errc::result_out_of_range) {
        // The magnitude, not the exponent's sign, decides ("1000e-1" is no
        // fraction, "0.0001" underflows without an exponent): the C library
        // gives infinity, a subnormal or zero with the number's sign.
        static const locale_t CLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return strtod_l(Text.c_str(), nullptr, CLocale);
    }
    if (Err != std::errc() || End != Text.data() + Text.size())
        return std::nullopt;
    return Value;
}

namespace {

CellClass Classify(std::string_view Utf8, std::optional<double>& Number)
{
    if (Utf8.empty())
        return CellClass::Empty;
    Number = ParseCellNumber(Utf8);
    return Number ? CellClass::Number : CellClass::Text;
}

int Sign(auto A, auto B) { return A < B ? -1 : (B < A ? 1 : 0); }

} // namespace

int CompareCells(std::string_view Utf8A, std::string_view Utf8B)
{
    std::optional<double> NumberA;
    std::optional<double> NumberB;
    const CellClass ClassA = Classify(Utf8A, NumberA);
    const CellClass ClassB = Classify(Utf8B, NumberB);
    if (ClassA != ClassB)
        return Sign(ClassA, ClassB);
    if (ClassA == CellClass::Number)
        return Sign(OrderedBits(*NumberA), OrderedBits(*NumberB));
    if (ClassA == CellClass::Text)
        return Sign(FoldCase(Utf8A), FoldCase(Utf8B));
    return 0;
}

std::vector<RowKey> BuildRowKeys(const TextColumn& Column, const std::function<void(std::size_t)>& Tick)
{
    const std::size_t Rows = Column.RowCount();
    std::vector<RowKey> Keys(Rows);
    DistinctTexts Texts;
    for (std::size_t Row = 0; Row < Rows; ++Row) {
        const std::string_view Cell = Column.View(Row);
        std::optional<double> Number;
        Keys[Row].Class = Classify(Cell, Number);
        if (Keys[Row].Class == CellClass::Number)
            Keys[Row].Value = OrderedBits(*Number);
        else if (Keys[Row].Class == CellClass::Text)
            Keys[Row].Value = Texts.Add(FoldCase(Cell));
        if (Tick && Row % TickEvery == 0)
            Tick(Row);
    }
    const std::vector<std::uint32_t> Rank = Texts.RankById();
    for (RowKey& Key : Keys)
        if (Key.Class == CellClass::Text)
            Key.Value = Rank[Key.Value];
    return Keys;
}

} // namespace vok::detail
