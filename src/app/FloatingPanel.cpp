#include "FloatingPanel.h"

#include "ContentView.h"
#include "CountSection.h"
#include "DesktopPlatform.h"
#include "SettingsStore.h"
#include "Theme.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

constexpr int panelWidth = 320;
const QKeySequence hideAmountKeys(Qt::CTRL | Qt::Key_H);

// The saved frame moved fully onto the nearest screen's free area, or
// nothing when it lies on no screen at all.
std::optional<QRect> placeOnScreen(QRect frame) {
    const QScreen *nearest = nullptr;
    qint64 nearestDistance = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect free = screen->availableGeometry();
        if (!free.intersects(frame))
            continue;
        const QPoint offset = free.center() - frame.center();
        const qint64 distance = qint64(offset.x()) * offset.x() + qint64(offset.y()) * offset.y();
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = screen;
            nearestDistance = distance;
        }
    }
    if (nearest == nullptr)
        return std::nullopt;
    const QRect free = nearest->availableGeometry();
    frame.moveLeft(std::clamp(frame.left(), free.left(),
                              std::max(free.left(), free.right() + 1 - frame.width())));
    frame.moveTop(std::clamp(frame.top(), free.top(),
                             std::max(free.top(), free.bottom() + 1 - frame.height())));
    return frame;
}

} // namespace

FloatingPanel::FloatingPanel(SettingsStore &store, DesktopPlatform &desktop, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , store_(store)
    , desktop_(desktop)
    , content_(new ContentView(store, services_, systemNow, this))
    , compositor_(desktop.watchCompositor()) {
    setWindowTitle(QStringLiteral("Paytick"));
    setAttribute(Qt::WA_TranslucentBackground);
    // The panel's size is the root view's choice alone: a layout that grew the
    // window to its content's minimum would widen it past 320 and keep it from
    // shrinking back.
    setFixedWidth(panelWidth);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content_);
    resize(panelWidth, content_->wantedHeight());
    connect(content_, &ContentView::wantedHeightChanged, this, &FloatingPanel::fitHeight);
    connect(compositor_.get(), &CompositorWatch::changed, this, &FloatingPanel::updateShape);
    updateShape();

    auto *quit = new QShortcut(QKeySequence::Quit, this, qApp, &QApplication::quit);
    quit->setContext(Qt::ApplicationShortcut);
    new QShortcut(hideAmountKeys, this, this, &FloatingPanel::toggleAmountHidden);

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
    const QRect saved = store_.get(Keys::panelFrame);
    const std::optional<QRect> restored =
        saved.isValid() ? placeOnScreen(QRect(saved.topLeft(), size())) : std::nullopt;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (restored) {
        place_ = restored->topLeft();
    } else if (primary != nullptr) {
        // Centred as first made, one base height high; a taller screen grows
        // it downwards from there, as it would from any place.
        QRect frame(QPoint(), QSize(width(), int(Theme::baseHeight)));
        frame.moveCenter(primary->availableGeometry().center());
        place_ = frame.topLeft();
    }
    fitHeight(height());
    bringToFront();
}

void FloatingPanel::fitHeight(int height) {
    QRect frame(place_, QSize(width(), height));
    // The top edge is the user's, unless the bottom would leave the screen's
    // free area; no taller than that area (the settings then scroll).
    if (const QScreen *screen = this->screen()) {
        const QRect free = screen->availableGeometry();
        frame.setHeight(std::min(height, free.height()));
        if (frame.bottom() > free.bottom())
            frame.moveTop(std::max(free.top(), free.bottom() + 1 - frame.height()));
    }
    if (frame != geometry())
        placeAt(frame);
}

void FloatingPanel::placeAt(const QRect &frame) {
    placedAt_ = frame.topLeft();
    setGeometry(frame);
}

void FloatingPanel::bringToFront() {
    show();
    raise();
    activateWindow();
}

bool FloatingPanel::event(QEvent *event) {
    // Window managers forget a window's desktop states when it is unmapped,
    // and Qt replaces the native window while showing it when the on-top flag
    // changed (the file dialog lowers the panel). So state them before the
    // window is mapped, for the window manager to read, and again once it is,
    // for the window that was really mapped.
    if (event->type() == QEvent::Show) {
        desktop_.showOnAllDesktops(this);
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                desktop_.showOnAllDesktops(this);
        });
    }
    return QWidget::event(event);
}

void FloatingPanel::updateShape() {
    if (compositor_->isActive()) {
        clearMask();
        return;
    }
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), Theme::cornerRadius, Theme::cornerRadius);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void FloatingPanel::moveEvent(QMoveEvent *) {
    // Only a place the user chose is theirs to keep.
    if (pos() == placedAt_)
        return;
    place_ = placedAt_ = pos();
    if (isVisible())
        saveTimer_.start();
}

void FloatingPanel::resizeEvent(QResizeEvent *) {
    if (!compositor_->isActive())
        updateShape();
}

void FloatingPanel::saveFrame() {
    store_.set(Keys::panelFrame, QRect(place_, size()));
}

void FloatingPanel::contextMenuEvent(QContextMenuEvent *event) {
    QMenu menu(this);
    QAction *hideAmount =
        menu.addAction(tr("Hide Amount"), hideAmountKeys, this, &FloatingPanel::toggleAmountHidden);
    hideAmount->setCheckable(true);
    hideAmount->setChecked(store_.get(Keys::amountHidden));
    QAction *startAtLogin = menu.addAction(tr("Start at Login"));
    startAtLogin->setCheckable(true);
    // The file is the truth: the user may have removed it by other means.
    startAtLogin->setChecked(autostart_.isOn());
    connect(startAtLogin, &QAction::toggled, this, &FloatingPanel::setStartAtLogin);
    QMenu *count = menu.addMenu(CountSection::title());
    auto *counts = new QActionGroup(count);
    for (const CountFrom from : allCases<CountFrom>()) {
        QAction *choice = count->addAction(label(from), this,
                                           [this, from] { store_.set(Keys::countFrom, from); });
        choice->setCheckable(true);
        choice->setChecked(store_.get(Keys::countFrom) == from);
        counts->addAction(choice);
    }
    menu.addSeparator();
    menu.addAction(tr("Quit Paytick"), QKeySequence::Quit, qApp, &QApplication::quit);
    menu.exec(event->globalPos());
}

void FloatingPanel::toggleAmountHidden() {
    store_.set(Keys::amountHidden, !store_.get(Keys::amountHidden));
}

void FloatingPanel::setStartAtLogin(bool on) {
    const QString problem = autostart_.turn(on);
    if (problem.isEmpty())
        return;
    QMessageBox::warning(this, tr("Start at Login"),
                         (on ? tr("Paytick could not turn on Start at Login.")
                             : tr("Paytick could not turn off Start at Login.")) +
                             QStringLiteral("\n\n%1: %2").arg(autostart_.filePath(), problem));
}
