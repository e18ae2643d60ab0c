// The draw grid against Qt's QTableView: painting a full 800 x 600 view and
// scrolling it by a page, over 1,000 and over 1,000,000 rows of ten columns
// of text. Both render offscreen into an image of the same size; the table
// view sits on a minimal model.
// The components draw at the screen's device pixel ratio: run with
// QT_SCALE_FACTOR=2 for a screen scaled by two.
#include "qt_bench_main.h"

#include <vok/Vok_canvas.h>
#include <vok/Vok_grids.h>

#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTableView>

#include <memory>

namespace {

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;
constexpr int Columns = 10;
constexpr int RowHeight = 22;
constexpr int ColWidth = 78;

QString CellText(int Col, int Row)
{
    return QString::number(Row * Columns + Col);
}

// A grid that writes each cell's number, as a component does.
std::unique_ptr<vok::TDrawGrid> MakeGrid(int Rows)
{
    auto Grid = std::make_unique<vok::TDrawGrid>();
    Grid->SetColCount(Columns + 1);
    Grid->SetRowCount(Rows + 1);
    Grid->SetDefaultColWidth(ColWidth);
    Grid->SetDefaultRowHeight(RowHeight);
    Grid->SetBounds(0, 0, ViewWidth, ViewHeight);
    vok::TDrawGrid* G = Grid.get();
    Grid->OnDrawCell = [G](QObject*, int ACol, int ARow, vok::TRect R, vok::TGridDrawState) {
        G->GetCanvas()->TextRect(R, R.Left + 2, R.Top + 2, CellText(ACol, ARow));
    };
    Grid->HandleNeeded();
    return Grid;
}

class NumberModel : public QAbstractTableModel
{
public:
    explicit NumberModel(int Rows)
        : FRows(Rows)
    {
    }
    int rowCount(const QModelIndex& Parent = {}) const override { return Parent.isValid() ? 0 : FRows; }
    int columnCount(const QModelIndex& Parent = {}) const override { return Parent.isValid() ? 0 : Columns; }
    QVariant data(const QModelIndex& Index, int Role) const override
    {
        if (Role != Qt::DisplayRole)
            return {};
        return CellText(Index.column(), Index.row());
    }

private:
    int FRows;
};

struct TableView
{
    explicit TableView(int Rows)
        : Model(Rows)
    {
        View.setModel(&Model);
        View.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        View.verticalHeader()->setDefaultSectionSize(RowHeight);
        View.horizontalHeader()->setDefaultSectionSize(ColWidth);
        View.resize(ViewWidth, ViewHeight);
        View.ensurePolished();
    }
    void Render() { View.render(&Image); }

    NumberModel Model;
    QTableView View;
    QImage Image{ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied};
};

void GridPaint(benchmark::State& State)
{
    auto Grid = MakeGrid(int(State.range(0)));
    for (auto _ : State)
        Grid->Paint();
}
BENCHMARK(GridPaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void TableViewPaint(benchmark::State& State)
{
    TableView T(int(State.range(0)));
    for (auto _ : State)
        T.Render();
}
BENCHMARK(TableViewPaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void GridPageScroll(benchmark::State& State)
{
    auto Grid = MakeGrid(int(State.range(0)));
    const int Page = Grid->GetVisibleRowCount();
    for (auto _ : State) {
        int Top = Grid->GetTopRow() + Page;
        if (Top > Grid->GetLayout().MaxTopLeft().Y)
            Top = 1;
        Grid->SetTopRow(Top);
        Grid->Paint();
    }
}
BENCHMARK(GridPageScroll)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void TableViewPageScroll(benchmark::State& State)
{
    TableView T(int(State.range(0)));
    QScrollBar* Bar = T.View.verticalScrollBar();
    for (auto _ : State) {
        int Value = Bar->value() + Bar->pageStep();
        if (Value > Bar->maximum())
            Value = 0;
        Bar->setValue(Value);
        T.Render();
    }
}
BENCHMARK(TableViewPageScroll)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
