#include "IniText.h"
#include "QSettingsDifference.h"
#include "QtPrinters.h"

#include <QRect>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

// Values the widget stores, with everything INI text makes hard.
QVariantMap awkwardValues() {
    QByteArray bytes("\x89PNG\r\n\x1a\n\0\x01"
                     "0f\xff\\\"\0"
                     "1",
                     18);
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
    const IniText::Reading reading = IniText::read(IniText::write(values));
    EXPECT_FALSE(reading.leftSomethingOut);
    EXPECT_EQ(reading.values, values);
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
    EXPECT_EQ(IniText::read(byQSettings).values, values);
    EXPECT_EQ(IniText::write(values), byQSettings) << "the same text, so older versions read it";
}

TEST(IniText, leavesOutFormsItDoesNotOwnAndTellsOfAnythingLeftOut) {
    const IniText::Reading forms =
        IniText::read("# a comment\n[General]\nkept=1\nlist=a, b\nvariant=@Variant(\\0\\0\\0\\x2)\n"
                      "point=@Point(1 2)\nsize=@Size(1 2)\n");
    EXPECT_TRUE(forms.leftSomethingOut);
    EXPECT_EQ(forms.values, (QVariantMap{{QStringLiteral("kept"), QStringLiteral("1")}}));
    const QByteArray malformed[] = {"[General\nsalary=1\n", "[General]\nsalary=1\nstray\n",
                                    "salary=0\nsalary=1, 2\nsalary=1\n"};
    for (const QByteArray &text : malformed) {
        const IniText::Reading reading = IniText::read(text);
        EXPECT_TRUE(reading.leftSomethingOut) << text.constData();
        EXPECT_EQ(reading.values, (QVariantMap{{QStringLiteral("salary"), QStringLiteral("1")}}));
    }
    EXPECT_FALSE(IniText::read("; a comment\n# another\nsalary=1 ; why\n").leftSomethingOut);
}

namespace {

// Each text in a file of its own.
QString differenceFromQSettings(const QTemporaryDir &dir, const QByteArray &content) {
    static int files = 0;
    return differenceFromQSettings(dir.filePath(QString::number(++files)), content);
}

} // namespace

TEST(IniText, readsHandEditedFilesAsQSettingsDoes) {
    const QByteArray files[] = {
        "goalText=a;b\nsalary=\"5;000\" ; the old one\nperiod=x # y\n",
        "; note\n# note\n  ;indented note\nsalary=1\n",
        "[MainPanel]\nframe=@Rect(1 2 3))\n",
        "=orphan\nsalary=5\n\"start=edAt\"=6\n",
        "salary=@String(7)\ngoalText=@Rect(1 2 3)\nperiod=@odd\ngoalImage=@ByteArray(\xC4\x80)\n",
        "goalText=a \\\nperiod=\"  \"x  \n",
    };
    QTemporaryDir dir;
    for (const QByteArray &content : files)
        EXPECT_EQ(differenceFromQSettings(dir, content), "")
            << content.toPercentEncoding(" =;#[]\"@\\").constData();
}

TEST(IniText, readsRandomTextsAsQSettingsDoes) {
    // Lines as editors on any system leave them, joined by random line ends.
    const QByteArray lines[] = {
        "salary=5000",
        "goalText= 5 000 ",
        "goalText=\"a;b\"",
        "goalText=a;b",
        "goalText=a\\xg",
        "startedAt=\\x41B\\x",
        "period=\\101\\0",
        "goalText=x\\tq",
        "goalText=a # b",
        "goalText=\"two\rones\"",
        "goalText=a\\\nb",
        "goalText=x,y",
        "salary=",
        "goalText=caf\xC3\xA9",
        "; comment",
        "# comment",
        "#salary=9",
        "",
        "   ",
        "[General]",
        "[general]",
        "[MainPanel]",
        "frame=@Rect(1 2 3 4)",
        "[Other]",
        "goalImage=@ByteArray(ab)",
        "salary=@@x",
        "goalText=\"q\" tail ",
        "salary = 12 ",
        "sal%61ry=%",
        "goalText=\"open",
        "goalText=end\\",
        "stray",
        "[General] x",
        "[%General]",
        "[MainPanel",
        "period=\\x",
    };
    const QByteArray ends[] = {"\n", "\r", "\r\n", "\n\r"};
    std::mt19937 random(21);
    QTemporaryDir dir;
    for (int n = 0; n < 3000; ++n) {
        QByteArray content = random() % 4 == 0 ? "\xEF\xBB\xBF" : "";
        for (int count = int(random() % 8); count >= 0; --count)
            content += lines[random() % std::size(lines)] + ends[random() % std::size(ends)];
        ASSERT_EQ(differenceFromQSettings(dir, content), "")
            << content.toPercentEncoding(" =;#[]\"@\\").constData();
    }
}
