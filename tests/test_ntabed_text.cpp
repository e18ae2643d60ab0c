// The table editor's text logic: number texts, the cell number format,
// nominal texts, the clipboard exchange and the sorts over the data table.
#include "CellText.h"
#include "ClipText.h"
#include "TableSort.h"

#include <vok/Vok_math.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

using namespace vok;
using namespace vok::ntabed;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& S, std::ostream* Os) { *Os << '"' << S.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

// A value, a width (or NumWidth) and decimals (or precision), and its text.
struct TextCase
{
    double X;
    int Width;
    int Decimals;
    const char* Expected;
};

// Expected texts checked against Free Pascal's Str(x:w) and Str(x:w:d) of
// the same value taken as an extended.
TEST(NTabEdNumberText, PaddedTextFollowsTheClassicLayouts)
{
    const TextCase Cases[] = {
        // Exponent notation: W - 8 significant digits within 2..18, four exponent digits.
        {1234.5, 1, -1, " 1.2E+0003"},
        {1234.5, 10, -1, " 1.2E+0003"},
        {1234.5, 14, -1, " 1.23450E+0003"},
        {1234.5, 22, -1, " 1.2345000000000E+0003"},
        {123456.7, 14, -1, " 1.23457E+0005"},
        {0.0, 22, -1, " 0.0000000000000E+0000"},
        {0.0004, 3, -1, " 4.0E-0004"},
        {-9876.54321, 14, -1, "-9.87654E+0003"},
        {-9876.54321, 22, -1, "-9.8765432100000E+0003"},
        {3.14159265358979, 22, -1, " 3.1415926535898E+0000"},
        {1e150, 10, -1, " 1.0E+0150"},
        {-2.5e-7, 14, -1, "-2.50000E-0007"},
        {9999999.9, 14, -1, " 1.00000E+0007"},
        {9999999.9, 22, -1, " 9.9999999000000E+0006"},
        {1e-300, 22, -1, " 1.0000000000000E-0300"},
        {1.0, 30, -1, "     1.00000000000000000E+0000"}, // 18 digits at most, then padding
        {1.0, 22, -7, " 1.0000000000000E+0000"},         // any negative count means exponent notation
        // Fixed notation: exactly d decimals, padded to at least W.
        {1234.5, 1, 3, "1234.500"},
        {123456.7, 12, 1, "    123456.7"},
        {-9876.54321, 1, 3, "-9876.543"},
        {3.14159265358979, 12, 1, "         3.1"},
        {2.5, 1, 0, "3"},   // halves away from zero, as Str does
        {-2.5, 4, 0, "  -3"},
        {0.125, 1, 2, "0.13"},
        {42.0, 0, 0, "42"},
        {42.0, -5, 1, "42.0"}, // a negative width pads nothing
    };
    for (const TextCase& C : Cases)
        EXPECT_EQ(PaddedText(C.X, C.Width, C.Decimals), QString::fromLatin1(C.Expected))
            << C.X << " width " << C.Width << " decimals " << C.Decimals;
}

TEST(NTabEdNumberText, IntegerText)
{
    EXPECT_EQ(IntegerText(0), QStringLiteral("0"));
    EXPECT_EQ(IntegerText(255), QStringLiteral("255"));
    EXPECT_EQ(IntegerText(-17), QStringLiteral("-17"));
    EXPECT_EQ(IntegerText(std::numeric_limits<long long>::min()), QStringLiteral("-9223372036854775808"));
}

TEST(NTabEdNumberText, ShortExponentTextDropsTwoExponentDigitsOrTurnsToStars)
{
    EXPECT_EQ(ShortExponentText(123456.7, 1), QStringLiteral(" 1.2E+05"));
    EXPECT_EQ(ShortExponentText(0.0004, 1), QStringLiteral(" 4.0E-04"));
    EXPECT_EQ(ShortExponentText(-0.0004, 6), QStringLiteral("-4.00000E-04"));
    EXPECT_EQ(ShortExponentText(0.0, 3), QStringLiteral(" 0.00E+00"));
    EXPECT_EQ(ShortExponentText(9.96e99, 2), QStringLiteral("********")); // rounds up to E+100
    // A three-digit exponent: the whole text as stars, as long as the short text.
    EXPECT_EQ(ShortExponentText(1e150, 1), QStringLiteral("********"));
    EXPECT_EQ(ShortExponentText(-1e-150, 4), QString(10, QLatin1Char('*')));
    EXPECT_EQ(ShortExponentText(std::numeric_limits<double>::infinity(), 1), QStringLiteral("********"));
    EXPECT_EQ(ShortExponentText(std::nan(""), 3), QString(9, QLatin1Char('*')));
    // NumWidth 18 reaches the 18 significant digits; 20 pads the padded text on the left.
    EXPECT_EQ(ShortExponentText(1.0, 18), QStringLiteral(" 1.00000000000000000E+00"));
    EXPECT_EQ(ShortExponentText(1.0, 20), QStringLiteral("   1.00000000000000000E+00"));
    EXPECT_EQ(ShortExponentText(1e200, 20), QString(26, QLatin1Char('*')));
}

TEST(NTabEdNumberText, CellNumberFormatOverValuesAndPrecisions)
{
    const TextCase Cases[] = {
        // The examples of the editor: NumWidth 1, precision 3.
        {1234.5, 1, 3, "1234.500"},
        {123456.7, 1, 3, " 1.2E+05"},
        {0.0, 1, 3, "0.000"},
        {0.0004, 1, 3, " 4.0E-04"},
        // Inside and outside the range of every fixed precision.
        {123456789.0, 1, 0, "123456789"},
        {1e9 + 1, 1, 0, " 1.0E+09"},
        {0.99, 1, 0, " 9.9E-01"},
        {-0.5, 1, 1, "-0.5"},
        {0.09, 1, 1, " 9.0E-02"},
        {-123456.78, 4, 2, "-123456.78"},
        {0.009, 4, 2, " 9.000E-03"},
        {0.5, 12, 4, "      0.5000"},
        {12345.6, 1, 4, " 1.2E+04"},
        {0.5, 1, 8, "0.50000000"},
        {1.0, 1, 8, " 1.0E+00"},
        {0.000000009, 1, 8, " 9.0E-09"},
        {-5.0, 1, 8, "-5.0E+00"},
        // Exponent notation always for 9, 10 and -1, zero included.
        {0.0, 1, 9, " 0.0E+00"},
        {0.0, 3, 10, " 0.00E+00"},
        {12.5, 1, -1, " 1.3E+01"},
        {-0.25, 5, 9, "-2.5000E-01"},
        // Three-digit exponents turn into stars.
        {1e150, 1, 3, "********"},
        {-3e-120, 2, 0, "********"},
        {1e-100, 1, -1, "********"},
        // Wider NumWidth pads the fixed notation.
        {-12.0, 8, 2, "  -12.00"},
    };
    for (const TextCase& C : Cases)
        EXPECT_EQ(CellNumberText(C.X, C.Width, C.Decimals), QString::fromLatin1(C.Expected))
            << C.X << " NumWidth " << C.Width << " precision " << C.Decimals;
}

struct BoundCase
{
    int Precision;
    double Upper;           // the double nearest to the decimal bound
    const char* UpperText;  // its text: fixed when it lies at or below the bound
    const char* AboveText;  // the text of the next double up, or of the double itself when it lies above
    double Lower;
    const char* LowerText;  // fixed when it lies at or above the bound
};

TEST(NTabEdNumberText, BoundsAreComparedInExtendedPrecision)
{
    // Whether the double nearest to a bound lies above or below its decimal
    // value decides; the texts hold what the extended comparison gives.
    const BoundCase Cases[] = {
        {0, 999999999.0, "999999999", " 1.0E+09", 1.0, "1"},
        {1, 9999999.9, " 1.0E+07", " 1.0E+07", 0.1, "0.1"},            // above its bound
        {2, 999999.99, "999999.99", " 1.0E+06", 0.01, "0.01"},
        {3, 99999.999, "99999.999", " 1.0E+05", 0.001, "0.001"},
        {4, 9999.9999, " 1.0E+04", " 1.0E+04", 0.0001, "0.0001"},      // above
        {5, 999.99999, " 1.0E+03", " 1.0E+03", 0.00001, "0.00001"},    // above
        {6, 99.999999, " 1.0E+02", " 1.0E+02", 0.000001, " 1.0E-06"},  // above; lower below its bound
        {7, 9.9999999, " 1.0E+01", " 1.0E+01", 0.0000001, " 1.0E-07"}, // above; lower below
        {8, 0.99999999, "0.99999999", " 1.0E+00", 0.00000001, "0.00000001"},
    };
    const double Inf = std::numeric_limits<double>::infinity();
    for (const BoundCase& C : Cases) {
        const int P = C.Precision;
        EXPECT_EQ(CellNumberText(C.Upper, 1, P), QString::fromLatin1(C.UpperText)) << "precision " << P;
        EXPECT_EQ(CellNumberText(-C.Upper, 1, P), QLatin1Char('-') + QString::fromLatin1(C.UpperText).trimmed())
            << "precision " << P;
        EXPECT_EQ(CellNumberText(std::nextafter(C.Upper, Inf), 1, P), QString::fromLatin1(C.AboveText))
            << "precision " << P;
        EXPECT_EQ(CellNumberText(C.Lower, 1, P), QString::fromLatin1(C.LowerText)) << "precision " << P;
        // Just below the lower bound: exponent notation in every precision.
        EXPECT_TRUE(CellNumberText(std::nextafter(C.Lower, 0.0), 1, P).contains(QLatin1Char('E'))) << P;
    }
    // A double just under an upper bound that its nearest double exceeds is fixed.
    EXPECT_EQ(CellNumberText(std::nextafter(9999999.9, 0.0), 1, 1), QStringLiteral("9999999.9"));
    EXPECT_EQ(CellNumberText(std::nextafter(99.999999, 0.0), 1, 6), QStringLiteral("99.999999"));
}

TEST(NTabEdNumberText, ValuesThatAreNoFiniteNumbersNeverLookLikeOne)
{
    const double Inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(CellNumberText(Inf, 1, 3), QStringLiteral("********"));
    EXPECT_EQ(CellNumberText(-Inf, 1, 0), QStringLiteral("********"));
    EXPECT_EQ(CellNumberText(std::nan(""), 1, 3), QStringLiteral("********"));
    EXPECT_EQ(CellNumberText(5.0, 1, 11), QStringLiteral(" 5.0E+00")); // out-of-range precision: exponent
    EXPECT_EQ(CellNumberText(5.0, 1, -9), QStringLiteral(" 5.0E+00"));
}

TEST(NTabEdNumberText, NominalCellText)
{
    TDataTable T(2, 1);
    T.SetMScaleType(1, mstNominal);
    T.SetNominalID(1, 1, QStringLiteral("red"));
    T.SetNominalID(1, 150, QStringLiteral("last"));
    T.SetMScaleType(2, mstBinary);
    T.SetNominalID(2, 2, QStringLiteral("yes"));

    EXPECT_EQ(NominalCellText(T, 1, 1.0), QStringLiteral("red"));
    EXPECT_EQ(NominalCellText(T, 1, 1.4), QStringLiteral("red"));
    EXPECT_EQ(NominalCellText(T, 1, 150.0), QStringLiteral("last"));
    EXPECT_EQ(NominalCellText(T, 1, 0.0), QStringLiteral("nominal:0"));
    EXPECT_EQ(NominalCellText(T, 1, 151.0), QStringLiteral("nominal:151"));
    EXPECT_EQ(NominalCellText(T, 1, 7.0), QStringLiteral("nominal:7")); // no identifier for 7
    EXPECT_EQ(NominalCellText(T, 1, -3.0), QStringLiteral("nominal:-3"));
    EXPECT_EQ(NominalCellText(T, 2, 2.5), QStringLiteral("yes"));       // ties to even: 2
    EXPECT_EQ(NominalCellText(T, 2, 1.5), QStringLiteral("yes"));       // ties to even: 2
    EXPECT_EQ(NominalCellText(T, 2, 0.5), QStringLiteral("binary:0"));  // ties to even: 0
    EXPECT_EQ(NominalCellText(T, 2, 1e12), QStringLiteral("binary:1000000000000"));
    EXPECT_EQ(NominalCellText(T, 2, std::nan("")), QStringLiteral("binary:0"));
}

// ---- Clipboard exchange ----------------------------------------------------

// A 2 x 2 block at (2, 3) of a 4 x 5 table: 1, 2 / 3 and an empty cell.
void FillExampleTable(TDataTable& T)
{
    T.Resize(4, 5);
    T.SetElem(2, 3, 1.0);
    T.SetElem(3, 3, 2.0);
    T.SetElem(2, 4, 3.0);
    T.SetElem(3, 4, 99.0);
    T.SetCellState(3, 4, cstEmpty);
}

TEST(NTabEdClipboard, CopyTextByteForByte)
{
    TDataTable T;
    FillExampleTable(T);
    std::vector<qint8> Precisions{3, 3, 3, 3};
    TClipCopySettings S{{2, 3, 3, 4}, Precisions, false};
    EXPECT_EQ(ClipboardCopyText(T, S), QStringLiteral(" 1.000\t2.000\r\n 3.000\t####\r\n"));

    // Full precision: the padded text of width 22, its sign blank after the line's blank.
    S.UseFullPrec = true;
    EXPECT_EQ(ClipboardCopyText(T, S), QStringLiteral("  1.0000000000000E+0000\t 2.0000000000000E+0000\r\n"
                                                      "  3.0000000000000E+0000\t####\r\n"));

    // Each column its own precision: 0, -1 (two significant digits), 10.
    TDataTable U(3, 1);
    U.SetElem(1, 1, -2.5);
    U.SetElem(2, 1, -1234.5);
    U.SetElem(3, 1, 0.1);
    Precisions = {0, -1, 10};
    const TClipCopySettings P{{1, 1, 3, 1}, Precisions, false};
    EXPECT_EQ(ClipboardCopyText(U, P), QStringLiteral(" -3\t-1.2E+0003\t0.1000000000\r\n"));
    // Columns without a precision entry count as precision 3.
    const TClipCopySettings NoPrecisions{{1, 1, 3, 1}, {}, false};
    EXPECT_EQ(ClipboardCopyText(U, NoPrecisions), QStringLiteral(" -2.500\t-1234.500\t0.100\r\n"));

    // Not-a-number wins over the value; both flags together too.
    U.SetCellState(1, 1, cstNoNumber);
    U.SetCellState(2, 1, cstNoNumber | cstEmpty | cstMarkA);
    EXPECT_EQ(ClipboardCopyText(U, P), QStringLiteral(" ####\t####\t0.1000000000\r\n"));

    const TClipCopySettings Empty{{3, 1, 2, 1}, Precisions, true};
    EXPECT_EQ(ClipboardCopyText(U, Empty), QString());
}

TEST(NTabEdClipboard, PasteRestoresValuesAndStatesAtTheNewPlace)
{
    TDataTable T;
    FillExampleTable(T);
    T.SetCellState(2, 3, cstMarkA | cstLocked);
    T.SetCellState(3, 3, cstMarkB | cstNoNumber);
    T.SetCellState(2, 4, cstMarkA | cstMarkB);
    TDataTable Buffer;
    ASSERT_TRUE(CopyToBuffer(T, {2, 3, 3, 4}, Buffer));
    EXPECT_EQ(Buffer.GetNrOfColumns(), 2);
    EXPECT_EQ(Buffer.GetNrOfRows(), 2);

    const TCellBlock Pasted = PasteFromBuffer(Buffer, T, 1, 1);
    EXPECT_EQ(Pasted, (TCellBlock{1, 1, 2, 2}));
    const struct
    {
        int C, R;
        double Value;
        quint8 State;
    } Expected[] = {{1, 1, 1.0, cstMarkA | cstLocked},
                    {2, 1, 2.0, cstMarkB | cstNoNumber},
                    {1, 2, 3.0, cstMarkA | cstMarkB},
                    {2, 2, 99.0, cstEmpty}};
    for (const auto& E : Expected) {
        EXPECT_EQ(T.GetElem(E.C, E.R), E.Value) << E.C << "," << E.R;
        EXPECT_EQ(T.GetCellState(E.C, E.R), E.State) << E.C << "," << E.R;
    }

    // At the edge: only what fits is written, the block is limited to the table.
    T.SetElem(4, 5, -7.0);
    EXPECT_EQ(PasteFromBuffer(Buffer, T, 4, 5), (TCellBlock{4, 5, 4, 5}));
    EXPECT_EQ(T.GetElem(4, 5), 1.0);
    EXPECT_EQ(T.GetCellState(4, 5), cstMarkA | cstLocked);
    EXPECT_TRUE(PasteFromBuffer(Buffer, T, 5, 1).IsEmpty());

    // A block reaching beyond the table copies those cells as 0 with state 0,
    // also over an earlier, larger buffer content.
    TDataTable Small(1, 1);
    Small.SetElem(1, 1, 5.0);
    Small.SetCellState(1, 1, cstMarkB);
    ASSERT_TRUE(CopyToBuffer(Small, {1, 1, 2, 1}, Buffer));
    EXPECT_EQ(Buffer.GetNrOfColumns(), 2);
    EXPECT_EQ(Buffer.GetElem(1, 1), 5.0);
    EXPECT_EQ(Buffer.GetCellState(1, 1), cstMarkB);
    EXPECT_EQ(Buffer.GetElem(2, 1), 0.0);
    EXPECT_EQ(Buffer.GetCellState(2, 1), 0);
    EXPECT_FALSE(CopyToBuffer(Small, {2, 1, 1, 1}, Buffer)); // empty block: buffer kept
    EXPECT_EQ(Buffer.GetNrOfColumns(), 2);
}

TEST(NTabEdClipboard, ExtractPlacesTheNumbersOfEachLine)
{
    struct ExtractCase
    {
        const char* Text;
        std::vector<std::vector<double>> Rows; // expected from (2, 2) on; NaN: untouched
        TCellBlock Block;
    };
    const double U = std::nan(""); // cell left alone
    const ExtractCase Cases[] = {
        {"1\t2\r\n3\t4\r\n", {{1, 2}, {3, 4}}, {2, 2, 3, 3}},
        {"1\t2\n3\t4\n", {{1, 2}, {3, 4}}, {2, 2, 3, 3}},      // a line feed alone ends the row too
        {"5\t6\n7\t8", {{5, 6}, {7, 8}}, {2, 2, 3, 3}},
        {"1,5", {{1, 5}}, {2, 2, 3, 2}},                       // "," separates
        {"2.5e3 7. -.5", {{2500, 7, -0.5}}, {2, 2, 4, 2}},
        {"1\r\n\r\n2", {{1}, {U}, {2}}, {2, 2, 2, 4}},          // an empty line is a row
        {"1\n\n2", {{1}, {U}, {2}}, {2, 2, 2, 4}},
        {"Header\r\nx=1 y=2\r\n", {{1, 2}}, {2, 2, 3, 2}},      // lines before the first number do not count
        {"- 5 +", {{0, 5, 0}}, {2, 2, 4, 2}},                   // lone signs read as 0
        {"1e 2", {{0, 2}}, {2, 2, 3, 2}},                       // "E" before a blank is malformed
        {"1E+x 3E-2", {{1, 0.03}}, {2, 2, 3, 2}},
        {"no numbers here", {{U}}, {2, 2, 2, 2}},
        {"", {{U}}, {2, 2, 2, 2}},
    };
    for (const ExtractCase& C : Cases) {
        TDataTable T(5, 5);
        T.Fill(-1.0);
        const TCellBlock Block = ExtractFromClipText(QString::fromLatin1(C.Text), T, 2, 2);
        EXPECT_EQ(Block, C.Block) << C.Text;
        for (size_t r = 0; r < C.Rows.size(); ++r)
            for (size_t c = 0; c < C.Rows[r].size(); ++c) {
                const double Want = C.Rows[r][c];
                EXPECT_EQ(T.GetElem(2 + int(c), 2 + int(r)), std::isnan(Want) ? -1.0 : Want)
                    << C.Text << " at " << c << "," << r;
            }
        EXPECT_EQ(T.GetElem(1, 1), -1.0) << C.Text;
    }
}

TEST(NTabEdClipboard, ExtractLimitsValuesAndKeepsToTheTable)
{
    TDataTable T(2, 2);
    T.Fill(-1.0);
    T.SetCellState(1, 1, cstEmpty | cstNoNumber | cstMarkA | cstLocked);
    T.SetCellState(2, 1, cstNoNumber | cstMarkB);
    // Three numbers in the first line, one in the second, the third line
    // lies below the table: the block is limited to the table.
    EXPECT_EQ(ExtractFromClipText(QStringLiteral("1e999\t-1e400\t8\n1e-400\n5\t6\t7"), T, 1, 1),
              (TCellBlock{1, 1, 2, 2}));
    EXPECT_EQ(T.GetElem(1, 1), uc_MaxDouble);
    EXPECT_EQ(T.GetElem(2, 1), -uc_MaxDouble);
    EXPECT_EQ(T.GetElem(1, 2), 0.0);
    EXPECT_EQ(T.GetElem(2, 2), -1.0);
    // A cell that gets a number shows it: the empty and not-a-number flags go,
    // lock and marks stay.
    EXPECT_EQ(T.GetCellState(1, 1), cstMarkA | cstLocked);
    EXPECT_EQ(T.GetCellState(2, 1), cstMarkB);
    // Exponent digits beyond a magnitude of 4200 are left out: 1E4200, too large.
    EXPECT_EQ(ExtractFromClipText(QStringLiteral("1e42000001"), T, 1, 1), (TCellBlock{1, 1, 1, 1}));
    EXPECT_EQ(T.GetElem(1, 1), uc_MaxDouble);
    // A start outside the table writes nothing and selects nothing.
    EXPECT_TRUE(ExtractFromClipText(QStringLiteral("4"), T, 3, 1).IsEmpty());
}

TEST(NTabEdClipboard, CopyTextExtractsBackExactly)
{
    TDataTable T(3, 2);
    const double Values[] = {1.5, -2.25e10, 3.0625e-200, 0.0, -7.0, 123456.75};
    for (int i = 0; i < 6; ++i)
        T.SetElem(1 + i % 3, 1 + i / 3, Values[i]);
    const QString Text = ClipboardCopyText(T, {{1, 1, 3, 2}, {}, true});
    TDataTable Back(3, 2);
    EXPECT_EQ(ExtractFromClipText(Text, Back, 1, 1), (TCellBlock{1, 1, 3, 2}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Back.GetElem(1 + i % 3, 1 + i / 3), Values[i]) << i;
    int NCols = 0, NRows = 0;
    EXPECT_TRUE(GetClipMatrixSize(Text, NCols, NRows));
    EXPECT_EQ(NCols, 3);
    EXPECT_EQ(NRows, 2);
}

TEST(NTabEdClipboard, ClipMatrixSize)
{
    struct SizeCase
    {
        const char* Text;
        bool Found;
        int NCols, NRows;
    };
    const SizeCase Cases[] = {
        {"1\t2\r\n3\t4\r\n", true, 2, 2}, // the final line end opens no row
        {"1\t2\n3\t4\n", true, 2, 2},
        {"1\t2\r\n3\t4\t5", true, 3, 2},  // the last line counts like the others
        {"1,5", true, 1, 1},             // "," stays inside a number here
        {"1,5\t2,5\r\n", true, 2, 1},
        {"1\r\n\r\n2\r\n", true, 1, 3},
        {"Header line\r\n7", true, 1, 1},
        {"no numbers", false, 1, 1},
        {"", false, 1, 1},
    };
    for (const SizeCase& C : Cases) {
        int NCols = -5, NRows = -5;
        EXPECT_EQ(GetClipMatrixSize(QString::fromLatin1(C.Text), NCols, NRows), C.Found) << C.Text;
        EXPECT_EQ(NCols, C.NCols) << C.Text;
        EXPECT_EQ(NRows, C.NRows) << C.Text;
    }
}

TEST(NTabEdClipboard, ScannerStopsOnTheCharacterAfterTheNumber)
{
    const struct
    {
        const char* Text;
        int Start;
        double Value;
        int End;
    } Cases[] = {
        {"12.5 x", 1, 12.5, 5}, {"3,25;", 1, 3.25, 5}, {"-4e2x", 1, -400, 5}, {"+.", 1, 0, 3},
        {"--1", 1, 0, 2},        {"1e+", 1, 1, 4},      {"ab 77", 4, 77, 6},   {" 9", 1, 9, 3},
    };
    for (const auto& C : Cases) {
        int Pos = C.Start;
        EXPECT_EQ(ScanClipNumber(QString::fromLatin1(C.Text), Pos), C.Value) << C.Text;
        EXPECT_EQ(Pos, C.End) << C.Text;
    }
}

TEST(NTabEdClipboard, HostileTextsEndWithoutHarm)
{
    // Huge texts of garbage, of separators, of lone signs and one endless
    // number: every call returns, the table keeps its size.
    std::mt19937 Random(15);
    QString Garbage(1 << 20, Qt::Uninitialized);
    for (QChar& Ch : Garbage)
        Ch = QChar(char16_t(Random() % 0x10000));
    const QString Texts[] = {Garbage,
                             QString(1 << 20, QLatin1Char('-')),
                             QString(1 << 20, QLatin1Char('\n')),
                             QString(1 << 20, QLatin1Char('9')),
                             QStringLiteral("1\t").repeated(1 << 18),
                             QStringLiteral(".e").repeated(1 << 18),
                             QString(1 << 20, QLatin1Char('e'))};
    for (const QString& Text : Texts) {
        TDataTable T(3, 3);
        const TCellBlock Block = ExtractFromClipText(Text, T, 1, 1);
        EXPECT_FALSE(Block.IsEmpty());
        EXPECT_LE(Block.Right, 3);
        EXPECT_LE(Block.Bottom, 3);
        EXPECT_EQ(T.GetNrOfColumns(), 3);
        for (int c = 1; c <= 3; ++c)
            for (int r = 1; r <= 3; ++r)
                EXPECT_TRUE(std::isfinite(T.GetElem(c, r)));
        int NCols = 0, NRows = 0;
        GetClipMatrixSize(Text, NCols, NRows);
        EXPECT_GE(NCols, 1);
        EXPECT_GE(NRows, 1);
    }
    TDataTable T(1, 1);
    ExtractFromClipText(QString(1 << 20, QLatin1Char('9')), T, 1, 1);
    EXPECT_EQ(T.GetElem(1, 1), uc_MaxDouble);
}

// ---- Sorting and finding -----------------------------------------------------

TEST(NTabEdSort, RowsSortStablyByValueWithNonNumbersLast)
{
    TDataTable T(2, 6);
    const double Keys[] = {3, 1, 2, 1, 5, 1};
    for (int r = 1; r <= 6; ++r) {
        T.SetElem(1, r, Keys[r - 1]);
        T.SetElem(2, r, r); // where the row came from
        T.SetRowName(r, QStringLiteral("R%1").arg(r));
    }
    T.SetCellState(1, 5, cstEmpty);      // 5: empty, last
    T.SetElem(1, 1, std::nan(""));       // 1: NaN, last
    SortRows(T, 1, true, {1, 1, 2, 6}, false);
    const double Ascending[] = {2, 4, 6, 3, 1, 5};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(T.GetElem(2, r), Ascending[r - 1]) << r;
        EXPECT_EQ(T.GetRowName(r), QStringLiteral("R%1").arg(r)); // names stay without headers
    }
    SortRows(T, 1, false, {1, 1, 2, 6}, true);
    const double Descending[] = {3, 2, 4, 6, 1, 5}; // equal keys keep their order
    const char* Names[] = {"R4", "R1", "R2", "R3", "R5", "R6"};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(T.GetElem(2, r), Descending[r - 1]) << r;
        EXPECT_EQ(T.GetRowName(r), QString::fromLatin1(Names[r - 1])) << r;
    }
}

TEST(NTabEdSort, PrecisionsTravelWithTheirColumnsWhenAsked)
{
    TDataTable T(4, 2);
    const double Keys[] = {40, 10, 30, 20};
    for (int c = 1; c <= 4; ++c) {
        T.SetElem(c, 1, Keys[c - 1]);
        T.SetColName(c, QStringLiteral("C%1").arg(c));
        T.SetColAttrib(c, quint8(5 - c));
    }
    std::vector<qint8> Precisions{4, 1, 3, 2};
    int OuterExchanges = 0;
    T.OnSortExchange = [&](QObject*, TDTExchgKind, int, int) { ++OuterExchanges; };

    SortCols(T, Precisions, 1, true, {1, 1, 4, 2}, false); // values only
    EXPECT_EQ(Precisions, (std::vector<qint8>{4, 1, 3, 2}));
    EXPECT_EQ(T.GetColName(1), QStringLiteral("C1"));
    EXPECT_EQ(T.GetElem(1, 1), 10.0);

    SortCols(T, Precisions, 1, false, {1, 1, 4, 2}, true); // 40 30 20 10 with headers
    EXPECT_EQ(T.GetElem(1, 1), 40.0);
    EXPECT_EQ(T.GetElem(4, 1), 10.0);
    EXPECT_EQ(T.GetColName(1), QStringLiteral("C4"));
    EXPECT_EQ(Precisions, (std::vector<qint8>{2, 3, 1, 4}));
    EXPECT_GT(OuterExchanges, 0);
    ASSERT_TRUE(bool(T.OnSortExchange)); // the editor's hook is back
    const int Before = OuterExchanges;
    T.OnSortExchange(nullptr, xkColumns, 1, 2);
    EXPECT_EQ(OuterExchanges, Before + 1);

    // Sorting by attribute always moves the headers and the precisions.
    TDataTable A(3, 1);
    std::vector<qint8> P{7, 8, 9};
    A.SetColAttrib(1, 30);
    A.SetColAttrib(2, 10);
    A.SetColAttrib(3, 20);
    SortColAttributes(A, P, true, {1, 1, 3, 1});
    EXPECT_EQ(P, (std::vector<qint8>{8, 9, 7}));
    EXPECT_EQ(A.GetColAttrib(1), 10);

    A.SetColName(1, QStringLiteral("beta"));
    A.SetColName(2, QStringLiteral("Alpha"));
    A.SetColName(3, QStringLiteral("alpha"));
    SortColNames(A, P, true, true, {1, 1, 3, 1}); // ignoring case: Alpha, alpha (stable), beta
    EXPECT_EQ(A.GetColName(1), QStringLiteral("Alpha"));
    EXPECT_EQ(A.GetColName(3), QStringLiteral("beta"));
    EXPECT_EQ(P, (std::vector<qint8>{9, 7, 8}));
    // A short precision array: columns beyond it move without an entry to swap.
    std::vector<qint8> Short{1};
    SortColNames(A, std::span<qint8>(Short), false, false, {1, 1, 3, 1});
    EXPECT_EQ(A.GetColName(1), QStringLiteral("beta"));
    EXPECT_EQ(Short, std::vector<qint8>{1});
}

TEST(NTabEdSort, RowAttributesAndNames)
{
    TDataTable T(1, 3);
    T.SetRowName(1, QStringLiteral("b"));
    T.SetRowName(2, QStringLiteral("C"));
    T.SetRowName(3, QStringLiteral("a"));
    SortRowNames(T, true, false, {1, 1, 1, 3}); // case-sensitive: "C" < "a" < "b"
    EXPECT_EQ(T.GetRowName(1), QStringLiteral("C"));
    SortRowNames(T, true, true, {1, 1, 1, 3});
    EXPECT_EQ(T.GetRowName(1), QStringLiteral("a"));
    EXPECT_EQ(T.GetRowName(3), QStringLiteral("C"));
    T.SetRowAttrib(1, 9);
    T.SetRowAttrib(3, 4);
    SortRowAttributes(T, false, {1, 1, 1, 3});
    EXPECT_EQ(T.GetRowAttrib(1), 9);
    EXPECT_EQ(T.GetRowAttrib(2), 4);
}

TEST(NTabEdSort, FindTheFirstExactName)
{
    TDataTable T(4, 2);
    const QString Long = QString(60, QLatin1Char('x'));
    T.SetColName(1, QStringLiteral("Temp"));
    T.SetColName(2, QStringLiteral("temp"));
    T.SetColName(3, QStringLiteral("Temp"));
    T.SetColName(4, Long);
    T.SetRowName(2, QStringLiteral("Run 2"));
    EXPECT_EQ(FindColIndex(T, QStringLiteral("Temp")), 1);
    EXPECT_EQ(FindColIndex(T, QStringLiteral("temp")), 2);
    EXPECT_EQ(FindColIndex(T, QStringLiteral("Tem")), 0);
    EXPECT_EQ(FindColIndex(T, Long), 4); // compared as stored: 50 characters
    EXPECT_EQ(FindRowIndex(T, QStringLiteral("Run 2")), 2);
    EXPECT_EQ(FindRowIndex(T, QStringLiteral("Run")), 0);
    EXPECT_EQ(FindRowIndex(T, QString()), 1); // unnamed row 1
}

} // namespace
