// Calendar arithmetic of the mini calendar, free of widgets: the grid of
// day cells, ISO week numbers, the movable feasts around Easter, the
// built-in holidays and the sizes of the grid's rows and columns.
#pragma once

#include <vok/Vok_basetypes.h>

#include <QString>

namespace vok::minical {

// The grid: column 0 holds week numbers, columns 1..7 the weekdays; rows
// 0 and 1 are the title and weekday names, rows 2..7 the six weeks.
inline constexpr int GridCols = 8;
inline constexpr int GridRows = 8;
inline constexpr int FirstWeekRow = 2;

// Offset of day 1 in the grid for a month whose first day falls on
// WeekDayOfFirst (1 = Monday .. 7 = Sunday) with the week starting on
// FirstDayOfWeek (0 = Monday .. 6 = Sunday). Day 1 always sits in week
// row 2, in the column of its weekday.
int MonthOffset(int WeekDayOfFirst, int FirstDayOfWeek);

// The day number a day cell shows relative to the month: below 1 a day of
// the previous month, above the month's length one of the next.
inline int CellDay(int MonOfs, int Col, int Row) { return MonOfs + Col + 7 * Row - 15; }

// The weekday (0 = Monday .. 6 = Sunday) of column Col (1..7).
inline int ColumnWeekDay(int Col, int FirstDayOfWeek) { return (Col + FirstDayOfWeek - 1) % 7; }

// The ISO 8601 week number (weeks start on Monday, week 1 holds 4 January)
// shown in week row Row (2..7): the week of the month's first day plus
// Row - 2 weeks, whatever the first weekday of the grid.
int RowWeekNumber(int Year, int Month, int Row);

// Where a click on a day cell with relative day D of (Year, Month) lands:
// with AutoSwitch days of the neighbouring months move to their month.
// False when the click selects nothing (a grey day without AutoSwitch).
bool ClickedDate(int Year, int Month, int D, bool AutoSwitch, int& NewYear, int& NewMonth, int& NewDay);

// The same day of month Delta (-1 or +1) months away, limited to that
// month's length.
void StepMonth(int& Year, int& Month, int& Day, int Delta);

// Movable feasts: their number, the offset of feast Index in days from
// Easter Sunday and its caption. Languages without own captions read English.
inline constexpr int MovableFeastCount = 6;
int MovableFeastOffset(int Index);
QString MovableFeastCaption(TLanguage Language, int Index);
// The feast on that date, -1 for none. Feasts fall in March to June only.
int MovableFeastOn(int Year, int Month, int Day);

// Built-in holidays repeating every year.
inline constexpr int BuiltInHolidayCount = 8;
struct TBuiltInHoliday
{
    int Day;
    int Month;
    QString Caption;
};
TBuiltInHoliday BuiltInHoliday(TLanguage Language, int Index);

// Column widths and row heights that share a client area of ClientWidth x
// ClientHeight: columns and rows 1..7 get equal extents, column 0 and row 0
// take the rest (grid lines of LineWidth after every cell included).
struct TCellSizes
{
    int ColWidth;
    int RowHeight;
    int FirstColWidth;
    int FirstRowHeight;
};
TCellSizes CellSizes(int ClientWidth, int ClientHeight, int LineWidth);

} // namespace vok::minical
