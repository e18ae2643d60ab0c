/// The report list unit: the report data container TRLData and its file and
/// exchange formats (report-list markup, CSV, text lines, HTML tables). \file
#pragma once

#include <vok/Vok_base.h>
#include <vok/vok_export.h>

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QTextStream;

namespace vok {

class ReplistSource;
namespace replist {
class ReplistLoader;
}

/// Check marks of a column: none, independent check boxes, radio behaviour
/// (at most one checked cell per column).
inline namespace ReplistEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
/// How a check column shows its cells.
enum TCheckMode : quint8 { cmNone, cmBox, cmRadio };
Q_ENUM_NS(TCheckMode)
} // namespace ReplistEnums

/// The vocabulary of the report-list file.
enum TRepListXmlTag : quint8 {
    xmlNumCols,
    xmlNumRows,
    xmlColName,
    xmlCheckedColumn,
    xmlCommonHd,
    xmlColumnFormat,
    xmlCell,
    xmlComment,
    xmlEndReplist,
    xmlInvalid
};

/// Tag names indexed by TRepListXmlTag.
inline constexpr const char* RepListXmlTagNames[] = {
    "numcols", "numrows", "colname", "checkedcolumn", "commonheader",
    "columnformat", "cell", "comment", "/replist", "invalidtag"};

/// A column name (at most 50 characters) and a column format (at most 80).
///@{
using TNameStrType = QString;
using TColFmtString = QString;
inline constexpr int NameStrMaxLength = 50;
inline constexpr int ColFmtMaxLength = 80;
///@}
/// Longest text a cell holds, check flag included.
inline constexpr int CellMaxLength = 255;

/// Most columns a file reader accepts (a spreadsheet's width); wider input is
/// refused rather than turned into a list nobody can show.
inline constexpr int MaxFileColumns = 16384;

/// Row attribute bits: disabled, selected; column attribute bit: selected.
///@{
inline constexpr quint8 RowAttribDisabled = 0x40;
inline constexpr quint8 RowAttribSelected = 0x80;
inline constexpr quint8 ColAttribSelected = 0x80;
///@}

/// Lets a handler replace the text of cell (Col, Row) before the HTML export
/// writes it; column names are offered with Row 0.
using TBeforeHTMLExportEvent = std::function<void(QObject* Sender, QString& Text, int Col, int Row)>;

class VOK_EXPORT EVOKRLDataError : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// Whether the file (or the stream from its current position) holds a report
/// list, with the given data identifier when that is not empty. The file form
/// raises EVOKRLDataError when the file cannot be opened; the stream form is
/// left just after the matching header line, or at its end.
///@{
VOK_EXPORT bool CheckIfValidReplist(const QString& FileName, const QString& DataID);
VOK_EXPORT bool CheckIfValidReplist(QIODevice& Stream, const QString& DataID);
///@}

/// The contents of a report list: text cells in columns 0..NrOfColumns and rows
/// 1..NrOfRows (column 0 is an extra column without descriptor), a name,
/// format string and check mode per column, a common header, a comment, a data
/// identifier and the state of the last sort.
///
/// File formats written and read here:
/// - Report-list markup (UTF-8): an optional XML declaration line, then per
///   list a header line `<replist vokterra="1" id="...">`, one element per line
///   (numcols, numrows, commonheader, comment, colname/columnformat/
///   checkedcolumn with attribute c, cell with attributes c and r holding the
///   stored text with its check flag) and `</replist>`. Every text is escaped;
///   a text holding characters XML cannot carry is written as hexadecimal
///   UTF-16 code units with attribute enc="hex". Several lists may follow one
///   another; readers pick one by data identifier and skip unknown elements.
/// - CSV (RFC 4180, UTF-8, CRLF written, CRLF/LF/CR and a byte-order mark
///   accepted): delimiters "," ";" tab and space; fields with the delimiter, a
///   quote or a line break are quoted. The visible cell texts are exchanged.
/// - HTML5: a document with one table, every text escaped.
/// The Integer results of ImportCSV, ExportCSV and LoadLinesFromFile count the
/// data rows read or written, -1 when the file cannot be read or written (the
/// container is then unchanged). The writers without a result raise
/// EVOKRLDataError when they cannot write.
class VOK_EXPORT TRLData : public QObject
{
    Q_OBJECT
    /// Number of data columns.
    Q_PROPERTY(int NrOfColumns READ GetNrOfColumns WRITE SetNrOfColumns RESET ResetNrOfColumns)
    /// Number of data rows.
    Q_PROPERTY(int NrOfRows READ GetNrOfRows WRITE SetNrOfRows RESET ResetNrOfRows)
    /// The header above all columns.
    Q_PROPERTY(QString CommonHeader READ GetCommonHeader WRITE SetCommonHeader RESET ResetCommonHeader)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TRLData(QObject* AOwner = nullptr);
    ~TRLData() override;

    /// The name of the container (its Qt object name).
    ///@{
    QString GetName() const { return objectName(); }
    void SetName(const QString& Value) { setObjectName(Value); }
    ///@}

    /// Number of data columns.
    ///@{
    int GetNrOfColumns() const { return FNrOfColumns; }
    void SetNrOfColumns(int Value);
    ///@}
    /// Number of data rows.
    ///@{
    int GetNrOfRows() const { return FNrOfRows; }
    void SetNrOfRows(int Value);
    ///@}
    /// The header above all columns.
    ///@{
    QString GetCommonHeader() const { return FCommonHeader; }
    void SetCommonHeader(const QString& Value);
    ///@}
    /// A free comment stored with the data in report-list files.
    ///@{
    QString GetComment() const { return FComment; }
    void SetComment(const QString& Value) { FComment = Value; }
    ///@}
    /// The data identifier that names the list in report-list files.
    ///@{
    QString GetDataID() const { return FDataID; }
    void SetDataID(const QString& Value) { FDataID = Value; }
    ///@}
    int GetLastSortColumn() const { return FLastSortColumn; } ///< The column of the last sort; -1 when unsorted.
    int GetSecondarySortColumn() const { return FSecondarySortColumn; } ///< The secondary column of the last sort; -1 for none.
    bool GetLastSortOrder() const { return FLastSortOrder; } ///< Whether the last sort was ascending.
    /// The sort state as the view records it without sorting again.
    void SetSecondarySortColumn(int Value) { FSecondarySortColumn = Value; }
    void ForgetSortColumns() { FLastSortColumn = FSecondarySortColumn = -1; } ///< Marks the data as unsorted.
    /// Direction toggle of the view's header-click sorting.
    ///@{
    bool GetSortToggle() const { return FSortToggle; }
    void SetSortToggle(bool Value) { FSortToggle = Value; }
    ///@}

    /// Granularity of progress reports: rows x (columns + 1), at least 1, and
    /// that count div 100 + 1.
    ///@{
    int GetProgressCellCount() const { return FProgressCellCount; }
    int GetProgressStep() const { return FProgressStep; }
    ///@}

    /// The cell store; the view reads and sets its row and column attributes.
    ///@{
    TStringArray& Store() { return *FStore; }
    const TStringArray& Store() const { return *FStore; }
    ///@}

    /// Cells (columns 0..NrOfColumns, rows 1..NrOfRows; others are ignored).
    ///@{
    QString GetElem(int ACol, int ARow) const;
    void SetElem(int ACol, int ARow, const QString& Value);
    ///@}
    /// The check mark of a cell.
    ///@{
    bool GetElemChecked(int ACol, int ARow) const;
    void SetElemChecked(int ACol, int ARow, bool Value);
    ///@}

    /// Column descriptors (columns 1..NrOfColumns).
    ///@{
    QString GetColName(int ColNr) const;
    void SetColName(int ColNr, const TNameStrType& HLine);
    ///@}
    /// The format of a column: type, width and edit rules.
    ///@{
    QString GetColumnFormat(int ColNr) const;
    void SetColumnFormat(int ColNr, const TColFmtString& DefValue);
    ///@}
    /// How a column shows check marks.
    ///@{
    TCheckMode GetColCheckMode(int ColNr) const;
    void SetColCheckMode(int ColNr, TCheckMode Value);
    ///@}
    /// The check mark of a column (the column is selected).
    ///@{
    bool GetCheckedCol(int ColNr) const;
    void SetCheckedCol(int ColNr, bool Value);
    ///@}
    /// Highest-numbered column whose name equals (or, with PartialMatch,
    /// contains) Head without regard to case; -1 when none.
    int ColumnIndex(const QString& Head, bool PartialMatch) const;

    /// The cell as a number ("," read as "."; empty = 0). Raises
    /// EVOKDStructError for text that is not a number.
    double GetAsNumber(int ACol, int ARow) const;
    /// The value the column's format proposes for an empty cell of row ARow.
    QString GetCellDefaultValue(int ACol, int ARow) const;

    /// Check marks.
    ///@{
    void SetAllCheckmarksOfCol(int Column, bool Checked);
    void SetAllCheckmarksOfColIntern(int Column, bool Checked, bool AffectEnabledRowsOnly);
    void InvertAllCheckmarksOfCol(int Column);
    void InvertAllCheckmarksOfColIntern(int Column, bool AffectEnabledRowsOnly);
    int CountCheckedElemsInCol(int Column) const;
    int CountCheckedElemsInRow(int Row) const;
    int FirstCheckedElemInCol(int ColNr) const;
    int FirstCheckedElemInRow(int RowNr) const;
    ///@}

    /// Structure.
    ///@{
    void InsertColumn(int c);
    void RemoveColumn(int c);
    void InsertRow(int r);
    void RemoveRow(int r);
    void RemoveEmptyRows();
    void CopyRow(int Source, int Target);
    void Fill(const QString& s);
    void Clear();
    void Sort(int Col, int ColSec, bool Ascending);
    void UnSort();
    ///@}

    /// Puts the block as plain text on the clipboard: cells in fixed-width
    /// columns or separated by tabs, or separated by Separator.
    ///@{
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs);
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, const QString& Separator);
    ///@}
    /// A string literal separator would otherwise pick the Boolean overload.
    void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, const char* Separator)
    {
        CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, QString::fromUtf8(Separator));
    }
    /// The texts the two CopyToClipBoard forms put on the clipboard.
    ///@{
    QString ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs) const;
    QString ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                          const QString& Separator) const;
    ///@}
    /// A string literal separator would otherwise pick the Boolean overload.
    QString ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                          const char* Separator) const
    {
        return ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, QString::fromUtf8(Separator));
    }

    virtual void Assign(QObject* Source); ///< Copies the data and the settings of another TRLData.
    virtual void AssignTo(QObject* Dest); ///< Copies this container into Dest (another TRLData).

    /// Report-list markup.
    ///@{
    void SaveAsXMLFile(const QString& FName, const QString& DataID);
    void WriteToXMLStream(QIODevice& OutStream, bool CreateHeader, const QString& DataID);
    void WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID);
    ///@}
    /// The readers load the first list with the data identifier (any list for
    /// an empty one). On a missing list or a malformed or truncated one they
    /// return false and leave the container as it was. The stream forms read
    /// from the current position and stop after the list's end tag.
    ///@{
    bool LoadFromXMLFile(const QString& FName, const QString& DataID);
    bool ReadFromXMLStream(QIODevice& InStream, const QString& DataID);
    bool ReadFromXMLString(const QString& InString, const QString& DataID);
    bool ReadFromOpenXMLFile(QTextStream& F, const QString& DataID);
    ///@}

    /// CSV: the import replaces cells and column descriptors (names from the
    /// first record when IncludeColHeaders); comment, common header and data
    /// identifier stay.
    ///@{
    int ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders);
    int ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders, bool IncludeCommonHeader,
                  int FirstCol, int FirstRow, int LastCol, int LastRow);
    ///@}
    /// Puts the lines of a text file into Column from FirstRow on, adding rows
    /// as needed.
    int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);
    /// An HTML5 document with the block LoC..HiC x LoR..HiR as a table;
    /// ColumnSelection lists the columns in the order to export (empty:
    /// LoC..HiC). Border, CellSpacing and Cellpadding are pixel sizes.
    void ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR, const QList<int>& ColumnSelection,
                         int Border, int CellSpacing, int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                         const QString& CellClass, const QString& TableClass);
    virtual void BeforeHTMLExport(QString& Text, int Col, int Row); ///< Fires OnBeforeHTMLExport for a cell's text.

    TBeforeSortExchgEvent OnBeforeSortExchange; ///< Called before sorting exchanges two rows.
    TBeforeHTMLExportEvent OnBeforeHTMLExport; ///< Called with each cell's text before HTML export; the handler may change it.
    TOnPercentDoneEvent OnPercentDone; ///< Fired with the progress of long operations (reading, writing, sorting) in percent.

Q_SIGNALS:
    void beforeSortExchange(int Index1, int Index2); ///< Emitted with OnBeforeSortExchange.
    void percentDone(int Percent); ///< Emitted with OnPercentDone.

private:
    /// Fires OnPercentDone, then percentDone(); what long operations report to.
    const TOnPercentDoneEvent FReportPercent = [this](QObject*, int Percent) {
        if (OnPercentDone)
            OnPercentDone(this, Percent);
        Q_EMIT percentDone(Percent);
    };

    void ResetNrOfColumns() { SetNrOfColumns(1); }
    void ResetNrOfRows() { SetNrOfRows(0); }
    void ResetCommonHeader();

    bool IsValidColumn(int Col) const { return Col >= 1 && Col <= FNrOfColumns; }
    bool IsCellInside(int ACol, int ARow) const;
    bool IsCheckColumn(int Col) const;
    /// Columns 0..NrOfColumns holding a non-empty cell, ascending.
    std::vector<int> ColumnsWithText() const;
    QString RawCell(int ACol, int ARow) const;
    void SetRawCell(int ACol, int ARow, const QString& Value);
    void SetCheckFlag(int ACol, int ARow, bool Checked);
    void RecalcProgressValues(int Rows);
    void InstallStoreHooks();
    void AdoptStore(std::unique_ptr<TStringArray> Store);
    /// Reads one report list from the source; false leaves the container as it was.
    bool ReadList(ReplistSource& Source, const QString& DataID);
    void WriteList(const std::function<void(const QByteArray&)>& Sink, bool CreateHeader, const QString& DataID);
    void ResizeDescriptors(int Count);
    /// Gives the container the size of cells a reader put into the store directly.
    void TakeSizeOfFilledStore(int Cols, int Rows);
    QString ClipboardTextWith(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              const std::function<QString(const QString&, int, bool)>& Field) const;
    void PutOnClipboard(const QString& Text);
    /// Takes over the cells, descriptors and list settings of Fresh, which
    /// is left without a store and must only be destroyed.
    void TakeContentsFrom(TRLData& Fresh);

    friend class replist::ReplistLoader;

    QString FComment;
    std::vector<TNameStrType> FColNames;
    std::vector<TColFmtString> FColFormats;
    QString FCommonHeader;
    std::vector<TCheckMode> FColCheckModes;
    int FNrOfColumns = 1;
    int FNrOfRows = 0;
    int FLastSortColumn = -1;
    int FSecondarySortColumn = -1;
    bool FLastSortOrder = true;
    QString FDataID;
    bool FSortToggle = true;
    int FProgressCellCount = 1;
    int FProgressStep = 1;
    std::unique_ptr<TStringArray> FStore;
};

} // namespace vok

// The view on the container.
#include <vok/Vok_replistview.h>
