#include <vok/Vok_base.h>

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

using namespace vok;

namespace {

// Fills column Col, rows 1.., with Texts and returns the array.
void FillColumn(TStringArray& A, int Col, const QStringList& Texts)
{
    for (int Row = 1; Row <= Texts.size(); ++Row)
        A.SetString(Col, Row, Texts[Row - 1]);
}

QStringList ColumnInSortedOrder(const TStringArray& A, int Col)
{
    QStringList Out;
    for (int Row = 1; Row <= A.GetNrOfRows(); ++Row)
        Out << A.GetString(Col, Row);
    return Out;
}

std::vector<int> SortOrder(const TStringArray& A)
{
    std::vector<int> Out;
    for (int Row = 1; Row <= A.GetNrOfRows(); ++Row)
        Out.push_back(A.GetSortOrder(Row));
    return Out;
}

} // namespace

TEST(StringArrayCells, NewArrayHoldsOneEmptyCellAndIgnoresOutsideAccess)
{
    TStringArray A;
    EXPECT_EQ(A.GetNrOfColumns(), 0);
    EXPECT_EQ(A.GetNrOfRows(), 0);
    A.Resize(3, 4);
    A.SetString(3, 4, QStringLiteral("corner"));
    A.SetString(4, 1, QStringLiteral("x"));
    A.SetString(1, 5, QStringLiteral("x"));
    A.SetString(-1, 1, QStringLiteral("x"));
    EXPECT_EQ(A.GetString(3, 4), QStringLiteral("corner"));
    EXPECT_EQ(A.GetString(4, 1), QString());
    EXPECT_EQ(A.GetString(1, -1), QString());
    EXPECT_EQ(A.GetRowAttrib(9), 0);
    EXPECT_EQ(A.GetColAttrib(-2), 0);
    EXPECT_EQ(A.GetSortOrder(5), -1);
    EXPECT_EQ(A.GetSortOrder(0), 0);
}

TEST(StringArrayCells, TextsAreCutTo255CharactersNeverInsideASurrogatePair)
{
    TStringArray A;
    A.Resize(1, 2);
    A.SetString(1, 1, QString(300, QLatin1Char('a')));
    EXPECT_EQ(A.GetString(1, 1).size(), 255);
    // An emoji straddling the limit is dropped whole.
    const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    A.SetString(1, 2, QString(254, QLatin1Char('b')) + Emoji);
    EXPECT_EQ(A.GetString(1, 2), QString(254, QLatin1Char('b')));
    // Non-Latin text survives the round trip.
    A.SetString(0, 1, QStringLiteral("Grüße, Ελλάδα, 日本") + Emoji);
    EXPECT_EQ(A.GetString(0, 1), QStringLiteral("Grüße, Ελλάδα, 日本") + Emoji);
}

TEST(StringArrayCells, Utf8SetterStoresWhatTheQStringSetterStores)
{
    TStringArray A;
    A.Resize(1, 1);
    const QByteArray Inputs[] = {"", "plain", "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80", QByteArray(255, 'a'),
                                 QByteArray(300, 'a'), QByteArray(200, 'x') + QByteArray(60, '\xC3') + "\xA4",
                                 "bad \xC3 byte", "\xED\xA0\x80 surrogate"};
    for (const QByteArray& Utf8 : Inputs) {
        A.SetString(0, 1, QString::fromUtf8(Utf8));
        A.SetStringUtf8(1, 1, std::string_view(Utf8.constData(), std::size_t(Utf8.size())));
        EXPECT_EQ(A.GetString(1, 1), A.GetString(0, 1)) << Utf8.toStdString();
    }
    A.SetStringUtf8(2, 1, "outside");
    EXPECT_EQ(A.GetString(2, 1), QString());
}

TEST(StringArrayCells, ALeadingZeroWidthNoBreakSpaceIsText)
{
    // U+FEFF at the start of a cell looks like a byte-order mark to UTF-8
    // decoders; it must come back as stored, through either setter.
    TStringArray A;
    A.Resize(1, 1);
    const QString Texts[] = {QStringLiteral("\uFEFF"), QStringLiteral("\uFEFFvalue"),
                             QStringLiteral("\uFEFF\uFEFFtwice"), QStringLiteral("\uFEFF") + QString(200, QChar(u'\u00E4'))};
    for (const QString& Text : Texts) {
        A.SetString(0, 1, Text);
        EXPECT_EQ(A.GetString(0, 1), Text.left(TStringArray::MaxStringLength));
        const QByteArray Utf8 = Text.toUtf8();
        A.SetStringUtf8(0, 1, std::string_view(Utf8.constData(), std::size_t(Utf8.size())));
        EXPECT_EQ(A.GetString(0, 1), Text.left(TStringArray::MaxStringLength));
    }
}

TEST(StringArrayCells, OverwritingCellsManyTimesKeepsEveryValue)
{
    // Rewrites with growing and shrinking texts force in-place writes,
    // appends and compactions of the column buffer.
    TStringArray A;
    A.Resize(0, 200);
    for (int Round = 0; Round < 60; ++Round)
        for (int Row = 1; Row <= 200; ++Row)
            A.SetString(0, Row, QString((Row * 7 + Round * 13) % 200, QChar(u'a' + Row % 26)));
    for (int Row = 1; Row <= 200; ++Row)
        EXPECT_EQ(A.GetString(0, Row), QString((Row * 7 + 59 * 13) % 200, QChar(u'a' + Row % 26))) << Row;
}

TEST(StringArrayResize, KeepsCellsThatRemainAndEmptiesNewOnes)
{
    TStringArray A;
    A.Resize(2, 2);
    A.SetString(2, 2, QStringLiteral("kept"));
    A.SetString(1, 1, QStringLiteral("kept too"));
    A.Resize(5, 6);
    EXPECT_EQ(A.GetString(2, 2), QStringLiteral("kept"));
    EXPECT_EQ(A.GetString(5, 6), QString());
    A.Resize(1, 1);
    EXPECT_EQ(A.GetString(1, 1), QStringLiteral("kept too"));
    A.Resize(2, 2);
    EXPECT_EQ(A.GetString(2, 2), QString()) << "cells cut off come back empty";
}

TEST(StringArrayResize, ImpossibleSizesRaiseAndLeaveTheArrayUnchanged)
{
    TStringArray A;
    A.Resize(2, 3);
    A.SetString(2, 3, QStringLiteral("x"));
    A.SetRowAttrib(3, 0x40);
    const std::vector<std::pair<int, int>> Bad = {{-1, 3}, {2, -1}, {2, 2000000000}, {100000, 100000}, {2147483647, 2147483647}};
    for (const auto& [Cols, Rows] : Bad) {
        EXPECT_THROW(A.Resize(Cols, Rows), EVOKError) << Cols << " x " << Rows;
        EXPECT_EQ(A.GetNrOfColumns(), 2);
        EXPECT_EQ(A.GetNrOfRows(), 3);
        EXPECT_EQ(A.GetString(2, 3), QStringLiteral("x"));
        EXPECT_EQ(A.GetRowAttrib(3), 0x40);
    }
}

TEST(StringArrayResize, ShrinkingWhileSortedKeepsTheFirstSortedRows)
{
    TStringArray A;
    A.Resize(1, 5);
    FillColumn(A, 1, {"e", "c", "a", "d", "b"});
    A.Sort(1, -1, true);
    A.Resize(1, 3);
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"a", "b", "c"}));
    A.UnSort();
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"c", "a", "b"})) << "stored order of the survivors";
}

TEST(StringArrayResize, AllocationStepIsReadableAndAtLeastOne)
{
    TStringArray A;
    EXPECT_EQ(A.GetAllocRowsBy(), 1);
    A.SetAllocRowsBy(10);
    EXPECT_EQ(A.GetAllocRowsBy(), 10);
    A.SetAllocRowsBy(-4);
    EXPECT_EQ(A.GetAllocRowsBy(), 1);
}

TEST(StringArrayClear, EmptiesCellsAttributesAndSortButKeepsTheSize)
{
    TStringArray A;
    A.Resize(2, 3);
    FillColumn(A, 1, {"b", "c", "a"});
    A.SetRowAttrib(1, 0x80);
    A.SetColAttrib(2, 0x80);
    A.Sort(1, -1, true);
    A.Clear();
    EXPECT_EQ(A.GetNrOfColumns(), 2);
    EXPECT_EQ(A.GetNrOfRows(), 3);
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"", "", ""}));
    EXPECT_EQ(A.GetRowAttrib(1), 0);
    EXPECT_EQ(A.GetColAttrib(2), 0);
    EXPECT_FALSE(A.IsSorted());
}

TEST(StringArraySort, NaturalOrderTable)
{
    struct Case { const char* A; const char* B; int Expected; };
    const Case Cases[] = {
        {"9", "10", -1},          // numbers by value, not by text
        {"-3", "2", -1},
        {" 3,5 ", "3.4", 1},      // comma decimal sign, blanks around
        {"1e3", "999", 1},
        {"2.0", "2", 0},
        {"1e999", "1e300", 1},    // overflow counts as infinite
        {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "00000000000000000000e-5", "1e300", 1}, // 1e315: beyond the range despite the negative exponent
        {"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
         "1", -1},                // underflow without exponent is (nearly) zero, not infinite
        {"-1e-400", "0", 0},      // underflow keeps no magnitude
        {"", "0", -1},            // empty first
        {"0", "a", -1},           // numbers before texts
        {"10 kg", "9 kg", -1},    // not numbers: text order
        {"apple", "Banana", -1},  // case-insensitive
        {"ABC", "abc", 0},
        {"abcdefgh", "abcdefghi", -1}, // longer than the key prefix
        {"abcdefghij", "ABCDEFGHIK", -1},
        {"Äpfel", "äpfel", 0},
        {"0x10", "1", 1},         // hex is text
        {"inf", "1", 1},
        {"1.", ".5", 1},
        {"+", "-", -1},           // bare signs are texts
    };
    for (const Case& C : Cases) {
        const int Got = CompareNatural(QString::fromUtf8(C.A), QString::fromUtf8(C.B));
        const int Sign = (Got > 0) - (Got < 0);
        EXPECT_EQ(Sign, C.Expected) << C.A << " vs " << C.B;
        const int Back = CompareNatural(QString::fromUtf8(C.B), QString::fromUtf8(C.A));
        EXPECT_EQ((Back > 0) - (Back < 0), -C.Expected) << "antisymmetric: " << C.A << " vs " << C.B;
    }
}

TEST(StringArraySort, MixedCellsAscendingAndDescending)
{
    TStringArray A;
    A.Resize(1, 7);
    FillColumn(A, 1, {"10", "pear", "9", "", "Apple", "2.5", "banana"});
    A.Sort(1, -1, true);
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"", "2.5", "9", "10", "Apple", "banana", "pear"}));
    A.Sort(1, -1, false);
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"pear", "banana", "Apple", "10", "9", "2.5", ""}));
    EXPECT_TRUE(A.IsSorted());
    A.UnSort();
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"10", "pear", "9", "", "Apple", "2.5", "banana"}));
    EXPECT_FALSE(A.IsSorted());
}

TEST(StringArraySort, TiesGoToTheSecondaryColumnThenKeepStoredOrder)
{
    TStringArray A;
    A.Resize(2, 6);
    FillColumn(A, 1, {"b", "a", "B", "a", "b", "A"});
    FillColumn(A, 2, {"2", "1", "1", "1", "2", "10"});
    for (int Row = 1; Row <= 6; ++Row)
        A.SetString(0, Row, QStringLiteral("r%1").arg(Row));

    A.Sort(1, 2, true);
    EXPECT_EQ(ColumnInSortedOrder(A, 0), QStringList({"r2", "r4", "r6", "r3", "r1", "r5"}));
    // Descending reverses both keys; rows equal in both keep their stored order.
    A.Sort(1, 2, false);
    EXPECT_EQ(ColumnInSortedOrder(A, 0), QStringList({"r1", "r5", "r3", "r6", "r2", "r4"}));
    // Without secondary column equal rows stay in stored order.
    A.Sort(1, -1, true);
    EXPECT_EQ(ColumnInSortedOrder(A, 0), QStringList({"r2", "r4", "r6", "r1", "r3", "r5"}));
    // A secondary column equal to the primary or invalid counts as none.
    A.Sort(1, 1, true);
    EXPECT_EQ(ColumnInSortedOrder(A, 0), QStringList({"r2", "r4", "r6", "r1", "r3", "r5"}));
    A.Sort(1, 99, true);
    EXPECT_EQ(ColumnInSortedOrder(A, 0), QStringList({"r2", "r4", "r6", "r1", "r3", "r5"}));
}

TEST(StringArraySort, InvalidColumnChangesNothingAndRowZeroStaysPut)
{
    TStringArray A;
    A.Resize(1, 3);
    A.SetString(1, 0, QStringLiteral("zzz header"));
    FillColumn(A, 1, {"c", "a", "b"});
    A.Sort(5, -1, true);
    A.Sort(-1, -1, true);
    EXPECT_FALSE(A.IsSorted());
    A.Sort(1, -1, true);
    EXPECT_EQ(A.GetString(1, 0), QStringLiteral("zzz header"));
    EXPECT_EQ(SortOrder(A), std::vector<int>({2, 3, 1}));
}

TEST(StringArraySort, SettersAndAttributesWorkThroughTheSortedOrder)
{
    TStringArray A;
    A.Resize(1, 3);
    FillColumn(A, 1, {"c", "a", "b"});
    A.SetRowAttrib(2, 0x40); // the row holding "a"
    A.Sort(1, -1, true);
    EXPECT_EQ(A.GetRowAttrib(1), 0x40);
    A.SetString(1, 3, QStringLiteral("z")); // sorted row 3 is stored row 1
    A.SetRowAttrib(3, 0x80);
    A.UnSort();
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"z", "a", "b"}));
    EXPECT_EQ(A.GetRowAttrib(1), 0x80);
    EXPECT_EQ(A.GetRowAttrib(2), 0x40);
}

TEST(StringArraySort, CommitMakesTheSortedOrderTheStoredOne)
{
    TStringArray A;
    A.Resize(2, 4);
    FillColumn(A, 1, {"d", "b", "a", "c"});
    FillColumn(A, 2, {"4", "2", "1", "3"});
    A.SetRowAttrib(1, 0x80);
    A.Sort(1, -1, true);
    A.CommitSorting();
    EXPECT_FALSE(A.IsSorted());
    A.UnSort();
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(ColumnInSortedOrder(A, 2), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(A.GetRowAttrib(4), 0x80);
}

TEST(StringArraySort, ExchangeHookReplaysThePermutationAndProgressEndsAt100)
{
    TStringArray A;
    A.Resize(1, 8);
    FillColumn(A, 1, {"h", "c", "a", "g", "b", "f", "e", "d"});
    // A host mirrors the list in its own vector by following the exchanges.
    QStringList Mirror = ColumnInSortedOrder(A, 1);
    int Exchanges = 0;
    A.OnBeforeSortExchange = [&](QObject* Sender, int I, int J) {
        EXPECT_EQ(Sender, &A);
        Mirror.swapItemsAt(I - 1, J - 1);
        ++Exchanges;
    };
    std::vector<int> Percent;
    A.OnPercentDone = [&](QObject*, int P) { Percent.push_back(P); };
    A.Sort(1, -1, true);
    EXPECT_EQ(Mirror, ColumnInSortedOrder(A, 1));
    EXPECT_LE(Exchanges, 7);
    ASSERT_FALSE(Percent.empty());
    EXPECT_EQ(Percent.front(), 0);
    EXPECT_EQ(Percent.back(), 100);
    EXPECT_TRUE(std::is_sorted(Percent.begin(), Percent.end()));
    A.Sort(1, -1, false);
    EXPECT_EQ(Mirror, ColumnInSortedOrder(A, 1));
}

TEST(StringArraySortOrder, CopyingEntryByEntryReproducesAPermutation)
{
    TStringArray Source;
    Source.Resize(1, 6);
    FillColumn(Source, 1, {"f", "d", "b", "a", "e", "c"});
    Source.Sort(1, -1, false);
    TStringArray Copy;
    Copy.Resize(1, 6);
    for (int Row = 1; Row <= 6; ++Row)
        Copy.SetString(1, Source.GetSortOrder(Row), Source.GetString(1, Row));
    for (int Row = 1; Row <= 6; ++Row)
        Copy.SetSortOrder(Row, Source.GetSortOrder(Row));
    EXPECT_EQ(SortOrder(Copy), SortOrder(Source));
    EXPECT_EQ(ColumnInSortedOrder(Copy, 1), ColumnInSortedOrder(Source, 1));
}

TEST(StringArraySortOrder, SetSortOrderKeepsAPermutationAndIgnoresBadEntries)
{
    TStringArray A;
    A.Resize(0, 4);
    A.SetSortOrder(1, 3);
    EXPECT_EQ(SortOrder(A), std::vector<int>({3, 2, 1, 4}));
    A.SetSortOrder(0, 2);
    A.SetSortOrder(2, 5);
    A.SetSortOrder(2, 0);
    EXPECT_EQ(SortOrder(A), std::vector<int>({3, 2, 1, 4}));
}

TEST(StringArrayStructure, InsertAndRemoveRowsWhileSortedKeepTheOtherRowsInPlace)
{
    TStringArray A;
    A.Resize(1, 4);
    FillColumn(A, 1, {"d", "b", "a", "c"});
    A.Sort(1, -1, true); // a b c d
    A.InsertRow(2);
    A.SetString(1, 2, QStringLiteral("new"));
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"a", "new", "b", "c", "d"}));
    A.RemoveRow(4); // "c"
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"a", "new", "b", "d"}));
    A.InsertRow(5); // appends
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"a", "new", "b", "d", ""}));
    // The permutation is still one over the stored rows.
    std::vector<int> Order = SortOrder(A);
    std::sort(Order.begin(), Order.end());
    EXPECT_EQ(Order, std::vector<int>({1, 2, 3, 4, 5}));
    A.UnSort();
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"d", "new", "b", "a", ""}));
}

TEST(StringArrayStructure, RowOperationsOutsideTheRangeAreIgnored)
{
    TStringArray A;
    A.Resize(1, 2);
    FillColumn(A, 1, {"x", "y"});
    A.InsertRow(0);
    A.InsertRow(4);
    A.RemoveRow(0);
    A.RemoveRow(3);
    EXPECT_EQ(ColumnInSortedOrder(A, 1), QStringList({"x", "y"}));
    A.RemoveRow(1);
    A.RemoveRow(1);
    EXPECT_EQ(A.GetNrOfRows(), 0);
    A.RemoveRow(1);
    EXPECT_EQ(A.GetNrOfRows(), 0);
}

TEST(StringArrayStructure, ColumnsMoveWithTheirAttributes)
{
    TStringArray A;
    A.Resize(2, 1);
    A.SetString(1, 1, QStringLiteral("one"));
    A.SetString(2, 1, QStringLiteral("two"));
    A.SetColAttrib(2, 0x80);
    A.InsertColumn(2);
    EXPECT_EQ(A.GetNrOfColumns(), 3);
    EXPECT_EQ(A.GetString(2, 1), QString());
    EXPECT_EQ(A.GetString(3, 1), QStringLiteral("two"));
    EXPECT_EQ(A.GetColAttrib(3), 0x80);
    A.RemoveColumn(1);
    EXPECT_EQ(A.GetString(2, 1), QStringLiteral("two"));
    A.InsertColumn(3); // appends
    EXPECT_EQ(A.GetNrOfColumns(), 3);
    A.InsertColumn(9);
    EXPECT_EQ(A.GetNrOfColumns(), 3);
    A.Resize(0, 1);
    A.RemoveColumn(0);
    EXPECT_EQ(A.GetNrOfColumns(), 0) << "the last column stays";
}

// Random row operations, sorted and not, against a model of the sorted view:
// the cells follow their rows and a column reports itself empty exactly when
// all its cells are.
TEST(StringArrayStructure, RowOperationsKeepCellsAndColumnEmptinessInStep)
{
    using Rows = std::vector<QStringList>; // the sorted view, rows 0..GetNrOfRows()
    constexpr int Cols = 3;
    const auto ViewOf = [](const TStringArray& A) {
        Rows View;
        for (int Row = 0; Row <= A.GetNrOfRows(); ++Row) {
            QStringList Cells;
            for (int Col = 0; Col <= Cols; ++Col)
                Cells << A.GetString(Col, Row);
            View.push_back(Cells);
        }
        return View;
    };
    const auto Sorted = [](Rows R) {
        std::sort(R.begin(), R.end());
        return R;
    };
    std::mt19937 Rng(1207);
    const auto Pick = [&Rng](int Count) { return int(Rng() % unsigned(Count)); };
    int Ids = 0; // column 0 tells the rows apart
    for (int Round = 0; Round < 40; ++Round) {
        TStringArray A;
        A.Resize(Cols, 1 + Pick(6));
        for (int Row = 1; Row <= A.GetNrOfRows(); ++Row)
            A.SetString(0, Row, QString::number(++Ids));
        Rows Model = ViewOf(A);
        for (int Step = 0; Step < 60; ++Step) {
            const int Last = A.GetNrOfRows();
            switch (Pick(7)) {
            case 0:
            case 1: {
                const int Col = 1 + Pick(Cols);
                const int Row = Pick(Last + 1);
                const QString Text = Pick(2) == 0 ? QString() : QStringLiteral("t%1").arg(Pick(200));
                A.SetString(Col, Row, Text);
                Model[std::size_t(Row)][Col] = Text;
                break;
            }
            case 2: {
                const int Row = 1 + Pick(Last + 1);
                A.InsertRow(Row);
                A.SetString(0, Row, QString::number(++Ids));
                Model.insert(Model.begin() + Row, QStringList(Cols + 1, QString()));
                Model[std::size_t(Row)][0] = QString::number(Ids);
                break;
            }
            case 3:
                if (Last > 0) {
                    const int Row = 1 + Pick(Last);
                    A.RemoveRow(Row);
                    Model.erase(Model.begin() + Row);
                }
                break;
            case 4: {
                std::vector<bool> Remove(std::size_t(Last) + 1, false);
                for (int Row = 1; Row <= Last; ++Row)
                    Remove[std::size_t(Row)] = Pick(3) == 0;
                A.RemoveRows([&Remove](int Row) { return bool(Remove[std::size_t(Row)]); });
                for (int Row = Last; Row >= 1; --Row)
                    if (Remove[std::size_t(Row)])
                        Model.erase(Model.begin() + Row);
                break;
            }
            case 5:
                A.Sort(1 + Pick(Cols), -1, Pick(2) == 0);
                ASSERT_EQ(Sorted(ViewOf(A)), Sorted(Model));
                Model = ViewOf(A);
                break;
            default:
                if (Pick(2) == 0) {
                    A.CommitSorting();
                } else {
                    A.UnSort();
                    ASSERT_EQ(Sorted(ViewOf(A)), Sorted(Model));
                    Model = ViewOf(A);
                }
                break;
            }
            ASSERT_EQ(ViewOf(A), Model) << "round " << Round << ", step " << Step;
            for (int Col = 0; Col <= Cols; ++Col) {
                const bool Empty = std::all_of(Model.begin(), Model.end(),
                                               [Col](const QStringList& Row) { return Row[Col].isEmpty(); });
                ASSERT_EQ(A.IsColumnEmpty(Col), Empty) << "column " << Col << ", round " << Round;
            }
        }
    }
}

TEST(StringArrayHooks, ChangeFiresForEveryKindOfChangeAndCanBeSwitchedOff)
{
    TStringArray A;
    int Changes = 0;
    A.OnChange = [&](QObject*) { ++Changes; };
    A.Resize(2, 2);
    A.SetString(1, 1, QStringLiteral("a"));
    A.SetRowAttrib(1, 1);
    A.SetColAttrib(1, 1);
    A.InsertRow(1);
    A.RemoveRow(1);
    A.InsertColumn(1);
    A.RemoveColumn(1);
    A.Sort(1, -1, true);
    A.UnSort();
    A.Clear();
    EXPECT_EQ(Changes, 11);
    const TNotifyEvent Saved = A.OnChange;
    A.OnChange = nullptr;
    A.SetString(1, 1, QStringLiteral("quiet"));
    A.OnChange = Saved;
    A.SetString(1, 1, QStringLiteral("loud"));
    EXPECT_EQ(Changes, 12);
}

TEST(StringArraySort, AgreesWithAStableSortByCompareNatural)
{
    // Cells from a vocabulary with numbers, case variants, long texts that
    // share their first bytes, non-ASCII text and empty cells.
    const QStringList Vocabulary = {"", "0", "-1.5", "2,5", "10", "1e2", "abc", "ABC", "Abd", "straße", "STRASSE",
                                    "measurement 01", "Measurement 02", "measurement 1", "Ølberg", "zeta", " 7 "};
    std::mt19937 Rng(7);
    const int Rows = 2000;
    TStringArray A;
    A.Resize(2, Rows);
    // Keys by stored row, written while the stored order is the shown one.
    std::vector<std::pair<QString, QString>> Keys(Rows + 1);
    for (int Row = 1; Row <= Rows; ++Row) {
        Keys[std::size_t(Row)] = {Vocabulary[int(Rng() % Vocabulary.size())], Vocabulary[int(Rng() % Vocabulary.size())]};
        A.SetString(1, Row, Keys[std::size_t(Row)].first);
        A.SetString(2, Row, Keys[std::size_t(Row)].second);
    }
    for (const bool Ascending : {true, false}) {
        A.Sort(1, 2, Ascending);
        std::vector<int> Expected(Rows);
        std::iota(Expected.begin(), Expected.end(), 1);
        std::stable_sort(Expected.begin(), Expected.end(), [&](int X, int Y) {
            int C = CompareNatural(Keys[std::size_t(X)].first, Keys[std::size_t(Y)].first);
            if (C == 0)
                C = CompareNatural(Keys[std::size_t(X)].second, Keys[std::size_t(Y)].second);
            return Ascending ? C < 0 : C > 0;
        });
        EXPECT_EQ(SortOrder(A), Expected) << (Ascending ? "ascending" : "descending");
    }
}
