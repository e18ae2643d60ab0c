/// Control base classes.
///
/// TControlCore is what every control has, whatever Qt widget it sits on:
/// bounds, visibility, enabled state, color, hint, tag, cursor, the window
/// life cycle (HandleNeeded/CreateWnd) and the input handlers with the classic
/// signatures. TControlOn<QtWidget> joins it to a Qt widget class and
/// translates Qt's events into those handlers once for all controls. The
/// handlers are public: a test or a host calling MouseDown(...) gets exactly
/// what real input gets, the On... event included.
///
/// TControl is the control on a plain QWidget whose picture is its canvas;
/// TGraphicControl (no focus, transparent over its parent) and TCustomControl
/// (focusable, reads the keyboard) derive from it. \file
#pragma once

#include <vok/Vok_canvas.h>
#include <vok/Vok_components.h>
#include <vok/Vok_drawtools.h>
#include <vok/Vok_geometry.h>
#include <vok/Vok_inputtypes.h>
#include <vok/Vok_keys.h>
#include <vok/Vok_sysservices.h>

#include <QtGui/qaccessible_base.h>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

#include <type_traits>
#include <utility>

namespace vok {

class TPopupMenu;

/// Sender, button, shift state and the point in client coordinates.
///@{
using TMouseEvent = std::function<void(QObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(QObject* Sender, TShiftState Shift, int X, int Y)>;
///@}
/// The wheel turned by WheelDelta (120 per notch, positive away from the user)
/// with the pointer at MousePos (screen coordinates); Handled stops the default.
///@{
using TMouseWheelEvent = std::function<void(QObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(QObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
///@}
/// Key is a virtual-key code; a handler that sets it to 0 swallows the key.
using TKeyEvent = std::function<void(QObject* Sender, quint16& Key, TShiftState Shift)>;
/// Key is the character typed; a handler that sets it to a null QChar swallows it.
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

/// What every control has, whatever Qt widget it sits on: bounds, visibility, enabled state, color, font, hint, tag, cursor, the window life cycle and the input handlers with the classic signatures.
class VOK_EXPORT TControlCore : public TComponentCore
{
public:
    TControlCore(QWidget* Self, QWidget* AOwner); ///< The control part of widget Self, owned by AOwner.
    ~TControlCore() override;

    QWidget* Widget() const { return FWidget; } ///< The Qt widget this control is.
    QWidget* GetParent() const { return FWidget->parentWidget(); } ///< The parent widget.

    /// Position and size in the parent's client coordinates.
    ///@{
    int GetLeft() const { return FWidget->x(); }
    void SetLeft(int Value) { SetBounds(Value, GetTop(), GetWidth(), GetHeight()); }
    int GetTop() const { return FWidget->y(); }
    void SetTop(int Value) { SetBounds(GetLeft(), Value, GetWidth(), GetHeight()); }
    int GetWidth() const { return FWidget->width(); }
    void SetWidth(int Value) { SetBounds(GetLeft(), GetTop(), Value, GetHeight()); }
    int GetHeight() const { return FWidget->height(); }
    void SetHeight(int Value) { SetBounds(GetLeft(), GetTop(), GetWidth(), Value); }
    ///@}
    /// Moves and sizes in one step; negative sizes become 0.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect GetBoundsRect() const { return Bounds(GetLeft(), GetTop(), GetWidth(), GetHeight()); } ///< Position and size as one rectangle.
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); } ///< Moves and sizes to R.
    int GetClientWidth() const { return FWidget->contentsRect().width(); } ///< Width of the client area (inside any frame).
    int GetClientHeight() const { return FWidget->contentsRect().height(); } ///< Height of the client area (inside any frame).
    TRect GetClientRect() const { return Rect(0, 0, GetClientWidth(), GetClientHeight()); } ///< The client area at (0, 0).
    TPoint ClientToScreen(TPoint P) const { return FromQPoint(FWidget->mapToGlobal(ToQPoint(P))); } ///< A client point in screen coordinates.
    TPoint ScreenToClient(TPoint P) const { return FromQPoint(FWidget->mapFromGlobal(ToQPoint(P))); } ///< A screen point in client coordinates.

    /// The classic Visible: the control's own flag (true after construction),
    /// not whether it is on screen now.
    ///@{
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    ///@}

    /// The control's own enabled flag; a disabled parent does not change it.
    /// It is Qt's enabled state: SetEnabled(V) is setEnabled(V). Whether the
    /// control works (and paints) as enabled is isEnabled() of the widget.
    ///@{
    virtual bool GetEnabled() const;
    virtual void SetEnabled(bool Value);
    ///@}

    /// The background color ($00BBGGRR or a system color). ParentColor takes
    /// the parent control's color.
    ///@{
    virtual TColor GetColor() const;
    virtual void SetColor(TColor Value);
    bool GetParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    ///@}
    /// The $00BBGGRR value of a color, system colors through this control's
    /// palette: for color arithmetic (mixing, lightening) in painting code.
    TColor ResolveColor(TColor Color) const;

    /// The control's font. It follows the parent's font while ParentFont is
    /// true; changing it (or setting one, which copies Value) clears ParentFont.
    ///@{
    TFont* GetFont() const { return FFont; }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    bool GetParentFont() const { return !FWidget->testAttribute(Qt::WA_SetFont); }
    void SetParentFont(bool Value);
    ///@}

    /// Hint is shown as the tool tip while ShowHint is true.
    ///@{
    QString GetHint() const { return FHint; }
    void SetHint(const QString& Value);
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    ///@}

    /// A number for the host's own use.
    ///@{
    qintptr GetTag() const { return FTag; }
    void SetTag(qintptr Value) { FTag = Value; }
    ///@}

    TCursor GetCursor() const { return FCursor; } ///< The mouse cursor over the control.
    void SetCursor(TCursor Value); ///< Sets the mouse cursor over the control.

    /// The menu a right click opens (when its AutoPopup is set); not owned.
    ///@{
    TPopupMenu* GetPopupMenu() const;
    void SetPopupMenu(TPopupMenu* Value);
    ///@}

    /// Whether Tab reaches KeyDown instead of moving the focus.
    ///@{
    bool GetWantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    ///@}
    /// Whether Tab moves the focus to this control.
    ///@{
    bool GetTabStop() const;
    void SetTabStop(bool Value);
    ///@}

    virtual void SetFocus(); ///< Gives the control the keyboard focus.
    bool Focused() const { return FWidget->hasFocus(); } ///< Whether the control has the keyboard focus.
    bool CanFocus() const { return FVisible && FWidget->isEnabled(); } ///< Whether the control can take the focus (visible and enabled).

    /// The window exists from the first show or HandleNeeded() on; creating it
    /// runs CreateWnd() once.
    ///@{
    bool HandleAllocated() const { return FHandleAllocated; }
    void HandleNeeded();
    virtual void CreateWnd() {}
    ///@}

    /// Deferred repaint; Repaint() repaints now, Refresh() is Repaint().
    ///@{
    virtual void Invalidate();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    ///@}

    /// Input handlers. Each fires its On... event when assigned; overrides
    /// call the inherited handler where the event should still fire.
    ///@{
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual void KeyDown(quint16& Key, TShiftState Shift);
    virtual void KeyUp(quint16& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    ///@}
    /// The wheel: OnMouseWheel first; when it leaves the turn unhandled, one
    /// DoMouseWheelDown (WheelDelta < 0) or DoMouseWheelUp. True: handled.
    ///@{
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void MouseEnter(); ///< The pointer entered the control; fires OnMouseEnter.
    virtual void MouseLeave(); ///< The pointer left the control; fires OnMouseLeave.
    virtual void DoEnter(); ///< The control got the focus; fires OnEnter.
    virtual void DoExit(); ///< The control lost the focus; fires OnExit.
    virtual void Resize(); ///< The size changed; fires OnResize.
    ///@}

    /// Called on every change of whether the control works as enabled (its
    /// own flag or a parent's); the default invalidates.
    virtual void EnabledChanged();
    /// Called after the widget's palette changed (the application's, a
    /// parent's or its own); the default invalidates.
    virtual void PaletteChanged();

    /// What assistive technology reads; the library's accessible interface of
    /// canvas controls asks these. Role: Client by default. Name: the
    /// widget's accessibleName(), else the Hint. Value text: empty. A numeric
    /// value with its range: none by default (false). State: the widget's
    /// disabled/focus/visibility state is already set; add checked,
    /// checkable, read-only ... here.
    ///@{
    virtual QAccessible::Role AccessibleRole() const;
    virtual QString AccessibleName() const;
    virtual QString AccessibleValueText() const;
    virtual bool AccessibleValue(double& Value, double& Minimum, double& Maximum) const;
    virtual void AccessibleState(QAccessible::State& State) const;
    ///@}
    /// Tell assistive technology (when it is active) that the value or the
    /// state changed.
    ///@{
    virtual void NotifyAccessibleValueChanged();
    virtual void NotifyAccessibleStateChanged();
    ///@}

    TNotifyEvent OnClick; ///< Fired by Click(): a left press and release over the control.
    TNotifyEvent OnDblClick; ///< Fired by DblClick().
    TMouseEvent OnMouseDown; ///< Fired by MouseDown().
    TMouseMoveEvent OnMouseMove; ///< Fired by MouseMove().
    TMouseEvent OnMouseUp; ///< Fired by MouseUp().
    TMouseWheelEvent OnMouseWheel; ///< Fired first for every wheel turn.
    TMouseWheelUpDownEvent OnMouseWheelDown; ///< Fired by DoMouseWheelDown().
    TMouseWheelUpDownEvent OnMouseWheelUp; ///< Fired by DoMouseWheelUp().
    TNotifyEvent OnMouseEnter; ///< Fired when the pointer enters the control.
    TNotifyEvent OnMouseLeave; ///< Fired when the pointer leaves the control.
    TKeyEvent OnKeyDown; ///< Fired by KeyDown().
    TKeyEvent OnKeyUp; ///< Fired by KeyUp().
    TKeyPressEvent OnKeyPress; ///< Fired by KeyPress().
    TNotifyEvent OnEnter; ///< Fired when the control gets the focus.
    TNotifyEvent OnExit; ///< Fired when the control loses the focus.
    TNotifyEvent OnResize; ///< Fired after the size changed.

    /// Translation of Qt's events, called by TControlOn. A key press runs
    /// KeyDown and then KeyPress for the character it types; the result tells
    /// whether the Qt widget underneath should still see the key, and with
    /// which text.
    struct TKeyDispatch
    {
        bool PassOn = true; ///< Whether the Qt widget underneath should still see the key.
        QString Text; ///< The text the key types, as the handlers left it.
    };
    /// The Qt events of the widget, translated into the handlers above.
    ///@{
    TKeyDispatch DispatchKeyPress(const QKeyEvent& Event);
    bool DispatchKeyRelease(const QKeyEvent& Event);
    void DispatchMousePress(const QMouseEvent& Event);
    void DispatchMouseRelease(const QMouseEvent& Event);
    void DispatchMouseDoubleClick(const QMouseEvent& Event);
    void DispatchMouseMove(const QMouseEvent& Event);
    bool DispatchWheel(const QWheelEvent& Event);
    void DispatchFocusIn(const QFocusEvent& Event);
    void DispatchFocusOut(const QFocusEvent& Event);
    ///@}
    /// The widget's visibility changed through Qt (show(), hide(), close()).
    void VisibilityChanged(bool Visible) { FVisible = Visible; }
    /// Whether the key press should reach keyPressEvent although Qt would
    /// take it for focus navigation.
    bool WantsKey(const QKeyEvent& Event) const;
    /// The widget's font changed through Qt (a parent's font reaching it).
    void DispatchFontChange();
    /// QEvent::EnabledChange, PaletteChange and FontChange of the widget.
    void DispatchChange(const QEvent& Event);
    /// Opens the PopupMenu at the event's screen point; false without one.
    bool DispatchContextMenu(const QContextMenuEvent& Event);

protected:
    /// The color of the parent control, or the window color for another parent.
    TColor ParentColorValue() const;
    /// Called after the color changed (also through ParentColor); the default invalidates.
    virtual void ColorChanged();
    /// Whether a left press and release over the control call Click(); a
    /// control whose Qt widget reports clicks itself switches it off.
    void SetClickOnRelease(bool Value) { FClickOnRelease = Value; }
    /// Shows the Color in the Qt palette role of a standard widget (Base for
    /// edits, lists and trees). A system color is resolved through the
    /// parent's palette and again whenever the palette changes.
    void ApplyColorToPalette(QPalette::ColorRole Role);
    /// Called after the font changed (also through ParentFont); the default invalidates.
    virtual void FontChanged();
    /// The accessible name of a control with a caption: accessibleName(),
    /// else Caption, else the Hint.
    QString CaptionedAccessibleName(const QString& Caption) const;
    /// The size last given through SetBounds (Width, Height ...): the
    /// control's initial size once the constructor has run.
    QSize BoundsSize() const { return FBoundsSize; }

private:
    void UpdateToolTip();
    void TakeParentFont();

    QWidget* FWidget;
    TFont* FFont;
    QSize FBoundsSize;
    QPalette::ColorRole FColorRole = QPalette::NoRole; ///< where ApplyColorToPalette shows Color
    bool FTakingParentFont = false;
    bool FVisible = true;
    bool FHandleAllocated = false;
    bool FParentColor = false;
    TColor FColor;
    QString FHint;
    bool FShowHint = false;
    qintptr FTag = 0;
    TCursor FCursor = crDefault;
    bool FWantTabs = false;
    QPointer<TPopupMenu> FPopupMenu;
    bool FClickOnRelease = true;
    bool FClickPending = false; ///< the left button went down on the control
};

/// A control on the Qt widget class QtWidget: Qt's events arrive in the
/// handlers of TControlCore. Classes that also want Qt's introspection add
/// Q_OBJECT in the class deriving from this one.
template <class QtWidget>
class TControlOn : public QtWidget, public TControlCore
{
public:
    /// A control on a new QtWidget with parent AOwner; it tracks the mouse.
    explicit TControlOn(QWidget* AOwner = nullptr)
        : QtWidget(AOwner)
        , TControlCore(this, AOwner)
    {
        QtWidget::setMouseTracking(true);
    }

    /// Qt's setVisible, which also records the classic Visible flag.
    void setVisible(bool Visible) override
    {
        VisibilityChanged(Visible);
        QtWidget::setVisible(Visible);
    }

protected:
    /// A plain QWidget underneath does nothing with input: the control takes
    /// all of it and nothing reaches the parent.
    static constexpr bool IsPlainWidget = std::is_same_v<QtWidget, QWidget>;

    bool event(QEvent* E) override
    {
        if (E->type() == QEvent::KeyPress && WantsKey(*static_cast<QKeyEvent*>(E))) {
            keyPressEvent(static_cast<QKeyEvent*>(E));
            return true;
        }
        return QtWidget::event(E);
    }
    void showEvent(QShowEvent* E) override
    {
        HandleNeeded();
        QtWidget::showEvent(E);
    }
    void resizeEvent(QResizeEvent* E) override
    {
        QtWidget::resizeEvent(E);
        Resize();
    }
    void keyPressEvent(QKeyEvent* E) override
    {
        const TKeyDispatch D = DispatchKeyPress(*E);
        if (IsPlainWidget || !D.PassOn) {
            E->accept();
            return;
        }
        if (D.Text == E->text()) {
            QtWidget::keyPressEvent(E);
            return;
        }
        QKeyEvent Changed(E->type(), E->key(), E->modifiers(), D.Text, E->isAutoRepeat(), quint16(E->count()));
        QtWidget::keyPressEvent(&Changed);
        E->setAccepted(Changed.isAccepted());
    }
    void keyReleaseEvent(QKeyEvent* E) override
    {
        if (DispatchKeyRelease(*E) && !IsPlainWidget)
            QtWidget::keyReleaseEvent(E);
        else
            E->accept();
    }
    void mousePressEvent(QMouseEvent* E) override
    {
        if (!IsPlainWidget)
            QtWidget::mousePressEvent(E);
        if (!FInDoubleClick)
            DispatchMousePress(*E);
        E->accept();
    }
    void mouseReleaseEvent(QMouseEvent* E) override
    {
        if (!IsPlainWidget)
            QtWidget::mouseReleaseEvent(E);
        DispatchMouseRelease(*E);
        E->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* E) override
    {
        // Qt's default double click presses again: the press before it was
        // the MouseDown already.
        if (!IsPlainWidget) {
            FInDoubleClick = true;
            QtWidget::mouseDoubleClickEvent(E);
            FInDoubleClick = false;
        }
        DispatchMouseDoubleClick(*E);
        E->accept();
    }
    void mouseMoveEvent(QMouseEvent* E) override
    {
        if (!IsPlainWidget)
            QtWidget::mouseMoveEvent(E);
        DispatchMouseMove(*E);
        E->accept();
    }
    void wheelEvent(QWheelEvent* E) override
    {
        if (DispatchWheel(*E))
            E->accept();
        else
            QtWidget::wheelEvent(E);
    }
    void enterEvent(QEnterEvent* E) override
    {
        QtWidget::enterEvent(E);
        MouseEnter();
    }
    void leaveEvent(QEvent* E) override
    {
        QtWidget::leaveEvent(E);
        MouseLeave();
    }
    void focusInEvent(QFocusEvent* E) override
    {
        QtWidget::focusInEvent(E);
        DispatchFocusIn(*E);
    }
    void focusOutEvent(QFocusEvent* E) override
    {
        QtWidget::focusOutEvent(E);
        DispatchFocusOut(*E);
    }
    void contextMenuEvent(QContextMenuEvent* E) override
    {
        if (DispatchContextMenu(*E))
            E->accept();
        else
            QtWidget::contextMenuEvent(E);
    }
    void changeEvent(QEvent* E) override
    {
        QtWidget::changeEvent(E);
        DispatchChange(*E);
    }

private:
    bool FInDoubleClick = false;
};

/// A control on a plain QWidget whose picture is its canvas: Paint() draws
/// into GetCanvas() synchronously, Invalidate() asks for a Paint() before the
/// next time the picture is shown, and Qt's paint event only puts the picture
/// on the screen. The picture has the control's size and an alpha channel.
/// Its system colors resolve through the control's palette. Its size hint is
/// the size given through SetBounds (the initial size); its minimum size
/// hint is the same unless a control knows a smaller legible size.
/// Visible, Enabled, Font and Cursor are QWidget's properties for Qt; the
/// classic accessors stay in C++.
class VOK_EXPORT TControl : public TControlOn<QWidget>
{
    Q_OBJECT
    /// Left edge in the parent's client coordinates.
    Q_PROPERTY(int Left READ GetLeft WRITE SetLeft)
    /// Top edge in the parent's client coordinates.
    Q_PROPERTY(int Top READ GetTop WRITE SetTop)
    /// Width in pixels.
    Q_PROPERTY(int Width READ GetWidth WRITE SetWidth)
    /// Height in pixels.
    Q_PROPERTY(int Height READ GetHeight WRITE SetHeight)
    /// Background color ($00BBGGRR or a system color).
    Q_PROPERTY(quint32 Color READ GetColor WRITE SetColor)
    /// Whether the color follows the parent control's color.
    Q_PROPERTY(bool ParentColor READ GetParentColor WRITE SetParentColor)
    /// Whether the font follows the parent's font.
    Q_PROPERTY(bool ParentFont READ GetParentFont WRITE SetParentFont)
    /// Text shown as the tool tip while ShowHint is true.
    Q_PROPERTY(QString Hint READ GetHint WRITE SetHint)
    /// Whether the Hint shows as the tool tip.
    Q_PROPERTY(bool ShowHint READ GetShowHint WRITE SetShowHint)
    /// A number for the host's own use.
    Q_PROPERTY(qlonglong Tag READ GetTag WRITE SetTag)
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TControl(QWidget* AOwner = nullptr);
    ~TControl() override;

    /// The control's picture, exactly what it shows.
    TCanvas* GetCanvas() const { return FCanvas; }
    /// The picture as an image (for tests and screenshots): the control's
    /// size in device pixels of its screen, at that screen's device pixel
    /// ratio (see TCanvas).
    const QImage& GetPicture() const { return FPicture; }

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    /// Renders the control into its canvas. The default erases the picture.
    virtual void Paint();
    /// Erases the picture to the control's background: fully transparent
    /// here, the Color in TCustomControl. A deferred Paint() erases first.
    virtual void EraseBackground();

    /// Deferred Paint(); Update() runs a pending one now, Repaint() paints now.
    ///@{
    void Invalidate() override;
    void Repaint() override;
    void Update();
    bool PaintPending() const { return FPaintPending; }
    ///@}

    /// Each fires its On... event, then the Qt signal.
    ///@{
    void Click() override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    void MouseEnter() override;
    void MouseLeave() override;
    ///@}

Q_SIGNALS:
    void clicked(); ///< Emitted with OnClick.
    void doubleClicked(); ///< Emitted with OnDblClick.
    void entered(); ///< Emitted with OnEnter.
    void exited(); ///< Emitted with OnExit.
    void resized(); ///< Emitted with OnResize.
    void mouseEntered(); ///< Emitted with OnMouseEnter.
    void mouseLeft(); ///< Emitted with OnMouseLeave.

protected:
    /// The canvas font follows the control's font.
    void FontChanged() override;

    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

    /// Makes the picture anew when the control's size or device pixel ratio
    /// differs from it (another screen, a changed ratio); a new picture waits
    /// for its Paint(). Paint events call it before they show the picture.
    void FitPicture();

    /// Stores Value in Field and repaints, unless Field already holds it: the
    /// setter of a plain drawing setting.
    template <class T>
    void StoreAndPaint(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = std::move(Value);
        Paint();
    }

private:
    QImage FPicture;
    TCanvas* FCanvas;
    bool FPaintPending = true;
};

/// A control without focus that shows through where its picture is
/// transparent: its background is fully transparent.
class VOK_EXPORT TGraphicControl : public TControl
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TGraphicControl(QWidget* AOwner = nullptr);
};

/// A windowed control that takes the focus when clicked (and by Tab while
/// TabStop is set) and reads the keyboard; its background is its Color.
class VOK_EXPORT TCustomControl : public TControl
{
    Q_OBJECT
    /// Whether Tab moves the focus to this control.
    Q_PROPERTY(bool TabStop READ GetTabStop WRITE SetTabStop)
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TCustomControl(QWidget* AOwner = nullptr);
    void EraseBackground() override;
};

} // namespace vok
