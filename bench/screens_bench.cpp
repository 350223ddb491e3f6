#include "CounterView.h"
#include "Earnings.h"

#include <benchmark/benchmark.h>

namespace {

// A tick that changes nothing visible: formatting and comparing only.
void tickWithoutVisibleChange(benchmark::State &state) {
    double now = 1'765'000'000.0;
    CounterView view([] {}, [] {}, [&] { return now; });
    CounterView::Inputs inputs;
    inputs.start = now - 3600;
    inputs.perSecond = Earnings::perSecond(3000, PayPeriod::monthly);
    view.setInputs(inputs);
    for (auto _ : state)
        view.tick();
}
BENCHMARK(tickWithoutVisibleChange)->Unit(benchmark::kMicrosecond);

// 10,000 ticks of a counter earning 3,000 a month: how many change what is shown.
void tickAtThreeThousandAMonth(benchmark::State &state) {
    double now = 1'765'000'000.0;
    CounterView view([] {}, [] {}, [&] { return now; });
    CounterView::Inputs inputs;
    inputs.start = now - 3600.01;
    inputs.perSecond = Earnings::perSecond(3000, PayPeriod::monthly);
    view.setInputs(inputs);
    int repaints = 0;
    for (auto _ : state) {
        const QString amount = view.amountText();
        const QString elapsed = view.elapsedText();
        now += 0.05;
        view.tick();
        repaints += view.amountText() != amount || view.elapsedText() != elapsed;
    }
    state.counters["ticks"] = static_cast<double>(state.iterations());
    state.counters["repaints"] = repaints;
}
BENCHMARK(tickAtThreeThousandAMonth)->Iterations(10000)->Unit(benchmark::kMicrosecond);

} // namespace
