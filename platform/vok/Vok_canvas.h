/// TCanvas: drawing on a 32-bit image with the pixel rules of the classic
/// graphics device interface.
///
/// - Coordinates are pixel positions; a rectangle's right and bottom are
///   exclusive: Rectangle(0, 0, 10, 5) covers columns 0..9 and rows 0..4.
/// - LineTo draws from the pen position up to, but not including, the end
///   point, and moves the pen position there.
/// - Rectangle, Ellipse, Pie and Polygon outline with the pen and fill the
///   inside with the brush; the pen mode applies to both. Rectangle's outline
///   lies inside its box (a pen of width w covers w pixels on each side); with
///   a clear pen the filled box is one pixel smaller on the right and bottom.
/// - Ellipse, Arc and Pie share the bounding box (l, t, r, b): the ellipse
///   covers the pixels whose centres lie inside the ellipse inscribed in that
///   box. Arc and Pie run counterclockwise from the ray through the start
///   point to the ray through the end point; equal rays give the whole ellipse.
/// - Polygon fills by the even-odd rule and outlines every edge including its
///   vertices; Polyline leaves out its very last point.
/// - FillRect and FrameRect use only the brush, always in copy mode.
/// - Text is drawn through Qt with the font's anti-aliasing; a solid brush
///   fills the text's cell box first (opaque background), a clear brush leaves
///   the background. Text turns counterclockwise by the font's escapement
///   around its top-left corner.
/// - Images: the canvas converts its image to QImage::Format_ARGB32_Premultiplied.
///   Pen and brush write opaque pixels; the combining pen modes and copy modes
///   keep the destination's alpha where their table says so; GetPixel
///   returns the color bits without alpha.
/// - Dash styles apply to lines, polylines, polygon and rectangle edges of
///   one-pixel pens; ellipse, arc and pie outlines are solid. Pens wider than
///   one pixel are solid, with round ends and joins.
/// - Every drawing operation is clipped to ClipRect (initially the image).
/// - Device pixel ratio: coordinates are logical pixels; an image with a
///   device pixel ratio r holds about r x r device pixels for each. Lines,
///   rectangles, frames, fills and pixels cover exactly the device pixels of
///   their logical pixels; text, ellipses, arcs, pies, polygons, wide pens and
///   stretched pictures are drawn at device resolution, with outlines a
///   logical pen's width (rounded) of device pixels across. Flood fill works
///   on device pixels; GetPixel reads the top-left device pixel of the
///   logical one. At ratio 1 logical pixels are device pixels. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_drawtools.h>
#include <vok/Vok_geometry.h>
#include <vok/vok_export.h>

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace vok {

class TBitmap;

/// How CopyRect and Draw combine source S with destination D: S, S AND D,
/// S OR D, S XOR D, NOT D (source unused), NOT S, black, white. AND and OR act
/// on all 32 bits of a pixel, invert and XOR on the color bits only (keeping the
/// destination's alpha); copy and not-copy take the source's alpha.
enum TCopyMode { cmSrcCopy, cmSrcAnd, cmSrcPaint, cmSrcInvert, cmDstInvert, cmNotSrcCopy, cmBlackness, cmWhiteness };

/// How a copy between rectangles of different sizes scales: color-on-color
/// takes the nearest source pixel; halftone averages (smooth).
enum TStretchMode { smColorOnColor, smHalftone };

/// Flood fill: fsSurface fills the area of the given color around the seed,
/// fsBorder the area up to a border of the given color.
enum TFillStyle { fsSurface, fsBorder };

/// Draws on an image with pen, brush and font by the pixel rules of the classic graphics device interface (see the library's conventions).
class VOK_EXPORT TCanvas : public QObject
{
    Q_OBJECT
public:
    /// A canvas on Image (not owned; may be nullptr, then drawing does
    /// nothing). The image is converted to the canvas format if needed.
    explicit TCanvas(QImage* Image = nullptr, QObject* AOwner = nullptr);
    ~TCanvas() override;

    QImage* GetImage() const { return FImage; } ///< The image drawn on.
    /// Points the canvas at another image (or the same after it was resized);
    /// the clip rectangle is reset to the whole image.
    void SetImage(QImage* Image);
    /// The image's device pixel ratio: device pixels per logical pixel.
    qreal GetDevicePixelRatio() const;
    /// The logical size: the image's device size divided by its ratio.
    ///@{
    int Width() const;
    int Height() const;
    ///@}
    /// The device pixels of the logical rectangle R on the image: for code
    /// that works on the image's pixels directly.
    TRect DeviceRect(TRect R) const;

    /// The widget whose palette system colors resolve through while this
    /// canvas draws (a control's own canvas: the control). Without one they
    /// resolve through the palette in effect (see TPaletteScope).
    ///@{
    QWidget* GetPaletteSource() const;
    void SetPaletteSource(QWidget* Value);
    ///@}

    TPen* GetPen() const { return FPen; } ///< The pen: lines and outlines.
    TBrush* GetBrush() const { return FBrush; } ///< The brush: fills.
    TFont* GetFont() const { return FFont; } ///< The font: text.
    void SetPen(TPen* Value) { FPen->Assign(Value); } ///< Copies Value into the pen.
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); } ///< Copies Value into the brush.
    void SetFont(TFont* Value) { FFont->Assign(Value); } ///< Copies Value into the font.

    /// How copied pixels combine with the destination.
    ///@{
    TCopyMode GetCopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
    ///@}
    /// How scaled copies are resampled.
    ///@{
    TStretchMode GetStretchMode() const { return FStretchMode; }
    void SetStretchMode(TStretchMode Value) { FStretchMode = Value; }
    ///@}
    /// The pen position, where LineTo starts.
    ///@{
    TPoint GetPenPos() const { return FPenPos; }
    void SetPenPos(TPoint Value);
    ///@}

    /// The rectangle drawing is limited to, always inside the image.
    ///@{
    TRect GetClipRect() const;
    void SetClipRect(TRect Value);
    void ResetClipRect();
    ///@}

    void MoveTo(int X, int Y); ///< Moves the pen position.
    void LineTo(int X, int Y); ///< A line from the pen position to (X, Y), which it leaves out; moves the pen there.
    void Polyline(const QList<TPoint>& Points); ///< Lines through the points.
    void Polygon(const QList<TPoint>& Points); ///< The closed polygon, filled with the brush and outlined with the pen.
    void Rectangle(int X1, int Y1, int X2, int Y2); ///< Columns X1..X2-1 and rows Y1..Y2-1, filled with the brush, the pen outline inside.
    void Rectangle(TRect R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); } ///< The same for R.
    void FillRect(TRect R); ///< Fills R with the brush, no outline.
    void FrameRect(TRect R); ///< A one-pixel frame around R in the brush color.
    void Ellipse(int X1, int Y1, int X2, int Y2); ///< The ellipse in the box, filled with the brush and outlined with the pen.
    void Ellipse(TRect R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); } ///< The same for R.
    /// Box (X1, Y1)-(X2, Y2), counterclockwise from the ray towards (X3, Y3)
    /// to the ray towards (X4, Y4).
    ///@{
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    ///@}

    /// Text with its top-left corner at (X, Y); moves the pen position to the
    /// end of the text's base direction (X + TextWidth, Y for an unrotated font).
    void TextOut(int X, int Y, const QString& Text);
    /// Fills R with the brush (unless clear), then draws Text at (X, Y)
    /// clipped to R.
    void TextRect(TRect R, int X, int Y, const QString& Text);
    int TextWidth(const QString& Text) const; ///< The width of Text in the font.
    int TextHeight(const QString& Text) const; ///< The height of Text in the font.
    TSize TextExtent(const QString& Text) const; ///< Width and height of Text in the font.

    /// Copies Source's rectangle to Dest with CopyMode, scaling with
    /// StretchMode when the sizes differ. Source may be this canvas. Source
    /// pixels outside the source picture leave the destination unchanged
    /// (halftone stretching counts them as transparent black); empty or
    /// inverted rectangles copy nothing (no mirroring).
    void CopyRect(TRect Dest, const TCanvas* Source, TRect SourceRect);
    /// The whole bitmap at (X, Y), with CopyMode.
    void Draw(int X, int Y, const TBitmap* Bitmap);
    /// The whole bitmap scaled into Dest with StretchMode and CopyMode.
    void StretchDraw(TRect Dest, const TBitmap* Bitmap);

    void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle); ///< Fills with the brush from (X, Y): the area of Color (fsSurface) or up to a border of Color (fsBorder).

    /// The color at (X, Y); clNone outside the image.
    TColor GetPixel(int X, int Y) const;
    /// Writes the color (copy, not clipped by the pen mode) inside ClipRect.
    void SetPixel(int X, int Y, TColor Color);

    /// Fired after every drawing operation that may have changed pixels.
    TNotifyEvent OnChange;

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.

private:
    bool Ready();
    void Changed();
    // Strokes the open path through Points with the wide pen; false when
    // nothing of it is visible.
    bool PaintWideStroke(const QList<TPoint>& Points);
    // Copies Source's device pixels SourceRect to logical Dest, or to device
    // pixels Dest.
    void CopyImageRect(TRect Dest, const QImage& Source, TRect SourceRect);
    void CopyDeviceRect(TRect Dest, const QImage& Source, TRect SourceRect);

    QImage* FImage = nullptr;
    QPointer<QWidget> FPaletteSource;
    TPen* FPen;
    TBrush* FBrush;
    TFont* FFont;
    TCopyMode FCopyMode = cmSrcCopy;
    TStretchMode FStretchMode = smColorOnColor;
    TPoint FPenPos;
    TRect FClipRect;
    bool FClipSet = false;
    int FDashPhase = 0; ///< position in the pen's dash pattern, restarted by MoveTo
};

} // namespace vok
