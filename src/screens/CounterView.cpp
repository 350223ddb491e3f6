#include "CounterView.h"

#include "GoalRow.h"
#include "LocaleServices.h"
#include "QuitButton.h"
#include "SettingsButton.h"
#include "SevenSegmentDisplay.h"
#include "TextStyle.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The widest of the ten digits in a font, for labels that must not resize.
QChar widestDigit(const QFontMetricsF &metrics) {
    QChar widest = u'0';
    for (char16_t digit = u'1'; digit <= u'9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
            widest = QChar(digit);
    return widest;
}

} // namespace

CounterView::CounterView(std::function<void()> stop, std::function<void()> openSettings,
                         std::function<void()> quit, Clock clock, QWidget *parent)
    : QWidget(parent)
    , clock_(std::move(clock))
    , elapsed_(TextStyle::secondaryCaption(QString(), this))
    , period_(TextStyle::secondaryCaption(QString(), this))
    , left_(TextStyle::secondaryCaption(QString(), this))
    , pause_(TextStyle::secondaryCaption(QString(), this))
    , display_(new SevenSegmentDisplay(this))
    , goalRow_(new GoalRow(this)) {
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(new QuitButton(std::move(quit), this));
    header->addWidget(elapsed_);
    header->addWidget(period_);
    period_->hide();
    // In one place: the time left while working, when work resumes while not.
    header->addWidget(left_);
    left_->hide();
    header->addWidget(pause_);
    pause_->hide();
    pause_->setWordWrap(true);                     // a longer language's sign takes a second line
    elapsed_->setLayoutDirection(Qt::LeftToRight); // a time reads the same in every language
    header->addStretch(1);
    header->addWidget(new SettingsButton(std::move(openSettings), this));
    auto *stopButton = new QPushButton(tr("Stop"), this);
    stopButton->setFont(TextStyle::caption());
    stopButton->setStyleSheet(QStringLiteral("QPushButton { padding: 1px 10px; }"));
    stopButton->setAutoDefault(true); // Return on the focused button stops, as Space does
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
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &CounterView::tick);
}

void CounterView::setInputs(const Inputs &inputs) {
    inputs_ = inputs;
    face_ = CounterFace(inputs);
    // Counting everything since the start needs no name: it is the default.
    period_->setText(inputs.countFrom == CountFrom::start ? QString() : label(inputs.countFrom));
    period_->setVisible(!period_->text().isEmpty());
    display_->setColor(inputs.color);
    display_->setPrefix(inputs.currency);
    goalRow_->setVisible(inputs.goal.has_value());
    if (inputs.goal) {
        goalRow_->setGoal(*inputs.goal);
        goalRow_->setColor(inputs.color);
    }
    tick();
    nameTheDisplay(); // after the tick, which shows the amount it names
}

void CounterView::tick() {
    const double now = clock_();
    face_.setGoalTrack(goalRow_->trackWidth(), goalRow_->devicePixelRatioF());
    const CounterFace::Look look = face_.lookAt(face_.entryBefore(now));
    present(look);
    if (!isVisible())
        return;
    const CounterFace::Wake wake = face_.wakeAfter(now, look);
    nextWake_ = wake.at;
    showPause(wake.paused, wake.resumesAt, now);
    timer_.start(wake.milliseconds(now));
}

void CounterView::showMoment(double now) {
    face_.setGoalTrack(goalRow_->trackWidth(), goalRow_->devicePixelRatioF());
    present(face_.lookAt(now));
}

void CounterView::present(const CounterFace::Look &look) {
    // Each setter below does nothing when its text is unchanged.
    display_->setText(look.amount);
    showElapsed(look.elapsed);
    if (left_->text() != look.left) {
        left_->setText(look.left);
        left_->setVisible(!look.left.isEmpty());
    }
    if (inputs_.goal)
        goalRow_->setProgress(look.goal);
}

void CounterView::showPause(bool paused, std::optional<double> resumesAt, double now) {
    // Counting, there is nothing to say, and nothing to work out on each tick.
    if (!paused && pause_->text().isEmpty())
        return;
    QString text;
    if (paused && resumesAt) {
        const QLocale locale;
        const QDateTime resume = QDateTime::fromSecsSinceEpoch(qint64(std::ceil(*resumesAt)));
        QString when = locale.toString(resume.time(), LocaleServices::minutesTimeFormat());
        if (resume.date() != QDateTime::fromSecsSinceEpoch(qint64(now)).date())
            when = locale.dayName(resume.date().dayOfWeek(), QLocale::ShortFormat) + u' ' + when;
        text = tr("Resumes %1").arg(when);
    } else if (paused) {
        text = tr("Paused");
    }
    if (pause_->text() == text)
        return;
    pause_->setText(text);
    pause_->setVisible(!text.isEmpty());
    nameTheDisplay();
}

void CounterView::nameTheDisplay() {
    // Screen readers hear a pause with the amount it stands at.
    QString name = inputs_.amountHidden ? tr("Amount hidden") : QString();
    if (!pause_->text().isEmpty())
        name = tr("%1, %2", "what the display stands at, then the pause sign")
                   .arg(name.isEmpty() ? display_->prefix() + u' ' + display_->text() : name,
                        pause_->text());
    display_->setSpokenName(name);
}

void CounterView::showElapsed(const QString &text) {
    if (elapsed_->text() == text)
        return;
    if (elapsed_->text().size() != text.size()) {
        // Sized for the widest digits, so that a new time never changes the
        // label's size and costs no layout pass; only a new digit (ten hours) does.
        const QFontMetricsF metrics(elapsed_->font());
        QString widest = text;
        const QChar digit = widestDigit(metrics);
        for (QChar &c : widest)
            if (c.isDigit())
                c = digit;
        elapsed_->setFixedSize(static_cast<int>(std::ceil(metrics.horizontalAdvance(widest))) + 1,
                               elapsed_->sizeHint().height());
    }
    elapsed_->setText(text);
}

QString CounterView::amountText() const {
    return display_->text();
}

QString CounterView::elapsedText() const {
    return elapsed_->text();
}

QString CounterView::timeLeftText() const {
    return left_->text();
}

QString CounterView::pauseText() const {
    return pause_->text();
}

void CounterView::showEvent(QShowEvent *) {
    tick();
}

void CounterView::hideEvent(QHideEvent *) {
    timer_.stop();
}
