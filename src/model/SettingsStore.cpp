#include "SettingsStore.h"

#include "IniText.h"
#include "Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QStandardPaths>
#include <QUtf8StringView>

#include <algorithm>

namespace {

// Far beyond anything typed or stored by the widget; larger values are
// someone else's data and read as defaults.
constexpr qsizetype maxTextLength = 64 * 1024;
// Bytes are written at most four characters each: with the texts, the whole
// file stays far below what is read.
constexpr qsizetype maxBytesLength = 1024 * 1024;
constexpr qint64 maxFileSize = 16 * 1024 * 1024;

constexpr int keptBadCopies = 5;

// Whether a value read from the file is one Paytick owns, in a form it writes.
bool isOwned(const QString &key, const QVariant &value) {
    const KeyDefinition *definition = Keys::find(key);
    if (definition == nullptr)
        return false;
    switch (definition->type) {
    case StoredType::bytes:
        return value.typeId() == QMetaType::QByteArray;
    case StoredType::rect:
        return value.typeId() == QMetaType::QRect;
    default:
        return value.typeId() == QMetaType::QString;
    }
}

} // namespace

QString SettingsStore::standardFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Paytick/Paytick.conf");
}

SettingsStore::SettingsStore(const QString &filePath, AtomicFile::Disk *disk, QObject *parent)
    : QObject(parent)
    , filePath_(filePath)
    , file_(filePath, disk) {
    retry_.setSingleShot(true);
    retry_.setInterval(10'000);
    connect(&retry_, &QTimer::timeout, this, &SettingsStore::save);
    // Left behind by a Paytick killed while writing.
    file_.removeLeftovers();
    reload();
    // A write replaces the file, so its folder is watched too; an editor may
    // also rewrite it in place.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &SettingsStore::reload);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &SettingsStore::reload);
    watchFile();
}

void SettingsStore::watchFile() {
    const QFileInfo target(file_.target());
    for (const QString &path : {target.absolutePath(), target.absoluteFilePath()})
        if (!watcher_.files().contains(path) && !watcher_.directories().contains(path) &&
            QFileInfo::exists(path))
            watcher_.addPath(path);
}

void SettingsStore::reload() {
    watchFile(); // a replaced file is a new one to watch
    QFile file(filePath_);
    if (!file.exists()) {
        // Deleted while running: everything stays, to be written with the next change.
        known_.reset();
        copyBeforeReplacing_ = false;
        return;
    }
    // Until a copy is kept, a file we cannot make sense of is never replaced.
    if (file.size() > maxFileSize || !file.open(QIODevice::ReadOnly)) {
        known_.reset();
        copyBeforeReplacing_ = true;
        return;
    }
    const QByteArray content = file.readAll();
    if (content == known_)
        return;
    known_ = content;
    copyBeforeReplacing_ = true;
    if (content.contains('\0') || !QUtf8StringView(content).isValidUtf8())
        return;
    // Only what Paytick owns is kept, and so written back; anything else stays
    // in the copy made before the next write.
    const IniText::Reading reading = IniText::read(content);
    QVariantMap owned;
    bool leftOut = reading.leftSomethingOut;
    for (auto it = reading.values.cbegin(); it != reading.values.cend(); ++it) {
        if (isOwned(it.key(), it.value()))
            owned.insert(it.key(), it.value());
        else
            leftOut = true;
    }
    copyBeforeReplacing_ = leftOut;
    QStringList changedKeys;
    QStringList keys = values_.keys() + owned.keys();
    keys.removeDuplicates();
    for (const QString &key : keys) {
        if (unsaved_.contains(key) || values_.value(key) == owned.value(key))
            continue;
        if (owned.contains(key))
            values_.insert(key, owned.value(key));
        else
            values_.remove(key);
        changedKeys.append(key);
    }
    for (const QString &key : changedKeys)
        emit changed(key);
}

std::optional<QString> SettingsStore::storedText(QLatin1StringView name) const {
    const QVariant value = values_.value(name);
    if (value.typeId() == QMetaType::QString && value.toString().size() <= maxTextLength)
        return value.toString();
    return std::nullopt;
}

std::optional<double> SettingsStore::storedReal(QLatin1StringView name) const {
    const QVariant value = values_.value(name);
    if (value.typeId() == QMetaType::QString && value.toString().size() <= 64) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok)
            return number;
    }
    return std::nullopt;
}

std::optional<bool> SettingsStore::storedFlag(QLatin1StringView name) const {
    const QVariant value = values_.value(name);
    if (value == QStringLiteral("true"))
        return true;
    if (value == QStringLiteral("false"))
        return false;
    return std::nullopt;
}

std::optional<QByteArray> SettingsStore::storedBytes(QLatin1StringView name) const {
    const QVariant value = values_.value(name);
    if (value.typeId() == QMetaType::QByteArray && value.toByteArray().size() <= maxBytesLength)
        return value.toByteArray();
    return std::nullopt;
}

std::optional<QRect> SettingsStore::storedRect(QLatin1StringView name) const {
    const QVariant value = values_.value(name);
    if (value.typeId() == QMetaType::QRect)
        return value.toRect();
    return std::nullopt;
}

void SettingsStore::setText(QLatin1StringView name, const QString &value) {
    const QVariant current = values_.value(name);
    if (current.typeId() == QMetaType::QString && current.toString() == value)
        return;
    store(name, value);
}

void SettingsStore::setBytes(QLatin1StringView name, const QByteArray &value) {
    if (storedBytes(name) == value || value.size() > maxBytesLength)
        return;
    store(name, value);
}

void SettingsStore::storeValue(QLatin1StringView name, double value) {
    // Shortest text that reads back as exactly the same double.
    store(name, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void SettingsStore::storeValue(QLatin1StringView name, bool value) {
    store(name, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void SettingsStore::setRect(QLatin1StringView name, const QRect &value) {
    if (storedRect(name) == value)
        return;
    store(name, value);
}

void SettingsStore::store(const QString &key, const QVariant &value) {
    values_.insert(key, value);
    unsaved_.insert(key);
    save();
    emit changed(key);
}

QStringList SettingsStore::unsavedKeys() const {
    QStringList keys(unsaved_.cbegin(), unsaved_.cend());
    keys.sort();
    return keys;
}

bool SettingsStore::save() {
    // What another writer stored since is kept, for every key not changed here.
    reload();
    QString problem;
    if (copyBeforeReplacing_)
        problem = keepCopyOfFile();
    // A copy that cannot be kept holds the write back once, not for good: one
    // odd file must never stop saving.
    const bool holdBack = !problem.isEmpty() && !copyFailed_;
    copyFailed_ = !problem.isEmpty();
    if (!holdBack) {
        if (copyFailed_)
            qCWarning(paytick, "replacing %s without keeping a copy (%s).",
                      qUtf8Printable(filePath_), qUtf8Printable(problem));
        // The whole file is written each time, so one write that succeeds
        // saves everything the failed ones could not.
        const QByteArray content = IniText::write(values_);
        problem = file_.write(content);
        if (problem.isEmpty()) {
            known_ = content;
            unsaved_.clear();
            copyBeforeReplacing_ = false;
            copyFailed_ = false;
            watchFile();
        }
    }
    if (problem.isEmpty())
        retry_.stop();
    else
        retry_.start();
    if (problem == saveProblem_)
        return problem.isEmpty();
    if (!problem.isEmpty() && saveProblem_.isEmpty())
        qCWarning(paytick,
                  "could not save settings to %s (%s); trying again with every change and when "
                  "quitting.",
                  qUtf8Printable(filePath_), qUtf8Printable(problem));
    saveProblem_ = problem;
    emit saveProblemChanged(saveProblem_);
    return problem.isEmpty();
}

QString SettingsStore::keepCopyOfFile() {
    // Numbered copies, never overwritten: NAME.bad.1, NAME.bad.2, ...; the
    // oldest beyond the last five go. Numbers of more than nine digits are
    // none Paytick gave, so they neither count nor overflow.
    const QFileInfo target(file_.target());
    const QDir folder = target.dir();
    const QString stem = target.fileName() + QStringLiteral(".bad.");
    QList<qint64> numbers;
    for (const QString &name : folder.entryList({stem + u'*'}, QDir::Files | QDir::Hidden)) {
        const QStringView digits = QStringView(name).sliced(stem.size());
        if (digits.isEmpty() || digits.size() > 9 ||
            !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
            continue;
        if (const qint64 number = digits.toLongLong(); number > 0)
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    qint64 next = numbers.isEmpty() ? 1 : numbers.back() + 1;
    while (folder.exists(stem + QString::number(next)))
        ++next;
    const QString copy = folder.filePath(stem + QString::number(next));
    if (const QString problem = file_.keepCopy(copy); !problem.isEmpty())
        return tr("cannot keep a copy of the old file as %1: %2").arg(copy, problem);
    numbers.append(next);
    for (qsizetype i = 0; i + keptBadCopies < numbers.size(); ++i)
        QFile::remove(folder.filePath(stem + QString::number(numbers[i])));
    copyBeforeReplacing_ = false;
    return QString();
}
