// The mini calendar at its default size (300 x 180): one full repaint, and
// a month step (forward and back in turn) with the repaint it causes, next to a QCalendarWidget of the
// same size rendered offscreen in the same run.
#include "qt_bench_main.h"

#include <vok/Vok_MiniCal.h>

#include <benchmark/benchmark.h>

#include <QCalendarWidget>
#include <QDate>
#include <QImage>

namespace {

using namespace vok;

void BM_MiniCalRepaint(benchmark::State& State)
{
    TMiniCal Cal;
    Cal.SetDate(EncodeDate(2024, 12, 25));
    for (auto _ : State) {
        Cal.Paint();
        benchmark::DoNotOptimize(Cal.GetPicture().constBits());
    }
}

void BM_MiniCalMonthStep(benchmark::State& State)
{
    TMiniCal Cal;
    Cal.SetDate(EncodeDate(2024, 1, 15));
    bool Forward = true; // back and forth, so the years stay in range
    for (auto _ : State) {
        if (Forward)
            Cal.NextMonth();
        else
            Cal.PrevMonth();
        Forward = !Forward;
        Cal.Update();
        benchmark::DoNotOptimize(Cal.GetPicture().constBits());
    }
}

void BM_QCalendarWidgetRender(benchmark::State& State)
{
    QCalendarWidget Cal;
    Cal.resize(300, 180);
    Cal.setSelectedDate(QDate(2024, 12, 25));
    QImage Image(300, 180, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        Cal.render(&Image);
        benchmark::DoNotOptimize(Image.bits());
    }
}

void BM_QCalendarWidgetMonthStep(benchmark::State& State)
{
    QCalendarWidget Cal;
    Cal.resize(300, 180);
    Cal.setSelectedDate(QDate(2024, 1, 15));
    QImage Image(300, 180, QImage::Format_ARGB32_Premultiplied);
    bool Forward = true;
    for (auto _ : State) {
        if (Forward)
            Cal.showNextMonth();
        else
            Cal.showPreviousMonth();
        Forward = !Forward;
        Cal.render(&Image);
        benchmark::DoNotOptimize(Image.bits());
    }
}

// CPU time of the whole process: Qt's raster engine may hand work to other
// threads, which a per-thread clock would not see.
BENCHMARK(BM_MiniCalRepaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MiniCalMonthStep)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QCalendarWidgetRender)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QCalendarWidgetMonthStep)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
