// The report data container with 1,000,000 rows x 8 columns (about 80 MB of
// CSV): CSV import and export, the report-list markup, sorting, and a plain
// Qt baseline (QTextStream::readLine + split) for the CSV import.
#include <vok/Vok_replist.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <fstream>
#include <memory>
#include <unistd.h>

using namespace vok;

namespace {

constexpr int Rows = 1000000;
constexpr int Cols = 8;

QTemporaryDir& Dir()
{
    static QTemporaryDir D;
    return D;
}

QString CsvPath()
{
    return Dir().filePath(QStringLiteral("data.csv"));
}

// Measurement-style records: an id, a name, a unit, numbers and a status.
const QString& CsvFile()
{
    static const QString Path = [] {
        static const char* const Names[] = {"pressure", "Temperature", "flow rate", "level", "Voltage", "current",
                                            "speed", "torque"};
        static const char* const Units[] = {"bar", "degC", "l/min", "m", "V", "A", "rpm", "Nm"};
        QRandomGenerator Rng(42);
        QByteArray Data;
        Data.reserve(90 << 20);
        for (int Row = 1; Row <= Rows; ++Row) {
            const int K = int(Rng.bounded(8));
            Data += "S" + QByteArray::number(Row) + ',' + Names[K] + ',' + Units[K] + ','
                + QByteArray::number(Rng.bounded(100000) / 100.0, 'f', 2) + ','
                + QByteArray::number(int(Rng.bounded(2000000)) - 1000000) + ','
                + QByteArray::number(Rng.generateDouble() * 1e6, 'g', 6) + ",2024-0" + QByteArray::number(1 + K)
                + "-1" + QByteArray::number(K) + ',' + (K % 3 ? "ok" : "check") + "\r\n";
        }
        QFile File(CsvPath());
        File.open(QIODevice::WriteOnly);
        File.write(Data);
        return CsvPath();
    }();
    return Path;
}

qint64 FileSize(const QString& Path)
{
    return QFile(Path).size();
}

// Resident memory of the process in bytes.
qint64 ResidentBytes()
{
    std::ifstream Statm("/proc/self/statm");
    long long Pages = 0, Resident = 0;
    Statm >> Pages >> Resident;
    return Resident * sysconf(_SC_PAGESIZE);
}

TRLData& Loaded()
{
    static TRLData* Data = [] {
        auto* D = new TRLData;
        D->ImportCSV(CsvFile(), csvComma, false);
        return D;
    }();
    return *Data;
}

void BM_Baseline_ReadLineSplit(benchmark::State& State)
{
    const QString Path = CsvFile();
    for (auto _ : State) {
        QFile File(Path);
        File.open(QIODevice::ReadOnly);
        QTextStream In(&File);
        std::vector<QStringList> Table;
        QString Line;
        while (In.readLineInto(&Line))
            Table.push_back(Line.split(QLatin1Char(',')));
        benchmark::DoNotOptimize(Table.data());
        State.counters["rows"] = double(Table.size());
    }
}

void BM_ImportCSV(benchmark::State& State)
{
    const QString Path = CsvFile();
    for (auto _ : State) {
        const qint64 Before = ResidentBytes();
        auto D = std::make_unique<TRLData>();
        const int Read = D->ImportCSV(Path, csvComma, false);
        State.counters["rows"] = Read;
        State.counters["memory/raw text"] = double(ResidentBytes() - Before) / double(FileSize(Path));
    }
}

void BM_ExportCSV(benchmark::State& State)
{
    TRLData& D = Loaded();
    const QString Path = Dir().filePath(QStringLiteral("out.csv"));
    for (auto _ : State)
        benchmark::DoNotOptimize(D.ExportCSV(Path, csvComma, true, false, 1, 1, Cols, Rows));
}

void BM_SaveAsXMLFile(benchmark::State& State)
{
    TRLData& D = Loaded();
    const QString Path = Dir().filePath(QStringLiteral("list.xml"));
    for (auto _ : State)
        D.SaveAsXMLFile(Path, QStringLiteral("bench"));
    State.counters["MB"] = double(FileSize(Path)) / 1e6;
}

void BM_LoadFromXMLFile(benchmark::State& State)
{
    const QString Path = Dir().filePath(QStringLiteral("list.xml"));
    if (!QFile::exists(Path))
        Loaded().SaveAsXMLFile(Path, QStringLiteral("bench"));
    for (auto _ : State) {
        TRLData D;
        benchmark::DoNotOptimize(D.LoadFromXMLFile(Path, QStringLiteral("bench")));
        State.counters["rows"] = D.GetNrOfRows();
    }
}

void SortBy(benchmark::State& State, int Col)
{
    TRLData& D = Loaded();
    for (auto _ : State) {
        D.Sort(Col, -1, true);
        State.PauseTiming();
        D.UnSort();
        State.ResumeTiming();
    }
}

void BM_SortTextColumn(benchmark::State& State)
{
    SortBy(State, 2);
}

void BM_SortNumericColumn(benchmark::State& State)
{
    SortBy(State, 5);
}

} // namespace

BENCHMARK(BM_Baseline_ReadLineSplit)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ImportCSV)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ExportCSV)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SaveAsXMLFile)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_LoadFromXMLFile)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortNumericColumn)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
