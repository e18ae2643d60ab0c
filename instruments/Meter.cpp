#include <vok/Vok_Meter.h>
#include <vok/Vok_frames.h>

#include "MeterScale.h"

#include <cmath>
#include <numbers>

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace vok {

namespace {

// Logarithmic ranges refuse values below this.
constexpr double LogFloor = 1e-100;

bool IsFileName(const QString& Name)
{
    return !Name.isEmpty() && QFileInfo(Name).isFile();
}

} // namespace

// ---------------------------------------------------------------- TNeedleLayout

TNeedleLayout::TNeedleLayout(TMeter* Meter, bool Visible)
    : FMeter(Meter)
    , FInitiallyVisible(Visible)
    , FVisible(Visible)
{
}

template <class T>
void TNeedleLayout::Store(T& Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TNeedleLayout::Changed()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

void TNeedleLayout::SetHeadSize(int Value) { Store(FHeadSize, Value); }
void TNeedleLayout::SetHeadAngle(int Value) { Store(FHeadAngle, std::clamp(Value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int Value) { Store(FHeadMidLeng, Value); }
void TNeedleLayout::SetThickness(int Value) { Store(FThickness, Value); }
void TNeedleLayout::SetColorBody(TColor Value) { Store(FColorBody, Value); }
void TNeedleLayout::SetColorOutline(TColor Value) { Store(FColorOutline, Value); }
void TNeedleLayout::SetPercentNeedleLength(int Value) { Store(FPercentNeedleLength, std::clamp(Value, 0, 100)); }
void TNeedleLayout::SetShadowDx(int Value) { Store(FShadowDx, Value); }
void TNeedleLayout::SetShadowDy(int Value) { Store(FShadowDy, Value); }
void TNeedleLayout::SetShadowColor(TColor Value) { Store(FShadowColor, Value); }
void TNeedleLayout::SetVisible(bool Value) { Store(FVisible, Value); }

void TNeedleLayout::Assign(QObject* Source)
{
    const auto* Other = qobject_cast<TNeedleLayout*>(Source);
    if (!Other)
        throw EVOKError(QStringLiteral("Cannot assign a %1 to a TNeedleLayout")
                            .arg(Source ? ComponentClassName(Source) : QStringLiteral("nil")));
    FHeadSize = Other->FHeadSize;
    FHeadAngle = Other->FHeadAngle;
    FHeadMidLeng = Other->FHeadMidLeng;
    FThickness = Other->FThickness;
    FColorBody = Other->FColorBody;
    FColorOutline = Other->FColorOutline;
    FPercentNeedleLength = Other->FPercentNeedleLength;
    FShadowDx = Other->FShadowDx;
    FShadowDy = Other->FShadowDy;
    FShadowColor = Other->FShadowColor;
    FVisible = Other->FVisible;
    Changed();
}

// ---------------------------------------------------------------- TMeter: life

TMeter::TMeter(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , FNeedleLayout(std::make_unique<TNeedleLayout>(this, true))
    , FNeedleLayoutSec(std::make_unique<TNeedleLayout>(this, false))
    , FFontCaption(std::make_unique<TFont>())
    , AuxBGBmp(std::make_unique<TBitmap>())
    , AuxACBmp(std::make_unique<TBitmap>())
    , AuxACMaskBmp(std::make_unique<TBitmap>())
    , FDialBmp(std::make_unique<TBitmap>())
{
    FFontCaption->Assign(GetFont());
    for (TBitmap* Bmp : {AuxBGBmp.get(), AuxACBmp.get(), AuxACMaskBmp.get()})
        Bmp->SetSize(10, 10);
    for (TBitmap* Bmp : {AuxBGBmp.get(), AuxACBmp.get(), AuxACMaskBmp.get(), FDialBmp.get()})
        Bmp->GetCanvas()->SetPaletteSource(this);
    FNeedleLayout->OnChange = [this](QObject* Sender) { StyleChanged(Sender); };
    FNeedleLayoutSec->OnChange = [this](QObject* Sender) { StyleChanged(Sender); };
    SetBounds(GetLeft(), GetTop(), 297, 209);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize TMeter::minimumSizeHint() const { return sizeHint() / 2; }

QAccessible::Role TMeter::AccessibleRole() const { return QAccessible::Dial; }

QString TMeter::AccessibleName() const { return CaptionedAccessibleName(FCaption); }

bool TMeter::AccessibleValue(double& Value, double& Minimum, double& Maximum) const
{
    Value = FValue;
    Minimum = FMeterMinValue;
    Maximum = FMeterMaxValue;
    return true;
}

TMeter::~TMeter() = default;

void TMeter::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    CalcMeterLayoutParams();
}

void TMeter::Resize()
{
    TGraphicControl::Resize();
    CalcMeterLayoutParams();
}

void TMeter::CalcMeterLayoutParams()
{
    const TMeterGeometry G = CalcMeterGeometry(FMeterLayout, GetWidth(), GetHeight(), {FRimTop, FRimBottom, FRimSide});
    FMeterAngle = G.Angle;
    FMeterRadius = G.Radius;
    FMeterCenterX = G.CenterX;
    FMeterCenterY = G.CenterY;
}

void TMeter::Loaded()
{
    TGraphicControl::Loaded();
    FValue = std::max(FMeterMinValue, std::min(FMeterMaxValue, FValue));
    if (!FBackGroundImg.isEmpty()) {
        try {
            AuxBGBmp->LoadFromFile(FBackGroundImg);
        } catch (const EVOKError&) {
            FBackGroundImg.clear();
        }
    }
    if (!FAnchorImage.isEmpty() && !LoadAnchorImage(FAnchorImage))
        FAnchorImage.clear();
    Paint();
}

// ---------------------------------------------------------------- TMeter: plain settings

void TMeter::SetAnchorSize(int Value) { StoreAndPaint(FAnchorSize, Value); }
void TMeter::SetAnchorCovered(bool Value) { StoreAndPaint(FAnchorCovered, Value); }
void TMeter::SetColorBakG(TColor Value) { StoreAndPaint(FColorBakG, Value); }
void TMeter::SetColorCover(TColor Value) { StoreAndPaint(FColorCover, Value); }
void TMeter::SetColorScale(TColor Value) { StoreAndPaint(FColorScale, Value); }
void TMeter::SetColorSclBkLow(TColor Value) { StoreAndPaint(FColorSclBkLow, Value); }
void TMeter::SetColorSclBkNorm(TColor Value) { StoreAndPaint(FColorSclBkNorm, Value); }
void TMeter::SetColorSclBkHigh(TColor Value) { StoreAndPaint(FColorSclBkHigh, Value); }
void TMeter::SetFrameStyle(TFrameStyle Value) { StoreAndPaint(FFrameStyle, Value); }
void TMeter::SetLimWatchHighOn(bool Value) { StoreAndPaint(FLimWatchHighOn, Value); }
void TMeter::SetLimWatchLowOn(bool Value) { StoreAndPaint(FLimWatchLowOn, Value); }
void TMeter::SetLimWatchActColor(TColor Value) { StoreAndPaint(FLimWatchActColor, Value); }
void TMeter::SetLimWatchPsvColor(TColor Value) { StoreAndPaint(FLimWatchPsvColor, Value); }
void TMeter::SetMeterDecPlaces(int Value) { StoreAndPaint(FMeterDecPlaces, std::clamp(Value, 0, 4)); }
void TMeter::SetMeterNrTicks(int Value) { StoreAndPaint(FMeterNrTicks, std::clamp(Value, 2, 21)); }
void TMeter::SetMeterShortTicks(bool Value) { StoreAndPaint(FMeterShortTicks, Value); }
void TMeter::SetMeterScaleLine(bool Value) { StoreAndPaint(FMeterScaleLine, Value); }

void TMeter::SetBkgndFillMode(TBkgFill Value)
{
    FBkgndFillMode = Value;
    Paint();
}

void TMeter::SetCaption(const QString& Value)
{
    FCaption = Value;
    Paint();
}

void TMeter::SetScaleBkWidth(double Value)
{
    if (std::isnan(Value))
        return;
    FScaleBkWidth = std::clamp(Value, 0.0, 100.0);
    Paint();
}

void TMeter::SetScaleBkVisible(bool Value)
{
    FScaleBkVisible = Value;
    Paint();
}

void TMeter::SetScaleVisible(bool Value)
{
    FScaleVisible = Value;
    Paint();
}

void TMeter::SetColorScheme(TColorScheme Value)
{
    if (FColorScheme == Value)
        return;
    FColorScheme = Value;
    const TSchemeLineColors Lines = SchemeLineColors(Value);
    FColGrayLine = Lines.Gray;
    FColWhiteLine = Lines.White;
    Paint();
}

void TMeter::SetFontCaption(TFont* Value)
{
    if (!Value)
        return;
    FFontCaption->Assign(Value);
    Paint();
}

void TMeter::SetMeterLayout(TMeterLayout Value)
{
    if (FMeterLayout == Value)
        return;
    FMeterLayout = Value;
    CalcMeterLayoutParams();
    Paint();
}

// The dial moves with its rims, so a rim change lays the dial out again.
void TMeter::SetRimBottom(int Value)
{
    if (FRimBottom == Value)
        return;
    FRimBottom = Value;
    CalcMeterLayoutParams();
    Paint();
}

void TMeter::SetRimTop(int Value)
{
    if (FRimTop == Value)
        return;
    FRimTop = Value;
    CalcMeterLayoutParams();
    Paint();
}

void TMeter::SetRimSide(int Value)
{
    if (FRimSide == Value)
        return;
    FRimSide = Value;
    CalcMeterLayoutParams();
    Paint();
}

// Assigning fires the layout's OnChange, which repaints.
void TMeter::SetNeedleLayout(TNeedleLayout* Value)
{
    if (Value)
        FNeedleLayout->Assign(Value);
}

void TMeter::SetNeedleLayoutSec(TNeedleLayout* Value)
{
    if (Value)
        FNeedleLayoutSec->Assign(Value);
}

void TMeter::StyleChanged(QObject*)
{
    Paint();
}

// ---------------------------------------------------------------- TMeter: images

void TMeter::SetBackGroundImg(const QString& Value)
{
    if (IsLoading()) {
        FBackGroundImg = Value;
        return;
    }
    if (!IsFileName(Value)) {
        FBackGroundImg.clear();
    } else {
        FBackGroundImg = Value;
        AuxBGBmp->LoadFromFile(Value);
    }
    Paint();
}

void TMeter::SetAnchorImage(const QString& Value)
{
    if (IsLoading()) {
        FAnchorImage = Value;
        return;
    }
    FAnchorImage = IsFileName(Value) && LoadAnchorImage(Value) ? Value : QString();
    Paint();
}

// Loads the hub image twice and turns the second copy into its mask: black
// image pixels (transparent) become white, all others black.
bool TMeter::LoadAnchorImage(const QString& FileName)
{
    try {
        AuxACBmp->LoadFromFile(FileName);
        AuxACMaskBmp->LoadFromFile(FileName);
    } catch (const EVOKError&) {
        return false;
    }
    // A loaded picture holds its file's pixels (ratio 1): its scan lines are
    // its logical pixels.
    for (int Y = 0; Y < AuxACMaskBmp->GetHeight(); ++Y) {
        quint32* Row = AuxACMaskBmp->ScanLine(Y);
        for (int X = 0; X < AuxACMaskBmp->GetWidth(); ++X)
            Row[X] = (Row[X] & 0x00FFFFFFu) == 0 ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return true;
}

// ---------------------------------------------------------------- TMeter: range and values

// Ranges, values and thresholds ignore NaN and infinities: a scale cannot
// be drawn or mapped over them.
void TMeter::SetMeterMinValue(double Value)
{
    if (!std::isfinite(Value) || (FLogarithmic && Value < LogFloor))
        return;
    if (IsLoading()) {
        FMeterMinValue = Value;
        return;
    }
    if (FMeterMinValue == Value)
        return;
    FMeterMinValue = Value;
    if (FMeterMaxValue <= Value) {
        // Far from zero, adding 1 may not change the number; keep Max above Min.
        FMeterMaxValue = std::max(Value + 1, std::nextafter(Value, INFINITY));
    }
    const double OldValue = FValue, OldValueSec = FValueSec;
    for (double* Field : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh})
        *Field = std::max(*Field, FMeterMinValue);
    Paint();
    NotifyValueChanges(OldValue, OldValueSec);
}

void TMeter::SetMeterMaxValue(double Value)
{
    if (!std::isfinite(Value) || (FLogarithmic && Value < LogFloor))
        return;
    if (IsLoading()) {
        FMeterMaxValue = Value;
        return;
    }
    if (FMeterMaxValue == Value)
        return;
    FMeterMaxValue = Value;
    if (Value <= FMeterMinValue) {
        FMeterMinValue = std::min(Value - 1, std::nextafter(Value, -INFINITY));
        if (FLogarithmic && FMeterMinValue <= 0)
            FMeterMinValue = Value / 10;
    }
    const double OldValue = FValue, OldValueSec = FValueSec;
    for (double* Field : {&FValue, &FValueSec, &FThresholdLow, &FThresholdHigh})
        *Field = std::min(*Field, FMeterMaxValue);
    Paint();
    NotifyValueChanges(OldValue, OldValueSec);
}

void TMeter::SetLogarithmic(bool Value)
{
    if (IsLoading()) {
        FLogarithmic = Value;
        return;
    }
    if (FLogarithmic == Value)
        return;
    FLogarithmic = Value && FMeterMinValue > LogFloor && FMeterMaxValue > LogFloor;
    Paint();
}

void TMeter::NotifyValueChanges(double OldValue, double OldValueSec)
{
    if (FValue != OldValue) {
        Q_EMIT valueChanged(FValue);
        NotifyAccessibleValueChanged();
    }
    if (FValueSec != OldValueSec)
        Q_EMIT valueSecChanged(FValueSec);
}

void TMeter::ClampIntoRange(double& Field) const
{
    Field = std::max(FMeterMinValue, std::min(FMeterMaxValue, Field));
}

void TMeter::SetValue(double Value)
{
    if (std::isnan(Value))
        return;
    if (IsLoading()) {
        FValue = Value;
        return;
    }
    // Compared before clamping: setting an out-of-range value again reports again.
    if (FValue == Value)
        return;
    const double Old = FValue;
    FValue = Value;
    ClampIntoRange(FValue);
    NotifyValueChanges(Old, FValueSec);
    FOverLimit = false;
    FUnderLimit = false;
    if (FNeedleLayout->GetVisible()) {
        if (FValue >= FThresholdHigh) {
            FOverLimit = true;
            DoOverFlowEvent();
        } else if (FValue > FThresholdLow) {
            DoNormalRangeEvent();
        } else {
            FUnderLimit = true;
            DoUnderFlowEvent();
        }
    }
    Paint();
}

void TMeter::SetValueSec(double Value)
{
    if (std::isnan(Value))
        return;
    if (IsLoading()) {
        FValueSec = Value;
        return;
    }
    if (FValueSec == Value)
        return;
    const double Old = FValueSec;
    FValueSec = Value;
    ClampIntoRange(FValueSec);
    NotifyValueChanges(FValue, Old);
    FOverLimit = false;
    FUnderLimit = false;
    if (!FNeedleLayoutSec->GetVisible())
        return;
    if (FValueSec >= FThresholdHigh) {
        FOverLimit = true;
        DoOverFlowEvent();
    } else if (FValueSec > FThresholdLow) {
        DoNormalRangeEvent();
    } else {
        FUnderLimit = true;
        DoUnderFlowEvent();
    }
    Paint();
}

void TMeter::SetThresholdLow(double Value)
{
    if (std::isnan(Value) || (FLogarithmic && Value < LogFloor))
        return;
    if (IsLoading()) {
        FThresholdLow = Value;
        return;
    }
    if (FThresholdLow == Value)
        return;
    FThresholdLow = Value;
    ClampIntoRange(FThresholdLow);
    FThresholdHigh = std::max(FThresholdHigh, FThresholdLow);
    FUnderLimit = false;
    if (FValue <= FThresholdLow) {
        FUnderLimit = true;
        DoUnderFlowEvent();
    }
    Paint();
}

void TMeter::SetThresholdHigh(double Value)
{
    if (std::isnan(Value) || (FLogarithmic && Value < LogFloor))
        return;
    if (IsLoading()) {
        FThresholdHigh = Value;
        return;
    }
    if (FThresholdHigh == Value)
        return;
    FThresholdHigh = Value;
    ClampIntoRange(FThresholdHigh);
    FThresholdLow = std::min(FThresholdLow, FThresholdHigh);
    FOverLimit = false;
    if (FValue >= FThresholdHigh) {
        FOverLimit = true;
        DoOverFlowEvent();
    }
    Paint();
}

void TMeter::DoOverFlowEvent()
{
    if (OnOverFlow)
        OnOverFlow(this);
    Q_EMIT overFlow();
}

void TMeter::DoUnderFlowEvent()
{
    if (OnUnderFlow)
        OnUnderFlow(this);
    Q_EMIT underFlow();
}

void TMeter::DoNormalRangeEvent()
{
    if (OnNormalRange)
        OnNormalRange(this);
    Q_EMIT normalRange();
}

// ---------------------------------------------------------------- TMeter: mapping

double TMeter::CalcNeedleAngle(double Value) const
{
    return TMeterScale(FMeterMinValue, FMeterMaxValue, FLogarithmic, FMeterAngle).NeedleAngle(Value);
}

void TMeter::ConvertToPixelCoords(double Value, double Percent, int& X, int& Y) const
{
    const double A = (-90 - CalcNeedleAngle(Value)) * std::numbers::pi / 180;
    const double R = Percent * 0.01 * FMeterRadius;
    X = Round(FMeterCenterX + R * std::cos(A));
    Y = Round(FMeterCenterY - R * std::sin(A));
}

int TMeter::CalcM(int DecPlaces, double RangeEnd1, double RangeEnd2) const
{
    return vok::CalcM(DecPlaces, RangeEnd1, RangeEnd2);
}

bool TMeter::ConvertPixelToValue(int X, int Y, double& MeterValue) const
{
    const TMeterScale Scale(FMeterMinValue, FMeterMaxValue, FLogarithmic, FMeterAngle);
    return Scale.ValueAtDirection(DirectionFromPivot(X, Y, FMeterCenterX, FMeterCenterY), MeterValue);
}

void TMeter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    double MeterValue = 0;
    const bool WithinRange = ConvertPixelToValue(X, Y, MeterValue);
    MouseMoveInMeter(WithinRange, Shift, MeterValue);
}

void TMeter::MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue)
{
    if (OnMouseMoveInMeter)
        OnMouseMoveInMeter(this, WithinRange, Shift, MeterValue);
    Q_EMIT mouseMoveInMeter(WithinRange, Shift, MeterValue);
}

} // namespace vok
