#include "RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace RuntimeFolder {

bool isPrivate(const QString &path) {
    struct stat info {};
    return !path.isEmpty() && ::lstat(QFile::encodeName(path).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
}

std::optional<QString> find() {
    const QString session = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(session) && isPrivate(session))
        return session;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!QDir::isAbsolutePath(cache))
        return std::nullopt;
    const QString own = cache + QStringLiteral("/Paytick/run");
    QDir().mkpath(own);
    ::chmod(QFile::encodeName(own).constData(), 0700);
    if (isPrivate(own))
        return own;
    return std::nullopt;
}

} // namespace RuntimeFolder
