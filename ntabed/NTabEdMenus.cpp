// TNTabEd: the two built-in popup menus, their handlers, and the public
// commands on rows, columns and marks.
#include "CellText.h"
#include "NTabEdScopes.h"
#include "TabLayout.h"

#include <vok/Vok_ntabed.h>

#include <QMenu>

namespace vok {

using namespace ntabed;

namespace {
constexpr int DataItemCount = 12;
constexpr int HeadItemCount = 5;
constexpr int PasteItem = 8;
constexpr int ReadOnlyItem = 9;
constexpr int ClearItem = 6;
constexpr int ExtractItem = 10;
constexpr int PrecisionItem = 2;
constexpr int HeadingMenuOffset = 20;

const char* const DataCaptions[DataItemCount] = {
    "Mark as type A", "Mark as type B", "Unmark type A", "Unmark type B", "Unmark All", "Clear", "Copy", "Paste",
    "Data Read-Only", "Extract from Clipboard", "Select All", "Toggle Empty State"};
const char* const HeadCaptions[HeadItemCount] = {"Edit Heading", "Change Precision", "Select..", "Insert..",
                                                 "Delete.."};
const char* const ScopeCaptions[4] = {"Range", "Column", "Row", "All"};
// Name prefixes of the four mark submenus: mark A, mark B, unmark A, unmark B.
const char* const SubmenuNames[4] = {"M1It", "M2It", "U1It", "U2It"};

bool MaskBit(int Mask, int Item)
{
    return Mask & (1 << (Item - 1));
}
} // namespace

// ---- building ---------------------------------------------------------------

void TNTabEd::BuildMenus()
{
    using THandler = void (TNTabEd::*)(QObject*);
    auto AddItem = [this](TMenuItem* Parent, const QString& Name, const QString& Caption, THandler Handler) {
        auto* Item = new TMenuItem(this);
        Item->SetName(Name);
        Item->SetCaption(Caption);
        if (Handler)
            Item->OnClick = [this, Handler](QObject* Sender) { (this->*Handler)(Sender); };
        Parent->Add(Item);
        return Item;
    };
    static constexpr THandler MarkHandlers[4][4] = {
        {&TNTabEd::PopupMenuClickMarkARange, &TNTabEd::PopupMenuClickMarkAColumn, &TNTabEd::PopupMenuClickMarkARow,
         &TNTabEd::PopupMenuClickMarkAAll},
        {&TNTabEd::PopupMenuClickMarkBRange, &TNTabEd::PopupMenuClickMarkBColumn, &TNTabEd::PopupMenuClickMarkBRow,
         &TNTabEd::PopupMenuClickMarkBAll},
        {&TNTabEd::PopupMenuClickUnMarkARange, &TNTabEd::PopupMenuClickUnMarkAColumn,
         &TNTabEd::PopupMenuClickUnMarkARow, &TNTabEd::PopupMenuClickUnMarkAAll},
        {&TNTabEd::PopupMenuClickUnMarkBRange, &TNTabEd::PopupMenuClickUnMarkBColumn,
         &TNTabEd::PopupMenuClickUnMarkBRow, &TNTabEd::PopupMenuClickUnMarkBAll}};
    static constexpr THandler DataHandlers[DataItemCount] = {nullptr,
                                                             nullptr,
                                                             nullptr,
                                                             nullptr,
                                                             &TNTabEd::PopupMenuClickUnMarkAll,
                                                             &TNTabEd::PopupMenuClickClear,
                                                             &TNTabEd::PopupMenuClickCopy,
                                                             &TNTabEd::PopupMenuClickPaste,
                                                             &TNTabEd::PopupMenuClickEdit,
                                                             &TNTabEd::PopupMenuClickExtClip,
                                                             &TNTabEd::PopupMenuClickSelAll,
                                                             &TNTabEd::PopupMenuClickEmptyCells};
    // The handlers of items 3 to 5 are set before each popup (column or row).
    static constexpr THandler HeadHandlers[HeadItemCount] = {&TNTabEd::PopupMenuClickChangeID,
                                                             &TNTabEd::PopupMenuClickPrecision, nullptr, nullptr,
                                                             nullptr};

    FPopupD = new TPopupMenu(this);
    FPopupD->SetName(QStringLiteral("PopupDTAction"));
    for (int I = 0; I < DataItemCount; ++I) {
        TMenuItem* Item = AddItem(FPopupD->GetItems(), QStringLiteral("DIt%1").arg(I + 1),
                                  QString::fromLatin1(DataCaptions[I]), DataHandlers[I]);
        FDataItems[size_t(I)] = Item;
        if (I < 4)
            for (int S = 0; S < 4; ++S)
                FMarkItems[size_t(I)][size_t(S)] =
                    AddItem(Item, QString::fromLatin1(SubmenuNames[I]) + QString::number(S + 1),
                            QString::fromLatin1(ScopeCaptions[S]), MarkHandlers[I][S]);
    }
    FDataItems[PasteItem - 1]->SetEnabled(false);

    FPopupH = new TPopupMenu(this);
    FPopupH->SetName(QStringLiteral("PopupHTAction"));
    for (int I = 0; I < HeadItemCount; ++I)
        FHeadItems[size_t(I)] = AddItem(FPopupH->GetItems(), QStringLiteral("HIt%1").arg(I + 1),
                                        QString::fromLatin1(HeadCaptions[I]), HeadHandlers[I]);
}

// ---- masks and captions -----------------------------------------------------

void TNTabEd::SetPopupDMask(int Value)
{
    FPopupDMask = Value;
    for (int I = 1; I <= DataItemCount; ++I)
        FDataItems[size_t(I - 1)]->SetEnabled(MaskBit(Value, I) && (I != PasteItem || FDataCopyAvail));
    ChangedSetup();
}

void TNTabEd::SetPopupHMask(int Value)
{
    FPopupHMask = Value;
    for (int I = 1; I <= HeadItemCount; ++I)
        FHeadItems[size_t(I - 1)]->SetEnabled(MaskBit(Value, I));
    ChangedSetup();
}

namespace {
template <size_t N>
TDTNameStr CaptionOf(const std::array<TMenuItem*, N>& Items, int ix)
{
    return ix >= 1 && ix <= int(N) ? Items[size_t(ix - 1)]->GetCaption() : TDTNameStr();
}

template <size_t N>
void SetCaptionOf(const std::array<TMenuItem*, N>& Items, int ix, const TDTNameStr& Value)
{
    if (ix >= 1 && ix <= int(N))
        Items[size_t(ix - 1)]->SetCaption(Value.left(MaxDTNameLength));
}
} // namespace

TDTNameStr TNTabEd::GetPopupDCaptions(int ix) const { return CaptionOf(FDataItems, ix); }
void TNTabEd::SetPopupDCaptions(int ix, const TDTNameStr& Value) { SetCaptionOf(FDataItems, ix, Value); }
TDTNameStr TNTabEd::GetPopupHCaptions(int ix) const { return CaptionOf(FHeadItems, ix); }
void TNTabEd::SetPopupHCaptions(int ix, const TDTNameStr& Value) { SetCaptionOf(FHeadItems, ix, Value); }
TDTNameStr TNTabEd::GetPopupMCaptions(int ix) const { return CaptionOf(FMarkItems[0], ix); }
TDTNameStr TNTabEd::GetPopupUCaptions(int ix) const { return CaptionOf(FMarkItems[2], ix); }

void TNTabEd::SetPopupMCaptions(int ix, const TDTNameStr& Value)
{
    SetCaptionOf(FMarkItems[0], ix, Value);
    SetCaptionOf(FMarkItems[1], ix, Value);
}

void TNTabEd::SetPopupUCaptions(int ix, const TDTNameStr& Value)
{
    SetCaptionOf(FMarkItems[2], ix, Value);
    SetCaptionOf(FMarkItems[3], ix, Value);
}

// ---- opening ----------------------------------------------------------------

void TNTabEd::PrepareDataMenu()
{
    TBitmap Glyph;
    Glyph.LoadFromResourceName(FDataReadOnly ? QStringLiteral("CHECKEDBOX") : QStringLiteral("EMPTYBOX"));
    FDataItems[ReadOnlyItem - 1]->SetBitmap(&Glyph);
    if (FDataCopyAvail && MaskBit(FPopupDMask, PasteItem))
        FDataItems[PasteItem - 1]->SetEnabled(!FDataReadOnly);
    for (int I : {ClearItem, ExtractItem})
        FDataItems[size_t(I - 1)]->SetEnabled(MaskBit(FPopupDMask, I) && !FDataReadOnly);
}

void TNTabEd::PopupDataMenu(int X, int Y)
{
    PrepareDataMenu();
    if (OnBeforePopup)
        OnBeforePopup(this, FPopupD);
    FPopupD->SetPopupComponent(this);
    FPopupD->Popup(X, Y);
}

void TNTabEd::PrepareHeadingMenu()
{
    const bool Column = FPopupCell.X > FColOffset;
    FHeadItems[PrecisionItem - 1]->SetEnabled(MaskBit(FPopupHMask, PrecisionItem) && Column);
    FHeadItems[2]->SetEnabled(MaskBit(FPopupHMask, 3));
    FHeadItems[3]->SetEnabled(MaskBit(FPopupHMask, 4) && !FDataReadOnly);
    FHeadItems[4]->SetEnabled(MaskBit(FPopupHMask, 5) && !FDataReadOnly);
    using THandler = void (TNTabEd::*)(QObject*);
    const THandler Handlers[3] = {
        Column ? &TNTabEd::PopupMenuClickSelectCol : &TNTabEd::PopupMenuClickSelectRow,
        Column ? &TNTabEd::PopupMenuClickInsertCol : &TNTabEd::PopupMenuClickInsertRow,
        Column ? &TNTabEd::PopupMenuClickDeleteCol : &TNTabEd::PopupMenuClickDeleteRow};
    const QString Captions[3] = {Column ? QStringLiteral("Select Column") : QStringLiteral("Select Row"),
                                 Column ? QStringLiteral("Insert Column") : QStringLiteral("Insert Row"),
                                 Column ? QStringLiteral("Delete Column") : QStringLiteral("Delete Row")};
    for (int I = 0; I < 3; ++I) {
        TMenuItem* Item = FHeadItems[size_t(I + 2)];
        Item->SetCaption(Captions[I]);
        const THandler Handler = Handlers[I];
        Item->OnClick = [this, Handler](QObject* Sender) { (this->*Handler)(Sender); };
    }
}

void TNTabEd::InvertPopupCell()
{
    const TRect R = CellRect(FPopupCell.X, FPopupCell.Y);
    TCanvas* Canvas = GetCanvas();
    Canvas->GetPen()->SetMode(pmNot);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->Rectangle(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
    Canvas->GetPen()->SetMode(pmCopy);
    Canvas->GetBrush()->SetStyle(bsSolid);
}

void TNTabEd::PopupHeadingMenuAtCell(TGridCoord Cell)
{
    const TRect R = CellRect(Cell.X, Cell.Y);
    const TPoint Screen = ClientToScreen({R.Left + HeadingMenuOffset, R.Top + HeadingMenuOffset});
    PopupHeadingMenu(Screen.X, Screen.Y);
}

void TNTabEd::PopupHeadingMenu(int X, int Y)
{
    PrepareHeadingMenu();
    InvertPopupCell();
    if (OnBeforePopup)
        OnBeforePopup(this, FPopupH);
    FPopupH->SetPopupComponent(this);
    FPopupH->Popup(X, Y);
    // Closing the menu repaints, which takes the inverted frame away again.
    if (QMenu* Menu = FPopupH->GetMenu())
        connect(Menu, &QMenu::aboutToHide, this, [this] { Invalidate(); });
}

// ---- mark handlers ----------------------------------------------------------

void TNTabEd::PopupMenuClickMarkARange(QObject*) { ChangeMarks(msRange, cstMarkA, true); }
void TNTabEd::PopupMenuClickMarkAColumn(QObject*) { ChangeMarks(msColumn, cstMarkA, true); }
void TNTabEd::PopupMenuClickMarkARow(QObject*) { ChangeMarks(msRow, cstMarkA, true); }
void TNTabEd::PopupMenuClickMarkAAll(QObject*) { ChangeMarks(msAll, cstMarkA, true); }
void TNTabEd::PopupMenuClickMarkBRange(QObject*) { ChangeMarks(msRange, cstMarkB, true); }
void TNTabEd::PopupMenuClickMarkBColumn(QObject*) { ChangeMarks(msColumn, cstMarkB, true); }
void TNTabEd::PopupMenuClickMarkBRow(QObject*) { ChangeMarks(msRow, cstMarkB, true); }
void TNTabEd::PopupMenuClickMarkBAll(QObject*) { ChangeMarks(msAll, cstMarkB, true); }
void TNTabEd::PopupMenuClickUnMarkARange(QObject*) { ChangeMarks(msRange, cstMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAColumn(QObject*) { ChangeMarks(msColumn, cstMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkARow(QObject*) { ChangeMarks(msRow, cstMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkAAll(QObject*) { ChangeMarks(msAll, cstMarkA, false); }
void TNTabEd::PopupMenuClickUnMarkBRange(QObject*) { ChangeMarks(msRange, cstMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBColumn(QObject*) { ChangeMarks(msColumn, cstMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBRow(QObject*) { ChangeMarks(msRow, cstMarkB, false); }
void TNTabEd::PopupMenuClickUnMarkBAll(QObject*) { ChangeMarks(msAll, cstMarkB, false); }

void TNTabEd::PopupMenuClickUnMarkAll(QObject*)
{
    Data->UnmarkAllCells();
    RepaintNow();
    ChangedCellStates();
}

void TNTabEd::ApplyStates(const TGridRect& Cells, const std::function<quint8(quint8)>& Change)
{
    for (int C = Cells.Left; C <= Cells.Right; ++C)
        for (int R = Cells.Top; R <= Cells.Bottom; ++R)
            Data->SetCellState(C, R, Change(Data->GetCellState(C, R)));
}

void TNTabEd::ChangeMarks(TMarkScope Scope, quint8 Mask, bool Set)
{
    {
        TBulkScope Bulk(*this, false);
        ApplyStates(MarkBlock(Scope, DataSelection(), GetNrOfColumns(), GetNrOfRows()),
                    [Mask, Set](quint8 S) { return Set ? quint8(S | Mask) : quint8(S & ~Mask); });
    }
    RepaintNow();
    ChangedCellStates();
}

// ---- data handlers ----------------------------------------------------------

void TNTabEd::PopupMenuClickClear(QObject* Sender)
{
    {
        TBulkScope Bulk(*this);
        if (OnClear) {
            OnClear(Sender);
        } else {
            const TGridRect Sel = DataSelection();
            for (int C = Sel.Left; C <= Sel.Right; ++C)
                for (int R = Sel.Top; R <= Sel.Bottom; ++R) {
                    SetElem(C, R, 0);
                    Data->SetCellState(C, R, 0);
                }
        }
    }
    RepaintNow();
    ChangedData();
    ChangedCellStates();
}

void TNTabEd::PopupMenuClickEmptyCells(QObject*)
{
    {
        TBulkScope Bulk(*this);
        ApplyStates(DataSelection(), [](quint8 S) { return quint8(S ^ cstEmpty); });
    }
    RepaintNow();
    ChangedCellStates();
}

void TNTabEd::PopupMenuClickEdit(QObject*)
{
    SetDataReadOnly(!FDataReadOnly);
    ChangedSetup();
}

void TNTabEd::PopupMenuClickCopy(QObject*) { CopySelection(); }
void TNTabEd::PopupMenuClickPaste(QObject*) { PasteBuffer(); }
void TNTabEd::PopupMenuClickExtClip(QObject*) { ExtractFromClipboard(); }

void TNTabEd::PopupMenuClickSelAll(QObject*)
{
    SetDataSelection({1, 1, GetNrOfColumns(), GetNrOfRows()});
    RepaintNow();
    ChangedSelection();
}

// ---- heading handlers -------------------------------------------------------

void TNTabEd::PopupMenuClickChangeID(QObject*) { OpenNameEditor(); }

void TNTabEd::PopupMenuClickPrecision(QObject*)
{
    const int C = FPopupCell.X - FColOffset;
    if (C < 1 || C > GetNrOfColumns())
        return;
    SetPrecision(C, NextPrecision(GetPrecision(C)));
    // The menu opens again on the same heading, so the user can step on.
    PopupHeadingMenuAtCell(FPopupCell);
    ChangedLayout();
}

void TNTabEd::PopupMenuClickSelectCol(QObject*)
{
    SetSelection({FPopupCell.X, FRowOffset + 1, FPopupCell.X, GetNrOfRows() + FRowOffset});
    RepaintNow();
    ChangedSelection();
}

void TNTabEd::PopupMenuClickSelectRow(QObject*)
{
    SetSelection({FColOffset + 1, FPopupCell.Y, GetNrOfColumns() + FColOffset, FPopupCell.Y});
    RepaintNow();
    ChangedSelection();
}

void TNTabEd::PopupMenuClickInsertCol(QObject*)
{
    const int C = FPopupCell.X - FColOffset;
    {
        TBulkScope Bulk(*this);
        Data->InsertColumn(C);
        Data->SetColName(C, QStringLiteral("(...)"));
    }
    RepaintNow();
}

void TNTabEd::PopupMenuClickInsertRow(QObject*)
{
    const int R = FPopupCell.Y - FRowOffset;
    {
        TBulkScope Bulk(*this);
        Data->InsertRow(R);
        Data->SetRowName(R, QStringLiteral("(...)"));
    }
    RepaintNow();
}

void TNTabEd::PopupMenuClickDeleteCol(QObject*)
{
    RemoveColumn(FPopupCell.X - FColOffset);
    ChangedSetup();
}

void TNTabEd::PopupMenuClickDeleteRow(QObject*)
{
    RemoveRow(FPopupCell.Y - FRowOffset);
    ChangedSetup();
}

// ---- structure commands -----------------------------------------------------

void TNTabEd::InsertRow(int ix)
{
    if (ix < 1 || ix > GetNrOfRows() + 1)
        return;
    TSuppressScope Suppress(*this);
    Data->InsertRow(ix);
}

void TNTabEd::InsertColumn(int ix)
{
    if (ix < 1 || ix > GetNrOfColumns() + 1)
        return;
    TSuppressScope Suppress(*this);
    Data->InsertColumn(ix);
}

void TNTabEd::RemoveRow(int ix)
{
    if (ix < 1 || ix > GetNrOfRows() || GetNrOfRows() < 2)
        return;
    TSuppressScope Suppress(*this);
    HideEditor();
    Data->RemoveRow(ix);
}

void TNTabEd::RemoveColumn(int ix)
{
    if (ix < 1 || ix > GetNrOfColumns() || GetNrOfColumns() < 2)
        return;
    TSuppressScope Suppress(*this);
    HideEditor();
    Data->RemoveColumn(ix);
}

void TNTabEd::MirrorRows()
{
    TSuppressScope Suppress(*this);
    Data->MirrorRows();
}

void TNTabEd::MirrorColumns()
{
    TSuppressScope Suppress(*this);
    Data->MirrorColumns();
}

void TNTabEd::Clear()
{
    TSuppressScope Suppress(*this);
    Data->Clear();
    for (int C = 1; C <= GetNrOfColumns(); ++C)
        Data->SetColName(C, QStringLiteral("C-") + IntegerText(C));
    for (int R = 1; R <= GetNrOfRows(); ++R)
        Data->SetRowName(R, QStringLiteral("R-") + IntegerText(R));
    std::fill(FDecP.begin(), FDecP.end(), InitialPrecision);
}

int TNTabEd::FillMarkedCells(double Value, quint8 StateMask)
{
    TSuppressScope Suppress(*this);
    return Data->FillMarkedCells(Value, StateMask);
}

// ---- marks ------------------------------------------------------------------

void TNTabEd::InvertCellStates(quint8 StateMask)
{
    Data->InvertCellStates(StateMask);
    RepaintNow();
    ChangedCellStates();
}

void TNTabEd::ExchangeMarkings()
{
    Data->ExchangeMarkings();
    RepaintNow();
    ChangedCellStates();
}

void TNTabEd::MarkAllElemsA() { ChangeMarks(msAll, cstMarkA, true); }
void TNTabEd::MarkAllElemsB() { ChangeMarks(msAll, cstMarkB, true); }
void TNTabEd::UnMarkAllElems() { ChangeMarks(msAll, cstMarks, false); }

int TNTabEd::CountStates(quint8 Mask) const
{
    int Count = 0;
    for (int C = 1; C <= GetNrOfColumns(); ++C)
        for (int R = 1; R <= GetNrOfRows(); ++R)
            Count += (GetCellState(C, R) & Mask) != 0;
    return Count;
}

int TNTabEd::NrOfMarkedDataA() const { return CountStates(cstMarkA); }
int TNTabEd::NrOfMarkedDataB() const { return CountStates(cstMarkB); }

bool TNTabEd::IfRowMarked(int ARow) const
{
    if (ARow < 1 || ARow > GetNrOfRows())
        return false;
    for (int C = 1; C <= GetNrOfColumns(); ++C)
        if (GetCellState(C, ARow) & cstMarks)
            return true;
    return false;
}

bool TNTabEd::IfColumnMarked(int ACol) const
{
    if (ACol < 1 || ACol > GetNrOfColumns())
        return false;
    for (int R = 1; R <= GetNrOfRows(); ++R)
        if (GetCellState(ACol, R) & cstMarks)
            return true;
    return false;
}

bool TNTabEd::IfAnyMarked() const
{
    for (int R = 1; R <= GetNrOfRows(); ++R)
        if (IfRowMarked(R))
            return true;
    return false;
}

} // namespace vok
