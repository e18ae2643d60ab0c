#include "CalendarMath.h"

#include <vok/Vok_MiniCal.h>
#include <vok/Vok_colors.h>
#include <vok/Vok_names.h>
#include <vok/Vok_syscolors.h>

#include <QDate>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace vok {

using namespace minical;

namespace {
constexpr TColor DisabledTextColor = 0x808080;

// The TDateTime range the date encoding covers: 1 January 1 to 31 December 9999.
bool IsEncodableDate(double Value)
{
    static const double First = EncodeDate(1, 1, 1);
    static const double Last = EncodeDate(9999, 12, 31) + 1;
    return std::isfinite(Value) && Value >= First && Value < Last;
}
} // namespace

TMiniCal::TMiniCal(QWidget* AOwner)
    : TCustomDrawGrid(AOwner)
    , FDate(DateTimeToTDateTime(CurrentDateTime()))
    , FHDayList(3, BuiltInHolidayCount)
{
    SetColCount(GridCols);
    SetRowCount(GridRows);
    SetFixedCols(1);
    SetFixedRows(2);
    SetGridLineWidth(1);
    SetScrollBars(ssNone);
    SetBorderStyle(bsSingle);
    SetOptions((GetOptions() & ~TGridOptions(goRangeSelect)) | goDrawFocusSelected);
    SetDefaultDrawing(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    LoadBuiltInHolidays();
    SetShowHint(true);
    SetBounds(0, 0, 300, 180);
    ApplyCellSizes();
    Recalc();
}

TMiniCal::~TMiniCal() = default;

// ---- settings ---------------------------------------------------------------

void TMiniCal::SetColorField(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Repaint();
}

void TMiniCal::SetCtl3D(bool Value)
{
    if (FCtl3D == Value)
        return;
    FCtl3D = Value;
    Repaint();
}

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek Value)
{
    if (FFirstDayOfWeek == Value || Value < dwMon || Value > dwSun)
        return;
    FFirstDayOfWeek = Value;
    Recalc();
    Changed();
}

void TMiniCal::SetIndicateHolidays(bool Value)
{
    FIndicateHolidays = Value;
    Recalc();
    Repaint();
}

void TMiniCal::SetLanguage(TLanguage Value)
{
    FLanguage = Value;
    LoadBuiltInHolidays();
    Recalc();
}

void TMiniCal::SetMarkToday(bool Value)
{
    FMarkToday = Value;
    Repaint();
}

void TMiniCal::SetShowHolidayHint(bool Value)
{
    FShowHolidayHint = Value;
    SetHint(QString());
    if (Value)
        SetShowHint(true);
    Recalc();
    Repaint();
}

void TMiniCal::SetShowMonthShort(bool Value)
{
    FShowMonthShort = Value;
    updateGeometry();
    Repaint();
}

void TMiniCal::SetShowMovableHolidays(bool Value)
{
    FShowMovableHolidays = Value;
    Recalc();
    Repaint();
}

void TMiniCal::SetDayColors(TDayOfWeek Day, TColor Value)
{
    if (Day < dwMon || Day > dwSun)
        return;
    FDayColors[Day] = Value;
    Recalc();
    Changed();
}

void TMiniCal::Changed()
{
    if (OnChange)
        OnChange(this);
    emit changed();
}

// ---- the date ---------------------------------------------------------------

void TMiniCal::StoreDate(double Value)
{
    const double Old = FDate;
    FDate = Value;
    if (Old != Value)
        emit dateChanged(Value);
}

void TMiniCal::SetDate(double Value)
{
    // A date the calendar cannot show is refused like an impossible date.
    if (!IsEncodableDate(Value))
        throw EConvertError("Invalid date value for the calendar");
    StoreDate(Value);
    Recalc();
    Changed();
}

int TMiniCal::GetDay() const
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    return D;
}

int TMiniCal::GetMonth() const
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    return M;
}

int TMiniCal::GetYear() const
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    return Y;
}

void TMiniCal::SetDateParts(int Year, int Month, int Day)
{
    SetDate(EncodeDate(Year, Month, Day));
}

void TMiniCal::SetYear(int Value)
{
    if (Value >= 0)
        SetDateParts(Value, GetMonth(), GetDay());
}

void TMiniCal::SetMonth(int Value)
{
    if (Value >= 0 && Value <= 12)
        SetDateParts(GetYear(), Value, GetDay());
}

void TMiniCal::SetDay(int Value)
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    if (Value >= 0 && Value <= DaysInAMonth(Y, M))
        SetDateParts(Y, M, Value);
}

void TMiniCal::PrevMonth()
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    StepMonth(Y, M, D, -1);
    SetDateParts(Y, M, D);
}

void TMiniCal::NextMonth()
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    StepMonth(Y, M, D, +1);
    SetDateParts(Y, M, D);
}

void TMiniCal::PrevYear()
{
    if (GetMonth() == 2 && GetDay() == 29)
        SetDay(28);
    SetYear(GetYear() - 1);
}

void TMiniCal::NextYear()
{
    if (GetMonth() == 2 && GetDay() == 29)
        SetDay(28);
    SetYear(GetYear() + 1);
}

void TMiniCal::LastDayOfMonth()
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    SetDay(DaysInAMonth(Y, M));
}

// ---- holidays ---------------------------------------------------------------

void TMiniCal::AppendHoliday(int Day, int Month, int Year, const QString& Caption)
{
    const int Row = GetNumHolidays() + 1;
    FHDayList.SetNRows(Row);
    FHDayList.SetVal(1, Row, Day);
    FHDayList.SetVal(2, Row, Month);
    FHDayList.SetVal(3, Row, Year);
    FHDayCaptions.append(Caption);
}

void TMiniCal::LoadBuiltInHolidays()
{
    FHDayList.SetNRows(0);
    FHDayCaptions.clear();
    for (int I = 0; I < BuiltInHolidayCount; ++I) {
        const TBuiltInHoliday H = BuiltInHoliday(FLanguage, I);
        AppendHoliday(H.Day, H.Month, RepeatYear, H.Caption);
    }
}

bool TMiniCal::CheckHoliday(int Year, int Month, int Day, QString& Caption) const
{
    Caption.clear();
    for (int Row = 1; Row <= GetNumHolidays(); ++Row) {
        const int HYear = FHDayList.GetVal(3, Row);
        if (FHDayList.GetVal(1, Row) == Day && FHDayList.GetVal(2, Row) == Month &&
            (HYear == RepeatYear || HYear == Year)) {
            Caption = FHDayCaptions[Row - 1];
            return true;
        }
    }
    if (!FShowMovableHolidays)
        return false;
    const int Feast = MovableFeastOn(Year, Month, Day);
    if (Feast < 0)
        return false;
    Caption = MovableFeastCaption(FLanguage, Feast);
    return true;
}

void TMiniCal::ClearHolidayList()
{
    FHDayList.SetNRows(0);
    FHDayCaptions.clear();
    Recalc();
    Repaint();
}

void TMiniCal::AddHoliday(int Day, int Mon, int Year, const QString& Caption)
{
    AppendHoliday(Day, Mon, Year, Caption);
    Recalc();
    Repaint();
}

void TMiniCal::AddRepeatHoliday(int Day, int Mon, const QString& Caption)
{
    AddHoliday(Day, Mon, RepeatYear, Caption);
}

bool TMiniCal::RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                               QString& Description) const
{
    if (HDIndex < 1 || HDIndex > GetNumHolidays())
        return false;
    Day = FHDayList.GetVal(1, HDIndex);
    Month = FHDayList.GetVal(2, HDIndex);
    Year = FHDayList.GetVal(3, HDIndex);
    IsRepeatHDay = Year == RepeatYear;
    Description = FHDayCaptions[HDIndex - 1];
    return true;
}

// ---- layout -----------------------------------------------------------------

void TMiniCal::Recalc()
{
    int Y, M, D;
    DecodeDate(FDate, Y, M, D);
    FMonOfs = MonthOffset(QDate(Y, M, 1).dayOfWeek(), FFirstDayOfWeek);
    if (FShowHolidayHint) {
        QString Caption;
        const bool Holiday = FIndicateHolidays && CheckHoliday(Y, M, D, Caption);
        SetHint(Holiday ? Caption : QString());
    }
    Invalidate();
}

void TMiniCal::ApplyCellSizes()
{
    const TCellSizes S = CellSizes(GetClientWidth(), GetClientHeight(), GetGridLineWidth());
    SetDefaultColWidth(S.ColWidth);
    SetDefaultRowHeight(S.RowHeight);
    SetColWidths(0, S.FirstColWidth);
    SetRowHeights(0, S.FirstRowHeight);
}

void TMiniCal::Resize()
{
    TCustomDrawGrid::Resize();
    ApplyCellSizes();
}

void TMiniCal::changeEvent(QEvent* Event)
{
    TCustomDrawGrid::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange)
        Invalidate();
}

void TMiniCal::FontChanged()
{
    TCustomDrawGrid::FontChanged();
    updateGeometry();
}

QSize TMiniCal::sizeHint() const
{
    return {300, 180};
}

QSize TMiniCal::minimumSizeHint() const
{
    // Every cell holds its widest text; the title spans three columns.
    const QFontMetrics Fm(font());
    int Cell = Fm.horizontalAdvance(QStringLiteral("88"));
    for (int W = 0; W < 7; ++W)
        Cell = std::max(Cell, Fm.horizontalAdvance(WeekDayShort(FLanguage, W)));
    int Title = 0;
    for (int M = 1; M <= 12; ++M) {
        const QString Name = FShowMonthShort ? MonthShort(FLanguage, M) : MonthLong(FLanguage, M);
        Title = std::max(Title, Fm.horizontalAdvance(Name + QStringLiteral(" 8888")));
    }
    Cell = std::max(Cell + 4, (Title + 4 + 2) / 3);
    const int Row = Fm.height() + 2;
    const int Border = 4; // the sunken edge on both sides
    return {GridCols * (Cell + 1) + Border, GridRows * (Row + 1) + Border};
}

// ---- painting ---------------------------------------------------------------

TColor TMiniCal::TextColor(TColor Color) const
{
    return isEnabled() ? Color : DisabledTextColor;
}

void TMiniCal::Paint()
{
    GetCanvas()->SetFont(GetFont());
    DecodeDate(FDate, FPaintYear, FPaintMonth, FPaintDay);
    const QDate Today = CurrentDateTime().date();
    FPaintTodayShown = FMarkToday && Today.year() == FPaintYear && Today.month() == FPaintMonth;
    FPaintToday = Today.day();
    TCustomDrawGrid::Paint();
}

void TMiniCal::DrawCentred(const TRect& R, const QString& Text)
{
    TCanvas* Canvas = GetCanvas();
    const int X = R.Left + (R.Right - R.Left - Canvas->TextWidth(Text)) / 2;
    const int Y = R.Top + (R.Bottom - R.Top - Canvas->TextHeight(Text)) / 2;
    Canvas->TextRect(R, X, Y, Text);
}

void TMiniCal::DrawButtonFrame(const TRect& R)
{
    if (!FCtl3D)
        return;
    TCanvas* Canvas = GetCanvas();
    TPen* Pen = Canvas->GetPen();
    Pen->SetColor(0xFFFFFF);
    Canvas->MoveTo(R.Left, R.Bottom - 1);
    Canvas->LineTo(R.Left, R.Top);
    Canvas->LineTo(R.Right, R.Top);
    Pen->SetColor(0x686868);
    Canvas->MoveTo(R.Left, R.Bottom);
    Canvas->LineTo(R.Right, R.Bottom);
    Canvas->LineTo(R.Right, R.Top);
    Pen->SetColor(0x9CA0A5);
    Canvas->MoveTo(R.Left + 1, R.Bottom - 1);
    Canvas->LineTo(R.Right - 1, R.Bottom - 1);
    Canvas->LineTo(R.Right - 1, R.Top);
    Pen->SetColor(0xE6E2E2);
    Canvas->MoveTo(R.Left + 1, R.Bottom - 2);
    Canvas->LineTo(R.Left + 1, R.Top + 1);
    Canvas->LineTo(R.Right - 1, R.Top + 1);
}

void TMiniCal::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState)
{
    TCanvas* Canvas = GetCanvas();
    Canvas->GetFont()->SetColor(TextColor(clBlack));
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetMode(pmCopy);
    TBrush* Brush = Canvas->GetBrush();
    if (ARow == 0) {
        static const char* const Buttons[GridCols] = {nullptr, "<<", "<", nullptr, nullptr, nullptr, ">", ">>"};
        if (Buttons[ACol]) {
            Brush->SetColor(clBtnFace);
            DrawCentred(ARect, QString::fromLatin1(Buttons[ACol]));
            DrawButtonFrame(ARect);
        } else if (ACol == 5) {
            const QString Name = FShowMonthShort ? (MonthShort(FLanguage, FPaintMonth) + QLatin1Char(' ')).left(5)
                                                 : (MonthLong(FLanguage, FPaintMonth) + QLatin1Char(' ')).left(11);
            Brush->SetColor(clBtnFace);
            ARect.Left -= 2 * (ARect.Right - ARect.Left) + 2;
            DrawCentred(ARect, Name + QString::number(FPaintYear));
            DrawButtonFrame(ARect);
        }
    } else if (ARow == 1) {
        if (ACol == 0) {
            Brush->SetColor(clBtnFace);
            ARect.Top -= GetRowHeights(0) + 1;
            DrawCentred(ARect, QStringLiteral("#"));
            DrawButtonFrame(ARect);
        } else {
            Brush->SetColor(FColorDayIdBg);
            Canvas->GetFont()->SetColor(TextColor(FColorDayIdFg));
            DrawCentred(ARect, WeekDayShort(FLanguage, ColumnWeekDay(ACol, FFirstDayOfWeek)));
        }
    } else if (ACol == 0) {
        Brush->SetColor(FColorWeekNoBg);
        Canvas->GetFont()->SetColor(TextColor(FColorWeekNoFg));
        DrawCentred(ARect, QString::number(RowWeekNumber(FPaintYear, FPaintMonth, ARow)));
    } else {
        DrawDayCell(ACol, ARow, ARect);
    }
}

void TMiniCal::DrawDayCell(int ACol, int ARow, const TRect& R)
{
    TCanvas* Canvas = GetCanvas();
    TBrush* Brush = Canvas->GetBrush();
    TFont* Font = Canvas->GetFont();
    const int D = CellDay(FMonOfs, ACol, ARow);
    const int N = DaysInAMonth(FPaintYear, FPaintMonth);
    int Shown = D;
    Brush->SetColor(FDayColors[ColumnWeekDay(ACol, FFirstDayOfWeek)]);
    if (D < 1) {
        Font->SetColor(TextColor(FColorInactiveMonth));
        Shown = D + (FPaintMonth == 1 ? 31 : DaysInAMonth(FPaintYear, FPaintMonth - 1));
    } else if (D > N) {
        Font->SetColor(TextColor(FColorInactiveMonth));
        Shown = D - N;
    } else {
        Font->SetColor(TextColor(FColorActiveMonth));
        QString Caption;
        const bool Holiday = FIndicateHolidays && CheckHoliday(FPaintYear, FPaintMonth, D, Caption);
        if (Holiday) {
            Brush->SetColor(FColorHolidayBg);
            Font->SetColor(TextColor(FColorHolidayFg));
        }
        if (D == FPaintDay) {
            Font->SetColor(TextColor(FColorSelectedFg));
            Brush->SetColor(Holiday ? MeanColor(ColorToRGB(FColorSelectedBg), ColorToRGB(FColorHolidayBg))
                                    : FColorSelectedBg);
        }
    }
    DrawCentred(R, QString::number(Shown));
    if (FPaintTodayShown && D >= 1 && D <= N && D == FPaintToday) {
        Canvas->GetPen()->SetColor(FColorToday);
        Brush->SetStyle(bsClear);
        Canvas->Ellipse(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
        Brush->SetStyle(bsSolid);
    }
}

// ---- mouse ------------------------------------------------------------------

void TMiniCal::KeyDown(quint16& Key, TShiftState Shift)
{
    const bool Ctrl = Shift & ssCtrl;
    try {
        switch (Key) {
        case VK_LEFT: SetDate(FDate - 1); break;
        case VK_RIGHT: SetDate(FDate + 1); break;
        case VK_UP: SetDate(FDate - 7); break;
        case VK_DOWN: SetDate(FDate + 7); break;
        case VK_PRIOR: Ctrl ? PrevYear() : PrevMonth(); break;
        case VK_NEXT: Ctrl ? NextYear() : NextMonth(); break;
        case VK_HOME: SetDay(1); break;
        case VK_END: LastDayOfMonth(); break;
        default: TCustomDrawGrid::KeyDown(Key, Shift); return;
        }
    } catch (const EConvertError&) {
    }
    Key = 0;
}

void TMiniCal::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || X <= 0 || X >= GetGridWidth() || Y <= 0 || Y >= GetGridHeight())
        return;
    const TGridCoord Cell = MouseCoord(X, Y);
    if (Cell.X < 0 || Cell.Y < 0)
        return;
    // A step beyond the years the calendar can show leaves the date as it is.
    try {
        if (Cell.X > 0 && Cell.Y >= FirstWeekRow) {
            int Year, Month, Day;
            DecodeDate(FDate, Year, Month, Day);
            if (ClickedDate(Year, Month, CellDay(FMonOfs, Cell.X, Cell.Y), FAutoSwitch, Year, Month, Day)) {
                StoreDate(EncodeDate(Year, Month, Day));
                Changed();
            }
            Recalc();
        } else if (Cell.Y == 0 || (Cell.Y == 1 && Cell.X == 0)) {
            switch (Cell.X) {
            case 0: SetDate(DateTimeToTDateTime(CurrentDateTime())); break;
            case 1: PrevYear(); break;
            case 2: PrevMonth(); break;
            case 6: NextMonth(); break;
            case 7: NextYear(); break;
            default: break;
            }
        }
    } catch (const EConvertError&) {
    }
}

} // namespace vok
