#include "SettingsView.h"

#include "BackButton.h"
#include "ColorSwatch.h"
#include "CountChoice.h"
#include "Currency.h"
#include "CurrencyPicker.h"
#include "Earnings.h"
#include "EmojiChooser.h"
#include "FieldText.h"
#include "GoalPictureKind.h"
#include "ImageChooser.h"
#include "SegmentedControl.h"
#include "SettingsRows.h"
#include "TextStyle.h"
#include "ToggleSwitch.h"
#include "WorkingHoursRows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLineEdit *field(const QString &placeholder, QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    edit->setPlaceholderText(placeholder);
    edit->setAccessibleName(placeholder);
    return edit;
}

// Writes every edit as typed; takes the stored text only when it differs, so
// the caret and the input method stay where the user left them.
void bindText(QLineEdit *edit, SettingsStore &store, const Key<QString> &key) {
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [&store, key](const QString &text) { store.set(key, text); });
}

} // namespace

SettingsView::SettingsView(SettingsStore &store, std::function<void()> close, FileAsker askForImage,
                           QWidget *parent)
    : QWidget(parent)
    , store_(store)
    , close_(std::move(close))
    , currency_(new CurrencyPicker(this))
    , count_(new QComboBox(this))
    , style_(new SegmentedControl(QStringLiteral("Show"), {QString(), QString()}, this))
    , goalSwitch_(new ToggleSwitch(QStringLiteral("Goal"), this))
    , amount_(field(QStringLiteral("How much to make"), this))
    , amountNote_(TextStyle::warningNote(QString(), this))
    , text_(field(QStringLiteral("What it's for"), this))
    , picture_(new SegmentedControl(QStringLiteral("Picture"), rawValues<GoalPictureKind>(), this))
    , emojiChooser_(new EmojiChooser(Setting(store, Keys::goalEmoji), this))
    , imageChooser_(
          new ImageChooser(Setting(store, Keys::goalImage), std::move(askForImage), this)) {
    // Opened, the screen takes the keys, so Escape closes it whatever was
    // clicked before; a click on its background takes them back.
    setFocusPolicy(Qt::ClickFocus);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->setSizeConstraint(QLayout::SetDefaultConstraint);

    auto *header = new QHBoxLayout;
    header->setSpacing(6);
    header->addWidget(new BackButton([this] { close_(); }, this));
    header->addWidget(TextStyle::secondaryCaption(QStringLiteral("Settings"), this));
    header->addStretch(1);
    column->addLayout(header);

    currency_->setAccessibleName(QStringLiteral("Currency"));
    currency_->setFont(TextStyle::caption());
    for (const Currency::Entry &entry : Currency::all())
        currency_->addItem(entry.code + QStringLiteral(" \u2013 ") + entry.name, entry.code);
    column->addWidget(SettingsRows::labelled(QStringLiteral("Currency"), currency_));
    column->addWidget(SettingsRows::labelled(QStringLiteral("Show"), style_));

    auto *colors = new QVBoxLayout;
    colors->setSpacing(6);
    colors->addWidget(TextStyle::secondaryCaption(QStringLiteral("Number color"), this));
    auto *swatchRow = new QHBoxLayout;
    swatchRow->setSpacing(0);
    for (DigitColor color : allCases<DigitColor>()) {
        if (!swatches_.isEmpty())
            swatchRow->addStretch(1);
        auto *swatch = new ColorSwatch(color, this);
        connect(swatch, &ColorSwatch::clicked, this, [this, color] {
            store_.set(Keys::digitColor, color);
            followStore(); // a click on the ringed one must keep its ring
        });
        swatches_.append(swatch);
        swatchRow->addWidget(swatch);
    }
    colors->addLayout(swatchRow);
    column->addLayout(colors);

    column->addWidget(SettingsRows::divider(this));
    column->addLayout(SettingsRows::switchLine(QStringLiteral("Goal"), goalSwitch_, this));

    // The goal's rows are the screen's own rows, so that showing or hiding one
    // changes the natural height at once.
    amountRow_ = SettingsRows::labelled(QStringLiteral("Amount"), amount_);
    textRow_ = SettingsRows::labelled(QStringLiteral("Text"), text_);
    pictureRow_ = SettingsRows::labelled(QStringLiteral("Picture"), picture_);
    for (QWidget *goalRow :
         {amountRow_, static_cast<QWidget *>(amountNote_), textRow_, pictureRow_,
          static_cast<QWidget *>(emojiChooser_), static_cast<QWidget *>(imageChooser_)})
        column->addWidget(goalRow);
    workingHours_ = new WorkingHoursRows(store_, column, this);

    // What the counter counts, last: the rows above keep their places.
    column->addWidget(SettingsRows::divider(this));
    count_->setAccessibleName(CountChoice::title());
    count_->setFont(TextStyle::caption());
    for (const CountFrom from : allCases<CountFrom>())
        count_->addItem(CountChoice::label(from));
    column->addWidget(SettingsRows::labelled(CountChoice::title(), count_));
    column->addStretch(1);

    connect(currency_, &QComboBox::activated, this, [this](int index) {
        store_.set(Keys::currency, currency_->itemData(index).toString());
    });
    connect(count_, &QComboBox::activated, this, [this](int index) {
        store_.set(Keys::countFrom, allCases<CountFrom>().at(std::size_t(index)));
    });
    connect(style_, &SegmentedControl::chosen, this, [this](int index) {
        store_.set(Keys::currencyStyle, allCases<CurrencyStyle>().at(std::size_t(index)));
    });
    connect(goalSwitch_, &ToggleSwitch::toggled, this,
            [this](bool on) { store_.set(Keys::goalEnabled, on); });
    bindText(amount_, store_, Keys::goalAmount);
    bindText(text_, store_, Keys::goalText);
    connect(picture_, &SegmentedControl::chosen, this, [this](int index) {
        store_.set(Keys::goalPicture, allCases<GoalPictureKind>().at(std::size_t(index)));
    });
    connect(&store_, &SettingsStore::changed, this, &SettingsView::followStore);
    followStore();
    // Fonts, styles and the image chooser's note can change the height too.
    installEventFilter(this);
    imageChooser_->installEventFilter(this);
}

void SettingsView::followStore() {
    const QString code = store_.get(Keys::currency);
    const int index = currency_->findData(code);
    if (currency_->currentIndex() != index)
        currency_->setCurrentIndex(index);
    style_->setLabel(0, QStringLiteral("Symbol ") + Currency::symbol(code));
    style_->setLabel(1, code);
    style_->setSelected(static_cast<int>(store_.get(Keys::currencyStyle)));

    count_->setCurrentIndex(static_cast<int>(store_.get(Keys::countFrom)));

    const DigitColor chosen = store_.get(Keys::digitColor);
    for (ColorSwatch *swatch : swatches_)
        swatch->setChecked(swatch->digitColor() == chosen);

    const bool goalOn = store_.get(Keys::goalEnabled);
    if (goalSwitch_->isChecked() != goalOn)
        goalSwitch_->setChecked(goalOn);
    for (QWidget *goalRow : {amountRow_, textRow_, pictureRow_})
        goalRow->setVisible(goalOn);

    const QString amount = store_.get(Keys::goalAmount);
    FieldText::showAmount(amount_, amount, store_.get(Keys::amountHidden));
    const bool parses = Earnings::parseAmount(amount).has_value();
    amountNote_->setVisible(goalOn && !parses);
    amountNote_->setText(amount.isEmpty()
                             ? QStringLiteral("Enter an amount to start tracking your goal")
                             : QStringLiteral("Enter the amount as a number, like 5000"));
    FieldText::show(text_, store_.get(Keys::goalText));

    const GoalPictureKind kind = store_.get(Keys::goalPicture);
    picture_->setSelected(static_cast<int>(kind));
    emojiChooser_->setVisible(goalOn && kind == GoalPictureKind::emoji);
    imageChooser_->setVisible(goalOn && kind == GoalPictureKind::image);
    workingHours_->followStore();
    reportHeight();
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
