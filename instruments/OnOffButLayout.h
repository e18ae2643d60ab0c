// Where the switch's picture and its four texts go, and what a click hits.
#pragma once

#include <vok/Vok_geometry.h>
#include <vok/Vok_inputtypes.h>
#include <vok/vok_export.h>

namespace vok {

struct VOK_EXPORT TOnOffButLayout
{
    int LeftSpace = 0;
    int TopSpace = 0;
    int GlyphWidth = 0;
    int GlyphHeight = 0;
    int Width = 0;
    int TextHeight = 0; // of the height sample

    // The picture's top-left corner.
    TPoint PictureOrigin() const { return Point(LeftSpace + 1, TopSpace + 1); }
    // Strictly inside the picture: its border pixels do not count.
    bool InPicture(int X, int Y) const
    {
        return LeftSpace < X && X < LeftSpace + GlyphWidth && TopSpace < Y && Y < TopSpace + GlyphHeight;
    }

    TPoint LeftTextAt(TAlignment Align, int TextWidth) const;
    TPoint RightTextAt(TAlignment Align, int TextWidth) const;
    TPoint TopTextAt(TAlignment Align, int TextWidth) const;
    TPoint BottomTextAt(TAlignment Align, int TextWidth) const;
};

} // namespace vok
