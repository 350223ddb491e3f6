#include "AutostartEntry.h"

#include "AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

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
    return QFileInfo(filePath()).isFile();
}

QString AutostartEntry::turn(bool on) const {
    if (!on) {
        QFile entry(filePath());
        if (!entry.exists() || entry.remove())
            return QString();
        return entry.errorString();
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=Paytick\n"
                                         "Comment=Starts counting your earnings when you log in\n"
                                         "Exec=%1\n"
                                         "Icon=" PAYTICK_APP_ID "\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execValue(command_));
    return AtomicFile(filePath()).write(entry.toUtf8());
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
