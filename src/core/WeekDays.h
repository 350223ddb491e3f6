#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A set of days of the week, numbered as Qt numbers them: Monday 1 to Sunday 7.
class WeekDays {
public:
    static WeekDays mondayToFriday();

    bool contains(int day) const { return day >= 1 && day <= 7 && (mask_ >> (day - 1) & 1) != 0; }
    WeekDays with(int day, bool on) const;
    int count() const;
    bool operator==(const WeekDays &) const = default;

    // "Mon,Tue,Wed,Thu,Fri", Monday first; empty for no day.
    QString toText() const;
    // No value unless every part is a day's English abbreviation, each once.
    static std::optional<WeekDays> fromText(QStringView text);

private:
    unsigned mask_ = 0;
};
