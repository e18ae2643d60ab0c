/// Auto-repeat speed button: while the left mouse button is held on it,
/// OnRepeatClick fires first after StartClickInterval and then every
/// RepeatClickInterval milliseconds, as spin and scroll buttons do. \file
#pragma once

#include <vok/Vok_speedbutton.h>
#include <vok/Vok_timers.h>
#include <vok/vok_export.h>

namespace vok {

class VOK_EXPORT EVOKRepSpeedButton : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// A speed button that repeats its click while it is held down: first after StartClickInterval, then every RepeatClickInterval.
class VOK_EXPORT TRepSpeedButton : public TSpeedButton
{
    Q_OBJECT
    /// Milliseconds between repeated clicks while the button is held.
    Q_PROPERTY(int RepeatClickInterval READ GetRepeatClickInterval WRITE SetRepeatClickInterval RESET ResetRepeatClickInterval)
    /// Milliseconds from the press to the first repeated click.
    Q_PROPERTY(int StartClickInterval READ GetStartClickInterval WRITE SetStartClickInterval RESET ResetStartClickInterval)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TRepSpeedButton(QWidget* AOwner = nullptr);

    /// Milliseconds between repeated clicks while the button is held.
    ///@{
    int GetRepeatClickInterval() const { return FRepClickIv; }
    /// Values below 10 become 10; while held, the timer restarts in the repeat phase.
    void SetRepeatClickInterval(int Value);
    ///@}
    /// Milliseconds from the press to the first repeated click.
    ///@{
    int GetStartClickInterval() const { return FStartIv; }
    /// Values below 10 become 10; while held, the timer restarts in the start phase.
    void SetStartClickInterval(int Value);
    ///@}
    /// Stores the handler; outside design mode the timer restarts in the repeat phase.
    void SetOnRepeatClick(TNotifyEvent Handler);

    /// The start phase: the timer (while the button is held) waits StartClickInterval.
    void InitTimer();
    /// The repeat phase: the timer (while the button is held) ticks every RepeatClickInterval.
    void UpdateTimer();
    /// One tick: leaves the start phase, then RepeatClickEvent and OnRepeatClick.
    virtual void DoTimer();
    /// Runs on every tick before OnRepeatClick; does nothing here.
    virtual void RepeatClickEvent(QObject* Sender);

    /// Whether the left button holds the button down (the timer is enabled).
    bool IsRepeating() const { return FRClickTimerEnabled; }
    /// Whether the running timer is the start delay.
    bool InStartPhase() const { return FIsStart; }
    bool TimerRunning() const { return FTimer->IsRunning(); } ///< Whether the repeat timer runs.
    int TimerInterval() const { return FTimer->GetInterval(); } ///< The repeat timer's interval in milliseconds.

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// Leaving the button (or dragging off it) while held stops repeating.
    ///@{
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    ///@}
    /// The ordinary click, unless the pointer left the button while it was held.
    void Click() override;

    TNotifyEvent OnRepeatClick; ///< Fired at each repeated click while the button is held.

Q_SIGNALS:
    void repeatClick(); ///< Emitted with OnRepeatClick.

private:
    void RestartTimer(int Interval);
    void StopRepeating();

    void ResetRepeatClickInterval() { SetRepeatClickInterval(200); }
    void ResetStartClickInterval() { SetStartClickInterval(500); }

    TComponentTimer* FTimer;
    bool FRClickTimerEnabled = false;
    int FRepClickIv = 200;
    int FStartIv = 500;
    bool FIsStart = false;
    bool FLeftWhileHeld = false;
};

} // namespace vok
