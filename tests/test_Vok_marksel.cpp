#include "AccessibleCounting.h"
#include "MarkerGrid.h"

#include <vok/Vok_marksel.h>
#include <vok/Vok_syscolors.h>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSignalSpy>

using namespace vok;
using namespace vok::marksel;

namespace {
TMarkFlags AllVisible()
{
    TMarkFlags F;
    F.fill(true);
    return F;
}
} // namespace

TEST(MarkSelLayout, CellsRowByRowSkippingHiddenMarkers)
{
    const TCellAxis Horz = CellAxis(236, 8); // 29 pixels, margin 14
    const TCellAxis Vert = CellAxis(178, 6); // 29 pixels, margin 14
    EXPECT_EQ(Horz.Dist, 29);
    EXPECT_EQ(Horz.Margin, 14);
    TMarkFlags Vis = AllVisible();
    TMarkPoints P{};
    PlaceMarkers(Vis, 8, Horz, Vert, P);
    EXPECT_EQ(P[9], Point(14 + 29, 14 + 29));
    EXPECT_EQ(P[48], Point(14, 14 + 6 * 29)); // below the last row
    const TPoint Old5 = P[5];
    Vis[5] = false;
    PlaceMarkers(Vis, 8, Horz, Vert, P);
    EXPECT_EQ(P[6], Old5);
    EXPECT_EQ(P[5], Old5); // hidden: keeps its point
    EXPECT_EQ(NearestMarker(Vis, P, 48, Old5.X, Old5.Y), 6);
}

TEST(MarkSelLayout, NearestMarker)
{
    TMarkFlags Vis = AllVisible();
    TMarkPoints P{};
    PlaceMarkers(Vis, 8, CellAxis(244, 8), CellAxis(178, 6), P); // cells 30 x 29
    EXPECT_EQ(NearestMarker(Vis, P, 48, 60, 14), 1); // exactly between 1 and 2
    EXPECT_EQ(NearestMarker(Vis, P, 48, 61, 14), 2);
    // At the bottom edge marker 48 (below the grid) would be nearer than 40.
    EXPECT_EQ(NearestMarker(Vis, P, 48, 20, 176), 40);
    EXPECT_EQ(NearestMarker(Vis, P, 48, -50, -50), 0);
    Vis[3] = false; // now 48 holds the last cell
    PlaceMarkers(Vis, 8, CellAxis(244, 8), CellAxis(178, 6), P);
    EXPECT_EQ(NearestMarker(Vis, P, 48, 225, 159), 48);
    TMarkFlags OnlyZero{};
    OnlyZero[0] = true;
    EXPECT_EQ(NearestMarker(OnlyZero, P, 48, 200, 170), 0);
}

TEST(MarkSel, BoundsOfTheSettings)
{
    TMarkSel M;
    QSignalSpy Spy(&M, &TMarkSel::selectedChanged);
    M.SetSelected(52);
    M.SetSelected(-2);
    EXPECT_EQ(M.GetSelected(), -1);
    M.SetSelected(51);
    M.SetSelected(51);
    EXPECT_EQ(Spy.count(), 1);
    M.SetNrOfColumns(0);
    M.SetNrOfColumns(52);
    EXPECT_EQ(M.GetNrOfColumns(), 8);
    M.SetNrOfRows(51);
    EXPECT_EQ(M.GetNrOfRows(), 51);

    M.SetMarkVisible(0, false);
    EXPECT_TRUE(M.GetMarkVisible(0));
    M.HideAllMarks();
    EXPECT_TRUE(M.GetMarkVisible(0));
    EXPECT_FALSE(M.GetMarkVisible(51));
    EXPECT_TRUE(M.GetMarkVisible(60)); // reads marker 0
    EXPECT_TRUE(M.GetMarkVisible(-1));
    M.SetMarkVisible(52, true);
    M.ShowAllMarks();
    EXPECT_TRUE(M.GetMarkVisible(51));
}

TEST(MarkSel, ClickSelectsNearestAndHighlightFollowsThePointer)
{
    TMarkSel M;
    M.Paint();
    int Clicked = -1, DblClicked = -1;
    M.OnMarkClick = [&](QObject*, int, int, int Mark) { Clicked = Mark; };
    M.OnMarkDblClick = [&](QObject*, int, int, int Mark) { DblClicked = Mark; };
    const TPoint P9 = M.GetMarkCoords(9);
    M.MouseMove({}, P9.X + 1, P9.Y);
    EXPECT_EQ(M.GetHighlighted(), 9);
    EXPECT_EQ(M.GetCanvas()->GetPixel(P9.X - 8, P9.Y), M.GetColorHiLiteBG());
    M.MouseUp(mbLeft, {}, P9.X + 1, P9.Y);
    EXPECT_EQ(M.GetSelected(), 9);
    EXPECT_EQ(Clicked, 9);
    M.MouseUp(mbLeft, {}, -1, -1); // no position: nothing
    EXPECT_EQ(Clicked, 9);

    // Below the last full row the nearest visible marker still answers.
    M.MouseUp(mbLeft, {}, 20, M.GetHeight() - 3);
    EXPECT_EQ(M.GetSelected(), 40);
    M.MouseMove({}, P9.X, P9.Y);
    M.DblClick();
    EXPECT_EQ(DblClicked, 9);
    EXPECT_EQ(M.GetSelected(), 9);
}

TEST(MarkSel, HiddenHighlightIsNotRestored)
{
    TMarkSel M;
    M.Paint();
    const TPoint P2 = M.GetMarkCoords(2);
    M.MouseMove({}, P2.X, P2.Y);
    ASSERT_EQ(M.GetHighlighted(), 2);
    M.SetMarkVisible(2, false); // the circle (3) now holds the square's cell
    const QRect Cell(P2.X - 12, P2.Y - 12, 28, 28);
    const QImage Before = M.GetPicture().copy(Cell);
    M.MouseMove({}, M.GetMarkCoords(20).X, M.GetMarkCoords(20).Y);
    EXPECT_EQ(M.GetHighlighted(), 20);
    EXPECT_EQ(M.GetPicture().copy(Cell), Before);
}

TEST(MarkSel, DisabledColorsAndPaintEvent)
{
    TMarkSel M;
    int Painted = 0;
    M.OnPaint = [&](QObject*) { ++Painted; };
    M.SetSelected(3);
    const TPoint P3 = M.GetMarkCoords(3);
    EXPECT_EQ(M.GetCanvas()->GetPixel(P3.X - 10, P3.Y - 10), M.GetColorSelBG());
    EXPECT_EQ(M.GetCanvas()->GetPixel(M.GetWidth() / 2, M.GetHeight() - 6), ColorToRGB(M.GetColorBackGnd()));
    M.SetEnabled(false);
    M.Repaint();
    EXPECT_EQ(M.GetCanvas()->GetPixel(P3.X - 10, P3.Y - 10), 0xDEDEDEu);
    EXPECT_EQ(M.GetCanvas()->GetPixel(M.GetWidth() / 2, M.GetHeight() - 6), 0xC0C0C0u);
    EXPECT_EQ(Painted, 2);
}

TEST(MarkSel, AccessibleListAnnouncesTheSelectedMarker)
{
    QWidget Parent;
    auto* M = new AccessibleCounting<TMarkSel>(&Parent);
    M->SetHint(QStringLiteral("Trace marker"));
    M->Paint();
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(M);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::List);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Trace marker"));
    QAccessibleValueInterface* V = A->valueInterface();
    ASSERT_NE(V, nullptr);
    EXPECT_EQ(V->minimumValue().toInt(), -1);
    EXPECT_EQ(V->maximumValue().toInt(), 51);

    // By code and by a click: each new choice once, an unchanged one not at all.
    M->SetSelected(12);
    M->SetSelected(12);
    const TPoint P9 = M->GetMarkCoords(9);
    M->MouseUp(mbLeft, {}, P9.X, P9.Y);
    M->MouseUp(mbLeft, {}, P9.X, P9.Y);
    EXPECT_EQ(M->ValueChanges, 2);
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("9"));
    EXPECT_EQ(V->currentValue().toInt(), 9);
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
