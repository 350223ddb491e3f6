#pragma once

#include "SettingsStore.h"

#include <QObject>

#include <utility>

// A binding on one key: read with the key's default, write, and hear about
// changes. Cheap to copy, so a screen can hand it to a child.
template <typename T> class Setting {
public:
    Setting(SettingsStore &store, const Key<T> &key)
        : store_(&store)
        , key_(key) {}

    T get() const { return store_->get(key_); }
    void set(const T &value) const { store_->set(key_, value); }

    // Calls `onChange` after every write to this key, while `context` lives.
    template <typename F> QMetaObject::Connection observe(QObject *context, F onChange) const {
        return QObject::connect(
            store_, &SettingsStore::changed, context,
            [name = key_.name, onChange = std::move(onChange)](const QString &changed) {
                if (changed == name)
                    onChange();
            });
    }

private:
    SettingsStore *store_;
    Key<T> key_;
};
