#include <vok/Vok_base.h>

#include <gtest/gtest.h>

using namespace vok;

TEST(SystemServices, PinnedDecimalSeparatorWinsUntilReleased)
{
    SetSystemDecimalSeparator(QChar(','));
    EXPECT_EQ(SystemDecimalSeparator(), QChar(','));
    SetSystemDecimalSeparator(std::nullopt);
    EXPECT_FALSE(SystemDecimalSeparator().isNull());
}

TEST(SystemServices, PinnedClock)
{
    const QDateTime Noon(QDate(2024, 2, 29), QTime(12, 0));
    SetCurrentDateTime(Noon);
    EXPECT_EQ(CurrentDateTime(), Noon);
    SetCurrentDateTime(std::nullopt);
    EXPECT_NE(CurrentDateTime(), Noon);
}

TEST(SystemServices, DateTimeEncodingMatchesTheClassicDayCount)
{
    EXPECT_DOUBLE_EQ(DateTimeToTDateTime(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(DateTimeToTDateTime(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    // Before the epoch the time of day is still a positive fraction: 1899-12-29 06:00 is -1.25.
    EXPECT_DOUBLE_EQ(DateTimeToTDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
    for (double V : {0.0, 2.75, -1.25, 45678.5, 36526.999988425923})
        EXPECT_NEAR(DateTimeToTDateTime(TDateTimeToDateTime(V)), V, 1e-8) << V;
}

TEST(ComponentMessages, HaveTheComponentForm)
{
    EXPECT_EQ(ComponentMessage(QStringLiteral("NumIO1"), QStringLiteral("no timer available")),
              QStringLiteral("Component \"NumIO1\": no timer available"));
    const EVOKDStructError E(QStringLiteral("Größe"));
    EXPECT_EQ(E.Message(), QStringLiteral("Größe"));
    EXPECT_STREQ(E.what(), "Größe");
}
