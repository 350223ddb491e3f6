#include "SettingsRows.h"

#include "LocaleServices.h"
#include "TextStyle.h"
#include "TimeField.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {

// The label column is as wide as its widest caption, from this narrowest up
// to the widest that leaves the controls their room; a longer caption wraps.
constexpr int labelColumn = 58;
constexpr int widestLabelColumn = 96;
const char *const columnLabel = "settingsColumnLabel";

} // namespace

namespace SettingsRows {

QVBoxLayout *column(QWidget *section, int spacing) {
    auto *rows = new QVBoxLayout(section);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(spacing);
    return rows;
}

QWidget *labelled(const QString &title, QWidget *content) {
    QWidget *parent = content->parentWidget();
    QLabel *label = TextStyle::secondaryCaption(title, parent);
    label->setObjectName(QLatin1StringView(columnLabel));
    label->setFixedWidth(labelColumn);
    content->setSizePolicy(QSizePolicy::Expanding, content->sizePolicy().verticalPolicy());
    return strip(parent, 8, {{label, 0}, {content, 1}});
}

void alignLabels(QWidget *screen) {
    const QList<QLabel *> labels = screen->findChildren<QLabel *>(QLatin1StringView(columnLabel));
    int widest = labelColumn;
    for (const QLabel *label : labels)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(label->text()) + 1);
    widest = std::min(widest, widestLabelColumn);
    for (QLabel *label : labels) {
        label->setWordWrap(label->fontMetrics().horizontalAdvance(label->text()) >= widest);
        label->setFixedWidth(widest);
    }
}

QWidget *divider(QWidget *parent) {
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgba(255, 255, 255, 30);"));
    return line;
}

QWidget *switchLine(const QString &title, QWidget *toggle, QWidget *parent) {
    return strip(parent, 8, {{TextStyle::secondaryCaption(title, parent), 1}, {toggle, 0}});
}

QTimeEdit *timeField(const QString &name, QWidget *parent) {
    auto *edit = new TimeField(parent);
    edit->setDisplayFormat(LocaleServices::minutesTimeFormat());
    edit->setFont(TextStyle::caption());
    edit->setAccessibleName(name);
    edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edit->setAlignment(Qt::AlignCenter);
    return edit;
}

QWidget *strip(QWidget *parent, int spacing,
               std::initializer_list<std::pair<QWidget *, int>> parts) {
    auto *line = new QWidget(parent);
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (const auto &[part, stretch] : parts) {
        part->setParent(line);
        layout->addWidget(part, stretch);
    }
    return line;
}

QWidget *span(QTimeEdit *from, QTimeEdit *to, QWidget *parent) {
    return strip(
        parent, 6,
        {{from, 1}, {TextStyle::secondaryCaption(QStringLiteral("\u2013"), parent), 0}, {to, 1}});
}

} // namespace SettingsRows
