#include "MeterScale.h"

#include <vok/Vok_Meter.h>
#include <vok/Vok_syscolors.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QMetaProperty>
#include <QTemporaryDir>

#include <cmath>
#include <numbers>
#include <random>

using namespace vok;

namespace {

constexpr TMeterLayout AllLayouts[] = {mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360};

// The mantissa of |Step| in [1, 10).
double Mantissa(double Step)
{
    const double A = std::fabs(Step);
    return A / std::pow(10.0, std::floor(std::log10(A) + 1e-12));
}

} // namespace

// ---------------------------------------------------------------- scale steps

TEST(MeterScaleTicks, ChoosesStepsOfTheWorkedExamples)
{
    struct Case
    {
        double Min, Max;
        int N;
        double Step;
        int SubDiv;
        double Start;
    };
    const Case Cases[] = {
        {0, 1, 3, 0.2, 4, 0},     // raw 0.333
        {0, 1, 2, 0.2, 4, 0},     // raw exactly 0.5 falls to 0.2
        {0, 100, 3, 20, 4, 0},    // raw 33.3
        {-7, 13, 3, 5, 5, -5},    // first multiple at or above Min
        {0, 1, 10, 0.1, 5, 0},    // raw exactly a power of ten is kept
        {0, 2, 10, 0.1, 5, 0},    // raw exactly 0.2 falls to 0.1
        {10, 0, 3, -2, 4, 10},    // falling range: negative step
        {0.5, 0.75, 2, 0.1, 5, 0.5},
    };
    for (const Case& C : Cases) {
        const TScaleTicks T = CalcScaleTicks(C.N, C.Min, C.Max);
        EXPECT_DOUBLE_EQ(T.Step, C.Step) << C.Min << ".." << C.Max << " N " << C.N;
        EXPECT_EQ(T.SubDiv, C.SubDiv) << C.Min << ".." << C.Max << " N " << C.N;
        EXPECT_NEAR(T.Start, C.Start, 1e-12) << C.Min << ".." << C.Max << " N " << C.N;
    }
    const TScaleTicks Flat = CalcScaleTicks(3, 4, 4);
    EXPECT_EQ(Flat.Step, 0);
    EXPECT_EQ(Flat.Start, 4);
    EXPECT_EQ(Flat.SubDiv, 1);
}

TEST(MeterScaleTicks, RandomRangesGiveRoundStepsNoLargerThanTheRawStep)
{
    std::mt19937 Rng(20261207);
    std::uniform_real_distribution<double> Exponent(-6, 6);
    std::uniform_real_distribution<double> Unit(-1, 1);
    std::uniform_int_distribution<int> Intervals(2, 21);
    for (int I = 0; I < 400; ++I) {
        const double Scale = std::pow(10.0, Exponent(Rng));
        const double Min = Unit(Rng) * Scale * 3;
        const double Max = Min + std::fabs(Unit(Rng)) * Scale + 1e-9 * Scale;
        const int N = Intervals(Rng);
        const TScaleTicks T = CalcScaleTicks(N, Min, Max);
        const double Raw = (Max - Min) / N;
        SCOPED_TRACE(testing::Message() << "Min " << Min << " Max " << Max << " N " << N << " Step " << T.Step);

        const double M = Mantissa(T.Step);
        EXPECT_TRUE(std::fabs(M - 1) < 1e-9 || std::fabs(M - 2) < 1e-9 || std::fabs(M - 5) < 1e-9);
        EXPECT_EQ(T.SubDiv, std::fabs(M - 2) < 1e-9 ? 4 : 5);
        EXPECT_GT(T.Step, 0);
        EXPECT_LE(T.Step, Raw * (1 + 1e-9));
        EXPECT_GE(T.Step, Raw / 2.5 * (1 - 1e-9));

        // Start is a multiple of Step, at or above Min, and the one before lies below Min.
        const double Multiple = T.Start / T.Step;
        EXPECT_NEAR(Multiple, std::nearbyint(Multiple), 1e-6);
        EXPECT_GE(T.Start, Min - 0.001 * T.Step * (1 + 1e-9));
        EXPECT_LT(T.Start - T.Step, Min + 0.001 * T.Step);

        // Major ticks stay within the range and never number more than the
        // raw step allows.
        const QList<double> Major = MajorTickValues(T, Max);
        ASSERT_FALSE(Major.isEmpty());
        EXPECT_LE(Major.back(), Max + 0.001 * T.Step);
        EXPECT_LE(Major.size(), int(2.5 * N) + 2);
    }
}

TEST(MeterScaleTicks, MajorAndMinorValuesOfTheUnitRange)
{
    const TScaleTicks T = CalcScaleTicks(3, 0, 1);
    const QList<double> Major = MajorTickValues(T, 1);
    QStringList Labels;
    for (double V : Major)
        Labels << ScaleLabelText(V, CalcM(1, 1, 0));
    EXPECT_EQ(Labels, QStringList({"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));

    // Three minor ticks between neighbouring majors, none on a major, none outside.
    const QList<double> Minor = MinorTickValues(T, 0, 1);
    ASSERT_EQ(Minor.size(), 15);
    for (int I = 0; I < Minor.size(); ++I)
        EXPECT_NEAR(Minor[I], 0.05 * (I + 1 + I / 3), 1e-12) << I;
}

TEST(MeterScaleTicks, DegenerateStepsGiveNoTicks)
{
    EXPECT_TRUE(MajorTickValues(CalcScaleTicks(3, 2, 2), 2).isEmpty());
    EXPECT_TRUE(MinorTickValues(CalcScaleTicks(3, 2, 2), 2, 2).isEmpty());
    const double Huge = 1.7e308;
    EXPECT_LE(MajorTickValues(CalcScaleTicks(3, -Huge, Huge), Huge).size(), 10000);
    EXPECT_TRUE(MajorTickValues(CalcScaleTicks(3, 0, INFINITY), INFINITY).isEmpty());
}

TEST(MeterScaleTicks, LogarithmicTicksForThreeDecades)
{
    const QList<TLogTick> Ticks = LogScaleTicks(1, 1000);
    QList<double> Expected;
    for (double Decade : {1.0, 10.0, 100.0})
        for (int U = 1; U <= 9; ++U)
            Expected << U * Decade;
    Expected << 1000;
    ASSERT_EQ(Ticks.size(), Expected.size());
    QList<double> Labelled;
    for (int I = 0; I < Ticks.size(); ++I) {
        EXPECT_NEAR(Ticks[I].Value, Expected[I], 1e-9 * Expected[I]) << I;
        if (Ticks[I].Labelled)
            Labelled << std::round(Ticks[I].Value);
    }
    EXPECT_EQ(Labelled, QList<double>({1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}));
    EXPECT_TRUE(SpansDecades(1, 1000));
    EXPECT_TRUE(SpansDecades(2, 20));
    EXPECT_FALSE(SpansDecades(2, 19));
    EXPECT_FALSE(SpansDecades(0, 1000));
}

TEST(MeterScaleTicks, LogarithmicTicksLabelEverythingWithinOneDecade)
{
    const QList<TLogTick> Ticks = LogScaleTicks(2, 19);
    ASSERT_EQ(Ticks.size(), 9);  // 2..9, 10
    for (const TLogTick& T : Ticks)
        EXPECT_TRUE(T.Labelled) << T.Value;
    EXPECT_TRUE(LogScaleTicks(0, 10).isEmpty());
    EXPECT_TRUE(LogScaleTicks(10, 1).isEmpty());
    EXPECT_EQ(LogScaleTicks(1e-100, 1e100).size(), 9 * 200 + 1);
}

// ---------------------------------------------------------------- labels

TEST(MeterLabels, DecimalsFromCalcM)
{
    struct Case
    {
        int Dec;
        double A, B;
        int Expected;
    };
    const Case Cases[] = {
        {1, 0, 1, 1},      {4, 0, 1e9, 4},    {0, 0, 1e-9, 0},  // given decimals are kept
        {-2, 0, 1e6, -1},  {-2, 0, 1e-4, -1}, {-2, 5, 5, -1},   // automatic: exponent notation
        {-2, 0, 100, 0},   {-2, 1000, 0, 0},                    // wide ranges: no decimals
        {-2, 0, 1, 2},     {-2, 0, 10, 1},    {-2, 0, 0.01, 4},  // 2 - Round(ln s / 2.5)
    };
    for (const Case& C : Cases)
        EXPECT_EQ(CalcM(C.Dec, C.A, C.B), C.Expected) << C.Dec << " " << C.A << " " << C.B;
}

TEST(MeterLabels, FixedPointWithPointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ScaleLabelText(0.26, 1), "0.3");
    EXPECT_EQ(ScaleLabelText(-2.5, 1), "-2.5");
    EXPECT_EQ(ScaleLabelText(1234567.891, 2), "1234567.89");
    EXPECT_EQ(ScaleLabelText(7, 0), "7");
    EXPECT_EQ(ScaleLabelText(-0.00004, 1), "0.0");
    EXPECT_EQ(ScaleLabelText(-1e-17, 0), "0");
    EXPECT_EQ(ScaleLabelText(1500, -1), "1.500e+03");
    QLocale::setDefault(QLocale::c());
}

TEST(MeterLabels, InsetAndAnchor)
{
    const TLabelInset Inset = LabelInset(21, 13);
    EXPECT_DOUBLE_EQ(Inset.X, 25.5);
    EXPECT_DOUBLE_EQ(Inset.Y, 21.5);
    const TMeterGeometry G{90, 175, 148, 191};
    EXPECT_EQ(LabelAnchor(G, 90, Inset), Point(148, 38));   // 191 - 153.5 = 37.5 rounds to even
    EXPECT_EQ(LabelAnchor(G, 0, Inset), Point(298, 191));  // 148 + 149.5 rounds to even
}

// ---------------------------------------------------------------- layout

TEST(MeterLayoutGeometry, DefaultSizeTable)
{
    const TMeterRims Rims;
    struct Case
    {
        TMeterLayout Layout;
        TMeterGeometry Expected;
    };
    const Case Cases[] = {
        {mlCirc90, {90, 175, 148, 191}},
        {mlCirc120, {120, 130.5 * 1.1547, 148, 191}},
        {mlCirc180, {180, 130, 148, 191}},
        {mlCirc270, {270, 175 / (1 + std::numbers::sqrt2 / 2), 148, 119}},
        {mlCirc300, {300, 175 / 1.866, 148, 110}},
        {mlCirc360, {360, 87.5, 148, 104}},
    };
    for (const Case& C : Cases) {
        const TMeterGeometry G = CalcMeterGeometry(C.Layout, 297, 209, Rims);
        EXPECT_EQ(G.Angle, C.Expected.Angle) << int(C.Layout);
        EXPECT_NEAR(G.Radius, C.Expected.Radius, 1e-9) << int(C.Layout);
        EXPECT_EQ(G.CenterX, C.Expected.CenterX) << int(C.Layout);
        EXPECT_EQ(G.CenterY, C.Expected.CenterY) << int(C.Layout);
    }
    // Wide and flat: the 300-degree dial is bound by the height, the 360 too.
    EXPECT_NEAR(CalcMeterGeometry(mlCirc300, 600, 100, Rims).Radius, 66 / 1.866, 1e-9);
    EXPECT_LE(CalcMeterGeometry(mlCirc90, 100, 30, Rims).Radius, 0);
}

TEST(MeterLayoutGeometry, ArcStaysInsideTheRimsAtAnySize)
{
    const TMeterRims Rims{12, 5, 7};
    for (TMeterLayout Layout : AllLayouts) {
        for (int W : {60, 97, 160, 297, 640}) {
            for (int H : {50, 89, 209, 480}) {
                const TMeterGeometry G = CalcMeterGeometry(Layout, W, H, Rims);
                if (G.Radius <= 0)
                    continue;
                const TMeterScale S(0, 1, false, G.Angle);
                for (double F = 0; F <= 1.0001; F += 0.02) {
                    const TPoint P = PolarPoint(G, G.Radius, S.DrawAngle(F));
                    const bool Vertical = P.Y >= Rims.Top + 7 && P.Y <= H - Rims.Bottom - 7;
                    // The 90-degree dial is sized by the height only.
                    const bool Horizontal = Layout == mlCirc90 || (P.X >= Rims.Side + 7 && P.X <= W - Rims.Side - 7);
                    EXPECT_TRUE(Vertical && Horizontal)
                        << "layout " << int(Layout) << " " << W << "x" << H << " point " << P.X << "," << P.Y;
                }
            }
        }
    }
}

TEST(MeterLayoutGeometry, RingSectorBoundsHoldTheWholeSector)
{
    const TMeterGeometry G{300, 93.5, 148, 110};
    std::mt19937 Rng(7);
    std::uniform_real_distribution<double> Angle(-200, 400);
    for (int I = 0; I < 200; ++I) {
        const double From = Angle(Rng);
        const double To = I % 10 == 0 ? From + 360 : Angle(Rng);  // every tenth a whole ring
        const TRect B = RingSectorBounds(G, 70, 97, From, To);
        double Sweep = std::fmod(To - From, 360.0);
        if (Sweep <= 1e-9)
            Sweep += 360;
        for (double T = 0; T <= 1; T += 0.01)
            for (double R : {70.0, 83.0, 97.0}) {
                const TPoint P = PolarPoint(G, R, From + T * Sweep);
                ASSERT_TRUE(B.Contains(P)) << From << " " << To << " at " << T << " r " << R;
            }
        EXPECT_LE(B.Width(), 2 * 97 + 6);
    }
    // A small sector at the top stays small.
    const TRect Top = RingSectorBounds(G, 70, 97, 80, 100);
    EXPECT_LE(Top.Width(), 2 * 97 * std::sin(10 * std::numbers::pi / 180) + 6);
    EXPECT_LE(Top.Height(), 97 - 70 * std::cos(10 * std::numbers::pi / 180) + 6);
}

// ---------------------------------------------------------------- mapping

TEST(MeterMapping, AnglesOfTheScaleEnds)
{
    const TMeterScale S(0, 1, false, 90);
    EXPECT_DOUBLE_EQ(S.DrawAngle(0), 135);
    EXPECT_DOUBLE_EQ(S.DrawAngle(1), 45);
    EXPECT_DOUBLE_EQ(S.MinAngle(), 135);
    EXPECT_DOUBLE_EQ(S.MaxAngle(), 45);
    EXPECT_DOUBLE_EQ(S.NeedleAngle(0.5), 180);
    EXPECT_DOUBLE_EQ(S.NeedleAngle(-3), 135);  // clamped to Min
    EXPECT_DOUBLE_EQ(S.NeedleAngle(7), 225);   // clamped to Max

    const TMeterScale Log(1, 1000, true, 300);
    EXPECT_NEAR(Log.Fraction(10), 1.0 / 3, 1e-12);
    EXPECT_NEAR(Log.Fraction(-5), (-5 - 1) / 999.0, 1e-12);  // not positive: linear
    EXPECT_EQ(TMeterScale(3, 3, false, 90).Fraction(3), 0);   // empty range
}

TEST(MeterMapping, DirectionsAroundThePivot)
{
    EXPECT_DOUBLE_EQ(DirectionFromPivot(100, 150, 100, 100), 0);    // below
    EXPECT_DOUBLE_EQ(DirectionFromPivot(50, 100, 100, 100), 90);    // left
    EXPECT_DOUBLE_EQ(DirectionFromPivot(100, 20, 100, 100), 180);   // above
    EXPECT_DOUBLE_EQ(DirectionFromPivot(100, 100, 100, 100), 180);  // the pivot itself
    EXPECT_DOUBLE_EQ(DirectionFromPivot(170, 100, 100, 100), 270);  // right
    EXPECT_NEAR(DirectionFromPivot(110, 110, 100, 100), 315, 1e-12);

    const TMeterScale S(0, 1, false, 90);
    double V = -1;
    EXPECT_TRUE(S.ValueAtDirection(180, V));
    EXPECT_DOUBLE_EQ(V, 0.5);
    EXPECT_FALSE(S.ValueAtDirection(0, V));
    EXPECT_EQ(V, 0);
    EXPECT_FALSE(S.ValueAtDirection(134.9, V));
    EXPECT_TRUE(S.ValueAtDirection(135, V));
    EXPECT_DOUBLE_EQ(V, 0);
}

TEST(MeterMapping, ValueToPixelToValueRoundTrips)
{
    struct Range
    {
        double Min, Max;
        bool Log;
    };
    const Range Ranges[] = {{0, 1, false}, {-40, 120, false}, {1, 1000, true}, {0.01, 5, true}};
    for (TMeterLayout Layout : AllLayouts) {
        const TMeterGeometry G = CalcMeterGeometry(Layout, 297, 209, TMeterRims());
        for (const Range& R : Ranges) {
            const TMeterScale S(R.Min, R.Max, R.Log, G.Angle);
            // One pixel at the arc, as a scale fraction, plus the rounding of the point.
            const double PixelFraction = 1.0 / (G.Radius * G.Angle * std::numbers::pi / 180);
            for (double F = 0.01; F < 1; F += 0.0125) {
                const double Value = S.ValueAt(F);
                const TPoint P = PolarPoint(G, G.Radius, S.DrawAngle(Value));
                double Back = 0;
                ASSERT_TRUE(S.ValueAtDirection(DirectionFromPivot(P.X, P.Y, G.CenterX, G.CenterY), Back))
                    << int(Layout) << " " << Value;
                EXPECT_NEAR(S.Fraction(Back), F, PixelFraction) << int(Layout) << " " << Value;
            }
        }
    }
}

TEST(MeterMapping, NeedleOutlinePointsUp)
{
    const TMeterGeometry G{90, 175, 148, 191};
    TNeedleShape Shape;
    const auto P = NeedlePolygon(G, 90, Shape);
    // Length 171 = (175 - 4) * 100%; barbs 20 pixels back at +-15 degrees.
    EXPECT_EQ(P[1], Point(148, 20));
    EXPECT_EQ(P[0], Point(153, 39));
    EXPECT_EQ(P[2], Point(143, 39));
    EXPECT_EQ(P[3], Point(148, 40));
    EXPECT_EQ(P[4], Point(148, 191));
    EXPECT_EQ(P[5], Point(148, 191));
    EXPECT_EQ(P[6], Point(148, 40));

    Shape.Thickness = 6;
    Shape.PercentLength = 50;
    const auto Q = NeedlePolygon(G, 0, Shape);  // pointing right, length 85.5 -> 86 (ties to even)
    EXPECT_EQ(Q[1], Point(148 + 86, 191));
    EXPECT_EQ(Q[4], Point(148, 188));
    EXPECT_EQ(Q[5], Point(148, 194));
}

// ================================================================ the widget

namespace {

// Records the range events of a meter in firing order.
struct EventLog
{
    explicit EventLog(TMeter& M)
    {
        M.OnOverFlow = [this](QObject*) { Events << "over"; };
        M.OnUnderFlow = [this](QObject*) { Events << "under"; };
        M.OnNormalRange = [this](QObject*) { Events << "normal"; };
        M.OnMeterRendered = [this](QObject*, TCanvas*) { ++Paints; };
    }
    QStringList Take()
    {
        QStringList Taken = Events;
        Events.clear();
        return Taken;
    }
    QStringList Events;
    int Paints = 0;
};

TColor PixelAt(TMeter& M, int X, int Y)
{
    return M.GetCanvas()->GetPixel(X, Y);
}

// A scratch folder for image files.
struct ImageFiles
{
    QString Write(const QString& Name, const QImage& Image)
    {
        const QString Path = Dir.filePath(Name);
        EXPECT_TRUE(Image.save(Path));
        return Path;
    }
    QTemporaryDir Dir;
};

} // namespace

TEST(MeterProperties, InitialValuesAndNothingStoredAtTheDefaults)
{
    TMeter M;
    EXPECT_EQ(M.GetWidth(), 297);
    EXPECT_EQ(M.GetHeight(), 209);
    EXPECT_EQ(M.GetAnchorSize(), 24);
    EXPECT_TRUE(M.GetAnchorCovered());
    EXPECT_EQ(M.GetColorBakG(), 0xFFFFFFu);
    EXPECT_EQ(M.GetColorCover(), clBtnFace);
    EXPECT_EQ(M.GetColorScale(), 0x800000u);
    EXPECT_EQ(M.GetColorSclBkNorm(), 0x0080FFu);
    EXPECT_EQ(M.GetFrameStyle(), fsRaised);
    EXPECT_EQ(M.GetMeterLayout(), mlCirc90);
    EXPECT_EQ(M.GetMeterNrTicks(), 3);
    EXPECT_EQ(M.GetMeterDecPlaces(), 1);
    EXPECT_EQ(M.GetThresholdHigh(), 1.0);
    EXPECT_TRUE(M.GetNeedleLayout()->GetVisible());
    EXPECT_FALSE(M.GetNeedleLayoutSec()->GetVisible());
    EXPECT_EQ(M.GetMeterAngle(), 90);
    EXPECT_EQ(M.GetMeterRadius(), 175);
    EXPECT_EQ(M.GetFontCaption()->GetName(), M.GetFont()->GetName());

    // Every published setting resets to its initial value.
    TMeter Changed;
    Changed.SetMeterNrTicks(7);
    Changed.SetCaption(QStringLiteral("V"));
    Changed.SetColorBakG(clRed);
    Changed.SetRimTop(3);
    Changed.SetValue(0.25);
    Changed.GetNeedleLayoutSec()->SetVisible(true);
    Changed.GetNeedleLayoutSec()->SetHeadSize(9);
    for (QObject* Fresh : {static_cast<QObject*>(&M), static_cast<QObject*>(M.GetNeedleLayoutSec())}) {
        QObject* Other = Fresh == &M ? static_cast<QObject*>(&Changed) : Changed.GetNeedleLayoutSec();
        const QMetaObject* Meta = Fresh->metaObject();
        int Resettable = 0;
        for (int I = Meta->propertyOffset(); I < Meta->propertyCount(); ++I) {
            const QMetaProperty P = Meta->property(I);
            if (P.isResettable()) {
                EXPECT_TRUE(P.reset(Other)) << P.name();
                ++Resettable;
            }
        }
        for (int I = Meta->propertyOffset(); I < Meta->propertyCount(); ++I) {
            const QMetaProperty P = Meta->property(I);
            if (P.isResettable()) {
                EXPECT_EQ(P.read(Other), P.read(Fresh)) << P.name();
            }
        }
        EXPECT_EQ(Resettable, Fresh == &M ? 36 : 11);
    }
}

TEST(MeterProperties, DialFollowsSizeRimsAndLayout)
{
    TMeter M;
    M.SetRimTop(20);  // rims lay the dial out again
    EXPECT_EQ(M.GetMeterRadius(), 209 - 10 - 20 - 16);
    M.SetMeterLayout(mlCirc360);
    EXPECT_EQ(M.GetMeterAngle(), 360);
    M.show();
    M.resize(400, 300);  // a resize through Qt, as a layout does it
    EXPECT_EQ(M.GetMeterRadius(), (300 - 10 - 20 - 16) / 2.0);
    EXPECT_EQ(M.GetMeterCenterX(), 200);
}

TEST(MeterProperties, SettersClampSilently)
{
    TMeter M;
    const struct
    {
        std::function<void(int)> Set;
        std::function<double()> Get;
        int In;
        double Stored;
    } Cases[] = {
        {[&](int V) { M.SetMeterNrTicks(V); }, [&] { return M.GetMeterNrTicks(); }, 1, 2},
        {[&](int V) { M.SetMeterNrTicks(V); }, [&] { return M.GetMeterNrTicks(); }, 30, 21},
        {[&](int V) { M.SetMeterDecPlaces(V); }, [&] { return M.GetMeterDecPlaces(); }, -1, 0},
        {[&](int V) { M.SetMeterDecPlaces(V); }, [&] { return M.GetMeterDecPlaces(); }, 9, 4},
        {[&](int V) { M.SetScaleBkWidth(V); }, [&] { return M.GetScaleBkWidth(); }, 150, 100},
        {[&](int V) { M.SetScaleBkWidth(V); }, [&] { return M.GetScaleBkWidth(); }, -3, 0},
        {[&](int V) { M.GetNeedleLayout()->SetPercentNeedleLength(V); },
         [&] { return M.GetNeedleLayout()->GetPercentNeedleLength(); }, 150, 100},
        {[&](int V) { M.GetNeedleLayout()->SetHeadAngle(V); }, [&] { return M.GetNeedleLayout()->GetHeadAngle(); }, -5,
         0},
        {[&](int V) { M.GetNeedleLayout()->SetHeadAngle(V); }, [&] { return M.GetNeedleLayout()->GetHeadAngle(); }, 200,
         180},
    };
    for (const auto& C : Cases) {
        C.Set(C.In);
        EXPECT_EQ(C.Get(), C.Stored) << C.In;
    }
}

TEST(MeterProperties, RepaintRules)
{
    TMeter M;
    EventLog Log(M);
    M.SetColorScale(M.GetColorScale());     // equal: nothing
    M.SetMeterNrTicks(1);                    // clamped to 2: a change
    M.SetMeterNrTicks(0);                    // clamped to 2 again: nothing
    M.SetCaption(M.GetCaption());            // always stores and repaints
    M.SetScaleVisible(true);                 // always
    M.GetNeedleLayout()->SetThickness(4);    // the layout's change repaints
    M.GetNeedleLayout()->SetThickness(4);    // equal: nothing
    EXPECT_EQ(Log.Paints, 4);

    TNeedleLayout Template(nullptr, false);
    Template.SetColorBody(clRed);
    Template.SetShadowDx(3);
    M.SetNeedleLayoutSec(&Template);
    EXPECT_EQ(Log.Paints, 5);
    EXPECT_EQ(M.GetNeedleLayoutSec()->GetColorBody(), clRed);
    EXPECT_EQ(M.GetNeedleLayoutSec()->GetShadowDx(), 3);
    EXPECT_THROW(M.GetNeedleLayout()->Assign(&M), EVOKError);
}

TEST(MeterRange, MinAndMaxPushEachOtherAndTheValues)
{
    TMeter M;
    M.SetMeterMaxValue(0);  // Min 0 -> -1
    EXPECT_EQ(M.GetMeterMinValue(), -1);
    EXPECT_EQ(M.GetThresholdHigh(), 0);

    M.SetMeterMaxValue(10);
    M.SetValue(4);
    M.SetThresholdHigh(8);
    M.SetMeterMinValue(12);  // Max follows to Min + 1; value and thresholds are raised
    EXPECT_EQ(M.GetMeterMaxValue(), 13);
    EXPECT_EQ(M.GetValue(), 12);
    EXPECT_EQ(M.GetThresholdLow(), 12);
    EXPECT_EQ(M.GetThresholdHigh(), 12);

    // Far from zero, Min + 1 is Min again: Max still ends up above Min.
    M.SetMeterMinValue(1e300);
    EXPECT_GT(M.GetMeterMaxValue(), M.GetMeterMinValue());
    M.SetMeterMinValue(NAN);
    M.SetMeterMaxValue(INFINITY);
    EXPECT_EQ(M.GetMeterMinValue(), 1e300);
}

TEST(MeterRange, LogarithmicRules)
{
    TMeter M;
    M.SetLogarithmic(true);  // refused while Min is 0
    EXPECT_FALSE(M.GetLogarithmic());

    M.SetMeterMaxValue(100);
    M.SetMeterMinValue(2);
    M.SetLogarithmic(true);
    EXPECT_TRUE(M.GetLogarithmic());
    M.SetMeterMinValue(0);  // ignored on a logarithmic scale
    M.SetThresholdLow(-1);  // ignored too
    EXPECT_EQ(M.GetMeterMinValue(), 2);
    EXPECT_EQ(M.GetThresholdLow(), 2);
    M.SetMeterMaxValue(0.5);  // Max - 1 is not positive: Min becomes Max / 10
    EXPECT_DOUBLE_EQ(M.GetMeterMinValue(), 0.05);

    // While loading, accepted values are only stored.
    TMeter L;
    L.BeginLoading();
    L.SetLogarithmic(true);
    L.SetMeterMaxValue(-5);
    L.SetValue(7);
    EXPECT_TRUE(L.GetLogarithmic());
    EXPECT_EQ(L.GetMeterMaxValue(), 1);  // below 1e-100 on a logarithmic scale: ignored
    EXPECT_EQ(L.GetValue(), 7);
    L.Loaded();
    EXPECT_EQ(L.GetValue(), 1);  // brought into range, no event
}

TEST(MeterRange, EventSequencesOfTheMainNeedle)
{
    TMeter M;
    EventLog Log(M);
    const struct
    {
        double Value;
        QStringList Events;
        bool Over, Under;
        double Stored;
    } Steps[] = {
        {1, {"over"}, true, false, 1},
        {0.5, {"normal"}, false, false, 0.5},
        {0, {"under"}, false, true, 0},
        {5, {"over"}, true, false, 1},
        {5, {"over"}, true, false, 1},  // compared with the held 1, not with 5
        {1, {}, true, false, 1},        // equal to the held value: nothing
        {-2, {"under"}, false, true, 0},
    };
    for (const auto& S : Steps) {
        M.SetValue(S.Value);
        EXPECT_EQ(Log.Take(), S.Events) << S.Value;
        EXPECT_EQ(M.IsOverLimit(), S.Over) << S.Value;
        EXPECT_EQ(M.IsUnderLimit(), S.Under) << S.Value;
        EXPECT_EQ(M.GetValue(), S.Stored) << S.Value;
    }

    // The main needle's Visible governs only the events.
    M.GetNeedleLayout()->SetVisible(false);
    M.SetValue(0.7);
    EXPECT_TRUE(Log.Take().isEmpty());
    EXPECT_FALSE(M.IsUnderLimit());
}

TEST(MeterRange, SecondNeedleAndThresholds)
{
    TMeter M;
    EventLog Log(M);
    M.SetValue(0);
    Log.Take();
    const int Paints = Log.Paints;
    M.SetValueSec(0.9);  // invisible: no event, no repaint, but the lamp flags are cleared
    EXPECT_TRUE(Log.Take().isEmpty());
    EXPECT_EQ(Log.Paints, Paints);
    EXPECT_FALSE(M.IsUnderLimit());

    M.GetNeedleLayoutSec()->SetVisible(true);
    M.SetValueSec(1);
    EXPECT_EQ(Log.Take(), QStringList({"over"}));
    EXPECT_TRUE(M.IsOverLimit());

    // Thresholds judge the main value only.
    M.SetValue(0.2);
    Log.Take();
    M.SetThresholdLow(0.3);
    EXPECT_EQ(Log.Take(), QStringList({"under"}));
    EXPECT_TRUE(M.IsUnderLimit());
    M.SetThresholdLow(0.1);
    EXPECT_TRUE(Log.Take().isEmpty());
    EXPECT_FALSE(M.IsUnderLimit());
    M.SetThresholdHigh(0.05);  // below Low: Low follows; the value is over it
    EXPECT_EQ(M.GetThresholdLow(), 0.05);
    EXPECT_EQ(Log.Take(), QStringList({"over"}));
    M.SetThresholdHigh(7);  // clamped to Max
    EXPECT_EQ(M.GetThresholdHigh(), 1);
    EXPECT_FALSE(M.IsOverLimit());
    M.SetThresholdLow(3);  // clamped to Max, High follows
    EXPECT_EQ(M.GetThresholdLow(), 1);
    EXPECT_EQ(M.GetThresholdHigh(), 1);
}

TEST(MeterMouse, PixelToValueAndTheMoveEvent)
{
    TMeter M;
    const int CX = M.GetMeterCenterX();
    const int CY = M.GetMeterCenterY();
    double V = -1;
    EXPECT_TRUE(M.ConvertPixelToValue(CX, CY - 50, V));
    EXPECT_DOUBLE_EQ(V, 0.5);
    EXPECT_FALSE(M.ConvertPixelToValue(CX, CY + 5, V));
    EXPECT_EQ(V, 0);

    int X = 0, Y = 0;
    M.ConvertToPixelCoords(0.8, 100, X, Y);
    EXPECT_TRUE(M.ConvertPixelToValue(X, Y, V));
    EXPECT_NEAR(V, 0.8, 1.0 / (M.GetMeterRadius() * std::numbers::pi / 2));
    EXPECT_DOUBLE_EQ(M.CalcNeedleAngle(2), 225);

    QStringList Calls;
    M.OnMouseMove = [&](QObject*, TShiftState, int, int) { Calls << "move"; };
    M.OnMouseMoveInMeter = [&](QObject*, bool Within, TShiftState Shift, double Value) {
        Calls << QStringLiteral("meter %1 %2 %3").arg(int(Within)).arg(int(Shift.testFlag(ssShift))).arg(Value);
    };
    M.MouseMove(ssShift, CX, CY - 10);
    EXPECT_EQ(Calls, QStringList({"move", "meter 1 1 0.5"}));
}

// ---------------------------------------------------------------- pixels

TEST(MeterPixels, NothingIsPaintedWithoutARadius)
{
    TMeter M;
    M.SetBounds(0, 0, 120, 30);  // 30 - 10 - 8 - 16 < 0
    EXPECT_LE(M.GetMeterRadius(), 0);
    M.GetCanvas()->GetBrush()->SetColor(clFuchsia);
    M.GetCanvas()->FillRect(Rect(0, 0, 120, 30));
    M.SetCaption(QStringLiteral("x"));
    M.Paint();
    for (TPoint P : {Point(0, 0), Point(60, 15), Point(119, 29)})
        EXPECT_EQ(PixelAt(M, P.X, P.Y), clFuchsia);
}

TEST(MeterPixels, RangeBandColorsAtKnownAngles)
{
    TMeter M;
    M.SetScaleVisible(false);
    M.SetThresholdHigh(0.7);
    M.SetThresholdLow(0.3);
    M.SetScaleBkWidth(20);
    M.SetScaleBkVisible(true);
    M.SetValue(0.5);
    auto At = [&](double Value, double Percent) {
        int X, Y;
        M.ConvertToPixelCoords(Value, Percent, X, Y);
        return PixelAt(M, X, Y);
    };
    EXPECT_EQ(At(0.1, 92), 0x00FF00u);
    EXPECT_EQ(At(0.4, 92), 0x0080FFu);
    EXPECT_EQ(At(0.9, 92), 0x0000FFu);
    EXPECT_EQ(At(0.9, 101), 0x0000FFu);  // the bands reach 4 pixels beyond the arc
    EXPECT_EQ(At(0.9, 70), 0xFFFFFFu);   // inside the ring: the dial

    // Low threshold at the minimum: the low band is skipped, the normal band
    // reaches down to the minimum.
    M.SetThresholdLow(0);
    EXPECT_EQ(At(0.1, 92), 0x0080FFu);
    // Both thresholds equal: no normal band.
    M.SetThresholdLow(0.5);
    M.SetThresholdHigh(0.5);
    EXPECT_EQ(At(0.45, 92), 0x00FF00u);
    EXPECT_EQ(At(0.55, 92), 0x0000FFu);
}

TEST(MeterPixels, NeedleTipAndBody)
{
    TMeter M;
    M.SetValue(0.5);
    // Straight up: tip 171 pixels above the pivot (radius 175 less 4).
    const int CX = M.GetMeterCenterX();
    const int TipY = M.GetMeterCenterY() - 171;
    EXPECT_EQ(PixelAt(M, CX, TipY), clBlack);
    EXPECT_EQ(PixelAt(M, CX, TipY + 10), 0xC0C0C0u);
    EXPECT_EQ(PixelAt(M, CX - 12, TipY + 10), 0xFFFFFFu);

    // A shadow three pixels to the left.
    M.GetNeedleLayout()->SetShadowDx(3);
    M.GetNeedleLayout()->SetShadowColor(clTeal);
    EXPECT_EQ(PixelAt(M, CX - 3, TipY), clTeal);
    EXPECT_EQ(PixelAt(M, CX, TipY), clBlack);
}

TEST(MeterPixels, HostDrawnNeedleUnderRimHubAndLamps)
{
    TMeter M;
    M.SetValue(0.5);
    M.OnBeforeDrawNeedle = [](QObject*, TCanvas* Canvas, bool& NeedleDrawn) {
        Canvas->GetBrush()->SetColor(clFuchsia);
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->FillRect(Rect(0, 0, Canvas->Width(), Canvas->Height()));
        NeedleDrawn = true;
    };
    M.Paint();
    const TColor Cover = ColorToRGB(clBtnFace);
    EXPECT_EQ(PixelAt(M, 148, 40), clFuchsia);  // no built-in needle
    EXPECT_EQ(PixelAt(M, 4, 100), Cover);       // rims
    EXPECT_EQ(PixelAt(M, 292, 100), Cover);
    EXPECT_EQ(PixelAt(M, 150, 4), Cover);
    EXPECT_EQ(PixelAt(M, 150, 204), Cover);
    EXPECT_EQ(PixelAt(M, 148, 180), Cover);     // hub
    EXPECT_EQ(PixelAt(M, 22, 20), 0x808080u);  // dark low lamp
}

TEST(MeterPixels, HandlersChangingTheCanvasDoNotLeakIntoTheNextPaint)
{
    // The off-screen picture is reused between paints; whatever a handler
    // leaves on its canvas must not change the next picture.
    TMeter Plain;
    Plain.SetScaleBkVisible(true);
    Plain.SetScaleBkWidth(20);
    Plain.SetValue(0.7);
    Plain.Paint();

    TMeter M;
    M.SetScaleBkVisible(true);
    M.SetScaleBkWidth(20);
    M.SetValue(0.7);
    bool Meddle = true;
    M.OnMeterRendered = [&](QObject*, TCanvas* Canvas) {
        if (!Meddle)
            return;
        Canvas->GetPen()->SetWidth(5);
        Canvas->GetPen()->SetMode(pmXor);
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->GetFont()->SetHeight(-30);
        Canvas->SetClipRect(Rect(0, 0, 10, 10));
        Canvas->SetCopyMode(cmSrcInvert);
    };
    M.Paint();
    Meddle = false;
    M.Paint();
    EXPECT_EQ(M.GetPicture(), Plain.GetPicture());
}

TEST(MeterPixels, LampsShowTheLimitFlags)
{
    TMeter M;
    const int HighX = 297 - 10 - 18 + 4;
    const int LowX = 10 + 8 + 4;
    const int LampY = 8 + 8 + 4;
    M.SetValue(1);
    EXPECT_EQ(PixelAt(M, HighX, LampY), 0x0000FFu);
    EXPECT_EQ(PixelAt(M, LowX, LampY), 0x808080u);
    EXPECT_EQ(PixelAt(M, HighX - 4, LampY - 4), clBlack);  // outline corner
    M.SetValue(0);
    EXPECT_EQ(PixelAt(M, HighX, LampY), 0x808080u);
    EXPECT_EQ(PixelAt(M, LowX, LampY), 0x0000FFu);
    M.SetLimWatchLowOn(false);
    EXPECT_EQ(PixelAt(M, LowX, LampY), 0xFFFFFFu);
}

TEST(MeterPixels, FrameCorners)
{
    const TColor Cover = ColorToRGB(clBtnFace);
    const TColor Bak = 0xE0F0FF;
    const TColor G = 0x808080, Wh = 0xFFFFFF;
    const struct
    {
        TFrameStyle Style;
        TColor TopLeft, TopRight, BottomLeft, BottomRight, Inner;
    } Cases[] = {
        {fsNoFrame, Cover, Cover, Cover, Cover, Cover},
        {fsSimple, Bak, Bak, Bak, Bak, Cover},
        {fsLowered, G, Wh, G, Wh, Cover},
        {fsRaised, Wh, G, Wh, G, Cover},
        {fsEmbossed, Wh, Cover, Cover, G, G},
        {fsEngraved, G, Cover, Cover, Wh, Wh},
    };
    TMeter M;
    M.SetColorBakG(Bak);
    for (const auto& C : Cases) {
        M.SetFrameStyle(C.Style);
        M.Paint();
        EXPECT_EQ(PixelAt(M, 0, 0), C.TopLeft) << int(C.Style);
        EXPECT_EQ(PixelAt(M, 296, 0), C.TopRight) << int(C.Style);
        EXPECT_EQ(PixelAt(M, 0, 208), C.BottomLeft) << int(C.Style);
        EXPECT_EQ(PixelAt(M, 296, 208), C.BottomRight) << int(C.Style);
        EXPECT_EQ(PixelAt(M, 1, 1), C.Inner) << int(C.Style);
    }
}

TEST(MeterPixels, ScaleLabelEventCanSuppressAndLengthen)
{
    TMeter M;
    M.SetValue(1);  // the needle away from the 0.0 label
    QStringList Seen;
    int ZeroX = 0, ZeroY = 0;
    M.OnBeforeDrawScaleLabel = [&](QObject*, TCanvas*, QString& Text, int X, int Y) {
        Seen << Text;
        if (Text == QLatin1String("0.0")) {
            ZeroX = X;
            ZeroY = Y;
            Text.clear();
        }
    };
    M.Paint();
    EXPECT_EQ(Seen, QStringList({"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
    auto DarkPixels = [&] {
        int N = 0;
        for (int Y = ZeroY; Y < ZeroY + 13; ++Y)
            for (int X = ZeroX; X < ZeroX + 20; ++X)
                N += GetRValue(PixelAt(M, X, Y)) < 128;
        return N;
    };
    EXPECT_EQ(DarkPixels(), 0);
    M.OnBeforeDrawScaleLabel = nullptr;
    M.Paint();
    EXPECT_GT(DarkPixels(), 10);
}

TEST(MeterImages, BackgroundModes)
{
    ImageFiles Files;
    QImage Tile(40, 30, QImage::Format_RGB32);
    Tile.fill(QColor(0, 0, 200));
    Tile.setPixel(0, 0, qRgb(255, 0, 0));
    const QString Path = Files.Write("tile.png", Tile);

    TMeter M;
    M.SetScaleVisible(false);
    M.SetBkgndFillMode(bfTile);
    M.SetBackGroundImg(Path);
    EXPECT_EQ(M.GetBackGroundImg(), Path);
    EXPECT_EQ(PixelAt(M, 40, 30), 0x0000FFu);  // tile corners
    EXPECT_EQ(PixelAt(M, 80, 60), 0x0000FFu);
    EXPECT_EQ(PixelAt(M, 81, 60), 0xC80000u);

    M.SetBkgndFillMode(bfSimple);
    EXPECT_EQ(PixelAt(M, 35, 20), 0xC80000u);  // the image at its size
    EXPECT_EQ(PixelAt(M, 80, 60), 0xFFFFFFu);       // the white fill beyond it

    M.SetBkgndFillMode(bfStretch);
    EXPECT_EQ(PixelAt(M, 200, 100), 0xC80000u);

    M.SetBackGroundImg(Files.Dir.filePath("missing.png"));
    EXPECT_TRUE(M.GetBackGroundImg().isEmpty());
    EXPECT_EQ(PixelAt(M, 80, 60), 0xFFFFFFu);

    // A file that is not an image: the error reaches the caller, the name stays.
    QFile Bad(Files.Dir.filePath("bad.png"));
    ASSERT_TRUE(Bad.open(QIODevice::WriteOnly));
    Bad.write("not an image");
    Bad.close();
    EXPECT_THROW(M.SetBackGroundImg(Bad.fileName()), EVOKError);
    EXPECT_EQ(M.GetBackGroundImg(), Bad.fileName());
    // While loading it is only named; Loaded then drops it.
    TMeter L;
    L.BeginLoading();
    L.SetBackGroundImg(Bad.fileName());
    L.Loaded();
    EXPECT_TRUE(L.GetBackGroundImg().isEmpty());
}

TEST(MeterImages, AnchorImageWithItsMask)
{
    ImageFiles Files;
    QImage Hub(20, 20, QImage::Format_RGB32);
    Hub.fill(Qt::black);
    for (int Y = 6; Y < 14; ++Y)
        for (int X = 6; X < 14; ++X)
            Hub.setPixel(X, Y, qRgb(0, 160, 0));
    TMeter M;
    M.SetColorBakG(clYellow);
    M.SetValue(0);  // needle to the left, away from the hub's top
    M.SetAnchorImage(Files.Write("hub.png", Hub));
    const int CX = M.GetMeterCenterX();
    const int CY = M.GetMeterCenterY();
    EXPECT_EQ(PixelAt(M, CX, CY - 2), 0x00A000u);     // opaque part of the image
    EXPECT_EQ(PixelAt(M, CX + 2, CY - 9), clYellow);  // black is transparent

    M.SetAnchorImage(Files.Dir.filePath("missing.png"));
    EXPECT_TRUE(M.GetAnchorImage().isEmpty());
    EXPECT_EQ(PixelAt(M, CX + 2, CY - 9), ColorToRGB(clBtnFace));  // the drawn half disc
}
