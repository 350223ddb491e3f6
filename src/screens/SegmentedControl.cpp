#include "SegmentedControl.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

const char *const segmentStyle = R"(
QPushButton {
    background: rgba(255, 255, 255, 18); color: rgb(220, 224, 220);
    border: 1px solid rgba(255, 255, 255, 30); padding: 3px 8px; font-size: 11px;
}
QPushButton:checked { background: rgba(255, 255, 255, 64); color: white; }
QPushButton:focus { border-color: palette(highlight); }
QPushButton[position="left"] { border-top-left-radius: 5px; border-bottom-left-radius: 5px; }
QPushButton[position="right"] { border-top-right-radius: 5px; border-bottom-right-radius: 5px; }
)";

} // namespace

SegmentedControl::SegmentedControl(const QString &title, const QStringList &labels, QWidget *parent)
    : QWidget(parent) {
    setAccessibleName(title);
    setStyleSheet(QString::fromLatin1(segmentStyle));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    group_.setExclusive(true);
    // Style sheets do not mirror: the rounded ends go where the ends are seen.
    const bool mirrored = isRightToLeft();
    for (int i = 0; i < labels.size(); ++i) {
        auto *segment = new QPushButton(labels[i], this);
        segment->setCheckable(true);
        segment->setFocusPolicy(Qt::TabFocus);
        const bool first = i == 0;
        const bool last = i == labels.size() - 1;
        segment->setProperty("position", (mirrored ? last : first)   ? "left"
                                         : (mirrored ? first : last) ? "right"
                                                                     : "middle");
        group_.addButton(segment, i);
        layout->addWidget(segment);
    }
    connect(&group_, &QButtonGroup::idClicked, this, &SegmentedControl::chosen);
}

void SegmentedControl::setSelected(int index) {
    if (QAbstractButton *segment = group_.button(index); segment && !segment->isChecked())
        segment->setChecked(true);
}

void SegmentedControl::setLabel(int index, const QString &label) {
    if (QAbstractButton *segment = group_.button(index); segment && segment->text() != label)
        segment->setText(label);
}

QString SegmentedControl::label(int index) const {
    const QAbstractButton *segment = group_.button(index);
    return segment ? segment->text() : QString();
}
