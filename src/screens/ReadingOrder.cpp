#include "ReadingOrder.h"

#include <QWidget>

#include <algorithm>

namespace {

struct Place {
    QWidget *widget;
    QRect rect; // in the root's coordinates
};

QWidget *focusTarget(QWidget *widget) {
    while (QWidget *proxy = widget->focusProxy())
        widget = proxy;
    return widget;
}

std::vector<Place> tabStops(QWidget *root) {
    std::vector<Place> stops;
    for (QWidget *child : root->findChildren<QWidget *>()) {
        QWidget *target = focusTarget(child);
        if (!target->isVisible() || !target->isEnabled() ||
            !(target->focusPolicy() & Qt::TabFocus) || !root->isAncestorOf(target))
            continue;
        if (std::any_of(stops.begin(), stops.end(),
                        [&](const Place &stop) { return stop.widget == target; }))
            continue;
        stops.push_back({target, QRect(target->mapTo(root, QPoint()), target->size())});
    }
    return stops;
}

// Rows from the top; a control belongs to the row whose first control's
// height spans its middle.
std::vector<QWidget *> inReadingOrder(std::vector<Place> stops, bool rightToLeft) {
    std::stable_sort(stops.begin(), stops.end(), [](const Place &a, const Place &b) {
        return a.rect.center().y() < b.rect.center().y();
    });
    std::vector<QWidget *> order;
    for (std::size_t first = 0; first < stops.size();) {
        std::size_t end = first + 1;
        while (end < stops.size() && stops[end].rect.center().y() <= stops[first].rect.bottom())
            ++end;
        std::stable_sort(stops.begin() + long(first), stops.begin() + long(end),
                         [rightToLeft](const Place &a, const Place &b) {
                             return rightToLeft ? a.rect.center().x() > b.rect.center().x()
                                                : a.rect.center().x() < b.rect.center().x();
                         });
        for (std::size_t i = first; i < end; ++i)
            order.push_back(stops[i].widget);
        first = end;
    }
    return order;
}

} // namespace

namespace ReadingOrder {

QWidget *next(QWidget *root, QWidget *from, bool forward) {
    const std::vector<QWidget *> order =
        inReadingOrder(tabStops(root), root->layoutDirection() == Qt::RightToLeft);
    if (order.empty())
        return nullptr;
    const auto at = from ? std::find(order.begin(), order.end(), focusTarget(from)) : order.end();
    if (at == order.end())
        return forward ? order.front() : order.back();
    const auto index = std::size_t(at - order.begin());
    return order[(index + (forward ? 1 : order.size() - 1)) % order.size()];
}

} // namespace ReadingOrder
