// The grid: geometry of fixed and scrollable cells, scroll limits, selection
// and key navigation rules, and the grid controls driven through their input
// handlers.
#include <vok/Vok_gridedit.h>
#include <vok/Vok_gridlayout.h>
#include <vok/Vok_gridnav.h>
#include <vok/Vok_grids.h>
#include <vok/Vok_syscolors.h>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <map>
#include <memory>

using namespace vok;

namespace {

// Ten columns (two fixed, 30 and 40 wide, column 4 70 wide, the rest 50),
// a thousand rows (two fixed, 20 and 16 high, the rest 18), 1-pixel lines,
// a 300 x 200 cell area.
TGridLayout SampleLayout()
{
    TGridLayout L;
    L.Cols.SetCount(10);
    L.Cols.SetFixedCount(2);
    L.Cols.SetDefaultExtent(50);
    L.Cols.SetExtent(0, 30);
    L.Cols.SetExtent(1, 40);
    L.Cols.SetExtent(4, 70);
    L.Rows.SetCount(1000);
    L.Rows.SetFixedCount(2);
    L.Rows.SetDefaultExtent(18);
    L.Rows.SetExtent(0, 20);
    L.Rows.SetExtent(1, 16);
    L.ClientWidth = 300;
    L.ClientHeight = 200;
    L.TopLeft = {2, 2};
    return L;
}

} // namespace

TEST(GridAxis, FixedCountFollowsCountWhateverTheOrder)
{
    TGridAxis A(5, 1, 10);
    A.SetFixedCount(2);
    A.SetCount(2); // too few cells for two fixed ones
    EXPECT_EQ(A.GetFixedCount(), 1);
    A.SetCount(6); // the requested two come back
    EXPECT_EQ(A.GetFixedCount(), 2);
    A.SetCount(-3);
    EXPECT_EQ(A.GetCount(), 1);
    EXPECT_EQ(A.GetFixedCount(), 0);
}

TEST(GridAxis, ExtentsOfAMillionCellsAndTheirResets)
{
    TGridAxis A(1'000'000, 1, 18);
    A.SetExtent(1, 30);
    A.SetExtent(5, -4);
    A.SetExtent(1'000'000, 99); // outside: ignored
    EXPECT_EQ(A.GetExtent(0), 18);
    EXPECT_EQ(A.GetExtent(1), 30);
    EXPECT_EQ(A.GetExtent(5), 0);
    EXPECT_EQ(A.GetExtent(999'999), 18);
    EXPECT_EQ(A.GetExtent(-1), 0);
    EXPECT_EQ(A.GetExtent(1'000'000), 0);
    // Cells cut off and added again come back with the default extent.
    A.SetCount(2);
    A.SetCount(10);
    EXPECT_EQ(A.GetExtent(5), 18);
    EXPECT_EQ(A.GetExtent(1), 30);
    A.SetDefaultExtent(20);
    EXPECT_EQ(A.GetExtent(1), 20);
}

TEST(GridLayout, CellRectsAtTheStart)
{
    const TGridLayout L = SampleLayout();
    struct Case { int Col, Row; TRect Expected; };
    const Case Cases[] = {
        {0, 0, Rect(0, 0, 30, 20)},
        {1, 1, Rect(31, 21, 71, 37)},
        {2, 2, Rect(72, 38, 122, 56)},
        {4, 3, Rect(174, 57, 244, 75)},
        {5, 9, Rect(245, 171, 295, 189)},
        {6, 10, Rect(296, 190, 300, 200)}, // clipped to the cell area
        {7, 2, TRect{}},                   // right of the area
        {2, 11, TRect{}},                  // below the area
        {10, 2, TRect{}},                  // no such column
        {-1, 0, TRect{}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(L.CellRect(C.Col, C.Row), C.Expected) << C.Col << "," << C.Row;
    EXPECT_EQ(L.CellBounds(6, 10), Rect(296, 190, 346, 208));
    EXPECT_EQ(L.VisibleColCount(), 4);
    EXPECT_EQ(L.VisibleRowCount(), 8);
}

TEST(GridLayout, ScrollingKeepsFixedCellsInPlace)
{
    TGridLayout L = SampleLayout();
    const TRect FixedCorner = L.CellRect(1, 1);
    const TRect FixedColCell = L.CellRect(0, 5);
    L.TopLeft = {4, 100};
    EXPECT_EQ(L.CellRect(1, 1), FixedCorner);
    EXPECT_EQ(L.CellRect(0, 0), Rect(0, 0, 30, 20));
    EXPECT_EQ(L.CellRect(4, 0), Rect(72, 0, 142, 20)); // fixed row follows the columns
    EXPECT_EQ(L.CellRect(0, 100), Rect(0, 38, 30, 56)); // fixed column follows the rows
    EXPECT_EQ(L.CellRect(4, 100), Rect(72, 38, 142, 56));
    EXPECT_EQ(L.CellRect(3, 100), TRect{}); // scrolled out to the left
    EXPECT_EQ(L.CellRect(4, 99), TRect{});  // scrolled out above
    EXPECT_EQ(L.CellRect(0, 5), TRect{});
    EXPECT_NE(FixedColCell, TRect{});
}

TEST(GridLayout, MouseCoordInvertsCellRect)
{
    for (const TGridCoord TopLeft : {TGridCoord{2, 2}, TGridCoord{4, 100}, TGridCoord{6, 992}}) {
        TGridLayout L = SampleLayout();
        L.TopLeft = TopLeft;
        int Cells = 0;
        for (int C = 0; C < L.Cols.GetCount(); ++C)
            for (int R = 0; R < L.Rows.GetCount(); ++R) {
                const TRect Cell = L.CellRect(C, R);
                if (Cell.IsEmpty())
                    continue;
                ++Cells;
                const TGridCoord Expected{C, R};
                EXPECT_EQ(L.MouseCoord(Cell.Left, Cell.Top), Expected);
                EXPECT_EQ(L.MouseCoord(Cell.Right - 1, Cell.Bottom - 1), Expected);
                // The line right of and below a cell belongs to it.
                if (Cell.Right < L.ClientWidth && Cell.Bottom < L.ClientHeight) {
                    EXPECT_EQ(L.MouseCoord(Cell.Right, Cell.Bottom), Expected);
                }
            }
        EXPECT_GT(Cells, 40);
    }
}

TEST(GridLayout, MouseCoordOutsideTheCells)
{
    TGridLayout L = SampleLayout();
    L.Cols.SetCount(4); // columns end at x = 173
    const TGridCoord None{-1, -1};
    EXPECT_EQ(L.MouseCoord(-1, 5), None);
    EXPECT_EQ(L.MouseCoord(5, -1), None);
    EXPECT_EQ(L.MouseCoord(200, 5), None);
    EXPECT_EQ(L.MouseCoord(5, 200), None);
    EXPECT_EQ(L.MouseCoord(173, 199), (TGridCoord{3, 10}));
}

TEST(GridLayout, ScrollLimits)
{
    TGridLayout L = SampleLayout();
    EXPECT_EQ(L.MaxTopLeft(), (TGridCoord{6, 992}));
    EXPECT_EQ(L.ClampTopLeft({0, -5}), (TGridCoord{2, 2}));
    EXPECT_EQ(L.ClampTopLeft({50, 5'000'000}), (TGridCoord{6, 992}));
    // From the limit the last column and row are shown in full.
    L.TopLeft = L.MaxTopLeft();
    EXPECT_EQ(L.Cols.LastFullyVisible(L.TopLeft.X, L.ClientWidth), 9);
    EXPECT_EQ(L.Rows.LastFullyVisible(L.TopLeft.Y, L.ClientHeight), 999);
    // Everything fits: no scrolling at all.
    L.ClientWidth = 2000;
    EXPECT_EQ(L.MaxTopLeft().X, 2);
    // Fixed cells larger than the area: only the last cell can be first.
    L.ClientHeight = 30;
    EXPECT_EQ(L.MaxTopLeft().Y, 999);
    EXPECT_EQ(L.VisibleRowCount(), 0);
}

TEST(GridAxis, ScrollToShowAndBorders)
{
    const TGridLayout L = SampleLayout();
    const TGridAxis& A = L.Cols;
    EXPECT_EQ(A.ScrollToShow(9, 2, 300), 6);
    EXPECT_EQ(A.ScrollToShow(7, 2, 300), 4); // columns 4..7: 70 + 3 x 51 = 223 <= 228
    EXPECT_EQ(A.ScrollToShow(3, 5, 300), 3);
    EXPECT_EQ(A.ScrollToShow(4, 2, 300), 2); // already in view
    EXPECT_EQ(A.ScrollToShow(1, 5, 300), 5); // fixed
    EXPECT_EQ(A.BorderAt(69, 2, 300, 3), 1);
    EXPECT_EQ(A.BorderAt(124, 2, 300, 3), 2);
    EXPECT_EQ(A.BorderAt(100, 2, 300, 3), -1);
    EXPECT_EQ(A.LastVisible(2, 300), 6);
}

TEST(GridSelection, SpanOfAnchorAndCurrent)
{
    EXPECT_EQ(SpanSelection({5, 7}, {3, 2}, {}, 1, 10), GridRect(3, 2, 5, 7));
    EXPECT_EQ(SpanSelection({5, 7}, {3, 2}, goRowSelect, 1, 10), GridRect(1, 2, 9, 7));
}

namespace {
struct KeyCase
{
    const char* Name;
    quint16 Key;
    TShiftState Shift;
    TGridOptions Options;
    TGridCoord Current;
    TGridCoord ExpectedCurrent;
    TGridCoord ExpectedTopLeft;
    bool ExpectedMoveAnchor;
};
} // namespace

TEST(GridNavigation, KeysFromTheFirstPage)
{
    const TGridOptions None;
    const TGridOptions Rows = goRowSelect;
    const TGridOptions Tabs = goTabs;
    const KeyCase Cases[] = {
        {"down", 40, {}, None, {3, 5}, {3, 6}, {2, 2}, true},
        {"up at the top", 38, {}, None, {3, 2}, {3, 2}, {2, 2}, true},
        {"right", 39, {}, None, {3, 5}, {4, 5}, {2, 2}, true},
        {"left at the edge", 37, {}, None, {2, 5}, {2, 5}, {2, 2}, true},
        {"shift+down extends", 40, ssShift, None, {3, 5}, {3, 6}, {2, 2}, false},
        {"page down", 34, {}, None, {3, 5}, {3, 12}, {2, 9}, true},
        {"page up at the top", 33, {}, None, {3, 5}, {3, 2}, {2, 2}, true},
        {"home", 36, {}, None, {3, 5}, {2, 5}, {2, 2}, true},
        {"end", 35, {}, None, {3, 5}, {9, 5}, {2, 2}, true},
        {"ctrl+home", 36, ssCtrl, None, {3, 5}, {2, 2}, {2, 2}, true},
        {"ctrl+end", 35, ssCtrl, None, {3, 5}, {9, 999}, {2, 2}, true},
        {"ctrl+down scrolls", 40, ssCtrl, None, {3, 5}, {3, 5}, {2, 3}, true},
        {"ctrl+page down", 34, ssCtrl, None, {3, 5}, {3, 9}, {2, 2}, true},
        {"ctrl+right pages", 39, ssCtrl, None, {3, 5}, {6, 5}, {5, 2}, true},
        {"row select: right scrolls", 39, {}, Rows, {3, 5}, {3, 5}, {3, 2}, true},
        {"row select: home", 36, {}, Rows, {3, 5}, {3, 2}, {2, 2}, true},
        {"row select: end", 35, {}, Rows, {3, 5}, {3, 999}, {2, 2}, true},
        {"tab", 9, {}, Tabs, {3, 5}, {4, 5}, {2, 2}, true},
        {"tab at the row end", 9, {}, Tabs, {9, 5}, {2, 6}, {2, 2}, true},
        {"tab at the last cell", 9, {}, Tabs, {9, 999}, {2, 2}, {2, 2}, true},
        {"shift+tab", 9, ssShift, Tabs, {2, 5}, {9, 4}, {2, 2}, true},
        {"shift+tab at the first cell", 9, ssShift, Tabs, {2, 2}, {9, 999}, {2, 2}, true},
        {"from a hidden current cell", 40, {}, None, {11, 1200}, {9, 999}, {2, 2}, true},
    };
    const TGridLayout L = SampleLayout();
    for (const KeyCase& C : Cases) {
        const TGridKeyMove M = GridKeyMove(C.Key, C.Shift, L, C.Current, C.Options);
        EXPECT_TRUE(M.Handled) << C.Name;
        EXPECT_EQ(M.Current, C.ExpectedCurrent) << C.Name;
        EXPECT_EQ(M.TopLeft, C.ExpectedTopLeft) << C.Name;
        EXPECT_EQ(M.MoveAnchor, C.ExpectedMoveAnchor) << C.Name;
    }
}

TEST(GridNavigation, PagingStopsAtTheScrollLimit)
{
    TGridLayout L = SampleLayout();
    L.TopLeft = {2, 990};
    const TGridKeyMove M = GridKeyMove(34, {}, L, {3, 995}, {});
    EXPECT_EQ(M.Current, (TGridCoord{3, 999}));
    EXPECT_EQ(M.TopLeft, (TGridCoord{2, 992}));
}

TEST(GridNavigation, KeysTheGridLeavesAlone)
{
    const TGridLayout L = SampleLayout();
    EXPECT_FALSE(GridKeyMove(9, {}, L, {3, 5}, {}).Handled); // Tab without goTabs
    EXPECT_FALSE(GridKeyMove(9, ssAlt, L, {3, 5}, goTabs).Handled);
    EXPECT_FALSE(GridKeyMove(65, {}, L, {3, 5}, {}).Handled);
    EXPECT_FALSE(GridKeyMove(13, {}, L, {3, 5}, {}).Handled);
}

TEST(GridLayout, CellsInViewAndGridExtent)
{
    TGridLayout L = SampleLayout();
    L.TopLeft = {4, 100};
    const std::vector<TAxisCell> Cols = L.Cols.VisibleCells(L.TopLeft.X, L.ClientWidth);
    ASSERT_EQ(Cols.size(), 7u); // 0, 1, then 4..8
    EXPECT_EQ(Cols[1].Index, 1);
    EXPECT_EQ(Cols[2].Index, 4);
    EXPECT_EQ(Cols[2].Span, (TAxisSpan{72, 142}));
    EXPECT_EQ(Cols.back().Index, 8);
    EXPECT_EQ(L.GridWidth(), 300); // the last column runs past the area
    L.Cols.SetCount(6);
    L.TopLeft = L.ClampTopLeft(L.TopLeft); // all six fit: back to column 2
    EXPECT_EQ(L.TopLeft.X, 2);
    EXPECT_EQ(L.GridWidth(), 296); // column 5 ends at 295, its line at 296
}

TEST(GridLayout, ScrollBarsFollowTheContent)
{
    TGridLayout L = SampleLayout();
    L.Rows.SetCount(8); // 38 + 6 x 19 = 152 pixels
    L.Cols.SetCount(5); // 72 + 51 + 51 + 71 = 245 pixels
    struct Case { int Width, Height; TScrollStyle Style; TGridScrollBars Expected; };
    const Case Cases[] = {
        {300, 200, ssBoth, {false, false}},
        {300, 140, ssBoth, {false, true}},
        {240, 200, ssBoth, {true, false}},
        {240, 140, ssBoth, {true, true}},
        {240, 140, ssVertical, {false, true}},
        {240, 140, ssNone, {false, false}},
        // The horizontal bar takes 16 pixels and the rows no longer fit.
        {240, 160, ssBoth, {true, true}},
        // The vertical bar takes 16 pixels and the columns no longer fit.
        {250, 140, ssBoth, {true, true}},
        {262, 140, ssBoth, {false, true}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(NeededScrollBars(L, C.Width, C.Height, 16, C.Style), C.Expected) << C.Width << "x" << C.Height;
}

// ---- the grid controls --------------------------------------------------------

namespace {

// Six columns (a fixed one 30 wide, the others 40), fifty rows (two fixed,
// all 20 high), no border and no scroll bars: the cell area is the whole
// 200 x 100 control.
//   columns: 0: 0..30, 1: 31..71, 2: 72..112, 3: 113..153, 4: 154..194, 5: 195..
//   rows:    0: 0..20, 1: 21..41, 2: 42..62, 3: 63..83, 4: 84..
std::unique_ptr<TDrawGrid> MakeGrid(TGridOptions Options = goFixedVertLine | goFixedHorzLine | goVertLine |
                                                           goHorzLine | goRangeSelect)
{
    auto G = std::make_unique<TDrawGrid>();
    G->SetBorderStyle(bsNone);
    G->SetScrollBars(ssNone);
    G->SetColCount(6);
    G->SetRowCount(50);
    G->SetFixedRows(2);
    G->SetDefaultColWidth(40);
    G->SetDefaultRowHeight(20);
    G->SetColWidths(0, 30);
    G->SetOptions(Options);
    G->SetBounds(0, 0, 200, 100);
    return G;
}

// The middle of a cell in client coordinates.
TPoint Middle(const TCustomGrid& G, int ACol, int ARow)
{
    const TRect R = G.CellRect(ACol, ARow);
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

void Click(TCustomGrid& G, int ACol, int ARow, TShiftState Shift = {})
{
    const TPoint P = Middle(G, ACol, ARow);
    G.MouseDown(mbLeft, Shift | ssLeft, P.X, P.Y);
    G.MouseUp(mbLeft, Shift, P.X, P.Y);
}

void Key(TCustomGrid& G, quint16 Code, TShiftState Shift = {})
{
    G.KeyDown(Code, Shift);
}

void Type(QWidget* Target, QChar Char)
{
    auto* Control = dynamic_cast<TControlCore*>(Target);
    ASSERT_NE(Control, nullptr);
    Control->KeyPress(Char);
}

} // namespace

TEST(DrawGrid, StartsAtTheFirstScrollableCell)
{
    auto G = MakeGrid();
    EXPECT_EQ(G->GetCol(), 1);
    EXPECT_EQ(G->GetRow(), 2); // moved out of the second fixed row
    EXPECT_EQ(G->GetTopRow(), 2);
    EXPECT_EQ(G->GetLeftCol(), 1);
    EXPECT_EQ(G->GetVisibleColCount(), 4);
    EXPECT_EQ(G->GetVisibleRowCount(), 2);
    EXPECT_EQ(G->CellRect(2, 3), Rect(72, 63, 112, 83));
    EXPECT_EQ(G->MouseCoord(80, 70), (TGridCoord{2, 3}));
    int C = 0, R = 0;
    G->MouseToCell(199, 99, C, R);
    EXPECT_EQ(C, 5);
    EXPECT_EQ(R, 4);
}

TEST(DrawGrid, PaintDrawsExactlyTheVisibleCellsWithTheirStates)
{
    auto G = MakeGrid();
    G->SetTopRow(10);
    G->SetSelection(GridRect(2, 10, 3, 11));
    std::map<std::pair<int, int>, std::pair<TRect, TGridDrawState>> Drawn;
    int Calls = 0;
    G->OnDrawCell = [&](QObject* Sender, int ACol, int ARow, TRect R, TGridDrawState State) {
        EXPECT_EQ(Sender, G.get());
        ++Calls;
        Drawn[{ACol, ARow}] = {R, State};
    };
    G->Paint();
    const int Rows[] = {0, 1, 10, 11, 12};
    EXPECT_EQ(Calls, 6 * 5);
    ASSERT_EQ(Drawn.size(), 30u);
    for (int Col = 0; Col < 6; ++Col)
        for (int Row : Rows) {
            ASSERT_TRUE(Drawn.count({Col, Row})) << Col << "," << Row;
            const auto& [R, State] = Drawn[{Col, Row}];
            EXPECT_EQ(R, (G->GetLayout().CellBounds(Col, Row)));
            TGridDrawState Expected;
            if (Col < 1 || Row < 2)
                Expected = gdFixed;
            else if (Col >= 2 && Col <= 3 && Row >= 10 && Row <= 11)
                Expected = gdSelected; // not focused: the grid has no focus
            EXPECT_EQ(State, Expected) << Col << "," << Row;
        }
    // The partly visible last column and row get their whole rectangle.
    EXPECT_EQ((Drawn[{5, 12}].first), Rect(195, 84, 235, 104));
}

TEST(DrawGrid, TheFocusedCellIsMarkedWhileTheGridHasFocus)
{
    auto G = MakeGrid();
    G->show();
    G->activateWindow();
    G->setFocus();
    QApplication::processEvents();
    if (!G->Focused())
        GTEST_SKIP() << "the platform gives no focus";
    TGridDrawState Current;
    G->OnDrawCell = [&](QObject*, int ACol, int ARow, TRect, TGridDrawState State) {
        if (ACol == G->GetCol() && ARow == G->GetRow())
            Current = State;
    };
    G->Paint();
    EXPECT_EQ(Current, gdFocused | gdSelected);
}

TEST(DrawGrid, DefaultDrawingPaintsEachStateAndTheLines)
{
    auto G = MakeGrid();
    G->SetColor(clWhite);
    G->SetFixedColor(0x336699);
    G->SetSelection(GridRect(2, 2, 3, 3));
    G->Paint();
    const TCanvas* C = G->GetCanvas();
    struct Case { const char* Name; int X, Y; TColor Expected; };
    const Case Cases[] = {
        {"fixed cell", 15, 10, 0x336699},
        {"plain cell", 170, 70, clWhite},
        {"selected cell", 90, 50, ColorToRGB(clHighlight)},
        {"line between scrollable columns", 112, 70, clSilver},
        {"line between scrollable rows", 170, 83, clSilver},
        {"line right of the fixed column", 30, 70, clBlack},
        {"line below the fixed rows", 170, 41, clBlack},
        {"raised edge of a fixed cell", 0, 10, ColorToRGB(clBtnHighlight)},
    };
    for (const Case& T : Cases)
        EXPECT_EQ(C->GetPixel(T.X, T.Y), T.Expected) << T.Name;
    // Without default drawing the cells show only what DrawCell draws.
    G->SetDefaultDrawing(false);
    G->Paint();
    EXPECT_EQ(C->GetPixel(15, 10), clWhite);
    EXPECT_EQ(C->GetPixel(90, 50), clWhite);
    EXPECT_EQ(C->GetPixel(112, 70), clSilver);
}

TEST(DrawGrid, FixedCellsStayWhileScrolling)
{
    auto G = MakeGrid();
    const TRect Corner = G->CellRect(0, 1);
    const TRect Header = G->CellRect(3, 0);
    int Changes = 0;
    G->OnTopLeftChanged = [&](QObject*) { ++Changes; };
    G->SetTopRow(30);
    G->SetLeftCol(2);
    EXPECT_EQ(Changes, 2);
    EXPECT_EQ(G->CellRect(0, 1), Corner);
    EXPECT_EQ(G->CellRect(0, 30), Rect(0, 42, 30, 62));
    EXPECT_EQ(G->CellRect(2, 0), Rect(31, 0, 71, 20)); // header row follows the columns
    EXPECT_NE(G->CellRect(3, 0), Header);
    EXPECT_EQ(G->MouseCoord(10, 50), (TGridCoord{0, 30}));
}

TEST(DrawGrid, TopRowAndLeftColStayInsideTheirLimits)
{
    auto G = MakeGrid();
    int Changes = 0;
    G->OnTopLeftChanged = [&](QObject*) { ++Changes; };
    struct Case { int Top, ExpectedTop, Left, ExpectedLeft; };
    const Case Cases[] = {
        {-5, 2, -5, 1},
        {0, 2, 0, 1},
        {48, 48, 2, 2},
        {49, 48, 3, 2}, // the last full page starts at row 48 and column 2
        {1'000'000, 48, 99, 2},
    };
    for (const Case& C : Cases) {
        G->SetTopRow(C.Top);
        G->SetLeftCol(C.Left);
        EXPECT_EQ(G->GetTopRow(), C.ExpectedTop) << C.Top;
        EXPECT_EQ(G->GetLeftCol(), C.ExpectedLeft) << C.Left;
    }
    EXPECT_EQ(Changes, 2); // to (2, 48) and nothing after
    // Growing the control lets fewer rows scroll: the top row follows.
    G->SetBounds(0, 0, 200, 200);
    EXPECT_EQ(G->GetTopRow(), 43);
    EXPECT_EQ(Changes, 3);
}

TEST(DrawGrid, ScrollBarsFollowTheContentAndScrollTheView)
{
    auto G = MakeGrid();
    G->SetScrollBars(ssBoth);
    G->SetBounds(0, 0, 400, 150);
    QScrollBar* Vert = G->VertScrollBar();
    EXPECT_FALSE(G->HorzScrollBar()->isHidden() && Vert->isHidden());
    EXPECT_FALSE(Vert->isHidden());
    EXPECT_TRUE(G->HorzScrollBar()->isHidden()); // 6 columns fit into 400 pixels
    EXPECT_EQ(G->GetClientWidth(), 400 - Vert->width());
    EXPECT_EQ(Vert->minimum(), 2);
    EXPECT_EQ(Vert->maximum(), G->GetLayout().MaxTopLeft().Y);
    Vert->setValue(20);
    EXPECT_EQ(G->GetTopRow(), 20);
    Key(*G, VK_NEXT);
    EXPECT_EQ(Vert->value(), G->GetTopRow());
    G->SetRowCount(4); // everything fits: no bar
    EXPECT_TRUE(Vert->isHidden());
    EXPECT_EQ(G->GetTopRow(), 2);
}

TEST(DrawGrid, WheelScrollsUnlessTheHandlerTakesIt)
{
    auto G = MakeGrid();
    EXPECT_TRUE(G->DoMouseWheelDown({}, {}));
    EXPECT_EQ(G->GetTopRow(), 5);
    EXPECT_TRUE(G->DoMouseWheelUp({}, {}));
    EXPECT_EQ(G->GetTopRow(), 2);
    G->OnMouseWheelDown = [](QObject*, TShiftState, TPoint, bool& Handled) { Handled = true; };
    G->DoMouseWheelDown({}, {});
    EXPECT_EQ(G->GetTopRow(), 2);
    EXPECT_EQ(G->GetRow(), 2); // the wheel scrolls, it does not move the current cell
}

TEST(DrawGrid, MouseSelectionInEachMode)
{
    struct Case
    {
        const char* Name;
        TGridOptions Options;
        TShiftState SecondShift;
        bool Drag;
        TGridRect Expected;
    };
    const TGridOptions Range = goRangeSelect;
    const TGridOptions Rows = goRowSelect | goRangeSelect;
    const Case Cases[] = {
        {"click", Range, {}, false, GridRect(3, 3, 3, 3)},
        {"shift+click extends", Range, ssShift, false, GridRect(2, 2, 3, 3)},
        {"shift+click without range select", {}, ssShift, false, GridRect(3, 3, 3, 3)},
        {"drag", Range, {}, true, GridRect(2, 2, 3, 3)},
        {"drag without range select", {}, {}, true, GridRect(3, 3, 3, 3)},
        {"row select: click", Rows, {}, false, GridRect(1, 3, 5, 3)},
        {"row select: drag", Rows, {}, true, GridRect(1, 2, 5, 3)},
    };
    for (const Case& C : Cases) {
        auto G = MakeGrid(C.Options);
        Click(*G, 2, 2);
        const TPoint P = Middle(*G, 3, 3);
        if (C.Drag) {
            const TPoint Start = Middle(*G, 2, 2);
            G->MouseDown(mbLeft, ssLeft, Start.X, Start.Y);
            G->MouseMove(ssLeft, P.X, P.Y);
            G->MouseUp(mbLeft, {}, P.X, P.Y);
        } else {
            Click(*G, 3, 3, C.SecondShift);
        }
        EXPECT_EQ(G->GetSelection(), C.Expected) << C.Name;
        EXPECT_EQ(G->GetRow(), 3) << C.Name;
    }
}

TEST(DrawGrid, ClicksOnFixedCellsAndOutsideChangeNothing)
{
    auto G = MakeGrid();
    Click(*G, 3, 3);
    const TGridRect Before = G->GetSelection();
    Click(*G, 0, 3);
    Click(*G, 3, 1);
    G->MouseDown(mbLeft, ssLeft, 500, 500);
    G->MouseDown(mbRight, ssRight, Middle(*G, 2, 2).X, Middle(*G, 2, 2).Y);
    EXPECT_EQ(G->GetSelection(), Before);
    // A press whose release the grid never saw: moving without the button selects nothing.
    const TPoint P = Middle(*G, 2, 2);
    G->MouseDown(mbLeft, ssLeft, P.X, P.Y);
    const TPoint Q = Middle(*G, 4, 3);
    G->MouseMove({}, Q.X, Q.Y);
    EXPECT_EQ(G->GetSelection(), GridRect(2, 2, 2, 2));
}

TEST(DrawGrid, KeysMoveAndExtendTheSelection)
{
    auto G = MakeGrid();
    Key(*G, VK_DOWN);
    Key(*G, VK_RIGHT);
    EXPECT_EQ(G->GetSelection(), GridRect(2, 3, 2, 3));
    Key(*G, VK_DOWN, ssShift);
    Key(*G, VK_RIGHT, ssShift);
    EXPECT_EQ(G->GetSelection(), GridRect(2, 3, 3, 4));
    // Moving the current row out of view scrolls it back in.
    EXPECT_EQ(G->GetTopRow(), 3);
    Key(*G, VK_HOME, ssCtrl);
    EXPECT_EQ(G->GetSelection(), GridRect(1, 2, 1, 2));
    EXPECT_EQ(G->GetTopRow(), 2);
    Key(*G, VK_END, ssCtrl);
    EXPECT_EQ(G->GetSelection(), GridRect(5, 49, 5, 49));
    EXPECT_EQ(G->GetTopRow(), 48);
    EXPECT_EQ(G->GetLeftCol(), 2);
    // Tab moves only with goTabs.
    G->SetOptions(G->GetOptions() | goTabs);
    Key(*G, VK_TAB);
    EXPECT_EQ(G->GetSelection(), GridRect(1, 2, 1, 2)); // wrapped to the first cell
}

TEST(DrawGrid, SelectCellMayRefuseAMove)
{
    auto G = MakeGrid();
    std::vector<std::pair<int, int>> Asked;
    G->OnSelectCell = [&](QObject*, int ACol, int ARow, bool& CanSelect) {
        Asked.push_back({ACol, ARow});
        CanSelect = ACol != 3;
    };
    int Clicks = 0;
    G->OnClick = [&](QObject*) { ++Clicks; };
    Key(*G, VK_RIGHT);
    Key(*G, VK_RIGHT); // to column 3: refused
    EXPECT_EQ(G->GetCol(), 2);
    Click(*G, 3, 3);
    EXPECT_EQ(G->GetCol(), 2);
    EXPECT_EQ(G->GetRow(), 2);
    G->SetCol(3);
    EXPECT_EQ(G->GetCol(), 2);
    EXPECT_EQ(G->GetSelection(), GridRect(2, 2, 2, 2));
    EXPECT_EQ(Asked, (std::vector<std::pair<int, int>>{{2, 2}, {3, 2}, {3, 3}, {3, 2}}));
    EXPECT_EQ(Clicks, 1); // the accepted key move
}

TEST(DrawGrid, ColumnsAreSizedByDraggingTheirBorderInAFixedRow)
{
    auto G = MakeGrid(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goColSizing);
    // Border of column 2 at x = 112; grab it 2 pixels off and drag 25 right.
    G->MouseDown(mbLeft, ssLeft, 110, 10);
    EXPECT_EQ(G->GetGridState(), gsColSizing);
    G->MouseMove(ssLeft, 135, 10);
    G->MouseUp(mbLeft, {}, 135, 10);
    EXPECT_EQ(G->GetColWidths(2), 65);
    EXPECT_EQ(G->GetGridState(), gsNormal);
    // In a scrollable row the same spot selects a cell.
    G->MouseDown(mbLeft, ssLeft, 135, 50);
    G->MouseUp(mbLeft, {}, 135, 50);
    EXPECT_EQ(G->GetColWidths(2), 65);
    EXPECT_EQ(G->GetCol(), 2);
    // Without goColSizing the header border is just a header.
    G->SetOptions(G->GetOptions() & ~TGridOptions(goColSizing));
    G->MouseDown(mbLeft, ssLeft, 137, 10);
    G->MouseMove(ssLeft, 160, 10);
    EXPECT_EQ(G->GetColWidths(2), 65);
}

TEST(DrawGrid, ShrinkingKeepsTheCurrentCellInside)
{
    auto G = MakeGrid();
    Key(*G, VK_END, ssCtrl);
    G->SetRowCount(10);
    G->SetColCount(3);
    EXPECT_EQ(G->GetRow(), 9);
    EXPECT_EQ(G->GetCol(), 2);
    EXPECT_EQ(G->GetSelection(), GridRect(2, 9, 2, 9));
    EXPECT_LE(G->GetTopRow(), 9);
}

// ---- in-place editing -----------------------------------------------------------

namespace {

// A draw grid over a small table of strings; column 4 edits with a pick list.
class TableGrid : public TCustomDrawGrid
{
public:
    TableGrid()
    {
        for (int R = 0; R < 50; ++R)
            for (int C = 0; C < 6; ++C)
                Cells[{C, R}] = QStringLiteral("%1:%2").arg(C).arg(R);
        OnGetEditText = [this](QObject*, int ACol, int ARow, QString& Value) { Value = Cells[{ACol, ARow}]; };
        OnSetEditText = [this](QObject*, int ACol, int ARow, const QString& Value) {
            Cells[{ACol, ARow}] = Value;
            Stored.push_back(Value);
        };
    }
    TEditStyle GetEditStyle(int ACol, int) override { return ACol == 4 ? esPickList : esSimple; }
    TInplaceEdit* CreateEditor() override
    {
        auto* Editor = new TInplaceEditList(this);
        Editor->SetDropDownRows(3);
        Editor->OnGetPickListItems = [this](int ACol, int ARow, QStringList& Items) {
            ++ItemRequests;
            Items = {QStringLiteral("low"), QStringLiteral("mid %1").arg(ARow), QStringLiteral("high"),
                     QStringLiteral("max"), QString::number(ACol)};
        };
        return Editor;
    }

    std::map<std::pair<int, int>, QString> Cells;
    QStringList Stored;
    int ItemRequests = 0;
};

std::unique_ptr<TableGrid> MakeTable()
{
    auto G = std::make_unique<TableGrid>();
    G->SetBorderStyle(bsNone);
    G->SetScrollBars(ssNone);
    G->SetColCount(6);
    G->SetRowCount(50);
    G->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goEditing);
    G->SetBounds(0, 0, 400, 200);
    return G;
}

TInplaceEdit* Editor(const TCustomGrid& G)
{
    return G.GetInplaceEditor();
}

} // namespace

TEST(GridEditor, EnterOpensWithTheCellTextAndStoresTheEdit)
{
    auto G = MakeTable();
    Click(*G, 2, 3);
    QChar Enter('\r');
    G->KeyPress(Enter);
    ASSERT_TRUE(G->GetEditorMode());
    ASSERT_NE(Editor(*G), nullptr);
    EXPECT_EQ(Editor(*G)->text(), QStringLiteral("2:3"));
    EXPECT_EQ(Editor(*G)->geometry(), ToQRect(G->CellRect(2, 3)));
    QTest::keyClicks(Editor(*G), QStringLiteral("4.5"));
    QTest::keyClick(Editor(*G), Qt::Key_Return);
    EXPECT_FALSE(G->GetEditorMode());
    EXPECT_TRUE(Editor(*G)->isHidden());
    EXPECT_EQ(G->Stored, QStringList{QStringLiteral("4.5")});
    EXPECT_EQ((G->Cells[{2, 3}]), QStringLiteral("4.5"));
}

TEST(GridEditor, EscapeLeavesTheCellAsItWas)
{
    auto G = MakeTable();
    Click(*G, 2, 3);
    G->SetEditorMode(true);
    QTest::keyClicks(Editor(*G), QStringLiteral("junk"));
    QTest::keyClick(Editor(*G), Qt::Key_Escape);
    EXPECT_FALSE(G->GetEditorMode());
    EXPECT_TRUE(G->Stored.isEmpty());
    EXPECT_EQ((G->Cells[{2, 3}]), QStringLiteral("2:3"));
    // Opening and closing without a change stores nothing either.
    G->SetEditorMode(true);
    G->SetEditorMode(false);
    EXPECT_TRUE(G->Stored.isEmpty());
}

TEST(GridEditor, TypingOnACellStartsEditingWithThatKey)
{
    auto G = MakeTable();
    Click(*G, 3, 5);
    Type(G.get(), QLatin1Char('7'));
    ASSERT_TRUE(G->GetEditorMode());
    EXPECT_EQ(Editor(*G)->text(), QStringLiteral("7"));
    QTest::keyClicks(Editor(*G), QStringLiteral("5"));
    // Down stores the text and moves on; the editor closes.
    QTest::keyClick(Editor(*G), Qt::Key_Down);
    EXPECT_EQ(G->Stored, QStringList{QStringLiteral("75")});
    EXPECT_EQ(G->GetRow(), 6);
    EXPECT_FALSE(G->GetEditorMode());
    // Without goEditing typing does nothing.
    G->SetOptions(G->GetOptions() & ~TGridOptions(goEditing));
    Type(G.get(), QLatin1Char('9'));
    EXPECT_FALSE(G->GetEditorMode());
}

TEST(GridEditor, ASecondClickOnTheCurrentCellEdits)
{
    auto G = MakeTable();
    Click(*G, 2, 3);
    EXPECT_FALSE(G->GetEditorMode());
    Click(*G, 2, 3);
    EXPECT_TRUE(G->GetEditorMode());
    EXPECT_EQ(G->EditorCell(), (TGridCoord{2, 3}));
    // A click elsewhere stores and closes.
    QTest::keyClicks(Editor(*G), QStringLiteral("x"));
    Click(*G, 1, 1);
    EXPECT_FALSE(G->GetEditorMode());
    EXPECT_EQ(G->Stored, QStringList{QStringLiteral("x")});
}

TEST(GridEditor, NoEditorOnFixedCellsRowSelectOrWithoutEditing)
{
    auto G = MakeTable();
    G->SetSelection(GridRect(0, 0, 0, 0));
    G->ShowEditor();
    EXPECT_FALSE(G->GetEditorMode());
    Click(*G, 2, 2);
    G->SetOptions(G->GetOptions() | goRowSelect);
    G->ShowEditor();
    EXPECT_FALSE(G->GetEditorMode());
}

TEST(GridEditor, AlwaysShowEditorFollowsTheCurrentCell)
{
    auto G = MakeTable();
    G->SetOptions(G->GetOptions() | goAlwaysShowEditor);
    EXPECT_TRUE(G->GetEditorMode());
    EXPECT_EQ(G->EditorCell(), (TGridCoord{1, 1}));
    QTest::keyClicks(Editor(*G), QStringLiteral("a"));
    Key(*G, VK_RIGHT);
    EXPECT_EQ(G->Stored, QStringList{QStringLiteral("a")});
    EXPECT_EQ(G->EditorCell(), (TGridCoord{2, 1}));
    EXPECT_EQ(Editor(*G)->text(), QStringLiteral("2:1"));
}

TEST(GridEditor, PickListAsksForItemsWhenItDropsDown)
{
    auto G = MakeTable();
    Click(*G, 4, 5);
    G->SetEditorMode(true);
    auto* List = qobject_cast<TInplaceEditList*>(Editor(*G));
    ASSERT_NE(List, nullptr);
    EXPECT_EQ(List->GetEditStyle(), esPickList);
    EXPECT_EQ(G->ItemRequests, 0);
    List->DropDown();
    EXPECT_EQ(G->ItemRequests, 1);
    EXPECT_TRUE(List->GetListVisible());
    EXPECT_EQ(List->GetPickListItems(), (QStringList{"low", "mid 5", "high", "max", "4"}));
    // Three rows shown of five items.
    const int RowHeight = List->GetPickList()->sizeHintForRow(0);
    EXPECT_EQ(List->GetPickList()->height(), 3 * RowHeight + 2 * List->GetPickList()->frameWidth());
    List->GetPickList()->setCurrentRow(2);
    List->CloseUp(true);
    EXPECT_FALSE(List->GetListVisible());
    EXPECT_EQ(List->text(), QStringLiteral("high"));
    QTest::keyClick(List, Qt::Key_Return);
    EXPECT_EQ(G->Stored, QStringList{QStringLiteral("high")});
    // Each drop-down asks again; F4 drops down; a plain column has no list.
    Click(*G, 4, 6);
    G->SetEditorMode(true);
    quint16 F4 = VK_F1 + 3;
    List->KeyDown(F4, {});
    EXPECT_EQ(G->ItemRequests, 2);
    EXPECT_EQ(List->GetPickListItems().at(1), QStringLiteral("mid 6"));
    List->CloseUp(false);
    EXPECT_EQ(List->text(), QStringLiteral("4:6"));
    Click(*G, 3, 6);
    G->SetEditorMode(true);
    EXPECT_EQ(List->GetEditStyle(), esSimple);
    List->DropDown();
    EXPECT_FALSE(List->GetListVisible());
    EXPECT_EQ(G->ItemRequests, 2);
}

// ---- Qt citizenship ---------------------------------------------------------

TEST(DrawGridQt, CurrentCellSignalsTopLeftAndAccessibility)
{
    auto G = MakeGrid();
    QList<int> Cols, Rows;
    int TopLeft = 0;
    QObject::connect(G.get(), &TCustomGrid::colChanged, [&](int C) { Cols << C; });
    QObject::connect(G.get(), &TCustomGrid::rowChanged, [&](int R) { Rows << R; });
    QObject::connect(G.get(), &TCustomDrawGrid::topLeftChanged, [&] { ++TopLeft; });
    Key(*G, 39);  // right
    Key(*G, 40);  // down
    G->SetCol(2); // unchanged: nothing
    G->setProperty("Row", 20);
    G->SetSelection(GridRect(3, 5, 3, 5));
    EXPECT_EQ(Cols, QList<int>({2, 3}));
    EXPECT_EQ(Rows, QList<int>({3, 20, 5}));
    EXPECT_GE(TopLeft, 1); // row 20 scrolled into view

    EXPECT_EQ(G->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(TDrawGrid().sizeHint(), QSize(320, 120));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(G.get());
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::Table);
    EXPECT_TRUE(A->state().focusable);

    // clWindow cells and clBtnFace fixed cells follow the palette.
    auto P = MakeGrid();
    QPalette Dark = P->palette();
    Dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    Dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    P->setPalette(Dark);
    P->Update();
    const TPoint Cell = Middle(*P, 3, 3);
    EXPECT_EQ(P->GetCanvas()->GetPixel(Cell.X + 15, Cell.Y), RGBToColor(0x23, 0x23, 0x23));
    EXPECT_EQ(P->GetCanvas()->GetPixel(5, 5), RGBToColor(0x35, 0x35, 0x35));
}
