#include "WorkingHoursSection.h"

#include "Bind.h"
#include "DayHoursRow.h"
#include "SettingsRows.h"
#include "TextStyle.h"
#include "ToggleSwitch.h"
#include "WorkSchedule.h"

#include <QEvent>
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

// A day key's border and the least room beside its name.
constexpr int dayKeyFrame = 4;

} // namespace

WorkingHoursSection::WorkingHoursSection(SettingsStore &store, QWidget *parent)
    : QWidget(parent)
    , store_(store)
    , hoursSwitch_(new ToggleSwitch(tr("Working hours"), this))
    , from_(SettingsRows::timeField(tr("From"), this))
    , to_(SettingsRows::timeField(tr("To"), this))
    , hoursNote_(TextStyle::warningNote(tr("From and To must differ"), this))
    , breakSwitch_(new ToggleSwitch(tr("Break"), this))
    , breakFrom_(SettingsRows::timeField(tr("Break from"), this))
    , breakTo_(SettingsRows::timeField(tr("Break to"), this))
    , breakNote_(TextStyle::warningNote(tr("The break must lie within the hours"), this))
    , sameSwitch_(new ToggleSwitch(tr("Same hours every day"), this)) {
    auto *column = SettingsRows::column(this);
    column->addWidget(SettingsRows::divider(this));
    column->addWidget(SettingsRows::switchLine(tr("Working hours"), hoursSwitch_, this));

    days_ = new QWidget(this);
    QWidget *days = days_;
    days->installEventFilter(this);
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
        // Seven equal keys whatever their names; the names then fit the keys.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        dayLine->addWidget(button);
        dayButtons_.append(button);
        dayNumbers_.append(day);
        auto *own = new DayHoursRow(day, this);
        const Setting hours(store, Keys::ownHours.at(std::size_t(day - 1)));
        connect(own, &DayHoursRow::edited, this,
                [hours](const DayHours &typed) { hours.set(typed); });
        dayRows_.append(own);
    }
    QWidget *sameLine = SettingsRows::switchLine(tr("Same hours every day"), sameSwitch_, this);

    breakTimes_ = SettingsRows::span(breakFrom_, breakTo_, this);
    QWidget *breakLine = SettingsRows::strip(this, 8, {{breakSwitch_, 0}, {breakTimes_, 1}});

    commonRows_ = {SettingsRows::labelled(tr("Hours"), SettingsRows::span(from_, to_, this)),
                   hoursNote_, SettingsRows::labelled(tr("Break"), breakLine), breakNote_};
    rows_ = {SettingsRows::labelled(tr("Days"), days), sameLine};
    rows_ += commonRows_;
    for (QWidget *row : rows_)
        column->addWidget(row);
    for (DayHoursRow *own : dayRows_)
        column->addWidget(own);

    Bind::toggle(hoursSwitch_, Setting(store, Keys::workingHours));
    Bind::toggle(breakSwitch_, Setting(store, Keys::breakEnabled));
    Bind::toggle(sameSwitch_, Setting(store, Keys::sameHours));
    Bind::days(dayButtons_, dayNumbers_, Setting(store, Keys::workDays));
    // Times come in pairs that must make sense together, so they are written
    // and followed here; each change of a time is the user's, for following
    // blocks their signals.
    for (QTimeEdit *edit : {breakFrom_, breakTo_})
        connect(edit, &QTimeEdit::timeChanged, this, &WorkingHoursSection::storeBreak);
    for (QTimeEdit *edit : {from_, to_})
        connect(edit, &QTimeEdit::timeChanged, this, &WorkingHoursSection::storeHours);
    // Each day's own rows stand in for the common ones, and show the common
    // hours while a day has none of its own.
    QList<QLatin1StringView> followed{
        Keys::workingHours.name, Keys::workDays.name,  Keys::workFrom.name, Keys::workTo.name,
        Keys::breakEnabled.name, Keys::breakFrom.name, Keys::breakTo.name,  Keys::sameHours.name};
    for (const auto &own : Keys::ownHours)
        followed.append(own.name);
    Bind::anyOf(store_, this, followed, [this] { followStore(); });
    followStore();
}

bool WorkingHoursSection::eventFilter(QObject *watched, QEvent *event) {
    if (watched == days_ && event->type() == QEvent::Resize)
        fitDayNames();
    return QWidget::eventFilter(watched, event);
}

void WorkingHoursSection::fitDayNames() {
    // The locale's short names ("Mo", "Di"), or all narrow ones ("M", "D")
    // when one short name would not fit its key (Arabic's "الثلاثاء").
    const QLocale locale;
    bool fit = true;
    for (qsizetype i = 0; i < dayButtons_.size() && fit; ++i) {
        const QAbstractButton *button = dayButtons_[i];
        const QString name = locale.dayName(dayNumbers_[i], QLocale::ShortFormat);
        fit = button->fontMetrics().horizontalAdvance(name) + dayKeyFrame <= button->width();
    }
    for (qsizetype i = 0; i < dayButtons_.size(); ++i)
        dayButtons_[i]->setText(
            locale.dayName(dayNumbers_[i], fit ? QLocale::ShortFormat : QLocale::NarrowFormat));
}

void WorkingHoursSection::storeHours() {
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

bool WorkingHoursSection::breakFits() const {
    WorkSchedule schedule;
    schedule.from = store_.get(Keys::workFrom);
    schedule.to = store_.get(Keys::workTo);
    schedule.breakFrom = breakFrom_->time();
    schedule.breakTo = breakTo_->time();
    return schedule.breakFits();
}

void WorkingHoursSection::storeBreak() {
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

void WorkingHoursSection::followStore() {
    const QSignalBlocker quietFrom(from_), quietTo(to_), quietBreakFrom(breakFrom_),
        quietBreakTo(breakTo_);
    const bool on = store_.get(Keys::workingHours);
    // A refused pair stays on screen until the user mends it.
    if (!refused_) {
        from_->setTime(store_.get(Keys::workFrom));
        to_->setTime(store_.get(Keys::workTo));
    }
    const bool breakOn = store_.get(Keys::breakEnabled);
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
    const WeekDays days = store_.get(Keys::workDays);
    const DayHours common{store_.get(Keys::workFrom), store_.get(Keys::workTo), breakOn,
                          store_.get(Keys::breakFrom), store_.get(Keys::breakTo)};
    for (DayHoursRow *own : dayRows_) {
        own->follow(store_.get(Keys::ownHours.at(std::size_t(own->day() - 1))).value_or(common));
        own->setVisible(on && !same && days.contains(own->day()));
    }
    for (QWidget *row : rows_)
        row->setVisible(on && (same || !commonRows_.contains(row)) &&
                        (row != hoursNote_ || refused_) &&
                        (row != breakNote_ || (breakOn && breakRefused_)));
    // The screen's height follows at once.
    updateGeometry();
    if (breakWasRefused && !breakRefused_)
        storeBreak();
}
