// Input and alignment types of the platform: shift state, mouse buttons, text alignment.
#pragma once

#include <QFlags>

namespace vok {

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
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

} // namespace vok
