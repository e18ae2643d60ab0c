// The grid: geometry of fixed and scrollable cells, scroll limits, selection
// and key navigation rules, and the grid controls driven through their input
// handlers.
#include <vok/Vok_gridlayout.h>
#include <vok/Vok_gridnav.h>

#include <gtest/gtest.h>

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
