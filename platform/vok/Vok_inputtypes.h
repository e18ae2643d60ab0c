/// Input and alignment types of the platform: shift state, mouse buttons, text alignment. \file
#pragma once

#include <vok/vok_export.h>

#include <QFlags>
#include <QObject>

namespace vok {
inline namespace InputEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// Keyboard modifiers and mouse buttons held during an input event; ssDouble marks a double click.
enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
/// Set of TShiftStateFlag.
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

/// A mouse button.
enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

/// Horizontal alignment of a text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

} // namespace InputEnums
} // namespace vok
