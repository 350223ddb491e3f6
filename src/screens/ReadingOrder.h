#pragma once

class QWidget;

// Tab and Shift+Tab in the order people read a screen: row by row from the
// top, and along each row in the layout's direction, over the controls that
// are shown and take keyboard focus. The order follows the screen as it is
// laid out at the moment, so rows that appear or move need no bookkeeping.
namespace ReadingOrder {

// The control after (or before) `from` within `root`, wrapping around at the
// ends; the first (or last) when `from` is none of them; null when there are
// none.
QWidget *next(QWidget *root, QWidget *from, bool forward);

} // namespace ReadingOrder
