#include "ProgBarLayout.h"

#include <vok/Vok_NumIO.h>
#include <vok/Vok_ProgBar.h>
#include <vok/Vok_syscolors.h>

#include "PictureTest.h"
#include "AccessibleCounting.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QPalette>

#include <QSignalSpy>
#include <QAccessibleValueInterface>
#include <QTemporaryDir>
#include <QWidget>

#include <cmath>

using namespace vok;

namespace {

TColor PixelAt(const TProgBar& P, int X, int Y) { return P.GetCanvas()->GetPixel(X, Y); }

bool AnyPixel(const TProgBar& P, TRect Box, TColor Color) { return test::AnyPixel(*P.GetCanvas(), Box, Color); }

} // namespace

// ---------------------------------------------------------------- color table

TEST(ProgBarColors, InterpolatesEachChannelTruncated)
{
    EXPECT_EQ(InterpolateBarColor(0x0000FF, 0xFF0000, 512), 0x7F007Fu);
    EXPECT_EQ(InterpolateBarColor(0x0000FF, 0xFF0000, 0), 0x0000FFu);
    EXPECT_EQ(InterpolateBarColor(0x0000FF, 0xFF0000, 1023), 0xFF0000u);
    EXPECT_EQ(InterpolateBarColor(0x0000FF, 0xFF0000, 5000), 0xFF0000u); // t clamped
    EXPECT_EQ(InterpolateBarColor(0x0000FF, 0xFF0000, -3), 0x0000FFu);
    EXPECT_EQ(InterpolateBarColor(0x12000000, 0x34000000, 7), 0u); // the top byte is dropped

    TProgBar P;
    EXPECT_EQ(P.GetBarColors(0), 0xFF0000u);
    EXPECT_EQ(P.GetBarColors(1023), 0x0000FFu);
    P.SetColorMin(0x0000FF);
    P.SetColorMax(0xFF0000);
    EXPECT_EQ(P.GetBarColors(512), 0x7F007Fu);

    // Direct writes stay as written until a color end is set again.
    P.SetBarColors(512, 0x00FF00);
    EXPECT_EQ(P.GetBarColors(512), 0x00FF00u);
    P.SetBarColors(-1, 0x00FF00);
    P.SetBarColors(1024, 0x00FF00);
    EXPECT_EQ(P.GetBarColors(-1), 0u);
    EXPECT_EQ(P.GetBarColors(1024), 0u);
    P.SetColorMax(0xFF0000);
    EXPECT_EQ(P.GetBarColors(512), 0x7F007Fu);

    // A system color enters the table by its RGB value.
    P.SetColorMin(clBtnFace);
    EXPECT_EQ(P.GetColorMin(), clBtnFace);
    EXPECT_EQ(P.GetBarColors(0), ColorToRGB(clBtnFace));
    // ... and follows the palette when it changes.
    QPalette Other = P.palette();
    Other.setColor(QPalette::Button, QColor(10, 20, 30));
    P.setPalette(Other);
    EXPECT_EQ(P.GetBarColors(0), 0x1E140Au);
}

TEST(ProgBarColors, GradientIndexInTheThreeMappings)
{
    struct Case
    {
        TColorMapping Mode;
        int K, Bar, Full, Index;
    };
    const Case Cases[] = {
        {cgmCover, 0, 146, 292, 0},
        {cgmCover, 145, 146, 292, 508},     // Round(145 * 1023 / 292)
        {cgmStretch, 145, 146, 292, 1016},  // Round(145 * 1023 / 146)
        {cgmStretch, 146, 146, 292, 1023},
        {cgmMove, 145, 146, 292, 1023},     // the bar's end shows the last color
        {cgmMove, 0, 146, 292, 1023 - 508}, // its start 1023 - Round(145 * 1023 / 292)
        {cgmMove, 0, 1, 292, 1023},
        {cgmCover, 400, 292, 292, 1023},    // clamped
        {cgmStretch, 0, 0, 292, 0},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(GradientIndex(C.Mode, C.K, C.Bar, C.Full), C.Index) << int(C.Mode) << " k " << C.K;
}

// ---------------------------------------------------------------- geometry

TEST(ProgBarGeometry, BarInEachDirectionStaysInsideTheInnerArea)
{
    struct Case
    {
        TDirection Dir;
        double F;
        TRect Bar;
    };
    // 300 x 28 with margins 4: inner (4, 4)-(296, 24), 292 wide, 20 high.
    const Case Cases[] = {
        {drLeftRight, 0.1, Rect(4, 4, 33, 24)},
        {drRightLeft, 0.1, Rect(267, 4, 296, 24)},
        {drBottomUp, 0.5, Rect(4, 14, 296, 24)},
        {drTopDown, 0.5, Rect(4, 4, 296, 14)},
        {drLeftRight, 1.7, Rect(4, 4, 296, 24)},  // past Max
        {drLeftRight, -0.5, Rect(4, 4, 4, 24)},   // below Min
        {drBottomUp, 1e300, Rect(4, 4, 296, 24)},
        {drLeftRight, std::nan(""), Rect(4, 4, 4, 24)},
    };
    for (const Case& C : Cases) {
        const TBarGeometry G(C.Dir, 300, 28, 4, 4, 4, 4, C.F);
        EXPECT_EQ(G.Bar, C.Bar) << int(C.Dir) << " f " << C.F;
    }
    EXPECT_EQ(FillFraction(10, 0, 100), 0.1);
    EXPECT_EQ(FillFraction(7, 5, 5), 0.0); // Max equal to Min: an empty bar
    // Margins wider than the control leave no bar at all.
    EXPECT_EQ(TBarGeometry(drLeftRight, 6, 28, 4, 4, 4, 4, 1.0).Length, 0);
}

TEST(ProgBarGeometry, GradientAndGridLines)
{
    const TBarGeometry Lr(drLeftRight, 300, 28, 4, 4, 4, 4, 0.1);
    EXPECT_EQ(Lr.LineAt(0), Rect(4, 4, 5, 24));
    const QList<TRect> LrGrid = Lr.GridLines(10);
    ASSERT_EQ(LrGrid.size(), 3); // x 4, 14, 24; 34 lies past the bar's end at 33
    EXPECT_EQ(LrGrid.back(), Rect(24, 4, 25, 24));
    EXPECT_EQ(TBarGeometry(drLeftRight, 300, 28, 4, 4, 4, 4, 0.2).GridLines(10).size(), 6); // x <= R = 62
    EXPECT_EQ(TBarGeometry(drLeftRight, 300, 28, 4, 4, 4, 4, 0.1).GridLines(1).size(), 0);
    // A full bar's grid never reaches the right margin.
    for (const TRect& L : TBarGeometry(drLeftRight, 300, 28, 4, 4, 4, 4, 1.0).GridLines(2))
        EXPECT_LT(L.Left, 296);

    const TBarGeometry Bu(drBottomUp, 28, 300, 4, 4, 4, 4, 0.5);
    EXPECT_EQ(Bu.LineAt(0), Rect(4, 295, 24, 296)); // the bottom line H - MB - 1
    const QList<TRect> BuGrid = Bu.GridLines(73);   // y 295, 222; 149 is above the bar's top 150
    ASSERT_EQ(BuGrid.size(), 2);
    EXPECT_EQ(BuGrid.back().Top, 222);

    EXPECT_EQ(TBarGeometry(drRightLeft, 300, 28, 4, 4, 4, 4, 0.1).LineAt(0), Rect(295, 4, 296, 24));
    EXPECT_EQ(TBarGeometry(drTopDown, 28, 300, 4, 4, 4, 4, 0.1).LineAt(2), Rect(4, 6, 24, 7));
}

TEST(ProgBarGeometry, ValueTextOriginByAlignmentAndAngle)
{
    // A 20 x 14 text: HW 10, HH 7.
    EXPECT_EQ(ValueTextOrigin(taCenter, 14, 14, 20, 14, 0), Point(4, 7));
    EXPECT_EQ(ValueTextOrigin(taLeftJustify, 14, 14, 20, 14, 0), Point(14, 7));
    EXPECT_EQ(ValueTextOrigin(taRightJustify, 14, 14, 20, 14, 0), Point(-6, 7));
    EXPECT_EQ(ValueTextOrigin(taLeftJustify, 50, 60, 20, 14, 90), Point(43, 60)); // runs upward from (PX - HH, PY)
    EXPECT_EQ(ValueTextOrigin(taCenter, 50, 60, 20, 14, 90), Point(43, 70));
    EXPECT_EQ(ValueTextOrigin(taRightJustify, 50, 60, 20, 14, 180), Point(70, 67));
}

TEST(ProgBarGeometry, ValueTextFormats)
{
    EXPECT_EQ(ProgBarValueText(10, 0), QStringLiteral("10"));
    EXPECT_EQ(ProgBarValueText(2.5, 2), QStringLiteral("2.50"));
    EXPECT_EQ(ProgBarValueText(12345, -1), FormatFloatNum(1, -2, 12345));
    EXPECT_EQ(ProgBarValueText(12345, -2), QStringLiteral("12E+03"));
    EXPECT_EQ(ProgBarValueText(-0.00047, -2), QStringLiteral("-470E-06"));
    EXPECT_EQ(ProgBarValueText(0, -2), QStringLiteral("0E+00"));
}

// ---------------------------------------------------------------- control

TEST(TProgBar, InitialPicture)
{
    TProgBar P;
    EXPECT_EQ(P.GetWidth(), 300);
    EXPECT_EQ(P.GetHeight(), 28);
    EXPECT_EQ(P.sizeHint(), QSize(300, 28));
    P.Paint();
    // A 29-pixel blue bar from x 4 to 32 over the silver inner area.
    EXPECT_EQ(PixelAt(P, 32, 20), 0xFF0000u);
    EXPECT_EQ(PixelAt(P, 33, 20), 0xC0C0C0u);
    // The text "10" in black, centred on (14, 14).
    EXPECT_TRUE(AnyPixel(P, Rect(6, 8, 22, 21), clBlack));
    EXPECT_FALSE(AnyPixel(P, Rect(26, 6, 33, 22), clBlack));
    // Raised outer frame: white top edge, black bottom edge, gray outline.
    EXPECT_EQ(PixelAt(P, 10, 1), clWhite);
    EXPECT_EQ(PixelAt(P, 100, 27), clBlack);
    EXPECT_EQ(PixelAt(P, 100, 0), clGray);
}

TEST(TProgBar, FrameCornersTakeTheMarginColor)
{
    TProgBar P;
    P.SetValue(50);
    P.SetColorMargin(0x00FF00);
    // The inner sunken frame leaves its corner (ML, H - MB - 1) to the margin color.
    EXPECT_EQ(PixelAt(P, 4, 23), 0x00FF00u);
    EXPECT_EQ(PixelAt(P, 295, 4), 0x00FF00u);
    EXPECT_EQ(PixelAt(P, 6, 21), 0xFF0000u); // the bar inside the frame
    P.SetFrameStyleInner(fsNoFrame);
    EXPECT_EQ(PixelAt(P, 4, 23), 0xFF0000u);
}

TEST(TProgBar, GradientAndGridPixels)
{
    TProgBar P;
    P.SetColorMin(0x0000FF);
    P.SetColorMax(0xFF0000);
    P.SetTextVisible(false);
    P.SetValue(50); // 146 pixels, x 4 .. 149
    P.SetShowColorGradient(true);
    P.SetColorMapMode(cgmMove);
    EXPECT_EQ(PixelAt(P, 149, 12), 0xFF0000u);
    EXPECT_EQ(PixelAt(P, 6, 12), P.GetBarColors(GradientIndex(cgmMove, 2, 146, 292)));
    P.SetColorMapMode(cgmStretch);
    EXPECT_EQ(PixelAt(P, 6, 12), P.GetBarColors(14));
    P.SetGridDist(10);
    EXPECT_EQ(PixelAt(P, 14, 12), clBlack);
    EXPECT_EQ(PixelAt(P, 154, 12), 0xC0C0C0u);

    // A value past Max fills the inner area and no more.
    P.SetValue(250);
    P.SetGridDist(0);
    P.SetColorMargin(0x00FF00);
    EXPECT_EQ(PixelAt(P, 293, 12), P.GetBarColors(GradientIndex(cgmStretch, 289, 292, 292)));
    EXPECT_EQ(PixelAt(P, 297, 12), 0x00FF00u);
    P.SetValue(-50);
    EXPECT_EQ(PixelAt(P, 6, 12), 0xC0C0C0u);
}

TEST(TProgBar, SettersClampAndRefuse)
{
    TProgBar P;
    P.SetAutoIncStep(0);
    EXPECT_EQ(P.GetAutoIncStep(), 1.0);
    P.SetRepeatInterval(5);
    EXPECT_EQ(P.GetRepeatInterval(), 10);
    P.SetStartInterval(-1);
    EXPECT_EQ(P.GetStartInterval(), 10);
    P.SetTextAngle(400);
    EXPECT_EQ(P.GetTextAngle(), 360);
    P.SetTextDecPlaces(-5);
    EXPECT_EQ(P.GetTextDecPlaces(), -2);
    P.SetTextDecPlaces(11);
    EXPECT_EQ(P.GetTextDecPlaces(), 10);
    P.SetTextPosX(500);
    EXPECT_EQ(P.GetTextPosX(), 300);
    P.SetTextPosY(-3);
    EXPECT_EQ(P.GetTextPosY(), 0);
    P.SetRange(5, 1);
    EXPECT_EQ(P.GetMin(), 1);
    EXPECT_EQ(P.GetMax(), 5);
    P.SetValue(std::nan(""));
    EXPECT_EQ(P.GetValue(), 10);
}

TEST(TProgBar, TimerPhases)
{
    TProgBar P;
    int Ticks = 0;
    double SeenValue = 0;
    P.OnAutoInc = [&](QObject*) {
        ++Ticks;
        SeenValue = P.GetValue();
    };
    QSignalSpy Changed(&P, &TProgBar::valueChanged);
    EXPECT_FALSE(P.GetTimer()->IsRunning());
    P.SetAutoInc(true);
    EXPECT_TRUE(P.GetTimer()->IsRunning());
    EXPECT_EQ(P.GetTimer()->GetInterval(), 1500);
    EXPECT_TRUE(P.InStartPhase());

    P.DoTimer(); // the first tick switches to the repeat interval
    EXPECT_EQ(P.GetTimer()->GetInterval(), 700);
    EXPECT_FALSE(P.InStartPhase());
    EXPECT_EQ(Ticks, 1);
    EXPECT_EQ(SeenValue, 11); // OnAutoInc after the increment
    P.DoTimer();
    EXPECT_EQ(P.GetTimer()->GetInterval(), 700);
    EXPECT_EQ(P.GetValue(), 12);
    ASSERT_EQ(Changed.size(), 2);
    EXPECT_EQ(Changed.back().at(0).toDouble(), 12.0);

    P.SetStartInterval(300); // the start phase begins again
    EXPECT_TRUE(P.InStartPhase());
    EXPECT_EQ(P.GetTimer()->GetInterval(), 300);
    P.SetOnAutoInc([](QObject*) {}); // rearms with the repeat interval
    EXPECT_EQ(P.GetTimer()->GetInterval(), 700);
    P.SetAutoInc(false);
    EXPECT_FALSE(P.GetTimer()->IsRunning());

    // Never at design time.
    TProgBar D;
    D.SetDesigning(true);
    D.SetAutoInc(true);
    EXPECT_FALSE(D.GetTimer()->IsRunning());
}

TEST(TProgBar, TimerRefusalRaises)
{
    const int Limit = TComponentTimer::ProcessTimerLimit();
    TProgBar P;
    P.SetName(QStringLiteral("Bar1"));
    TComponentTimer::SetProcessTimerLimit(TComponentTimer::RunningTimerCount());
    try {
        P.SetAutoInc(true);
        ADD_FAILURE() << "no timer error";
    } catch (const EVOKProgBar& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Component \"Bar1\": no timer available"));
    }
    TComponentTimer::SetProcessTimerLimit(Limit);
    EXPECT_TRUE(P.GetAutoInc()); // the setting keeps its new value
}

TEST(TProgBar, BackgroundImage)
{
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("bg.png"));
    QImage Image(8, 8, QImage::Format_RGB32);
    Image.fill(QColor(0, 255, 0));
    ASSERT_TRUE(Image.save(File));
    TProgBar P;
    P.SetValue(0);
    P.SetBackGroundImg(File);
    EXPECT_EQ(P.GetBackGroundImg(), File);
    EXPECT_EQ(PixelAt(P, 200, 12), 0x00FF00u);
    P.SetBackGroundImg(Dir.filePath(QStringLiteral("missing.png")));
    EXPECT_EQ(P.GetBackGroundImg(), File); // a failure keeps name and image
    EXPECT_EQ(PixelAt(P, 200, 12), 0x00FF00u);
    P.SetBackGroundImg(QString());
    EXPECT_EQ(P.GetBackGroundImg(), QString());
    EXPECT_EQ(PixelAt(P, 200, 12), 0xC0C0C0u);
}

TEST(TProgBar, AssignCopiesAllButTheTimer)
{
    TProgBar A;
    A.SetRange(-10, 10);
    A.SetValue(3);
    A.SetDirection(drBottomUp);
    A.SetColorMapMode(cgmCover);
    A.SetMarginLeft(7);
    A.SetTextAngle(90);
    A.SetBarColors(100, 0x123456);
    A.SetRepeatInterval(50);
    A.SetAutoIncStep(2);
    TProgBar B;
    B.Assign(&A);
    EXPECT_EQ(B.GetMin(), -10);
    EXPECT_EQ(B.GetValue(), 3);
    EXPECT_EQ(B.GetDirection(), drBottomUp);
    EXPECT_EQ(B.GetColorMapMode(), cgmCover);
    EXPECT_EQ(B.GetMarginLeft(), 7);
    EXPECT_EQ(B.GetTextAngle(), 90);
    EXPECT_EQ(B.GetBarColors(100), 0x123456u);
    EXPECT_EQ(B.GetRepeatInterval(), 700);
    EXPECT_EQ(B.GetAutoIncStep(), 1.0);
    EXPECT_EQ(B.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    TProgBar C;
    A.AssignTo(&C);
    EXPECT_EQ(C.GetValue(), 3);
    QObject Other;
    EXPECT_THROW(B.Assign(&Other), EVOKError);
}

TEST(TProgBar, QtProperties)
{
    TProgBar P;
    EXPECT_TRUE(P.setProperty("ColorMapMode", QStringLiteral("cgmMove")));
    EXPECT_EQ(P.GetColorMapMode(), cgmMove);
    EXPECT_EQ(P.property("ColorMapMode").toString(), QStringLiteral("cgmMove"));
    P.setEnabled(false);
    P.Paint();
    // Disabled, the value text is engraved: a white copy beside the gray one.
    EXPECT_TRUE(AnyPixel(P, Rect(6, 8, 23, 22), clGray));
    EXPECT_FALSE(AnyPixel(P, Rect(6, 8, 23, 22), clBlack));
}

TEST(TProgBar, AccessibleProgressBarAnnouncesItsValue)
{
    QWidget Parent;
    auto* P = new AccessibleCounting<TProgBar>(&Parent);
    P->SetRange(20, -5);
    P->SetValue(7.5);
    P->SetHint(QStringLiteral("Download"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(P);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::ProgressBar);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Download"));
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("7.5"));
    QAccessibleValueInterface* V = A->valueInterface();
    ASSERT_NE(V, nullptr);
    EXPECT_EQ(V->currentValue().toDouble(), 7.5);
    EXPECT_EQ(V->minimumValue().toDouble(), -5.0);
    EXPECT_EQ(V->maximumValue().toDouble(), 20.0);
    P->ValueChanges = 0;
    P->SetValue(9);
    P->SetValue(9);            // unchanged
    P->SetValue(std::nan("")); // ignored
    P->AutoIncEvent();
    EXPECT_EQ(P->ValueChanges, 2);
    EXPECT_EQ(V->currentValue().toDouble(), 10.0);
    EXPECT_FALSE(A->state().disabled);
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
