#pragma once

#include "ClosedList.h"
#include "Keys.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <optional>
#include <type_traits>

// The twelve settings (and the panel's frame) in one INI file, read once at
// construction and rewritten atomically and durably on every write.
//
// Typed reads never fail: a missing key, a value of the wrong type, a text no
// case matches or an absurdly large value reads as the key's default. If the
// file cannot be written the store keeps every value in memory, says so once
// on standard error and through saveProblem(), and writes the whole file
// again with the next change (or save()) until that succeeds.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    // ~/.config/Paytick/Paytick.conf on Linux.
    static QString standardFilePath();

    explicit SettingsStore(const QString &filePath = standardFilePath(), QObject *parent = nullptr);

    QString filePath() const { return filePath_; }

    // Why the last write did not reach the disk; empty when it did.
    QString saveProblem() const { return saveProblem_; }
    // Writes the file now; true when it is on disk. For quitting and retrying.
    bool save();

    QString text(QLatin1StringView key) const;
    double real(QLatin1StringView key) const;
    bool flag(QLatin1StringView key) const;
    std::optional<QByteArray> bytes(QLatin1StringView key) const;
    template <ClosedListEnum Enum> Enum choice(QLatin1StringView key) const {
        if (auto stored = fromRawValue<Enum>(text(key)))
            return *stored;
        return *fromRawValue<Enum>(Keys::definition(key).defaultValue().toString());
    }

    void setText(QLatin1StringView key, const QString &value);
    void setReal(QLatin1StringView key, double value);
    void setFlag(QLatin1StringView key, bool value);
    void setBytes(QLatin1StringView key, const QByteArray &value);
    template <ClosedListEnum Enum> void setChoice(QLatin1StringView key, Enum value) {
        setText(key, rawValue(value));
    }

    // Typed access by value type, for bindings.
    template <typename T> T get(QLatin1StringView key) const;
    template <typename T> void set(QLatin1StringView key, const T &value);

    // Values outside the twelve settings (the panel's frame), kept in the same file.
    QVariant extra(const QString &key) const { return values_.value(key); }
    void setExtra(const QString &key, const QVariant &value);

signals:
    void changed(const QString &key);
    void saveProblemChanged(const QString &problem);

private:
    void load();
    void removeStaleTemporaries() const;
    void store(const QString &key, const QVariant &value);
    QString persist(); // the problem, or empty
    bool keepCopyOfFile();

    QString filePath_;
    QVariantMap values_;
    QString saveProblem_;
    QTimer retry_; // while a problem lasts, even when nothing changes
    bool copyBeforeReplacing_ = false;
};

template <typename T> T SettingsStore::get(QLatin1StringView key) const {
    if constexpr (std::is_same_v<T, QString>)
        return text(key);
    else if constexpr (std::is_same_v<T, double>)
        return real(key);
    else if constexpr (std::is_same_v<T, bool>)
        return flag(key);
    else if constexpr (std::is_same_v<T, std::optional<QByteArray>>)
        return bytes(key);
    else
        return choice<T>(key);
}

template <typename T> void SettingsStore::set(QLatin1StringView key, const T &value) {
    if constexpr (std::is_same_v<T, QString>)
        setText(key, value);
    else if constexpr (std::is_same_v<T, double>)
        setReal(key, value);
    else if constexpr (std::is_same_v<T, bool>)
        setFlag(key, value);
    else if constexpr (std::is_same_v<T, QByteArray>)
        setBytes(key, value);
    else if constexpr (std::is_same_v<T, std::optional<QByteArray>>) {
        // Nothing ever removes a stored image; only a new one replaces it.
        if (value)
            setBytes(key, *value);
    } else
        setChoice<T>(key, value);
}
