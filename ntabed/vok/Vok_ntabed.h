// The numeric table editor TNTabEd: a grid over a TDataTable that shows the
// table's column and row names, optionally its column and row attribute
// bytes, the cell states (not a number, empty, locked, marks A and B) and a
// display precision per column. Nominal columns show identifiers. It edits
// cells, names, attributes and the comment in place, offers a data popup and
// a heading popup with marking, clearing, clipboard, selection and structure
// commands, and exchanges blocks through an internal copy buffer and
// clipboard text.
//
// Coordinates: every data accessor takes data coordinates (column and row
// from 1). The grid's own coordinates (selection, mouse cells, edit texts)
// are grid coordinates: grid column 0 holds the row names, grid column 1 the
// row attributes while AttribRowVisible, grid row 0 the column names and
// grid row 1 the column attributes while AttribColVisible.
#pragma once

#include <vok/Vok_base.h>
#include <vok/Vok_grids.h>
#include <vok/Vok_math.h>
#include <vok/Vok_menus.h>

#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QPlainTextEdit;

namespace vok {

class TEdit;
class TNTabEdNameEditor;
class TNTabEdCommentEditor;

/// Raised by the table editor for its own resources (out of memory).
class VOK_EXPORT EVOKNTabedError : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// Fires once per data cell painted (data coordinates) after the editor chose
/// text, colours and style; what the handler leaves is drawn.
using TBeforeRenderCellEvent = std::function<void(QObject* Sender, int colix, int rowix, QString& Text,
                                                  TColor& ColorText, TColor& ColorBakg, TFontStyles& FontStyles)>;
/// A built-in popup menu is about to open; the host may change it.
using TBeforePopupEvent = std::function<void(QObject* Sender, TPopupMenu* PMenu)>;

/// The cells a mark command acts on.
enum TMarkScope { msRange, msColumn, msRow, msAll };

/// The numeric table editor: a grid over a TDataTable (see the top of this
/// header for the grid layout and the two kinds of coordinates).
class VOK_EXPORT TNTabEd : public TCustomDrawGrid
{
    Q_OBJECT
    /// Enter moves the cell cursor on to the next cell.
    Q_PROPERTY(bool AutoAdvance READ GetAutoAdvance WRITE SetAutoAdvance)
    /// Where Enter moves with AutoAdvance: orVertical down, otherwise right.
    Q_PROPERTY(vok::BaseEnums::TOrientation AutoAdvanceDir READ GetAutoAdvanceDir WRITE SetAutoAdvanceDir)
    /// Shows the column of row attributes (grid column 1).
    Q_PROPERTY(bool AttribRowVisible READ GetAttribRowVisible WRITE SetAttribRowVisible)
    /// Shows the row of column attributes (grid row 1).
    Q_PROPERTY(bool AttribColVisible READ GetAttribColVisible WRITE SetAttribColVisible)
    /// Right clicks open neither the built-in menus nor the comment editor.
    Q_PROPERTY(bool BlockInternalPopup READ GetBlockInternalPopup WRITE SetBlockInternalPopup)
    /// A right click on the corner cell opens the comment editor.
    Q_PROPERTY(bool CommentEditingAllowed READ GetCommentEditingAllowed WRITE SetCommentEditingAllowed)
    /// The table's comment.
    Q_PROPERTY(QString Comment READ GetComment WRITE SetComment NOTIFY commentChanged)
    /// Background of the data cells (the grid's colour).
    Q_PROPERTY(quint32 ColorBackground READ GetColorBackground WRITE SetColorBackground)
    /// Background of the fixed cells (names, attributes, corner).
    Q_PROPERTY(quint32 ColorFixed READ GetColorFixed WRITE SetColorFixed)
    /// Text of unmarked cells and of the headings.
    Q_PROPERTY(quint32 ColorNormal READ GetColorNormal WRITE SetColorNormal)
    /// Text of the headings of the selection's first column and row.
    Q_PROPERTY(quint32 ColorSelected READ GetColorSelected WRITE SetColorSelected)
    /// Text of cells with mark A only.
    Q_PROPERTY(quint32 ColorMarkedA READ GetColorMarkedA WRITE SetColorMarkedA)
    /// Text of cells with mark B only.
    Q_PROPERTY(quint32 ColorMarkedB READ GetColorMarkedB WRITE SetColorMarkedB)
    /// Text of cells with both marks.
    Q_PROPERTY(quint32 ColorMarkedBoth READ GetColorMarkedBoth WRITE SetColorMarkedBoth)
    /// Text of unmarked selected cells.
    Q_PROPERTY(quint32 ColorRangeSelFG READ GetColorRangeSelFG WRITE SetColorRangeSelFG)
    /// Background of selected cells.
    Q_PROPERTY(quint32 ColorRangeSelBG READ GetColorRangeSelBG WRITE SetColorRangeSelBG)
    /// Marked cells are drawn bold.
    Q_PROPERTY(bool BoldMarks READ GetBoldMarks WRITE SetBoldMarks)
    /// The headings of the selection's first column and row are drawn bold.
    Q_PROPERTY(bool BoldSelHeads READ GetBoldSelHeads WRITE SetBoldSelHeads)
    /// Copy puts 14 significant digits on the clipboard instead of the column precision.
    Q_PROPERTY(bool ClipboardUseFullPrec READ GetClipboardUseFullPrec WRITE SetClipboardUseFullPrec)
    /// The first data column scrolled into view.
    Q_PROPERTY(int LeftCol READ GetLeftCol WRITE SetLeftCol NOTIFY leftColChanged STORED false)
    /// The first data row scrolled into view.
    Q_PROPERTY(int TopRow READ GetTopRow WRITE SetTopRow NOTIFY topRowChanged STORED false)
    /// Rows the pick list of a nominal column shows.
    Q_PROPERTY(int NomEditDropDownCount READ GetNomEditDropDownCount WRITE SetNomEditDropDownCount)
    /// Number of data columns.
    Q_PROPERTY(int NrOfColumns READ GetNrOfColumns WRITE SetNrOfColumns NOTIFY nrOfColumnsChanged)
    /// Number of data rows.
    Q_PROPERTY(int NrOfRows READ GetNrOfRows WRITE SetNrOfRows NOTIFY nrOfRowsChanged)
    /// Width of the number texts (1..20), also the significant digits of exponent texts.
    Q_PROPERTY(int NumWidth READ GetNumWidth WRITE SetNumWidth)
    /// The cells cannot be edited; the menu items that change data are disabled.
    Q_PROPERTY(bool DataReadOnly READ GetDataReadOnly WRITE SetDataReadOnly NOTIFY dataReadOnlyChanged)
    /// Every paint fits the default row height to the font.
    Q_PROPERTY(bool OptimizeRowHeight READ GetOptimizeRowHeight WRITE SetOptimizeRowHeight)
    /// The corner cell shows the current cell as "col:row".
    Q_PROPERTY(bool ShowCellCursor READ GetShowCellCursor WRITE SetShowCellCursor)

public:
    /// An editor with its own table of 3 columns and 4 rows, all zeros,
    /// precision 3, the row attributes shown.
    explicit TNTabEd(QWidget* AOwner = nullptr);
    /// Unhooks a table given by AssignAnotherDataMatrix; frees the own one.
    ~TNTabEd() override;

    /// The table shown: the editor's own, or one given by AssignAnotherDataMatrix.
    TDataTable* Data;

    QSize sizeHint() const override; ///< Room for the headings, 5 data columns and 8 rows.
    QSize minimumSizeHint() const override; ///< Room for the headings, one data column and two rows.

    // ---- grid mapping
    /// Grid column of data column c is c + ColOffset (row: r + RowOffset); 1
    /// while the attribute column (row) is shown, 0 otherwise.
    ///@{
    int ColOffset() const { return FColOffset; }
    int RowOffset() const { return FRowOffset; }
    ///@}

    // ---- size
    /// Number of data columns; setting it is Redimension.
    ///@{
    int GetNrOfColumns() const { return Data->GetNrOfColumns(); }
    void SetNrOfColumns(int Value);
    ///@}
    /// Number of data rows; setting it is Redimension.
    ///@{
    int GetNrOfRows() const { return Data->GetNrOfRows(); }
    void SetNrOfRows(int Value);
    ///@}
    /// Resizes the table (it raises for a size it cannot take and stays as it
    /// was); the grid follows, then OnChangeSetup fires and the grid repaints.
    void Redimension(int NrCols, int NrRows);

    // ---- cells (data coordinates)
    double GetElem(int ACol, int ARow) const { return Data->GetElem(ACol, ARow); } ///< The cell's value.
    /// Stores without repainting or firing anything.
    void SetElem(int ACol, int ARow, double Value) { Data->SetElem(ACol, ARow, Value); }
    quint8 GetCellState(int ACol, int ARow) const { return Data->GetCellState(ACol, ARow); } ///< The cell's state byte (cst... bits).
    /// Repaints and fires OnCellStateChanged like the other state setters.
    void SetCellState(int ACol, int ARow, quint8 Value);
    /// Mark A of the cell; setting repaints and fires OnCellStateChanged.
    ///@{
    bool GetElemMarkedA(int ACol, int ARow) const { return GetCellState(ACol, ARow) & cstMarkA; }
    void SetElemMarkedA(int ACol, int ARow, bool Value);
    ///@}
    /// Mark B of the cell; setting repaints and fires OnCellStateChanged.
    ///@{
    bool GetElemMarkedB(int ACol, int ARow) const { return GetCellState(ACol, ARow) & cstMarkB; }
    void SetElemMarkedB(int ACol, int ARow, bool Value);
    ///@}
    /// The cell holds a number: neither cstNoNumber nor cstEmpty is set.
    bool GetIsNumber(int ACol, int ARow) const { return Data->GetIsNumber(ACol, ARow); }
    bool GetIsEmpty(int ACol, int ARow) const { return GetCellState(ACol, ARow) & cstEmpty; } ///< The cell is empty.
    /// Sets or clears the empty flag; fires OnCellStateChanged, no repaint.
    void SetIsEmpty(int ACol, int ARow, bool Value);

    // ---- headings (out of range: "" / 0 on reading, ignored on writing)
    /// Name of data column ColNr; setting fires OnHeadingChanged and repaints.
    ///@{
    TDTNameStr GetColName(int ColNr) const { return Data->GetColName(ColNr); }
    void SetColName(int ColNr, const TDTNameStr& Value);
    ///@}
    /// Name of data row RowNr; setting fires OnHeadingChanged and repaints.
    ///@{
    TDTNameStr GetRowName(int RowNr) const { return Data->GetRowName(RowNr); }
    void SetRowName(int RowNr, const TDTNameStr& Value);
    ///@}
    /// Attribute byte of data column ColNr; setting repaints and fires OnAttributeChanged.
    ///@{
    quint8 GetColAttrib(int ColNr) const { return Data->GetColAttrib(ColNr); }
    void SetColAttrib(int ColNr, quint8 Value);
    ///@}
    /// Attribute byte of data row RowNr; setting repaints and fires OnAttributeChanged.
    ///@{
    quint8 GetRowAttrib(int RowNr) const { return Data->GetRowAttrib(RowNr); }
    void SetRowAttrib(int RowNr, quint8 Value);
    ///@}
    QString GetComment() const { return Data->GetComment(); } ///< The table's comment.
    /// Control characters are removed; fires OnChange (commentChanged only
    /// when the text differs).
    void SetComment(const QString& Value);

    // ---- precision per column
    /// Decimals shown in data column ColNr: -1 (exponent notation) to 10, 3
    /// initially, 0 outside the table. Setting clamps to that range, repaints
    /// and fires OnLayoutChanged; a column outside the table is ignored.
    /// Precision and DecPlaces are the same.
    ///@{
    qint8 GetPrecision(int ColNr) const { return GetDecPlaces(ColNr); }
    void SetPrecision(int ColNr, int Value) { SetDecPlaces(ColNr, Value); }
    qint8 GetDecPlaces(int ColNr) const;
    void SetDecPlaces(int ColNr, int Value);
    ///@}

    // ---- widths
    /// Width of a column: Index > 0 data column, 0 row names, < 0 attribute
    /// column (0 while hidden). Setting fires OnLayoutChanged; a data column
    /// outside the table or the hidden attribute column is left alone.
    ///@{
    int GetColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    ///@}
    /// The grid's default column width; the row-name and attribute columns
    /// keep theirs. Fires OnLayoutChanged.
    void SetDefaultColWidth(int Value);
    /// Sets column ColNr (-1 attributes, 0 row names, 1.. data) to its widest
    /// text plus 8 + Addon pixels (at least 4) and returns that width; with
    /// IncludeHeader the column name (or "Attrib") counts too.
    int AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    /// The height the font needs plus Addon + 2 (at least 8); sets it on data
    /// row RowNr (> 0), the names row (0) or the attribute row (< 0, when
    /// shown) and returns it.
    int AutoRowHeight(int RowNr, int Addon);

    // ---- scrolling in data numbers
    /// The first data column in view; setting clamps to 1..NrOfColumns.
    ///@{
    int GetLeftCol() const { return TCustomGrid::GetLeftCol() - FColOffset; }
    void SetLeftCol(int Value);
    ///@}
    /// The first data row in view; setting clamps to 1..NrOfRows.
    ///@{
    int GetTopRow() const { return TCustomGrid::GetTopRow() - FRowOffset; }
    void SetTopRow(int Value);
    ///@}

    // ---- settings
    /// Enter moves the cell cursor on to the next cell.
    ///@{
    bool GetAutoAdvance() const { return FAutoAdvance; }
    void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
    ///@}
    /// Where Enter moves with AutoAdvance: orVertical down, otherwise right.
    ///@{
    TOrientation GetAutoAdvanceDir() const { return FAutoAdvanceDir; }
    void SetAutoAdvanceDir(TOrientation Value) { FAutoAdvanceDir = Value; }
    ///@}
    /// Shows the column of row attributes; switching keeps the data selection
    /// and the column widths and fires OnLayoutChanged.
    ///@{
    bool GetAttribRowVisible() const { return FColOffset == 1; }
    void SetAttribRowVisible(bool Value);
    ///@}
    /// Shows the row of column attributes; switching keeps the data selection
    /// and the row heights and fires OnLayoutChanged.
    ///@{
    bool GetAttribColVisible() const { return FRowOffset == 1; }
    void SetAttribColVisible(bool Value);
    ///@}
    /// Right clicks open neither the built-in menus nor the comment editor.
    ///@{
    bool GetBlockInternalPopup() const { return FBlockInternalPopup; }
    void SetBlockInternalPopup(bool Value) { FBlockInternalPopup = Value; }
    ///@}
    /// A right click on the corner cell opens the comment editor.
    ///@{
    bool GetCommentEditingAllowed() const { return FCommentEditingAllowed; }
    void SetCommentEditingAllowed(bool Value) { FCommentEditingAllowed = Value; }
    ///@}
    /// Copy puts 14 significant digits in exponent notation on the clipboard
    /// instead of the column precision.
    ///@{
    bool GetClipboardUseFullPrec() const { return FClipboardUseFullPrec; }
    void SetClipboardUseFullPrec(bool Value) { FClipboardUseFullPrec = Value; }
    ///@}
    /// Rows the pick list of a nominal column shows (8 initially); applies to
    /// an open in-place editor at once.
    ///@{
    int GetNomEditDropDownCount() const { return FNomEditDropDownCount; }
    void SetNomEditDropDownCount(int Value);
    ///@}
    /// Width of the number texts, also the significant digits of exponent
    /// texts. Accepted in 1..20 only (with a repaint); OnLayoutChanged in every case.
    ///@{
    int GetNumWidth() const { return FNumWidth; }
    void SetNumWidth(int Value);
    ///@}
    /// The cells cannot be edited in place; Paste, Clear, Extract, Insert and
    /// Delete are disabled in the menus. Switching on closes the in-place
    /// editor; emits dataReadOnlyChanged.
    ///@{
    bool GetDataReadOnly() const { return FDataReadOnly; }
    void SetDataReadOnly(bool Value);
    ///@}
    /// Every paint fits the default row height to the font; setting repaints.
    ///@{
    bool GetOptimizeRowHeight() const { return FOptimizeRowHeight; }
    void SetOptimizeRowHeight(bool Value);
    ///@}
    /// The corner cell shows the current cell as "col:row" (data coordinates).
    ///@{
    bool GetShowCellCursor() const { return FShowCellCursor; }
    void SetShowCellCursor(bool Value);
    ///@}
    /// Marked cells are drawn bold; setting fires OnLayoutChanged.
    ///@{
    bool GetBoldMarks() const { return FBoldMarks; }
    void SetBoldMarks(bool Value);
    ///@}
    /// The headings of the selection's first column and row are drawn bold;
    /// setting fires OnLayoutChanged.
    ///@{
    bool GetBoldSelHeads() const { return FBoldSelHeads; }
    void SetBoldSelHeads(bool Value);
    ///@}

    // ---- colours ($00BBGGRR or a system colour)
    /// Background of the data cells: the grid's colour.
    ///@{
    TColor GetColorBackground() const { return FColorBackground; }
    void SetColorBackground(TColor Value);
    ///@}
    /// Background of the fixed cells: the grid's fixed colour.
    ///@{
    TColor GetColorFixed() const { return FColorFixed; }
    void SetColorFixed(TColor Value);
    ///@}
    /// Text of unmarked cells, the headings and the cell cursor. This and the
    /// following colours repaint and fire OnLayoutChanged when set.
    ///@{
    TColor GetColorNormal() const { return FColorNormal; }
    void SetColorNormal(TColor Value) { SetLayoutColor(FColorNormal, Value); }
    ///@}
    /// Text of the headings of the selection's first column and row.
    ///@{
    TColor GetColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor Value) { SetLayoutColor(FColorSelected, Value); }
    ///@}
    /// Text of cells with mark A only.
    ///@{
    TColor GetColorMarkedA() const { return FColorMarkedA; }
    void SetColorMarkedA(TColor Value) { SetLayoutColor(FColorMarkedA, Value); }
    ///@}
    /// Text of cells with mark B only.
    ///@{
    TColor GetColorMarkedB() const { return FColorMarkedB; }
    void SetColorMarkedB(TColor Value) { SetLayoutColor(FColorMarkedB, Value); }
    ///@}
    /// Text of cells with both marks.
    ///@{
    TColor GetColorMarkedBoth() const { return FColorMarkedBoth; }
    void SetColorMarkedBoth(TColor Value) { SetLayoutColor(FColorMarkedBoth, Value); }
    ///@}
    /// Text of unmarked selected cells.
    ///@{
    TColor GetColorRangeSelFG() const { return FColorRangeSelFG; }
    void SetColorRangeSelFG(TColor Value) { SetLayoutColor(FColorRangeSelFG, Value); }
    ///@}
    /// Background of selected cells.
    ///@{
    TColor GetColorRangeSelBG() const { return FColorRangeSelBG; }
    void SetColorRangeSelBG(TColor Value) { SetLayoutColor(FColorRangeSelBG, Value); }
    ///@}

    // ---- painting
    /// Stops painting and every notification while on.
    bool GetSuppressPaint() const { return FSuppressPaint; }
    /// Switching it off repaints at once.
    void SetSuppressPaint(bool Value);
    /// Paints the grid unless suppressed; with OptimizeRowHeight it fits the
    /// default row height to the font afterwards.
    void Paint() override;
    /// Data cells: their text in the mark, selection or normal colours,
    /// passed through OnBeforeRenderCell; fixed cells: names, attributes,
    /// captions and the cell cursor.
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    /// Fires OnSelectionChanged when the selection moved, then the grid's handling.
    void TopLeftChanged() override;
    /// Draws "col:row" of grid cell (Col, Row) into the corner cell at once.
    void ShowCellCursorAt(int ACol, int ARow);

    // ---- notifications: each fires its event and then its signal, only
    // when neither SuppressPaint nor an internal suppression is on
    void ChangedData(); ///< OnChange and changed().
    void ChangedHeading(); ///< OnHeadingChanged and headingChanged().
    void ChangedAttrib(); ///< OnAttributeChanged and attributeChanged().
    void ChangedLayout(); ///< OnLayoutChanged and layoutChanged().
    void ChangedCellStates(); ///< OnCellStateChanged and cellStateChanged().
    /// OnSelectionChanged and selectionChanged(); tells accessibility the value changed.
    void ChangedSelection();
    void ChangedSetup(); ///< OnChangeSetup and changeSetup().

    // ---- structure commands (data coordinates); painting and notifications
    // are off while one runs, the grid repaints at its end
    /// Inserts an empty row (column) before ix, 1..count + 1 (count + 1
    /// appends); other indexes are ignored.
    ///@{
    void InsertRow(int ix);
    void InsertColumn(int ix);
    ///@}
    /// Removes row (column) ix with its headers and closes the in-place
    /// editor; ignored out of range or when it is the last one.
    ///@{
    void RemoveRow(int ix);
    void RemoveColumn(int ix);
    ///@}
    /// Reverses the order of all rows (columns) with their headers.
    ///@{
    void MirrorRows();
    void MirrorColumns();
    ///@}
    /// Empties the table without changing its size, names column c "C-c" and
    /// row r "R-r" (with their numbers), and sets every precision back to 3.
    void Clear();
    /// Every value becomes Value; stores without repainting or firing anything.
    void Fill(double Value) { Data->Fill(Value); }
    /// Every cell whose state has a bit of StateMask gets Value; returns the
    /// number of cells set.
    int FillMarkedCells(double Value, quint8 StateMask);

    // ---- marks (each change repaints and fires OnCellStateChanged)
    void InvertCellStates(quint8 StateMask); ///< Flips the bits of StateMask in every cell.
    void ExchangeMarkings(); ///< Swaps marks A and B in every cell.
    void MarkAllElemsA(); ///< Sets mark A on every cell.
    void MarkAllElemsB(); ///< Sets mark B on every cell.
    void UnMarkAllElems(); ///< Clears both marks of every cell.
    /// Number of cells with mark A (B).
    ///@{
    int NrOfMarkedDataA() const;
    int NrOfMarkedDataB() const;
    ///@}
    /// A cell of the row (column) has mark A or B; false out of range.
    ///@{
    bool IfRowMarked(int ARow) const;
    bool IfColumnMarked(int ACol) const;
    ///@}
    bool IfAnyMarked() const; ///< Some cell has mark A or B.
    /// Sets (Set) or clears the bits of Mask in the cells of Scope around the
    /// current selection, then repaints and fires OnCellStateChanged.
    void ChangeMarks(TMarkScope Scope, quint8 Mask, bool Set);

    // ---- sorting and searching (data coordinates, block corners inclusive);
    // sorts are stable, numbers in the asked order first and cells without a
    // number last; only cells inside the block move
    /// Sorts the columns of the block by their values in row SortRowIx; with
    /// IncludeHeaders names, attributes, scales and precisions travel along.
    void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    /// Sorts the rows of the block by their values in column SortColIx; with
    /// IncludeHeaders row names and attributes travel along.
    void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    /// Sorts the columns (rows) of the block by their attribute bytes; the
    /// headers (and for columns the precisions) travel along.
    ///@{
    void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    ///@}
    /// Sorts the columns (rows) of the block by their names; the headers (and
    /// for columns the precisions) travel along.
    ///@{
    void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    ///@}
    /// The first column (row) with exactly that name; 0 when there is none.
    ///@{
    int FindColIndex(const TDTNameStr& ColID) const;
    int FindRowIndex(const TDTNameStr& RowID) const;
    ///@}

    // ---- other tables and editors
    /// Shows and edits NewDTab (hooked like the own table, never freed by the
    /// editor); nullptr goes back to the own table.
    void AssignAnotherDataMatrix(TDataTable* NewDTab);
    /// Takes the other editor's table (values, states, names, attributes,
    /// scales, comment), precisions and visible settings.
    void CopyContentsFrom(const TNTabEd* ExtTab);
    /// Takes the other editor's state bytes when both tables have the same
    /// size; false (nothing changed) otherwise.
    bool CopyCellStatesFrom(const TNTabEd* ExtTab);

    // ---- selection
    /// The selection in data coordinates, clipped to the table; setting
    /// clips the same way.
    ///@{
    TGridRect DataSelection() const;
    void SetDataSelection(TGridRect Value);
    ///@}

    // ---- clipboard and copy buffer (the clipboard holds plain text)
    /// A Copy has filled the copy buffer, so Paste can be offered.
    bool GetDataCopyAvail() const { return FDataCopyAvail; }
    /// The copy buffer: values and state bytes of the last copied block.
    const TDataTable& CopyBuffer() const { return *FCopyBuffer; }
    /// Size of the number block in the clipboard text (NCols numbers on the
    /// longest line, NRows lines); false with 1 x 1 when it holds no number.
    bool GetClipMatrixSize(int& NCols, int& NRows) const;

    // ---- popup menus
    TPopupMenu* DataPopup() const { return FPopupD; } ///< The built-in menu of the data cells.
    TPopupMenu* HeadingPopup() const { return FPopupH; } ///< The built-in menu of the headings.
    /// Bit i - 1 enables item i of the data menu (1 Mark A, 2 Mark B, 3 Unmark
    /// A, 4 Unmark B, 5 Unmark All, 6 Clear, 7 Copy, 8 Paste, 9 Data
    /// Read-Only, 10 Extract, 11 Select All, 12 Toggle Empty); Paste needs a
    /// filled copy buffer too. Setting fires OnChangeSetup.
    ///@{
    int GetPopupDMask() const { return FPopupDMask; }
    void SetPopupDMask(int Value);
    ///@}
    /// Bit i - 1 enables item i of the heading menu (1 Edit Heading, 2 Change
    /// Precision, 3 Select, 4 Insert, 5 Delete). Setting fires OnChangeSetup.
    ///@{
    int GetPopupHMask() const { return FPopupHMask; }
    void SetPopupHMask(int Value);
    ///@}
    /// Caption of item ix (1..12) of the data menu.
    ///@{
    TDTNameStr GetPopupDCaptions(int ix) const;
    void SetPopupDCaptions(int ix, const TDTNameStr& Value);
    ///@}
    /// Caption of item ix (1..5) of the heading menu.
    ///@{
    TDTNameStr GetPopupHCaptions(int ix) const;
    void SetPopupHCaptions(int ix, const TDTNameStr& Value);
    ///@}
    /// Caption of scope item ix (1 Range, 2 Column, 3 Row, 4 All) in both
    /// mark submenus.
    ///@{
    TDTNameStr GetPopupMCaptions(int ix) const;
    void SetPopupMCaptions(int ix, const TDTNameStr& Value);
    ///@}
    /// Caption of scope item ix (1 Range, 2 Column, 3 Row, 4 All) in both
    /// unmark submenus. Captions read "" out of range and are cut to the
    /// length of a name; other indexes are ignored on writing.
    ///@{
    TDTNameStr GetPopupUCaptions(int ix) const;
    void SetPopupUCaptions(int ix, const TDTNameStr& Value);
    ///@}
    /// The grid cell the last mouse press or release was on.
    TGridCoord PopupCell() const { return FPopupCell; }
    /// Prepares the data menu's items for opening (glyph, enabled states),
    /// fires OnBeforePopup and opens it at screen point (X, Y).
    void PopupDataMenu(int X, int Y);
    /// The same for the heading menu on the popup cell.
    void PopupHeadingMenu(int X, int Y);

    // ---- menu handlers (Sender: the clicked item)
    /// Sets mark A on the selection, its columns, its rows or every cell.
    ///@{
    void PopupMenuClickMarkARange(QObject* Sender);
    void PopupMenuClickMarkAColumn(QObject* Sender);
    void PopupMenuClickMarkARow(QObject* Sender);
    void PopupMenuClickMarkAAll(QObject* Sender);
    ///@}
    /// Sets mark B on the selection, its columns, its rows or every cell.
    ///@{
    void PopupMenuClickMarkBRange(QObject* Sender);
    void PopupMenuClickMarkBColumn(QObject* Sender);
    void PopupMenuClickMarkBRow(QObject* Sender);
    void PopupMenuClickMarkBAll(QObject* Sender);
    ///@}
    /// Clears mark A on the selection, its columns, its rows or every cell.
    ///@{
    void PopupMenuClickUnMarkARange(QObject* Sender);
    void PopupMenuClickUnMarkAColumn(QObject* Sender);
    void PopupMenuClickUnMarkARow(QObject* Sender);
    void PopupMenuClickUnMarkAAll(QObject* Sender);
    ///@}
    /// Clears mark B on the selection, its columns, its rows or every cell.
    ///@{
    void PopupMenuClickUnMarkBRange(QObject* Sender);
    void PopupMenuClickUnMarkBColumn(QObject* Sender);
    void PopupMenuClickUnMarkBRow(QObject* Sender);
    void PopupMenuClickUnMarkBAll(QObject* Sender);
    ///@}
    /// Clears both marks of every cell; repaints, fires OnCellStateChanged.
    void PopupMenuClickUnMarkAll(QObject* Sender);
    /// Calls OnClear, or without it sets the selected cells to 0 with state
    /// 0; then fires OnChange and OnCellStateChanged.
    void PopupMenuClickClear(QObject* Sender);
    /// Copies the selection into the copy buffer and as text to the clipboard.
    void PopupMenuClickCopy(QObject* Sender);
    /// Writes the copy buffer at the selection's top-left cell and selects the
    /// block written; fires OnChange, OnCellStateChanged and OnPaste.
    void PopupMenuClickPaste(QObject* Sender);
    /// Toggles DataReadOnly and fires OnChangeSetup.
    void PopupMenuClickEdit(QObject* Sender);
    /// Writes the numbers of the clipboard text from the selection's top-left
    /// cell on and selects them; fires like Paste.
    void PopupMenuClickExtClip(QObject* Sender);
    /// Selects every data cell; fires OnSelectionChanged.
    void PopupMenuClickSelAll(QObject* Sender);
    /// Toggles the empty flag of the selected cells; fires OnCellStateChanged.
    void PopupMenuClickEmptyCells(QObject* Sender);
    /// Opens the name editor on the popup cell's name or attribute.
    void PopupMenuClickChangeID(QObject* Sender);
    /// Steps the popup column's precision down (after -1 back to 10), opens
    /// the heading menu again and fires OnLayoutChanged.
    void PopupMenuClickPrecision(QObject* Sender);
    /// Selects the popup cell's data column (row); fires OnSelectionChanged.
    ///@{
    void PopupMenuClickSelectCol(QObject* Sender);
    void PopupMenuClickSelectRow(QObject* Sender);
    ///@}
    /// Inserts a column (row) named "(...)" before the popup cell's one.
    ///@{
    void PopupMenuClickInsertCol(QObject* Sender);
    void PopupMenuClickInsertRow(QObject* Sender);
    ///@}
    /// Removes the popup cell's column (row); fires OnChangeSetup.
    ///@{
    void PopupMenuClickDeleteCol(QObject* Sender);
    void PopupMenuClickDeleteRow(QObject* Sender);
    ///@}

    // ---- in-place editors of names and the comment
    bool NameEditorActive() const { return FNameEdActive; } ///< The name editor is open.
    bool CommentEditorActive() const { return FCommentMMActive; } ///< The comment editor is open.
    /// The editors themselves (nullptr in design mode).
    ///@{
    TEdit* NameEditor() const;
    QPlainTextEdit* CommentEditor() const;
    ///@}
    /// Enter (Store) or Escape in the name editor / the comment editor.
    /// Storing a name sets it, an attribute only when the text is a valid
    /// one, and fires OnHeadingChanged; storing the comment fires OnChange
    /// (commentChanged when it differs).
    ///@{
    void CloseNameEditor(bool Store);
    void CloseCommentEditor(bool Store);
    ///@}
    /// Opens the comment editor over the top of the grid, unless the name
    /// editor is open.
    void OpenCommentEditor();

    // ---- grid behaviour
    /// The text the in-place editor starts with: the identifier (or integer)
    /// of a nominal cell, the number text otherwise; OnGetEditText may change it.
    QString GetEditText(int ACol, int ARow) override;
    /// Stores an edited text: a number (a nominal column also takes an
    /// identifier), or sets cstNoNumber when it is none; fires OnChange and,
    /// when the state changed, OnCellStateChanged.
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    /// A pick list for nominal columns, a plain editor otherwise.
    TEditStyle GetEditStyle(int ACol, int ARow) override;
    /// The in-place editor, whose pick list holds the column's nominal identifiers.
    TInplaceEdit* CreateEditor() override;
    /// No editing in locked cells or while DataReadOnly; Enter moves on with
    /// AutoAdvance, Escape ends editing.
    void KeyPress(QChar& Key) override;
    /// Only navigation keys act on a locked cell; fires OnSelectionChanged
    /// and updates the cell cursor.
    void KeyDown(quint16& Key, TShiftState Shift) override;
    /// Scrolls, then updates the cell cursor and fires OnSelectionChanged.
    ///@{
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    ///@}
    /// A first click selects a cell, a second one edits it; a right click
    /// opens the data menu on a data cell, the heading menu on a heading and
    /// the comment editor on the corner cell.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// Records the popup cell and whether it may be edited.
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// Fires OnSelectionChanged when dragging changed the selection.
    void MouseMove(TShiftState Shift, int X, int Y) override;

    // ---- accessibility: a table; its value is the current cell
    /// "col:row" and the text of the current data cell; "" elsewhere.
    QString AccessibleValueText() const override;
    /// The grid's state, read-only while DataReadOnly.
    void AccessibleState(QAccessible::State& State) const override;

    TNotifyEvent OnChange; ///< Cell values or the comment changed.
    TNotifyEvent OnChangeSetup; ///< Size, structure, table, read-only switch or menu masks changed.
    TNotifyEvent OnHeadingChanged; ///< A column or row name changed.
    TNotifyEvent OnAttributeChanged; ///< A column or row attribute changed.
    TNotifyEvent OnCellStateChanged; ///< State bytes (marks, empty, not a number) changed.
    TNotifyEvent OnLayoutChanged; ///< Precision, widths, attribute lines, NumWidth, bold or colours changed.
    TNotifyEvent OnSelectionChanged; ///< The selection or the current cell moved.
    /// Replaces the built-in clearing of "Clear" (Sender: the menu item).
    TNotifyEvent OnClear;
    TNotifyEvent OnPaste; ///< After Paste or Extract from Clipboard wrote cells.
    TBeforePopupEvent OnBeforePopup; ///< A built-in menu is about to open.
    TOnPercentDoneEvent OnPercentDone; ///< Progress of a long table operation.
    TBeforeRenderCellEvent OnBeforeRenderCell; ///< A data cell is about to be drawn.

Q_SIGNALS:
    void changed(); ///< With OnChange.
    void changeSetup(); ///< With OnChangeSetup.
    void headingChanged(); ///< With OnHeadingChanged.
    void attributeChanged(); ///< With OnAttributeChanged.
    void cellStateChanged(); ///< With OnCellStateChanged.
    void layoutChanged(); ///< With OnLayoutChanged.
    void selectionChanged(); ///< With OnSelectionChanged.
    void pasted(); ///< With OnPaste.
    void percentDone(int Percent); ///< With OnPercentDone.
    void commentChanged(const QString& Comment); ///< The comment's text changed.
    void dataReadOnlyChanged(bool DataReadOnly); ///< DataReadOnly switched.
    void nrOfColumnsChanged(int NrOfColumns); ///< The number of data columns changed.
    void nrOfRowsChanged(int NrOfRows); ///< The number of data rows changed.
    void leftColChanged(int LeftCol); ///< The view scrolled to another first data column.
    void topRowChanged(int TopRow); ///< The view scrolled to another first data row.

protected:
    void FontChanged() override; ///< Repaints with the new font.

private:
    friend class TNTabEdNameEditor;
    friend class TNTabEdCommentEditor;

    /// RAII for the internal suppression and the detached data-changed hook.
    class TBulkScope;
    class TSuppressScope;

    bool Suppressed() const { return FSuppressPaint || FInternalSuppress; }
    /// Fires Event and Signal unless suppressed.
    void Fire(const TNotifyEvent& Event, void (TNTabEd::*Signal)());
    void RepaintNow();
    void SetLayoutColor(TColor& Field, TColor Value);
    void HookTable(TDataTable* Table);
    void UnhookTable(TDataTable* Table);
    void TableResized(int OldCols, int OldRows, int NewCols, int NewRows);
    void SizeGridColumns(int OldCols, int NewCols);
    void ResizePrecisions(int NewCount);
    void BuildMenus();
    void PrepareHeadingMenu();
    /// Opens the heading menu just inside the top-left corner of Cell.
    void PopupHeadingMenuAtCell(TGridCoord Cell);
    void PrepareDataMenu();
    void OpenNameEditor();
    void UpdateEditingOption();
    /// What follows a turn of the wheel; returns Handled.
    bool AfterWheel(bool Handled);
    void SetEditing(bool On);
    bool IsLockedGridCell(int ACol, int ARow) const;
    bool IsDataCell(int ACol, int ARow) const { return ACol > FColOffset && ARow > FRowOffset; }
    void ReportSelection();
    void DrawDataCell(int ACol, int ARow, TRect ARect, TGridDrawState AState);
    void DrawFixedCell(int ACol, int ARow, TRect ARect);
    void DrawHeaderText(TRect R, int Y, const QString& Text, bool Highlight);
    void DrawCommentCaption(TRect R, int X, int Y);
    QString CellText(int ACol, int ARow) const;
    /// Change applied to the state byte of every cell of the data block.
    void ApplyStates(const TGridRect& Cells, const std::function<quint8(quint8)>& Change);
    int CountStates(quint8 Mask) const;
    /// Draws the popup cell's frame inverted (twice restores it).
    void InvertPopupCell();
    void ExtractFromClipboard();
    void CopySelection();
    void PasteBuffer();
    void FinishPaste(const TGridRect& Pasted);

    int FColOffset = 1;
    int FRowOffset = 0;
    std::unique_ptr<TDataTable> FOwnData;
    std::unique_ptr<TDataTable> FCopyBuffer;
    bool FDataCopyAvail = false;
    bool FExtMatAssigned = false;
    std::vector<qint8> FDecP;
    bool FSuppressPaint = false;
    bool FInternalSuppress = true;
    bool FMuteDataChanged = false;
    TGridRect FOldSel{-1, -1, -1, -1};
    int FClassColWidth = 32;
    int FNumWidth = 1;
    bool FAutoAdvance = true;
    TOrientation FAutoAdvanceDir = orVertical;
    bool FBlockInternalPopup = false;
    bool FCommentEditingAllowed = true;
    bool FClipboardUseFullPrec = true;
    int FNomEditDropDownCount = 8;
    bool FDataReadOnly = false;
    bool FOptimizeRowHeight = false;
    bool FShowCellCursor = true;
    bool FBoldMarks = true;
    bool FBoldSelHeads = true;
    TColor FColorBackground;
    TColor FColorFixed;
    TColor FColorNormal = 0x002000;
    TColor FColorSelected = 0x404040;
    TColor FColorMarkedA = 0x0000FF;
    TColor FColorMarkedB = 0xFF0000;
    TColor FColorMarkedBoth = 0xCC00BB;
    TColor FColorRangeSelFG = 0x80552C;
    TColor FColorRangeSelBG = 0xF8E8E0;

    /// Interaction.
    TGridCoord FPopupCell{0, 0};
    TPoint FLastPress{0, 0};
    bool FNameEdActive = false;
    bool FCommentMMActive = false;
    TNTabEdNameEditor* FNameEd = nullptr;
    TNTabEdCommentEditor* FCommentMM = nullptr;
    QStringList FColPickList;

    /// Menus and the items the editor keeps.
    TPopupMenu* FPopupD = nullptr;
    TPopupMenu* FPopupH = nullptr;
    int FPopupDMask = 0x7FFFFFFF;
    int FPopupHMask = 0x7FFFFFFF;
    std::array<TMenuItem*, 12> FDataItems{};
    std::array<TMenuItem*, 5> FHeadItems{};
    /// Mark A, mark B, unmark A, unmark B: four items each.
    std::array<std::array<TMenuItem*, 4>, 4> FMarkItems{};

    /// The scroll position leftColChanged and topRowChanged told last.
    int FNotifiedLeftCol = 1;
    int FNotifiedTopRow = 1;
};

} // namespace vok
