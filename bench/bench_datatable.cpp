// TDataTable of 2000 x 2000 cells: resizing, inserting a row and a column in
// the middle, mirroring, sorting the rows.
#include <vok/Vok_math.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Size = 2000;

std::unique_ptr<vok::TDataTable> MakeTable()
{
    auto T = std::make_unique<vok::TDataTable>(Size, Size);
    for (int c = 1; c <= Size; ++c)
        for (int r = 1; r <= Size; ++r)
            T->SetElem(c, r, double((c * 7919 + r * 104729) % 100003));
    return T;
}

void BM_ResizeFrom1x1To2000x2000(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        vok::TDataTable T(1, 1);
        State.ResumeTiming();
        T.Resize(Size, Size);
        benchmark::DoNotOptimize(T.GetElem(Size, Size));
        State.PauseTiming(); // destruction is not part of the figure
        T.Resize(0, 0);
        State.ResumeTiming();
    }
}
BENCHMARK(BM_ResizeFrom1x1To2000x2000)->Unit(benchmark::kMillisecond);

void BM_ResizeGrow2000To2100(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        auto T = MakeTable();
        State.ResumeTiming();
        T->Resize(Size + 100, Size + 100);
        State.PauseTiming();
        T.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_ResizeGrow2000To2100)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_InsertRowInTheMiddle(benchmark::State& State)
{
    auto T = MakeTable();
    for (auto _ : State) {
        T->InsertRow(Size / 2);
        State.PauseTiming();
        T->RemoveRow(Size / 2);
        State.ResumeTiming();
    }
}
BENCHMARK(BM_InsertRowInTheMiddle)->Unit(benchmark::kMillisecond);

void BM_InsertColumnInTheMiddle(benchmark::State& State)
{
    auto T = MakeTable();
    for (auto _ : State) {
        T->InsertColumn(Size / 2);
        State.PauseTiming();
        T->RemoveColumn(Size / 2);
        State.ResumeTiming();
    }
}
BENCHMARK(BM_InsertColumnInTheMiddle)->Unit(benchmark::kMillisecond);

void BM_RemoveRowInTheMiddle(benchmark::State& State)
{
    auto T = MakeTable();
    for (auto _ : State) {
        T->RemoveRow(Size / 2);
        State.PauseTiming();
        T->InsertRow(Size / 2);
        State.ResumeTiming();
    }
}
BENCHMARK(BM_RemoveRowInTheMiddle)->Unit(benchmark::kMillisecond);

void BM_MirrorRows(benchmark::State& State)
{
    auto T = MakeTable();
    for (auto _ : State)
        T->MirrorRows();
}
BENCHMARK(BM_MirrorRows)->Unit(benchmark::kMillisecond);

void BM_MirrorColumns(benchmark::State& State)
{
    auto T = MakeTable();
    for (auto _ : State)
        T->MirrorColumns();
}
BENCHMARK(BM_MirrorColumns)->Unit(benchmark::kMillisecond);

void BM_SortAllRowsByAColumn(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        auto T = MakeTable();
        State.ResumeTiming();
        T->SortRows(1, true, 1, 1, Size, Size, true);
        State.PauseTiming();
        T.reset();
        State.ResumeTiming();
    }
}
BENCHMARK(BM_SortAllRowsByAColumn)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
