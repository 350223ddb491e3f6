#pragma once

#include "FileAsker.h"
#include "SettingsStore.h"

#include <QWidget>

#include <functional>

class ColorSwatch;
class CurrencyPicker;
class EmojiChooser;
class ImageChooser;
class WorkingHoursRows;
class QComboBox;
class QLabel;
class QLineEdit;
class SegmentedControl;
class ToggleSwitch;

// Everything but the salary: currency, its label, the digit colour and the
// goal. Every control writes straight to the store; there is no Save.
class SettingsView : public QWidget {
    Q_OBJECT

public:
    SettingsView(SettingsStore &store, std::function<void()> close, FileAsker askForImage,
                 QWidget *parent = nullptr);

    // The height the screen needs at its width; the panel is fitted to it.
    int naturalHeight() const;

    CurrencyPicker *currencyPicker() const { return currency_; }
    QComboBox *countPicker() const { return count_; }
    SegmentedControl *stylePicker() const { return style_; }
    const QList<ColorSwatch *> &swatches() const { return swatches_; }
    ToggleSwitch *goalSwitch() const { return goalSwitch_; }
    // Whether the goal's rows (amount, text, picture) are shown.
    bool showsGoalRows() const { return !amountRow_->isHidden(); }
    QLineEdit *amountField() const { return amount_; }
    QLabel *amountNote() const { return amountNote_; }
    QLineEdit *textField() const { return text_; }
    SegmentedControl *picturePicker() const { return picture_; }
    EmojiChooser *emojiChooser() const { return emojiChooser_; }
    ImageChooser *imageChooser() const { return imageChooser_; }
    WorkingHoursRows *workingHours() const { return workingHours_; }

signals:
    void naturalHeightChanged(int height);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void followStore();
    void reportHeight();

    SettingsStore &store_;
    std::function<void()> close_;
    CurrencyPicker *currency_;
    QComboBox *count_;
    SegmentedControl *style_;
    QList<ColorSwatch *> swatches_;
    ToggleSwitch *goalSwitch_;
    QWidget *amountRow_ = nullptr;
    QWidget *textRow_ = nullptr;
    QWidget *pictureRow_ = nullptr;
    QLineEdit *amount_;
    QLabel *amountNote_;
    QLineEdit *text_;
    SegmentedControl *picture_;
    EmojiChooser *emojiChooser_;
    ImageChooser *imageChooser_;
    WorkingHoursRows *workingHours_ = nullptr;
    int reportedHeight_ = 0;
};
