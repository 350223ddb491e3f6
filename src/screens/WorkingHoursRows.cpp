#include "WorkingHoursRows.h"

#include "DayHoursRow.h"
#include "SettingsRows.h"
#include "TextStyle.h"
#include "ToggleSwitch.h"
#include "WorkSchedule.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Like the segmented pickers: a chosen day is a lighter key.
const char *const dayStyle = R"(
QToolButton {
    background: rgba(255, 255, 255, 18); color: rgb(150, 155, 150);
    border: 1px solid rgba(255, 255, 255, 30); border-radius: 5px; padding: 2px 0px;
}
QToolButton:checked { background: rgba(255, 255, 255, 64); color: white; }
QToolButton:focus { border-color: palette(highlight); }
)";

} // namespace

WorkingHoursRows::WorkingHoursRows(SettingsStore &store, QVBoxLayout *column, QWidget *screen)
    : QObject(screen)
    , store_(store)
    , hoursSwitch_(new ToggleSwitch(QStringLiteral("Working hours"), screen))
    , from_(SettingsRows::timeField(QStringLiteral("From"), screen))
    , to_(SettingsRows::timeField(QStringLiteral("To"), screen))
    , hoursNote_(TextStyle::warningNote(QStringLiteral("From and To must differ"), screen))
    , breakSwitch_(new ToggleSwitch(QStringLiteral("Break"), screen))
    , breakFrom_(SettingsRows::timeField(QStringLiteral("Break from"), screen))
    , breakTo_(SettingsRows::timeField(QStringLiteral("Break to"), screen))
    , breakNote_(TextStyle::warningNote(tr("The break must lie within the hours"), screen))
    , sameSwitch_(new ToggleSwitch(tr("Same hours every day"), screen))
    , sameLine_(new QWidget(screen)) {
    column->addWidget(SettingsRows::divider(screen));
    column->addLayout(
        SettingsRows::switchLine(QStringLiteral("Working hours"), hoursSwitch_, screen));

    auto *days = new QWidget(screen);
    days->setStyleSheet(QString::fromLatin1(dayStyle));
    auto *dayLine = new QHBoxLayout(days);
    dayLine->setContentsMargins(0, 0, 0, 0);
    dayLine->setSpacing(3);
    const QLocale locale;
    for (int i = 0; i < 7; ++i) {
        const int day = (int(locale.firstDayOfWeek()) - 1 + i) % 7 + 1;
        auto *button = new QToolButton(days);
        button->setCheckable(true);
        button->setText(locale.dayName(day, QLocale::ShortFormat));
        button->setToolTip(locale.dayName(day, QLocale::LongFormat));
        button->setAccessibleName(locale.dayName(day, QLocale::LongFormat));
        button->setFont(TextStyle::caption());
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(button, &QToolButton::toggled, this, [this, day](bool on) {
            if (!following_)
                store_.set(Keys::workDays, store_.get(Keys::workDays).with(day, on));
        });
        dayLine->addWidget(button);
        dayButtons_.append(button);
        dayNumbers_.append(day);
        auto *own = new DayHoursRow(day, screen);
        connect(own, &DayHoursRow::edited, this, [this, day](const DayHours &hours) {
            store_.set(Keys::ownHours.at(std::size_t(day - 1)), hours);
        });
        dayRows_.append(own);
    }
    sameLine_->setLayout(SettingsRows::switchLine(tr("Same hours every day"), sameSwitch_, screen));
    sameLine_->layout()->setContentsMargins(0, 0, 0, 0);

    breakTimes_ = SettingsRows::span(breakFrom_, breakTo_, screen);
    QWidget *breakLine = SettingsRows::strip(screen, 8, {{breakSwitch_, 0}, {breakTimes_, 1}});

    rows_ = {
        SettingsRows::labelled(QStringLiteral("Days"), days),
        sameLine_,
        SettingsRows::labelled(QStringLiteral("Hours"), SettingsRows::span(from_, to_, screen)),
        hoursNote_,
        SettingsRows::labelled(QStringLiteral("Break"), breakLine),
        breakNote_};
    for (QWidget *row : rows_)
        column->addWidget(row);
    for (DayHoursRow *own : dayRows_)
        column->addWidget(own);

    // Each control writes its key, except while it is being brought to the store.
    const auto writes = [this](const auto &key) {
        return [this, key](const auto &value) {
            if (!following_)
                store_.set(key, value);
        };
    };
    connect(hoursSwitch_, &ToggleSwitch::toggled, this, writes(Keys::workingHours));
    connect(breakSwitch_, &ToggleSwitch::toggled, this, writes(Keys::breakEnabled));
    connect(sameSwitch_, &ToggleSwitch::toggled, this, writes(Keys::sameHours));
    for (QTimeEdit *edit : {breakFrom_, breakTo_})
        connect(edit, &QTimeEdit::timeChanged, this, &WorkingHoursRows::storeBreak);
    for (QTimeEdit *edit : {from_, to_})
        connect(edit, &QTimeEdit::timeChanged, this, &WorkingHoursRows::storeHours);
}

void WorkingHoursRows::storeHours() {
    if (following_)
        return;
    // A shift needs a length; the times stay as typed until they make one.
    // Both read first: storing one brings the other back to what is stored.
    const QTime from = from_->time();
    const QTime to = to_->time();
    refused_ = from == to;
    hoursNote_->setVisible(refused_);
    if (refused_)
        return;
    store_.set(Keys::workFrom, from);
    store_.set(Keys::workTo, to);
}

bool WorkingHoursRows::breakFits() const {
    WorkSchedule schedule;
    schedule.from = store_.get(Keys::workFrom);
    schedule.to = store_.get(Keys::workTo);
    schedule.breakFrom = breakFrom_->time();
    schedule.breakTo = breakTo_->time();
    return schedule.breakFits();
}

void WorkingHoursRows::storeBreak() {
    if (following_)
        return;
    // A break outside the hours would count as none: the stored one stays in
    // force, and the times stay as typed until they fit.
    const QTime from = breakFrom_->time();
    const QTime to = breakTo_->time();
    breakRefused_ = !breakFits();
    breakNote_->setVisible(breakRefused_ && store_.get(Keys::breakEnabled));
    if (breakRefused_)
        return;
    // Stored one at a time, the pair passes through a break that may not fit.
    storingBreak_ = true;
    store_.set(Keys::breakFrom, from);
    store_.set(Keys::breakTo, to);
    storingBreak_ = false;
}

void WorkingHoursRows::followStore() {
    following_ = true;
    const bool on = store_.get(Keys::workingHours);
    hoursSwitch_->setChecked(on);
    const WeekDays days = store_.get(Keys::workDays);
    for (qsizetype i = 0; i < dayButtons_.size(); ++i)
        dayButtons_[i]->setChecked(days.contains(dayNumbers_[i]));
    // A refused pair stays on screen until the user mends it.
    if (!refused_) {
        from_->setTime(store_.get(Keys::workFrom));
        to_->setTime(store_.get(Keys::workTo));
    }
    const bool breakOn = store_.get(Keys::breakEnabled);
    breakSwitch_->setChecked(breakOn);
    const bool breakWasRefused = breakRefused_;
    if (!storingBreak_) {
        if (!breakRefused_) {
            breakFrom_->setTime(store_.get(Keys::breakFrom));
            breakTo_->setTime(store_.get(Keys::breakTo));
        }
        // Hours moved off the break leave it out of force; moved back, they
        // let the break on screen in.
        breakRefused_ = !breakFits();
    }
    breakTimes_->setEnabled(breakOn);
    const bool same = store_.get(Keys::sameHours);
    sameSwitch_->setChecked(same);
    // The common hours stand for every day without hours of its own.
    const DayHours common{store_.get(Keys::workFrom), store_.get(Keys::workTo), breakOn,
                          store_.get(Keys::breakFrom), store_.get(Keys::breakTo)};
    for (DayHoursRow *own : dayRows_) {
        own->follow(store_.get(Keys::ownHours.at(std::size_t(own->day() - 1))).value_or(common));
        own->setVisible(on && !same && days.contains(own->day()));
    }
    const QList<QWidget *> commonRows(rows_.begin() + 2, rows_.end());
    for (QWidget *row : rows_)
        row->setVisible(on && (same || !commonRows.contains(row)) &&
                        (row != hoursNote_ || refused_) &&
                        (row != breakNote_ || (breakOn && breakRefused_)));
    following_ = false;
    if (breakWasRefused && !breakRefused_)
        storeBreak();
}
