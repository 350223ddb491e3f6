#include "FloatingPanel.h"

#include "ContentView.h"
#include "SettingsStore.h"
#include "Theme.h"
#include "X11Desktop.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString frameKey = QStringLiteral("MainPanel/frame");
constexpr int panelWidth = 320;

} // namespace

FloatingPanel::FloatingPanel(SettingsStore &store, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , store_(store)
    , content_(new ContentView(store, systemNow, ImageChooser::askWithFileDialog, this)) {
    setWindowTitle(QStringLiteral("Paytick"));
    setAttribute(Qt::WA_TranslucentBackground);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content_);
    resize(panelWidth, static_cast<int>(Theme::baseHeight));

    auto *quit = new QShortcut(QKeySequence::Quit, this, qApp, &QApplication::quit);
    quit->setContext(Qt::ApplicationShortcut);

    // A drag sends many moves; the file is written once the panel rests.
    saveTimer_.setSingleShot(true);
    saveTimer_.setInterval(300);
    connect(&saveTimer_, &QTimer::timeout, this, &FloatingPanel::saveFrame);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (saveTimer_.isActive())
            saveFrame();
    });
}

void FloatingPanel::present() {
    const QRect saved = store_.extra(frameKey).toRect();
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (saved.isValid() && QGuiApplication::screenAt(saved.center()) != nullptr) {
        setGeometry(saved.left(), saved.top(), panelWidth, height());
    } else if (primary != nullptr) {
        QRect frame(QPoint(), size());
        frame.moveCenter(primary->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    X11Desktop::showOnAllDesktops(this);
    bringToFront();
}

void FloatingPanel::bringToFront() {
    show();
    raise();
    activateWindow();
}

void FloatingPanel::moveEvent(QMoveEvent *) {
    if (isVisible())
        saveTimer_.start();
}

void FloatingPanel::resizeEvent(QResizeEvent *) {
    if (isVisible())
        saveTimer_.start();
}

void FloatingPanel::saveFrame() {
    store_.setExtra(frameKey, geometry());
}

void FloatingPanel::contextMenuEvent(QContextMenuEvent *event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Quit Paytick"), QKeySequence::Quit, qApp, &QApplication::quit);
    menu.exec(event->globalPos());
}
