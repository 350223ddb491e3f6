#pragma once

#include "AutostartEntry.h"
#include "CompositorWatch.h"
#include "WindowServices.h"

#include <memory>

#include <QTimer>
#include <QWidget>

class ContentView;
class DesktopPlatform;
class SettingsStore;

// The widget's one window: borderless, translucent, always on top, on every
// desktop, out of the task bar, and back where the user left it.
class FloatingPanel : public QWidget {
    Q_OBJECT

public:
    FloatingPanel(SettingsStore &store, DesktopPlatform &desktop, QWidget *parent = nullptr);

    // Restores the saved place (or centres on the primary screen) and shows
    // the panel with keyboard focus.
    void present();
    void bringToFront();
    // Gives the panel `height`, at the top edge of the user's own place,
    // moved up only as far as needed to keep its bottom on the screen's free
    // area: a panel moved up for a tall screen goes back down with it.
    void fitHeight(int height);
    // Shows the amount as dashes, or again as digits.
    void toggleAmountHidden();
    // Writes or removes the login entry; a failure is told and changes nothing.
    void setStartAtLogin(bool on);

    ContentView *content() const { return content_; }

protected:
    bool event(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void saveFrame();
    void updateShape();
    void placeAt(const QRect &frame);

    SettingsStore &store_;
    DesktopPlatform &desktop_;
    WindowServices services_;
    ContentView *content_;
    QTimer saveTimer_;
    // Where the user put the panel (a drag, or the place it was restored
    // to), and where the panel last put itself; only the first is stored.
    QPoint place_;
    QPoint placedAt_;
    std::unique_ptr<CompositorWatch> compositor_;
    AutostartEntry autostart_;
};
