#include "ContentView.h"
#include "DesktopPlatform.h"
#include "FloatingPanel.h"
#include "RuntimeFolder.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "TempSettings.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

DesktopPlatform &desktop() {
    static const std::unique_ptr<DesktopPlatform> platform = DesktopPlatform::forThisBuild();
    return *platform;
}

} // namespace

TEST(FloatingPanel, growsDownFromItsTopOrMovesUpToStayOnScreen) {
    TempSettings temp;
    SettingsStore store(temp.path());
    FloatingPanel panel(store, desktop());
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    panel.move(free.left() + 40, free.top() + 30);
    panel.show();
    panel.fitHeight(172);
    EXPECT_EQ(panel.geometry(), QRect(free.left() + 40, free.top() + 30, 320, 172));

    panel.move(free.left() + 40, free.bottom() - 140);
    panel.fitHeight(300);
    EXPECT_EQ(panel.geometry(), QRect(free.left() + 40, free.bottom() + 1 - 300, 320, 300));

    store.set(Keys::goalEnabled, true); // the root view asks for its height
    EXPECT_EQ(panel.height(), 172);
}

TEST(FloatingPanel, comesBackWhereItWasLeftOrCentredWhenThatScreenIsGone) {
    TempSettings temp;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint saved = free.topLeft() + QPoint(37, 41);
    {
        SettingsStore store(temp.path());
        store.set(Keys::panelFrame, QRect(saved, QSize(320, 132)));
    }
    {
        SettingsStore store(temp.path());
        FloatingPanel panel(store, desktop());
        panel.present();
        EXPECT_EQ(panel.pos(), saved);
    }
    {
        SettingsStore store(temp.path());
        store.set(Keys::panelFrame, QRect(-20000, -20000, 320, 132));
        FloatingPanel panel(store, desktop());
        panel.present();
        EXPECT_EQ(panel.geometry().center(), free.center());
    }
}

TEST(RuntimeFolder, takesTheSessionFolderOnlyWhenItIsPrivate) {
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    QTemporaryDir session;
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(session.path()));
    QFile::setPermissions(session.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(RuntimeFolder::find(), session.path());

    // Open to others (or made by someone else first): Paytick's own folder.
    const QString own = cache.path() + QStringLiteral("/Paytick/run");
    QFile::setPermissions(session.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
    EXPECT_EQ(RuntimeFolder::find(), own);
    EXPECT_TRUE(RuntimeFolder::isPrivate(own));
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(RuntimeFolder::find(), own);

    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("XDG_CACHE_HOME", savedCache);
    if (savedCache.isNull())
        qunsetenv("XDG_CACHE_HOME");
}

TEST(SingleInstance, letsOneRunAndAsksItToComeForward) {
    QTemporaryDir runtime;
    SingleInstance first(runtime.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    SingleInstance second(runtime.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(activations.wait(2000));
    EXPECT_EQ(activations.count(), 1);
}

TEST(TerminationSignals, turnSigtermIntoAQuitRequest) {
    TerminationSignals termination;
    QSignalSpy received(&termination, &TerminationSignals::received);
    std::raise(SIGTERM);
    EXPECT_TRUE(received.wait(2000));
}
