// The monitor example.
//
//   vok_monitor                                   opens the window
//   vok_monitor --dark                            ... with a dark palette
//   vok_monitor --screenshot FILE [--scale N]     writes the window, after a
//                                                 minute of samples, at N times
//                                                 its natural size, and exits
#include "MonitorWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPalette>
#include <QStyleFactory>

#include <cstdio>

namespace {

QPalette DarkPalette()
{
    QPalette P;
    const QColor Window(0x35, 0x37, 0x3b), Base(0x24, 0x26, 0x29), Text(0xe8, 0xe8, 0xe8), Dim(0x80, 0x80, 0x80);
    P.setColor(QPalette::Window, Window);
    P.setColor(QPalette::WindowText, Text);
    P.setColor(QPalette::Base, Base);
    P.setColor(QPalette::AlternateBase, Window);
    P.setColor(QPalette::Text, Text);
    P.setColor(QPalette::Button, Window);
    P.setColor(QPalette::ButtonText, Text);
    P.setColor(QPalette::ToolTipBase, Base);
    P.setColor(QPalette::ToolTipText, Text);
    P.setColor(QPalette::PlaceholderText, Dim);
    P.setColor(QPalette::Light, Window.lighter(160));
    P.setColor(QPalette::Midlight, Window.lighter(130));
    P.setColor(QPalette::Mid, Window.darker(130));
    P.setColor(QPalette::Dark, Window.darker(200));
    P.setColor(QPalette::Shadow, Qt::black);
    P.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    P.setColor(QPalette::HighlightedText, Qt::white);
    P.setColor(QPalette::Link, QColor(0x5a, 0xa9, 0xf5));
    for (QPalette::ColorRole Role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        P.setColor(QPalette::Disabled, Role, Dim);
    return P;
}

int WriteScreenshot(monitor::MonitorWindow& Window, const QString& File, int Scale)
{
    for (int I = 0; I < 120; ++I)
        Window.Sample();
    Window.show();
    Window.resize(Window.sizeHint() * Scale);
    QApplication::processEvents();
    if (!Window.grab().save(File)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(File));
        return 1;
    }
    std::printf("%s (%dx%d)\n", qPrintable(File), Window.width(), Window.height());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication App(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vok_monitor"));
    QCommandLineParser Parser;
    Parser.setApplicationDescription(QStringLiteral("A small process monitor built with the Vok components"));
    Parser.addHelpOption();
    const QCommandLineOption Dark(QStringLiteral("dark"), QStringLiteral("Use a dark palette."));
    const QCommandLineOption Screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Write the window to FILE (PNG) and exit."), QStringLiteral("FILE"));
    const QCommandLineOption Scale(QStringLiteral("scale"),
        QStringLiteral("With --screenshot: N times the natural size."), QStringLiteral("N"), QStringLiteral("1"));
    Parser.addOptions({Dark, Screenshot, Scale});
    Parser.process(App);

    if (Parser.isSet(Dark)) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    monitor::MonitorWindow Window;
    if (Parser.isSet(Screenshot)) {
        bool Ok = false;
        const int Factor = Parser.value(Scale).toInt(&Ok);
        if (!Ok || Factor < 1 || Factor > 8) {
            std::fprintf(stderr, "--scale takes a whole number from 1 to 8\n");
            return 2;
        }
        return WriteScreenshot(Window, Parser.value(Screenshot), Factor);
    }
    Window.show();
    return App.exec();
}
