/// The data-table library: a matrix of doubles (TMatrix), the data table built
/// on it with cell states, names, attributes and measurement scales
/// (TDataTable), a growable integer matrix (TIntMatrix) and IsValidDecInt.
///
/// All matrices address cells by column and row, both counted from 1. Reading
/// outside the matrix gives a neutral value (0, "" or false) and writing
/// outside it is ignored. A size that cannot be served (negative, more than
/// MaxMatrixCells cells, or more than the memory at hand) raises EVOKMathError
/// and leaves the object exactly as it was. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/vok_export.h>

#include <QLatin1StringView>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace vok {

/// Raised by the matrices of this library for a size they cannot take.
class VOK_EXPORT EVOKMathError : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// Bits of a cell's state byte.
///@{
inline constexpr quint8 cstNoNumber = 0x01; ///< the cell holds no valid number
inline constexpr quint8 cstEmpty = 0x02;    ///< the cell is empty (wins over cstNoNumber)
inline constexpr quint8 cstLocked = 0x10;   ///< locked against in-place editing
inline constexpr quint8 cstMarkA = 0x40;    ///< mark A
inline constexpr quint8 cstMarkB = 0x80;    ///< mark B
inline constexpr quint8 cstMarks = cstMarkA | cstMarkB;
///@}

/// Column and row names keep at most this many characters.
///@{
inline constexpr int MaxDTNameLength = 50;
using TDTNameStr = QString;
///@}

/// Nominal identifiers: per column, numbers 1..MaxNominalIDs, each text at
/// most MaxNominalIDLength characters.
///@{
inline constexpr int MaxNominalIDs = 150;
inline constexpr int MaxNominalIDLength = 10;
///@}

/// Largest number of cells a matrix may hold (columns x rows).
inline constexpr qint64 MaxMatrixCells = qint64(1) << 26;

/// Measurement scale of a column. Scale types 1 and 2 are nominal: the cell
/// value is the number of the identifier shown.
enum TMScaleType : quint8 { mstUndefined, mstNominal, mstBinary, mstOrdinal, mstInterval, mstRatio };

/// The names of the scale types, as files write them.
inline constexpr std::array<QLatin1StringView, 6> MScaleTypeNames{
    QLatin1StringView("undef"),   QLatin1StringView("nominal"),  QLatin1StringView("binary"),
    QLatin1StringView("ordinal"), QLatin1StringView("interval"), QLatin1StringView("ratio")};

/// Whether the scale type is nominal (mstNominal or mstBinary).
inline constexpr bool IsNominalScale(TMScaleType ScaleType)
{
    return ScaleType == mstNominal || ScaleType == mstBinary;
}

/// Whether Text is a decimal integer that fits an int: optional blanks around
/// an optional sign and at least one digit. The second form also gives the value.
///@{
VOK_EXPORT bool IsValidDecInt(const QString& Text);
VOK_EXPORT bool IsValidDecInt(const QString& Text, int& Value);
///@}

/// A matrix of doubles, every element 0 after creation and growth.
class VOK_EXPORT TMatrix : public QObject
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    ///@{
    explicit TMatrix(QObject* AOwner = nullptr);
    TMatrix(int NrColumns, int NrRows, QObject* AOwner = nullptr);
    ///@}

    int GetNrOfColumns() const { return int(FValues.size()); } ///< The number of columns.
    int GetNrOfRows() const { return FNrOfRows; } ///< The number of rows.

    /// Existing elements keep their place; new ones are 0.
    virtual void Resize(int NrColumns, int NrRows);

    /// The element at (ACol, ARow); reads outside give 0, writes there are ignored.
    ///@{
    double GetElem(int ACol, int ARow) const;
    void SetElem(int ACol, int ARow, double Value);
    ///@}

    /// Every element becomes Value.
    void Fill(double Value);

    /// Takes the size and the elements of another TMatrix (a TDataTable takes
    /// everything of another TDataTable). Other sources raise EVOKMathError.
    virtual void Assign(QObject* Source);

protected:
    bool IsInside(int ACol, int ARow) const; ///< Whether (ACol, ARow) is an element.

    std::vector<std::vector<double>> FValues; ///< one vector per column
    int FNrOfRows = 0; ///< The number of rows.
};

/// What a sort exchanges: two columns or two rows.
enum TDTExchgKind : quint8 { xkColumns, xkRows };

/// Old and new column and row counts after the table changed its size.
using TDTResizedEvent =
    std::function<void(QObject* Sender, int OldNrColumns, int OldNrRows, int NewNrColumns, int NewNrRows)>;
/// Fired by a sort just before it exchanges columns (or rows) Index1 and Index2.
using TDTSortExchangeEvent = std::function<void(QObject* Sender, TDTExchgKind Kind, int Index1, int Index2)>;

/// A matrix of doubles with a state byte per cell, column and row names and
/// attribute bytes, a comment, and per column a measurement scale with its
/// nominal identifiers.
///
/// Notifications (fired only when assigned):
/// - OnResized after every change of size: Resize, insert, remove, Assign.
/// - OnDataChanged once after an operation that changes or moves many cells:
///   Clear, insert, remove, mirror, sort, FillMarkedCells, CopyBlockFrom,
///   Assign. Writes of single cells, names, attributes and the comment, Fill
///   and the operations on state bits alone are silent: the caller reports them.
/// - OnSetupChanged after a change of scale types or nominal identifiers, and
///   after Clear and Assign.
/// - OnPercentDone during sorts, OnSortExchange before each exchange of a sort.
/// When an operation fires several, OnResized comes first.
class VOK_EXPORT TDataTable : public TMatrix
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    ///@{
    explicit TDataTable(QObject* AOwner = nullptr);
    TDataTable(int NrColumns, int NrRows, QObject* AOwner = nullptr);
    ///@}

    void Resize(int NrColumns, int NrRows) override;
    /// Empties the table without changing its size: every value, state byte,
    /// name, attribute, scale type, nominal identifier and the comment.
    void Clear();

    /// The state byte of a cell (cst... bits).
    ///@{
    quint8 GetCellState(int ACol, int ARow) const;
    void SetCellState(int ACol, int ARow, quint8 State);
    ///@}
    /// Neither cstNoNumber nor cstEmpty is set (false outside the table).
    bool GetIsNumber(int ACol, int ARow) const;

    /// Names and attribute bytes of columns and rows.
    ///@{
    TDTNameStr GetColName(int ACol) const;
    void SetColName(int ACol, const TDTNameStr& Name); ///< keeps MaxDTNameLength characters
    TDTNameStr GetRowName(int ARow) const;
    void SetRowName(int ARow, const TDTNameStr& Name);
    quint8 GetColAttrib(int ACol) const;
    void SetColAttrib(int ACol, quint8 Attrib);
    quint8 GetRowAttrib(int ARow) const;
    void SetRowAttrib(int ARow, quint8 Attrib);
    ///@}

    /// A free comment stored with the table.
    QString GetComment() const { return FComment; }
    void SetFComment(const QString& Text); ///< Sets the comment.

    /// The measurement scale of a column.
    ///@{
    TMScaleType GetMScaleType(int ACol) const;
    void SetMScaleType(int ACol, TMScaleType ScaleType);
    ///@}
    /// Identifier text of number N (1..MaxNominalIDs) of column ACol; "" when unset.
    ///@{
    QString GetNominalID(int ACol, int N) const;
    void SetNominalID(int ACol, int N, const QString& ID); ///< keeps MaxNominalIDLength characters
    ///@}
    /// Smallest number whose identifier equals ID (blanks around ID ignored);
    /// 0 when there is none or the column lies outside the table.
    int OrdinalOfNominalID(int ACol, const QString& ID, bool IgnoreCase) const;

    /// A new row (column) of zeros with state 0 and no name goes before index
    /// 1..count+1; the rows (columns) from there on move by one together with
    /// their names, attributes and scales. Other indexes are ignored.
    ///@{
    void InsertRow(int ARow);
    void InsertColumn(int ACol);
    ///@}
    /// Removes row (column) 1..count with everything that belongs to it.
    ///@{
    void RemoveRow(int ARow);
    void RemoveColumn(int ACol);
    ///@}
    /// Reverse the order of all rows (columns) with their headers.
    ///@{
    void MirrorRows();
    void MirrorColumns();
    ///@}

    /// Clears both marks of every cell.
    void UnmarkAllCells();
    /// Flips the bits of Mask in every cell's state.
    void InvertCellStates(quint8 Mask);
    /// Swaps marks A and B in every cell.
    void ExchangeMarkings();
    /// Every cell whose state has a bit of Mask gets Value (its state stays as
    /// it is); returns the number of cells set.
    int FillMarkedCells(double Value, quint8 Mask);

    /// Sorts the rows LowRow..HighRow of the block by the values in column
    /// SortColIx (SortCols: the columns by the values in row SortRowIx). Only
    /// the cells inside the block move; with IncludeHeaders the names,
    /// attributes (and, for columns, the scales) move with them. The sort is
    /// stable; cells that hold no number (state or NaN) go last in either
    /// direction. The block is clipped to the table; a key line outside the
    /// table leaves everything as it is.
    ///@{
    void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                  bool IncludeHeaders);
    ///@}
    /// The same, ordered by the attribute bytes or the names; headers always move.
    ///@{
    void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
    ///@}

    /// Copies the values and state bytes of the Source block (inclusive
    /// corners) to this table with the block's top-left at (DestCol, DestRow);
    /// cells outside either table are skipped. Source may be this table.
    /// Returns the number of cells written.
    int CopyBlockFrom(const TDataTable& Source, int SrcLeft, int SrcTop, int SrcRight, int SrcBottom,
                      int DestCol, int DestRow);
    /// Takes the state bytes of a table of the same size; false (and nothing
    /// changed) when the sizes differ.
    bool CopyCellStatesFrom(const TDataTable& Source);

    void Assign(QObject* Source) override;

    TNotifyEvent OnDataChanged; ///< Fired after values changed (see the class description).
    TNotifyEvent OnSetupChanged; ///< Fired after scale types or nominal identifiers changed.
    TDTResizedEvent OnResized; ///< Fired after the size changed, with the old size.
    TOnPercentDoneEvent OnPercentDone; ///< Fired with the progress of sorts in percent.
    TDTSortExchangeEvent OnSortExchange; ///< Called before each exchange of a sort.

private:
    struct TColumnHead
    {
        TDTNameStr Name;
        quint8 Attrib = 0;
        TMScaleType ScaleType = mstUndefined;
        std::vector<QString> NominalIDs; ///< index n - 1; grows on demand
    };
    struct TRowHead
    {
        TDTNameStr Name;
        quint8 Attrib = 0;
    };
    struct TBlock
    {
        int Low, High;           ///< the lines that are sorted
        int CrossLow, CrossHigh; ///< the cells of each line that move
    };

    template <class F>
    void ForEachState(F Change);
    void SortLines(TDTExchgKind Kind, TBlock Block, bool IncludeHeaders, const std::function<bool(int, int)>& Less);
    void ExchangeLines(TDTExchgKind Kind, const TBlock& Block, bool IncludeHeaders, int Index1, int Index2);
    bool ClipBlock(TDTExchgKind Kind, int LowCol, int LowRow, int HighCol, int HighRow, TBlock& Block) const;
    bool IsNumberKey(int ACol, int ARow) const;
    void FireResized(int OldNrColumns, int OldNrRows);
    void FireDataChanged();
    void FireSetupChanged();

    std::vector<std::vector<quint8>> FStates; ///< parallel to FValues
    std::vector<TColumnHead> FColHeads;
    std::vector<TRowHead> FRowHeads;
    QString FComment;
};

/// A growable matrix of integers, every element 0 after creation and growth.
class VOK_EXPORT TIntMatrix
{
public:
    TIntMatrix(int NrColumns = 1, int NrRows = 1); ///< A matrix of NrColumns x NrRows zeros.

    int GetNrOfColumns() const { return int(FValues.size()); } ///< The number of columns.
    int GetNrOfRows() const { return FNrOfRows; } ///< The number of rows.

    /// Existing elements keep their place; new ones are 0.
    void Resize(int NrColumns, int NrRows);
    /// Changes the number of rows only, keeping the existing rows.
    void SetNRows(int NrRows);

    /// The element at (ACol, ARow); reads outside give 0, writes there are ignored.
    ///@{
    int GetVal(int ACol, int ARow) const;
    void SetVal(int ACol, int ARow, int Value);
    ///@}

private:
    std::vector<std::vector<int>> FValues; ///< one vector per column
    int FNrOfRows = 0;
};

} // namespace vok
