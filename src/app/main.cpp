#include "CommandLine.h"
#include "ContentView.h"
#include "DarkLook.h"
#include "DesktopPlatform.h"
#include "FloatingPanel.h"
#include "Log.h"
#include "RuntimeFolder.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "TerminationSignals.h"
#include "Translations.h"

#include <QApplication>
#include <QDateTime>
#include <QIcon>

#include <cstdio>

namespace {

// Qt's Wayland backend cannot keep a window on top or place it, which is the
// whole point of this panel; XWayland can.
void preferXWayland(int argc, char **argv) {
    if (CommandLine::choosesPlatform(argc, argv))
        return;
    const bool wayland =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!wayland || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
    qCInfo(paytick, "running through XWayland so the panel can stay on top.");
}

// For measurements: the wall-clock moment of the first painted frame.
class FirstFrameReporter : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            qCInfo(paytick, "first frame at %.3f", QDateTime::currentMSecsSinceEpoch() / 1000.0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char **argv) {
    Translations translations;
    const std::unique_ptr<DesktopPlatform> desktop = DesktopPlatform::forThisBuild();
    if (const std::optional<int> exitCode =
            CommandLine::settleBeforeStart(argc, argv, *desktop, translations))
        return *exitCode;
    preferXWayland(argc, argv);
    // Each tick uploads a few small digits; a plain image upload costs less
    // than shared memory's round trip per frame (about 13 % of the counting
    // CPU time measured under Xvfb).
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Qt's own event loop wakes for less than GLib's: 7-9 % of the counting
    // CPU time under Xvfb. Nothing here needs GLib's main loop.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
    QApplication application(argc, argv);
    translations.install();
    QApplication::setOrganizationName(QStringLiteral("Paytick"));
    QApplication::setApplicationName(QStringLiteral("Paytick"));
    QApplication::setApplicationVersion(QStringLiteral(PAYTICK_VERSION));
    // Ties the window to its desktop entry (and icon) on desktops that ask.
    QGuiApplication::setDesktopFileName(QStringLiteral(PAYTICK_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(PAYTICK_APP_ID)));

    const std::optional<QString> runtime = RuntimeFolder::find();
    SingleInstance instance(runtime.value_or(QString()));
    if (!runtime)
        std::fputs(QCoreApplication::translate("main",
                                               "Paytick: found no private folder for its lock, "
                                               "so starting it again will open a second panel.\n")
                       .toLocal8Bit()
                       .constData(),
                   stderr);
    else if (!instance.claim())
        return 0;

    DarkLook::apply(application);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &application,
                     &QApplication::quit);

    SettingsStore store;
    FloatingPanel panel(store, *desktop);
    QObject::connect(&instance, &SingleInstance::activationRequested, &panel,
                     &FloatingPanel::bringToFront);
    FirstFrameReporter reporter;
    if (!qEnvironmentVariableIsEmpty("PAYTICK_REPORT_FIRST_FRAME"))
        panel.content()->installEventFilter(&reporter);
    panel.present();
    const int status = application.exec();
    // One more try for anything a failed write could not save; what is lost
    // even so is told, and the exit says it failed.
    if (!store.unsavedKeys().isEmpty() && !store.save()) {
        std::fputs(
            QCoreApplication::translate("main", "Paytick: quit without saving %1 to %2: %3\n")
                .arg(store.unsavedKeys().join(QStringLiteral(", ")), store.filePath(),
                     store.saveProblem())
                .toLocal8Bit()
                .constData(),
            stderr);
        return 1;
    }
    return status;
}
