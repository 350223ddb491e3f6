#include "SettingsStore.h"

#include "IniText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUtf8StringView>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>

namespace {

// Far beyond anything typed or stored by the widget; larger values are
// someone else's data and read as defaults.
constexpr qsizetype maxTextLength = 64 * 1024;
// Bytes are written at most four characters each: with the texts, the whole
// file stays far below what is read.
constexpr qsizetype maxBytesLength = 1024 * 1024;
constexpr qint64 maxFileSize = 16 * 1024 * 1024;

bool syncPath(const QString &path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

const QString frameKey = QStringLiteral("MainPanel/frame");
constexpr int keptBadCopies = 5;

// Whether a value read from the file is one Paytick owns, in a form it writes.
bool isOwned(const QString &key, const QVariant &value) {
    if (key == frameKey)
        return value.typeId() == QMetaType::QRect;
    const KeyDefinition *definition = Keys::find(key);
    if (definition == nullptr)
        return false;
    return value.typeId() ==
           (definition->type == StoredType::bytes ? QMetaType::QByteArray : QMetaType::QString);
}

// Where a write must land: the target of a link (dotfile managers link the
// file), so the link stays a link.
QString writtenPath(const QString &path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
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

} // namespace

QString SettingsStore::standardFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Paytick/Paytick.conf");
}

SettingsStore::SettingsStore(const QString &filePath, QObject *parent)
    : QObject(parent)
    , filePath_(filePath) {
    retry_.setSingleShot(true);
    retry_.setInterval(10'000);
    connect(&retry_, &QTimer::timeout, this, &SettingsStore::save);
    load();
}

void SettingsStore::load() {
    removeStaleTemporaries();
    QFile file(filePath_);
    if (!file.exists())
        return;
    // Until a copy is kept, a file we cannot make sense of is never replaced.
    copyBeforeReplacing_ = true;
    if (file.size() > maxFileSize || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    if (content.contains('\0') || !QUtf8StringView(content).isValidUtf8())
        return;
    const std::optional<IniText::Reading> reading = IniText::read(content);
    if (!reading)
        return;
    // Only what Paytick owns is kept, and so written back; anything else stays
    // in the copy made before the first write.
    bool leftOut = reading->leftSomethingOut;
    for (auto it = reading->values.cbegin(); it != reading->values.cend(); ++it) {
        if (isOwned(it.key(), it.value()))
            values_.insert(it.key(), it.value());
        else
            leftOut = true;
    }
    copyBeforeReplacing_ = leftOut;
}

void SettingsStore::removeStaleTemporaries() const {
    // Left behind by a Paytick killed while writing.
    const QFileInfo target(writtenPath(filePath_));
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

QString SettingsStore::text(QLatin1StringView key) const {
    const QVariant value = values_.value(key);
    const KeyDefinition &definition = Keys::definition(key);
    if (value.typeId() == QMetaType::QString && value.toString().size() <= maxTextLength &&
        (definition.accepts == nullptr || definition.accepts(value.toString())))
        return value.toString();
    return definition.defaultValue().toString();
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
    if (bytes(key) == value || value.size() > maxBytesLength)
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
    save();
    emit changed(key);
}

bool SettingsStore::save() {
    // The whole file is written each time, so one write that succeeds saves
    // everything the failed ones could not.
    const QString problem = persist();
    if (problem.isEmpty())
        retry_.stop();
    else
        retry_.start();
    if (problem == saveProblem_)
        return problem.isEmpty();
    if (!problem.isEmpty() && saveProblem_.isEmpty())
        std::fprintf(stderr,
                     "Paytick: could not save settings to %s (%s); trying again with every "
                     "change and when quitting.\n",
                     QFile::encodeName(filePath_).constData(), problem.toUtf8().constData());
    saveProblem_ = problem;
    emit saveProblemChanged(saveProblem_);
    return problem.isEmpty();
}

QString SettingsStore::persist() {
    const auto failed = [](const QString &what) {
        return what + QStringLiteral(": ") + qt_error_string(errno);
    };
    const QFileInfo target(writtenPath(filePath_));
    QDir folder = target.dir();
    if (!folder.exists()) {
        if (!folder.mkpath(QStringLiteral(".")))
            return failed(QStringLiteral("cannot make its folder"));
        // The file tells the user's salary.
        QFile::setPermissions(folder.absolutePath(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (copyBeforeReplacing_ && !keepCopyOfFile())
        return failed(QStringLiteral("cannot keep a copy of the old file"));

    QTemporaryFile next(folder.filePath(target.fileName() + u'.' +
                                        QString::number(QCoreApplication::applicationPid()) +
                                        QStringLiteral("-XXXXXX")));
    next.setAutoRemove(true);
    if (!next.open()) // created 0600
        return QStringLiteral("cannot create a file: ") + next.errorString();
    const QByteArray content = IniText::write(values_);
    if (next.write(content) != content.size() || !next.flush())
        return QStringLiteral("cannot write: ") + next.errorString();
    next.close();
    QFile::setPermissions(next.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    // Data on disk before the rename, the rename on disk before we return.
    if (!syncPath(next.fileName(), O_RDONLY))
        return failed(QStringLiteral("cannot write to disk"));
    if (::rename(QFile::encodeName(next.fileName()).constData(),
                 QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return failed(QStringLiteral("cannot replace the file"));
    next.setAutoRemove(false);
    syncPath(folder.absolutePath(), O_RDONLY | O_DIRECTORY);
    return QString();
}

bool SettingsStore::keepCopyOfFile() {
    // Numbered copies, never overwritten: NAME.bad.1, NAME.bad.2, ...; the
    // oldest beyond the last five go.
    const QFileInfo target(writtenPath(filePath_));
    const QDir folder = target.dir();
    const QString stem = target.fileName() + QStringLiteral(".bad.");
    QList<int> numbers;
    for (const QString &name : folder.entryList({stem + u'*'}, QDir::Files | QDir::Hidden)) {
        bool ok = false;
        const int number = name.sliced(stem.size()).toInt(&ok);
        if (ok && number > 0)
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    const int next = numbers.isEmpty() ? 1 : numbers.back() + 1;
    if (!QFile::copy(target.absoluteFilePath(), folder.filePath(stem + QString::number(next))))
        return false;
    numbers.append(next);
    for (qsizetype i = 0; i + keptBadCopies < numbers.size(); ++i)
        QFile::remove(folder.filePath(stem + QString::number(numbers[i])));
    copyBeforeReplacing_ = false;
    return true;
}
