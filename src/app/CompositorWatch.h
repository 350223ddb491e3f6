#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>

struct xcb_connection_t;

// Whether a compositing manager is running, followed as it starts and stops.
// Without one, translucent corners show black on X11 and the panel needs a
// shape instead; other platforms always composite.
class CompositorWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit CompositorWatch(QObject *parent = nullptr);
    ~CompositorWatch() override;

    bool isActive() const { return active_; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void changed(bool active);

private:
    bool ownerExists() const;

    xcb_connection_t *connection_ = nullptr;
    std::uint32_t selection_ = 0; // the _NET_WM_CM_Sn atom
    std::uint8_t selectionNotify_ = 0;
    bool active_ = true;
};
