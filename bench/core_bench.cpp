#include "Earnings.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

void parseAmount(benchmark::State &state, const QString &text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Earnings::parseAmount(text));
}

BENCHMARK_CAPTURE(parseAmount, plain, QStringLiteral("5000"));
BENCHMARK_CAPTURE(parseAmount, german, QStringLiteral("1.234,56"));
BENCHMARK_CAPTURE(parseAmount, spaced, QStringLiteral("1 234 567,89"));
BENCHMARK_CAPTURE(parseAmount, twentyCharacters, QStringLiteral("12,345,678,901,234.5"));
BENCHMARK_CAPTURE(parseAmount, combiningMark,
                  QStringLiteral("1 234 567 890 123 456 789 012 345 67\u0301,89"));

// What the counter does per tick besides formatting the amount.
void tickArithmetic(benchmark::State &state) {
    const double rate = Earnings::perSecond(3000, PayPeriod::monthly);
    double now = 1'765'000'000.0;
    for (auto _ : state) {
        now += 0.05;
        benchmark::DoNotOptimize(Earnings::earned(1'764'000'000.0, now, rate));
        benchmark::DoNotOptimize(Earnings::formatElapsed(Earnings::elapsed(1'764'000'000.0, now)));
    }
}
BENCHMARK(tickArithmetic);

void formatElapsed(benchmark::State &state) {
    double seconds = 90061;
    for (auto _ : state)
        benchmark::DoNotOptimize(Earnings::formatElapsed(seconds += 1));
}
BENCHMARK(formatElapsed);

} // namespace
