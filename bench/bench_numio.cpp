// Number formats against the C library on the same values: ReadFloatNum
// against strtod, FormatFloatNum against snprintf, 1,000,000 values a pass;
// and one full repaint of a self-drawn numeric field.
// The field draws at the screen's device pixel ratio: run with
// QT_SCALE_FACTOR=2 for a screen scaled by two.
#include "qt_bench_main.h"

#include <vok/Vok_NumIO.h>

#include <benchmark/benchmark.h>

#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int ValueCount = 1000000;

const std::vector<double>& Values()
{
    static const std::vector<double> V = [] {
        std::mt19937_64 Rng(42);
        std::uniform_real_distribution<double> Mantissa(-10.0, 10.0);
        std::uniform_int_distribution<int> Exponent(-30, 30);
        std::vector<double> Out(ValueCount);
        for (double& X : Out)
            X = Mantissa(Rng) * std::pow(10.0, Exponent(Rng));
        return Out;
    }();
    return V;
}

// The values as the fields show them: exponent form with 6 significant digits.
const std::vector<std::string>& Texts()
{
    static const std::vector<std::string> T = [] {
        std::vector<std::string> Out;
        Out.reserve(ValueCount);
        char Buf[64];
        for (double X : Values()) {
            std::snprintf(Buf, sizeof Buf, "%.5E", X);
            Out.emplace_back(Buf);
        }
        return Out;
    }();
    return T;
}

const std::vector<QString>& QTexts()
{
    static const std::vector<QString> T = [] {
        std::vector<QString> Out;
        Out.reserve(ValueCount);
        for (const std::string& S : Texts())
            Out.push_back(QString::fromStdString(S));
        return Out;
    }();
    return T;
}

void BM_ReadFloatNum(benchmark::State& State)
{
    const auto& T = QTexts();
    for (auto _ : State) {
        double Sum = 0;
        for (const QString& S : T) {
            int Pos = 1;
            Sum += vok::ReadFloatNum(S, true, vok::dsBoth, Pos);
        }
        benchmark::DoNotOptimize(Sum);
    }
    State.SetItemsProcessed(State.iterations() * ValueCount);
}

void BM_strtod(benchmark::State& State)
{
    const auto& T = Texts();
    for (auto _ : State) {
        double Sum = 0;
        for (const std::string& S : T)
            Sum += std::strtod(S.c_str(), nullptr);
        benchmark::DoNotOptimize(Sum);
    }
    State.SetItemsProcessed(State.iterations() * ValueCount);
}

// FormatFloatNum(Width, Decimals) against snprintf with the matching format.
void BM_FormatFloatNum(benchmark::State& State, int Width, int Decimals)
{
    const auto& V = Values();
    for (auto _ : State) {
        qsizetype Len = 0;
        for (double X : V)
            Len += vok::FormatFloatNum(Width, Decimals, X).size();
        benchmark::DoNotOptimize(Len);
    }
    State.SetItemsProcessed(State.iterations() * ValueCount);
}

void BM_snprintf(benchmark::State& State, const char* Format)
{
    const auto& V = Values();
    char Buf[400];
    for (auto _ : State) {
        long Len = 0;
        for (double X : V)
            Len += std::snprintf(Buf, sizeof Buf, Format, X);
        benchmark::DoNotOptimize(Len);
    }
    State.SetItemsProcessed(State.iterations() * ValueCount);
}

// A field at its default size with captions, spin buttons and gauge.
void BM_NumIO2Repaint(benchmark::State& State)
{
    vok::TNumIO2 Field;
    Field.HandleNeeded();
    Field.SetLeftText(QStringLiteral("Supply"));
    Field.SetRightText(QStringLiteral("V"));
    Field.SetButVisible(true);
    Field.SetGaugeVisible(true);
    Field.SetValue(12.5);
    for (auto _ : State)
        Field.Paint();
}

} // namespace

BENCHMARK(BM_NumIO2Repaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFloatNum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_strtod)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormatFloatNum, Exp, 12, -2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_snprintf, Exp, "%.5E")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormatFloatNum, Fixed, 1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_snprintf, Fixed, "%1.2f")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
