// Test main: an offscreen Qt application with a pinned font, style and
// palette, so text metrics and system colors are the same on every machine,
// then every GoogleTest case of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QStyle>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
