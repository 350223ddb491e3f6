#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

// One panel per user: the first Paytick holds a lock and listens; a later
// one asks it to come to the front and steps aside.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `folder` is the user's runtime folder.
    explicit SingleInstance(const QString &folder);

    // True when this process is the one to run; otherwise the running one
    // has been asked to come forward.
    bool claim();

signals:
    void activationRequested();

private:
    void askRunningToActivate();

    QString socketPath_;
    QLockFile lock_;
    QLocalServer server_;
};
