// Input and alignment types of the platform: shift state, mouse buttons, text alignment.
#pragma once

#include <vok/vok_export.h>

#include <QFlags>
#include <QObject>

namespace vok {
inline namespace InputEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_FLAG_NS(TShiftState)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

} // namespace InputEnums
} // namespace vok
