// Number formats: scanners, typing checks, formatters, radix writers, the
// dynamic format and the range check.
#include "PinnedSystem.h"

#include <vok/Vok_NumIO.h>
#include <vok/Vok_system.h>

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

using namespace vok;

namespace {

struct ScanCase
{
    const char* Text;
    bool ExpAllowed;
    TDecPSep Mode;
    double Value;
    int EndPos;
};

} // namespace

// ---- ReadFloatNum -------------------------------------------------------------------

TEST(ReadFloatNum, ValuesAndStopPositions)
{
    const ScanCase Cases[] = {
        {"12,5", true, dsPoint, 12.0, 3},     // comma is no separator: stops there
        {"12,5", true, dsComma, 12.5, 5},
        {"12,5", true, dsBoth, 12.5, 5},
        {"12.5", true, dsComma, 12.0, 3},     // "." is no separator in comma mode
        {"1.2.3", true, dsBoth, 0.0, 4},      // second separator fails
        {"-", true, dsBoth, 0.0, 2},          // fails, position at length + 1
        {"+", true, dsBoth, 0.0, 2},
        {"5.", true, dsBoth, 5.0, 3},         // trailing point completed with "0"
        {".5", true, dsBoth, 0.5, 3},
        {"-.", true, dsBoth, 0.0, 3},
        {".", true, dsBoth, 0.0, 2},
        {"  -3.25", true, dsBoth, -3.25, 8},  // leading blanks
        {"+7", true, dsBoth, 7.0, 3},
        {"1.5E-3", true, dsBoth, 1.5e-3, 7},
        {"1.5e3", true, dsBoth, 1500.0, 6},   // lower-case exponent letter
        {"1.5E3", false, dsBoth, 1.5, 4},     // no exponent: stops at the "E"
        {"1E", true, dsBoth, 1.0, 3},         // incomplete exponent reads the mantissa
        {"1E-", true, dsBoth, 1.0, 4},
        {"1E+2x", true, dsBoth, 100.0, 5},
        {"12A", true, dsBoth, 12.0, 3},
        {"1 2", true, dsBoth, 1.0, 2},        // a blank ends the number
        {"1-2", true, dsBoth, 1.0, 2},
        {"1E5.", true, dsBoth, 1e5, 4},
        {"", true, dsBoth, 0.0, 1},           // the end sentinel fails at once
        {" ", true, dsBoth, 0.0, 2},
        {"x1", true, dsBoth, 0.0, 1},
        {"-x", true, dsBoth, 0.0, 2},
        {"1E5000", true, dsBoth, uc_MaxDouble, 7},   // read as 1E500, clamped
        {"-1E5000", true, dsBoth, -uc_MaxDouble, 8},
        {"1E-5000", true, dsBoth, 0.0, 8},
        {"1E4200", true, dsBoth, uc_MaxDouble, 7},
        {"2E-4200", true, dsBoth, 0.0, 8},
        {"1E99999999999999999999", true, dsBoth, uc_MaxDouble, 23}, // no overflow of the digit count
        {"0.1", true, dsBoth, 0.1, 4},
        {"123456789012345678901234567890", true, dsBoth, 123456789012345678901234567890.0, 31},
    };
    for (const ScanCase& C : Cases) {
        SCOPED_TRACE(C.Text);
        int Pos = 1;
        const double V = ReadFloatNum(QString::fromLatin1(C.Text), C.ExpAllowed, C.Mode, Pos);
        EXPECT_EQ(V, C.Value);
        EXPECT_EQ(Pos, C.EndPos);
    }
}

TEST(ReadFloatNum, StartsAtTheGivenPosition)
{
    int Pos = 4;
    EXPECT_EQ(ReadFloatNum(QStringLiteral("ab 2.5E1;"), true, dsBoth, Pos), 25.0);
    EXPECT_EQ(Pos, 9);
    Pos = -3; // positions before the text start at the first character
    EXPECT_EQ(ReadFloatNum(QStringLiteral("4"), true, dsBoth, Pos), 4.0);
    EXPECT_EQ(Pos, 2);
}

TEST(ReadFloatNum, SystemModeFollowsTheTypingRule)
{
    int Pos = 1;
    {
        PinnedSeparator Comma(QLatin1Char(','));
        EXPECT_EQ(ReadFloatNum(QStringLiteral("2,5"), true, dsSystem, Pos), 2.5);
    }
    {
        PinnedSeparator Other(QChar(0x066B)); // Arabic decimal separator: comma mode
        Pos = 1;
        EXPECT_EQ(ReadFloatNum(QStringLiteral("2,5"), true, dsSystem, Pos), 2.5);
    }
    PinnedSeparator Point(QLatin1Char('.'));
    Pos = 1;
    EXPECT_EQ(ReadFloatNum(QStringLiteral("2,5"), true, dsSystem, Pos), 2.0);
}

TEST(ReadFloatNum, AgreesWithStrtodOnRandomTexts)
{
    std::mt19937_64 Rng(20261207);
    std::uniform_int_distribution<int> DigitCount(1, 25);
    std::uniform_int_distribution<int> Digit(0, 9);
    std::uniform_int_distribution<int> Exponent(-320, 320);
    for (int i = 0; i < 3000; ++i) {
        char Buf[80];
        if (i % 2 == 0) {
            // Round trip of random bit patterns.
            double V;
            do {
                const quint64 Bits = Rng();
                std::memcpy(&V, &Bits, sizeof V);
            } while (!std::isfinite(V));
            std::snprintf(Buf, sizeof Buf, "%.*e", int(Rng() % 18), V);
        } else {
            // Long digit strings that need correct rounding.
            std::string S = (Rng() % 2) ? "-" : "";
            const int N = DigitCount(Rng);
            const int PointAt = int(Rng() % unsigned(N + 1));
            for (int k = 0; k < N; ++k) {
                if (k == PointAt)
                    S += '.';
                S += char('0' + Digit(Rng));
            }
            S += "E" + std::to_string(Exponent(Rng));
            std::snprintf(Buf, sizeof Buf, "%s", S.c_str());
        }
        SCOPED_TRACE(Buf);
        int Pos = 1;
        const QString Text = QString::fromLatin1(Buf);
        const double Got = ReadFloatNum(Text, true, dsBoth, Pos);
        double Want = std::strtod(Buf, nullptr);
        Want = std::fmax(-uc_MaxDouble, std::fmin(uc_MaxDouble, Want));
        EXPECT_EQ(Got, Want);
        EXPECT_EQ(Pos, Text.size() + 1);
    }
}

// ---- Integer scanners -------------------------------------------------------------

TEST(RadixScanners, ValuesAndStopPositions)
{
    struct Case
    {
        qint32 (*Read)(const QString&, int&);
        const char* Text;
        qint32 Value;
        int EndPos;
    };
    const Case Cases[] = {
        {ReadDecInt, "123", 123, 4},
        {ReadDecInt, "  -45x", -45, 6},
        {ReadDecInt, "+7", 7, 3},
        {ReadDecInt, "-", 0, 2},
        {ReadDecInt, "", 0, 1},
        {ReadDecInt, "   ", 0, 3},                // blanks skipped only up to the last character
        {ReadDecInt, "1 2", 1, 2},
        {ReadDecInt, "4294967297", 1, 11},        // wraps in 32 bits
        {ReadDecInt, "-2147483648", -2147483647 - 1, 12},
        {ReadHexNum, "$ff", 255, 4},
        {ReadHexNum, " 1G", 1, 3},
        {ReadHexNum, "FFFFFFFF", -1, 9},
        {ReadHexNum, "1FFFFFFFF", -1, 10},
        {ReadHexNum, "aBc", 0xABC, 4},
        {ReadHexNum, "1$", 1, 2},                 // "$" only counts at position 1
        {ReadHexNum, "", 0, 1},
        {ReadOctNum, "777", 511, 4},
        {ReadOctNum, "78", 7, 2},
        {ReadOctNum, "$7", 0, 1},
        {ReadOctNum, "37777777777", -1, 12},
        {ReadBinNum, "1011", 11, 5},
        {ReadBinNum, " 102", 2, 4},
        {ReadBinNum, "11111111111111111111111111111111", -1, 33},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Text);
        int Pos = 1;
        EXPECT_EQ(C.Read(QString::fromLatin1(C.Text), Pos), C.Value);
        EXPECT_EQ(Pos, C.EndPos);
    }
}

// ---- Typing checks ------------------------------------------------------------------

TEST(IsValidExpText, EveryTransitionOfTheStateTable)
{
    struct Case
    {
        const char* Text;
        bool Valid;
    };
    // Each state reached by a prefix, then one character of every class:
    // separator, blank, sign, digit, "E", other.
    const Case Cases[] = {
        {".", true}, {" ", false}, {"-", false}, {"1", true}, {"E", false}, {"x", false},          // 1
        {"-.", true}, {"- ", false}, {"--", false}, {"-1", true}, {"-E", false}, {"-x", false},    // 2
        {"1.", true}, {"1 ", true}, {"1+", true}, {"11", true}, {"1E", true}, {"1x", true},        // 3
        {"1..", false}, {"1. ", true}, {"1.-", true}, {"1.5", true}, {"1.E", true}, {"1.x", true}, // 4
        {"1.5.", false}, {"1.5 ", true}, {"1.5+", true}, {"1.55", true}, {"1.5E", true},
        {"1.5x", true},                                                                            // 5
        {"1E.", false}, {"1E ", false}, {"1E-", true}, {"1E5", true}, {"1EE", false}, {"1Ex", true}, // 6
        {"1E-.", false}, {"1E- ", false}, {"1E--", false}, {"1E-5", true}, {"1E-E", false},
        {"1E-x", true},                                                                            // 7
        {"1E5.", true}, {"1E5 ", true}, {"1E5-", true}, {"1E55", true}, {"1E5E", true},
        {"1E5x", true},                                                                            // 8
        {"", false}, {"+", false}, {"1.2.3", false}, {"  12", true}, {"1e-7", true},
        {"1E4200", true}, {"1E4201", false}, {"1E-04200", true}, {"1E99999", false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(IsValidExpText(QString::fromLatin1(C.Text), true, dsBoth), C.Valid);
    }
}

TEST(IsValidExpText, WithoutExponentTheLetterEndsTheNumber)
{
    EXPECT_TRUE(IsValidExpText(QStringLiteral("1E."), false, dsBoth));
    EXPECT_TRUE(IsValidExpText(QStringLiteral("1.5E"), false, dsBoth));
    EXPECT_FALSE(IsValidExpText(QStringLiteral("E"), false, dsBoth));
}

TEST(IsValidExpText, SeparatorModes)
{
    EXPECT_TRUE(IsValidExpText(QStringLiteral("1,5"), true, dsComma));
    EXPECT_FALSE(IsValidExpText(QStringLiteral(",5"), true, dsPoint)); // "," is other at the start
    EXPECT_TRUE(IsValidExpText(QStringLiteral("1,5"), true, dsPoint)); // stops at the comma
    EXPECT_FALSE(IsValidExpText(QStringLiteral("1.5,"), true, dsBoth));
    {
        PinnedSeparator Comma(QLatin1Char(','));
        EXPECT_FALSE(IsValidExpText(QStringLiteral(".5"), true, dsSystem));
        EXPECT_TRUE(IsValidExpText(QStringLiteral(",5"), true, dsSystem));
    }
    PinnedSeparator Point(QLatin1Char('.'));
    EXPECT_TRUE(IsValidExpText(QStringLiteral(".5"), true, dsSystem));
    EXPECT_FALSE(IsValidExpText(QStringLiteral(",5"), true, dsSystem));
}

TEST(IsValidDecText, EveryTransitionOfTheStateTable)
{
    struct Case
    {
        const char* Text;
        bool Valid;
    };
    // Each state by a prefix, then sign, separator, digit, other.
    const Case Cases[] = {
        {"+", true}, {".", true}, {"1", true}, {"x", false},          // 0 start
        {"--", false}, {"-.", true}, {"-1", true}, {"-x", false},     // 1 after sign
        {".-", false}, {"..", false}, {".1", true}, {".x", false},    // 2 after separator
        {"1-", false}, {"1.", true}, {"11", true}, {"1x", false},     // 3 integer digits
        {".1-", false}, {".1.", false}, {".11", true}, {".1x", false}, // 4 fraction digits
        {"", false}, {"-", true}, {"12.", true}, {"1e5", false}, {"1.2.3", false}, {" 1", false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(IsValidDecText(QString::fromLatin1(C.Text), dsBoth), C.Valid);
    }
    EXPECT_FALSE(IsValidDecText(QStringLiteral("1,5"), dsPoint));
    EXPECT_TRUE(IsValidDecText(QStringLiteral("1,5"), dsComma));
    EXPECT_FALSE(IsValidDecText(QStringLiteral("1.5"), dsComma));
}

TEST(IntegerAndRadixChecks, Texts)
{
    const struct
    {
        bool (*Check)(const QString&);
        const char* Text;
        bool Valid;
    } Cases[] = {
        {IsValidIntText, "", false},     {IsValidIntText, "7", true},     {IsValidIntText, "-", false},
        {IsValidIntText, "+", false},    {IsValidIntText, "-12", true},   {IsValidIntText, "+0", true},
        {IsValidIntText, "1-", false},   {IsValidIntText, "1 2", false},  {IsValidIntText, "x1", false},
        {IsHexText, "09afAF", true},     {IsHexText, "", false},          {IsHexText, "$1F", false},
        {IsHexText, "1G", false},        {IsOctText, "01234567", true},   {IsOctText, "8", false},
        {IsBinText, "0110", true},       {IsBinText, "012", false},       {IsBinText, "", false},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(C.Check(QString::fromLatin1(C.Text)), C.Valid);
    }
}

// ---- FormatFloatNum -----------------------------------------------------------------

TEST(FormatFloatNum, MatchesPascalStr)
{
    const struct
    {
        double Value;
        int Width;
        int Decimals;
        const char* Text;
    } Rows[] = {
#include "data/formatfloat_fpc_table.inc"
        // Exact halves whose last kept digit lies below one step of the
        // double: they round by one unit of that digit, not by a whole step.
        {1125899906842624.25, 1, 1, "1125899906842624.3"}, // step 0.25
        {-1125899906842624.25, 1, 1, "-1125899906842624.3"},
        {1125899906842623.75, 1, 1, "1125899906842623.8"},
        {2251799813685248.5, 1, 0, "2251799813685249"},
        {999999.5, 9, 0, "  1000000"},                    // carry into a new digit
        {149879778198890.0625, 24, -2, " 1.49879778198890063E+14"}, // step 0.03125
        {-149879778198890.0625, 24, -2, "-1.49879778198890063E+14"},
        {9.5, 7, -2, " 1E+01"},                           // carry into the next decade
        {0.125, 10, 2, "      0.13"},
    };
    for (const auto& R : Rows) {
        SCOPED_TRACE(testing::Message() << R.Value << " w " << R.Width << " d " << R.Decimals);
        EXPECT_EQ(FormatFloatNum(R.Width, R.Decimals, R.Value), QString::fromLatin1(R.Text));
    }
}

TEST(FormatFloatNum, FieldWidthsAndOverflow)
{
    const struct
    {
        int Width;
        int Decimals;
        double Value;
        const char* Text;
    } Cases[] = {
        {12, -2, 1234.5, " 1.23450E+03"},
        {12, -2, -0.00012, "-1.20000E-04"},
        {12, -2, 1e150, "************"},
        {12, -2, -1e-150, "************"},
        {12, -2, 1e-310, "************"},    // subnormal: three exponent digits
        {12, -2, 0.0, " 0.00000E+00"},
        {12, -2, 9.999996e99, "************"}, // rounds up into a three-digit exponent
        {12, -2, 9.999994e99, " 9.99999E+99"},
        {8, -2, 1234.5, " 1.2E+03"},
        {7, -2, 1234.5, " 1E+03"},           // no decimals left: no point
        {7, -2, 1e100, "******"},
        {0, -2, -5.0, "-5E+00"},
        {-12, -2, 1234.5, "01.23450E+03"},  // zero padding replaces the sign blank
        {1, 2, 3.14159, "3.14"},
        {8, 2, -3.5, "   -3.50"},
        {-8, 2, -3.5, "-0003.50"},
        {-8, 2, 3.5, "00003.50"},
        {2, 4, 1.0, "1.0000"},              // the field grows as needed
        {1, 0, 2.5, "3"},                   // exact halves away from zero
        {1, 0, -2.5, "-3"},
        {1, 2, 0.125, "0.13"},
        {1, 2, -0.125, "-0.13"},
        {1, 2, 2.675, "2.67"},              // 2.67499999... is no half
        {1, 0, 3.5, "4"},
        {8, -2, 125.0, " 1.3E+02"},
        {8, -2, 98.5, " 9.9E+01"},
        {7, -2, 9.5, " 1E+01"},             // a half carried into the exponent
        {1, -1, 2.25, "2"},                 // negative decimals other than -2 write none
        {1, 2, std::nan(""), "*"},
        {5, 2, HUGE_VAL, "*****"},
        {12, -2, -HUGE_VAL, "************"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Value << " w " << C.Width << " d " << C.Decimals);
        EXPECT_EQ(FormatFloatNum(C.Width, C.Decimals, C.Value), QString::fromLatin1(C.Text));
    }
}

TEST(FormatFloatNum, HugeWidthsStayWithinTheShortStringLimit)
{
    EXPECT_EQ(FormatFloatNum(1000000, 2, 1.0).size(), 255);
    EXPECT_EQ(FormatFloatNum(1, 1000000, 1.0).size(), 2 + 255);
    EXPECT_EQ(FormatFloatNum(-1000000, -2, 1.0).size(), 255);
    EXPECT_EQ(FormatFloatNum(1, 2, -uc_MaxDouble).size(), 313);
}

// True when the exact decimal expansion in Text (as "%.1100f" or "%.800E"
// write it) holds a 5 at index Digit followed only by zeros: an exact half,
// which FormatFloatNum rounds away from zero and the C library to even.
static bool IsExactHalf(const char* Text, size_t Digit)
{
    if (std::strlen(Text) <= Digit || Text[Digit] != '5')
        return false;
    for (const char* D = Text + Digit + 1; *D >= '0' && *D <= '9'; ++D)
        if (*D != '0')
            return false;
    return true;
}

TEST(FormatFloatNum, AgreesWithSnprintfOnRandomValues)
{
    static char Exact[1500];
    std::mt19937_64 Rng(7);
    std::uniform_real_distribution<double> Mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> Exponent(-99, 99);
    for (int i = 0; i < 3000; ++i) {
        const double V = Mantissa(Rng) * std::pow(10.0, Exponent(Rng));
        const int SigDig = 1 + int(Rng() % 15);
        char Buf[400];
        // Exponent form from the C library's "%.*E", laid out by hand.
        std::snprintf(Buf, sizeof Buf, "%.*E", SigDig - 1, V);
        const char* E = std::strchr(Buf, 'E');
        const int Exp = std::atoi(E + 1);
        char Want[400];
        std::snprintf(Exact, sizeof Exact, "%.800E", V);
        const bool Half = IsExactHalf(Exact, size_t(V < 0) + size_t(SigDig) + 1);
        if (Exp > -100 && Exp < 100)
            std::snprintf(Want, sizeof Want, "%s%.*sE%c%02d", V < 0 ? "" : " ", int(E - Buf), Buf,
                          Exp < 0 ? '-' : '+', std::abs(Exp));
        else
            std::snprintf(Want, sizeof Want, "%s", std::string(SigDig + 5 + (SigDig > 1), '*').c_str());
        if (!Half) {
            EXPECT_EQ(FormatFloatNum(SigDig + 6, -2, V), QString::fromLatin1(Want)) << V;
        }

        const int Decimals = int(Rng() % 10);
        const int Width = int(Rng() % 20);
        std::snprintf(Buf, sizeof Buf, "%*.*f", Width, Decimals, V);
        std::snprintf(Exact, sizeof Exact, "%.1100f", V);
        if (!IsExactHalf(Exact, size_t(std::strchr(Exact, '.') - Exact) + size_t(Decimals) + 1)) {
            EXPECT_EQ(FormatFloatNum(Width, Decimals, V), QString::fromLatin1(Buf)) << V;
        }
    }
}

TEST(FormatFloatNum, ReadsBackWhatItWrites)
{
    std::mt19937_64 Rng(11);
    std::uniform_real_distribution<double> Dist(-1e6, 1e6);
    for (int i = 0; i < 1000; ++i) {
        const double V = Dist(Rng);
        const QString Text = FormatFloatNum(21, -2, V); // 15 significant digits
        int Pos = 1;
        const double Back = ReadFloatNum(Text, true, dsPoint, Pos);
        EXPECT_EQ(Pos, Text.size() + 1);
        EXPECT_NEAR(Back, V, std::fabs(V) * 1e-14);
    }
}

// ---- Radix writers --------------------------------------------------------------------

TEST(RadixWriters, DigitCounts)
{
    const struct
    {
        QString (*Write)(qint32, int);
        qint32 Value;
        int Count;
        const char* Text;
    } Cases[] = {
        {IntToHexDigits, 255, 8, "000000FF"},
        {IntToOctDigits, 255, 8, "00000377"},
        {IntToBinDigits, 255, 8, "11111111"},
        {IntToHexDigits, -1, 8, "FFFFFFFF"},
        {IntToHexDigits, -1, 9, "FFFFFFFF"},     // limited to 8
        {IntToOctDigits, -1, 11, "37777777777"},
        {IntToOctDigits, -1, 20, "37777777777"}, // limited to 11
        {IntToBinDigits, -1, 32, "11111111111111111111111111111111"},
        {IntToBinDigits, -1, 40, "11111111111111111111111111111111"},
        {IntToHexDigits, 0x1234, 2, "34"},       // higher digits dropped
        {IntToHexDigits, 0xAB, 0, "B"},          // a count of 0 gives one digit
        {IntToBinDigits, 2, -5, "0"},
        {IntToOctDigits, 8, 1, "0"},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(C.Write(C.Value, C.Count), QString::fromLatin1(C.Text));
    }
}

// ---- Dynamic format, separator modes and range -------------------------------------------

TEST(DynamicFormat, FirstCharacterChoosesTheRadix)
{
    EXPECT_EQ(DynamicTextFormat(QStringLiteral("$1F")), itHex);
    EXPECT_EQ(DynamicTextFormat(QStringLiteral("%101")), itBin);
    EXPECT_EQ(DynamicTextFormat(QStringLiteral("&17")), itOct);
    EXPECT_EQ(DynamicTextFormat(QStringLiteral("1$")), itExp);
    EXPECT_EQ(DynamicTextFormat(QString()), itExp);
}

TEST(SeparatorModes, SystemModeResolution)
{
    {
        PinnedSeparator Other(QChar(0x066B));
        EXPECT_EQ(ResolveTypingSepMode(dsSystem), dsComma);   // anything but "." is comma mode
        EXPECT_EQ(ResolveConversionSepMode(dsSystem), dsPoint); // anything but "," is point mode
    }
    PinnedSeparator Comma(QLatin1Char(','));
    EXPECT_EQ(ResolveTypingSepMode(dsSystem), dsComma);
    EXPECT_EQ(ResolveConversionSepMode(dsSystem), dsComma);
    EXPECT_EQ(ResolveTypingSepMode(dsBoth), dsBoth);
    EXPECT_EQ(ResolveConversionSepMode(dsPoint), dsPoint);
}

TEST(RangeCheck, BoundsAreInRange)
{
    EXPECT_FALSE(IsOutOfRange(0.0, 0.0, 1.0));
    EXPECT_FALSE(IsOutOfRange(1.0, 0.0, 1.0));
    EXPECT_TRUE(IsOutOfRange(-1e-300, 0.0, 1.0));
    EXPECT_TRUE(IsOutOfRange(1.0000001, 0.0, 1.0));
    EXPECT_FALSE(IsOutOfRange(5.0, 5.0, 5.0));
}
