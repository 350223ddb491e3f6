#include "SevenSegmentDisplay.h"
#include "Theme.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QPainter>

namespace {

long residentKilobytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

// One paint of the counter's display as it ticks, glow and a code label included.
void paintDisplay(benchmark::State &state) {
    const double ratio = static_cast<double>(state.range(0));
    const QSize size(292, 64);
    QImage canvas(size * ratio, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    SevenSegmentDisplay display;
    display.setColor(QColor::fromRgbF(0.25f, 1.0f, 0.45f));
    display.setPrefix(QStringLiteral("USD"));
    display.setDimmedTrailingDigits(2);
    double amount = 1234.5678;
    int paints = 0;
    long before = 0;
    for (auto _ : state) {
        amount += 0.0571;
        display.setText(QString::number(amount, 'f', 4));
        canvas.fill(Theme::background());
        QPainter painter(&canvas);
        display.paint(painter, size);
        painter.end();
        if (++paints == 100)
            before = residentKilobytes();
    }
    state.counters["rss_growth_kB"] = static_cast<double>(residentKilobytes() - before);
}
BENCHMARK(paintDisplay)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

} // namespace
