#pragma once

#include "CompositorWatch.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>

struct xcb_connection_t;

// The owner of the _NET_WM_CM_Sn selection, followed through XFixes: an X11
// desktop may run with or without a compositing manager, and switch.
class X11CompositorWatch : public CompositorWatch, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit X11CompositorWatch(QObject *parent = nullptr);
    ~X11CompositorWatch() override;

    bool isActive() const override { return active_; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    bool ownerExists() const;

    xcb_connection_t *connection_ = nullptr;
    std::uint32_t selection_ = 0; // the _NET_WM_CM_Sn atom
    std::uint8_t selectionNotify_ = 0;
    bool active_ = true;
};
