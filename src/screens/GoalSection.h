#pragma once

#include "FileAsker.h"
#include "SettingsStore.h"

#include <QWidget>

class EmojiChooser;
class ImageChooser;
class QLabel;
class QLineEdit;
class SegmentedControl;
class ToggleSwitch;
class TypingPause;

// The settings' savings goal: a switch, and while it is on the amount (with a
// note while it does not read as one), the text and the picture.
class GoalSection : public QWidget {
    Q_OBJECT

public:
    GoalSection(SettingsStore &store, FileAsker askForImage, QWidget *parent = nullptr);

    ToggleSwitch *goalSwitch() const { return goalSwitch_; }
    // Whether the goal's rows (amount, text, picture) are shown.
    bool showsGoalRows() const { return !amountRow_->isHidden(); }
    QLineEdit *amountField() const { return amount_; }
    QLabel *amountNote() const { return amountNote_; }
    QLineEdit *textField() const { return text_; }
    SegmentedControl *picturePicker() const { return picture_; }
    EmojiChooser *emojiChooser() const { return emojiChooser_; }
    ImageChooser *imageChooser() const { return imageChooser_; }

private:
    void followStore();

    SettingsStore &store_;
    ToggleSwitch *goalSwitch_;
    QLineEdit *amount_;
    TypingPause *amountTyping_ = nullptr;
    QLabel *amountNote_;
    QLineEdit *text_;
    SegmentedControl *picture_;
    EmojiChooser *emojiChooser_;
    ImageChooser *imageChooser_;
    QWidget *amountRow_;
    QWidget *textRow_;
    QWidget *pictureRow_;
};
