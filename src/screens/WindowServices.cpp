#include "WindowServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>

namespace {

void setOnTop(QWidget *panel, bool onTop) {
    const bool visible = panel->isVisible();
    panel->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible)
        panel->show(); // changing flags hides a top-level window
}

} // namespace

bool WindowServices::startMove(QWidget *inPanel) {
    QWindow *window = inPanel->window()->windowHandle();
    return window != nullptr && window->startSystemMove();
}

void WindowServices::quit() {
    QCoreApplication::quit();
}

std::optional<QString> WindowServices::askForImage(QWidget *inPanel) {
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString filter =
        QCoreApplication::translate("WindowServices", "Images (%1)").arg(patterns.join(u' '));
    // A folder that does not exist would be taken as a file name to type over.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();

    QWidget *panel = inPanel->window();
    const bool wasOnTop = panel->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (wasOnTop)
        setOnTop(panel, false);
    const QString chosen = QFileDialog::getOpenFileName(
        inPanel, QCoreApplication::translate("WindowServices", "Choose a Picture"), folder, filter);
    if (wasOnTop)
        setOnTop(panel, true);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}
