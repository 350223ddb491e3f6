#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

namespace {

bool syncPath(const QString &path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// A temporary file of ours names the process that made it: "NAME.PID-XXXXXX".
// Earlier versions wrote "NAME.XXXXXX" and its ".lock", which no process holds now.
QRegularExpression temporaryName(const QString &fileName) {
    return QRegularExpression(
        QStringLiteral("^%1\\.(?:(\\d+)-[A-Za-z0-9]{6}|[A-Za-z0-9]{6}(?:\\.lock)?)$")
            .arg(QRegularExpression::escape(fileName)));
}

bool processIsAlive(qint64 pid) {
    return pid > 0 && pid <= INT_MAX && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

QString failed(const QString &what) {
    return what + QStringLiteral(": ") + qt_error_string(errno);
}

AtomicFile::Disk realDisk;

} // namespace

bool AtomicFile::Disk::syncFile(const QString &path) {
    return syncPath(path, O_RDONLY);
}

bool AtomicFile::Disk::syncFolder(const QString &path) {
    return syncPath(path, O_RDONLY | O_DIRECTORY);
}

bool AtomicFile::Disk::rename(const QString &from, const QString &to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

QString AtomicFile::Disk::copy(const QString &from, const QString &to) {
    QFile file(from);
    return file.copy(to) ? QString() : file.errorString();
}

AtomicFile::AtomicFile(QString path, Disk *disk)
    : path_(std::move(path))
    , disk_(disk != nullptr ? disk : &realDisk) {
}

QString AtomicFile::target() const {
    // Dotfile managers link the file; the link must stay a link.
    const QFileInfo info(path_);
    return info.isSymLink() ? info.symLinkTarget() : path_;
}

QString AtomicFile::write(const QByteArray &content) {
    const QFileInfo target(this->target());
    QDir folder = target.dir();
    if (!folder.exists()) {
        if (!folder.mkpath(QStringLiteral(".")))
            return failed(tr("cannot make its folder"));
        QFile::setPermissions(folder.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QTemporaryFile next(folder.filePath(target.fileName() + u'.' +
                                        QString::number(QCoreApplication::applicationPid()) +
                                        QStringLiteral("-XXXXXX")));
    next.setAutoRemove(true);
    if (!next.open()) // created 0600
        return tr("cannot create a file: %1").arg(next.errorString());
    if (next.write(content) != content.size() || !next.flush())
        return tr("cannot write: %1").arg(next.errorString());
    next.close();
    QFile::setPermissions(next.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    // Data on disk before the rename, the rename on disk before we return.
    if (!disk_->syncFile(next.fileName()))
        return failed(tr("cannot write to disk"));
    if (!disk_->rename(next.fileName(), target.absoluteFilePath()))
        return failed(tr("cannot replace the file"));
    next.setAutoRemove(false);
    disk_->syncFolder(folder.absolutePath());
    return QString();
}

QString AtomicFile::keepCopy(const QString &copy) {
    const QString problem = disk_->copy(target(), copy);
    if (!problem.isEmpty())
        return problem;
    // Its data on disk before the file it copies is replaced (the folder is
    // synced after that replacement).
    if (!disk_->syncFile(copy))
        return failed(tr("cannot write to disk"));
    return QString();
}

void AtomicFile::removeLeftovers() const {
    const QFileInfo target(this->target());
    const QRegularExpression pattern = temporaryName(target.fileName());
    const QDir folder = target.dir();
    for (const QString &name :
         folder.entryList({target.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch() &&
            (match.captured(1).isEmpty() || !processIsAlive(match.captured(1).toLongLong())))
            QFile::remove(folder.filePath(name));
    }
}
