// File browsing in the same run:
// - opening a folder of 10,000 subfolders (every tenth has one subfolder of
//   its own) in TFolderTree, next to QFileSystemModel loading the same
//   folder (until it reports the folder loaded) and to the raw listing: the
//   folder's names alone, and the names with each subfolder opened to see
//   whether it has subfolders (what an expand button needs);
// - a TThumbnails strip scrolled by a page, with 100 and 100,000 slides,
//   next to a QListView in icon mode over a model of as many pictures, the
//   same size and grid; "requests" counts the pictures asked for per page.
#include "qt_bench_main.h"

#include <vok/Vok_FolderTree.h>
#include <vok/Vok_strings.h>
#include <vok/Vok_Thumbnails.h>

#include <benchmark/benchmark.h>

#include <QAbstractListModel>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <dirent.h>

namespace {

using namespace vok;

constexpr int FolderCount = 10000;

// The folder of FolderCount subfolders, made once per run.
const QString& BigFolder()
{
    static QTemporaryDir Temp;
    static const QString Path = [] {
        const QString Big = Temp.path() + QStringLiteral("/big");
        QDir Dir;
        for (int I = 0; I < FolderCount; ++I) {
            const QString Sub = Big + QStringLiteral("/folder%1").arg(I, 5, 10, QLatin1Char('0'));
            Dir.mkpath(I % 10 == 0 ? Sub + QStringLiteral("/inner") : Sub);
        }
        return Big;
    }();
    return Path;
}

TTreeNode* NodeOfPath(TFolderTree& Tree, const QString& Path)
{
    for (int I = Tree.GetItems().GetCount() - 1; I >= 0; --I) {
        TTreeNode* Node = Tree.GetItems().GetItem(I);
        if (Tree.PathOfNode(Node) == EnsureTrailingSeparator(Path))
            return Node;
    }
    return nullptr;
}

void BM_FolderTreeExpand(benchmark::State& State)
{
    const QString Big = BigFolder();
    TFolderTree Tree;
    Tree.HandleNeeded();
    int Children = 0;
    for (auto _ : State) {
        State.PauseTiming();
        Tree.SelectPath(ParentDir(Big));
        TTreeNode* Node = NodeOfPath(Tree, Big);
        State.ResumeTiming();
        Node->SetExpanded(true);
        Children = Node->GetCount();
    }
    State.counters["folders"] = Children;
}

void BM_QFileSystemModelLoad(benchmark::State& State)
{
    const QString Big = BigFolder();
    int Rows = 0;
    for (auto _ : State) {
        QFileSystemModel Model;
        Model.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
        QEventLoop Loop;
        QObject::connect(&Model, &QFileSystemModel::directoryLoaded, &Loop, [&](const QString& Loaded) {
            if (QDir(Loaded) == QDir(Big))
                Loop.quit();
        });
        const QModelIndex Root = Model.setRootPath(Big);
        QTimer::singleShot(30000, &Loop, &QEventLoop::quit);
        Loop.exec();
        // The view's first look at the folder: its rows and whether each has children.
        Rows = Model.rowCount(Root);
        for (int R = 0; R < Rows; ++R)
            benchmark::DoNotOptimize(Model.hasChildren(Model.index(R, 0, Root)));
    }
    State.counters["folders"] = Rows;
}

// The folder's entries with their types, as the system hands them out.
void BM_RawListingNames(benchmark::State& State)
{
    const QByteArray Big = QFile::encodeName(BigFolder());
    int Folders = 0;
    for (auto _ : State) {
        Folders = 0;
        DIR* D = opendir(Big.constData());
        while (const dirent* E = readdir(D))
            Folders += E->d_type == DT_DIR && E->d_name[0] != '.';
        closedir(D);
    }
    State.counters["folders"] = Folders;
}

// The names, each subfolder opened to see whether it has subfolders.
void BM_RawListingWithSubfolderProbe(benchmark::State& State)
{
    const QString Big = BigFolder();
    int Folders = 0;
    for (auto _ : State) {
        QList<TSubFolder> List;
        ListSubFolders(Big, List, true);
        Folders = int(List.size());
    }
    State.counters["folders"] = Folders;
}

void BM_ThumbnailsScrollPage(benchmark::State& State)
{
    TThumbnails Strip;
    Strip.SetBounds(0, 0, 700, 600);
    Strip.SetMax(int(State.range(0)));
    QImage Picture(160, 120, QImage::Format_RGB32);
    Picture.fill(0x4080C0);
    long Requests = 0;
    Strip.OnImageRequest = [&](QObject*, int, TImageRequestProcessing& How, int&, TBitmap*& Buffer) {
        ++Requests;
        Buffer->SetImage(Picture);
        How = irpShowSlide;
    };
    Strip.Paint();
    const int Page = Strip.GetColumns() * (Strip.GetRows() - 1);
    double Position = 1;
    for (auto _ : State) {
        Position += Page;
        if (Position > Strip.GetMax() - Page)
            Position = 1;
        Strip.SetFirstThumbIx(Position);
    }
    State.counters["requests"] = benchmark::Counter(double(Requests), benchmark::Counter::kAvgIterations);
}

// N pictures, handed out (and counted) when the view asks for one.
class PictureModel : public QAbstractListModel
{
public:
    PictureModel(int Count, const QImage& Picture)
        : FCount(Count)
        , FPicture(Picture)
    {
    }
    int rowCount(const QModelIndex& Parent) const override { return Parent.isValid() ? 0 : FCount; }
    QVariant data(const QModelIndex& Index, int Role) const override
    {
        if (Role != Qt::DecorationRole || !Index.isValid())
            return {};
        ++Requests;
        return FPicture;
    }
    mutable long Requests = 0;

private:
    int FCount;
    QImage FPicture;
};

void BM_QListViewIconModeScrollPage(benchmark::State& State)
{
    QImage Picture(160, 120, QImage::Format_RGB32);
    Picture.fill(0x4080C0);
    PictureModel Model(int(State.range(0)), Picture);
    QListView View;
    View.setViewMode(QListView::IconMode);
    View.setUniformItemSizes(true);
    View.setIconSize(QSize(120, 120));
    View.setGridSize(QSize(136, 136));
    View.setModel(&Model);
    View.resize(700, 600);
    View.show();
    View.doItemsLayout();
    QImage Image(View.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    View.viewport()->render(&Image);
    QScrollBar* Bar = View.verticalScrollBar();
    Model.Requests = 0;
    for (auto _ : State) {
        const int Next = Bar->value() + Bar->pageStep();
        Bar->setValue(Next > Bar->maximum() ? 0 : Next);
        View.viewport()->render(&Image);
    }
    State.counters["requests"] = benchmark::Counter(double(Model.Requests), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(BM_FolderTreeExpand)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_QFileSystemModelLoad)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_RawListingNames)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RawListingWithSubfolderProbe)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ThumbnailsScrollPage)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK(BM_QListViewIconModeScrollPage)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

int main(int argc, char** argv) { return RunQtBenchmarks(argc, argv); }
