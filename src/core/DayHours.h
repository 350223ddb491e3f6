#pragma once

#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

// One day's shift, from one wall-clock time to another (a "To" earlier than
// "From" ends the next day), less an optional break within it.
struct DayHours {
    QTime from{9, 0};
    QTime to{17, 0};
    bool breakOn = false;
    QTime breakFrom{12, 0};
    QTime breakTo{13, 0};

    bool operator==(const DayHours &) const = default;

    // A stretch of minutes after the day's midnight (past 1440: the next day).
    struct Minutes {
        int begin;
        int end;
    };

    // A shift needs a length: From and To equal is no shift.
    bool isValid() const { return from.isValid() && to.isValid() && from != to; }
    // The break's times lie within the shift and leave some of it (a night
    // shift's on either side of midnight); a break whose times do not counts as none.
    bool breakFits() const { return isValid() && breakWithin().has_value(); }

    Minutes shift() const;
    // The break that counts; while there is none, an empty stretch at the start.
    Minutes pause() const;
    // Working seconds in the shift as the wall clock counts them.
    double seconds() const;

    // "09:00-14:00", with " break 12:00-12:30" while the break is on.
    QString toText() const;
    // No value unless the text is one `toText` writes.
    static std::optional<DayHours> fromText(QStringView text);

private:
    std::optional<Minutes> breakWithin() const;
};
