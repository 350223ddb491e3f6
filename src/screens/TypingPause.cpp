#include "TypingPause.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>

TypingPause::TypingPause(QLineEdit *field, std::function<void(const QString &)> handOver,
                         std::chrono::milliseconds length)
    : QObject(field)
    , handOver_(std::move(handOver)) {
    timer_.setSingleShot(true);
    timer_.setInterval(length);
    connect(&timer_, &QTimer::timeout, this, &TypingPause::handOver);
    connect(field, &QLineEdit::textEdited, this, [this](const QString &text) {
        typed_ = text;
        timer_.start();
    });
    connect(field, &QLineEdit::returnPressed, this, &TypingPause::handOver);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TypingPause::handOver);
    field->installEventFilter(this);
}

void TypingPause::handOver() {
    timer_.stop();
    if (!typed_)
        return;
    // Taken first: the hand-over comes back to the field as a change.
    const QString text = *std::exchange(typed_, std::nullopt);
    handOver_(text);
}

void TypingPause::discard() {
    timer_.stop();
    typed_.reset();
}

bool TypingPause::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)
        handOver();
    return QObject::eventFilter(watched, event);
}
