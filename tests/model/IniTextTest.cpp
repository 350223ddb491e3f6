#include "IniText.h"
#include "QtPrinters.h"

#include <QRect>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Values the widget stores, with everything INI text makes hard.
QVariantMap awkwardValues() {
    QByteArray bytes("\x89PNG\r\n\x1a\n\0\x01"
                     "0f\xff\\\"",
                     16);
    return {
        {QStringLiteral("plain"), QStringLiteral("5000")},
        {QStringLiteral("spaces"), QStringLiteral("  5 000,50 ")},
        {QStringLiteral("marks"), QStringLiteral("A trip, \"soon\" = 100%; [really] \\ end")},
        {QStringLiteral("controls"), QStringLiteral("line\nbreak\ttab\r")},
        {QStringLiteral("emoji"), QStringLiteral("\U0001F468\u200D\U0001F469 caf\u00e9")},
        {QStringLiteral("at"), QStringLiteral("@Variant(not really)")},
        {QStringLiteral("empty"), QString()},
        {QStringLiteral("image"), bytes},
        {QStringLiteral("MainPanel/frame"), QRect(-10, 20, 320, 172)},
    };
}

} // namespace

TEST(IniText, readsWhatItWritesExactly) {
    const QVariantMap values = awkwardValues();
    const std::optional<IniText::Reading> reading = IniText::read(IniText::write(values));
    ASSERT_TRUE(reading.has_value());
    EXPECT_FALSE(reading->leftSomethingOut);
    EXPECT_EQ(reading->values, values);
}

TEST(IniText, readsAndWritesFilesQSettingsReadsAndWrites) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("written-by-qsettings.conf"));
    const QVariantMap values = awkwardValues();
    {
        QSettings settings(path, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray byQSettings = file.readAll();
    EXPECT_EQ(IniText::read(byQSettings)->values, values);
    EXPECT_EQ(IniText::write(values), byQSettings) << "the same text, so older versions read it";
}

TEST(IniText, leavesOutFormsItDoesNotOwnAndRefusesWhatIsNoIniText) {
    const std::optional<IniText::Reading> reading =
        IniText::read("; a comment\n[General]\nkept=1\nlist=a, b\nvariant=@Variant(\\0\\0\\0\\x2)\n"
                      "point=@Point(1 2)\nbadRect=@Rect(1 2 x 4)\n");
    ASSERT_TRUE(reading.has_value());
    EXPECT_TRUE(reading->leftSomethingOut);
    EXPECT_EQ(reading->values, (QVariantMap{{QStringLiteral("kept"), QStringLiteral("1")}}));
    EXPECT_FALSE(IniText::read("[General\nsalary=1\n").has_value());
    EXPECT_FALSE(IniText::read("[General]\nsalary\n").has_value());
}
