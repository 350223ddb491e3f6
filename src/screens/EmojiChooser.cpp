#include "EmojiChooser.h"

#include "Graphemes.h"
#include "TextStyle.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace {

const char *const presetStyle = R"(
QToolButton { border: none; border-radius: 5px; background: transparent; font-size: 14px; }
QToolButton:checked { background: rgba(255, 255, 255, 46); }
QToolButton:focus { border: 1px solid palette(highlight); }
)";

} // namespace

const QStringList &EmojiChooser::presets() {
    static const QStringList list{
        QStringLiteral("\U0001F3D6\uFE0F"), QStringLiteral("\U0001F697"),
        QStringLiteral("\U0001F3E0"),       QStringLiteral("\U0001F4BB"),
        QStringLiteral("\u2708\uFE0F"),     QStringLiteral("\U0001F393"),
        QStringLiteral("\U0001F48D"),       QStringLiteral("\U0001F389"),
    };
    return list;
}

EmojiChooser::EmojiChooser(Setting<QString> emoji, QWidget *parent)
    : QWidget(parent)
    , emoji_(emoji)
    , field_(new QLineEdit(this)) {
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    for (const QString &preset : presets()) {
        auto *button = new QToolButton(this);
        button->setText(TextStyle::emojiText(preset));
        button->setAccessibleName(preset);
        button->setCheckable(true);
        button->setFixedSize(22, 22);
        button->setStyleSheet(QString::fromLatin1(presetStyle));
        button->setFont(TextStyle::emoji(button->font()));
        connect(button, &QToolButton::clicked, this, [this, preset] {
            emoji_.set(preset);
            followStore(); // a click on the chosen one must not un-highlight it
        });
        buttons_.append(button);
        row->addWidget(button);
    }
    row->addStretch(1);
    row->addSpacing(2);
    field_->setPlaceholderText(tr("Any"));
    field_->setAccessibleName(tr("Any emoji"));
    field_->setAlignment(Qt::AlignCenter);
    field_->setToolTip(tr("Type or paste one emoji"));
    field_->setFont(TextStyle::emoji(field_->font()));
    // Room for an emoji, or for the placeholder where a language's word is longer.
    field_->setFixedWidth(
        std::max(44, field_->fontMetrics().horizontalAdvance(field_->placeholderText()) + 16));
    row->addWidget(field_);

    connect(field_, &QLineEdit::textEdited, this, [this](const QString &text) {
        // Typing after the shown emoji replaces it; a paste keeps its last character.
        emoji_.set(Graphemes::last(text));
        followStore();
    });
    emoji_.observe(this, [this] { followStore(); });
    followStore();
}

int EmojiChooser::highlighted() const {
    for (int i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return i;
    return -1;
}

void EmojiChooser::followStore() {
    const QString stored = emoji_.get();
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setChecked(presets().at(i) == stored);
    // Shown as drawn; what is stored keeps its selectors.
    const QString shown = TextStyle::emojiText(stored);
    if (field_->text() != shown)
        field_->setText(shown);
}
