// The "Displays" page: seven-segment clock, counter and readouts, dot-matrix
// message boards (built-in and sampled font, scrolling), rotated labels at
// several angles, gradient panels of every fill type, and repeat buttons
// that count while held.
#include "GalleryPages.h"

#include <vok/Vok_RasterLab.h>
#include <vok/Vok_RotLab.h>
#include <vok/Vok_gradfl.h>
#include <vok/Vok_repsbut.h>
#include <vok/Vok_sevenseg.h>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace vok;

TSevenSeg* Readout(const QString& Caption, int Digits, TColor Text, TColor Back)
{
    auto* S = new TSevenSeg;
    S->SetNumDigits(Digits);
    S->SetColorText(Text);
    S->SetColorBackGnd(Back);
    S->SetCaption(Caption);
    return S;
}

TRasterLab* Board(const QString& Text, TColor On, TColor Off)
{
    auto* B = new TRasterLab;
    B->SetText(Text);
    B->SetColorDotOn(On);
    B->SetColorDotOff(Off);
    B->SetAutoHeight(true);
    return B;
}

class DisplaysPage : public QWidget
{
public:
    DisplaysPage()
    {
        auto* Outer = new QVBoxLayout(this);
        Outer->addWidget(new QLabel(QStringLiteral(
            "<h2>Displays</h2>TSevenSeg, TRasterLab, TRotLab, TGradFill and TRepSpeedButton. "
            "Hold a repeat button to count.")));
        auto* Top = new QHBoxLayout;
        Outer->addLayout(Top);

        // Seven-segment readouts: a running clock, a counter driven by the
        // repeat buttons, a temperature and a hexadecimal value.
        auto* SevenBox = new QGroupBox(QStringLiteral("TSevenSeg"));
        auto* Seven = new QGridLayout(SevenBox);
        FClock = Readout(QString(), 8, 0x0000FF, 0x202020);
        Seven->addWidget(FClock, 0, 0, 1, 2);
        FCounter = Readout(QString(), 5, 0x00FF40, 0x102010);
        Seven->addWidget(FCounter, 1, 0, 1, 2);
        Seven->addWidget(Readout(QStringLiteral("-12.5\u00B0"), 5, 0xFFC040, 0x302010), 2, 0);
        Seven->addWidget(Readout(QStringLiteral("C0FFEE"), 6, 0x00C0FF, 0x101828), 2, 1);
        auto* Buttons = new QHBoxLayout;
        for (const auto& [Caption, Step] : {std::pair{"\u2212", -1}, std::pair{"+", 1}}) {
            auto* B = new TRepSpeedButton;
            B->SetCaption(QString::fromUtf8(Caption));
            B->SetRepeatClickInterval(60);
            const int Delta = Step;
            B->OnClick = [this, Delta](QObject*) { Count(Delta); };
            B->SetOnRepeatClick([this, Delta](QObject*) { Count(Delta); });
            Buttons->addWidget(B);
        }
        Buttons->addWidget(new QLabel(QStringLiteral("TRepSpeedButton: click or hold")));
        Buttons->addStretch();
        Seven->addLayout(Buttons, 3, 0, 1, 2);
        Top->addWidget(SevenBox, 1);

        // Rotated labels.
        auto* RotBox = new QGroupBox(QStringLiteral("TRotLab"));
        auto* Rot = new QGridLayout(RotBox);
        const struct
        {
            int Angle;
            const char* Text;
            TAlignment Alignment;
        } Angles[] = {{0, "0\u00B0 centred", taCenter}, {45, "45\u00B0 rising", taCenter},
                      {90, "90\u00B0 upward", taCenter}, {-30, "-30\u00B0 left aligned", taLeftJustify}};
        int Index = 0;
        for (const auto& A : Angles) {
            auto* L = new TRotLab;
            L->SetCaption(QString::fromUtf8(A.Text));
            L->SetTextAngle(A.Angle);
            L->SetAlignment(A.Alignment);
            L->SetTransparent(false);
            L->SetColor(clWindow);
            if (A.Alignment == taLeftJustify) {
                L->SetAutoCenter(false);
                L->SetPosX(16);
                L->SetPosY(40);
            }
            Rot->addWidget(L, Index / 3, Index % 3);
            ++Index;
        }
        auto* Disabled = new TRotLab;
        Disabled->SetCaption(QStringLiteral("disabled, 15\u00B0"));
        Disabled->SetTextAngle(15);
        Disabled->SetEnabled(false);
        Rot->addWidget(Disabled, 1, 1);
        auto* Plain = new TRotLab;
        Plain->SetCaption(QStringLiteral("no anti-aliasing"));
        Plain->SetTextAngle(-60);
        Plain->SetAntiAlias(false);
        Plain->SetFrameStyle(fsEmbossed);
        Rot->addWidget(Plain, 1, 2);
        Top->addWidget(RotBox, 1);

        // Dot-matrix boards.
        auto* DotBox = new QGroupBox(QStringLiteral("TRasterLab"));
        auto* Dots = new QVBoxLayout(DotBox);
        auto* News = Board(QStringLiteral("Line 3: next train to Z\u00FCrich HB 12:47 \u2022 platform 7"), 0x00C0FF, 0x203040);
        News->SetScrollMode(rdsmLeft);
        News->SetScrollInterval(30);
        News->SetScrollIncrement(2);
        Dots->addWidget(News);
        auto* Sampled = Board(QStringLiteral("Sampled DejaVu Sans \u00C4\u00D6\u00DC \u00E6\u00F8\u00E5 g\u00FCltig"), 0x40FF40, 0x183018);
        Sampled->SetDotSize(2);
        Sampled->GetFont()->SetName(QStringLiteral("DejaVu Sans"));
        Sampled->GetFont()->SetSize(9);
        Sampled->SetScrollMode(rdsmRight);
        Sampled->SetScrollInterval(40);
        Dots->addWidget(Sampled);
        auto* Modes = new QHBoxLayout;
        const struct
        {
            TRDBlockMode Mode;
            const char* Text;
        } BlockModes[] = {{rdbmOn, "On"}, {rdbmRaster, "Raster"}, {rdbmOff, "Off"}};
        for (const auto& M : BlockModes) {
            auto* B = Board(QString::fromLatin1(M.Text), 0x0000FF, 0x202040);
            B->SetCharBlockMode(M.Mode);
            B->SetDotSize(2);
            B->SetAutoCenter(true);
            Modes->addWidget(B);
        }
        Dots->addLayout(Modes);
        Outer->addWidget(DotBox);

        // Gradient panels.
        auto* GradBox = new QGroupBox(QStringLiteral("TGradFill"));
        auto* Grads = new QHBoxLayout(GradBox);
        const struct
        {
            TGradType Type;
            TGridMode Grid;
            TColor First, Last;
            TFrameStyle Frame;
        } Fills[] = {{gtHoriz, gmNone, 0x800000, 0xFFE0C0, fsNoFrame},
                     {gtVert, gmVert, 0x000080, 0x00FFFF, fsLowered},
                     {gtMidBandHoriz, gmNone, 0x404040, 0xF0F0F0, fsRaised},
                     {gtMidBandVert, gmBoth, 0x004000, 0x80FF80, fsSimple}};
        for (const auto& F : Fills) {
            auto* G = new TGradFill;
            G->SetFillType(F.Type);
            G->SetGridMode(F.Grid);
            G->SetGridColor(0x303030);
            G->SetColorFirst(F.First);
            G->SetColorLast(F.Last);
            G->SetFrameStyle(F.Frame);
            Grads->addWidget(G);
        }
        Outer->addWidget(GradBox, 1);

        auto* Tick = new QTimer(this);
        connect(Tick, &QTimer::timeout, this, [this] { ShowTime(); });
        Tick->start(1000);
        ShowTime();
        Count(0);
    }

private:
    void ShowTime() { FClock->SetCaption(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))); }

    void Count(int Delta)
    {
        FCount = std::clamp(FCount + Delta, -9999, 99999);
        FCounter->SetCaption(QString::number(FCount / 10.0, 'f', 1).rightJustified(6));
    }

    TSevenSeg* FClock;
    TSevenSeg* FCounter;
    int FCount = 1234;
};

const vok::gallery::PageRegistration Reg(80, QStringLiteral("Displays"), [] { return new DisplaysPage; });

} // namespace
