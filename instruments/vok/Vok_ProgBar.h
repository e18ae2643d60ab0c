// Progress bar: a bar inside margins and two bevel frames, in one color or a
// gradient from a 1024-entry color table, with grid lines, a background image,
// a rotated value text and a timer that can advance the value by itself.
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

// How the gradient meets the bar: cgmCover reveals a gradient fixed to the
// inner area, cgmStretch squeezes the whole gradient into the bar, cgmMove
// keeps the last color at the bar's moving end.
enum TColorMapping { cgmCover, cgmStretch, cgmMove };
Q_ENUM_NS(TColorMapping)
} // namespace ProgBarEnums

// Raised when the progress bar's timer cannot be started.
class VOK_EXPORT EVOKProgBar : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

// Called with the value text before it is drawn; the handler may change it.
using TBeforeShowValueEvent = std::function<void(QObject* Sender, QString& ValueText)>;

class VOK_EXPORT TProgBar : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(bool AutoInc READ GetAutoInc WRITE SetAutoInc RESET ResetAutoInc)
    Q_PROPERTY(double AutoIncStep READ GetAutoIncStep WRITE SetAutoIncStep RESET ResetAutoIncStep)
    Q_PROPERTY(QString BackGroundImg READ GetBackGroundImg WRITE SetBackGroundImg RESET ResetBackGroundImg)
    Q_PROPERTY(quint32 ColorBackGnd READ GetColorBackGnd WRITE SetColorBackGnd RESET ResetColorBackGnd)
    Q_PROPERTY(vok::ProgBarEnums::TColorMapping ColorMapMode READ GetColorMapMode WRITE SetColorMapMode RESET ResetColorMapMode)
    Q_PROPERTY(quint32 ColorGrid READ GetColorGrid WRITE SetColorGrid RESET ResetColorGrid)
    Q_PROPERTY(quint32 ColorMargin READ GetColorMargin WRITE SetColorMargin RESET ResetColorMargin)
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    Q_PROPERTY(quint32 ColorMin READ GetColorMin WRITE SetColorMin RESET ResetColorMin)
    Q_PROPERTY(quint32 ColorMax READ GetColorMax WRITE SetColorMax RESET ResetColorMax)
    Q_PROPERTY(vok::BaseEnums::TDirection Direction READ GetDirection WRITE SetDirection RESET ResetDirection)
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyleOuter READ GetFrameStyleOuter WRITE SetFrameStyleOuter RESET ResetFrameStyleOuter)
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyleInner READ GetFrameStyleInner WRITE SetFrameStyleInner RESET ResetFrameStyleInner)
    Q_PROPERTY(int GridDist READ GetGridDist WRITE SetGridDist RESET ResetGridDist)
    Q_PROPERTY(int MarginBottom READ GetMarginBottom WRITE SetMarginBottom RESET ResetMarginBottom)
    Q_PROPERTY(int MarginLeft READ GetMarginLeft WRITE SetMarginLeft RESET ResetMarginLeft)
    Q_PROPERTY(int MarginRight READ GetMarginRight WRITE SetMarginRight RESET ResetMarginRight)
    Q_PROPERTY(int MarginTop READ GetMarginTop WRITE SetMarginTop RESET ResetMarginTop)
    Q_PROPERTY(double Max READ GetMax WRITE SetMax RESET ResetMax)
    Q_PROPERTY(double Min READ GetMin WRITE SetMin RESET ResetMin)
    Q_PROPERTY(int RepeatInterval READ GetRepeatInterval WRITE SetRepeatInterval RESET ResetRepeatInterval)
    Q_PROPERTY(bool ShowColorGradient READ GetShowColorGradient WRITE SetShowColorGradient RESET ResetShowColorGradient)
    Q_PROPERTY(int StartInterval READ GetStartInterval WRITE SetStartInterval RESET ResetStartInterval)
    Q_PROPERTY(vok::InputEnums::TAlignment TextAlignment READ GetTextAlignment WRITE SetTextAlignment RESET ResetTextAlignment)
    Q_PROPERTY(int TextAngle READ GetTextAngle WRITE SetTextAngle RESET ResetTextAngle)
    Q_PROPERTY(int TextDecPlaces READ GetTextDecPlaces WRITE SetTextDecPlaces RESET ResetTextDecPlaces)
    Q_PROPERTY(int TextPosX READ GetTextPosX WRITE SetTextPosX RESET ResetTextPosX)
    Q_PROPERTY(int TextPosY READ GetTextPosY WRITE SetTextPosY RESET ResetTextPosY)
    Q_PROPERTY(bool TextVisible READ GetTextVisible WRITE SetTextVisible RESET ResetTextVisible)
    Q_PROPERTY(double Value READ GetValue WRITE SetValue RESET ResetValue NOTIFY valueChanged)

public:
    static constexpr int BarColorCount = 1024;

    explicit TProgBar(QWidget* AOwner = nullptr);
    ~TProgBar() override;

    bool GetAutoInc() const { return FAutoInc; }
    void SetAutoInc(bool Value);
    double GetAutoIncStep() const { return FAutoIncStep; }
    void SetAutoIncStep(double Value); // 0 (and NaN) refused
    QString GetBackGroundImg() const { return FBackGroundImg; }
    // Loads the image file; a file that cannot be loaded keeps the previous
    // name and image. An empty name removes the image. Always repaints.
    void SetBackGroundImg(const QString& Value);
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor Value);
    TColorMapping GetColorMapMode() const { return FColorMapMode; }
    void SetColorMapMode(TColorMapping Value);
    TColor GetColorGrid() const { return FColorGrid; }
    void SetColorGrid(TColor Value);
    TColor GetColorMargin() const { return FColorMargin; }
    void SetColorMargin(TColor Value);
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    // Table entries 0 and 1023; setting one interpolates entries 1 .. 1022
    // again (system colors by their present RGB value).
    TColor GetColorMin() const { return FColorMin; }
    void SetColorMin(TColor Value);
    TColor GetColorMax() const { return FColorMax; }
    void SetColorMax(TColor Value);
    TDirection GetDirection() const { return FDirection; }
    void SetDirection(TDirection Value);
    TFrameStyle GetFrameStyleOuter() const { return FFrameStyleOuter; }
    void SetFrameStyleOuter(TFrameStyle Value);
    TFrameStyle GetFrameStyleInner() const { return FFrameStyleInner; }
    void SetFrameStyleInner(TFrameStyle Value);
    int GetGridDist() const { return FGridDist; }
    void SetGridDist(int Value); // 1 or less: no grid
    int GetMarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(int Value);
    int GetMarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(int Value);
    int GetMarginRight() const { return FMarginRight; }
    void SetMarginRight(int Value);
    int GetMarginTop() const { return FMarginTop; }
    void SetMarginTop(int Value);
    double GetMax() const { return FMax; }
    void SetMax(double Value);
    double GetMin() const { return FMin; }
    void SetMin(double Value);
    int GetRepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int Value); // at least 10 ms
    bool GetShowColorGradient() const { return FShowColorGradient; }
    void SetShowColorGradient(bool Value);
    int GetStartInterval() const { return FStartInterval; }
    void SetStartInterval(int Value); // at least 10 ms
    TAlignment GetTextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment Value);
    int GetTextAngle() const { return FTextAngle; }
    void SetTextAngle(int Value); // 0..360 degrees, counterclockwise
    int GetTextDecPlaces() const { return FTextDecPlaces; }
    // 0..10 decimals; -1 exponent form, -2 engineering notation.
    void SetTextDecPlaces(int Value);
    int GetTextPosX() const { return FTextPosX; }
    void SetTextPosX(int Value); // 0..Width
    int GetTextPosY() const { return FTextPosY; }
    void SetTextPosY(int Value); // 0..Height
    bool GetTextVisible() const { return FTextVisible; }
    void SetTextVisible(bool Value);
    double GetValue() const { return FValue; }
    void SetValue(double Value); // NaN ignored; not limited to Min .. Max

    // Stores the smaller of the two as Min and the larger as Max; one repaint.
    void SetRange(double AMin, double AMax);

    // The color table. Reads outside 0..1023 give 0, writes there are
    // ignored; a write neither repaints nor interpolates.
    TColor GetBarColors(int Index) const;
    void SetBarColors(int Index, TColor Value);

    // Stores the handler; outside design time the timer is rearmed with the
    // repeat interval.
    void SetOnAutoInc(TNotifyEvent Handler);

    // Arms the timer with the start interval (start phase) or the repeat
    // interval; both raise EVOKProgBar when the timer is refused.
    void InitTimer();
    void UpdateTimer();
    // One timer tick: leaves the start phase, advances the value, fires OnAutoInc.
    void DoTimer();
    // Value + AutoIncStep, repainted.
    void AutoIncEvent();
    const TComponentTimer* GetTimer() const { return FTimer; }
    bool InStartPhase() const { return FStartPhase; }

    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QAccessible::Role AccessibleRole() const override;
    bool AccessibleValue(double& Value, double& Minimum, double& Maximum) const override;

    TNotifyEvent OnAutoInc;
    TBeforeShowValueEvent OnShowValue;

Q_SIGNALS:
    void valueChanged(double Value);
    void autoInc();

protected:
    // A palette change moves system colors: the bar colors follow them.
    void PaletteChanged() override;

private:
    class Painter;

    template <class T>
    void StoreAndPaint(T& Field, T Value);
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
    // The off-screen picture Paint renders into, kept between paints.
    std::unique_ptr<TBitmap> FBarBmp;
};

} // namespace vok
