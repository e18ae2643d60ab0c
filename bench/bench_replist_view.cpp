// The report list view against Qt's stack for the same job, a QTableView
// over a QStandardItemModel behind a QSortFilterProxyModel, on the same
// generated texts (made before any timed region): filling, resident memory,
// a header-click sort on a text and on a numeric column, a filter in each
// mode, painting one 800 x 600 page (banded rows, a check column and a
// shortened column) and scrolling by a page. Rows: 1,000,000 x 8 columns by
// default; --rows=N on the command line changes that.
#include "qt_bench_main.h"

#include <vok/Vok_replist.h>

#include <benchmark/benchmark.h>

#include <QHeaderView>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <malloc.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <memory>
#include <vector>

namespace {

using namespace vok;

constexpr int Columns = 8;
constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;
constexpr int TextColumn = 3;    // operator names
constexpr int NumberColumn = 5;  // readings
constexpr int CheckColumn = 7;
constexpr int LongColumn = 8;    // remarks, wider than their column
int Rows = 1000000;

// Pools of texts per column; a cell takes one by a hash of its row, so
// every run and both sides see the same texts.
constexpr int PoolSize = 1 << 16;
std::array<std::vector<QString>, Columns + 1> Pools;

void MakePools()
{
    static const char* const Names[] = {"Ada Lovelace", "Grace Hopper", "Marie Curie", "Niels Bohr",
                                        "Lise Meitner", "Alan Turing",  "Emmy Noether", "Carl Gauss"};
    static const char* const Words[] = {"sample", "repeat", "pending", "calibrated", "outlier", "drift",
                                        "filter", "checked", "cloudy", "clear"};
    for (int I = 0; I < PoolSize; ++I) {
        const unsigned H = unsigned(I) * 2654435761u;
        Pools[1].push_back(QStringLiteral("2024-%1-%2 %3:%4")
                               .arg(1 + H % 12, 2, 10, QLatin1Char('0'))
                               .arg(1 + (H >> 4) % 28, 2, 10, QLatin1Char('0'))
                               .arg((H >> 9) % 24, 2, 10, QLatin1Char('0'))
                               .arg((H >> 14) % 60, 2, 10, QLatin1Char('0')));
        Pools[2].push_back(QStringLiteral("S-%1").arg(I, 6, 10, QLatin1Char('0')));
        Pools[3].push_back(QString::fromLatin1(Names[H % 8]));
        Pools[4].push_back(QString::number(18.0 + (H % 800) / 100.0, 'f', 2));
        Pools[5].push_back(QString::number(int(H % 100000)));
        Pools[6].push_back(QString::number(6.0 + (H % 300) / 100.0, 'f', 2));
        Pools[7].push_back(H % 5 ? QStringLiteral("X") : QStringLiteral(" "));
        Pools[8].push_back(QStringLiteral("%1 %2 %3 %4")
                               .arg(QString::fromLatin1(Words[H % 10]), QString::fromLatin1(Words[(H >> 5) % 10]),
                                    QString::fromLatin1(Words[(H >> 10) % 10]),
                                    QString::fromLatin1(Words[(H >> 15) % 10])));
    }
}

const QString& CellText(int Col, int Row)
{
    return Pools[std::size_t(Col)][std::size_t((unsigned(Row) * 40503u + unsigned(Col) * 977u) % PoolSize)];
}

qint64 ResidentBytes()
{
    std::ifstream Statm("/proc/self/statm");
    long long Pages = 0, Resident = 0;
    Statm >> Pages >> Resident;
    return Resident * sysconf(_SC_PAGESIZE);
}

// ---- our side

std::unique_ptr<TReportListView> MakeView()
{
    auto View = std::make_unique<TReportListView>();
    View->SetSuppressPaint(true);
    View->SetBounds(0, 0, ViewWidth, ViewHeight);
    View->SetNrOfColumns(Columns);
    View->SetNrOfRows(Rows);
    View->SetColCheckMode(CheckColumn, cmBox);
    View->SetRowColPattern(2);
    View->SetColWidths(LongColumn, 90);
    TStringArray& Store = View->Data()->Store();
    for (int Row = 1; Row <= Rows; ++Row)
        for (int Col = 1; Col <= Columns; ++Col)
            Store.SetString(Col, Row, CellText(Col, Row));
    View->HandleNeeded();
    View->SetSuppressPaint(false);
    return View;
}

TReportListView& SharedView()
{
    static std::unique_ptr<TReportListView> View = MakeView();
    return *View;
}

// ---- Qt's side

struct QtStack
{
    QtStack()
    {
        Model.setColumnCount(Columns);
        Model.setRowCount(Rows);
        for (int Row = 0; Row < Rows; ++Row)
            for (int Col = 1; Col <= Columns; ++Col) {
                auto* Item = new QStandardItem;
                if (Col == NumberColumn)
                    Item->setData(CellText(Col, Row + 1).toInt(), Qt::DisplayRole);
                else if (Col == CheckColumn) {
                    Item->setCheckable(true);
                    Item->setCheckState(CellText(Col, Row + 1) == u"X" ? Qt::Checked : Qt::Unchecked);
                } else
                    Item->setText(CellText(Col, Row + 1));
                Model.setItem(Row, Col - 1, Item);
            }
        Proxy.setSourceModel(&Model);
        Proxy.setFilterKeyColumn(-1);
        View.setModel(&Proxy);
        View.setAlternatingRowColors(true);
        View.setSortingEnabled(true);
        View.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        View.verticalHeader()->setDefaultSectionSize(24);
        View.horizontalHeader()->resizeSection(LongColumn - 1, 90);
        View.setTextElideMode(Qt::ElideRight);
        View.resize(ViewWidth, ViewHeight);
        View.ensurePolished();
    }
    void Render() { View.render(&Image); }

    QStandardItemModel Model;
    QSortFilterProxyModel Proxy;
    QTableView View;
    QImage Image{ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied};
};

QtStack& SharedQt()
{
    static std::unique_ptr<QtStack> Stack = std::make_unique<QtStack>();
    return *Stack;
}

// ---- fill and memory (one run each; the memory is what the filled list adds)

void VokFill(benchmark::State& State)
{
    for (auto _ : State) {
        malloc_trim(0);
        const qint64 Before = ResidentBytes();
        auto View = MakeView();
        State.counters["resident MB"] = double(ResidentBytes() - Before) / 1e6;
        State.PauseTiming();
        View.reset();
        malloc_trim(0);
        State.ResumeTiming();
    }
}
BENCHMARK(VokFill)->Iterations(1)->Unit(benchmark::kMillisecond);

void QtFill(benchmark::State& State)
{
    for (auto _ : State) {
        malloc_trim(0);
        const qint64 Before = ResidentBytes();
        auto Stack = std::make_unique<QtStack>();
        State.counters["resident MB"] = double(ResidentBytes() - Before) / 1e6;
        State.PauseTiming();
        Stack.reset();
        malloc_trim(0);
        State.ResumeTiming();
    }
}
BENCHMARK(QtFill)->Iterations(1)->Unit(benchmark::kMillisecond);

// ---- header-click sorts, alternating direction as the header does

void VokHeaderSort(benchmark::State& State)
{
    TReportListView& View = SharedView();
    const int Col = int(State.range(0));
    const TRect Header = View.CellRect(Col - 1, 0);
    for (auto _ : State) {
        View.MouseDown(mbLeft, ssLeft, (Header.Left + Header.Right) / 2, (Header.Top + Header.Bottom) / 2);
        View.MouseUp(mbLeft, {}, (Header.Left + Header.Right) / 2, (Header.Top + Header.Bottom) / 2);
    }
    View.UnSort();
}
BENCHMARK(VokHeaderSort)->Arg(TextColumn)->Arg(NumberColumn)->Iterations(2)->Unit(benchmark::kMillisecond);

void QtHeaderSort(benchmark::State& State)
{
    QtStack& Qt = SharedQt();
    const int Col = int(State.range(0)) - 1;
    bool Ascending = false;
    for (auto _ : State) {
        Qt.View.sortByColumn(Col, Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        Ascending = !Ascending;
    }
    Qt.Proxy.sort(-1);
}
BENCHMARK(QtHeaderSort)->Arg(TextColumn)->Arg(NumberColumn)->Iterations(2)->Unit(benchmark::kMillisecond);

// ---- filters: a substring, words, a regular expression

struct FilterCase
{
    TFilterMode Mode;
    const char* Ours;
    const char* Qt; // the same selection as a regular expression
};
const FilterCase Filters[] = {
    {fmSimple, "calibrated drift", "calibrated drift"},
    {fmBoolean, "(Hopper or Curie) and not pending", "^(?!.*pending).*(Hopper|Curie)"},
    {fmGrep, "^S-00\\d3", "^S-00\\d3"},
};

void VokFilter(benchmark::State& State)
{
    TReportListView& View = SharedView();
    const FilterCase& F = Filters[State.range(0)];
    for (auto _ : State)
        View.FilterAndSort(QString::fromLatin1(F.Ours), {}, true, F.Mode, 0, true);
    State.counters["found"] = View.NumEnabledRows();
    View.EnableAllRows();
}
BENCHMARK(VokFilter)->DenseRange(0, 2)->Iterations(2)->Unit(benchmark::kMillisecond);

void QtFilter(benchmark::State& State)
{
    QtStack& Qt = SharedQt();
    const FilterCase& F = Filters[State.range(0)];
    for (auto _ : State) {
        if (F.Mode == fmSimple)
            Qt.Proxy.setFilterFixedString(QString::fromLatin1(F.Qt));
        else
            Qt.Proxy.setFilterRegularExpression(
                QRegularExpression(QString::fromLatin1(F.Qt), QRegularExpression::CaseInsensitiveOption));
        State.PauseTiming();
        Qt.Proxy.setFilterFixedString(QString());
        State.ResumeTiming();
    }
}
BENCHMARK(QtFilter)->DenseRange(0, 2)->Iterations(2)->Unit(benchmark::kMillisecond);

// ---- painting a page and scrolling by one

void VokPaintPage(benchmark::State& State)
{
    TReportListView& View = SharedView();
    View.SetTopRow(int(State.range(0)));
    for (auto _ : State)
        View.Repaint();
}
BENCHMARK(VokPaintPage)->Arg(1)->Arg(900000)->Unit(benchmark::kMicrosecond);

void QtPaintPage(benchmark::State& State)
{
    QtStack& Qt = SharedQt();
    Qt.View.verticalScrollBar()->setValue(int(State.range(0)) - 1);
    for (auto _ : State)
        Qt.Render();
}
BENCHMARK(QtPaintPage)->Arg(1)->Arg(900000)->Unit(benchmark::kMicrosecond);

void VokPageScroll(benchmark::State& State)
{
    TReportListView& View = SharedView();
    View.SetTopRow(1);
    const int Page = View.GetVisibleRowCount();
    for (auto _ : State) {
        int Top = View.GetTopRow() + Page;
        if (Top > Rows - Page)
            Top = 1;
        View.SetTopRow(Top);
        View.Repaint();
    }
}
BENCHMARK(VokPageScroll)->Unit(benchmark::kMicrosecond);

void QtPageScroll(benchmark::State& State)
{
    QtStack& Qt = SharedQt();
    QScrollBar* Bar = Qt.View.verticalScrollBar();
    Bar->setValue(0);
    for (auto _ : State) {
        int Value = Bar->value() + Bar->pageStep();
        if (Value > Bar->maximum())
            Value = 0;
        Bar->setValue(Value);
        Qt.Render();
    }
}
BENCHMARK(QtPageScroll)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    for (int I = 1; I < argc; ++I)
        if (QByteArray(argv[I]).startsWith("--rows="))
            Rows = std::max(1000, QByteArray(argv[I]).mid(7).toInt());
    MakePools();
    return RunQtBenchmarks(argc, argv);
}
