/// Numeric entry: the number formats shared by both numeric fields (input
/// formats, scanners, typing checks, formatters, separator and range rules),
/// the self-drawn numeric field TNumIO2 and the edit-based field TNumIO. \file
#pragma once

#include <vok/vok_export.h>
#include <vok/Vok_basetypes.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_edit.h>
#include <vok/Vok_timers.h>

#include <QChar>
#include <QString>

#include <memory>

namespace vok {

inline namespace NumIOEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// The input format of a numeric field.
enum TInFormat : quint8 {
    itExp,       ///< decimal number with optional exponent ('1.5E-3')
    itFloat,     ///< decimal number with optional fraction, no exponent
    itFixPoint,  ///< decimal number with a fixed number of decimals
    itInt,       ///< signed decimal integer
    itHex,       ///< unsigned hexadecimal digits
    itOct,       ///< octal digits
    itBin,       ///< binary digits
    itDynamic    // "$" hexadecimal, "%" binary, "&" octal, else decimal with exponent
};
Q_ENUM_NS(TInFormat)
} // namespace NumIOEnums

// ---- Separator modes -------------------------------------------------------

/// The mode the typing checks use for dsSystem: dsPoint when the system
/// separator is ".", dsComma for any other. Other modes are returned as given.
VOK_EXPORT TDecPSep ResolveTypingSepMode(TDecPSep Mode);
/// The mode whole-text conversion uses for dsSystem: dsComma when the system
/// separator is ",", dsPoint for any other. Other modes are returned as given.
VOK_EXPORT TDecPSep ResolveConversionSepMode(TDecPSep Mode);
/// True when Ch separates the decimals in Mode (dsSystem resolved for typing).
VOK_EXPORT bool IsDecimalSeparator(QChar Ch, TDecPSep Mode);

// ---- Scanners --------------------------------------------------------------
// Positions are 1-based character indices. Every scanner leaves Pos on the
// first character it did not consume, so the whole text was a number when Pos
// ends at Text.length() + 1.

/// Decimal number, with an exponent when ExpAllowed. Returns 0 for a text that
/// is not a number; the result is clamped to +-uc_MaxDouble and exponents are
/// limited to a magnitude of 4200. dsSystem is resolved as for typing.
VOK_EXPORT double ReadFloatNum(const QString& Text, bool ExpAllowed, TDecPSep Mode, int& Pos);
/// Signed decimal integer after optional blanks; wraps silently in 32 bits.
VOK_EXPORT qint32 ReadDecInt(const QString& Text, int& Pos);
/// Hexadecimal digits (a "$" at position 1 is skipped); wraps in 32 bits, so
/// 'FFFFFFFF' reads as -1.
///@{
VOK_EXPORT qint32 ReadHexNum(const QString& Text, int& Pos);
VOK_EXPORT qint32 ReadOctNum(const QString& Text, int& Pos);
VOK_EXPORT qint32 ReadBinNum(const QString& Text, int& Pos);
///@}

// ---- Typing checks (partly typed texts) -----------------------------------

/// Decimal text with optional exponent: '1E', '1E-', '.', '-.' and '1x' pass;
/// '-', '+', '1.2.3' and an exponent above 4200 do not.
VOK_EXPORT bool IsValidExpText(const QString& Text, bool ExpAllowed, TDecPSep Mode);
/// Decimal text without exponent: '-', '+', '.' and '12.' pass.
VOK_EXPORT bool IsValidDecText(const QString& Text, TDecPSep Mode);
/// Optional sign followed by digits; a one-character text must be a digit.
VOK_EXPORT bool IsValidIntText(const QString& Text);
/// Non-empty texts of digits of the radix, no prefix.
///@{
VOK_EXPORT bool IsHexText(const QString& Text);
VOK_EXPORT bool IsOctText(const QString& Text);
VOK_EXPORT bool IsBinText(const QString& Text);
///@}

// ---- Formatters ------------------------------------------------------------

/// Decimals == -2: exponent form in a field of |Width| + 2 characters (sign
/// position, one digit, ".", |Width| - 7 decimals, "E", exponent sign and two
/// exponent digits, so 1234.5 with Width 12 gives ' 1.23450E+03'); a value whose
/// decimal exponent needs three or more digits, or that is not finite, shows as
/// a row of "*". With no decimals left the point is left out (' 1E+03').
/// Otherwise: fixed form with Decimals decimals ("." as the point), right-aligned
/// in at least |Width| characters. A negative Width pads with "0" instead of
/// blanks, the sign moved in front. Digits are rounded from the exact binary
/// value; an exact half rounds away from zero, as Pascal's Str does. Width and
/// Decimals are kept within the classic short-string limit of 255.
VOK_EXPORT QString FormatFloatNum(int Width, int Decimals, double Value);

/// Exponent form with a fixed count of exponent digits (1..9), the classic
/// Str(x:w) layout of an extended value when ExponentDigits is 4: a blank
/// (or "-" for a negative value), one digit, "." and Decimals decimals (0..255;
/// no point when 0), "E", the exponent sign and the exponent's digits, so
/// 1234.5 with 3 decimals and 4 exponent digits gives " 1.235E+0003". A value
/// whose exponent needs more digits, or that is not finite, shows as a row of
/// "*" as long as that layout. Rounded as FormatFloatNum rounds.
VOK_EXPORT QString FormatFloatExp(double Value, int Decimals, int ExponentDigits);

/// Engineering notation: a mantissa from 1 to below 1000 with Decimals
/// decimals (0..15, rounded as FormatFloatNum rounds) and an exponent that is a
/// multiple of 3, written "E+03" (at least two digits): 12345 with 1 decimal
/// gives "12.3E+03". With SIPrefix the exponents -15 .. 12 are written as the
/// prefix letter instead (f, p, n, µ, m, none, k, M, G, T): "12.3k". A value
/// that is not finite shows as a row of Decimals + 6 "*".
VOK_EXPORT QString FormatFloatEng(double Value, int Decimals, bool SIPrefix = false);

/// Exactly Count digits (limited to 8, 11 or 32; 0 or less gives one digit) of
/// Value taken as unsigned, leading zeros kept, higher bits dropped.
///@{
VOK_EXPORT QString IntToHexDigits(qint32 Value, int Count);
VOK_EXPORT QString IntToOctDigits(qint32 Value, int Count);
VOK_EXPORT QString IntToBinDigits(qint32 Value, int Count);
///@}

// ---- Dynamic format and range ---------------------------------------------

/// How an itDynamic text is read: itHex for a leading "$", itBin for "%",
/// itOct for "&" (the digits start at character 2), itExp for anything else.
VOK_EXPORT TInFormat DynamicTextFormat(const QString& Text);

/// A value is out of range below Low or above High; the bounds are in range.
VOK_EXPORT bool IsOutOfRange(double Value, double Low, double High);

// ---- TNumIO2: the self-drawn numeric field -----------------------------------------

class VOK_EXPORT EVOKNumIO2Error : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// The gauge was dragged to GaugeValue.
using TOnGaugeChangeEvent = std::function<void(QObject* Sender, TShiftState Shift, double GaugeValue)>;

struct TNumIO2Layout;
struct TNumIO2Appearance;
class TNumTextEditor;
struct TNumIOTextFormat;

/// A numeric field that draws itself: left caption, framed text box, optional
/// spin buttons, right caption and an optional gauge along the bottom. It keeps
/// the number as text in its own buffer with caret and selection, reads the
/// keyboard itself and blinks its caret on a 500 ms timer while focused. Values
/// outside the range are shown in warning colors, never refused.
class VOK_EXPORT TNumIO2 : public TCustomControl
{
    Q_OBJECT
    /// Alignment of the number in the text box.
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment)
    /// Whether the height follows the font: each paint sets it to the text height plus 6.
    Q_PROPERTY(bool AutoSize READ GetAutoSize WRITE SetAutoSize)
    /// Whether a rejected key beeps.
    Q_PROPERTY(bool Beep READ GetBeep WRITE SetBeep)
    /// Whether the spin buttons are shown.
    Q_PROPERTY(bool ButVisible READ GetButVisible WRITE SetButVisible)
    /// Whether the spin buttons have 3-D edges.
    Q_PROPERTY(bool But3D READ GetBut3D WRITE SetBut3D)
    /// Height of the spin button pair in pixels (18 .. Height).
    Q_PROPERTY(int ButHeight READ GetButHeight WRITE SetButHeight)
    /// Width of the spin button column in pixels (8..50).
    Q_PROPERTY(int ButWidth READ GetButWidth WRITE SetButWidth)
    /// The step a spin button adds or takes away.
    Q_PROPERTY(double ButIncrem READ GetButIncrem WRITE SetButIncrem)
    /// Gap between the text box and the spin buttons in pixels (0..50).
    Q_PROPERTY(int ButSpace READ GetButSpace WRITE SetButSpace)
    /// Face color of the spin buttons.
    Q_PROPERTY(quint32 ButColor READ GetButColor WRITE SetButColor)
    /// Background color of the text box.
    Q_PROPERTY(quint32 ColorBoxBG READ GetColorBoxBG WRITE SetColorBoxBG)
    /// Color of the number in the text box.
    Q_PROPERTY(quint32 ColorBoxText READ GetColorBoxText WRITE SetColorBoxText)
    /// Background color outside the text box.
    Q_PROPERTY(quint32 ColorOutBG READ GetColorOutBG WRITE SetColorOutBG)
    /// Color of the captions outside the text box.
    Q_PROPERTY(quint32 ColorOutText READ GetColorOutText WRITE SetColorOutText)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme)
    /// Background color of the text box while the value is out of range.
    Q_PROPERTY(quint32 ColorWarnBG READ GetColorWarnBG WRITE SetColorWarnBG)
    /// Color of the number while the value is out of range.
    Q_PROPERTY(quint32 ColorWarnText READ GetColorWarnText WRITE SetColorWarnText)
    /// Which decimal separators are accepted and written; changing it converts the text.
    Q_PROPERTY(vok::BaseEnums::TDecPSep DecPlaceSep READ GetDecPlaceSep WRITE SetDecPlaceSep)
    /// Decimals of the itFloat and itFixPoint formats (1..15).
    Q_PROPERTY(int FixPointDecPlaces READ GetFixPointDecPlaces WRITE SetFixPointDecPlaces)
    /// Frame of the text box.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle)
    /// Fill color of the gauge.
    Q_PROPERTY(quint32 GaugeColor READ GetGaugeColor WRITE SetGaugeColor)
    /// Background color of the gauge.
    Q_PROPERTY(quint32 GaugeColorBg READ GetGaugeColorBg WRITE SetGaugeColorBg)
    /// Frame color of the gauge.
    Q_PROPERTY(quint32 GaugeColorFrame READ GetGaugeColorFrame WRITE SetGaugeColorFrame)
    /// Height of the gauge in pixels (at least 3).
    Q_PROPERTY(int GaugeHeight READ GetGaugeHeight WRITE SetGaugeHeight)
    /// Frame of the gauge.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle GaugeFrameStyle READ GetGaugeFrameStyle WRITE SetGaugeFrameStyle)
    /// Left edge of the gauge in pixels.
    Q_PROPERTY(int GaugeLeftMargin READ GetGaugeLeftMargin WRITE SetGaugeLeftMargin)
    /// Top edge of the gauge in pixels.
    Q_PROPERTY(int GaugeTopMargin READ GetGaugeTopMargin WRITE SetGaugeTopMargin)
    /// Whether the gauge (a bar showing the value within the range, draggable) is shown.
    Q_PROPERTY(bool GaugeVisible READ GetGaugeVisible WRITE SetGaugeVisible)
    /// Width of the gauge in pixels (at least 10).
    Q_PROPERTY(int GaugeWidth READ GetGaugeWidth WRITE SetGaugeWidth)
    /// Whether the selection is hidden while the field has no focus.
    Q_PROPERTY(bool HideSelection READ GetHideSelection WRITE SetHideSelection)
    /// How the number is written and typed; changing it rewrites the value in the new format.
    Q_PROPERTY(vok::NumIOEnums::TInFormat InputFormat READ GetInputFormat WRITE SetInputFormat)
    /// Width of the left caption area; the text box starts there.
    Q_PROPERTY(int LeftSpace READ GetLeftSpace WRITE SetLeftSpace)
    /// Caption left of the text box.
    Q_PROPERTY(QString LeftText READ GetLeftText WRITE SetLeftText)
    /// Alignment of the left caption.
    Q_PROPERTY(vok::InputEnums::TAlignment LeftTextAlignment READ GetLeftTextAlignment WRITE SetLeftTextAlignment)
    /// Upper end of the valid range; values above it show in the warning colors.
    Q_PROPERTY(double RangeHigh READ GetRangeHigh WRITE SetRangeHigh)
    /// Lower end of the valid range; values below it show in the warning colors.
    Q_PROPERTY(double RangeLow READ GetRangeLow WRITE SetRangeLow)
    /// Whether typing, spin buttons and the gauge leave the value alone.
    Q_PROPERTY(bool ReadOnly READ GetReadOnly WRITE SetReadOnly)
    /// Caption right of the text box (or of the spin buttons).
    Q_PROPERTY(QString RightText READ GetRightText WRITE SetRightText)
    /// Alignment of the right caption.
    Q_PROPERTY(vok::InputEnums::TAlignment RightTextAlignment READ GetRightTextAlignment WRITE SetRightTextAlignment)
    /// Significant digits of the itExp format (1..15).
    Q_PROPERTY(int SignificantDigits READ GetSignificantDigits WRITE SetSignificantDigits)
    /// The text being edited; a text that is not a number of the input format is refused.
    Q_PROPERTY(QString Text READ GetText WRITE SetText NOTIFY textChanged)
    /// Inner width of the text box in pixels.
    Q_PROPERTY(int TextBoxWidth READ GetTextBoxWidth WRITE SetTextBoxWidth)
    /// The number, read from and written to the text in the input format.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue NOTIFY valueChanged)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TNumIO2(QWidget* AOwner = nullptr);
    ~TNumIO2() override;

    /// Alignment of the number in the text box.
    ///@{
    TAlignment GetAlignment() const;
    void SetAlignment(TAlignment Value);
    ///@}
    /// Whether the height follows the font: each paint sets it to the text height plus 6.
    ///@{
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    ///@}
    /// Whether a rejected key beeps.
    ///@{
    bool GetBeep() const;
    void SetBeep(bool Value);
    ///@}
    /// Whether the spin buttons are shown.
    ///@{
    bool GetButVisible() const;
    void SetButVisible(bool Value);
    ///@}
    /// Whether the spin buttons have 3-D edges.
    ///@{
    bool GetBut3D() const;
    void SetBut3D(bool Value);
    ///@}
    /// Height of the spin button pair in pixels (18 .. Height).
    ///@{
    int GetButHeight() const;
    void SetButHeight(int Value);
    ///@}
    /// Width of the spin button column in pixels (8..50).
    ///@{
    int GetButWidth() const;
    void SetButWidth(int Value);
    ///@}
    /// The step a spin button adds or takes away.
    ///@{
    double GetButIncrem() const { return FButIncrem; }
    void SetButIncrem(double Value);
    ///@}
    /// Gap between the text box and the spin buttons in pixels (0..50).
    ///@{
    int GetButSpace() const;
    void SetButSpace(int Value);
    ///@}
    /// Face color of the spin buttons.
    ///@{
    TColor GetButColor() const;
    void SetButColor(TColor Value);
    ///@}
    /// Background color of the text box.
    ///@{
    TColor GetColorBoxBG() const;
    void SetColorBoxBG(TColor Value);
    ///@}
    /// Color of the number in the text box.
    ///@{
    TColor GetColorBoxText() const;
    void SetColorBoxText(TColor Value);
    ///@}
    /// Background color outside the text box.
    ///@{
    TColor GetColorOutBG() const;
    void SetColorOutBG(TColor Value);
    ///@}
    /// Color of the captions outside the text box.
    ///@{
    TColor GetColorOutText() const;
    void SetColorOutText(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Background color of the text box while the value is out of range.
    ///@{
    TColor GetColorWarnBG() const;
    void SetColorWarnBG(TColor Value);
    ///@}
    /// Color of the number while the value is out of range.
    ///@{
    TColor GetColorWarnText() const;
    void SetColorWarnText(TColor Value);
    ///@}
    /// Which decimal separators are accepted and written; changing it converts the text.
    ///@{
    TDecPSep GetDecPlaceSep() const;
    void SetDecPlaceSep(TDecPSep Value);
    ///@}
    /// Decimals of the itFloat and itFixPoint formats (1..15).
    ///@{
    int GetFixPointDecPlaces() const;
    void SetFixPointDecPlaces(int Value);
    ///@}
    /// Frame of the text box.
    ///@{
    TFrameStyle GetFrameStyle() const;
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Fill color of the gauge.
    ///@{
    TColor GetGaugeColor() const;
    void SetGaugeColor(TColor Value);
    ///@}
    /// Background color of the gauge.
    ///@{
    TColor GetGaugeColorBg() const;
    void SetGaugeColorBg(TColor Value);
    ///@}
    /// Frame color of the gauge.
    ///@{
    TColor GetGaugeColorFrame() const;
    void SetGaugeColorFrame(TColor Value);
    ///@}
    /// Height of the gauge in pixels (at least 3).
    ///@{
    int GetGaugeHeight() const;
    void SetGaugeHeight(int Value);
    ///@}
    /// Frame of the gauge.
    ///@{
    TFrameStyle GetGaugeFrameStyle() const;
    void SetGaugeFrameStyle(TFrameStyle Value);
    ///@}
    /// Left edge of the gauge in pixels.
    ///@{
    int GetGaugeLeftMargin() const;
    void SetGaugeLeftMargin(int Value);
    ///@}
    /// Top edge of the gauge in pixels.
    ///@{
    int GetGaugeTopMargin() const;
    void SetGaugeTopMargin(int Value);
    ///@}
    /// Whether the gauge (a bar showing the value within the range, draggable) is shown.
    ///@{
    bool GetGaugeVisible() const;
    void SetGaugeVisible(bool Value);
    ///@}
    /// Width of the gauge in pixels (at least 10).
    ///@{
    int GetGaugeWidth() const;
    void SetGaugeWidth(int Value);
    ///@}
    /// Whether the selection is hidden while the field has no focus.
    ///@{
    bool GetHideSelection() const { return FHideSel; }
    void SetHideSelection(bool Value);
    ///@}
    /// How the number is written and typed; changing it rewrites the value in the new format.
    ///@{
    TInFormat GetInputFormat() const;
    void SetInputFormat(TInFormat Value);
    ///@}
    /// Width of the left caption area; the text box starts there.
    ///@{
    int GetLeftSpace() const;
    void SetLeftSpace(int Value);
    ///@}
    /// Caption left of the text box.
    ///@{
    QString GetLeftText() const;
    void SetLeftText(const QString& Value);
    ///@}
    /// Alignment of the left caption.
    ///@{
    TAlignment GetLeftTextAlignment() const;
    void SetLeftTextAlignment(TAlignment Value);
    ///@}
    /// Upper end of the valid range; values above it show in the warning colors.
    ///@{
    double GetRangeHigh() const { return FMaximum; }
    void SetRangeHigh(double Value);
    ///@}
    /// Lower end of the valid range; values below it show in the warning colors.
    ///@{
    double GetRangeLow() const { return FMinimum; }
    void SetRangeLow(double Value);
    ///@}
    /// Whether typing, spin buttons and the gauge leave the value alone.
    ///@{
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    ///@}
    /// Caption right of the text box (or of the spin buttons).
    ///@{
    QString GetRightText() const;
    void SetRightText(const QString& Value);
    ///@}
    /// Alignment of the right caption.
    ///@{
    TAlignment GetRightTextAlignment() const;
    void SetRightTextAlignment(TAlignment Value);
    ///@}
    /// Significant digits of the itExp format (1..15).
    ///@{
    int GetSignificantDigits() const;
    void SetSignificantDigits(int Value);
    ///@}
    /// The text being edited; a text that is not a number of the input format is refused.
    ///@{
    QString GetText() const;
    /// Taken only when empty or valid in the input format; caret and
    /// selection then go to 0.
    void SetText(const QString& Value);
    ///@}
    /// Inner width of the text box in pixels.
    ///@{
    int GetTextBoxWidth() const;
    void SetTextBoxWidth(int Value);
    ///@}
    /// The number in the text buffer, read by the input format's rules.
    ///@{
    double GetValue() const;
    /// Writes Value in the input format (no range check, no OnChange); caret
    /// and selection stay where they are.
    void SetValue(double Value);
    ///@}

    /// The value rounded; outside the 32-bit range raises EVOKNumIO2Error
    /// ("integer overflow").
    int GetIntegerValue() const;
    /// Which area the mouse was last over: 0 left caption, 1 text box, 2 right of it.
    int GetMouseAreaCode() const { return FMouseAreaCode; }
    /// The selection as character positions; SelBegin is not above SelEnd.
    ///@{
    int GetSelBegin() const;
    void SetSelBegin(int Value); ///< Sets the start of the selection.
    int GetSelEnd() const; ///< The end of the selection.
    void SetSelEnd(int Value); ///< Sets the end of the selection.
    int GetCaretPos() const; ///< The caret position; 0 is before the first character.
    bool GetCaretVisible() const { return FCaretVisib; } ///< Whether the caret shows now (blink phase).
    ///@}

    /// Width and height: the height is at least 18 and pulls ButHeight down.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;
    /// Fires OnChange.
    void Changed();
    bool CheckValidity(const QString& Instring) const; ///< Whether Instring is a valid text of the input format.
    bool OutOfRange() const; ///< Whether the value lies outside RangeLow .. RangeHigh.
    void SetFocus() override; ///< Takes the focus and shows the caret.

    /// The caret timer: whether it runs, its interval, and one tick.
    ///@{
    bool CaretTimerRunning() const;
    int CaretTimerInterval() const;
    void DoTimer();
    ///@}

    void CreateWnd() override;
    void Paint() override;
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void KeyUp(quint16& Key, TShiftState Shift) override;
    void Click() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    /// The caret goes with the focus.
    void DoExit() override;

    /// The initial size; the smallest one shows the left caption's room, the
    /// text box, the spin buttons and the right caption.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.
    /// A spin box for assistive technology: named by the left caption (unless
    /// it has an accessible name), its value the number within the range.
    ///@{
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    QString AccessibleValueText() const override;
    bool AccessibleValue(double& Value, double& Minimum, double& Maximum) const override;
    void AccessibleState(QAccessible::State& State) const override;
    ///@}
    /// Repaints at once (greyed while disabled, also through a parent).
    void EnabledChanged() override;

    /// Optional preferred values: when not empty, spin buttons and gauge snap to them.
    ///@{
    TDoubleArray ButtonPivots;
    TNotifyEvent OnChange;
    TOnGaugeChangeEvent OnGaugeChange;
    ///@}

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.
    void gaugeChanged(vok::TShiftState Shift, double GaugeValue); ///< Emitted with OnGaugeChange.
    void textChanged(const QString& Text); ///< Emitted when Text changes.
    void valueChanged(double Value); ///< Emitted when Value changes.

private:
    /// Emits textChanged/valueChanged for what changed since the last call.
    void NotifyChanges();

    /// The layout at the control's current size.
    TNumIO2Layout Layout() const;
    void RestartCaretTimer();
    void CaretTick();
    /// Stores a layout setting and repaints when it changed.
    void SetLayoutInt(int TNumIO2Layout::*Field, int Value);
    void SetLookColor(TColor TNumIO2Appearance::*Field, TColor Value);
    void SetLookAlignment(TAlignment TNumIO2Appearance::*Field, TAlignment Value);
    void SetLookFrame(TFrameStyle TNumIO2Appearance::*Field, TFrameStyle Value);
    void SetLookText(QString TNumIO2Appearance::*Field, const QString& Value);
    void SetLayoutBool(bool TNumIO2Layout::*Field, bool Value);

    std::unique_ptr<TNumTextEditor> FEditor;
    std::unique_ptr<TNumIO2Layout> FLayout;
    std::unique_ptr<TNumIO2Appearance> FLook;
    TComponentTimer* FCaretTimer;
    bool FSuppressPaint = true;
    bool FPainting = false;
    bool FValueChanged = false;
    double FButIncrem = 1.0;
    bool FCaretVisib = true;
    int FMouseAreaCode = 0;
    TColorScheme FColorScheme = csClassic;
    bool FHideSel = true;
    double FMaximum = 1000.0;
    double FMinimum = 0.0;
    bool FOnlineCheck = true;
    bool FReadOnly = false;
    bool FAutoSize = false;
    QString FNotifiedText;
    double FNotifiedValue = 0.0;
};

// ---- TNumIO: the numeric field on the platform edit --------------------------------

/// A numeric field on the platform's single-line edit: the edit does the
/// typing, caret and clipboard; after every change the whole text is checked
/// against the input format and the range, and a text that fails is replaced
/// by the last accepted one. OnChange fires only for accepted texts.
class VOK_EXPORT TNumIO : public TCustomEdit
{
    Q_OBJECT
    /// How the number is written and typed; changing it rewrites the value in the new format.
    Q_PROPERTY(vok::NumIOEnums::TInFormat InputFormat READ GetInputFormat WRITE SetInputFormat)
    /// Decimals of the itFloat and itFixPoint formats (1..15).
    Q_PROPERTY(int FixPointDecPlaces READ GetFixPointDecPlaces WRITE SetFixPointDecPlaces)
    /// Lower end of the valid range.
    Q_PROPERTY(double RangeLow READ GetRangeLow WRITE SetRangeLow)
    /// Upper end of the valid range.
    Q_PROPERTY(double RangeHigh READ GetRangeHigh WRITE SetRangeHigh)
    /// Which decimal separators are accepted and written.
    Q_PROPERTY(vok::BaseEnums::TDecPSep DecPlaceSep READ GetDecPlaceSep WRITE SetDecPlaceSep)
    /// Whether a rejected key beeps.
    Q_PROPERTY(bool Beep READ GetBeep WRITE SetBeep)
    /// The number, read from and written to the text in the input format.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue NOTIFY valueChanged STORED false)

public:
    /// The range is [-uc_MaxDouble, uc_MaxDouble] on a designing owner and
    /// [0, 0] otherwise, until the host sets it.
    explicit TNumIO(QWidget* AOwner = nullptr);
    ~TNumIO() override;

    /// How the number is written and typed; changing it rewrites the value in the new format.
    ///@{
    TInFormat GetInputFormat() const;
    void SetInputFormat(TInFormat Value);
    ///@}
    /// 1..8.
    ///@{
    int GetFixPointDecPlaces() const;
    void SetFixPointDecPlaces(int Value);
    ///@}
    /// A bound set beyond the other one swaps places with it.
    ///@{
    double GetRangeLow() const { return FMinimum; }
    void SetRangeLow(double Value);
    ///@}
    /// Upper end of the valid range.
    ///@{
    double GetRangeHigh() const { return FMaximum; }
    void SetRangeHigh(double Value);
    ///@}
    /// Which decimal separators are accepted and written.
    ///@{
    TDecPSep GetDecPlaceSep() const;
    void SetDecPlaceSep(TDecPSep Value);
    ///@}
    /// Whether a rejected key beeps.
    ///@{
    bool GetBeep() const { return FBeep; }
    void SetBeep(bool Value) { FBeep = Value; }
    ///@}

    /// The value of the text (0 when it is no number); writing it formats
    /// the number by the input format without check and without OnChange.
    ///@{
    double GetValue() const;
    void SetValue(double Value);
    ///@}

    /// Whether Text is a whole number of the input format; Value receives it.
    bool ConvertNumString(const QString& Text, double& Value) const;
    /// Sets the text without running the check.
    void SetEditText(const QString& Text);
    /// The check after every change of the text.
    void Change() override;

    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

Q_SIGNALS:
    void valueChanged(double Value); ///< Emitted when Value changes.

private:
    /// Forgets the accepted text and checks the current one again.
    void Recheck();
    /// The check of Change(): keeps the text or puts the last accepted one back.
    void CheckText();

    std::unique_ptr<TNumIOTextFormat> FFormat;
    QString FOldText;
    bool FInternalChg = false;
    bool FBeep = false;
    double FMinimum = 0.0;
    double FMaximum = 0.0;
    double FNotifiedValue = 0.0;
};

} // namespace vok
