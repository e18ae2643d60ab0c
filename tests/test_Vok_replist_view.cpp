#include "PictureTest.h"
#include "ReportListSupport.h"
#include "RowFilter.h"

#include <vok/Vok_NumIO.h>
#include <vok/Vok_replist.h>
#include <vok/Vok_stdctrls.h>
#include <vok/Vok_system.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTimer>

using namespace vok;

namespace {

// A view of Cols x Rows with texts "r<row>c<col>", sized so every cell is in view.
std::unique_ptr<TReportListView> MakeView(int Cols, int Rows)
{
    auto View = std::make_unique<TReportListView>();
    View->SetBounds(0, 0, 600, 400);
    View->SetNrOfColumns(Cols);
    View->SetNrOfRows(Rows);
    for (int Row = 1; Row <= Rows; ++Row)
        for (int Col = 1; Col <= Cols; ++Col)
            View->SetElem(Col, Row, QStringLiteral("r%1c%2").arg(Row).arg(Col));
    View->Repaint();
    return View;
}

// The background of data cell (Col, Row): a pixel near its bottom-right corner, away from the text.
TColor CellBackground(TReportListView& View, int Col, int Row)
{
    View.Repaint();
    const TRect R = View.CellRect(Col - 1, Row + View.HeaderRowCount() - 1);
    return View.GetCanvas()->GetPixel(R.Right - 2, R.Bottom - 2);
}

TRect DataCellRect(TReportListView& View, int Col, int Row)
{
    return View.CellRect(Col - 1, Row + View.HeaderRowCount() - 1);
}

void ClickAt(TReportListView& View, int X, int Y, TShiftState Shift = {})
{
    View.MouseDown(mbLeft, Shift | ssLeft, X, Y);
    View.MouseUp(mbLeft, Shift, X, Y);
}

void ClickCell(TReportListView& View, int Col, int Row, TShiftState Shift = {})
{
    const TRect R = DataCellRect(View, Col, Row);
    ClickAt(View, R.Right - 6, (R.Top + R.Bottom) / 2, Shift);
}

double Day(int Year, int Month, int DayOfMonth, int Hour = 0, int Minute = 0)
{
    return DateTimeToTDateTime(QDateTime(QDate(Year, Month, DayOfMonth), QTime(Hour, Minute)));
}

} // namespace

// ---------------------------------------------------------------- layout rules

TEST(ReportListLayout, HeaderRowHeights)
{
    struct Case
    {
        bool Common, Columns;
        int Rows, Row0, Row1;
    };
    // Common 30, columns 25, default 18.
    const Case Cases[] = {
        {true, true, 0, 30, 25},  // the column headers keep their height without data rows
        {true, true, 5, 30, 25},  {true, false, 5, 30, 18}, {false, true, 5, 25, 18},
        {false, false, 5, 18, 18}, {false, true, 1, 25, -1},
    };
    for (const Case& C : Cases) {
        const replist::HeaderRowHeights H = replist::HeaderHeights(C.Common, C.Columns, 30, 25, 18, C.Rows);
        EXPECT_EQ(H.Row0, C.Row0) << C.Common << C.Columns << C.Rows;
        EXPECT_EQ(H.Row1, C.Row1) << C.Common << C.Columns << C.Rows;
    }
}

TEST(ReportListLayout, BandingShorteningAndCentring)
{
    const bool Pattern2[] = {true, true, false, false, true, true};
    for (int Row = 1; Row <= 6; ++Row)
        EXPECT_EQ(replist::IsShadedRow(Row, 2), Pattern2[Row - 1]) << Row;
    EXPECT_FALSE(replist::IsShadedRow(1, 0));

    EXPECT_EQ(replist::ShortenCellText(QStringLiteral("abcdefghij"), 100, 90, false), QStringLiteral("abcdefghij"));
    // Ten characters in half their width: round(10 * 45 / 90 - 4) = 1 character kept.
    EXPECT_EQ(replist::ShortenCellText(QStringLiteral("abcdefghij"), 45, 90, false), QStringLiteral("a..."));
    EXPECT_EQ(replist::ShortenCellText(QStringLiteral("abcdefghijklmnopqrst"), 60, 100, false),
              QStringLiteral("abcdefgh..."));
    EXPECT_EQ(replist::ShortenCellText(QStringLiteral("abcdefghijklmnopqrst"), 60, 100, true),
              QStringLiteral("a...mnopqrst"));
    EXPECT_EQ(replist::ShortenHeaderLine(QStringLiteral("Temperature"), 30, 66), QStringLiteral("Te..."));

    EXPECT_EQ(replist::CenteredTopRow(50, 100, 10), 45);
    EXPECT_EQ(replist::CenteredTopRow(98, 100, 10), 91);
    EXPECT_EQ(replist::CenteredTopRow(2, 100, 10), 1);

    EXPECT_TRUE(replist::IsColumnPermutation({3, 1, 2}, 3));
    EXPECT_FALSE(replist::IsColumnPermutation({1, 2}, 3));
    EXPECT_FALSE(replist::IsColumnPermutation({1, 1, 2}, 3));
    EXPECT_FALSE(replist::IsColumnPermutation({1, 2, 4}, 3));
}

// ---------------------------------------------------------------- properties and geometry

TEST(ReportListView, NewViewAndHeaderGeometry)
{
    TReportListView View;
    EXPECT_EQ(View.GetNrOfColumns(), 5);
    EXPECT_EQ(View.GetNrOfRows(), 4);
    EXPECT_EQ(View.GetColName(1), QStringLiteral("C-1"));
    EXPECT_EQ(View.GetColName(5), QStringLiteral("C-5"));
    EXPECT_EQ(View.GetRowCount(), 5);
    EXPECT_EQ(View.GetFixedRows(), 1);
    EXPECT_EQ(View.GetFixedCols(), 0);
    EXPECT_EQ(View.GetRowHeights(0), 20);
    EXPECT_EQ(View.GetRowSelectMode(), 1);
    EXPECT_TRUE(View.GetSortEnabled());
    EXPECT_EQ(View.GetCommonHeader(), QStringLiteral("Vok Report Listview"));

    View.SetCommonHeaderHeight(3);
    EXPECT_EQ(View.GetCommonHeaderHeight(), 8);
    View.SetCommonHeaderHeight(500);
    EXPECT_EQ(View.GetCommonHeaderHeight(), 127);

    View.SetNrOfRows(0);
    View.SetCommonHeaderHeight(30);
    View.SetCommonHeaderVisible(true);
    EXPECT_EQ(View.GetRowCount(), 3);
    EXPECT_EQ(View.GetFixedRows(), 2);
    EXPECT_EQ(View.GetRowHeights(0), 30);
    EXPECT_EQ(View.GetRowHeights(1), 20);

    View.SetColumnHeadersVisible(false);
    View.SetCommonHeaderVisible(false);
    EXPECT_EQ(View.GetFixedRows(), 0);
    EXPECT_EQ(View.GetRowCount(), 1);
}

TEST(ReportListView, TopRowAndLeftColInDataNumbers)
{
    auto View = MakeView(12, 200);
    View->SetCommonHeaderVisible(true);
    QSignalSpy Rows(View.get(), &TReportListView::topRowChanged);
    QSignalSpy Cols(View.get(), &TReportListView::leftColChanged);
    View->SetTopRow(50);
    EXPECT_EQ(View->GetTopRow(), 50);
    EXPECT_EQ(View->TCustomGrid::GetTopRow(), 51);
    View->SetTopRow(-5);
    EXPECT_EQ(View->GetTopRow(), 1);
    // Each move is told once, and only for the coordinate that moved.
    EXPECT_EQ(Rows.count(), 2);
    EXPECT_EQ(Cols.count(), 0);
    View->SetLeftCol(3);
    EXPECT_EQ(View->GetLeftCol(), 3);
    EXPECT_EQ(Rows.count(), 2);
    EXPECT_EQ(Cols.count(), 1);
    EXPECT_EQ(View->TCustomGrid::GetLeftCol(), 2);
    View->SetFixedFirstColumn(true);
    View->SetLeftCol(1);
    EXPECT_EQ(View->GetLeftCol(), 2);

    EXPECT_EQ(View->MouseCell(5, 5).Y, -2);
    EXPECT_EQ(View->MouseCell(5, View->GetRowHeights(0) + 5).Y, -1);
}

TEST(ReportListView, PerColumnSettingsIgnoreColumnsOutside)
{
    TReportListView View;
    int Changes = 0;
    View.OnChange = [&](QObject*) { ++Changes; };
    View.SetColAlignment(2, taRightJustify);
    View.SetColAlignment(2, taRightJustify);
    View.SetColAlignment(9, taCenter);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(View.GetColAlignment(2), taRightJustify);
    EXPECT_EQ(View.GetColAlignment(9), taLeftJustify);
    View.SetColumnIsPwd(0, true);
    EXPECT_FALSE(View.GetColumnIsPwd(0));
    EXPECT_EQ(View.GetColOrder(6), 0);

    // New columns are neutral and the order returns to the identity.
    ASSERT_TRUE(View.SetColumnOrder({5, 4, 3, 2, 1}));
    View.SetNrOfColumns(7);
    EXPECT_EQ(View.GetColAlignment(2), taRightJustify);
    EXPECT_EQ(View.GetColAlignment(7), taLeftJustify);
    EXPECT_EQ(View.GetColOrder(1), 1);
}

TEST(ReportListView, ColumnOrderTakesOnlyWholePermutations)
{
    auto View = MakeView(4, 3);
    EXPECT_FALSE(View->SetColumnOrder({4, 3, 2}));
    EXPECT_FALSE(View->SetColumnOrder({4, 3, 2, 9}));
    EXPECT_EQ(View->GetColOrder(1), 1);
    ASSERT_TRUE(View->SetColumnOrder({4, 3, 2, 1}));
    EXPECT_EQ(View->GetColOrder(1), 4);
    // Widths follow the data column wherever it is shown.
    View->TCustomGrid::SetColWidths(0, 77);
    EXPECT_EQ(View->GetColWidths(4), 77);
    // Editing the first display column edits data column 4.
    EXPECT_EQ(View->GetEditText(0, 1), QStringLiteral("r1c4"));
}

TEST(ReportListView, WidthOperations)
{
    auto View = MakeView(3, 3);
    View->SetElem(2, 2, QStringLiteral("a considerably longer text"));
    const int Widest = View->DetermineMaxColWidth(2, false);
    EXPECT_EQ(Widest, View->GetCanvas()->TextWidth(QStringLiteral("a considerably longer text")) + 10);
    EXPECT_EQ(View->DetermineMaxColWidth(9, false), 10);
    View->AutoColWidth(2, false, 5, 60);
    EXPECT_EQ(View->GetColWidths(2), 60);
    View->AutoColWidth(2, false, 5);
    EXPECT_EQ(View->GetColWidths(2), Widest + 5);

    View->ExpandColWidth(3, 10);
    EXPECT_EQ(View->GetColWidths(1) + View->GetColWidths(2) + View->GetColWidths(3), View->GetClientWidth() - 10);
    View->SetBounds(0, 0, 40, 200);
    View->ExpandColWidth(3, 0);
    EXPECT_EQ(View->GetColWidths(3), 16);
}

// ---------------------------------------------------------------- painting

TEST(ReportListViewPaint, BandingDisabledSelectionAndHighlight)
{
    auto View = MakeView(3, 6);
    View->SetRowColPattern(2);
    for (int Row = 1; Row <= 6; ++Row)
        EXPECT_EQ(CellBackground(*View, 1, Row), Row == 3 || Row == 4 ? 0xFFFFFFu : 0xF0EFE8u) << Row;
    View->SetRowColPattern(0);
    EXPECT_EQ(CellBackground(*View, 1, 1), 0xFFFFFFu);

    View->SetRowSelect(2, true);
    EXPECT_EQ(CellBackground(*View, 1, 2), View->GetColorSelectedRow());
    View->SetHighLightRow(2);
    EXPECT_EQ(CellBackground(*View, 1, 2), View->GetColorHigh());
    View->SetHighLightColumn(3);
    EXPECT_EQ(CellBackground(*View, 3, 4), View->GetColorHigh());
    // A disabled row keeps its colors, selected and highlighted or not.
    View->SetRowEnabled(2, false);
    EXPECT_EQ(CellBackground(*View, 1, 2), View->GetColorDisabledBkgd());
    EXPECT_EQ(CellBackground(*View, 3, 2), View->GetColorDisabledBkgd());
}

TEST(ReportListViewPaint, RenderedTextsMaskedAndShortened)
{
    auto View = MakeView(3, 2);
    View->SetColumnIsPwd(2, true);
    View->SetElem(3, 1, QStringLiteral("A rather long text that cannot fit in the column at all"));
    View->SetColWidths(3, 80);
    QStringList Rendered;
    View->OnBeforeRenderCell = [&](QObject*, int Col, int Row, TColor&, TColor&, TColor&, TFontStyles&,
                                   QString& Text) {
        if (Row == 1)
            Rendered << QStringLiteral("%1:%2").arg(Col).arg(Text);
    };
    View->Repaint();
    EXPECT_TRUE(Rendered.contains(QStringLiteral("2:******")));
    // Shortening follows the handler; the shortened text is what shows.
    const TRect R = DataCellRect(*View, 3, 1);
    const QImage Cell = View->GetPicture().copy(R.Left, R.Top, R.Width(), R.Height());
    View->OnBeforeRenderCell = nullptr;
    View->SetElem(3, 1, QStringLiteral("A rather long te..."));
    View->Repaint();
    EXPECT_NE(Cell, View->GetPicture().copy(R.Left, R.Top, R.Width(), R.Height()));
}

TEST(ReportListViewPaint, CheckMarksInBoxAndRadioColumns)
{
    auto View = MakeView(3, 3);
    View->SetColCheckMode(1, cmBox);
    View->SetColCheckMode(2, cmRadio);
    View->SetElemChecked(1, 1, true);
    View->SetElemChecked(2, 2, true);
    View->SetElem(1, 3, QString());
    View->Repaint();
    const TColor Text = View->GetColorText();
    const TRect Box = DataCellRect(*View, 1, 1);
    EXPECT_EQ(View->GetCanvas()->GetPixel(Box.Left + 7, Box.Top + 9), Text); // the tick
    const TRect Radio = DataCellRect(*View, 2, 2);
    EXPECT_EQ(View->GetCanvas()->GetPixel(Radio.Left + 9, Radio.Top + 9), Text); // the dot
    const TRect Unchecked = DataCellRect(*View, 2, 1);
    EXPECT_NE(View->GetCanvas()->GetPixel(Unchecked.Left + 9, Unchecked.Top + 9), Text);

    // An empty check cell shows its box only with ShowEmptyCheckBoxes.
    const TRect Empty = DataCellRect(*View, 1, 3);
    const TColor Background = CellBackground(*View, 1, 3);
    EXPECT_NE(View->GetCanvas()->GetPixel(Empty.Left + 4, Empty.Top + 8), Background);
    View->SetShowEmptyCheckBoxes(false);
    View->Repaint();
    EXPECT_EQ(View->GetCanvas()->GetPixel(Empty.Left + 4, Empty.Top + 8), Background);
}

TEST(ReportListViewPaint, EmptyMessageAndInterRowIndicator)
{
    auto View = MakeView(3, 5);
    View->SetInterRowIndicatorPos(6);
    View->Repaint();
    const int Y = View->GetLayout().Rows.FixedBoundary() + 5 * (View->GetDefaultRowHeight() + 1);
    EXPECT_EQ(View->GetCanvas()->GetPixel(10, Y), 0x0000FFu);
    View->SetInterRowIndicatorPos(7);
    View->Repaint();
    EXPECT_NE(View->GetCanvas()->GetPixel(10, Y), 0x0000FFu);

    View->SetNrOfRows(0);
    View->SetColorEmptyMsg(0x0000C0);
    View->SetEmptyMessage(QStringLiteral("No data|yet"));
    const QImage Picture = View->GetPicture();
    const TColor Background = View->GetCanvas()->GetPixel(2, View->GetLayout().Rows.FixedBoundary() + 2);
    int MessagePixels = 0;
    int Top = Picture.height();
    int Bottom = 0;
    for (int Yp = View->GetLayout().Rows.FixedBoundary(); Yp < View->GetLayout().ClientHeight; ++Yp)
        for (int Xp = 0; Xp < View->GetLayout().ClientWidth; ++Xp)
            if (View->GetCanvas()->GetPixel(Xp, Yp) != Background) {
                ++MessagePixels;
                Top = std::min(Top, Yp);
                Bottom = std::max(Bottom, Yp);
            }
    EXPECT_GT(MessagePixels, 20);
    // Two lines, in the middle of the space below the headers.
    EXPECT_GT(Top, View->GetLayout().Rows.FixedBoundary() + 50);
    EXPECT_GT(Bottom - Top, View->GetCanvas()->TextHeight(QStringLiteral("No")));
}

// ---------------------------------------------------------------- interaction

TEST(ReportListViewInput, HeaderClicksSortAndKeepTheSelectedRow)
{
    auto View = MakeView(3, 5);
    const QString Values[] = {QStringLiteral("30"), QStringLiteral("10"), QStringLiteral("50"), QStringLiteral("20"),
                              QStringLiteral("40")};
    for (int Row = 1; Row <= 5; ++Row)
        View->SetElem(3, Row, Values[Row - 1]);
    ClickCell(*View, 1, 2); // the row holding "10"
    ASSERT_TRUE(View->GetRowSelect(2));

    const TRect Header = View->CellRect(2, 0);
    const int Middle = (Header.Top + Header.Bottom) / 2;
    // Near a border the click belongs to column sizing.
    ClickAt(*View, Header.Left + 3, Middle);
    EXPECT_EQ(View->GetLastSortColumn(), -1);

    ClickAt(*View, (Header.Left + Header.Right) / 2, Middle);
    EXPECT_EQ(View->GetLastSortColumn(), 3);
    EXPECT_FALSE(View->GetLastSortOrder());
    EXPECT_EQ(View->GetElem(3, 1), QStringLiteral("50"));
    EXPECT_EQ(View->GetSelection().Top, 5); // "10" is now the last row (one header row)
    EXPECT_TRUE(View->GetRowSelect(5));

    ClickAt(*View, (Header.Left + Header.Right) / 2, Middle);
    EXPECT_TRUE(View->GetLastSortOrder());
    EXPECT_EQ(View->GetElem(3, 1), QStringLiteral("10"));
    EXPECT_EQ(View->GetSelection().Top, 1);
}

TEST(ReportListViewInput, CheckTogglingInBoxAndRadioColumns)
{
    auto View = MakeView(3, 3);
    View->SetColCheckMode(1, cmBox);
    View->SetColCheckMode(2, cmRadio);
    View->SetElemChecked(2, 1, true);
    QList<bool> Before, After;
    View->OnBeforeCheckedChange = [&](QObject*, bool& State, int, int) { Before << State; };
    View->OnCheckedChange = [&](QObject*, bool& State, int, int) { After << State; };
    auto ClickBox = [&](int Col, int Row) {
        const TRect R = DataCellRect(*View, Col, Row);
        ClickAt(*View, R.Left + 8, R.Top + 8);
    };
    ClickBox(1, 2);
    EXPECT_TRUE(View->GetElemChecked(1, 2));
    EXPECT_EQ(Before, QList<bool>{true});
    EXPECT_EQ(After, QList<bool>{false});

    // A checked radio cell stays checked.
    Before.clear();
    After.clear();
    ClickBox(2, 1);
    EXPECT_TRUE(View->GetElemChecked(2, 1));
    EXPECT_EQ(Before, QList<bool>{false});
    EXPECT_EQ(After, QList<bool>{true});
    ClickBox(2, 3);
    EXPECT_FALSE(View->GetElemChecked(2, 1));
    EXPECT_TRUE(View->GetElemChecked(2, 3));

    // Disabled rows and read-only marks do not toggle; clicks beside the box do not either.
    View->SetRowEnabled(3, false);
    ClickBox(1, 3);
    EXPECT_FALSE(View->GetElemChecked(1, 3));
    View->SetCheckMarksReadOnly(true);
    ClickBox(1, 1);
    EXPECT_FALSE(View->GetElemChecked(1, 1));
    View->SetCheckMarksReadOnly(false);
    ClickCell(*View, 1, 1);
    EXPECT_FALSE(View->GetElemChecked(1, 1));
}

TEST(ReportListViewInput, RowSelectModes)
{
    auto View = MakeView(3, 6);
    int Notified = 0;
    View->OnSelectedChange = [&](QObject*) { ++Notified; };
    ClickCell(*View, 1, 2);
    ClickCell(*View, 1, 4);
    EXPECT_EQ(View->NumSelectedRows(), 1);
    EXPECT_TRUE(View->GetRowSelect(4));
    EXPECT_GT(Notified, 0);

    // Multiple selection keeps what is selected; other modes clear it.
    View->SetRowSelectMode(2);
    EXPECT_EQ(View->NumSelectedRows(), 1);
    ClickCell(*View, 1, 2);
    EXPECT_EQ(View->NumSelectedRows(), 1);
    ClickCell(*View, 1, 3, ssCtrl);
    EXPECT_EQ(View->NumSelectedRows(), 2);
    ClickCell(*View, 1, 3, ssCtrl);
    EXPECT_FALSE(View->GetRowSelect(3));
    // Shift copies the anchor's selection, not its disabled state.
    ClickCell(*View, 1, 2);
    View->SetRowEnabled(2, false);
    ClickCell(*View, 1, 5, ssShift);
    for (int Row = 2; Row <= 5; ++Row)
        EXPECT_TRUE(View->GetRowSelect(Row)) << Row;
    EXPECT_TRUE(View->GetRowEnabled(4));
    EXPECT_FALSE(View->GetRowSelect(6));
    EXPECT_EQ(View->FirstSelectedRow(), 0); // the lowest selected row is disabled

    // A release below the last row deselects everything.
    View->MouseUp(mbLeft, {}, 10, View->GetGridHeight() + 5);
    EXPECT_EQ(View->NumSelectedRows(), 0);

    View->SetRowSelectMode(0);
    ClickCell(*View, 1, 3);
    EXPECT_EQ(View->NumSelectedRows(), 0);
}

TEST(ReportListViewInput, CursorKeysAndAutoAdvance)
{
    auto View = MakeView(3, 5);
    QList<quint16> Keys;
    View->OnCursorKeyAction = [&](QObject*, quint16 Key) { Keys << Key; };
    ClickCell(*View, 1, 4);
    QChar Enter(u'\r');
    View->KeyPress(Enter);
    EXPECT_TRUE(Keys.isEmpty());
    View->SetAutoAdvance(true);
    Enter = QChar(u'\r');
    View->KeyPress(Enter);
    EXPECT_EQ(Keys, QList<quint16>{VK_DOWN});
    EXPECT_TRUE(View->GetRowSelect(5));
    EXPECT_EQ(View->NumSelectedRows(), 1);
    quint16 Up = VK_UP;
    View->KeyDown(Up, {});
    EXPECT_TRUE(View->GetRowSelect(4));
}

TEST(ReportListViewInput, InPlaceEditingKeepsCheckFlags)
{
    auto View = MakeView(3, 3);
    View->SetColCheckMode(2, cmBox);
    View->SetElemChecked(2, 1, true);
    EXPECT_EQ(View->GetEditText(1, 1), QStringLiteral("r1c2"));
    View->SetEditText(1, 1, QStringLiteral("edited"));
    EXPECT_EQ(View->Data()->Store().GetString(2, 1), QStringLiteral("Xedited"));
    View->SetElemChecked(2, 2, false);
    View->SetEditText(1, 2, QStringLiteral("plain"));
    EXPECT_EQ(View->Data()->Store().GetString(2, 2), QStringLiteral(" plain"));
    View->SetEditText(0, 3, QString(300, u'x'));
    EXPECT_EQ(View->GetElem(1, 3).size(), CellMaxLength);

    // Editing is allowed only in editable columns of enabled rows.
    View->SetColumnEditable(3, true);
    EXPECT_TRUE(View->SelectCell(2, 1));
    EXPECT_TRUE(View->GetOptions() & goEditing);
    View->SelectCell(0, 1);
    EXPECT_FALSE(View->GetOptions() & goEditing);
}

// ---------------------------------------------------------------- structure and state

TEST(ReportListView, StructureOperations)
{
    auto View = MakeView(3, 4);
    View->Sort(1, 2, true);
    EXPECT_EQ(View->InsertRow(0), 0);
    EXPECT_EQ(View->GetNrOfRows(), 4);
    EXPECT_EQ(View->GetLastSortColumn(), -1);
    EXPECT_EQ(View->InsertRow(2), 2);
    EXPECT_EQ(View->GetElem(1, 2), QString());
    EXPECT_EQ(View->GetElem(1, 3), QStringLiteral("r2c1"));
    EXPECT_EQ(View->InsertRow(99), 6);
    EXPECT_EQ(View->GetRowCount(), 7);
    View->RemoveEmptyRows();
    EXPECT_EQ(View->GetNrOfRows(), 4);
    EXPECT_EQ(View->GetRowCount(), 5);

    View->SetColAlignment(2, taCenter);
    EXPECT_EQ(View->InsertColumn(2), 2);
    EXPECT_EQ(View->GetColAlignment(2), taLeftJustify);
    EXPECT_EQ(View->GetColAlignment(3), taCenter);
    EXPECT_EQ(View->GetColCount(), 4);
    View->RemoveColumn(2);
    EXPECT_EQ(View->GetColAlignment(2), taCenter);
    EXPECT_EQ(View->GetColCount(), 3);

    EXPECT_THROW(
        {
            View->SetElem(1, 1, QStringLiteral("abc"));
            View->GetAsNumber(1, 1);
        },
        EVOKDStructError);
    try {
        View->GetAsNumber(1, 1);
    } catch (const EVOKDStructError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Class TReportListView: invalid numeric string: [1,1]: abc"));
    }
}

TEST(ReportListView, AssignCopiesDataSettingsAndColumnOrder)
{
    auto Source = MakeView(4, 3);
    Source->SetColorHigh(0x123456);
    Source->SetColumnIsPwd(2, true);
    Source->SetCommonHeaderVisible(true);
    ASSERT_TRUE(Source->SetColumnOrder({2, 1, 4, 3}));
    TReportListView Copy;
    Copy.Assign(Source.get());
    EXPECT_EQ(Copy.GetNrOfColumns(), 4);
    EXPECT_EQ(Copy.GetElem(3, 2), QStringLiteral("r2c3"));
    EXPECT_EQ(Copy.GetColorHigh(), 0x123456u);
    EXPECT_TRUE(Copy.GetColumnIsPwd(2));
    EXPECT_EQ(Copy.GetColOrder(1), 2);
    EXPECT_EQ(Copy.GetFixedRows(), 2);
    // The copy's store reports to the copy.
    int Changes = 0;
    Copy.OnChange = [&](QObject*) { ++Changes; };
    Copy.SetElem(1, 1, QStringLiteral("x"));
    EXPECT_EQ(Changes, 1);
}

TEST(ReportListView, QtIntegration)
{
    TReportListView View;
    EXPECT_STREQ(QMetaEnum::fromType<TFilterMode>().valueToKey(fmGrep), "fmGrep");
    EXPECT_EQ(View.property("RowColPattern").toInt(), 1);
    EXPECT_TRUE(View.setProperty("NrOfRows", 9));
    EXPECT_EQ(View.GetRowCount(), 10);
    // Enumerations and flags read and write by name.
    EXPECT_EQ(View.property("CommonHeaderAlignment").toString(), QStringLiteral("taCenter"));
    EXPECT_TRUE(View.setProperty("CommonHeaderAlignment", QStringLiteral("taRightJustify")));
    EXPECT_EQ(View.GetCommonHeaderAlignment(), taRightJustify);
    EXPECT_EQ(View.property("Options").value<TGridOptions>(),
              goFixedVertLine | goFixedHorzLine | goColSizing | goRowSelect | goThumbTracking);
    EXPECT_TRUE(View.setProperty("Options", QStringLiteral("goRowSelect|goColSizing")));
    EXPECT_EQ(View.GetOptions(), goRowSelect | goColSizing);
    QSignalSpy Changed(&View, &TReportListView::changed);
    QSignalSpy Selected(&View, &TReportListView::selectedChange);
    View.SetElem(1, 1, QStringLiteral("x"));
    View.SelectRow(2);
    EXPECT_EQ(Changed.count(), 1);
    EXPECT_EQ(Selected.count(), 1);
    EXPECT_EQ(View.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_GT(View.sizeHint().width(), View.minimumSizeHint().width());
}

// ---------------------------------------------------------------- filtering

TEST(ReportListFilter, ModesAndBrokenExpressions)
{
    const QStringList Row = {QStringLiteral("Alpha 12"), QStringLiteral("beta"), QStringLiteral("gamma ray")};
    struct Case
    {
        const char* Expression;
        TFilterMode Mode;
        bool IgnoreCase, Found, Valid;
    };
    const Case Cases[] = {
        {"pha", fmSimple, false, true, true},
        {"ALPHA", fmSimple, false, false, true},
        {"ALPHA", fmSimple, true, true, true},
        {"alpha and beta", fmBoolean, true, true, true},
        {"alpha beta", fmBoolean, true, true, true},
        {"(delta or beta) and not gamma", fmBoolean, true, false, true},
        {"(delta or beta) and not omega", fmBoolean, true, true, true},
        {"\"gamma ray\"", fmBoolean, false, true, true},
        {"(alpha or", fmBoolean, true, false, false},
        {"alpha and", fmBoolean, true, false, false},
        {"^Alpha \\d+$", fmGrep, false, true, true},
        {"^beta$", fmGrep, false, true, true},
        {"([", fmGrep, false, false, false},
    };
    for (const Case& C : Cases) {
        const replist::RowFilter Filter(QString::fromUtf8(C.Expression), C.Mode, C.IgnoreCase);
        EXPECT_EQ(Filter.Matches(Row), C.Found) << C.Expression;
        EXPECT_EQ(Filter.IsValid(), C.Valid) << C.Expression;
    }
}

TEST(ReportListFilter, FilterAndSortDisablesTheRowsNotFound)
{
    auto View = MakeView(2, 5);
    const char* Names[] = {"pump", "valve", "pump", "sensor", "valve"};
    for (int Row = 1; Row <= 5; ++Row) {
        View->SetElem(1, Row, QString::fromUtf8(Names[Row - 1]));
        View->SetElem(2, Row, QString::number(6 - Row));
    }
    View->FilterAndSort(QStringLiteral("pump"), {}, false, fmSimple, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 2);
    EXPECT_TRUE(View->GetRowEnabled(1));
    EXPECT_FALSE(View->GetRowEnabled(2));

    // Only the listed columns count; the sort follows.
    View->FilterAndSort(QStringLiteral("pump"), {2}, false, fmSimple, 2, true);
    EXPECT_EQ(View->NumEnabledRows(), 0);
    EXPECT_EQ(View->GetElem(2, 1), QStringLiteral("1"));

    View->FilterAndSort(QStringLiteral("[unclosed"), {}, false, fmGrep, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 0);

    // The handler's verdict alone with loNOT.
    View->OnBeforeFilter = [](QObject*, int Row, bool& Found, TLogicOp& Op) {
        Found = Row == 1;
        Op = loNOT;
    };
    View->FilterAndSort(QStringLiteral("valve"), {}, false, fmSimple, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 1);
    EXPECT_TRUE(View->GetRowEnabled(1));
    View->OnBeforeFilter = nullptr;

    View->FilterAndSort(QStringLiteral("valve or sensor"), {1}, true, fmBoolean, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 3);
    View->SortEnabledState(2, -1, true);
    for (int Row = 1; Row <= 3; ++Row)
        EXPECT_TRUE(View->GetRowEnabled(Row)) << Row;
    EXPECT_FALSE(View->GetRowEnabled(4));
    EXPECT_LE(View->GetElem(2, 1).toInt(), View->GetElem(2, 2).toInt());
    EXPECT_LE(View->GetElem(2, 2).toInt(), View->GetElem(2, 3).toInt());
}

TEST(ReportListFilter, SeesTheVisibleTextOfEveryCell)
{
    // A check column's flag is not text; non-ASCII texts and empty cells
    // read as GetElem gives them.
    auto View = MakeView(2, 4);
    View->SetColCheckMode(1, cmBox);
    const char* Texts[] = {"Xänderung", "", "Xplain", "Überlauf"};
    for (int Row = 1; Row <= 4; ++Row)
        View->SetElem(2, Row, QString::fromUtf8(Texts[Row - 1]));
    View->SetElem(1, 1, QStringLiteral("done"));
    View->SetElemChecked(1, 1, true);
    View->SetElem(1, 3, QStringLiteral("open"));
    View->FilterAndSort(QStringLiteral("X"), {1}, false, fmSimple, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 0);
    View->FilterAndSort(QStringLiteral("ÄNDERUNG"), {}, true, fmSimple, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 1);
    EXPECT_TRUE(View->GetRowEnabled(1));
    View->FilterAndSort(QStringLiteral("^über"), {2}, true, fmGrep, 0, true);
    EXPECT_TRUE(View->GetRowEnabled(4));
    EXPECT_EQ(View->NumEnabledRows(), 1);
    // An expression that matches the empty text finds the empty cells.
    View->FilterAndSort(QStringLiteral("^$"), {2}, false, fmGrep, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 1);
    EXPECT_TRUE(View->GetRowEnabled(2));
    View->FilterAndSort(QStringLiteral("^(done|open)$"), {1}, false, fmGrep, 0, true);
    EXPECT_EQ(View->NumEnabledRows(), 2);
}

// ---------------------------------------------------------------- date texts and the row editor

TEST(ReportListDates, ParseDateTimeExamplesAndFailures)
{
    struct Case
    {
        const char* Text;
        const char* Format;
        int Status;
        double Value;
    };
    const Case Cases[] = {
        {"07/03/2024", "MM/dd/yyyy", 0, Day(2024, 7, 3)},
        {"07/03/2024", "MM-dd-yyyy", -1, 0},
        {"2:05 pm", "h:mm tt", 0, (14 * 60 + 5) / 1440.0},
        {"12:30 am", "h:mm tt", 0, 30 / 1440.0},
        {"Mar 5, 2024", "MMM d, yyyy", 0, Day(2024, 3, 5)},
        {"Friday, 5 july 2024 08:15", "dddd, d MMMM yyyy HH:mm", 0, Day(2024, 7, 5, 8, 15)},
        {"24.12.2024 at 18:00", "dd.MM.yyyy 'at' HH:mm", 0, Day(2024, 12, 24, 18, 0)},
        {"13/01/2024", "MM/dd/yyyy", -3, 0},
        {"02/30/2024", "MM/dd/yyyy", -3, 0},
        {"07/03/2024 and more", "MM/dd/yyyy", -3, 0},
        {"Foo 5, 2024", "MMM d, yyyy", -3, 0},
        {"2024", "yyy", -2, 0},
        {"7/3/2024", "MM/dd/yyyy", -3, 0},
    };
    for (const Case& C : Cases) {
        int Status = 99;
        const double Value = ParseDateTime(QString::fromUtf8(C.Text), QString::fromUtf8(C.Format), Status);
        EXPECT_EQ(Status, C.Status) << C.Text << " / " << C.Format;
        EXPECT_NEAR(Value, C.Value, 1e-9) << C.Text << " / " << C.Format;
    }
}

namespace {
// Runs Action on the modal dialog as soon as it shows, then closes it with Result.
void OnDialog(const std::function<void(QWidget*)>& Action, TModalResult Result)
{
    QTimer::singleShot(0, [=] {
        auto* Form = qobject_cast<TForm*>(QApplication::activeModalWidget());
        ASSERT_NE(Form, nullptr);
        Action(Form);
        Form->SetModalResult(Result);
    });
}
} // namespace

TEST(ReportListRowEditor, BuildsControlsByFormatAndWritesBackOnOK)
{
    auto View = MakeView(4, 12);
    View->SetColName(1, QStringLiteral("Sample"));
    View->SetColumnFormat(1, QStringLiteral("[#i][80]rix3"));
    View->SetColumnFormat(2, QStringLiteral("[l:4][120]low|mid|high|"));
    View->SetColumnFormat(3, QStringLiteral("[dyyyy-MM-dd][100]2024-01-31"));
    View->SetColumnFormat(4, QStringLiteral("[s]"));
    View->SetElem(1, 12, QString());
    View->SetElem(2, 12, QStringLiteral("mid"));
    View->SetElem(3, 12, QString());

    OnDialog(
        [&](QWidget* Form) {
            auto* Number = Form->findChild<TNumIO*>(QStringLiteral("runtime_rlre_NumIO1"));
            ASSERT_NE(Number, nullptr);
            EXPECT_FALSE(Number->isEnabled());
            EXPECT_EQ(Number->GetText(), QStringLiteral("012"));
            EXPECT_EQ(Number->GetTag(), 1);
            EXPECT_EQ(Number->width(), 80);
            auto* List = Form->findChild<TComboBox*>(QStringLiteral("runtime_rlre_CBox2"));
            ASSERT_NE(List, nullptr);
            EXPECT_EQ(List->GetItems(), (QStringList{"low", "mid", "high"}));
            EXPECT_EQ(List->GetText(), QStringLiteral("mid"));
            EXPECT_EQ(List->GetDropDownCount(), 4);
            auto* Picker = Form->findChild<TDateTimePicker*>(QStringLiteral("runtime_rlre_DtPick3"));
            ASSERT_NE(Picker, nullptr);
            EXPECT_NEAR(Picker->GetDateTime(), Day(2024, 1, 31), 1e-9);
            auto* Edit = Form->findChild<TEdit*>(QStringLiteral("runtime_rlre_Edit4"));
            ASSERT_NE(Edit, nullptr);
            Edit->SetText(QStringLiteral("new text"));
            EXPECT_NE(Form->findChild<TLabel*>(QStringLiteral("runtime_rlre_Label1")), nullptr);
        },
        mrOk);
    EXPECT_EQ(View->EditRowEntries(12, 10, 10), mrOk);
    EXPECT_EQ(View->GetElem(1, 12), QStringLiteral("012"));
    EXPECT_EQ(View->GetElem(4, 12), QStringLiteral("new text"));
    EXPECT_EQ(View->GetElem(3, 12), QStringLiteral("2024-01-31"));

    OnDialog([](QWidget* Form) {
        Form->findChild<TEdit*>(QStringLiteral("runtime_rlre_Edit4"))->SetText(QStringLiteral("dropped"));
    },
             mrCancel);
    EXPECT_EQ(View->EditRowEntries(12, 10, 10), mrCancel);
    EXPECT_EQ(View->GetElem(4, 12), QStringLiteral("new text"));
    // Nothing of the dialog remains.
    EXPECT_EQ(View->findChildren<TForm*>().size(), 0);
}

TEST(ReportListRowEditor, FormatRequestsAndHostForms)
{
    auto View = MakeView(2, 3);
    View->OnRequestEditFormat = [](QObject*, int Col, int, QString& Format) {
        if (Col == 2)
            Format = QStringLiteral("[#s][90]");
    };
    TForm Host;
    OnDialog(
        [&](QWidget* Form) {
            EXPECT_EQ(Form, &Host);
            auto* Edit = Form->findChild<TEdit*>(QStringLiteral("runtime_rlre_Edit2"));
            ASSERT_NE(Edit, nullptr);
            EXPECT_FALSE(Edit->isEnabled());
            EXPECT_EQ(Form->findChildren<TButton*>().size(), 0);
        },
        mrOk);
    EXPECT_EQ(View->EditRowEntries(2, &Host, 5, 7), mrOk);
    EXPECT_EQ(Host.findChildren<TEdit*>().size(), 0);
    EXPECT_TRUE(Host.GetCaption().isEmpty());
}

TEST(ReportListView, PageMatchesTheGoldenPicture)
{
    // Banded rows, a check column, right-aligned numbers, a column too narrow
    // for its texts, a disabled and a selected row, the common header and
    // the sort arrow, drawn as one picture.
    auto View = MakeView(4, 8);
    View->SetBounds(0, 0, 330, 170);
    View->SetCommonHeader(QStringLiteral("Run 7"));
    View->SetCommonHeaderVisible(true);
    View->SetRowColPattern(2);
    View->SetColCheckMode(1, cmBox);
    View->SetColAlignment(3, taRightJustify);
    View->SetColWidths(4, 70);
    const char* const Names[] = {"Sample", "Operator", "Reading", "Remarks"};
    for (int Col = 1; Col <= 4; ++Col)
        View->SetColName(Col, QString::fromLatin1(Names[Col - 1]));
    for (int Row = 1; Row <= 8; ++Row) {
        View->SetElem(1, Row, QStringLiteral("S-%1").arg(Row, 3, 10, QLatin1Char('0')));
        View->SetElemChecked(1, Row, Row % 3 == 0);
        View->SetElem(3, Row, QString::number(Row * 12.375, 'f', 3));
        View->SetElem(4, Row, QStringLiteral("calibrated after drift check"));
    }
    View->Sort(3, 0, false);
    View->SetRowEnabled(5, false);
    View->SelectRow(2);
    View->Repaint();
    EXPECT_TRUE(vok::test::MatchesGolden(View->GetPicture(), QStringLiteral("replist-page")));
}
