/// TReportListView: the visible report list. A draw grid that shows the
/// contents of its own TRLData with up to two header rows (a common header and
/// the column headers), per-column alignment, check boxes or radio buttons in
/// check columns, masked password columns, banded rows, selection and
/// highlight colors, a sort arrow, an inter-row indicator and a message for an
/// empty list. Rows are selected, enabled and checked through the attribute
/// bits of the container's store; header clicks sort; a row editor dialog is
/// built at run time. Reached through <vok/Vok_replist.h>. \file
#pragma once

#include <vok/Vok_forms.h>
#include <vok/Vok_grids.h>
#include <vok/Vok_replist.h>

#include <QList>

#include <memory>
#include <vector>

namespace vok {

inline namespace ReplistViewEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
/// How FilterAndSort reads its expression: a plain substring, words joined by
/// and/or/not and parentheses, or a regular expression.
enum TFilterMode { fmSimple, fmBoolean, fmGrep };
Q_ENUM_NS(TFilterMode)
} // namespace ReplistViewEnums

class VOK_EXPORT EVOKRepListError : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// Lets a handler change the colors, font styles and text of a data cell just
/// before it is drawn (ACol and ARow are data numbers).
using TRenderCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, TColor& PenColor, TColor& BrushColor,
                                            TColor& FontColor, TFontStyles& FontStyles, QString& Text)>;
/// Lets a handler change what GetElem returns.
///@{
using TReadCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Text)>;
using TCheckedChangeEvent = std::function<void(QObject* Sender, bool& State, int Col, int Row)>;
using TCursorKeyActionEvent = std::function<void(QObject* Sender, quint16 Key)>;
using TRequestEditFormatEvent = std::function<void(QObject* Sender, int Col, int Row, QString& Format)>;
///@}
/// Found holds the row's own filter result; the handler may change it and say
/// how it combines with that result (loNOT: the handler's Found alone).
using TBeforeFilterEvent =
    std::function<void(QObject* Sender, int Row, bool& Found, TLogicOp& CombineWithInternalSearch)>;

/// The date-time value of Text read by a classic date/time format ("dd.MM.yyyy
/// HH:mm", "MMM d, yyyy", "h:mm tt"). Status: 0 success, -1 literal text does
/// not match, -2 unknown format letters, -3 a bad number or name, a field out
/// of range or text left over; the value is 0 on any failure.
VOK_EXPORT double ParseDateTime(const QString& Text, const QString& Format, int& Status);

/// The report list: a grid showing its TRLData with headers, check columns, sorting, selection, filtering and editing.
class VOK_EXPORT TReportListView : public TCustomDrawGrid
{
    Q_OBJECT
    /// Number of data columns of the list's data.
    Q_PROPERTY(int NrOfColumns READ GetNrOfColumns WRITE SetNrOfColumns RESET ResetNrOfColumns)
    /// Number of data rows of the list's data.
    Q_PROPERTY(int NrOfRows READ GetNrOfRows WRITE SetNrOfRows RESET ResetNrOfRows)
    /// Whether Enter moves to the next row.
    Q_PROPERTY(bool AutoAdvance READ GetAutoAdvance WRITE SetAutoAdvance)
    /// Color of the cell texts.
    Q_PROPERTY(quint32 ColorText READ GetColorText WRITE SetColorText)
    /// Background color of the odd row bands.
    Q_PROPERTY(quint32 ColorBkgdNormal READ GetColorBkgdNormal WRITE SetColorBkgdNormal)
    /// Background color of the even row bands.
    Q_PROPERTY(quint32 ColorBkgdShaded READ GetColorBkgdShaded WRITE SetColorBkgdShaded)
    /// Rows per color band; 0 or less: no banding.
    Q_PROPERTY(int RowColPattern READ GetRowColPattern WRITE SetRowColPattern)
    /// Background color of the highlighted row and column.
    Q_PROPERTY(quint32 ColorHigh READ GetColorHigh WRITE SetColorHigh)
    /// Text color of the highlighted row and column.
    Q_PROPERTY(quint32 ColorHighText READ GetColorHighText WRITE SetColorHighText)
    /// Data row shown in the highlight colors; 0: none.
    Q_PROPERTY(int HighLightRow READ GetHighLightRow WRITE SetHighLightRow)
    /// Data column shown in the highlight colors; 0: none.
    Q_PROPERTY(int HighLightColumn READ GetHighLightColumn WRITE SetHighLightColumn)
    /// Whether highlighted cells are bold.
    Q_PROPERTY(bool HighLightBold READ GetHighLightBold WRITE SetHighLightBold)
    /// Background color of selected rows.
    Q_PROPERTY(quint32 ColorSelectedRow READ GetColorSelectedRow WRITE SetColorSelectedRow)
    /// Text color of selected rows.
    Q_PROPERTY(quint32 ColorSelectedRowText READ GetColorSelectedRowText WRITE SetColorSelectedRowText)
    /// Background color of selected columns.
    Q_PROPERTY(quint32 ColorSelectedCol READ GetColorSelectedCol WRITE SetColorSelectedCol)
    /// Text color of selected columns.
    Q_PROPERTY(quint32 ColorSelectedColText READ GetColorSelectedColText WRITE SetColorSelectedColText)
    /// Background color of cells whose row and column are both selected.
    Q_PROPERTY(quint32 ColorSelectedBoth READ GetColorSelectedBoth WRITE SetColorSelectedBoth)
    /// Text color of cells whose row and column are both selected.
    Q_PROPERTY(quint32 ColorSelectedBothText READ GetColorSelectedBothText WRITE SetColorSelectedBothText)
    /// Background color while the list is disabled.
    Q_PROPERTY(quint32 ColorDisabledBkgd READ GetColorDisabledBkgd WRITE SetColorDisabledBkgd)
    /// Text color while the list is disabled.
    Q_PROPERTY(quint32 ColorDisabledText READ GetColorDisabledText WRITE SetColorDisabledText)
    /// Background color of the common header.
    Q_PROPERTY(quint32 ColorCommonHd READ GetColorCommonHd WRITE SetColorCommonHd)
    /// Text color of the common header.
    Q_PROPERTY(quint32 ColorCommonHdText READ GetColorCommonHdText WRITE SetColorCommonHdText)
    /// Background color of the column headers.
    Q_PROPERTY(quint32 ColorColumnHd READ GetColorColumnHd WRITE SetColorColumnHd)
    /// Text color of the column headers.
    Q_PROPERTY(quint32 ColorColumnHdText READ GetColorColumnHdText WRITE SetColorColumnHdText)
    /// Color of the message shown when the list has no rows.
    Q_PROPERTY(quint32 ColorEmptyMsg READ GetColorEmptyMsg WRITE SetColorEmptyMsg)
    /// The header above all columns.
    Q_PROPERTY(QString CommonHeader READ GetCommonHeader WRITE SetCommonHeader)
    /// Alignment of the common header lines.
    Q_PROPERTY(vok::InputEnums::TAlignment CommonHeaderAlignment READ GetCommonHeaderAlignment WRITE SetCommonHeaderAlignment)
    /// Whether the common header row is shown.
    Q_PROPERTY(bool CommonHeaderVisible READ GetCommonHeaderVisible WRITE SetCommonHeaderVisible)
    /// Height of the common header row in pixels.
    Q_PROPERTY(int CommonHeaderHeight READ GetCommonHeaderHeight WRITE SetCommonHeaderHeight)
    /// Whether the column header row is shown.
    Q_PROPERTY(bool ColumnHeadersVisible READ GetColumnHeadersVisible WRITE SetColumnHeadersVisible)
    /// Height of the column header row in pixels.
    Q_PROPERTY(int ColumnHeadersHeight READ GetColumnHeadersHeight WRITE SetColumnHeadersHeight)
    /// Text shown when the list has no rows; "|" separates lines.
    Q_PROPERTY(QString EmptyMessage READ GetEmptyMessage WRITE SetEmptyMessage)
    /// Whether the first column is a fixed column that stays when the list scrolls sideways.
    Q_PROPERTY(bool FixedFirstColumn READ GetFixedFirstColumn WRITE SetFixedFirstColumn)
    /// Color of the inter-row indicator, the line drawn above row InterRowIndicatorPos.
    Q_PROPERTY(quint32 InterRowIndicatorColor READ GetInterRowIndicatorColor WRITE SetInterRowIndicatorColor)
    /// Width of the inter-row indicator line in pixels.
    Q_PROPERTY(int InterRowIndicatorWidth READ GetInterRowIndicatorWidth WRITE SetInterRowIndicatorWidth)
    /// First data column shown at the left edge.
    Q_PROPERTY(int LeftCol READ GetLeftCol WRITE SetLeftCol NOTIFY leftColChanged STORED false)
    /// First data row shown at the top.
    Q_PROPERTY(int TopRow READ GetTopRow WRITE SetTopRow NOTIFY topRowChanged STORED false)
    /// 0: no row selection, 1: one row, 2: several rows.
    Q_PROPERTY(int RowSelectMode READ GetRowSelectMode WRITE SetRowSelectMode)
    /// Whether an empty check cell still shows a box.
    Q_PROPERTY(bool ShowEmptyCheckBoxes READ GetShowEmptyCheckBoxes WRITE SetShowEmptyCheckBoxes)
    /// Whether a click on a column header sorts by that column.
    Q_PROPERTY(bool SortEnabled READ GetSortEnabled WRITE SetSortEnabled)
    /// Whether adding a row to the selection needs Ctrl (else a plain click toggles it).
    Q_PROPERTY(bool UseCtrlForMultiSel READ GetUseCtrlForMultiSel WRITE SetUseCtrlForMultiSel)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TReportListView(QWidget* AOwner = nullptr);
    ~TReportListView() override;

    /// The container the view shows (owned for the view's whole life).
    TRLData* Data() const { return FData.get(); }

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    // ---- size and cells
    /// Number of data columns of the list's data.
    ///@{
    int GetNrOfColumns() const { return FData->GetNrOfColumns(); }
    void SetNrOfColumns(int Value);
    ///@}
    /// Number of data rows of the list's data.
    ///@{
    int GetNrOfRows() const { return FData->GetNrOfRows(); }
    void SetNrOfRows(int Value);
    ///@}
    /// Reads through the container, then OnReadCell may change the text.
    ///@{
    QString GetElem(int ACol, int ARow);
    void SetElem(int ACol, int ARow, const QString& Value) { FData->SetElem(ACol, ARow, Value); }
    ///@}
    /// Cells outside the list read as unchecked and ignore writes.
    ///@{
    bool GetElemChecked(int ACol, int ARow) const { return FData->GetElemChecked(ACol, ARow); }
    void SetElemChecked(int ACol, int ARow, bool Value) { FData->SetElemChecked(ACol, ARow, Value); }
    ///@}
    double GetAsNumber(int ACol, int ARow) const; ///< The cell as a number; raises EVOKDStructError for text that is not one.

    // ---- column descriptors (container first, then OnChange and a repaint)
    /// Column descriptors, stored in the list's data: name, format, check mode and check mark of a column.
    ///@{
    QString GetColName(int ColNr) const { return FData->GetColName(ColNr); }
    void SetColName(int ColNr, const QString& Value);
    QString GetColumnFormat(int ColNr) const { return FData->GetColumnFormat(ColNr); }
    void SetColumnFormat(int ColNr, const QString& Value);
    TCheckMode GetColCheckMode(int ColNr) const { return FData->GetColCheckMode(ColNr); }
    void SetColCheckMode(int ColNr, TCheckMode Value);
    bool GetCheckedCol(int ColNr) const { return FData->GetCheckedCol(ColNr); }
    void SetCheckedCol(int ColNr, bool Value);
    ///@}

    // ---- per-column settings of the view (columns 1..NrOfColumns)
    /// Per-column settings of the view: alignment, whether cells can be edited, whether texts are masked as passwords.
    ///@{
    TAlignment GetColAlignment(int ColNr) const;
    void SetColAlignment(int ColNr, TAlignment Value);
    bool GetColumnEditable(int ColNr) const;
    void SetColumnEditable(int ColNr, bool Value);
    bool GetColumnIsPwd(int ColNr) const;
    void SetColumnIsPwd(int ColNr, bool Value);
    ///@}
    /// The data column shown at display position ColNr - 1 (0 outside).
    int GetColOrder(int ColNr) const;
    /// Display position i shows data column ColList[i]; taken only when the
    /// list is a whole permutation of 1..NrOfColumns, otherwise nothing
    /// changes and the result is false. No repaint.
    bool SetColumnOrder(const QList<int>& ColList);
    /// The width of the display column that shows data column Index.
    ///@{
    int GetColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    ///@}

    // ---- width operations
    int DetermineMaxColWidth(int ColNr, bool IncludeHeader); ///< The width the widest text of a column needs.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon); ///< Sets a column to the width its widest text needs plus Addon.
    void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth); ///< The same, at most MaxWidth.
    void ExpandColWidth(int ColIx, int RightMargin); ///< Widens a column so that the columns fill the view, less RightMargin.
    void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin); ///< Fits every column to its texts, then widens ExpandColumn to fill the view.

    // ---- appearance
    /// Whether Enter moves to the next row.
    ///@{
    bool GetAutoAdvance() const { return FAutoAdvance; }
    void SetAutoAdvance(bool Value) { FAutoAdvance = Value; }
    ///@}
    /// Color of the cell texts.
    ///@{
    TColor GetColorText() const { return FColorText; }
    void SetColorText(TColor Value) { SetSetupColor(FColorText, Value); }
    ///@}
    /// Background color of the odd row bands.
    ///@{
    TColor GetColorBkgdNormal() const { return FColorBkgdNormal; }
    void SetColorBkgdNormal(TColor Value) { SetSetupColor(FColorBkgdNormal, Value); }
    ///@}
    /// Background color of the even row bands.
    ///@{
    TColor GetColorBkgdShaded() const { return FColorBkgdShaded; }
    void SetColorBkgdShaded(TColor Value) { SetSetupColor(FColorBkgdShaded, Value); }
    ///@}
    /// Rows per color band; 0 or less: no banding.
    ///@{
    int GetRowColPattern() const { return FRowColPattern; }
    void SetRowColPattern(int Value) { SetSetupValue(FRowColPattern, Value); }
    ///@}
    /// Background color of the highlighted row and column.
    ///@{
    TColor GetColorHigh() const { return FColorHigh; }
    void SetColorHigh(TColor Value) { SetSetupColor(FColorHigh, Value); }
    ///@}
    /// Text color of the highlighted row and column.
    ///@{
    TColor GetColorHighText() const { return FColorHighText; }
    void SetColorHighText(TColor Value) { SetSetupColor(FColorHighText, Value); }
    ///@}
    /// Data row shown in the highlight colors; 0: none.
    ///@{
    int GetHighLightRow() const { return FHighLightRow; }
    void SetHighLightRow(int Value) { SetSetupValue(FHighLightRow, Value); }
    ///@}
    /// Data column shown in the highlight colors; 0: none.
    ///@{
    int GetHighLightColumn() const { return FHighLightColumn; }
    void SetHighLightColumn(int Value) { SetSetupValue(FHighLightColumn, Value); }
    ///@}
    /// Whether highlighted cells are bold.
    ///@{
    bool GetHighLightBold() const { return FHighLightBold; }
    void SetHighLightBold(bool Value);
    ///@}
    /// Background color of selected rows.
    ///@{
    TColor GetColorSelectedRow() const { return FColorSelectedRow; }
    void SetColorSelectedRow(TColor Value) { SetSetupColor(FColorSelectedRow, Value); }
    ///@}
    /// Text color of selected rows.
    ///@{
    TColor GetColorSelectedRowText() const { return FColorSelectedRowText; }
    void SetColorSelectedRowText(TColor Value) { SetSetupColor(FColorSelectedRowText, Value); }
    ///@}
    /// Background color of selected columns.
    ///@{
    TColor GetColorSelectedCol() const { return FColorSelectedCol; }
    void SetColorSelectedCol(TColor Value) { SetSetupColor(FColorSelectedCol, Value); }
    ///@}
    /// Text color of selected columns.
    ///@{
    TColor GetColorSelectedColText() const { return FColorSelectedColText; }
    void SetColorSelectedColText(TColor Value) { SetSetupColor(FColorSelectedColText, Value); }
    ///@}
    /// Background color of cells whose row and column are both selected.
    ///@{
    TColor GetColorSelectedBoth() const { return FColorSelectedBoth; }
    void SetColorSelectedBoth(TColor Value) { SetSetupColor(FColorSelectedBoth, Value); }
    ///@}
    /// Text color of cells whose row and column are both selected.
    ///@{
    TColor GetColorSelectedBothText() const { return FColorSelectedBothText; }
    void SetColorSelectedBothText(TColor Value) { SetSetupColor(FColorSelectedBothText, Value); }
    ///@}
    /// Background color while the list is disabled.
    ///@{
    TColor GetColorDisabledBkgd() const { return FColorDisabledBkgd; }
    void SetColorDisabledBkgd(TColor Value) { SetSetupColor(FColorDisabledBkgd, Value); }
    ///@}
    /// Text color while the list is disabled.
    ///@{
    TColor GetColorDisabledText() const { return FColorDisabledText; }
    void SetColorDisabledText(TColor Value) { SetSetupColor(FColorDisabledText, Value); }
    ///@}
    /// Background color of the common header.
    ///@{
    TColor GetColorCommonHd() const { return FColorCommonHd; }
    void SetColorCommonHd(TColor Value) { SetSetupColor(FColorCommonHd, Value); }
    ///@}
    /// Text color of the common header.
    ///@{
    TColor GetColorCommonHdText() const { return FColorCommonHdText; }
    void SetColorCommonHdText(TColor Value) { SetSetupColor(FColorCommonHdText, Value); }
    ///@}
    /// The fixed cells' color of the grid follows it.
    ///@{
    TColor GetColorColumnHd() const { return FColorColumnHd; }
    void SetColorColumnHd(TColor Value);
    ///@}
    /// Text color of the column headers.
    ///@{
    TColor GetColorColumnHdText() const { return FColorColumnHdText; }
    void SetColorColumnHdText(TColor Value) { SetSetupColor(FColorColumnHdText, Value); }
    ///@}
    /// Color of the message shown when the list has no rows.
    ///@{
    TColor GetColorEmptyMsg() const { return FColorEmptyMsg; }
    void SetColorEmptyMsg(TColor Value);
    ///@}
    /// Text shown when the list has no rows; "|" separates lines.
    ///@{
    QString GetEmptyMessage() const { return FEmptyMessage; }
    /// "|" separates the lines.
    void SetEmptyMessage(const QString& Value);
    ///@}
    /// Color of the inter-row indicator, the line drawn above row InterRowIndicatorPos.
    ///@{
    TColor GetInterRowIndicatorColor() const { return FInterRowIndicatorColor; }
    void SetInterRowIndicatorColor(TColor Value) { SetSetupColor(FInterRowIndicatorColor, Value); }
    ///@}
    /// Width of the inter-row indicator line in pixels.
    ///@{
    int GetInterRowIndicatorWidth() const { return FInterRowIndicatorWidth; }
    void SetInterRowIndicatorWidth(int Value) { SetSetupValue(FInterRowIndicatorWidth, Value); }
    ///@}
    /// 0 hides the indicator; NrOfRows + 1 puts it under the last row.
    ///@{
    int GetInterRowIndicatorPos() const { return FInterRowIndicatorPos; }
    void SetInterRowIndicatorPos(int Value);
    ///@}
    /// Whether an empty check cell still shows a box.
    ///@{
    bool GetShowEmptyCheckBoxes() const { return FShowEmptyCheckBoxes; }
    void SetShowEmptyCheckBoxes(bool Value);
    ///@}
    /// Whether the check marks ignore clicks and keys.
    ///@{
    bool GetCheckMarksReadOnly() const { return FCheckMarksReadOnly; }
    void SetCheckMarksReadOnly(bool Value);
    ///@}
    /// Also set the grid's defaults; the header rows keep their own heights.
    void SetDefaultColWidth(int Value);
    void SetDefaultRowHeight(int Value); ///< Sets the height of every data row.

    // ---- headers
    /// The header above all columns.
    ///@{
    QString GetCommonHeader() const { return FData->GetCommonHeader(); }
    void SetCommonHeader(const QString& Value);
    ///@}
    /// Alignment of the common header.
    ///@{
    TAlignment GetCommonHeaderAlignment() const { return FCommonHeaderAlignment; }
    void SetCommonHeaderAlignment(TAlignment Value);
    ///@}
    /// Whether the common header row is shown.
    ///@{
    bool GetCommonHeaderVisible() const { return FCommonHeaderVisible; }
    void SetCommonHeaderVisible(bool Value);
    ///@}
    /// Clamped to 8..127.
    ///@{
    int GetCommonHeaderHeight() const { return FCommonHeaderHeight; }
    void SetCommonHeaderHeight(int Value);
    ///@}
    /// Whether the column header row is shown.
    ///@{
    bool GetColumnHeadersVisible() const { return FColumnHeadersVisible; }
    void SetColumnHeadersVisible(bool Value);
    ///@}
    /// Height of the column header row in pixels.
    ///@{
    int GetColumnHeadersHeight() const { return FColumnHeadersHeight; }
    void SetColumnHeadersHeight(int Value);
    ///@}
    /// Number of visible header rows (0, 1 or 2), the fixed rows of the grid.
    int HeaderRowCount() const { return int(FCommonHeaderVisible) + int(FColumnHeadersVisible); }
    /// Whether the first column is a fixed column that stays when the list scrolls sideways.
    ///@{
    bool GetFixedFirstColumn() const { return GetFixedCols() > 0; }
    void SetFixedFirstColumn(bool Value);
    ///@}

    // ---- scrolling in data numbers (1-based)
    /// First data row shown at the top.
    ///@{
    int GetTopRow() const;
    void SetTopRow(int Value);
    ///@}
    /// First data column shown at the left edge.
    ///@{
    int GetLeftCol() const;
    void SetLeftCol(int Value);
    ///@}

    // ---- container state
    /// Comment, data identifier and sort state of the list's data.
    ///@{
    QString GetComment() const { return FData->GetComment(); }
    void SetComment(const QString& Value) { FData->SetComment(Value); }
    QString GetDataID() const { return FData->GetDataID(); }
    void SetDataID(const QString& Value) { FData->SetDataID(Value); }
    int GetLastSortColumn() const { return FData->GetLastSortColumn(); }
    bool GetLastSortOrder() const { return FData->GetLastSortOrder(); }
    int GetSecondarySortColumn() const { return FData->GetSecondarySortColumn(); }
    ///@}
    /// Taken only in -1..NrOfColumns; does not sort again.
    void SetSecondarySortColumn(int Value);

    // ---- painting
    bool GetSuppressPaint() const { return FSuppressPaint; } ///< Whether painting is suspended.
    /// Switching it off repaints at once.
    void SetSuppressPaint(bool Value);
    /// Repaints at once; GetEnabled is the own flag.
    void SetEnabled(bool Value) override;
    void Paint() override;
    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void TopLeftChanged() override;

    // ---- selection and row state (data numbers)
    /// 0: no row selection, 1: one row, 2: several rows.
    ///@{
    int GetRowSelectMode() const { return FRowSelectMode; }
    /// 0 none, 1 single row, 2 multiple rows.
    void SetRowSelectMode(int Value);
    ///@}
    /// Whether adding a row to the selection needs Ctrl (else a plain click toggles it).
    ///@{
    bool GetUseCtrlForMultiSel() const { return FUseCtrlForMultiSel; }
    void SetUseCtrlForMultiSel(bool Value) { FUseCtrlForMultiSel = Value; }
    ///@}
    /// Whether a click on a column header sorts by that column.
    ///@{
    bool GetSortEnabled() const { return FSortEnabled; }
    void SetSortEnabled(bool Value) { FSortEnabled = Value; }
    ///@}
    void SelectRow(int RowNr); ///< Selects one row (by RowSelectMode).
    void SelectAllRows(); ///< Selects every row.
    void DeselectAllRows(); ///< Deselects every row.
    void SelectColumn(int ColNr); ///< Selects one column.
    void SelectAllColumns(); ///< Selects every column.
    void DeselectAllColumns(); ///< Deselects every column.
    void EnableAllRows(); ///< Enables every row.
    void DisableAllRows(); ///< Disables every row.
    /// Whether row r is selected.
    ///@{
    bool GetRowSelect(int r) const;
    void SetRowSelect(int r, bool Value);
    ///@}
    /// Whether column c is selected.
    ///@{
    bool GetColSelect(int c) const;
    void SetColSelect(int c, bool Value);
    ///@}
    /// Whether row r is enabled (disabled rows show grayed and ignore input).
    ///@{
    bool GetRowEnabled(int r) const;
    void SetRowEnabled(int r, bool Value);
    ///@}
    int FirstSelectedRow() const; ///< The first selected row; 0 for none.
    int FirstSelectedColumn() const; ///< The first selected column; 0 for none.
    int NumSelectedRows() const; ///< How many rows are selected.
    int NumSelectedColumns() const; ///< How many columns are selected.
    int NumEnabledRows() const; ///< How many rows are enabled.
    void CenterScrollAndSelect(int Row); ///< Scrolls Row to the middle of the view and selects it.
    /// X = grid column + 1; Y = the data row, -1 on the column headers, -2 on
    /// the common header, 0 outside the cells.
    TGridCoord MouseCell(int X, int Y) const;

    // ---- check cells
    /// Check marks of the list's data: count, find, set and invert.
    ///@{
    int CountCheckedElemsInCol(int Column) const;
    int CountCheckedElemsInRow(int Row) const { return FData->CountCheckedElemsInRow(Row); }
    int FirstCheckedElemInCol(int ColNr) const { return FData->FirstCheckedElemInCol(ColNr); }
    int FirstCheckedElemInRow(int RowNr) const { return FData->FirstCheckedElemInRow(RowNr); }
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly);
    void InvertAllCheckmarksOfCol(int Column);
    void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly);
    ///@}

    // ---- structure
    /// Structure of the list's data: rows and columns added, inserted, removed; filled, cleared, sorted.
    ///@{
    int AddRow();
    int InsertRow(int r);
    int InsertColumn(int c);
    void RemoveColumn(int c);
    void RemoveRow(int r);
    void RemoveEmptyRows();
    void Fill(const QString& s);
    void Clear();
    void Sort(int Col, int ColSec, bool Ascending);
    void UnSort();
    ///@}
    /// Rows whose text in FilterColumns (all columns when empty) matches
    /// FilterExp are enabled, the others disabled; then the list is sorted
    /// by SortColumn when it is at least 1.
    void FilterAndSort(const QString& FilterExp, const QList<int>& FilterColumns, bool IgnoreCase,
                       TFilterMode FilterMode, int SortColumn, bool Ascending);
    /// Enabled rows first, each group ordered by the two columns.
    void SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending);
    /// Puts the block as plain text on the clipboard: fixed-width columns, tabs, or Separator between cells.
    ///@{
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs);
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                         const QString& Separator);
    ///@}
    /// A string literal separator would otherwise pick the Boolean overload.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, const char* Separator)
    {
        CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, QString::fromUtf8(Separator));
    }

    // ---- files, through the container
    /// Files through the list's data, repainted after reading: report-list markup, CSV, text lines and HTML.
    ///@{
    void SaveAsXMLFile(const QString& FName, const QString& DataID) { FData->SaveAsXMLFile(FName, DataID); }
    void WriteToXMLStream(QIODevice& OutStream, bool CreateHeader, const QString& DataID)
    {
        FData->WriteToXMLStream(OutStream, CreateHeader, DataID);
    }
    void WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID)
    {
        FData->WriteToOpenXMLFile(F, CreateHeader, DataID);
    }
    bool LoadFromXMLFile(const QString& FName, const QString& DataID);
    bool ReadFromXMLStream(QIODevice& InStream, const QString& DataID);
    bool ReadFromXMLString(const QString& InString, const QString& DataID);
    bool ReadFromOpenXMLFile(QTextStream& F, const QString& DataID);
    int ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
    int ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders, bool IncludeCommonHeader,
                  int FirstCol, int FirstRow, int LastCol, int LastRow)
    {
        return FData->ExportCSV(FName, Delimiter, IncludeColHeaders, IncludeCommonHeader, FirstCol, FirstRow,
                                LastCol, LastRow);
    }
    int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);
    void ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR, const QList<int>& ColumnSelection,
                         int Border, int CellSpacing, int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                         const QString& CellClass, const QString& TableClass)
    {
        FData->ExportHTMLTable(FName, LoC, LoR, HiC, HiR, ColumnSelection, Border, CellSpacing, Cellpadding,
                               IncludeHeader, HeadClass, CellClass, TableClass);
    }
    ///@}

    // ---- row editor: a dialog with one control per column for data row
    /// Row; OK (1) writes the controls back, Cancel (2) does not.
    ///@{
    int EditRowEntries(int Row, int PosLeft, int PosTop);
    int EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption, const QString& ButOKCaption,
                       const QString& ButCancelCaption);
    ///@}
    /// Builds the controls on the host's form, which closes itself.
    int EditRowEntries(int Row, TForm* ContainerForm, int PosLeft, int PosTop);

    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    // ---- input
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override; ///< The text the in-place editor starts with.
    void SetEditText(int ACol, int ARow, const QString& Value) override; ///< Stores the edited text into the cell.

    /// Fire the three notifications (each only when assigned) and the signals.
    void Changed();
    void ChangedSetup(); ///< Fires OnChangeSetup and changeSetup().
    void ChangedSelection(); ///< Fires OnSelectedChange and selectedChange().

    TNotifyEvent OnChange; ///< Fired when the data changes through the list.
    TNotifyEvent OnChangeSetup; ///< Fired when a setting of the list (colors, headers, widths) changes.
    TNotifyEvent OnSelectedChange; ///< Fired when the selection of rows or columns changes.
    TRenderCellEvent OnBeforeRenderCell; ///< Called before a cell is drawn; the handler may change its colors and font.
    TReadCellEvent OnReadCell; ///< Called with a cell's text before it is drawn; the handler may change it.
    TCheckedChangeEvent OnCheckedChange; ///< Fired after a check cell changed.
    TCheckedChangeEvent OnBeforeCheckedChange; ///< Called before a check cell changes; the handler may change the new state.
    TBeforeFilterEvent OnBeforeFilter; ///< Called before filtering.
    TRequestEditFormatEvent OnRequestEditFormat; ///< Asks for the edit format of a cell about to be edited.
    TCursorKeyActionEvent OnCursorKeyAction; ///< Fired after a cursor key moved the selection, with the key code.
    TBeforeSortExchgEvent OnBeforeSortExchange; ///< Called before sorting exchanges two rows.
    TBeforeHTMLExportEvent OnBeforeHTMLExport; ///< Called with each cell's text before HTML export; the handler may change it.
    TOnPercentDoneEvent OnPercentDone; ///< Fired with the progress of long operations in percent.

signals:
    void changed(); ///< Emitted with OnChange.
    void changeSetup(); ///< Emitted with OnChangeSetup.
    void selectedChange(); ///< Emitted with OnSelectedChange.
    void checkedChange(bool State, int Col, int Row); ///< Emitted with OnCheckedChange.
    void cursorKeyAction(quint16 Key); ///< Emitted with OnCursorKeyAction.
    void percentDone(int Percent); ///< Emitted with OnPercentDone.
    void topRowChanged(int Value); ///< Emitted when TopRow changes.
    void leftColChanged(int Value); ///< Emitted when LeftCol changes.

private:
    void ResetNrOfColumns() { SetNrOfColumns(5); }
    void ResetNrOfRows() { SetNrOfRows(4); }
    void SetSetupColor(TColor& Field, TColor Value);
    void SetSetupValue(int& Field, int Value);
    /// Wires the container and its store to the view.
    void WireData();
    /// Grid rows, fixed rows and header heights after a change of the rows or headers.
    void UpdateGridRows();
    void UpdateHeaderHeights();
    void UpdateGridCols();
    /// Per-column tables sized to the column count (new entries neutral) and
    /// the order back to the identity.
    void ResizeColumnTables(int Count);
    void ResetColumnOrder();
    bool IsColumn(int ColNr) const { return ColNr >= 1 && ColNr <= GetNrOfColumns(); }
    /// Data column shown at grid column ACol, and the grid column showing a data column.
    ///@{
    int DataColumnAt(int ACol) const;
    int GridColumnOf(int ColNr) const;
    int DataRowOf(int GridRow) const { return GridRow - HeaderRowCount() + 1; }
    int GridRowOf(int DataRow) const { return DataRow + HeaderRowCount() - 1; }
    int ColumnHeaderGridRow() const { return FCommonHeaderVisible ? 1 : 0; }
    ///@}
    /// Paint now unless suppressed (the setters' "repaint").
    void RepaintNow();
    void DrawDataCell(int ACol, int ARow, TRect R);
    void DrawCommonHeader(TRect R);
    void DrawColumnHeader(int ACol, TRect R);
    /// Right end of the last visible column, where the header rows end.
    int HeaderSpanEnd() const;
    void DrawRaisedEdge(int Left, int Top, int Right, int Bottom);
    void DrawCheckMark(TCheckMode Mode, TRect R, bool Checked, TColor BoxColor, TColor MarkColor);
    void PaintEmptyMessage();
    void PaintInterRowIndicator();
    /// Mouse actions.
    void SortByHeaderClick(int ACol);
    void ToggleCheck(int ColNr, int Row);
    void SelectByClick(int Row, TShiftState Shift);
    /// Marks every row selected or not, disabled or not (painting suspended).
    void SetAllRowBits(quint8 Bit, bool Set);
    void SetAllColBits(quint8 Bit, bool Set);
    void SetRowBit(int Row, quint8 Bit, bool Set);
    /// The same with painting suspended, then OnSelectedChange.
    void ChangeAllRowBits(quint8 Bit, bool Set);
    void ChangeAllColBits(quint8 Bit, bool Set);
    /// Runs a reader of the container, then fits the grid to what it read.
    template <class Reader>
    auto Reload(Reader Read)
    {
        HideEditor();
        const auto Result = Read();
        SyncToData();
        return Result;
    }
    /// Grid columns and per-column tables after the column count changed;
    /// everything after the container changed under the view (files).
    void SyncColumns();
    void SyncToData();
    void CopyViewSettings(const TReportListView& Src);
    /// Builds the row editor's controls on Form (an own form gets the OK and
    /// Cancel buttons), runs it and writes back on OK.
    int RunRowEditor(int Row, TForm* Form, bool OwnForm, int X0, int Y0, const QString& Caption,
                     const QString& OKCaption, const QString& CancelCaption);

    friend class SuppressPaintScope;
    friend class MuteStoreScope;

    std::unique_ptr<TRLData> FData;
    std::vector<TAlignment> FColAlignment;
    std::vector<bool> FColEditable;
    std::vector<bool> FColPassword;
    std::vector<int> FColOrder;

    bool FAutoAdvance = false;
    TColor FColorText = 0x002000;
    TColor FColorBkgdNormal = 0xFFFFFF;
    TColor FColorBkgdShaded = 0xF0EFE8;
    int FRowColPattern = 1;
    TColor FColorHigh = 0xCC9966;
    TColor FColorHighText = 0xFFFFFF;
    int FHighLightRow = 0;
    int FHighLightColumn = 0;
    bool FHighLightBold = false;
    TColor FColorSelectedRow = 0x94BAED;
    TColor FColorSelectedRowText = 0x800000;
    TColor FColorSelectedCol = 0;
    TColor FColorSelectedColText = 0;
    TColor FColorSelectedBoth = 0;
    TColor FColorSelectedBothText = 0;
    TColor FColorDisabledBkgd = 0xF0F0F0;
    TColor FColorDisabledText = 0xC0C0C0;
    TColor FColorCommonHd;
    TColor FColorCommonHdText = 0;
    TColor FColorColumnHd;
    TColor FColorColumnHdText = 0;
    TColor FColorEmptyMsg = 0;
    QString FEmptyMessage;
    TAlignment FCommonHeaderAlignment = taCenter;
    bool FCommonHeaderVisible = false;
    int FCommonHeaderHeight = 20;
    bool FColumnHeadersVisible = true;
    int FColumnHeadersHeight = 20;
    TColor FInterRowIndicatorColor = 0x0000FF;
    int FInterRowIndicatorWidth = 3;
    int FInterRowIndicatorPos = 0;
    bool FShowEmptyCheckBoxes = true;
    bool FCheckMarksReadOnly = false;
    int FRowSelectMode = 1;
    bool FUseCtrlForMultiSel = true;
    bool FSortEnabled = true;
    bool FSuppressPaint = true;
    bool FMuteStoreChange = false;
    int FAnchorRow = 1;
    /// The scroll position topRowChanged and leftColChanged told last.
    int FNotifiedTopRow = 1;
    int FNotifiedLeftCol = 1;
    TPoint FLastMousePos;
};

} // namespace vok
