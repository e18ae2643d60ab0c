#include <vok/Vok_platform.h>

#include "LayoutTest.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLineEdit>
#include <QMetaEnum>
#include <QSignalSpy>
#include <QTest>

using namespace vok;

// Readable failures for Qt strings.
inline void PrintTo(const QString& S, std::ostream* Os) { *Os << '"' << S.toStdString() << '"'; }

namespace {

// A control that logs every event it receives.
class TProbe : public TControlOn<QWidget>
{
public:
    explicit TProbe(QWidget* AOwner = nullptr)
        : TControlOn<QWidget>(AOwner)
    {
        OnMouseDown = [this](QObject*, TMouseButton B, TShiftState S, int X, int Y) {
            Log << QStringLiteral("down %1 %2 %3,%4").arg(B).arg(S.toInt()).arg(X).arg(Y);
        };
        OnMouseUp = [this](QObject*, TMouseButton B, TShiftState S, int X, int Y) {
            Log << QStringLiteral("up %1 %2 %3,%4").arg(B).arg(S.toInt()).arg(X).arg(Y);
        };
        OnMouseMove = [this](QObject*, TShiftState S, int X, int Y) {
            Log << QStringLiteral("move %1 %2,%3").arg(S.toInt()).arg(X).arg(Y);
        };
        OnClick = [this](QObject* Sender) { Log << (Sender == this ? QStringLiteral("click") : QStringLiteral("?")); };
        OnDblClick = [this](QObject*) { Log << QStringLiteral("dblclick"); };
        OnKeyDown = [this](QObject*, quint16& Key, TShiftState S) {
            Log << QStringLiteral("keydown %1 %2").arg(Key).arg(S.toInt());
        };
        OnKeyUp = [this](QObject*, quint16& Key, TShiftState) { Log << QStringLiteral("keyup %1").arg(Key); };
        OnKeyPress = [this](QObject*, QChar& Key) { Log << QStringLiteral("keypress %1").arg(Key.unicode()); };
        OnMouseWheel = [this](QObject*, TShiftState, int Delta, TPoint, bool&) {
            Log << QStringLiteral("wheel %1").arg(Delta);
        };
        OnMouseWheelDown = [this](QObject*, TShiftState, TPoint, bool& Handled) {
            Log << QStringLiteral("wheeldown");
            Handled = true;
        };
        OnMouseWheelUp = [this](QObject*, TShiftState, TPoint, bool&) { Log << QStringLiteral("wheelup"); };
        OnResize = [this](QObject*) { Log << QStringLiteral("resize %1x%2").arg(GetWidth()).arg(GetHeight()); };
    }
    void CreateWnd() override { ++CreateWndCount; }
    void Loaded() override
    {
        TControlOn<QWidget>::Loaded();
        LoadedStates << GetComponentState();
    }

    QStringList Log;
    int CreateWndCount = 0;
    QList<TComponentState> LoadedStates;
};

} // namespace

TEST(KeyTranslation, QtKeysBecomeVirtualKeys)
{
    struct Case
    {
        int QtKey;
        Qt::KeyboardModifiers Modifiers;
        quint16 Key;
    };
    const Case Cases[] = {
        {Qt::Key_Backspace, {}, 8},
        {Qt::Key_Tab, {}, 9},
        {Qt::Key_Backtab, Qt::ShiftModifier, 9},
        {Qt::Key_Return, {}, 13},
        {Qt::Key_Enter, Qt::KeypadModifier, 13},
        {Qt::Key_Shift, Qt::ShiftModifier, 16},
        {Qt::Key_Control, {}, 17},
        {Qt::Key_Alt, {}, 18},
        {Qt::Key_Escape, {}, 27},
        {Qt::Key_Space, {}, 32},
        {Qt::Key_PageUp, {}, 33},
        {Qt::Key_PageDown, {}, 34},
        {Qt::Key_End, {}, 35},
        {Qt::Key_Home, {}, 36},
        {Qt::Key_Home, Qt::KeypadModifier, 36},
        {Qt::Key_Left, {}, 37},
        {Qt::Key_Up, {}, 38},
        {Qt::Key_Right, {}, 39},
        {Qt::Key_Down, {}, 40},
        {Qt::Key_Insert, {}, 45},
        {Qt::Key_Delete, {}, 46},
        {Qt::Key_0, {}, 48},
        {Qt::Key_9, {}, 57},
        {Qt::Key_A, {}, 65},
        {Qt::Key_C, Qt::ControlModifier, 67},
        {Qt::Key_Z, Qt::ShiftModifier, 90},
        {Qt::Key_0, Qt::KeypadModifier, 96},
        {Qt::Key_7, Qt::KeypadModifier, 103},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 106},
        {Qt::Key_Plus, Qt::KeypadModifier, 107},
        {Qt::Key_Minus, Qt::KeypadModifier, 109},
        {Qt::Key_Period, Qt::KeypadModifier, 110},
        {Qt::Key_Comma, Qt::KeypadModifier, 110},
        {Qt::Key_Slash, Qt::KeypadModifier, 111},
        {Qt::Key_F1, {}, 112},
        {Qt::Key_F12, {}, 123},
        {Qt::Key_Semicolon, {}, 186},
        {Qt::Key_Plus, {}, 187},
        {Qt::Key_Equal, {}, 187},
        {Qt::Key_Comma, {}, 188},
        {Qt::Key_Minus, {}, 189},
        {Qt::Key_Underscore, Qt::ShiftModifier, 189},
        {Qt::Key_Period, {}, 190},
        {Qt::Key_Slash, {}, 191},
        {Qt::Key_BracketLeft, {}, 219},
        {Qt::Key_Exclam, Qt::ShiftModifier, 49},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
        {Qt::Key_Adiaeresis, {}, 222},
        {Qt::Key_unknown, {}, 0},
        {Qt::Key_MediaPlay, {}, 0},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(VirtualKeyFromQtKey(C.QtKey, C.Modifiers), C.Key) << "Qt key 0x" << std::hex << C.QtKey;
}

TEST(KeyTranslation, EveryCodeMapsBackToAKeyWithTheSameCode)
{
    for (int Key = 1; Key < 256; ++Key) {
        const int QtKey = QtKeyFromVirtualKey(quint16(Key));
        if (QtKey == Qt::Key_unknown)
            continue;
        const bool Pad = Key >= VK_NUMPAD0 && Key <= VK_DIVIDE && Key != VK_SEPARATOR;
        EXPECT_EQ(VirtualKeyFromQtKey(QtKey, Pad ? Qt::KeypadModifier : Qt::NoModifier), Key) << Key;
    }
    EXPECT_EQ(QtKeyFromVirtualKey(VK_RETURN), int(Qt::Key_Return));
    EXPECT_EQ(QtKeyFromVirtualKey(VK_OEM_PERIOD), int(Qt::Key_Period));
    EXPECT_EQ(QtKeyFromVirtualKey(255), int(Qt::Key_unknown));
}

TEST(KeyTranslation, KeyPressCharacters)
{
    EXPECT_EQ(KeyPressChar(Qt::Key_A, {}, QStringLiteral("a")), QChar('a'));
    EXPECT_EQ(KeyPressChar(Qt::Key_Return, {}, QStringLiteral("\r")), QChar(13));
    EXPECT_EQ(KeyPressChar(Qt::Key_Backspace, {}, QStringLiteral("\b")), QChar(8));
    EXPECT_EQ(KeyPressChar(Qt::Key_C, Qt::ControlModifier, QStringLiteral("c")), QChar(3));
    EXPECT_EQ(KeyPressChar(Qt::Key_V, Qt::ControlModifier, QString()), QChar(22));
    // AltGr (Ctrl+Alt) types the layout's character.
    EXPECT_EQ(KeyPressChar(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@")), QChar('@'));
    EXPECT_TRUE(KeyPressChar(Qt::Key_F1, {}, QString()).isNull());
    EXPECT_TRUE(KeyPressChar(Qt::Key_Delete, {}, QStringLiteral("\x7f")).isNull()); // Delete types nothing
}

TEST(ShiftState, FromModifiersAndButtonsAndBack)
{
    struct Case
    {
        Qt::KeyboardModifiers Modifiers;
        Qt::MouseButtons Buttons;
        TShiftState Shift;
    };
    const Case Cases[] = {
        {{}, {}, {}},
        {Qt::ShiftModifier, {}, ssShift},
        {Qt::ControlModifier | Qt::AltModifier, {}, ssCtrl | ssAlt},
        {{}, Qt::LeftButton, ssLeft},
        {Qt::ShiftModifier, Qt::RightButton | Qt::MiddleButton, ssShift | ssRight | ssMiddle},
        {Qt::KeypadModifier, Qt::BackButton, {}},
    };
    for (const Case& C : Cases) {
        EXPECT_EQ(ShiftStateFromQt(C.Modifiers, C.Buttons), C.Shift);
        EXPECT_EQ(ShiftStateFromQt(ModifiersFromShiftState(C.Shift), MouseButtonsFromShiftState(C.Shift)), C.Shift);
    }
    TMouseButton B = mbLeft;
    EXPECT_TRUE(MouseButtonFromQt(Qt::RightButton, B));
    EXPECT_EQ(B, mbRight);
    EXPECT_FALSE(MouseButtonFromQt(Qt::ForwardButton, B));
    for (TMouseButton M : {mbLeft, mbRight, mbMiddle})
        EXPECT_TRUE(MouseButtonFromQt(QtMouseButton(M), B) && B == M);
}

TEST(ControlInput, ClickThroughQtEventsArrivesInClassicOrder)
{
    TProbe P;
    P.SetBounds(0, 0, 50, 30);
    P.Log.clear();
    QTest::mouseClick(&P, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 12));
    EXPECT_EQ(P.Log, (QStringList{"down 0 9 10,12", "click", "up 0 1 10,12"}));

    // Released outside the control: no click. Right button: never a click.
    P.Log.clear();
    QTest::mousePress(&P, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&P, Qt::LeftButton, {}, QPoint(80, 5));
    QTest::mouseClick(&P, Qt::RightButton, Qt::ControlModifier, QPoint(3, 4));
    EXPECT_EQ(P.Log, (QStringList{"down 0 8 5,5", "up 0 0 80,5", "down 1 20 3,4", "up 1 4 3,4"}));
}

TEST(ControlInput, DoubleClickFiresDblClickOnceAndNoSecondClick)
{
    TProbe P;
    P.SetBounds(0, 0, 50, 30);
    P.Log.clear();
    QTest::mouseClick(&P, Qt::LeftButton, {}, QPoint(7, 8));
    // The second click as Qt delivers it: press, double click, release.
    QTest::mousePress(&P, Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseDClick(&P, Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseRelease(&P, Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_EQ(P.Log, (QStringList{"down 0 8 7,8", "click", "up 0 0 7,8", "down 0 8 7,8", "dblclick", "up 0 0 7,8"}));
}

TEST(ControlInput, MouseMoveCarriesButtonsHeld)
{
    TProbe P;
    P.SetBounds(0, 0, 50, 30);
    P.Log.clear();
    QTest::mouseMove(&P, QPoint(4, 6));
    QMouseEvent Drag(QEvent::MouseMove, QPointF(9, 2), P.mapToGlobal(QPointF(9, 2)), Qt::NoButton, Qt::LeftButton,
                     Qt::ControlModifier);
    QApplication::sendEvent(&P, &Drag);
    ASSERT_FALSE(P.Log.isEmpty());
    EXPECT_EQ(P.Log.back(), QStringLiteral("move 12 9,2"));
}

TEST(ControlInput, KeysArriveAsVirtualKeysThenCharacters)
{
    TProbe P;
    QTest::keyClick(&P, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&P, Qt::Key_Return);
    QTest::keyClick(&P, Qt::Key_Delete);
    QTest::keyClick(&P, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(P.Log, (QStringList{"keydown 17 4", "keydown 65 4", "keypress 1", "keyup 65", "keyup 17", "keydown 13 0", "keypress 13", "keyup 13",
                                  "keydown 46 0", "keyup 46", "keydown 110 0", "keypress 46", "keyup 110"}));
}

TEST(ControlInput, TabReachesKeyDownOnlyWhenWanted)
{
    QWidget Form;
    auto* P = new TProbe(&Form);
    auto* Next = new QLineEdit(&Form);
    P->SetTabStop(true);
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    P->SetFocus();
    QTest::keyClick(P, Qt::Key_Tab);
    EXPECT_TRUE(Next->hasFocus());
    EXPECT_FALSE(P->Log.contains(QStringLiteral("keydown 9 0")));

    P->SetFocus();
    P->SetWantTabs(true);
    QTest::keyClick(P, Qt::Key_Tab);
    EXPECT_TRUE(P->Focused());
    EXPECT_TRUE(P->Log.contains(QStringLiteral("keydown 9 0")));
}

TEST(ControlInput, EditSeesKeysAsHandlersLeaveThem)
{
    // A key handler that swallows a key or changes a character acts on the
    // Qt widget underneath.
    TControlOn<QLineEdit> Edit;
    Edit.OnKeyPress = [](QObject*, QChar& Key) {
        if (Key == QChar('x'))
            Key = QChar();
        else if (Key == QChar(','))
            Key = QChar('.');
    };
    Edit.OnKeyDown = [](QObject*, quint16& Key, TShiftState) {
        if (Key == VK_HOME)
            Key = 0;
    };
    QTest::keyClicks(&Edit, QStringLiteral("1x,5"));
    EXPECT_EQ(Edit.text(), QStringLiteral("1.5"));
    QTest::keyClick(&Edit, Qt::Key_Home);
    EXPECT_EQ(Edit.cursorPosition(), 3);
    QTest::keyClick(&Edit, Qt::Key_Left);
    EXPECT_EQ(Edit.cursorPosition(), 2);
}

TEST(ControlInput, WheelGoesToOnMouseWheelThenUpOrDown)
{
    TProbe P;
    P.SetBounds(0, 0, 50, 30);
    P.Log.clear();
    const auto Turn = [&](int Delta) {
        QWheelEvent E(QPointF(5, 5), P.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, Delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&P, &E);
        return E.isAccepted();
    };
    EXPECT_TRUE(Turn(-120));
    EXPECT_FALSE(Turn(240)); // unhandled: goes on to the parent
    EXPECT_EQ(P.Log, (QStringList{"wheel -120", "wheeldown", "wheel 240", "wheelup"}));
}

TEST(ControlInput, HandlersCalledDirectlyFireTheEvents)
{
    TProbe P;
    P.MouseDown(mbMiddle, ssMiddle, 1, 2);
    quint16 Key = VK_F1;
    P.KeyDown(Key, ssAlt);
    EXPECT_EQ(P.Log, (QStringList{"down 2 32 1,2", "keydown 112 2"}));
}

TEST(ControlLifecycle, WindowIsCreatedOnceOnFirstShowOrHandleNeeded)
{
    QWidget Form;
    auto* Shown = new TProbe(&Form);
    auto* Asked = new TProbe(&Form);
    EXPECT_FALSE(Shown->HandleAllocated());
    Asked->HandleNeeded();
    Asked->HandleNeeded();
    EXPECT_EQ(Asked->CreateWndCount, 1);
    Form.show();
    EXPECT_TRUE(Shown->HandleAllocated());
    EXPECT_EQ(Shown->CreateWndCount, 1);
    EXPECT_EQ(Asked->CreateWndCount, 1);
}

TEST(ControlLifecycle, VisibleIsTheClassicFlag)
{
    QWidget Form;
    auto* P = new TProbe(&Form);
    EXPECT_TRUE(P->GetVisible()); // the form is not on screen, the control is still Visible
    P->SetVisible(false);
    EXPECT_FALSE(P->GetVisible());
    EXPECT_TRUE(P->isHidden());
    P->show();
    EXPECT_TRUE(P->GetVisible());
    TProbe Alone;
    Alone.SetVisible(true);
    EXPECT_FALSE(Alone.isVisible()); // Visible opens no window for a control without parent
}

TEST(ControlProperties, BoundsEnabledColorHintTagCursor)
{
    QWidget Form;
    auto* Parent = new TProbe(&Form);
    auto* P = new TProbe(Parent);
    P->SetBounds(3, 4, 40, -5);
    EXPECT_EQ(P->GetBoundsRect(), Rect(3, 4, 43, 4));
    P->SetWidth(60);
    P->SetHeight(20);
    P->SetLeft(7);
    EXPECT_EQ(P->GetBoundsRect(), Rect(7, 4, 67, 24));
    EXPECT_EQ(P->GetClientRect(), Rect(0, 0, 60, 20));
    EXPECT_TRUE(P->Log.contains(QStringLiteral("resize 60x20")));

    Parent->SetEnabled(false);
    EXPECT_TRUE(P->GetEnabled()); // its own flag
    EXPECT_FALSE(P->isEnabled());
    P->SetEnabled(false);
    Parent->SetEnabled(true);
    EXPECT_FALSE(P->GetEnabled());

    Parent->SetColor(clTeal);
    P->SetParentColor(true);
    EXPECT_EQ(P->GetColor(), clTeal);
    P->SetColor(clRed);
    EXPECT_FALSE(P->GetParentColor());
    EXPECT_EQ(P->GetColor(), clRed);

    P->SetHint(QStringLiteral("Speed"));
    EXPECT_TRUE(P->toolTip().isEmpty());
    P->SetShowHint(true);
    EXPECT_EQ(P->toolTip(), QStringLiteral("Speed"));

    P->SetTag(-42);
    EXPECT_EQ(P->GetTag(), -42);
    P->SetCursor(crHandPoint);
    EXPECT_EQ(P->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(P->GetCursor(), crHandPoint);
}

TEST(ControlProperties, ParentFont)
{
    QWidget Form;
    Form.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    auto* P = new TProbe(&Form);
    EXPECT_TRUE(P->GetParentFont());
    EXPECT_EQ(P->font().pointSize(), 14);
    P->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    EXPECT_FALSE(P->GetParentFont());
    P->SetParentFont(true);
    EXPECT_EQ(P->font().pointSize(), 14);
}

TEST(ComponentState, DesigningIsInheritedFromTheOwnerAndSpreadsToOwnedComponents)
{
    TProbe Form;
    auto* Before = new TProbe(&Form);
    Form.SetDesigning(true);
    EXPECT_TRUE(Before->IsDesigning());
    auto* After = new TProbe(&Form);
    EXPECT_TRUE(After->IsDesigning());
    auto* Plain = new TComponent(After);
    EXPECT_TRUE(Plain->IsDesigning());
    Form.SetDesigning(false);
    EXPECT_FALSE(Plain->IsDesigning());
}

TEST(ComponentState, LoadingStreamsPropertiesThenLoadedOnce)
{
    TProbe P;
    LoadComponentProperties(&P, {{QStringLiteral("objectName"), QStringLiteral("Probe1")},
                                 {QStringLiteral("toolTip"), QStringLiteral("tip")}});
    EXPECT_EQ(P.GetName(), QStringLiteral("Probe1"));
    ASSERT_EQ(P.LoadedStates.size(), 1);
    EXPECT_TRUE(P.LoadedStates.front() == TComponentState()); // csLoading is gone once the override runs on
    EXPECT_FALSE(P.IsLoading());

    // An unknown property is refused before anything is set, and Loaded does not run.
    EXPECT_THROW(LoadComponentProperties(&P, {{QStringLiteral("objectName"), QStringLiteral("Other")},
                                              {QStringLiteral("NoSuchProperty"), 1}}),
                 EVOKError);
    EXPECT_EQ(P.GetName(), QStringLiteral("Probe1"));
    EXPECT_EQ(P.LoadedStates.size(), 1);
    EXPECT_FALSE(P.IsLoading());
}

namespace {
// A component that copies its Value from components of its own class.
class TValueHolder : public TComponent
{
public:
    using TComponent::TComponent;
    int Value = 0;
    void Assign(QObject* Source) override
    {
        if (auto* Other = dynamic_cast<TValueHolder*>(Source)) {
            Value = Other->Value;
            return;
        }
        TComponent::Assign(Source);
    }
    void AssignTo(QObject* Dest) override
    {
        if (!AssignToKindOf(Dest))
            TComponent::AssignTo(Dest);
    }
};
// Hands every assignment back to the source: must not recurse forever.
class TBouncer : public TComponent
{
public:
    using TComponent::TComponent;
};
} // namespace

TEST(ComponentAssign, SameClassCopiesOthersRaise)
{
    TValueHolder A, B;
    A.Value = 7;
    B.Assign(&A);
    EXPECT_EQ(B.Value, 7);
    A.Value = 9;
    A.AssignTo(&B);
    EXPECT_EQ(B.Value, 9);

    TBouncer Other;
    try {
        B.Assign(&Other);
        FAIL() << "no error";
    } catch (const EVOKError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Cannot assign a TBouncer to a TValueHolder"));
    }
    EXPECT_THROW(B.Assign(nullptr), EVOKError);
    EXPECT_THROW(Other.Assign(&B), EVOKError); // B's AssignTo finds no class of its kind
    EXPECT_EQ(B.Value, 9);
}

TEST(Timers, StartKillIntervalAndTicks)
{
    QObject Owner;
    int Ticks = 0;
    TComponentTimer T(&Owner, [&] { ++Ticks; });
    EXPECT_FALSE(T.IsRunning());
    T.Kill(); // stopping a stopped timer does nothing
    T.Start(500);
    EXPECT_TRUE(T.IsRunning());
    EXPECT_EQ(T.GetInterval(), 500);
    const int Running = TComponentTimer::RunningTimerCount();
    T.Start(20); // restarting replaces the timer
    EXPECT_EQ(TComponentTimer::RunningTimerCount(), Running);
    EXPECT_EQ(T.GetInterval(), 20);
    T.DoTimer();
    EXPECT_EQ(Ticks, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Ticks >= 3; }, 5000)); // real ticks arrive on the event loop
    T.Kill();
    EXPECT_FALSE(T.IsRunning());
    EXPECT_EQ(TComponentTimer::RunningTimerCount(), Running - 1);
}

namespace {
class ETestComponentError : public EVOKError
{
public:
    using EVOKError::EVOKError;
};
} // namespace

TEST(Timers, RefusalRaisesTheComponentsError)
{
    QObject Owner;
    Owner.setObjectName(QStringLiteral("Caret1"));
    TComponentTimer T(&Owner, [] {}, &RaiseError<ETestComponentError>);
    const int Limit = TComponentTimer::ProcessTimerLimit();
    TComponentTimer::SetProcessTimerLimit(TComponentTimer::RunningTimerCount());
    try {
        T.Start(100);
        ADD_FAILURE() << "no error";
    } catch (const ETestComponentError& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Component \"Caret1\": no timer available"));
    }
    TComponentTimer::SetProcessTimerLimit(Limit);
    EXPECT_FALSE(T.IsRunning());
    EXPECT_THROW(T.Start(0), ETestComponentError);
    T.Start(100);
    EXPECT_TRUE(T.IsRunning());
}

TEST(Timers, ExceptionInATickGoesToTheApplicationHandlerAndTheTimerRunsOn)
{
    QObject Owner;
    Owner.setObjectName(QStringLiteral("Bar1"));
    int Ticks = 0;
    TComponentTimer T(&Owner, [&] {
        ++Ticks;
        throw EVOKError(QStringLiteral("tick failed"));
    });
    QStringList Reports;
    SetApplicationExceptionHandler([&](QObject* Sender, const std::exception& E) {
        Reports << Sender->objectName() + QStringLiteral(": ") + QString::fromUtf8(E.what());
    });
    T.Start(10);
    T.DoTimer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Ticks >= 3; }, 5000));
    EXPECT_TRUE(T.IsRunning());
    SetApplicationExceptionHandler({});
    ASSERT_GE(Reports.size(), 3);
    EXPECT_EQ(Reports.front(), QStringLiteral("Bar1: tick failed"));

    // Without a handler the report goes to stderr and nothing escapes.
    testing::internal::CaptureStderr();
    T.DoTimer();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("tick failed"), std::string::npos);
}

TEST(Timers, DesigningComponentKeepsItsTimerStopped)
{
    // The pattern of the animated components: at design time the timer never runs.
    struct TAnimated : TComponent
    {
        using TComponent::TComponent;
        TComponentTimer Timer{this, [] {}};
        void SetRunning(bool Value)
        {
            if (IsDesigning())
                return;
            if (Value)
                Timer.Start(100);
            else
                Timer.Kill();
        }
    };
    TComponent Form;
    Form.SetDesigning(true);
    TAnimated A(&Form);
    A.SetRunning(true);
    EXPECT_FALSE(A.Timer.IsRunning());
    A.SetDesigning(false);
    A.SetRunning(true);
    EXPECT_TRUE(A.Timer.IsRunning());
}

TEST(SystemServices, ClipboardRoundTrip)
{
    Clipboard().SetAsText(QStringLiteral("1.5\t2,5\nÄ"));
    EXPECT_TRUE(Clipboard().HasText());
    EXPECT_EQ(Clipboard().GetAsText(), QStringLiteral("1.5\t2,5\nÄ"));
    Clipboard().Clear();
    EXPECT_FALSE(Clipboard().HasText());
}

TEST(SystemServices, BeepHookAndScreenCursor)
{
    QList<int> Beeps;
    SetMessageBeepHook([&](int Type) { Beeps << Type; });
    MessageBeep(-1);
    MessageBeep(0);
    SetMessageBeepHook({});
    EXPECT_EQ(Beeps, (QList<int>{-1, 0}));

    EXPECT_EQ(Screen().GetCursor(), crDefault);
    {
        TScreenCursorScope Busy;
        EXPECT_EQ(Screen().GetCursor(), crHourGlass);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Screen().SetCursor(crCross);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    }
    EXPECT_EQ(Screen().GetCursor(), crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

namespace {
// Paints a blue 10 x 10 square at (5, 5) and counts its paints.
template <class Base>
class TSquare : public Base
{
public:
    using Base::Base;
    void Paint() override
    {
        ++Paints;
        this->GetCanvas()->GetBrush()->SetColor(clBlue);
        this->GetCanvas()->FillRect(Rect(5, 5, 15, 15));
    }
    int Paints = 0;
};
} // namespace

TEST(ControlPicture, InvalidateDefersPaintRepaintPaintsNow)
{
    TSquare<TCustomControl> C;
    C.SetColor(clYellow);
    C.SetBounds(0, 0, 30, 20);
    EXPECT_TRUE(C.PaintPending());
    EXPECT_EQ(C.Paints, 0);
    C.Update();
    EXPECT_EQ(C.Paints, 1);
    EXPECT_EQ(C.GetCanvas()->GetPixel(0, 0), clYellow); // the deferred paint erased to Color first
    EXPECT_EQ(C.GetCanvas()->GetPixel(7, 7), clBlue);
    C.Update(); // nothing pending
    C.Invalidate();
    C.Invalidate();
    EXPECT_EQ(C.Paints, 1);
    C.Update();
    EXPECT_EQ(C.Paints, 2);
    C.Repaint();
    EXPECT_EQ(C.Paints, 3);

    // A new size is a new picture, painted again before it is shown.
    C.SetBounds(0, 0, 40, 25);
    EXPECT_EQ(C.GetPicture().size(), QSize(40, 25));
    EXPECT_TRUE(C.PaintPending());
    C.show();
    QApplication::processEvents();
    EXPECT_EQ(C.Paints, 4);
    EXPECT_EQ(C.grab().toImage().pixelColor(38, 23), QColor(Qt::yellow));
}

TEST(ControlPicture, GraphicControlShowsItsParentThroughTransparentPixels)
{
    QWidget Form;
    Form.setAutoFillBackground(true);
    QPalette Red;
    Red.setColor(QPalette::Window, Qt::red);
    Form.setPalette(Red);
    Form.resize(40, 40);
    auto* G = new TSquare<TGraphicControl>(&Form);
    G->SetBounds(10, 10, 20, 20);
    EXPECT_EQ(G->focusPolicy(), Qt::NoFocus);
    Form.show();
    QApplication::processEvents();
    EXPECT_EQ(G->GetPicture().pixelColor(0, 0).alpha(), 0);
    const QImage Shot = Form.grab().toImage();
    EXPECT_EQ(Shot.pixelColor(12, 12), QColor(Qt::red));  // through the graphic control
    EXPECT_EQ(Shot.pixelColor(17, 17), QColor(Qt::blue)); // its square
}

TEST(ControlPicture, CustomControlTakesFocusWhenClicked)
{
    QWidget Form;
    auto* C = new TSquare<TCustomControl>(&Form);
    C->SetBounds(0, 0, 20, 20);
    int Enters = 0, Exits = 0;
    C->OnEnter = [&](QObject*) { ++Enters; };
    C->OnExit = [&](QObject*) { ++Exits; };
    auto* Other = new QLineEdit(&Form);
    Other->move(0, 30);
    EXPECT_FALSE(C->GetTabStop());
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
    Other->setFocus();
    QTest::mouseClick(C, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(C->Focused());
    Other->setFocus();
    EXPECT_EQ(Enters, 1);
    EXPECT_EQ(Exits, 1);
}

TEST(ControlFont, OwnFontOrTheParents)
{
    QWidget Form;
    Form.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    auto* C = new TSquare<TCustomControl>(&Form);
    EXPECT_TRUE(C->GetParentFont());
    EXPECT_EQ(C->GetFont()->GetSize(), 12);
    EXPECT_EQ(C->GetCanvas()->GetFont()->GetSize(), 12);

    Form.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    EXPECT_EQ(C->GetFont()->GetSize(), 10);
    EXPECT_TRUE(C->GetParentFont());

    C->GetFont()->SetSize(20);
    C->GetFont()->SetStyle(fsBold);
    EXPECT_FALSE(C->GetParentFont());
    EXPECT_EQ(C->GetCanvas()->GetFont()->GetSize(), 20);
    EXPECT_TRUE(C->font().bold());
    Form.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    EXPECT_EQ(C->GetFont()->GetSize(), 20);

    C->SetParentFont(true);
    EXPECT_EQ(C->GetFont()->GetSize(), 7);
    EXPECT_FALSE(C->GetFont()->GetStyle() & fsBold);
}

// ---------------------------------------------------------------- Qt citizenship

namespace {
// A canvas control with a value, a check state and a count of the platform's
// change notifications; it paints clBtnFace while enabled, clGrayText else.
class TGaugeProbe : public TCustomControl
{
public:
    explicit TGaugeProbe(QWidget* AOwner = nullptr)
        : TCustomControl(AOwner)
    {
        SetBounds(0, 0, 80, 30);
    }
    void Paint() override
    {
        GetCanvas()->GetBrush()->SetColor(isEnabled() ? clBtnFace : clGrayText);
        GetCanvas()->FillRect(GetClientRect());
    }
    void EnabledChanged() override
    {
        ++EnabledChanges;
        TCustomControl::EnabledChanged();
    }
    void PaletteChanged() override
    {
        ++PaletteChanges;
        TCustomControl::PaletteChanged();
    }
    QAccessible::Role AccessibleRole() const override { return QAccessible::Dial; }
    bool AccessibleValue(double& V, double& Lo, double& Hi) const override
    {
        V = Value, Lo = -10, Hi = 10;
        return true;
    }
    void AccessibleState(QAccessible::State& State) const override
    {
        State.checkable = true;
        State.checked = Checked;
    }
    double Value = 2.5;
    bool Checked = false;
    int EnabledChanges = 0;
    int PaletteChanges = 0;
};

QColor PaintedColor(TControl& C)
{
    C.Update();
    return C.GetPicture().pixelColor(1, 1);
}
} // namespace

TEST(ControlCitizenship, SizeHintIsTheBoundsSizeAndLayoutsHonourIt)
{
    auto* C = new TGaugeProbe;
    EXPECT_EQ(C->sizeHint(), QSize(80, 30));
    EXPECT_EQ(C->minimumSizeHint(), QSize(80, 30));
    C->SetWidth(90); // the classic size is the hint
    EXPECT_EQ(C->sizeHint(), QSize(90, 30));
    const auto Form = vok::test::ShowBesideLineEdit(C);
    EXPECT_GE(C->width(), 90);
    EXPECT_GE(C->height(), 30);
    EXPECT_EQ(PaintedColor(*C), QApplication::palette().color(QPalette::Button));
}

TEST(ControlCitizenship, EnabledIsQtsStateAndADisabledParentCounts)
{
    QWidget Form;
    auto* C = new TGaugeProbe(&Form);
    const QColor Face = QApplication::palette().color(QPalette::Button);
    const QColor Gray = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_EQ(PaintedColor(*C), Face);

    Form.setEnabled(false); // through the parent: own flag stays, picture greys
    EXPECT_FALSE(C->isEnabled());
    EXPECT_TRUE(C->GetEnabled());
    EXPECT_EQ(C->EnabledChanges, 1);
    EXPECT_TRUE(C->PaintPending());
    EXPECT_EQ(PaintedColor(*C), Gray);
    EXPECT_FALSE(C->CanFocus());

    C->SetEnabled(false); // no effective change while the parent is disabled
    EXPECT_EQ(C->EnabledChanges, 1);
    Form.setEnabled(true);
    EXPECT_FALSE(C->isEnabled());
    EXPECT_FALSE(C->GetEnabled());

    C->setEnabled(true); // Qt's switch is the classic one
    EXPECT_TRUE(C->GetEnabled());
    EXPECT_EQ(C->EnabledChanges, 2);
    EXPECT_EQ(PaintedColor(*C), Face);
}

TEST(ControlCitizenship, SystemColorsResolveThroughTheControlsPalette)
{
    QWidget Form;
    auto* C = new TGaugeProbe(&Form);
    const QColor AppFace = QApplication::palette().color(QPalette::Button);
    EXPECT_EQ(PaintedColor(*C), AppFace);

    QPalette Dark = Form.palette();
    Dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    Form.setPalette(Dark); // reaches the control: a new picture
    EXPECT_GE(C->PaletteChanges, 1);
    EXPECT_TRUE(C->PaintPending());
    EXPECT_EQ(PaintedColor(*C), QColor(0x35, 0x35, 0x35));
    EXPECT_EQ(C->ResolveColor(clBtnFace), RGBToColor(0x35, 0x35, 0x35));
    EXPECT_EQ(C->ResolveColor(clRed), clRed);

    // Elsewhere the application palette counts, unless a scope names a widget.
    EXPECT_EQ(ColorToQColor(clBtnFace), AppFace);
    {
        const TPaletteScope Outer(C);
        EXPECT_EQ(ColorToRGB(clBtnFace), RGBToColor(0x35, 0x35, 0x35));
        {
            const TPaletteScope None(nullptr);
            EXPECT_EQ(ColorToRGB(clBtnFace), RGBToColor(0x35, 0x35, 0x35));
        }
        QWidget Other;
        const TPaletteScope Inner(&Other);
        EXPECT_EQ(ColorToQColor(clBtnFace), AppFace);
    }
    EXPECT_EQ(ColorToQColor(clBtnFace), AppFace);

    // An off-screen bitmap painted for the control follows it once told so.
    TBitmap Bitmap(4, 4);
    Bitmap.GetCanvas()->SetPaletteSource(C);
    Bitmap.GetCanvas()->GetBrush()->SetColor(clBtnFace);
    Bitmap.GetCanvas()->FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(Bitmap.GetCanvas()->GetPixel(2, 2), RGBToColor(0x35, 0x35, 0x35));
}

TEST(ControlCitizenship, NotifyingEventsAreSignalsForEveryListener)
{
    QWidget Form;
    auto* C = new TGaugeProbe(&Form);
    QStringList Log;
    C->OnClick = [&](QObject*) { Log << QStringLiteral("OnClick"); };
    QObject::connect(C, &TControl::clicked, [&] { Log << QStringLiteral("first"); });
    QObject::connect(C, &TControl::clicked, [&] { Log << QStringLiteral("second"); });
    QSignalSpy Resized(C, &TControl::resized);
    Form.show();
    QTest::mouseClick(C, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(Log, QStringList({"OnClick", "first", "second"}));
    C->SetWidth(50);
    EXPECT_EQ(Resized.count(), 1);
}

TEST(ControlCitizenship, ClassicPropertiesDoNotDuplicateQWidgets)
{
    TGaugeProbe C;
    const QMetaObject* Meta = C.metaObject();
    for (const char* Name : {"Enabled", "Visible", "Font", "Cursor"})
        EXPECT_EQ(Meta->indexOfProperty(Name), -1) << Name;
    EXPECT_GE(Meta->indexOfProperty("Hint"), 0);
}

TEST(ControlCitizenship, EnumerationsAndFlagsReadAndWriteByName)
{
    TDrawGrid Grid;
    EXPECT_TRUE(Grid.setProperty("ScrollBars", QStringLiteral("ssVertical")));
    EXPECT_EQ(Grid.GetScrollBars(), ssVertical);
    EXPECT_EQ(Grid.property("ScrollBars").toString(), QStringLiteral("ssVertical"));
    EXPECT_FALSE(Grid.setProperty("ScrollBars", QStringLiteral("ssDiagonal")));
    EXPECT_EQ(Grid.GetScrollBars(), ssVertical);

    // Sets as form files store them.
    EXPECT_TRUE(Grid.setProperty("Options", QStringLiteral("goVertLine|goEditing")));
    EXPECT_EQ(Grid.GetOptions(), TGridOptions(goVertLine | goEditing));
    EXPECT_EQ(Grid.property("Options").toString(), QStringLiteral("goVertLine|goEditing"));
    EXPECT_FALSE(Grid.setProperty("Options", QStringLiteral("goVertLine|goSideways")));

    EXPECT_EQ(QMetaEnum::fromType<TFrameStyle>().valueToKey(fsEngraved), QByteArray("fsEngraved"));
    EXPECT_EQ(QMetaEnum::fromType<TAlignment>().keyToValue("taCenter"), int(taCenter));
}

TEST(ControlCitizenship, AccessibleRoleNameValueAndState)
{
    QWidget Form;
    auto* C = new TGaugeProbe(&Form);
    C->SetHint(QStringLiteral("Pressure"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(C);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::Dial);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Pressure"));
    C->setAccessibleName(QStringLiteral("Boiler pressure"));
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Boiler pressure"));
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("2.5"));
    QAccessibleValueInterface* V = A->valueInterface();
    ASSERT_NE(V, nullptr);
    EXPECT_EQ(V->currentValue().toDouble(), 2.5);
    EXPECT_EQ(V->minimumValue().toDouble(), -10);
    EXPECT_EQ(V->maximumValue().toDouble(), 10);

    C->Checked = true;
    Form.setEnabled(false);
    EXPECT_TRUE(A->state().checkable);
    EXPECT_TRUE(A->state().checked);
    EXPECT_TRUE(A->state().disabled);

    // Controls on Qt's own widgets keep Qt's interface.
    TEdit Edit;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&Edit)->role(), QAccessible::EditableText);
}
