#include "MeterScale.h"

#include <gtest/gtest.h>

#include <QLocale>

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
