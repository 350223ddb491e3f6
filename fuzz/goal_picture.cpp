// The stored goal picture on any bytes: never a crash, never a picture larger
// than a thumbnail's slack.
#include "GoalImage.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static int argc = 3;
    static char name[] = "goal_picture";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char *argv[] = {name, platform, offscreen, nullptr};
    static QGuiApplication application(argc, argv);
    const QImage image =
        GoalImage::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!image.isNull() && (image.width() > 512 || image.height() > 512))
        std::abort();
    return 0;
}
