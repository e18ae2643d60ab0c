/// Text helpers shared by the self-drawn controls with captions. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_colorconst.h>
#include <vok/Vok_inputtypes.h>
#include <vok/vok_export.h>

#include <QString>

namespace vok {

class TCanvas;

/// The sample whose height centres a line of text vertically: it reaches as
/// high and as low as the font's glyphs do.
VOK_EXPORT const QString& TextHeightSample();

/// Captions beside a box in a strip Width pixels wide, the box from LeftSpace
/// to BoxEnd. The left caption starts at 7, ends 5 pixels before the box or is
/// centred before it; the right caption starts 7 pixels after the box, ends 6
/// pixels before the strip's end or is centred after the box.
///@{
VOK_EXPORT int StripLeftCaptionX(TAlignment Align, int LeftSpace, int CaptionWidth);
VOK_EXPORT int StripRightCaptionX(TAlignment Align, int BoxEnd, int Width, int CaptionWidth);
///@}

} // namespace vok
