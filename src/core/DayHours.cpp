#include "DayHours.h"

#include <QStringList>

namespace {

constexpr int minutesPerDay = 24 * 60;

int minutesOf(QTime time) {
    return time.hour() * 60 + time.minute();
}

const QString timeFormat = QStringLiteral("HH:mm");
const QString breakWord = QStringLiteral(" break ");

QString stretch(QTime from, QTime to) {
    return from.toString(timeFormat) + u'-' + to.toString(timeFormat);
}

// "HH:mm-HH:mm" exactly.
bool readStretch(QStringView text, QTime &from, QTime &to) {
    if (text.size() != 11 || text[5] != u'-')
        return false;
    from = QTime::fromString(text.first(5).toString(), timeFormat);
    to = QTime::fromString(text.sliced(6).toString(), timeFormat);
    return from.isValid() && to.isValid();
}

} // namespace

DayHours::Minutes DayHours::shift() const {
    const int begin = minutesOf(from);
    int end = minutesOf(to);
    if (end <= begin)
        end += minutesPerDay;
    return {begin, end};
}

std::optional<DayHours::Minutes> DayHours::breakWithin() const {
    const Minutes whole = shift();
    const int begin = minutesOf(breakFrom);
    int end = minutesOf(breakTo);
    if (end <= begin)
        end += minutesPerDay;
    for (const int offset : {0, minutesPerDay})
        if (begin + offset >= whole.begin && end + offset <= whole.end &&
            end - begin < whole.end - whole.begin)
            return Minutes{begin + offset, end + offset};
    return std::nullopt;
}

DayHours::Minutes DayHours::pause() const {
    const Minutes none{shift().begin, shift().begin};
    return breakOn ? breakWithin().value_or(none) : none;
}

double DayHours::seconds() const {
    if (!isValid())
        return 0;
    const Minutes whole = shift();
    const Minutes gap = pause();
    return double((whole.end - whole.begin) - (gap.end - gap.begin)) * 60;
}

QString DayHours::toText() const {
    QString text = stretch(from, to);
    if (breakOn)
        text += breakWord + stretch(breakFrom, breakTo);
    return text;
}

std::optional<DayHours> DayHours::fromText(QStringView text) {
    DayHours hours;
    const qsizetype cut = text.indexOf(breakWord);
    if (!readStretch(cut < 0 ? text : text.first(cut), hours.from, hours.to))
        return std::nullopt;
    if (cut >= 0) {
        hours.breakOn = true;
        if (!readStretch(text.sliced(cut + breakWord.size()), hours.breakFrom, hours.breakTo))
            return std::nullopt;
    }
    return hours;
}
