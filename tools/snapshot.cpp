// Writes PNG pictures of Paytick's parts so anyone can look at them:
//   paytick_snapshot OUTPUT_FOLDER
#include "CounterView.h"
#include "DarkLook.h"
#include "DigitColor.h"
#include "Earnings.h"
#include "SettingsView.h"
#include "SetupView.h"
#include "SevenSegmentDisplay.h"
#include "Theme.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <cstdio>

namespace {

bool saveDisplay(const QString &path) {
    SevenSegmentDisplay display;
    display.setText(QStringLiteral("1,234.5678"));
    display.setPrefix(QStringLiteral("USD"));
    display.setColor(toQColor(DigitColor::green));
    display.setDimmedTrailingDigits(2);
    QImage image(584, 128, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Theme::background());
    QPainter painter(&image);
    display.paint(painter, QSizeF(292, 64));
    painter.end();
    return image.save(path);
}

// A screen as the panel shows it: margin, dark background, rounded corners.
bool saveScreen(QWidget *screen, int height, const QString &path) {
    QWidget panel;
    panel.setAutoFillBackground(false);
    auto *layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(screen);
    panel.resize(320, height);
    panel.show();
    QApplication::processEvents();
    QImage image(panel.size() * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(panel.rect()), Theme::cornerRadius, Theme::cornerRadius);
    painter.fillPath(outline, Theme::background());
    painter.end();
    panel.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.save(path);
}

const QColor green = toQColor(DigitColor::green);

bool saveScreens(const QDir &folder) {
    QTemporaryDir settingsFolder;
    SettingsStore store(settingsFolder.filePath(QStringLiteral("Paytick.conf")));
    store.set(Keys::salary, QStringLiteral("5000"));
    const Goal goal{1000, QStringLiteral("Weekend by the sea"),
                    Goal::Emoji{QStringLiteral("\U0001F3D6\uFE0F")}};
    bool saved = true;
    for (bool withGoal : {false, true}) {
        const QString suffix = withGoal ? QStringLiteral("-goal.png") : QStringLiteral(".png");
        const int height = withGoal ? 172 : 132;
        auto *setup = new SetupView(
            Setting(store, Keys::salary), Setting(store, Keys::period), [] {}, [] {}, [] {});
        setup->setColor(green);
        setup->setGoal(withGoal ? std::optional<Goal>(goal) : std::nullopt);
        saved &= saveScreen(setup, height, folder.filePath(QStringLiteral("setup") + suffix));

        const double now = 1'765'000'000.0;
        auto *counter = new CounterView([] {}, [] {}, [] {}, [now] { return now; });
        CounterView::Inputs inputs;
        inputs.start = now - 2 * 3600 - 17 * 60 - 5.3;
        inputs.perSecond = Earnings::perSecond(5000, PayPeriod::monthly) * 20;
        inputs.currency = QStringLiteral("USD");
        inputs.color = green;
        inputs.goal = withGoal ? std::optional<Goal>(goal) : std::nullopt;
        counter->setInputs(inputs);
        saved &= saveScreen(counter, height, folder.filePath(QStringLiteral("counter") + suffix));
    }
    for (bool withGoal : {false, true}) {
        store.set(Keys::goalEnabled, withGoal);
        store.set(Keys::goalAmount, QStringLiteral("1000"));
        store.set(Keys::goalText, QStringLiteral("Weekend by the sea"));
        auto *settings = new SettingsView(
            store, [] {}, [](QWidget *) { return std::nullopt; });
        settings->setFixedWidth(292);
        const int height = settings->naturalHeight() + 2 * int(Theme::padding);
        saved &= saveScreen(settings, height,
                            folder.filePath(withGoal ? QStringLiteral("settings-goal.png")
                                                     : QStringLiteral("settings.png")));
    }
    return saved;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    DarkLook::apply(application);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots"));
    folder.mkpath(QStringLiteral("."));
    const bool saved =
        saveDisplay(folder.filePath(QStringLiteral("display.png"))) && saveScreens(folder);
    std::printf("%s %s\n", saved ? "wrote pictures to" : "could not write pictures to",
                qPrintable(folder.absolutePath()));
    return saved ? 0 : 1;
}
