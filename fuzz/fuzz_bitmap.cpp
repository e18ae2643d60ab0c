// Picture files read by TBitmap::LoadFromStream (BMP, PNG, JPEG and whatever
// else the image plugins recognise by content).
//
// Invariants: a picture that cannot be read raises EVOKError and leaves the
// bitmap as it was; a picture that is read has whole scan lines in the
// canvas format and survives a PNG round trip through the file routines
// pixel for pixel.
#include "FuzzCheck.h"

#include <vok/Vok_bitmap.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>

using namespace vok;

namespace {

// Fonts and canvases need a GUI application; one offscreen instance serves
// every input.
void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int Argc = 1;
    static char Name[] = "fuzz_bitmap";
    static char* Argv[] = {Name, nullptr};
    new QGuiApplication(Argc, Argv);
    // Keep single inputs cheap: no picture above 16 MB is decoded.
    QImageReader::setAllocationLimit(16);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    EnsureApplication();
    QByteArray Bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::ReadOnly);

    TBitmap Picture(3, 2);
    Picture.GetCanvas()->SetPixel(1, 1, 0x123456);
    const QImage Before = Picture.GetImage();
    try {
        Picture.LoadFromStream(Buffer);
    } catch (const EVOKError&) {
        FUZZ_CHECK(Picture.GetImage() == Before);
        FUZZ_CHECK(Picture.GetPixelFormat() == pf24bit);
        return 0;
    }
    FUZZ_CHECK(!Picture.GetEmpty());
    FUZZ_CHECK(Picture.GetImage().format() == QImage::Format_ARGB32_Premultiplied);
    FUZZ_CHECK(Picture.GetImage().bytesPerLine() == qsizetype(Picture.GetWidth()) * 4);

    static QTemporaryDir Dir;
    const QString Name = Dir.filePath(QStringLiteral("picture.png"));
    try {
        Picture.SaveToFile(Name);
    } catch (const EVOKError&) {
        return 0; // a picture the PNG writer refuses (over a million rows)
    }
    TBitmap Again;
    Again.LoadFromFile(Name);
    FUZZ_CHECK(Again.GetPixelFormat() == Picture.GetPixelFormat());
    FUZZ_CHECK(Again.GetImage() == Picture.GetImage());
    return 0;
}
