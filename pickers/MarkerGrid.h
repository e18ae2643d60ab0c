// Where the marker selector places its markers and which one lies nearest
// to a point, free of widgets.
#pragma once

#include <vok/Vok_frames.h>
#include <vok/Vok_geometry.h>

#include <array>

namespace vok::marksel {

using TMarkFlags = std::array<bool, MarkerKindCount>;
using TMarkPoints = std::array<TPoint, MarkerKindCount>;

// Cell extent and margin (half the cell) of a grid of Count cells over Extent
// pixels, 2 pixels of frame on each side.
struct TCellAxis
{
    int Dist;
    int Margin;
};
TCellAxis CellAxis(int Extent, int Count);

// The visible markers take the cells in marker order, row by row (those
// beyond the last row continue below it); hidden markers keep their point.
void PlaceMarkers(const TMarkFlags& Visible, int NrCols, TCellAxis Horz, TCellAxis Vert, TMarkPoints& Points);

// The visible marker whose point is nearest to (X, Y) (squared distance,
// ties to the lower number); marker 0 when none is closer than 10^10. Only
// the first Cells visible markers compete: those placed below the grid
// cannot be seen and are reached only by hiding others.
int NearestMarker(const TMarkFlags& Visible, const TMarkPoints& Points, int Cells, int X, int Y);

} // namespace vok::marksel
