#include "CounterView.h"

#include "Earnings.h"
#include "GoalRow.h"
#include "LocaleServices.h"
#include "QuitButton.h"
#include "SettingsButton.h"
#include "SevenSegmentDisplay.h"
#include "TextStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double period = CounterView::tickMilliseconds / 1000.0;

// The latest schedule entry start + k * period that is not after now.
double scheduleEntry(double start, double now) {
    if (!(now > start))
        return now;
    double entry = start + std::floor((now - start) / period) * period;
    if (entry > now) // rounding of the multiplication
        entry -= period;
    return entry;
}

} // namespace

CounterView::CounterView(std::function<void()> stop, std::function<void()> openSettings,
                         Clock clock, QWidget *parent)
    : QWidget(parent)
    , clock_(std::move(clock))
    , elapsed_(TextStyle::secondaryCaption(QString(), this))
    , display_(new SevenSegmentDisplay(this))
    , goalRow_(new GoalRow(this)) {
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(new QuitButton(this));
    header->addWidget(elapsed_);
    header->addStretch(1);
    header->addWidget(new SettingsButton(std::move(openSettings), this));
    auto *stopButton = new QPushButton(QStringLiteral("Stop"), this);
    stopButton->setFont(TextStyle::caption());
    stopButton->setStyleSheet(QStringLiteral("QPushButton { padding: 1px 10px; }"));
    connect(stopButton, &QPushButton::clicked, this, std::move(stop));
    header->addWidget(stopButton);

    // Presses on the digits fall through to the panel's drag area.
    display_->setAttribute(Qt::WA_TransparentForMouseEvents);
    display_->setDimmedTrailingDigits(2);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    column->addLayout(header);
    column->addWidget(display_, 1);
    column->addWidget(goalRow_);
    goalRow_->hide();

    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(tickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CounterView::tick);
}

void CounterView::setInputs(const Inputs &inputs) {
    inputs_ = inputs;
    display_->setColor(inputs.color);
    display_->setPrefix(inputs.currency);
    goalRow_->setVisible(inputs.goal.has_value());
    if (inputs.goal) {
        goalRow_->setGoal(*inputs.goal);
        goalRow_->setColor(inputs.color);
    }
    tick();
}

void CounterView::tick() {
    showMoment(scheduleEntry(inputs_.start, clock_()));
}

void CounterView::showMoment(double now) {
    const double elapsed = Earnings::elapsed(inputs_.start, now);
    const double earned = inputs_.perSecond * elapsed;
    // Each setter below does nothing when its text is unchanged.
    display_->setText(LocaleServices::formatCounterAmount(earned));
    const QString elapsedText = Earnings::formatElapsed(elapsed);
    if (elapsed_->text() != elapsedText)
        elapsed_->setText(elapsedText);
    if (inputs_.goal)
        goalRow_->setEarned(earned);
}

QString CounterView::amountText() const {
    return display_->text();
}

QString CounterView::elapsedText() const {
    return elapsed_->text();
}

void CounterView::showEvent(QShowEvent *) {
    tick();
    timer_.start();
}

void CounterView::hideEvent(QHideEvent *) {
    timer_.stop();
}
