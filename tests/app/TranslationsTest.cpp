#include "Translations.h"
#include "LocaleServices.h"

#include "ColorSection.h"
#include "ColorSwatch.h"
#include "ContentView.h"
#include "DesktopPlatform.h"
#include "FloatingPanel.h"
#include "GoalSection.h"
#include "QtPrinters.h"
#include "SegmentedControl.h"
#include "SettingsView.h"
#include "SetupView.h"
#include "TempSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The segment button a person reads as `label`, or none.
QPushButton *segment(const SegmentedControl *picker, const QString &label) {
    for (QPushButton *button : picker->findChildren<QPushButton *>())
        if (button->text() == label)
            return button;
    return nullptr;
}

DesktopPlatform &desktop() {
    static const std::unique_ptr<DesktopPlatform> platform = DesktopPlatform::forThisBuild();
    return *platform;
}

// What on `screen` does not show whole: a text wider than its control, a
// wrapped one taller, a placeholder wider than its field.
QStringList cutOff(const QWidget *screen) {
    QStringList cut;
    for (const QLabel *label : screen->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(screen) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : label->sizeHint().width() <= label->width();
        if (!fits)
            cut << label->text();
    }
    for (const QAbstractButton *button : screen->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(screen) || button->text().isEmpty())
            continue;
        // A day key's name needs only its own width; other buttons their style's margins.
        const int needed = qobject_cast<const QToolButton *>(button)
                               ? button->fontMetrics().horizontalAdvance(button->text())
                               : button->sizeHint().width();
        if (needed > button->width())
            cut << button->text();
    }
    for (const QLineEdit *field : screen->findChildren<QLineEdit *>())
        if (field->isVisibleTo(screen) && !field->placeholderText().isEmpty() &&
            field->fontMetrics().horizontalAdvance(field->placeholderText()) >
                field->contentsRect().width() - 4)
            cut << field->placeholderText();
    return cut;
}

} // namespace

TEST(Translations, takesTheFirstOfTheDesktopsLanguagesPaytickHasElseEnglish) {
    struct Case {
        QStringList languages;
        const char *chosen;
    };
    for (const Case &c :
         {Case{{"de-DE", "en-US"}, "de"}, Case{{"en-US", "de-DE"}, ""}, Case{{"pt-BR"}, "pt_BR"},
          Case{{"pt-PT", "fr-FR"}, "fr"}, Case{{"zh-Hans-CN"}, "zh_CN"}, Case{{"en-XA"}, "en_XA"},
          Case{{"eo", "C", "de"}, ""}, Case{{}, ""}})
        EXPECT_EQ(Translations(c.languages).language(), c.chosen)
            << c.languages.join(u',').toStdString();
}

// Each shipped language is embedded, speaks its own words, and turns the
// layout right to left in Arabic and Hebrew; Qt's own parts come along.
TEST(Translations, everyLanguageIsEmbeddedAndSetsItsDirection) {
    for (const QString &language : QStringLiteral(PAYTICK_LANGUAGES).split(u',')) {
        SCOPED_TRACE(language.toStdString());
        Translations translations({language});
        ASSERT_EQ(translations.language(), language);
        translations.install();
        EXPECT_NE(QCoreApplication::translate("SettingsButton", "Settings"), "Settings");
        EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
        EXPECT_NE(LocaleServices::formatInWords(1e10), "10 billion");
        const bool rightToLeft = language == u"ar" || language == u"he";
        EXPECT_EQ(QGuiApplication::layoutDirection(),
                  rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    }
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

// The file keeps its own words whatever the screen says: chosen in German,
// read in English (the session test reads an English word in German).
TEST(Translations, aFileWrittenInOneLanguageReadsTheSameInAnother) {
    TempSettings temp;
    {
        Translations german({QStringLiteral("de")});
        german.install();
        SettingsStore store(temp.path());
        SetupView setup(
            Setting(store, Keys::salary), Setting(store, Keys::period), [] {}, [] {}, [] {});
        SettingsView settings(
            store, [] {}, [](QWidget *) { return std::nullopt; });
        store.set(Keys::goalEnabled, true);
        QPushButton *yearly = segment(setup.periodPicker(), QStringLiteral("Jährlich"));
        QPushButton *image = segment(settings.goal()->picturePicker(), QStringLiteral("Bild"));
        ASSERT_TRUE(yearly && image);
        QTest::mouseClick(yearly, Qt::LeftButton);
        QTest::mouseClick(image, Qt::LeftButton);
        for (ColorSwatch *swatch : settings.colors()->swatches())
            if (swatch->toolTip() == QStringLiteral("Blau"))
                QTest::mouseClick(swatch, Qt::LeftButton);
    }
    const QByteArray file = temp.readFile();
    for (const char *line : {"period=Yearly", "goalPicture=Image", "digitColor=Blue"})
        EXPECT_TRUE(file.contains(line)) << line << " in\n" << file.constData();

    Translations english({QStringLiteral("en")});
    english.install();
    SettingsStore store(temp.path());
    SetupView setup(
        Setting(store, Keys::salary), Setting(store, Keys::period), [] {}, [] {}, [] {});
    EXPECT_EQ(setup.periodPicker()->selected(), 1);
    EXPECT_EQ(setup.periodPicker()->label(1), "Yearly");
    EXPECT_EQ(store.get(Keys::digitColor), DigitColor::blue);
}

// Every screen in every language, and the pseudo-language a third longer,
// stays 320 wide with each text whole.
TEST(Translations, everyTextFitsTheSettingsAndBothOtherScreensInEveryLanguage) {
    for (QString language : QStringLiteral(PAYTICK_LANGUAGES ",en_XA").split(u',')) {
        SCOPED_TRACE(language.toStdString());
        Translations translations({language});
        translations.install();
        TempSettings temp;
        SettingsStore store(temp.path());
        store.set(Keys::goalEnabled, true);
        store.set(Keys::goalAmount, QStringLiteral("x"));
        store.set(Keys::goalText, QStringLiteral("Trip"));
        store.set(Keys::goalPicture, GoalPictureKind::image);
        store.set(Keys::workingHours, true);
        store.set(Keys::breakEnabled, true);
        store.set(Keys::salary, QStringLiteral("99999999999"));
        FloatingPanel panel(store, desktop());
        panel.present();
        QApplication::processEvents();
        const auto screenFits = [&panel](const char *name) {
            QApplication::processEvents();
            EXPECT_EQ(panel.width(), 320) << name;
            EXPECT_EQ(cutOff(&panel).join(u'|').toStdString(), "") << name;
        };
        screenFits("setup with the limit's note");
        panel.content()->openSettings();
        screenFits("settings");
        store.set(Keys::goalPicture, GoalPictureKind::emoji);
        screenFits("settings with an emoji");
        panel.content()->closeSettings();
        store.set(Keys::salary, QStringLiteral("5000"));
        store.set(Keys::goalAmount, QStringLiteral("5000"));
        panel.content()->start();
        screenFits("counter");
    }
}

// The panel's menu in the pseudo-language: every item is Paytick's text, translated.
TEST(Translations, theMenuSpeaksTheLanguage) {
    Translations translations({QStringLiteral("en_XA")});
    translations.install();
    TempSettings temp;
    SettingsStore store(temp.path());
    FloatingPanel panel(store, desktop());
    panel.present();
    QStringList items;
    QTimer::singleShot(0, [&items] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            for (const QAction *action : menu->actions())
                if (!action->isSeparator())
                    items << action->text();
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(100, 6),
                            panel.mapToGlobal(QPoint(100, 6)));
    QApplication::sendEvent(&panel, &event);
    ASSERT_EQ(items.size(), 4);
    for (const QString &item : items)
        EXPECT_TRUE(item.startsWith(u'[') && item.endsWith(u']')) << item.toStdString();
}
