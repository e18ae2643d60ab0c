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
    Q_PROPERTY(bool AutoAdvance READ GetAutoAdvance WRITE SetAutoAdvance)
    Q_PROPERTY(vok::BaseEnums::TOrientation AutoAdvanceDir READ GetAutoAdvanceDir WRITE SetAutoAdvanceDir)
    Q_PROPERTY(bool AttribRowVisible READ GetAttribRowVisible WRITE SetAttribRowVisible)
    Q_PROPERTY(bool AttribColVisible READ GetAttribColVisible WRITE SetAttribColVisible)
    Q_PROPERTY(bool BlockInternalPopup READ GetBlockInternalPopup WRITE SetBlockInternalPopup)
    Q_PROPERTY(bool CommentEditingAllowed READ GetCommentEditingAllowed WRITE SetCommentEditingAllowed)
    Q_PROPERTY(QString Comment READ GetComment WRITE SetComment NOTIFY commentChanged)
    Q_PROPERTY(quint32 ColorBackground READ GetColorBackground WRITE SetColorBackground)
    Q_PROPERTY(quint32 ColorFixed READ GetColorFixed WRITE SetColorFixed)
    Q_PROPERTY(quint32 ColorNormal READ GetColorNormal WRITE SetColorNormal)
    Q_PROPERTY(quint32 ColorSelected READ GetColorSelected WRITE SetColorSelected)
    Q_PROPERTY(quint32 ColorMarkedA READ GetColorMarkedA WRITE SetColorMarkedA)
    Q_PROPERTY(quint32 ColorMarkedB READ GetColorMarkedB WRITE SetColorMarkedB)
    Q_PROPERTY(quint32 ColorMarkedBoth READ GetColorMarkedBoth WRITE SetColorMarkedBoth)
    Q_PROPERTY(quint32 ColorRangeSelFG READ GetColorRangeSelFG WRITE SetColorRangeSelFG)
    Q_PROPERTY(quint32 ColorRangeSelBG READ GetColorRangeSelBG WRITE SetColorRangeSelBG)
    Q_PROPERTY(bool BoldMarks READ GetBoldMarks WRITE SetBoldMarks)
    Q_PROPERTY(bool BoldSelHeads READ GetBoldSelHeads WRITE SetBoldSelHeads)
    Q_PROPERTY(bool ClipboardUseFullPrec READ GetClipboardUseFullPrec WRITE SetClipboardUseFullPrec)
    Q_PROPERTY(int LeftCol READ GetLeftCol WRITE SetLeftCol STORED false)
    Q_PROPERTY(int TopRow READ GetTopRow WRITE SetTopRow STORED false)
    Q_PROPERTY(int NomEditDropDownCount READ GetNomEditDropDownCount WRITE SetNomEditDropDownCount)
    Q_PROPERTY(int NrOfColumns READ GetNrOfColumns WRITE SetNrOfColumns NOTIFY nrOfColumnsChanged)
    Q_PROPERTY(int NrOfRows READ GetNrOfRows WRITE SetNrOfRows NOTIFY nrOfRowsChanged)
    Q_PROPERTY(int NumWidth READ GetNumWidth WRITE SetNumWidth)
    Q_PROPERTY(bool DataReadOnly READ GetDataReadOnly WRITE SetDataReadOnly NOTIFY dataReadOnlyChanged)
    Q_PROPERTY(bool OptimizeRowHeight READ GetOptimizeRowHeight WRITE SetOptimizeRowHeight)
    Q_PROPERTY(bool ShowCellCursor READ GetShowCellCursor WRITE SetShowCellCursor)

public:
    explicit TNTabEd(QWidget* AOwner = nullptr);
    ~TNTabEd() override;

    /// The table shown: the editor's own, or one given by AssignAnotherDataMatrix.
    TDataTable* Data;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // ---- grid mapping (grid column of data column c is c + ColOffset)
    int ColOffset() const { return FColOffset; }
    int RowOffset() const { return FRowOffset; }

    // ---- size
    int GetNrOfColumns() const { return Data->GetNrOfColumns(); }
    void SetNrOfColumns(int Value);
    int GetNrOfRows() const { return Data->GetNrOfRows(); }
    void SetNrOfRows(int Value);
    void Redimension(int NrCols, int NrRows);

    // ---- cells (data coordinates)
    double GetElem(int ACol, int ARow) const { return Data->GetElem(ACol, ARow); }
    /// Stores without repainting or firing anything.
    void SetElem(int ACol, int ARow, double Value) { Data->SetElem(ACol, ARow, Value); }
    quint8 GetCellState(int ACol, int ARow) const { return Data->GetCellState(ACol, ARow); }
    /// Repaints and fires OnCellStateChanged like the other state setters.
    void SetCellState(int ACol, int ARow, quint8 Value);
    bool GetElemMarkedA(int ACol, int ARow) const { return GetCellState(ACol, ARow) & cstMarkA; }
    void SetElemMarkedA(int ACol, int ARow, bool Value);
    bool GetElemMarkedB(int ACol, int ARow) const { return GetCellState(ACol, ARow) & cstMarkB; }
    void SetElemMarkedB(int ACol, int ARow, bool Value);
    bool GetIsNumber(int ACol, int ARow) const { return Data->GetIsNumber(ACol, ARow); }
    bool GetIsEmpty(int ACol, int ARow) const { return GetCellState(ACol, ARow) & cstEmpty; }
    /// Fires OnCellStateChanged, no repaint.
    void SetIsEmpty(int ACol, int ARow, bool Value);

    // ---- headings (out of range: "" / 0 on reading, ignored on writing)
    TDTNameStr GetColName(int ColNr) const { return Data->GetColName(ColNr); }
    void SetColName(int ColNr, const TDTNameStr& Value);
    TDTNameStr GetRowName(int RowNr) const { return Data->GetRowName(RowNr); }
    void SetRowName(int RowNr, const TDTNameStr& Value);
    quint8 GetColAttrib(int ColNr) const { return Data->GetColAttrib(ColNr); }
    void SetColAttrib(int ColNr, quint8 Value);
    quint8 GetRowAttrib(int RowNr) const { return Data->GetRowAttrib(RowNr); }
    void SetRowAttrib(int RowNr, quint8 Value);
    QString GetComment() const { return Data->GetComment(); }
    /// Control characters are removed; fires OnChange.
    void SetComment(const QString& Value);

    // ---- precision per column: -1..10, 3 initially (0 outside the table)
    qint8 GetPrecision(int ColNr) const { return GetDecPlaces(ColNr); }
    void SetPrecision(int ColNr, int Value) { SetDecPlaces(ColNr, Value); }
    qint8 GetDecPlaces(int ColNr) const;
    void SetDecPlaces(int ColNr, int Value);

    // ---- widths: Index > 0 data column, 0 row names, < 0 attribute column
    int GetColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    void SetDefaultColWidth(int Value);
    int AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
    int AutoRowHeight(int RowNr, int Addon);

    // ---- scrolling in data numbers
    int GetLeftCol() const { return TCustomGrid::GetLeftCol() - FColOffset; }
    void SetLeftCol(int Value);
    int GetTopRow() const { return TCustomGrid::GetTopRow() - FRowOffset; }
    void SetTopRow(int Value);

    // ---- settings
    bool GetAutoAdvance() const { return FAutoAdvance; }
    void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
    TOrientation GetAutoAdvanceDir() const { return FAutoAdvanceDir; }
    void SetAutoAdvanceDir(TOrientation Value) { FAutoAdvanceDir = Value; }
    bool GetAttribRowVisible() const { return FColOffset == 1; }
    void SetAttribRowVisible(bool Value);
    bool GetAttribColVisible() const { return FRowOffset == 1; }
    void SetAttribColVisible(bool Value);
    bool GetBlockInternalPopup() const { return FBlockInternalPopup; }
    void SetBlockInternalPopup(bool Value) { FBlockInternalPopup = Value; }
    bool GetCommentEditingAllowed() const { return FCommentEditingAllowed; }
    void SetCommentEditingAllowed(bool Value) { FCommentEditingAllowed = Value; }
    bool GetClipboardUseFullPrec() const { return FClipboardUseFullPrec; }
    void SetClipboardUseFullPrec(bool Value) { FClipboardUseFullPrec = Value; }
    int GetNomEditDropDownCount() const { return FNomEditDropDownCount; }
    void SetNomEditDropDownCount(int Value);
    /// Accepted in 1..20 only (with a repaint); OnLayoutChanged in every case.
    int GetNumWidth() const { return FNumWidth; }
    void SetNumWidth(int Value);
    bool GetDataReadOnly() const { return FDataReadOnly; }
    void SetDataReadOnly(bool Value);
    bool GetOptimizeRowHeight() const { return FOptimizeRowHeight; }
    void SetOptimizeRowHeight(bool Value);
    bool GetShowCellCursor() const { return FShowCellCursor; }
    void SetShowCellCursor(bool Value);
    bool GetBoldMarks() const { return FBoldMarks; }
    void SetBoldMarks(bool Value);
    bool GetBoldSelHeads() const { return FBoldSelHeads; }
    void SetBoldSelHeads(bool Value);

    // ---- colours
    TColor GetColorBackground() const { return FColorBackground; }
    void SetColorBackground(TColor Value);
    TColor GetColorFixed() const { return FColorFixed; }
    void SetColorFixed(TColor Value);
    TColor GetColorNormal() const { return FColorNormal; }
    void SetColorNormal(TColor Value) { SetLayoutColor(FColorNormal, Value); }
    TColor GetColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor Value) { SetLayoutColor(FColorSelected, Value); }
    TColor GetColorMarkedA() const { return FColorMarkedA; }
    void SetColorMarkedA(TColor Value) { SetLayoutColor(FColorMarkedA, Value); }
    TColor GetColorMarkedB() const { return FColorMarkedB; }
    void SetColorMarkedB(TColor Value) { SetLayoutColor(FColorMarkedB, Value); }
    TColor GetColorMarkedBoth() const { return FColorMarkedBoth; }
    void SetColorMarkedBoth(TColor Value) { SetLayoutColor(FColorMarkedBoth, Value); }
    TColor GetColorRangeSelFG() const { return FColorRangeSelFG; }
    void SetColorRangeSelFG(TColor Value) { SetLayoutColor(FColorRangeSelFG, Value); }
    TColor GetColorRangeSelBG() const { return FColorRangeSelBG; }
    void SetColorRangeSelBG(TColor Value) { SetLayoutColor(FColorRangeSelBG, Value); }

    // ---- painting
    bool GetSuppressPaint() const { return FSuppressPaint; }
    /// Switching it off repaints at once.
    void SetSuppressPaint(bool Value);
    void Paint() override;
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    void TopLeftChanged() override;
    /// Draws "col:row" of grid cell (Col, Row) into the corner cell at once.
    void ShowCellCursorAt(int ACol, int ARow);

    // ---- notifications: each fires only when no suppression is on
    void ChangedData();
    void ChangedHeading();
    void ChangedAttrib();
    void ChangedLayout();
    void ChangedCellStates();
    void ChangedSelection();
    void ChangedSetup();

    // ---- structure commands (data coordinates)
    void InsertRow(int ix);
    void InsertColumn(int ix);
    void RemoveRow(int ix);
    void RemoveColumn(int ix);
    void MirrorRows();
    void MirrorColumns();
    void Clear();
    void Fill(double Value) { Data->Fill(Value); }
    int FillMarkedCells(double Value, quint8 StateMask);

    // ---- marks
    void InvertCellStates(quint8 StateMask);
    void ExchangeMarkings();
    void MarkAllElemsA();
    void MarkAllElemsB();
    void UnMarkAllElems();
    int NrOfMarkedDataA() const;
    int NrOfMarkedDataB() const;
    bool IfRowMarked(int ARow) const;
    bool IfColumnMarked(int ACol) const;
    bool IfAnyMarked() const;
    /// Sets (Set) or clears the bits of Mask in the cells of Scope around the
    /// current selection, then repaints and fires OnCellStateChanged.
    void ChangeMarks(TMarkScope Scope, quint8 Mask, bool Set);

    // ---- sorting and searching (data coordinates, block corners inclusive)
    void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    /// The first column (row) with exactly that name; 0 when there is none.
    int FindColIndex(const TDTNameStr& ColID) const;
    int FindRowIndex(const TDTNameStr& RowID) const;

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

    // ---- selection in data coordinates (clipped to the table)
    TGridRect DataSelection() const;
    void SetDataSelection(TGridRect Value);

    // ---- clipboard and copy buffer (the clipboard holds plain text)
    bool GetDataCopyAvail() const { return FDataCopyAvail; }
    const TDataTable& CopyBuffer() const { return *FCopyBuffer; }
    bool GetClipMatrixSize(int& NCols, int& NRows) const;

    // ---- popup menus
    TPopupMenu* DataPopup() const { return FPopupD; }
    TPopupMenu* HeadingPopup() const { return FPopupH; }
    int GetPopupDMask() const { return FPopupDMask; }
    void SetPopupDMask(int Value);
    int GetPopupHMask() const { return FPopupHMask; }
    void SetPopupHMask(int Value);
    TDTNameStr GetPopupDCaptions(int ix) const;
    void SetPopupDCaptions(int ix, const TDTNameStr& Value);
    TDTNameStr GetPopupHCaptions(int ix) const;
    void SetPopupHCaptions(int ix, const TDTNameStr& Value);
    TDTNameStr GetPopupMCaptions(int ix) const;
    void SetPopupMCaptions(int ix, const TDTNameStr& Value);
    TDTNameStr GetPopupUCaptions(int ix) const;
    void SetPopupUCaptions(int ix, const TDTNameStr& Value);
    /// The grid cell the last mouse press or release was on.
    TGridCoord PopupCell() const { return FPopupCell; }
    /// Prepares the data menu's items for opening (glyph, enabled states),
    /// fires OnBeforePopup and opens it at screen point (X, Y).
    void PopupDataMenu(int X, int Y);
    /// The same for the heading menu on the popup cell.
    void PopupHeadingMenu(int X, int Y);

    // ---- menu handlers (Sender: the clicked item)
    void PopupMenuClickMarkARange(QObject* Sender);
    void PopupMenuClickMarkAColumn(QObject* Sender);
    void PopupMenuClickMarkARow(QObject* Sender);
    void PopupMenuClickMarkAAll(QObject* Sender);
    void PopupMenuClickMarkBRange(QObject* Sender);
    void PopupMenuClickMarkBColumn(QObject* Sender);
    void PopupMenuClickMarkBRow(QObject* Sender);
    void PopupMenuClickMarkBAll(QObject* Sender);
    void PopupMenuClickUnMarkARange(QObject* Sender);
    void PopupMenuClickUnMarkAColumn(QObject* Sender);
    void PopupMenuClickUnMarkARow(QObject* Sender);
    void PopupMenuClickUnMarkAAll(QObject* Sender);
    void PopupMenuClickUnMarkBRange(QObject* Sender);
    void PopupMenuClickUnMarkBColumn(QObject* Sender);
    void PopupMenuClickUnMarkBRow(QObject* Sender);
    void PopupMenuClickUnMarkBAll(QObject* Sender);
    void PopupMenuClickUnMarkAll(QObject* Sender);
    void PopupMenuClickClear(QObject* Sender);
    void PopupMenuClickCopy(QObject* Sender);
    void PopupMenuClickPaste(QObject* Sender);
    void PopupMenuClickEdit(QObject* Sender);
    void PopupMenuClickExtClip(QObject* Sender);
    void PopupMenuClickSelAll(QObject* Sender);
    void PopupMenuClickEmptyCells(QObject* Sender);
    void PopupMenuClickChangeID(QObject* Sender);
    void PopupMenuClickPrecision(QObject* Sender);
    void PopupMenuClickSelectCol(QObject* Sender);
    void PopupMenuClickSelectRow(QObject* Sender);
    void PopupMenuClickInsertCol(QObject* Sender);
    void PopupMenuClickInsertRow(QObject* Sender);
    void PopupMenuClickDeleteCol(QObject* Sender);
    void PopupMenuClickDeleteRow(QObject* Sender);

    // ---- in-place editors of names and the comment
    bool NameEditorActive() const { return FNameEdActive; }
    bool CommentEditorActive() const { return FCommentMMActive; }
    TEdit* NameEditor() const;
    QPlainTextEdit* CommentEditor() const;
    /// Enter (Store) or Escape in the name editor / the comment editor.
    void CloseNameEditor(bool Store);
    void CloseCommentEditor(bool Store);
    void OpenCommentEditor();

    // ---- grid behaviour
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    TEditStyle GetEditStyle(int ACol, int ARow) override;
    TInplaceEdit* CreateEditor() override;
    void KeyPress(QChar& Key) override;
    void KeyDown(quint16& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

    // ---- accessibility: a table; its value is the current cell
    QString AccessibleValueText() const override;
    void AccessibleState(QAccessible::State& State) const override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeSetup;
    TNotifyEvent OnHeadingChanged;
    TNotifyEvent OnAttributeChanged;
    TNotifyEvent OnCellStateChanged;
    TNotifyEvent OnLayoutChanged;
    TNotifyEvent OnSelectionChanged;
    /// Replaces the built-in clearing of "Clear" (Sender: the menu item).
    TNotifyEvent OnClear;
    TNotifyEvent OnPaste;
    TBeforePopupEvent OnBeforePopup;
    TOnPercentDoneEvent OnPercentDone;
    TBeforeRenderCellEvent OnBeforeRenderCell;

Q_SIGNALS:
    void changed();
    void changeSetup();
    void headingChanged();
    void attributeChanged();
    void cellStateChanged();
    void layoutChanged();
    void selectionChanged();
    void pasted();
    void percentDone(int Percent);
    void commentChanged(const QString& Comment);
    void dataReadOnlyChanged(bool DataReadOnly);
    void nrOfColumnsChanged(int NrOfColumns);
    void nrOfRowsChanged(int NrOfRows);

protected:
    void FontChanged() override;

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
};

} // namespace vok
