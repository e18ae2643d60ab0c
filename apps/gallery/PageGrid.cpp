// The "Grid" page: a draw grid over a thousand rows of sensor readings with
// two fixed header rows and a fixed column of sample numbers. It logs the
// cell under the mouse, the selection and every edit.
#include "GalleryPages.h"

#include <vok/Vok_canvas.h>
#include <vok/Vok_gridedit.h>
#include <vok/Vok_grids.h>

#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <cmath>

using namespace vok;

namespace {

constexpr int SampleCount = 1000;
const QStringList StatusValues = {QStringLiteral("OK"), QStringLiteral("Check"), QStringLiteral("Drift"),
                                  QStringLiteral("Fail")};

// The readings: generated once from smooth curves, edited cells kept aside.
class SensorLog
{
public:
    static constexpr int Columns = 6; // sample, time, temperature, pressure, flow, status

    QString Heading(int Col) const
    {
        static const char* Names[Columns] = {"Sample", "Time", "Temperature", "Pressure", "Flow", "Status"};
        return QString::fromLatin1(Names[Col]);
    }
    QString Unit(int Col) const
    {
        static const char* Units[Columns] = {"#", "s", "\u00B0C", "kPa", "l/min", ""};
        return QString::fromUtf8(Units[Col]);
    }
    QString Text(int Col, int Sample) const
    {
        const auto Edited = FEdits.constFind(Key(Col, Sample));
        if (Edited != FEdits.constEnd())
            return *Edited;
        const double T = Sample * 0.5;
        switch (Col) {
        case 0: return QString::number(Sample);
        case 1: return QString::number(T, 'f', 1);
        case 2: return QString::number(21.5 + 3.2 * std::sin(T / 40.0) + 0.3 * std::sin(T * 1.7), 'f', 2);
        case 3: return QString::number(101.3 + 1.8 * std::cos(T / 55.0), 'f', 2);
        case 4: return QString::number(12.0 + 4.0 * std::sin(T / 23.0) * std::sin(T / 7.0), 'f', 3);
        default: return StatusValues[(Sample % 97 == 0) ? 3 : (Sample % 13 == 0) ? 1 : 0];
        }
    }
    void SetText(int Col, int Sample, const QString& Value) { FEdits.insert(Key(Col, Sample), Value); }

private:
    static qint64 Key(int Col, int Sample) { return qint64(Sample) * Columns + Col; }
    QHash<qint64, QString> FEdits;
};

// The grid: column 5 edits with a pick list of the status values.
class SensorGrid : public TCustomDrawGrid
{
public:
    explicit SensorGrid(SensorLog& Log)
        : FLog(Log)
    {
        SetColCount(SensorLog::Columns);
        SetRowCount(SampleCount + 2);
        SetFixedRows(2);
        SetFixedCols(1);
        SetDefaultRowHeight(18);
        const int Widths[SensorLog::Columns] = {60, 72, 100, 90, 90, 110};
        for (int Col = 0; Col < SensorLog::Columns; ++Col)
            SetColWidths(Col, Widths[Col]);
        SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect | goColSizing |
                   goEditing | goTabs | goThumbTracking);
    }

    TEditStyle GetEditStyle(int ACol, int) override { return ACol == 5 ? esPickList : esSimple; }
    TInplaceEdit* CreateEditor() override
    {
        auto* Editor = new TInplaceEditList(this);
        Editor->SetDropDownRows(4);
        Editor->OnGetPickListItems = [](int, int, QStringList& Items) { Items = StatusValues; };
        return Editor;
    }
    QString GetEditText(int ACol, int ARow) override { return FLog.Text(ACol, ARow - 1); }

    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override
    {
        TCanvas* C = GetCanvas();
        QString Text;
        if (ARow == 0)
            Text = FLog.Heading(ACol);
        else if (ARow == 1)
            Text = FLog.Unit(ACol);
        else
            Text = FLog.Text(ACol, ARow - 1);
        if (ACol == 5 && ARow > 1 && !(AState & gdSelected)) {
            const TColor Shade[] = {0xE8F5E8, 0xD8F0FF, 0xC8E8FF, 0xD0D0FF};
            C->GetBrush()->SetColor(Shade[StatusValues.indexOf(Text) < 0 ? 0 : StatusValues.indexOf(Text)]);
            C->GetFont()->SetColor(clBlack); // fixed light shades: dark text in any palette
        }
        const bool Numeric = ACol >= 1 && ACol <= 4 && ARow > 1;
        const int X = Numeric ? ARect.Right - 4 - C->TextWidth(Text) : ARect.Left + 4;
        C->TextRect(ARect, X, ARect.Top + 2, Text);
        TCustomDrawGrid::DrawCell(ACol, ARow, ARect, AState);
    }

private:
    SensorLog& FLog;
};

class GridPage : public QWidget
{
public:
    GridPage()
    {
        auto* Layout = new QHBoxLayout(this);
        auto* Left = new QVBoxLayout;
        auto* Title = new QLabel(QStringLiteral(
            "<b>TDrawGrid</b>: two fixed rows, one fixed column, 1000 samples. Drag to select a range, "
            "drag a header border to size a column, type or press Enter to edit, F4 opens the status list."));
        Title->setWordWrap(true);
        FGrid = new SensorGrid(FLog);
        FGrid->SetBounds(0, 0, 520, 420);
        Left->addWidget(Title);
        Left->addWidget(FGrid, 1);
        FEvents = new QPlainTextEdit;
        FEvents->setReadOnly(true);
        FEvents->setFixedWidth(300);
        FEvents->setMaximumBlockCount(400);
        Layout->addLayout(Left, 1);
        Layout->addWidget(FEvents);

        FGrid->OnMouseMove = [this](QObject*, TShiftState, int X, int Y) {
            const TGridCoord Cell = FGrid->MouseCoord(X, Y);
            if (Cell == FLastHover)
                return;
            FLastHover = Cell;
            if (Cell.X >= 0)
                Log(QStringLiteral("mouse over cell %1, %2").arg(Cell.X).arg(Cell.Y));
        };
        FGrid->OnSelectCell = [this](QObject*, int ACol, int ARow, bool&) {
            Log(QStringLiteral("select cell %1, %2").arg(ACol).arg(ARow));
        };
        FGrid->OnMouseUp = [this](QObject*, TMouseButton, TShiftState, int, int) { LogSelection(); };
        FGrid->OnKeyUp = [this](QObject*, quint16&, TShiftState) { LogSelection(); };
        FGrid->OnSetEditText = [this](QObject*, int ACol, int ARow, const QString& Value) {
            Log(QStringLiteral("edit %1, %2: \"%3\" -> \"%4\"")
                    .arg(ACol)
                    .arg(ARow)
                    .arg(FLog.Text(ACol, ARow - 1), Value));
            FLog.SetText(ACol, ARow - 1, Value);
        };
        FGrid->OnTopLeftChanged = [this](QObject*) {
            Log(QStringLiteral("scrolled: top row %1, left column %2").arg(FGrid->GetTopRow()).arg(FGrid->GetLeftCol()));
        };

        // A selection and an edit, so the picture shows both.
        FGrid->SetSelection(GridRect(2, 4, 3, 7));
        FGrid->OnSetEditText(FGrid, 4, 3, QStringLiteral("12.750"));
        LogSelection();
    }

private:
    void Log(const QString& Line) { FEvents->appendPlainText(Line); }
    void LogSelection()
    {
        const TGridRect S = FGrid->GetSelection();
        const QString Now = QStringLiteral("selection %1, %2 .. %3, %4").arg(S.Left).arg(S.Top).arg(S.Right).arg(S.Bottom);
        if (Now != FLastSelection)
            Log(Now);
        FLastSelection = Now;
    }

    SensorLog FLog;
    SensorGrid* FGrid;
    QPlainTextEdit* FEvents;
    TGridCoord FLastHover{-1, -1};
    QString FLastSelection;
};

const vok::gallery::PageRegistration Reg(25, QStringLiteral("Grid"), [] { return new GridPage; });

} // namespace
