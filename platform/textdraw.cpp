#include <vok/Vok_textdraw.h>

#include <vok/Vok_canvas.h>

namespace vok {

const QString& TextHeightSample()
{
    static const QString Sample = QStringLiteral("(8g]}\u00DC\u00C4\u00A7");
    return Sample;
}

int StripLeftCaptionX(TAlignment Align, int LeftSpace, int CaptionWidth)
{
    switch (Align) {
    case taLeftJustify:
        return 7;
    case taRightJustify:
        return LeftSpace - CaptionWidth - 5;
    default:
        return (LeftSpace - CaptionWidth) / 2;
    }
}

int StripRightCaptionX(TAlignment Align, int BoxEnd, int Width, int CaptionWidth)
{
    switch (Align) {
    case taLeftJustify:
        return BoxEnd + 7;
    case taRightJustify:
        return Width - CaptionWidth - 6;
    default:
        return (Width - BoxEnd - CaptionWidth) / 2 + BoxEnd + 1;
    }
}

} // namespace vok
