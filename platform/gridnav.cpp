#include <vok/Vok_gridnav.h>
#include <vok/Vok_keys.h>

#include <algorithm>

namespace vok {

namespace {
// Tab order: left to right through a row, then on to the next row, wrapping
// from the last cell to the first.
TGridCoord TabStep(TGridCoord Cell, bool Backward, const TGridLayout& Layout)
{
    const int FixedCols = Layout.Cols.GetFixedCount();
    const int FixedRows = Layout.Rows.GetFixedCount();
    const int LastCol = Layout.Cols.GetCount() - 1;
    const int LastRow = Layout.Rows.GetCount() - 1;
    Cell.X = std::clamp(Cell.X, FixedCols, LastCol);
    Cell.Y = std::clamp(Cell.Y, FixedRows, LastRow);
    if (Backward) {
        if (--Cell.X < FixedCols) {
            Cell.X = LastCol;
            if (--Cell.Y < FixedRows)
                Cell.Y = LastRow;
        }
    } else if (++Cell.X > LastCol) {
        Cell.X = FixedCols;
        if (++Cell.Y > LastRow)
            Cell.Y = FixedRows;
    }
    return Cell;
}
} // namespace

TGridRect SpanSelection(TGridCoord Anchor, TGridCoord Current, TGridOptions Options, int FixedCols, int ColCount)
{
    TGridRect R{std::min(Anchor.X, Current.X), std::min(Anchor.Y, Current.Y), std::max(Anchor.X, Current.X),
                std::max(Anchor.Y, Current.Y)};
    if (Options & goRowSelect) {
        R.Left = FixedCols;
        R.Right = ColCount - 1;
    }
    return R;
}

TGridKeyMove GridKeyMove(quint16 Key, TShiftState Shift, const TGridLayout& Layout, TGridCoord Current,
                         TGridOptions Options)
{
    const bool RowSelect = Options & goRowSelect;
    const int PageWidth = std::max(1, Layout.VisibleColCount() - 1);
    const int PageHeight = std::max(1, Layout.VisibleRowCount() - 1);
    TGridKeyMove M;
    M.Handled = true;
    M.Current = Current;
    M.TopLeft = Layout.TopLeft;
    M.MoveAnchor = !(Shift & ssShift);
    TGridCoord& C = M.Current;
    TGridCoord& T = M.TopLeft;
    if (Shift & ssCtrl) {
        switch (Key) {
        case VK_UP: --T.Y; break;
        case VK_DOWN: ++T.Y; break;
        case VK_LEFT:
            T.X -= PageWidth;
            if (!RowSelect)
                C.X -= PageWidth;
            break;
        case VK_RIGHT:
            T.X += PageWidth;
            if (!RowSelect)
                C.X += PageWidth;
            break;
        case VK_PRIOR: C.Y = Layout.TopLeft.Y; break;
        case VK_NEXT: C.Y = Layout.Rows.LastFullyVisible(Layout.TopLeft.Y, Layout.ClientHeight); break;
        case VK_HOME: C = {Layout.Cols.GetFixedCount(), Layout.Rows.GetFixedCount()}; break;
        case VK_END: C = {Layout.Cols.GetCount() - 1, Layout.Rows.GetCount() - 1}; break;
        default: M.Handled = false;
        }
    } else {
        switch (Key) {
        case VK_UP: --C.Y; break;
        case VK_DOWN: ++C.Y; break;
        case VK_LEFT:
            if (RowSelect)
                --T.X;
            else
                --C.X;
            break;
        case VK_RIGHT:
            if (RowSelect)
                ++T.X;
            else
                ++C.X;
            break;
        case VK_PRIOR:
            C.Y -= PageHeight;
            T.Y -= PageHeight;
            break;
        case VK_NEXT:
            C.Y += PageHeight;
            T.Y += PageHeight;
            break;
        case VK_HOME:
            if (RowSelect)
                C.Y = Layout.Rows.GetFixedCount();
            else
                C.X = Layout.Cols.GetFixedCount();
            break;
        case VK_END:
            if (RowSelect)
                C.Y = Layout.Rows.GetCount() - 1;
            else
                C.X = Layout.Cols.GetCount() - 1;
            break;
        case VK_TAB:
            if (!(Options & goTabs) || (Shift & ssAlt)) {
                M.Handled = false;
                break;
            }
            C = TabStep(C, Shift & ssShift, Layout);
            M.MoveAnchor = true;
            break;
        default: M.Handled = false;
        }
    }
    if (!M.Handled)
        return {};
    T = Layout.ClampTopLeft(T);
    C.X = std::clamp(C.X, Layout.Cols.GetFixedCount(), Layout.Cols.GetCount() - 1);
    C.Y = std::clamp(C.Y, Layout.Rows.GetFixedCount(), Layout.Rows.GetCount() - 1);
    return M;
}

} // namespace vok
