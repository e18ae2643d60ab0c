#include <vok/Vok_ProgBar.h>
#include <vok/Vok_frames.h>

#include "ProgBarLayout.h"

#include <QSizePolicy>

#include <algorithm>
#include <cmath>

namespace vok {

namespace {

constexpr int MinInterval = 10;

} // namespace

// ---------------------------------------------------------------- life

TProgBar::TProgBar(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , FTimer(new TComponentTimer(this, [this] { DoTimer(); }, &RaiseError<EVOKProgBar>))
    , AuxBmp(std::make_unique<TBitmap>(10, 10))
    , FBarBmp(std::make_unique<TBitmap>())
{
    InterpolateColorTable();
    UpdateSizePolicy();
    SetBounds(GetLeft(), GetTop(), 300, 28);
}

TProgBar::~TProgBar() = default;

QSize TProgBar::sizeHint() const
{
    return IsHorizontal(FDirection) ? QSize(300, 28) : QSize(28, 300);
}

// The margins and both frames around a bar of at least 8 pixels, tall
// enough for one line of the value text.
QSize TProgBar::minimumSizeHint() const
{
    const int Text = FTextVisible ? QFontMetrics(font()).height() + 4 : 0;
    const int Across = std::max(FMarginTop + FMarginBottom + 8, Text);
    const int Along = std::max(FMarginLeft + FMarginRight + 8, 40);
    return IsHorizontal(FDirection) ? QSize(Along, Across) : QSize(Across, Along);
}

// A horizontal bar grows in width and keeps its height; a vertical one the
// other way round.
void TProgBar::UpdateSizePolicy()
{
    setSizePolicy(IsHorizontal(FDirection) ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                             : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
    updateGeometry();
}

// ---------------------------------------------------------------- plain settings

void TProgBar::SetColorBackGnd(TColor Value) { StoreAndPaint(FColorBackGnd, Value); }
void TProgBar::SetColorMapMode(TColorMapping Value) { StoreAndPaint(FColorMapMode, Value); }
void TProgBar::SetColorGrid(TColor Value) { StoreAndPaint(FColorGrid, Value); }
void TProgBar::SetColorMargin(TColor Value) { StoreAndPaint(FColorMargin, Value); }
void TProgBar::SetFrameStyleOuter(TFrameStyle Value) { StoreAndPaint(FFrameStyleOuter, Value); }
void TProgBar::SetFrameStyleInner(TFrameStyle Value) { StoreAndPaint(FFrameStyleInner, Value); }
void TProgBar::SetGridDist(int Value) { StoreAndPaint(FGridDist, Value); }
void TProgBar::SetShowColorGradient(bool Value) { StoreAndPaint(FShowColorGradient, Value); }
void TProgBar::SetTextAlignment(TAlignment Value) { StoreAndPaint(FTextAlignment, Value); }

void TProgBar::SetMarginBottom(int Value)
{
    StoreAndPaint(FMarginBottom, Value);
    updateGeometry();
}

void TProgBar::SetMarginLeft(int Value)
{
    StoreAndPaint(FMarginLeft, Value);
    updateGeometry();
}

void TProgBar::SetMarginRight(int Value)
{
    StoreAndPaint(FMarginRight, Value);
    updateGeometry();
}

void TProgBar::SetMarginTop(int Value)
{
    StoreAndPaint(FMarginTop, Value);
    updateGeometry();
}

void TProgBar::SetDirection(TDirection Value)
{
    if (FDirection == Value)
        return;
    FDirection = Value;
    UpdateSizePolicy();
    Paint();
}

void TProgBar::SetColorScheme(TColorScheme Value)
{
    if (FColorScheme == Value)
        return;
    FColorScheme = Value;
    const TSchemeLineColors Lines = SchemeLineColors(Value);
    FColGrayLine = Lines.Gray;
    FColWhiteLine = Lines.White;
    Paint();
}

// These always store and repaint.
void TProgBar::SetTextAngle(int Value)
{
    FTextAngle = std::clamp(Value, 0, 360);
    Paint();
}

void TProgBar::SetTextDecPlaces(int Value)
{
    FTextDecPlaces = std::clamp(Value, -2, 10);
    Paint();
}

void TProgBar::SetTextPosX(int Value)
{
    FTextPosX = std::clamp(Value, 0, std::max(0, GetWidth()));
    Paint();
}

void TProgBar::SetTextPosY(int Value)
{
    FTextPosY = std::clamp(Value, 0, std::max(0, GetHeight()));
    Paint();
}

void TProgBar::SetTextVisible(bool Value)
{
    FTextVisible = Value;
    updateGeometry();
    Paint();
}

// ---------------------------------------------------------------- values

void TProgBar::StoreValue(double Value)
{
    if (FValue == Value)
        return;
    FValue = Value;
    Q_EMIT valueChanged(Value);
    NotifyAccessibleValueChanged();
}

void TProgBar::SetValue(double Value)
{
    if (std::isnan(Value) || FValue == Value)
        return;
    StoreValue(Value);
    Paint();
}

void TProgBar::SetMax(double Value)
{
    if (!std::isnan(Value))
        StoreAndPaint(FMax, Value);
}

void TProgBar::SetMin(double Value)
{
    if (!std::isnan(Value))
        StoreAndPaint(FMin, Value);
}

void TProgBar::SetRange(double AMin, double AMax)
{
    if (std::isnan(AMin) || std::isnan(AMax))
        return;
    FMin = std::min(AMin, AMax);
    FMax = std::max(AMin, AMax);
    Paint();
}

QAccessible::Role TProgBar::AccessibleRole() const { return QAccessible::ProgressBar; }

bool TProgBar::AccessibleValue(double& Value, double& Minimum, double& Maximum) const
{
    Value = FValue, Minimum = FMin, Maximum = FMax;
    return true;
}

// ---------------------------------------------------------------- colors

// System colors enter the table by their RGB value in the control's palette:
// the table is arithmetic on channels.
void TProgBar::InterpolateColorTable()
{
    const TColor A = ResolveColor(FColorMin);
    const TColor B = ResolveColor(FColorMax);
    for (int I = 0; I < BarColorCount; ++I)
        FBarColors[size_t(I)] = InterpolateBarColor(A, B, I);
}

void TProgBar::PaletteChanged()
{
    if ((FColorMin | FColorMax) & clSystemColor)
        InterpolateColorTable();
    TGraphicControl::PaletteChanged();
}

void TProgBar::SetColorMin(TColor Value)
{
    FColorMin = Value;
    InterpolateColorTable();
    Paint();
}

void TProgBar::SetColorMax(TColor Value)
{
    FColorMax = Value;
    InterpolateColorTable();
    Paint();
}

TColor TProgBar::GetBarColors(int Index) const
{
    return Index >= 0 && Index < BarColorCount ? FBarColors[size_t(Index)] : 0;
}

void TProgBar::SetBarColors(int Index, TColor Value)
{
    if (Index >= 0 && Index < BarColorCount)
        FBarColors[size_t(Index)] = Value;
}

// ---------------------------------------------------------------- background

void TProgBar::SetBackGroundImg(const QString& Value)
{
    if (Value.isEmpty()) {
        FBackGroundImg.clear();
    } else {
        try {
            AuxBmp->LoadFromFile(Value);
            FBackGroundImg = Value;
        } catch (const EVOKError&) {
            // An unreadable file keeps the previous image.
        }
    }
    Paint();
}

// ---------------------------------------------------------------- timer

void TProgBar::SetAutoInc(bool Value)
{
    if (FAutoInc == Value)
        return;
    FAutoInc = Value;
    if (IsDesigning())
        return;
    if (Value)
        InitTimer();
    else
        FTimer->Kill();
}

void TProgBar::SetAutoIncStep(double Value)
{
    if (Value != 0 && !std::isnan(Value))
        FAutoIncStep = Value;
}

void TProgBar::SetStartInterval(int Value)
{
    Value = std::max(Value, MinInterval);
    if (FStartInterval == Value)
        return;
    FStartInterval = Value;
    if (!IsDesigning())
        InitTimer();
}

void TProgBar::SetRepeatInterval(int Value)
{
    Value = std::max(Value, MinInterval);
    if (FRepeatInterval == Value)
        return;
    FRepeatInterval = Value;
    if (!IsDesigning())
        UpdateTimer();
}

void TProgBar::SetOnAutoInc(TNotifyEvent Handler)
{
    OnAutoInc = std::move(Handler);
    if (!IsDesigning())
        UpdateTimer();
}

void TProgBar::InitTimer()
{
    FStartPhase = true;
    FTimer->Kill();
    if (FStartInterval > 0 && FAutoInc)
        FTimer->Start(FStartInterval);
}

void TProgBar::UpdateTimer()
{
    FStartPhase = false;
    FTimer->Kill();
    if (FRepeatInterval > 0 && FAutoInc)
        FTimer->Start(FRepeatInterval);
}

void TProgBar::DoTimer()
{
    if (FStartPhase)
        UpdateTimer();
    AutoIncEvent();
    if (OnAutoInc)
        OnAutoInc(this);
    Q_EMIT autoInc();
}

void TProgBar::AutoIncEvent()
{
    StoreValue(FValue + FAutoIncStep);
    Paint();
}

// ---------------------------------------------------------------- copying

void TProgBar::Assign(QObject* Source)
{
    auto* Other = qobject_cast<TProgBar*>(Source);
    if (!Other) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyleOuter = Other->FFrameStyleOuter;
    FFrameStyleInner = Other->FFrameStyleInner;
    FMin = Other->FMin;
    FMax = Other->FMax;
    if (FDirection != Other->FDirection) {
        FDirection = Other->FDirection;
        UpdateSizePolicy();
    }
    FColorMargin = Other->FColorMargin;
    FColorBackGnd = Other->FColorBackGnd;
    FColorScheme = Other->FColorScheme;
    FColGrayLine = Other->FColGrayLine;
    FColWhiteLine = Other->FColWhiteLine;
    FColorMin = Other->FColorMin;
    FColorMax = Other->FColorMax;
    FBarColors = Other->FBarColors;
    AuxBmp->Assign(Other->AuxBmp.get());
    FShowColorGradient = Other->FShowColorGradient;
    FColorGrid = Other->FColorGrid;
    FGridDist = Other->FGridDist;
    FColorMapMode = Other->FColorMapMode;
    FMarginBottom = Other->FMarginBottom;
    FMarginLeft = Other->FMarginLeft;
    FMarginRight = Other->FMarginRight;
    FMarginTop = Other->FMarginTop;
    FBackGroundImg = Other->FBackGroundImg;
    FTextPosX = Other->FTextPosX;
    FTextPosY = Other->FTextPosY;
    FTextDecPlaces = Other->FTextDecPlaces;
    FTextAngle = Other->FTextAngle;
    FTextAlignment = Other->FTextAlignment;
    OnShowValue = Other->OnShowValue;
    FTextVisible = Other->FTextVisible;
    StoreValue(Other->FValue);
    updateGeometry();
    Paint();
}

void TProgBar::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TGraphicControl::AssignTo(Dest);
}

} // namespace vok
