// The table editor's text logic: the cell number format per call, the copy
// text of a 1000 x 20 and a 1000 x 1000 block (full and column precision),
// and Extract and GetClipMatrixSize of that text back.
#include "CellText.h"
#include "ClipText.h"

#include <vok/Vok_math.h>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <vector>

namespace {

using namespace vok;
using namespace vok::ntabed;

// Measurement-like values: fixed, exponent and three-digit-exponent cases.
constexpr std::array<double, 8> Values{1234.5, -0.0004, 123456.7, 0.0, 3.14159, -98.765, 1e150, 42.0};

void BM_CellNumberText(benchmark::State& State)
{
    const int Precision = int(State.range(0));
    size_t i = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(CellNumberText(Values[i++ % Values.size()], 1, Precision));
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(BM_CellNumberText)->Arg(3)->Arg(8)->Arg(-1);

std::unique_ptr<TDataTable> MakeTable(int NrCols, int NrRows)
{
    auto T = std::make_unique<TDataTable>(NrCols, NrRows);
    for (int c = 1; c <= NrCols; ++c)
        for (int r = 1; r <= NrRows; ++r)
            T->SetElem(c, r, double((c * 7919 + r * 104729) % 100003) / 7.0 - 5000.0);
    return T;
}

void BM_CopyText(benchmark::State& State)
{
    const int NrRows = int(State.range(0));
    const int NrCols = int(State.range(1));
    const bool FullPrec = State.range(2) != 0;
    const auto T = MakeTable(NrCols, NrRows);
    const std::vector<qint8> Precisions(size_t(NrCols), 3);
    const TClipCopySettings Settings{{1, 1, NrCols, NrRows}, Precisions, FullPrec};
    qsizetype Size = 0;
    for (auto _ : State) {
        const QString Text = ClipboardCopyText(*T, Settings);
        Size = Text.size();
        benchmark::DoNotOptimize(Size);
    }
    State.counters["chars"] = double(Size);
}
BENCHMARK(BM_CopyText)
    ->Args({1000, 20, 1})
    ->Args({1000, 20, 0})
    ->Args({1000, 1000, 1})
    ->Args({1000, 1000, 0})
    ->Unit(benchmark::kMillisecond);

void BM_ExtractText(benchmark::State& State)
{
    const int NrRows = int(State.range(0));
    const int NrCols = int(State.range(1));
    const bool FullPrec = State.range(2) != 0;
    const QString Text = ClipboardCopyText(*MakeTable(NrCols, NrRows), {{1, 1, NrCols, NrRows}, {}, FullPrec});
    TDataTable T(NrCols, NrRows);
    for (auto _ : State)
        benchmark::DoNotOptimize(ExtractFromClipText(Text, T, 1, 1));
    State.counters["chars"] = double(Text.size());
}
BENCHMARK(BM_ExtractText)
    ->Args({1000, 20, 1})
    ->Args({1000, 1000, 1})
    ->Args({1000, 1000, 0})
    ->Unit(benchmark::kMillisecond);

void BM_ClipMatrixSize(benchmark::State& State)
{
    const QString Text = ClipboardCopyText(*MakeTable(1000, 1000), {{1, 1, 1000, 1000}, {}, true});
    int NCols = 0, NRows = 0;
    for (auto _ : State)
        benchmark::DoNotOptimize(GetClipMatrixSize(Text, NCols, NRows));
}
BENCHMARK(BM_ClipMatrixSize)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
