#include "AtomicFile.h"
#include "QtPrinters.h"
#include "TempSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct stat statusOf(const QString &path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status;
}

// Lists each durable step as it happens, and fails the one it is told to.
class RecordingDisk : public AtomicFile::Disk {
public:
    bool syncFile(const QString &path) override {
        steps << QStringLiteral("sync ") + contentOf(path);
        return failing != QLatin1StringView("sync") && Disk::syncFile(path);
    }
    bool rename(const QString &from, const QString &to) override {
        steps << QStringLiteral("rename ") + contentOf(from) + QStringLiteral(" over ") +
                     QFileInfo(to).fileName();
        return failing != QLatin1StringView("rename") && Disk::rename(from, to);
    }
    bool syncFolder(const QString &path) override {
        steps << QStringLiteral("sync folder ") + QFileInfo(path).fileName();
        return Disk::syncFolder(path);
    }

    static QString contentOf(const QString &path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    QStringList steps;
    QString failing;
};

} // namespace

TEST(AtomicFile, replacesTheFileWithANewOneEveryTime) {
    // A write in place would keep the inode, and a crash mid-write would
    // leave half a file.
    TempSettings temp;
    temp.writeFile("old");
    AtomicFile file(temp.path());
    ino_t previous = statusOf(temp.path()).st_ino;
    for (const QByteArray content : {"one", "two", "three"}) {
        ASSERT_EQ(file.write(content), "");
        EXPECT_NE(statusOf(temp.path()).st_ino, previous) << content.constData();
        EXPECT_EQ(temp.readFile(), content);
        previous = statusOf(temp.path()).st_ino;
    }
}

TEST(AtomicFile, syncsTheDataBeforeTheRenameAndTheFolderAfter) {
    TempSettings temp;
    RecordingDisk disk;
    AtomicFile file(temp.path(), &disk);
    ASSERT_EQ(file.write("new"), "");
    EXPECT_EQ(disk.steps,
              (QStringList{"sync new", "rename new over Paytick.conf", "sync folder Paytick"}));
}

TEST(AtomicFile, aFailedStepKeepsTheOldContentAndLeavesNothingBehind) {
    for (const char *step : {"sync", "rename"}) {
        TempSettings temp;
        temp.writeFile("old");
        RecordingDisk disk;
        disk.failing = QString::fromLatin1(step);
        EXPECT_NE(AtomicFile(temp.path(), &disk).write("new"), "") << step;
        EXPECT_EQ(temp.readFile(), "old") << step;
        EXPECT_EQ(QDir(QFileInfo(temp.path()).path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"Paytick.conf"})
            << step;
    }
}

TEST(AtomicFile, createsAPrivateFileInAPrivateFolder) {
    TempSettings temp;
    ASSERT_EQ(AtomicFile(temp.path()).write("salary"), "");
    EXPECT_EQ(statusOf(temp.path()).st_mode & 0777, 0600u);
    EXPECT_EQ(statusOf(QFileInfo(temp.path()).path()).st_mode & 0777, 0700u);
}

TEST(AtomicFile, writesThroughALinkToItsTarget) {
    TempSettings temp;
    const QString dotfiles = temp.folder() + QStringLiteral("/dotfiles");
    QDir().mkpath(dotfiles);
    QDir().mkpath(QFileInfo(temp.path()).path());
    const QString target = dotfiles + QStringLiteral("/Paytick.conf");
    ASSERT_TRUE(QFile::link(target, temp.path()));
    ASSERT_EQ(AtomicFile(temp.path()).write("2"), "");
    EXPECT_TRUE(QFileInfo(temp.path()).isSymLink());
    EXPECT_EQ(RecordingDisk::contentOf(target), "2");
}

TEST(AtomicFile, removesTemporariesLeftByAKilledWriterOnly) {
    TempSettings temp;
    temp.writeFile("[General]\nsalary=1\n");
    const QDir folder = QFileInfo(temp.path()).dir();
    const QString dead = QStringLiteral("Paytick.conf.2147483647-a1B2c3");
    const QString earlier = QStringLiteral("Paytick.conf.Xy12Zq.lock");
    const QString alive =
        QStringLiteral("Paytick.conf.%1-d4E5f6").arg(QCoreApplication::applicationPid());
    for (const QString &name : {dead, earlier, alive}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    AtomicFile(temp.path()).removeLeftovers();
    EXPECT_FALSE(folder.exists(dead));
    EXPECT_FALSE(folder.exists(earlier));
    EXPECT_TRUE(folder.exists(alive)) << "a running writer's file stays";
    EXPECT_TRUE(folder.exists(QStringLiteral("Paytick.conf")));
}
