#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A private folder for one test's settings file.
class TempSettings {
public:
    QString path() const { return dir_.filePath(QStringLiteral("Paytick/Paytick.conf")); }
    QString folder() const { return dir_.path(); }

    // Writes `content` as the settings file, as another program might have.
    void writeFile(const QByteArray &content) const {
        QDir(dir_.path()).mkpath(QStringLiteral("Paytick"));
        QFile file(path());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }

    QByteArray readFile() const {
        QFile file(path());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir dir_;
};
