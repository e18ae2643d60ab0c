#include "CalendarMath.h"

#include <vok/Vok_MiniCal.h>
#include <vok/Vok_system.h>

#include <QDate>

#include <algorithm>
#include <array>

namespace vok {

void CalcEasterSunday(int Year, int& Day, int& Month)
{
    const int K = Year / 100;
    const int S1 = (3 * K + 3) / 4;
    const int M = 15 + S1 - (8 * K + 13) / 25;
    const int S = 2 - S1;
    const int A = Year % 19;
    const int D = (19 * A + M) % 30;
    const int R = (D + A / 11) / 29;
    const int OG = 21 + D - R;
    const int SZ = 7 - int((qint64(Year) + Year / 4 + S) % 7); // no overflow near the int limit
    const int OE = 7 - (OG - SZ) % 7;
    Day = OG + OE;
    Month = 3;
    if (Day > 31) {
        Month = 4;
        Day -= 31;
    }
}

namespace minical {

namespace {
// Captions by language 1..4 (English, German, French, Spanish).
using TCaptions = std::array<const char*, 4>;

int CaptionColumn(TLanguage Language)
{
    return Language >= lgEnglish && Language <= lgSpanish ? Language - lgEnglish : 0;
}

struct TFeast
{
    int Offset;
    TCaptions Captions;
};
constexpr std::array<TFeast, MovableFeastCount> Feasts{{
    {0, {"Easter Day", "Ostersonntag", "Le jour de Pâques", "Domingo de Resurrección"}},
    {1, {"Easter Monday", "Ostermontag", "Lundi de Pâques", "Lunes de Pascua"}},
    {39, {"Ascension Day", "Christi Himmelfahrt", "Ascension du Christ", "Ascensión de Cristo"}},
    {49, {"Pentecost", "Pfingstsonntag", "Dimanche de Pentecôte", "Domingo de Pentecostés"}},
    {50, {"Whit Monday", "Pfingstmontag", "Lundi de Pentecôte", "Lunes de Pentecostés"}},
    {60, {"Corpus Christi", "Fronleichnam", "Corpus Christi", "Corpus Cristi"}},
}};

struct THoliday
{
    int Day;
    int Month;
    TCaptions Captions;
};
constexpr std::array<THoliday, BuiltInHolidayCount> Holidays{{
    {25, 12, {"Christmas Day", "Weihnachten", "Noël", "Navidad"}},
    {26, 12, {"Boxing Day", "Stephanitag", "Jour de boxe", "Día de San Esteban"}},
    {1, 1, {"New Year's Day", "Neujahrstag", "Nouvel An Jour", "Día de Año Nuevo"}},
    {6, 1, {"Epiphany", "Hl. Drei Könige", "Épiphanie", "Epifanía"}},
    {15, 8, {"Assumption of Mary", "Maria Himmelfahrt", "Assomption", "Asunción"}},
    {1, 11, {"All Saints", "Allerheiligen", "La Toussaint", "Día de Todos los Santos"}},
    {8, 12, {"Immaculate Conception", "Maria Empfängnis", "Immaculée Conception", "Inmaculada Concepción"}},
    {1, 5, {"Labor Day", "Tag der Arbeit", "Fête du Travail", "Día del Trabajo"}},
}};

// A day of March to June counted from 1 March as day 1 (1 April is 32).
int MarchDay(int Month, int Day)
{
    static constexpr int Before[4] = {0, 31, 61, 92};
    return Before[Month - 3] + Day;
}
} // namespace

int MonthOffset(int WeekDayOfFirst, int FirstDayOfWeek)
{
    const int A = (WeekDayOfFirst - FirstDayOfWeek + 7) % 7;
    return A == 0 ? -5 : 2 - A;
}

int RowWeekNumber(int Year, int Month, int Row)
{
    return QDate(Year, Month, 1).addDays(7 * (Row - FirstWeekRow)).weekNumber();
}

bool ClickedDate(int Year, int Month, int D, bool AutoSwitch, int& NewYear, int& NewMonth, int& NewDay)
{
    if (AutoSwitch) {
        if (D <= 0) {
            if (--Month < 1) {
                Month = 12;
                --Year;
            }
            D += DaysInAMonth(Year, Month);
        } else if (D > DaysInAMonth(Year, Month)) {
            D -= DaysInAMonth(Year, Month);
            if (++Month > 12) {
                Month = 1;
                ++Year;
            }
        }
    }
    if (D < 1 || D > DaysInAMonth(Year, Month))
        return false;
    NewYear = Year;
    NewMonth = Month;
    NewDay = D;
    return true;
}

void StepMonth(int& Year, int& Month, int& Day, int Delta)
{
    Month += Delta;
    if (Month < 1) {
        Month = 12;
        --Year;
    } else if (Month > 12) {
        Month = 1;
        ++Year;
    }
    Day = std::min(Day, DaysInAMonth(Year, Month));
}

int MovableFeastOffset(int Index) { return Feasts[Index].Offset; }

QString MovableFeastCaption(TLanguage Language, int Index)
{
    return QString::fromUtf8(Feasts[Index].Captions[CaptionColumn(Language)]);
}

int MovableFeastOn(int Year, int Month, int Day)
{
    if (Month < 3 || Month > 6)
        return -1;
    int EasterDay = 0;
    int EasterMonth = 0;
    CalcEasterSunday(Year, EasterDay, EasterMonth);
    const int Distance = MarchDay(Month, Day) - MarchDay(EasterMonth, EasterDay);
    for (int I = 0; I < MovableFeastCount; ++I)
        if (Feasts[I].Offset == Distance)
            return I;
    return -1;
}

TBuiltInHoliday BuiltInHoliday(TLanguage Language, int Index)
{
    const THoliday& H = Holidays[Index];
    return {H.Day, H.Month, QString::fromUtf8(H.Captions[CaptionColumn(Language)])};
}

TCellSizes CellSizes(int ClientWidth, int ClientHeight, int LineWidth)
{
    TCellSizes S;
    S.ColWidth = std::max(0, (ClientWidth - 7 * LineWidth) / GridCols);
    S.RowHeight = std::max(0, (ClientHeight - 7 * LineWidth) / GridRows);
    S.FirstColWidth = std::max(0, ClientWidth - 7 * S.ColWidth - GridCols * LineWidth);
    S.FirstRowHeight = std::max(0, ClientHeight - 7 * S.RowHeight - GridRows * LineWidth);
    return S;
}

} // namespace minical
} // namespace vok
