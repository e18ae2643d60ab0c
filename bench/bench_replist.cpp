// The report data container with 1,000,000 rows x 8 columns (about 80 MB of
// CSV): CSV import and export, the report-list markup, sorting, and a plain
// Qt baseline (QTextStream::readLine + split) for the CSV import. Then row
// removal (RemoveEmptyRows on 100,000 rows, 2,000 RemoveRow calls on
// 300,000 x 4) against rows held as a QList of QStringList, and the peak
// memory of two small files that describe 16,384 x 16,382 empty cells.
#include <vok/Vok_replist.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
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

// The most resident memory the process gains while Action runs, in bytes
// (the kernel's peak mark is reset first).
template <typename F>
double PeakGrowth(F&& Action)
{
    const auto StatusBytes = [](const char* Field) {
        std::ifstream Status("/proc/self/status");
        std::string Name;
        long long KiB = 0;
        while (Status >> Name)
            if (Name == Field && Status >> KiB)
                return double(KiB) * 1024;
        return 0.0;
    };
    const double Before = StatusBytes("VmRSS:");
    std::ofstream("/proc/self/clear_refs") << "5";
    Action();
    return StatusBytes("VmHWM:") - Before;
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

constexpr int RemovalRows = 100000;
constexpr int RemovalCols = 4;

// Every second row empty; the others hold short texts.
QString RemovalCell(int Col, int Row)
{
    return Row % 2 ? QStringLiteral("r%1c%2").arg(Row).arg(Col) : QString();
}

template <typename F>
void FillList(TRLData& D, int Rows, F&& Cell)
{
    D.SetNrOfColumns(RemovalCols);
    D.SetNrOfRows(Rows);
    for (int Row = 1; Row <= Rows; ++Row)
        for (int Col = 1; Col <= RemovalCols; ++Col)
            D.SetElem(Col, Row, Cell(Col, Row));
}

void BM_RemoveEmptyRows(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        TRLData D;
        FillList(D, RemovalRows, RemovalCell);
        State.ResumeTiming();
        D.RemoveEmptyRows();
        State.counters["rows left"] = D.GetNrOfRows();
    }
}

void BM_Baseline_RemoveEmptyRows(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        QList<QStringList> Table;
        Table.reserve(RemovalRows);
        for (int Row = 1; Row <= RemovalRows; ++Row) {
            QStringList Cells;
            for (int Col = 1; Col <= RemovalCols; ++Col)
                Cells.append(RemovalCell(Col, Row));
            Table.append(Cells);
        }
        State.ResumeTiming();
        Table.removeIf([](const QStringList& Cells) {
            return std::all_of(Cells.cbegin(), Cells.cend(), [](const QString& Cell) { return Cell.isEmpty(); });
        });
        State.counters["rows left"] = double(Table.size());
    }
}

constexpr int RemoveRowRows = 300000;
constexpr int RemoveRowCount = 2000;

// The row removed each time: spread over the list, from its middle on.
int RowToRemove(int I, int Rows)
{
    return 1 + (Rows / 2 + I * 7919) % Rows;
}

void BM_RemoveRow(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        TRLData D;
        FillList(D, RemoveRowRows, [](int, int Row) { return QStringLiteral("r%1").arg(Row); });
        State.ResumeTiming();
        for (int I = 0; I < RemoveRowCount; ++I)
            D.RemoveRow(RowToRemove(I, D.GetNrOfRows()));
    }
}

void BM_Baseline_RemoveRow(benchmark::State& State)
{
    for (auto _ : State) {
        State.PauseTiming();
        QList<QStringList> Table;
        Table.reserve(RemoveRowRows);
        for (int Row = 1; Row <= RemoveRowRows; ++Row)
            Table.append(QStringList(RemovalCols, QStringLiteral("r%1").arg(Row)));
        State.ResumeTiming();
        for (int I = 0; I < RemoveRowCount; ++I)
            Table.removeAt(RowToRemove(I, int(Table.size())) - 1);
    }
}

// 84 bytes of markup declaring 16,384 columns x 16,382 rows and no cell.
void BM_PeakMemory_WideMarkup(benchmark::State& State)
{
    const QString Path = Dir().filePath(QStringLiteral("wide.xml"));
    QFile File(Path);
    File.open(QIODevice::WriteOnly);
    File.write("<replist vokterra=\"1\">\n<numcols>16384</numcols>\n<numrows>16382</numrows>\n</replist>\n");
    File.close();
    for (auto _ : State) {
        TRLData D;
        State.counters["peak MB"] = PeakGrowth([&] { benchmark::DoNotOptimize(D.LoadFromXMLFile(Path, QString())); }) / 1e6;
        State.counters["cells"] = double(D.GetNrOfColumns()) * D.GetNrOfRows();
    }
}

// 32 KB of CSV: 16,383 commas, then 16,380 empty lines.
QString WideCsv()
{
    const QString Path = Dir().filePath(QStringLiteral("wide.csv"));
    QFile File(Path);
    File.open(QIODevice::WriteOnly);
    File.write(QByteArray(16383, ',') + QByteArray(16381, '\n'));
    return Path;
}

void BM_PeakMemory_WideCsv(benchmark::State& State)
{
    const QString Path = WideCsv();
    for (auto _ : State) {
        TRLData D;
        State.counters["peak MB"] = PeakGrowth([&] { benchmark::DoNotOptimize(D.ImportCSV(Path, csvComma, false)); }) / 1e6;
        State.counters["cells"] = double(D.GetNrOfColumns()) * D.GetNrOfRows();
    }
}

void BM_Baseline_PeakMemory_WideCsv(benchmark::State& State)
{
    const QString Path = WideCsv();
    for (auto _ : State) {
        std::vector<QStringList> Table;
        State.counters["peak MB"] = PeakGrowth([&] {
            QFile File(Path);
            File.open(QIODevice::ReadOnly);
            QTextStream In(&File);
            QString Line;
            while (In.readLineInto(&Line))
                Table.push_back(Line.split(QLatin1Char(',')));
        }) / 1e6;
        State.counters["rows"] = double(Table.size());
    }
}

} // namespace

BENCHMARK(BM_Baseline_ReadLineSplit)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ImportCSV)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ExportCSV)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SaveAsXMLFile)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_LoadFromXMLFile)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SortTextColumn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortNumericColumn)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Baseline_RemoveEmptyRows)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RemoveEmptyRows)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Baseline_RemoveRow)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RemoveRow)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PeakMemory_WideMarkup)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Baseline_PeakMemory_WideCsv)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PeakMemory_WideCsv)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
