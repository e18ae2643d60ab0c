#include <vok/Vok_NumIO.h>

#include "numio2editor.h"
#include "numio2layout.h"
#include "numio2paint.h"

#include <vok/Vok_bitmap.h>
#include <vok/Vok_colorconst.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_sysservices.h>

#include <algorithm>
#include <cmath>

namespace vok {

namespace {
constexpr int CaretBlinkInterval = 500;
constexpr int MinHeight = 18;
} // namespace

TNumIO2::TNumIO2(QWidget* AOwner)
    : TCustomControl(AOwner)
    , FEditor(std::make_unique<TNumTextEditor>())
    , FLayout(std::make_unique<TNumIO2Layout>())
    , FLook(std::make_unique<TNumIO2Appearance>())
    , FCaretTimer(new TComponentTimer(this, [this] { CaretTick(); }, &RaiseError<EVOKNumIO2Error>))
{
    TCustomControl::SetBounds(GetLeft(), GetTop(), FLayout->Width, FLayout->Height);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    FEditor->Format.InputFormat = itFloat;
    FEditor->Format.DecPlaceSep = dsBoth;
    FNotifiedText = FEditor->GetText();
    FNotifiedValue = GetValue();
    RestartCaretTimer();
}

TNumIO2::~TNumIO2() = default;

TNumIO2Layout TNumIO2::Layout() const
{
    TNumIO2Layout L = *FLayout;
    L.Width = GetWidth();
    L.Height = GetHeight();
    return L;
}

// ---- Setters sharing one shape ------------------------------------------------------

void TNumIO2::SetLayoutInt(int TNumIO2Layout::*Field, int Value)
{
    if ((*FLayout).*Field == Value)
        return;
    (*FLayout).*Field = Value;
    updateGeometry();
    Paint();
}

void TNumIO2::SetLayoutBool(bool TNumIO2Layout::*Field, bool Value)
{
    if ((*FLayout).*Field == Value)
        return;
    (*FLayout).*Field = Value;
    updateGeometry();
    Paint();
}

void TNumIO2::SetLookColor(TColor TNumIO2Appearance::*Field, TColor Value)
{
    if ((*FLook).*Field == Value)
        return;
    (*FLook).*Field = Value;
    Paint();
}

void TNumIO2::SetLookAlignment(TAlignment TNumIO2Appearance::*Field, TAlignment Value)
{
    if ((*FLook).*Field == Value)
        return;
    (*FLook).*Field = Value;
    Paint();
}

void TNumIO2::SetLookFrame(TFrameStyle TNumIO2Appearance::*Field, TFrameStyle Value)
{
    if ((*FLook).*Field == Value)
        return;
    (*FLook).*Field = Value;
    Paint();
}

void TNumIO2::SetLookText(QString TNumIO2Appearance::*Field, const QString& Value)
{
    if ((*FLook).*Field == Value)
        return;
    (*FLook).*Field = Value;
    updateGeometry();
    Paint();
}

// ---- Properties -------------------------------------------------------------------------

TAlignment TNumIO2::GetAlignment() const { return FLook->Alignment; }
void TNumIO2::SetAlignment(TAlignment Value) { SetLookAlignment(&TNumIO2Appearance::Alignment, Value); }

void TNumIO2::SetAutoSize(bool Value)
{
    if (FAutoSize == Value)
        return;
    FAutoSize = Value;
    Paint();
}

bool TNumIO2::GetBeep() const { return FEditor->Beep; }
void TNumIO2::SetBeep(bool Value) { FEditor->Beep = Value; }

bool TNumIO2::GetButVisible() const { return FLayout->ButVisible; }
void TNumIO2::SetButVisible(bool Value) { SetLayoutBool(&TNumIO2Layout::ButVisible, Value); }

bool TNumIO2::GetBut3D() const { return FLook->But3D; }
void TNumIO2::SetBut3D(bool Value)
{
    if (FLook->But3D == Value)
        return;
    FLook->But3D = Value;
    Paint();
}

int TNumIO2::GetButHeight() const { return FLayout->ButHeight; }
void TNumIO2::SetButHeight(int Value)
{
    SetLayoutInt(&TNumIO2Layout::ButHeight, std::min(std::max(Value, MinHeight), GetHeight()));
}

int TNumIO2::GetButWidth() const { return FLayout->ButWidth; }
void TNumIO2::SetButWidth(int Value) { SetLayoutInt(&TNumIO2Layout::ButWidth, std::clamp(Value, 8, 50)); }

void TNumIO2::SetButIncrem(double Value)
{
    if (FButIncrem == Value)
        return;
    FButIncrem = Value;
    Paint();
}

int TNumIO2::GetButSpace() const { return FLayout->ButSpace; }
void TNumIO2::SetButSpace(int Value) { SetLayoutInt(&TNumIO2Layout::ButSpace, std::clamp(Value, 0, 50)); }

TColor TNumIO2::GetButColor() const { return FLook->ButColor; }
void TNumIO2::SetButColor(TColor Value) { SetLookColor(&TNumIO2Appearance::ButColor, Value); }
TColor TNumIO2::GetColorBoxBG() const { return FLook->ColorBoxBG; }
void TNumIO2::SetColorBoxBG(TColor Value) { SetLookColor(&TNumIO2Appearance::ColorBoxBG, Value); }
TColor TNumIO2::GetColorBoxText() const { return FLook->ColorBoxText; }
void TNumIO2::SetColorBoxText(TColor Value) { SetLookColor(&TNumIO2Appearance::ColorBoxText, Value); }
TColor TNumIO2::GetColorOutBG() const { return FLook->ColorOutBG; }
void TNumIO2::SetColorOutBG(TColor Value) { SetLookColor(&TNumIO2Appearance::ColorOutBG, Value); }
TColor TNumIO2::GetColorOutText() const { return FLook->ColorOutText; }
void TNumIO2::SetColorOutText(TColor Value) { SetLookColor(&TNumIO2Appearance::ColorOutText, Value); }

void TNumIO2::SetColorScheme(TColorScheme Value)
{
    if (FColorScheme == Value)
        return;
    FColorScheme = Value;
    const TSchemeLineColors Lines = SchemeLineColors(Value);
    FLook->ColGrayLine = Lines.Gray;
    FLook->ColWhiteLine = Lines.White;
    Paint();
}

TColor TNumIO2::GetColorWarnBG() const { return FLook->ColorWarnBG; }
void TNumIO2::SetColorWarnBG(TColor Value)
{
    FLook->ColorWarnBG = Value;
    Paint();
}

TColor TNumIO2::GetColorWarnText() const { return FLook->ColorWarnText; }
void TNumIO2::SetColorWarnText(TColor Value)
{
    FLook->ColorWarnText = Value;
    Paint();
}

TDecPSep TNumIO2::GetDecPlaceSep() const { return FEditor->Format.DecPlaceSep; }
void TNumIO2::SetDecPlaceSep(TDecPSep Value)
{
    if (FEditor->Format.DecPlaceSep == Value)
        return;
    FEditor->SetDecPlaceSep(Value);
    Paint();
    NotifyChanges();
}

int TNumIO2::GetFixPointDecPlaces() const { return FEditor->Format.FixPointDecPlaces; }
void TNumIO2::SetFixPointDecPlaces(int Value)
{
    if (Value <= 0)
        return;
    const double Current = GetValue();
    FEditor->Format.FixPointDecPlaces = std::min(Value, 15);
    SetValue(Current);
}

TFrameStyle TNumIO2::GetFrameStyle() const { return FLook->FrameStyle; }
void TNumIO2::SetFrameStyle(TFrameStyle Value) { SetLookFrame(&TNumIO2Appearance::FrameStyle, Value); }

TColor TNumIO2::GetGaugeColor() const { return FLook->GaugeColor; }
void TNumIO2::SetGaugeColor(TColor Value) { SetLookColor(&TNumIO2Appearance::GaugeColor, Value); }
TColor TNumIO2::GetGaugeColorBg() const { return FLook->GaugeColorBg; }
void TNumIO2::SetGaugeColorBg(TColor Value) { SetLookColor(&TNumIO2Appearance::GaugeColorBg, Value); }
TColor TNumIO2::GetGaugeColorFrame() const { return FLook->GaugeColorFrame; }
void TNumIO2::SetGaugeColorFrame(TColor Value) { SetLookColor(&TNumIO2Appearance::GaugeColorFrame, Value); }

int TNumIO2::GetGaugeHeight() const { return FLayout->GaugeHeight; }
void TNumIO2::SetGaugeHeight(int Value)
{
    Value = std::max(std::min(Value, GetHeight() - FLayout->GaugeTopMargin - MinHeight), 3);
    SetLayoutInt(&TNumIO2Layout::GaugeHeight, Value);
}

TFrameStyle TNumIO2::GetGaugeFrameStyle() const { return FLook->GaugeFrameStyle; }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle Value) { SetLookFrame(&TNumIO2Appearance::GaugeFrameStyle, Value); }

int TNumIO2::GetGaugeLeftMargin() const { return FLayout->GaugeLeftMargin; }
void TNumIO2::SetGaugeLeftMargin(int Value)
{
    SetLayoutInt(&TNumIO2Layout::GaugeLeftMargin, std::max(std::min(Value, GetWidth() - FLayout->GaugeWidth), 0));
}

int TNumIO2::GetGaugeTopMargin() const { return FLayout->GaugeTopMargin; }
void TNumIO2::SetGaugeTopMargin(int Value)
{
    Value = std::max(std::min(Value, GetHeight() - FLayout->GaugeHeight - MinHeight), 0);
    SetLayoutInt(&TNumIO2Layout::GaugeTopMargin, Value);
}

bool TNumIO2::GetGaugeVisible() const { return FLayout->GaugeVisible; }
void TNumIO2::SetGaugeVisible(bool Value) { SetLayoutBool(&TNumIO2Layout::GaugeVisible, Value); }

int TNumIO2::GetGaugeWidth() const { return FLayout->GaugeWidth; }
void TNumIO2::SetGaugeWidth(int Value)
{
    SetLayoutInt(&TNumIO2Layout::GaugeWidth, std::min(std::max(Value, 10), GetWidth() - FLayout->GaugeLeftMargin));
}

void TNumIO2::SetHideSelection(bool Value)
{
    if (FHideSel == Value)
        return;
    FHideSel = Value;
    Paint();
}

TInFormat TNumIO2::GetInputFormat() const { return FEditor->Format.InputFormat; }
void TNumIO2::SetInputFormat(TInFormat Value)
{
    if (FEditor->Format.InputFormat == Value)
        return;
    const double Current = GetValue();
    FEditor->Format.InputFormat = Value;
    SetValue(Current);
}

int TNumIO2::GetLeftSpace() const { return FLayout->LeftSpace; }
void TNumIO2::SetLeftSpace(int Value)
{
    if (Value < 0)
        return;
    SetLayoutInt(&TNumIO2Layout::LeftSpace, std::min(Value, GetWidth()));
}

QString TNumIO2::GetLeftText() const { return FLook->LeftText; }
void TNumIO2::SetLeftText(const QString& Value) { SetLookText(&TNumIO2Appearance::LeftText, Value); }
TAlignment TNumIO2::GetLeftTextAlignment() const { return FLook->LeftTextAlignment; }
void TNumIO2::SetLeftTextAlignment(TAlignment Value)
{
    SetLookAlignment(&TNumIO2Appearance::LeftTextAlignment, Value);
}

void TNumIO2::SetRangeHigh(double Value)
{
    FMaximum = Value;
    FMinimum = std::min(FMinimum, Value);
    Paint();
}

void TNumIO2::SetRangeLow(double Value)
{
    FMinimum = Value;
    FMaximum = std::max(FMaximum, Value);
    Paint();
}

void TNumIO2::SetReadOnly(bool Value)
{
    if (FReadOnly == Value)
        return;
    FReadOnly = Value;
    if (FReadOnly) {
        FCaretTimer->Kill();
        FCaretVisib = false;
        Paint();
    } else {
        RestartCaretTimer();
    }
    NotifyAccessibleStateChanged();
}

QString TNumIO2::GetRightText() const { return FLook->RightText; }
void TNumIO2::SetRightText(const QString& Value) { SetLookText(&TNumIO2Appearance::RightText, Value); }
TAlignment TNumIO2::GetRightTextAlignment() const { return FLook->RightTextAlignment; }
void TNumIO2::SetRightTextAlignment(TAlignment Value)
{
    SetLookAlignment(&TNumIO2Appearance::RightTextAlignment, Value);
}

int TNumIO2::GetSignificantDigits() const { return FEditor->Format.SignificantDigits; }
void TNumIO2::SetSignificantDigits(int Value)
{
    if (Value <= 0)
        return;
    const double Current = GetValue();
    FEditor->Format.SignificantDigits = std::min(Value, 15);
    SetValue(Current);
}

QString TNumIO2::GetText() const { return FEditor->GetText(); }
void TNumIO2::SetText(const QString& Value)
{
    if (!Value.isEmpty() && !CheckValidity(Value))
        return;
    FEditor->SetTextRaw(Value);
    FEditor->SetSelection(0, 0, 0);
    Paint();
    NotifyChanges();
}

int TNumIO2::GetTextBoxWidth() const { return FLayout->TextBoxWidth; }
void TNumIO2::SetTextBoxWidth(int Value) { SetLayoutInt(&TNumIO2Layout::TextBoxWidth, Value); }

double TNumIO2::GetValue() const { return FEditor->ReadValue(); }
void TNumIO2::SetValue(double Value)
{
    FEditor->WriteValue(Value);
    Paint();
    NotifyChanges();
}

int TNumIO2::GetIntegerValue() const
{
    const double Rounded = std::nearbyint(GetValue());
    if (!(Rounded >= -2147483648.0 && Rounded <= 2147483647.0))
        throw EVOKNumIO2Error(ComponentMessage(GetName(), QStringLiteral("integer overflow")));
    return int(Rounded);
}

int TNumIO2::GetSelBegin() const { return FEditor->GetSelBegin(); }
void TNumIO2::SetSelBegin(int Value)
{
    FEditor->SetSelBegin(Value);
    Paint();
}

int TNumIO2::GetSelEnd() const { return FEditor->GetSelEnd(); }
void TNumIO2::SetSelEnd(int Value)
{
    FEditor->SetSelEnd(Value);
    Paint();
}

int TNumIO2::GetCaretPos() const { return FEditor->GetCaretPos(); }

void TNumIO2::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AHeight = std::max(AHeight, MinHeight);
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FLayout->ButHeight = std::min(FLayout->ButHeight, AHeight);
    if (!FPainting)
        Paint();
}

void TNumIO2::EnabledChanged() { Refresh(); }

// ---- Methods ------------------------------------------------------------------------------

void TNumIO2::Assign(QObject* Source)
{
    const auto* Src = qobject_cast<TNumIO2*>(Source);
    if (!Src) {
        TCustomControl::Assign(Source);
        return;
    }
    FLayout->LeftSpace = Src->FLayout->LeftSpace;
    FLayout->TextBoxWidth = Src->FLayout->TextBoxWidth;
    // Everything the field shows except the button and gauge settings.
    const TNumIO2Appearance Keep = *FLook;
    *FLook = *Src->FLook;
    FLook->But3D = Keep.But3D;
    FLook->ButColor = Keep.ButColor;
    FLook->GaugeColor = Keep.GaugeColor;
    FLook->GaugeColorBg = Keep.GaugeColorBg;
    FLook->GaugeColorFrame = Keep.GaugeColorFrame;
    FLook->GaugeFrameStyle = Keep.GaugeFrameStyle;
    FColorScheme = Src->FColorScheme;
    // Text, caret, selection, format settings, Shift/Ctrl flags and Beep.
    *FEditor = *Src->FEditor;
    FCaretVisib = Src->FCaretVisib;
    FMouseAreaCode = Src->FMouseAreaCode;
    FHideSel = Src->FHideSel;
    FMinimum = Src->FMinimum;
    FMaximum = Src->FMaximum;
    FOnlineCheck = Src->FOnlineCheck;
    FReadOnly = Src->FReadOnly;
    FAutoSize = Src->FAutoSize;
    updateGeometry();
    Paint();
    NotifyChanges();
}

void TNumIO2::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TCustomControl::AssignTo(Dest);
}

void TNumIO2::Changed()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

void TNumIO2::NotifyChanges()
{
    const QString& Text = FEditor->GetText();
    if (Text == FNotifiedText)
        return;
    FNotifiedText = Text;
    Q_EMIT textChanged(Text);
    const double Value = GetValue();
    // Equal texts are equal values; a new text may spell the same number.
    if (!(Value == FNotifiedValue)) {
        FNotifiedValue = Value;
        Q_EMIT valueChanged(Value);
    }
    NotifyAccessibleValueChanged();
}

QSize TNumIO2::minimumSizeHint() const
{
    const TSize S = Layout().MinimumSize(GetCanvas()->TextWidth(FLook->RightText), GetCanvas()->TextHeight(QStringLiteral("E0")));
    return {S.cx, std::max(S.cy, MinHeight)};
}

QAccessible::Role TNumIO2::AccessibleRole() const { return QAccessible::SpinBox; }

QString TNumIO2::AccessibleName() const { return CaptionedAccessibleName(FLook->LeftText); }

QString TNumIO2::AccessibleValueText() const
{
    return FLook->RightText.isEmpty() ? GetText() : GetText() + QLatin1Char(' ') + FLook->RightText;
}

bool TNumIO2::AccessibleValue(double& Value, double& Minimum, double& Maximum) const
{
    Value = GetValue();
    Minimum = FMinimum;
    Maximum = FMaximum;
    return true;
}

void TNumIO2::AccessibleState(QAccessible::State& State) const { State.readOnly = FReadOnly; }

bool TNumIO2::CheckValidity(const QString& Instring) const { return FEditor->CheckValidity(Instring); }

bool TNumIO2::OutOfRange() const { return IsOutOfRange(GetValue(), FMinimum, FMaximum); }

void TNumIO2::SetFocus()
{
    TCustomControl::SetFocus();
    if (!FReadOnly)
        RestartCaretTimer();
}

void TNumIO2::DoEnter()
{
    if (!FReadOnly)
        RestartCaretTimer();
    TCustomControl::DoEnter();
}

void TNumIO2::DoExit()
{
    Paint();
    TCustomControl::DoExit();
}

// ---- Caret timer ----------------------------------------------------------------------------

bool TNumIO2::CaretTimerRunning() const { return FCaretTimer->IsRunning(); }
int TNumIO2::CaretTimerInterval() const { return FCaretTimer->GetInterval(); }
void TNumIO2::DoTimer() { FCaretTimer->DoTimer(); }

void TNumIO2::RestartCaretTimer()
{
    FCaretTimer->Kill();
    FCaretVisib = true;
    FCaretTimer->Start(CaretBlinkInterval);
    Paint();
}

void TNumIO2::CaretTick()
{
    if (Focused()) {
        FCaretVisib = !FCaretVisib;
    } else {
        FCaretTimer->Kill();
        FCaretVisib = false;
    }
    Paint();
}

// ---- Keyboard ----------------------------------------------------------------------------------

void TNumIO2::KeyDown(quint16& Key, TShiftState Shift)
{
    const TNumKeyResult R = FEditor->KeyDown(Key, Shift, FReadOnly, []() -> std::optional<QString> {
        if (!Clipboard().HasText())
            return std::nullopt;
        return Clipboard().GetAsText();
    });
    if (!R.Ignored) {
        if (R.CopyToClipboard)
            Clipboard().SetAsText(*R.CopyToClipboard);
        if (R.Beep)
            MessageBeep(-1);
        if (R.FocusNext)
            focusNextChild();
        FCaretVisib = true;
        if (R.Changed)
            Changed();
        Paint();
        NotifyChanges();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TNumIO2::KeyUp(quint16& Key, TShiftState Shift)
{
    FEditor->KeyUp(Key);
    TCustomControl::KeyUp(Key, Shift);
}

// ---- Mouse -----------------------------------------------------------------------------------------

void TNumIO2::Click()
{
    TCustomControl::SetFocus();
    if (!FReadOnly)
        RestartCaretTimer();
    TCustomControl::Click();
}

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TNumIO2Layout L = Layout();
    if (!FReadOnly)
        FCaretVisib = true;
    if (L.InTextRow(Y)) {
        const QString& Text = FEditor->GetText();
        const int Pos = L.XToCharPos(FLook->Alignment, X, GetCanvas()->TextWidth(Text), int(Text.size()));
        FEditor->SetSelection(Pos, Pos, Pos);
        SetSelEnd(Pos);
    }
    if (L.OnGauge(X, Y)) {
        SetValue(GaugeValueAt(X, L.GaugeLeftMargin, L.GaugeWidth, FMinimum, FMaximum, ButtonPivots));
        FValueChanged = true;
    }
    if (L.OnSpinButtons(X, Y)) {
        SetValue(SpinStepValue(GetValue(), L.OnUpperButton(Y), FButIncrem, FMinimum, FMaximum, ButtonPivots,
                               FEditor->Format.FixPointDecPlaces));
        Changed();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y)
{
    const TNumIO2Layout L = Layout();
    FMouseAreaCode = L.MouseAreaCode(X);
    if (Shift.testFlag(ssLeft)) {
        if (L.InTextRow(Y)) {
            const QString& Text = FEditor->GetText();
            const int Pos = L.XToCharPos(FLook->Alignment, X, GetCanvas()->TextWidth(Text), int(Text.size()));
            if (Pos > FEditor->GetSelBegin())
                SetSelEnd(Pos);
            else
                SetSelBegin(Pos);
        } else if (L.OnGaugeDrag(X, Y)) {
            const double V = GaugeValueAt(X, L.GaugeLeftMargin, L.GaugeWidth, FMinimum, FMaximum, ButtonPivots);
            SetValue(V);
            FValueChanged = true;
            if (OnGaugeChange)
                OnGaugeChange(this, Shift, V);
            Q_EMIT gaugeChanged(Shift, V);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FValueChanged) {
        FValueChanged = false;
        Changed();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Painting -------------------------------------------------------------------------------------------

void TNumIO2::CreateWnd()
{
    TCustomControl::CreateWnd();
    FSuppressPaint = false;
    Paint();
}

void TNumIO2::Paint()
{
    if (FSuppressPaint || FPainting || !(GetVisible() || IsDesigning()))
        return;
    FPainting = true;
    if (FAutoSize)
        SetHeight(GetCanvas()->TextHeight(QStringLiteral("E0")) + 6);
    const TNumIO2Layout L = Layout();
    TBitmap Bitmap(L.Width, L.Height);
    TCanvas& C = *Bitmap.GetCanvas();
    C.SetPaletteSource(this);
    C.SetFont(GetFont());
    TNumIO2PaintState State;
    State.Enabled = isEnabled();
    State.CaretVisible = FCaretVisib && !FReadOnly && hasFocus();
    State.ShowSelection = Focused() || !FHideSel;
    const double V = GetValue();
    State.OutOfRange = IsOutOfRange(V, FMinimum, FMaximum);
    State.GaugeFill = GaugeFillWidth(V, FMinimum, FMaximum, L.GaugeWidth);
    PaintNumIO2(C, L, *FLook, *FEditor, State);
    GetCanvas()->SetCopyMode(cmSrcCopy);
    GetCanvas()->Draw(0, 0, &Bitmap);
    FPainting = false;
}

} // namespace vok
