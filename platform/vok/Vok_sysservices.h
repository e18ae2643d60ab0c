/// System services of the platform: the clipboard (plain text), the message
/// beep, mouse cursors and the screen cursor. \file
#pragma once

#include <vok/vok_export.h>

#include <QCursor>
#include <QString>

#include <functional>

namespace vok {

/// The plain-text clipboard of the system (QClipboard underneath).
class VOK_EXPORT TClipboard
{
public:
    bool HasText() const; ///< Whether the clipboard holds text.
    QString GetAsText() const; ///< The text on the clipboard.
    void SetAsText(const QString& Text); ///< Puts Text on the clipboard.
    void Clear(); ///< Empties the clipboard.
};

/// The application's clipboard.
VOK_EXPORT TClipboard& Clipboard();

/// The system's simple beep. Type is the classic sound number (0 or -1 for the
/// simple beep); it reaches the beep hook unchanged.
VOK_EXPORT void MessageBeep(int Type);

/// Replaces the sound of MessageBeep, for example to count beeps in a test;
/// an empty hook restores the system's beep.
using TBeepHook = std::function<void(int Type)>;
VOK_EXPORT void SetMessageBeepHook(TBeepHook Hook); ///< Installs the hook.

/// Mouse cursors by their classic numbers.
///@{
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
///@}

/// The Qt cursor shape of a classic cursor (Qt::ArrowCursor for unknown ones).
VOK_EXPORT Qt::CursorShape CursorShape(TCursor Cursor);

/// The screen: its cursor overrides every control's cursor while it is not
/// crDefault ("hourglass and back": save GetCursor(), SetCursor(crHourGlass),
/// work, SetCursor(saved)).
class VOK_EXPORT TScreen
{
public:
    /// The screen cursor; crDefault lets the controls' cursors show.
    ///@{
    TCursor GetCursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    ///@}

private:
    TCursor FCursor = crDefault;
};

VOK_EXPORT TScreen& Screen(); ///< The application's screen.

/// Shows a screen cursor for the lifetime of the object and then puts the
/// previous one back, also when an exception leaves the scope.
class VOK_EXPORT TScreenCursorScope
{
public:
    explicit TScreenCursorScope(TCursor Cursor = crHourGlass); ///< Shows Cursor until the scope ends.
    ~TScreenCursorScope();
    TScreenCursorScope(const TScreenCursorScope&) = delete;
    TScreenCursorScope& operator=(const TScreenCursorScope&) = delete;

private:
    TCursor FSaved;
};

} // namespace vok
