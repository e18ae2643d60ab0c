// One full repaint of a TMeter at its default size (297 x 209), with and
// without range bands and labels, next to a QDial of the same size rendered
// offscreen in the same run.
// The components draw at the screen's device pixel ratio: run with
// QT_SCALE_FACTOR=2 for a screen scaled by two.
#include "qt_bench_main.h"

#include <vok/Vok_Meter.h>

#include <benchmark/benchmark.h>

#include <QDial>
#include <QImage>

namespace {

using namespace vok;

void ConfigureMeter(TMeter& M, bool BandsAndLabels)
{
    M.SetMeterMaxValue(100);
    M.SetThresholdHigh(80);
    M.SetThresholdLow(20);
    M.SetMeterDecPlaces(0);
    M.SetCaption(QStringLiteral("kPa"));
    M.SetValue(63);
    M.SetScaleBkWidth(10);
    M.SetScaleBkVisible(BandsAndLabels);
    if (!BandsAndLabels)
        M.OnBeforeDrawScaleLabel = [](QObject*, TCanvas*, QString& Text, int, int) { Text.clear(); };
}

void MeterRepaint(benchmark::State& State, bool BandsAndLabels)
{
    TMeter M;
    ConfigureMeter(M, BandsAndLabels);
    for (auto _ : State) {
        M.Paint();
        benchmark::DoNotOptimize(M.GetCanvas());
    }
}

void BM_MeterRepaintWithBandsAndLabels(benchmark::State& State) { MeterRepaint(State, true); }
void BM_MeterRepaintPlain(benchmark::State& State) { MeterRepaint(State, false); }

void BM_QDialRender(benchmark::State& State)
{
    QDial Dial;
    Dial.resize(297, 209);
    Dial.setRange(0, 100);
    Dial.setValue(63);
    Dial.setNotchesVisible(true);
    QImage Image(297, 209, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        Dial.render(&Image);
        benchmark::DoNotOptimize(Image.bits());
    }
}

// CPU time of the whole process: Qt's raster engine may hand work to other
// threads, which a per-thread clock would not see.
BENCHMARK(BM_MeterRepaintWithBandsAndLabels)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_MeterRepaintPlain)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QDialRender)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
