#pragma once

#include "SettingsStore.h"

#include <QObject>

#include <utility>

// A binding on one key: read with the key's default, write, and hear about
// changes. Cheap to copy, so a screen can hand it to a child.
template <typename T> class Setting {
public:
    Setting(SettingsStore &store, QLatin1StringView key)
        : store_(&store)
        , key_(key) {}

    T get() const { return store_->get<T>(key_); }
    void set(const T &value) const { store_->set<T>(key_, value); }
    QLatin1StringView key() const { return key_; }
    SettingsStore &store() const { return *store_; }

    // Calls `onChange` after every write to this key, while `context` lives.
    template <typename F> QMetaObject::Connection observe(QObject *context, F onChange) const {
        return QObject::connect(
            store_, &SettingsStore::changed, context,
            [key = key_, onChange = std::move(onChange)](const QString &changed) {
                if (changed == key)
                    onChange();
            });
    }

private:
    SettingsStore *store_;
    QLatin1StringView key_;
};
