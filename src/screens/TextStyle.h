#pragma once

#include <QColor>
#include <QFont>

class QLabel;
class QWidget;

// The few type styles of the panel, derived from the application font.
namespace TextStyle {

QFont body();
QFont caption(QFont::Weight weight = QFont::Normal); // small labels and headers
QFont caption2();                                    // notes and progress
QFont title3();                                      // the goal's emoji
// `font` drawing emoji in colour, in their emoji presentation.
QFont emoji(QFont font);
// `text` as drawn with emoji(): without emoji variation selectors.
QString emojiText(QString text);

// Dimmed text and glyphs: the text colour at reduced opacity.
QColor secondary();

// A small, dimmed caption: headers and row labels.
QLabel *secondaryCaption(const QString &text, QWidget *parent);

// Orange: what the user should see to (a goal amount that does not parse,
// settings that cannot be saved).
QColor warning();

// A small orange note.
QLabel *warningNote(const QString &text, QWidget *parent);

} // namespace TextStyle
