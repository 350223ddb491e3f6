#pragma once

#include <QString>

#include <initializer_list>
#include <utility>

class QTimeEdit;
class QVBoxLayout;
class QWidget;

// The pieces the settings screen is built of.
namespace SettingsRows {

// The rows of `section`, top to bottom, `spacing` apart.
QVBoxLayout *column(QWidget *section, int spacing = 12);

// A caption in the label column, then `content` taking the rest of the width.
// The row takes `content`'s parent.
QWidget *labelled(const QString &title, QWidget *content);

// Gives every labelled row of `screen` one label column, as wide as the
// widest caption allows (captions of other languages differ in length).
void alignLabels(QWidget *screen);

// A thin line between groups of rows.
QWidget *divider(QWidget *parent);

// A group's caption at the left and its on/off switch at the right.
QWidget *switchLine(const QString &title, QWidget *toggle, QWidget *parent);

// A time of day in the locale's hours and minutes, named for screen readers.
QTimeEdit *timeField(const QString &name, QWidget *parent);

// Widgets side by side in one row, each with its stretch; every row above is one.
QWidget *strip(QWidget *parent, int spacing,
               std::initializer_list<std::pair<QWidget *, int>> parts);

// "09:00 – 17:00".
QWidget *span(QTimeEdit *from, QTimeEdit *to, QWidget *parent);

} // namespace SettingsRows
