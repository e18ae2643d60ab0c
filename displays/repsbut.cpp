#include <vok/Vok_repsbut.h>

#include <algorithm>

namespace vok {

TRepSpeedButton::TRepSpeedButton(QWidget* AOwner)
    : TSpeedButton(AOwner)
    , FTimer(new TComponentTimer(this, [this] { DoTimer(); }, &RaiseError<EVOKRepSpeedButton>))
{
}

void TRepSpeedButton::SetRepeatClickInterval(int Value)
{
    Value = std::max(10, Value);
    if (FRepClickIv == Value)
        return;
    FRepClickIv = Value;
    if (!IsDesigning())
        UpdateTimer();
}

void TRepSpeedButton::SetStartClickInterval(int Value)
{
    Value = std::max(10, Value);
    if (FStartIv == Value)
        return;
    FStartIv = Value;
    if (!IsDesigning())
        InitTimer();
}

void TRepSpeedButton::SetOnRepeatClick(TNotifyEvent Handler)
{
    OnRepeatClick = std::move(Handler);
    if (!IsDesigning())
        UpdateTimer();
}

void TRepSpeedButton::RestartTimer(int Interval)
{
    FTimer->Kill();
    if (Interval > 0 && FRClickTimerEnabled)
        FTimer->Start(Interval);
}

void TRepSpeedButton::InitTimer()
{
    FIsStart = true;
    RestartTimer(FStartIv);
}

void TRepSpeedButton::UpdateTimer()
{
    FIsStart = false;
    RestartTimer(FRepClickIv);
}

void TRepSpeedButton::DoTimer()
{
    if (FIsStart)
        UpdateTimer();
    RepeatClickEvent(this);
    if (OnRepeatClick)
        OnRepeatClick(this);
    emit repeatClick();
}

void TRepSpeedButton::RepeatClickEvent(QObject*) {}

void TRepSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FLeftWhileHeld = false;
    FRClickTimerEnabled = true;
    InitTimer();
}

void TRepSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FRClickTimerEnabled = false;
    UpdateTimer();
}

void TRepSpeedButton::StopRepeating()
{
    if (!FRClickTimerEnabled)
        return;
    FRClickTimerEnabled = false;
    UpdateTimer();
    FLeftWhileHeld = true;
    setDown(false);
}

void TRepSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseMove(Shift, X, Y);
    if (!Rect(0, 0, GetWidth(), GetHeight()).Contains(Point(X, Y)))
        StopRepeating();
}

void TRepSpeedButton::MouseLeave()
{
    TSpeedButton::MouseLeave();
    StopRepeating();
}

void TRepSpeedButton::Click()
{
    if (FLeftWhileHeld)
        return;
    TSpeedButton::Click();
}

} // namespace vok
