/// TMiniCal: a one-month calendar on the draw grid. A title row with year
/// and month buttons, weekday names, six weeks of days with their ISO week
/// numbers, weekend and holiday colors, today's circle; the "#" button
/// returns to today. Also CalcEasterSunday. \file
#pragma once

#include <vok/Vok_grids.h>
#include <vok/Vok_math.h>
#include <vok/Vok_system.h>
#include <vok/vok_export.h>

#include <QStringList>

#include <array>

namespace vok {

inline namespace MiniCalEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
/// Weekdays, Monday first.
enum TDayOfWeek { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };
Q_ENUM_NS(TDayOfWeek)
} // namespace MiniCalEnums

/// Background color of the day cells, by weekday.
using TDayColors = std::array<TColor, 7>;

/// Easter Sunday of a Gregorian year (Gauss's rule in Lichtenberg's form):
/// Day and Month (3 or 4).
VOK_EXPORT void CalcEasterSunday(int Year, int& Day, int& Month);

/// A month calendar with week numbers, holidays in four languages and a selected date.
class VOK_EXPORT TMiniCal : public TCustomDrawGrid
{
    Q_OBJECT
    /// Whether a click on a day of the previous or next month switches to that month.
    Q_PROPERTY(bool AutoSwitch READ GetAutoSwitch WRITE SetAutoSwitch RESET ResetAutoSwitch)
    /// Color of the days of the shown month.
    Q_PROPERTY(quint32 ColorActiveMonth READ GetColorActiveMonth WRITE SetColorActiveMonth RESET ResetColorActiveMonth)
    /// Color of the days of the neighbouring months.
    Q_PROPERTY(quint32 ColorInactiveMonth READ GetColorInactiveMonth WRITE SetColorInactiveMonth RESET ResetColorInactiveMonth)
    /// Background color of the week numbers.
    Q_PROPERTY(quint32 ColorWeekNoBg READ GetColorWeekNoBg WRITE SetColorWeekNoBg RESET ResetColorWeekNoBg)
    /// Color of the week numbers.
    Q_PROPERTY(quint32 ColorWeekNoFg READ GetColorWeekNoFg WRITE SetColorWeekNoFg RESET ResetColorWeekNoFg)
    /// Background color of the weekday names.
    Q_PROPERTY(quint32 ColorDayIdBg READ GetColorDayIdBg WRITE SetColorDayIdBg RESET ResetColorDayIdBg)
    /// Color of the weekday names.
    Q_PROPERTY(quint32 ColorDayIdFg READ GetColorDayIdFg WRITE SetColorDayIdFg RESET ResetColorDayIdFg)
    /// Background color of the selected day.
    Q_PROPERTY(quint32 ColorSelectedBg READ GetColorSelectedBg WRITE SetColorSelectedBg RESET ResetColorSelectedBg)
    /// Color of the selected day.
    Q_PROPERTY(quint32 ColorSelectedFg READ GetColorSelectedFg WRITE SetColorSelectedFg RESET ResetColorSelectedFg)
    /// Background color of holidays.
    Q_PROPERTY(quint32 ColorHolidayBg READ GetColorHolidayBg WRITE SetColorHolidayBg RESET ResetColorHolidayBg)
    /// Color of holidays.
    Q_PROPERTY(quint32 ColorHolidayFg READ GetColorHolidayFg WRITE SetColorHolidayFg RESET ResetColorHolidayFg)
    /// Color of the frame that marks today.
    Q_PROPERTY(quint32 ColorToday READ GetColorToday WRITE SetColorToday RESET ResetColorToday)
    /// Whether the calendar has a 3-D frame.
    Q_PROPERTY(bool Ctl3D READ GetCtl3D WRITE SetCtl3D RESET ResetCtl3D)
    /// The selected date (days since 1899-12-30).
    Q_PROPERTY(double Date READ GetDate WRITE SetDate NOTIFY dateChanged STORED false)
    /// Day of the month of the selected date.
    Q_PROPERTY(int Day READ GetDay WRITE SetDay STORED false)
    /// Month of the selected date (1..12).
    Q_PROPERTY(int Month READ GetMonth WRITE SetMonth STORED false)
    /// Year of the selected date.
    Q_PROPERTY(int Year READ GetYear WRITE SetYear STORED false)
    /// The weekday of the first column.
    Q_PROPERTY(vok::MiniCalEnums::TDayOfWeek FirstDayOfWeek READ GetFirstDayOfWeek WRITE SetFirstDayOfWeek RESET ResetFirstDayOfWeek)
    /// Whether holidays are shown in the holiday colors.
    Q_PROPERTY(bool IndicateHolidays READ GetIndicateHolidays WRITE SetIndicateHolidays RESET ResetIndicateHolidays)
    /// Language of the month and weekday names and of the holidays.
    Q_PROPERTY(vok::BaseEnums::TLanguage Language READ GetLanguage WRITE SetLanguage RESET ResetLanguage)
    /// Whether today is framed.
    Q_PROPERTY(bool MarkToday READ GetMarkToday WRITE SetMarkToday RESET ResetMarkToday)
    /// Whether the pointer over a holiday shows its name as a hint.
    Q_PROPERTY(bool ShowHolidayHint READ GetShowHolidayHint WRITE SetShowHolidayHint RESET ResetShowHolidayHint)
    /// Whether the title shows the month's short name.
    Q_PROPERTY(bool ShowMonthShort READ GetShowMonthShort WRITE SetShowMonthShort RESET ResetShowMonthShort)
    /// Whether the holidays that move with Easter are shown.
    Q_PROPERTY(bool ShowMovableHolidays READ GetShowMovableHolidays WRITE SetShowMovableHolidays RESET ResetShowMovableHolidays)
    /// Number of holidays of the shown year.
    Q_PROPERTY(int NumHolidays READ GetNumHolidays STORED false)

public:
    /// 300 x 180 pixels, today selected, language 1 with its eight holidays.
    explicit TMiniCal(QWidget* AOwner = nullptr);
    ~TMiniCal() override;

    /// Whether a click on a day of the previous or next month switches to that month.
    ///@{
    bool GetAutoSwitch() const { return FAutoSwitch; }
    void SetAutoSwitch(bool Value) { FAutoSwitch = Value; }
    ///@}

    /// Color of the days of the shown month.
    ///@{
    TColor GetColorActiveMonth() const { return FColorActiveMonth; }
    void SetColorActiveMonth(TColor Value) { SetColorField(FColorActiveMonth, Value); }
    ///@}
    /// Color of the days of the neighbouring months.
    ///@{
    TColor GetColorInactiveMonth() const { return FColorInactiveMonth; }
    void SetColorInactiveMonth(TColor Value) { SetColorField(FColorInactiveMonth, Value); }
    ///@}
    /// Background color of the week numbers.
    ///@{
    TColor GetColorWeekNoBg() const { return FColorWeekNoBg; }
    void SetColorWeekNoBg(TColor Value) { SetColorField(FColorWeekNoBg, Value); }
    ///@}
    /// Color of the week numbers.
    ///@{
    TColor GetColorWeekNoFg() const { return FColorWeekNoFg; }
    void SetColorWeekNoFg(TColor Value) { SetColorField(FColorWeekNoFg, Value); }
    ///@}
    /// Background color of the weekday names.
    ///@{
    TColor GetColorDayIdBg() const { return FColorDayIdBg; }
    void SetColorDayIdBg(TColor Value) { SetColorField(FColorDayIdBg, Value); }
    ///@}
    /// Color of the weekday names.
    ///@{
    TColor GetColorDayIdFg() const { return FColorDayIdFg; }
    void SetColorDayIdFg(TColor Value) { SetColorField(FColorDayIdFg, Value); }
    ///@}
    /// Background color of the selected day.
    ///@{
    TColor GetColorSelectedBg() const { return FColorSelectedBg; }
    void SetColorSelectedBg(TColor Value) { SetColorField(FColorSelectedBg, Value); }
    ///@}
    /// Color of the selected day.
    ///@{
    TColor GetColorSelectedFg() const { return FColorSelectedFg; }
    void SetColorSelectedFg(TColor Value) { SetColorField(FColorSelectedFg, Value); }
    ///@}
    /// Background color of holidays.
    ///@{
    TColor GetColorHolidayBg() const { return FColorHolidayBg; }
    void SetColorHolidayBg(TColor Value) { SetColorField(FColorHolidayBg, Value); }
    ///@}
    /// Color of holidays.
    ///@{
    TColor GetColorHolidayFg() const { return FColorHolidayFg; }
    void SetColorHolidayFg(TColor Value) { SetColorField(FColorHolidayFg, Value); }
    ///@}
    /// Color of the frame that marks today.
    ///@{
    TColor GetColorToday() const { return FColorToday; }
    void SetColorToday(TColor Value) { SetColorField(FColorToday, Value); }
    ///@}

    /// With Ctl3D the buttons get a raised frame.
    ///@{
    bool GetCtl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    ///@}

    /// The selected date (TDateTime). Writing always recomputes the layout
    /// and fires OnChange.
    ///@{
    double GetDate() const { return FDate; }
    void SetDate(double Value);
    ///@}
    /// Parts of the selected date. Year takes values >= 0, Month 0..12, Day
    /// 0..days of the month; other values are ignored. Parts that form no
    /// date raise EConvertError and leave the date as it was.
    ///@{
    int GetDay() const;
    void SetDay(int Value);
    ///@}
    /// Month of the selected date (1..12).
    ///@{
    int GetMonth() const;
    void SetMonth(int Value);
    ///@}
    /// Year of the selected date.
    ///@{
    int GetYear() const;
    void SetYear(int Value);
    ///@}

    /// The weekday of column 1; a value outside dwMon..dwSun is ignored.
    ///@{
    TDayOfWeek GetFirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(TDayOfWeek Value);
    ///@}
    /// Whether holidays are shown in the holiday colors.
    ///@{
    bool GetIndicateHolidays() const { return FIndicateHolidays; }
    void SetIndicateHolidays(bool Value);
    ///@}
    /// Changing the language resets the holiday list to the eight built-in
    /// holidays with captions in that language (host entries are dropped).
    ///@{
    TLanguage GetLanguage() const { return FLanguage; }
    void SetLanguage(TLanguage Value);
    ///@}
    /// Whether today is framed.
    ///@{
    bool GetMarkToday() const { return FMarkToday; }
    void SetMarkToday(bool Value);
    ///@}
    /// The hint shows the selected date's holiday; switching it on turns
    /// ShowHint on.
    ///@{
    bool GetShowHolidayHint() const { return FShowHolidayHint; }
    void SetShowHolidayHint(bool Value);
    ///@}
    /// Whether the title shows the month's short name.
    ///@{
    bool GetShowMonthShort() const { return FShowMonthShort; }
    void SetShowMonthShort(bool Value);
    ///@}
    /// Whether the holidays that move with Easter are shown.
    ///@{
    bool GetShowMovableHolidays() const { return FShowMovableHolidays; }
    void SetShowMovableHolidays(bool Value);
    ///@}

    /// Background of the day cells by weekday; writing recomputes the layout
    /// and fires OnChange. Another day reads 0 and is ignored.
    ///@{
    TColor GetDayColors(TDayOfWeek Day) const { return Day >= dwMon && Day <= dwSun ? FDayColors[Day] : 0; }
    void SetDayColors(TDayOfWeek Day, TColor Value);
    ///@}

    /// Holidays: a list of fixed dates (Year -99999 repeats every year) and,
    /// in March to June, the feasts that move with Easter.
    ///@{
    int GetNumHolidays() const { return int(FHDayCaptions.size()); }
    ///@}
    bool CheckHoliday(int Year, int Month, int Day, QString& Caption) const; ///< Whether the date is a holiday; Caption receives its name.
    void ClearHolidayList(); ///< Removes every holiday.
    void AddHoliday(int Day, int Mon, int Year, const QString& Caption); ///< Adds a holiday on one date.
    void AddRepeatHoliday(int Day, int Mon, const QString& Caption); ///< Adds a holiday on the same day every year.
    /// Holiday HDIndex (1..NumHolidays); false and the variables untouched
    /// for another index.
    bool RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                         QString& Description) const;

    void PrevMonth(); ///< Shows the previous month.
    void NextMonth(); ///< Shows the next month.
    void PrevYear(); ///< Shows the same month a year earlier.
    void NextYear(); ///< Shows the same month a year later.
    void LastDayOfMonth(); ///< Selects the last day of the shown month.

    /// Fires OnChange (and changed()).
    virtual void Changed();

    void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// The keys move the selected date: Left and Right by a day, Up and Down
    /// by a week, Page Up and Page Down by a month (with Ctrl by a year),
    /// Home and End to the first and last day of the month. A step beyond the
    /// dates the calendar can show leaves the date as it is.
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void Resize() override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    TNotifyEvent OnChange; ///< Fired when the selected date changes.

    /// The year a repeating holiday is stored with.
    static constexpr int RepeatYear = -99999;

signals:
    void changed(); ///< Emitted with OnChange.
    void dateChanged(double Date); ///< Emitted when Date changes.

protected:
    void FontChanged() override;
    /// A change of the effective enabled state repaints (gray texts).
    void changeEvent(QEvent* Event) override;

private:
    void SetColorField(TColor& Field, TColor Value);
    /// Stores a new date (and tells Qt when it differs).
    void StoreDate(double Value);
    void SetDateParts(int Year, int Month, int Day);
    void LoadBuiltInHolidays();
    void AppendHoliday(int Day, int Month, int Year, const QString& Caption);
    /// Day offset of the month, hint, repaint.
    void Recalc();
    void ApplyCellSizes();
    void DrawButtonFrame(const TRect& R);
    void DrawCentred(const TRect& R, const QString& Text);
    void DrawDayCell(int ACol, int ARow, const TRect& R);
    /// Text color: the given one, gray while disabled.
    TColor TextColor(TColor Color) const;

    void ResetAutoSwitch() { SetAutoSwitch(true); }
    void ResetColorActiveMonth() { SetColorActiveMonth(0x000000); }
    void ResetColorInactiveMonth() { SetColorInactiveMonth(0xC0C0C0); }
    void ResetColorWeekNoBg() { SetColorWeekNoBg(0xC0C0C0); }
    void ResetColorWeekNoFg() { SetColorWeekNoFg(0x000000); }
    void ResetColorDayIdBg() { SetColorDayIdBg(0xC0C0C0); }
    void ResetColorDayIdFg() { SetColorDayIdFg(0x000000); }
    void ResetColorSelectedBg() { SetColorSelectedBg(0xD0A040); }
    void ResetColorSelectedFg() { SetColorSelectedFg(0xFFFFFF); }
    void ResetColorHolidayBg() { SetColorHolidayBg(0x9BD8F1); }
    void ResetColorHolidayFg() { SetColorHolidayFg(0x0000C0); }
    void ResetColorToday() { SetColorToday(0x0000FF); }
    void ResetCtl3D() { SetCtl3D(true); }
    void ResetFirstDayOfWeek() { SetFirstDayOfWeek(dwMon); }
    void ResetIndicateHolidays() { SetIndicateHolidays(true); }
    void ResetLanguage() { SetLanguage(lgEnglish); }
    void ResetMarkToday() { SetMarkToday(true); }
    void ResetShowHolidayHint() { SetShowHolidayHint(true); }
    void ResetShowMonthShort() { SetShowMonthShort(true); }
    void ResetShowMovableHolidays() { SetShowMovableHolidays(true); }

    double FDate = 0;
    int FMonOfs = 0;
    TIntMatrix FHDayList;
    QStringList FHDayCaptions;
    TDayColors FDayColors{0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xBBDDEE, 0xCCEEFF};
    bool FAutoSwitch = true;
    TColor FColorActiveMonth = 0x000000;
    TColor FColorInactiveMonth = 0xC0C0C0;
    TColor FColorWeekNoBg = 0xC0C0C0;
    TColor FColorWeekNoFg = 0x000000;
    TColor FColorDayIdBg = 0xC0C0C0;
    TColor FColorDayIdFg = 0x000000;
    TColor FColorSelectedBg = 0xD0A040;
    TColor FColorSelectedFg = 0xFFFFFF;
    TColor FColorHolidayBg = 0x9BD8F1;
    TColor FColorHolidayFg = 0x0000C0;
    TColor FColorToday = 0x0000FF;
    bool FCtl3D = true;
    TDayOfWeek FFirstDayOfWeek = dwMon;
    bool FIndicateHolidays = true;
    TLanguage FLanguage = lgEnglish;
    bool FMarkToday = true;
    bool FShowHolidayHint = true;
    bool FShowMonthShort = true;
    bool FShowMovableHolidays = true;
    /// Per paint: the selected date's parts and today, decoded once.
    ///@{
    int FPaintYear = 0, FPaintMonth = 0, FPaintDay = 0;
    bool FPaintTodayShown = false;
    int FPaintToday = 0;
    ///@}
};

} // namespace vok
