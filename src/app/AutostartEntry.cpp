#include "AutostartEntry.h"

#include "AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

namespace {

const QByteArray group = "[Desktop Entry]";

// Where `key` is set in the entry's [Desktop Entry] group: the line's start
// and end and its value, or only where a new line for it would go.
struct Place {
    qsizetype start = -1;
    qsizetype end = -1;
    QByteArray value;
};

Place find(const QByteArray &entry, QByteArrayView key) {
    Place place;
    bool inGroup = false;
    for (qsizetype start = 0; start < entry.size();) {
        qsizetype end = entry.indexOf('\n', start);
        end = end < 0 ? entry.size() : end + 1;
        const QByteArray line = entry.sliced(start, end - start).trimmed();
        if (line.startsWith('[')) {
            inGroup = line == group;
            if (inGroup && place.start < 0)
                place.end = end; // a new key goes right after the group's name
        } else if (const qsizetype equals = line.indexOf('=');
                   inGroup && equals > 0 && line.first(equals).trimmed() == key) {
            return Place{start, end, line.sliced(equals + 1).trimmed()};
        }
        start = end;
    }
    return place;
}

// `entry` with `key` set to `value`, everything else as it was.
QByteArray withValue(QByteArray entry, QByteArrayView key, QByteArrayView value) {
    const Place place = find(entry, key);
    const QByteArray line = key.toByteArray() + '=' + value.toByteArray() + '\n';
    if (place.start >= 0)
        return entry.replace(place.start, place.end - place.start, line);
    if (place.end < 0) // no group at all
        return entry + '\n' + group + '\n' + line;
    return entry.insert(place.end, line);
}

// The entry Paytick writes, for the Exec value given.
QByteArray paytickEntry(const QString &exec) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Paytick\n"
                          "Comment=Starts counting your earnings when you log in\n"
                          "Exec=%1\n"
                          "Icon=" PAYTICK_APP_ID "\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(exec)
        .toUtf8();
}

bool isPaytickEntry(const QByteArray &entry) {
    return entry == paytickEntry(QString::fromUtf8(find(entry, "Exec").value));
}

// A desktop entry cannot hold control characters, and GLib's launcher looks
// for a program named with the escaped "%%" before it expands it.
bool canStartFromEntry(const QString &command) {
    return std::none_of(command.begin(), command.end(),
                        [](QChar c) { return c == u'%' || c.category() == QChar::Other_Control; });
}

} // namespace

QString AutostartEntry::standardFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QString AutostartEntry::currentCommand() {
    const QString running = QCoreApplication::applicationFilePath();
    const QString installed = QStandardPaths::findExecutable(QStringLiteral("paytick"));
    if (!installed.isEmpty() &&
        QFileInfo(installed).canonicalFilePath() == QFileInfo(running).canonicalFilePath())
        return QStringLiteral("paytick");
    return running;
}

AutostartEntry::AutostartEntry(QString folder, QString command)
    : folder_(std::move(folder))
    , command_(std::move(command)) {
}

QString AutostartEntry::filePath() const {
    return folder_ + QStringLiteral("/" PAYTICK_APP_ID ".desktop");
}

bool AutostartEntry::isOn() const {
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // What the session reads: an entry turned off is there and starts nothing.
    const QByteArray entry = file.readAll();
    return find(entry, "Hidden").value != "true" &&
           find(entry, "X-GNOME-Autostart-enabled").value != "false";
}

QString AutostartEntry::turn(bool on) const {
    QFile file(filePath());
    std::optional<QByteArray> entry;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return file.errorString();
        entry = file.readAll();
        file.close();
    }
    if (entry && !isPaytickEntry(*entry)) {
        // The user's own entry is turned off and on in place, as desktops
        // do, and never deleted.
        QByteArray changed = *entry;
        if (!on)
            changed = withValue(changed, "Hidden", "true");
        else if (find(changed, "Hidden").value == "true")
            changed = withValue(changed, "Hidden", "false");
        if (on && find(changed, "X-GNOME-Autostart-enabled").value == "false")
            changed = withValue(changed, "X-GNOME-Autostart-enabled", "true");
        return AtomicFile(filePath()).write(changed);
    }
    if (!on) {
        if (!entry || file.remove())
            return QString();
        return file.errorString();
    }
    if (!canStartFromEntry(command_))
        return tr("Paytick's path holds a control character or %, which a login "
                  "cannot start; install Paytick or move it to another path");
    return AtomicFile(filePath()).write(paytickEntry(execValue(command_)));
}

QString AutostartEntry::execValue(const QString &command) {
    // An argument with a reserved character is quoted, and within the quotes
    // ", `, $ and \ are escaped; then the value itself escapes \ and %.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote =
        std::any_of(command.begin(), command.end(), [](QChar c) { return reserved.contains(c); });
    QString argument;
    if (quote) {
        argument += u'"';
        for (QChar c : command) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                argument += u'\\';
            argument += c;
        }
        argument += u'"';
    } else {
        argument = command;
    }
    QString value;
    for (QChar c : argument) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'%')
            value += QStringLiteral("%%");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else
            value += c;
    }
    return value;
}
