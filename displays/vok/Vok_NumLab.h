// Numeric label: a left caption, a framed box showing a number in one of
// fifteen display types, and a right caption. Read-only; paints onto its parent.
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

enum TDisplay {
    dtFloat,     // Precision significant digits
    dtFixP,      // Precision decimals
    dtExp,       // scientific, Precision decimals
    dtHex,       // 32-bit digits, at least Precision of them
    dtZeroInt,   // the rounded value, zero-padded to Precision digits
    dtInt,       // the rounded value (halves to even)
    dtDateTime,  // the value as a date and time, written by DTFormat
    dtState,     // entry Round(Value) of StateText split at "|"
    dtBin,       // as dtHex in base 2
    dtOct,       // as dtHex in base 8
    dtDeg,       // degrees
    dtDegMin,    // degrees and minutes
    dtDegMinSec, // degrees, minutes and seconds
    dtEEng,      // engineering notation
    dtEEngNoDP,  // engineering notation with an SI prefix letter
};
Q_ENUM_NS(TDisplay)
} // namespace NumLabEnums

// Called with the number text before it is drawn; the handler may change it.
using TBeforeDisplayEvent = std::function<void(QObject* Sender, QString& Text)>;

// How a TNumLab writes its number.
struct VOK_EXPORT TNumLabFormat
{
    TDisplay DisplayType = dtFixP;
    int Precision = 2;
    bool Comma = false;
    bool ForcePlusSign = false;
    QString StateText = QStringLiteral("undefined");
    QString DTFormat = QStringLiteral("mmm-dd, yyyy");
};

// The number text of Value before OnBeforeDisplay, the separator and plus
// rules applied; std::nullopt when the display type cannot show the value
// (an integer type beyond its range, a date beyond the calendar, NaN).
VOK_EXPORT std::optional<QString> NumLabText(const TNumLabFormat& Format, double Value);

class VOK_EXPORT TNumLab : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment RESET ResetAlignment)
    Q_PROPERTY(quint32 ColorLabBakG READ GetColorLabBakG WRITE SetColorLabBakG RESET ResetColorLabBakG)
    Q_PROPERTY(quint32 ColorLabText READ GetColorLabText WRITE SetColorLabText RESET ResetColorLabText)
    Q_PROPERTY(quint32 ColorOutBakG READ GetColorOutBakG WRITE SetColorOutBakG RESET ResetColorOutBakG)
    Q_PROPERTY(quint32 ColorOutText READ GetColorOutText WRITE SetColorOutText RESET ResetColorOutText)
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    Q_PROPERTY(bool Comma READ GetComma WRITE SetComma RESET ResetComma)
    Q_PROPERTY(vok::NumLabEnums::TDisplay DisplayType READ GetDisplayType WRITE SetDisplayType RESET ResetDisplayType)
    Q_PROPERTY(QString DTFormat READ GetDTFormat WRITE SetDTFormat RESET ResetDTFormat)
    Q_PROPERTY(bool Empty READ GetEmpty WRITE SetEmpty RESET ResetEmpty)
    Q_PROPERTY(bool ForcePlusSign READ GetForcePlusSign WRITE SetForcePlusSign RESET ResetForcePlusSign)
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    Q_PROPERTY(int LabelWidth READ GetLabelWidth WRITE SetLabelWidth RESET ResetLabelWidth)
    Q_PROPERTY(int LeftSpace READ GetLeftSpace WRITE SetLeftSpace RESET ResetLeftSpace)
    Q_PROPERTY(QString LeftText READ GetLeftText WRITE SetLeftText RESET ResetLeftText)
    Q_PROPERTY(QString RightText READ GetRightText WRITE SetRightText RESET ResetRightText)
    Q_PROPERTY(vok::InputEnums::TAlignment LeftTextAlignment READ GetLeftTextAlignment WRITE SetLeftTextAlignment RESET ResetLeftTextAlignment)
    Q_PROPERTY(vok::InputEnums::TAlignment RightTextAlignment READ GetRightTextAlignment WRITE SetRightTextAlignment RESET ResetRightTextAlignment)
    Q_PROPERTY(QString OverflowIndicator READ GetOverflowIndicator WRITE SetOverflowIndicator RESET ResetOverflowIndicator)
    Q_PROPERTY(int Precision READ GetPrecision WRITE SetPrecision RESET ResetPrecision)
    Q_PROPERTY(QString StateText READ GetStateText WRITE SetStateText RESET ResetStateText)
    Q_PROPERTY(bool Transparent READ GetTransparent WRITE SetTransparent RESET ResetTransparent)
    Q_PROPERTY(double Value READ GetValue WRITE SetValue RESET ResetValue)

public:
    explicit TNumLab(QWidget* AOwner = nullptr);
    ~TNumLab() override;

    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TColor GetColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor Value);
    TColor GetColorLabText() const { return FColorLabText; }
    void SetColorLabText(TColor Value);
    TColor GetColorOutBakG() const { return FColorOutBakG; }
    void SetColorOutBakG(TColor Value);
    TColor GetColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor Value);
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    bool GetComma() const { return FFormat.Comma; }
    void SetComma(bool Value);
    TDisplay GetDisplayType() const { return FFormat.DisplayType; }
    void SetDisplayType(TDisplay Value);
    QString GetDTFormat() const { return FFormat.DTFormat; }
    void SetDTFormat(const QString& Value);
    bool GetEmpty() const { return FEmpty; }
    void SetEmpty(bool Value);
    bool GetForcePlusSign() const { return FFormat.ForcePlusSign; }
    void SetForcePlusSign(bool Value);
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    int GetLabelWidth() const { return FLabWidth; }
    void SetLabelWidth(int Value);
    int GetLeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int Value); // negative ignored, at most Width
    QString GetLeftText() const { return FLeftText; }
    void SetLeftText(const QString& Value);
    QString GetRightText() const { return FRightText; }
    void SetRightText(const QString& Value);
    TAlignment GetLeftTextAlignment() const { return FLTAlignment; }
    void SetLeftTextAlignment(TAlignment Value);
    TAlignment GetRightTextAlignment() const { return FRTAlignment; }
    void SetRightTextAlignment(TAlignment Value);
    QString GetOverflowIndicator() const { return FOverFlowIndi; }
    void SetOverflowIndicator(const QString& Value);
    int GetPrecision() const { return FFormat.Precision; }
    void SetPrecision(int Value); // negative ignored, at most 15
    QString GetStateText() const { return FFormat.StateText; }
    void SetStateText(const QString& Value);
    bool GetTransparent() const { return FTransParent; }
    void SetTransparent(bool Value);
    double GetValue() const { return FLabValue; }
    void SetValue(double Value);

    // The black, gray and white line colors of the box frame.
    TColor GetColBlackLine() const { return FColBlackLine; }
    TColor GetColGrayLine() const { return FColGrayLine; }
    TColor GetColWhiteLine() const { return FColWhiteLine; }

    // Where the mouse was last: 0 left caption, 1 box, 2 right caption.
    int GetMouseAreaCode() const { return FMouseAreaCode; }
    // The text the box showed at the last paint (after the hook and the
    // overflow test; empty while Empty).
    QString GetDisplayedText() const { return FDisplayedText; }

    void SetEnabled(bool Value) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Static text: the left text names the number shown, the right text
    // (a unit) follows it in the value text.
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    QString AccessibleValueText() const override;

    TBeforeDisplayEvent OnBeforeDisplay;

protected:
    void FontChanged() override;

private:
    class Painter;

    template <class T>
    void StoreAndPaint(T& Field, T Value);

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
