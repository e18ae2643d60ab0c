#include <vok/Vok_base.h>

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>

using namespace vok;

TEST(Strings, StrffWritesFixedPointRightAligned)
{
    struct Case { double Value; int Width; int Decimals; const char* Expected; };
    const Case Cases[] = {
        {3.14159, 7, 2, "   3.14"},
        {7, 1, 3, "7.000"},
        {7, 1, 0, "7"},
        {-0.5, 6, 1, "  -0.5"},
        {1234.5678, 2, 2, "1234.57"}, // width is a minimum
        {2.25, 0, -3, "2"},           // negative decimals count as 0
        {1e20, 1, 0, "100000000000000000000"},
        {NAN, 5, 2, "  NaN"},
        {-INFINITY, 1, 2, "-Inf"},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(strff(C.Value, C.Width, C.Decimals), QString::fromLatin1(C.Expected)) << C.Value;
}

TEST(Strings, TokenizeCountsPartsIncludingAnEmptyLastOne)
{
    struct Case { const char* Text; QStringList Parts; };
    const Case Cases[] = {
        {"a\\b\\", {"a", "b", ""}},
        {"C:\\data", {"C:", "data"}},
        {"\\\\x", {"", "", "x"}},
        {"plain", {"plain"}},
        {"", {}},
    };
    for (const Case& C : Cases) {
        QStringList Parts = {"stale"};
        EXPECT_EQ(Tokenize(QString::fromLatin1(C.Text), QLatin1Char('\\'), Parts), C.Parts.size()) << C.Text;
        EXPECT_EQ(Parts, C.Parts) << C.Text;
    }
}

TEST(Strings, NumberedPosFindsTheNthOccurrenceFromStart)
{
    struct Case { const char* Sought; const char* Text; int Start; int N; bool IgnoreCase; int Expected; };
    const Case Cases[] = {
        {"ab", "xxabyyabzzab", 1, 1, false, 3},
        {"ab", "xxabyyabzzab", 1, 3, false, 11},
        {"ab", "xxabyyabzzab", 1, 4, false, 0},
        {"ab", "xxabyyabzzab", 4, 1, false, 7},   // at or after start
        {"ab", "xxabyyabzzab", 3, 1, false, 3},
        {"aa", "aaaa", 1, 2, false, 2},            // overlapping
        {"AB", "xxabyyAbzz", 1, 2, true, 7},
        {"AB", "xxabyyAbzz", 1, 1, false, 0},
        {"", "abc", 1, 1, false, 0},
        {"a", "abc", 1, 0, false, 0},
        {"a", "abc", -5, 1, false, 1},
        {"c", "abc", 99, 1, false, 0},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(NumberedPos(QString::fromLatin1(C.Sought), QString::fromLatin1(C.Text), C.Start, C.N, C.IgnoreCase), C.Expected)
            << C.Sought << " in " << C.Text << " from " << C.Start << " #" << C.N;
}

TEST(Strings, CuttingFillingAndCharacterEdits)
{
    EXPECT_EQ(LeftString(QStringLiteral("Name"), 7), QStringLiteral("Name   "));
    EXPECT_EQ(LeftString(QStringLiteral("Temperature"), 4), QStringLiteral("Temp"));
    EXPECT_EQ(LeftString(QStringLiteral("x"), -1), QString());
    EXPECT_EQ(ReplaceCharInString(QStringLiteral("a/b/c"), QLatin1Char('/'), QLatin1Char('\\')), QStringLiteral("a\\b\\c"));
    EXPECT_EQ(RemoveControlChars(QStringLiteral("line 1\r\nline\t2\x7f\u0085 ü")), QStringLiteral("line 1line2 ü"));
    EXPECT_EQ(ShortString(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
    EXPECT_EQ(ShortString(QStringLiteral("abc"), 0), QString());
}

TEST(Strings, StrippingAndEnsuringTrailingCharacters)
{
    const QChar Bs = QLatin1Char('\\');
    EXPECT_EQ(StripLeadingChars(Bs, QStringLiteral("\\\\a\\b\\")), QStringLiteral("a\\b\\"));
    EXPECT_EQ(StripTrailingChars(Bs, QStringLiteral("\\a\\b\\\\")), QStringLiteral("\\a\\b"));
    EXPECT_EQ(StripTrailingChars(Bs, QStringLiteral("\\\\")), QString());
    EXPECT_EQ(EnsureTrailingChar(QLatin1Char(';'), QStringLiteral("a;;;")), QStringLiteral("a;"));
    EXPECT_EQ(EnsureTrailingBkSlash(QStringLiteral("C:\\data")), QStringLiteral("C:\\data\\"));
    EXPECT_EQ(EnsureTrailingBkSlash(QStringLiteral("C:\\data\\\\")), QStringLiteral("C:\\data\\"));
    EXPECT_EQ(EnsureTrailingSeparator(QStringLiteral("/home/ann")), QStringLiteral("/home/ann/"));
    EXPECT_EQ(EnsureTrailingSeparator(QString()), QStringLiteral("/"));
}

TEST(Paths, ParentDirClimbsToEmpty)
{
    const QStringList Chains[] = {
        {"/home/ann/docs/", "/home/ann", "/home", "/", ""},
        {"C:\\data\\x", "C:\\data", "C:", ""},
        {"//srv//share", "//srv", "/", ""},
        {"relative/dir", "relative", ""},
        {"", ""},
    };
    for (const QStringList& Chain : Chains)
        for (int I = 0; I + 1 < Chain.size(); ++I)
            EXPECT_EQ(ParentDir(Chain[I]), Chain[I + 1]) << Chain[I].toStdString();
}

TEST(Paths, DirExistsOnlyForFolders)
{
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    QFile File(Dir.filePath(QStringLiteral("file.txt")));
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.close();
    EXPECT_TRUE(DirExists(Dir.path()));
    EXPECT_TRUE(DirExists(EnsureTrailingSeparator(Dir.path())));
    EXPECT_FALSE(DirExists(File.fileName()));
    EXPECT_FALSE(DirExists(Dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(DirExists(QString()));
}

TEST(Strings, InventPasswordGivesFreshAlphanumericTexts)
{
    QSet<QString> Seen;
    for (int I = 0; I < 50; ++I) {
        const QString P = InventPassword(12);
        ASSERT_EQ(P.size(), 12);
        for (const QChar C : P)
            EXPECT_TRUE(C.isLetterOrNumber() && C.unicode() < 128) << P.toStdString();
        Seen.insert(P);
    }
    EXPECT_EQ(Seen.size(), 50);
    EXPECT_EQ(InventPassword(0), QString());
    EXPECT_EQ(InventPassword(-3), QString());
    EXPECT_EQ(InventPassword(1000000).size(), 255);
}

namespace {

QStringList ReadAllLines(const QByteArray& Bytes)
{
    QBuffer Buffer;
    Buffer.setData(Bytes);
    Buffer.open(QIODevice::ReadOnly);
    QStringList Lines;
    bool End = false;
    while (!End)
        Lines << ReadLnStream(Buffer, End, 0);
    return Lines;
}

} // namespace

TEST(ReadLnStream, LineEndsCrLfAndCrLfAndALastLineWithoutTerminator)
{
    struct Case { QByteArray Bytes; QStringList Lines; };
    const Case Cases[] = {
        {"one\ntwo\r\nthree\rfour", {"one", "two", "three", "four"}},
        {"one\n", {"one"}},
        {"one\n\n", {"one", ""}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},          // LF CR is two line ends
        {"", {""}},
        {"Grüße\r\n", {"Grüße"}},
        {QByteArray(4095, 'x') + "\r\nnext", {QString(4095, QLatin1Char('x')), "next"}}, // CR LF across a read chunk
        {QByteArray(10000, 'y'), {QString(10000, QLatin1Char('y'))}},
        // A byte-order mark opens only the stream; on later lines U+FEFF is text.
        {"\xEF\xBB\xBFone\n\xEF\xBB\xBFtwo", {"one", QString(QChar(0xFEFF)) + "two"}},
        // ... and a broken sequence after it is replaced, not dropped.
        {"one\n\xEF\xBB\xBFx\xE2\x82", {"one", QChar(0xFEFF) + QString::fromUtf8("x\xE2\x82")}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(ReadAllLines(C.Bytes), C.Lines) << C.Bytes.left(40).toStdString();
}

TEST(ReadLnStream, ReadsFromTheCurrentPositionAndStopsAfterTheLine)
{
    QBuffer Buffer;
    Buffer.setData("skip\r\nheader\r\nrest");
    Buffer.open(QIODevice::ReadOnly);
    Buffer.seek(6);
    bool End = true;
    EXPECT_EQ(ReadLnStream(Buffer, End), QStringLiteral("header"));
    EXPECT_FALSE(End);
    EXPECT_EQ(Buffer.pos(), 14);

    QBuffer Closed;
    EXPECT_EQ(ReadLnStream(Closed, End), QString());
    EXPECT_TRUE(End);
}

TEST(Colors, HslOfKnownColors)
{
    struct Case { TColor Color; double H; double S; double L; };
    const Case Cases[] = {
        {clRed, 0, 1, 0.5}, {clLime, 120, 1, 0.5}, {clBlue, 240, 1, 0.5}, {clYellow, 60, 1, 0.5},
        {clFuchsia, 300, 1, 0.5}, {clWhite, 0, 0, 1}, {clBlack, 0, 0, 0}, {clGray, 0, 0, 128 / 255.0},
        {clNavy, 240, 1, 128 / 510.0}, {0x8080FF, 0, 1, (255 + 128) / 510.0},
    };
    for (const Case& C : Cases) {
        double H = -1, S = -1, L = -1;
        ColorToHSL(C.Color, H, S, L);
        EXPECT_NEAR(H, C.H, 1e-9) << std::hex << C.Color;
        EXPECT_NEAR(S, C.S, 1e-9) << std::hex << C.Color;
        EXPECT_NEAR(L, C.L, 1e-9) << std::hex << C.Color;
    }
}

TEST(Colors, HslRoundTripIsExactOverTheColorCube)
{
    for (int R = 0; R <= 255; R += 15)
        for (int G = 0; G <= 255; G += 17)
            for (int B = 0; B <= 255; B += 5) {
                const TColor C = TColor(R) | TColor(G) << 8 | TColor(B) << 16;
                double H, S, L;
                ColorToHSL(C, H, S, L);
                ASSERT_GE(H, 0.0);
                ASSERT_LT(H, 360.0);
                ASSERT_EQ(HSLtoColor(H, S, L), C) << std::hex << C;
            }
}

TEST(Colors, HslToColorNormalisesItsInput)
{
    EXPECT_EQ(HSLtoColor(360 + 120, 1, 0.5), clLime);
    EXPECT_EQ(HSLtoColor(-120, 1, 0.5), clBlue);
    EXPECT_EQ(HSLtoColor(0, 5, 0.5), clRed);
    EXPECT_EQ(HSLtoColor(0, 1, 7), clWhite);
    EXPECT_EQ(HSLtoColor(NAN, 1, 0), clBlack);
    // The system-color marker in the top byte does not leak into the arithmetic.
    double H, S, L;
    ColorToHSL(0xFF0000FF, H, S, L);
    EXPECT_DOUBLE_EQ(L, 0.5);
}

TEST(Colors, GrayLevelsAndMeans)
{
    struct GrayCase { TColor Color; int Gray; };
    const GrayCase Grays[] = {{clBlack, 0}, {clWhite, 255}, {clRed, 76}, {clLime, 150}, {clBlue, 29}, {clNavy, 15}, {clSilver, 192}};
    for (const GrayCase& C : Grays)
        EXPECT_EQ(ColorToGray(C.Color), C.Gray) << std::hex << C.Color;
    EXPECT_EQ(MeanColor(clBlack, clWhite), 0x808080u);
    EXPECT_EQ(MeanColor(clRed, clBlue), 0x800080u);
    EXPECT_EQ(MeanColor(0x010203, 0x010203), 0x010203u);
    EXPECT_EQ(MeanColor(0x0000FE, 0x0000FF), 0x0000FFu);
}

TEST(PredefinedColorTable, FitsTheColorSelectorPalettes)
{
    const TColor Vga[] = {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
                          clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};
    for (int I = 1; I <= 16; ++I)
        EXPECT_EQ(PredefinedColors(I).Color, Vga[I - 1]) << I;
    EXPECT_STREQ(PredefinedColors(1).Name, "clBlack");
    EXPECT_STREQ(PredefinedColors(16).Name, "clWhite");
    EXPECT_EQ(PredefinedColors(17).Color, clMoneyGreen);
    EXPECT_EQ(PredefinedColors(18).Color, clSkyBlue);
    EXPECT_EQ(PredefinedColors(19).Color, clCream);
    EXPECT_EQ(PredefinedColors(20).Color, clMedGray);
    EXPECT_EQ(PredefinedColors(36).Color, clBtnFace);
    QSet<TColor> Colors;
    QSet<QString> Names;
    for (int I = 1; I <= NrOfPredefinedColors; ++I) {
        const TPredefinedColor Entry = PredefinedColors(I);
        EXPECT_EQ(IsSystemColor(Entry.Color), I >= 21) << I;
        EXPECT_TRUE(QString::fromLatin1(Entry.Name).startsWith(QLatin1String("cl"))) << I;
        Colors.insert(Entry.Color);
        Names.insert(QString::fromLatin1(Entry.Name));
    }
    EXPECT_EQ(Colors.size(), 47);
    EXPECT_EQ(Names.size(), 47);
    EXPECT_EQ(PredefinedColors(0).Color, clNone);
    EXPECT_STREQ(PredefinedColors(48).Name, "");
}

TEST(NameTables, MonthsAndWeekdaysByLanguage)
{
    struct Case { TLanguage Language; int Month; const char* Long; const char* Short; int WeekDay; const char* Day; };
    const Case Cases[] = {
        {lgNeutral, 1, "January", "Jan", 0, "Mon"},
        {lgEnglish, 9, "September", "Sep", 6, "Sun"},
        {lgGerman, 3, "März", "März", 1, "Di"},
        {lgGerman, 12, "Dezember", "Dez", 6, "So"},
        {lgFrench, 2, "Février", "Févr", 2, "Mer"},
        {lgFrench, 8, "Août", "Août", 5, "Sam"},
        {lgSpanish, 9, "Septiembre", "Sep", 2, "Mié"},
        {lgSpanish, 1, "Enero", "Ene", 6, "Dom"},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(MonthLong(C.Language, C.Month), QString::fromUtf8(C.Long));
        EXPECT_EQ(MonthShort(C.Language, C.Month), QString::fromUtf8(C.Short));
        EXPECT_EQ(WeekDayShort(C.Language, C.WeekDay), QString::fromUtf8(C.Day));
    }
}

TEST(NameTables, LengthLimitsAndOutOfRange)
{
    for (TLanguage Language : {lgNeutral, lgEnglish, lgGerman, lgFrench, lgSpanish}) {
        QSet<QString> Months;
        for (int Month = 1; Month <= 12; ++Month) {
            EXPECT_LE(MonthLong(Language, Month).size(), 10);
            EXPECT_LE(MonthShort(Language, Month).size(), 4);
            Months.insert(MonthLong(Language, Month));
        }
        EXPECT_EQ(Months.size(), 12);
        for (int Day = 0; Day <= 6; ++Day)
            EXPECT_LE(WeekDayShort(Language, Day).size(), 3);
        EXPECT_EQ(MonthLong(Language, 0), QString());
        EXPECT_EQ(MonthShort(Language, 13), QString());
        EXPECT_EQ(WeekDayShort(Language, 7), QString());
        EXPECT_EQ(WeekDayShort(Language, -1), QString());
    }
    EXPECT_EQ(MonthLong(TLanguage(99), 5), QStringLiteral("May"));
}

TEST(BitField, SetCountAndFindBitsAcrossWords)
{
    TBitFld Bits(100);
    EXPECT_EQ(Bits.FirstTrueBit(), -1);
    EXPECT_EQ(Bits.CountTrueBits(), 0);
    for (int I : {99, 64, 63, 5})
        Bits.SetBit(I, true);
    EXPECT_EQ(Bits.FirstTrueBit(), 5);
    EXPECT_EQ(Bits.CountTrueBits(), 4);
    Bits.SetBit(5, false);
    EXPECT_EQ(Bits.FirstTrueBit(), 63);
    EXPECT_TRUE(Bits.GetBit(64));
    Bits.SetBit(100, true);
    Bits.SetBit(-1, true);
    EXPECT_FALSE(Bits.GetBit(100));
    EXPECT_FALSE(Bits.GetBit(-1));
    EXPECT_EQ(Bits.CountTrueBits(), 3);
    Bits.Clear();
    EXPECT_EQ(Bits.GetSize(), 100);
    EXPECT_EQ(Bits.CountTrueBits(), 0);
}

TEST(BitField, ResizingKeepsLowBitsAndForgetsCutOnes)
{
    TBitFld Bits(130);
    Bits.SetBit(3, true);
    Bits.SetBit(70, true);
    Bits.SetBit(129, true);
    Bits.SetSize(71);
    EXPECT_EQ(Bits.CountTrueBits(), 2);
    Bits.SetSize(65);
    Bits.SetSize(200);
    EXPECT_FALSE(Bits.GetBit(70)) << "a bit cut off comes back false";
    EXPECT_FALSE(Bits.GetBit(129));
    EXPECT_EQ(Bits.CountTrueBits(), 1);
    Bits.SetSize(0);
    EXPECT_EQ(Bits.FirstTrueBit(), -1);
}

TEST(BitField, ImpossibleSizesRaiseAndChangeNothing)
{
    TBitFld Bits(10);
    Bits.SetBit(9, true);
    for (int Size : {-1, TBitFld::MaxSize + 1, 2147483647}) {
        EXPECT_THROW(Bits.SetSize(Size), EVOKError) << Size;
        EXPECT_EQ(Bits.GetSize(), 10);
        EXPECT_TRUE(Bits.GetBit(9));
    }
    EXPECT_THROW(TBitFld(-5), EVOKError);
}
