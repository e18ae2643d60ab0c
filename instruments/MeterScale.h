// The meter's geometry and scale math, free of painting: dial layout, value
// <-> angle <-> pixel mapping, tick steps, logarithmic ticks, label text and
// placement, and the needle outline. The meter widget calls these; tests call
// them directly.
#pragma once

#include <vok/Vok_Meter.h>
#include <vok/Vok_geometry.h>
#include <vok/Vok_rounding.h>
#include <vok/vok_export.h>

#include <QList>
#include <QString>

#include <array>

namespace vok {

// Pivot, radius and sweep of the dial.
struct TMeterGeometry
{
    int Angle = 90;     // sweep of the scale, degrees
    double Radius = 0;  // radius of the scale arc, pixels
    int CenterX = 0;    // pivot of the needles, control coordinates
    int CenterY = 0;
    friend bool operator==(const TMeterGeometry&, const TMeterGeometry&) = default;
};

struct TMeterRims
{
    int Top = 8;
    int Bottom = 10;
    int Side = 10;
};

// Places the dial of a layout in a control of Width x Height inside its rims.
// The arc keeps 8 pixels from the rims; the radius is not positive when the
// control is too small for a dial.
VOK_EXPORT TMeterGeometry CalcMeterGeometry(TMeterLayout Layout, int Width, int Height, TMeterRims Rims);

// Major tick start, major step and minor intervals per major step.
struct TScaleTicks
{
    double Start = 0;
    double Step = 0;
    int SubDiv = 1;
};

// Chooses a major step of 1, 2 or 5 times a power of ten that is not larger
// than |Max - Min| / NrIntervals, and the first multiple of it at or above Min
// (within a thousandth of a step). Min = Max gives Step 0.
VOK_EXPORT TScaleTicks CalcScaleTicks(int NrIntervals, double Min, double Max);

// Major tick values of a linear scale: Start, Start + Step, ... up to Max.
// At least one value; none for a zero or non-finite step.
VOK_EXPORT QList<double> MajorTickValues(const TScaleTicks& Ticks, double Max);

// Minor tick values between Min and Max, leaving out the places of major ticks.
VOK_EXPORT QList<double> MinorTickValues(const TScaleTicks& Ticks, double Min, double Max);

struct TLogTick
{
    double Value = 0;
    bool Labelled = false;
};

// Ticks of a logarithmic scale spanning at least one decade: 1..9 times each
// power of ten within [Min, Max] (a relative tolerance of 1e-9 lets both ends
// in), labelled at 1, 2 and 5 times the powers of ten, or everywhere when the
// range is less than a factor of ten. Empty unless 0 < Min < Max.
VOK_EXPORT QList<TLogTick> LogScaleTicks(double Min, double Max);

// Whether the logarithmic ticks apply: a positive range of at least a decade.
VOK_EXPORT bool SpansDecades(double Min, double Max);

// The decimals used for labels: DecPlaces itself unless it is -2 (automatic),
// then -1 (exponent notation) for very wide or narrow ranges, 0 for ranges of
// 100 and more, and 2 - Round(ln span / 2.5) otherwise.
VOK_EXPORT int CalcM(int DecPlaces, double RangeEnd1, double RangeEnd2);

// A scale label: fixed point with exactly Decimals decimals and "." as the
// separator whatever the locale; Decimals -1 gives exponent notation. A value
// that rounds to zero carries no minus sign.
VOK_EXPORT QString ScaleLabelText(double Value, int Decimals);

// The mapping between values, scale fractions and angles of one dial.
// Angles are in degrees. The drawing angle runs counterclockwise from
// 3 o'clock (y up): the minimum sits at 90 + A/2, the maximum at 90 - A/2.
// The needle angle runs clockwise from 6 o'clock.
class VOK_EXPORT TMeterScale
{
public:
    TMeterScale(double Min, double Max, bool Logarithmic, int SweepAngle);

    // Position of X along the scale, 0 at Min and 1 at Max; logarithmic when
    // the scale is and X, Min and Max are positive. 0 for an empty range.
    double Fraction(double X) const;
    // The value at a scale fraction (inverse of Fraction).
    double ValueAt(double Fraction) const;
    double DrawAngle(double X) const;
    double MinAngle() const;
    double MaxAngle() const;
    // Needle angle of X clamped into [Min, Max].
    double NeedleAngle(double X) const;
    // The value in the direction ClockwiseFromDown (degrees, 0..360); false
    // and 0 outside the scale's sweep.
    bool ValueAtDirection(double ClockwiseFromDown, double& Value) const;

private:
    bool UsesLog(double X) const;

    double FMin;
    double FMax;
    bool FLogarithmic;
    int FSweep;
};

// Direction from the pivot to (X, Y) in screen coordinates (y down), in
// degrees clockwise from straight down, in [0, 360). Straight above and the
// pivot itself give 180.
VOK_EXPORT double DirectionFromPivot(int X, int Y, int CenterX, int CenterY);

// The pixel at radius R in the direction of drawing angle Theta (degrees),
// rounded as a whole: (Round(CX + R cos), Round(CY - R sin)).
VOK_EXPORT TPoint PolarPoint(const TMeterGeometry& Geometry, double R, double Theta);

// The arc boundary point at radius R and drawing angle Theta, with the offsets
// rounded: (CX + Round(R cos), CY - Round(R sin)).
VOK_EXPORT TPoint ArcPoint(const TMeterGeometry& Geometry, double R, double Theta);

// The pixels a figure on the ring between radii RInner and ROuter can touch
// from drawing angle From counterclockwise to To (equal angles: the whole
// ring), with a margin of two pixels for rounding. Drawing clipped to it
// leaves the same picture and spares the work outside.
VOK_EXPORT TRect RingSectorBounds(const TMeterGeometry& Geometry, double RInner, double ROuter, double From, double To);

// How far labels sit inside the arc: half the extent of the widest label plus
// 15 pixels, horizontally and vertically.
struct TLabelInset
{
    double X = 0;
    double Y = 0;
};
VOK_EXPORT TLabelInset LabelInset(int MaxLabelWidth, int MaxLabelHeight);

// Centre of the label of a tick at drawing angle Theta.
VOK_EXPORT TPoint LabelAnchor(const TMeterGeometry& Geometry, double Theta, TLabelInset Inset);

// Shape of a needle: an arrow head on a shaft from the pivot.
struct TNeedleShape
{
    int HeadSize = 20;      // length of the barbs
    int HeadAngle = 30;     // full opening angle of the head, degrees
    int HeadMidLeng = 20;   // tip back to where the shaft meets the head
    int Thickness = 0;      // width of the shaft
    int PercentLength = 100; // of (radius - 4)
};

// The needle outline at drawing angle Theta: barb, tip, barb, then the shaft
// corners back to the pivot and out again.
VOK_EXPORT std::array<TPoint, 7> NeedlePolygon(const TMeterGeometry& Geometry, double Theta, const TNeedleShape& Shape);

} // namespace vok
