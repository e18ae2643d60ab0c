// The "Meter" page: TMeter in its six layouts and in four instrument set-ups
// (logarithmic, range bands with limit lamps, a shadowed second needle and a
// host-drawn set-point overlay). One slider drives every needle; the mouse
// position over a meter is shown in scale units.
#include "GalleryPages.h"

#include <vok/Vok_Meter.h>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>
#include <functional>
#include <vector>

namespace {

using namespace vok;

// A meter with the look of a panel instrument: cream dial, dark blue scale,
// black print, a gray hub and gray rims, whatever the application's palette.
TMeter* PanelMeter(const QString& Caption, int Width, int Height)
{
    auto* M = new TMeter;
    M->SetBounds(0, 0, Width, Height);
    M->SetColorBakG(0xE8F8FC);
    M->SetColorScale(0x402010);
    M->SetColorCover(0xD8D8D8);
    M->GetFont()->SetColor(0x000000);
    M->GetFontCaption()->SetColor(0x000000);
    M->SetCaption(Caption);
    M->GetNeedleLayout()->SetColorBody(0x202020);
    M->GetNeedleLayout()->SetColorOutline(0x000000);
    M->GetNeedleLayout()->SetThickness(2);
    M->GetNeedleLayout()->SetHeadSize(14);
    M->GetNeedleLayout()->SetHeadMidLeng(12);
    return M;
}

class MeterPage : public QWidget
{
public:
    MeterPage()
    {
        auto* Outer = new QVBoxLayout(this);
        auto* Title = new QLabel(QStringLiteral("<h2>Meter</h2>TMeter: six scale layouts and four instrument set-ups. "
                                                "Drag the slider; move the mouse over a dial."));
        Outer->addWidget(Title);

        auto* Grid = new QGridLayout;
        Grid->setSpacing(6);
        const struct
        {
            TMeterLayout Layout;
            const char* Caption;
        } Layouts[] = {{mlCirc90, "mlCirc90"},   {mlCirc120, "mlCirc120"}, {mlCirc180, "mlCirc180"},
                       {mlCirc270, "mlCirc270"}, {mlCirc300, "mlCirc300"}, {mlCirc360, "mlCirc360"}};
        int Index = 0;
        for (const auto& L : Layouts) {
            TMeter* M = PanelMeter(QString::fromLatin1(L.Caption), 282, 150);
            M->SetMeterLayout(L.Layout);
            M->SetMeterMaxValue(100);
            M->SetThresholdHigh(100);
            M->SetMeterDecPlaces(0);
            M->SetMeterNrTicks(4);
            if (L.Layout >= mlCirc270)
                M->SetAnchorSize(12);
            if (L.Layout == mlCirc360) {
                // Full circle: minimum and maximum share the bottom; only the
                // minimum keeps its label.
                M->OnBeforeDrawScaleLabel = [](QObject*, TCanvas*, QString& Text, int, int) {
                    if (Text == QLatin1String("100"))
                        Text.clear();
                };
            }
            Grid->addWidget(M, Index / 3, Index % 3);
            Track(M, [M](double F) { M->SetValue(100 * F); });
            ++Index;
        }

        Outer->addLayout(Grid);
        auto* Instruments = new QHBoxLayout;
        Instruments->setSpacing(6);

        // Logarithmic frequency meter, 10 Hz .. 10 kHz.
        TMeter* Log = PanelMeter(QStringLiteral("Hz"), 210, 190);
        Log->SetMeterLayout(mlCirc120);
        Log->SetMeterMaxValue(10000);
        Log->SetMeterMinValue(10);
        Log->SetLogarithmic(true);
        Log->SetThresholdHigh(10000);
        Log->SetThresholdLow(10);
        Log->SetMeterDecPlaces(0);
        Log->SetMeterShortTicks(false);
        // Only the decades keep their labels on this small dial.
        Log->OnBeforeDrawScaleLabel = [](QObject*, TCanvas*, QString& Text, int, int) {
            if (!Text.startsWith(QLatin1Char('1')))
                Text.clear();
        };
        Instruments->addWidget(Log);
        Track(Log, [Log](double F) { Log->SetValue(10 * std::pow(1000.0, F)); });

        // Temperature with range bands; the lamps light beyond the thresholds.
        TMeter* Bands = PanelMeter(QStringLiteral("°C"), 210, 190);
        Bands->SetMeterLayout(mlCirc300);
        Bands->SetMeterMaxValue(120);
        Bands->SetMeterMinValue(-20);
        Bands->SetThresholdHigh(75);
        Bands->SetThresholdLow(15);
        Bands->SetAnchorSize(14);
        Bands->SetScaleBkWidth(12);
        Bands->SetScaleBkVisible(true);
        Bands->SetMeterDecPlaces(0);
        Bands->SetMeterNrTicks(7);
        Bands->SetColorSclBkLow(0xE0A040);
        Bands->SetColorSclBkNorm(0x60C060);
        Bands->SetColorSclBkHigh(0x3030E0);
        Instruments->addWidget(Bands);
        Track(Bands, [Bands](double F) { Bands->SetValue(-20 + 140 * F); });

        // Pressure with a dragging maximum needle under the live one.
        TMeter* Dual = PanelMeter(QStringLiteral("bar"), 210, 190);
        Dual->SetMeterLayout(mlCirc180);
        Dual->SetMeterMaxValue(16);
        Dual->SetThresholdHigh(16);
        Dual->SetMeterDecPlaces(0);
        Dual->SetMeterNrTicks(8);
        TNeedleLayout* Sec = Dual->GetNeedleLayoutSec();
        Sec->SetVisible(true);
        Sec->SetColorBody(0x2020D0);
        Sec->SetColorOutline(0x000080);
        Sec->SetPercentNeedleLength(92);
        Sec->SetShadowDx(-3);
        Sec->SetShadowDy(-3);
        Sec->SetShadowColor(0xA0B0B0);
        Dual->GetNeedleLayout()->SetShadowDx(-3);
        Dual->GetNeedleLayout()->SetShadowDy(-3);
        Dual->GetNeedleLayout()->SetShadowColor(0xA0B0B0);
        Instruments->addWidget(Dual);
        Track(Dual, [Dual](double F) {
            const double P = 16 * F;
            Dual->SetValue(P);
            Dual->SetValueSec(std::max(Dual->GetValueSec(), P));
        });

        // Speed with a host-drawn set-point mark over the scale.
        TMeter* Overlay = PanelMeter(QStringLiteral("rpm x 1000"), 210, 190);
        Overlay->SetMeterLayout(mlCirc270);
        Overlay->SetMeterMaxValue(8);
        Overlay->SetThresholdHigh(8);
        Overlay->SetMeterDecPlaces(0);
        Overlay->SetMeterNrTicks(8);
        Overlay->SetAnchorSize(14);
        Overlay->OnMeterRendered = [](QObject* Sender, TCanvas* Canvas) {
            auto* M = static_cast<TMeter*>(Sender);
            const double SetPoint = 6.5;
            int X1, Y1, X2, Y2, X3, Y3;
            M->ConvertToPixelCoords(SetPoint - 0.12, 112, X1, Y1);
            M->ConvertToPixelCoords(SetPoint + 0.12, 112, X2, Y2);
            M->ConvertToPixelCoords(SetPoint, 101, X3, Y3);
            Canvas->GetPen()->SetColor(0x0000A0);
            Canvas->GetBrush()->SetColor(0x2020FF);
            Canvas->GetBrush()->SetStyle(bsSolid);
            Canvas->Polygon({Point(X1, Y1), Point(X2, Y2), Point(X3, Y3)});
        };
        Overlay->SetRimTop(18);
        Instruments->addWidget(Overlay);
        Track(Overlay, [Overlay](double F) { Overlay->SetValue(8 * F); });

        Instruments->addStretch();
        Outer->addLayout(Instruments);

        auto* Controls = new QHBoxLayout;
        auto* Slider = new QSlider(Qt::Horizontal);
        Slider->setRange(0, 1000);
        FPosition = new QLabel(QStringLiteral("Move the mouse over a meter."));
        FPosition->setMinimumWidth(320);
        Controls->addWidget(new QLabel(QStringLiteral("Input:")));
        Controls->addWidget(Slider, 1);
        Controls->addWidget(FPosition);
        Outer->addLayout(Controls);
        Outer->addStretch();

        connect(Slider, &QSlider::valueChanged, this, [this](int V) { Drive(V / 1000.0); });
        // A peak first, so the pressure meter's drag needle shows a maximum.
        Drive(0.9);
        Slider->setValue(720);
    }

private:
    void Track(TMeter* M, std::function<void(double)> Setter)
    {
        FSetters.push_back(std::move(Setter));
        M->OnMouseMoveInMeter = [this, M](QObject*, bool WithinRange, TShiftState, double Value) {
            FPosition->setText(WithinRange ? QStringLiteral("%1: %2").arg(M->GetCaption()).arg(Value, 0, 'f', 2)
                                           : QStringLiteral("%1: outside the scale").arg(M->GetCaption()));
        };
    }

    void Drive(double Fraction)
    {
        for (const auto& Set : FSetters)
            Set(Fraction);
    }

    std::vector<std::function<void(double)>> FSetters;
    QLabel* FPosition = nullptr;
};

const vok::gallery::PageRegistration Reg(60, QStringLiteral("Meter"), [] { return new MeterPage; });

} // namespace
