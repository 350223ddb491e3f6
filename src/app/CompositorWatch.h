#pragma once

#include <QObject>

// Whether a compositing manager is running, followed as it starts and stops.
// Without one, translucent corners show black and the panel needs a shape
// instead. This one stands for the platforms that always composite.
class CompositorWatch : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool isActive() const { return true; }

signals:
    void changed(bool active);
};
