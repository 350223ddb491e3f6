#include "GoalSection.h"

#include "Bind.h"
#include "Earnings.h"
#include "EmojiChooser.h"
#include "FieldText.h"
#include "GoalPictureKind.h"
#include "ImageChooser.h"
#include "SettingsRows.h"
#include "TextStyle.h"
#include "ToggleSwitch.h"
#include "TypingPause.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

QLineEdit *field(const QString &placeholder, QWidget *parent) {
    auto *edit = new QLineEdit(parent);
    edit->setPlaceholderText(placeholder);
    edit->setAccessibleName(placeholder);
    return edit;
}

} // namespace

GoalSection::GoalSection(SettingsStore &store, FileAsker askForImage, QWidget *parent)
    : QWidget(parent)
    , store_(store)
    , goalSwitch_(new ToggleSwitch(tr("Goal"), this))
    , amount_(field(tr("How much to make"), this))
    , amountNote_(TextStyle::warningNote(QString(), this))
    , text_(field(tr("What it's for"), this))
    , picture_(new SegmentedControl(tr("Picture"), labels<GoalPictureKind>(), this))
    , emojiChooser_(new EmojiChooser(Setting(store, Keys::goalEmoji), this))
    , imageChooser_(
          new ImageChooser(Setting(store, Keys::goalImage), std::move(askForImage), this)) {
    auto *column = SettingsRows::column(this);
    column->addWidget(SettingsRows::divider(this));
    column->addWidget(SettingsRows::switchLine(tr("Goal"), goalSwitch_, this));
    amountRow_ = SettingsRows::labelled(tr("Amount"), amount_);
    textRow_ = SettingsRows::labelled(tr("Text"), text_);
    pictureRow_ = SettingsRows::labelled(tr("Picture"), picture_);
    for (QWidget *row :
         {amountRow_, static_cast<QWidget *>(amountNote_), textRow_, pictureRow_,
          static_cast<QWidget *>(emojiChooser_), static_cast<QWidget *>(imageChooser_)})
        column->addWidget(row);

    Bind::toggle(goalSwitch_, Setting(store, Keys::goalEnabled));
    amountTyping_ = Bind::text(
        amount_, Setting(store, Keys::goalAmount), [this](QLineEdit *edit, const QString &amount) {
            FieldText::showAmount(edit, amount, store_.get(Keys::amountHidden));
        });
    Bind::text(text_, Setting(store, Keys::goalText));
    Bind::segments(picture_, Setting(store, Keys::goalPicture));
    Bind::anyOf(store_, this,
                {Keys::goalEnabled.name, Keys::goalAmount.name, Keys::amountHidden.name,
                 Keys::goalPicture.name},
                [this] { followStore(); });
    followStore();
}

// What depends on more than one key: which rows show, the note, the mask.
void GoalSection::followStore() {
    // What is typed is stored before the field is masked or its note judged.
    amountTyping_->handOver();
    const bool goalOn = store_.get(Keys::goalEnabled);
    for (QWidget *row : {amountRow_, textRow_, pictureRow_})
        row->setVisible(goalOn);
    const QString amount = store_.get(Keys::goalAmount);
    FieldText::showAmount(amount_, amount, store_.get(Keys::amountHidden));
    amountNote_->setVisible(goalOn && !Earnings::parseAmount(amount).has_value());
    amountNote_->setText(amount.isEmpty() ? tr("Enter an amount to start tracking your goal")
                                          : tr("Enter the amount as a number, like 5000"));
    const GoalPictureKind kind = store_.get(Keys::goalPicture);
    emojiChooser_->setVisible(goalOn && kind == GoalPictureKind::emoji);
    imageChooser_->setVisible(goalOn && kind == GoalPictureKind::image);
    // The screen's height follows at once.
    updateGeometry();
}
