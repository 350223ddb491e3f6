#include "ContentView.h"

#include "CounterView.h"
#include "Currency.h"
#include "DigitColor.h"
#include "Earnings.h"
#include "Keys.h"
#include "SaveProblemMark.h"
#include "SettingsStore.h"
#include "SettingsView.h"
#include "SetupView.h"
#include "Theme.h"
#include "WindowServices.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <cmath>

ContentView::ContentView(SettingsStore &store, Clock clock, ImageChooser::FileAsker askForImage,
                         QWidget *parent)
    : WindowDragArea(parent)
    , store_(store)
    , clock_(std::move(clock))
    , askForImage_(std::move(askForImage))
    , setup_(new SetupView(
          Setting(store, Keys::salary), Setting(store, Keys::period), [this] { start(); },
          [this] { openSettings(); }, this))
    , counter_(new CounterView([this] { stop(); }, [this] { openSettings(); }, clock_, this))
    , saveProblem_(new SaveProblemMark(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto *frame = new QVBoxLayout(this);
    const int margin = static_cast<int>(Theme::padding);
    frame->setContentsMargins(margin, margin, margin, margin);
    frame->addWidget(setup_);
    frame->addWidget(counter_);
    // The panel's own frame is kept in the same store; it changes no screen.
    connect(&store_, &SettingsStore::changed, this, [this](const QString &key) {
        if (Keys::find(key) != nullptr)
            refresh();
    });
    // Outside the layout: it never moves a control.
    connect(&store_, &SettingsStore::saveProblemChanged, saveProblem_,
            &SaveProblemMark::setProblem);
    saveProblem_->setProblem(store_.saveProblem());
    refresh();
    focusScreen();
}

void ContentView::resizeEvent(QResizeEvent *) {
    // Top centre: on the drag area, clear of every control and of the corners.
    saveProblem_->move((width() - saveProblem_->width()) / 2, 3);
}

ContentView::~ContentView() = default;

std::optional<Goal> ContentView::goal() const {
    return Goal::fromSettings(store_);
}

double ContentView::windowHeight() const {
    return showingSettings_ ? heightFor(false) : heightFor(goal().has_value());
}

double ContentView::heightFor(bool hasGoal) const {
    if (showingSettings_)
        return settingsHeight_ + 2 * Theme::padding;
    return hasGoal ? Theme::baseHeight + Theme::goalRowHeight : Theme::baseHeight;
}

void ContentView::start() {
    store_.set(Keys::startedAt, clock_());
}

void ContentView::stop() {
    store_.set(Keys::startedAt, 0);
}

void ContentView::openSettings() {
    if (showingSettings_)
        return;
    showingSettings_ = true;
    // A fresh screen each time: a failed image choice is forgotten on closing.
    settings_ = new SettingsView(
        store_, [this] { closeSettings(); }, askForImage_, this);
    settings_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    layout()->addWidget(settings_);
    layout()->setAlignment(settings_, Qt::AlignTop);
    settingsHeight_ = settings_->naturalHeight();
    connect(settings_, &SettingsView::naturalHeightChanged, this, [this](int height) {
        settingsHeight_ = height;
        fitPanel(windowHeight());
    });
    refresh();
}

void ContentView::closeSettings() {
    if (!showingSettings_)
        return;
    showingSettings_ = false;
    settingsHeight_ = 0;
    settings_->hide();
    settings_->deleteLater();
    settings_ = nullptr;
    refresh();
}

void ContentView::refresh() {
    const double startedAt = store_.get(Keys::startedAt);
    const PayPeriod period = store_.get(Keys::period);
    const std::optional<double> salary =
        Earnings::countableSalary(store_.get(Keys::salary), period);
    const Screen previous = screen_;
    screen_ = showingSettings_                      ? Screen::settings
              : startedAt > 0 && salary.has_value() ? Screen::counter
                                                    : Screen::setup;
    const QColor color = toQColor(store_.get(Keys::digitColor));
    const std::optional<Goal> currentGoal = goal();

    if (screen_ == Screen::counter) {
        CounterView::Inputs inputs;
        inputs.start = startedAt;
        inputs.perSecond = Earnings::perSecond(*salary, period);
        inputs.currency =
            Currency::label(store_.get(Keys::currency), store_.get(Keys::currencyStyle));
        inputs.color = color;
        inputs.goal = currentGoal;
        counter_->setInputs(inputs);
    } else if (screen_ == Screen::setup) {
        setup_->setColor(color);
        setup_->setGoal(currentGoal);
    }
    setup_->setVisible(screen_ == Screen::setup);
    counter_->setVisible(screen_ == Screen::counter);
    if (settings_ != nullptr)
        settings_->setVisible(screen_ == Screen::settings);
    if (screen_ != previous)
        focusScreen();
    fitPanel(heightFor(currentGoal.has_value()));
}

void ContentView::focusScreen() {
    // A hidden screen must not keep the keys: typing on the counter would
    // otherwise edit the salary and Return restart the count.
    switch (screen_) {
    case Screen::setup:
        setup_->salaryField()->setFocus(Qt::OtherFocusReason);
        break;
    case Screen::counter:
        counter_->setFocus(Qt::OtherFocusReason);
        break;
    case Screen::settings:
        settings_->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void ContentView::fitPanel(double height) {
    // While the settings screen has not been measured there is nothing to fit.
    if (height <= 2 * Theme::padding)
        return;
    WindowServices::current().resizeKeepingTop(this, static_cast<int>(std::lround(height)));
}

void ContentView::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    // Each tick repaints a few digits; away from the rounded corners a plain
    // fill is all the background needs.
    const int corner = static_cast<int>(std::ceil(Theme::cornerRadius));
    const QRect inner = rect().adjusted(corner, 0, -corner, 0);
    if (inner.contains(event->rect())) {
        painter.fillRect(event->rect(), Theme::background());
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), Theme::cornerRadius, Theme::cornerRadius);
    painter.fillPath(outline, Theme::background());
}
