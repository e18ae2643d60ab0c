#include "raster.h"

#include <vok/Vok_rounding.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace vok::raster {

RowSpans Intersection(const RowSpans& A, const RowSpans& B)
{
    RowSpans Result;
    qsizetype I = 0;
    qsizetype J = 0;
    while (I < A.size() && J < B.size()) {
        const RowSpan S{std::max(A[I].X1, B[J].X1), std::min(A[I].X2, B[J].X2)};
        if (S.X2 > S.X1)
            Result.append(S);
        if (A[I].X2 < B[J].X2)
            ++I;
        else
            ++J;
    }
    return Result;
}

RowSpans Difference(const RowSpans& A, const RowSpans& B)
{
    RowSpans Result;
    qsizetype J = 0;
    for (const RowSpan& S : A) {
        int X = S.X1;
        while (J < B.size() && B[J].X2 <= X)
            ++J;
        for (qsizetype K = J; K < B.size() && B[K].X1 < S.X2; ++K) {
            if (B[K].X1 > X)
                Result.append({X, B[K].X1});
            X = std::max(X, B[K].X2);
        }
        if (X < S.X2)
            Result.append({X, S.X2});
    }
    return Result;
}

RowSpans Eroded(const RowSpans& A, int By)
{
    RowSpans Result;
    for (const RowSpan& S : A)
        if (qint64(S.X2) - S.X1 > 2 * qint64(By))
            Result.append({S.X1 + By, S.X2 - By});
    return Result;
}

RowSpan EllipseRow(const TRect& Box, int Y)
{
    if (Box.IsEmpty() || Y < Box.Top || Y >= Box.Bottom)
        return {};
    const double CX = (double(Box.Left) + Box.Right) / 2.0;
    const double CY = (double(Box.Top) + Box.Bottom) / 2.0;
    const double RX = Box.Width() / 2.0;
    const double RY = Box.Height() / 2.0;
    const double Dy = (Y + 0.5 - CY) / RY;
    const double Extent = std::max(0.5, RX * std::sqrt(std::max(0.0, 1.0 - Dy * Dy)));
    constexpr double Epsilon = 1e-9;
    const int X1 = int(std::ceil(CX - 0.5 - Extent - Epsilon));
    const int X2 = int(std::floor(CX - 0.5 + Extent + Epsilon)) + 1;
    return {std::max(X1, Box.Left), std::min(X2, Box.Right)};
}

namespace {
// A device coordinate from a computed one, within twice the coordinate limit.
int ClampedDevice(double D)
{
    return int(std::clamp(D, -2.0 * CoordinateLimit, 2.0 * CoordinateLimit));
}
} // namespace

Capsule::Capsule(QPointF A, QPointF B, double Radius)
    : FA(A)
    , FB(B)
    , FDir(B - A)
    , FRadius(Radius)
    , FReach(Radius * std::hypot(FDir.x(), FDir.y()))
    , FLengthSquared(QPointF::dotProduct(FDir, FDir))
    , FTop(ClampedDevice(std::floor(std::min(A.y(), B.y()) - Radius)))
    , FBottom(ClampedDevice(std::ceil(std::max(A.y(), B.y()) + Radius)) + 1)
{
}

RowSpan Capsule::Row(int Y) const
{
    // The row's centre line meets the capsule (convex) in one interval: the
    // hull of what it has in common with the two end discs and the band
    // along the segment.
    const double YC = Y + 0.5;
    double Left = std::numeric_limits<double>::infinity();
    double Right = -Left;
    auto Take = [&](double From, double To) {
        if (From > To)
            return;
        Left = std::min(Left, From);
        Right = std::max(Right, To);
    };
    for (const QPointF& End : {FA, FB}) {
        const double Ey = YC - End.y();
        if (Ey * Ey <= FRadius * FRadius) {
            const double H = std::sqrt(FRadius * FRadius - Ey * Ey);
            Take(End.x() - H, End.x() + H);
        }
    }
    const double Dx = FDir.x();
    const double Dy = FDir.y();
    const double Ry = YC - FA.y();
    if (FLengthSquared > 0 && Dy != 0) {
        // Within Radius of the line: |Dx * Ry - Dy * (x - AX)| <= Radius * Length.
        double From = FA.x() + (Dx * Ry - FReach) / Dy;
        double To = FA.x() + (Dx * Ry + FReach) / Dy;
        if (From > To)
            std::swap(From, To);
        // Projecting onto the segment: 0 <= Dx * (x - AX) + Dy * Ry <= Length^2.
        if (Dx != 0) {
            double P1 = FA.x() - Dy * Ry / Dx;
            double P2 = FA.x() + (FLengthSquared - Dy * Ry) / Dx;
            if (P1 > P2)
                std::swap(P1, P2);
            Take(std::max(From, P1), std::min(To, P2));
        } else if (Dy * Ry >= 0 && Dy * Ry <= FLengthSquared) {
            Take(From, To);
        }
    } else if (FLengthSquared > 0 && std::abs(Ry) <= FRadius) {
        Take(std::min(FA.x(), FB.x()), std::max(FA.x(), FB.x()));
    }
    if (Left > Right)
        return {};
    // Pixels whose centre X + 0.5 lies in [Left, Right].
    return {ClampedDevice(std::ceil(Left - 0.5)), ClampedDevice(std::floor(Right - 0.5)) + 1};
}

double ScreenAngle(double CX, double CY, double X, double Y)
{
    double A = std::atan2(CY - Y, X - CX);
    if (A < 0)
        A += 2 * std::numbers::pi;
    return A;
}

namespace {

qint64 CeilDiv(qint64 A, qint64 B)
{
    return -FloorDiv(-A, B);
}

// The columns Lo..Hi (both included) of a row; empty when Lo > Hi.
struct Columns
{
    static constexpr qint64 Unbounded = std::numeric_limits<qint64>::max() / 4;
    qint64 Lo = -Unbounded;
    qint64 Hi = Unbounded;

    static Columns None() { return {0, -1}; }
    bool Empty() const { return Lo > Hi; }
    Columns Within(Columns Other) const { return {std::max(Lo, Other.Lo), std::min(Hi, Other.Hi)}; }
};

// The columns X with Factor * X <= Limit.
Columns AtMost(qint64 Factor, qint64 Limit)
{
    if (Factor == 0)
        return Limit >= 0 ? Columns{} : Columns::None();
    if (Factor > 0)
        return {-Columns::Unbounded, FloorDiv(Limit, Factor)};
    return {CeilDiv(Limit, Factor), Columns::Unbounded};
}

double AngleFromCentre(const TRect& Box, int X, int Y)
{
    return ScreenAngle((double(Box.Left) + Box.Right) / 2.0, (double(Box.Top) + Box.Bottom) / 2.0, X + 0.5, Y + 0.5);
}

qint64 Cross(qint64 AX, qint64 AY, qint64 BX, qint64 BY)
{
    return AX * BY - AY * BX;
}

} // namespace

Sweep::Sweep(const TRect& Box, int X3, int Y3, int X4, int Y4)
    : FCX2(qint64(Box.Left) + Box.Right)
    , FCY2(qint64(Box.Top) + Box.Bottom)
    , FFrom(Direction(ClampCoordinate(X3), ClampCoordinate(Y3)))
    , FTo(Direction(ClampCoordinate(X4), ClampCoordinate(Y4)))
    , FTurn(Cross(FFrom.X, FFrom.Y, FTo.X, FTo.Y))
    , FWhole(FTurn == 0 && FFrom.X * FTo.X + FFrom.Y * FTo.Y > 0)
    , FStart(AngleFromCentre(Box, X3, Y3))
    , FEnd(AngleFromCentre(Box, X4, Y4))
{
}

Sweep::Vector Sweep::Direction(int X, int Y) const
{
    const Vector V{2 * qint64(X) + 1 - FCX2, FCY2 - 2 * qint64(Y) - 1};
    return V.X == 0 && V.Y == 0 ? Vector{1, 0} : V;
}

bool Sweep::Contains(int X, int Y) const
{
    if (FWhole)
        return true;
    const Vector P = Direction(X, Y);
    const bool AfterFrom = Cross(FFrom.X, FFrom.Y, P.X, P.Y) >= 0;
    const bool BeforeTo = Cross(P.X, P.Y, FTo.X, FTo.Y) >= 0;
    // Up to half a turn the sweep is the overlap of the two half-planes,
    // beyond it their union.
    return FTurn >= 0 ? AfterFrom && BeforeTo : AfterFrom || BeforeTo;
}

RowSpans Sweep::Row(int Y, RowSpan Range) const
{
    RowSpans Result;
    if (Range.X2 <= Range.X1)
        return Result;
    if (FWhole) {
        Result.append(Range);
        return Result;
    }
    // The direction of pixel X on this row is (2X + A, B).
    const qint64 A = 1 - FCX2;
    const qint64 B = FCY2 - 2 * qint64(Y) - 1;
    // Cross(From, P) >= 0 and Cross(P, To) >= 0 as conditions on X.
    const Columns AfterFrom = AtMost(2 * FFrom.Y, FFrom.X * B - FFrom.Y * A);
    const Columns BeforeTo = AtMost(-2 * FTo.Y, FTo.Y * A - FTo.X * B);
    const Columns Within{Range.X1, Range.X2 - 1};
    const auto Append = [&Result](Columns C) {
        if (C.Empty())
            return;
        const RowSpan S{int(C.Lo), int(C.Hi + 1)};
        if (!Result.isEmpty() && S.X1 <= Result.back().X2)
            Result.back().X2 = std::max(Result.back().X2, S.X2);
        else
            Result.append(S);
    };
    if (FTurn >= 0) {
        Append(AfterFrom.Within(BeforeTo).Within(Within));
    } else {
        const Columns First = AfterFrom.Lo <= BeforeTo.Lo ? AfterFrom : BeforeTo;
        const Columns Second = AfterFrom.Lo <= BeforeTo.Lo ? BeforeTo : AfterFrom;
        Append(First.Within(Within));
        Append(Second.Within(Within));
    }
    // The half-plane tests count the centre itself in; it belongs to the
    // sweep only when the direction of the x axis does.
    if (FCX2 % 2 != 0 && FCY2 % 2 != 0 && 2 * qint64(Y) + 1 == FCY2) {
        const int X = int((FCX2 - 1) / 2);
        if (!Contains(X, Y)) {
            RowSpans WithoutCentre;
            for (const RowSpan& S : Result) {
                if (!S.Contains(X)) {
                    WithoutCentre.append(S);
                    continue;
                }
                if (X > S.X1)
                    WithoutCentre.append({S.X1, X});
                if (X + 1 < S.X2)
                    WithoutCentre.append({X + 1, S.X2});
            }
            Result = WithoutCentre;
        }
    }
    return Result;
}

double Sweep::StartDegrees() const
{
    return FStart * 180.0 / std::numbers::pi;
}

double Sweep::SpanDegrees() const
{
    double D = (FEnd - FStart) * 180.0 / std::numbers::pi;
    if (D <= 0)
        D += 360.0;
    return D;
}

RowSpans PolygonRow(const QList<TPoint>& Points, int Y, double Scale)
{
    QVarLengthArray<double, 16> Crossings;
    const qsizetype N = Points.size();
    for (qsizetype I = 0; I < N; ++I) {
        const TPoint A = Points[I];
        const TPoint B = Points[(I + 1) % N];
        if (A.Y == B.Y)
            continue;
        if (Scale == 1.0) {
            if (Y < std::min(A.Y, B.Y) || Y >= std::max(A.Y, B.Y))
                continue;
            Crossings.push_back(A.X + double(Y - A.Y) * (B.X - A.X) / double(B.Y - A.Y));
            continue;
        }
        if (Y < std::min(A.Y, B.Y) * Scale || Y >= std::max(A.Y, B.Y) * Scale)
            continue;
        Crossings.push_back(Scale * A.X + (Y - Scale * A.Y) * (B.X - A.X) / double(B.Y - A.Y));
    }
    std::sort(Crossings.begin(), Crossings.end());
    RowSpans Spans;
    for (qsizetype I = 0; I + 1 < Crossings.size(); I += 2) {
        const RowSpan S{int(std::ceil(Crossings[I])), int(std::ceil(Crossings[I + 1]))};
        if (S.X2 > S.X1)
            Spans.append(S);
    }
    return Spans;
}

bool DashOn(TPenStyle Style, int Phase)
{
    switch (Style) {
    case psSolid:
        return true;
    case psClear:
        return false;
    case psDash:
        return Phase % 24 < 18;
    case psDot:
        return Phase % 6 < 3;
    case psDashDot: {
        const int P = Phase % 24;
        return P < 9 || (P >= 15 && P < 18);
    }
    case psDashDotDot: {
        const int P = Phase % 24;
        return P < 9 || (P >= 12 && P < 15) || (P >= 18 && P < 21);
    }
    }
    return true;
}

} // namespace vok::raster
