#include "AutostartEntry.h"
#include "QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(AutostartEntry, quotesTheCommandWhereTheDesktopEntryFormatNeedsIt) {
    struct Row {
        const char *command;
        const char *exec;
    };
    const Row rows[] = {
        {"/usr/bin/paytick", "/usr/bin/paytick"},
        {"/home/ana/my builds/paytick", "\"/home/ana/my builds/paytick\""},
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

TEST(AutostartEntry, refusesAPathNoLoginCouldStart) {
    // Control characters make the entry invalid; GLib's launcher looks for
    // a program named with the escaped "%%" and finds none.
    for (const char *command : {"/opt/a\tb/paytick", "/opt/a\rb/paytick", "/opt/a\nb/paytick",
                                "/opt/a\x7f"
                                "b/paytick",
                                "/opt/100%/paytick"}) {
        QTemporaryDir home;
        const AutostartEntry entry(home.filePath(QStringLiteral("autostart")),
                                   QString::fromUtf8(command));
        EXPECT_NE(entry.turn(true), "") << command;
        EXPECT_FALSE(QFileInfo::exists(entry.filePath())) << command;
    }
}

namespace {

// An entry of the user's own for Paytick, as a desktop's settings write it.
QByteArray usersEntry(const QByteArray &extra) {
    return "# mine\n[Desktop Entry]\nType=Application\nName=Pay\nExec=paytick --mine\n" + extra +
           "\n[Desktop Action x]\nHidden=false\n";
}

QByteArray contentOf(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

TEST(AutostartEntry, isOnOnlyWhenTheEntryWouldStartPaytick) {
    struct Row {
        QByteArray extra;
        bool on;
    };
    const Row rows[] = {
        {"", true},
        {"Hidden=true", false},
        {"Hidden = true", false},
        {"X-GNOME-Autostart-enabled=false", false},
        {"Hidden=false\nX-GNOME-Autostart-enabled=true", true},
    };
    for (const Row &row : rows) {
        QTemporaryDir home;
        const AutostartEntry entry(home.path(), QStringLiteral("paytick"));
        QFile file(entry.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(usersEntry(row.extra));
        file.close();
        EXPECT_EQ(entry.isOn(), row.on) << row.extra.constData();
    }
}

TEST(AutostartEntry, turnsTheUsersOwnEntryOffAndOnInPlace) {
    for (const QByteArray &extra : {QByteArray(), QByteArray("X-GNOME-Autostart-enabled=true"),
                                    QByteArray("X-GNOME-Autostart-enabled=false")}) {
        QTemporaryDir home;
        const AutostartEntry entry(home.path(), QStringLiteral("paytick"));
        QFile file(entry.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(usersEntry(extra));
        file.close();
        EXPECT_EQ(entry.turn(false), "") << extra.constData();
        EXPECT_FALSE(entry.isOn());
        EXPECT_EQ(contentOf(entry.filePath()),
                  usersEntry(extra).replace("[Desktop Entry]\n", "[Desktop Entry]\nHidden=true\n"))
            << "never deleted, only turned off";
        EXPECT_EQ(entry.turn(true), "");
        EXPECT_TRUE(entry.isOn()) << extra.constData();
        EXPECT_TRUE(contentOf(entry.filePath()).contains("\nExec=paytick --mine\n"));
    }
}
