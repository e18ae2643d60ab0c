// Progress reports of long operations through an OnPercentDone handler:
// every value 0..100 at most once, in ascending order.
#pragma once

#include <vok/Vok_basetypes.h>

namespace vok::replist {

class VOK_EXPORT ProgressCounter
{
public:
    // Total units of work, reported every Step units.
    ProgressCounter(QObject* Sender, const TOnPercentDoneEvent& Handler, qint64 Total, int Step)
        : FSender(Sender)
        , FHandler(Handler)
        , FTotal(qMax<qint64>(Total, 1))
        , FStep(qMax(Step, 1))
    {
    }

    void Advance(qint64 Units = 1)
    {
        const qint64 Before = FDone;
        FDone += Units;
        if (FDone / FStep != Before / FStep)
            Report(int(qMin<qint64>(FDone * 100 / FTotal, 100)));
    }
    void Report(int Percent)
    {
        if (!FHandler || Percent <= FLastPercent)
            return;
        FLastPercent = Percent;
        FHandler(FSender, Percent);
    }
    void Finish() { Report(100); }

private:
    QObject* FSender;
    const TOnPercentDoneEvent& FHandler;
    qint64 FTotal;
    int FStep;
    qint64 FDone = 0;
    int FLastPercent = -1;
};

} // namespace vok::replist
