// The table editor's clipboard readers on arbitrary text: the number scanner
// ScanClipNumber from an arbitrary start, ExtractFromClipText into a small
// table at an arbitrary place, and GetClipMatrixSize.
//
// Invariants:
// - the scanner leaves Pos between its start and the end of the text + 1 and
//   gives a finite value within +-uc_MaxDouble, 0 when it read nothing;
// - Extract keeps the table's size, writes only finite values, changes no
//   flag but not-a-number and empty, and returns the part inside the table
//   of a block that starts at the given cell (never empty when that cell
//   lies inside);
// - GetClipMatrixSize gives at least 1 x 1, exactly 1 x 1 when it finds nothing;
// - the copy text of the extracted table (all its cells numbers) extracts
//   back to the same values within the 14 digits it writes.
#include "FuzzCheck.h"

#include "ClipText.h"

#include <vok/Vok_math.h>

#include <cmath>

using namespace vok;
using namespace vok::ntabed;

namespace {

constexpr int TableSize = 4;

void CheckScanner(const QString& Text, int Start)
{
    int Pos = Start;
    const double Value = ScanClipNumber(Text, Pos);
    FUZZ_CHECK(Pos >= Start && Pos <= Text.size() + 1);
    FUZZ_CHECK(std::isfinite(Value) && std::fabs(Value) <= uc_MaxDouble);
    if (Pos == Start)
        FUZZ_CHECK(Value == 0.0);
}

void CheckExtract(const QString& Text, int Left, int Top)
{
    TDataTable T(TableSize, TableSize);
    T.Fill(-1.0);
    for (int c = 1; c <= TableSize; ++c)
        for (int r = 1; r <= TableSize; ++r)
            T.SetCellState(c, r, quint8(c * 37 + r * 101));
    const TCellBlock Block = ExtractFromClipText(Text, T, Left, Top);
    FUZZ_CHECK(T.GetNrOfColumns() == TableSize && T.GetNrOfRows() == TableSize);
    const bool Inside = Left >= 1 && Left <= TableSize && Top >= 1 && Top <= TableSize;
    if (Inside)
        FUZZ_CHECK(!Block.IsEmpty());
    if (!Block.IsEmpty())
        FUZZ_CHECK(Block.Left == qMax(Left, 1) && Block.Top == qMax(Top, 1) && Block.Right <= TableSize
                   && Block.Bottom <= TableSize);
    for (int c = 1; c <= TableSize; ++c)
        for (int r = 1; r <= TableSize; ++r) {
            const double V = T.GetElem(c, r);
            FUZZ_CHECK(std::isfinite(V) && std::fabs(V) <= uc_MaxDouble);
            const quint8 Kept = quint8(~(cstNoNumber | cstEmpty));
            FUZZ_CHECK((T.GetCellState(c, r) & Kept) == (quint8(c * 37 + r * 101) & Kept));
            FUZZ_CHECK(V == -1.0 || (c >= Block.Left && c <= Block.Right && r >= Block.Top && r <= Block.Bottom));
        }

    // Round trip of what landed, every cell a number (a "####" cell would
    // move the numbers after it): 14 significant digits.
    for (int c = 1; c <= TableSize; ++c)
        for (int r = 1; r <= TableSize; ++r)
            T.SetCellState(c, r, 0);
    TDataTable Back(TableSize, TableSize);
    ExtractFromClipText(ClipboardCopyText(T, {{1, 1, TableSize, TableSize}, {}, true}), Back, 1, 1);
    for (int c = 1; c <= TableSize; ++c)
        for (int r = 1; r <= TableSize; ++r) {
            const double V = T.GetElem(c, r);
            const double W = Back.GetElem(c, r);
            FUZZ_CHECK(std::fabs(V - W) <= 1e-13 * std::fabs(V) || std::fabs(V) < 1e-300);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::InputCursor In(Data, Size);
    const int Offset = In.Choice(8);
    const int Left = In.Choice(TableSize + 2); // 0 and TableSize + 1 lie outside
    const int Top = In.Choice(TableSize + 2);
    const QString Text = QString::fromUtf8(In.Rest());

    CheckScanner(Text, 1 + qMin(Offset, int(Text.size())));
    CheckExtract(Text, Left, Top);
    int NCols = 0, NRows = 0;
    const bool Found = GetClipMatrixSize(Text, NCols, NRows);
    FUZZ_CHECK(NCols >= 1 && NRows >= 1);
    if (!Found)
        FUZZ_CHECK(NCols == 1 && NRows == 1);
    return 0;
}
