/// Geometry of a grid without any widget: the extents of columns and rows,
/// the fixed cells, the scroll position, which cells are visible where, and
/// how far the view may scroll. The grid controls call it; tests call it
/// directly. \file
#pragma once

#include <vok/Vok_gridtypes.h>
#include <vok/vok_export.h>

#include <vector>

namespace vok {

/// A span of pixels along one axis, End exclusive.
struct TAxisSpan
{
    int Start = 0; ///< First pixel.
    int End = 0; ///< One past the last pixel.
    bool IsEmpty() const { return End <= Start; } ///< Whether the span holds no pixel.
    friend bool operator==(const TAxisSpan&, const TAxisSpan&) = default;
};

/// A cell along one axis and its pixels.
struct TAxisCell
{
    int Index = 0; ///< The cell's number.
    TAxisSpan Span; ///< The cell's pixels.
};

/// One axis of a grid: the columns with their widths or the rows with their
/// heights. The first FixedCount cells are fixed (always shown at the start);
/// the others scroll, First being the first scrollable cell shown. Every cell
/// is followed by a grid line of LineWidth pixels, which belongs to that cell
/// for hit tests. ClientExtent is the length of the cell area in pixels.
class VOK_EXPORT TGridAxis
{
public:
    TGridAxis(int Count, int FixedCount, int DefaultExtent); ///< Count cells of DefaultExtent pixels, the first FixedCount fixed.

    int GetCount() const { return FCount; } ///< The number of cells.
    /// At least 1. The fixed count follows: it is the requested fixed count,
    /// limited to Count - 1, so the order of setting both does not matter.
    void SetCount(int Value);
    /// The number of fixed cells.
    ///@{
    int GetFixedCount() const;
    void SetFixedCount(int Value);
    ///@}

    int GetDefaultExtent() const { return FDefaultExtent; } ///< The extent of cells without one of their own.
    /// Gives every cell the new default extent (individual extents are reset).
    void SetDefaultExtent(int Value);
    /// Cells outside 0..Count-1 read as 0 and ignore writes; negatives become 0.
    ///@{
    int GetExtent(int Index) const;
    void SetExtent(int Index, int Value);
    ///@}

    /// The width of the grid line after each cell.
    ///@{
    int GetLineWidth() const { return FLineWidth; }
    void SetLineWidth(int Value);
    ///@}

    /// Pixels taken by the fixed cells and their lines.
    int FixedBoundary() const;
    /// The cell's pixels (its line excluded) when it starts inside the client
    /// extent and is not scrolled out of view; an empty span otherwise.
    TAxisSpan CellSpan(int Index, int First, int ClientExtent) const;
    /// The cell under a pixel, -1 outside the cells or outside the client.
    int IndexAt(int Pos, int First, int ClientExtent) const;
    /// The cell whose trailing edge lies within Tolerance pixels of Pos (the
    /// last such cell, so a cell sized down to nothing can be grabbed again);
    /// -1 when there is none.
    int BorderAt(int Pos, int First, int ClientExtent, int Tolerance) const;
    /// The cells in view in drawing order: the fixed ones, then the
    /// scrollable ones from First, each at least partly inside the client.
    std::vector<TAxisCell> VisibleCells(int First, int ClientExtent) const;
    /// The last cell at least partly inside the client extent.
    int LastVisible(int First, int ClientExtent) const;
    /// The last scrollable cell shown in full from First; First - 1 when none is.
    int LastFullyVisible(int First, int ClientExtent) const;
    /// Number of scrollable cells shown in full from First.
    int VisibleCount(int First, int ClientExtent) const;
    /// The largest First that still fills the view: the cells from it to the
    /// last one all fit. The last cell when even that one does not fit alone.
    int MaxFirst(int ClientExtent) const;
    int ClampFirst(int First, int ClientExtent) const; ///< First limited to the fixed count .. MaxFirst.
    /// The First that brings Index into full view with the least scrolling.
    int ScrollToShow(int Index, int First, int ClientExtent) const;

private:
    /// Walks from Start towards Stop in steps of Step (1 or -1) while the
    /// cells and the lines between them fit in Room pixels; the last cell
    /// that fits, Start - Step when none does.
    int FitRun(int Start, int Step, int Stop, int Room) const;

    int FCount;
    int FRequestedFixed;
    int FDefaultExtent;
    int FLineWidth = 1;
    /// Extents of the cells 0..size-1; cells beyond take the default. Kept as
    /// short as the highest cell given its own extent, so a million default
    /// rows cost nothing.
    std::vector<int> FExtents;
};

/// Both axes of a grid, its scroll position (the top-left scrollable cell)
/// and the size of the cell area. Coordinates are relative to the cell area.
class VOK_EXPORT TGridLayout
{
public:
    TGridLayout();

    TGridAxis Cols; ///< The columns.
    TGridAxis Rows; ///< The rows.
    int ClientWidth = 0; ///< Width of the cell area.
    int ClientHeight = 0; ///< Height of the cell area.
    TGridCoord TopLeft{1, 1}; ///< The top-left scrollable cell in view.

    /// The cell's rectangle clipped to the cell area; empty (all zero) when
    /// the cell is not in view or does not exist.
    TRect CellRect(int ACol, int ARow) const;
    /// The cell's whole rectangle when any of it is in view (for painting).
    TRect CellBounds(int ACol, int ARow) const;
    /// The cell under a point; (-1, -1) when the point is on no cell.
    TGridCoord MouseCoord(int X, int Y) const;
    int VisibleColCount() const; ///< Number of scrollable columns fully in view.
    int VisibleRowCount() const; ///< Number of scrollable rows fully in view.
    TGridCoord MaxTopLeft() const; ///< The largest TopLeft that still fills the view.
    TGridCoord ClampTopLeft(TGridCoord Value) const; ///< Value limited to the fixed cells .. MaxTopLeft.
    /// The right (bottom) end of the last cell in view, its line included,
    /// limited to the cell area.
    ///@{
    int GridWidth() const;
    int GridHeight() const;
    ///@}
};

/// Which scroll bars a grid shows.
struct TGridScrollBars
{
    bool Horizontal = false; ///< The horizontal bar.
    bool Vertical = false; ///< The vertical bar.
    friend bool operator==(const TGridScrollBars&, const TGridScrollBars&) = default;
};

/// Which scroll bars a grid with an area of AreaWidth x AreaHeight pixels
/// shows: a bar that Style allows, when the scrollable cells along its axis do
/// not all fit. A bar takes BarExtent pixels from the other axis, which may
/// make that one need its bar too.
VOK_EXPORT TGridScrollBars NeededScrollBars(const TGridLayout& Layout, int AreaWidth, int AreaHeight, int BarExtent,
                                            TScrollStyle Style);

} // namespace vok
