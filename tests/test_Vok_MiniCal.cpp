#include "CalendarMath.h"
#include "PinnedSystem.h"

#include <vok/Vok_MiniCal.h>
#include <vok/Vok_colors.h>

#include <gtest/gtest.h>

#include <QDate>
#include <QSignalSpy>
#include <QTest>

using namespace vok;
using namespace vok::minical;

namespace {

// Easter by the anonymous Gregorian algorithm (Meeus/Jones/Butcher), a
// computation independent of the one under test.
QDate EasterMeeus(int Y)
{
    const int A = Y % 19, B = Y / 100, C = Y % 100, D = B / 4, E = B % 4;
    const int F = (B + 8) / 25, G = (B - F + 1) / 3, H = (19 * A + B - D - G + 15) % 30;
    const int I = C / 4, K = C % 4, L = (32 + 2 * E + 2 * I - H - K) % 7;
    const int M = (A + 11 * H + 22 * L) / 451;
    return QDate(Y, (H + L - 7 * M + 114) / 31, (H + L - 7 * M + 114) % 31 + 1);
}

QDate Easter(int Year)
{
    int Day = 0, Month = 0;
    CalcEasterSunday(Year, Day, Month);
    return QDate(Year, Month, Day);
}

QDate Selected(const TMiniCal& Cal) { return QDate(Cal.GetYear(), Cal.GetMonth(), Cal.GetDay()); }

void Select(TMiniCal& Cal, QDate D) { Cal.SetDate(EncodeDate(D.year(), D.month(), D.day())); }

void ClickCell(TMiniCal& Cal, int Col, int Row)
{
    const TRect R = Cal.CellRect(Col, Row);
    Cal.MouseDown(mbLeft, {}, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
}

QString HolidayOn(const TMiniCal& Cal, QDate D)
{
    QString Caption;
    return Cal.CheckHoliday(D.year(), D.month(), D.day(), Caption) ? Caption : QStringLiteral("-");
}

} // namespace

TEST(MiniCalEaster, MatchesIndependentComputationAndKnownDates)
{
    for (int Y = 1583; Y <= 4200; ++Y)
        ASSERT_EQ(Easter(Y), EasterMeeus(Y)) << Y;
    EXPECT_EQ(Easter(2021), QDate(2021, 4, 4));
    EXPECT_EQ(Easter(2024), QDate(2024, 3, 31));
    EXPECT_EQ(Easter(2285), QDate(2285, 3, 22));
    EXPECT_EQ(Easter(2038), QDate(2038, 4, 25));
}

TEST(MiniCalHolidays, ListAndFeastsOf2024InEnglish)
{
    TMiniCal Cal;
    const struct
    {
        QDate Date;
        const char* Caption;
    } Cases[] = {
        {{2024, 3, 31}, "Easter Day"},     {{2024, 4, 1}, "Easter Monday"},  {{2024, 5, 9}, "Ascension Day"},
        {{2024, 5, 19}, "Pentecost"},      {{2024, 5, 20}, "Whit Monday"},   {{2024, 5, 30}, "Corpus Christi"},
        {{2024, 12, 25}, "Christmas Day"}, {{2024, 1, 6}, "Epiphany"},       {{2024, 5, 1}, "Labor Day"},
        {{2024, 5, 2}, "-"},               {{2024, 11, 1}, "All Saints"},    {{2024, 8, 15}, "Assumption of Mary"},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(HolidayOn(Cal, C.Date), QString::fromUtf8(C.Caption)) << C.Date.toString().toStdString();
    // 1 May 2008 is also Ascension Day: the list wins.
    EXPECT_EQ(HolidayOn(Cal, {2008, 5, 1}), QStringLiteral("Labor Day"));
    Cal.SetShowMovableHolidays(false);
    EXPECT_EQ(HolidayOn(Cal, {2024, 5, 9}), QStringLiteral("-"));
}

TEST(MiniCalHolidays, FeastsFallInMarchToJuneOnly)
{
    for (int Y = 1583; Y <= 3000; ++Y)
        for (int I = 0; I < MovableFeastCount; ++I) {
            const QDate D = Easter(Y).addDays(MovableFeastOffset(I));
            ASSERT_GE(D.month(), 3);
            ASSERT_LE(D.month(), 6);
            ASSERT_EQ(MovableFeastOn(Y, D.month(), D.day()), I);
        }
    EXPECT_EQ(MovableFeastOn(2024, 7, 9), -1);
}

TEST(MiniCalHolidays, ListMethodsAndLanguage)
{
    TMiniCal Cal;
    EXPECT_EQ(Cal.GetNumHolidays(), 8);
    Cal.AddHoliday(3, 10, 2024, QStringLiteral("Unity Day"));
    Cal.AddRepeatHoliday(31, 10, QStringLiteral("Reformation"));
    int D = 0, M = 0, Y = 0;
    bool Repeat = false;
    QString Text;
    ASSERT_TRUE(Cal.RetrieveHoliday(9, D, M, Y, Repeat, Text));
    EXPECT_EQ(QDate(Y, M, D), QDate(2024, 10, 3));
    EXPECT_FALSE(Repeat);
    ASSERT_TRUE(Cal.RetrieveHoliday(10, D, M, Y, Repeat, Text));
    EXPECT_TRUE(Repeat);
    EXPECT_EQ(Y, TMiniCal::RepeatYear);
    EXPECT_EQ(Text, QStringLiteral("Reformation"));
    EXPECT_FALSE(Cal.RetrieveHoliday(11, D, M, Y, Repeat, Text));
    EXPECT_FALSE(Cal.RetrieveHoliday(0, D, M, Y, Repeat, Text));
    EXPECT_EQ(Text, QStringLiteral("Reformation")); // untouched
    EXPECT_EQ(HolidayOn(Cal, {2024, 10, 3}), QStringLiteral("Unity Day"));
    EXPECT_EQ(HolidayOn(Cal, {2025, 10, 3}), QStringLiteral("-"));

    Cal.SetLanguage(lgGerman);
    EXPECT_EQ(Cal.GetNumHolidays(), 8);
    EXPECT_EQ(HolidayOn(Cal, {2024, 10, 3}), QStringLiteral("-"));
    EXPECT_EQ(HolidayOn(Cal, {2024, 12, 25}), QStringLiteral("Weihnachten"));
    EXPECT_EQ(HolidayOn(Cal, {2024, 5, 30}), QStringLiteral("Fronleichnam"));
    Cal.SetLanguage(TLanguage(9)); // no own captions: English
    EXPECT_EQ(HolidayOn(Cal, {2024, 4, 1}), QStringLiteral("Easter Monday"));
    Cal.ClearHolidayList();
    EXPECT_EQ(Cal.GetNumHolidays(), 0);
    EXPECT_EQ(HolidayOn(Cal, {2024, 12, 25}), QStringLiteral("-"));
}

TEST(MiniCalLayout, FirstDayOfMonthColumn)
{
    // Day 1 in week row 2, in the column of its weekday.
    const struct
    {
        QDate First;
        TDayOfWeek FirstDayOfWeek;
        int Col;
    } Cases[] = {
        {{2024, 1, 1}, dwMon, 1},  // a Monday
        {{2023, 10, 1}, dwMon, 7}, // a Sunday
        {{2023, 10, 1}, dwSun, 1},
        {{2024, 1, 1}, dwSun, 2},
        {{2025, 1, 1}, dwMon, 3}, // a Wednesday
    };
    for (const auto& C : Cases) {
        const int Ofs = MonthOffset(C.First.dayOfWeek(), C.FirstDayOfWeek);
        EXPECT_EQ(CellDay(Ofs, C.Col, FirstWeekRow), 1) << C.First.toString().toStdString();
        EXPECT_EQ(ColumnWeekDay(C.Col, C.FirstDayOfWeek), C.First.dayOfWeek() - 1);
    }
}

TEST(MiniCalLayout, WeekNumbersAroundTheTurnOfTheYear)
{
    const struct
    {
        int Year, Month;
        int Weeks[6];
    } Cases[] = {
        {2020, 12, {49, 50, 51, 52, 53, 1}}, // 2020 has a week 53
        {2025, 12, {49, 50, 51, 52, 1, 2}},  // 29 December 2025 lies in week 1 of 2026
        {2021, 1, {53, 1, 2, 3, 4, 5}},      // 1 January 2021 still in week 53
    };
    for (const auto& C : Cases)
        for (int Row = 2; Row < 8; ++Row)
            EXPECT_EQ(RowWeekNumber(C.Year, C.Month, Row), C.Weeks[Row - 2]) << C.Year << "-" << C.Month << " row " << Row;
}

TEST(MiniCalLayout, CellsShareTheClientArea)
{
    const TCellSizes S = CellSizes(296, 176, 1);
    EXPECT_EQ(S.ColWidth, 36);
    EXPECT_EQ(S.RowHeight, 21);
    EXPECT_EQ(S.FirstColWidth + 7 * S.ColWidth + 8, 296);
    EXPECT_EQ(S.FirstRowHeight + 7 * S.RowHeight + 8, 176);

    TMiniCal Cal;
    Cal.SetBounds(0, 0, 250, 151);
    EXPECT_EQ(Cal.GetGridWidth(), Cal.GetClientWidth());
    EXPECT_EQ(Cal.GetGridHeight(), Cal.GetClientHeight());
    EXPECT_EQ(Cal.GetColWidths(3), Cal.GetColWidths(7));
}

TEST(MiniCalDate, StepsAndParts)
{
    TMiniCal Cal;
    int Changes = 0;
    Cal.OnChange = [&](QObject*) { ++Changes; };
    Select(Cal, {2024, 2, 29});
    Changes = 0;
    Cal.NextYear();
    EXPECT_EQ(Selected(Cal), QDate(2025, 2, 28));
    EXPECT_EQ(Changes, 2);

    Select(Cal, {2024, 3, 31});
    Cal.PrevMonth();
    EXPECT_EQ(Selected(Cal), QDate(2024, 2, 29));
    Select(Cal, {2024, 1, 31});
    Cal.NextMonth();
    EXPECT_EQ(Selected(Cal), QDate(2024, 2, 29));
    Select(Cal, {2024, 12, 15});
    Cal.NextMonth();
    EXPECT_EQ(Selected(Cal), QDate(2025, 1, 15));
    Cal.PrevYear();
    EXPECT_EQ(Selected(Cal), QDate(2024, 1, 15));
    Cal.LastDayOfMonth();
    EXPECT_EQ(Selected(Cal), QDate(2024, 1, 31));

    Changes = 0;
    Cal.SetMonth(13);
    Cal.SetYear(-3);
    Cal.SetDay(32);
    EXPECT_EQ(Selected(Cal), QDate(2024, 1, 31));
    EXPECT_THROW(Cal.SetMonth(0), EConvertError);
    EXPECT_THROW(Cal.SetMonth(2), EConvertError); // 31 February
    EXPECT_THROW(Cal.SetDate(std::nan("")), EConvertError);
    EXPECT_EQ(Selected(Cal), QDate(2024, 1, 31));
    EXPECT_EQ(Changes, 0);
}

TEST(MiniCalDate, NotifiesQtOnlyOnChange)
{
    TMiniCal Cal;
    Select(Cal, {2024, 6, 1});
    QSignalSpy DateSpy(&Cal, &TMiniCal::dateChanged);
    QSignalSpy ChangedSpy(&Cal, &TMiniCal::changed);
    Select(Cal, {2024, 6, 1});
    EXPECT_EQ(DateSpy.count(), 0);
    EXPECT_EQ(ChangedSpy.count(), 1);
    Cal.NextMonth();
    EXPECT_EQ(DateSpy.count(), 1);
    EXPECT_EQ(DateSpy.last().at(0).toDouble(), EncodeDate(2024, 7, 1));
}

TEST(MiniCalKeyboard, KeysMoveTheDateByDayWeekMonthAndYear)
{
    TMiniCal Cal;
    Select(Cal, {2024, 2, 28});
    QSignalSpy DateSpy(&Cal, &TMiniCal::dateChanged);
    const struct { Qt::Key Key; Qt::KeyboardModifiers Modifiers; QDate Expected; } Steps[] = {
        {Qt::Key_Right, {}, {2024, 2, 29}},        {Qt::Key_Right, {}, {2024, 3, 1}},
        {Qt::Key_Left, {}, {2024, 2, 29}},         {Qt::Key_Down, {}, {2024, 3, 7}},
        {Qt::Key_Up, {}, {2024, 2, 29}},           {Qt::Key_PageDown, {}, {2024, 3, 29}},
        {Qt::Key_PageUp, {}, {2024, 2, 29}},       {Qt::Key_PageDown, Qt::ControlModifier, {2025, 2, 28}},
        {Qt::Key_PageUp, Qt::ControlModifier, {2024, 2, 28}}, {Qt::Key_End, {}, {2024, 2, 29}},
        {Qt::Key_Home, {}, {2024, 2, 1}},
    };
    for (const auto& S : Steps) {
        QTest::keyClick(&Cal, S.Key, S.Modifiers);
        EXPECT_EQ(Selected(Cal), S.Expected) << QTest::toString(S.Key);
    }
    // A year from 29 February passes 28 February first, as NextYear does.
    EXPECT_EQ(DateSpy.count(), int(std::size(Steps)) + 1);
    // Beyond the last date the calendar can show, the date stays.
    Select(Cal, {9999, 12, 31});
    QTest::keyClick(&Cal, Qt::Key_Right);
    EXPECT_EQ(Selected(Cal), QDate(9999, 12, 31));
}

TEST(MiniCalMouse, GreyDaysAndButtons)
{
    PinnedClock Clock(QDateTime(QDate(2024, 5, 20), QTime(9, 0)));
    TMiniCal Cal;
    // January 2025 starts on a Wednesday: row 2 begins with 30 December.
    Select(Cal, {2025, 1, 15});
    Cal.SetAutoSwitch(false);
    int Changes = 0;
    Cal.OnChange = [&](QObject*) { ++Changes; };
    ClickCell(Cal, 1, 2);
    ClickCell(Cal, 7, 7);
    EXPECT_EQ(Selected(Cal), QDate(2025, 1, 15));
    EXPECT_EQ(Changes, 0);
    ClickCell(Cal, 5, 3); // 10 January
    EXPECT_EQ(Selected(Cal), QDate(2025, 1, 10));
    EXPECT_EQ(Changes, 1);

    Cal.SetAutoSwitch(true);
    ClickCell(Cal, 1, 2);
    EXPECT_EQ(Selected(Cal), QDate(2024, 12, 30));
    Select(Cal, {2025, 1, 15});
    ClickCell(Cal, 7, 7);
    EXPECT_EQ(Selected(Cal), QDate(2025, 2, 9));

    ClickCell(Cal, 6, 0);
    EXPECT_EQ(Selected(Cal), QDate(2025, 3, 9));
    ClickCell(Cal, 7, 0);
    EXPECT_EQ(Selected(Cal), QDate(2026, 3, 9));
    ClickCell(Cal, 2, 0);
    ClickCell(Cal, 1, 0);
    EXPECT_EQ(Selected(Cal), QDate(2025, 2, 9));
    ClickCell(Cal, 0, 3); // a week number: nothing
    EXPECT_EQ(Selected(Cal), QDate(2025, 2, 9));
    ClickCell(Cal, 0, 0); // "#"
    EXPECT_EQ(Selected(Cal), QDate(2024, 5, 20));
    // Stepping past the last year the encoding knows leaves the date.
    Select(Cal, {9999, 12, 1});
    ClickCell(Cal, 7, 0);
    EXPECT_EQ(Selected(Cal), QDate(9999, 12, 1));
}

TEST(MiniCalPaint, SelectedHolidayAndTodayColors)
{
    PinnedClock Clock(QDateTime(QDate(2024, 12, 10), QTime(9, 0)));
    TMiniCal Cal;
    Select(Cal, {2024, 12, 25});
    Cal.Paint();
    // December 2024 starts on a Sunday: 25 December is in row 6, column 3.
    const auto Inside = [&](int Col, int Row) {
        const TRect R = Cal.CellRect(Col, Row);
        return Cal.GetCanvas()->GetPixel(R.Left + 1, R.Top + 1);
    };
    EXPECT_EQ(Inside(3, 6), MeanColor(Cal.GetColorSelectedBg(), Cal.GetColorHolidayBg()));
    EXPECT_EQ(Inside(4, 6), Cal.GetColorHolidayBg()); // 26 December
    EXPECT_EQ(Inside(6, 6), Cal.GetDayColors(dwSat)); // 28 December
    EXPECT_EQ(Inside(1, 2), Cal.GetDayColors(dwMon)); // 25 November, grey
    EXPECT_EQ(Cal.GetHint(), QStringLiteral("Christmas Day"));
    // Today's circle: 10 December, row 4, column 2; its left edge crosses
    // the middle row of the cell.
    const TRect T = Cal.CellRect(2, 4);
    const int MidY = (T.Top + T.Bottom) / 2;
    bool Circle = false;
    for (int X = T.Left + 2; X < T.Left + 5; ++X)
        Circle = Circle || Cal.GetCanvas()->GetPixel(X, MidY) == Cal.GetColorToday();
    EXPECT_TRUE(Circle);
}

TEST(MiniCalQt, SizesAndProperties)
{
    TMiniCal Cal;
    EXPECT_EQ(Cal.sizeHint(), QSize(300, 180));
    EXPECT_LE(Cal.minimumSizeHint().width(), 300);
    EXPECT_GT(Cal.minimumSizeHint().width(), 100);
    EXPECT_TRUE(Cal.setProperty("FirstDayOfWeek", QStringLiteral("dwSun")));
    EXPECT_EQ(Cal.GetFirstDayOfWeek(), dwSun);
}
