// TNTabEd: in-place editing of cells, names, attributes and the comment;
// keyboard, wheel and mouse handling.
#include "CellText.h"
#include "NTabEdEditors.h"
#include "TabLayout.h"

#include <vok/Vok_gridedit.h>
#include <vok/Vok_ntabed.h>
#include <vok/Vok_syscolors.h>

#include <QKeyEvent>

#include <cmath>

namespace vok {

using namespace ntabed;

namespace {
constexpr int CommentHeight = 80;
constexpr int CommentRightMargin = 20;
constexpr int NameEditOffsetX = 30;
constexpr int NameEditOffsetY = 5;
constexpr int DataMenuOffsetX = 10;
constexpr int DataMenuOffsetY = -20;
const QChar EnterKey(13);
const QChar EscapeKey(27);

bool IsNavigationKey(quint16 Key)
{
    return Key == 0 || Key == VK_RETURN || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN;
}
} // namespace

// ---- the name and comment editors -------------------------------------------

TNTabEdNameEditor::TNTabEdNameEditor(TNTabEd* Editor)
    : TEdit(Editor)
    , FEditor(Editor)
{
    SetMaxLength(MaxDTNameLength);
    hide();
}

void TNTabEdNameEditor::KeyPress(QChar& Key)
{
    TEdit::KeyPress(Key);
    if (Key == EnterKey || Key == EscapeKey) {
        const bool Store = Key == EnterKey;
        Key = QChar();
        FEditor->CloseNameEditor(Store);
    }
}

TNTabEdCommentEditor::TNTabEdCommentEditor(TNTabEd* Editor)
    : QPlainTextEdit(Editor)
    , FEditor(Editor)
{
    QPalette Colors = palette();
    Colors.setColor(QPalette::Base, ColorToQColor(clTeal));
    Colors.setColor(QPalette::Text, ColorToQColor(clWhite));
    setPalette(Colors);
    hide();
}

void TNTabEdCommentEditor::keyPressEvent(QKeyEvent* Event)
{
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter || Event->key() == Qt::Key_Escape) {
        Event->accept();
        FEditor->CloseCommentEditor(Event->key() != Qt::Key_Escape);
        return;
    }
    QPlainTextEdit::keyPressEvent(Event);
}

TEdit* TNTabEd::NameEditor() const { return FNameEd; }
QPlainTextEdit* TNTabEd::CommentEditor() const { return FCommentMM; }

void TNTabEd::OpenNameEditor()
{
    const int GC = FPopupCell.X;
    const int GR = FPopupCell.Y;
    const bool ColumnHead = GR <= FRowOffset && GC > FColOffset;
    const bool RowHead = GC <= FColOffset && GR > FRowOffset;
    if (!FNameEd || FCommentMMActive || (!ColumnHead && !RowHead))
        return;
    QString Text;
    if (ColumnHead)
        Text = GR == 0 ? GetColName(GC - FColOffset) : IntegerText(GetColAttrib(GC - FColOffset));
    else
        Text = GC == 0 ? GetRowName(GR - FRowOffset) : IntegerText(GetRowAttrib(GR - FRowOffset));
    const TRect R = CellRect(GC, GR);
    const QPoint Origin = contentsRect().topLeft();
    FNameEd->move(R.Left + NameEditOffsetX + Origin.x(), R.Bottom + NameEditOffsetY + Origin.y());
    FNameEd->SetText(Text);
    FNameEd->selectAll();
    FNameEd->show();
    FNameEd->raise();
    FNameEd->setFocus();
    FNameEdActive = true;
}

void TNTabEd::CloseNameEditor(bool Store)
{
    if (!FNameEdActive)
        return;
    FNameEd->hide();
    FNameEdActive = false;
    setFocus();
    Invalidate();
    if (!Store)
        return;
    const int GC = FPopupCell.X;
    const int GR = FPopupCell.Y;
    const QString Text = FNameEd->GetText().left(MaxDTNameLength);
    if (GR <= FRowOffset) {
        const int C = GC - FColOffset;
        if (GR == 0)
            SetColName(C, Text);
        else if (const std::optional<quint8> Attrib = ParseAttribute(Text))
            SetColAttrib(C, *Attrib);
    } else {
        const int R = GR - FRowOffset;
        if (GC == 0)
            SetRowName(R, Text);
        else if (const std::optional<quint8> Attrib = ParseAttribute(Text))
            SetRowAttrib(R, *Attrib);
    }
    ChangedHeading();
}

void TNTabEd::OpenCommentEditor()
{
    if (!FCommentMM || FNameEdActive)
        return;
    const TRect R = CellRect(0, 0);
    DrawCommentCaption(R, R.Left + 3, R.Top + 2);
    const QPoint Origin = contentsRect().topLeft();
    const int Left = TCustomGrid::GetColWidths(0);
    FCommentMM->setGeometry(Left + Origin.x(), Origin.y(), std::max(0, GetWidth() - Left - CommentRightMargin),
                            CommentHeight);
    FCommentMM->setPlainText(GetComment());
    FCommentMM->show();
    FCommentMM->raise();
    FCommentMM->setFocus();
    FCommentMMActive = true;
}

void TNTabEd::CloseCommentEditor(bool Store)
{
    if (!FCommentMMActive)
        return;
    FCommentMM->hide();
    FCommentMMActive = false;
    setFocus();
    if (Store) {
        const QString Text = FCommentMM->toPlainText();
        const bool Differs = Text != GetComment();
        Data->SetFComment(Text);
        ChangedData();
        if (Differs)
            Q_EMIT commentChanged(Text);
    }
    Invalidate();
    ShowCellCursorAt(GetCol(), GetRow());
}

// ---- in-place editing of data cells -----------------------------------------

void TNTabEd::SetEditing(bool On)
{
    const TGridOptions Options = GetOptions();
    SetOptions(On ? Options | goEditing : Options & ~TGridOptions(goEditing));
}

bool TNTabEd::IsLockedGridCell(int ACol, int ARow) const
{
    return IsDataCell(ACol, ARow) && (GetCellState(ACol - FColOffset, ARow - FRowOffset) & cstLocked);
}

QString TNTabEd::GetEditText(int ACol, int ARow)
{
    const int C = ACol - FColOffset;
    const int R = ARow - FRowOffset;
    QString Value;
    if (IsNominalScale(Data->GetMScaleType(C))) {
        const double V = std::nearbyint(GetElem(C, R));
        const QString ID = V >= 1 && V <= MaxNominalIDs ? Data->GetNominalID(C, int(V)) : QString();
        Value = ID.isEmpty() ? IntegerText((long long)V) : ID;
    } else {
        Value = CellNumberText(GetElem(C, R), FNumWidth, GetPrecision(C));
    }
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, Value);
    return Value;
}

void TNTabEd::SetEditText(int ACol, int ARow, const QString& Value)
{
    const int C = ACol - FColOffset;
    const int R = ARow - FRowOffset;
    if (C >= 1 && R >= 1 && C <= GetNrOfColumns() && R <= GetNrOfRows()) {
        const quint8 State = GetCellState(C, R);
        int Integer = 0;
        if (IsNominalScale(Data->GetMScaleType(C))) {
            if (const int N = Data->OrdinalOfNominalID(C, Value, true); N > 0) {
                SetElem(C, R, N);
                Data->SetCellState(C, R, 0);
            } else if (IsValidDecInt(Value, Integer)) {
                SetElem(C, R, Integer);
                Data->SetCellState(C, R, State & ~cstNoNumber);
            } else {
                Data->SetCellState(C, R, State | cstNoNumber);
            }
        } else if (const std::optional<double> Number = ParseCellNumber(Value)) {
            SetElem(C, R, *Number);
            Data->SetCellState(C, R, State & ~cstNoNumber);
        } else {
            Data->SetCellState(C, R, State | cstNoNumber);
        }
        // The host hears of an edit like of any other change of the data.
        ChangedData();
        if (GetCellState(C, R) != State)
            ChangedCellStates();
    }
    TCustomDrawGrid::SetEditText(ACol, ARow, Value);
}

TEditStyle TNTabEd::GetEditStyle(int ACol, int)
{
    return IsNominalScale(Data->GetMScaleType(ACol - FColOffset)) ? esPickList : esSimple;
}

TInplaceEdit* TNTabEd::CreateEditor()
{
    auto* Editor = new TInplaceEditList(this);
    Editor->SetDropDownRows(FNomEditDropDownCount);
    Editor->OnGetPickListItems = [this](int ACol, int, QStringList& Items) {
        const int C = ACol - FColOffset;
        FColPickList.clear();
        for (int N = 1; N <= MaxNominalIDs; ++N)
            if (const QString ID = Data->GetNominalID(C, N); !ID.isEmpty())
                FColPickList.append(ID);
        Items = FColPickList;
    };
    return Editor;
}

// ---- keyboard ---------------------------------------------------------------

void TNTabEd::KeyPress(QChar& Key)
{
    const TGridRect Sel = GetSelection();
    const bool WasEnter = Key == EnterKey;
    if (IsLockedGridCell(Sel.Left, Sel.Top) || FDataReadOnly) {
        SetEditing(false);
        TCustomControl::KeyPress(Key); // OnKeyPress still hears it
    } else {
        SetEditing(true);
        TCustomDrawGrid::KeyPress(Key);
    }
    if (FAutoAdvance && WasEnter && (Key.isNull() || Key == EnterKey)) {
        quint16 Move = FAutoAdvanceDir == orVertical ? VK_DOWN : VK_RIGHT;
        KeyDown(Move, {});
    }
    if (Key == EscapeKey && GetInplaceEditor()) {
        SetEditing(false);
        HideEditor();
    }
}

void TNTabEd::KeyDown(quint16& Key, TShiftState Shift)
{
    const TGridRect Sel = GetSelection();
    if (IsLockedGridCell(Sel.Left, Sel.Top) && !IsNavigationKey(Key)) {
        SetEditing(false);
        Key = 0;
        return;
    }
    TCustomDrawGrid::KeyDown(Key, Shift);
    FOldSel = GetSelection();
    ChangedSelection();
    ShowCellCursorAt(GetCol(), GetRow());
    Invalidate();
}

bool TNTabEd::AfterWheel(bool Handled)
{
    ShowCellCursorAt(GetCol(), GetRow());
    ChangedSelection();
    Invalidate();
    return Handled;
}

bool TNTabEd::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return AfterWheel(TCustomDrawGrid::DoMouseWheelDown(Shift, MousePos));
}

bool TNTabEd::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return AfterWheel(TCustomDrawGrid::DoMouseWheelUp(Shift, MousePos));
}

// ---- mouse ------------------------------------------------------------------

void TNTabEd::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (FNameEdActive)
        return;
    if (FCommentMMActive) {
        TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
        FPopupCell = MouseCoord(X, Y);
        if (FPopupCell == TGridCoord{0, 0})
            CloseCommentEditor(false);
        return;
    }
    const TGridCoord P = MouseCoord(FLastPress.X, FLastPress.Y);
    const TGridCoord Q = MouseCoord(X, Y);
    FPopupCell = Q;
    if (P != Q)
        SetEditing(false); // a first click on a new cell only selects it
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    Invalidate();
    if (X <= 0 || X >= GetGridWidth() || Y <= 0 || Y >= GetGridHeight())
        return;
    FLastPress = {X, Y};
    const bool Internal = !GetPopupMenu() && !FBlockInternalPopup;
    if (IsDataCell(Q.X, Q.Y)) {
        if (P == Q && !FDataReadOnly)
            SetEditing(true); // a second click edits
        if (IsLockedGridCell(Q.X, Q.Y) || FDataReadOnly)
            SetEditing(false);
        if (Button == mbRight && Internal) {
            const TPoint Screen = ClientToScreen({X + DataMenuOffsetX, Y + DataMenuOffsetY});
            PopupDataMenu(Screen.X, Screen.Y);
        } else if (Button == mbLeft) {
            ShowCellCursorAt(GetCol(), GetRow());
        }
    } else if (Q == TGridCoord{0, 0}) {
        if (Button == mbRight && !FBlockInternalPopup && FCommentEditingAllowed)
            OpenCommentEditor();
    } else if ((Q.X > FColOffset || Q.Y > FRowOffset) && Button == mbRight && Internal) {
        PopupHeadingMenuAtCell(Q);
    }
}

void TNTabEd::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseUp(Button, Shift, X, Y);
    if (FNameEdActive)
        return;
    FPopupCell = MouseCoord(X, Y);
    UpdateEditingOption();
}

void TNTabEd::UpdateEditingOption()
{
    SetEditing(!IsLockedGridCell(FPopupCell.X, FPopupCell.Y) && !FDataReadOnly);
}

void TNTabEd::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseMove(Shift, X, Y);
    ReportSelection();
}

} // namespace vok
