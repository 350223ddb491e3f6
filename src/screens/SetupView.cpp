#include "SetupView.h"

#include "Bind.h"
#include "Earnings.h"
#include "FieldText.h"
#include "GoalRow.h"
#include "LocaleServices.h"
#include "QuitButton.h"
#include "SegmentedControl.h"
#include "SettingsButton.h"
#include "TextStyle.h"
#include "TypingPause.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SetupView::SetupView(Setting<QString> salary, Setting<PayPeriod> period,
                     std::function<void()> start, std::function<void()> openSettings,
                     std::function<void()> quit, QWidget *parent)
    : QWidget(parent)
    , salary_(salary)
    , period_(period)
    , start_(std::move(start))
    , salaryField_(new QLineEdit(this))
    , periodPicker_(new SegmentedControl(tr("Salary period"), labels<PayPeriod>(), this))
    , goalRow_(new GoalRow(this))
    , startButton_(new QPushButton(tr("Start Earning"), this))
    , title_(TextStyle::secondaryCaption(QStringLiteral("Paytick"), this))
    , limitNote_(
          TextStyle::warningNote(tr("Enter at most %1 a year")
                                     .arg(LocaleServices::formatInWords(Earnings::maxYearlySalary)),
                                 this)) {
    auto *header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(new QuitButton(std::move(quit), this));
    header->addWidget(title_);
    // In the title's place, so the screen keeps its height.
    limitNote_->hide();
    header->addWidget(limitNote_);
    header->addStretch(1);
    header->addWidget(new SettingsButton(std::move(openSettings), this));

    salaryField_->setPlaceholderText(tr("Your salary"));
    salaryField_->setAccessibleName(tr("Your salary"));
    entry_ = new QBoxLayout(QBoxLayout::LeftToRight);
    entry_->setSpacing(8);
    entry_->addWidget(salaryField_, 1);
    periodPicker_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    entry_->addWidget(periodPicker_);

    startButton_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    startButton_->setAutoDefault(false);
    startButton_->setDefault(true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    // The rows keep their gaps; spare height goes equally above and below them.
    column->addStretch(1);
    column->addLayout(header);
    column->addLayout(entry_);
    column->addWidget(goalRow_);
    column->addWidget(startButton_);
    column->addStretch(1);
    goalRow_->hide();

    // The salary is stored when typing pauses; the button and the note follow
    // what is typed at once.
    salaryTyping_ = Bind::text(salaryField_, salary_, [this](QLineEdit *field, const QString &s) {
        FieldText::showAmount(field, s, amountHidden_);
    });
    Bind::segments(periodPicker_, period_);
    connect(salaryField_, &QLineEdit::textEdited, this, &SetupView::showValidity);
    connect(startButton_, &QPushButton::clicked, this, &SetupView::startIfValid);
    salary_.observe(this, [this] { showValidity(); });
    period_.observe(this, [this] { showValidity(); });
    showValidity();
    setColor(toQColor(Keys::digitColor.fallback()));
}

SetupView::~SetupView() {
    // Typing that still waits goes with the screen. The screen is hidden
    // before it goes and quitting hands typing over first; a write from here
    // on would reach views half destroyed.
    salaryTyping_->discard();
}

void SetupView::showValidity() {
    const bool valid = salaryIsValid();
    startButton_->setEnabled(valid);
    const bool overLimit = !valid && Earnings::parseAmount(salaryText()).has_value();
    title_->setVisible(!overLimit);
    limitNote_->setVisible(overLimit);
}

int SetupView::extraHeight() const {
    return periodBelow_ ? periodPicker_->sizeHint().height() + entry_->spacing() : 0;
}

void SetupView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    // In some languages the salary's title and three period segments do not
    // fit side by side: the picker then takes a row of its own below.
    constexpr int fieldFrame = 12; // the field's border, margins and caret
    const int fieldNeeds =
        salaryField_->fontMetrics().horizontalAdvance(salaryField_->placeholderText()) + fieldFrame;
    const bool below =
        fieldNeeds + entry_->spacing() + periodPicker_->sizeHint().width() > contentsRect().width();
    if (below == periodBelow_)
        return;
    periodBelow_ = below;
    entry_->setDirection(below ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    emit extraHeightChanged();
}

QString SetupView::salaryText() const {
    return salaryTyping_->waiting().value_or(salary_.get());
}

bool SetupView::salaryIsValid() const {
    return Earnings::countableSalary(salaryText(), period_.get()).has_value();
}

void SetupView::startIfValid() {
    // Counting starts from the salary as typed.
    salaryTyping_->handOver();
    if (salaryIsValid())
        start_();
}

void SetupView::setColor(const QColor &color) {
    // The root view hands the colour down on every settings change (each
    // keystroke); restyling the button is only worth it when it differs.
    if (color == color_)
        return;
    color_ = color;
    goalRow_->setColor(color);
    startButton_->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: black; border: none; border-radius: "
                       "6px; padding: 6px; font-weight: 600; }"
                       "QPushButton:pressed { background: %2; }"
                       "QPushButton:focus { border: 2px solid palette(highlight); }"
                       "QPushButton:disabled { background: %3; color: rgba(0, 0, 0, 140); }")
            .arg(color.name(), color.darker(120).name(),
                 QColor::fromRgbF(color.redF() * 0.45f, color.greenF() * 0.45f,
                                  color.blueF() * 0.45f)
                     .name()));
}

void SetupView::setAmountHidden(bool hidden) {
    if (hidden == amountHidden_)
        return;
    // What is typed is stored before the field is masked.
    salaryTyping_->handOver();
    amountHidden_ = hidden;
    showGoalProgress();
    FieldText::showAmount(salaryField_, salary_.get(), amountHidden_);
}

void SetupView::setGoal(const std::optional<Goal> &goal) {
    goalRow_->setVisible(goal.has_value());
    if (goal) {
        goalRow_->setGoal(*goal);
        goalAmount_ = goal->amount;
        showGoalProgress();
    }
}

void SetupView::showGoalProgress() {
    // Nothing is earned before counting starts.
    goalRow_->setProgress(GoalProgress::of(goalAmount_, 0, amountHidden_));
}

void SetupView::showEvent(QShowEvent *) {
    salaryField_->setFocus(Qt::OtherFocusReason);
}

void SetupView::keyPressEvent(QKeyEvent *event) {
    // Return in the field (which passes it on) or anywhere on the screen.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        startIfValid();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
