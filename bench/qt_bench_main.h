// The main of a benchmark program that needs Qt's widgets or fonts: an
// offscreen application with the font the tests pin, then every benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>

inline int RunQtBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
