#include <vok/Vok_timers.h>

#include <QTimerEvent>

#include <cstdio>

namespace vok {

namespace {

TApplicationExceptionHandler& ExceptionHandler()
{
    static TApplicationExceptionHandler Handler;
    return Handler;
}

void ReportOnStderr(QObject* Sender, const std::exception& E)
{
    const QString Who = Sender && !Sender->objectName().isEmpty() ? Sender->objectName() : QStringLiteral("application");
    std::fprintf(stderr, "Exception in %s: %s\n", qPrintable(Who), E.what());
}

// Windows allows 10000 timers per process.
int TimerLimit = 10000;
int RunningTimers = 0;

} // namespace

void SetApplicationExceptionHandler(TApplicationExceptionHandler Handler) { ExceptionHandler() = std::move(Handler); }

void HandleApplicationException(QObject* Sender)
{
    const auto Deliver = [&](const std::exception& E) {
        if (ExceptionHandler())
            ExceptionHandler()(Sender, E);
        else
            ReportOnStderr(Sender, E);
    };
    try {
        throw;
    } catch (const std::exception& E) {
        Deliver(E);
    } catch (...) {
        Deliver(EVOKError(QStringLiteral("Unknown exception")));
    }
}

QString NoTimerMessage(const QObject* Component)
{
    return ComponentMessage(Component ? Component->objectName() : QString(), QStringLiteral("no timer available"));
}

TComponentTimer::TComponentTimer(QObject* Owner, TTickHandler OnTick, TErrorRaiser Raise)
    : QObject(Owner)
    , FOnTick(std::move(OnTick))
    , FRaise(Raise)
{
}

TComponentTimer::~TComponentTimer() { Kill(); }

void TComponentTimer::Start(int Interval)
{
    Kill();
    FInterval = Interval;
    if (Interval >= 1 && RunningTimers < TimerLimit)
        FTimerId = startTimer(Interval);
    if (FTimerId == 0)
        FRaise(NoTimerMessage(parent()));
    ++RunningTimers;
}

void TComponentTimer::Kill()
{
    if (FTimerId == 0)
        return;
    killTimer(FTimerId);
    FTimerId = 0;
    --RunningTimers;
}

void TComponentTimer::DoTimer()
{
    try {
        if (FOnTick)
            FOnTick();
    } catch (...) {
        HandleApplicationException(parent());
    }
}

void TComponentTimer::timerEvent(QTimerEvent* Event)
{
    if (Event->timerId() == FTimerId)
        DoTimer();
    else
        QObject::timerEvent(Event);
}

void TComponentTimer::SetProcessTimerLimit(int Limit) { TimerLimit = Limit; }
int TComponentTimer::ProcessTimerLimit() { return TimerLimit; }
int TComponentTimer::RunningTimerCount() { return RunningTimers; }

} // namespace vok
