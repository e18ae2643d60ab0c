// The "Calendar and pickers" page: mini calendars in two languages and two
// first weekdays with holiday hints, a color selector per palette with
// editable slots, color buttons sharing a color dialog, and a marker
// selector whose choice is shown large.
#include "GalleryPages.h"

#include <vok/Vok_bitmap.h>
#include <vok/Vok_Colbut.h>
#include <vok/Vok_Colsel.h>
#include <vok/Vok_forms.h>
#include <vok/Vok_marksel.h>
#include <vok/Vok_MiniCal.h>

#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

using namespace vok;

QString DescribeDate(const TMiniCal* Cal)
{
    const QDate D(Cal->GetYear(), Cal->GetMonth(), Cal->GetDay());
    QString Caption;
    const bool Holiday = Cal->CheckHoliday(D.year(), D.month(), D.day(), Caption);
    return D.toString(Qt::ISODate) + (Holiday ? QStringLiteral(" - ") + Caption : QString());
}

class CalendarPickersPage : public QWidget
{
public:
    CalendarPickersPage()
    {
        auto* Outer = new QVBoxLayout(this);
        Outer->addWidget(new QLabel(QStringLiteral(
            "<h2>Calendar and pickers</h2>TMiniCal, TColSel, TColorButton and TMarkSel. Click days and the "
            "title buttons, or use the arrow, Page and Home/End keys; hover over a holiday for its name. Open a color list with the pointer over the "
            "bar of an editable (marked) color to redefine it.")));

        auto* Calendars = new QGroupBox(QStringLiteral("TMiniCal"));
        auto* CalRow = new QHBoxLayout(Calendars);
        AddCalendar(CalRow, lgEnglish, dwMon, true);
        AddCalendar(CalRow, lgGerman, dwSun, false);
        CalRow->addStretch();
        Outer->addWidget(Calendars);

        auto* Pickers = new QHBoxLayout;
        Pickers->addWidget(ColorSelectors());
        Pickers->addWidget(ColorButtons());
        Pickers->addWidget(MarkerSelector());
        Pickers->addStretch();
        Outer->addLayout(Pickers);
        Outer->addStretch();
    }

private:
    void AddCalendar(QHBoxLayout* Row, TLanguage Language, TDayOfWeek FirstDay, bool ShortMonth)
    {
        auto* Column = new QVBoxLayout;
        auto* Cal = new TMiniCal;
        Cal->SetLanguage(Language);
        Cal->SetFirstDayOfWeek(FirstDay);
        Cal->SetShowMonthShort(ShortMonth);
        if (Language == lgEnglish) {
            Cal->AddRepeatHoliday(4, 7, QStringLiteral("Independence Day"));
            Cal->AddHoliday(14, 3, Cal->GetYear(), QStringLiteral("Project review"));
        } else {
            Cal->AddRepeatHoliday(3, 10, QStringLiteral("Tag der Deutschen Einheit"));
        }
        Cal->SetDate(Cal->GetDate()); // the hint of today
        auto* Info = new QLabel(DescribeDate(Cal));
        QObject::connect(Cal, &TMiniCal::changed, Info, [Cal, Info] { Info->setText(DescribeDate(Cal)); });
        Column->addWidget(Cal);
        Column->addWidget(Info);
        Row->addLayout(Column);
    }

    QGroupBox* ColorSelectors()
    {
        auto* Box = new QGroupBox(QStringLiteral("TColSel"));
        auto* Form = new QFormLayout(Box);
        const struct
        {
            const char* Title;
            void (TColSel::*Load)();
        } Palettes[] = {
            {"Basic VGA", &TColSel::LoadBasicVGAPalette},
            {"Extended", &TColSel::LoadExtendedPalette},
            {"Standard", &TColSel::LoadStandardPalette},
            {"System", &TColSel::LoadWindowsSystemPalette},
        };
        auto* Chosen = new QLabel;
        for (const auto& P : Palettes) {
            auto* Sel = new TColSel;
            (Sel->*P.Load)();
            // The last four slots of each list may be redefined.
            for (int Slot = Sel->GetNumColors() - 3; Slot <= Sel->GetNumColors(); ++Slot)
                Sel->SetColorEditAllowed(Slot, true);
            QObject::connect(Sel, &TColSel::changed, Chosen, [Sel, Chosen] {
                Chosen->setText(QStringLiteral("Chosen: %1").arg(Sel->GetSelColorID()));
            });
            Form->addRow(QString::fromLatin1(P.Title), Sel);
        }
        Form->addRow(Chosen);
        return Box;
    }

    QGroupBox* ColorButtons()
    {
        auto* Box = new QGroupBox(QStringLiteral("TColorButton"));
        auto* Column = new QVBoxLayout(Box);
        auto* Dialog = new TColorDialog(Box);
        const struct
        {
            const char* Caption;
            TColor Color;
        } Buttons[] = {{"Trace", 0x0000C0}, {"Grid lines", 0xC0C0C0}, {"Background", 0x402000}};
        for (const auto& B : Buttons) {
            auto* Button = new TColorButton;
            Button->SetCaption(QString::fromLatin1(B.Caption));
            Button->SetColor(B.Color);
            Button->GetFont()->SetColor(CaptionColorFor(B.Color, false));
            Button->SetColorDialog(Dialog);
            Column->addWidget(Button);
        }
        Column->addStretch();
        return Box;
    }

    QGroupBox* MarkerSelector()
    {
        auto* Box = new QGroupBox(QStringLiteral("TMarkSel"));
        auto* Row = new QHBoxLayout(Box);
        auto* Sel = new TMarkSel;
        auto* Large = new QLabel;
        Large->setMinimumSize(96, 96);
        Large->setAlignment(Qt::AlignCenter);
        auto* Number = new QLabel;
        const auto Show = [Large, Number](int Mark) {
            Number->setText(Mark < 0 ? QStringLiteral("none") : QStringLiteral("marker %1").arg(Mark));
            TBitmap Picture(15, 15);
            Picture.GetCanvas()->GetBrush()->SetColor(clWhite);
            Picture.GetCanvas()->FillRect(Rect(0, 0, 15, 15));
            Picture.GetCanvas()->GetPen()->SetColor(0x800000);
            Picture.GetCanvas()->GetBrush()->SetColor(0xF0C080);
            if (Mark >= 0)
                DrawMarkOnCanvas(Picture.GetCanvas(), quint8(Mark), 7, 7);
            Large->setPixmap(QPixmap::fromImage(Picture.GetImage().scaled(90, 90)));
        };
        QObject::connect(Sel, &TMarkSel::selectedChanged, Large, Show);
        Sel->SetSelected(19);
        Show(19);
        Row->addWidget(Sel);
        auto* Side = new QVBoxLayout;
        Side->addWidget(Large);
        Side->addWidget(Number);
        Side->addStretch();
        Row->addLayout(Side);
        return Box;
    }
};

const vok::gallery::PageRegistration Reg(90, QStringLiteral("Calendar and pickers"), [] { return new CalendarPickersPage; });

} // namespace
