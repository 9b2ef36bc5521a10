#pragma once
// Repaints stay cheap: a custom control repaints its own rectangle when a state it draws
// changes, and not at all when a caller sets what it already shows (the keyboard preview sets
// every key's light many times a second).

#include <QWidget>

namespace quillon::toolkit::qt {

// Stores `value` in `field` and schedules a repaint of `widget` when it differs; true then.
template <typename T>
bool updateIfChanged(QWidget& widget, T& field, const T& value) {
    if (field == value) {
        return false;
    }
    field = value;
    widget.update();
    return true;
}

}  // namespace quillon::toolkit::qt
