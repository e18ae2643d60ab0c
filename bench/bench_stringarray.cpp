// TStringArray with 1,000,000 rows x 8 columns of short texts: filling,
// sorting by a text and by a numeric column, unsorting, committing, and the
// memory the cells take compared with the raw size of their texts.
#include <vok/Vok_stringarray.h>

#include <benchmark/benchmark.h>

#include <QStringList>

#include <fstream>
#include <memory>
#include <random>
#include <unistd.h>

using vok::TStringArray;

namespace {

constexpr int Rows = 1000000;
constexpr int Columns = 8;

double ResidentBytes()
{
    std::ifstream Statm("/proc/self/statm");
    long Size = 0;
    long Resident = 0;
    Statm >> Size >> Resident;
    return double(Resident) * double(sysconf(_SC_PAGESIZE));
}

// Typical report-list content: names, cities, integers, prices, dates, codes,
// short comments, check flags.
QString CellText(int Column, std::mt19937& Rng)
{
    static const QStringList Names = {"Miller", "Smith", "Garcia", "Müller", "Novak", "Rossi", "Dubois", "Kowalski", "Jensen", "Silva"};
    static const QStringList Cities = {"Vienna", "Graz", "Linz", "Salzburg", "Innsbruck", "Bregenz", "Klagenfurt", "St. Pölten"};
    std::uniform_int_distribution<int> Any(0, 999999);
    const int V = Any(Rng);
    switch (Column) {
    case 1: return Names[V % Names.size()] + QString::number(V % 97);
    case 2: return Cities[V % Cities.size()];
    case 3: return QString::number(V % 100000);
    case 4: return QString::number((V % 1000000) / 100.0, 'f', 2);
    case 5: return QStringLiteral("2024-%1-%2").arg(V % 12 + 1, 2, 10, QLatin1Char('0')).arg(V % 28 + 1, 2, 10, QLatin1Char('0'));
    case 6: return QStringLiteral("K%1").arg(V, 6, 36, QLatin1Char('0')).toUpper();
    case 7: return (V % 3) ? QStringLiteral("ok") : QStringLiteral("check later");
    default: return (V % 2) ? QStringLiteral("X") : QString();
    }
}

struct Filled
{
    std::unique_ptr<TStringArray> Array;
    double RawTextBytes = 0;
    double CellBytes = 0;
};

Filled Fill()
{
    Filled F;
    std::mt19937 Rng(12345);
    const double Before = ResidentBytes();
    F.Array = std::make_unique<TStringArray>();
    F.Array->SetAllocRowsBy(10);
    F.Array->Resize(Columns, Rows);
    for (int Row = 1; Row <= Rows; ++Row)
        for (int Col = 1; Col <= Columns; ++Col) {
            const QString Text = CellText(Col, Rng);
            F.RawTextBytes += double(Text.toUtf8().size());
            F.Array->SetString(Col, Row, Text);
        }
    F.CellBytes = ResidentBytes() - Before;
    return F;
}

// The array every benchmark works on; BM_Fill makes it first thing in the
// process, so the resident-memory growth it measures is the array's own.
Filled& Shared()
{
    static Filled F;
    if (!F.Array)
        F = Fill();
    return F;
}

void ReportMemory(benchmark::State& State, const Filled& F)
{
    State.counters["raw_text_MB"] = F.RawTextBytes / 1e6;
    State.counters["resident_MB"] = F.CellBytes / 1e6;
    State.counters["memory_ratio"] = F.CellBytes / F.RawTextBytes;
}

void BM_Fill(benchmark::State& State)
{
    for (auto _ : State)
        Shared();
    ReportMemory(State, Shared());
}

void BM_SortTextColumn(benchmark::State& State)
{
    TStringArray& A = *Shared().Array;
    for (auto _ : State)
        A.Sort(1, -1, true);
}

void BM_SortTextColumnWithSecondary(benchmark::State& State)
{
    TStringArray& A = *Shared().Array;
    for (auto _ : State)
        A.Sort(2, 3, false);
}

void BM_SortNumericColumn(benchmark::State& State)
{
    TStringArray& A = *Shared().Array;
    for (auto _ : State)
        A.Sort(4, -1, false);
}

void BM_SortWithExchangeHook(benchmark::State& State)
{
    TStringArray& A = *Shared().Array;
    long Exchanges = 0;
    A.OnBeforeSortExchange = [&](QObject*, int, int) { ++Exchanges; };
    bool Ascending = true;
    for (auto _ : State) {
        A.Sort(3, -1, Ascending);
        Ascending = !Ascending;
    }
    A.OnBeforeSortExchange = nullptr;
    State.counters["exchanges"] = double(Exchanges) / double(State.iterations());
}

void BM_UnSort(benchmark::State& State)
{
    TStringArray& A = *Shared().Array;
    for (auto _ : State) {
        State.PauseTiming();
        A.Sort(5, -1, true);
        State.ResumeTiming();
        A.UnSort();
    }
}

void BM_CommitSorting(benchmark::State& State)
{
    TStringArray& A = *Shared().Array;
    for (auto _ : State) {
        State.PauseTiming();
        A.Sort(6, -1, true);
        State.ResumeTiming();
        A.CommitSorting();
    }
}

} // namespace

BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortTextColumnWithSecondary)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortNumericColumn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortWithExchangeHook)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_UnSort)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CommitSorting)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
