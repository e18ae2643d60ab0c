/// Component timers and the application's exception handler.
///
/// A component that blinks, repeats or scrolls owns one TComponentTimer (the
/// classic "timer 1 on a hidden window"). Ticks arrive on the GUI thread; an
/// exception escaping a tick goes to the application's exception handler and
/// the timer keeps running. Tests fire a tick with DoTimer() and read the
/// timer's state with IsRunning() and GetInterval(). \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/vok_export.h>

#include <QObject>

#include <exception>
#include <functional>

namespace vok {

/// Called with the object whose event raised E; replaces the default report.
using TApplicationExceptionHandler = std::function<void(QObject* Sender, const std::exception& E)>;

/// Sets the application's exception handler; an empty handler restores the
/// default, which writes the message to stderr and lets the program run on.
VOK_EXPORT void SetApplicationExceptionHandler(TApplicationExceptionHandler Handler);

/// Hands the exception being handled (call it inside a catch block) to the
/// application's exception handler. Exceptions not derived from
/// std::exception arrive as an EVOKError "Unknown exception".
VOK_EXPORT void HandleApplicationException(QObject* Sender);

/// Raises the component error E with the given message; timers and other
/// resources report their failures through such a function.
using TErrorRaiser = void (*)(const QString& Message);
template <class E>
/// Throws E with Message.
[[noreturn]] void RaiseError(const QString& Message)
{
    throw E(Message);
}

/// The message of a refused timer: Component "<Name>": no timer available.
VOK_EXPORT QString NoTimerMessage(const QObject* Component);

/// A component's timer: Qt's timer with the classic start, stop and refusal rules.
class VOK_EXPORT TComponentTimer : public QObject
{
    Q_OBJECT
public:
    using TTickHandler = std::function<void()>; ///< What runs on every tick.

    /// Owner: the component (the Qt parent, whose Name appears in errors).
    /// OnTick runs on every tick; Raise throws the component's error class.
    TComponentTimer(QObject* Owner, TTickHandler OnTick, TErrorRaiser Raise = &RaiseError<EVOKError>);
    ~TComponentTimer() override;

    /// Starts (or restarts) the timer with Interval milliseconds. A refusal of
    /// the system (no timer left, an interval below 1) raises the component's
    /// error with the message Component "<Name>": no timer available; the
    /// timer is then stopped.
    void Start(int Interval);
    /// Stops the timer; stopping a stopped timer does nothing.
    void Kill();

    bool IsRunning() const { return FTimerId != 0; } ///< Whether the timer runs.
    /// The interval of the last start (0 before the first).
    int GetInterval() const { return FInterval; }

    /// One tick as the system delivers it: runs the tick handler and hands an
    /// exception to the application's exception handler.
    void DoTimer();

    /// The most timers the process may run at once (the system's per-process
    /// limit); a start beyond it is refused. Tests lower it to provoke refusals.
    ///@{
    static void SetProcessTimerLimit(int Limit);
    static int ProcessTimerLimit();
    ///@}
    static int RunningTimerCount(); ///< How many timers of the process run now.

protected:
    void timerEvent(QTimerEvent* Event) override;

private:
    TTickHandler FOnTick;
    TErrorRaiser FRaise;
    int FTimerId = 0;
    int FInterval = 0;
};

} // namespace vok
