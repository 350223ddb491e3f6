#include "ContentView.h"
#include "FakeWindowServices.h"
#include "FloatingPanel.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "TempSettings.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

TEST(FloatingPanel, isABorderlessPanelOnTopOutOfTheTaskBar) {
    FakeWindowServices services;
    TempSettings temp;
    SettingsStore store(temp.path());
    FloatingPanel panel(store);
    const Qt::WindowFlags flags = panel.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(panel.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(panel.size(), QSize(320, 132));
}

TEST(FloatingPanel, comesBackWhereItWasLeftOrCentredWhenThatScreenIsGone) {
    FakeWindowServices services;
    TempSettings temp;
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint saved = free.topLeft() + QPoint(37, 41);
    {
        SettingsStore store(temp.path());
        store.setExtra(QStringLiteral("MainPanel/frame"), QRect(saved, QSize(320, 132)));
    }
    {
        SettingsStore store(temp.path());
        FloatingPanel panel(store);
        panel.present();
        EXPECT_EQ(panel.pos(), saved);
    }
    {
        SettingsStore store(temp.path());
        store.setExtra(QStringLiteral("MainPanel/frame"), QRect(-20000, -20000, 320, 132));
        FloatingPanel panel(store);
        panel.present();
        EXPECT_EQ(panel.geometry().center(), free.center());
    }
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
