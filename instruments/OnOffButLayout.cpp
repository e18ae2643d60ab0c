#include "OnOffButLayout.h"

namespace vok {

TPoint TOnOffButLayout::LeftTextAt(TAlignment Align, int TextWidth) const
{
    const int Y = TopSpace + (GlyphHeight - TextHeight) / 2;
    switch (Align) {
    case taLeftJustify:
        return Point(4, Y);
    case taRightJustify:
        return Point(LeftSpace - TextWidth - 3, Y);
    default:
        return Point((LeftSpace - TextWidth) / 2, Y);
    }
}

TPoint TOnOffButLayout::RightTextAt(TAlignment Align, int TextWidth) const
{
    const int Y = TopSpace + (GlyphHeight - TextHeight) / 2;
    const int End = LeftSpace + GlyphWidth;
    switch (Align) {
    case taLeftJustify:
        return Point(End + 4, Y);
    case taRightJustify:
        return Point(Width - TextWidth - 4, Y);
    default:
        return Point((Width - TextWidth - End) / 2 + End + 1, Y);
    }
}

// Above and below the picture the texts share their columns.
static int ColumnX(const TOnOffButLayout& L, TAlignment Align, int TextWidth)
{
    switch (Align) {
    case taLeftJustify:
        return 4;
    case taRightJustify:
        return L.Width - TextWidth - 4;
    default:
        return L.LeftSpace + (L.GlyphWidth - TextWidth) / 2;
    }
}

TPoint TOnOffButLayout::TopTextAt(TAlignment Align, int TextWidth) const
{
    return Point(ColumnX(*this, Align, TextWidth), TopSpace - TextHeight - 4);
}

TPoint TOnOffButLayout::BottomTextAt(TAlignment Align, int TextWidth) const
{
    return Point(ColumnX(*this, Align, TextWidth), TopSpace + GlyphHeight + 4);
}

} // namespace vok
