// Combo and list entries of a headless control. Item edits never notify; the selection follows the
// selected entry when entries are inserted, removed or moved, and is lost when that entry goes.
#include "toolkit/headless/HeadlessControl.h"

namespace quillon::toolkit::headless {

int HeadlessControl::itemCount() const {
    return static_cast<int>(state_.items.size());
}

Item HeadlessControl::item(int index) const {
    if (index < 0 || index >= itemCount()) {
        return Item{};
    }
    return state_.items[index];
}

void HeadlessControl::insertItem(int index, const Item& entry) {
    if (!kindHasItems(kind_)) {
        return;
    }
    if (index < 0 || index > itemCount()) {
        index = itemCount();
    }
    state_.items.insert(state_.items.begin() + index, entry);
    if (state_.index >= index) {
        ++state_.index;
    }
}

void HeadlessControl::setItem(int index, const Item& entry) {
    if (index >= 0 && index < itemCount()) {
        state_.items[index] = entry;
    }
}

void HeadlessControl::removeItem(int index) {
    if (index < 0 || index >= itemCount()) {
        return;
    }
    state_.items.erase(state_.items.begin() + index);
    if (state_.index == index) {
        state_.index = -1;
    } else if (state_.index > index) {
        --state_.index;
    }
}

void HeadlessControl::clearItems() {
    state_.items.clear();
    state_.index = -1;
    scrolledTo_ = -1;
}

void HeadlessControl::moveItem(int from, int to) {
    const int count = itemCount();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) {
        return;
    }
    Item moving = std::move(state_.items[from]);
    state_.items.erase(state_.items.begin() + from);
    state_.items.insert(state_.items.begin() + to, std::move(moving));
    int& selected = state_.index;
    if (selected == from) {
        selected = to;
    } else if (from < selected && selected <= to) {
        --selected;
    } else if (to <= selected && selected < from) {
        ++selected;
    }
}

void HeadlessControl::scrollToItem(int index) {
    if (index >= 0 && index < itemCount()) {
        scrolledTo_ = index;
    }
}

}  // namespace quillon::toolkit::headless
