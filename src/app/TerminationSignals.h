#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

// SIGTERM and SIGINT turned into a Qt signal, so the event loop ends normally.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    TerminationSignals();
    ~TerminationSignals() override;

signals:
    void received();

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};
