#pragma once

#include <QString>

// The XDG autostart entry that starts Paytick when the user logs in: present
// while "Start at Login" is on.
class AutostartEntry {
public:
    // $XDG_CONFIG_HOME/autostart, by default ~/.config/autostart.
    static QString standardFolder();
    // The installed command when it is this very program, else the running binary.
    static QString currentCommand();

    explicit AutostartEntry(QString folder = standardFolder(), QString command = currentCommand());

    QString filePath() const;
    bool isOn() const;

    // Writes or removes the entry; why that failed, or empty. A failure
    // leaves the entry as it was.
    QString turn(bool on) const;

    // `command` as the Exec value of a desktop entry: quoted where the
    // format needs it, so a path with spaces or quotes still starts.
    static QString execValue(const QString &command);

private:
    QString folder_;
    QString command_;
};
