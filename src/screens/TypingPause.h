#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QLineEdit;

// Hands what is typed in a field over when typing pauses rather than with
// every key: each hand-over is a durable write (two syncs and a rename) on
// the GUI thread. Return, leaving the field, the field being hidden (its
// screen closes or changes) and quitting hand it over at once, so nothing
// typed is lost.
class TypingPause : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds pause{400};

    TypingPause(QLineEdit *field, std::function<void(const QString &)> handOver,
                std::chrono::milliseconds length = pause);

    // What was typed and not handed over yet.
    const std::optional<QString> &waiting() const { return typed_; }
    void handOver();
    // Forgets what waits: the value was changed elsewhere after it was typed.
    void discard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QString &)> handOver_;
    QTimer timer_;
    std::optional<QString> typed_;
};
