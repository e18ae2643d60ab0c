// The grid controls: TCustomGrid, a control of columns and rows with fixed
// cells, selection, scrolling and an in-place editor that paints cell by cell
// through DrawCell; TCustomDrawGrid, which hands painting, cell selection and
// editing to events; TDrawGrid, its ready-to-use form.
//
// Coordinates are client coordinates: the cell area starts at (0, 0), inside
// the border; the scroll bars lie outside it. The canvas holds the cell area
// from its top-left corner.
#pragma once

#include <vok/Vok_controls.h>
#include <vok/Vok_gridlayout.h>
#include <vok/Vok_gridtypes.h>

class QScrollBar;

namespace vok {

class TInplaceEdit;

class VOK_EXPORT TCustomGrid : public TCustomControl
{
    Q_OBJECT
    Q_PROPERTY(int ColCount READ GetColCount WRITE SetColCount)
    Q_PROPERTY(int RowCount READ GetRowCount WRITE SetRowCount)
    Q_PROPERTY(int FixedCols READ GetFixedCols WRITE SetFixedCols)
    Q_PROPERTY(int FixedRows READ GetFixedRows WRITE SetFixedRows)
    Q_PROPERTY(int DefaultColWidth READ GetDefaultColWidth WRITE SetDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ GetDefaultRowHeight WRITE SetDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ GetGridLineWidth WRITE SetGridLineWidth)
    Q_PROPERTY(quint32 FixedColor READ GetFixedColor WRITE SetFixedColor)
    Q_PROPERTY(bool DefaultDrawing READ GetDefaultDrawing WRITE SetDefaultDrawing)
    Q_PROPERTY(vok::GridEnums::TScrollStyle ScrollBars READ GetScrollBars WRITE SetScrollBars)
    Q_PROPERTY(vok::GridEnums::TBorderStyle BorderStyle READ GetBorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(vok::GridEnums::TGridOptions Options READ GetOptions WRITE SetOptions)
    Q_PROPERTY(int Col READ GetCol WRITE SetCol NOTIFY colChanged STORED false)
    Q_PROPERTY(int Row READ GetRow WRITE SetRow NOTIFY rowChanged STORED false)
    Q_PROPERTY(int VisibleColCount READ GetVisibleColCount STORED false)
    Q_PROPERTY(int VisibleRowCount READ GetVisibleRowCount STORED false)

public:
    explicit TCustomGrid(QWidget* AOwner = nullptr);
    ~TCustomGrid() override;

    // Size and cells. Counts are at least 1; fixed counts are kept below them
    // (a fixed count set before its count takes effect once the count allows).
    int GetColCount() const { return FLayout.Cols.GetCount(); }
    void SetColCount(int Value);
    int GetRowCount() const { return FLayout.Rows.GetCount(); }
    void SetRowCount(int Value);
    int GetFixedCols() const { return FLayout.Cols.GetFixedCount(); }
    void SetFixedCols(int Value);
    int GetFixedRows() const { return FLayout.Rows.GetFixedCount(); }
    void SetFixedRows(int Value);
    // Setting a default gives every column (row) that extent.
    int GetDefaultColWidth() const { return FLayout.Cols.GetDefaultExtent(); }
    void SetDefaultColWidth(int Value);
    int GetDefaultRowHeight() const { return FLayout.Rows.GetDefaultExtent(); }
    void SetDefaultRowHeight(int Value);
    // Out-of-range indexes read as 0 and are ignored on writing.
    int GetColWidths(int Index) const { return FLayout.Cols.GetExtent(Index); }
    void SetColWidths(int Index, int Value);
    int GetRowHeights(int Index) const { return FLayout.Rows.GetExtent(Index); }
    void SetRowHeights(int Index, int Value);
    int GetGridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    // The right and bottom end of the cells in view, grid lines included.
    int GetGridWidth() const { return FLayout.GridWidth(); }
    int GetGridHeight() const { return FLayout.GridHeight(); }

    // Appearance.
    TColor GetFixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    // With DefaultDrawing the grid fills each cell in its state's colors
    // before DrawCell, and draws the raised edge of fixed cells and the focus
    // frame after it.
    bool GetDefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value);
    TScrollStyle GetScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TGridOptions GetOptions() const { return FOptions; }
    void SetOptions(TGridOptions Value);

    // The current cell and the selection. Setting Col or Row moves the
    // current cell as the keyboard does (SelectCell may refuse); setting the
    // Selection takes the rectangle as it is: its top-left becomes the anchor
    // and its bottom-right the current cell, even outside the cells (which
    // hides the selection).
    int GetCol() const { return FCurrent.X; }
    void SetCol(int Value);
    int GetRow() const { return FCurrent.Y; }
    void SetRow(int Value);
    TGridRect GetSelection() const;
    void SetSelection(TGridRect Value);

    // Scrolling: the first scrollable column and row in view, kept between
    // the fixed cells and the last full page.
    int GetTopRow() const { return FLayout.TopLeft.Y; }
    void SetTopRow(int Value);
    int GetLeftCol() const { return FLayout.TopLeft.X; }
    void SetLeftCol(int Value);
    int GetVisibleColCount() const { return FLayout.VisibleColCount(); }
    int GetVisibleRowCount() const { return FLayout.VisibleRowCount(); }
    const TGridLayout& GetLayout() const { return FLayout; }

    // The cell's rectangle clipped to the cell area, empty when it is not in view.
    TRect CellRect(int ACol, int ARow) const { return FLayout.CellRect(ACol, ARow); }
    // The cell under a point, (-1, -1) when there is none.
    TGridCoord MouseCoord(int X, int Y) const { return FLayout.MouseCoord(X, Y); }
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridState GetGridState() const { return FGridState; }

    // In-place editing. EditorMode shows or hides the editor on the current
    // cell; hiding stores the edited text through SetEditText when it was
    // changed. The editor is made by CreateEditor when first needed.
    bool GetEditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    TInplaceEdit* GetInplaceEditor() const { return FInplaceEdit; }
    void ShowEditor();
    void HideEditor();
    // The cell the editor works on; (-1, -1) while it is closed.
    TGridCoord EditorCell() const { return FEditCell; }

    // Overridable behaviour.
    virtual void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) = 0;
    // Asked before a cell becomes the current cell; false refuses the move.
    virtual bool SelectCell(int ACol, int ARow);
    // The view scrolled (TopRow or LeftCol changed).
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual TEditStyle GetEditStyle(int ACol, int ARow);
    // The in-place editor; the default is a TInplaceEditList, which is plain
    // or a pick list by GetEditStyle.
    virtual TInplaceEdit* CreateEditor();
    // Whether the editor may open on the current cell now.
    virtual bool CanEditShow() const;

    void Paint() override;
    void InvalidateCell(int ACol, int ARow);
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    // The wheel scrolls by three rows per notch (after OnMouseWheelDown/Up).
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void Resize() override;

    // The scroll bars, for hosts and tests that drive them.
    QScrollBar* HorzScrollBar() const { return FHorzBar; }
    QScrollBar* VertScrollBar() const { return FVertBar; }

    // The initial size; still usable at half of it. A table for assistive
    // technology.
    QSize minimumSizeHint() const override;
    QAccessible::Role AccessibleRole() const override;

Q_SIGNALS:
    void colChanged(int Col);
    void rowChanged(int Row);

protected:
    // Moves the current cell (and the anchor unless a range is extended),
    // scrolling it into view when Show; false when SelectCell refuses.
    bool MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    // MoveCurrent as the keyboard does it: then the editor follows and Click fires.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveTopLeft(TGridCoord Value);
    // Stores the editor's text in its cell when it was changed.
    void UpdateText();

    // The picture of the cell area sits inside the border; the border is
    // drawn around it. Mouse positions arrive in client coordinates.
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;

private:
    friend class TInplaceEdit;

    // Sets the current cell; colChanged/rowChanged for what changed.
    void SetCurrent(TGridCoord Value);

    // Keeps the current cell and the anchor on scrollable cells after the
    // counts changed, then lays the grid out again.
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

class VOK_EXPORT TCustomDrawGrid : public TCustomGrid
{
    Q_OBJECT
public:
    explicit TCustomDrawGrid(QWidget* AOwner = nullptr);

    // Fires OnDrawCell.
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    // OnSelectCell decides; true without a handler.
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;

Q_SIGNALS:
    void topLeftChanged();
    void editTextSet(int ACol, int ARow, const QString& Value);
};

class VOK_EXPORT TDrawGrid : public TCustomDrawGrid
{
    Q_OBJECT
public:
    explicit TDrawGrid(QWidget* AOwner = nullptr);
};

} // namespace vok
