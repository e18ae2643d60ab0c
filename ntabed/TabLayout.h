// Widget-free rules of the table editor: precision limits and steps, the
// per-column precision array following a resize, the cell blocks of the
// mark commands, the parsing of edited numbers and attributes, and the
// cell-cursor text.
#pragma once

#include "CellText.h"

#include <vok/Vok_gridtypes.h>
#include <vok/Vok_ntabed.h>

#include <QString>

#include <optional>
#include <vector>

namespace vok::ntabed {

inline constexpr qint8 InitialPrecision = 3;

// Negative values become -1, values above 10 become 10.
int ClampPrecision(int Value);
// The precision "Change Precision" steps to: one less, from -1 back to 10.
int NextPrecision(int Value);
// Cuts the array at the end or lets it grow, new entries taking the
// precision of the entry that was last before (3 when there was none).
// Throws std::bad_alloc when the memory is not there.
void ResizePrecisions(std::vector<qint8>& Precisions, int NewCount);

// The data cells (inclusive corners) a mark command on Scope acts on, for
// the data selection Sel of a table of NCols x NRows.
TGridRect MarkBlock(TMarkScope Scope, const TGridRect& Sel, int NCols, int NRows);
// Rect limited to 1..NCols x 1..NRows (may come out empty: Right < Left).
TGridRect ClipToTable(const TGridRect& Rect, int NCols, int NRows);

// An edited number: "," counts as ".", blanks around are dropped, the rest
// must be a whole decimal number.
std::optional<double> ParseCellNumber(QString Text);
// An edited attribute: a real number, clamped to 0..255 and rounded to the
// nearest integer (ties to even); nothing when the text is no number.
std::optional<quint8> ParseAttribute(const QString& Text);

// "col:row" of the cell cursor.
QString CellCursorText(int Col, int Row);

} // namespace vok::ntabed
