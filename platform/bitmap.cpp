#include <vok/Vok_bitmap.h>

#include "raster.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace vok {

namespace {
constexpr QImage::Format CanvasFormat = QImage::Format_ARGB32_Premultiplied;
const QString ResourcePrefix = QStringLiteral(":/vok/bitmaps/");

QImage Opaque(const QImage& Image)
{
    if (!Image.hasAlphaChannel())
        return Image.convertToFormat(CanvasFormat);
    // Pixel over pixel: both at ratio 1 while painting.
    QImage Source = Image;
    Source.setDevicePixelRatio(1.0);
    QImage Result(Image.size(), CanvasFormat);
    Result.fill(Qt::black);
    QPainter(&Result).drawImage(0, 0, Source);
    Result.setDevicePixelRatio(Image.devicePixelRatio());
    return Result;
}

// Image's content at Ratio: Width x Height logical pixels, scaled smoothly.
QImage Rescaled(const QImage& Image, int Width, int Height, qreal Ratio)
{
    const raster::DeviceScale Scale(Ratio);
    QImage Result = Image.scaled(Scale.Edge(Width), Scale.Edge(Height), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(CanvasFormat);
    Result.setDevicePixelRatio(Ratio);
    return Result;
}
} // namespace

TBitmap::TBitmap(QObject* AOwner)
    : QObject(AOwner)
    , FCanvas(new TCanvas(nullptr, this))
{
    FCanvas->SetImage(&FImage);
}

TBitmap::TBitmap(int Width, int Height, QObject* AOwner)
    : TBitmap(AOwner)
{
    SetSize(Width, Height);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int Width, int Height)
{
    Width = std::max(0, Width);
    Height = std::max(0, Height);
    const qreal Ratio = TargetRatio();
    if (Width == FWidth && Height == FHeight && Ratio == FRatio)
        return;
    if (Width == 0 || Height == 0) {
        TakeImage(QImage());
        FWidth = Width;
        FHeight = Height;
        FRatio = Ratio;
        return;
    }
    Remake(Width, Height, Ratio);
}

void TBitmap::Remake(int Width, int Height, qreal Ratio)
{
    const raster::DeviceScale Scale(Ratio);
    QImage Resized(Scale.Edge(Width), Scale.Edge(Height), CanvasFormat);
    if (Resized.isNull())
        throw EVOKError(QStringLiteral("Not enough memory for a bitmap of %1 x %2 pixels").arg(Width).arg(Height));
    Resized.fill(0xFFFFFFFFu);
    Resized.setDevicePixelRatio(Ratio);
    const QImage Old = FImage.isNull() || Ratio == FRatio ? FImage : Rescaled(FImage, FWidth, FHeight, Ratio);
    const int CopyWidth = std::min(Resized.width(), Old.width());
    for (int Y = 0; Y < std::min(Resized.height(), Old.height()); ++Y)
        std::copy_n(reinterpret_cast<const quint32*>(Old.constScanLine(Y)), CopyWidth,
            reinterpret_cast<quint32*>(Resized.scanLine(Y)));
    TakeImage(std::move(Resized));
    FWidth = Width;
    FHeight = Height;
}

qreal TBitmap::TargetRatio() const
{
    if (FRatioFixed)
        return FRatio;
    if (const QWidget* Source = FCanvas->GetPaletteSource())
        return Source->devicePixelRatioF();
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

void TBitmap::SetDevicePixelRatio(qreal Value)
{
    if (!(Value > 0) || !std::isfinite(Value))
        return;
    FRatioFixed = true;
    if (Value == FRatio)
        return;
    if (FImage.isNull())
        FRatio = Value;
    else
        Remake(FWidth, FHeight, Value);
}

const QImage& TBitmap::ImageAt(qreal Ratio) const
{
    if (Ratio == FRatio || FImage.isNull())
        return FImage;
    if (!FScaled.isNull() && FScaled.devicePixelRatio() == Ratio)
        return FScaled;
    if (FScaled.isNull())
        connect(FCanvas, &TCanvas::changed, this, [this] { DropScaled(); });
    FScaled = Rescaled(FImage, FWidth, FHeight, Ratio);
    return FScaled;
}

void TBitmap::DropScaled() const
{
    if (FScaled.isNull())
        return;
    FScaled = QImage();
    disconnect(FCanvas, &TCanvas::changed, this, nullptr);
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (FPixelFormat == Value)
        return;
    FPixelFormat = Value;
    if (Value == pf24bit && !FImage.isNull())
        TakeImage(Opaque(FImage));
}

quint32* TBitmap::ScanLine(int Y)
{
    if (Y < 0 || Y >= FImage.height())
        throw EVOKError(QStringLiteral("Scan line index out of range (%1)").arg(Y));
    DropScaled(); // the caller may change the pixels
    return reinterpret_cast<quint32*>(FImage.scanLine(Y));
}

const quint32* TBitmap::ScanLine(int Y) const
{
    if (Y < 0 || Y >= FImage.height())
        throw EVOKError(QStringLiteral("Scan line index out of range (%1)").arg(Y));
    return reinterpret_cast<const quint32*>(FImage.constScanLine(Y));
}

void TBitmap::LoadFromFile(const QString& FileName)
{
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw EVOKError(QStringLiteral("Cannot open picture file \"%1\": %2").arg(FileName, File.errorString()));
    LoadFromStream(File);
}

void TBitmap::LoadFromStream(QIODevice& Stream)
{
    QImageReader Reader(&Stream);
    Reader.setAutoTransform(false);
    const QImage Image = Reader.read();
    if (Image.isNull())
        throw EVOKError(QStringLiteral("Invalid picture: %1").arg(Reader.errorString()));
    FPixelFormat = Image.hasAlphaChannel() ? pf32bit : pf24bit;
    FRatioFixed = true;
    QImage Picture = Image.convertToFormat(CanvasFormat);
    Picture.setDevicePixelRatio(1.0);
    TakeImage(std::move(Picture));
}

void TBitmap::SaveToFile(const QString& FileName) const
{
    const QString Suffix = QFileInfo(FileName).suffix().toLower();
    const char* Format = "PNG";
    if (Suffix == QLatin1String("bmp"))
        Format = "BMP";
    else if (Suffix == QLatin1String("jpg") || Suffix == QLatin1String("jpeg"))
        Format = "JPEG";
    QSaveFile File(FileName);
    const bool Ok = File.open(QIODevice::WriteOnly)
        && (FPixelFormat == pf24bit ? FImage.convertToFormat(QImage::Format_RGB32) : FImage).save(&File, Format)
        && File.commit();
    if (!Ok)
        throw EVOKError(QStringLiteral("Cannot write picture file \"%1\": %2").arg(FileName, File.errorString()));
}

bool TBitmap::ResourceExists(const QString& Name)
{
    return !Name.isEmpty() && QFile::exists(ResourcePrefix + Name.toUpper());
}

void TBitmap::LoadFromResourceName(const QString& Name)
{
    if (!ResourceExists(Name))
        throw EVOKError(QStringLiteral("Bitmap resource \"%1\" not found").arg(Name));
    QFile File(ResourcePrefix + Name.toUpper());
    if (!File.open(QIODevice::ReadOnly))
        throw EVOKError(QStringLiteral("Bitmap resource \"%1\" cannot be read").arg(Name));
    LoadFromStream(File);
}

void TBitmap::Assign(QObject* Source)
{
    if (!Source) {
        TakeImage(QImage());
        return;
    }
    const auto* Other = qobject_cast<const TBitmap*>(Source);
    if (!Other)
        throw EVOKError(QStringLiteral("Cannot assign a %1 to a TBitmap").arg(QString::fromLatin1(Source->metaObject()->className())));
    if (Other == this)
        return;
    FPixelFormat = Other->FPixelFormat;
    FRatioFixed = Other->FRatioFixed;
    TakeImage(Other->FImage);
    FWidth = Other->FWidth;
    FHeight = Other->FHeight;
    FRatio = Other->FRatio;
}

void TBitmap::ClearTransparent()
{
    FPixelFormat = pf32bit;
    FImage.fill(Qt::transparent);
    DropScaled();
}

QImage TBitmap::CopyImage(TRect R) const
{
    return FImage.copy(ToQRect(FCanvas->DeviceRect(R)));
}

void TBitmap::SetImage(const QImage& Image)
{
    FRatioFixed = true;
    TakeImage(FPixelFormat == pf24bit ? Opaque(Image) : Image.convertToFormat(CanvasFormat));
}

void TBitmap::TakeImage(QImage Image)
{
    FImage = std::move(Image);
    DropScaled();
    if (!FImage.isNull())
        FRatio = FImage.devicePixelRatio();
    const raster::DeviceScale Scale(FRatio);
    FWidth = Scale.Logical(FImage.width());
    FHeight = Scale.Logical(FImage.height());
    FCanvas->SetImage(&FImage);
}

} // namespace vok
