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
    store.setText(Keys::goalText, QStringLiteral("A week by the sea"));
    int i = 0;
    for (auto _ : state)
        store.setText(Keys::salary, QString::number(++i));
}
BENCHMARK(writeWithSync)->Unit(benchmark::kMillisecond);

void typedRead(benchmark::State &state) {
    SettingsStore store(folder().filePath(QStringLiteral("read/Paytick.conf")));
    store.setReal(Keys::startedAt, 1765055225.5);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.real(Keys::startedAt));
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
    store.setFlag(Keys::goalEnabled, true);
    store.setChoice(Keys::goalPicture, GoalPictureKind::image);
    store.setBytes(Keys::goalImage, GoalImage::thumbnailData(path).value());
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
