#include "ImageChooser.h"

#include "GoalImage.h"
#include "TextStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

constexpr int side = 28;

QPixmap roundedThumbnail(const QImage &image, qreal ratio) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(0, 0, side, side), 6, 6);
    painter.setClipPath(rounded);
    painter.drawImage(QRectF(0, 0, side, side), image); // stretched, never cropped
    return pixmap;
}

} // namespace

ImageChooser::ImageChooser(Setting<std::optional<QByteArray>> image, FileAsker ask, QWidget *parent)
    : QWidget(parent)
    , image_(image)
    , ask_(std::move(ask))
    , thumbnail_(new QLabel(this))
    , button_(new QPushButton(this))
    , note_(new QLabel(tr("Couldn't read that image"), this)) {
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    thumbnail_->setFixedSize(side, side);
    row->addWidget(thumbnail_);
    button_->setFont(TextStyle::caption());
    row->addWidget(button_);
    note_->setFont(TextStyle::caption2());
    note_->setStyleSheet(QStringLiteral("color: rgb(255, 69, 58);"));
    row->addWidget(note_);
    row->addStretch(1);
    connect(button_, &QPushButton::clicked, this, &ImageChooser::choose);
    image_.observe(this, [this] { followStore(); });
    followStore();
}

void ImageChooser::choose() {
    const std::optional<QString> path = ask_(this);
    if (!path)
        return; // cancelled: nothing changes, not even the note
    if (const auto thumbnail = GoalImage::thumbnailData(*path)) {
        image_.set(*thumbnail);
        failed_ = false;
    } else {
        failed_ = true;
    }
    followStore();
}

void ImageChooser::followStore() {
    const std::optional<QByteArray> stored = image_.get();
    const QImage decoded = GoalImage::decode(stored.value_or(QByteArray()));
    thumbnail_->setVisible(!decoded.isNull());
    if (!decoded.isNull())
        thumbnail_->setPixmap(roundedThumbnail(decoded, devicePixelRatioF()));
    button_->setText(stored ? tr("Change Image\u2026") : tr("Upload Image\u2026"));
    note_->setVisible(failed_);
}
