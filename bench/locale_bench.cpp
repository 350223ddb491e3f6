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

// Any later call for a code, whether some locale uses it or none does, is a
// lookup: a fraction of a microsecond against the milliseconds of the first.
void cachedSymbol(benchmark::State &state, const char *code) {
    const QString text = QString::fromLatin1(code);
    Currency::symbol(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(Currency::symbol(text));
}
BENCHMARK_CAPTURE(cachedSymbol, used, "USD");
BENCHMARK_CAPTURE(cachedSymbol, unused, "XQQ");

// A rising amount, as the counter and the goal row format it each tick.
void formatRisingAmount(benchmark::State &state, QString (*format)(double)) {
    double amount = 1234.5678;
    for (auto _ : state)
        benchmark::DoNotOptimize(format(amount += 0.0011));
}
BENCHMARK_CAPTURE(formatRisingAmount, counter, &LocaleServices::formatCounterAmount);
BENCHMARK_CAPTURE(formatRisingAmount, goal, &LocaleServices::formatGoalAmount);

} // namespace
