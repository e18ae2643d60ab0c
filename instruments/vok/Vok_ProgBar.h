/// Progress bar: a bar inside margins and two bevel frames, in one color or a
/// gradient from a 1024-entry color table, with grid lines, a background image,
/// a rotated value text and a timer that can advance the value by itself. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_timers.h>
#include <vok/vok_export.h>

#include <QObject>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace vok {

inline namespace ProgBarEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// How the gradient meets the bar: cgmCover reveals a gradient fixed to the
/// inner area, cgmStretch squeezes the whole gradient into the bar, cgmMove
/// keeps the last color at the bar's moving end.
enum TColorMapping { cgmCover, cgmStretch, cgmMove };
Q_ENUM_NS(TColorMapping)
} // namespace ProgBarEnums

/// Raised when the progress bar's timer cannot be started.
class VOK_EXPORT EVOKProgBar : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// Called with the value text before it is drawn; the handler may change it.
using TBeforeShowValueEvent = std::function<void(QObject* Sender, QString& ValueText)>;

/// A progress bar in four directions, in one color or a color gradient, with an optional timer that advances it.
class VOK_EXPORT TProgBar : public TGraphicControl
{
    Q_OBJECT
    /// Whether the timer advances Value by AutoIncStep by itself, after StartInterval and then every RepeatInterval.
    Q_PROPERTY(bool AutoInc READ GetAutoInc WRITE SetAutoInc RESET ResetAutoInc)
    /// What each timer tick adds to Value; 0 is refused.
    Q_PROPERTY(double AutoIncStep READ GetAutoIncStep WRITE SetAutoIncStep RESET ResetAutoIncStep)
    /// File name of an image drawn behind the bar; empty for none.
    Q_PROPERTY(QString BackGroundImg READ GetBackGroundImg WRITE SetBackGroundImg RESET ResetBackGroundImg)
    /// Color of the inner area behind the bar.
    Q_PROPERTY(quint32 ColorBackGnd READ GetColorBackGnd WRITE SetColorBackGnd RESET ResetColorBackGnd)
    /// How the color gradient meets the bar.
    Q_PROPERTY(vok::ProgBarEnums::TColorMapping ColorMapMode READ GetColorMapMode WRITE SetColorMapMode RESET ResetColorMapMode)
    /// Color of the grid lines.
    Q_PROPERTY(quint32 ColorGrid READ GetColorGrid WRITE SetColorGrid RESET ResetColorGrid)
    /// Color of the margin between the outer edge and the inner area.
    Q_PROPERTY(quint32 ColorMargin READ GetColorMargin WRITE SetColorMargin RESET ResetColorMargin)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    /// Color at the bar's start: entry 0 of the color table.
    Q_PROPERTY(quint32 ColorMin READ GetColorMin WRITE SetColorMin RESET ResetColorMin)
    /// Color at the bar's full end: entry 1023 of the color table.
    Q_PROPERTY(quint32 ColorMax READ GetColorMax WRITE SetColorMax RESET ResetColorMax)
    /// The direction in which the bar grows.
    Q_PROPERTY(vok::BaseEnums::TDirection Direction READ GetDirection WRITE SetDirection RESET ResetDirection)
    /// Bevel around the whole control.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyleOuter READ GetFrameStyleOuter WRITE SetFrameStyleOuter RESET ResetFrameStyleOuter)
    /// Bevel around the inner area.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyleInner READ GetFrameStyleInner WRITE SetFrameStyleInner RESET ResetFrameStyleInner)
    /// Spacing of the grid lines in pixels; 1 or less: no grid.
    Q_PROPERTY(int GridDist READ GetGridDist WRITE SetGridDist RESET ResetGridDist)
    /// Bottom margin between the outer frame and the inner area, in pixels.
    Q_PROPERTY(int MarginBottom READ GetMarginBottom WRITE SetMarginBottom RESET ResetMarginBottom)
    /// Left margin between the outer frame and the inner area, in pixels.
    Q_PROPERTY(int MarginLeft READ GetMarginLeft WRITE SetMarginLeft RESET ResetMarginLeft)
    /// Right margin between the outer frame and the inner area, in pixels.
    Q_PROPERTY(int MarginRight READ GetMarginRight WRITE SetMarginRight RESET ResetMarginRight)
    /// Top margin between the outer frame and the inner area, in pixels.
    Q_PROPERTY(int MarginTop READ GetMarginTop WRITE SetMarginTop RESET ResetMarginTop)
    /// The value of a full bar.
    Q_PROPERTY(double Max READ GetMax WRITE SetMax RESET ResetMax)
    /// The value of an empty bar.
    Q_PROPERTY(double Min READ GetMin WRITE SetMin RESET ResetMin)
    /// Milliseconds between the timer's ticks after the first one (at least 10).
    Q_PROPERTY(int RepeatInterval READ GetRepeatInterval WRITE SetRepeatInterval RESET ResetRepeatInterval)
    /// Whether the bar shows the color gradient of the color table instead of ColorMax alone.
    Q_PROPERTY(bool ShowColorGradient READ GetShowColorGradient WRITE SetShowColorGradient RESET ResetShowColorGradient)
    /// Milliseconds before the timer's first tick (at least 10).
    Q_PROPERTY(int StartInterval READ GetStartInterval WRITE SetStartInterval RESET ResetStartInterval)
    /// How the value text is aligned at its position.
    Q_PROPERTY(vok::InputEnums::TAlignment TextAlignment READ GetTextAlignment WRITE SetTextAlignment RESET ResetTextAlignment)
    /// Angle of the value text in degrees, counterclockwise (0..360).
    Q_PROPERTY(int TextAngle READ GetTextAngle WRITE SetTextAngle RESET ResetTextAngle)
    /// Decimals of the value text (0..10); -1 exponent form, -2 engineering notation.
    Q_PROPERTY(int TextDecPlaces READ GetTextDecPlaces WRITE SetTextDecPlaces RESET ResetTextDecPlaces)
    /// Horizontal position of the value text in pixels (0..Width).
    Q_PROPERTY(int TextPosX READ GetTextPosX WRITE SetTextPosX RESET ResetTextPosX)
    /// Vertical position of the value text in pixels (0..Height).
    Q_PROPERTY(int TextPosY READ GetTextPosY WRITE SetTextPosY RESET ResetTextPosY)
    /// Whether the value text is shown.
    Q_PROPERTY(bool TextVisible READ GetTextVisible WRITE SetTextVisible RESET ResetTextVisible)
    /// The value the bar shows; not limited to Min .. Max.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue RESET ResetValue NOTIFY valueChanged)

public:
    static constexpr int BarColorCount = 1024; ///< The number of entries of the color table.

    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TProgBar(QWidget* AOwner = nullptr);
    ~TProgBar() override;

    /// Whether the timer advances Value by AutoIncStep by itself, after StartInterval and then every RepeatInterval.
    ///@{
    bool GetAutoInc() const { return FAutoInc; }
    void SetAutoInc(bool Value);
    ///@}
    /// What each timer tick adds to Value; 0 is refused.
    ///@{
    double GetAutoIncStep() const { return FAutoIncStep; }
    void SetAutoIncStep(double Value); ///< 0 (and NaN) refused
    ///@}
    /// File name of an image drawn behind the bar; empty for none.
    ///@{
    QString GetBackGroundImg() const { return FBackGroundImg; }
    /// Loads the image file; a file that cannot be loaded keeps the previous
    /// name and image. An empty name removes the image. Always repaints.
    void SetBackGroundImg(const QString& Value);
    ///@}
    /// Color of the inner area behind the bar.
    ///@{
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor Value);
    ///@}
    /// How the color gradient meets the bar.
    ///@{
    TColorMapping GetColorMapMode() const { return FColorMapMode; }
    void SetColorMapMode(TColorMapping Value);
    ///@}
    /// Color of the grid lines.
    ///@{
    TColor GetColorGrid() const { return FColorGrid; }
    void SetColorGrid(TColor Value);
    ///@}
    /// Color of the margin between the outer edge and the inner area.
    ///@{
    TColor GetColorMargin() const { return FColorMargin; }
    void SetColorMargin(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Table entries 0 and 1023; setting one interpolates entries 1 .. 1022
    /// again (system colors by their present RGB value).
    ///@{
    TColor GetColorMin() const { return FColorMin; }
    void SetColorMin(TColor Value);
    ///@}
    /// Color at the bar's full end: entry 1023 of the color table.
    ///@{
    TColor GetColorMax() const { return FColorMax; }
    void SetColorMax(TColor Value);
    ///@}
    /// The direction in which the bar grows.
    ///@{
    TDirection GetDirection() const { return FDirection; }
    void SetDirection(TDirection Value);
    ///@}
    /// Bevel around the whole control.
    ///@{
    TFrameStyle GetFrameStyleOuter() const { return FFrameStyleOuter; }
    void SetFrameStyleOuter(TFrameStyle Value);
    ///@}
    /// Bevel around the inner area.
    ///@{
    TFrameStyle GetFrameStyleInner() const { return FFrameStyleInner; }
    void SetFrameStyleInner(TFrameStyle Value);
    ///@}
    /// Spacing of the grid lines in pixels; 1 or less: no grid.
    ///@{
    int GetGridDist() const { return FGridDist; }
    void SetGridDist(int Value); ///< 1 or less: no grid
    ///@}
    /// Bottom margin between the outer frame and the inner area, in pixels.
    ///@{
    int GetMarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int Value);
    ///@}
    /// Left margin between the outer frame and the inner area, in pixels.
    ///@{
    int GetMarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(int Value);
    ///@}
    /// Right margin between the outer frame and the inner area, in pixels.
    ///@{
    int GetMarginRight() const { return FMarginRight; }
    void SetMarginRight(int Value);
    ///@}
    /// Top margin between the outer frame and the inner area, in pixels.
    ///@{
    int GetMarginTop() const { return FMarginTop; }
    void SetMarginTop(int Value);
    ///@}
    /// The value of a full bar.
    ///@{
    double GetMax() const { return FMax; }
    void SetMax(double Value);
    ///@}
    /// The value of an empty bar.
    ///@{
    double GetMin() const { return FMin; }
    void SetMin(double Value);
    ///@}
    /// Milliseconds between the timer's ticks after the first one (at least 10).
    ///@{
    int GetRepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int Value); ///< at least 10 ms
    ///@}
    /// Whether the bar shows the color gradient of the color table instead of ColorMax alone.
    ///@{
    bool GetShowColorGradient() const { return FShowColorGradient; }
    void SetShowColorGradient(bool Value);
    ///@}
    /// Milliseconds before the timer's first tick (at least 10).
    ///@{
    int GetStartInterval() const { return FStartInterval; }
    void SetStartInterval(int Value); ///< at least 10 ms
    ///@}
    /// How the value text is aligned at its position.
    ///@{
    TAlignment GetTextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment Value);
    ///@}
    /// Angle of the value text in degrees, counterclockwise (0..360).
    ///@{
    int GetTextAngle() const { return FTextAngle; }
    void SetTextAngle(int Value); ///< 0..360 degrees, counterclockwise
    ///@}
    /// Decimals of the value text (0..10); -1 exponent form, -2 engineering notation.
    ///@{
    int GetTextDecPlaces() const { return FTextDecPlaces; }
    /// 0..10 decimals; -1 exponent form, -2 engineering notation.
    void SetTextDecPlaces(int Value);
    ///@}
    /// Horizontal position of the value text in pixels (0..Width).
    ///@{
    int GetTextPosX() const { return FTextPosX; }
    void SetTextPosX(int Value); ///< 0..Width
    ///@}
    /// Vertical position of the value text in pixels (0..Height).
    ///@{
    int GetTextPosY() const { return FTextPosY; }
    void SetTextPosY(int Value); ///< 0..Height
    ///@}
    /// Whether the value text is shown.
    ///@{
    bool GetTextVisible() const { return FTextVisible; }
    void SetTextVisible(bool Value);
    ///@}
    /// The value the bar shows; not limited to Min .. Max.
    ///@{
    double GetValue() const { return FValue; }
    void SetValue(double Value); ///< NaN ignored; not limited to Min .. Max
    ///@}

    /// Stores the smaller of the two as Min and the larger as Max; one repaint.
    void SetRange(double AMin, double AMax);

    /// The color table. Reads outside 0..1023 give 0, writes there are
    /// ignored; a write neither repaints nor interpolates.
    ///@{
    TColor GetBarColors(int Index) const;
    void SetBarColors(int Index, TColor Value);
    ///@}

    /// Stores the handler; outside design time the timer is rearmed with the
    /// repeat interval.
    void SetOnAutoInc(TNotifyEvent Handler);

    /// Arms the timer with the start interval (start phase) or the repeat
    /// interval; both raise EVOKProgBar when the timer is refused.
    ///@{
    void InitTimer();
    void UpdateTimer();
    ///@}
    /// One timer tick: leaves the start phase, advances the value, fires OnAutoInc.
    void DoTimer();
    /// Value + AutoIncStep, repainted.
    void AutoIncEvent();
    const TComponentTimer* GetTimer() const { return FTimer; } ///< The timer that advances the value.
    bool InStartPhase() const { return FStartPhase; } ///< Whether the timer waits for its first tick.

    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    QAccessible::Role AccessibleRole() const override;
    bool AccessibleValue(double& Value, double& Minimum, double& Maximum) const override;

    TNotifyEvent OnAutoInc; ///< Fired at each timer tick after the value advanced; assign it with SetOnAutoInc.
    TBeforeShowValueEvent OnShowValue; ///< Called with the value text before it is drawn; the handler may change it.

Q_SIGNALS:
    void valueChanged(double Value); ///< Emitted when Value changes.
    void autoInc(); ///< Emitted with OnAutoInc.

protected:
    // A palette change moves system colors: the bar colors follow them.
    void PaletteChanged() override;

private:
    class Painter;

    void StoreValue(double Value);
    void InterpolateColorTable();
    void UpdateSizePolicy();

    void ResetAutoInc() { SetAutoInc(false); }
    void ResetAutoIncStep() { SetAutoIncStep(1.0); }
    void ResetBackGroundImg() { SetBackGroundImg(QString()); }
    void ResetColorBackGnd() { SetColorBackGnd(0xC0C0C0); }
    void ResetColorMapMode() { SetColorMapMode(cgmStretch); }
    void ResetColorGrid() { SetColorGrid(0x000000); }
    void ResetColorMargin() { SetColorMargin(0xC0C0C0); }
    void ResetColorScheme() { SetColorScheme(csClassic); }
    void ResetColorMin() { SetColorMin(0xFF0000); }
    void ResetColorMax() { SetColorMax(0x0000FF); }
    void ResetDirection() { SetDirection(drLeftRight); }
    void ResetFrameStyleOuter() { SetFrameStyleOuter(fsRaised); }
    void ResetFrameStyleInner() { SetFrameStyleInner(fsLowered); }
    void ResetGridDist() { SetGridDist(0); }
    void ResetMarginBottom() { SetMarginBottom(4); }
    void ResetMarginLeft() { SetMarginLeft(4); }
    void ResetMarginRight() { SetMarginRight(4); }
    void ResetMarginTop() { SetMarginTop(4); }
    void ResetMax() { SetMax(100.0); }
    void ResetMin() { SetMin(0.0); }
    void ResetRepeatInterval() { SetRepeatInterval(700); }
    void ResetShowColorGradient() { SetShowColorGradient(false); }
    void ResetStartInterval() { SetStartInterval(1500); }
    void ResetTextAlignment() { SetTextAlignment(taCenter); }
    void ResetTextAngle() { SetTextAngle(0); }
    void ResetTextDecPlaces() { SetTextDecPlaces(0); }
    void ResetTextPosX() { SetTextPosX(14); }
    void ResetTextPosY() { SetTextPosY(14); }
    void ResetTextVisible() { SetTextVisible(true); }
    void ResetValue() { SetValue(10.0); }

    bool FAutoInc = false;
    double FAutoIncStep = 1.0;
    QString FBackGroundImg;
    TColor FColorBackGnd = 0xC0C0C0;
    TColorMapping FColorMapMode = cgmStretch;
    TColor FColorGrid = 0x000000;
    TColor FColorMargin = 0xC0C0C0;
    TColorScheme FColorScheme = csClassic;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    TColor FColorMin = 0xFF0000;
    TColor FColorMax = 0x0000FF;
    TDirection FDirection = drLeftRight;
    TFrameStyle FFrameStyleOuter = fsRaised;
    TFrameStyle FFrameStyleInner = fsLowered;
    int FGridDist = 0;
    int FMarginBottom = 4;
    int FMarginLeft = 4;
    int FMarginRight = 4;
    int FMarginTop = 4;
    double FMax = 100.0;
    double FMin = 0.0;
    int FRepeatInterval = 700;
    bool FShowColorGradient = false;
    int FStartInterval = 1500;
    TAlignment FTextAlignment = taCenter;
    int FTextAngle = 0;
    int FTextDecPlaces = 0;
    int FTextPosX = 14;
    int FTextPosY = 14;
    bool FTextVisible = true;
    double FValue = 10.0;

    bool FStartPhase = false;
    std::array<TColor, BarColorCount> FBarColors{};
    TComponentTimer* FTimer;
    std::unique_ptr<TBitmap> AuxBmp;
    /// The off-screen picture Paint renders into, kept between paints.
    std::unique_ptr<TBitmap> FBarBmp;
};

} // namespace vok
