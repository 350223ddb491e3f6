// The settings store on any file: never a crash, and a write never makes a
// key read as valid (not its default) that did not before, nor changes what
// an untouched key reads.
#include "Keys.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Every key as it reads, in one comparable form.
QVariantList readAll(const SettingsStore &store) {
    QVariantList values;
    for (const KeyDefinition &key : Keys::table()) {
        switch (key.type) {
        case StoredType::text:
            values << store.text(key.key);
            break;
        case StoredType::real:
            values << store.real(key.key);
            break;
        case StoredType::boolean:
            values << store.flag(key.key);
            break;
        case StoredType::bytes:
            values << store.bytes(key.key).value_or(QByteArray("(none)"));
            break;
        }
    }
    return values;
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
    QVariantList before;
    {
        SettingsStore store(path);
        before = readAll(store);
        store.setText(Keys::goalText, QStringLiteral("fuzz"));
    }
    const QVariantList after = readAll(SettingsStore(path));
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (Keys::table()[std::size_t(i)].key == Keys::goalText)
            continue;
        if (after[i] != before[i])
            std::abort();
    }
    return 0;
}
