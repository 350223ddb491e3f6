#pragma once

#include <QCoreApplication>
#include <QString>

// The XDG autostart entry that starts Paytick when the user logs in: present
// and not turned off while "Start at Login" is on. An entry of the user's own
// under the same name is turned off and on in place, never deleted.
class AutostartEntry {
    Q_DECLARE_TR_FUNCTIONS(AutostartEntry)

public:
    // $XDG_CONFIG_HOME/autostart, by default ~/.config/autostart.
    static QString standardFolder();
    // The installed command when it is this very program, else the running binary.
    static QString currentCommand();

    explicit AutostartEntry(QString folder = standardFolder(), QString command = currentCommand());

    QString filePath() const;
    // Whether the session would start Paytick: an entry, not Hidden=true and
    // not X-GNOME-Autostart-enabled=false.
    bool isOn() const;

    // Writes or removes Paytick's entry, or turns the user's on or off; why
    // that failed, or empty. A failure leaves the entry as it was, and so
    // does a program path no login could start (a control character or %).
    QString turn(bool on) const;

    // `command` as the Exec value of a desktop entry: quoted where the
    // format needs it, so a path with spaces or quotes still starts.
    static QString execValue(const QString &command);

private:
    QString folder_;
    QString command_;
};
