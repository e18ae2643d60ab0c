/// Selection and keyboard navigation rules of the grid controls, as plain
/// functions over the grid's layout. \file
#pragma once

#include <vok/Vok_gridlayout.h>
#include <vok/Vok_inputtypes.h>
#include <vok/vok_export.h>

namespace vok {

/// The selection spanned by the anchor and the current cell. With goRowSelect
/// it covers the scrollable columns of every row between them.
VOK_EXPORT TGridRect SpanSelection(TGridCoord Anchor, TGridCoord Current, TGridOptions Options, int FixedCols,
                                   int ColCount);

/// Where a key takes the current cell and the scroll position.
struct TGridKeyMove
{
    bool Handled = false;    ///< the key is a navigation key of the grid
    TGridCoord Current;      ///< within the scrollable cells
    TGridCoord TopLeft;      ///< within the scroll limits
    bool MoveAnchor = true;  ///< false: Shift extends the selection
};

/// The navigation keys (Windows key codes): arrows, Page Up/Down and Home/End,
/// with Ctrl scrolling or jumping to the page and grid ends, and Tab/Shift+Tab
/// with goTabs, wrapping through the rows.
VOK_EXPORT TGridKeyMove GridKeyMove(quint16 Key, TShiftState Shift, const TGridLayout& Layout, TGridCoord Current,
                                    TGridOptions Options);

} // namespace vok
