#include "PictureTest.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace vok::test {

namespace {

QString GoldenPath(const QString& Name)
{
    return QDir(QStringLiteral(VOK_GOLDEN_DIR)).filePath(Name + QStringLiteral(".png"));
}

// Differing pixels in red over a faded copy of the actual picture.
QImage DiffPicture(const QImage& Actual, const QImage& Golden, int ChannelDelta, qsizetype& BadPixels)
{
    QImage Diff(Actual.size(), QImage::Format_RGB32);
    BadPixels = 0;
    for (int Y = 0; Y < Actual.height(); ++Y)
        for (int X = 0; X < Actual.width(); ++X) {
            const QRgb A = Actual.pixel(X, Y);
            const QRgb G = Golden.pixel(X, Y);
            const int Delta = std::max({std::abs(qRed(A) - qRed(G)), std::abs(qGreen(A) - qGreen(G)),
                std::abs(qBlue(A) - qBlue(G)), std::abs(qAlpha(A) - qAlpha(G))});
            if (Delta > ChannelDelta) {
                ++BadPixels;
                Diff.setPixel(X, Y, qRgb(255, 0, 0));
            } else {
                const int Gray = 192 + qGray(A) / 4;
                Diff.setPixel(X, Y, qRgb(Gray, Gray, Gray));
            }
        }
    return Diff;
}

} // namespace

QString WritePicture(const QImage& Image, const QString& Name)
{
    const QDir Dir(QStringLiteral(VOK_TEST_OUTPUT_DIR));
    QDir().mkpath(Dir.path());
    const QString Path = Dir.filePath(Name + QStringLiteral(".png"));
    Image.save(Path, "PNG");
    return Path;
}

QImage RenderWidget(QWidget* Widget)
{
    return Widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

testing::AssertionResult MatchesGolden(const QImage& Actual, const QString& Name, GoldenTolerance Tolerance)
{
    const QImage Picture = Actual.convertToFormat(QImage::Format_ARGB32);
    const QString Golden = GoldenPath(Name);
    if (qEnvironmentVariableIntValue("VOK_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(Golden).path());
        if (!Picture.save(Golden, "PNG"))
            return testing::AssertionFailure() << "cannot write golden picture " << Golden.toStdString();
        return testing::AssertionSuccess();
    }
    const QImage Expected = QImage(Golden).convertToFormat(QImage::Format_ARGB32);
    if (Expected.isNull()) {
        const QString Written = WritePicture(Picture, Name);
        return testing::AssertionFailure() << "no golden picture " << Golden.toStdString()
                                           << "; review the actual picture " << Written.toStdString()
                                           << " and copy it there";
    }
    if (Expected.size() != Picture.size()) {
        const QString Written = WritePicture(Picture, Name);
        return testing::AssertionFailure() << "size " << Picture.width() << "x" << Picture.height() << " differs from golden "
                                           << Expected.width() << "x" << Expected.height() << " (" << Golden.toStdString()
                                           << "); actual picture: " << Written.toStdString();
    }
    qsizetype Bad = 0;
    const QImage Diff = DiffPicture(Picture, Expected, Tolerance.ChannelDelta, Bad);
    const qsizetype Allowed = qsizetype(Tolerance.BadFraction * double(Picture.width()) * Picture.height());
    if (Bad <= Allowed)
        return testing::AssertionSuccess();
    const QString Written = WritePicture(Picture, Name);
    const QString DiffPath = WritePicture(Diff, Name + QStringLiteral("-diff"));
    return testing::AssertionFailure() << Bad << " pixels differ from " << Golden.toStdString() << " (" << Allowed
                                       << " allowed); actual picture: " << Written.toStdString()
                                       << ", diff picture: " << DiffPath.toStdString();
}

bool AnyPixel(const TCanvas& Canvas, TRect Box, TColor Color)
{
    for (int Y = Box.Top; Y < Box.Bottom; ++Y)
        for (int X = Box.Left; X < Box.Right; ++X)
            if (Canvas.GetPixel(X, Y) == Color)
                return true;
    return false;
}

} // namespace vok::test
