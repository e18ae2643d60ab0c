#include <vok/Vok_bitmap.h>

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>

namespace vok {

namespace {
constexpr QImage::Format CanvasFormat = QImage::Format_ARGB32_Premultiplied;
const QString ResourcePrefix = QStringLiteral(":/vok/bitmaps/");

QImage Opaque(const QImage& Image)
{
    if (!Image.hasAlphaChannel())
        return Image.convertToFormat(CanvasFormat);
    QImage Result(Image.size(), CanvasFormat);
    Result.fill(Qt::black);
    QPainter P(&Result);
    P.drawImage(0, 0, Image);
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
    if (Width == FWidth && Height == FHeight)
        return;
    if (Width == 0 || Height == 0) {
        TakeImage(QImage());
        FWidth = Width;
        FHeight = Height;
        return;
    }
    QImage Resized(Width, Height, CanvasFormat);
    if (Resized.isNull())
        throw EVOKError(QStringLiteral("Not enough memory for a bitmap of %1 x %2 pixels").arg(Width).arg(Height));
    Resized.fill(0xFFFFFFFFu);
    const int CopyWidth = std::min(Width, FImage.width());
    for (int Y = 0; Y < std::min(Height, FImage.height()); ++Y)
        std::copy_n(reinterpret_cast<const quint32*>(FImage.constScanLine(Y)), CopyWidth,
            reinterpret_cast<quint32*>(Resized.scanLine(Y)));
    TakeImage(std::move(Resized));
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
    TakeImage(Image.convertToFormat(CanvasFormat));
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
    TakeImage(Other->FImage);
    FWidth = Other->FWidth;
    FHeight = Other->FHeight;
}

void TBitmap::ClearTransparent()
{
    FPixelFormat = pf32bit;
    FImage.fill(Qt::transparent);
}

void TBitmap::SetImage(const QImage& Image)
{
    TakeImage(FPixelFormat == pf24bit ? Opaque(Image) : Image.convertToFormat(CanvasFormat));
}

void TBitmap::TakeImage(QImage Image)
{
    FImage = std::move(Image);
    FWidth = FImage.width();
    FHeight = FImage.height();
    FCanvas->SetImage(&FImage);
}

} // namespace vok
