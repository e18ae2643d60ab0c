/// The grid controls: TCustomGrid, a control of columns and rows with fixed
/// cells, selection, scrolling and an in-place editor that paints cell by cell
/// through DrawCell; TCustomDrawGrid, which hands painting, cell selection and
/// editing to events; TDrawGrid, its ready-to-use form.
///
/// Coordinates are client coordinates: the cell area starts at (0, 0), inside
/// the border; the scroll bars lie outside it. The canvas holds the cell area
/// from its top-left corner. \file
#pragma once

#include <vok/Vok_controls.h>
#include <vok/Vok_gridlayout.h>
#include <vok/Vok_gridtypes.h>

class QScrollBar;

namespace vok {

class TInplaceEdit;

/// A grid of cells with fixed rows and columns, scrolling, selection, sizing and an in-place editor; descendants draw the cells.
class VOK_EXPORT TCustomGrid : public TCustomControl
{
    Q_OBJECT
    /// Number of columns, fixed ones included (at least 1).
    Q_PROPERTY(int ColCount READ GetColCount WRITE SetColCount)
    /// Number of rows, fixed ones included (at least 1).
    Q_PROPERTY(int RowCount READ GetRowCount WRITE SetRowCount)
    /// Number of fixed columns at the left, which do not scroll.
    Q_PROPERTY(int FixedCols READ GetFixedCols WRITE SetFixedCols)
    /// Number of fixed rows at the top, which do not scroll.
    Q_PROPERTY(int FixedRows READ GetFixedRows WRITE SetFixedRows)
    /// Width of every column that has no width of its own, in pixels.
    Q_PROPERTY(int DefaultColWidth READ GetDefaultColWidth WRITE SetDefaultColWidth)
    /// Height of every row that has no height of its own, in pixels.
    Q_PROPERTY(int DefaultRowHeight READ GetDefaultRowHeight WRITE SetDefaultRowHeight)
    /// Width of the grid lines in pixels.
    Q_PROPERTY(int GridLineWidth READ GetGridLineWidth WRITE SetGridLineWidth)
    /// Background color of the fixed cells.
    Q_PROPERTY(quint32 FixedColor READ GetFixedColor WRITE SetFixedColor)
    /// Whether the grid fills each cell in its state's colors before DrawCell.
    Q_PROPERTY(bool DefaultDrawing READ GetDefaultDrawing WRITE SetDefaultDrawing)
    /// Which scroll bars the grid shows.
    Q_PROPERTY(vok::GridEnums::TScrollStyle ScrollBars READ GetScrollBars WRITE SetScrollBars)
    /// Whether the grid has a border.
    Q_PROPERTY(vok::GridEnums::TBorderStyle BorderStyle READ GetBorderStyle WRITE SetBorderStyle)
    /// Grid lines, selection, sizing, editing and tab options.
    Q_PROPERTY(vok::GridEnums::TGridOptions Options READ GetOptions WRITE SetOptions)
    /// Column of the current cell.
    Q_PROPERTY(int Col READ GetCol WRITE SetCol NOTIFY colChanged STORED false)
    /// Row of the current cell.
    Q_PROPERTY(int Row READ GetRow WRITE SetRow NOTIFY rowChanged STORED false)
    /// Number of scrollable columns fully in view.
    Q_PROPERTY(int VisibleColCount READ GetVisibleColCount STORED false)
    /// Number of scrollable rows fully in view.
    Q_PROPERTY(int VisibleRowCount READ GetVisibleRowCount STORED false)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TCustomGrid(QWidget* AOwner = nullptr);
    ~TCustomGrid() override;

    /// Size and cells. Counts are at least 1; fixed counts are kept below them
    /// (a fixed count set before its count takes effect once the count allows).
    ///@{
    int GetColCount() const { return FLayout.Cols.GetCount(); }
    void SetColCount(int Value);
    ///@}
    /// Number of rows, fixed ones included (at least 1).
    ///@{
    int GetRowCount() const { return FLayout.Rows.GetCount(); }
    void SetRowCount(int Value);
    ///@}
    /// Number of fixed columns at the left, which do not scroll.
    ///@{
    int GetFixedCols() const { return FLayout.Cols.GetFixedCount(); }
    void SetFixedCols(int Value);
    ///@}
    /// Number of fixed rows at the top, which do not scroll.
    ///@{
    int GetFixedRows() const { return FLayout.Rows.GetFixedCount(); }
    void SetFixedRows(int Value);
    ///@}
    /// Setting a default gives every column (row) that extent.
    ///@{
    int GetDefaultColWidth() const { return FLayout.Cols.GetDefaultExtent(); }
    void SetDefaultColWidth(int Value);
    ///@}
    /// Height of every row that has no height of its own, in pixels.
    ///@{
    int GetDefaultRowHeight() const { return FLayout.Rows.GetDefaultExtent(); }
    void SetDefaultRowHeight(int Value);
    ///@}
    /// Out-of-range indexes read as 0 and are ignored on writing.
    ///@{
    int GetColWidths(int Index) const { return FLayout.Cols.GetExtent(Index); }
    void SetColWidths(int Index, int Value);
    int GetRowHeights(int Index) const { return FLayout.Rows.GetExtent(Index); }
    void SetRowHeights(int Index, int Value);
    ///@}
    /// Width of the grid lines in pixels.
    ///@{
    int GetGridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    ///@}
    /// The right and bottom end of the cells in view, grid lines included.
    ///@{
    int GetGridWidth() const { return FLayout.GridWidth(); }
    int GetGridHeight() const { return FLayout.GridHeight(); }
    ///@}

    /// Appearance.
    ///@{
    TColor GetFixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    ///@}
    /// With DefaultDrawing the grid fills each cell in its state's colors
    /// before DrawCell, and draws the raised edge of fixed cells and the focus
    /// frame after it.
    ///@{
    bool GetDefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    ///@}
    /// Which scroll bars the grid shows.
    ///@{
    TScrollStyle GetScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    ///@}
    /// Whether the grid has a border.
    ///@{
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    ///@}
    /// Grid lines, selection, sizing, editing and tab options.
    ///@{
    TGridOptions GetOptions() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    ///@}

    /// The current cell and the selection. Setting Col or Row moves the
    /// current cell as the keyboard does (SelectCell may refuse); setting the
    /// Selection takes the rectangle as it is: its top-left becomes the anchor
    /// and its bottom-right the current cell, even outside the cells (which
    /// hides the selection).
    ///@{
    int GetCol() const { return FCurrent.X; }
    void SetCol(int Value);
    ///@}
    /// Row of the current cell.
    ///@{
    int GetRow() const { return FCurrent.Y; }
    void SetRow(int Value);
    ///@}
    /// The selected block of cells.
    ///@{
    TGridRect GetSelection() const;
    void SetSelection(TGridRect Value);
    ///@}

    /// Scrolling: the first scrollable column and row in view, kept between
    /// the fixed cells and the last full page.
    ///@{
    int GetTopRow() const { return FLayout.TopLeft.Y; }
    void SetTopRow(int Value);
    ///@}
    /// The first scrollable column in view.
    ///@{
    int GetLeftCol() const { return FLayout.TopLeft.X; }
    void SetLeftCol(int Value);
    ///@}
    /// Number of scrollable columns fully in view.
    ///@{
    int GetVisibleColCount() const { return FLayout.VisibleColCount(); }
    ///@}
    /// Number of scrollable rows fully in view.
    ///@{
    int GetVisibleRowCount() const { return FLayout.VisibleRowCount(); }
    ///@}
    const TGridLayout& GetLayout() const { return FLayout; } ///< The geometry of the cells and the scroll position.

    /// The cell's rectangle clipped to the cell area, empty when it is not in view.
    TRect CellRect(int ACol, int ARow) const { return FLayout.CellRect(ACol, ARow); }
    /// The cell under a point, (-1, -1) when there is none.
    TGridCoord MouseCoord(int X, int Y) const { return FLayout.MouseCoord(X, Y); }
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const; ///< The cell under a point in ACol and ARow, (-1, -1) when there is none.
    TGridState GetGridState() const { return FGridState; } ///< What the last mouse press started (selecting, sizing).

    /// In-place editing. EditorMode shows or hides the editor on the current
    /// cell; hiding stores the edited text through SetEditText when it was
    /// changed. The editor is made by CreateEditor when first needed.
    ///@{
    bool GetEditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    TInplaceEdit* GetInplaceEditor() const { return FInplaceEdit; }
    void ShowEditor();
    void HideEditor();
    ///@}
    /// The cell the editor works on; (-1, -1) while it is closed.
    TGridCoord EditorCell() const { return FEditCell; }

    /// Overridable behaviour.
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) = 0;
    /// Asked before a cell becomes the current cell; false refuses the move.
    virtual bool SelectCell(int ACol, int ARow);
    /// The view scrolled (TopRow or LeftCol changed).
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged(); ///< Called after a column width changed.
    virtual void RowHeightsChanged(); ///< Called after a row height changed.
    virtual QString GetEditText(int ACol, int ARow); ///< The text the in-place editor starts with.
    virtual void SetEditText(int ACol, int ARow, const QString& Value); ///< Receives the edited text of a cell.
    virtual TEditStyle GetEditStyle(int ACol, int ARow); ///< The kind of editor a cell gets; plain by default.
    /// The in-place editor; the default is a TInplaceEditList, which is plain
    /// or a pick list by GetEditStyle.
    virtual TInplaceEdit* CreateEditor();
    /// Whether the editor may open on the current cell now.
    virtual bool CanEditShow() const;

    void Paint() override;
    void InvalidateCell(int ACol, int ARow); ///< Repaints one cell later.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    /// The wheel scrolls by three rows per notch (after OnMouseWheelDown/Up).
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Resize() override;

    /// The scroll bars, for hosts and tests that drive them.
    ///@{
    QScrollBar* HorzScrollBar() const { return FHorzBar; }
    QScrollBar* VertScrollBar() const { return FVertBar; }
    ///@}

    /// The initial size; still usable at half of it. A table for assistive
    /// technology.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.
    QAccessible::Role AccessibleRole() const override;

Q_SIGNALS:
    void colChanged(int Col); ///< Emitted when Col changes.
    void rowChanged(int Row); ///< Emitted when Row changes.

protected:
    /// Moves the current cell (and the anchor unless a range is extended),
    /// scrolling it into view when Show; false when SelectCell refuses.
    bool MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    /// MoveCurrent as the keyboard does it: then the editor follows and Click fires.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveTopLeft(TGridCoord Value); ///< Scrolls so that Value is the top-left scrollable cell.
    /// Stores the editor's text in its cell when it was changed.
    void UpdateText();

    /// The picture of the cell area sits inside the border; the border is
    /// drawn around it. Mouse positions arrive in client coordinates.
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;

private:
    friend class TInplaceEdit;

    /// Sets the current cell; colChanged/rowChanged for what changed.
    void SetCurrent(TGridCoord Value);

    /// Keeps the current cell and the anchor on scrollable cells after the
    /// counts changed, then lays the grid out again.
    void CellCountsChanged();
    void LayoutChanged();
    void UpdateLineWidths();
    void UpdateScrollBars();
    void UpdateEditorPlace();
    void ScrollBarMoved();
    bool IsScrollableCell(TGridCoord Cell) const;
    TGridDrawState CellState(int ACol, int ARow, bool HasFocus, const TGridRect& Sel) const;
    void PaintCell(int ACol, int ARow, const TRect& R, TGridDrawState State);
    void PaintLines();
    void ScrollByRows(int Delta);

    TGridLayout FLayout;
    TGridOptions FOptions;
    TGridCoord FCurrent{1, 1};
    TGridCoord FAnchor{1, 1};
    TGridState FGridState = gsNormal;
    int FSizingIndex = -1;
    int FSizingStart = 0;
    int FGridLineWidth = 1;
    TColor FFixedColor;
    bool FDefaultDrawing = true;
    TScrollStyle FScrollBars = ssBoth;
    TBorderStyle FBorderStyle = bsSingle;
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    TGridCoord FEditCell{-1, -1};
    QScrollBar* FHorzBar;
    QScrollBar* FVertBar;
    bool FUpdatingBars = false;
};

/// A grid whose cells the host draws in OnDrawCell.
class VOK_EXPORT TCustomDrawGrid : public TCustomGrid
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TCustomDrawGrid(QWidget* AOwner = nullptr);

    /// Fires OnDrawCell.
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    /// OnSelectCell decides; true without a handler.
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    QString GetEditText(int ACol, int ARow) override; ///< Asks OnGetEditText.
    void SetEditText(int ACol, int ARow, const QString& Value) override; ///< Fires OnSetEditText.

    TDrawCellEvent OnDrawCell; ///< Draws a cell.
    TSelectCellEvent OnSelectCell; ///< Decides whether a cell may become the current one.
    TNotifyEvent OnTopLeftChanged; ///< Fired when the view scrolled.
    TGetEditEvent OnGetEditText; ///< Gives the text the in-place editor starts with.
    TSetEditEvent OnSetEditText; ///< Receives the edited text of a cell.

Q_SIGNALS:
    void topLeftChanged(); ///< Emitted with OnTopLeftChanged.
    void editTextSet(int ACol, int ARow, const QString& Value); ///< Emitted with OnSetEditText.
};

/// The draw grid as a ready control.
class VOK_EXPORT TDrawGrid : public TCustomDrawGrid
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TDrawGrid(QWidget* AOwner = nullptr);
};

} // namespace vok
