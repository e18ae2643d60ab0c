// Numeric entry: self-drawn TNumIO2 fields in their main settings and
// edit-based TNumIO fields in every input format, each with a live read-out
// of its value and of the events it fires.
#include "GalleryPages.h"

#include <vok/Vok_NumIO.h>

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace vok;

class NumericEntryPage : public QWidget
{
public:
    NumericEntryPage()
    {
        auto* Outer = new QVBoxLayout(this);
        auto* Title = new QLabel(QStringLiteral("<b>TNumIO2</b> - self-drawn numeric fields. Click into a box and "
                                                "type; use the spin buttons or drag the gauge."));
        Outer->addWidget(Title);
        auto* Grid = new QGridLayout;
        Outer->addLayout(Grid);
        Outer->addStretch(1);
        FGrid = Grid;

        TNumIO2* Voltage = AddField(QStringLiteral("Float, spin buttons and gauge"), 40);
        Voltage->SetLeftText(QStringLiteral("Supply"));
        Voltage->SetRightText(QStringLiteral("V"));
        Voltage->SetRangeLow(0.0);
        Voltage->SetRangeHigh(24.0);
        Voltage->SetButVisible(true);
        Voltage->SetButIncrem(0.5);
        Voltage->SetGaugeVisible(true);
        Voltage->SetGaugeWidth(80);
        Voltage->SetValue(12.5);

        TNumIO2* Gain = AddField(QStringLiteral("Fixed point with pivots 0, 1, 2, 5, 10, 20, 50"), 28);
        Gain->SetInputFormat(itFixPoint);
        Gain->SetFixPointDecPlaces(1);
        Gain->SetLeftText(QStringLiteral("Gain"));
        Gain->SetRightText(QStringLiteral("dB"));
        Gain->SetRangeHigh(50.0);
        Gain->ButtonPivots = {0, 1, 2, 5, 10, 20, 50};
        Gain->SetButVisible(true);
        Gain->SetValue(5.0);

        TNumIO2* Address = AddField(QStringLiteral("Hexadecimal, left-aligned"), 28);
        Address->SetInputFormat(itHex);
        Address->SetLeftText(QStringLiteral("Addr"));
        Address->SetAlignment(taLeftJustify);
        Address->SetRangeHigh(4294967295.0);
        Address->SetValue(0xC0FFEE);

        TNumIO2* Dynamic = AddField(QStringLiteral("Dynamic: $hex, %binary, &octal or decimal"), 28);
        Dynamic->SetInputFormat(itDynamic);
        Dynamic->SetLeftText(QStringLiteral("Mask"));
        Dynamic->SetRangeHigh(1e6);
        Dynamic->SetText(QStringLiteral("$1F"));

        TNumIO2* Planck = AddField(QStringLiteral("Exponent form, 5 significant digits, out of range"), 28);
        Planck->SetInputFormat(itExp);
        Planck->SetSignificantDigits(5);
        Planck->SetLeftText(QStringLiteral("h"));
        Planck->SetRightText(QStringLiteral("J s"));
        Planck->SetRangeLow(1.0);
        Planck->SetValue(6.62607015e-34);

        TNumIO2* Serial = AddField(QStringLiteral("Integer, read-only, right-aligned"), 28);
        Serial->SetInputFormat(itInt);
        Serial->SetLeftText(QStringLiteral("S/N"));
        Serial->SetAlignment(taRightJustify);
        Serial->SetRangeHigh(1e9);
        Serial->SetValue(40217);
        Serial->SetReadOnly(true);

        TNumIO2* Locked = AddField(QStringLiteral("Disabled, raised frame"), 28);
        Locked->SetLeftText(QStringLiteral("Temp"));
        Locked->SetRightText(QStringLiteral("\u00B0C"));
        Locked->SetFrameStyle(fsRaised);
        Locked->SetValue(21.75);
        Locked->SetEnabled(false);

        auto* EditTitle = new QLabel(QStringLiteral("<b>TNumIO</b> - numeric fields on the platform edit, one per "
                                                    "input format; refused texts are put back."));
        FGrid->addWidget(EditTitle, FGrid->rowCount(), 0, 1, 4);
        struct Sample
        {
            TInFormat Format;
            const char* Name;
            double Low, High, Value;
        };
        const Sample Samples[] = {
            {itExp, "itExp, range 0 .. 1E6", 0, 1e6, 1234.5},
            {itFloat, "itFloat, range -50 .. 150", -50, 150, 21.5},
            {itFixPoint, "itFixPoint, 2 decimals, 0 .. 100", 0, 100, 42.0},
            {itInt, "itInt, range -1000 .. 1000", -1000, 1000, 250},
            {itHex, "itHex, range 0 .. $FFFF", 0, 65535, 4096},
            {itOct, "itOct, range 0 .. 511", 0, 511, 420},
            {itBin, "itBin, range 0 .. 255", 0, 255, 165},
            {itDynamic, "itDynamic, range 0 .. 1E9", 0, 1e9, 1e5},
        };
        for (const Sample& S : Samples)
            AddEdit(QString::fromLatin1(S.Name), S.Format, S.Low, S.High, S.Value);
    }

private:
    TNumIO2* AddField(const QString& Caption, int Height)
    {
        const int Row = FGrid->rowCount();
        auto* Field = new TNumIO2(this);
        Field->SetName(QStringLiteral("Field%1").arg(Row));
        Field->SetWidth(200);
        Field->SetHeight(Height);
        Field->SetLeftSpace(55);
        Field->SetGaugeLeftMargin(55);
        Field->SetTextBoxWidth(90);
        // The captions in the palette's text color, so they read on any background.
        Field->SetColorOutText(clBtnText);
        auto* Readout = new QLabel;
        Readout->setMinimumWidth(260);
        auto* Events = new QLabel;
        auto Show = [Field, Readout] {
            Readout->setText(QStringLiteral("Value = %1   Text = '%2'%3")
                                 .arg(Field->GetValue(), 0, 'g', 10)
                                 .arg(Field->GetText())
                                 .arg(Field->OutOfRange() ? QStringLiteral("   (out of range)") : QString()));
        };
        auto Count = std::make_shared<int>(0);
        Field->OnChange = [Show, Events, Count](QObject*) {
            Show();
            Events->setText(QStringLiteral("OnChange #%1").arg(++*Count));
        };
        Field->OnGaugeChange = [Show, Events](QObject*, TShiftState, double V) {
            Show();
            Events->setText(QStringLiteral("OnGaugeChange %1").arg(V, 0, 'g', 6));
        };
        FGrid->addWidget(new QLabel(Caption), Row, 0);
        FGrid->addWidget(Field, Row, 1);
        FGrid->addWidget(Readout, Row, 2);
        FGrid->addWidget(Events, Row, 3);
        FShows.push_back(Show);
        return Field;
    }

    void AddEdit(const QString& Caption, TInFormat Format, double Low, double High, double Value)
    {
        const int Row = FGrid->rowCount();
        auto* Edit = new TNumIO(this);
        Edit->SetInputFormat(Format);
        Edit->SetDecPlaceSep(dsBoth);
        Edit->SetRangeHigh(High);
        Edit->SetRangeLow(Low);
        Edit->SetValue(Value);
        Edit->setFixedWidth(200);
        auto* Readout = new QLabel;
        auto* Events = new QLabel;
        auto Show = [Edit, Readout] {
            Readout->setText(QStringLiteral("Value = %1").arg(Edit->GetValue(), 0, 'g', 10));
        };
        auto Count = std::make_shared<int>(0);
        Edit->OnChange = [Show, Events, Count](QObject*) {
            Show();
            Events->setText(QStringLiteral("OnChange #%1").arg(++*Count));
        };
        FGrid->addWidget(new QLabel(Caption), Row, 0);
        FGrid->addWidget(Edit, Row, 1);
        FGrid->addWidget(Readout, Row, 2);
        FGrid->addWidget(Events, Row, 3);
        FShows.push_back(Show);
    }

    void showEvent(QShowEvent* E) override
    {
        for (const auto& Show : FShows)
            Show();
        QWidget::showEvent(E);
    }

    QGridLayout* FGrid = nullptr;
    std::vector<std::function<void()>> FShows;
};

const vok::gallery::PageRegistration Reg(30, QStringLiteral("Numeric entry"), [] { return new NumericEntryPage; });

} // namespace
