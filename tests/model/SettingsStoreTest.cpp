#include "SettingsStore.h"
#include "Currency.h"
#include "DigitColor.h"
#include "PayPeriod.h"
#include "QtPrinters.h"
#include "TempSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRect>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(SettingsStore, readsEveryDefaultFromAnEmptyFileWithoutWriting) {
    TempSettings temp;
    const SettingsStore store(temp.path());
    const auto readsItsDefault = [&](const auto &key) {
        EXPECT_EQ(store.get(key), key.fallback()) << key.name.data();
    };
    std::apply([&](const auto &...key) { (readsItsDefault(key), ...); }, Keys::all);
    EXPECT_FALSE(QFileInfo::exists(temp.path()));
}

TEST(SettingsStore, readsWrongCaseWrongTypeAndOversizedValuesAsDefaults) {
    TempSettings temp;
    temp.writeFile("[General]\nperiod=yearly\nstartedAt=abc\ngoalEnabled=maybe\n"
                   "goalImage=not bytes\n"
                   "salary=@ByteArray(5000)\nworkDays=mon,tue\nworkFrom=9:00\nworkTo=25:00\n"
                   "breakFrom=12:00:00\ngoalText=" +
                   QByteArray(100 * 1024, 'x') + "\n");
    const SettingsStore store(temp.path());
    EXPECT_EQ(store.get(Keys::period), PayPeriod::monthly);
    EXPECT_EQ(store.get(Keys::startedAt), 0.0);
    EXPECT_FALSE(store.get(Keys::goalEnabled));
    EXPECT_EQ(store.get(Keys::goalImage), std::nullopt);
    EXPECT_EQ(store.get(Keys::salary), "");
    EXPECT_EQ(store.get(Keys::goalText), "");
    EXPECT_EQ(store.get(Keys::workDays), WeekDays::mondayToFriday());
    EXPECT_EQ(store.get(Keys::workFrom), QTime(9, 0));
    EXPECT_EQ(store.get(Keys::workTo), QTime(17, 0));
    EXPECT_EQ(store.get(Keys::breakFrom), QTime(12, 0));
}

TEST(SettingsStore, readsACurrencyOnlyAsThreeCapitalLetters) {
    for (const QByteArray &code :
         {QByteArray("usd"), QByteArray("EURO"), QByteArray(10240, 'A'), QByteArray("E1R")}) {
        TempSettings temp;
        temp.writeFile("[General]\ncurrency=" + code + "\n");
        EXPECT_EQ(SettingsStore(temp.path()).get(Keys::currency), Currency::defaultCode());
    }
    TempSettings temp;
    temp.writeFile("[General]\ncurrency=JPY\n");
    EXPECT_EQ(SettingsStore(temp.path()).get(Keys::currency), "JPY");
}

TEST(SettingsStore, keepsEveryValueExactlyThroughTheFile) {
    TempSettings temp;
    const double moment = 1765055225.123456789;
    const QByteArray image("\x89PNG\r\n\x1a\n\0\xff binary", 18);
    {
        SettingsStore store(temp.path());
        store.set(Keys::salary, QStringLiteral(" 5 000,50 "));
        store.set(Keys::period, PayPeriod::yearly);
        store.set(Keys::startedAt, moment);
        store.set(Keys::goalEnabled, true);
        store.set(Keys::goalText, QStringLiteral("A trip, \"soon\" = 100%; [really]"));
        store.set(Keys::goalImage, image);
        store.set(Keys::workDays, *WeekDays::fromText(u"Sat,Sun"));
        store.set(Keys::workFrom, QTime(22, 30));
        store.set(Keys::panelFrame, QRect(10, 20, 320, 132));
    }
    const SettingsStore second(temp.path());
    EXPECT_EQ(second.get(Keys::salary), " 5 000,50 ");
    EXPECT_EQ(second.get(Keys::period), PayPeriod::yearly);
    EXPECT_EQ(second.get(Keys::startedAt), moment);
    EXPECT_TRUE(second.get(Keys::goalEnabled));
    EXPECT_EQ(second.get(Keys::goalText), "A trip, \"soon\" = 100%; [really]");
    EXPECT_EQ(second.get(Keys::goalImage), image);
    EXPECT_EQ(second.get(Keys::workDays).toText(), "Sat,Sun");
    EXPECT_EQ(second.get(Keys::workFrom), QTime(22, 30));
    // Quoted, as QSettings writes a text with a comma.
    EXPECT_TRUE(temp.readFile().contains("\nworkDays=\"Sat,Sun\"\n"));
    EXPECT_TRUE(temp.readFile().contains("\nworkFrom=22:30\n"));
    EXPECT_EQ(second.get(Keys::panelFrame), QRect(10, 20, 320, 132));
    // The form earlier versions wrote, so that their places read.
    EXPECT_TRUE(temp.readFile().contains("\n[MainPanel]\nframe=@Rect(10 20 320 132)\n"));
}

TEST(SettingsStore, readsThePanelsPlaceAsEarlierVersionsStoredIt) {
    TempSettings temp;
    temp.writeFile("[General]\nsalary=5000\n\n[MainPanel]\nframe=@Rect(-10 20 320 172)\n");
    EXPECT_EQ(SettingsStore(temp.path()).get(Keys::panelFrame), QRect(-10, 20, 320, 172));
}

TEST(SettingsStore, announcesEachRealChangeOnce) {
    TempSettings temp;
    SettingsStore store(temp.path());
    QSignalSpy spy(&store, &SettingsStore::changed);
    store.set(Keys::salary, QStringLiteral("5000"));
    store.set(Keys::salary, QStringLiteral("5000"));
    store.set(Keys::startedAt, 12.5);
    store.set(Keys::startedAt, 12.5);
    store.set(Keys::goalEnabled, false); // absent until written
    store.set(Keys::goalEnabled, false);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[0][0].toString(), "salary");
    EXPECT_EQ(spy[1][0].toString(), "startedAt");
    EXPECT_EQ(spy[2][0].toString(), "goalEnabled");
}

TEST(SettingsStore, survivesGarbageAndKeepsACopyBeforeReplacingIt) {
    const QByteArray garbage[] = {
        QByteArray("\0\xff\xfe[[[=\x01\x02", 10),
        QByteArray("[General\nsalary"),
        QByteArray(),
        QByteArray("[General]\nsalary=\xc3\x28\n"),
    };
    for (const QByteArray &content : garbage) {
        TempSettings temp;
        temp.writeFile(content);
        SettingsStore store(temp.path());
        EXPECT_EQ(store.get(Keys::startedAt), 0.0);
        store.set(Keys::salary, QStringLiteral("42"));
        EXPECT_EQ(SettingsStore(temp.path()).get(Keys::salary), "42");
        QFile backup(temp.path() + QStringLiteral(".bad.1"));
        if (backup.open(QIODevice::ReadOnly))
            EXPECT_EQ(backup.readAll(), content);
        else
            EXPECT_TRUE(content.isEmpty()) << "only an empty file may be replaced without a copy";
    }
}

TEST(SettingsStore, keepsEverythingAndTriesAgainUntilAWriteSucceeds) {
    TempSettings temp;
    // A folder that is a file cannot be created, even by root: a disk that
    // refuses writes, until the blocker goes.
    const QString blocker = temp.folder() + QStringLiteral("/blocked");
    QFile(blocker).open(QIODevice::WriteOnly);
    const QString path = blocker + QStringLiteral("/Paytick.conf");
    SettingsStore store(path);
    store.setRetryInterval(std::chrono::milliseconds(1));
    QSignalSpy problems(&store, &SettingsStore::saveProblemChanged);
    store.set(Keys::salary, QStringLiteral("5000"));
    store.set(Keys::startedAt, 99.5);
    EXPECT_EQ(store.get(Keys::salary), "5000");
    EXPECT_EQ(store.get(Keys::startedAt), 99.5);
    EXPECT_TRUE(store.saveProblem().startsWith("cannot make its folder"))
        << store.saveProblem().toStdString();
    EXPECT_EQ(problems.count(), 1) << "told once, not per write";
    EXPECT_EQ(store.unsavedKeys(), (QStringList{"salary", "startedAt"}));

    ASSERT_TRUE(QFile::remove(blocker));
    EXPECT_TRUE(problems.wait(5000)) << "the retry writes, with nothing changed";
    EXPECT_EQ(store.saveProblem(), "");
    EXPECT_EQ(problems.count(), 2);
    EXPECT_EQ(store.unsavedKeys(), QStringList());
    const SettingsStore reread(path);
    EXPECT_EQ(reread.get(Keys::salary), "5000") << "the write that failed is not lost";
    EXPECT_EQ(reread.get(Keys::startedAt), 99.5);
}

TEST(SettingsStore, neverLetsAValueInAnotherFormSteerItAndKeepsTheFileAside) {
    // Forms QSettings would decode with QDataStream: an int that a later write
    // would turn into the plain text "41", a list nested 30,000 deep, and a
    // list claiming four billion entries.
    const QByteArray nested = "@Variant(" + QByteArray(30000 * 4, 'x') + ")";
    const QByteArray hostile[] = {
        "startedAt=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0))", // the int 41
        "junk=" + nested,
        "junk=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xff)",
        "startedAt=41, 42",
        "[Other]\nstartedAt=41",
    };
    for (const QByteArray &line : hostile) {
        TempSettings temp;
        const QByteArray content = "[General]\nsalary=5000\n" + line + "\n";
        temp.writeFile(content);
        {
            SettingsStore store(temp.path());
            EXPECT_EQ(store.get(Keys::salary), "5000") << line.left(40).constData();
            EXPECT_EQ(store.get(Keys::startedAt), 0.0);
            store.set(Keys::goalText, QStringLiteral("bike"));
        }
        EXPECT_EQ(SettingsStore(temp.path()).get(Keys::startedAt), 0.0) << "still not counting";
        EXPECT_FALSE(temp.readFile().contains("junk")) << "only Paytick's own keys are written";
        QFile copy(temp.path() + QStringLiteral(".bad.1"));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), content);
    }
}

TEST(SettingsStore, writesAFileItCanReadEvenFromAFileAtTheLimit) {
    // Junk near the reader's 16 MiB limit, in values a writer must quote.
    QByteArray content = "[General]\nsalary=5000\n";
    const qsizetype target = 16 * 1024 * 1024 - 100;
    for (int n = 0; content.size() < target - 70000; ++n)
        content += "junk" + QByteArray::number(n) + '=' + QByteArray(65000, ';') + '\n';
    content += "junk=" + QByteArray(target - content.size() - 6, 'x') + '\n';
    TempSettings temp;
    temp.writeFile(content);
    SettingsStore(temp.path()).set(Keys::goalText, QString(49, u'g'));
    const SettingsStore reread(temp.path());
    EXPECT_EQ(reread.get(Keys::salary), "5000");
    EXPECT_EQ(reread.get(Keys::goalText), QString(49, u'g'));
    EXPECT_LT(temp.readFile().size(), 1000);
}

TEST(SettingsStore, keepsTheLastFiveCopiesOfFilesItCouldNotUse) {
    TempSettings temp;
    for (int i = 1; i <= 7; ++i) {
        temp.writeFile("[General]\nsalary=" + QByteArray::number(i) + "\nforeign=yes\n");
        SettingsStore(temp.path()).set(Keys::goalText, QStringLiteral("x"));
    }
    const QDir folder = QFileInfo(temp.path()).dir();
    EXPECT_EQ(folder.entryList({QStringLiteral("Paytick.conf.bad.*")}, QDir::Files, QDir::Name),
              (QStringList{"Paytick.conf.bad.3", "Paytick.conf.bad.4", "Paytick.conf.bad.5",
                           "Paytick.conf.bad.6", "Paytick.conf.bad.7"}));
    QFile newest(folder.filePath(QStringLiteral("Paytick.conf.bad.7")));
    ASSERT_TRUE(newest.open(QIODevice::ReadOnly));
    EXPECT_TRUE(newest.readAll().contains("salary=7"));
}

TEST(SettingsStore, readsFilesFromAnyEditorAndKeepsEveryKeyThroughAWrite) {
    const QByteArray files[] = {
        "salary=5000\rperiod=Yearly\rstartedAt=1796000000\rgoalText=new bike\r",
        "\xEF\xBB\xBF[General]\nsalary=5000\nperiod=Yearly\nstartedAt=1796000000\ngoalText=new "
        "bike\n",
        "; mine\nsalary=5000 ; a raise soon\nperiod=Yearly\nstartedAt=1796000000\ngoalText=new "
        "bike",
    };
    for (const QByteArray &content : files) {
        TempSettings temp;
        temp.writeFile(content);
        SettingsStore(temp.path()).set(Keys::amountHidden, true);
        const SettingsStore reread(temp.path());
        EXPECT_EQ(reread.get(Keys::salary), "5000") << content.constData();
        EXPECT_EQ(reread.get(Keys::period), PayPeriod::yearly);
        EXPECT_EQ(reread.get(Keys::startedAt), 1796000000.0);
        EXPECT_EQ(reread.get(Keys::goalText), "new bike");
        EXPECT_TRUE(reread.get(Keys::amountHidden));
        EXPECT_FALSE(QFileInfo::exists(temp.path() + ".bad.1")) << "nothing was left out";
    }
}

TEST(SettingsStore, twoStoresOnOneFileNeverUndoEachOther) {
    TempSettings temp;
    temp.writeFile("[General]\nsalary=5000\nstartedAt=100\n");
    SettingsStore a(temp.path());
    SettingsStore b(temp.path());
    QSignalSpy heardByB(&b, &SettingsStore::changed);
    a.set(Keys::amountHidden, true);
    b.set(Keys::panelFrame, QRect(5, 6, 320, 132));
    EXPECT_TRUE(b.get(Keys::amountHidden)) << "read again before writing";
    EXPECT_TRUE(heardByB.contains({QStringLiteral("amountHidden")}));
    b.set(Keys::startedAt, 0.0); // stopped on B
    a.set(Keys::digitColor, DigitColor::cyan);
    EXPECT_EQ(a.get(Keys::startedAt), 0.0);
    // Per key, the last writer wins.
    a.set(Keys::goalText, QStringLiteral("from A"));
    b.set(Keys::goalText, QStringLiteral("from B"));
    const SettingsStore reread(temp.path());
    EXPECT_TRUE(reread.get(Keys::amountHidden));
    EXPECT_EQ(reread.get(Keys::panelFrame), QRect(5, 6, 320, 132));
    EXPECT_EQ(reread.get(Keys::startedAt), 0.0);
    EXPECT_EQ(reread.get(Keys::digitColor), DigitColor::cyan);
    EXPECT_EQ(reread.get(Keys::goalText), "from B");
    EXPECT_EQ(reread.get(Keys::salary), "5000");
}

TEST(SettingsStore, hearsAnotherWritersChangeWithoutWritingItself) {
    TempSettings temp;
    SettingsStore a(temp.path());
    a.set(Keys::salary, QStringLiteral("5000")); // the folder now exists
    SettingsStore b(temp.path());
    QSignalSpy heardByB(&b, &SettingsStore::changed);
    a.set(Keys::amountHidden, true); // each write replaces the file
    ASSERT_TRUE(heardByB.wait(10'000));
    EXPECT_EQ(heardByB.takeFirst(), QVariantList{QStringLiteral("amountHidden")});
    EXPECT_TRUE(b.get(Keys::amountHidden));
    // Edited in place by hand, keeping the inode.
    QFile file(temp.path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("goalText=by hand\n");
    file.close();
    ASSERT_TRUE(heardByB.wait(10'000));
    EXPECT_EQ(b.get(Keys::goalText), "by hand");
}

namespace {

// A disk on which keeping a copy fails.
class NoCopiesDisk : public AtomicFile::Disk {
public:
    QString copy(const QString &, const QString &) override {
        ++tries;
        return QStringLiteral("No space left on device");
    }
    int tries = 0;
};

} // namespace

TEST(SettingsStore, aCopyThatCannotBeKeptHoldsTheWriteBackOnlyOnce) {
    TempSettings temp;
    temp.writeFile("[General]\nsalary=5000\nforeign=yes\n");
    NoCopiesDisk disk;
    SettingsStore store(temp.path(), &disk);
    store.set(Keys::goalText, QStringLiteral("bike"));
    EXPECT_TRUE(store.saveProblem().startsWith("cannot keep a copy of the old file"))
        << store.saveProblem().toStdString();
    EXPECT_TRUE(store.saveProblem().endsWith("No space left on device"));
    EXPECT_TRUE(temp.readFile().contains("foreign")) << "held back once";
    EXPECT_TRUE(store.save()) << "the retry writes";
    EXPECT_EQ(store.saveProblem(), "");
    EXPECT_EQ(disk.tries, 2);
    EXPECT_EQ(SettingsStore(temp.path()).get(Keys::goalText), "bike");
}

TEST(SettingsStore, copiesWithOddNumbersNeverStopSaving) {
    for (const char *odd : {"2147483647", "9223372036854775807", "99999999999999999999999"}) {
        TempSettings temp;
        temp.writeFile("[General]\nsalary=5000\nforeign=yes\n");
        const QDir folder = QFileInfo(temp.path()).dir();
        QFile(folder.filePath(QStringLiteral("Paytick.conf.bad.") + odd))
            .open(QIODevice::WriteOnly);
        SettingsStore store(temp.path());
        store.set(Keys::goalText, QStringLiteral("bike"));
        EXPECT_EQ(store.saveProblem(), "") << odd;
        store.set(Keys::goalText, QStringLiteral("car"));
        EXPECT_EQ(SettingsStore(temp.path()).get(Keys::goalText), "car");
        QFile copy(folder.filePath(QStringLiteral("Paytick.conf.bad.1")));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << odd;
        EXPECT_TRUE(copy.readAll().contains("foreign=yes"));
    }
}
