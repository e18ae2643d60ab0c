// TReportListView: construction, properties, per-column settings, width,
// selection and structure operations, files and assignment.
#include "ReportListSupport.h"
#include "ReportListViewScopes.h"

#include <vok/Vok_replist.h>

#include <QFontMetrics>

#include <algorithm>
#include <new>
#include <numeric>

namespace vok {

namespace {
constexpr int InitialColumns = 5;
constexpr int InitialRows = 4;
constexpr int MinHeaderHeight = 8;
constexpr int MaxHeaderHeight = 127;
constexpr int CheckBoxExtra = 16;
constexpr int SortArrowExtra = 13;
constexpr int ItalicExtra = 2;
constexpr int MinExpandedWidth = 16;
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
    emit topRowChanged(GetTopRow());
    emit leftColChanged(GetLeftCol());
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

// ---- widths ------------------------------------------------------------------------

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader)
{
    if (!IsColumn(ColNr))
        return 10;
    TCanvas* Canvas = GetCanvas();
    Canvas->SetFont(GetFont());
    const int Italic = GetFont()->GetStyle().testFlag(fsItalic) ? ItalicExtra : 0;
    const int Extra = (GetColCheckMode(ColNr) == cmBox ? CheckBoxExtra : 0) + Italic;
    const TStringArray& Store = FData->Store();
    int Widest = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Widest = std::max(Widest, Canvas->TextWidth(Store.GetString(ColNr, Row)) + Extra);
    if (IncludeHeader)
        Widest = std::max(Widest, Canvas->TextWidth(GetColName(ColNr)) +
                                      (GetLastSortColumn() == ColNr ? SortArrowExtra : 0) + Italic);
    return Widest + 10;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon)
{
    SetColWidths(ColNr, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon));
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth)
{
    SetColWidths(ColNr, std::min(MaxWidth, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon)));
}

void TReportListView::ExpandColWidth(int ColIx, int RightMargin)
{
    if (IsColumn(ColIx)) {
        int Others = 0;
        for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
            if (Col != ColIx)
                Others += GetColWidths(Col);
        const int Width = GetClientWidth() - RightMargin - Others;
        SetColWidths(ColIx, Width <= MinExpandedWidth - 1 ? MinExpandedWidth : Width);
    }
    ChangedSetup();
}

void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth,
                                      int RightMargin)
{
    {
        const SuppressPaintScope Suppress(*this);
        for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
            if (Col != ExpandColumn)
                AutoColWidth(Col, IncludeHeader, Addon, MaxWidth);
        ExpandColWidth(ExpandColumn, RightMargin);
    }
}

// ---- selection and row state ---------------------------------------------------------------

void TReportListView::SetAllRowBits(quint8 Bit, bool Set)
{
    TStringArray& Store = FData->Store();
    const MuteStoreScope Mute(*this);
    for (int Row = 1; Row <= GetNrOfRows(); ++Row) {
        const quint8 Old = Store.GetRowAttrib(Row);
        const quint8 New = Set ? quint8(Old | Bit) : quint8(Old & ~Bit);
        if (New != Old)
            Store.SetRowAttrib(Row, New);
    }
}

void TReportListView::SetAllColBits(quint8 Bit, bool Set)
{
    TStringArray& Store = FData->Store();
    const MuteStoreScope Mute(*this);
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col) {
        const quint8 Old = Store.GetColAttrib(Col);
        Store.SetColAttrib(Col, Set ? quint8(Old | Bit) : quint8(Old & ~Bit));
    }
}

void TReportListView::ChangeAllRowBits(quint8 Bit, bool Set)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllRowBits(Bit, Set);
    }
    ChangedSelection();
}

void TReportListView::ChangeAllColBits(quint8 Bit, bool Set)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllColBits(Bit, Set);
    }
    ChangedSelection();
}

void TReportListView::SetRowBit(int Row, quint8 Bit, bool Set)
{
    TStringArray& Store = FData->Store();
    const MuteStoreScope Mute(*this);
    const quint8 Old = Store.GetRowAttrib(Row);
    Store.SetRowAttrib(Row, Set ? quint8(Old | Bit) : quint8(Old & ~Bit));
}

void TReportListView::SelectRow(int RowNr)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllRowBits(RowAttribSelected, false);
        if (RowNr >= 1 && RowNr <= GetNrOfRows())
            SetRowBit(RowNr, RowAttribSelected, true);
    }
    ChangedSelection();
}

void TReportListView::SelectAllRows()
{
    ChangeAllRowBits(RowAttribSelected, true);
}

void TReportListView::DeselectAllRows()
{
    ChangeAllRowBits(RowAttribSelected, false);
}

void TReportListView::SelectColumn(int ColNr)
{
    {
        const SuppressPaintScope Suppress(*this);
        SetAllColBits(ColAttribSelected, false);
        if (IsColumn(ColNr)) {
            const MuteStoreScope Mute(*this);
            FData->Store().SetColAttrib(ColNr, FData->Store().GetColAttrib(ColNr) | ColAttribSelected);
        }
    }
    ChangedSelection();
}

void TReportListView::SelectAllColumns()
{
    ChangeAllColBits(ColAttribSelected, true);
}

void TReportListView::DeselectAllColumns()
{
    ChangeAllColBits(ColAttribSelected, false);
}

void TReportListView::EnableAllRows()
{
    ChangeAllRowBits(RowAttribDisabled, false);
}

void TReportListView::DisableAllRows()
{
    ChangeAllRowBits(RowAttribDisabled, true);
}

bool TReportListView::GetRowSelect(int r) const
{
    return r >= 1 && r <= GetNrOfRows() && (FData->Store().GetRowAttrib(r) & RowAttribSelected);
}

void TReportListView::SetRowSelect(int r, bool Value)
{
    if (r < 1 || r > GetNrOfRows())
        return;
    SetRowBit(r, RowAttribSelected, Value);
    ChangedSelection();
    RepaintNow();
}

bool TReportListView::GetColSelect(int c) const
{
    return IsColumn(c) && (FData->Store().GetColAttrib(c) & ColAttribSelected);
}

void TReportListView::SetColSelect(int c, bool Value)
{
    if (!IsColumn(c))
        return;
    {
        const MuteStoreScope Mute(*this);
        const quint8 Old = FData->Store().GetColAttrib(c);
        FData->Store().SetColAttrib(c, Value ? quint8(Old | ColAttribSelected) : quint8(Old & ~ColAttribSelected));
    }
    ChangedSelection();
    RepaintNow();
}

bool TReportListView::GetRowEnabled(int r) const
{
    return r >= 1 && r <= GetNrOfRows() && !(FData->Store().GetRowAttrib(r) & RowAttribDisabled);
}

void TReportListView::SetRowEnabled(int r, bool Value)
{
    if (r < 1 || r > GetNrOfRows())
        return;
    SetRowBit(r, RowAttribDisabled, !Value);
    ChangedSelection();
    RepaintNow();
}

int TReportListView::FirstSelectedRow() const
{
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        if (GetRowSelect(Row))
            return GetRowEnabled(Row) ? Row : 0;
    return 0;
}

int TReportListView::FirstSelectedColumn() const
{
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
        if (GetColSelect(Col))
            return Col;
    return 0;
}

int TReportListView::NumSelectedRows() const
{
    int Count = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Count += GetRowSelect(Row);
    return Count;
}

int TReportListView::NumSelectedColumns() const
{
    int Count = 0;
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
        Count += GetColSelect(Col);
    return Count;
}

int TReportListView::NumEnabledRows() const
{
    int Count = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Count += GetRowEnabled(Row);
    return Count;
}

void TReportListView::CenterScrollAndSelect(int Row)
{
    {
        const SuppressPaintScope Suppress(*this);
        SelectRow(Row);
        SetTopRow(replist::CenteredTopRow(Row, GetNrOfRows(), GetVisibleRowCount()));
        SetSelection(GridRect(0, GridRowOf(Row), std::max(0, GetColCount() - 1), GridRowOf(Row)));
    }
}

TGridCoord TReportListView::MouseCell(int X, int Y) const
{
    const TGridCoord Cell = MouseCoord(X, Y);
    if (Cell.X < 0 || Cell.Y < 0)
        return {0, 0};
    int Row = DataRowOf(Cell.Y);
    if (Cell.Y < HeaderRowCount())
        Row = Cell.Y == ColumnHeaderGridRow() && FColumnHeadersVisible ? -1 : -2;
    else if (Row > GetNrOfRows())
        Row = 0;
    return {Cell.X + 1, Row};
}

void TReportListView::SetRowSelectMode(int Value)
{
    FRowSelectMode = Value;
    if (Value != 2)
        SetAllRowBits(RowAttribSelected, false);
    if (Value == 0)
        SetSelection(GridRect(GetNrOfColumns() + 1, GetNrOfRows() + 1, GetNrOfColumns() + 1, GetNrOfRows() + 1));
    ChangedSelection();
    RepaintNow();
}

// ---- check cells ------------------------------------------------------------------------

int TReportListView::CountCheckedElemsInCol(int Column) const
{
    int Count = 0;
    for (int Row = 1; Row <= GetNrOfRows(); ++Row)
        Count += GetRowEnabled(Row) && FData->GetElemChecked(Column, Row);
    return Count;
}

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->SetAllCheckmarksOfCol(Column, Checked);
    }
}

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->SetAllCheckmarksOfColIntern(Column, Checked, AffectEnabledRowsOnly);
    }
}

void TReportListView::InvertAllCheckmarksOfCol(int Column)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->InvertAllCheckmarksOfCol(Column);
    }
}

void TReportListView::InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly)
{
    {
        const SuppressPaintScope Suppress(*this);
        FData->InvertAllCheckmarksOfColIntern(Column, AffectEnabledRowsOnly);
    }
}

// ---- structure ------------------------------------------------------------------------------

int TReportListView::AddRow()
{
    HideEditor();
    SetNrOfRows(GetNrOfRows() + 1);
    return GetNrOfRows();
}

int TReportListView::InsertRow(int r)
{
    HideEditor();
    if (r >= 1 && r <= GetNrOfRows()) {
        FData->InsertRow(r);
        SetNrOfRows(GetNrOfRows());
    } else if (r > GetNrOfRows()) {
        r = AddRow();
    }
    FData->ForgetSortColumns();
    return r;
}

int TReportListView::InsertColumn(int c)
{
    HideEditor();
    if (c > GetNrOfColumns()) {
        SetNrOfColumns(GetNrOfColumns() + 1);
        return GetNrOfColumns();
    }
    if (c < 1)
        return c;
    const auto At = std::ptrdiff_t(c - 1);
    const int LastWidth = TCustomDrawGrid::GetColWidths(GetColCount() - 1);
    FData->InsertColumn(c);
    FColAlignment.insert(FColAlignment.begin() + At, taLeftJustify);
    FColEditable.insert(FColEditable.begin() + At, false);
    FColPassword.insert(FColPassword.begin() + At, false);
    SyncColumns();
    TCustomDrawGrid::SetColWidths(GetColCount() - 1, LastWidth);
    RepaintNow();
    ChangedSetup();
    return c;
}

void TReportListView::RemoveColumn(int c)
{
    if (!IsColumn(c))
        return;
    HideEditor();
    const auto At = std::ptrdiff_t(c - 1);
    FColAlignment.erase(FColAlignment.begin() + At);
    FColEditable.erase(FColEditable.begin() + At);
    FColPassword.erase(FColPassword.begin() + At);
    FData->RemoveColumn(c);
    // The order table cannot keep entries of a column that is gone.
    SyncColumns();
    RepaintNow();
    ChangedSetup();
}

void TReportListView::RemoveRow(int r)
{
    if (r < 1 || r > GetNrOfRows())
        return;
    HideEditor();
    FData->RemoveRow(r);
    UpdateGridRows();
    RepaintNow();
    ChangedSetup();
}

void TReportListView::RemoveEmptyRows()
{
    {
        const SuppressPaintScope Suppress(*this);
        HideEditor();
        FData->RemoveEmptyRows();
        UpdateGridRows();
    }
    ChangedSetup();
}

void TReportListView::Fill(const QString& s)
{
    HideEditor();
    const SuppressPaintScope Suppress(*this);
    FData->Fill(s);
}

void TReportListView::Clear()
{
    HideEditor();
    FData->Clear();
    std::fill(FColAlignment.begin(), FColAlignment.end(), taLeftJustify);
    std::fill(FColPassword.begin(), FColPassword.end(), false);
    std::fill(FColEditable.begin(), FColEditable.end(), false);
    ResetColumnOrder();
    RepaintNow();
}

void TReportListView::Sort(int Col, int ColSec, bool Ascending)
{
    HideEditor();
    {
        const SuppressPaintScope Suppress(*this);
        FData->Sort(Col, ColSec, Ascending);
    }
}

void TReportListView::UnSort()
{
    HideEditor();
    {
        const SuppressPaintScope Suppress(*this);
        FData->UnSort();
    }
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                                      bool UseTabs)
{
    FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs);
}

void TReportListView::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                                      const QString& Separator)
{
    FData->CopyToClipBoard(LeftCol, TopRow, RightCol, BottomRow, AddHeader, Separator);
}

// ---- files -------------------------------------------------------------------------------

bool TReportListView::LoadFromXMLFile(const QString& FName, const QString& DataID)
{
    return Reload([&] { return FData->LoadFromXMLFile(FName, DataID); });
}

bool TReportListView::ReadFromXMLStream(QIODevice& InStream, const QString& DataID)
{
    return Reload([&] { return FData->ReadFromXMLStream(InStream, DataID); });
}

bool TReportListView::ReadFromXMLString(const QString& InString, const QString& DataID)
{
    return Reload([&] { return FData->ReadFromXMLString(InString, DataID); });
}

bool TReportListView::ReadFromOpenXMLFile(QTextStream& F, const QString& DataID)
{
    return Reload([&] { return FData->ReadFromOpenXMLFile(F, DataID); });
}

int TReportListView::ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders)
{
    return Reload([&] { return FData->ImportCSV(FName, Delimiter, IncludeColHeaders); });
}

int TReportListView::LoadLinesFromFile(int Column, int FirstRow, const QString& FName)
{
    return Reload([&] { return FData->LoadLinesFromFile(Column, FirstRow, FName); });
}

// ---- assignment ----------------------------------------------------------------------------

void TReportListView::Assign(QObject* Source)
{
    auto* Src = qobject_cast<TReportListView*>(Source);
    if (Src == nullptr) {
        TCustomDrawGrid::Assign(Source);
        return;
    }
    if (Src == this)
        return;
    HideEditor();
    FData->Assign(Src->FData.get());
    WireData();
    CopyViewSettings(*Src);
    SetFixedColor(FColorColumnHd);
    SetFixedCols(Src->GetFixedCols());
    SetColCount(std::max(1, GetNrOfColumns()));
    UpdateGridRows();
    try {
        FColAlignment = Src->FColAlignment;
        FColEditable = Src->FColEditable;
        FColPassword = Src->FColPassword;
        FColOrder = Src->FColOrder;
    } catch (const std::bad_alloc&) {
        throw EVOKRepListError(ComponentMessage(GetName(), QStringLiteral("not enough memory on heap")));
    }
    TCustomDrawGrid::SetEnabled(Src->GetEnabled());
    RepaintNow();
}

void TReportListView::CopyViewSettings(const TReportListView& Src)
{
    FAutoAdvance = Src.FAutoAdvance;
    FLastMousePos = Src.FLastMousePos;
    FAnchorRow = Src.FAnchorRow;
    FRowSelectMode = Src.FRowSelectMode;
    FSortEnabled = Src.FSortEnabled;
    FColorText = Src.FColorText;
    FColorBkgdNormal = Src.FColorBkgdNormal;
    FColorBkgdShaded = Src.FColorBkgdShaded;
    FColorHigh = Src.FColorHigh;
    FColorHighText = Src.FColorHighText;
    FColorSelectedRow = Src.FColorSelectedRow;
    FColorSelectedRowText = Src.FColorSelectedRowText;
    FColorSelectedCol = Src.FColorSelectedCol;
    FColorSelectedColText = Src.FColorSelectedColText;
    FColorSelectedBoth = Src.FColorSelectedBoth;
    FColorSelectedBothText = Src.FColorSelectedBothText;
    FColorDisabledBkgd = Src.FColorDisabledBkgd;
    FColorDisabledText = Src.FColorDisabledText;
    FColorCommonHd = Src.FColorCommonHd;
    FColorCommonHdText = Src.FColorCommonHdText;
    FColorColumnHd = Src.FColorColumnHd;
    FColorColumnHdText = Src.FColorColumnHdText;
    FColorEmptyMsg = Src.FColorEmptyMsg;
    FHighLightRow = Src.FHighLightRow;
    FHighLightColumn = Src.FHighLightColumn;
    FHighLightBold = Src.FHighLightBold;
    FSuppressPaint = Src.FSuppressPaint;
    FRowColPattern = Src.FRowColPattern;
    FCommonHeaderAlignment = Src.FCommonHeaderAlignment;
    FCommonHeaderVisible = Src.FCommonHeaderVisible;
    FColumnHeadersVisible = Src.FColumnHeadersVisible;
    FCommonHeaderHeight = Src.FCommonHeaderHeight;
    FColumnHeadersHeight = Src.FColumnHeadersHeight;
    FShowEmptyCheckBoxes = Src.FShowEmptyCheckBoxes;
    FInterRowIndicatorColor = Src.FInterRowIndicatorColor;
    FInterRowIndicatorWidth = Src.FInterRowIndicatorWidth;
    FInterRowIndicatorPos = Src.FInterRowIndicatorPos;
    OnChange = Src.OnChange;
    OnChangeSetup = Src.OnChangeSetup;
    OnSelectedChange = Src.OnSelectedChange;
    OnCheckedChange = Src.OnCheckedChange;
    OnBeforeCheckedChange = Src.OnBeforeCheckedChange;
    OnGetEditText = Src.OnGetEditText;
    OnSetEditText = Src.OnSetEditText;
    OnRequestEditFormat = Src.OnRequestEditFormat;
    OnPercentDone = Src.OnPercentDone;
    OnBeforeRenderCell = Src.OnBeforeRenderCell;
    OnBeforeSortExchange = Src.OnBeforeSortExchange;
    OnBeforeHTMLExport = Src.OnBeforeHTMLExport;
    OnBeforeFilter = Src.OnBeforeFilter;
    OnMouseWheelDown = Src.OnMouseWheelDown;
    OnMouseWheelUp = Src.OnMouseWheelUp;
}

void TReportListView::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TCustomDrawGrid::AssignTo(Dest);
}

} // namespace vok
