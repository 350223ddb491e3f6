#include "TypingPause.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

TEST(TypingPause, handsTheTextOverOnceWhenTypingPausesOrEndsAndNotBefore) {
    using namespace std::chrono_literals;
    struct Row {
        const char *ending;
        std::function<void(QLineEdit *, QWidget *)> end;
    };
    const Row rows[] = {
        {"a pause", [](QLineEdit *, QWidget *) { QApplication::processEvents(); }},
        {"Return", [](QLineEdit *field, QWidget *) { QTest::keyClick(field, Qt::Key_Return); }},
        {"leaving the field",
         [](QLineEdit *field, QWidget *) {
             QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
             QApplication::sendEvent(field, &out);
         }},
        {"closing its screen", [](QLineEdit *, QWidget *screen) { screen->hide(); }},
    };
    for (const Row &row : rows) {
        QWidget screen;
        auto *field = new QLineEdit(&screen);
        QStringList handed;
        // No pause at all: the timer fires at the next turn of the event loop.
        const bool pauses = std::string_view(row.ending) == "a pause";
        new TypingPause(
            field, [&](const QString &text) { handed << text; }, pauses ? 0ms : 1h);
        screen.show();
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("1234567890"));
        EXPECT_TRUE(handed.isEmpty()) << row.ending;
        row.end(field, &screen);
        EXPECT_EQ(handed, QStringList{"1234567890"}) << row.ending;
    }
}
