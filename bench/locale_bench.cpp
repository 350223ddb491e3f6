#include "Currency.h"
#include "LocaleServices.h"

#include <benchmark/benchmark.h>

namespace {

// Built once per process in the widget; here the first call pays for it.
void currencyCatalogue(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Currency::all());
}
BENCHMARK(currencyCatalogue)->Iterations(1);

void firstSymbolOfACode(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Currency::symbol(QStringLiteral("EUR")));
}
BENCHMARK(firstSymbolOfACode)->Iterations(1);

void cachedSymbol(benchmark::State &state) {
    Currency::symbol(QStringLiteral("USD"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Currency::symbol(QStringLiteral("USD")));
}
BENCHMARK(cachedSymbol);

// A rising amount, as the counter and the goal row format it each tick.
void formatRisingAmount(benchmark::State &state, QString (*format)(double)) {
    double amount = 1234.5678;
    for (auto _ : state)
        benchmark::DoNotOptimize(format(amount += 0.0011));
}
BENCHMARK_CAPTURE(formatRisingAmount, counter, &LocaleServices::formatCounterAmount);
BENCHMARK_CAPTURE(formatRisingAmount, goal, &LocaleServices::formatGoalAmount);

} // namespace
