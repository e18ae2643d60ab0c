/// Color arithmetic on plain $00BBGGRR values and the table of predefined
/// named colors. System colors (top byte $FF) must be resolved by the platform
/// before they reach the arithmetic here, which looks at the low 24 bits only. \file
#pragma once

#include <vok/Vok_basetypes.h>

namespace vok {

/// Hue in degrees [0, 360), saturation and lightness in [0, 1]. Gray levels
/// have hue 0 and saturation 0.
VOK_EXPORT void ColorToHSL(TColor Color, double& Hue, double& Saturation, double& Lightness);
/// The inverse of ColorToHSL; hue is taken modulo 360, saturation and
/// lightness are clamped to [0, 1], channels are rounded to the nearest step.
VOK_EXPORT TColor HSLtoColor(double Hue, double Saturation, double Lightness);

/// The perceived gray level 0..255 (ITU-R BT.601 weights 0.299, 0.587, 0.114, rounded).
VOK_EXPORT int ColorToGray(TColor Color);
/// Channel by channel mean of two colors, rounded half up.
VOK_EXPORT TColor MeanColor(TColor Color1, TColor Color2);

/// A named color of the predefined table.
struct TPredefinedColor
{
    TColor Color; ///< The color.
    const char* Name; ///< the color constant's name, e.g. "clBlack"
};

inline constexpr int NrOfPredefinedColors = 47; ///< The number of predefined colors.

/// Entry Index (1..47) of the named color table: 1-16 the 16 classic VGA
/// colors (clBlack ... clWhite), 17-20 clMoneyGreen, clSkyBlue, clCream,
/// clMedGray, 21-47 system colors (in the order of their system index, without
/// the caption gradient and menu bar colors). Outside: {clNone, ""}.
VOK_EXPORT TPredefinedColor PredefinedColors(int Index);

} // namespace vok
