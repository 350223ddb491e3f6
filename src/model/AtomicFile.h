#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Replaces a file's whole content so that a crash or power loss leaves either
// the old content or the new, never a mix: a temporary file in the same
// folder, its data synced, renamed over the file, the folder synced. The file
// is private to its owner (0600, in a 0700 folder it creates), and a file that
// is a link stays a link: the write lands on its target.
class AtomicFile {
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)

public:
    // The steps that make the replacement durable. Tests give their own to
    // watch the order or to fail one.
    class Disk {
    public:
        virtual ~Disk() = default;
        virtual bool syncFile(const QString &path);
        virtual bool syncFolder(const QString &path);
        virtual bool rename(const QString &from, const QString &to);
        // Copies a file to a new one; why that failed, or empty.
        virtual QString copy(const QString &from, const QString &to);
    };

    explicit AtomicFile(QString path, Disk *disk = nullptr);

    // The file really written: the target of a link, else the path itself.
    QString target() const;

    // Why the content did not reach the disk; empty when it did.
    QString write(const QByteArray &content);

    // Copies the file as it is now to `copy`, a new file, on disk before it
    // returns; why that failed, or empty.
    QString keepCopy(const QString &copy);

    // Removes temporaries left by writers that died mid-write, keeping those
    // of a writer still running.
    void removeLeftovers() const;

private:
    QString path_;
    Disk *disk_;
};
