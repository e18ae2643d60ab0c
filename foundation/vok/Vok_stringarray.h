/// TStringArray: a two-dimensional store of short strings with an attribute
/// byte per row and per column and a pending row permutation (the sorted view). \file
#pragma once

#include <vok/Vok_basetypes.h>

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace vok {

namespace detail {
class TextColumn;
}

/// Cells are addressed (column, row) with columns 0..GetNrOfColumns() and rows
/// 0..GetNrOfRows(); Resize(c, r) therefore holds (c + 1) x (r + 1) cells.
/// Row 0 is a header row outside the sort; rows 1..GetNrOfRows() are sortable.
///
/// Rows are reached through the current sorted order: row i of GetString,
/// SetString and the row attributes is the stored row GetSortOrder(i). Sort
/// only establishes that permutation, UnSort drops it (the stored order shows
/// again) and CommitSorting makes it the stored order.
///
/// Sort order (natural for a report list), column by column:
/// - empty cells come first, then numeric cells, then texts;
/// - two numeric cells compare by value ("3" < "20" < "1e3"; "," or "." as
///   decimal sign, blanks around allowed);
/// - texts compare case-insensitively by the code points of their case-folded
///   form ("apple" < "Banana" < "cherry");
/// - rows equal in the sort column are ordered by the secondary column
///   (same rules and direction), and rows equal in both keep their stored
///   order, for ascending and descending sorts alike (the sort is stable).
///
/// A cell holds at most MaxStringLength UTF-16 characters; longer texts are cut
/// (never inside a surrogate pair). Cells are kept as UTF-8 in one compact
/// buffer per column, so memory follows the text size, not the length limit.
///
/// Invalid column or row numbers are ignored by setters and give neutral
/// results ("" or 0) from getters. A size that cannot be held raises EVOKError
/// and leaves the array as it was.
class VOK_EXPORT TStringArray : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxStringLength = 255; ///< Longest text a cell holds, in characters.
    /// Largest number of cells (columns + 1) x (rows + 1) one array holds.
    static constexpr std::int64_t MaxCells = std::int64_t(1) << 28;

    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TStringArray(QObject* AOwner = nullptr);
    ~TStringArray() override;

    int GetNrOfColumns() const; ///< The highest column number (columns run 0..NrOfColumns).
    int GetNrOfRows() const; ///< The highest row number (rows run 0..NrOfRows).

    /// Rows are allocated at least this many at a time (values below 1 count as 1).
    ///@{
    void SetAllocRowsBy(int Value);
    int GetAllocRowsBy() const { return FAllocRowsBy; }
    ///@}

    /// Columns 0..NrColumns and rows 0..NrRows; cells that remain keep their
    /// text. Shrinking keeps the first NrRows rows of the sorted order.
    /// Throws EVOKError (nothing changed) for negative or too large sizes or
    /// when memory runs out.
    void Resize(int NrColumns, int NrRows);
    /// Empties every cell, zeroes all attributes and drops the pending sort;
    /// the size stays.
    void Clear();

    QString GetString(int ACol, int ARow) const; ///< The text of a cell; "" outside the array.
    /// The stored UTF-8 bytes of the cell (what GetString decodes), for
    /// writers that put them out as they are; valid until the array changes.
    std::string_view GetStringUtf8(int ACol, int ARow) const;
    void SetString(int ACol, int ARow, const QString& Value); ///< Stores the text of a cell (at most MaxStringLength characters); ignored outside the array.
    /// SetString with the text of the UTF-8 bytes (invalid bytes replaced, a
    /// leading U+FEFF kept as text) without the detour through UTF-16, for
    /// readers that hold their input as UTF-8.
    void SetStringUtf8(int ACol, int ARow, std::string_view Utf8);
    /// Whether every cell of column ACol is empty (true for an invalid
    /// column); lets writers pass over columns without text.
    bool IsColumnEmpty(int ACol) const;

    /// Inserts an empty column before ACol (0..GetNrOfColumns() + 1).
    void InsertColumn(int ACol);
    /// Removes column ACol; the last remaining column is never removed.
    void RemoveColumn(int ACol);
    /// Inserts an empty row at sorted position ARow (1..GetNrOfRows() + 1); a
    /// pending sort stays in force for the other rows.
    void InsertRow(int ARow);
    /// Removes sorted row ARow (1..GetNrOfRows()); a pending sort stays in
    /// force for the other rows. Without one, the cost follows the rows after
    /// ARow.
    void RemoveRow(int ARow);
    /// Removes, in one pass, every sorted row ARow (1..GetNrOfRows()) for which
    /// Remove(ARow) holds; Remove is asked about every row before anything
    /// changes. The other rows close up in their order and a pending sort
    /// stays in force for them. Raises EVOKError (nothing changed) when
    /// memory runs out.
    void RemoveRows(const std::function<bool(int ARow)>& Remove);

    /// The attribute bytes of rows and columns, free for the user of the array.
    ///@{
    quint8 GetRowAttrib(int ARow) const;
    void SetRowAttrib(int ARow, quint8 Value);
    quint8 GetColAttrib(int ACol) const;
    void SetColAttrib(int ACol, quint8 Value);
    ///@}

    /// Sorts rows 1..GetNrOfRows() by column ACol (0..GetNrOfColumns()), ties
    /// by column AColSec (-1 or any invalid column: none). Fires
    /// OnBeforeSortExchange before each exchange of two sorted rows and
    /// OnPercentDone as it goes. An invalid ACol is ignored.
    void Sort(int ACol, int AColSec, bool Ascending);
    void UnSort(); ///< Drops the pending sort: the stored order shows again.
    void CommitSorting(); ///< Makes the pending sort the stored order.
    /// True while a permutation other than the stored order is pending.
    bool IsSorted() const;

    /// The stored row shown as sorted row ARow; ARow 0 gives 0, an invalid
    /// ARow -1.
    int GetSortOrder(int ARow) const;
    /// Makes sorted row ARow show stored row Value; the sorted row that showed
    /// Value until now takes ARow's former stored row, so the order stays a
    /// permutation. Copying another array's order entry by entry thus
    /// reproduces it. Invalid arguments are ignored.
    void SetSortOrder(int ARow, int Value);

    /// The hooks run synchronously; they must not change the array while it
    /// calls them from Sort.
    /// Fired after every change of cells, size, attributes or order.
    TNotifyEvent OnChange;
    /// Progress of Sort in percent.
    TOnPercentDoneEvent OnPercentDone;
    /// Fired by Sort before it exchanges sorted rows Index1 and Index2.
    TBeforeSortExchgEvent OnBeforeSortExchange;

private:
    bool ValidColumn(int ACol) const;
    bool ValidRow(int ARow) const;
    std::uint32_t StoredRow(int ARow) const { return FOrder[std::size_t(ARow)]; }
    void ReserveRows(std::size_t Rows);
    void ShrinkRows(std::size_t Rows);
    void KeepStoredRows(const std::vector<bool>& Keep);
    void GrowRows(std::size_t Rows);
    void ApplyOrder(const std::vector<std::uint32_t>& NewOrder);
    void ReportProgress(int Percent);
    void Changed();
    [[noreturn]] void ThrowOutOfMemory(const QString& Operation) const;

    std::vector<detail::TextColumn> FColumns;
    std::vector<quint8> FColAttrib;
    std::vector<quint8> FRowAttrib;                   ///< by stored row
    std::vector<std::uint32_t> FOrder;                ///< sorted row -> stored row
    std::vector<std::uint32_t> FPositionOf;           ///< stored row -> sorted row, built on demand
    bool FInStoredOrder = true;                       ///< FOrder is known to be 0, 1, 2, ...
    int FAllocRowsBy = 1;
    int FLastPercent = -1;
};

/// Compares two cell texts in the natural order TStringArray sorts by:
/// negative, zero or positive.
VOK_EXPORT int CompareNatural(const QString& A, const QString& B);

} // namespace vok
