#include "CountChoice.h"

QString CountChoice::label(CountFrom from) {
    switch (from) {
    case CountFrom::start:
        break;
    case CountFrom::today:
        return tr("Today");
    case CountFrom::week:
        return tr("This week");
    case CountFrom::month:
        return tr("This month");
    }
    return tr("Since start");
}
