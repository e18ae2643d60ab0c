// Test main: an offscreen Qt application with a pinned font, so text metrics
// are the same on every machine, then every GoogleTest case of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
