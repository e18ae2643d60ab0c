// Geometry of the thumbnail strip: square slides in a grid of one pitch,
// scrolled by a position counted in slides. No widget in here, so the
// numbers can be checked directly.
//
// The position's integer part is the first slide of the top row; its
// fraction is the part of that row scrolled out at the top. Slides show
// between two bands of ThumbBorder pixels at the top and bottom.
#pragma once

#include <vok/Vok_geometry.h>
#include <vok/vok_export.h>

namespace vok {

inline constexpr int ThumbBorder = 10;

struct VOK_EXPORT TThumbLayout
{
    int SlideSize = 120;
    int SlideDistance = 2;
    int SlideMargin = 7;
    int Columns = 1;

    // Distance from one slide to the next, in both directions.
    int Pitch() const { return SlideSize + SlideDistance + 2 * SlideMargin; }
    // Side of a slide's square (picture area plus the margins).
    int Span() const { return SlideSize + 2 * SlideMargin; }

    // Slides per row in a control Width wide, at least 1.
    int ColumnsFor(int Width) const;
    // Rows that show, fully or in part, between the borders of a control
    // Height high scrolled to Position (none may be left blank at the bottom).
    int RowsFor(int Height, double Position) const;

    // Position clamped to [Min, Max] and written as the first slide of its
    // row plus the fraction of the row: with 2 columns, 4 gives 3.5.
    double NormalPosition(double Position, int Min, int Max) const;
    // The first slide of the top row and how many pixels of that row are
    // scrolled out.
    static int FirstSlide(double Position);
    int ScrolledPixels(double Position) const;

    // Top-left corner of slide N's square; slides before the top row lie
    // above the view in their own column.
    TPoint SlidePos(int N, double Position) const;
    // The slide under (X, Y) in a control Width x Height, 0 for none: the
    // borders, the gaps between slides and numbers outside [Min, Max] hit
    // nothing.
    int SlideIndex(int X, int Y, int Width, int Height, double Position, int Min, int Max) const;

    // Where a picture of PicWidth x PicHeight goes in the slide whose square
    // starts at (X0, Y0): scaled to fit the picture area with its aspect
    // ratio kept, centred across its shorter side. Empty for an empty picture.
    TRect PictureRect(int X0, int Y0, int PicWidth, int PicHeight) const;
    // The box (inclusive corners) of the focus frame's outer line around the
    // slide at SlidePos, kept off the top row and above the bottom border.
    TRect FocusBox(TPoint SlidePos, int Height) const;
};

} // namespace vok
