#include "MarkerGrid.h"

namespace vok::marksel {

TCellAxis CellAxis(int Extent, int Count)
{
    const int Dist = (Extent - 4) / Count;
    return {Dist, Dist / 2};
}

void PlaceMarkers(const TMarkFlags& Visible, int NrCols, TCellAxis Horz, TCellAxis Vert, TMarkPoints& Points)
{
    int N = 0;
    for (int I = 0; I < MarkerKindCount; ++I) {
        if (!Visible[I])
            continue;
        Points[I] = Point(Horz.Margin + Horz.Dist * (N % NrCols), Vert.Margin + Vert.Dist * (N / NrCols));
        ++N;
    }
}

int NearestMarker(const TMarkFlags& Visible, const TMarkPoints& Points, int Cells, int X, int Y)
{
    int Best = 0;
    double BestDist = 1e10;
    for (int I = 0, N = 0; I < MarkerKindCount && N < Cells; ++I) {
        if (!Visible[I])
            continue;
        ++N;
        const double Dx = double(Points[I].X) - X;
        const double Dy = double(Points[I].Y) - Y;
        const double D = Dx * Dx + Dy * Dy;
        if (D < BestDist) {
            BestDist = D;
            Best = I;
        }
    }
    return Best;
}

} // namespace vok::marksel
