#pragma once

#include "AtomicFile.h"
#include "Keys.h"

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <QVariantMap>
#include <chrono>

#include <optional>
#include <type_traits>

// The settings in one INI file, read at construction
// and rewritten atomically and durably on every change.
//
// Reads never fail: a missing key, a value of the wrong type, a text no case
// matches or an absurdly large value reads as the key's default. If the file
// cannot be written the store keeps every value in memory, says so once on
// standard error and through saveProblem(), and writes the whole file again
// with the next change (or save()) until that succeeds.
//
// Another writer (a second panel on the same file) is never undone: before
// each write the file is read again, and only the keys changed here since
// they were last read or written replace what the file holds; per key, the
// last writer wins. A change another writer makes is also heard when the file
// changes, and announced through changed() like one made here.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    // ~/.config/Paytick/Paytick.conf on Linux.
    static QString standardFilePath();

    explicit SettingsStore(const QString &filePath = standardFilePath(),
                           AtomicFile::Disk *disk = nullptr, QObject *parent = nullptr);

    QString filePath() const { return filePath_; }

    // Why the last write did not reach the disk; empty when it did.
    QString saveProblem() const { return saveProblem_; }
    // How long a write that failed waits to be tried again: ten seconds.
    std::chrono::milliseconds retryInterval() const { return retry_.intervalAsDuration(); }
    void setRetryInterval(std::chrono::milliseconds interval) { retry_.setInterval(interval); }
    // Writes the file now; true when it is on disk. For quitting and retrying.
    bool save();
    // The keys changed here that are not on disk yet, sorted.
    QStringList unsavedKeys() const;

    template <typename T> T get(const Key<T> &key) const;
    // Writes only a real change, and only then emits changed().
    template <typename T> void set(const Key<T> &key, const std::type_identity_t<T> &value);

signals:
    void changed(const QString &key);
    void saveProblemChanged(const QString &problem);

private:
    // What the file holds for `name` in the stored type's form, if readable.
    std::optional<QString> storedText(QLatin1StringView name) const;
    std::optional<double> storedReal(QLatin1StringView name) const;
    std::optional<bool> storedFlag(QLatin1StringView name) const;
    std::optional<QByteArray> storedBytes(QLatin1StringView name) const;
    std::optional<QRect> storedRect(QLatin1StringView name) const;

    void setText(QLatin1StringView name, const QString &value);
    void setBytes(QLatin1StringView name, const QByteArray &value);
    void setRect(QLatin1StringView name, const QRect &value);
    void storeValue(QLatin1StringView name, double value);
    void storeValue(QLatin1StringView name, bool value);

    // Takes what the file holds now for every key not changed here since it
    // was last read or written, and announces each that changed.
    void reload();
    void watchFile();
    void store(const QString &key, const QVariant &value);
    QString keepCopyOfFile();

    QString filePath_;
    AtomicFile file_;
    QVariantMap values_;
    QSet<QString> unsaved_;
    // The file's content as last read or written here; no value while there
    // is no file.
    std::optional<QByteArray> known_;
    QFileSystemWatcher watcher_;
    QString saveProblem_;
    QTimer retry_; // while a problem lasts, even when nothing changes
    // The file holds something Paytick would lose by replacing it.
    bool copyBeforeReplacing_ = false;
    bool copyFailed_ = false;
};

template <typename T> T SettingsStore::get(const Key<T> &key) const {
    std::optional<T> stored;
    if constexpr (std::is_same_v<T, QString>)
        stored = storedText(key.name);
    else if constexpr (std::is_same_v<T, double>)
        stored = storedReal(key.name);
    else if constexpr (std::is_same_v<T, bool>)
        stored = storedFlag(key.name);
    else if constexpr (std::is_same_v<T, std::optional<QByteArray>>) {
        if (std::optional<QByteArray> bytes = storedBytes(key.name))
            stored = bytes;
    } else if constexpr (std::is_same_v<T, QRect>)
        stored = storedRect(key.name);
    else if constexpr (HasTextForm<T>) {
        if (std::optional<QString> text = storedText(key.name))
            stored = TextForm<T>::read(*text);
    } else if (std::optional<QString> text = storedText(key.name))
        stored = fromRawValue<T>(*text);
    if (stored && (key.accepts == nullptr || key.accepts(*stored)))
        return *stored;
    return key.fallback();
}

template <typename T>
void SettingsStore::set(const Key<T> &key, const std::type_identity_t<T> &value) {
    if constexpr (std::is_same_v<T, std::optional<QByteArray>>) {
        // Nothing ever removes a stored image; only a new one replaces it.
        if (value)
            setBytes(key.name, *value);
    } else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, bool>) {
        // A number or flag that reads the same is no change, whatever its form.
        if (!values_.contains(key.name) || get(key) != value)
            storeValue(key.name, value);
    } else if constexpr (std::is_same_v<T, QString>)
        setText(key.name, value);
    else if constexpr (std::is_same_v<T, QRect>)
        setRect(key.name, value);
    else if constexpr (HasTextForm<T>)
        setText(key.name, TextForm<T>::write(value));
    else
        setText(key.name, rawValue(value));
}
