// The text side of the self-drawn numeric field: the text buffer with caret
// and selection, the value rules of each input format and the keyboard
// rules. No widget: the field forwards its keys and properties here and
// paints what this holds.
#pragma once

#include <vok/Vok_NumIO.h>
#include <vok/Vok_inputtypes.h>

#include <QString>

#include <algorithm>
#include <functional>
#include <optional>

namespace vok {

// The settings the text rules of a field depend on.
struct TNumTextFormat
{
    TInFormat InputFormat = itFloat;
    TDecPSep DecPlaceSep = dsBoth;
    int FixPointDecPlaces = 2; // 1..15
    int SignificantDigits = 6; // 1..15
};

// True when decimals are written with "," in Mode (comma mode, or the system
// mode where the typing checks resolve it to comma mode).
VOK_EXPORT bool WritesDecimalComma(TDecPSep Mode);

// The value of a field's text: decimal formats with either separator and
// the exponent allowed, itInt as a 32-bit integer (texts beyond it read as
// the nearest 32-bit bound), radix formats by their scanners (the digits
// consumed; a text not consumed completely reads as its leading digits).
VOK_EXPORT double NumTextValue(const TNumTextFormat& Format, const QString& Text);
// The text a field writes for Value (no range check). Decimals use "," when
// WritesDecimalComma(DecPlaceSep), so the typing check accepts what is written.
VOK_EXPORT QString NumValueText(const TNumTextFormat& Format, double Value);
// The typing check of a whole text in the field's format.
VOK_EXPORT bool NumTextIsValid(const TNumTextFormat& Format, const QString& Text);
// The text after the separator mode changed from Old to New.
VOK_EXPORT QString ConvertDecSeparators(const QString& Text, TDecPSep Old, TDecPSep New);

// What a key did, for the field to act on.
struct TNumKeyResult
{
    bool Ignored = false;                  // read-only: nothing happened, no repaint
    bool Changed = false;                  // the text changed: fire OnChange
    bool Beep = false;                     // the key was refused and beeping is on
    bool FocusNext = false;                // Tab: move the focus on
    std::optional<QString> CopyToClipboard; // Ctrl+C / Ctrl+X
};

class VOK_EXPORT TNumTextEditor
{
public:
    TNumTextFormat Format;
    bool Beep = false;

    const QString& GetText() const { return FText; }
    // Replaces the text; caret and selection stay where they are.
    void SetTextRaw(const QString& Value) { FText = Value; }
    int GetCaretPos() const { return FCaretPos; }
    void SetCaretPos(int Value) { FCaretPos = std::max(Value, 0); }
    int GetSelBegin() const { return FSelBegin; }
    int GetSelEnd() const { return FSelEnd; }
    // Clamped to 0..length; the caret follows; the other end is pushed along.
    void SetSelBegin(int Value);
    void SetSelEnd(int Value);
    // Sets both ends and the caret without clamping to the text (for copying
    // a state); negative positions become 0 and End is at least Begin.
    void SetSelection(int Begin, int End, int Caret);
    bool GetKeyShifted() const { return FKeyShifted; }
    bool GetKeyCntrl() const { return FKeyCntrl; }
    void SetKeyFlags(bool Shifted, bool Cntrl);

    double ReadValue() const { return NumTextValue(Format, FText); }
    void WriteValue(double Value) { FText = NumValueText(Format, Value); }
    bool CheckValidity(const QString& Text) const { return NumTextIsValid(Format, Text); }
    // Changes the separator mode and converts the separators in the text.
    void SetDecPlaceSep(TDecPSep Value);

    // The selected characters (the selection clipped to the text).
    QString SelectedText() const;

    // One key-down with its virtual-key code. Clipboard gives the clipboard
    // text, or nothing when it holds none; it is asked only for Ctrl+V.
    TNumKeyResult KeyDown(quint16 Key, TShiftState Shift, bool ReadOnly,
                          const std::function<std::optional<QString>()>& Clipboard);
    // Key release: clears the Shift and Ctrl flags.
    void KeyUp(quint16 Key);

private:
    // The character a key types, or a null QChar for keys that type none.
    static QChar KeyChar(quint16 Key, bool Shifted);
    // Removes the selection; an emptied text is written as the value 0.
    void DeleteSelection();
    void InsertText(const QString& Insert);
    int ClampedCaret() const;
    bool HasSelection() const;

    QString FText;
    int FCaretPos = 0;
    int FSelBegin = 0;
    int FSelEnd = 0;
    bool FKeyShifted = false;
    bool FKeyCntrl = false;
};

} // namespace vok
