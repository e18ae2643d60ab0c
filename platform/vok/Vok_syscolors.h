/// Color resolution on the platform: system colors through a palette (the
/// painting control's, else the application's), names of the named colors, conversions to and from Qt colors and
/// canvas pixels. (Color arithmetic lives in the base library's Vok_colors.h.) \file
#pragma once

#include <vok/Vok_colorconst.h>
#include <vok/vok_export.h>

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace vok {

/// The $00BBGGRR value a color stands for. System colors ($FF0000nn) are
/// looked up in Palette (clBtnFace -> Button, clBtnShadow -> Dark,
/// clBtnHighlight -> Light, clWindow -> Base, clWindowText -> Text, ...); an
/// unknown system index gives black. Every other value keeps its low 24 bits.
VOK_EXPORT TColor ColorToRGB(TColor Color, const QPalette& Palette);
/// The same through the palette in effect: the one a TPaletteScope set on
/// this thread, else the application palette.
VOK_EXPORT TColor ColorToRGB(TColor Color);

/// While it lives, system colors resolve through the palette of Widget (a
/// null widget changes nothing). Scopes nest; the innermost one counts. A
/// canvas painting for a control opens one around each drawing operation.
class VOK_EXPORT TPaletteScope
{
public:
    explicit TPaletteScope(const QWidget* Widget); ///< Resolves through Widget's palette from now on.
    ~TPaletteScope();
    TPaletteScope(const TPaletteScope&) = delete;
    TPaletteScope& operator=(const TPaletteScope&) = delete;

private:
    const QWidget* FPrevious;
    bool FActive;
};

/// "clRed", "clBtnFace", "clNone" ... for the named colors, otherwise the
/// value as "$00BBGGRR" (eight upper-case hex digits).
VOK_EXPORT QString ColorToString(TColor Color);

/// The reverse of ColorToString: a color name or a "$" hex value (also plain
/// decimal). Returns false and leaves Color unchanged for any other text.
VOK_EXPORT bool StringToColor(const QString& Text, TColor& Color);

/// Builds $00BBGGRR from the three channels.
inline constexpr TColor RGBToColor(int R, int G, int B)
{
    return TColor(quint8(R)) | (TColor(quint8(G)) << 8) | (TColor(quint8(B)) << 16);
}
inline constexpr int GetRValue(TColor C) { return int(C & 0xFF); } ///< The red channel.
inline constexpr int GetGValue(TColor C) { return int((C >> 8) & 0xFF); } ///< The green channel.
inline constexpr int GetBValue(TColor C) { return int((C >> 16) & 0xFF); } ///< The blue channel.

/// The opaque Qt color of a (resolved) TColor, and back.
///@{
VOK_EXPORT QColor ColorToQColor(TColor Color);
VOK_EXPORT TColor QColorToColor(const QColor& Color);
///@}

/// A 32-bit pixel as stored in a canvas image (0xAARRGGBB, opaque) for a
/// TColor, and the TColor of a pixel (alpha dropped).
///@{
inline quint32 ColorToPixel(TColor Color)
{
    const TColor C = ColorToRGB(Color);
    return 0xFF000000u | (quint32(GetRValue(C)) << 16) | (quint32(GetGValue(C)) << 8) | quint32(GetBValue(C));
}
inline constexpr TColor PixelToColor(quint32 Pixel)
{
    return RGBToColor(int((Pixel >> 16) & 0xFF), int((Pixel >> 8) & 0xFF), int(Pixel & 0xFF));
}
///@}

} // namespace vok
