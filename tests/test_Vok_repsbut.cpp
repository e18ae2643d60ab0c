#include <vok/Vok_repsbut.h>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QAccessible>
#include <QTest>

using namespace vok;

namespace {

struct Counting
{
    TRepSpeedButton B;
    int Repeats = 0;
    int Clicks = 0;
    Counting()
    {
        B.SetOnRepeatClick([this](QObject*) { ++Repeats; });
        B.OnClick = [this](QObject*) { ++Clicks; };
    }
};

} // namespace

TEST(TRepSpeedButton, PressRunsStartThenRepeatPhase)
{
    Counting C;
    QSignalSpy Spy(&C.B, &TRepSpeedButton::repeatClick);
    EXPECT_FALSE(C.B.TimerRunning());
    C.B.MouseDown(mbLeft, ssLeft, 5, 5);
    EXPECT_TRUE(C.B.TimerRunning());
    EXPECT_TRUE(C.B.InStartPhase());
    EXPECT_EQ(C.B.TimerInterval(), 500);

    C.B.DoTimer();
    EXPECT_FALSE(C.B.InStartPhase());
    EXPECT_EQ(C.B.TimerInterval(), 200);
    C.B.DoTimer();
    EXPECT_EQ(C.Repeats, 2);
    EXPECT_EQ(Spy.count(), 2);

    // Changing an interval while held restarts the timer in that phase.
    C.B.SetStartClickInterval(300);
    EXPECT_TRUE(C.B.InStartPhase());
    EXPECT_EQ(C.B.TimerInterval(), 300);
    C.B.SetRepeatClickInterval(5);
    EXPECT_EQ(C.B.GetRepeatClickInterval(), 10);
    EXPECT_FALSE(C.B.InStartPhase());
    EXPECT_EQ(C.B.TimerInterval(), 10);

    C.B.MouseUp(mbLeft, {}, 5, 5);
    EXPECT_FALSE(C.B.TimerRunning());
    C.B.SetStartClickInterval(400);
    EXPECT_FALSE(C.B.TimerRunning());
}

TEST(TRepSpeedButton, ShortPressClicksOnceWithoutRepeating)
{
    Counting C;
    C.B.show();
    QTest::mousePress(&C.B, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&C.B, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(C.Clicks, 1);
    EXPECT_EQ(C.Repeats, 0);
    EXPECT_FALSE(C.B.TimerRunning());
}

TEST(TRepSpeedButton, RightButtonNeverRepeats)
{
    Counting C;
    C.B.MouseDown(mbRight, ssRight, 5, 5);
    EXPECT_FALSE(C.B.TimerRunning());
    EXPECT_FALSE(C.B.IsRepeating());
}

TEST(TRepSpeedButton, LeavingWhileHeldStopsWithoutClick)
{
    for (bool ByLeave : {false, true}) {
        Counting C;
        C.B.show();
        QTest::mousePress(&C.B, Qt::LeftButton, {}, QPoint(5, 5));
        C.B.DoTimer();
        if (ByLeave)
            C.B.MouseLeave();
        else
            C.B.MouseMove(ssLeft, 40, 5);
        EXPECT_FALSE(C.B.TimerRunning()) << ByLeave;
        EXPECT_FALSE(C.B.GetDown()) << ByLeave;
        // Back over the button and released there: still no ordinary click.
        QTest::mouseRelease(&C.B, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(C.Clicks, 0) << ByLeave;
        EXPECT_EQ(C.Repeats, 1) << ByLeave;
        // The next press works normally again.
        QTest::mousePress(&C.B, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&C.B, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(C.Clicks, 1) << ByLeave;
    }
}

TEST(TRepSpeedButton, RefusedTimerRaises)
{
    const int Limit = TComponentTimer::ProcessTimerLimit();
    TComponentTimer::SetProcessTimerLimit(TComponentTimer::RunningTimerCount());
    TRepSpeedButton B;
    B.SetName(QStringLiteral("Up"));
    try {
        B.MouseDown(mbLeft, ssLeft, 1, 1);
        ADD_FAILURE() << "no timer error";
    } catch (const EVOKRepSpeedButton& E) {
        EXPECT_EQ(E.Message(), QStringLiteral("Component \"Up\": no timer available"));
    }
    TComponentTimer::SetProcessTimerLimit(Limit);
}

TEST(TRepSpeedButton, KeepsQtsAccessibleButton)
{
    TRepSpeedButton B;
    B.setText(QStringLiteral("Up"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(&B);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::Button);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Up"));
    EXPECT_NE(A->actionInterface(), nullptr);
}
