#include "GoalRow.h"

#include "TextStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double spacing = 8;
constexpr double imageSide = 28;
constexpr double barHeight = 4;
constexpr double lineGap = 4;

QFont pictureFont() {
    return TextStyle::emoji(TextStyle::title3());
}

} // namespace

GoalRow::GoalRow(QWidget *parent)
    : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(30);
    setProgress(GoalProgress::of(std::nullopt, 0));
}

void GoalRow::setGoal(const Goal &goal) {
    goal_ = goal;
    textLeft_ = pictureRoom(goal.picture);
    shownFillPixels_ = -1;
    nameForScreenReaders();
    update();
}

void GoalRow::setColor(const QColor &color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

void GoalRow::setProgress(GoalProgress progress) {
    const int pixels = progress.fillPixels(trackWidth(), devicePixelRatioF());
    const bool textChanged = progress.text != progress_.text;
    progress_ = std::move(progress);
    if (!textChanged && pixels == shownFillPixels_)
        return;
    shownFillPixels_ = pixels;
    nameForScreenReaders();
    update();
}

void GoalRow::nameForScreenReaders() {
    setAccessibleName(goal_.text.isEmpty() ? progress_.text
                                           : goal_.text + QStringLiteral(", ") + progress_.text);
}

double GoalRow::pictureRoom(const Goal::Picture &picture) {
    if (const auto *emoji = std::get_if<Goal::Emoji>(&picture))
        return QFontMetricsF(pictureFont()).horizontalAdvance(TextStyle::emojiText(emoji->text)) +
               spacing;
    if (std::holds_alternative<QImage>(picture))
        return imageSide + spacing;
    return 0;
}

void GoalRow::resizeEvent(QResizeEvent *) {
    shownFillPixels_ = progress_.fillPixels(trackWidth(), devicePixelRatioF());
}

void GoalRow::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double h = height();

    // The picture, centred vertically at the left.
    if (const auto *emoji = std::get_if<Goal::Emoji>(&goal_.picture)) {
        painter.setFont(pictureFont());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(0, 0, textLeft() - spacing, h), Qt::AlignVCenter | Qt::AlignLeft,
                         TextStyle::emojiText(emoji->text));
    } else if (const auto *image = std::get_if<QImage>(&goal_.picture)) {
        const QRectF box(0, (h - imageSide) / 2, imageSide, imageSide);
        QPainterPath rounded;
        rounded.addRoundedRect(box, 6, 6);
        painter.save();
        painter.setClipPath(rounded);
        painter.drawImage(box, *image);
        painter.restore();
    }

    // The texts over the bar, the pair centred vertically.
    const double left = textLeft();
    const double width = trackWidth();
    const QFontMetricsF captionMetrics(TextStyle::caption(QFont::Medium));
    const double lineHeight = captionMetrics.height();
    const double top = (h - lineHeight - lineGap - barHeight) / 2;
    const QRectF line(left, top, width, lineHeight);

    painter.setFont(TextStyle::caption2());
    painter.setPen(TextStyle::secondary());
    const double progressWidth =
        QFontMetricsF(TextStyle::caption2()).horizontalAdvance(progress_.text);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter, progress_.text);

    // The goal's text gives way first when the row is short of space.
    painter.setFont(TextStyle::caption(QFont::Medium));
    painter.setPen(palette().color(QPalette::WindowText));
    const double textRoom = std::max(0.0, width - progressWidth - spacing);
    painter.drawText(QRectF(left, top, textRoom, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     captionMetrics.elidedText(goal_.text, Qt::ElideRight, textRoom));

    const QRectF track(left, top + lineHeight + lineGap, width, barHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 26));
    painter.drawRoundedRect(track, barHeight / 2, barHeight / 2);
    if (const auto fill = progress_.fillWidth(width)) {
        painter.setBrush(color_);
        painter.drawRoundedRect(QRectF(track.topLeft(), QSizeF(*fill, barHeight)), barHeight / 2,
                                barHeight / 2);
    }
}
