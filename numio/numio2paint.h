// Painting of the self-drawn numeric field: the whole picture, step by step,
// onto a canvas of the field's size.
#pragma once

#include "numio2editor.h"
#include "numio2layout.h"

#include <vok/Vok_basetypes.h>
#include <vok/Vok_colorconst.h>
#include <vok/Vok_inputtypes.h>
#include <vok/Vok_textdraw.h>

#include <QString>

namespace vok {

class TCanvas;

// How the field looks: alignments, captions, frames and colors, with the
// field's initial values.
struct VOK_EXPORT TNumIO2Appearance
{
    TAlignment Alignment = taCenter;
    TAlignment LeftTextAlignment = taRightJustify;
    TAlignment RightTextAlignment = taLeftJustify;
    QString LeftText;
    QString RightText;
    TFrameStyle FrameStyle = fsLowered;
    TFrameStyle GaugeFrameStyle = fsLowered;
    bool But3D = true;
    TColor ButColor = 0xC0C0C0;
    TColor ColorBoxBG = 0xFFFFFF;
    TColor ColorBoxText = 0x000000;
    TColor ColorOutBG = clBtnFace;
    TColor ColorOutText = 0x000000;
    TColor ColorWarnBG = 0x6088FFF0;
    TColor ColorWarnText = 0x0000FF;
    TColor GaugeColor = 0x800000;
    TColor GaugeColorBg = 0xC0C0C0;
    TColor GaugeColorFrame = 0x808080;
    TColor ColBlackLine = 0x000000;
    TColor ColGrayLine = 0x808080;
    TColor ColWhiteLine = 0xFFFFFF;
};

// The moment's state that the picture shows.
struct TNumIO2PaintState
{
    bool Enabled = true;
    bool CaretVisible = false;
    bool ShowSelection = false; // focused, or HideSelection off
    bool OutOfRange = false;
    int GaugeFill = 0;          // width of the gauge's fill
};

// Paints the field onto Canvas (the field's size, the field's font).
VOK_EXPORT void PaintNumIO2(TCanvas& Canvas, const TNumIO2Layout& Layout, const TNumIO2Appearance& Look,
                            const TNumTextEditor& Editor, const TNumIO2PaintState& State);

} // namespace vok
