#include <vok/Vok_controls.h>

#include <vok/Vok_colorconst.h>
#include <vok/Vok_menus.h>
#include <vok/Vok_syscolors.h>

#include "accessibility.h"
#include "raster.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace vok {

namespace {
TPoint EventPoint(const QPointF& P) { return Point(int(std::floor(P.x())), int(std::floor(P.y()))); }
} // namespace

TControlCore::TControlCore(QWidget* Self, QWidget* AOwner)
    : TComponentCore(Self, AOwner)
    , FWidget(Self)
    , FFont(new TFont(Self))
    , FColor(clBtnFace)
{
    TakeParentFont();
    FFont->OnChange = [this](QObject*) {
        if (!FTakingParentFont)
            FWidget->setFont(FFont->ToQFont());
        FontChanged();
    };
}

TControlCore::~TControlCore() { FFont->OnChange = nullptr; }

void TControlCore::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    FWidget->setGeometry(ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight));
    if (FBoundsSize != FWidget->size()) {
        FBoundsSize = FWidget->size();
        FWidget->updateGeometry();
    }
    // Qt holds the resize of a hidden widget back until it is shown; the
    // classic control is resized (OnResize, a new picture size) at once.
    if (FWidget->testAttribute(Qt::WA_PendingResizeEvent)) {
        FWidget->setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent Event(FWidget->size(), QSize());
        QCoreApplication::sendEvent(FWidget, &Event);
    }
}

void TControlCore::SetVisible(bool Value)
{
    FVisible = Value;
    // A control without parent is a window of its own: Visible does not open it.
    if (FWidget->parentWidget() || !Value)
        FWidget->setVisible(Value);
}

bool TControlCore::GetEnabled() const { return !FWidget->testAttribute(Qt::WA_ForceDisabled); }

void TControlCore::SetEnabled(bool Value)
{
    // Qt sends EnabledChange (EnabledChanged()) when the effective state changes.
    FWidget->setEnabled(Value);
}

void TControlCore::EnabledChanged() { Invalidate(); }

void TControlCore::PaletteChanged() { Invalidate(); }

TColor TControlCore::ResolveColor(TColor Color) const { return ColorToRGB(Color, FWidget->palette()); }

TColor TControlCore::GetColor() const { return FParentColor ? ParentColorValue() : FColor; }

void TControlCore::SetColor(TColor Value)
{
    if (!FParentColor && FColor == Value)
        return;
    FColor = Value;
    FParentColor = false;
    ColorChanged();
}

void TControlCore::SetParentColor(bool Value)
{
    if (FParentColor == Value)
        return;
    FParentColor = Value;
    ColorChanged();
}

TColor TControlCore::ParentColorValue() const
{
    if (const auto* Parent = dynamic_cast<const TControlCore*>(FWidget->parentWidget()))
        return Parent->GetColor();
    return clBtnFace;
}

void TControlCore::ColorChanged() { Invalidate(); }

void TControlCore::ApplyColorToPalette(QPalette::ColorRole Role)
{
    FColorRole = Role;
    // Not through the own palette, which holds the color set last time.
    const QWidget* Parent = FWidget->parentWidget();
    const QPalette Source = Parent ? Parent->palette() : QApplication::palette(FWidget);
    const QColor Color = ColorToQColor(ColorToRGB(GetColor(), Source));
    QPalette Palette = FWidget->palette();
    if (IsSystemColor(GetColor()) && Color == Source.color(Role)) {
        // The role the palette has anyway (clWindow as Base): inherited, so
        // it follows every later palette by itself.
        QPalette RoleOnly;
        RoleOnly.setColor(Role, Color);
        Palette.setResolveMask(Palette.resolveMask() & ~RoleOnly.resolveMask());
    } else {
        Palette.setColor(Role, Color);
    }
    FWidget->setPalette(Palette); // the same palette again sends no change
}

void TControlCore::SetParentFont(bool Value)
{
    if (GetParentFont() == Value)
        return;
    if (Value)
        FWidget->setFont(QFont()); // an empty font resolves everything from the parent
    else
        FWidget->setFont(FWidget->font());
}

void TControlCore::TakeParentFont()
{
    FTakingParentFont = true;
    FFont->AssignQFont(FWidget->font());
    FTakingParentFont = false;
}

void TControlCore::DispatchFontChange()
{
    // A font set through Font is in FFont already; one from the parent is taken over.
    if (GetParentFont())
        TakeParentFont();
}

void TControlCore::FontChanged() { Invalidate(); }

void TControlCore::DispatchChange(const QEvent& Event)
{
    switch (Event.type()) {
    case QEvent::EnabledChange:
        EnabledChanged();
        break;
    case QEvent::PaletteChange:
        if (FColorRole != QPalette::NoRole)
            ApplyColorToPalette(FColorRole);
        PaletteChanged();
        break;
    case QEvent::FontChange:
        DispatchFontChange();
        // Text metrics are in most size hints.
        FWidget->updateGeometry();
        break;
    default:
        break;
    }
}

QAccessible::Role TControlCore::AccessibleRole() const { return QAccessible::Client; }

QString TControlCore::AccessibleName() const
{
    const QString Name = FWidget->accessibleName();
    return Name.isEmpty() ? FHint : Name;
}

QString TControlCore::CaptionedAccessibleName(const QString& Caption) const
{
    if (!FWidget->accessibleName().isEmpty() || Caption.isEmpty())
        return TControlCore::AccessibleName();
    return Caption;
}

QString TControlCore::AccessibleValueText() const { return QString(); }

bool TControlCore::AccessibleValue(double&, double&, double&) const { return false; }

void TControlCore::AccessibleState(QAccessible::State&) const {}

void TControlCore::NotifyAccessibleValueChanged()
{
    if (!QAccessible::isActive())
        return;
    double Value = 0, Minimum = 0, Maximum = 0;
    QAccessibleValueChangeEvent Event(FWidget, AccessibleValue(Value, Minimum, Maximum) ? QVariant(Value) : QVariant(AccessibleValueText()));
    QAccessible::updateAccessibility(&Event);
}

void TControlCore::NotifyAccessibleStateChanged()
{
    if (!QAccessible::isActive())
        return;
    // Which states changed is not tracked: the ones a control adds may all have.
    QAccessible::State Changed;
    Changed.checked = true;
    Changed.readOnly = true;
    Changed.pressed = true;
    Changed.expanded = true;
    Changed.collapsed = true;
    Changed.selected = true;
    QAccessibleStateChangeEvent Event(FWidget, Changed);
    QAccessible::updateAccessibility(&Event);
}

void TControlCore::SetHint(const QString& Value)
{
    FHint = Value;
    UpdateToolTip();
}

void TControlCore::SetShowHint(bool Value)
{
    FShowHint = Value;
    UpdateToolTip();
}

void TControlCore::UpdateToolTip() { FWidget->setToolTip(FShowHint ? FHint : QString()); }

void TControlCore::SetCursor(TCursor Value)
{
    FCursor = Value;
    if (Value == crDefault)
        FWidget->unsetCursor();
    else
        FWidget->setCursor(CursorShape(Value));
}

TPopupMenu* TControlCore::GetPopupMenu() const { return FPopupMenu.data(); }

void TControlCore::SetPopupMenu(TPopupMenu* Value) { FPopupMenu = Value; }

bool TControlCore::DispatchContextMenu(const QContextMenuEvent& Event)
{
    if (!FPopupMenu || !FPopupMenu->GetAutoPopup())
        return false;
    FPopupMenu->SetPopupComponent(Self());
    FPopupMenu->Popup(Event.globalPos().x(), Event.globalPos().y());
    return true;
}

bool TControlCore::GetTabStop() const { return FWidget->focusPolicy() & Qt::TabFocus; }

void TControlCore::SetTabStop(bool Value)
{
    const Qt::FocusPolicy Policy = FWidget->focusPolicy();
    FWidget->setFocusPolicy(Value ? Qt::FocusPolicy(Policy | Qt::TabFocus) : Qt::FocusPolicy(Policy & ~Qt::TabFocus));
}

void TControlCore::SetFocus() { FWidget->setFocus(Qt::OtherFocusReason); }

void TControlCore::HandleNeeded()
{
    if (FHandleAllocated)
        return;
    FHandleAllocated = true;
    CreateWnd();
}

void TControlCore::Invalidate() { FWidget->update(); }

void TControlCore::Repaint() { FWidget->repaint(); }

void TControlCore::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(Self(), Button, Shift, X, Y);
}

void TControlCore::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(Self(), Shift, X, Y);
}

void TControlCore::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(Self(), Button, Shift, X, Y);
}

void TControlCore::Click()
{
    if (OnClick)
        OnClick(Self());
}

void TControlCore::DblClick()
{
    if (OnDblClick)
        OnDblClick(Self());
}

void TControlCore::KeyDown(quint16& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(Self(), Key, Shift);
}

void TControlCore::KeyUp(quint16& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(Self(), Key, Shift);
}

void TControlCore::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(Self(), Key);
}

bool TControlCore::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheel)
        OnMouseWheel(Self(), Shift, WheelDelta, MousePos, Handled);
    if (Handled || WheelDelta == 0)
        return Handled;
    return WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
}

bool TControlCore::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(Self(), Shift, MousePos, Handled);
    return Handled;
}

bool TControlCore::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool Handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(Self(), Shift, MousePos, Handled);
    return Handled;
}

void TControlCore::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(Self());
}

void TControlCore::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(Self());
}

void TControlCore::DoEnter()
{
    if (OnEnter)
        OnEnter(Self());
}

void TControlCore::DoExit()
{
    if (OnExit)
        OnExit(Self());
}

void TControlCore::Resize()
{
    if (OnResize)
        OnResize(Self());
}

TControlCore::TKeyDispatch TControlCore::DispatchKeyPress(const QKeyEvent& Event)
{
    TKeyDispatch Result{true, Event.text()};
    const TShiftState Shift = ShiftStateFromQt(Event.modifiers());
    quint16 Key = VirtualKeyFromQtKey(Event.key(), Event.modifiers());
    if (Key != 0) {
        KeyDown(Key, Shift);
        // Like a swallowed key-down message: the key's own action is gone,
        // the character it types still arrives.
        Result.PassOn = Key != 0;
    }
    QChar Char = KeyPressChar(Event.key(), Event.modifiers(), Event.text());
    if (Char.isNull())
        return Result;
    const QChar Typed = Char;
    KeyPress(Char);
    if (Char.isNull())
        return {false, QString()};
    if (Char != Typed)
        Result.Text = QString(Char);
    Result.PassOn = true;
    return Result;
}

bool TControlCore::DispatchKeyRelease(const QKeyEvent& Event)
{
    quint16 Key = VirtualKeyFromQtKey(Event.key(), Event.modifiers());
    if (Key == 0)
        return true;
    KeyUp(Key, ShiftStateFromQt(Event.modifiers()));
    return Key != 0;
}

void TControlCore::DispatchMousePress(const QMouseEvent& Event)
{
    TMouseButton Button;
    if (!MouseButtonFromQt(Event.button(), Button))
        return;
    if (Button == mbLeft)
        FClickPending = true;
    const TPoint P = EventPoint(Event.position());
    MouseDown(Button, ShiftStateFromQt(Event.modifiers(), Event.buttons()), P.X, P.Y);
}

void TControlCore::DispatchMouseRelease(const QMouseEvent& Event)
{
    TMouseButton Button;
    if (!MouseButtonFromQt(Event.button(), Button))
        return;
    const TPoint P = EventPoint(Event.position());
    // The click comes before the release, and only when the button goes up
    // over the control where it went down.
    if (Button == mbLeft && FClickPending && FClickOnRelease) {
        FClickPending = false;
        if (Rect(0, 0, GetWidth(), GetHeight()).Contains(P))
            Click();
    }
    MouseUp(Button, ShiftStateFromQt(Event.modifiers(), Event.buttons()), P.X, P.Y);
}

void TControlCore::DispatchMouseDoubleClick(const QMouseEvent& Event)
{
    // Qt delivers the second press (a MouseDown) before the double click; the
    // release that follows is no second Click.
    FClickPending = false;
    if (Event.button() == Qt::LeftButton)
        DblClick();
}

void TControlCore::DispatchMouseMove(const QMouseEvent& Event)
{
    const TPoint P = EventPoint(Event.position());
    MouseMove(ShiftStateFromQt(Event.modifiers(), Event.buttons()), P.X, P.Y);
}

bool TControlCore::DispatchWheel(const QWheelEvent& Event)
{
    const int Delta = Event.angleDelta().y();
    if (Delta == 0)
        return false;
    const QPointF Global = Event.globalPosition();
    return DoMouseWheel(ShiftStateFromQt(Event.modifiers(), Event.buttons()), Delta, EventPoint(Global));
}

namespace {
// Activating another window or opening a popup does not move the focus
// between the controls of a form.
bool MovesFormFocus(Qt::FocusReason Reason)
{
    return Reason != Qt::ActiveWindowFocusReason && Reason != Qt::PopupFocusReason;
}
} // namespace

void TControlCore::DispatchFocusIn(const QFocusEvent& Event)
{
    if (MovesFormFocus(Event.reason()))
        DoEnter();
}

void TControlCore::DispatchFocusOut(const QFocusEvent& Event)
{
    if (MovesFormFocus(Event.reason()))
        DoExit();
}

bool TControlCore::WantsKey(const QKeyEvent& Event) const
{
    const bool IsTab = Event.key() == Qt::Key_Tab || Event.key() == Qt::Key_Backtab;
    return FWantTabs && IsTab && !(Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}


TControl::TControl(QWidget* AOwner)
    : TControlOn<QWidget>(AOwner)
    , FCanvas(new TCanvas(&FPicture, this))
{
    InstallControlAccessibility();
    FCanvas->SetPaletteSource(this);
    FCanvas->SetFont(GetFont());
    FCanvas->OnChange = [this](QObject*) { update(); };
}

TControl::~TControl() { FCanvas->OnChange = nullptr; }

void TControl::Paint() { EraseBackground(); }

void TControl::Click()
{
    TControlOn<QWidget>::Click();
    Q_EMIT clicked();
}

void TControl::DblClick()
{
    TControlOn<QWidget>::DblClick();
    Q_EMIT doubleClicked();
}

void TControl::DoEnter()
{
    TControlOn<QWidget>::DoEnter();
    Q_EMIT entered();
}

void TControl::DoExit()
{
    TControlOn<QWidget>::DoExit();
    Q_EMIT exited();
}

void TControl::Resize()
{
    TControlOn<QWidget>::Resize();
    Q_EMIT resized();
}

void TControl::MouseEnter()
{
    TControlOn<QWidget>::MouseEnter();
    Q_EMIT mouseEntered();
}

void TControl::MouseLeave()
{
    TControlOn<QWidget>::MouseLeave();
    Q_EMIT mouseLeft();
}

QSize TControl::sizeHint() const { return BoundsSize(); }

QSize TControl::minimumSizeHint() const { return sizeHint(); }

void TControl::EraseBackground()
{
    FPicture.fill(Qt::transparent);
    update();
}

void TControl::Invalidate()
{
    FPaintPending = true;
    update();
}

void TControl::Repaint()
{
    FPaintPending = false;
    Paint();
}

void TControl::Update()
{
    if (!FPaintPending)
        return;
    FPaintPending = false;
    EraseBackground();
    Paint();
}

void TControl::FontChanged()
{
    FCanvas->SetFont(GetFont());
    TControlOn<QWidget>::FontChanged();
}

void TControl::paintEvent(QPaintEvent*)
{
    // On another screen, or with the screen's ratio changed, the picture is
    // made anew at the new ratio and painted before it is shown.
    FitPicture();
    Update();
    QPainter Painter(this);
    Painter.drawImage(0, 0, FPicture);
}

void TControl::resizeEvent(QResizeEvent* Event)
{
    FitPicture();
    TControlOn<QWidget>::resizeEvent(Event);
}

void TControl::FitPicture()
{
    const qreal Ratio = devicePixelRatioF();
    const raster::DeviceScale Scale(Ratio);
    const QSize Device(Scale.Edge(width()), Scale.Edge(height()));
    if (FPicture.size() == Device && FPicture.devicePixelRatio() == Ratio)
        return;
    FPicture = QImage(Device, QImage::Format_ARGB32_Premultiplied);
    FPicture.setDevicePixelRatio(Ratio);
    FPicture.fill(Qt::transparent);
    FCanvas->SetImage(&FPicture);
    FPaintPending = true;
}

TGraphicControl::TGraphicControl(QWidget* AOwner)
    : TControl(AOwner)
{
    setFocusPolicy(Qt::NoFocus);
}

TCustomControl::TCustomControl(QWidget* AOwner)
    : TControl(AOwner)
{
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCustomControl::EraseBackground()
{
    GetCanvas()->GetBrush()->SetColor(GetColor());
    GetCanvas()->GetBrush()->SetStyle(bsSolid);
    GetCanvas()->FillRect(GetClientRect());
}

} // namespace vok
