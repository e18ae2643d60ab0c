#include "NaturalSortKey.h"

#include <QString>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <limits>

namespace vok::detail {

namespace {

constexpr std::size_t PrefixBytes = sizeof(std::uint64_t);
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

// Maps a double to an unsigned integer of the same order (-0 equals +0).
std::uint64_t OrderedBits(double Value)
{
    const auto Bits = std::bit_cast<std::uint64_t>(Value + 0.0);
    return (Bits & 0x8000000000000000ull) ? ~Bits : (Bits | 0x8000000000000000ull);
}

std::uint64_t BigEndianPrefix(std::string_view S)
{
    std::uint64_t Prefix = 0;
    for (std::size_t I = 0; I < PrefixBytes; ++I)
        Prefix = (Prefix << 8) | (I < S.size() ? static_cast<unsigned char>(S[I]) : 0u);
    return Prefix;
}

void FoldCase(std::string_view Utf8, std::string& Folded)
{
    const bool Ascii = std::all_of(Utf8.begin(), Utf8.end(), [](char C) { return static_cast<unsigned char>(C) < 0x80; });
    if (Ascii) {
        Folded.assign(Utf8);
        for (char& C : Folded)
            if (C >= 'A' && C <= 'Z')
                C = static_cast<char>(C - 'A' + 'a');
        return;
    }
    const QByteArray Bytes = QString::fromUtf8(Utf8.data(), qsizetype(Utf8.size())).toCaseFolded().toUtf8();
    Folded.assign(Bytes.constData(), std::min<std::size_t>(std::size_t(Bytes.size()), std::numeric_limits<std::uint16_t>::max()));
}

} // namespace

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
    bool NegativeExponent = false;
    if (I < S.size() && (S[I] == 'e' || S[I] == 'E')) {
        ++I;
        if (I < S.size() && (S[I] == '+' || S[I] == '-'))
            NegativeExponent = S[I++] == '-';
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
        const bool Negative = Text.front() == '-';
        Value = NegativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
        return Negative ? -Value : Value;
    }
    if (Err != std::errc() || End != Text.data() + Text.size())
        return std::nullopt;
    return Value;
}

NaturalKey MakeNaturalKey(std::string_view Utf8, std::string& Folded)
{
    NaturalKey Key;
    if (Utf8.empty())
        return Key;
    if (const auto Number = ParseCellNumber(Utf8)) {
        Key.Class = CellClass::Number;
        Key.Prefix = OrderedBits(*Number);
        return Key;
    }
    FoldCase(Utf8, Folded);
    Key.Class = CellClass::Text;
    Key.Prefix = BigEndianPrefix(Folded);
    Key.Length = static_cast<std::uint16_t>(Folded.size());
    return Key;
}

int CompareNaturalKeys(const NaturalKey& A, std::string_view FoldedA, const NaturalKey& B, std::string_view FoldedB)
{
    if (A.Class != B.Class)
        return A.Class < B.Class ? -1 : 1;
    if (A.Prefix != B.Prefix)
        return A.Prefix < B.Prefix ? -1 : 1;
    if (A.Class != CellClass::Text)
        return 0;
    if (A.Length > PrefixBytes && B.Length > PrefixBytes) {
        const int C = FoldedA.compare(FoldedB);
        return C < 0 ? -1 : (C > 0 ? 1 : 0);
    }
    return A.Length == B.Length ? 0 : (A.Length < B.Length ? -1 : 1);
}

NaturalKeyColumn::NaturalKeyColumn(const TextColumn& Column, const std::function<void(std::size_t)>& Tick)
{
    const std::size_t Rows = Column.RowCount();
    FKeys.resize(Rows);
    FFoldedStart.resize(Rows + 1);
    std::string Folded;
    for (std::size_t Row = 0; Row < Rows; ++Row) {
        FFoldedStart[Row] = FFolded.size();
        Folded.clear();
        FKeys[Row] = MakeNaturalKey(Column.View(Row), Folded);
        if (Folded.size() > PrefixBytes)
            FFolded += Folded;
        if (Tick && Row % TickEvery == 0)
            Tick(Row);
    }
    FFoldedStart[Rows] = FFolded.size();
}

std::string_view NaturalKeyColumn::Folded(std::size_t Row) const
{
    return std::string_view(FFolded).substr(FFoldedStart[Row], FFoldedStart[Row + 1] - FFoldedStart[Row]);
}

int NaturalKeyColumn::Compare(std::size_t RowA, std::size_t RowB) const
{
    return CompareNaturalKeys(FKeys[RowA], Folded(RowA), FKeys[RowB], Folded(RowB));
}

} // namespace vok::detail
