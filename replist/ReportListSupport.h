// Layout and text rules of the report list view that need no widget: header
// row heights, row banding, shortening of cell and header texts, placement
// of aligned text, the scroll position that centres a row.
#pragma once

#include <vok/Vok_inputtypes.h>
#include <vok/vok_export.h>

#include <QList>
#include <QString>

namespace vok::replist {

// Heights of grid rows 0 and 1 for the visible header rows; Row1 is -1 when
// row 1 keeps its height (a data row of a list with fewer than two rows).
struct HeaderRowHeights
{
    int Row0 = 0;
    int Row1 = -1;
};
VOK_EXPORT HeaderRowHeights HeaderHeights(bool CommonVisible, bool ColumnsVisible, int CommonHeight,
                                          int ColumnsHeight, int DefaultHeight, int NrOfRows);

// Whether data row Row (1-based) lies in a shaded band of Pattern rows.
VOK_EXPORT bool IsShadedRow(int Row, int Pattern);

// A cell text cut to fit Room pixels (column width minus margins), TextWidth
// being the width of the text without its first character: the first
// characters and "...", or for a right-aligned column the first character,
// "..." and the last characters. Unchanged when it fits.
VOK_EXPORT QString ShortenCellText(const QString& Text, int Room, int TextWidth, bool RightAligned);
// A header line of TextWidth pixels cut to fit Room pixels, with "...".
VOK_EXPORT QString ShortenHeaderLine(const QString& Line, int Room, int TextWidth);

// The x of a text of TextWidth pixels placed in Left..Right.
VOK_EXPORT int AlignedTextX(TAlignment Alignment, int Left, int Right, int TextWidth);

// The top data row that shows Row in the middle of Visible rows.
VOK_EXPORT int CenteredTopRow(int Row, int NrOfRows, int Visible);

// Whether List holds every number 1..Count exactly once.
VOK_EXPORT bool IsColumnPermutation(const QList<int>& List, int Count);

} // namespace vok::replist
