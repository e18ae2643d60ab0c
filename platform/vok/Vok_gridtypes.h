/// Types of the grid controls: options, cell draw states, the selection
/// rectangle, editor styles, scroll bar styles and the grid events. \file
#pragma once

#include <vok/Vok_geometry.h>
#include <vok/vok_export.h>

#include <QFlags>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace vok {
inline namespace GridEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// Options of a grid.
enum TGridOption {
    goFixedVertLine = 0x0001,    ///< vertical lines between fixed cells
    goFixedHorzLine = 0x0002,    ///< horizontal lines between fixed cells
    goVertLine = 0x0004,         ///< vertical lines between scrollable cells
    goHorzLine = 0x0008,         ///< horizontal lines between scrollable cells
    goRangeSelect = 0x0010,      ///< Shift+keys and mouse drags select a block of cells
    goDrawFocusSelected = 0x0020, ///< the focused cell is drawn in the selection colors
    goRowSizing = 0x0040,        ///< rows are sized by dragging their border in a fixed column
    goColSizing = 0x0080,        ///< columns are sized by dragging their border in a fixed row
    goEditing = 0x0100,          ///< cells can be edited in place
    goTabs = 0x0200,             ///< Tab and Shift+Tab move between cells
    goRowSelect = 0x0400,        ///< whole rows are selected
    goAlwaysShowEditor = 0x0800, ///< the in-place editor stays open on the current cell
    goThumbTracking = 0x1000,    ///< the view follows the scroll bar thumb while it is dragged
};
/// Set of TGridOption.
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_FLAG_NS(TGridOptions)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

/// The state of a cell being drawn: selected, focused, fixed.
enum TGridDrawStateFlag {
    gdSelected = 0x01,
    gdFocused = 0x02,
    gdFixed = 0x04,
};
/// Set of TGridDrawStateFlag.
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

/// The kind of in-place editor a cell gets.
enum TEditStyle { esSimple, esPickList };
Q_ENUM_NS(TEditStyle)

/// Which scroll bars a control may show.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

/// Whether a control has a border.
enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

/// What a mouse press in the grid started.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing };
Q_ENUM_NS(TGridState)
} // namespace GridEnums

/// A block of cells; all four cell numbers are inclusive.
struct TGridRect
{
    int Left = 0; ///< First column.
    int Top = 0; ///< First row.
    int Right = 0; ///< Last column.
    int Bottom = 0; ///< Last row.

    bool Contains(int ACol, int ARow) const { return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom; } ///< Whether the cell lies in the block.
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

/// The block Left..Right x Top..Bottom.
inline TGridRect GridRect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }

using TDrawCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>; ///< Draws cell (ACol, ARow) into Rect of the grid's canvas.
using TSelectCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)>; ///< Decides whether a cell may become the current one.
using TGetEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>; ///< Gives the text the in-place editor starts with.
using TSetEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)>; ///< Receives the edited text of a cell.
/// Asks for the items of a pick-list editor when its list drops down.
using TOnGetPickListItems = std::function<void(int ACol, int ARow, QStringList& Items)>;

} // namespace vok
