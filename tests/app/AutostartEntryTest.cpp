#include "AutostartEntry.h"
#include "QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(AutostartEntry, quotesTheCommandWhereTheDesktopEntryFormatNeedsIt) {
    struct Row {
        const char *command;
        const char *exec;
    };
    const Row rows[] = {
        {"paytick", "paytick"},
        {"/usr/bin/paytick", "/usr/bin/paytick"},
        {"/home/ana/my builds/paytick", "\"/home/ana/my builds/paytick\""},
        {"/opt/it's/paytick", "\"/opt/it's/paytick\""},
        {"/opt/$HOME/paytick", "\"/opt/\\\\$HOME/paytick\""},
        {"/opt/a\"b/paytick", "\"/opt/a\\\\\"b/paytick\""},
        {"/opt/a\\b/paytick", "\"/opt/a\\\\\\\\b/paytick\""},
        {"/opt/100%/paytick", "/opt/100%%/paytick"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(AutostartEntry::execValue(QString::fromUtf8(row.command)),
                  QString::fromUtf8(row.exec))
            << row.command;
}

TEST(AutostartEntry, writesAndRemovesTheEntry) {
    QTemporaryDir home;
    const AutostartEntry entry(home.filePath(QStringLiteral("autostart")),
                               QStringLiteral("/opt/pay tick/paytick"));
    EXPECT_FALSE(entry.isOn());
    EXPECT_EQ(entry.turn(true), "");
    EXPECT_TRUE(entry.isOn());
    QFile file(entry.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(content.contains("\nExec=\"/opt/pay tick/paytick\"\n"));
    EXPECT_EQ(entry.turn(false), "");
    EXPECT_FALSE(entry.isOn());
    EXPECT_EQ(entry.turn(false), "") << "already off";
}

TEST(AutostartEntry, aFolderThatCannotBeMadeIsToldAndChangesNothing) {
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("autostart")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const AutostartEntry entry(blocker.fileName(), QStringLiteral("paytick"));
    EXPECT_NE(entry.turn(true), "");
    EXPECT_FALSE(entry.isOn());
}
