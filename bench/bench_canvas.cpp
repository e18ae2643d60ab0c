// Canvas throughput: fills, lines, rectangles, ellipses, text, and CopyRect
// in copy mode next to a plain memcpy of the same bytes (the physical limit).
#include "qt_bench_main.h"

#include <vok/Vok_graphics.h>

#include <benchmark/benchmark.h>


#include <cstring>
#include <vector>

using namespace vok;

namespace {

void BM_FillRect100x100(benchmark::State& State)
{
    TBitmap B(400, 300);
    TCanvas* C = B.GetCanvas();
    C->GetBrush()->SetColor(clTeal);
    for (auto _ : State)
        C->FillRect(Rect(50, 50, 150, 150));
    State.SetItemsProcessed(State.iterations() * 100 * 100);
}
BENCHMARK(BM_FillRect100x100);

void BM_LineTo(benchmark::State& State)
{
    TBitmap B(400, 300);
    TCanvas* C = B.GetCanvas();
    const TPenMode Mode = TPenMode(State.range(0));
    C->GetPen()->SetMode(Mode);
    for (auto _ : State) {
        C->MoveTo(10, 10);
        C->LineTo(290, 200); // 280 pixels
    }
    State.SetItemsProcessed(State.iterations() * 280);
    State.SetLabel(Mode == pmCopy ? "copy, pixels/s" : "xor, pixels/s");
}
BENCHMARK(BM_LineTo)->Arg(pmCopy)->Arg(pmXor);

// A 100 x 60 figure with pen outline and brush fill: 0 rectangle, 1 ellipse,
// 2 pie and 3 arc counterclockwise from the top right to the bottom right
// corner (most of the turn), 4 a seven-cornered arrow across the box.
void BM_Figure100x60(benchmark::State& State)
{
    TBitmap B(400, 300);
    TCanvas* C = B.GetCanvas();
    C->GetBrush()->SetColor(clYellow);
    static const char* const Names[] = {"Rectangle", "Ellipse", "Pie", "Arc", "Polygon"};
    const QList<TPoint> Arrow{{100, 20}, {120, 20}, {118, 40}, {110, 33}, {24, 80}, {20, 74}, {106, 28}};
    const int Kind = int(State.range(0));
    for (auto _ : State) {
        switch (Kind) {
        case 0:
            C->Rectangle(20, 20, 120, 80);
            break;
        case 1:
            C->Ellipse(20, 20, 120, 80);
            break;
        case 2:
            C->Pie(20, 20, 120, 80, 120, 20, 120, 80);
            break;
        case 3:
            C->Arc(20, 20, 120, 80, 120, 20, 120, 80);
            break;
        default:
            C->Polygon(Arrow);
            break;
        }
    }
    State.SetItemsProcessed(State.iterations());
    State.SetLabel(Names[Kind]);
}
BENCHMARK(BM_Figure100x60)->DenseRange(0, 4);

void BM_TextOut(benchmark::State& State)
{
    TBitmap B(400, 300);
    TCanvas* C = B.GetCanvas();
    const QString Text = QStringLiteral("12345.678 mV");
    for (auto _ : State)
        C->TextOut(10, 10, Text);
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_TextOut);

void BM_TextWidth(benchmark::State& State)
{
    TBitmap B(10, 10);
    TCanvas* C = B.GetCanvas();
    const QString Text = QStringLiteral("12345.678 mV");
    for (auto _ : State)
        benchmark::DoNotOptimize(C->TextWidth(Text));
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_TextWidth);

// CopyRect of a whole W x H picture to another of the same size.
void BM_CopyRect(benchmark::State& State)
{
    const int W = int(State.range(0));
    const int H = int(State.range(1));
    TBitmap Source(W, H);
    TBitmap Dest(W, H);
    Source.GetCanvas()->GetBrush()->SetColor(clNavy);
    Source.GetCanvas()->Ellipse(0, 0, W, H);
    TCanvas* C = Dest.GetCanvas();
    for (auto _ : State) {
        C->CopyRect(Rect(0, 0, W, H), Source.GetCanvas(), Rect(0, 0, W, H));
        benchmark::ClobberMemory();
    }
    State.SetBytesProcessed(State.iterations() * int64_t(W) * H * 4);
}
BENCHMARK(BM_CopyRect)->Args({300, 200})->Args({1920, 1080});

// A 300 x 200 picture into the middle of an 800 x 600 one: row by row.
void BM_CopyRectRows(benchmark::State& State)
{
    TBitmap Source(300, 200);
    TBitmap Dest(800, 600);
    TCanvas* C = Dest.GetCanvas();
    for (auto _ : State) {
        C->CopyRect(Rect(50, 50, 350, 250), Source.GetCanvas(), Rect(0, 0, 300, 200));
        benchmark::ClobberMemory();
    }
    State.SetBytesProcessed(State.iterations() * 300 * 200 * 4);
}
BENCHMARK(BM_CopyRectRows);

// The same bytes with one memcpy.
void BM_Memcpy(benchmark::State& State)
{
    const size_t Bytes = size_t(State.range(0)) * size_t(State.range(1)) * 4;
    std::vector<char> Source(Bytes, 1);
    std::vector<char> Dest(Bytes, 0);
    for (auto _ : State) {
        std::memcpy(Dest.data(), Source.data(), Bytes);
        benchmark::ClobberMemory();
    }
    State.SetBytesProcessed(State.iterations() * int64_t(Bytes));
}
BENCHMARK(BM_Memcpy)->Args({300, 200})->Args({1920, 1080});

// Stretching a 312 x 432 picture down to 40 x 56 in both modes.
void BM_StretchDraw(benchmark::State& State)
{
    TBitmap Source(312, 432);
    Source.GetCanvas()->GetBrush()->SetColor(clBlack);
    Source.GetCanvas()->Ellipse(20, 20, 290, 410);
    TBitmap Dest(40, 56);
    TCanvas* C = Dest.GetCanvas();
    C->SetStretchMode(TStretchMode(State.range(0)));
    for (auto _ : State)
        C->StretchDraw(Rect(0, 0, 40, 56), &Source);
    State.SetItemsProcessed(State.iterations());
    State.SetLabel(State.range(0) == smHalftone ? "halftone" : "color-on-color");
}
BENCHMARK(BM_StretchDraw)->Arg(smColorOnColor)->Arg(smHalftone);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
