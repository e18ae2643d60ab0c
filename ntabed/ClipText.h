// The table editor's clipboard exchange as functions over the data table:
// the text "Copy" puts on the clipboard, the internal copy buffer behind
// "Copy" and "Paste", "Extract from Clipboard" with its number scanner, and
// the size of the number block in a clipboard text. Text in, text out: the
// editor does the clipboard access itself.
//
// Blocks are in data coordinates (columns and rows from 1, corners inclusive).
#pragma once

#include <vok/Vok_math.h>
#include <vok/vok_export.h>

#include <QString>

#include <span>

namespace vok::ntabed {

// A block of cells, corners inclusive.
struct TCellBlock
{
    int Left = 1;
    int Top = 1;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left + 1; }
    int Height() const { return Bottom - Top + 1; }
    bool IsEmpty() const { return Right < Left || Bottom < Top; }
    friend bool operator==(const TCellBlock&, const TCellBlock&) = default;
};

// What "Copy" needs from the editor besides its table.
struct TClipCopySettings
{
    TCellBlock Block;                   // the selection
    std::span<const qint8> Precisions;  // precision of data column c at index c - 1
    bool UseFullPrec = true;            // ClipboardUseFullPrec
};

// The text "Copy" puts on the clipboard: one line per row of the block, each
// ending in CR LF, a blank before the first cell and a TAB before every
// further one. A cell reads "####" when it is no number; else, with full
// precision, the padded text of width 22 in exponent notation (14 significant
// digits), otherwise the padded text of width 1 with the column's precision
// as decimals (-1: exponent notation, 2 digits); a column without an entry in
// Precisions counts as precision 3. An empty block gives "".
VOK_EXPORT QString ClipboardCopyText(const TDataTable& Data, const TClipCopySettings& Settings);

// Fills the copy buffer with the values and state bytes of Block, its
// top-left cell going to (1, 1); the buffer takes the block's size. Cells of
// the block outside the table arrive as 0 with state 0. False (buffer
// unchanged) for an empty block; the buffer's size error passes through.
VOK_EXPORT bool CopyToBuffer(const TDataTable& Data, const TCellBlock& Block, TDataTable& Buffer);

// Writes every value and state byte of the copy buffer to the table with the
// buffer's (1, 1) at (DestCol, DestRow); cells falling outside the table are
// not written. Returns the pasted block limited to the table (empty when
// nothing landed). Fires the table's data-changed notification once when
// cells were written: the editor detaches its hook around the call.
VOK_EXPORT TCellBlock PasteFromBuffer(const TDataTable& Buffer, TDataTable& Data, int DestCol, int DestRow);

// The clipboard number scanner: reads a decimal number (either "." or "," as
// the decimal point, an exponent after "E" or "e") from position Pos (1-based)
// of Text and leaves Pos on the character that ended it. A malformed number
// (a lone sign, a sign before a blank) reads as 0; the value is limited to
// +-uc_MaxDouble and exponent digits beyond a magnitude of 4200 are ignored.
VOK_EXPORT double ScanClipNumber(const QString& Text, int& Pos);

// Clipboard texts longer than this many characters are not read (Extract
// writes nothing, GetClipMatrixSize answers false).
inline constexpr qsizetype MaxClipTextLength = qsizetype(1) << 28;

// "Extract from Clipboard": every number found in Text goes to the table, the
// k-th number of a line to column LeftCol + k - 1 of row TopRow + (line - 1).
// TAB, CR and "," separate numbers; a line feed (alone or after CR) ends a
// row. A cell that receives a number loses its not-a-number and empty flags
// (its lock and marks stay); numbers whose cell lies outside the table are
// dropped. Returns the block from (LeftCol, TopRow) to the last column and row
// that got a number, limited to the table: the editor's new selection. No
// table notification fires.
VOK_EXPORT TCellBlock ExtractFromClipText(const QString& Text, TDataTable& Data, int LeftCol, int TopRow);

// Size of the number block in a clipboard text, counted as Extract places the
// numbers, except that "," stays inside a number (1,5 counts once): NCols is
// the largest count of numbers on a line, NRows the number of lines up to the
// last one holding a number. False with 1 x 1 when the text holds no number.
VOK_EXPORT bool GetClipMatrixSize(const QString& Text, int& NCols, int& NRows);

} // namespace vok::ntabed
