#include <vok/Vok_keys.h>

#include <algorithm>
#include <iterator>

namespace vok {

namespace {

struct TKeyPair
{
    int QtKey;
    quint16 Key;
};

// Keys with a fixed code. The first pair of a code is the key that
// QtKeyFromVirtualKey returns for it.
constexpr TKeyPair KeyTable[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_AltGr, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_Colon, VK_OEM_1},
    {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},
    // Shifted digits of the US layout report the digit key.
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
    // Letters of the German layout that sit on the OEM keys.
    {Qt::Key_Udiaeresis, VK_OEM_1},
    {Qt::Key_Odiaeresis, VK_OEM_3},
    {Qt::Key_Adiaeresis, VK_OEM_7},
    {Qt::Key_ssharp, VK_OEM_4},
};

// Characters of the numeric pad and their codes.
quint16 KeypadKey(int QtKey)
{
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9)
        return static_cast<quint16>(VK_NUMPAD0 + (QtKey - Qt::Key_0));
    switch (QtKey) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Slash: return VK_DIVIDE;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    default: return 0;
    }
}

} // namespace

quint16 VirtualKeyFromQtKey(int QtKey, Qt::KeyboardModifiers Modifiers)
{
    if (Modifiers & Qt::KeypadModifier) {
        if (const quint16 Pad = KeypadKey(QtKey))
            return Pad;
    }
    if ((QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) || (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z))
        return static_cast<quint16>(QtKey); // Qt's codes are the ASCII codes, as the virtual keys
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24)
        return static_cast<quint16>(VK_F1 + (QtKey - Qt::Key_F1));
    const auto It = std::find_if(std::begin(KeyTable), std::end(KeyTable), [&](const TKeyPair& P) { return P.QtKey == QtKey; });
    return It == std::end(KeyTable) ? 0 : It->Key;
}

int QtKeyFromVirtualKey(quint16 Key)
{
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z'))
        return Key;
    if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD0 + 9)
        return Qt::Key_0 + (Key - VK_NUMPAD0);
    if (Key >= VK_F1 && Key <= VK_F1 + 23)
        return Qt::Key_F1 + (Key - VK_F1);
    switch (Key) {
    case VK_MULTIPLY: return Qt::Key_Asterisk;
    case VK_ADD: return Qt::Key_Plus;
    case VK_SUBTRACT: return Qt::Key_Minus;
    case VK_DIVIDE: return Qt::Key_Slash;
    case VK_DECIMAL: return Qt::Key_Period;
    default: break;
    }
    const auto It = std::find_if(std::begin(KeyTable), std::end(KeyTable), [&](const TKeyPair& P) { return P.Key == Key; });
    return It == std::end(KeyTable) ? Qt::Key_unknown : It->QtKey;
}

QChar KeyPressChar(int QtKey, Qt::KeyboardModifiers Modifiers, const QString& Text)
{
    const bool CtrlOnly = (Modifiers & Qt::ControlModifier) && !(Modifiers & Qt::AltModifier);
    if (CtrlOnly && QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z)
        return QChar(QtKey - Qt::Key_A + 1);
    if (Text.isEmpty() || Text.front() == QChar(0x7F))
        return QChar();
    return Text.front();
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons)
{
    TShiftState Shift;
    Shift.setFlag(ssShift, Modifiers & Qt::ShiftModifier);
    Shift.setFlag(ssCtrl, Modifiers & Qt::ControlModifier);
    Shift.setFlag(ssAlt, Modifiers & Qt::AltModifier);
    Shift.setFlag(ssLeft, Buttons & Qt::LeftButton);
    Shift.setFlag(ssRight, Buttons & Qt::RightButton);
    Shift.setFlag(ssMiddle, Buttons & Qt::MiddleButton);
    return Shift;
}

Qt::KeyboardModifiers ModifiersFromShiftState(TShiftState Shift)
{
    Qt::KeyboardModifiers M;
    M.setFlag(Qt::ShiftModifier, Shift & ssShift);
    M.setFlag(Qt::ControlModifier, Shift & ssCtrl);
    M.setFlag(Qt::AltModifier, Shift & ssAlt);
    return M;
}

Qt::MouseButtons MouseButtonsFromShiftState(TShiftState Shift)
{
    Qt::MouseButtons B;
    B.setFlag(Qt::LeftButton, Shift & ssLeft);
    B.setFlag(Qt::RightButton, Shift & ssRight);
    B.setFlag(Qt::MiddleButton, Shift & ssMiddle);
    return B;
}

bool MouseButtonFromQt(Qt::MouseButton Button, TMouseButton& Result)
{
    switch (Button) {
    case Qt::LeftButton: Result = mbLeft; return true;
    case Qt::RightButton: Result = mbRight; return true;
    case Qt::MiddleButton: Result = mbMiddle; return true;
    default: return false;
    }
}

Qt::MouseButton QtMouseButton(TMouseButton Button)
{
    switch (Button) {
    case mbRight: return Qt::RightButton;
    case mbMiddle: return Qt::MiddleButton;
    case mbLeft: break;
    }
    return Qt::LeftButton;
}

} // namespace vok
