#include "AccessibleCounting.h"
#include "LayoutTest.h"
#include "PictureTest.h"

#include <vok/Vok_edit.h>
#include <vok/Vok_gridedit.h>
#include <vok/Vok_ntabed.h>
#include <vok/Vok_syscolors.h>
#include <vok/Vok_sysservices.h>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <map>

using namespace vok;

namespace {

// An editor large enough to show every cell of a small table.
std::unique_ptr<TNTabEd> MakeEditor(int Cols = 3, int Rows = 4)
{
    auto Ed = std::make_unique<TNTabEd>();
    Ed->SetBounds(0, 0, 640, 400);
    Ed->Redimension(Cols, Rows);
    return Ed;
}

// What each data cell was about to show in the last paint.
struct TRendered
{
    QString Text;
    TColor TextColor;
    TColor Background;
    TFontStyles Style;
};

std::map<std::pair<int, int>, TRendered> RenderCells(TNTabEd& Ed)
{
    std::map<std::pair<int, int>, TRendered> Cells;
    Ed.OnBeforeRenderCell = [&Cells](QObject*, int C, int R, QString& Text, TColor& Fg, TColor& Bg, TFontStyles& St) {
        Cells[{C, R}] = {Text, Fg, Bg, St};
    };
    Ed.Repaint();
    Ed.OnBeforeRenderCell = nullptr;
    return Cells;
}

TRect GridCell(TNTabEd& Ed, int DataCol, int DataRow)
{
    return Ed.CellRect(DataCol + Ed.ColOffset(), DataRow + Ed.RowOffset());
}

void ClickGridCell(TNTabEd& Ed, int GridCol, int GridRow, TMouseButton Button = mbLeft)
{
    const TRect R = Ed.CellRect(GridCol, GridRow);
    const int X = (R.Left + R.Right) / 2;
    const int Y = (R.Top + R.Bottom) / 2;
    Ed.MouseDown(Button, Button == mbLeft ? TShiftState(ssLeft) : TShiftState(ssRight), X, Y);
    Ed.MouseUp(Button, {}, X, Y);
}

// Whether text in about this colour is drawn in the cell (anti-aliased
// glyphs reach the exact colour only in some pixels).
bool HasInk(const TNTabEd& Ed, TRect R, TColor Color)
{
    const QImage& Picture = Ed.GetPicture();
    const QColor Want = ColorToQColor(Color);
    for (int Y = std::max(0, R.Top); Y < std::min(R.Bottom, Picture.height()); ++Y)
        for (int X = std::max(0, R.Left); X < std::min(R.Right, Picture.width()); ++X) {
            const QColor Got = Picture.pixelColor(X, Y);
            if (std::abs(Got.red() - Want.red()) + std::abs(Got.green() - Want.green()) +
                    std::abs(Got.blue() - Want.blue()) < 90)
                return true;
        }
    return false;
}

void SelectData(TNTabEd& Ed, int L, int T, int R, int B) { Ed.SetDataSelection({L, T, R, B}); }

} // namespace

// ---- construction and mapping ------------------------------------------------

TEST(NTabEdLayout, FreshEditorHasThreeByFourZerosWithAttributeColumn)
{
    TNTabEd Ed;
    EXPECT_EQ(Ed.GetNrOfColumns(), 3);
    EXPECT_EQ(Ed.GetNrOfRows(), 4);
    EXPECT_EQ(Ed.GetColCount(), 5);
    EXPECT_EQ(Ed.GetRowCount(), 5);
    EXPECT_EQ(Ed.GetFixedCols(), 2);
    EXPECT_EQ(Ed.GetFixedRows(), 1);
    EXPECT_TRUE(Ed.GetAttribRowVisible());
    EXPECT_FALSE(Ed.GetAttribColVisible());
    EXPECT_EQ(Ed.TCustomGrid::GetColWidths(0), 80);
    EXPECT_EQ(Ed.TCustomGrid::GetColWidths(1), 32);
    for (int C = 1; C <= 3; ++C) {
        EXPECT_EQ(Ed.GetPrecision(C), 3);
        for (int R = 1; R <= 4; ++R) {
            EXPECT_EQ(Ed.GetElem(C, R), 0.0);
            EXPECT_EQ(Ed.GetCellState(C, R), 0);
        }
    }
    EXPECT_FALSE(Ed.GetDataCopyAvail());
    EXPECT_EQ(Ed.focusPolicy(), Qt::StrongFocus);
}

TEST(NTabEdLayout, AttributeLinesMoveWidthsAndKeepTheSelectedDataCell)
{
    auto Ed = MakeEditor(3, 4);
    Ed->SetColWidths(1, 50);
    Ed->SetColWidths(2, 60);
    Ed->SetColWidths(3, 70);
    Ed->SetColWidths(-1, 40);
    SelectData(*Ed, 2, 3, 2, 3);
    QSignalSpy Layout(Ed.get(), &TNTabEd::layoutChanged);

    Ed->SetAttribRowVisible(false);
    EXPECT_EQ(Ed->ColOffset(), 0);
    EXPECT_EQ(Ed->GetFixedCols(), 1);
    EXPECT_EQ(Ed->GetColCount(), 4);
    EXPECT_EQ(Ed->GetColWidths(-1), 0);
    EXPECT_EQ(Ed->GetColWidths(1), 50);
    EXPECT_EQ(Ed->GetColWidths(3), 70);
    EXPECT_EQ(Ed->DataSelection(), GridRect(2, 3, 2, 3));

    Ed->SetAttribRowVisible(true);
    EXPECT_EQ(Ed->GetColWidths(-1), 40); // FClassColWidth came back
    EXPECT_EQ(Ed->GetColWidths(2), 60);
    EXPECT_EQ(Ed->GetColWidths(3), 70);

    Ed->SetRowHeights(0, 30);
    Ed->SetAttribColVisible(true);
    EXPECT_EQ(Ed->RowOffset(), 1);
    EXPECT_EQ(Ed->GetFixedRows(), 2);
    EXPECT_EQ(Ed->GetRowHeights(1), 30); // the attribute row takes the heading's height
    EXPECT_EQ(Ed->DataSelection(), GridRect(2, 3, 2, 3));
    Ed->SetAttribColVisible(true); // already shown: nothing
    EXPECT_EQ(Layout.count(), 3);
}

TEST(NTabEdLayout, ResizingCarriesLastWidthAndPrecisionAndFailsWithoutChange)
{
    auto Ed = MakeEditor(2, 2);
    Ed->SetColWidths(2, 77);
    Ed->SetPrecision(2, 6);
    QSignalSpy Setup(Ed.get(), &TNTabEd::changeSetup);
    Ed->SetNrOfColumns(4);
    EXPECT_EQ(Ed->GetColCount(), 6);
    EXPECT_EQ(Ed->GetColWidths(3), 77);
    EXPECT_EQ(Ed->GetColWidths(4), 77);
    EXPECT_EQ(Ed->GetPrecision(4), 6);
    EXPECT_EQ(Setup.count(), 1);
    Ed->SetNrOfColumns(1);
    EXPECT_EQ(Ed->GetPrecision(2), 0); // cut at the end

    EXPECT_THROW(Ed->Redimension(100000, 100000), EVOKMathError);
    EXPECT_EQ(Ed->GetNrOfColumns(), 1);
    EXPECT_EQ(Ed->GetColCount(), 3);
    EXPECT_EQ(Ed->GetRowCount(), 3);

    // Insertions through the table are followed by the grid too.
    Ed->Data->InsertRow(1);
    EXPECT_EQ(Ed->GetRowCount(), 4);
}

TEST(NTabEdLayout, PrecisionClampsAndStepsDownToMinusOneThenTen)
{
    auto Ed = MakeEditor();
    Ed->SetPrecision(1, 25);
    EXPECT_EQ(Ed->GetPrecision(1), 10);
    Ed->SetPrecision(1, -7);
    EXPECT_EQ(Ed->GetPrecision(1), -1);
    EXPECT_EQ(Ed->GetPrecision(0), 0);
    EXPECT_EQ(Ed->GetPrecision(4), 0);

    Ed->SetPrecision(2, 0);
    ClickGridCell(*Ed, 2 + Ed->ColOffset(), 0, mbRight); // column heading: popup cell
    Ed->PopupMenuClickPrecision(nullptr);
    EXPECT_EQ(Ed->GetPrecision(2), -1);
    Ed->PopupMenuClickPrecision(nullptr);
    EXPECT_EQ(Ed->GetPrecision(2), 10);
}

TEST(NTabEdLayout, ScrollingInDataNumbersIsClamped)
{
    auto Ed = MakeEditor(40, 200);
    Ed->SetBounds(0, 0, 300, 200);
    Ed->SetLeftCol(0);
    EXPECT_EQ(Ed->GetLeftCol(), 1);
    Ed->SetLeftCol(1000);
    EXPECT_EQ(Ed->TCustomGrid::GetLeftCol(), Ed->GetLayout().MaxTopLeft().X);
    Ed->SetTopRow(50);
    EXPECT_EQ(Ed->GetTopRow(), 50);
}

TEST(NTabEdLayout, ScrollingNotifiesOnlyWhatMoved)
{
    auto Ed = MakeEditor(40, 200);
    Ed->SetBounds(0, 0, 300, 200);
    QSignalSpy Rows(Ed.get(), &TNTabEd::topRowChanged);
    QSignalSpy Cols(Ed.get(), &TNTabEd::leftColChanged);
    Ed->SetTopRow(50);
    Ed->SetTopRow(50);
    ASSERT_EQ(Rows.count(), 1);
    EXPECT_EQ(Rows[0][0].toInt(), 50);
    EXPECT_EQ(Cols.count(), 0);
    Ed->SetLeftCol(3);
    EXPECT_EQ(Rows.count(), 1);
    ASSERT_EQ(Cols.count(), 1);
    EXPECT_EQ(Cols[0][0].toInt(), 3);
}

TEST(NTabEdLayout, AutoSizesFollowTheTexts)
{
    auto Ed = MakeEditor(2, 3);
    Ed->SetColName(1, QStringLiteral("A rather long column name"));
    Ed->SetElem(1, 1, 1234.5);
    QSignalSpy Layout(Ed.get(), &TNTabEd::layoutChanged);
    const int WithHeader = Ed->AutoColWidth(1, true, 0);
    const int WithoutHeader = Ed->AutoColWidth(1, false, 0);
    EXPECT_GT(WithHeader, WithoutHeader);
    EXPECT_EQ(Ed->GetColWidths(1), WithoutHeader);
    EXPECT_EQ(Ed->AutoColWidth(1, false, 5), WithoutHeader + 5);
    EXPECT_EQ(Ed->AutoColWidth(7, true, 0), 8);
    EXPECT_EQ(Layout.count(), 4);
    const int H = Ed->AutoRowHeight(2, 3);
    EXPECT_EQ(Ed->GetRowHeights(2), H);
    EXPECT_EQ(Ed->AutoRowHeight(99, 0), H - 3); // out of range: only the result
}

// ---- rendering ---------------------------------------------------------------

TEST(NTabEdRender, CellTextsFollowStatesAndNominalScales)
{
    auto Ed = MakeEditor(2, 4);
    Ed->SetCellState(1, 1, cstNoNumber | cstEmpty);
    Ed->SetCellState(1, 2, cstNoNumber);
    Ed->SetCellState(1, 3, cstEmpty);
    Ed->Data->SetMScaleType(2, mstNominal);
    Ed->Data->SetNominalID(2, 2, QStringLiteral("steel"));
    Ed->SetElem(2, 1, 2.4);
    Ed->SetElem(2, 2, 151);
    Ed->SetElem(2, 3, 5);
    const auto Cells = RenderCells(*Ed);
    EXPECT_EQ(Cells.at({1, 1}).Text, QString());
    EXPECT_EQ(Cells.at({1, 2}).Text, QStringLiteral("-nan-"));
    EXPECT_EQ(Cells.at({1, 3}).Text, QString());
    EXPECT_EQ(Cells.at({2, 1}).Text, QStringLiteral("steel"));
    EXPECT_EQ(Cells.at({2, 2}).Text, QStringLiteral("nominal:151"));
    EXPECT_EQ(Cells.at({2, 3}).Text, QStringLiteral("nominal:5"));
    EXPECT_EQ(Cells.size(), 8u);
}

TEST(NTabEdRender, NumbersShowInTheCellNumberFormatOfTheirColumn)
{
    auto Ed = MakeEditor(2, 5);
    const double Values[] = {1234.5, 123456.7, 0, 0.0004, 1e150};
    for (int R = 1; R <= 5; ++R) {
        Ed->SetElem(1, R, Values[R - 1]);
        Ed->SetElem(2, R, Values[R - 1]);
    }
    Ed->SetPrecision(2, 9);
    const auto Cells = RenderCells(*Ed);
    EXPECT_EQ(Cells.at({1, 1}).Text, QStringLiteral("1234.500"));
    EXPECT_EQ(Cells.at({1, 2}).Text, QStringLiteral(" 1.2E+05"));
    EXPECT_EQ(Cells.at({1, 3}).Text, QStringLiteral("0.000"));
    EXPECT_EQ(Cells.at({1, 4}).Text, QStringLiteral(" 4.0E-04"));
    EXPECT_EQ(Cells.at({1, 5}).Text, QString(8, QLatin1Char('*')));
    EXPECT_EQ(Cells.at({2, 3}).Text, QStringLiteral(" 0.0E+00")); // precision 9: always exponent
    Ed->SetNumWidth(21);                                               // ignored
    EXPECT_EQ(Ed->GetNumWidth(), 1);
}

TEST(NTabEdRender, MarksAndSelectionChooseColoursAndStyle)
{
    auto Ed = MakeEditor(3, 2);
    Ed->SetElemMarkedA(1, 1, true);
    Ed->SetElemMarkedB(2, 1, true);
    Ed->SetCellState(3, 1, cstMarks | cstNoNumber);
    SelectData(*Ed, 1, 2, 2, 2); // the focused cell (2, 2) stays unselected in colour
    auto Cells = RenderCells(*Ed);
    EXPECT_EQ(Cells.at({1, 1}).TextColor, Ed->GetColorMarkedA());
    EXPECT_EQ(Cells.at({2, 1}).TextColor, Ed->GetColorMarkedB());
    EXPECT_EQ(Cells.at({3, 1}).TextColor, Ed->GetColorMarkedBoth());
    EXPECT_EQ(Cells.at({3, 1}).Text, QStringLiteral("-nan-"));
    EXPECT_EQ(Cells.at({1, 1}).Style, TFontStyles(fsBold));
    EXPECT_EQ(Cells.at({1, 2}).TextColor, Ed->GetColorRangeSelFG());
    EXPECT_EQ(Cells.at({1, 2}).Background, Ed->GetColorRangeSelBG());
    EXPECT_EQ(Cells.at({3, 2}).TextColor, Ed->GetColorNormal());
    EXPECT_EQ(Cells.at({3, 2}).Style, TFontStyles());

    Ed->SetBoldMarks(false);
    Cells = RenderCells(*Ed);
    EXPECT_EQ(Cells.at({1, 1}).Style, TFontStyles());
}

TEST(NTabEdRender, WhatTheRenderHookLeavesIsDrawn)
{
    auto Ed = MakeEditor(1, 1);
    Ed->OnBeforeRenderCell = [](QObject*, int, int, QString& Text, TColor&, TColor& Bg, TFontStyles&) {
        Text.clear();
        Bg = clLime;
    };
    Ed->Repaint();
    const TRect R = GridCell(*Ed, 1, 1);
    EXPECT_EQ(Ed->GetCanvas()->GetPixel(R.Right - 3, R.Bottom - 3), TColor(clLime));
}

TEST(NTabEdRender, HeadingOfTheSelectedColumnAndRowIsHighlighted)
{
    auto Ed = MakeEditor(3, 3);
    Ed->SetColorSelected(clRed);
    Ed->SetColorNormal(clBlue);
    Ed->SetBoldSelHeads(false);
    for (int C = 1; C <= 3; ++C)
        Ed->SetColName(C, QStringLiteral("HHHH"));
    for (int R = 1; R <= 3; ++R)
        Ed->SetRowName(R, QStringLiteral("HHHH"));
    SelectData(*Ed, 2, 3, 2, 3);
    Ed->Repaint();
    EXPECT_TRUE(HasInk(*Ed, Ed->CellRect(2 + Ed->ColOffset(), 0), clRed));
    EXPECT_FALSE(HasInk(*Ed, Ed->CellRect(1 + Ed->ColOffset(), 0), clRed));
    EXPECT_TRUE(HasInk(*Ed, Ed->CellRect(1 + Ed->ColOffset(), 0), clBlue));
    EXPECT_TRUE(HasInk(*Ed, Ed->CellRect(0, 3), clRed));
    EXPECT_FALSE(HasInk(*Ed, Ed->CellRect(0, 2), clRed));
}

TEST(NTabEdRender, SuppressionStopsPaintingAndEvents)
{
    auto Ed = MakeEditor();
    int Layouts = 0;
    Ed->OnLayoutChanged = [&Layouts](QObject*) { ++Layouts; };
    Ed->SetSuppressPaint(true);
    Ed->SetColorNormal(clRed);
    EXPECT_EQ(Layouts, 0);
    int Painted = 0;
    Ed->OnBeforeRenderCell = [&Painted](QObject*, int, int, QString&, TColor&, TColor&, TFontStyles&) { ++Painted; };
    Ed->Paint();
    EXPECT_EQ(Painted, 0);
    Ed->SetSuppressPaint(false); // repaints at once
    EXPECT_EQ(Painted, 12);
    Ed->SetColorNormal(clBlue);
    EXPECT_EQ(Layouts, 1);
}

// ---- editing -----------------------------------------------------------------

TEST(NTabEdEditing, NumericTextIsParsedOrFlagged)
{
    auto Ed = MakeEditor();
    const int C = 1 + Ed->ColOffset();
    const int R = 1 + Ed->RowOffset();
    QSignalSpy Changed(Ed.get(), &TNTabEd::changed);
    Ed->SetEditText(C, R, QStringLiteral("1,5"));
    EXPECT_EQ(Ed->GetElem(1, 1), 1.5);
    Ed->SetEditText(C, R, QStringLiteral("  2.5  "));
    EXPECT_EQ(Ed->GetElem(1, 1), 2.5);
    Ed->SetCellState(1, 1, cstEmpty);
    Ed->SetEditText(C, R, QStringLiteral("abc"));
    EXPECT_EQ(Ed->GetElem(1, 1), 2.5);
    EXPECT_EQ(Ed->GetCellState(1, 1), cstEmpty | cstNoNumber);
    Ed->SetEditText(C, R, QStringLiteral("-3e2"));
    EXPECT_EQ(Ed->GetElem(1, 1), -300.0);
    EXPECT_EQ(Ed->GetCellState(1, 1), cstEmpty); // the empty flag stays
    EXPECT_EQ(Changed.count(), 4);
    Ed->SetEditText(C, R, QStringLiteral("\t7")); // only blanks are trimmed
    EXPECT_EQ(Ed->GetElem(1, 1), -300.0);
}

TEST(NTabEdEditing, NominalInputStoresNumbersAndClearsFlagsAndMarks)
{
    auto Ed = MakeEditor();
    Ed->Data->SetMScaleType(2, mstBinary);
    Ed->Data->SetNominalID(2, 1, QStringLiteral("no"));
    Ed->Data->SetNominalID(2, 3, QStringLiteral("yes"));
    const int C = 2 + Ed->ColOffset();
    const int R = 1 + Ed->RowOffset();
    EXPECT_EQ(Ed->GetEditStyle(C, R), esPickList);
    EXPECT_EQ(Ed->GetEditStyle(C - 1, R), esSimple);

    Ed->SetCellState(2, 1, cstMarks | cstNoNumber | cstLocked);
    Ed->SetEditText(C, R, QStringLiteral("YES"));
    EXPECT_EQ(Ed->GetElem(2, 1), 3.0);
    EXPECT_EQ(Ed->GetCellState(2, 1), 0);
    EXPECT_EQ(Ed->GetEditText(C, R), QStringLiteral("yes"));

    Ed->SetCellState(2, 1, cstNoNumber | cstMarkA);
    Ed->SetEditText(C, R, QStringLiteral("7"));
    EXPECT_EQ(Ed->GetElem(2, 1), 7.0);
    EXPECT_EQ(Ed->GetCellState(2, 1), cstMarkA);
    EXPECT_EQ(Ed->GetEditText(C, R), QStringLiteral("7"));

    Ed->SetEditText(C, R, QStringLiteral("maybe"));
    EXPECT_EQ(Ed->GetElem(2, 1), 7.0);
    EXPECT_EQ(Ed->GetCellState(2, 1), cstMarkA | cstNoNumber);

    // The pick list offers the identifiers in number order.
    Ed->SetFocus();
    SelectData(*Ed, 2, 1, 2, 1);
    Ed->SetOptions(Ed->GetOptions() | goEditing);
    Ed->ShowEditor();
    auto* List = qobject_cast<TInplaceEditList*>(Ed->GetInplaceEditor());
    ASSERT_NE(List, nullptr);
    EXPECT_EQ(List->GetDropDownRows(), 8);
    List->DropDown();
    EXPECT_EQ(List->GetPickListItems(), QStringList({QStringLiteral("no"), QStringLiteral("yes")}));
}

TEST(NTabEdEditing, LockedCellsAndReadOnlyRefuseTyping)
{
    auto Ed = MakeEditor();
    Ed->SetCellState(1, 1, cstLocked);
    SelectData(*Ed, 1, 1, 1, 1);
    QChar Key('5');
    Ed->KeyPress(Key);
    EXPECT_FALSE(Ed->GetEditorMode());
    EXPECT_FALSE(Ed->GetOptions() & goEditing);
    quint16 Down = VK_DELETE;
    Ed->KeyDown(Down, {});
    EXPECT_EQ(Down, 0); // swallowed on a locked cell

    SelectData(*Ed, 2, 1, 2, 1);
    Key = QChar('5');
    Ed->KeyPress(Key);
    EXPECT_TRUE(Ed->GetEditorMode()); // typing on an editable cell edits at once
    Ed->HideEditor();

    QSignalSpy ReadOnly(Ed.get(), &TNTabEd::dataReadOnlyChanged);
    Ed->SetDataReadOnly(true);
    Ed->SetDataReadOnly(true);
    EXPECT_EQ(ReadOnly.count(), 1);
    Key = QChar('5');
    Ed->KeyPress(Key);
    EXPECT_FALSE(Ed->GetEditorMode());
}

TEST(NTabEdEditing, EnterAdvancesDownOrRight)
{
    auto Ed = MakeEditor();
    SelectData(*Ed, 1, 1, 1, 1);
    QChar Enter(13);
    Ed->KeyPress(Enter); // opens the editor, then moves on
    EXPECT_EQ(Ed->DataSelection(), GridRect(1, 2, 1, 2));
    Ed->SetAutoAdvanceDir(orHorizontal);
    Enter = QChar(13);
    Ed->KeyPress(Enter);
    EXPECT_EQ(Ed->DataSelection(), GridRect(2, 2, 2, 2));
    Ed->SetAutoAdvance(false);
    Enter = QChar(13);
    Ed->KeyPress(Enter);
    EXPECT_EQ(Ed->DataSelection(), GridRect(2, 2, 2, 2));
}

TEST(NTabEdEditing, SecondClickEditsUnlessLockedOrReadOnly)
{
    auto Ed = MakeEditor();
    Ed->show();
    ClickGridCell(*Ed, 2, 1);
    EXPECT_FALSE(Ed->GetEditorMode());
    ClickGridCell(*Ed, 2, 1);
    EXPECT_TRUE(Ed->GetEditorMode());
    Ed->HideEditor();

    Ed->SetCellState(2, 2, cstLocked);
    ClickGridCell(*Ed, 3, 2);
    ClickGridCell(*Ed, 3, 2);
    EXPECT_FALSE(Ed->GetEditorMode());

    Ed->SetDataReadOnly(true);
    ClickGridCell(*Ed, 2, 3);
    ClickGridCell(*Ed, 2, 3);
    EXPECT_FALSE(Ed->GetEditorMode());
}

TEST(NTabEdEditing, NameEditorStoresNamesAndClampedAttributes)
{
    auto Ed = MakeEditor();
    Ed->show();
    Ed->SetAttribColVisible(true);
    QSignalSpy Heading(Ed.get(), &TNTabEd::headingChanged);
    ClickGridCell(*Ed, 3, 0, mbRight); // column 2's name
    Ed->PopupMenuClickChangeID(nullptr);
    ASSERT_TRUE(Ed->NameEditorActive());
    Ed->NameEditor()->SetText(QStringLiteral("Flow"));
    QChar Enter(13);
    Ed->NameEditor()->KeyPress(Enter);
    EXPECT_FALSE(Ed->NameEditorActive());
    EXPECT_EQ(Ed->GetColName(2), QStringLiteral("Flow"));
    EXPECT_GE(Heading.count(), 1);

    ClickGridCell(*Ed, 1, 3, mbRight); // row 2's attribute
    Ed->PopupMenuClickChangeID(nullptr);
    Ed->NameEditor()->SetText(QStringLiteral("300"));
    Ed->CloseNameEditor(true);
    EXPECT_EQ(Ed->GetRowAttrib(2), 255);
    ClickGridCell(*Ed, 1, 3, mbRight);
    Ed->PopupMenuClickChangeID(nullptr);
    Ed->NameEditor()->SetText(QStringLiteral("12.5"));
    Ed->CloseNameEditor(true);
    EXPECT_EQ(Ed->GetRowAttrib(2), 12); // ties to even
    ClickGridCell(*Ed, 1, 3, mbRight);
    Ed->PopupMenuClickChangeID(nullptr);
    Ed->NameEditor()->SetText(QStringLiteral("x"));
    Ed->CloseNameEditor(true);
    EXPECT_EQ(Ed->GetRowAttrib(2), 12); // invalid text ignored
    ClickGridCell(*Ed, 4, 1, mbRight); // column 3's attribute
    Ed->PopupMenuClickChangeID(nullptr);
    Ed->NameEditor()->SetText(QStringLiteral("9"));
    Ed->CloseNameEditor(false); // Escape stores nothing
    EXPECT_EQ(Ed->GetColAttrib(3), 0);
}

TEST(NTabEdEditing, CommentEditorOpensOnTheCornerAndStoresOnEnter)
{
    auto Ed = MakeEditor();
    Ed->show();
    Ed->SetComment(QStringLiteral("run\t1"));
    EXPECT_EQ(Ed->GetComment(), QStringLiteral("run1"));
    QSignalSpy Changed(Ed.get(), &TNTabEd::changed);
    Ed->MouseDown(mbRight, ssRight, 5, 5);
    ASSERT_TRUE(Ed->CommentEditorActive());
    EXPECT_EQ(Ed->CommentEditor()->toPlainText(), QStringLiteral("run1"));
    Ed->CommentEditor()->setPlainText(QStringLiteral("run 2"));
    QTest::keyClick(Ed->CommentEditor(), Qt::Key_Return);
    EXPECT_FALSE(Ed->CommentEditorActive());
    EXPECT_EQ(Ed->GetComment(), QStringLiteral("run 2"));
    EXPECT_EQ(Changed.count(), 1);

    Ed->SetCommentEditingAllowed(false);
    Ed->MouseDown(mbRight, ssRight, 5, 5);
    EXPECT_FALSE(Ed->CommentEditorActive());
}

// ---- commands ----------------------------------------------------------------

TEST(NTabEdCommands, MarkCommandsCoverRangeColumnRowAndAll)
{
    auto Ed = MakeEditor(4, 4);
    SelectData(*Ed, 2, 2, 3, 3);
    Ed->PopupMenuClickMarkARange(nullptr);
    EXPECT_EQ(Ed->NrOfMarkedDataA(), 4);
    Ed->PopupMenuClickMarkBColumn(nullptr);
    EXPECT_EQ(Ed->NrOfMarkedDataB(), 8);
    EXPECT_TRUE(Ed->GetElemMarkedB(2, 4));
    Ed->PopupMenuClickUnMarkBRow(nullptr);
    EXPECT_EQ(Ed->NrOfMarkedDataB(), 4); // rows 1 and 4 of columns 2, 3 stay
    Ed->PopupMenuClickMarkAAll(nullptr);
    EXPECT_EQ(Ed->NrOfMarkedDataA(), 16);
    Ed->PopupMenuClickUnMarkAColumn(nullptr);
    EXPECT_EQ(Ed->NrOfMarkedDataA(), 8);
    EXPECT_TRUE(Ed->IfColumnMarked(1));
    EXPECT_FALSE(Ed->IfColumnMarked(5));
    Ed->SetCellState(1, 1, cstLocked | cstMarkA);
    Ed->PopupMenuClickUnMarkAll(nullptr);
    EXPECT_FALSE(Ed->IfAnyMarked());
    EXPECT_EQ(Ed->GetCellState(1, 1), cstLocked); // other bits kept
    Ed->MarkAllElemsB();
    Ed->ExchangeMarkings();
    EXPECT_EQ(Ed->NrOfMarkedDataA(), 16);
    Ed->UnMarkAllElems();
    EXPECT_FALSE(Ed->IfRowMarked(1));
}

TEST(NTabEdCommands, ClearUsesTheHostHandlerWhenThereIsOne)
{
    auto Ed = MakeEditor();
    Ed->Fill(5);
    Ed->SetCellState(2, 2, cstMarkA | cstNoNumber);
    SelectData(*Ed, 2, 2, 3, 2);
    QSignalSpy Changed(Ed.get(), &TNTabEd::changed);
    QSignalSpy States(Ed.get(), &TNTabEd::cellStateChanged);
    QObject* Cleared = nullptr;
    Ed->OnClear = [&Cleared](QObject* Sender) { Cleared = Sender; };
    TMenuItem* Item = Ed->DataPopup()->GetItems()->GetItem(5);
    Item->Click();
    EXPECT_EQ(Cleared, Item);
    EXPECT_EQ(Ed->GetElem(2, 2), 5.0);

    Ed->OnClear = nullptr;
    Item->Click();
    EXPECT_EQ(Ed->GetElem(2, 2), 0.0);
    EXPECT_EQ(Ed->GetCellState(2, 2), 0);
    EXPECT_EQ(Ed->GetElem(3, 2), 0.0);
    EXPECT_EQ(Ed->GetElem(1, 2), 5.0);
    EXPECT_EQ(Changed.count(), 2);
    EXPECT_EQ(States.count(), 2);
}

TEST(NTabEdCommands, ToggleEmptyAndSelectAll)
{
    auto Ed = MakeEditor(2, 2);
    SelectData(*Ed, 1, 1, 1, 2);
    Ed->SetCellState(1, 1, cstEmpty);
    Ed->PopupMenuClickEmptyCells(nullptr);
    EXPECT_EQ(Ed->GetCellState(1, 1), 0);
    EXPECT_EQ(Ed->GetCellState(1, 2), cstEmpty);
    QSignalSpy Sel(Ed.get(), &TNTabEd::selectionChanged);
    Ed->PopupMenuClickSelAll(nullptr);
    EXPECT_EQ(Ed->DataSelection(), GridRect(1, 1, 2, 2));
    EXPECT_EQ(Sel.count(), 1);
}

TEST(NTabEdCommands, StructureCommandsKeepLimits)
{
    auto Ed = MakeEditor(1, 2);
    Ed->RemoveColumn(1);
    EXPECT_EQ(Ed->GetNrOfColumns(), 1);
    Ed->InsertColumn(3);
    EXPECT_EQ(Ed->GetNrOfColumns(), 1);
    Ed->InsertColumn(2);
    EXPECT_EQ(Ed->GetNrOfColumns(), 2);
    EXPECT_EQ(Ed->GetColCount(), 4);
    Ed->RemoveRow(3);
    Ed->RemoveRow(1);
    EXPECT_EQ(Ed->GetNrOfRows(), 1);
    EXPECT_EQ(Ed->GetRowCount(), 2);

    Ed->Redimension(2, 2);
    Ed->SetPrecision(1, 7);
    Ed->Clear();
    EXPECT_EQ(Ed->GetColName(2), QStringLiteral("C-2"));
    EXPECT_EQ(Ed->GetRowName(1), QStringLiteral("R-1"));
    EXPECT_EQ(Ed->GetPrecision(1), 3);

    Ed->SetElem(1, 1, 1);
    Ed->SetElem(1, 2, 2);
    Ed->MirrorRows();
    EXPECT_EQ(Ed->GetElem(1, 1), 2.0);
    Ed->SetCellState(2, 1, cstMarkB);
    EXPECT_EQ(Ed->FillMarkedCells(9, cstMarkB), 1);
    EXPECT_EQ(Ed->GetElem(2, 1), 9.0);
}

TEST(NTabEdCommands, HeadingMenuAdaptsToRowsAndColumns)
{
    auto Ed = MakeEditor(3, 3);
    Ed->show();
    std::vector<TPopupMenu*> Opened;
    Ed->OnBeforePopup = [&Opened](QObject*, TPopupMenu* Menu) { Opened.push_back(Menu); };
    ClickGridCell(*Ed, 0, 2, mbRight); // row-name column
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0], Ed->HeadingPopup());
    EXPECT_EQ(Ed->HeadingPopup()->GetName(), QStringLiteral("PopupHTAction"));
    EXPECT_EQ(Ed->GetPopupHCaptions(3), QStringLiteral("Select Row"));
    EXPECT_EQ(Ed->GetPopupHCaptions(4), QStringLiteral("Insert Row"));
    EXPECT_EQ(Ed->GetPopupHCaptions(5), QStringLiteral("Delete Row"));
    TMenuItem* Items = Ed->HeadingPopup()->GetItems();
    EXPECT_FALSE(Items->GetItem(1)->GetEnabled()); // Change Precision
    Items->GetItem(3)->Click();                    // Insert Row before row 2
    EXPECT_EQ(Ed->GetNrOfRows(), 4);
    EXPECT_EQ(Ed->GetRowName(2), QStringLiteral("(...)"));
    Items->GetItem(2)->Click();
    EXPECT_EQ(Ed->DataSelection(), GridRect(1, 2, 3, 2));

    ClickGridCell(*Ed, 3, 0, mbRight); // column 2's heading
    EXPECT_EQ(Ed->GetPopupHCaptions(3), QStringLiteral("Select Column"));
    EXPECT_TRUE(Items->GetItem(1)->GetEnabled());
    Items->GetItem(4)->Click(); // Delete Column 2
    EXPECT_EQ(Ed->GetNrOfColumns(), 2);

    Ed->SetDataReadOnly(true);
    ClickGridCell(*Ed, 3, 0, mbRight);
    EXPECT_TRUE(Items->GetItem(2)->GetEnabled());
    EXPECT_FALSE(Items->GetItem(3)->GetEnabled());
    EXPECT_FALSE(Items->GetItem(4)->GetEnabled());

    Ed->SetBlockInternalPopup(true);
    ClickGridCell(*Ed, 3, 0, mbRight);
    EXPECT_EQ(Opened.size(), 3u);
}

TEST(NTabEdCommands, DataMenuNamesMasksAndPasteAvailability)
{
    auto Ed = MakeEditor();
    Ed->show();
    TPopupMenu* Menu = Ed->DataPopup();
    EXPECT_EQ(Menu->GetName(), QStringLiteral("PopupDTAction"));
    TMenuItem* Items = Menu->GetItems();
    ASSERT_EQ(Items->GetCount(), 12);
    EXPECT_EQ(Items->GetItem(0)->GetName(), QStringLiteral("DIt1"));
    EXPECT_EQ(Items->GetItem(11)->GetCaption(), QStringLiteral("Toggle Empty State"));
    EXPECT_EQ(Items->GetItem(2)->GetItem(3)->GetName(), QStringLiteral("U1It4"));
    EXPECT_EQ(Items->GetItem(1)->GetItem(0)->GetCaption(), QStringLiteral("Range"));
    EXPECT_FALSE(Items->GetItem(7)->GetEnabled()); // Paste before the first Copy

    Ed->SetPopupDMask(0x7FFFFFFF & ~0x20); // Clear masked off
    ClickGridCell(*Ed, 2, 1, mbRight);
    EXPECT_FALSE(Items->GetItem(5)->GetEnabled());
    EXPECT_FALSE(Items->GetItem(7)->GetEnabled());
    EXPECT_FALSE(Items->GetItem(8)->GetBitmap()->GetEmpty()); // the check-box glyph
    Ed->PopupMenuClickCopy(nullptr);
    ClickGridCell(*Ed, 2, 1, mbRight);
    EXPECT_TRUE(Items->GetItem(7)->GetEnabled());
    EXPECT_FALSE(Items->GetItem(5)->GetEnabled());

    Ed->SetPopupMCaptions(2, QStringLiteral("Whole column"));
    EXPECT_EQ(Items->GetItem(1)->GetItem(1)->GetCaption(), QStringLiteral("Whole column"));
    EXPECT_EQ(Ed->GetPopupDCaptions(13), QString());
}

// ---- copy buffer and clipboard ----------------------------------------------

TEST(NTabEdClipboard, PasteRestoresValuesAndStatesAtTheNewPlace)
{
    auto Ed = MakeEditor(4, 4);
    Ed->SetElem(1, 1, 1.5);
    Ed->SetCellState(1, 1, cstMarkA);
    Ed->SetCellState(2, 1, cstEmpty);
    Ed->SetCellState(1, 2, cstNoNumber | cstMarkB);
    SelectData(*Ed, 1, 1, 2, 2);
    Ed->PopupMenuClickCopy(nullptr);
    EXPECT_TRUE(Ed->GetDataCopyAvail());

    QSignalSpy Pasted(Ed.get(), &TNTabEd::pasted);
    SelectData(*Ed, 3, 3, 3, 3);
    Ed->PopupMenuClickPaste(nullptr);
    EXPECT_EQ(Ed->GetElem(3, 3), 1.5);
    EXPECT_EQ(Ed->GetCellState(3, 3), cstMarkA);
    EXPECT_EQ(Ed->GetCellState(4, 3), cstEmpty);
    EXPECT_EQ(Ed->GetCellState(3, 4), cstNoNumber | cstMarkB);
    EXPECT_EQ(Ed->DataSelection(), GridRect(3, 3, 4, 4));
    EXPECT_EQ(Pasted.count(), 1);

    SelectData(*Ed, 4, 4, 4, 4); // only the top-left cell fits
    Ed->PopupMenuClickPaste(nullptr);
    EXPECT_EQ(Ed->GetElem(4, 4), 1.5);
    EXPECT_EQ(Ed->DataSelection(), GridRect(4, 4, 4, 4));
}

TEST(NTabEdClipboard, CopyWritesTheTextByteForByte)
{
    auto Ed = MakeEditor(3, 3);
    Ed->SetElem(1, 1, 1);
    Ed->SetElem(2, 1, 2);
    Ed->SetElem(1, 2, 3);
    Ed->SetCellState(2, 2, cstEmpty);
    SelectData(*Ed, 1, 1, 2, 2);
    Ed->SetClipboardUseFullPrec(false);
    Ed->PopupMenuClickCopy(nullptr);
    EXPECT_EQ(Clipboard().GetAsText(), QStringLiteral(" 1.000\t2.000\r\n 3.000\t####\r\n"));
    SelectData(*Ed, 1, 1, 1, 1);
    Ed->SetClipboardUseFullPrec(true);
    Ed->PopupMenuClickCopy(nullptr);
    EXPECT_EQ(Clipboard().GetAsText(), QStringLiteral("  1.0000000000000E+0000\r\n"));
}

TEST(NTabEdClipboard, ExtractPlacesNumbersAtTheSelectionAndSelectsThem)
{
    auto Ed = MakeEditor(4, 4);
    QSignalSpy Pasted(Ed.get(), &TNTabEd::pasted);
    Clipboard().SetAsText(QStringLiteral("1\t2\r\n3\t4\r\n"));
    int NCols = 0;
    int NRows = 0;
    EXPECT_TRUE(Ed->GetClipMatrixSize(NCols, NRows));
    EXPECT_EQ(NCols, 2);
    EXPECT_EQ(NRows, 2); // the line ending the text holds no number
    SelectData(*Ed, 2, 2, 2, 2);
    Ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(Ed->GetElem(2, 2), 1.0);
    EXPECT_EQ(Ed->GetElem(3, 3), 4.0);
    EXPECT_EQ(Ed->DataSelection(), GridRect(2, 2, 3, 3));
    EXPECT_EQ(Pasted.count(), 1);

    // A line feed alone ends a row as CR LF does.
    Clipboard().SetAsText(QStringLiteral("5\t6\n7\t8"));
    SelectData(*Ed, 1, 1, 1, 1);
    Ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(Ed->GetElem(1, 2), 7.0);
    EXPECT_EQ(Ed->GetElem(2, 2), 8.0);

    // Numbers past the table's edge are dropped.
    Clipboard().SetAsText(QStringLiteral("2.5e3, 7."));
    SelectData(*Ed, 4, 4, 4, 4);
    Ed->PopupMenuClickExtClip(nullptr);
    EXPECT_EQ(Ed->GetElem(4, 4), 2500.0);
    EXPECT_EQ(Ed->DataSelection(), GridRect(4, 4, 4, 4));

    Clipboard().Clear();
    EXPECT_FALSE(Ed->GetClipMatrixSize(NCols, NRows));
    EXPECT_EQ(NCols, 1);
    EXPECT_EQ(NRows, 1);
}

// ---- sorting and other tables -------------------------------------------------

TEST(NTabEdTables, SortingWithHeadersMovesPrecisions)
{
    auto Ed = MakeEditor(3, 1);
    Ed->SetElem(1, 1, 3);
    Ed->SetElem(2, 1, 1);
    Ed->SetElem(3, 1, 2);
    Ed->SetPrecision(1, 5);
    Ed->SetColName(1, QStringLiteral("c"));
    QSignalSpy Changed(Ed.get(), &TNTabEd::changed);
    Ed->SortCols(1, true, 1, 1, 3, 1, true);
    EXPECT_EQ(Ed->GetElem(1, 1), 1.0);
    EXPECT_EQ(Ed->GetElem(3, 1), 3.0);
    EXPECT_EQ(Ed->GetPrecision(3), 5);
    EXPECT_EQ(Ed->FindColIndex(QStringLiteral("c")), 3);
    EXPECT_EQ(Ed->FindColIndex(QStringLiteral("none")), 0);
    EXPECT_GE(Changed.count(), 1);
    Ed->SortCols(1, false, 1, 1, 3, 1, false);
    EXPECT_EQ(Ed->GetPrecision(3), 5); // without headers precisions stay
}

TEST(NTabEdTables, AnotherTableIsShownAndNeverFreed)
{
    TDataTable Outside(2, 6);
    Outside.SetElem(2, 6, 42);
    {
        auto Ed = MakeEditor(3, 4);
        Ed->AssignAnotherDataMatrix(&Outside);
        EXPECT_EQ(Ed->GetNrOfRows(), 6);
        EXPECT_EQ(Ed->GetColCount(), 4);
        EXPECT_EQ(Ed->GetElem(2, 6), 42.0);
        QSignalSpy Changed(Ed.get(), &TNTabEd::changed);
        Outside.InsertRow(1); // hooked like the own table
        EXPECT_EQ(Ed->GetRowCount(), 8);
        EXPECT_EQ(Changed.count(), 1);
    }
    Outside.InsertRow(1); // the editor is gone and unhooked
    EXPECT_EQ(Outside.GetNrOfRows(), 8);
}

TEST(NTabEdTables, ContentsAndStatesFromAnotherEditor)
{
    auto A = MakeEditor(2, 2);
    auto B = MakeEditor(3, 3);
    B->SetElem(3, 3, 7);
    B->SetPrecision(2, 8);
    B->SetAttribColVisible(true);
    B->SetCellState(1, 1, cstMarkB);
    EXPECT_FALSE(A->CopyCellStatesFrom(B.get()));
    A->CopyContentsFrom(B.get());
    EXPECT_EQ(A->GetNrOfColumns(), 3);
    EXPECT_EQ(A->GetElem(3, 3), 7.0);
    EXPECT_EQ(A->GetPrecision(2), 8);
    EXPECT_TRUE(A->GetAttribColVisible());
    B->SetCellState(2, 2, cstMarkA);
    EXPECT_TRUE(A->CopyCellStatesFrom(B.get()));
    EXPECT_EQ(A->GetCellState(2, 2), cstMarkA);
}

// ---- Qt integration -------------------------------------------------------------

TEST(NTabEdQt, PropertiesEnumsAndAccessibility)
{
    AccessibleCounting<TNTabEd> Ed;
    EXPECT_TRUE(Ed.setProperty("AutoAdvanceDir", "orHorizontal"));
    EXPECT_EQ(Ed.GetAutoAdvanceDir(), orHorizontal);
    EXPECT_EQ(Ed.property("AutoAdvanceDir").toString(), QStringLiteral("orHorizontal"));
    EXPECT_TRUE(Ed.setProperty("NrOfRows", 9));
    EXPECT_EQ(Ed.GetNrOfRows(), 9);
    EXPECT_EQ(Ed.property("ColorNormal").toUInt(), 0x002000u);

    Ed.show();
    QAccessibleInterface* Iface = QAccessible::queryAccessibleInterface(&Ed);
    ASSERT_NE(Iface, nullptr);
    EXPECT_EQ(Iface->role(), QAccessible::Table);
    EXPECT_FALSE(Iface->state().readOnly);
    Ed.SetDataReadOnly(true);
    EXPECT_TRUE(Iface->state().readOnly);
    EXPECT_GE(Ed.StateChanges, 1);
    Ed.SetDataSelection({2, 3, 2, 3});
    quint16 Key = VK_DOWN;
    Ed.KeyDown(Key, {});
    EXPECT_GE(Ed.ValueChanges, 1);
    EXPECT_TRUE(Ed.AccessibleValueText().startsWith(QStringLiteral("2:4 ")));
}

TEST(NTabEdQt, NaturalSizeBesideALineEditShowsTheCells)
{
    auto* Ed = new TNTabEd;
    Ed->SetColName(1, QStringLiteral("Voltage"));
    const auto Window = test::ShowBesideLineEdit(Ed);
    EXPECT_GE(Ed->width(), Ed->minimumSizeHint().width());
    EXPECT_GE(Ed->height(), Ed->minimumSizeHint().height());
    Ed->Repaint();
    EXPECT_TRUE(HasInk(*Ed, Ed->CellRect(2, 0), Ed->GetColorSelected())); // the current column's name

    QPalette Dark = Ed->palette();
    Dark.setColor(QPalette::Base, Qt::black);
    Dark.setColor(QPalette::Window, Qt::black);
    const QImage Before = Ed->GetPicture().copy();
    Ed->setPalette(Dark);
    Ed->Repaint();
    EXPECT_NE(Ed->GetPicture(), Before);
}

TEST(NTabEdRender, PageMatchesTheGoldenPicture)
{
    // Names, an attribute column, precisions, marks, an empty and a locked
    // cell, the selection and the cell cursor, drawn as one picture.
    auto Ed = MakeEditor(4, 6);
    Ed->SetBounds(0, 0, 340, 150);
    const char* const Names[] = {"Strain", "Stress", "Load", "Temp"};
    for (int C = 1; C <= 4; ++C) {
        Ed->SetColName(C, QString::fromLatin1(Names[C - 1]));
        Ed->SetPrecision(C, C - 1);
        for (int R = 1; R <= 6; ++R)
            Ed->SetElem(C, R, C * 100.0 / 7 + R * 1.25);
    }
    Ed->SetRowName(1, QStringLiteral("S-01"));
    Ed->SetElemMarkedA(2, 2, true);
    Ed->SetElemMarkedB(3, 3, true);
    Ed->SetCellState(1, 4, cstEmpty);
    Ed->SetCellState(4, 5, cstLocked);
    Ed->SetDataSelection({2, 3, 3, 4});
    Ed->Repaint();
    EXPECT_TRUE(test::MatchesGolden(Ed->GetPicture(), QStringLiteral("ntabed-page")));
}
