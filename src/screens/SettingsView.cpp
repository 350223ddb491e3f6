#include "SettingsView.h"

#include "BackButton.h"
#include "ImageChooser.h"
#include "SettingsRows.h"
#include "TextStyle.h"
#include "TypingPause.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

SettingsView::SettingsView(SettingsStore &store, std::function<void()> close, FileAsker askForImage,
                           QWidget *parent)
    : QWidget(parent)
    , close_(std::move(close))
    , currency_(new CurrencySection(store, this))
    , colors_(new ColorSection(store, this))
    , goal_(new GoalSection(store, std::move(askForImage), this))
    , workingHours_(new WorkingHoursSection(store, this))
    , count_(new CountSection(store, this)) {
    // Opened, the screen takes the keys, so Escape closes it whatever was
    // clicked before; a click on its background takes them back.
    setFocusPolicy(Qt::ClickFocus);
    auto *column = SettingsRows::column(this);
    column->setSizeConstraint(QLayout::SetDefaultConstraint);

    auto *header = new QHBoxLayout;
    header->setSpacing(6);
    header->addWidget(new BackButton([this] { close_(); }, this));
    header->addWidget(TextStyle::secondaryCaption(tr("Settings"), this));
    header->addStretch(1);
    column->addLayout(header);
    // What the counter counts comes last, so the rows above keep their places.
    for (QWidget *section : {static_cast<QWidget *>(currency_), static_cast<QWidget *>(colors_),
                             static_cast<QWidget *>(goal_), static_cast<QWidget *>(workingHours_),
                             static_cast<QWidget *>(count_)})
        column->addWidget(section);
    SettingsRows::alignLabels(this);
    column->addStretch(1);

    // After the sections, which show or hide their rows first.
    connect(&store, &SettingsStore::changed, this, &SettingsView::reportHeight);
    reportHeight();
    // Fonts, styles and the image chooser's note can change the height too.
    installEventFilter(this);
    goal_->imageChooser()->installEventFilter(this);
}

SettingsView::~SettingsView() {
    // As the setup screen's: the screen is hidden before it goes, and quitting
    // hands typing over first; a write from here on would reach views half
    // destroyed.
    for (TypingPause *typing : findChildren<TypingPause *>())
        typing->discard();
}

int SettingsView::naturalHeight() const {
    return layout()->sizeHint().height();
}

bool SettingsView::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::LayoutRequest)
        QTimer::singleShot(0, this, &SettingsView::reportHeight);
    return QWidget::eventFilter(watched, event);
}

void SettingsView::reportHeight() {
    if (naturalHeight() == reportedHeight_)
        return;
    reportedHeight_ = naturalHeight();
    emit naturalHeightChanged(reportedHeight_);
}

void SettingsView::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close_();
        return;
    }
    QWidget::keyPressEvent(event);
}
