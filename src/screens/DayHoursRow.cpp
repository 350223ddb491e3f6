#include "DayHoursRow.h"

#include "SettingsRows.h"
#include "TextStyle.h"
#include "ToggleSwitch.h"

#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>

DayHoursRow::DayHoursRow(int day, QWidget *parent)
    : QWidget(parent)
    , day_(day) {
    const QLocale locale;
    const QString name = locale.dayName(day, QLocale::LongFormat);
    from_ = SettingsRows::timeField(tr("%1 from").arg(name), this);
    to_ = SettingsRows::timeField(tr("%1 to").arg(name), this);
    breakSwitch_ = new ToggleSwitch(tr("%1 break").arg(name), this);
    breakFrom_ = SettingsRows::timeField(tr("%1 break from").arg(name), this);
    breakTo_ = SettingsRows::timeField(tr("%1 break to").arg(name), this);
    note_ = TextStyle::warningNote(QString(), this);
    note_->hide();

    breakTimes_ = SettingsRows::span(breakFrom_, breakTo_, this);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(SettingsRows::labelled(locale.dayName(day, QLocale::ShortFormat),
                                             SettingsRows::span(from_, to_, this)));
    column->addWidget(SettingsRows::labelled(
        tr("Break"), SettingsRows::strip(this, 8, {{breakSwitch_, 0}, {breakTimes_, 1}})));
    column->addWidget(note_);

    for (QTimeEdit *edit : {from_, to_, breakFrom_, breakTo_})
        connect(edit, &QTimeEdit::timeChanged, this, &DayHoursRow::typed);
    connect(breakSwitch_, &ToggleSwitch::toggled, this, &DayHoursRow::typed);
}

void DayHoursRow::follow(const DayHours &hours) {
    // Quiet, so that following never writes back.
    const QSignalBlocker quietFrom(from_), quietTo(to_), quietSwitch(breakSwitch_),
        quietBreakFrom(breakFrom_), quietBreakTo(breakTo_);
    if (!refused_) {
        from_->setTime(hours.from);
        to_->setTime(hours.to);
        breakSwitch_->setChecked(hours.breakOn);
        breakFrom_->setTime(hours.breakFrom);
        breakTo_->setTime(hours.breakTo);
    }
    breakTimes_->setEnabled(breakSwitch_->isChecked());
}

void DayHoursRow::typed() {
    breakTimes_->setEnabled(breakSwitch_->isChecked());
    const DayHours hours{from_->time(), to_->time(), breakSwitch_->isChecked(), breakFrom_->time(),
                         breakTo_->time()};
    // A shift needs a length, and a break that is on must lie within it.
    const QString problem = !hours.isValid() ? tr("From and To must differ")
                            : hours.breakOn && !hours.breakFits()
                                ? tr("The break must lie within the hours")
                                : QString();
    refused_ = !problem.isEmpty();
    note_->setText(problem);
    note_->setVisible(refused_);
    if (!refused_)
        emit edited(hours);
}
