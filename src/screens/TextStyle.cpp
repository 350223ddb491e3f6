#include "TextStyle.h"

#include <QApplication>
#include <QLabel>

namespace {

QFont sized(int pixels, QFont::Weight weight = QFont::Normal) {
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

} // namespace

namespace TextStyle {

QFont body() {
    return sized(13);
}
QFont caption(QFont::Weight weight) {
    return sized(11, weight);
}
QFont caption2() {
    return sized(10);
}
QFont title3() {
    return sized(17);
}

QFont emoji(QFont font) {
    // Qt takes the first family with a glyph for a character and ignores the
    // emoji variation selector, so a text font with its own ✈ or ☀ would
    // draw them as plain glyphs. Colour emoji families come first; those a
    // system lacks are skipped.
    font.setFamilies({QStringLiteral("Noto Color Emoji"), QStringLiteral("Apple Color Emoji"),
                      QStringLiteral("Segoe UI Emoji"), QStringLiteral("emoji"), font.family()});
    return font;
}

QString emojiText(QString text) {
    // Colour emoji fonts may lack a glyph for the selector; Qt then draws it,
    // and the joiner after it, with another font, which splits a joined
    // sequence (a rainbow flag, a family) into its parts. With the emoji font
    // first the selector has nothing left to choose.
    text.remove(QChar(0xFE0F));
    return text;
}

QColor secondary() {
    return QColor(255, 255, 255, 140);
}

QLabel *secondaryCaption(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setFont(caption(QFont::Medium));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, secondary());
    label->setPalette(palette);
    return label;
}

QColor warning() {
    return QColor(255, 159, 10);
}

QLabel *warningNote(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setFont(caption2());
    label->setWordWrap(true); // a longer language takes a second line, never more width
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, warning());
    label->setPalette(palette);
    return label;
}

} // namespace TextStyle
