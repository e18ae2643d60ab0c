/// Keyboard and mouse translation: Qt key codes, modifiers and buttons become
/// the classic Windows virtual-key numbers, shift states and mouse buttons that
/// the input handlers of every control receive. \file
#pragma once

#include <vok/Vok_inputtypes.h>
#include <vok/vok_export.h>

#include <QChar>
#include <QString>
#include <QtGlobal>

namespace vok {

/// Windows virtual-key codes. Letters are 'A'..'Z' (65..90) and digits
/// '0'..'9' (48..57) whatever the layout's case or shift level.
///@{
inline constexpr quint16 VK_LBUTTON = 1;
inline constexpr quint16 VK_RBUTTON = 2;
inline constexpr quint16 VK_MBUTTON = 4;
inline constexpr quint16 VK_BACK = 8;
inline constexpr quint16 VK_TAB = 9;
inline constexpr quint16 VK_CLEAR = 12;
inline constexpr quint16 VK_RETURN = 13;
inline constexpr quint16 VK_SHIFT = 16;
inline constexpr quint16 VK_CONTROL = 17;
inline constexpr quint16 VK_MENU = 18;
inline constexpr quint16 VK_PAUSE = 19;
inline constexpr quint16 VK_CAPITAL = 20;
inline constexpr quint16 VK_ESCAPE = 27;
inline constexpr quint16 VK_SPACE = 32;
inline constexpr quint16 VK_PRIOR = 33;
inline constexpr quint16 VK_NEXT = 34;
inline constexpr quint16 VK_END = 35;
inline constexpr quint16 VK_HOME = 36;
inline constexpr quint16 VK_LEFT = 37;
inline constexpr quint16 VK_UP = 38;
inline constexpr quint16 VK_RIGHT = 39;
inline constexpr quint16 VK_DOWN = 40;
inline constexpr quint16 VK_SNAPSHOT = 44;
inline constexpr quint16 VK_INSERT = 45;
inline constexpr quint16 VK_DELETE = 46;
inline constexpr quint16 VK_HELP = 47;
inline constexpr quint16 VK_LWIN = 91;
inline constexpr quint16 VK_APPS = 93;
inline constexpr quint16 VK_NUMPAD0 = 96; ///< ... VK_NUMPAD9 = 105
inline constexpr quint16 VK_MULTIPLY = 106;
inline constexpr quint16 VK_ADD = 107;
inline constexpr quint16 VK_SEPARATOR = 108;
inline constexpr quint16 VK_SUBTRACT = 109;
inline constexpr quint16 VK_DECIMAL = 110;
inline constexpr quint16 VK_DIVIDE = 111;
inline constexpr quint16 VK_F1 = 112; ///< ... VK_F24 = 135
inline constexpr quint16 VK_NUMLOCK = 144;
inline constexpr quint16 VK_SCROLL = 145;
inline constexpr quint16 VK_OEM_1 = 186;      ///< ;:
inline constexpr quint16 VK_OEM_PLUS = 187;   ///< =+
inline constexpr quint16 VK_OEM_COMMA = 188;  ///< ,<
inline constexpr quint16 VK_OEM_MINUS = 189;  ///< -_
inline constexpr quint16 VK_OEM_PERIOD = 190; ///< .>
inline constexpr quint16 VK_OEM_2 = 191;      ///< /?
inline constexpr quint16 VK_OEM_3 = 192;      ///< `~
inline constexpr quint16 VK_OEM_4 = 219;      ///< [{
inline constexpr quint16 VK_OEM_5 = 220;      ///< \|
inline constexpr quint16 VK_OEM_6 = 221;      ///< ]}
inline constexpr quint16 VK_OEM_7 = 222;      ///< '"
inline constexpr quint16 VK_OEM_102 = 226;    ///< <> of the 102-key keyboard
///@}

/// The virtual-key code of a Qt key. Keys of the numeric pad (Keypad modifier)
/// get the pad codes; shifted symbols of the US layout get the code of their
/// key ('!' is '1', '_' is VK_OEM_MINUS). Keys without a code give 0.
VOK_EXPORT quint16 VirtualKeyFromQtKey(int QtKey, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);

/// The Qt key of a virtual-key code (the unshifted key, never the pad's
/// navigation meaning); Qt::Key_unknown for codes without a key.
VOK_EXPORT int QtKeyFromVirtualKey(quint16 Key);

/// The character a key press delivers to KeyPress, or a null QChar when the
/// key produces none: the first character of the event text, where Delete's
/// text (127) is no character; Ctrl with a letter types the control character
/// (Ctrl+A is 1 ... Ctrl+Z is 26), as on Windows.
VOK_EXPORT QChar KeyPressChar(int QtKey, Qt::KeyboardModifiers Modifiers, const QString& Text);

/// Shift state from keyboard modifiers and the mouse buttons held.
VOK_EXPORT TShiftState ShiftStateFromQt(Qt::KeyboardModifiers Modifiers,
                                        Qt::MouseButtons Buttons = Qt::NoButton);

/// Keyboard modifiers and mouse buttons of a shift state (the inverse of ShiftStateFromQt).
///@{
VOK_EXPORT Qt::KeyboardModifiers ModifiersFromShiftState(TShiftState Shift);
VOK_EXPORT Qt::MouseButtons MouseButtonsFromShiftState(TShiftState Shift);
///@}

/// The classic button of a Qt button; false for buttons the classic platform
/// does not have (back, forward ...).
VOK_EXPORT bool MouseButtonFromQt(Qt::MouseButton Button, TMouseButton& Result);
VOK_EXPORT Qt::MouseButton QtMouseButton(TMouseButton Button); ///< The Qt button of a classic button.

} // namespace vok
