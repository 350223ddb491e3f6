#include "SettingsView.h"
#include "ColorSwatch.h"
#include "CurrencyPicker.h"
#include "DayHoursRow.h"
#include "EmojiChooser.h"
#include "GoalPictureKind.h"
#include "ImageChooser.h"
#include "QtPrinters.h"
#include "SegmentedControl.h"
#include "TempSettings.h"
#include "ToggleSwitch.h"
#include "WorkingHoursSection.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <gtest/gtest.h>

class Settings : public ::testing::Test {
protected:
    TempSettings temp;
    SettingsStore store{temp.path()};
    int closes = 0;
    std::optional<QString> nextFile;
    int asked = 0;
    std::unique_ptr<SettingsView> view;

    void SetUp() override { open(); }

    void open() {
        view = std::make_unique<SettingsView>(
            store, [this] { ++closes; },
            [this](QWidget *) {
                ++asked;
                return nextFile;
            });
        view->resize(292, 400);
        view->show();
        QApplication::processEvents();
    }

    void switchGoalOn() {
        QTest::mouseClick(view->goal()->goalSwitch(), Qt::LeftButton);
        QApplication::processEvents();
    }
};

TEST_F(Settings, endsWithTheGoalSwitchWhileTheGoalIsOff) {
    EXPECT_FALSE(view->goal()->goalSwitch()->isChecked());
    EXPECT_FALSE(view->goal()->showsGoalRows());
    const int closed = view->naturalHeight();
    store.set(Keys::goalAmount, QStringLiteral("1000"));
    QSignalSpy writes(&store, &SettingsStore::changed);
    switchGoalOn();
    EXPECT_TRUE(view->goal()->showsGoalRows());
    EXPECT_TRUE(store.get(Keys::goalEnabled));
    ASSERT_EQ(writes.count(), 1) << "switching on touches no goal value";
    EXPECT_EQ(writes[0][0].toString(), "goalEnabled");
    EXPECT_GT(view->naturalHeight(), closed);
}

TEST_F(Settings, explainsAnAmountThatDoesNotParse) {
    switchGoalOn();
    struct Row {
        const char *typed;
        const char *note; // empty: no note
    };
    const Row rows[] = {
        {"", "Enter an amount to start tracking your goal"},
        {"abc", "Enter the amount as a number, like 5000"},
        {"0", "Enter the amount as a number, like 5000"},
        {"   ", "Enter the amount as a number, like 5000"},
        {"5000", ""},
    };
    for (const Row &row : rows) {
        view->goal()->amountField()->clear();
        QTest::keyClicks(view->goal()->amountField(), QString::fromUtf8(row.typed));
        QTest::keyClick(view->goal()->amountField(), Qt::Key_Return);
        if (QByteArray(row.typed).isEmpty())
            store.set(Keys::goalAmount, QString());
        EXPECT_EQ(store.get(Keys::goalAmount), QString::fromUtf8(row.typed));
        EXPECT_EQ(view->goal()->amountNote()->isVisibleTo(view.get()), *row.note != '\0')
            << row.typed;
        if (*row.note) {
            EXPECT_EQ(view->goal()->amountNote()->text(), QString::fromUtf8(row.note)) << row.typed;
        }
    }
}

TEST_F(Settings, showsTheChosenCurrencyInBothLabelStyles) {
    store.set(Keys::currency, QStringLiteral("USD"));
    EXPECT_EQ(view->currency()->stylePicker()->label(0), QStringLiteral("Symbol $"));
    EXPECT_EQ(view->currency()->stylePicker()->label(1), "USD");
    const int euro = view->currency()->currencyPicker()->findData(QStringLiteral("EUR"));
    ASSERT_GE(euro, 0);
    view->currency()->currencyPicker()->setCurrentIndex(euro);
    emit view->currency()->currencyPicker()->activated(euro);
    EXPECT_EQ(store.get(Keys::currency), "EUR");
    EXPECT_EQ(view->currency()->stylePicker()->label(0), QStringLiteral("Symbol \u20AC"));
    EXPECT_EQ(view->currency()->stylePicker()->label(1), "EUR");
    QTest::mouseClick(view->currency()->stylePicker()->findChildren<QPushButton *>().at(0),
                      Qt::LeftButton);
    EXPECT_EQ(store.get(Keys::currencyStyle), CurrencyStyle::symbol);
}

TEST_F(Settings, ringsExactlyTheStoredColour) {
    const auto ringed = [&] {
        QStringList names;
        for (ColorSwatch *swatch : view->colors()->swatches())
            if (swatch->isChecked())
                names << swatch->accessibleName();
        return names;
    };
    ASSERT_EQ(view->colors()->swatches().size(), 10);
    EXPECT_EQ(ringed(), QStringList{"Green"});
    QTest::mouseClick(view->colors()->swatches().at(7), Qt::LeftButton);
    EXPECT_EQ(store.get(Keys::digitColor), DigitColor::blue);
    EXPECT_EQ(ringed(), QStringList{"Blue"});
    QTest::mouseClick(view->colors()->swatches().at(7), Qt::LeftButton);
    EXPECT_EQ(ringed(), QStringList{"Blue"});
    // Spread across the width: first flush left, last flush right.
    EXPECT_EQ(view->colors()->swatches().first()->x(), 0);
    EXPECT_EQ(view->colors()->swatches().last()->geometry().right(), view->width() - 1);
}

TEST_F(Settings, emojiFieldKeepsOneCharacter) {
    switchGoalOn();
    EmojiChooser *chooser = view->goal()->emojiChooser();
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(chooser->highlighted(), 0);
    QTest::mouseClick(chooser->presetButton(3), Qt::LeftButton);
    EXPECT_EQ(store.get(Keys::goalEmoji), QStringLiteral("\U0001F4BB"));
    EXPECT_EQ(chooser->highlighted(), 3);
    EXPECT_EQ(chooser->field()->text(), QStringLiteral("\U0001F4BB"));

    chooser->field()->clear();
    QTest::keyClicks(chooser->field(), QStringLiteral("ab"));
    EXPECT_EQ(store.get(Keys::goalEmoji), "b");
    EXPECT_EQ(chooser->field()->text(), "b");

    const QString family =
        QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
    QApplication::clipboard()->setText(QStringLiteral("\U0001F697") + family);
    QTest::keyClick(chooser->field(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(chooser->field(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(store.get(Keys::goalEmoji), family);
    EXPECT_EQ(chooser->highlighted(), -1);

    chooser->field()->selectAll();
    QTest::keyClick(chooser->field(), Qt::Key_Backspace);
    EXPECT_EQ(store.get(Keys::goalEmoji), "");
    EXPECT_EQ(chooser->highlighted(), -1);

    store.set(Keys::goalEmoji, QStringLiteral("\U0001F3D6"));
    EXPECT_EQ(chooser->highlighted(), -1) << "without its variation selector it is another text";
}

TEST_F(Settings, drawsEveryPresetInColour) {
    switchGoalOn();
    for (int i = 0; i < EmojiChooser::presets().size(); ++i) {
        const QImage shot = view->goal()->emojiChooser()->presetButton(i)->grab().toImage();
        int coloured = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                const int spread = std::max({c.red(), c.green(), c.blue()}) -
                                   std::min({c.red(), c.green(), c.blue()});
                coloured += spread > 60;
            }
        EXPECT_GT(coloured, 10) << EmojiChooser::presets().at(i).toStdString();
    }
}

TEST_F(Settings, masksTheGoalAmountWhileAmountsAreHidden) {
    store.set(Keys::goalAmount, QStringLiteral("25000"));
    switchGoalOn();
    store.set(Keys::amountHidden, true);
    EXPECT_EQ(view->goal()->amountField()->text(), QString(6, QChar(0x2022)));
    EXPECT_TRUE(view->goal()->amountField()->isReadOnly());
    store.set(Keys::amountHidden, false);
    EXPECT_EQ(view->goal()->amountField()->text(), "25000");
    EXPECT_FALSE(view->goal()->amountField()->isReadOnly());
}

TEST_F(Settings, keepsStoredPicturesWhenTheKindOrGoalChanges) {
    store.set(Keys::goalImage, QByteArray("bytes"));
    store.set(Keys::goalEmoji, QStringLiteral("x"));
    switchGoalOn();
    for (int kind : {0, 2, 1, 0})
        QTest::mouseClick(view->goal()->picturePicker()->findChildren<QPushButton *>().at(kind),
                          Qt::LeftButton);
    EXPECT_EQ(store.get(Keys::goalPicture), GoalPictureKind::none);
    EXPECT_FALSE(view->goal()->emojiChooser()->isVisible());
    EXPECT_FALSE(view->goal()->imageChooser()->isVisible());
    switchGoalOn(); // off again
    EXPECT_EQ(store.get(Keys::goalImage), QByteArray("bytes"));
    EXPECT_EQ(store.get(Keys::goalEmoji), "x");
}

TEST_F(Settings, choosesAnImageAndKeepsTheOldOneOnFailure) {
    store.set(Keys::goalEnabled, true);
    store.set(Keys::goalPicture, GoalPictureKind::image);
    QApplication::processEvents();
    ImageChooser *chooser = view->goal()->imageChooser();
    EXPECT_EQ(chooser->button()->text(), QStringLiteral("Upload Image\u2026"));
    EXPECT_FALSE(chooser->thumbnail()->isVisibleTo(view.get()));

    QTemporaryDir files;
    QImage picture(300, 200, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString good = files.filePath(QStringLiteral("good.png"));
    picture.save(good);
    nextFile = good;
    QTest::mouseClick(chooser->button(), Qt::LeftButton);
    ASSERT_TRUE(store.get(Keys::goalImage).has_value());
    const QImage stored = QImage::fromData(*store.get(Keys::goalImage), "PNG");
    EXPECT_EQ(stored.size(), QSize(128, 128));
    EXPECT_EQ(chooser->button()->text(), QStringLiteral("Change Image\u2026"));
    EXPECT_TRUE(chooser->thumbnail()->isVisibleTo(view.get()));
    EXPECT_FALSE(chooser->note()->isVisibleTo(view.get()));

    const QByteArray before = *store.get(Keys::goalImage);
    const QString text = files.filePath(QStringLiteral("notes.txt"));
    QFile file(text);
    file.open(QIODevice::WriteOnly);
    file.write("not a picture");
    file.close();
    nextFile = text;
    QTest::mouseClick(chooser->button(), Qt::LeftButton);
    EXPECT_EQ(store.get(Keys::goalImage), before);
    EXPECT_TRUE(chooser->note()->isVisibleTo(view.get()));
    EXPECT_EQ(chooser->note()->text(), "Couldn't read that image");

    nextFile.reset(); // cancelled: the note stays, the image stays
    QTest::mouseClick(chooser->button(), Qt::LeftButton);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(store.get(Keys::goalImage), before);
    EXPECT_TRUE(chooser->note()->isVisibleTo(view.get()));

    nextFile = good;
    QTest::mouseClick(chooser->button(), Qt::LeftButton);
    EXPECT_FALSE(chooser->note()->isVisibleTo(view.get()));
}

TEST_F(Settings, escapeClosesLikeTheBackButton) {
    switchGoalOn();
    view->goal()->amountField()->setFocus();
    QTest::keyClick(view->goal()->amountField(), Qt::Key_Escape);
    EXPECT_EQ(closes, 1);
    QAbstractButton *back = nullptr;
    for (QAbstractButton *button : view->findChildren<QAbstractButton *>())
        if (button->accessibleName() == "Back")
            back = button;
    ASSERT_NE(back, nullptr);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(closes, 2);
}

TEST_F(Settings, showsTheWorkingHoursRowsOnlyWhileTheyAreOn) {
    WorkingHoursSection *hours = view->workingHours();
    EXPECT_FALSE(hours->hoursSwitch()->isChecked());
    EXPECT_FALSE(hours->fromEdit()->isVisibleTo(view.get()));
    const int closed = view->naturalHeight();
    QTest::mouseClick(hours->hoursSwitch(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(store.get(Keys::workingHours));
    EXPECT_TRUE(hours->fromEdit()->isVisibleTo(view.get()));
    EXPECT_GT(view->naturalHeight(), closed);
    EXPECT_FALSE(hours->hoursNote()->isVisibleTo(view.get()));
}

TEST_F(Settings, listsTheDaysInTheLocalesWeekAndStoresEachClick) {
    // The suite runs in en_US, whose week starts on Sunday.
    store.set(Keys::workingHours, true);
    QApplication::processEvents();
    QTest::mouseClick(view->workingHours()->dayButtons().at(6), Qt::LeftButton); // Saturday on
    QTest::mouseClick(view->workingHours()->dayButtons().at(1), Qt::LeftButton); // Monday off
    EXPECT_EQ(store.get(Keys::workDays).toText(), "Tue,Wed,Thu,Fri,Sat");
}

// Every day key shows its whole name: the locale's short one, or the narrow
// ones when a short one would not fit (Arabic's are whole words).
TEST_F(Settings, dayNamesFitTheirKeysElseAllAreNarrow) {
    struct Case {
        const char *locale;
        QLocale::FormatType shown;
    };
    for (const Case &c : {Case{"en_US", QLocale::ShortFormat}, Case{"de_DE", QLocale::ShortFormat},
                          Case{"ja_JP", QLocale::ShortFormat}, Case{"ar_EG", QLocale::NarrowFormat},
                          Case{"he_IL", QLocale::NarrowFormat}}) {
        SCOPED_TRACE(c.locale);
        const QLocale locale(QString::fromLatin1(c.locale));
        QLocale::setDefault(locale);
        open();
        store.set(Keys::workingHours, true);
        QApplication::processEvents();
        for (QAbstractButton *day : view->workingHours()->dayButtons())
            EXPECT_LE(day->fontMetrics().horizontalAdvance(day->text()), day->width())
                << day->text().toStdString();
        const int first = int(locale.firstDayOfWeek());
        EXPECT_EQ(view->workingHours()->dayButtons().at(0)->text(), locale.dayName(first, c.shown));
        store.set(Keys::workingHours, false);
    }
    QLocale::setDefault(QLocale::system());
}

TEST_F(Settings, refusesEqualFromAndToWithANoteAndKeepsWhatWasStored) {
    store.set(Keys::workingHours, true);
    WorkingHoursSection *hours = view->workingHours();
    hours->toEdit()->setTime(QTime(9, 0));
    EXPECT_TRUE(hours->hoursNote()->isVisibleTo(view.get()));
    EXPECT_EQ(hours->hoursNote()->text(), "From and To must differ");
    EXPECT_EQ(store.get(Keys::workTo), QTime(17, 0));
    store.set(Keys::goalText, QStringLiteral("Bike")); // another change leaves the typing alone
    EXPECT_EQ(hours->toEdit()->time(), QTime(9, 0));
    hours->toEdit()->setTime(QTime(6, 0)); // a night shift
    EXPECT_FALSE(hours->hoursNote()->isVisibleTo(view.get()));
    EXPECT_EQ(store.get(Keys::workTo), QTime(6, 0));

    QTest::mouseClick(hours->breakSwitch(), Qt::LeftButton);
    EXPECT_TRUE(store.get(Keys::breakEnabled));
    hours->breakToEdit()->setTime(QTime(2, 30));
    hours->breakFromEdit()->setTime(QTime(2, 0));
    EXPECT_EQ(store.get(Keys::breakFrom), QTime(2, 0));
}

TEST_F(Settings, refusesABreakNotWithinTheHoursWithANoteAndKeepsTheStoredBreak) {
    store.set(Keys::workingHours, true);
    store.set(Keys::breakEnabled, true);
    QApplication::processEvents();
    WorkingHoursSection *hours = view->workingHours();
    EXPECT_FALSE(hours->breakNote()->isVisibleTo(view.get()));
    hours->breakFromEdit()->setTime(QTime(14, 0)); // 14:00 to 13:00
    EXPECT_TRUE(hours->breakNote()->isVisibleTo(view.get()));
    EXPECT_EQ(hours->breakNote()->text(), "The break must lie within the hours");
    EXPECT_EQ(store.get(Keys::breakFrom), QTime(12, 0));
    hours->breakToEdit()->setTime(QTime(15, 0));
    EXPECT_FALSE(hours->breakNote()->isVisibleTo(view.get()));
    EXPECT_EQ(store.get(Keys::breakFrom), QTime(14, 0));
    EXPECT_EQ(store.get(Keys::breakTo), QTime(15, 0));
    // Hours moved off the stored break leave it out of force, and say so.
    hours->toEdit()->setTime(QTime(14, 30));
    EXPECT_TRUE(hours->breakNote()->isVisibleTo(view.get()));
    hours->toEdit()->setTime(QTime(17, 0));
    EXPECT_FALSE(hours->breakNote()->isVisibleTo(view.get()));
}

TEST_F(Settings, timeFieldsTakeTypingWhereTheUserClicked) {
    store.set(Keys::workingHours, true);
    QApplication::processEvents();
    WorkingHoursSection *hours = view->workingHours();
    const struct {
        QTimeEdit *edit;
        double at; // across the field: hours on the left, minutes on the right
        const char *typed;
        const Key<QTime> &key;
        QTime stored;
    } rows[] = {
        {hours->toEdit(), 0.3, "06", Keys::workTo, QTime(6, 0)},
        {hours->toEdit(), 0.7, "45", Keys::workTo, QTime(6, 45)},
        {hours->fromEdit(), 0.3, "0830", Keys::workFrom, QTime(8, 30)},
    };
    for (const auto &row : rows) {
        QTimeEdit *edit = row.edit;
        edit->setDisplayFormat(QStringLiteral("HH:mm")); // as a 24-hour locale writes it
        const QPoint spot(int(edit->width() * row.at), edit->height() / 2);
        QTest::mouseClick(edit->findChild<QLineEdit *>(), Qt::LeftButton, {}, spot);
        QTest::keyClicks(edit, QString::fromLatin1(row.typed));
        EXPECT_EQ(store.get(row.key), row.stored) << row.typed;
    }
}

TEST_F(Settings, choosesWhatTheCounterCountsAndFollowsTheStore) {
    QComboBox *count = view->count()->countPicker();
    EXPECT_EQ(count->currentText(), "Since start");
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Down); // a closed pop-up picks by the arrows
    EXPECT_EQ(store.get(Keys::countFrom), CountFrom::today);
    store.set(Keys::countFrom, CountFrom::month);
    EXPECT_EQ(count->currentText(), "This month");
}

// Off, "Same hours every day" gives each working day rows of its own (which
// rows, and what one stores, the session test shows); on again, they stay
// stored but hidden.
TEST_F(Settings, givesEachWorkingDayItsOwnHoursWhileSameHoursIsOff) {
    WorkingHoursSection *hours = view->workingHours();
    store.set(Keys::workingHours, true);
    QTest::mouseClick(hours->sameHoursSwitch(), Qt::LeftButton);
    DayHoursRow *friday = hours->dayRows().at(5); // Sunday first in en_US
    ASSERT_EQ(friday->day(), 5);
    EXPECT_TRUE(friday->isVisibleTo(view.get()));
    EXPECT_EQ(friday->fromEdit()->time(), QTime(9, 0)) << "starting from the common hours";

    // A night shift's break after midnight fits; one outside the hours is refused.
    friday->fromEdit()->setTime(QTime(22, 0));
    friday->toEdit()->setTime(QTime(6, 0));
    QTest::mouseClick(friday->breakSwitch(), Qt::LeftButton);
    friday->breakFromEdit()->setTime(QTime(2, 0));
    friday->breakToEdit()->setTime(QTime(2, 30));
    EXPECT_EQ(store.get(Keys::hoursFri)->toText(), "22:00-06:00 break 02:00-02:30");
    friday->breakFromEdit()->setTime(QTime(7, 0));
    EXPECT_TRUE(friday->note()->isVisibleTo(view.get()));
    EXPECT_EQ(store.get(Keys::hoursFri)->breakFrom, QTime(2, 0)) << "the stored hours stay";
    EXPECT_EQ(friday->breakFromEdit()->time(), QTime(7, 0)) << "and the typing too";
    friday->toEdit()->setTime(QTime(22, 0));
    EXPECT_EQ(friday->note()->text(), "From and To must differ");

    QTest::mouseClick(hours->sameHoursSwitch(), Qt::LeftButton);
    EXPECT_FALSE(friday->isVisibleTo(view.get()));
    EXPECT_EQ(store.get(Keys::hoursFri)->from, QTime(22, 0)) << "kept, unused";
}
