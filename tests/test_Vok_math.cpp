#include <vok/Vok_math.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

using namespace vok;

namespace {

// State byte of cell (c, r) in the pattern below; it never has the bits
// that make a cell a non-number.
quint8 PatternState(int c, int r)
{
    return quint8((c + r) << 2);
}

// Element (c, r) = 100 c + r, column names "C<c>", row names "R<r>",
// column attribute c, row attribute 10 r, state byte PatternState(c, r).
void FillPattern(TDataTable& T)
{
    for (int c = 1; c <= T.GetNrOfColumns(); ++c) {
        T.SetColName(c, QStringLiteral("C%1").arg(c));
        T.SetColAttrib(c, quint8(c));
        for (int r = 1; r <= T.GetNrOfRows(); ++r) {
            T.SetElem(c, r, 100 * c + r);
            T.SetCellState(c, r, PatternState(c, r));
        }
    }
    for (int r = 1; r <= T.GetNrOfRows(); ++r) {
        T.SetRowName(r, QStringLiteral("R%1").arg(r));
        T.SetRowAttrib(r, quint8(10 * r));
    }
}

// Checks that column c of T holds what column OrigCol held under FillPattern
// (rows by the same rule through RowOf).
template <class RowMap>
void ExpectColumnFrom(const TDataTable& T, int c, int OrigCol, RowMap RowOf)
{
    EXPECT_EQ(T.GetColName(c), QStringLiteral("C%1").arg(OrigCol)) << "column " << c;
    EXPECT_EQ(T.GetColAttrib(c), OrigCol);
    for (int r = 1; r <= T.GetNrOfRows(); ++r) {
        const int OrigRow = RowOf(r);
        EXPECT_EQ(T.GetElem(c, r), 100 * OrigCol + OrigRow) << c << "," << r;
        EXPECT_EQ(T.GetCellState(c, r), PatternState(OrigCol, OrigRow)) << c << "," << r;
    }
}

std::vector<double> ColumnValues(const TDataTable& T, int c)
{
    std::vector<double> V;
    for (int r = 1; r <= T.GetNrOfRows(); ++r)
        V.push_back(T.GetElem(c, r));
    return V;
}

std::vector<QString> RowNames(const TDataTable& T)
{
    std::vector<QString> V;
    for (int r = 1; r <= T.GetNrOfRows(); ++r)
        V.push_back(T.GetRowName(r));
    return V;
}

} // namespace

TEST(IsValidDecInt, AcceptsSignedDigitsWithBlanksAroundAndWithinIntRange)
{
    struct Case
    {
        const char* Text;
        bool Valid;
        int Value;
    };
    const Case Cases[] = {
        {"7", true, 7},           {"  -42 ", true, -42},          {"+0", true, 0},
        {"2147483647", true, 2147483647},                          {"-2147483648", true, std::numeric_limits<int>::min()},
        {"2147483648", false, 0}, {"99999999999999999999", false, 0},
        {"", false, 0},           {"   ", false, 0},               {"-", false, 0},
        {"+ 5", false, 0},        {"1 2", false, 0},              {"1.0", false, 0},
        {"1e3", false, 0},        {"0x1F", false, 0},             {"12a", false, 0},
        {"\t5", false, 0},        {"--5", false, 0},
    };
    for (const Case& C : Cases) {
        int Value = -1;
        EXPECT_EQ(IsValidDecInt(QString::fromLatin1(C.Text), Value), C.Valid) << C.Text;
        EXPECT_EQ(IsValidDecInt(QString::fromLatin1(C.Text)), C.Valid) << C.Text;
        if (C.Valid) {
            EXPECT_EQ(Value, C.Value) << C.Text;
        }
    }
}

TEST(DataTableAccess, OutsideIndexesReadNeutralAndWritesAreIgnored)
{
    TDataTable T(3, 4);
    FillPattern(T);
    for (auto [c, r] : {std::pair{0, 1}, {1, 0}, {4, 1}, {1, 5}, {-1, -1}}) {
        EXPECT_EQ(T.GetElem(c, r), 0.0);
        EXPECT_EQ(T.GetCellState(c, r), 0);
        EXPECT_FALSE(T.GetIsNumber(c, r));
        T.SetElem(c, r, 9.0);
        T.SetCellState(c, r, 0xFF);
    }
    for (int Ix : {0, 4, -3}) {
        EXPECT_EQ(T.GetColName(Ix), QString());
        EXPECT_EQ(T.GetColAttrib(Ix), 0);
        T.SetColName(Ix, QStringLiteral("x"));
        T.SetColAttrib(Ix, 1);
        EXPECT_EQ(T.GetMScaleType(Ix), mstUndefined);
        EXPECT_EQ(T.GetNominalID(Ix, 1), QString());
    }
    EXPECT_EQ(T.GetRowName(5), QString());
    EXPECT_EQ(T.GetRowAttrib(0), 0);
    // Nothing inside changed.
    for (int c = 1; c <= 3; ++c)
        ExpectColumnFrom(T, c, c, [](int r) { return r; });
}

TEST(DataTableAccess, NamesKeepFiftyCharactersAndNumberStateFollowsTheFlags)
{
    TDataTable T(2, 2);
    T.SetColName(1, QString(60, u'x'));
    T.SetRowName(2, QString(51, u'y'));
    EXPECT_EQ(T.GetColName(1), QString(50, u'x'));
    EXPECT_EQ(T.GetRowName(2), QString(50, u'y'));

    struct Case
    {
        quint8 State;
        bool IsNumber;
    };
    for (const Case& C : {Case{0, true}, Case{cstNoNumber, false}, Case{cstEmpty, false},
                          Case{cstNoNumber | cstEmpty, false}, Case{cstLocked | cstMarkA | cstMarkB, true}}) {
        T.SetCellState(1, 1, C.State);
        EXPECT_EQ(T.GetIsNumber(1, 1), C.IsNumber) << int(C.State);
    }
    T.SetFComment(QStringLiteral("measured 2024"));
    EXPECT_EQ(T.GetComment(), QStringLiteral("measured 2024"));
}

TEST(DataTableInsertRemove, RowsKeepValuesStatesNamesAndAttributesAligned)
{
    TDataTable T(3, 4);
    FillPattern(T);
    T.InsertRow(3);
    ASSERT_EQ(T.GetNrOfRows(), 5);
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(ColumnValues(T, c), (std::vector<double>{100.0 * c + 1, 100.0 * c + 2, 0, 100.0 * c + 3, 100.0 * c + 4}));
        EXPECT_EQ(T.GetCellState(c, 3), 0);
        EXPECT_EQ(T.GetCellState(c, 4), PatternState(c, 3));
    }
    EXPECT_EQ(RowNames(T), (std::vector<QString>{"R1", "R2", "", "R3", "R4"}));
    EXPECT_EQ(T.GetRowAttrib(3), 0);
    EXPECT_EQ(T.GetRowAttrib(4), 30);

    T.InsertRow(6); // after the last row
    EXPECT_EQ(RowNames(T), (std::vector<QString>{"R1", "R2", "", "R3", "R4", ""}));
    T.RemoveRow(3);
    T.RemoveRow(5);
    for (int c = 1; c <= 3; ++c)
        ExpectColumnFrom(T, c, c, [](int r) { return r; });
    EXPECT_EQ(T.GetRowAttrib(4), 40);

    for (int Bad : {0, -1, 6}) {
        T.InsertRow(Bad);
        T.RemoveRow(Bad == 6 ? 5 : Bad);
    }
    EXPECT_EQ(T.GetNrOfRows(), 4);
}

TEST(DataTableInsertRemove, ColumnsCarryTheirScaleAndNominalIdentifiers)
{
    TDataTable T(3, 2);
    FillPattern(T);
    T.SetMScaleType(2, mstNominal);
    T.SetNominalID(2, 5, QStringLiteral("red"));
    T.InsertColumn(1);
    ASSERT_EQ(T.GetNrOfColumns(), 4);
    EXPECT_EQ(T.GetColName(1), QString());
    EXPECT_EQ(T.GetElem(1, 2), 0.0);
    EXPECT_EQ(T.GetMScaleType(1), mstUndefined);
    EXPECT_EQ(T.GetMScaleType(3), mstNominal);
    EXPECT_EQ(T.GetNominalID(3, 5), QStringLiteral("red"));
    for (int c = 2; c <= 4; ++c)
        ExpectColumnFrom(T, c, c - 1, [](int r) { return r; });

    T.RemoveColumn(2);
    EXPECT_EQ(T.GetMScaleType(2), mstNominal);
    EXPECT_EQ(T.OrdinalOfNominalID(2, QStringLiteral("red"), false), 5);
    EXPECT_EQ(T.GetColName(3), QStringLiteral("C3"));
    T.RemoveColumn(5);
    T.InsertColumn(0);
    EXPECT_EQ(T.GetNrOfColumns(), 3);
}

TEST(DataTableInsertRemove, RowsAndColumnsCanGoDownToNoneAndComeBack)
{
    TDataTable T(1, 1);
    T.RemoveRow(1);
    EXPECT_EQ(T.GetNrOfRows(), 0);
    EXPECT_EQ(T.GetNrOfColumns(), 1);
    T.RemoveColumn(1);
    EXPECT_EQ(T.GetNrOfColumns(), 0);
    T.InsertRow(1);
    T.InsertColumn(1);
    EXPECT_EQ(T.GetNrOfColumns(), 1);
    EXPECT_EQ(T.GetNrOfRows(), 1);
    T.SetElem(1, 1, 2.5);
    EXPECT_EQ(T.GetElem(1, 1), 2.5);
}

TEST(DataTableMirror, ReversesLinesTogetherWithTheirHeaders)
{
    TDataTable T(3, 5);
    FillPattern(T);
    T.MirrorRows();
    for (int c = 1; c <= 3; ++c)
        ExpectColumnFrom(T, c, c, [](int r) { return 6 - r; });
    EXPECT_EQ(RowNames(T), (std::vector<QString>{"R5", "R4", "R3", "R2", "R1"}));
    EXPECT_EQ(T.GetRowAttrib(1), 50);

    T.MirrorRows();
    T.SetMScaleType(1, mstBinary);
    T.MirrorColumns();
    for (int c = 1; c <= 3; ++c)
        ExpectColumnFrom(T, c, 4 - c, [](int r) { return r; });
    EXPECT_EQ(T.GetMScaleType(3), mstBinary);
}

TEST(DataTableMarks, StateOperationsTouchOnlyTheirBits)
{
    TDataTable T(2, 2);
    T.SetCellState(1, 1, cstMarkA | cstLocked);
    T.SetCellState(2, 1, cstMarkB | cstNoNumber);
    T.SetCellState(1, 2, cstMarkA | cstMarkB | cstEmpty);
    T.SetCellState(2, 2, 0);

    T.ExchangeMarkings();
    EXPECT_EQ(T.GetCellState(1, 1), cstMarkB | cstLocked);
    EXPECT_EQ(T.GetCellState(2, 1), cstMarkA | cstNoNumber);
    EXPECT_EQ(T.GetCellState(1, 2), cstMarkA | cstMarkB | cstEmpty);
    EXPECT_EQ(T.GetCellState(2, 2), 0);

    T.InvertCellStates(cstMarkA | cstEmpty);
    EXPECT_EQ(T.GetCellState(1, 1), cstMarkA | cstMarkB | cstLocked | cstEmpty);
    EXPECT_EQ(T.GetCellState(2, 1), cstNoNumber | cstEmpty);
    EXPECT_EQ(T.GetCellState(1, 2), cstMarkB);
    EXPECT_EQ(T.GetCellState(2, 2), cstMarkA | cstEmpty);

    T.UnmarkAllCells();
    EXPECT_EQ(T.GetCellState(1, 1), cstLocked | cstEmpty);
    EXPECT_EQ(T.GetCellState(2, 1), cstNoNumber | cstEmpty);
    EXPECT_EQ(T.GetCellState(1, 2), 0);
    EXPECT_EQ(T.GetCellState(2, 2), cstEmpty);
}

TEST(DataTableMarks, FillMarkedCellsSetsCellsWithAnyMaskedBitAndCountsThem)
{
    TDataTable T(3, 1);
    T.Fill(1.0);
    T.SetCellState(1, 1, cstMarkA);
    T.SetCellState(2, 1, cstMarkB | cstNoNumber);
    int DataChanged = 0;
    T.OnDataChanged = [&](QObject*) { ++DataChanged; };

    EXPECT_EQ(T.FillMarkedCells(7.0, cstMarkA | cstMarkB), 2);
    EXPECT_EQ(ColumnValues(T, 1), std::vector<double>{7.0});
    EXPECT_EQ(T.GetElem(2, 1), 7.0);
    EXPECT_EQ(T.GetElem(3, 1), 1.0);
    EXPECT_EQ(T.GetCellState(2, 1), cstMarkB | cstNoNumber); // states stay
    EXPECT_EQ(DataChanged, 1);

    EXPECT_EQ(T.FillMarkedCells(9.0, cstLocked), 0);
    EXPECT_EQ(DataChanged, 1);
}

TEST(DataTableNominal, IdentifiersAreNumberedFromOneAndFoundByText)
{
    TDataTable T(2, 3);
    int SetupChanged = 0;
    T.OnSetupChanged = [&](QObject*) { ++SetupChanged; };
    T.SetMScaleType(1, mstNominal);
    T.SetNominalID(1, 1, QStringLiteral("Male"));
    T.SetNominalID(1, 2, QStringLiteral("Female"));
    T.SetNominalID(1, 150, QStringLiteral("Unknown_long_text"));
    EXPECT_EQ(SetupChanged, 4);
    T.SetNominalID(1, 0, QStringLiteral("x"));
    T.SetNominalID(1, 151, QStringLiteral("x"));
    T.SetNominalID(1, 2, QStringLiteral("Female"));
    EXPECT_EQ(SetupChanged, 4);

    EXPECT_EQ(T.GetNominalID(1, 2), QStringLiteral("Female"));
    EXPECT_EQ(T.GetNominalID(1, 150), QStringLiteral("Unknown_lo"));
    EXPECT_EQ(T.GetNominalID(1, 3), QString());
    EXPECT_EQ(T.GetNominalID(1, 151), QString());
    EXPECT_EQ(T.GetNominalID(2, 1), QString());

    struct Case
    {
        const char* Text;
        bool IgnoreCase;
        int Ordinal;
    };
    for (const Case& C : {Case{"Female", false, 2}, Case{"female", true, 2}, Case{"female", false, 0},
                          Case{"  Male ", false, 1}, Case{"Unknown_lo", false, 150}, Case{"", true, 0},
                          Case{"Other", true, 0}}) {
        EXPECT_EQ(T.OrdinalOfNominalID(1, QString::fromLatin1(C.Text), C.IgnoreCase), C.Ordinal) << C.Text;
    }
    EXPECT_LE(T.OrdinalOfNominalID(2, QStringLiteral("Male"), true), 0);
    EXPECT_LE(T.OrdinalOfNominalID(9, QStringLiteral("Male"), true), 0);

    EXPECT_TRUE(IsNominalScale(T.GetMScaleType(1)));
    EXPECT_FALSE(IsNominalScale(T.GetMScaleType(2)));
    EXPECT_EQ(MScaleTypeNames[mstNominal], QLatin1StringView("nominal"));
}

TEST(DataTableNotifications, ResizedReportsOldAndNewCountsBeforeDataChanged)
{
    TDataTable T(3, 4);
    std::vector<QString> Log;
    T.OnResized = [&](QObject* Sender, int OldC, int OldR, int NewC, int NewR) {
        EXPECT_EQ(Sender, &T);
        Log.push_back(QStringLiteral("resized %1x%2->%3x%4").arg(OldC).arg(OldR).arg(NewC).arg(NewR));
    };
    T.OnDataChanged = [&](QObject*) { Log.push_back(QStringLiteral("data")); };
    T.OnSetupChanged = [&](QObject*) { Log.push_back(QStringLiteral("setup")); };

    T.Resize(5, 2);
    T.Resize(5, 2); // same size: silent
    T.InsertRow(1);
    T.InsertColumn(6);
    T.RemoveRow(3);
    T.RemoveColumn(1);
    T.InsertRow(99); // ignored: silent
    T.MirrorColumns();
    T.Clear();
    TDataTable Other(2, 7);
    T.Assign(&Other);
    EXPECT_EQ(Log, (std::vector<QString>{
                       "resized 3x4->5x2",
                       "resized 5x2->5x3", "data",
                       "resized 5x3->6x3", "data",
                       "resized 6x3->6x2", "data",
                       "resized 6x2->5x2", "data",
                       "data",
                       "data", "setup",
                       "resized 5x2->2x7", "data", "setup",
                   }));
}

TEST(DataTableNotifications, CellAndHeaderWritesAreSilent)
{
    TDataTable T(2, 2);
    int Fired = 0;
    T.OnResized = [&](QObject*, int, int, int, int) { ++Fired; };
    T.OnDataChanged = [&](QObject*) { ++Fired; };
    T.OnSetupChanged = [&](QObject*) { ++Fired; };
    T.SetElem(1, 1, 3.0);
    T.SetCellState(1, 1, cstMarkA);
    T.SetColName(1, QStringLiteral("a"));
    T.SetRowAttrib(2, 4);
    T.SetFComment(QStringLiteral("c"));
    T.Fill(2.0);
    T.UnmarkAllCells();
    T.InvertCellStates(cstEmpty);
    T.ExchangeMarkings();
    EXPECT_EQ(Fired, 0);
}

TEST(DataTableResize, KeepsExistingCellsAndZeroesNewOnes)
{
    TDataTable T(2, 2);
    FillPattern(T);
    T.Resize(3, 4);
    EXPECT_EQ(T.GetElem(2, 2), 202.0);
    EXPECT_EQ(T.GetCellState(2, 2), PatternState(2, 2));
    EXPECT_EQ(T.GetRowName(2), QStringLiteral("R2"));
    EXPECT_EQ(T.GetElem(3, 4), 0.0);
    EXPECT_EQ(T.GetCellState(2, 3), 0);
    EXPECT_EQ(T.GetColName(3), QString());
    T.Resize(1, 1);
    T.Resize(2, 2);
    EXPECT_EQ(T.GetElem(1, 1), 101.0);
    EXPECT_EQ(T.GetElem(2, 2), 0.0); // cut away before, new now
    EXPECT_EQ(T.GetColName(2), QString());
}

TEST(DataTableResize, ImpossibleSizesRaiseAndLeaveTheTableAsItWas)
{
    TDataTable T(3, 4);
    FillPattern(T);
    T.SetFComment(QStringLiteral("keep"));
    int Fired = 0;
    T.OnResized = [&](QObject*, int, int, int, int) { ++Fired; };

    const std::pair<int, int> Sizes[] = {{-1, 4},
                                         {3, -1},
                                         {std::numeric_limits<int>::min(), 1},
                                         {100000, 100000},
                                         {std::numeric_limits<int>::max(), std::numeric_limits<int>::max()},
                                         {1, int(MaxMatrixCells + 1)}};
    for (auto [Cols, Rows] : Sizes) {
        EXPECT_THROW(T.Resize(Cols, Rows), EVOKMathError) << Cols << " x " << Rows;
        try {
            T.Resize(Cols, Rows);
        } catch (const EVOKError& E) {
            EXPECT_TRUE(E.Message().contains(QStringLiteral("TDataTable"))) << E.what();
        }
    }
    EXPECT_THROW(TDataTable(-2, 1), EVOKMathError);
    EXPECT_EQ(Fired, 0);
    ASSERT_EQ(T.GetNrOfColumns(), 3);
    ASSERT_EQ(T.GetNrOfRows(), 4);
    for (int c = 1; c <= 3; ++c)
        ExpectColumnFrom(T, c, c, [](int r) { return r; });
    EXPECT_EQ(T.GetRowName(4), QStringLiteral("R4"));
    EXPECT_EQ(T.GetComment(), QStringLiteral("keep"));
}

TEST(DataTableSort, RowsSortStablyWithNonNumbersLastInBothDirections)
{
    // Key column 1: 3, 1, nan-state, 3, NaN value, 1, 2 (rows 1..7).
    TDataTable T(2, 7);
    const double Keys[] = {3, 1, 5, 3, std::nan(""), 1, 2};
    for (int r = 1; r <= 7; ++r) {
        T.SetElem(1, r, Keys[r - 1]);
        T.SetElem(2, r, r); // remembers the original row
        T.SetRowName(r, QStringLiteral("R%1").arg(r));
    }
    T.SetCellState(1, 3, cstNoNumber);

    T.SortRows(1, true, 1, 1, 2, 7, true);
    EXPECT_EQ(ColumnValues(T, 2), (std::vector<double>{2, 6, 7, 1, 4, 3, 5}));
    EXPECT_EQ(RowNames(T), (std::vector<QString>{"R2", "R6", "R7", "R1", "R4", "R3", "R5"}));
    EXPECT_EQ(T.GetCellState(1, 6), cstNoNumber); // the state moved with its cell

    T.SortRows(1, false, 1, 1, 2, 7, false);
    EXPECT_EQ(ColumnValues(T, 2), (std::vector<double>{1, 4, 7, 2, 6, 3, 5}));
    // Without headers the names stay where they were.
    EXPECT_EQ(RowNames(T), (std::vector<QString>{"R2", "R6", "R7", "R1", "R4", "R3", "R5"}));
}

TEST(DataTableSort, OnlyTheBlockMoves)
{
    TDataTable T(4, 5);
    FillPattern(T);
    T.MirrorRows();       // column values descend: 105, 104, ...
    T.SortRows(2, true, 2, 2, 3, 4, false); // rows 2..4 of columns 2..3
    EXPECT_EQ(ColumnValues(T, 1), (std::vector<double>{105, 104, 103, 102, 101}));
    EXPECT_EQ(ColumnValues(T, 2), (std::vector<double>{205, 202, 203, 204, 201}));
    EXPECT_EQ(ColumnValues(T, 3), (std::vector<double>{305, 302, 303, 304, 301}));
    EXPECT_EQ(ColumnValues(T, 4), (std::vector<double>{405, 404, 403, 402, 401}));

    // A key outside the table, or a block outside it, changes nothing.
    int DataChanged = 0;
    T.OnDataChanged = [&](QObject*) { ++DataChanged; };
    T.SortRows(5, true, 1, 1, 4, 5, true);
    T.SortRows(1, true, 5, 1, 9, 5, true);
    T.SortCols(0, true, 1, 1, 4, 5, true);
    EXPECT_EQ(DataChanged, 0);
    // Reversed corners mean the same block.
    T.SortRows(1, true, 4, 5, 1, 1, false);
    EXPECT_EQ(ColumnValues(T, 1), (std::vector<double>{101, 102, 103, 104, 105}));
    EXPECT_EQ(DataChanged, 1);
}

TEST(DataTableSort, ColumnsSortByARowWithTheirHeaders)
{
    TDataTable T(4, 2);
    FillPattern(T);
    const double Keys[] = {2, 9, 2, 1};
    for (int c = 1; c <= 4; ++c)
        T.SetElem(c, 1, Keys[c - 1]);
    T.SetMScaleType(2, mstOrdinal);
    T.SortCols(1, false, 1, 1, 4, 2, true);
    for (auto [c, Orig] : {std::pair{1, 2}, {2, 1}, {3, 3}, {4, 4}}) {
        EXPECT_EQ(T.GetColName(c), QStringLiteral("C%1").arg(Orig));
        EXPECT_EQ(T.GetElem(c, 2), 100 * Orig + 2);
    }
    EXPECT_EQ(T.GetMScaleType(1), mstOrdinal);

    // Within rows 2..2 only: row 1 stays, the columns of row 2 reorder.
    T.SortCols(2, true, 1, 2, 4, 2, false);
    EXPECT_EQ(T.GetElem(1, 2), 102.0);
    EXPECT_EQ(T.GetElem(4, 2), 402.0);
    EXPECT_EQ(T.GetElem(1, 1), 9.0);
    EXPECT_EQ(T.GetColName(1), QStringLiteral("C2"));
}

TEST(DataTableSort, ReplayingTheExchangesReproducesTheOrder)
{
    const int N = 300;
    TDataTable T(2, N);
    for (int r = 1; r <= N; ++r) {
        T.SetElem(1, r, (r * 7919) % 61); // many ties
        T.SetElem(2, r, r);
    }
    std::vector<int> Shadow(N + 1);
    for (int r = 1; r <= N; ++r)
        Shadow[r] = r;
    int Exchanges = 0;
    std::vector<int> Percents;
    int DataChanged = 0;
    T.OnSortExchange = [&](QObject* Sender, TDTExchgKind Kind, int I1, int I2) {
        EXPECT_EQ(Sender, &T);
        EXPECT_EQ(Kind, xkRows);
        ASSERT_TRUE(I1 >= 1 && I1 <= N && I2 >= 1 && I2 <= N && I1 != I2);
        std::swap(Shadow[I1], Shadow[I2]);
        ++Exchanges;
    };
    T.OnPercentDone = [&](QObject*, int Percent) { Percents.push_back(Percent); };
    T.OnDataChanged = [&](QObject*) { ++DataChanged; };

    T.SortRows(1, true, 1, 1, 2, N, true);
    EXPECT_LT(Exchanges, N);
    for (int r = 1; r <= N; ++r)
        EXPECT_EQ(Shadow[r], T.GetElem(2, r)) << r;
    for (int r = 2; r <= N; ++r) {
        const double A = T.GetElem(1, r - 1), B = T.GetElem(1, r);
        EXPECT_TRUE(A < B || (A == B && T.GetElem(2, r - 1) < T.GetElem(2, r))) << r;
    }
    ASSERT_FALSE(Percents.empty());
    EXPECT_TRUE(std::is_sorted(Percents.begin(), Percents.end()));
    EXPECT_EQ(Percents.back(), 100);
    EXPECT_EQ(DataChanged, 1);

    // Sorted already: no exchange, no data change.
    Exchanges = 0;
    T.SortRows(1, true, 1, 1, 2, N, true);
    EXPECT_EQ(Exchanges, 0);
    EXPECT_EQ(DataChanged, 1);
}

TEST(DataTableSort, AHandlerThatShrinksTheTableEndsTheSort)
{
    TDataTable T(3, 6);
    for (int r = 1; r <= 6; ++r)
        T.SetElem(1, r, 7 - r);
    T.OnSortExchange = [&](QObject*, TDTExchgKind, int, int) { T.RemoveRow(T.GetNrOfRows()); };
    T.SortRows(1, true, 1, 1, 3, 6, true);
    EXPECT_EQ(T.GetNrOfRows(), 5);
    T.OnSortExchange = nullptr;
    T.OnPercentDone = [&](QObject*, int) { T.Resize(1, 1); };
    T.SortCols(1, true, 1, 1, 3, 5, true);
    EXPECT_EQ(T.GetNrOfColumns(), 1);
}

TEST(DataTableSort, ByNamesAndAttributesMovesTheHeaders)
{
    TDataTable T(3, 4);
    FillPattern(T);
    const char* Names[] = {"beta", "Alpha", "alpha", "Gamma"};
    for (int r = 1; r <= 4; ++r)
        T.SetRowName(r, QString::fromLatin1(Names[r - 1]));
    T.SortRowNames(true, true, 1, 1, 3, 4);
    EXPECT_EQ(RowNames(T), (std::vector<QString>{"Alpha", "alpha", "beta", "Gamma"}));
    EXPECT_EQ(ColumnValues(T, 1), (std::vector<double>{102, 103, 101, 104}));

    T.SortRowNames(true, false, 1, 1, 3, 4); // case-sensitive: upper case first
    EXPECT_EQ(RowNames(T), (std::vector<QString>{"Alpha", "Gamma", "alpha", "beta"}));

    T.SortColAttributes(false, 1, 1, 3, 4);
    EXPECT_EQ(T.GetColAttrib(1), 3);
    EXPECT_EQ(T.GetColName(1), QStringLiteral("C3"));
    EXPECT_EQ(T.GetElem(1, 1), 302.0);
    T.SortRowAttributes(true, 1, 1, 3, 4);
    EXPECT_EQ(T.GetRowAttrib(1), 10);
    EXPECT_EQ(T.GetRowName(1), QStringLiteral("beta"));

    T.SetColName(1, QStringLiteral("b"));
    T.SetColName(2, QStringLiteral("c"));
    T.SetColName(3, QStringLiteral("a"));
    T.SortColNames(false, false, 1, 1, 3, 4);
    EXPECT_EQ(T.GetColName(1), QStringLiteral("c"));
    EXPECT_EQ(T.GetColName(3), QStringLiteral("a"));
}

TEST(DataTableCopy, BlockCopiesClipToBothTables)
{
    TDataTable Source(4, 4);
    FillPattern(Source);
    TDataTable Buffer(7, 7);

    // As a copy buffer: the selection lands at (1, 1).
    Buffer.Resize(2, 3);
    EXPECT_EQ(Buffer.CopyBlockFrom(Source, 2, 2, 3, 4, 1, 1), 6);
    EXPECT_EQ(Buffer.GetElem(1, 1), 202.0);
    EXPECT_EQ(Buffer.GetElem(2, 3), 304.0);
    EXPECT_EQ(Buffer.GetCellState(2, 3), PatternState(3, 4));

    // Pasted near the bottom-right corner: only the part inside is written.
    TDataTable Target(4, 4);
    int DataChanged = 0;
    Target.OnDataChanged = [&](QObject*) { ++DataChanged; };
    EXPECT_EQ(Target.CopyBlockFrom(Buffer, 1, 1, 2, 3, 4, 3), 2);
    EXPECT_EQ(Target.GetElem(4, 3), 202.0);
    EXPECT_EQ(Target.GetElem(4, 4), 203.0);
    EXPECT_EQ(Target.GetElem(3, 3), 0.0);
    EXPECT_EQ(DataChanged, 1);

    // A source block partly outside its table keeps the cell-to-cell mapping.
    TDataTable Fresh(4, 4);
    EXPECT_EQ(Fresh.CopyBlockFrom(Source, 0, 0, 1, 1, 1, 1), 1);
    EXPECT_EQ(Fresh.GetElem(2, 2), 101.0);
    // Entirely outside: nothing.
    EXPECT_EQ(Fresh.CopyBlockFrom(Source, 1, 1, 4, 4, 5, 1), 0);
    EXPECT_EQ(Fresh.CopyBlockFrom(Source, 1, 1, 4, 4, -4, 1), 0);
    EXPECT_EQ(Fresh.CopyBlockFrom(Source, 1, 1, 4, 4, std::numeric_limits<int>::max(), 1), 0);
    EXPECT_EQ(DataChanged, 1);
}

TEST(DataTableCopy, OverlappingCopyWithinOneTableReadsTheOriginalCells)
{
    TDataTable T(4, 4);
    FillPattern(T);
    EXPECT_EQ(T.CopyBlockFrom(T, 1, 1, 3, 3, 2, 2), 9);
    EXPECT_EQ(T.GetElem(2, 2), 101.0);
    EXPECT_EQ(T.GetElem(4, 4), 303.0);
    EXPECT_EQ(T.GetElem(3, 3), 202.0);
    EXPECT_EQ(T.GetElem(1, 1), 101.0);
    EXPECT_EQ(T.CopyBlockFrom(T, 2, 2, 4, 4, 1, 1), 9);
    EXPECT_EQ(T.GetElem(1, 1), 101.0);
    EXPECT_EQ(T.GetElem(3, 3), 303.0);
}

TEST(DataTableCopy, AssignTakesEverythingAndCellStatesNeedEqualSizes)
{
    TDataTable Source(3, 2);
    FillPattern(Source);
    Source.SetFComment(QStringLiteral("source"));
    Source.SetMScaleType(3, mstBinary);
    Source.SetNominalID(3, 1, QStringLiteral("no"));
    TDataTable T(1, 1);
    T.Assign(&Source);
    for (int c = 1; c <= 3; ++c)
        ExpectColumnFrom(T, c, c, [](int r) { return r; });
    EXPECT_EQ(T.GetRowName(2), QStringLiteral("R2"));
    EXPECT_EQ(T.GetComment(), QStringLiteral("source"));
    EXPECT_EQ(T.GetNominalID(3, 1), QStringLiteral("no"));
    Source.SetElem(1, 1, -1.0);
    EXPECT_EQ(T.GetElem(1, 1), 101.0); // a copy, not shared

    TMatrix Plain(2, 2);
    Plain.Fill(4.0);
    T.Assign(&Plain);
    EXPECT_EQ(T.GetNrOfColumns(), 2);
    EXPECT_EQ(T.GetElem(2, 2), 4.0);
    EXPECT_EQ(T.GetColName(2), QStringLiteral("C2")); // headers stay aligned
    QObject NotAMatrix;
    EXPECT_THROW(T.Assign(&NotAMatrix), EVOKMathError);
    EXPECT_THROW(T.Assign(nullptr), EVOKMathError);

    TDataTable Marks(2, 2);
    Marks.SetCellState(2, 1, cstMarkA);
    EXPECT_TRUE(T.CopyCellStatesFrom(Marks));
    EXPECT_EQ(T.GetCellState(2, 1), cstMarkA);
    EXPECT_EQ(T.GetCellState(1, 1), 0);
    TDataTable Other(3, 2);
    Other.SetCellState(1, 1, cstEmpty);
    EXPECT_FALSE(T.CopyCellStatesFrom(Other));
    EXPECT_EQ(T.GetCellState(1, 1), 0);
}

TEST(DataTableClear, EmptiesContentButKeepsTheSize)
{
    TDataTable T(3, 2);
    FillPattern(T);
    T.SetMScaleType(1, mstNominal);
    T.SetNominalID(1, 1, QStringLiteral("x"));
    T.SetFComment(QStringLiteral("c"));
    T.Clear();
    EXPECT_EQ(T.GetNrOfColumns(), 3);
    EXPECT_EQ(T.GetNrOfRows(), 2);
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(T.GetColName(c), QString());
        EXPECT_EQ(T.GetColAttrib(c), 0);
        for (int r = 1; r <= 2; ++r) {
            EXPECT_EQ(T.GetElem(c, r), 0.0);
            EXPECT_EQ(T.GetCellState(c, r), 0);
        }
    }
    EXPECT_EQ(T.GetRowName(1), QString());
    EXPECT_EQ(T.GetMScaleType(1), mstUndefined);
    EXPECT_EQ(T.GetNominalID(1, 1), QString());
    EXPECT_EQ(T.GetComment(), QString());
}

TEST(IntMatrix, SetNRowsKeepsRowsAndGrowsWithZeros)
{
    // Used as a holiday list: day, month, year per row.
    TIntMatrix M(3, 8);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 3; ++c)
            M.SetVal(c, r, 10 * r + c);
    M.SetNRows(10);
    EXPECT_EQ(M.GetNrOfRows(), 10);
    EXPECT_EQ(M.GetNrOfColumns(), 3);
    EXPECT_EQ(M.GetVal(3, 8), 83);
    EXPECT_EQ(M.GetVal(2, 9), 0);
    M.SetNRows(2);
    EXPECT_EQ(M.GetVal(2, 2), 22);
    EXPECT_EQ(M.GetVal(2, 3), 0); // outside now
    M.SetNRows(0);
    EXPECT_EQ(M.GetNrOfRows(), 0);
    M.SetNRows(1);
    EXPECT_EQ(M.GetVal(1, 1), 0);

    M.Resize(2, 2);
    M.SetVal(2, 2, 5);
    for (auto [c, r] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 3}}) {
        M.SetVal(c, r, 7);
        EXPECT_EQ(M.GetVal(c, r), 0);
    }
    EXPECT_THROW(M.SetNRows(-1), EVOKMathError);
    EXPECT_THROW(M.Resize(1 << 20, 1 << 20), EVOKMathError);
    EXPECT_EQ(M.GetNrOfColumns(), 2);
    EXPECT_EQ(M.GetNrOfRows(), 2);
    EXPECT_EQ(M.GetVal(2, 2), 5);
}

TEST(Matrix, FillSetsEveryElementAndResizeKeepsThem)
{
    TMatrix M(3, 2);
    M.Fill(-1.5);
    M.Resize(4, 3);
    EXPECT_EQ(M.GetElem(3, 2), -1.5);
    EXPECT_EQ(M.GetElem(4, 3), 0.0);
    M.Fill(2.0);
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(M.GetElem(c, r), 2.0);
    EXPECT_THROW(M.Resize(-1, 0), EVOKMathError);
}
