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

// A value as QSettings' reader unescapes it: optionally quoted, backslash
// escapes (named, \x with any number of hex digits, octal; any other
// character, a line end included, is dropped), spaces and tabs trimmed outside
// quotes unless the value ends in a lone backslash or an escape. No value for
// a list (an unquoted comma), which Paytick never writes.
std::optional<QString> unescaped(QByteArrayView raw) {
    QString result;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    bool inQuotes = false;
    bool quoted = false;
    qsizetype keep = 0; // trailing spaces after this are trimmed unless quoted
    qsizetype i = 0;
    const auto skipSpaces = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
    };
    skipSpaces();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (i + 1 >= raw.size())
                return result;
            const char e = raw[i + 1];
            i += 2;
            if (const char16_t named = simpleEscape(e)) {
                result += QChar(named);
            } else if ((e == 'x' && i < raw.size() && isHexDigit(raw[i])) ||
                       (e >= '0' && e <= '7')) {
                const bool hex = e == 'x';
                char16_t value = hex ? 0 : char16_t(e - '0');
                while (i < raw.size() &&
                       (hex ? isHexDigit(raw[i]) : raw[i] >= '0' && raw[i] <= '7'))
                    value = hex ? char16_t(value * 16 + hexValue(raw[i++]))
                                : char16_t(value * 8 + (raw[i++] - '0'));
                result += QChar(value);
                if (i >= raw.size())
                    return result;
            } else if (e == 'x' && i >= raw.size()) {
                return result;
            } else if ((e == '\n' || e == '\r') && i < raw.size() &&
                       (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e) {
                ++i; // an escaped line end of two characters
            }
            keep = result.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                keep = result.size();
            }
        } else if (c == ',' && !inQuotes) {
            return std::nullopt;
        } else {
            qsizetype end = i + 1;
            while (end < raw.size() && raw[end] != '\\' && raw[end] != '"' && raw[end] != ',')
                ++end;
            result += fromUtf8(raw.sliced(i, end - i));
            i = end;
        }
    }
    if (!quoted) {
        while (result.size() > keep && (result.back() == u' ' || result.back() == u'\t'))
            result.chop(1);
    }
    return result;
}

// A key or group name as QSettings' reader decodes it: "\" is "/", "%XX" and
// "%UXXXX" are characters.
QString unescapedKey(QByteArrayView raw) {
    const QString decoded = QString::fromUtf8(raw);
    QString result;
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded[i];
        const qsizetype digits = i + 1 < decoded.size() && decoded[i + 1] == u'U' ? 4 : 2;
        const qsizetype first = digits == 4 ? i + 2 : i + 1;
        bool ok = false;
        const ushort code = c == u'%' && first + digits <= decoded.size()
                                ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (ok) {
            result += QChar(code);
            i = first + digits;
        } else {
            result += c == u'\\' ? u'/' : c;
            ++i;
        }
    }
    return result;
}

// The value a text stands for, as QSettings' reader makes it; no value for
// the forms it decodes with QDataStream and geometry Paytick does not store.
std::optional<QVariant> valueOf(const QString &text) {
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(QLatin1StringView("@ByteArray(")))
            return QStringView(text).sliced(11).chopped(1).toLatin1();
        if (text.startsWith(QLatin1StringView("@String(")))
            return QStringView(text).sliced(8).chopped(1).toString();
        for (const char *form : {"@Variant(", "@DateTime(", "@Size(", "@Point(", "@Invalid()"})
            if (text.startsWith(QLatin1StringView(form)))
                return std::nullopt;
        if (text.startsWith(QLatin1StringView("@Rect("))) {
            // Split as QSettings splits: at every single space, and an item
            // ends at every ')'. Other counts than four stay text.
            QStringList parts;
            QString part;
            for (QChar c : QStringView(text).sliced(6)) {
                if (c == u' ' || c == u')')
                    parts.append(part);
                if (c == u' ')
                    part.clear();
                else if (c != u')')
                    part += c;
            }
            if (parts.size() == 4)
                return QRect(parts[0].toInt(), parts[1].toInt(), parts[2].toInt(),
                             parts[3].toInt());
        }
    }
    if (text.startsWith(QLatin1StringView("@@")))
        return text.mid(1);
    return text;
}

bool isLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

struct Line {
    QByteArrayView text;
    qsizetype equals = -1; // the first '=' outside quotes, within `text`
};

// The next line from `position` on, as QSettings' reader splits the text: CR,
// LF or both end a line, except inside quotes or after a backslash; a
// semicolon outside quotes starts a comment that runs to the line's end.
std::optional<Line> nextLine(QByteArrayView data, qsizetype &position) {
    qsizetype start = position;
    while (start < data.size() && isLineSpace(data[start]))
        ++start;
    qsizetype equals = -1;
    bool inQuotes = false;
    qsizetype i = start;
    while (i < data.size()) {
        const char c = data[i++];
        if (c == '=') {
            if (!inQuotes && equals < 0)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < data.size()) {
                const char e = data[i++];
                if (i < data.size() &&
                    ((e == '\n' && data[i] == '\r') || (e == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < data.size() && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < data.size() && isLineSpace(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    position = i;
    if (i == start)
        return std::nullopt;
    return Line{data.sliced(start, i - start), equals < 0 ? -1 : equals - start};
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

Reading read(QByteArrayView text) {
    Reading reading;
    QString group;                       // empty for [General], else the group's name and a slash
    if (text.startsWith("\xEF\xBB\xBF")) // a byte-order mark, as some editors save
        text = text.sliced(3);
    qsizetype position = 0;
    while (const std::optional<Line> line = nextLine(text, position)) {
        if (line->text.front() == '[') {
            // A group ends at its first ']'; without one, at the line's end.
            qsizetype close = line->text.indexOf(']');
            if (close < 0) {
                reading.leftSomethingOut = true;
                close = line->text.size();
            }
            const QByteArrayView name = line->text.sliced(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                group.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                group = QString::fromLatin1(name.sliced(1)) + u'/';
            else
                group = unescapedKey(name) + u'/';
            continue;
        }
        if (line->equals < 0) {
            // Text that is no key and value: a comment when it says so.
            if (line->text.front() != '#')
                reading.leftSomethingOut = true;
            continue;
        }
        const QString key = group + unescapedKey(line->text.first(line->equals).trimmed());
        const std::optional<QString> value = unescaped(line->text.sliced(line->equals + 1));
        const std::optional<QVariant> variant = value ? valueOf(*value) : std::nullopt;
        if (variant) {
            reading.values.insert(key, *variant);
        } else {
            // The last line for a key decides, even one left out.
            reading.values.remove(key);
            reading.leftSomethingOut = true;
        }
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
