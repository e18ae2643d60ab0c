#include "raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vok::raster {

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

double ScreenAngle(double CX, double CY, double X, double Y)
{
    double A = std::atan2(CY - Y, X - CX);
    if (A < 0)
        A += 2 * std::numbers::pi;
    return A;
}

std::vector<RowSpan> PolygonRow(const QList<TPoint>& Points, int Y)
{
    std::vector<double> Crossings;
    const qsizetype N = Points.size();
    for (qsizetype I = 0; I < N; ++I) {
        const TPoint A = Points[I];
        const TPoint B = Points[(I + 1) % N];
        if (A.Y == B.Y)
            continue;
        const int Y0 = std::min(A.Y, B.Y);
        const int Y1 = std::max(A.Y, B.Y);
        if (Y < Y0 || Y >= Y1)
            continue;
        Crossings.push_back(A.X + double(Y - A.Y) * (B.X - A.X) / double(B.Y - A.Y));
    }
    std::sort(Crossings.begin(), Crossings.end());
    std::vector<RowSpan> Spans;
    for (size_t I = 0; I + 1 < Crossings.size(); I += 2) {
        const RowSpan S{int(std::ceil(Crossings[I])), int(std::ceil(Crossings[I + 1]))};
        if (S.X2 > S.X1)
            Spans.push_back(S);
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
