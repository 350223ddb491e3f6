#include "IniText.h"

#include <QRect>
#include <QStringDecoder>
#include <QStringList>
#include <QStringView>

#include <algorithm>

namespace {

const QString general = QStringLiteral("General");

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

char16_t simpleEscape(char c) {
    switch (c) {
    case 'a':
        return u'\a';
    case 'b':
        return u'\b';
    case 'f':
        return u'\f';
    case 'n':
        return u'\n';
    case 'r':
        return u'\r';
    case 't':
        return u'\t';
    case 'v':
        return u'\v';
    case '"':
        return u'"';
    case '?':
        return u'?';
    case '\'':
        return u'\'';
    case '\\':
        return u'\\';
    default:
        return 0;
    }
}

// A value as QSettings writes it: optionally quoted, backslash escapes
// (named, \x with any number of hex digits, octal), spaces trimmed outside
// quotes. No value for a list (an unquoted comma), which Paytick never writes.
std::optional<QString> unescaped(QByteArrayView raw) {
    QString result;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keep = 0; // trailing spaces after this are trimmed unless quoted
    qsizetype i = 0;
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
        ++i;
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (++i >= raw.size())
                break;
            const char e = raw[i++];
            if (const char16_t named = simpleEscape(e)) {
                result += QChar(named);
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                char16_t value = hex ? 0 : char16_t(e - '0');
                while (i < raw.size() &&
                       (hex ? isHexDigit(raw[i]) : raw[i] >= '0' && raw[i] <= '7'))
                    value = hex ? char16_t(value * 16 + hexValue(raw[i++]))
                                : char16_t(value * 8 + (raw[i++] - '0'));
                result += QChar(value);
            }
            keep = result.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
                    ++i;
            keep = result.size();
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            qsizetype end = i + 1;
            while (end < raw.size() && raw[end] != '\\' && raw[end] != '"' && raw[end] != ',')
                ++end;
            result += fromUtf8(raw.sliced(i, end - i));
            i = end;
            if (inQuotes)
                keep = result.size();
        }
    }
    if (!quoted) {
        while (result.size() > keep && (result.back() == u' ' || result.back() == u'\t'))
            result.chop(1);
    }
    return result;
}

// The value a text stands for, in the forms Paytick reads; no value for others.
std::optional<QVariant> valueOf(const QString &text) {
    if (!text.startsWith(u'@'))
        return text;
    if (text.startsWith(QLatin1StringView("@@")))
        return text.mid(1);
    if (text.startsWith(QLatin1StringView("@ByteArray(")) && text.endsWith(u')')) {
        const QStringView inner = QStringView(text).sliced(11, text.size() - 12);
        for (QChar c : inner)
            if (c.unicode() > 0xFF)
                return std::nullopt;
        return inner.toLatin1();
    }
    if (text.startsWith(QLatin1StringView("@Rect(")) && text.endsWith(u')')) {
        const QStringList parts =
            QStringView(text).sliced(6, text.size() - 7).toString().split(u' ', Qt::SkipEmptyParts);
        if (parts.size() != 4)
            return std::nullopt;
        int numbers[4];
        for (int n = 0; n < 4; ++n) {
            bool ok = false;
            numbers[n] = parts[n].toInt(&ok);
            if (!ok)
                return std::nullopt;
        }
        return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
    }
    return std::nullopt;
}

// QSettings' own escaping, so that files stay readable by earlier versions.
void appendEscaped(QByteArray &out, const QString &text, bool bytes) {
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar qc = text[i];
        const char16_t c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHex && c < 0x80 && isHexDigit(char(c))) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (c) {
        case u'\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
        case u'\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F || (c >= 0x7F && bytes)) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHex = true;
            } else if (qc.isHighSurrogate() && i + 1 < text.size() &&
                       text[i + 1].isLowSurrogate()) {
                out += QStringView(text).sliced(i, 2).toUtf8();
                ++i;
            } else if (c >= 0x80) {
                out += QStringView(text).sliced(i, 1).toUtf8();
            } else {
                out += char(c);
            }
        }
    }
    if (needsQuotes || (out.size() > start && (out[start] == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

} // namespace

namespace IniText {

std::optional<Reading> read(QByteArrayView text) {
    Reading reading;
    QString group = general;
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = text.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        QByteArrayView line = text.sliced(lineStart, lineEnd - lineStart).trimmed();
        lineStart = lineEnd + 1;
        if (line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return std::nullopt;
            group = QString::fromUtf8(line.sliced(1, line.size() - 2)).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            return std::nullopt;
        const QString key = QString::fromUtf8(line.first(equals)).trimmed();
        const std::optional<QString> value = unescaped(line.sliced(equals + 1));
        const std::optional<QVariant> variant = value ? valueOf(*value) : std::nullopt;
        if (!variant) {
            reading.leftSomethingOut = true;
            continue;
        }
        reading.values.insert(group == general ? key : group + u'/' + key, *variant);
    }
    return reading;
}

QByteArray write(const QVariantMap &values) {
    QByteArray out;
    QString currentGroup;
    // [General] first, as QSettings orders it: its keys have no group part.
    QList<QString> keys = values.keys();
    std::stable_partition(keys.begin(), keys.end(),
                          [](const QString &key) { return !key.contains(u'/'); });
    for (const QString &key : keys) {
        const qsizetype slash = key.indexOf(u'/');
        const QString group = slash < 0 ? general : key.first(slash);
        if (group != currentGroup) {
            out += (out.isEmpty() ? "[" : "\n[") + group.toUtf8() + "]\n";
            currentGroup = group;
        }
        const QVariant &value = values.value(key);
        QByteArray line = key.sliced(slash + 1).toUtf8() + '=';
        if (value.typeId() == QMetaType::QString) {
            const QString text = value.toString();
            appendEscaped(line, text.startsWith(u'@') ? u'@' + text : text, false);
        } else if (value.typeId() == QMetaType::QByteArray) {
            appendEscaped(line,
                          QStringLiteral("@ByteArray(") + QString::fromLatin1(value.toByteArray()) +
                              u')',
                          true);
        } else if (value.typeId() == QMetaType::QRect) {
            const QRect r = value.toRect();
            line += QStringLiteral("@Rect(%1 %2 %3 %4)")
                        .arg(r.x())
                        .arg(r.y())
                        .arg(r.width())
                        .arg(r.height())
                        .toUtf8();
        } else {
            continue;
        }
        out += line + '\n';
    }
    return out;
}

} // namespace IniText
