// Writes PNG pictures of Paytick's parts so anyone can look at them:
//   paytick_snapshot OUTPUT_FOLDER
#include "SevenSegmentDisplay.h"
#include "Theme.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

bool saveDisplay(const QString &path) {
    SevenSegmentDisplay display;
    display.setText(QStringLiteral("1,234.5678"));
    display.setPrefix(QStringLiteral("USD"));
    display.setColor(QColor::fromRgbF(0.25f, 1.0f, 0.45f));
    display.setDimmedTrailingDigits(2);
    QImage image(584, 128, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Theme::background());
    QPainter painter(&image);
    display.paint(painter, QSizeF(292, 64));
    painter.end();
    return image.save(path);
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots"));
    folder.mkpath(QStringLiteral("."));
    const bool saved = saveDisplay(folder.filePath(QStringLiteral("display.png")));
    std::printf("%s %s\n", saved ? "wrote" : "could not write",
                qPrintable(folder.absoluteFilePath(QStringLiteral("display.png"))));
    return saved ? 0 : 1;
}
