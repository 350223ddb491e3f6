#include "CounterView.h"
#include "Earnings.h"

#include <benchmark/benchmark.h>

namespace {

// A counter an hour (and `extra` seconds) into earning 3,000 a month.
struct Counting {
    explicit Counting(double extra = 0) {
        CounterView::Inputs inputs;
        inputs.start = now - 3600 - extra;
        inputs.perSecond = Earnings::perSecond(3000, PayPeriod::monthly);
        view.setInputs(inputs);
    }
    double now = 1'765'000'000.0;
    CounterView view{[] {}, [] {}, [] {}, [this] { return now; }};
};

// A tick that changes nothing visible: formatting and comparing only.
void tickWithoutVisibleChange(benchmark::State &state) {
    Counting counting;
    for (auto _ : state)
        counting.view.tick();
}
BENCHMARK(tickWithoutVisibleChange)->Unit(benchmark::kMicrosecond);

// 10,000 ticks of a counter earning 3,000 a month: how many change what is shown.
void tickAtThreeThousandAMonth(benchmark::State &state) {
    Counting counting(0.01);
    CounterView &view = counting.view;
    int repaints = 0;
    for (auto _ : state) {
        const QString amount = view.amountText();
        const QString elapsed = view.elapsedText();
        counting.now += 0.05;
        view.tick();
        repaints += view.amountText() != amount || view.elapsedText() != elapsed;
    }
    state.counters["ticks"] = static_cast<double>(state.iterations());
    state.counters["repaints"] = repaints;
}
BENCHMARK(tickAtThreeThousandAMonth)->Iterations(10000)->Unit(benchmark::kMicrosecond);

} // namespace
