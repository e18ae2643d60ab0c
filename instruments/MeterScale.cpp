#include "MeterScale.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vok {

namespace {

constexpr double DegToRad = std::numbers::pi / 180.0;

// Tolerance that lets the logarithmic scale's ends in despite rounding.
constexpr double LogEndFactor = 0.999999999;

// No scale has more ticks than this; it only guards against a degenerate
// range whose step does not advance.
constexpr int MaxTicks = 10000;

} // namespace

TMeterGeometry CalcMeterGeometry(TMeterLayout Layout, int Width, int Height, TMeterRims Rims)
{
    const int HalfW = Width / 2;
    const double Free = Height - Rims.Bottom - Rims.Top - 16;  // height the arc may take
    const double SideRoom = HalfW - Rims.Side - 8;              // half width the arc may take
    TMeterGeometry G;
    G.CenterX = HalfW;
    // Pivot on the bottom line, or centred so that the arc's lowest point
    // (Depth times the radius below the pivot) stays above the bottom rim.
    auto OnBottom = [&](double Radius) {
        G.Radius = Radius;
        G.CenterY = Height - Rims.Bottom - 8;
    };
    auto Centred = [&](double Depth) {
        G.Radius = std::min(SideRoom, Free / (1.0 + Depth));
        G.CenterY = Round(Rims.Top + 8 + G.Radius);
    };
    switch (Layout) {
    case mlCirc90:
        G.Angle = 90;
        OnBottom(Free);
        break;
    case mlCirc120:
        G.Angle = 120;
        OnBottom(std::min(Free, (Width / 2.0 - Rims.Side - 8) * 1.1547));
        break;
    case mlCirc180:
        G.Angle = 180;
        OnBottom(std::min(Free, SideRoom));
        break;
    case mlCirc270:
        G.Angle = 270;
        Centred(std::numbers::sqrt2 / 2);
        break;
    case mlCirc300:
        // 1.866 stands for 1 + cos 30 degrees.
        G.Angle = 300;
        Centred(0.866);
        break;
    case mlCirc360:
        G.Angle = 360;
        Centred(1.0);
        break;
    }
    return G;
}

TScaleTicks CalcScaleTicks(int NrIntervals, double Min, double Max)
{
    if (Min == Max)
        return {Min, 0.0, 1};
    const double E = Min < Max ? 1.0 : -1.0;
    double G = std::log10(std::fabs(Max - Min) / std::max(NrIntervals, 1));
    double H = G - std::trunc(G);
    if (std::fabs(H) < 1e-10 || std::fabs(H) > 0.9999999999) {
        H = 0;
        G = std::nearbyint(G);
    }
    if (G < 0 && H != 0)
        G -= 1;
    if (H < 0)
        H += 1;

    // The mantissa 1, 2 or 5 is applied to the power of ten directly, so
    // that the step is the exact double of 0.2, 5, 100 ...
    double Mantissa = 1;
    TScaleTicks T;
    if (H < std::log10(2.0) + 1e-10) {
        T.SubDiv = 5;
    } else if (H < std::log10(5.0) + 1e-10) {
        Mantissa = 2;
        T.SubDiv = 4;
    } else {
        Mantissa = 5;
        T.SubDiv = 5;
    }
    const double Exponent = std::trunc(G);
    const double Power = Exponent < 0 ? 1.0 / std::pow(10.0, -Exponent) : std::pow(10.0, Exponent);
    T.Step = E * Mantissa * Power;

    T.Start = (std::trunc(Min / T.Step) - 1) * T.Step;
    for (int I = 0; I < 8 && 0.001 * std::fabs(T.Step) < E * (Min - T.Start); ++I)
        T.Start += T.Step;
    return T;
}

QList<double> MajorTickValues(const TScaleTicks& Ticks, double Max)
{
    QList<double> Values;
    if (Ticks.Step == 0 || !std::isfinite(Ticks.Step) || !std::isfinite(Ticks.Start))
        return Values;
    const double Limit = Max + 0.001 * Ticks.Step;
    for (int U = 0; U < MaxTicks; ++U) {
        Values.append(Ticks.Start + U * Ticks.Step);
        if (!(Ticks.Start + (U + 1) * Ticks.Step <= Limit))
            break;
    }
    return Values;
}

QList<double> MinorTickValues(const TScaleTicks& Ticks, double Min, double Max)
{
    QList<double> Values;
    if (Ticks.Step == 0 || !std::isfinite(Ticks.Step) || !std::isfinite(Ticks.Start) || Ticks.SubDiv < 1)
        return Values;
    const double Minor = Ticks.Step / Ticks.SubDiv;
    const double Limit = Max + 0.001 * Minor;
    const double First = Ticks.Start - Ticks.Step;
    for (int U = 0; U < MaxTicks; ++U) {
        const double X = First + U * Minor;
        // Distance to the nearest major tick, in steps: a rounding error on
        // either side of a major tick must not let a minor one through.
        const double InSteps = (X - Ticks.Start) / Ticks.Step;
        const bool OnMajor = std::fabs(InSteps - std::nearbyint(InSteps)) <= 1e-5;
        if (!OnMajor && X >= Min)
            Values.append(X);
        if (!(First + (U + 1) * Minor <= Limit))
            break;
    }
    return Values;
}

bool SpansDecades(double Min, double Max)
{
    return Min > 0 && Max > 0 && std::fabs(std::log10(Max / Min)) >= 1;
}

QList<TLogTick> LogScaleTicks(double Min, double Max)
{
    QList<TLogTick> Ticks;
    if (!(Min > 0 && Max > Min) || !std::isfinite(Max))
        return Ticks;
    const bool LabelAll = Max / Min < 10;
    const double FirstExponent = std::floor(std::log10(LogEndFactor * Min));
    for (double Exponent = FirstExponent; LogEndFactor * std::pow(10.0, Exponent) <= Max && Ticks.size() < MaxTicks;
         Exponent += 1) {
        const double Decade = std::pow(10.0, Exponent);
        for (int U = 1; U <= 9; ++U) {
            const double V = U * Decade;
            if (V / LogEndFactor > Min && V * LogEndFactor < Max)
                Ticks.append({V, LabelAll || U == 1 || U == 2 || U == 5});
        }
    }
    return Ticks;
}

int CalcM(int DecPlaces, double RangeEnd1, double RangeEnd2)
{
    if (DecPlaces != -2)
        return DecPlaces;
    const double Span = std::fabs(RangeEnd1 - RangeEnd2);
    if (Span >= 1e6 || Span <= 0.0001)
        return -1;
    if (Span >= 100)
        return 0;
    return 2 - Round(std::log(Span) / 2.5);
}

QString ScaleLabelText(double Value, int Decimals)
{
    if (Decimals < 0)
        return QString::number(Value, 'e', 3);
    QString Text = QString::number(Value, 'f', Decimals);
    // -0.0004 with one decimal is "0.0", not "-0.0".
    const auto IsZeroDigit = [](QChar C) { return C == QLatin1Char('0') || C == QLatin1Char('.'); };
    if (Text.startsWith(QLatin1Char('-')) && std::all_of(Text.begin() + 1, Text.end(), IsZeroDigit))
        Text.remove(0, 1);
    return Text;
}

TMeterScale::TMeterScale(double Min, double Max, bool Logarithmic, int SweepAngle)
    : FMin(Min)
    , FMax(Max)
    , FLogarithmic(Logarithmic)
    , FSweep(SweepAngle)
{
}

bool TMeterScale::UsesLog(double X) const
{
    return FLogarithmic && X > 0 && FMin > 0 && FMax > 0;
}

double TMeterScale::Fraction(double X) const
{
    if (UsesLog(X)) {
        const double Span = std::log(FMax) - std::log(FMin);
        return Span != 0 ? (std::log(X) - std::log(FMin)) / Span : 0.0;
    }
    const double Span = FMax - FMin;
    return Span != 0 ? (X - FMin) / Span : 0.0;
}

double TMeterScale::ValueAt(double Fraction) const
{
    if (UsesLog(1.0))
        return std::exp(std::log(FMin) + Fraction * (std::log(FMax) - std::log(FMin)));
    return FMin + Fraction * (FMax - FMin);
}

double TMeterScale::DrawAngle(double X) const
{
    return FSweep / 2.0 + 90 - FSweep * Fraction(X);
}

double TMeterScale::MinAngle() const
{
    return 90 + FSweep / 2.0;
}

double TMeterScale::MaxAngle() const
{
    return 90 - FSweep / 2.0;
}

double TMeterScale::NeedleAngle(double X) const
{
    const double Clamped = std::max(FMin, std::min(FMax, X));
    return 180 - FSweep / 2.0 + FSweep * Fraction(Clamped);
}

bool TMeterScale::ValueAtDirection(double ClockwiseFromDown, double& Value) const
{
    const double First = 180 - FSweep / 2.0;
    if (FSweep <= 0 || ClockwiseFromDown < First || ClockwiseFromDown > First + FSweep) {
        Value = 0;
        return false;
    }
    Value = ValueAt((ClockwiseFromDown - First) / FSweep);
    return true;
}

double DirectionFromPivot(int X, int Y, int CenterX, int CenterY)
{
    const double Dx = double(X) - CenterX;
    const double Dy = double(Y) - CenterY;
    double Phi;  // screen angle, clockwise from 3 o'clock
    if (Dx == 0) {
        Phi = Dy > 0 ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
    } else {
        Phi = std::atan(Dy / Dx);
        if (Dx < 0)
            Phi += std::numbers::pi;
        if (Phi < 0)
            Phi += 2 * std::numbers::pi;
    }
    double D = Phi / DegToRad - 90;
    if (D < 0)
        D += 360;
    return D;
}

TPoint PolarPoint(const TMeterGeometry& Geometry, double R, double Theta)
{
    const double A = Theta * DegToRad;
    return {Round(Geometry.CenterX + R * std::cos(A)), Round(Geometry.CenterY - R * std::sin(A))};
}

TPoint ArcPoint(const TMeterGeometry& Geometry, double R, double Theta)
{
    const double A = Theta * DegToRad;
    return {Geometry.CenterX + Round(R * std::cos(A)), Geometry.CenterY - Round(R * std::sin(A))};
}

TRect RingSectorBounds(const TMeterGeometry& Geometry, double RInner, double ROuter, double From, double To)
{
    double Sweep = std::fmod(To - From, 360.0);
    if (Sweep <= 1e-9)
        Sweep += 360;
    const double Inner = std::max(RInner, 0.0);
    double Left = INFINITY, Right = -INFINITY, Top = INFINITY, Bottom = -INFINITY;
    auto Add = [&](double R, double Theta) {
        const double A = Theta * DegToRad;
        const double X = Geometry.CenterX + R * std::cos(A);
        const double Y = Geometry.CenterY - R * std::sin(A);
        Left = std::min(Left, X);
        Right = std::max(Right, X);
        Top = std::min(Top, Y);
        Bottom = std::max(Bottom, Y);
    };
    for (double R : {Inner, ROuter}) {
        Add(R, From);
        Add(R, From + Sweep);
    }
    // The ring's extremes at 0, 90, 180 and 270 degrees that lie within the sweep.
    for (double Axis = std::ceil(From / 90) * 90; Axis < From + Sweep; Axis += 90)
        Add(ROuter, Axis);
    constexpr double Margin = 2;
    return {Round(std::floor(Left - Margin)), Round(std::floor(Top - Margin)), Round(std::ceil(Right + Margin)) + 1,
            Round(std::ceil(Bottom + Margin)) + 1};
}

TLabelInset LabelInset(int MaxLabelWidth, int MaxLabelHeight)
{
    return {MaxLabelWidth / 2.0 + 15, MaxLabelHeight / 2.0 + 15};
}

TPoint LabelAnchor(const TMeterGeometry& Geometry, double Theta, TLabelInset Inset)
{
    const double A = Theta * DegToRad;
    return {Round(Geometry.CenterX + std::cos(A) * (Geometry.Radius - Inset.X)),
            Round(Geometry.CenterY - std::sin(A) * (Geometry.Radius - Inset.Y))};
}

std::array<TPoint, 7> NeedlePolygon(const TMeterGeometry& Geometry, double Theta, const TNeedleShape& Shape)
{
    const double NA = Theta * DegToRad;
    const double L = Shape.PercentLength * (Geometry.Radius - 4) * 0.01;
    const double Tx = Round(Geometry.CenterX + L * std::cos(NA));
    const double Ty = Round(Geometry.CenterY - L * std::sin(NA));
    const double H = Shape.HeadAngle / 2.0 * DegToRad;
    const double S = std::sin(NA) * Shape.Thickness / 2.0;
    const double C = std::cos(NA) * Shape.Thickness / 2.0;
    const double Cx = Geometry.CenterX;
    const double Cy = Geometry.CenterY;
    const double Head = Shape.HeadSize;
    const double Mid = Shape.HeadMidLeng;
    auto P = [](double X, double Y) { return TPoint{Round(X), Round(Y)}; };
    return {
        P(Tx - Head * std::cos(NA + H), Ty + Head * std::sin(NA + H)),
        P(Tx, Ty),
        P(Tx - Head * std::cos(NA - H), Ty + Head * std::sin(NA - H)),
        P(Tx - S - Mid * std::cos(NA), Ty - C + Mid * std::sin(NA)),
        P(Cx - S, Cy - C),
        P(Cx + S, Cy + C),
        P(Tx + S - Mid * std::cos(NA), Ty + C + Mid * std::sin(NA)),
    };
}

} // namespace vok
