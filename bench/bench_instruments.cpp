// One full repaint of TProgBar (300 x 28), TOnOffBut (100 x 50) and TNumLab
// (160 x 28) at their default sizes, next to QProgressBar, QCheckBox and
// QLabel of the same sizes rendered offscreen in the same run.
#include "qt_bench_main.h"

#include <vok/Vok_NumLab.h>
#include <vok/Vok_ProgBar.h>
#include <vok/Vok_onoffbut.h>

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>

namespace {

using namespace vok;

template <class Control>
void Repaint(benchmark::State& State, Control& C)
{
    for (auto _ : State) {
        C.Paint();
        benchmark::DoNotOptimize(C.GetCanvas());
    }
}

void Render(benchmark::State& State, QWidget& W)
{
    QImage Image(W.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : State) {
        W.render(&Image);
        benchmark::DoNotOptimize(Image.bits());
    }
}

void BM_ProgBarRepaint(benchmark::State& State)
{
    TProgBar P;
    P.SetValue(63);
    Repaint(State, P);
}

void BM_ProgBarRepaintGradient(benchmark::State& State)
{
    TProgBar P;
    P.SetValue(63);
    P.SetShowColorGradient(true);
    P.SetGridDist(10);
    Repaint(State, P);
}

void BM_QProgressBarRender(benchmark::State& State)
{
    QProgressBar Bar;
    Bar.resize(300, 28);
    Bar.setValue(63);
    Render(State, Bar);
}

void BM_OnOffButRepaint(benchmark::State& State)
{
    TOnOffBut B;
    B.SetRightText(QStringLiteral("On"));
    Repaint(State, B);
}

void BM_QCheckBoxRender(benchmark::State& State)
{
    QCheckBox Box(QStringLiteral("On"));
    Box.resize(100, 50);
    Box.setChecked(true);
    Render(State, Box);
}

void BM_NumLabRepaint(benchmark::State& State)
{
    TNumLab N;
    N.SetValue(3.14159);
    Repaint(State, N);
}

void BM_QLabelRender(benchmark::State& State)
{
    QLabel Label(QStringLiteral("3.14"));
    Label.resize(160, 28);
    Label.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Render(State, Label);
}

// CPU time of the whole process: Qt's raster engine may hand work to other
// threads, which a per-thread clock would not see.
BENCHMARK(BM_ProgBarRepaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_ProgBarRepaintGradient)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QProgressBarRender)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_OnOffButRepaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QCheckBoxRender)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_NumLabRepaint)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QLabelRender)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
