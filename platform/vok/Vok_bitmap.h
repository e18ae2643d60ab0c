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
/// with 32 bits per pixel, so scan lines always have Width quint32 pixels
/// 0xAARRGGBB (bytes B, G, R, A in memory), premultiplied alpha.
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

    /// Width and height are the bitmap's own: each setter keeps the other
    /// dimension, also while one of them is 0, so a picture can be sized one
    /// dimension at a time. The picture exists once both are positive.
    ///@{
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    ///@}
    /// Resizing keeps the picture's top-left part; new pixels are white.
    /// Negative sizes count as 0.
    void SetWidth(int Value) { SetSize(Value, FHeight); }
    void SetHeight(int Value) { SetSize(FWidth, Value); } ///< Sets the height.
    void SetSize(int Width, int Height); ///< Sets both dimensions in one step.
    bool GetEmpty() const { return FImage.isNull(); } ///< Whether the bitmap has no pixels.

    /// The pixel format.
    TPixelFormat GetPixelFormat() const { return FPixelFormat; }
    /// Changing to pf24bit makes every pixel opaque (over black).
    void SetPixelFormat(TPixelFormat Value);

    /// The canvas drawing on this picture; it lives as long as the bitmap.
    TCanvas* GetCanvas() const { return FCanvas; }

    /// Row Y's pixels (see TPixelFormat); raises EVOKError for a row outside
    /// 0 .. Height - 1 and for any row of an empty picture.
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
    /// Writes PNG, or BMP/JPEG when the file name ends so, through a
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

    /// The picture as a Qt image, and taking one (converted to the canvas format).
    ///@{
    const QImage& GetImage() const { return FImage; }
    void SetImage(const QImage& Image);
    ///@}

private:
    /// Takes the picture and its size.
    void TakeImage(QImage Image);

    QImage FImage;
    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pf24bit;
    TCanvas* FCanvas;
};

} // namespace vok
