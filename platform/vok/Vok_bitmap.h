/// TBitmap: an off-screen picture with a canvas, scan-line access, files and
/// resources. \file
#pragma once

#include <vok/Vok_canvas.h>
#include <vok/vok_export.h>

#include <QImage>
#include <QIODevice>
#include <QObject>
#include <QString>

namespace vok {

/// pf32bit keeps an alpha channel; pf24bit pictures are opaque. Both are held
/// with 32 bits per pixel, so scan lines always have quint32 pixels
/// 0xAARRGGBB (bytes B, G, R, A in memory), premultiplied alpha.
///
/// Device pixel ratio: Width and Height are logical pixels, which the canvas
/// draws in; the picture holds device pixels, DevicePixelRatio of them per
/// logical pixel each way (GetImage().size() is the device size). A bitmap
/// made by code takes the ratio of the screen it is drawn for when it gets its
/// size: that of its canvas's palette source widget, else the highest of the
/// application's screens, so what a control draws through it is as sharp as
/// the control. Pictures loaded from files, streams and resources keep their
/// own pixels (ratio 1); drawn onto a canvas of another ratio, they come
/// scaled smoothly, once. At ratio 1 device pixels are logical pixels.
enum TPixelFormat { pf24bit, pf32bit };

/// An off-screen picture with a canvas to draw on.
class VOK_EXPORT TBitmap : public QObject
{
    Q_OBJECT
public:
    /// An empty picture (0 by 0), 24 bits.
    explicit TBitmap(QObject* AOwner = nullptr);
    /// A picture of Width by Height, filled white.
    TBitmap(int Width, int Height, QObject* AOwner = nullptr);
    ~TBitmap() override;

    /// Width and height are the bitmap's own (logical): each setter keeps the
    /// other dimension, also while one of them is 0, so a picture can be sized
    /// one dimension at a time. The picture exists once both are positive.
    ///@{
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    ///@}
    /// Resizing keeps the picture's top-left part; new pixels are white.
    /// Negative sizes count as 0. Unless the ratio was set (or came with a
    /// loaded picture), the picture moves to the screen's ratio here, its
    /// content scaled along.
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    void SetHeight(int Value) { SetSize(FWidth, Value); } ///< Sets the height.
    void SetSize(int Width, int Height); ///< Sets both dimensions in one step.
    bool GetEmpty() const { return FImage.isNull(); } ///< Whether the bitmap has no pixels.

    /// The pixel format.
    TPixelFormat GetPixelFormat() const { return FPixelFormat; }
    /// Changing to pf24bit makes every pixel opaque (over black).
    void SetPixelFormat(TPixelFormat Value);

    /// The picture's device pixel ratio: device pixels per logical pixel.
    qreal GetDevicePixelRatio() const { return FRatio; }
    /// Fixes the ratio (positive; others are ignored) and scales the
    /// picture's content to it smoothly.
    void SetDevicePixelRatio(qreal Value);
    /// The picture at Ratio: itself at its own ratio, else scaled smoothly to
    /// it, kept until the picture changes.
    const QImage& ImageAt(qreal Ratio) const;

    /// The canvas drawing on this picture; it lives as long as the bitmap.
    TCanvas* GetCanvas() const { return FCanvas; }

    /// Device row Y's pixels (see TPixelFormat): GetImage().width() of them,
    /// for Y in 0 .. GetImage().height() - 1 (Width and Height at ratio 1);
    /// raises EVOKError for other rows and for any row of an empty picture.
    ///@{
    quint32* ScanLine(int Y);
    const quint32* ScanLine(int Y) const;
    ///@}

    /// BMP, PNG or JPEG (by content). Raises EVOKError when the file cannot be
    /// read or is not a picture; the bitmap is unchanged then.
    ///@{
    void LoadFromFile(const QString& FileName);
    void LoadFromStream(QIODevice& Stream);
    ///@}
    /// Writes the device pixels as PNG, or BMP/JPEG when the file name ends so, through a
    /// temporary file renamed over the target. Raises EVOKError on failure.
    void SaveToFile(const QString& FileName) const;
    /// One of the library's bitmap resources by name ("CHECKEDBOX"), case
    /// insensitive. Raises EVOKError for an unknown name.
    void LoadFromResourceName(const QString& Name);
    /// Whether a bitmap resource of that name exists.
    static bool ResourceExists(const QString& Name);

    /// Makes the picture 32 bits and every pixel fully transparent.
    void ClearTransparent();

    /// Copies picture and pixel format from another TBitmap; nullptr makes
    /// this one empty; any other class raises EVOKError.
    virtual void Assign(QObject* Source);

    /// The picture as a Qt image, and taking one (converted to the canvas
    /// format, keeping its device pixel ratio).
    ///@{
    const QImage& GetImage() const { return FImage; }
    void SetImage(const QImage& Image);
    ///@}
    /// The device pixels of the logical rectangle R, at the bitmap's ratio.
    QImage CopyImage(TRect R) const;

private:
    /// Takes the picture, its size and its ratio.
    void TakeImage(QImage Image);
    // The ratio a picture made now takes: the fixed one, else the screen's.
    qreal TargetRatio() const;
    // Makes the picture Width x Height logical pixels at Ratio.
    void Remake(int Width, int Height, qreal Ratio);
    // Forgets the scaled picture; while there is one, the canvas's changes
    // call this.
    void DropScaled() const;

    QImage FImage;
    int FWidth = 0;
    int FHeight = 0;
    qreal FRatio = 1.0;
    bool FRatioFixed = false;
    TPixelFormat FPixelFormat = pf24bit;
    TCanvas* FCanvas;
    mutable QImage FScaled; // the picture at another ratio, see ImageAt
};

} // namespace vok
