// The "Instruments" page: TProgBar in its four directions and three gradient
// mappings (one running on its own timer), TOnOffBut in every style with a
// radio group, and TNumLab in every display type next to its value.
#include "GalleryPages.h"

#include <vok/Vok_NumLab.h>
#include <vok/Vok_ProgBar.h>
#include <vok/Vok_onoffbut.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QProgressBar>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

namespace {

using namespace vok;

template <class E>
QString EnumName(E Value)
{
    return QString::fromLatin1(QMetaEnum::fromType<E>().valueToKey(int(Value)));
}

QWidget* ProgressBars()
{
    auto* Box = new QGroupBox(QStringLiteral("TProgBar"));
    auto* Grid = new QGridLayout(Box);
    auto* Slider = new QSlider(Qt::Horizontal);
    Slider->setRange(0, 100);
    Slider->setValue(62);
    auto* QtBar = new QProgressBar;
    QtBar->setValue(62);
    Grid->addWidget(new QLabel(QStringLiteral("Value")), 0, 0);
    Grid->addWidget(Slider, 0, 1);
    Grid->addWidget(new QLabel(QStringLiteral("QProgressBar")), 1, 0);
    Grid->addWidget(QtBar, 1, 1);
    QObject::connect(Slider, &QSlider::valueChanged, QtBar, &QProgressBar::setValue);

    const struct
    {
        const char* Caption;
        bool Gradient;
        TColorMapping Mode;
    } Rows[] = {{"one color", false, cgmStretch},
                {"cgmCover", true, cgmCover},
                {"cgmStretch", true, cgmStretch},
                {"cgmMove", true, cgmMove}};
    int Row = 2;
    for (const auto& R : Rows) {
        auto* Bar = new TProgBar;
        Bar->SetShowColorGradient(R.Gradient);
        Bar->SetColorMapMode(R.Mode);
        Bar->SetColorMin(0x30B040); // green to red
        Bar->SetColorMax(0x2020E0);
        Bar->SetTextPosX(40);
        Bar->SetTextAlignment(taLeftJustify);
        Bar->SetTextDecPlaces(0);
        Bar->SetValue(62);
        if (R.Gradient && R.Mode == cgmCover)
            Bar->SetGridDist(10);
        QObject::connect(Slider, &QSlider::valueChanged, Bar, [Bar](int V) { Bar->SetValue(V); });
        Grid->addWidget(new QLabel(QString::fromLatin1(R.Caption)), Row, 0);
        Grid->addWidget(Bar, Row++, 1);
    }

    // Running by itself: a short start delay, then a step every 100 ms,
    // wrapping at the end.
    auto* Running = new TProgBar;
    Running->SetShowColorGradient(true);
    Running->SetColorMapMode(cgmMove);
    Running->SetColorMin(0xF0C080);
    Running->SetColorMax(0x803000);
    Running->SetValue(0);
    Running->SetTextPosX(40);
    Running->SetTextAlignment(taLeftJustify);
    Running->SetAutoIncStep(2);
    Running->SetStartInterval(500);
    Running->SetRepeatInterval(100);
    Running->OnShowValue = [](QObject*, QString& Text) { Text += QStringLiteral(" %"); };
    Running->SetOnAutoInc([Running](QObject*) {
        if (Running->GetValue() > Running->GetMax())
            Running->SetValue(Running->GetMin());
    });
    Running->SetAutoInc(true);
    Grid->addWidget(new QLabel(QStringLiteral("AutoInc")), Row, 0);
    Grid->addWidget(Running, Row++, 1);

    // The four directions side by side.
    auto* Directions = new QHBoxLayout;
    const TDirection Dirs[] = {drLeftRight, drRightLeft, drBottomUp, drTopDown};
    const char* const DirNames[] = {"drLeftRight", "drRightLeft", "drBottomUp", "drTopDown"};
    for (int I = 0; I < 4; ++I) {
        auto* Bar = new TProgBar;
        Bar->SetDirection(Dirs[I]);
        Bar->SetShowColorGradient(true);
        Bar->SetColorMapMode(cgmCover);
        Bar->SetValue(62);
        Bar->SetTextVisible(I < 2);
        QObject::connect(Slider, &QSlider::valueChanged, Bar, [Bar](int V) { Bar->SetValue(V); });
        auto* Column = new QVBoxLayout;
        Column->addWidget(new QLabel(QString::fromLatin1(DirNames[I])));
        Column->addWidget(Bar, 1);
        Directions->addLayout(Column, I < 2 ? 3 : 1);
    }
    auto* Holder = new QWidget;
    Holder->setLayout(Directions);
    Holder->setMinimumHeight(150);
    Grid->addWidget(Holder, Row, 0, 1, 2);
    return Box;
}

QWidget* Switches()
{
    auto* Box = new QGroupBox(QStringLiteral("TOnOffBut"));
    auto* Outer = new QVBoxLayout(Box);
    auto* Grid = new QGridLayout;
    const QMetaEnum Styles = QMetaEnum::fromType<TOnOffButStyle>();
    for (int I = 1; I < Styles.keyCount(); ++I) {
        auto* B = new TOnOffBut;
        B->SetButtonStyle(TOnOffButStyle(Styles.value(I)));
        B->SetBottomText(QString::fromLatin1(Styles.key(I)).mid(4));
        B->SetFrameStyle(fsNoFrame);
        B->SetMouseAction(oomaPlain);
        B->SetOnOff(I % 3 != 0);
        Grid->addWidget(B, (I - 1) / 8, (I - 1) % 8);
    }
    Outer->addLayout(Grid);

    auto* Row = new QHBoxLayout;
    // A radio group: three buttons of group 1 on one parent.
    auto* Radio = new QGroupBox(QStringLiteral("Group 1"));
    auto* RadioLayout = new QVBoxLayout(Radio);
    const char* const Stations[] = {"Low", "Medium", "High"};
    for (int I = 0; I < 3; ++I) {
        auto* B = new TOnOffBut(Radio);
        B->SetButtonStyle(oobsRadioBut);
        B->SetFrameStyle(fsNoFrame);
        B->SetAutoCenter(false);
        B->SetLeftSpace(4);
        B->SetRightText(QString::fromLatin1(Stations[I]));
        B->SetMouseAction(oomaPlain);
        B->SetOnOff(false);
        B->SetGroupIndex(1);
        B->SetAllowAllOff(false);
        B->SetOnOff(I == 1);
        RadioLayout->addWidget(B);
    }
    Row->addWidget(Radio);

    auto* Push = new TOnOffBut;
    Push->SetButtonStyle(oobsButLamp);
    Push->SetMode(oobmSpeedBut);
    Push->SetTopText(QStringLiteral("Hold me"));
    Row->addWidget(Push);
    auto* Off = new TOnOffBut;
    Off->SetButtonStyle(oobsCheckbox);
    Off->SetRightText(QStringLiteral("Disabled"));
    Off->SetEnabled(false);
    Row->addWidget(Off);
    auto* Lamp = new TOnOffBut;
    Lamp->SetButtonStyle(oobsBulb);
    Lamp->SetLeftText(QStringLiteral("Light"));
    Lamp->SetMouseAction(oomaPlain);
    Row->addWidget(Lamp);
    Row->addStretch(1);
    Outer->addLayout(Row);
    return Box;
}

QWidget* NumericLabels()
{
    auto* Box = new QGroupBox(QStringLiteral("TNumLab"));
    auto* Grid = new QGridLayout(Box);
    const struct
    {
        TDisplay Type;
        double Value;
        int Precision;
        const char* Unit;
    } Rows[] = {
        {dtFloat, 299792.458, 5, "km/s"}, {dtFixP, 3.14159265, 3, ""},    {dtExp, 6.02214076e23, 3, "1/mol"},
        {dtHex, 48879, 4, ""},            {dtZeroInt, 42, 5, ""},          {dtInt, 2.5, 0, "pcs"},
        {dtDateTime, 46364.6, 0, ""},     {dtState, 1, 0, ""},             {dtBin, 165, 8, ""},
        {dtOct, 493, 4, ""},              {dtDeg, 47.3769, 2, ""},         {dtDegMin, 47.3769, 2, ""},
        {dtDegMinSec, 8.5417, 1, ""},     {dtEEng, 0.000472, 2, "A"},      {dtEEngNoDP, 47000, 1, "\u03A9"},
    };
    int I = 0;
    for (const auto& R : Rows) {
        auto* N = new TNumLab;
        N->SetDisplayType(R.Type);
        N->SetPrecision(R.Precision);
        N->SetLabelWidth(130);
        N->SetLeftSpace(0);
        N->SetRightText(QString::fromUtf8(R.Unit));
        N->SetStateText(QStringLiteral("stopped|running|fault"));
        N->SetDTFormat(QStringLiteral("dd mmm yyyy hh:nn"));
        N->SetValue(R.Value);
        const int Col = (I % 2) * 3;
        Grid->addWidget(new QLabel(EnumName(R.Type)), I / 2, Col);
        Grid->addWidget(N, I / 2, Col + 1);
        Grid->addWidget(new QLabel(QStringLiteral("= %1").arg(R.Value, 0, 'g', 10)), I / 2, Col + 2);
        ++I;
    }
    auto* Over = new TNumLab;
    Over->SetLeftSpace(0);
    Over->SetValue(1.5e12);
    Over->SetAlignment(taRightJustify);
    Grid->addWidget(new QLabel(QStringLiteral("overflow")), I / 2, (I % 2) * 3);
    Grid->addWidget(Over, I / 2, (I % 2) * 3 + 1);
    Grid->addWidget(new QLabel(QStringLiteral("= 1.5e12")), I / 2, (I % 2) * 3 + 2);
    return Box;
}

class InstrumentsPage : public QWidget
{
public:
    InstrumentsPage()
    {
        auto* Outer = new QVBoxLayout(this);
        Outer->addWidget(new QLabel(QStringLiteral(
            "<h2>Instruments</h2>Progress bars (move the slider), switches (click them) and numeric labels.")));
        auto* Columns = new QHBoxLayout;
        auto* Left = new QVBoxLayout;
        Left->addWidget(ProgressBars());
        Left->addWidget(NumericLabels());
        Columns->addLayout(Left, 1);
        Columns->addWidget(Switches(), 1);
        Outer->addLayout(Columns);
        Outer->addStretch(1);
    }
};

const vok::gallery::PageRegistration Registration(70, QStringLiteral("Instruments"), [] { return new InstrumentsPage; });

} // namespace
