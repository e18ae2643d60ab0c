#include <vok/Vok_gridnav.h>

#include <algorithm>

namespace vok {

namespace {
constexpr quint16 KeyTab = 9;
constexpr quint16 KeyPageUp = 33;
constexpr quint16 KeyPageDown = 34;
constexpr quint16 KeyEnd = 35;
constexpr quint16 KeyHome = 36;
constexpr quint16 KeyLeft = 37;
constexpr quint16 KeyUp = 38;
constexpr quint16 KeyRight = 39;
constexpr quint16 KeyDown = 40;

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
        case KeyUp: --T.Y; break;
        case KeyDown: ++T.Y; break;
        case KeyLeft:
            T.X -= PageWidth;
            if (!RowSelect)
                C.X -= PageWidth;
            break;
        case KeyRight:
            T.X += PageWidth;
            if (!RowSelect)
                C.X += PageWidth;
            break;
        case KeyPageUp: C.Y = Layout.TopLeft.Y; break;
        case KeyPageDown: C.Y = Layout.Rows.LastFullyVisible(Layout.TopLeft.Y, Layout.ClientHeight); break;
        case KeyHome: C = {Layout.Cols.GetFixedCount(), Layout.Rows.GetFixedCount()}; break;
        case KeyEnd: C = {Layout.Cols.GetCount() - 1, Layout.Rows.GetCount() - 1}; break;
        default: M.Handled = false;
        }
    } else {
        switch (Key) {
        case KeyUp: --C.Y; break;
        case KeyDown: ++C.Y; break;
        case KeyLeft:
            if (RowSelect)
                --T.X;
            else
                --C.X;
            break;
        case KeyRight:
            if (RowSelect)
                ++T.X;
            else
                ++C.X;
            break;
        case KeyPageUp:
            C.Y -= PageHeight;
            T.Y -= PageHeight;
            break;
        case KeyPageDown:
            C.Y += PageHeight;
            T.Y += PageHeight;
            break;
        case KeyHome:
            if (RowSelect)
                C.Y = Layout.Rows.GetFixedCount();
            else
                C.X = Layout.Cols.GetFixedCount();
            break;
        case KeyEnd:
            if (RowSelect)
                C.Y = Layout.Rows.GetCount() - 1;
            else
                C.X = Layout.Cols.GetCount() - 1;
            break;
        case KeyTab:
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
