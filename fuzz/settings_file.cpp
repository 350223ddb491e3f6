// The settings store on any file: never a crash, the file read as QSettings'
// own INI reader reads it, and a write never makes a key read as valid (not
// its default) that did not before, nor changes what an untouched key reads.
#include "Keys.h"
#include "QSettingsDifference.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {

template <typename T> QVariant comparable(const T &value) {
    if constexpr (ClosedListEnum<T>)
        return rawValue(value);
    else if constexpr (HasTextForm<T>)
        return TextForm<T>::write(value);
    else if constexpr (std::is_same_v<T, std::optional<QByteArray>>)
        return value.value_or(QByteArray("(none)"));
    else
        return value;
}

// Every key as it reads, in one comparable form, in the order of Keys::table().
QVariantList readAll(const SettingsStore &store) {
    return std::apply(
        [&](const auto &...key) { return QVariantList{comparable(store.get(key))...}; }, Keys::all);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static int argc = 1;
    static char name[] = "settings_file";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Paytick.conf"));
    QDir(folder.path()).removeRecursively();
    QDir().mkpath(folder.path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    // A name of its own each time: QSettings keeps what it read of a file.
    static int files = 0;
    const QString difference =
        differenceFromQSettings(folder.filePath(QString::number(++files)),
                                QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!difference.isEmpty()) {
        std::fprintf(stderr, "read otherwise than by QSettings: %s\n", qPrintable(difference));
        std::abort();
    }
    QVariantList before;
    {
        SettingsStore store(path);
        before = readAll(store);
        store.set(Keys::goalText, QStringLiteral("fuzz"));
    }
    const QVariantList after = readAll(SettingsStore(path));
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (Keys::table()[std::size_t(i)].name == Keys::goalText.name)
            continue;
        if (after[i] != before[i])
            std::abort();
    }
    return 0;
}
