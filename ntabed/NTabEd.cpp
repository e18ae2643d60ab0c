// TNTabEd: construction, the table hooks, properties, sizing, the attribute
// lines and the change notifications.
#include "CellText.h"
#include "NTabEdEditors.h"
#include "NTabEdScopes.h"
#include "TabLayout.h"

#include <vok/Vok_gridedit.h>
#include <vok/Vok_ntabed.h>
#include <vok/Vok_strings.h>

#include <algorithm>
#include <new>

namespace vok {

using namespace ntabed;

namespace {
constexpr int InitialColumns = 3;
constexpr int InitialRows = 4;
constexpr int RowNameWidth = 80;
constexpr int CellAddon = 8;   // AutoColWidth: room around the text
constexpr int MinColWidth = 4;
constexpr int MinRowHeight = 8;
constexpr int SizeHintColumns = 5; // data columns the size hint has room for
constexpr int SizeHintRows = 8;
const QString RowHeightSample = QStringLiteral("9GMg\u00DC$\u00A7[{|");
} // namespace

TNTabEd::TNTabEd(QWidget* AOwner)
    : TCustomDrawGrid(AOwner)
    , Data(nullptr)
    , FColorBackground(clWindow)
    , FColorFixed(clBtnFace)
{
    // 1-2. The grid's defaults, then the editor's settings; painting and
    // notifications stay suppressed until the end.
    SetFixedCols(2);
    SetOptions(GetOptions() | goTabs);
    // 3. The name and comment editors exist outside design mode only.
    if (!IsDesigning()) {
        FNameEd = new TNTabEdNameEditor(this);
        FCommentMM = new TNTabEdCommentEditor(this);
    }
    // 4. Widths of the row-name and attribute columns.
    SetColCount(InitialColumns + FColOffset + 1);
    SetRowCount(InitialRows + FRowOffset + 1);
    TCustomGrid::SetColWidths(1, FClassColWidth);
    TCustomGrid::SetColWidths(0, RowNameWidth);
    // 5-6. The copy buffer and the table, all zeros, precision 3 everywhere.
    try {
        FCopyBuffer = std::make_unique<TDataTable>();
        FOwnData = std::make_unique<TDataTable>(InitialColumns, InitialRows);
        Data = FOwnData.get();
        Data->Fill(0);
        FDecP.assign(size_t(InitialColumns), InitialPrecision);
    } catch (const std::bad_alloc&) {
        throw EVOKNTabedError(ComponentMessage(GetName(), QStringLiteral("failed to initialize table editor (out of memory)")));
    }
    // 7. The table's notifications.
    HookTable(Data);
    // 8. The popup menus.
    BuildMenus();
    // 9. Colours, then painting and notifications from here on.
    SetColor(FColorBackground);
    SetFixedColor(FColorFixed);
    SetBounds(0, 0, sizeHint().width(), sizeHint().height());
    FInternalSuppress = false;
}

TNTabEd::~TNTabEd()
{
    // An outside table outlives the editor: it must not call back into it.
    if (FExtMatAssigned)
        UnhookTable(Data);
}

QSize TNTabEd::sizeHint() const
{
    const int Border = 4;
    const int Width = RowNameWidth + FClassColWidth + SizeHintColumns * GetDefaultColWidth() + Border;
    const int Height = (SizeHintRows + 1) * (GetDefaultRowHeight() + 1) + Border;
    return {Width, Height};
}

QSize TNTabEd::minimumSizeHint() const
{
    // The fixed columns, one data column, the headings and two rows.
    const int Border = 4;
    const int Fixed = TCustomGrid::GetColWidths(0) + (FColOffset == 1 ? TCustomGrid::GetColWidths(1) + 1 : 0) + 1;
    return {Fixed + GetDefaultColWidth() + Border, (FRowOffset + 3) * (GetDefaultRowHeight() + 1) + Border};
}

// ---- the table --------------------------------------------------------------

void TNTabEd::HookTable(TDataTable* Table)
{
    Table->OnDataChanged = [this](QObject*) {
        if (FMuteDataChanged)
            return;
        ChangedData();
        RepaintNow();
    };
    Table->OnSetupChanged = [this](QObject*) {
        ChangedSetup();
        RepaintNow();
    };
    Table->OnResized = [this](QObject*, int OldCols, int OldRows, int NewCols, int NewRows) {
        TableResized(OldCols, OldRows, NewCols, NewRows);
    };
    Table->OnPercentDone = [this](QObject*, int Percent) {
        if (OnPercentDone)
            OnPercentDone(this, Percent);
        Q_EMIT percentDone(Percent);
    };
}

void TNTabEd::UnhookTable(TDataTable* Table)
{
    Table->OnDataChanged = nullptr;
    Table->OnSetupChanged = nullptr;
    Table->OnResized = nullptr;
    Table->OnPercentDone = nullptr;
}

void TNTabEd::TableResized(int OldCols, int OldRows, int NewCols, int NewRows)
{
    SizeGridColumns(OldCols, NewCols);
    SetRowCount(NewRows + FRowOffset + 1);
    ResizePrecisions(NewCols);
    if (NewCols != OldCols)
        Q_EMIT nrOfColumnsChanged(NewCols);
    if (NewRows != OldRows)
        Q_EMIT nrOfRowsChanged(NewRows);
    RepaintNow();
}

void TNTabEd::SizeGridColumns(int OldCols, int NewCols)
{
    // New columns take the width of the column that was last.
    const int Width = TCustomGrid::GetColWidths(GetColCount() - 1);
    SetColCount(NewCols + FColOffset + 1);
    for (int I = OldCols + FColOffset + 1; I <= NewCols + FColOffset; ++I)
        TCustomGrid::SetColWidths(I, Width);
}

void TNTabEd::ResizePrecisions(int NewCount)
{
    try {
        ntabed::ResizePrecisions(FDecP, NewCount);
    } catch (const std::bad_alloc&) {
        throw EVOKNTabedError(ComponentMessage(GetName(), QStringLiteral("not enough memory on heap")));
    }
}

void TNTabEd::SetNrOfColumns(int Value)
{
    Redimension(Value, GetNrOfRows());
}

void TNTabEd::SetNrOfRows(int Value)
{
    Redimension(GetNrOfColumns(), Value);
}

void TNTabEd::Redimension(int NrCols, int NrRows)
{
    if (NrCols == GetNrOfColumns() && NrRows == GetNrOfRows())
        return;
    {
        TBulkScope Bulk(*this, false);
        // The table raises for a size it cannot take and stays as it was;
        // the grid follows only through the resized notification.
        Data->Resize(NrCols, NrRows);
    }
    ChangedSetup();
    RepaintNow();
}

void TNTabEd::AssignAnotherDataMatrix(TDataTable* NewDTab)
{
    TDataTable* Next = NewDTab ? NewDTab : FOwnData.get();
    if (Next == Data)
        return;
    HideEditor();
    const int OldCols = GetNrOfColumns();
    const int OldRows = GetNrOfRows();
    UnhookTable(Data);
    Data = Next;
    FExtMatAssigned = NewDTab != nullptr;
    HookTable(Data);
    {
        TBulkScope Bulk(*this);
        TableResized(OldCols, OldRows, GetNrOfColumns(), GetNrOfRows());
    }
    RepaintNow();
    ChangedSetup();
    ChangedData();
}

void TNTabEd::CopyContentsFrom(const TNTabEd* ExtTab)
{
    if (!ExtTab || ExtTab == this)
        return;
    {
        TBulkScope Bulk(*this);
        Data->Assign(ExtTab->Data);
        FDecP = ExtTab->FDecP;
        ResizePrecisions(GetNrOfColumns());
        SetAttribRowVisible(ExtTab->GetAttribRowVisible());
        SetAttribColVisible(ExtTab->GetAttribColVisible());
        FNumWidth = ExtTab->FNumWidth;
        FShowCellCursor = ExtTab->FShowCellCursor;
        FBoldMarks = ExtTab->FBoldMarks;
        FBoldSelHeads = ExtTab->FBoldSelHeads;
        FColorNormal = ExtTab->FColorNormal;
        FColorSelected = ExtTab->FColorSelected;
        FColorMarkedA = ExtTab->FColorMarkedA;
        FColorMarkedB = ExtTab->FColorMarkedB;
        FColorMarkedBoth = ExtTab->FColorMarkedBoth;
        FColorRangeSelFG = ExtTab->FColorRangeSelFG;
        FColorRangeSelBG = ExtTab->FColorRangeSelBG;
    }
    RepaintNow();
    ChangedData();
    ChangedSetup();
    ChangedLayout();
}

bool TNTabEd::CopyCellStatesFrom(const TNTabEd* ExtTab)
{
    if (!ExtTab || !Data->CopyCellStatesFrom(*ExtTab->Data))
        return false;
    RepaintNow();
    ChangedCellStates();
    return true;
}

// ---- notifications ----------------------------------------------------------

void TNTabEd::Fire(const TNotifyEvent& Event, void (TNTabEd::*Signal)())
{
    if (Suppressed())
        return;
    if (Event)
        Event(this);
    Q_EMIT(this->*Signal)();
}

void TNTabEd::ChangedData() { Fire(OnChange, &TNTabEd::changed); }
void TNTabEd::ChangedHeading() { Fire(OnHeadingChanged, &TNTabEd::headingChanged); }
void TNTabEd::ChangedAttrib() { Fire(OnAttributeChanged, &TNTabEd::attributeChanged); }
void TNTabEd::ChangedLayout() { Fire(OnLayoutChanged, &TNTabEd::layoutChanged); }
void TNTabEd::ChangedCellStates() { Fire(OnCellStateChanged, &TNTabEd::cellStateChanged); }
void TNTabEd::ChangedSetup() { Fire(OnChangeSetup, &TNTabEd::changeSetup); }

void TNTabEd::ChangedSelection()
{
    if (Suppressed())
        return;
    if (OnSelectionChanged)
        OnSelectionChanged(this);
    Q_EMIT selectionChanged();
    NotifyAccessibleValueChanged();
}

void TNTabEd::ReportSelection()
{
    const TGridRect Sel = GetSelection();
    if (Sel == FOldSel)
        return;
    FOldSel = Sel;
    ChangedSelection();
}

void TNTabEd::RepaintNow()
{
    if (!Suppressed())
        Repaint();
}

void TNTabEd::SetSuppressPaint(bool Value)
{
    if (FSuppressPaint == Value)
        return;
    FSuppressPaint = Value;
    if (!Value)
        RepaintNow();
}

void TNTabEd::FontChanged()
{
    TCustomDrawGrid::FontChanged();
    RepaintNow();
}

// ---- cells ------------------------------------------------------------------

void TNTabEd::SetCellState(int ACol, int ARow, quint8 Value)
{
    Data->SetCellState(ACol, ARow, Value);
    RepaintNow();
    ChangedCellStates();
}

namespace {
quint8 WithBits(quint8 State, quint8 Mask, bool Set)
{
    return Set ? quint8(State | Mask) : quint8(State & ~Mask);
}
} // namespace

void TNTabEd::SetElemMarkedA(int ACol, int ARow, bool Value)
{
    Data->SetCellState(ACol, ARow, WithBits(GetCellState(ACol, ARow), cstMarkA, Value));
    RepaintNow();
    ChangedCellStates();
}

void TNTabEd::SetElemMarkedB(int ACol, int ARow, bool Value)
{
    Data->SetCellState(ACol, ARow, WithBits(GetCellState(ACol, ARow), cstMarkB, Value));
    RepaintNow();
    ChangedCellStates();
}

void TNTabEd::SetIsEmpty(int ACol, int ARow, bool Value)
{
    Data->SetCellState(ACol, ARow, WithBits(GetCellState(ACol, ARow), cstEmpty, Value));
    ChangedCellStates();
}

// ---- headings ---------------------------------------------------------------

void TNTabEd::SetColName(int ColNr, const TDTNameStr& Value)
{
    if (ColNr < 1 || ColNr > GetNrOfColumns())
        return;
    Data->SetColName(ColNr, Value);
    ChangedHeading();
    RepaintNow();
}

void TNTabEd::SetRowName(int RowNr, const TDTNameStr& Value)
{
    if (RowNr < 1 || RowNr > GetNrOfRows())
        return;
    Data->SetRowName(RowNr, Value);
    ChangedHeading();
    RepaintNow();
}

void TNTabEd::SetColAttrib(int ColNr, quint8 Value)
{
    if (ColNr < 1 || ColNr > GetNrOfColumns())
        return;
    Data->SetColAttrib(ColNr, Value);
    RepaintNow();
    ChangedAttrib();
}

void TNTabEd::SetRowAttrib(int RowNr, quint8 Value)
{
    if (RowNr < 1 || RowNr > GetNrOfRows())
        return;
    Data->SetRowAttrib(RowNr, Value);
    RepaintNow();
    ChangedAttrib();
}

void TNTabEd::SetComment(const QString& Value)
{
    const QString Clean = RemoveControlChars(Value);
    const bool Differs = Clean != GetComment();
    Data->SetFComment(Clean);
    ChangedData();
    if (Differs)
        Q_EMIT commentChanged(Clean);
}

// ---- precision --------------------------------------------------------------

qint8 TNTabEd::GetDecPlaces(int ColNr) const
{
    if (ColNr < 1 || ColNr > int(FDecP.size()))
        return 0;
    return FDecP[size_t(ColNr - 1)];
}

void TNTabEd::SetDecPlaces(int ColNr, int Value)
{
    if (ColNr < 1 || ColNr > int(FDecP.size()))
        return;
    FDecP[size_t(ColNr - 1)] = qint8(ClampPrecision(Value));
    RepaintNow();
    ChangedLayout();
}

// ---- widths and heights -----------------------------------------------------

int TNTabEd::GetColWidths(int Index) const
{
    if (Index < 0)
        return FColOffset == 1 ? TCustomGrid::GetColWidths(1) : 0;
    return TCustomGrid::GetColWidths(Index == 0 ? 0 : Index + FColOffset);
}

void TNTabEd::SetColWidths(int Index, int Value)
{
    if (Index < 0) {
        if (FColOffset == 1) {
            FClassColWidth = Value;
            TCustomGrid::SetColWidths(1, Value);
        }
    } else if (Index == 0 || Index <= GetNrOfColumns()) {
        TCustomGrid::SetColWidths(Index == 0 ? 0 : Index + FColOffset, Value);
    }
    ChangedLayout();
}

void TNTabEd::SetDefaultColWidth(int Value)
{
    TCustomGrid::SetDefaultColWidth(Value);
    TCustomGrid::SetColWidths(0, RowNameWidth);
    if (FColOffset == 1)
        TCustomGrid::SetColWidths(1, FClassColWidth);
    ChangedLayout();
}

int TNTabEd::AutoColWidth(int ColNr, bool IncludeHeader, int Addon)
{
    TCanvas* Canvas = GetCanvas();
    Canvas->SetFont(GetFont());
    int W = 0;
    if (ColNr == -1) {
        W = Canvas->TextWidth(IncludeHeader ? QStringLiteral("Attrib") : QStringLiteral("255"));
    } else if (ColNr == 0) {
        W = Canvas->TextWidth(QStringLiteral("999:9999"));
        for (int R = 1; R <= GetNrOfRows(); ++R)
            W = std::max(W, Canvas->TextWidth(GetRowName(R)));
    } else if (ColNr >= 1 && ColNr <= GetNrOfColumns()) {
        if (IncludeHeader)
            W = Canvas->TextWidth(GetColName(ColNr));
        W = std::max(W, Canvas->TextWidth(IntegerText(GetColAttrib(ColNr))));
        const int Precision = GetPrecision(ColNr);
        for (int R = 1; R <= GetNrOfRows(); ++R)
            W = std::max(W, Canvas->TextWidth(CellNumberText(GetElem(ColNr, R), FNumWidth, Precision)));
    }
    const int Result = std::max(MinColWidth, W + CellAddon + Addon);
    SetColWidths(ColNr, Result);
    return Result;
}

int TNTabEd::AutoRowHeight(int RowNr, int Addon)
{
    TCanvas* Canvas = GetCanvas();
    Canvas->SetFont(GetFont());
    const int H = std::max(MinRowHeight, Canvas->TextHeight(RowHeightSample) + Addon + 2);
    if (RowNr > 0) {
        if (RowNr <= GetRowCount() - FRowOffset - 1)
            SetRowHeights(RowNr + FRowOffset, H);
    } else if (RowNr == 0) {
        SetRowHeights(0, H);
    } else if (FRowOffset == 1) {
        SetRowHeights(1, H);
    }
    return H;
}

// ---- attribute lines --------------------------------------------------------

void TNTabEd::SetAttribRowVisible(bool Value)
{
    if (Value == GetAttribRowVisible())
        return;
    const TGridRect Sel = DataSelection();
    std::vector<int> Widths(static_cast<size_t>(GetColCount()));
    for (int I = 0; I < GetColCount(); ++I)
        Widths[size_t(I)] = TCustomGrid::GetColWidths(I);
    FColOffset = Value ? 1 : 0;
    SetColCount(GetNrOfColumns() + FColOffset + 1);
    SetFixedCols(1 + FColOffset);
    if (Value) {
        // Widths move one column to the right; the attribute column comes back.
        for (int I = GetColCount() - 1; I >= 2; --I)
            TCustomGrid::SetColWidths(I, Widths[size_t(I - 1)]);
        TCustomGrid::SetColWidths(1, FClassColWidth);
    } else {
        for (int I = 1; I < GetColCount(); ++I)
            TCustomGrid::SetColWidths(I, Widths[size_t(I + 1)]);
    }
    SetDataSelection(Sel);
    updateGeometry();
    ChangedLayout();
}

void TNTabEd::SetAttribColVisible(bool Value)
{
    if (Value == GetAttribColVisible())
        return;
    const TGridRect Sel = DataSelection();
    std::vector<int> Heights(static_cast<size_t>(GetRowCount()));
    for (int I = 0; I < GetRowCount(); ++I)
        Heights[size_t(I)] = GetRowHeights(I);
    FRowOffset = Value ? 1 : 0;
    SetRowCount(GetNrOfRows() + FRowOffset + 1);
    SetFixedRows(1 + FRowOffset);
    if (Value) {
        for (int I = GetRowCount() - 1; I >= 2; --I)
            SetRowHeights(I, Heights[size_t(I - 1)]);
        SetRowHeights(1, Heights[0]);
    } else {
        for (int I = 1; I < GetRowCount(); ++I)
            SetRowHeights(I, Heights[size_t(I + 1)]);
    }
    SetDataSelection(Sel);
    updateGeometry();
    ChangedLayout();
}

// ---- scrolling --------------------------------------------------------------

void TNTabEd::SetLeftCol(int Value)
{
    TCustomGrid::SetLeftCol(std::clamp(Value, 1, GetNrOfColumns()) + FColOffset);
}

void TNTabEd::SetTopRow(int Value)
{
    TCustomGrid::SetTopRow(std::clamp(Value, 1, GetNrOfRows()) + FRowOffset);
    Invalidate();
}

TGridRect TNTabEd::DataSelection() const
{
    const TGridRect Sel = GetSelection();
    return ClipToTable({Sel.Left - FColOffset, Sel.Top - FRowOffset, Sel.Right - FColOffset, Sel.Bottom - FRowOffset},
                       GetNrOfColumns(), GetNrOfRows());
}

void TNTabEd::SetDataSelection(TGridRect Value)
{
    const TGridRect R = ClipToTable(Value, GetNrOfColumns(), GetNrOfRows());
    SetSelection({R.Left + FColOffset, R.Top + FRowOffset, R.Right + FColOffset, R.Bottom + FRowOffset});
}

// ---- settings ---------------------------------------------------------------

void TNTabEd::SetNomEditDropDownCount(int Value)
{
    FNomEditDropDownCount = Value;
    if (auto* Editor = qobject_cast<TInplaceEditList*>(GetInplaceEditor()))
        Editor->SetDropDownRows(Value);
}

void TNTabEd::SetNumWidth(int Value)
{
    if (Value >= 1 && Value <= 20 && Value != FNumWidth) {
        FNumWidth = Value;
        RepaintNow();
    }
    ChangedLayout();
}

void TNTabEd::SetDataReadOnly(bool Value)
{
    if (FDataReadOnly == Value)
        return;
    FDataReadOnly = Value;
    if (Value) {
        HideEditor();
        SetEditing(false);
    } else {
        SetEditing(true);
    }
    Q_EMIT dataReadOnlyChanged(Value);
    NotifyAccessibleStateChanged();
}

void TNTabEd::SetOptimizeRowHeight(bool Value)
{
    if (FOptimizeRowHeight == Value)
        return;
    FOptimizeRowHeight = Value;
    RepaintNow();
}

void TNTabEd::SetShowCellCursor(bool Value)
{
    if (FShowCellCursor == Value)
        return;
    FShowCellCursor = Value;
    Invalidate();
}

void TNTabEd::SetBoldMarks(bool Value)
{
    if (FBoldMarks == Value)
        return;
    FBoldMarks = Value;
    ChangedLayout();
}

void TNTabEd::SetBoldSelHeads(bool Value)
{
    if (FBoldSelHeads == Value)
        return;
    FBoldSelHeads = Value;
    ChangedLayout();
}

void TNTabEd::SetColorBackground(TColor Value)
{
    FColorBackground = Value;
    SetColor(Value);
}

void TNTabEd::SetColorFixed(TColor Value)
{
    FColorFixed = Value;
    SetFixedColor(Value);
}

void TNTabEd::SetLayoutColor(TColor& Field, TColor Value)
{
    Field = Value;
    RepaintNow();
    ChangedLayout();
}

// ---- accessibility ----------------------------------------------------------

QString TNTabEd::AccessibleValueText() const
{
    const int C = GetCol() - FColOffset;
    const int R = GetRow() - FRowOffset;
    if (C < 1 || R < 1 || C > GetNrOfColumns() || R > GetNrOfRows())
        return {};
    return CellCursorText(C, R) + QLatin1Char(' ') + CellText(GetCol(), GetRow()).trimmed();
}

void TNTabEd::AccessibleState(QAccessible::State& State) const
{
    TCustomDrawGrid::AccessibleState(State);
    if (FDataReadOnly)
        State.readOnly = true;
}

} // namespace vok
