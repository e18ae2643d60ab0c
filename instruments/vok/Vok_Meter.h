/// Analog panel meter: a needle over a circular scale with ticks, labels,
/// range bands, caption, hub, limit lamps and frame. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_bitmap.h>
#include <vok/Vok_canvas.h>
#include <vok/Vok_colorconst.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_drawtools.h>
#include <vok/vok_export.h>

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace vok {

/// Scale layouts; the number is the sweep of the scale in degrees.
inline namespace MeterEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
/// The sweep of a TMeter scale: 90, 120, 180, 270, 300 or 360 degrees.
enum TMeterLayout : quint8 { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };
Q_ENUM_NS(TMeterLayout)
} // namespace MeterEnums

class TMeter;

/// Shape, colors and shadow of one needle. Every change fires OnChange (the
/// meter repaints).
class VOK_EXPORT TNeedleLayout : public QObject
{
    Q_OBJECT
    /// Length of the two barbs of the arrow head in pixels.
    Q_PROPERTY(int HeadSize READ GetHeadSize WRITE SetHeadSize RESET ResetHeadSize)
    /// Full opening angle of the arrow head in degrees (0..180).
    Q_PROPERTY(int HeadAngle READ GetHeadAngle WRITE SetHeadAngle RESET ResetHeadAngle)
    /// Distance from the tip back to where the shaft meets the head, in pixels.
    Q_PROPERTY(int HeadMidLeng READ GetHeadMidLeng WRITE SetHeadMidLeng RESET ResetHeadMidLeng)
    /// Width of the shaft in pixels; 0 draws the outline only.
    Q_PROPERTY(int Thickness READ GetThickness WRITE SetThickness RESET ResetThickness)
    /// Fill color of the needle.
    Q_PROPERTY(quint32 ColorBody READ GetColorBody WRITE SetColorBody RESET ResetColorBody)
    /// Outline color of the needle.
    Q_PROPERTY(quint32 ColorOutline READ GetColorOutline WRITE SetColorOutline RESET ResetColorOutline)
    /// Length in percent of the scale radius less 4 pixels (0..100).
    Q_PROPERTY(int PercentNeedleLength READ GetPercentNeedleLength WRITE SetPercentNeedleLength RESET ResetPercentNeedleLength)
    /// Horizontal offset of the shadow in pixels; no shadow while both offsets are 0.
    Q_PROPERTY(int ShadowDx READ GetShadowDx WRITE SetShadowDx RESET ResetShadowDx)
    /// Vertical offset of the shadow in pixels; no shadow while both offsets are 0.
    Q_PROPERTY(int ShadowDy READ GetShadowDy WRITE SetShadowDy RESET ResetShadowDy)
    /// Color of the shadow.
    Q_PROPERTY(quint32 ShadowColor READ GetShadowColor WRITE SetShadowColor RESET ResetShadowColor)
    /// Whether the needle is drawn and its value watched.
    Q_PROPERTY(bool Visible READ GetVisible WRITE SetVisible RESET ResetVisible)

public:
    /// The layout of Meter's main needle (Visible) or its secondary needle
    /// (not Visible).
    TNeedleLayout(TMeter* Meter, bool Visible);

    /// Length of the two barbs of the arrow head in pixels.
    ///@{
    int GetHeadSize() const { return FHeadSize; }
    void SetHeadSize(int Value);
    ///@}
    /// Full opening angle of the arrow head in degrees (0..180).
    ///@{
    int GetHeadAngle() const { return FHeadAngle; }
    void SetHeadAngle(int Value); ///< 0..180
    ///@}
    /// Distance from the tip back to where the shaft meets the head, in pixels.
    ///@{
    int GetHeadMidLeng() const { return FHeadMidLeng; }
    void SetHeadMidLeng(int Value);
    ///@}
    /// Width of the shaft in pixels; 0 draws the outline only.
    ///@{
    int GetThickness() const { return FThickness; }
    void SetThickness(int Value);
    ///@}
    /// Fill color of the needle.
    ///@{
    TColor GetColorBody() const { return FColorBody; }
    void SetColorBody(TColor Value);
    ///@}
    /// Outline color of the needle.
    ///@{
    TColor GetColorOutline() const { return FColorOutline; }
    void SetColorOutline(TColor Value);
    ///@}
    /// Length in percent of the scale radius less 4 pixels (0..100).
    ///@{
    int GetPercentNeedleLength() const { return FPercentNeedleLength; }
    void SetPercentNeedleLength(int Value); ///< 0..100
    ///@}
    /// Horizontal offset of the shadow in pixels; no shadow while both offsets are 0.
    ///@{
    int GetShadowDx() const { return FShadowDx; }
    void SetShadowDx(int Value);
    ///@}
    /// Vertical offset of the shadow in pixels; no shadow while both offsets are 0.
    ///@{
    int GetShadowDy() const { return FShadowDy; }
    void SetShadowDy(int Value);
    ///@}
    /// Color of the shadow.
    ///@{
    TColor GetShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    ///@}
    /// Whether the needle is drawn and its value watched.
    ///@{
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    ///@}

    TMeter* GetMeter() const { return FMeter; } ///< The meter whose needle this is.

    /// Copies the eleven settings of another TNeedleLayout (one OnChange);
    /// any other source raises EVOKError.
    void Assign(QObject* Source);

    TNotifyEvent OnChange; ///< Fired after any change of the needle's look.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.

private:
    template <class T>
    void Store(T& Field, T Value);
    void Changed();

    void ResetHeadSize() { SetHeadSize(20); }
    void ResetHeadAngle() { SetHeadAngle(30); }
    void ResetHeadMidLeng() { SetHeadMidLeng(20); }
    void ResetThickness() { SetThickness(0); }
    void ResetColorBody() { SetColorBody(0xC0C0C0); }
    void ResetColorOutline() { SetColorOutline(0x000000); }
    void ResetPercentNeedleLength() { SetPercentNeedleLength(100); }
    void ResetShadowDx() { SetShadowDx(0); }
    void ResetShadowDy() { SetShadowDy(0); }
    void ResetShadowColor() { SetShadowColor(0x808080); }
    void ResetVisible() { SetVisible(FInitiallyVisible); }

    TMeter* FMeter;
    bool FInitiallyVisible;
    int FHeadSize = 20;
    int FHeadAngle = 30;
    int FHeadMidLeng = 20;
    int FThickness = 0;
    TColor FColorBody = 0xC0C0C0;
    TColor FColorOutline = 0x000000;
    int FPercentNeedleLength = 100;
    int FShadowDx = 0;
    int FShadowDy = 0;
    TColor FShadowColor = 0x808080;
    bool FVisible;
};

/// Called before a scale label is written; the handler may change or empty
/// the text. ChartX, ChartY: where its top-left corner goes.
using TmtBeforeDrawScaleLabelEvent =
    std::function<void(QObject* Sender, TCanvas* Canvas, QString& CurrentTickLabel, int ChartX, int ChartY)>;
/// Called before the main needle is drawn; setting NeedleDrawn leaves it out.
using TBeforeDrawNeedleEvent = std::function<void(QObject* Sender, TCanvas* Canvas, bool& NeedleDrawn)>;
/// Called after the lamps, before the frame, on the picture being painted.
using TMeterRenderedEvent = std::function<void(QObject* Sender, TCanvas* Canvas)>;
/// The mouse position over the meter in scale units.
using TMouseMoveInMeterEvent =
    std::function<void(QObject* Sender, bool WithinRange, TShiftState Shift, double MeterValue)>;

/// The analog meter. Setters repaint at once; the whole dial is rendered into
/// an off-screen bitmap and copied to the canvas in one step.
class VOK_EXPORT TMeter : public TGraphicControl
{
    Q_OBJECT
    /// Radius of the hub in pixels.
    Q_PROPERTY(int AnchorSize READ GetAnchorSize WRITE SetAnchorSize RESET ResetAnchorSize)
    /// Whether the hub is drawn.
    Q_PROPERTY(bool AnchorCovered READ GetAnchorCovered WRITE SetAnchorCovered RESET ResetAnchorCovered)
    /// File name of an image drawn as the hub; empty for none.
    Q_PROPERTY(QString AnchorImage READ GetAnchorImage WRITE SetAnchorImage RESET ResetAnchorImage)
    /// File name of an image drawn behind the dial; empty for none.
    Q_PROPERTY(QString BackGroundImg READ GetBackGroundImg WRITE SetBackGroundImg RESET ResetBackGroundImg)
    /// How the background image fills the control: as it is, stretched or tiled.
    Q_PROPERTY(vok::BaseEnums::TBkgFill BkgndFillMode READ GetBkgndFillMode WRITE SetBkgndFillMode RESET ResetBkgndFillMode)
    /// Text shown on the dial.
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption RESET ResetCaption)
    /// Background color of the dial.
    Q_PROPERTY(quint32 ColorBakG READ GetColorBakG WRITE SetColorBakG RESET ResetColorBakG)
    /// Color of the rim cover and the hub.
    Q_PROPERTY(quint32 ColorCover READ GetColorCover WRITE SetColorCover RESET ResetColorCover)
    /// Color of the scale arc, ticks and labels.
    Q_PROPERTY(quint32 ColorScale READ GetColorScale WRITE SetColorScale RESET ResetColorScale)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    /// Color of the range band from the scale's minimum to ThresholdLow.
    Q_PROPERTY(quint32 ColorSclBkLow READ GetColorSclBkLow WRITE SetColorSclBkLow RESET ResetColorSclBkLow)
    /// Color of the range band between the thresholds.
    Q_PROPERTY(quint32 ColorSclBkNorm READ GetColorSclBkNorm WRITE SetColorSclBkNorm RESET ResetColorSclBkNorm)
    /// Color of the range band from ThresholdHigh to the scale's maximum.
    Q_PROPERTY(quint32 ColorSclBkHigh READ GetColorSclBkHigh WRITE SetColorSclBkHigh RESET ResetColorSclBkHigh)
    /// Font of the caption; setting one copies it.
    Q_PROPERTY(vok::TFont* FontCaption READ GetFontCaption WRITE SetFontCaption)
    /// Frame around the meter.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Whether the lamp of the high limit is shown.
    Q_PROPERTY(bool LimWatchHighOn READ GetLimWatchHighOn WRITE SetLimWatchHighOn RESET ResetLimWatchHighOn)
    /// Whether the lamp of the low limit is shown.
    Q_PROPERTY(bool LimWatchLowOn READ GetLimWatchLowOn WRITE SetLimWatchLowOn RESET ResetLimWatchLowOn)
    /// Color of a lit limit lamp.
    Q_PROPERTY(quint32 LimWatchActColor READ GetLimWatchActColor WRITE SetLimWatchActColor RESET ResetLimWatchActColor)
    /// Color of a dark limit lamp.
    Q_PROPERTY(quint32 LimWatchPsvColor READ GetLimWatchPsvColor WRITE SetLimWatchPsvColor RESET ResetLimWatchPsvColor)
    /// Whether the scale is logarithmic (needs a positive range).
    Q_PROPERTY(bool Logarithmic READ GetLogarithmic WRITE SetLogarithmic RESET ResetLogarithmic)
    /// Value at the scale's start.
    Q_PROPERTY(double MeterMinValue READ GetMeterMinValue WRITE SetMeterMinValue RESET ResetMeterMinValue)
    /// Value at the scale's end.
    Q_PROPERTY(double MeterMaxValue READ GetMeterMaxValue WRITE SetMeterMaxValue RESET ResetMeterMaxValue)
    /// Lower limit of the normal range; reaching it fires OnUnderFlow.
    Q_PROPERTY(double ThresholdLow READ GetThresholdLow WRITE SetThresholdLow RESET ResetThresholdLow)
    /// Upper limit of the normal range; reaching it fires OnOverFlow.
    Q_PROPERTY(double ThresholdHigh READ GetThresholdHigh WRITE SetThresholdHigh RESET ResetThresholdHigh)
    /// Decimals of the scale labels (0..4).
    Q_PROPERTY(int MeterDecPlaces READ GetMeterDecPlaces WRITE SetMeterDecPlaces RESET ResetMeterDecPlaces)
    /// Wanted number of scale intervals (2..21).
    Q_PROPERTY(int MeterNrTicks READ GetMeterNrTicks WRITE SetMeterNrTicks RESET ResetMeterNrTicks)
    /// The sweep of the scale: 90, 120, 180, 270, 300 or 360 degrees.
    Q_PROPERTY(vok::MeterEnums::TMeterLayout MeterLayout READ GetMeterLayout WRITE SetMeterLayout RESET ResetMeterLayout)
    /// Whether minor ticks are drawn between the labelled ones.
    Q_PROPERTY(bool MeterShortTicks READ GetMeterShortTicks WRITE SetMeterShortTicks RESET ResetMeterShortTicks)
    /// Whether the scale arc is drawn.
    Q_PROPERTY(bool MeterScaleLine READ GetMeterScaleLine WRITE SetMeterScaleLine RESET ResetMeterScaleLine)
    /// The look of the main needle; setting one copies its settings.
    Q_PROPERTY(vok::TNeedleLayout* NeedleLayout READ GetNeedleLayout WRITE SetNeedleLayout)
    /// The look of the secondary needle; setting one copies its settings.
    Q_PROPERTY(vok::TNeedleLayout* NeedleLayoutSec READ GetNeedleLayoutSec WRITE SetNeedleLayoutSec)
    /// Height of the rim below the dial in pixels.
    Q_PROPERTY(int RimBottom READ GetRimBottom WRITE SetRimBottom RESET ResetRimBottom)
    /// Height of the rim above the dial in pixels.
    Q_PROPERTY(int RimTop READ GetRimTop WRITE SetRimTop RESET ResetRimTop)
    /// Width of the rims beside the dial in pixels.
    Q_PROPERTY(int RimSide READ GetRimSide WRITE SetRimSide RESET ResetRimSide)
    /// Width of the range bands in percent of the radius (0..100).
    Q_PROPERTY(double ScaleBkWidth READ GetScaleBkWidth WRITE SetScaleBkWidth RESET ResetScaleBkWidth)
    /// Whether the range bands are drawn.
    Q_PROPERTY(bool ScaleBkVisible READ GetScaleBkVisible WRITE SetScaleBkVisible RESET ResetScaleBkVisible)
    /// Whether the scale (arc, ticks and labels) is drawn.
    Q_PROPERTY(bool ScaleVisible READ GetScaleVisible WRITE SetScaleVisible RESET ResetScaleVisible)
    /// Value of the main needle.
    Q_PROPERTY(double Value READ GetValue WRITE SetValue RESET ResetValue NOTIFY valueChanged)
    /// Value of the secondary needle.
    Q_PROPERTY(double ValueSec READ GetValueSec WRITE SetValueSec RESET ResetValueSec NOTIFY valueSecChanged)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TMeter(QWidget* AOwner = nullptr);
    ~TMeter() override;

    /// Radius of the hub in pixels.
    ///@{
    int GetAnchorSize() const { return FAnchorSize; }
    void SetAnchorSize(int Value);
    ///@}
    /// Whether the hub is drawn.
    ///@{
    bool GetAnchorCovered() const { return FAnchorCovered; }
    void SetAnchorCovered(bool Value);
    ///@}
    /// File name of an image drawn as the hub; empty for none.
    ///@{
    QString GetAnchorImage() const { return FAnchorImage; }
    /// Loads the hub image and derives its mask; a missing or unreadable file
    /// clears the name. Always repaints.
    void SetAnchorImage(const QString& Value);
    ///@}
    /// File name of an image drawn behind the dial; empty for none.
    ///@{
    QString GetBackGroundImg() const { return FBackGroundImg; }
    /// Loads the background image; a missing file clears the name, a file
    /// that cannot be read raises the platform's error and keeps the name.
    void SetBackGroundImg(const QString& Value);
    ///@}
    /// How the background image fills the control: as it is, stretched or tiled.
    ///@{
    TBkgFill GetBkgndFillMode() const { return FBkgndFillMode; }
    void SetBkgndFillMode(TBkgFill Value);
    ///@}
    /// Text shown on the dial.
    ///@{
    QString GetCaption() const { return FCaption; }
    void SetCaption(const QString& Value);
    ///@}
    /// Background color of the dial.
    ///@{
    TColor GetColorBakG() const { return FColorBakG; }
    void SetColorBakG(TColor Value);
    ///@}
    /// Color of the rim cover and the hub.
    ///@{
    TColor GetColorCover() const { return FColorCover; }
    void SetColorCover(TColor Value);
    ///@}
    /// Color of the scale arc, ticks and labels.
    ///@{
    TColor GetColorScale() const { return FColorScale; }
    void SetColorScale(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Color of the range band from the scale's minimum to ThresholdLow.
    ///@{
    TColor GetColorSclBkLow() const { return FColorSclBkLow; }
    void SetColorSclBkLow(TColor Value);
    ///@}
    /// Color of the range band between the thresholds.
    ///@{
    TColor GetColorSclBkNorm() const { return FColorSclBkNorm; }
    void SetColorSclBkNorm(TColor Value);
    ///@}
    /// Color of the range band from ThresholdHigh to the scale's maximum.
    ///@{
    TColor GetColorSclBkHigh() const { return FColorSclBkHigh; }
    void SetColorSclBkHigh(TColor Value);
    ///@}
    /// Font of the caption; setting one copies it.
    ///@{
    TFont* GetFontCaption() const { return FFontCaption.get(); }
    void SetFontCaption(TFont* Value);
    ///@}
    /// Frame around the meter.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Whether the lamp of the high limit is shown.
    ///@{
    bool GetLimWatchHighOn() const { return FLimWatchHighOn; }
    void SetLimWatchHighOn(bool Value);
    ///@}
    /// Whether the lamp of the low limit is shown.
    ///@{
    bool GetLimWatchLowOn() const { return FLimWatchLowOn; }
    void SetLimWatchLowOn(bool Value);
    ///@}
    /// Color of a lit limit lamp.
    ///@{
    TColor GetLimWatchActColor() const { return FLimWatchActColor; }
    void SetLimWatchActColor(TColor Value);
    ///@}
    /// Color of a dark limit lamp.
    ///@{
    TColor GetLimWatchPsvColor() const { return FLimWatchPsvColor; }
    void SetLimWatchPsvColor(TColor Value);
    ///@}
    /// Whether the scale is logarithmic (needs a positive range).
    ///@{
    bool GetLogarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool Value);
    ///@}
    /// Value at the scale's start.
    ///@{
    double GetMeterMinValue() const { return FMeterMinValue; }
    void SetMeterMinValue(double Value);
    ///@}
    /// Value at the scale's end.
    ///@{
    double GetMeterMaxValue() const { return FMeterMaxValue; }
    void SetMeterMaxValue(double Value);
    ///@}
    /// Lower limit of the normal range; reaching it fires OnUnderFlow.
    ///@{
    double GetThresholdLow() const { return FThresholdLow; }
    void SetThresholdLow(double Value);
    ///@}
    /// Upper limit of the normal range; reaching it fires OnOverFlow.
    ///@{
    double GetThresholdHigh() const { return FThresholdHigh; }
    void SetThresholdHigh(double Value);
    ///@}
    /// Decimals of the scale labels (0..4).
    ///@{
    int GetMeterDecPlaces() const { return FMeterDecPlaces; }
    void SetMeterDecPlaces(int Value); ///< 0..4
    ///@}
    /// Wanted number of scale intervals (2..21).
    ///@{
    int GetMeterNrTicks() const { return FMeterNrTicks; }
    void SetMeterNrTicks(int Value); ///< 2..21
    ///@}
    /// The sweep of the scale: 90, 120, 180, 270, 300 or 360 degrees.
    ///@{
    TMeterLayout GetMeterLayout() const { return FMeterLayout; }
    void SetMeterLayout(TMeterLayout Value);
    ///@}
    /// Whether minor ticks are drawn between the labelled ones.
    ///@{
    bool GetMeterShortTicks() const { return FMeterShortTicks; }
    void SetMeterShortTicks(bool Value);
    ///@}
    /// Whether the scale arc is drawn.
    ///@{
    bool GetMeterScaleLine() const { return FMeterScaleLine; }
    void SetMeterScaleLine(bool Value);
    ///@}
    /// The look of the main needle; setting one copies its settings.
    ///@{
    TNeedleLayout* GetNeedleLayout() const { return FNeedleLayout.get(); }
    void SetNeedleLayout(TNeedleLayout* Value);
    ///@}
    /// The look of the secondary needle; setting one copies its settings.
    ///@{
    TNeedleLayout* GetNeedleLayoutSec() const { return FNeedleLayoutSec.get(); }
    void SetNeedleLayoutSec(TNeedleLayout* Value);
    ///@}
    /// Height of the rim below the dial in pixels.
    ///@{
    int GetRimBottom() const { return FRimBottom; }
    void SetRimBottom(int Value);
    ///@}
    /// Height of the rim above the dial in pixels.
    ///@{
    int GetRimTop() const { return FRimTop; }
    void SetRimTop(int Value);
    ///@}
    /// Width of the rims beside the dial in pixels.
    ///@{
    int GetRimSide() const { return FRimSide; }
    void SetRimSide(int Value);
    ///@}
    /// Width of the range bands in percent of the radius (0..100).
    ///@{
    double GetScaleBkWidth() const { return FScaleBkWidth; }
    void SetScaleBkWidth(double Value); ///< 0..100
    ///@}
    /// Whether the range bands are drawn.
    ///@{
    bool GetScaleBkVisible() const { return FScaleBkVisible; }
    void SetScaleBkVisible(bool Value);
    ///@}
    /// Whether the scale (arc, ticks and labels) is drawn.
    ///@{
    bool GetScaleVisible() const { return FScaleVisible; }
    void SetScaleVisible(bool Value);
    ///@}
    /// Value of the main needle.
    ///@{
    double GetValue() const { return FValue; }
    void SetValue(double Value);
    ///@}
    /// Value of the secondary needle.
    ///@{
    double GetValueSec() const { return FValueSec; }
    void SetValueSec(double Value);
    ///@}

    /// The dial geometry, recomputed by CalcMeterLayoutParams.
    ///@{
    int GetMeterAngle() const { return FMeterAngle; }
    double GetMeterRadius() const { return FMeterRadius; }
    int GetMeterCenterX() const { return FMeterCenterX; }
    int GetMeterCenterY() const { return FMeterCenterY; }
    ///@}
    /// The flags that light the high and the low limit lamp.
    ///@{
    bool IsOverLimit() const { return FOverLimit; }
    bool IsUnderLimit() const { return FUnderLimit; }
    ///@}

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    /// A size change through Qt (a layout) lays the dial out again as well.
    void Resize() override;
    /// Recomputes sweep, radius and pivot from the layout, size and rims.
    void CalcMeterLayoutParams();
    /// Angle of Value (clamped to the range) in degrees, clockwise from 6 o'clock.
    double CalcNeedleAngle(double Value) const;
    /// The pixel at Percent of the radius in the direction of Value.
    void ConvertToPixelCoords(double Value, double Percent, int& X, int& Y) const;
    /// Decimals of the labels: DecPlaces, or automatic for -2.
    int CalcM(int DecPlaces, double RangeEnd1, double RangeEnd2) const;
    /// The meter value in the direction of (X, Y) from the pivot; false and 0
    /// outside the sweep of the scale.
    bool ConvertPixelToValue(int X, int Y, double& MeterValue) const;

    void Paint() override;
    void Loaded() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

    /// The initial size; the dial stays legible down to half of it.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.
    /// A dial for assistive technology: named by the caption (unless it has
    /// an accessible name), its value the main needle's within the scale.
    ///@{
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    bool AccessibleValue(double& Value, double& Minimum, double& Maximum) const override;
    ///@}

    void DoOverFlowEvent(); ///< Fires OnOverFlow and overFlow().
    void DoUnderFlowEvent(); ///< Fires OnUnderFlow and underFlow().
    void DoNormalRangeEvent(); ///< Fires OnNormalRange and normalRange().
    void MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue); ///< Fires OnMouseMoveInMeter and mouseMoveInMeter().
    /// The needle layouts' change notification: repaints.
    void StyleChanged(QObject* Sender);

    TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel; ///< Called with each scale label before it is drawn; the handler may change it.
    TBeforeDrawNeedleEvent OnBeforeDrawNeedle; ///< Called in every paint before the needle; a handler that draws its own sets NeedleDrawn.
    TMeterRenderedEvent OnMeterRendered; ///< Called in every paint after the lamps, before the frame, to draw on the dial.
    TMouseMoveInMeterEvent OnMouseMoveInMeter; ///< Fired on every mouse move over the meter, with the scale value under the pointer.
    TNotifyEvent OnOverFlow; ///< Fired when a value reaches or passes ThresholdHigh.
    TNotifyEvent OnUnderFlow; ///< Fired when a value reaches or falls below ThresholdLow.
    TNotifyEvent OnNormalRange; ///< Fired when a value lies strictly between the thresholds.

Q_SIGNALS:
    void mouseMoveInMeter(bool WithinRange, vok::TShiftState Shift, double MeterValue); ///< Emitted with OnMouseMoveInMeter.
    void overFlow(); ///< Emitted with OnOverFlow.
    void underFlow(); ///< Emitted with OnUnderFlow.
    void normalRange(); ///< Emitted with OnNormalRange.
    void valueChanged(double Value); ///< Emitted when Value changes.
    void valueSecChanged(double Value); ///< Emitted when ValueSec changes.

private:
    class Painter;

    /// valueChanged/valueSecChanged for the needle values that changed.
    void NotifyValueChanges(double OldValue, double OldValueSec);

    void ClampIntoRange(double& Field) const;
    bool LoadAnchorImage(const QString& FileName);

    void ResetAnchorSize() { SetAnchorSize(24); }
    void ResetAnchorCovered() { SetAnchorCovered(true); }
    void ResetAnchorImage() { SetAnchorImage(QString()); }
    void ResetBackGroundImg() { SetBackGroundImg(QString()); }
    void ResetBkgndFillMode() { SetBkgndFillMode(bfSimple); }
    void ResetCaption() { SetCaption(QString()); }
    void ResetColorBakG() { SetColorBakG(0xFFFFFF); }
    void ResetColorCover() { SetColorCover(clBtnFace); }
    void ResetColorScale() { SetColorScale(0x800000); }
    void ResetColorScheme() { SetColorScheme(csClassic); }
    void ResetColorSclBkLow() { SetColorSclBkLow(0x00FF00); }
    void ResetColorSclBkNorm() { SetColorSclBkNorm(0x0080FF); }
    void ResetColorSclBkHigh() { SetColorSclBkHigh(0x0000FF); }
    void ResetFrameStyle() { SetFrameStyle(fsRaised); }
    void ResetLimWatchHighOn() { SetLimWatchHighOn(true); }
    void ResetLimWatchLowOn() { SetLimWatchLowOn(true); }
    void ResetLimWatchActColor() { SetLimWatchActColor(0x0000FF); }
    void ResetLimWatchPsvColor() { SetLimWatchPsvColor(0x808080); }
    void ResetLogarithmic() { SetLogarithmic(false); }
    void ResetMeterMinValue() { SetMeterMinValue(0.0); }
    void ResetMeterMaxValue() { SetMeterMaxValue(1.0); }
    void ResetThresholdLow() { SetThresholdLow(0.0); }
    void ResetThresholdHigh() { SetThresholdHigh(1.0); }
    void ResetMeterDecPlaces() { SetMeterDecPlaces(1); }
    void ResetMeterNrTicks() { SetMeterNrTicks(3); }
    void ResetMeterLayout() { SetMeterLayout(mlCirc90); }
    void ResetMeterShortTicks() { SetMeterShortTicks(true); }
    void ResetMeterScaleLine() { SetMeterScaleLine(true); }
    void ResetRimBottom() { SetRimBottom(10); }
    void ResetRimTop() { SetRimTop(8); }
    void ResetRimSide() { SetRimSide(10); }
    void ResetScaleBkWidth() { SetScaleBkWidth(0.0); }
    void ResetScaleBkVisible() { SetScaleBkVisible(false); }
    void ResetScaleVisible() { SetScaleVisible(true); }
    void ResetValue() { SetValue(0.0); }
    void ResetValueSec() { SetValueSec(0.0); }

    int FAnchorSize = 24;
    bool FAnchorCovered = true;
    QString FAnchorImage;
    QString FBackGroundImg;
    TBkgFill FBkgndFillMode = bfSimple;
    QString FCaption;
    TColor FColorBakG = 0xFFFFFF;
    TColor FColorCover = clBtnFace;
    TColor FColorScale = 0x800000;
    TColorScheme FColorScheme = csClassic;
    TColor FColGrayLine = 0x808080;
    TColor FColWhiteLine = 0xFFFFFF;
    TColor FColorSclBkLow = 0x00FF00;
    TColor FColorSclBkNorm = 0x0080FF;
    TColor FColorSclBkHigh = 0x0000FF;
    TFrameStyle FFrameStyle = fsRaised;
    bool FLimWatchHighOn = true;
    bool FLimWatchLowOn = true;
    TColor FLimWatchActColor = 0x0000FF;
    TColor FLimWatchPsvColor = 0x808080;
    bool FLogarithmic = false;
    double FMeterMinValue = 0.0;
    double FMeterMaxValue = 1.0;
    double FThresholdLow = 0.0;
    double FThresholdHigh = 1.0;
    int FMeterDecPlaces = 1;
    int FMeterNrTicks = 3;
    TMeterLayout FMeterLayout = mlCirc90;
    bool FMeterShortTicks = true;
    bool FMeterScaleLine = true;
    int FRimBottom = 10;
    int FRimTop = 8;
    int FRimSide = 10;
    double FScaleBkWidth = 0.0;
    bool FScaleBkVisible = false;
    bool FScaleVisible = true;
    double FValue = 0.0;
    double FValueSec = 0.0;
    bool FOverLimit = false;
    bool FUnderLimit = false;

    int FMeterAngle = 90;
    double FMeterRadius = 0;
    int FMeterCenterX = 0;
    int FMeterCenterY = 0;

    std::unique_ptr<TNeedleLayout> FNeedleLayout;
    std::unique_ptr<TNeedleLayout> FNeedleLayoutSec;
    std::unique_ptr<TFont> FFontCaption;
    std::unique_ptr<TBitmap> AuxBGBmp;
    std::unique_ptr<TBitmap> AuxACBmp;
    std::unique_ptr<TBitmap> AuxACMaskBmp;
    /// The off-screen picture Paint renders into; kept between paints so a
    /// repaint does not allocate and clear a new one.
    std::unique_ptr<TBitmap> FDialBmp;
};

} // namespace vok
