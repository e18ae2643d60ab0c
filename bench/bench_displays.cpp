// Seven-segment display: building the digit cache and repainting at the
// default size (216 x 76, four digits), next to a QLCDNumber of the same size
// rendered offscreen in the same run. Dot-matrix label: one repaint of the
// default 400 x 68 board.
#include "qt_bench_main.h"

#include <vok/Vok_RasterLab.h>
#include <vok/Vok_sevenseg.h>

#include <benchmark/benchmark.h>

#include <QImage>
#include <QLCDNumber>

namespace {

using namespace vok;

void BM_SevenSegCacheBuild(benchmark::State& State)
{
    TSevenSeg S;
    for (auto _ : State) {
        S.CreateImageCache();
        benchmark::DoNotOptimize(S.GetImageCache().GetImage().constBits());
    }
}

void BM_SevenSegRepaint(benchmark::State& State)
{
    TSevenSeg S;
    S.SetCaption(QStringLiteral("12.34"));
    for (auto _ : State) {
        S.Paint();
        benchmark::DoNotOptimize(S.GetCanvas());
    }
}

void BM_QLCDNumberRender(benchmark::State& State)
{
    QLCDNumber Lcd(4);
    Lcd.resize(216, 76);
    Lcd.display(QStringLiteral("12.34"));
    QImage Image(216, 76, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        Lcd.render(&Image);
        benchmark::DoNotOptimize(Image.bits());
    }
}

void BM_RasterLabRepaint(benchmark::State& State)
{
    TRasterLab L;
    L.SetText(QStringLiteral("Platform 7  12:47"));
    for (auto _ : State) {
        L.Paint();
        benchmark::DoNotOptimize(L.GetCanvas());
    }
}

// CPU time of the whole process: Qt's raster engine may hand work to other threads.
BENCHMARK(BM_SevenSegCacheBuild)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_SevenSegRepaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QLCDNumberRender)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_RasterLabRepaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
