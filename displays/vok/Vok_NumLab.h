/// Numeric label: a left caption, a framed box showing a number in one of
/// fifteen display types, and a right caption. Read-only; paints onto its parent. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/vok_export.h>

#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace vok {

inline namespace NumLabEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// How TNumLab writes its value.
enum TDisplay {
    dtFloat,     ///< Precision significant digits
    dtFixP,      ///< Precision decimals
    dtExp,       ///< scientific, Precision decimals
    dtHex,       ///< 32-bit digits, at least Precision of them
    dtZeroInt,   ///< the rounded value, zero-padded to Precision digits
    dtInt,       ///< the rounded value (halves to even)
    dtDateTime,  ///< the value as a date and time, written by DTFormat
    dtState,     ///< entry Round(Value) of StateText split at "|"
    dtBin,       ///< as dtHex in base 2
    dtOct,       ///< as dtHex in base 8
    dtDeg,       ///< degrees
    dtDegMin,    ///< degrees and minutes
    dtDegMinSec, ///< degrees, minutes and seconds
    dtEEng,      ///< engineering notation
    dtEEngNoDP,  ///< engineering notation with an SI prefix letter
};
Q_ENUM_NS(TDisplay)
} // namespace NumLabEnums

/// Called with the number text before it is drawn; the handler may change it.
using TBeforeDisplayEvent = std::function<void(QObject* Sender, QString& Text)>;

/// How a TNumLab writes its number.
struct VOK_EXPORT TNumLabFormat
{
    TDisplay DisplayType = dtFixP; ///< The display type.
    int Precision = 2; ///< Significant digits, decimals or minimum digit count, by display type.
    bool Comma = false; ///< Whether the decimal separator is ",".
    bool ForcePlusSign = false; ///< Whether positive numbers get a "+".
    QString StateText = QStringLiteral("undefined"); ///< The texts of dtState, separated by "|".
    QString DTFormat = QStringLiteral("mmm-dd, yyyy"); ///< The date and time format of dtDateTime.
};

/// The number text of Value before OnBeforeDisplay, the separator and plus
/// rules applied; std::nullopt when the display type cannot show the value
/// (an integer type beyond its range, a date beyond the calendar, NaN).
VOK_EXPORT std::optional<QString> NumLabText(const TNumLabFormat& Format, double Value);

/// A read-only numeric label: a left caption, a framed box with the number in one of fifteen display types, and a right caption.
class VOK_EXPORT TNumLab : public TGraphicControl
{
    Q_OBJECT
    /// Alignment of the number in the box.
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment RESET ResetAlignment)
    /// Background color of the box.
    Q_PROPERTY(quint32 ColorLabBakG READ GetColorLabBakG WRITE SetColorLabBakG RESET ResetColorLabBakG)
    /// Color of the number.
    Q_PROPERTY(quint32 ColorLabText READ GetColorLabText WRITE SetColorLabText RESET ResetColorLabText)
    /// Background color outside the box.
    Q_PROPERTY(quint32 ColorOutBakG READ GetColorOutBakG WRITE SetColorOutBakG RESET ResetColorOutBakG)
    /// Color of the captions.
    Q_PROPERTY(quint32 ColorOutText READ GetColorOutText WRITE SetColorOutText RESET ResetColorOutText)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    /// Whether the decimal separator shown is "," instead of ".".
    Q_PROPERTY(bool Comma READ GetComma WRITE SetComma RESET ResetComma)
    /// How the value is written: float, fixed point, exponent, hex, integer, date and time, state text, binary ...
    Q_PROPERTY(vok::NumLabEnums::TDisplay DisplayType READ GetDisplayType WRITE SetDisplayType RESET ResetDisplayType)
    /// The date and time format of dtDateTime.
    Q_PROPERTY(QString DTFormat READ GetDTFormat WRITE SetDTFormat RESET ResetDTFormat)
    /// Whether the box is drawn without a number.
    Q_PROPERTY(bool Empty READ GetEmpty WRITE SetEmpty RESET ResetEmpty)
    /// Whether positive numbers get a "+".
    Q_PROPERTY(bool ForcePlusSign READ GetForcePlusSign WRITE SetForcePlusSign RESET ResetForcePlusSign)
    /// Frame of the box.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Width of the box in pixels.
    Q_PROPERTY(int LabelWidth READ GetLabelWidth WRITE SetLabelWidth RESET ResetLabelWidth)
    /// Width of the left caption area; the box starts there.
    Q_PROPERTY(int LeftSpace READ GetLeftSpace WRITE SetLeftSpace RESET ResetLeftSpace)
    /// Caption left of the box.
    Q_PROPERTY(QString LeftText READ GetLeftText WRITE SetLeftText RESET ResetLeftText)
    /// Caption right of the box.
    Q_PROPERTY(QString RightText READ GetRightText WRITE SetRightText RESET ResetRightText)
    /// Alignment of the left caption.
    Q_PROPERTY(vok::InputEnums::TAlignment LeftTextAlignment READ GetLeftTextAlignment WRITE SetLeftTextAlignment RESET ResetLeftTextAlignment)
    /// Alignment of the right caption.
    Q_PROPERTY(vok::InputEnums::TAlignment RightTextAlignment READ GetRightTextAlignment WRITE SetRightTextAlignment RESET ResetRightTextAlignment)
    /// Text shown when the number does not fit the box.
    Q_PROPERTY(QString OverflowIndicator READ GetOverflowIndicator WRITE SetOverflowIndicator RESET ResetOverflowIndicator)
    /// Digits of the display type: significant digits, decimals or the minimum digit count.
    Q_PROPERTY(int Precision READ GetPrecision WRITE SetPrecision RESET ResetPrecision)
    /// The texts of dtState, separated by "|"; the rounded value picks one.
    Q_PROPERTY(QString StateText READ GetStateText WRITE SetStateText RESET ResetStateText)
    /// Whether the parent shows through the background.
    Q_PROPERTY(bool Transparent READ GetTransparent WRITE SetTransparent RESET ResetTransparent)
    /// The number shown.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue RESET ResetValue)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TNumLab(QWidget* AOwner = nullptr);
    ~TNumLab() override;

    /// Alignment of the number in the box.
    ///@{
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    ///@}
    /// Background color of the box.
    ///@{
    TColor GetColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor Value);
    ///@}
    /// Color of the number.
    ///@{
    TColor GetColorLabText() const { return FColorLabText; }
    void SetColorLabText(TColor Value);
    ///@}
    /// Background color outside the box.
    ///@{
    TColor GetColorOutBakG() const { return FColorOutBakG; }
    void SetColorOutBakG(TColor Value);
    ///@}
    /// Color of the captions.
    ///@{
    TColor GetColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Whether the decimal separator shown is "," instead of ".".
    ///@{
    bool GetComma() const { return FFormat.Comma; }
    void SetComma(bool Value);
    ///@}
    /// How the value is written: float, fixed point, exponent, hex, integer, date and time, state text, binary ...
    ///@{
    TDisplay GetDisplayType() const { return FFormat.DisplayType; }
    void SetDisplayType(TDisplay Value);
    ///@}
    /// The date and time format of dtDateTime.
    ///@{
    QString GetDTFormat() const { return FFormat.DTFormat; }
    void SetDTFormat(const QString& Value);
    ///@}
    /// Whether the box is drawn without a number.
    ///@{
    bool GetEmpty() const { return FEmpty; }
    void SetEmpty(bool Value);
    ///@}
    /// Whether positive numbers get a "+".
    ///@{
    bool GetForcePlusSign() const { return FFormat.ForcePlusSign; }
    void SetForcePlusSign(bool Value);
    ///@}
    /// Frame of the box.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Width of the box in pixels.
    ///@{
    int GetLabelWidth() const { return FLabWidth; }
    void SetLabelWidth(int Value);
    ///@}
    /// Width of the left caption area; the box starts there.
    ///@{
    int GetLeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int Value); ///< negative ignored, at most Width
    ///@}
    /// Caption left of the box.
    ///@{
    QString GetLeftText() const { return FLeftText; }
    void SetLeftText(const QString& Value);
    ///@}
    /// Caption right of the box.
    ///@{
    QString GetRightText() const { return FRightText; }
    void SetRightText(const QString& Value);
    ///@}
    /// Alignment of the left caption.
    ///@{
    TAlignment GetLeftTextAlignment() const { return FLTAlignment; }
    void SetLeftTextAlignment(TAlignment Value);
    ///@}
    /// Alignment of the right caption.
    ///@{
    TAlignment GetRightTextAlignment() const { return FRTAlignment; }
    void SetRightTextAlignment(TAlignment Value);
    ///@}
    /// Text shown when the number does not fit the box.
    ///@{
    QString GetOverflowIndicator() const { return FOverFlowIndi; }
    void SetOverflowIndicator(const QString& Value);
    ///@}
    /// Digits of the display type: significant digits, decimals or the minimum digit count.
    ///@{
    int GetPrecision() const { return FFormat.Precision; }
    void SetPrecision(int Value); ///< negative ignored, at most 15
    ///@}
    /// The texts of dtState, separated by "|"; the rounded value picks one.
    ///@{
    QString GetStateText() const { return FFormat.StateText; }
    void SetStateText(const QString& Value);
    ///@}
    /// Whether the parent shows through the background.
    ///@{
    bool GetTransparent() const { return FTransParent; }
    void SetTransparent(bool Value);
    ///@}
    /// The number shown.
    ///@{
    double GetValue() const { return FLabValue; }
    void SetValue(double Value);
    ///@}

    /// The black, gray and white line colors of the box frame.
    ///@{
    TColor GetColBlackLine() const { return FColBlackLine; }
    TColor GetColGrayLine() const { return FColGrayLine; }
    TColor GetColWhiteLine() const { return FColWhiteLine; }
    ///@}

    /// Where the mouse was last: 0 left caption, 1 box, 2 right caption.
    int GetMouseAreaCode() const { return FMouseAreaCode; }
    /// The text the box showed at the last paint (after the hook and the
    /// overflow test; empty while Empty).
    QString GetDisplayedText() const { return FDisplayedText; }

    void SetEnabled(bool Value) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    /// Static text: the left text names the number shown, the right text
    /// (a unit) follows it in the value text.
    ///@{
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    QString AccessibleValueText() const override;
    ///@}

    TBeforeDisplayEvent OnBeforeDisplay; ///< Called with the text about to be shown; the handler may change it.

protected:
    void FontChanged() override;

private:
    class Painter;

    void ResetAlignment() { SetAlignment(taCenter); }
    void ResetColorLabBakG() { SetColorLabBakG(clBtnFace); }
    void ResetColorLabText() { SetColorLabText(0x000000); }
    void ResetColorOutBakG() { SetColorOutBakG(clBtnFace); }
    void ResetColorOutText() { SetColorOutText(0x000000); }
    void ResetColorScheme() { SetColorScheme(csClassic); }
    void ResetComma() { SetComma(false); }
    void ResetDisplayType() { SetDisplayType(dtFixP); }
    void ResetDTFormat() { SetDTFormat(QStringLiteral("mmm-dd, yyyy")); }
    void ResetEmpty() { SetEmpty(false); }
    void ResetForcePlusSign() { SetForcePlusSign(false); }
    void ResetFrameStyle() { SetFrameStyle(fsLowered); }
    void ResetLabelWidth() { SetLabelWidth(80); }
    void ResetLeftSpace() { SetLeftSpace(35); }
    void ResetLeftText() { SetLeftText(QString()); }
    void ResetRightText() { SetRightText(QString()); }
    void ResetLeftTextAlignment() { SetLeftTextAlignment(taRightJustify); }
    void ResetRightTextAlignment() { SetRightTextAlignment(taLeftJustify); }
    void ResetOverflowIndicator() { SetOverflowIndicator(QStringLiteral("*********")); }
    void ResetPrecision() { SetPrecision(2); }
    void ResetStateText() { SetStateText(QStringLiteral("undefined")); }
    void ResetTransparent() { SetTransparent(false); }
    void ResetValue() { SetValue(0.0); }

    int FLeftSpace = 35;
    bool FEmpty = false;
    int FLabWidth = 80;
    bool FTransParent = false;
    QString FLeftText;
    QString FRightText;
    TFrameStyle FFrameStyle = fsLowered;
    TAlignment FAlignment = taCenter;
    TAlignment FLTAlignment = taRightJustify;
    TAlignment FRTAlignment = taLeftJustify;
    int FMouseAreaCode = 0;
    QString FOverFlowIndi = QStringLiteral("*********");
    double FLabValue = 0.0;
    TColor FColorLabBakG = clBtnFace;
    TColor FColorLabText = 0x000000;
    TColor FColorOutBakG = clBtnFace;
    TColor FColorOutText = 0x000000;
    TColor FColBlackLine = 0x000000;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    TColorScheme FColorScheme = csClassic;
    TNumLabFormat FFormat;
    QString FDisplayedText;
    std::unique_ptr<TBitmap> FLabBmp;
};

} // namespace vok
