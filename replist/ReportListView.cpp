// TReportListView: construction, notifications, properties, headers,
// scrolling, size, per-column settings and cells.
#include "ReportListSupport.h"

#include <vok/Vok_replist.h>

#include <QFontMetrics>

#include <algorithm>
#include <memory>
#include <new>
#include <numeric>
#include <utility>

namespace vok {

namespace {
constexpr int InitialColumns = 5;
constexpr int InitialRows = 4;
constexpr int MinHeaderHeight = 8;
constexpr int MaxHeaderHeight = 127;
} // namespace

TReportListView::TReportListView(QWidget* AOwner)
    : TCustomDrawGrid(AOwner)
    , FColorCommonHd(clBtnFace)
    , FColorColumnHd(clBtnFace)
{
    try {
        FData = std::make_unique<TRLData>();
        FData->SetNrOfColumns(InitialColumns);
        FData->SetNrOfRows(InitialRows);
        ResizeColumnTables(InitialColumns);
    } catch (const std::bad_alloc&) {
        throw EVOKRepListError(
            ComponentMessage(GetName(), QStringLiteral("failed to initialize table editor (out of memory)")));
    }
    SetColCount(InitialColumns);
    SetFixedCols(0);
    WireData();
    SetFixedColor(FColorColumnHd);
    SetDefaultDrawing(false);
    SetOptions(goFixedVertLine | goFixedHorzLine | goColSizing | goRowSelect | goThumbTracking);
    UpdateGridRows();
    SetTopRow(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    FSuppressPaint = false;
}

TReportListView::~TReportListView() = default;

void TReportListView::WireData()
{
    FData->Store().OnChange = [this](QObject*) {
        if (FMuteStoreChange)
            return;
        Changed();
        if (!FSuppressPaint)
            Invalidate();
    };
    FData->OnPercentDone = [this](QObject*, int Percent) {
        if (OnPercentDone)
            OnPercentDone(this, Percent);
        emit percentDone(Percent);
    };
    FData->OnBeforeSortExchange = [this](QObject*, int Index1, int Index2) {
        if (OnBeforeSortExchange)
            OnBeforeSortExchange(this, Index1, Index2);
    };
    FData->OnBeforeHTMLExport = [this](QObject*, QString& Text, int Col, int Row) {
        if (OnBeforeHTMLExport)
            OnBeforeHTMLExport(this, Text, Col, Row);
    };
}

QSize TReportListView::sizeHint() const
{
    const QFontMetrics Metrics(font());
    return {Metrics.averageCharWidth() * 60, GetDefaultRowHeight() * 10};
}

QSize TReportListView::minimumSizeHint() const
{
    const QFontMetrics Metrics(font());
    return {Metrics.averageCharWidth() * 16, GetDefaultRowHeight() * 3};
}

// ---- notifications ----------------------------------------------------------

void TReportListView::Changed()
{
    if (OnChange)
        OnChange(this);
    emit changed();
}

void TReportListView::ChangedSetup()
{
    if (OnChangeSetup)
        OnChangeSetup(this);
    emit changeSetup();
}

void TReportListView::ChangedSelection()
{
    if (OnSelectedChange)
        OnSelectedChange(this);
    emit selectedChange();
}

void TReportListView::RepaintNow()
{
    if (!FSuppressPaint)
        Repaint();
}

void TReportListView::SetSuppressPaint(bool Value)
{
    if (FSuppressPaint == Value)
        return;
    FSuppressPaint = Value;
    if (!Value)
        Repaint();
}

void TReportListView::SetEnabled(bool Value)
{
    TCustomDrawGrid::SetEnabled(Value);
    RepaintNow();
}

void TReportListView::SetSetupColor(TColor& Field, TColor Value)
{
    Field = Value;
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SetSetupValue(int& Field, int Value)
{
    Field = Value;
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SetHighLightBold(bool Value)
{
    FHighLightBold = Value;
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SetColorColumnHd(TColor Value)
{
    SetFixedColor(Value);
    SetSetupColor(FColorColumnHd, Value);
}

void TReportListView::SetColorEmptyMsg(TColor Value)
{
    if (FColorEmptyMsg == Value)
        return;
    FColorEmptyMsg = Value;
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SetEmptyMessage(const QString& Value)
{
    if (FEmptyMessage == Value)
        return;
    FEmptyMessage = Value;
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SetInterRowIndicatorPos(int Value)
{
    if (FInterRowIndicatorPos == Value)
        return;
    FInterRowIndicatorPos = Value;
    RepaintNow();
}

void TReportListView::SetShowEmptyCheckBoxes(bool Value)
{
    if (FShowEmptyCheckBoxes == Value)
        return;
    FShowEmptyCheckBoxes = Value;
    RepaintNow();
}

void TReportListView::SetCheckMarksReadOnly(bool Value)
{
    if (FCheckMarksReadOnly == Value)
        return;
    FCheckMarksReadOnly = Value;
    RepaintNow();
}

void TReportListView::SetDefaultColWidth(int Value)
{
    TCustomDrawGrid::SetDefaultColWidth(Value);
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SetDefaultRowHeight(int Value)
{
    TCustomDrawGrid::SetDefaultRowHeight(Value);
    UpdateHeaderHeights();
    RepaintNow();
    ChangedSetup();
    updateGeometry();
}

// ---- headers ------------------------------------------------------------------

void TReportListView::SetCommonHeader(const QString& Value)
{
    if (FData->GetCommonHeader() == Value)
        return;
    FData->SetCommonHeader(Value);
    Changed();
    RepaintNow();
}

void TReportListView::SetCommonHeaderAlignment(TAlignment Value)
{
    if (FCommonHeaderAlignment == Value)
        return;
    FCommonHeaderAlignment = Value;
    Changed();
    RepaintNow();
}

void TReportListView::SetCommonHeaderVisible(bool Value)
{
    if (FCommonHeaderVisible == Value)
        return;
    FCommonHeaderVisible = Value;
    UpdateGridRows();
    Changed();
    RepaintNow();
}

void TReportListView::SetColumnHeadersVisible(bool Value)
{
    if (FColumnHeadersVisible == Value)
        return;
    FColumnHeadersVisible = Value;
    UpdateGridRows();
    Changed();
    RepaintNow();
}

void TReportListView::SetCommonHeaderHeight(int Value)
{
    FCommonHeaderHeight = std::clamp(Value, MinHeaderHeight, MaxHeaderHeight);
    UpdateHeaderHeights();
    Changed();
    RepaintNow();
}

void TReportListView::SetColumnHeadersHeight(int Value)
{
    FColumnHeadersHeight = std::clamp(Value, MinHeaderHeight, MaxHeaderHeight);
    UpdateHeaderHeights();
    Changed();
    RepaintNow();
}

void TReportListView::SetFixedFirstColumn(bool Value)
{
    SetFixedCols(Value ? 1 : 0);
    Changed();
    RepaintNow();
}

void TReportListView::UpdateGridRows()
{
    const int H = HeaderRowCount();
    SetRowCount(std::max(H + GetNrOfRows(), H + 1));
    SetFixedRows(H);
    UpdateHeaderHeights();
}

void TReportListView::UpdateHeaderHeights()
{
    const replist::HeaderRowHeights Heights =
        replist::HeaderHeights(FCommonHeaderVisible, FColumnHeadersVisible, FCommonHeaderHeight,
                               FColumnHeadersHeight, GetDefaultRowHeight(), GetNrOfRows());
    TCustomDrawGrid::SetRowHeights(0, Heights.Row0);
    if (Heights.Row1 >= 0)
        TCustomDrawGrid::SetRowHeights(1, Heights.Row1);
}

// ---- scrolling in data numbers ---------------------------------------------------

int TReportListView::GetTopRow() const
{
    return TCustomDrawGrid::GetTopRow() - HeaderRowCount() + 1;
}

void TReportListView::SetTopRow(int Value)
{
    const int H = HeaderRowCount();
    const int Last = std::max(H, H + GetNrOfRows() - 1);
    TCustomDrawGrid::SetTopRow(std::clamp(Value + H - 1, H, Last));
}

int TReportListView::GetLeftCol() const
{
    return TCustomDrawGrid::GetLeftCol() + 1;
}

void TReportListView::SetLeftCol(int Value)
{
    Value = std::max(std::min(Value, GetNrOfColumns()), GetFixedCols() + 1);
    TCustomDrawGrid::SetLeftCol(Value - 1);
}

void TReportListView::TopLeftChanged()
{
    Invalidate();
    TCustomDrawGrid::TopLeftChanged();
    if (std::exchange(FNotifiedTopRow, GetTopRow()) != FNotifiedTopRow)
        emit topRowChanged(FNotifiedTopRow);
    if (std::exchange(FNotifiedLeftCol, GetLeftCol()) != FNotifiedLeftCol)
        emit leftColChanged(FNotifiedLeftCol);
}

void TReportListView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    RepaintNow();
}

// ---- size --------------------------------------------------------------------------

void TReportListView::SetNrOfColumns(int Value)
{
    HideEditor();
    const int OldCount = GetColCount();
    const int LastWidth = TCustomDrawGrid::GetColWidths(OldCount - 1);
    FData->SetNrOfColumns(Value);
    SyncColumns();
    for (int Col = OldCount - 1; Col < GetColCount(); ++Col)
        TCustomDrawGrid::SetColWidths(Col, LastWidth);
    SetTopRow(0);
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SetNrOfRows(int Value)
{
    HideEditor();
    FData->SetNrOfRows(Value);
    SetSelection(GridRect(0, 0, 0, 0));
    UpdateGridRows();
    RepaintNow();
    ChangedSetup();
}

void TReportListView::SyncColumns()
{
    SetColCount(std::max(1, GetNrOfColumns()));
    ResizeColumnTables(GetNrOfColumns());
}

void TReportListView::SyncToData()
{
    SyncColumns();
    UpdateGridRows();
    RepaintNow();
}

void TReportListView::ResizeColumnTables(int Count)
{
    try {
        const auto N = std::size_t(std::max(0, Count));
        FColAlignment.resize(N, taLeftJustify);
        FColEditable.resize(N, false);
        FColPassword.resize(N, false);
        FColOrder.resize(N);
    } catch (const std::bad_alloc&) {
        throw EVOKRepListError(ComponentMessage(GetName(), QStringLiteral("not enough memory on heap")));
    }
    ResetColumnOrder();
}

void TReportListView::ResetColumnOrder()
{
    std::iota(FColOrder.begin(), FColOrder.end(), 0);
}

int TReportListView::DataColumnAt(int ACol) const
{
    return ACol >= 0 && ACol < int(FColOrder.size()) ? FColOrder[std::size_t(ACol)] + 1 : 0;
}

int TReportListView::GridColumnOf(int ColNr) const
{
    const auto It = std::find(FColOrder.begin(), FColOrder.end(), ColNr - 1);
    return It == FColOrder.end() ? -1 : int(It - FColOrder.begin());
}

// ---- cells and descriptors -------------------------------------------------------------

QString TReportListView::GetElem(int ACol, int ARow)
{
    QString Text = FData->GetElem(ACol, ARow);
    if (OnReadCell)
        OnReadCell(this, ACol, ARow, Text);
    return Text;
}

double TReportListView::GetAsNumber(int ACol, int ARow) const
{
    try {
        return FData->GetAsNumber(ACol, ARow);
    } catch (const EVOKDStructError&) {
        throw EVOKDStructError(QStringLiteral("Class TReportListView: invalid numeric string: [%1,%2]: %3")
                                   .arg(ACol)
                                   .arg(ARow)
                                   .arg(FData->Store().GetString(ACol, ARow)));
    }
}

void TReportListView::SetColName(int ColNr, const QString& Value)
{
    if (!IsColumn(ColNr))
        return;
    FData->SetColName(ColNr, Value);
    Changed();
    RepaintNow();
}

void TReportListView::SetColumnFormat(int ColNr, const QString& Value)
{
    FData->SetColumnFormat(ColNr, Value);
    Changed();
    RepaintNow();
}

void TReportListView::SetColCheckMode(int ColNr, TCheckMode Value)
{
    FData->SetColCheckMode(ColNr, Value);
    Changed();
    RepaintNow();
}

void TReportListView::SetCheckedCol(int ColNr, bool Value)
{
    FData->SetCheckedCol(ColNr, Value);
    Changed();
    RepaintNow();
}

TAlignment TReportListView::GetColAlignment(int ColNr) const
{
    return IsColumn(ColNr) ? FColAlignment[std::size_t(ColNr - 1)] : taLeftJustify;
}

void TReportListView::SetColAlignment(int ColNr, TAlignment Value)
{
    if (!IsColumn(ColNr) || FColAlignment[std::size_t(ColNr - 1)] == Value)
        return;
    FColAlignment[std::size_t(ColNr - 1)] = Value;
    Changed();
    RepaintNow();
}

bool TReportListView::GetColumnEditable(int ColNr) const
{
    return IsColumn(ColNr) && FColEditable[std::size_t(ColNr - 1)];
}

void TReportListView::SetColumnEditable(int ColNr, bool Value)
{
    if (IsColumn(ColNr))
        FColEditable[std::size_t(ColNr - 1)] = Value;
}

bool TReportListView::GetColumnIsPwd(int ColNr) const
{
    return IsColumn(ColNr) && FColPassword[std::size_t(ColNr - 1)];
}

void TReportListView::SetColumnIsPwd(int ColNr, bool Value)
{
    if (!IsColumn(ColNr) || FColPassword[std::size_t(ColNr - 1)] == Value)
        return;
    FColPassword[std::size_t(ColNr - 1)] = Value;
    Changed();
    RepaintNow();
}

int TReportListView::GetColOrder(int ColNr) const
{
    return IsColumn(ColNr) ? FColOrder[std::size_t(ColNr - 1)] + 1 : 0;
}

bool TReportListView::SetColumnOrder(const QList<int>& ColList)
{
    if (!replist::IsColumnPermutation(ColList, GetNrOfColumns()))
        return false;
    HideEditor();
    for (int I = 0; I < ColList.size(); ++I)
        FColOrder[std::size_t(I)] = ColList[I] - 1;
    return true;
}

int TReportListView::GetColWidths(int Index) const
{
    return Index < 1 ? 0 : TCustomDrawGrid::GetColWidths(GridColumnOf(Index));
}

void TReportListView::SetColWidths(int Index, int Value)
{
    if (IsColumn(Index))
        TCustomDrawGrid::SetColWidths(GridColumnOf(Index), Value);
    ChangedSetup();
}

void TReportListView::SetSecondarySortColumn(int Value)
{
    if (Value < -1 || Value > GetNrOfColumns())
        return;
    FData->SetSecondarySortColumn(Value);
    ChangedSetup();
}

} // namespace vok
