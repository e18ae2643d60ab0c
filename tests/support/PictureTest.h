// Picture helpers for pixel tests: write a picture to PNG, and compare a
// picture with a reviewed golden PNG under tests/golden/.
//
//   EXPECT_TRUE(vok::test::MatchesGolden(Bitmap.GetImage(), "numio-enabled"));
//
// A missing golden fails and writes the actual picture so it can be reviewed
// and copied to tests/golden/<name>.png (or run the test with
// VOK_UPDATE_GOLDEN=1 to write every golden picture it compares against).
// A mismatch writes the actual picture and a diff picture (differing pixels
// red over a faded copy) under the build's tests/output/ and names both
// paths in the failure message.
#pragma once

#include <gtest/gtest.h>

#include <vok/Vok_canvas.h>

#include <QImage>
#include <QString>
#include <QWidget>

namespace vok::test {

// Writes Image to <build>/tests/output/<Name>.png and returns the path.
QString WritePicture(const QImage& Image, const QString& Name);

// What the widget shows, rendered off screen (its size, opaque).
QImage RenderWidget(QWidget* Widget);

struct GoldenTolerance
{
    int ChannelDelta = 24;      // largest difference of one color channel that still counts as equal
    double BadFraction = 0.002; // share of pixels allowed to differ by more
};

// Compares Actual with tests/golden/<Name>.png: same size, and at most
// Tolerance.BadFraction of the pixels differ in a channel by more than
// Tolerance.ChannelDelta.
testing::AssertionResult MatchesGolden(const QImage& Actual, const QString& Name, GoldenTolerance Tolerance = {});

// Whether any pixel of Box on Canvas has Color.
bool AnyPixel(const TCanvas& Canvas, TRect Box, TColor Color);

} // namespace vok::test
