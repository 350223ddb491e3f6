#include "ContentView.h"

#include "CounterView.h"
#include "GoalRow.h"
#include "ReadingOrder.h"
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
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

ContentView::ContentView(SettingsStore &store, WindowServices &services, Clock clock,
                         QWidget *parent)
    : WindowDragArea(services, parent)
    , store_(store)
    , clock_(std::move(clock))
    , setup_(new SetupView(
          Setting(store, Keys::salary), Setting(store, Keys::period), [this] { start(); },
          [this] { openSettings(); }, [this] { this->services().quit(); }, this))
    , counter_(new CounterView([this] { stop(); }, [this] { openSettings(); },
                               [this] { this->services().quit(); }, clock_, this))
    , saveProblem_(new SaveProblemMark(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto *frame = new QVBoxLayout(this);
    const int margin = static_cast<int>(Theme::padding);
    frame->setContentsMargins(margin, margin, margin, margin);
    frame->addWidget(setup_);
    frame->addWidget(counter_);
    connect(setup_, &SetupView::extraHeightChanged, this, &ContentView::refresh);
    // The panel's own place changes no screen.
    connect(&store_, &SettingsStore::changed, this, [this](const QString &key) {
        if (key != Keys::panelFrame.name)
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
        store_, [this] { closeSettings(); },
        [this](QWidget *parent) { return services().askForImage(parent); }, this);
    // Taller than the screen, the panel takes what there is and the rows
    // scroll, by the wheel and as Tab brings the focused one into view. No
    // bar: it would take width the rows are laid out to have.
    settingsScroll_ = new QScrollArea(this);
    settingsScroll_->setFrameShape(QFrame::NoFrame);
    settingsScroll_->setFocusPolicy(Qt::NoFocus); // its rows take the keys
    settingsScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsScroll_->setWidgetResizable(true);
    settingsScroll_->viewport()->setAutoFillBackground(false);
    // The panel's width, whatever the rows would like: as without scrolling.
    settings_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    settingsScroll_->setWidget(settings_);
    layout()->addWidget(settingsScroll_);
    settingsHeight_ = settings_->naturalHeight();
    connect(settings_, &SettingsView::naturalHeightChanged, this, [this](int height) {
        settingsHeight_ = height;
        updateWantedHeight(false);
    });
    refresh();
}

void ContentView::closeSettings() {
    if (!showingSettings_)
        return;
    showingSettings_ = false;
    settingsHeight_ = 0;
    settingsScroll_->hide();
    settingsScroll_->deleteLater();
    settingsScroll_ = nullptr;
    settings_ = nullptr;
    refresh();
}

void ContentView::refresh() {
    const ScreenChoice choice = ScreenChoice::from(store_, showingSettings_);
    const Screen previous = screen_;
    screen_ = choice.screen;
    if (screen_ == Screen::counter) {
        counter_->setInputs(choice.counter);
    } else if (screen_ == Screen::setup) {
        setup_->setColor(choice.color);
        setup_->setGoal(choice.goal);
        setup_->setAmountHidden(choice.amountHidden);
    }
    setup_->setVisible(screen_ == Screen::setup);
    counter_->setVisible(screen_ == Screen::counter);
    if (settingsScroll_ != nullptr)
        settingsScroll_->setVisible(screen_ == Screen::settings);
    if (screen_ != previous)
        focusScreen();
    updateWantedHeight(choice.goal.has_value());
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

void ContentView::updateWantedHeight(bool hasGoal) {
    const double screenHeight = showingSettings_ ? settingsHeight_ + 2 * Theme::padding
                                : hasGoal        ? Theme::baseHeight + Theme::goalRowHeight
                                                 : Theme::baseHeight;
    const double height = screenHeight + (screen_ == Screen::setup ? setup_->extraHeight() : 0);
    // While the settings screen has not been measured there is nothing to fit.
    if (height <= 2 * Theme::padding)
        return;
    const int rounded = static_cast<int>(std::lround(height));
    if (rounded == wantedHeight_)
        return;
    wantedHeight_ = rounded;
    emit wantedHeightChanged(wantedHeight_);
}

bool ContentView::focusNextPrevChild(bool next) {
    // Every control of every screen, in the order the screen reads; Tab
    // never leaves the panel.
    QWidget *target = ReadingOrder::next(this, focusWidget(), next);
    if (target == nullptr)
        return QWidget::focusNextPrevChild(next);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
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
