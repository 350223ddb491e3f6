#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <ostream>

// Readable failure messages for Qt values in GoogleTest.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray &bytes, std::ostream *out) {
    *out << bytes.size() << " bytes";
}

inline void PrintTo(const std::optional<QString> &text, std::ostream *out) {
    if (text)
        PrintTo(*text, out);
    else
        *out << "(no value)";
}
