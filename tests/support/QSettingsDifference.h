#pragma once

#include "IniText.h"
#include "Keys.h"

#include <QFile>
#include <QSettings>
#include <QString>

// How IniText reads `content` where QSettings' own INI reader reads it
// otherwise, for every key Paytick owns; empty when they agree, even where
// QSettings reports a format error (it reads what it can). Texts with a form
// QSettings decodes with QDataStream, which Paytick leaves out on purpose, are
// not compared. `path` is a file name not used before: QSettings keeps what
// it read of a file.
inline QString differenceFromQSettings(const QString &path, const QByteArray &content) {
    if (content.contains("@Variant(") || content.contains("@DateTime("))
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QStringLiteral("cannot write the file");
    file.close();
    const QSettings settings(path, QSettings::IniFormat);
    // Every group parsed, as a reader of any key sees it: QSettings parses
    // [General] only when a key without a group is asked for.
    settings.allKeys();
    const IniText::Reading reading = IniText::read(content);
    QStringList keys;
    for (const KeyDefinition &key : Keys::table())
        keys.append(key.name);
    for (const QString &key : keys) {
        // Paytick's forms; a list or any other type is left out.
        QVariant expected = settings.value(key);
        const int type = expected.typeId();
        if (type != QMetaType::QString && type != QMetaType::QByteArray && type != QMetaType::QRect)
            expected = QVariant();
        const QVariant read = reading.values.value(key);
        if (read != expected)
            return QStringLiteral("%1: \"%2\" instead of \"%3\"")
                .arg(key, read.toString(), expected.toString());
    }
    return QString();
}
