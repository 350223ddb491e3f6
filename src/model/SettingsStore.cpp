#include "SettingsStore.h"

#include "IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QStandardPaths>
#include <QUtf8StringView>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

// Far beyond anything typed or stored by the widget; larger values are
// someone else's data and read as defaults.
constexpr qsizetype maxTextLength = 64 * 1024;
// Bytes are written at most four characters each: with the texts, the whole
// file stays far below what is read.
constexpr qsizetype maxBytesLength = 1024 * 1024;
constexpr qint64 maxFileSize = 16 * 1024 * 1024;

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
    load();
}

void SettingsStore::load() {
    // Left behind by a Paytick killed while writing.
    file_.removeLeftovers();
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
    const IniText::Reading reading = IniText::read(content);
    // Only what Paytick owns is kept, and so written back; anything else stays
    // in the copy made before the first write.
    bool leftOut = reading.leftSomethingOut;
    for (auto it = reading.values.cbegin(); it != reading.values.cend(); ++it) {
        if (isOwned(it.key(), it.value()))
            values_.insert(it.key(), it.value());
        else
            leftOut = true;
    }
    copyBeforeReplacing_ = leftOut;
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
    QString problem;
    if (copyBeforeReplacing_ && !keepCopyOfFile())
        problem = QStringLiteral("cannot keep a copy of the old file: ") + qt_error_string(errno);
    else
        problem = file_.write(IniText::write(values_));
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

bool SettingsStore::keepCopyOfFile() {
    // Numbered copies, never overwritten: NAME.bad.1, NAME.bad.2, ...; the
    // oldest beyond the last five go.
    const QFileInfo target(file_.target());
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
