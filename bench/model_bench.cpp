#include "Goal.h"
#include "GoalImage.h"
#include "GoalPictureKind.h"
#include "Keys.h"
#include "SettingsStore.h"

#include <benchmark/benchmark.h>

#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

namespace {

QTemporaryDir &folder() {
    static QTemporaryDir dir;
    return dir;
}

void writeWithSync(benchmark::State &state) {
    SettingsStore store(folder().filePath(QStringLiteral("write/Paytick.conf")));
    store.set(Keys::goalText, QStringLiteral("A week by the sea"));
    int i = 0;
    for (auto _ : state)
        store.set(Keys::salary, QString::number(++i));
}
BENCHMARK(writeWithSync)->Unit(benchmark::kMillisecond);

void typedRead(benchmark::State &state) {
    SettingsStore store(folder().filePath(QStringLiteral("read/Paytick.conf")));
    store.set(Keys::startedAt, 1765055225.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.get(Keys::startedAt));
}
BENCHMARK(typedRead);

void goalWithImage(benchmark::State &state) {
    SettingsStore store(folder().filePath(QStringLiteral("goal/Paytick.conf")));
    QImage picture(400, 300, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QLinearGradient(0, 0, 400, 300));
    painter.end();
    const QString path = folder().filePath(QStringLiteral("picture.png"));
    picture.save(path);
    store.set(Keys::goalEnabled, true);
    store.set(Keys::goalPicture, GoalPictureKind::image);
    store.set(Keys::goalImage, GoalImage::thumbnailData(path).value());
    for (auto _ : state)
        benchmark::DoNotOptimize(Goal::fromSettings(store));
}
BENCHMARK(goalWithImage)->Unit(benchmark::kMicrosecond);

void thumbnailOfAPhoto(benchmark::State &state) {
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256);
    }
    const QString path = folder().filePath(QStringLiteral("photo.jpg"));
    photo.save(path, "JPEG", 90);
    for (auto _ : state)
        benchmark::DoNotOptimize(GoalImage::thumbnailData(path));
}
BENCHMARK(thumbnailOfAPhoto)->Unit(benchmark::kMillisecond);

} // namespace
