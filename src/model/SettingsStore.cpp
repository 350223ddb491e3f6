#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUtf8StringView>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace {

// Far beyond anything typed or stored by the widget; larger values are
// someone else's data and read as defaults.
constexpr qsizetype maxTextLength = 64 * 1024;
constexpr qsizetype maxBytesLength = 4 * 1024 * 1024;
constexpr qint64 maxFileSize = 16 * 1024 * 1024;

bool syncPath(const QString &path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// QSettings keeps files it has seen in a process-wide cache keyed by path, so
// every read and write goes through a fresh, uniquely named file.
QVariantMap readIni(const QString &path, bool *formatError) {
    QVariantMap values;
    QSettings settings(path, QSettings::IniFormat);
    *formatError = settings.status() == QSettings::FormatError;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

} // namespace

QString SettingsStore::standardFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Paytick/Paytick.conf");
}

SettingsStore::SettingsStore(const QString &filePath, QObject *parent)
    : QObject(parent)
    , filePath_(filePath) {
    load();
}

void SettingsStore::load() {
    QFile file(filePath_);
    if (!file.exists())
        return;
    // Until a copy is kept, a file we cannot make sense of is never replaced.
    unreadableFile_ = true;
    if (file.size() > maxFileSize || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    // Parsed from a private copy when one can be made (see readIni).
    QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/paytick-read-XXXXXX.conf"));
    const bool copied = copy.open() && copy.write(content) == content.size() && copy.flush();
    bool formatError = false;
    values_ = readIni(copied ? copy.fileName() : filePath_, &formatError);
    unreadableFile_ =
        formatError || content.contains('\0') || !QUtf8StringView(content).isValidUtf8();
}

QString SettingsStore::text(QLatin1StringView key) const {
    const QVariant value = values_.value(key);
    if (value.typeId() == QMetaType::QString && value.toString().size() <= maxTextLength)
        return value.toString();
    return Keys::definition(key).defaultValue().toString();
}

double SettingsStore::real(QLatin1StringView key) const {
    const QVariant value = values_.value(key);
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::Double) {
        bool ok = false;
        const double number = value.toString().size() <= 64 ? value.toDouble(&ok) : 0.0;
        if (ok)
            return number;
    }
    return Keys::definition(key).defaultValue().toDouble();
}

bool SettingsStore::flag(QLatin1StringView key) const {
    const QVariant value = values_.value(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text == QLatin1StringView("true"))
            return true;
        if (text == QLatin1StringView("false"))
            return false;
    }
    return Keys::definition(key).defaultValue().toBool();
}

std::optional<QByteArray> SettingsStore::bytes(QLatin1StringView key) const {
    const QVariant value = values_.value(key);
    if (value.typeId() == QMetaType::QByteArray && value.toByteArray().size() <= maxBytesLength)
        return value.toByteArray();
    return std::nullopt;
}

void SettingsStore::setText(QLatin1StringView key, const QString &value) {
    const QVariant current = values_.value(key);
    if (current.typeId() == QMetaType::QString && current.toString() == value)
        return;
    store(key, value);
}

void SettingsStore::setReal(QLatin1StringView key, double value) {
    if (values_.contains(key) && real(key) == value)
        return;
    // Shortest text that reads back as exactly the same double.
    store(key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void SettingsStore::setFlag(QLatin1StringView key, bool value) {
    if (values_.contains(key) && flag(key) == value)
        return;
    store(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void SettingsStore::setBytes(QLatin1StringView key, const QByteArray &value) {
    if (bytes(key) == value)
        return;
    store(key, value);
}

void SettingsStore::setExtra(const QString &key, const QVariant &value) {
    if (values_.value(key) == value)
        return;
    store(key, value);
}

void SettingsStore::store(const QString &key, const QVariant &value) {
    values_.insert(key, value);
    if (persistent_ && !persist()) {
        persistent_ = false;
        reportFailure(key);
    }
    emit changed(key);
}

bool SettingsStore::persist() {
    const QFileInfo target(filePath_);
    QDir folder = target.dir();
    if (!folder.exists()) {
        if (!folder.mkpath(QStringLiteral(".")))
            return false;
        // The file tells the user's salary.
        QFile::setPermissions(folder.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (unreadableFile_ && !keepCopyOfUnreadableFile())
        return false;

    QTemporaryFile next(folder.filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    next.setAutoRemove(true);
    if (!next.open()) // created 0600
        return false;
    next.close();
    {
        QSettings out(next.fileName(), QSettings::IniFormat);
        for (auto it = values_.cbegin(); it != values_.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.sync();
        if (out.status() != QSettings::NoError)
            return false;
    }
    QFile::setPermissions(next.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    // Data on disk before the rename, the rename on disk before we return.
    if (!syncPath(next.fileName(), O_RDONLY))
        return false;
    if (::rename(QFile::encodeName(next.fileName()).constData(),
                 QFile::encodeName(filePath_).constData()) != 0)
        return false;
    next.setAutoRemove(false);
    syncPath(folder.absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}

bool SettingsStore::keepCopyOfUnreadableFile() {
    const QString backup = filePath_ + QStringLiteral(".bad");
    QFile::remove(backup);
    if (!QFile::copy(filePath_, backup))
        return false;
    unreadableFile_ = false;
    return true;
}

void SettingsStore::reportFailure(const QString &key) {
    std::fprintf(stderr,
                 "Paytick: could not save settings to %s (while writing \"%s\"); changes are "
                 "kept until Paytick quits.\n",
                 QFile::encodeName(filePath_).constData(), key.toUtf8().constData());
}
