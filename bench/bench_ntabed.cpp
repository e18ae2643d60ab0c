// The table editor: painting one 800 x 600 page of a 1000 x 20 and of a
// 1000 x 1000 table against a QTableView over a QStandardItemModel and a
// QTableWidget showing the same numbers; on the 1000 x 1000 table Copy of
// everything to clipboard text, Extract of that text back and SortRows by
// a column.
#include "qt_bench_main.h"

#include <vok/Vok_ntabed.h>
#include <vok/Vok_sysservices.h>

#include <benchmark/benchmark.h>

#include <QImage>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>

#include <cmath>
#include <memory>

namespace {

using namespace vok;

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;
constexpr int Rows = 1000;

double Value(int Col, int Row)
{
    return std::sin(Col * 0.37 + Row * 0.011) * std::pow(10.0, (Col + Row) % 7 - 2);
}

std::unique_ptr<TNTabEd> MakeEditor(int Cols)
{
    auto Ed = std::make_unique<TNTabEd>();
    Ed->SetBounds(0, 0, ViewWidth, ViewHeight);
    Ed->SetSuppressPaint(true);
    Ed->Redimension(Cols, Rows);
    for (int C = 1; C <= Cols; ++C)
        for (int R = 1; R <= Rows; ++R)
            Ed->SetElem(C, R, Value(C, R));
    Ed->SetSuppressPaint(false);
    return Ed;
}

TNTabEd& SharedEditor(int Cols)
{
    static std::unique_ptr<TNTabEd> Narrow = MakeEditor(20);
    static std::unique_ptr<TNTabEd> Wide;
    if (Cols == 20)
        return *Narrow;
    if (!Wide)
        Wide = MakeEditor(Cols);
    return *Wide;
}

// The same numbers, as the editor formats them, in Qt's item views.
template <class TView>
struct TQtTable
{
    explicit TQtTable(int Cols)
    {
        Model.setColumnCount(Cols);
        Model.setRowCount(Rows);
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                Model.setItem(R, C, new QStandardItem(QString::number(Value(C + 1, R + 1), 'f', 3)));
        View.setModel(&Model);
        View.resize(ViewWidth, ViewHeight);
        View.ensurePolished();
    }
    void Render() { View.render(&Image); }

    QStandardItemModel Model;
    TView View;
    QImage Image{ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied};
};

struct TQtWidgetTable
{
    explicit TQtWidgetTable(int Cols)
        : Table(Rows, Cols)
    {
        for (int R = 0; R < Rows; ++R)
            for (int C = 0; C < Cols; ++C)
                Table.setItem(R, C, new QTableWidgetItem(QString::number(Value(C + 1, R + 1), 'f', 3)));
        Table.resize(ViewWidth, ViewHeight);
        Table.ensurePolished();
    }
    void Render() { Table.render(&Image); }

    QTableWidget Table;
    QImage Image{ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied};
};

void VokPaintPage(benchmark::State& State)
{
    TNTabEd& Ed = SharedEditor(int(State.range(0)));
    for (auto _ : State)
        Ed.Repaint();
}
BENCHMARK(VokPaintPage)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);

void QtTableViewPaintPage(benchmark::State& State)
{
    static TQtTable<QTableView> Qt(20);
    for (auto _ : State)
        Qt.Render();
}
BENCHMARK(QtTableViewPaintPage)->Unit(benchmark::kMicrosecond);

void QtTableWidgetPaintPage(benchmark::State& State)
{
    static TQtWidgetTable Qt(1000);
    for (auto _ : State)
        Qt.Render();
}
BENCHMARK(QtTableWidgetPaintPage)->Unit(benchmark::kMicrosecond);

// Arg: ClipboardUseFullPrec (22 characters a number) or the column's precision.
void VokCopyAll(benchmark::State& State)
{
    TNTabEd& Ed = SharedEditor(1000);
    Ed.SetClipboardUseFullPrec(State.range(0) != 0);
    Ed.SetDataSelection({1, 1, 1000, Rows});
    for (auto _ : State)
        Ed.PopupMenuClickCopy(nullptr);
    State.counters["MB"] = double(Clipboard().GetAsText().size()) / 1e6;
}
BENCHMARK(VokCopyAll)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

void VokExtractAll(benchmark::State& State)
{
    TNTabEd& Ed = SharedEditor(1000);
    Ed.SetClipboardUseFullPrec(State.range(0) != 0);
    Ed.SetDataSelection({1, 1, 1000, Rows});
    Ed.PopupMenuClickCopy(nullptr);
    for (auto _ : State) {
        Ed.SetDataSelection({1, 1, 1, 1});
        Ed.PopupMenuClickExtClip(nullptr);
    }
}
BENCHMARK(VokExtractAll)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

void VokSortRows(benchmark::State& State)
{
    TNTabEd& Ed = SharedEditor(1000);
    bool Ascending = true;
    for (auto _ : State) {
        Ed.SortRows(7, Ascending, 1, 1, 1000, Rows, true);
        Ascending = !Ascending;
    }
}
BENCHMARK(VokSortRows)->Iterations(4)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
