// The report data container: cells and check marks, column descriptors,
// structure operations, numbers and default values, sorting and assignment.
#include <vok/Vok_replist.h>

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMetaProperty>

using namespace vok;

namespace {

// A container with the given column texts (one string per row, cells split at "|").
void FillRows(TRLData& D, const QStringList& Rows)
{
    D.SetNrOfColumns(int(Rows.value(0).split(QLatin1Char('|')).size()));
    D.SetNrOfRows(int(Rows.size()));
    for (int R = 0; R < Rows.size(); ++R) {
        const QStringList Cells = Rows[R].split(QLatin1Char('|'));
        for (int C = 0; C < Cells.size(); ++C)
            D.SetElem(C + 1, R + 1, Cells[C]);
    }
}

QStringList RawColumn(const TRLData& D, int Col)
{
    QStringList Cells;
    for (int Row = 1; Row <= D.GetNrOfRows(); ++Row)
        Cells << D.Store().GetString(Col, Row);
    return Cells;
}

QStringList VisibleColumn(const TRLData& D, int Col)
{
    QStringList Cells;
    for (int Row = 1; Row <= D.GetNrOfRows(); ++Row)
        Cells << D.GetElem(Col, Row);
    return Cells;
}

} // namespace

TEST(RLDataSetup, NewContainerAndSizeClamps)
{
    TRLData D;
    EXPECT_EQ(D.GetNrOfColumns(), 1);
    EXPECT_EQ(D.GetNrOfRows(), 0);
    EXPECT_EQ(D.GetColName(1), QStringLiteral("C-1"));
    EXPECT_EQ(D.GetCommonHeader(), QStringLiteral("Vok Report Listview"));
    EXPECT_EQ(D.GetLastSortColumn(), -1);
    EXPECT_TRUE(D.GetLastSortOrder());
    EXPECT_EQ(D.GetProgressCellCount(), 1);

    D.SetNrOfColumns(0);
    EXPECT_EQ(D.GetNrOfColumns(), 1);
    D.SetNrOfColumns(-5);
    EXPECT_EQ(D.GetNrOfColumns(), 1);
    D.SetNrOfRows(-1);
    EXPECT_EQ(D.GetNrOfRows(), 0);

    D.SetNrOfColumns(2);
    D.SetColName(1, QStringLiteral("first"));
    D.SetNrOfColumns(4);
    EXPECT_EQ(D.GetColName(1), QStringLiteral("first"));
    EXPECT_EQ(D.GetColName(2), QStringLiteral("C-2"));
    EXPECT_EQ(D.GetColName(4), QStringLiteral("C-4"));
    EXPECT_EQ(D.GetColName(5), QString());

    D.SetNrOfRows(1000);
    EXPECT_EQ(D.GetProgressCellCount(), 5000);
    EXPECT_EQ(D.GetProgressStep(), 51);
}

TEST(RLDataSetup, PublishedPropertiesResetToTheirDefaults)
{
    TRLData D;
    D.setProperty("NrOfColumns", 3);
    D.setProperty("CommonHeader", QStringLiteral("Lab\nRun 7"));
    EXPECT_EQ(D.GetNrOfColumns(), 3);
    const QMetaObject* Meta = D.metaObject();
    for (const char* Name : {"NrOfColumns", "NrOfRows", "CommonHeader"}) {
        const QMetaProperty P = Meta->property(Meta->indexOfProperty(Name));
        ASSERT_TRUE(P.isResettable()) << Name;
        P.reset(&D);
    }
    EXPECT_EQ(D.GetNrOfColumns(), 1);
    EXPECT_EQ(D.GetCommonHeader(), QStringLiteral("Vok Report Listview"));
}

TEST(RLDataCells, BoundsLengthLimitsAndColumnZero)
{
    TRLData D;
    D.SetNrOfColumns(2);
    D.SetNrOfRows(2);
    D.SetElem(0, 1, QStringLiteral("hidden"));
    D.SetElem(3, 1, QStringLiteral("ignored"));
    D.SetElem(1, 3, QStringLiteral("ignored"));
    EXPECT_EQ(D.GetElem(0, 1), QStringLiteral("hidden"));
    EXPECT_EQ(D.GetElem(3, 1), QString());
    EXPECT_EQ(D.GetElem(1, 0), QString());

    const QString Long(300, QLatin1Char('x'));
    D.SetElem(1, 1, Long);
    EXPECT_EQ(D.GetElem(1, 1).size(), 255);
    D.SetColCheckMode(2, cmBox);
    D.SetElem(2, 1, Long);
    EXPECT_EQ(D.GetElem(2, 1).size(), 254);

    D.SetColName(1, Long);
    EXPECT_EQ(D.GetColName(1).size(), 50);
    D.SetColumnFormat(1, Long);
    EXPECT_EQ(D.GetColumnFormat(1).size(), 80);
}

TEST(RLDataCheckMarks, ModeConversionsKeepTextsAndFlags)
{
    TRLData D;
    FillRows(D, {QStringLiteral("a"), QString(), QStringLiteral("b")});
    D.SetColCheckMode(1, cmBox);
    EXPECT_EQ(RawColumn(D, 1), (QStringList{QStringLiteral(" a"), QString(), QStringLiteral(" b")}));
    EXPECT_EQ(VisibleColumn(D, 1), (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(D.CountCheckedElemsInCol(1), 0);

    D.SetElemChecked(1, 1, true);
    D.SetElemChecked(1, 2, true); // an empty cell becomes just its flag
    EXPECT_EQ(RawColumn(D, 1), (QStringList{QStringLiteral("Xa"), QStringLiteral("X"), QStringLiteral(" b")}));
    D.SetElem(1, 1, QStringLiteral("new")); // the flag stays
    EXPECT_TRUE(D.GetElemChecked(1, 1));
    EXPECT_EQ(D.GetElem(1, 1), QStringLiteral("new"));

    D.SetColCheckMode(1, cmRadio); // box -> radio unchecks everything
    EXPECT_EQ(D.CountCheckedElemsInCol(1), 0);
    EXPECT_EQ(RawColumn(D, 1), (QStringList{QStringLiteral(" new"), QStringLiteral(" "), QStringLiteral(" b")}));

    D.SetElemChecked(1, 3, true);
    D.SetColCheckMode(1, cmBox); // radio -> box changes nothing
    EXPECT_TRUE(D.GetElemChecked(1, 3));
    D.SetColCheckMode(1, cmNone);
    EXPECT_EQ(RawColumn(D, 1), (QStringList{QStringLiteral("new"), QString(), QStringLiteral("b")}));
}

TEST(RLDataCheckMarks, RadioColumnsHoldAtMostOneMark)
{
    TRLData D;
    FillRows(D, {QStringLiteral("a|x"), QStringLiteral("b|y"), QStringLiteral("c|z")});
    D.SetColCheckMode(1, cmRadio);
    D.SetElemChecked(1, 1, true);
    D.SetElemChecked(1, 3, true);
    EXPECT_EQ(D.CountCheckedElemsInCol(1), 1);
    EXPECT_EQ(D.FirstCheckedElemInCol(1), 3);

    D.SetAllCheckmarksOfCol(1, true); // refused for a radio column
    EXPECT_EQ(D.CountCheckedElemsInCol(1), 1);
    D.SetAllCheckmarksOfCol(1, false);
    EXPECT_EQ(D.CountCheckedElemsInCol(1), 0);

    D.SetElemChecked(2, 1, true); // not a check column
    D.SetAllCheckmarksOfCol(2, true);
    EXPECT_EQ(RawColumn(D, 2), (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
    EXPECT_EQ(D.FirstCheckedElemInCol(2), 0);
}

TEST(RLDataCheckMarks, BulkOperationsCountAndSkipDisabledRows)
{
    TRLData D;
    FillRows(D, {QStringLiteral("a|p|1"), QStringLiteral("b|q|2"), QStringLiteral("|r|3")});
    D.SetColCheckMode(1, cmBox);
    D.SetColCheckMode(2, cmBox);
    D.SetElemChecked(1, 2, true);

    D.InvertAllCheckmarksOfCol(1);
    EXPECT_EQ(RawColumn(D, 1), (QStringList{QStringLiteral("Xa"), QStringLiteral(" b"), QStringLiteral("X")}));

    D.Store().SetRowAttrib(2, RowAttribDisabled);
    D.SetAllCheckmarksOfColIntern(2, true, true);
    EXPECT_EQ(RawColumn(D, 2), (QStringList{QStringLiteral("Xp"), QStringLiteral(" q"), QStringLiteral("Xr")}));
    D.InvertAllCheckmarksOfColIntern(2, true);
    EXPECT_EQ(RawColumn(D, 2), (QStringList{QStringLiteral(" p"), QStringLiteral(" q"), QStringLiteral(" r")}));

    D.SetAllCheckmarksOfCol(2, true);
    EXPECT_EQ(D.CountCheckedElemsInRow(1), 2);
    EXPECT_EQ(D.CountCheckedElemsInRow(2), 1);
    EXPECT_EQ(D.FirstCheckedElemInRow(2), 2);
    EXPECT_EQ(D.FirstCheckedElemInRow(4), 0);
    EXPECT_EQ(D.CountCheckedElemsInCol(9), 0);
    EXPECT_TRUE(D.GetCheckedCol(1));
    D.SetColCheckMode(1, cmRadio);
    EXPECT_FALSE(D.GetCheckedCol(1));
}

TEST(RLDataStructure, InsertAndRemoveColumnsAndRows)
{
    TRLData D;
    FillRows(D, {QStringLiteral("a|b"), QStringLiteral("c|d")});
    D.SetColCheckMode(2, cmBox);
    D.InsertColumn(2);
    EXPECT_EQ(D.GetNrOfColumns(), 3);
    EXPECT_EQ(D.GetColName(2), QString());
    EXPECT_EQ(D.GetColName(3), QStringLiteral("C-2"));
    EXPECT_EQ(D.GetColCheckMode(3), cmBox);
    EXPECT_EQ(D.GetElem(3, 2), QStringLiteral("d"));
    D.InsertColumn(4); // only inside 1..NrOfColumns
    EXPECT_EQ(D.GetNrOfColumns(), 3);

    D.RemoveColumn(1);
    D.RemoveColumn(1);
    EXPECT_EQ(D.GetElem(1, 1), QStringLiteral("b"));
    D.RemoveColumn(1); // the only column: emptied, count 0
    EXPECT_EQ(D.GetNrOfColumns(), 0);
    EXPECT_EQ(D.Store().GetString(1, 1), QString());

    TRLData R;
    FillRows(R, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    R.InsertRow(2);
    EXPECT_EQ(VisibleColumn(R, 1), (QStringList{QStringLiteral("1"), QString(), QStringLiteral("2"), QStringLiteral("3")}));
    R.RemoveRow(1);
    R.RemoveRow(1);
    R.RemoveRow(1);
    R.Store().SetRowAttrib(1, RowAttribSelected);
    R.RemoveRow(1); // the only row: emptied, count 0
    EXPECT_EQ(R.GetNrOfRows(), 0);
    R.SetNrOfRows(1);
    EXPECT_EQ(R.GetElem(1, 1), QString());
    EXPECT_EQ(R.Store().GetRowAttrib(1), 0);
}

TEST(RLDataStructure, EmptyRowsFillCopyAndClear)
{
    TRLData D;
    FillRows(D, {QStringLiteral("a|"), QStringLiteral("|"), QStringLiteral("|x"), QStringLiteral("|")});
    D.SetColCheckMode(1, cmBox);
    D.SetElemChecked(1, 2, true); // a lone flag still counts as empty
    D.RemoveEmptyRows();
    EXPECT_EQ(D.GetNrOfRows(), 2);
    EXPECT_EQ(D.GetElem(2, 2), QStringLiteral("x"));

    D.Store().SetRowAttrib(1, RowAttribDisabled);
    D.SetElem(0, 1, QStringLiteral("key"));
    D.CopyRow(1, 2);
    EXPECT_EQ(D.GetElem(0, 2), QStringLiteral("key"));
    EXPECT_EQ(D.Store().GetRowAttrib(2), RowAttribDisabled);

    D.SetElemChecked(1, 1, true);
    D.Fill(QStringLiteral("f"));
    EXPECT_EQ(RawColumn(D, 1), (QStringList{QStringLiteral("Xf"), QStringLiteral(" f")}));
    EXPECT_EQ(VisibleColumn(D, 2), (QStringList{QStringLiteral("f"), QStringLiteral("f")}));
    EXPECT_EQ(D.GetElem(0, 1), QStringLiteral("key"));

    D.SetColName(2, QStringLiteral("named"));
    D.Clear();
    EXPECT_EQ(D.GetNrOfRows(), 2);
    EXPECT_EQ(D.GetColName(2), QStringLiteral("C-2"));
    EXPECT_EQ(D.GetColCheckMode(1), cmNone);
    EXPECT_EQ(D.GetElem(2, 1), QString());
}

TEST(RLDataStructure, RemovingEmptyRowsCommitsTheSortAndKeepsRowAttributes)
{
    TRLData D;
    FillRows(D, {QStringLiteral("b|"), QStringLiteral("|"), QStringLiteral("a|"), QStringLiteral("|"),
                 QStringLiteral("|"), QStringLiteral("c|")});
    D.Store().SetRowAttrib(1, RowAttribSelected);
    D.Store().SetRowAttrib(2, RowAttribDisabled);
    D.Sort(1, -1, false);
    D.RemoveEmptyRows();
    EXPECT_EQ(VisibleColumn(D, 1), (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_EQ(D.Store().GetRowAttrib(1), 0);
    EXPECT_EQ(D.Store().GetRowAttrib(2), RowAttribSelected);
    EXPECT_EQ(D.Store().GetRowAttrib(3), 0);
    EXPECT_FALSE(D.Store().IsSorted());

    // The watcher (the view) hears of the whole removal once, not per row.
    TRLData E;
    FillRows(E, {QStringLiteral("|"), QStringLiteral("x|"), QStringLiteral("|"), QStringLiteral("|y")});
    int Changes = 0;
    E.Store().OnChange = [&Changes](QObject*) { ++Changes; };
    E.RemoveEmptyRows();
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(VisibleColumn(E, 1), (QStringList{QStringLiteral("x"), QString()}));

    // No row left: the emptied place of row 1 keeps no attribute.
    TRLData F;
    FillRows(F, {QStringLiteral("|"), QStringLiteral("|")});
    F.Store().SetRowAttrib(1, RowAttribSelected);
    F.RemoveEmptyRows();
    EXPECT_EQ(F.GetNrOfRows(), 0);
    F.SetNrOfRows(1);
    EXPECT_EQ(F.Store().GetRowAttrib(1), 0);
}

TEST(RLDataStructure, GrowingFromNoColumnsNamesEveryNewColumn)
{
    TRLData D;
    D.SetColName(1, QStringLiteral("only"));
    D.SetColumnFormat(1, QStringLiteral("[i]"));
    D.SetColCheckMode(1, cmBox);
    D.RemoveColumn(1);
    D.SetNrOfColumns(3);
    EXPECT_EQ(D.GetColName(1), QStringLiteral("C-1"));
    EXPECT_EQ(D.GetColName(2), QStringLiteral("C-2"));
    EXPECT_EQ(D.GetColName(3), QStringLiteral("C-3"));
    EXPECT_EQ(D.GetColumnFormat(1), QString());
    EXPECT_EQ(D.GetColCheckMode(1), cmNone);
}

TEST(RLDataStructure, EmptyingTheRowCountKeepsCheckFlags)
{
    TRLData D;
    FillRows(D, {QStringLiteral("a|b")});
    D.SetColCheckMode(1, cmBox);
    D.SetElemChecked(1, 1, true);
    D.SetNrOfRows(0);
    EXPECT_EQ(D.Store().GetString(1, 1), QStringLiteral("X"));
    EXPECT_EQ(D.Store().GetString(2, 1), QString());
}

TEST(RLDataColumns, ColumnIndexPrefersTheHighestMatch)
{
    TRLData D;
    D.SetNrOfColumns(3);
    D.SetColName(1, QStringLiteral("name"));
    D.SetColName(2, QStringLiteral("Name"));
    D.SetColName(3, QStringLiteral("Surname"));
    EXPECT_EQ(D.ColumnIndex(QStringLiteral("NAME"), false), 2);
    EXPECT_EQ(D.ColumnIndex(QStringLiteral("NAME"), true), 3);
    EXPECT_EQ(D.ColumnIndex(QStringLiteral("x"), true), -1);
}

TEST(RLDataNumbers, GetAsNumberReadsCommasAndRejectsText)
{
    TRLData D;
    FillRows(D, {QStringLiteral(" 3,5 |"), QStringLiteral("-1.25e3|1e999"), QStringLiteral("abc|1,000.5")});
    D.SetNrOfRows(7);
    D.SetElem(2, 7, QStringLiteral("abc"));
    EXPECT_DOUBLE_EQ(D.GetAsNumber(1, 1), 3.5);
    EXPECT_DOUBLE_EQ(D.GetAsNumber(2, 1), 0.0);
    EXPECT_DOUBLE_EQ(D.GetAsNumber(1, 2), -1250.0);
    try {
        D.GetAsNumber(2, 7);
        FAIL() << "no error";
    } catch (const EVOKDStructError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Class TRLData: invalid numeric string: [2,7]: abc"));
    }
    EXPECT_THROW(D.GetAsNumber(2, 2), EVOKDStructError); // out of range
    EXPECT_THROW(D.GetAsNumber(2, 3), EVOKDStructError); // two separators

    D.SetColCheckMode(1, cmBox);
    D.SetElemChecked(1, 2, true);
    EXPECT_DOUBLE_EQ(D.GetAsNumber(1, 2), -1250.0);
    try {
        D.GetAsNumber(1, 3);
        FAIL() << "no error";
    } catch (const EVOKDStructError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Class TRLData: invalid numeric string: [1,3]:  abc"));
    }
}

TEST(RLDataDefaults, CellDefaultValueByColumnFormat)
{
    struct Case
    {
        const char* Format;
        int Row;
        const char* Expected;
    };
    const Case Cases[] = {
        {"[i][60]rix3", 7, "007"},
        {"[i]rix2", 1234, "34"},
        {"[i]rix0", 5, "5"},
        {"[i]rix3", -4, "-004"},
        {"[h]rix4", 255, "00FF"},
        {"[h]rix0", 255, "F"},
        {"[h]rix12", -1, "FFFFFFFF"},
        {"[f]RIX2", 3, "3.00"},
        {"[e][80]rix1", 12, "12.0"},
        {"[i]42", 9, "42"},
        {"[l]red|green", 1, "red"},
        {"[c:5][120]red|green|blue", 1, "red"},
        {"[l:5]plain", 1, "plain"},
        {"[dyyyy-MM-dd][100]2024-02-29", 1, "2024-02-29"},
        {"[s]abc", 1, "abc"},
        // A read-only column proposes its default all the same.
        {"[#s]abc", 1, "abc"},
        {"[#i][80]rix3", 12, "012"},
        {"[#l]red|green", 1, "red"},
        {"[#]abc", 1, ""},
        {"[x]abc", 1, ""},
        {"abc", 1, ""},
        {"[i]", 1, ""},
        {"[i][60]", 1, ""},
    };
    TRLData D;
    D.SetNrOfRows(1);
    for (const Case& C : Cases) {
        D.SetColumnFormat(1, QString::fromUtf8(C.Format));
        EXPECT_EQ(D.GetCellDefaultValue(1, C.Row), QString::fromUtf8(C.Expected)) << C.Format << " row " << C.Row;
    }
    D.SetColumnFormat(1, QStringLiteral("[s][90]$pwd$12"));
    const QString Password = D.GetCellDefaultValue(1, 1);
    EXPECT_EQ(Password.size(), 12);
    EXPECT_NE(D.GetCellDefaultValue(1, 1), Password);
    D.SetColumnFormat(1, QStringLiteral("[s]$pwd$99999999"));
    EXPECT_EQ(D.GetCellDefaultValue(1, 1).size(), 255);
    EXPECT_EQ(D.GetCellDefaultValue(2, 1), QString());
}

TEST(RLDataSorting, SortStateAndExchangeEvent)
{
    TRLData D;
    FillRows(D, {QStringLiteral("b|2"), QStringLiteral("a|10"), QStringLiteral("c|1")});
    int Exchanges = 0;
    D.OnBeforeSortExchange = [&](QObject* Sender, int, int) {
        EXPECT_EQ(Sender, &D);
        ++Exchanges;
    };
    D.Sort(2, -1, true);
    EXPECT_EQ(VisibleColumn(D, 1), (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
    EXPECT_GT(Exchanges, 0);
    D.Sort(3, -1, false);
    D.UnSort();
    EXPECT_EQ(D.GetLastSortColumn(), -1);
    EXPECT_EQ(D.GetSecondarySortColumn(), -1);
    EXPECT_FALSE(D.GetLastSortOrder());
    EXPECT_EQ(VisibleColumn(D, 1), (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")}));
}

TEST(RLDataAssign, CopyKeepsPendingSortAndEverySetting)
{
    TRLData Source;
    FillRows(Source, {QStringLiteral("b|2"), QStringLiteral("a|10"), QStringLiteral("c|1")});
    Source.SetElem(0, 2, QStringLiteral("row a"));
    Source.SetColCheckMode(2, cmBox);
    Source.SetElemChecked(2, 3, true);
    Source.SetColumnFormat(1, QStringLiteral("[s]x"));
    Source.SetComment(QStringLiteral("note"));
    Source.SetDataID(QStringLiteral("set"));
    Source.SetSortToggle(false);
    Source.Store().SetRowAttrib(2, RowAttribSelected);
    Source.Sort(1, -1, true);

    TRLData Copy;
    Copy.Assign(&Source);
    EXPECT_EQ(VisibleColumn(Copy, 1), VisibleColumn(Source, 1));
    EXPECT_EQ(Copy.GetElem(0, 1), QStringLiteral("row a"));
    EXPECT_EQ(Copy.Store().GetRowAttrib(1), RowAttribSelected);
    EXPECT_EQ(Copy.GetLastSortColumn(), 1);
    EXPECT_TRUE(Copy.GetElemChecked(2, 3));
    EXPECT_EQ(Copy.GetColumnFormat(1), QStringLiteral("[s]x"));
    EXPECT_EQ(Copy.GetComment(), QStringLiteral("note"));
    EXPECT_EQ(Copy.GetDataID(), QStringLiteral("set"));
    EXPECT_FALSE(Copy.GetSortToggle());
    // The physical order and the pending sort are the source's: unsorting
    // shows the original order in both.
    Copy.UnSort();
    Source.UnSort();
    EXPECT_EQ(VisibleColumn(Copy, 1), VisibleColumn(Source, 1));
    EXPECT_EQ(Copy.Store().GetRowAttrib(2), RowAttribSelected);

    TRLData Other;
    Source.AssignTo(&Other);
    EXPECT_EQ(Other.GetNrOfRows(), 3);
    QObject NotAContainer;
    EXPECT_THROW(Copy.Assign(&NotAContainer), EVOKRLDataError);
    EXPECT_THROW(Copy.AssignTo(&NotAContainer), EVOKRLDataError);
}

TEST(RLDataClipboard, FixedWidthTabsAndSeparators)
{
    TRLData D;
    FillRows(D, {QStringLiteral("a|long text"), QStringLiteral("bbb|x")});
    D.SetColName(1, QStringLiteral("N"));
    D.SetColName(2, QStringLiteral("Text"));
    EXPECT_EQ(D.ClipboardText(1, 1, 2, 2, true, false),
              QStringLiteral("N   Text      \n\na   long text \nbbb x         \n"));
    EXPECT_EQ(D.ClipboardText(1, 1, 2, 2, true, true), QStringLiteral("N\tText\n\na\tlong text\nbbb\tx\n"));
    EXPECT_EQ(D.ClipboardText(2, 2, 2, 2, false, true), QStringLiteral("x\n"));
    EXPECT_EQ(D.ClipboardText(1, 1, 2, 1, false, QStringLiteral("; ")), QStringLiteral("a; long text\n"));
    // A literal is a separator, not a Boolean.
    EXPECT_EQ(D.ClipboardText(1, 1, 2, 2, false, ";"), QStringLiteral("a;long text\nbbb;x\n"));

    D.CopyToClipBoard(1, 1, 2, 2, false, "|");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a|long text\nbbb|x\n"));
    D.CopyToClipBoard(1, 1, 1, 1, false, true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a\n"));
}
