#include "profiles/ProfileCombo.h"

#include <algorithm>

namespace quillon {
namespace {

// The names with the one at `position` left out.
std::vector<std::string> without(std::vector<std::string> names, std::size_t position) {
    names.erase(names.begin() + static_cast<std::ptrdiff_t>(position));
    return names;
}

std::size_t firstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t i = 0;
    while (i < common && a[i] == b[i]) {
        ++i;
    }
    return i;
}

void rename(toolkit::Control& combo, const std::vector<std::string>& shown,
            const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (shown[i] == names[i]) {
            continue;
        }
        toolkit::Item entry = combo.item(static_cast<int>(i));
        entry.text = names[i];
        entry.textIsId = false;
        entry.id = names[i];
        combo.setItem(static_cast<int>(i), entry);
    }
}

void rebuild(toolkit::Control& combo, const std::vector<std::string>& names) {
    combo.clearItems();
    for (const std::string& name : names) {
        combo.addItem(profileComboItem(name, true));
    }
}

}  // namespace

toolkit::Item profileComboItem(const std::string& name, bool styled) {
    toolkit::Item entry;
    entry.text = name;
    entry.id = name;
    entry.height = kProfileEntryHeight;
    if (styled) {
        entry.style = kProfileEntryStyle;
    }
    return entry;
}

std::vector<std::string> profileComboNames(const toolkit::Control& combo) {
    std::vector<std::string> names;
    const int count = combo.itemCount();
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        names.push_back(combo.item(i).id);
    }
    return names;
}

void showProfileEntries(toolkit::Control& combo, const std::vector<std::string>& names) {
    const std::vector<std::string> shown = profileComboNames(combo);
    if (shown == names) {
        return;
    }
    const std::size_t at = firstDifference(shown, names);
    if (shown.size() == names.size()) {
        rename(combo, shown, names);
    } else if (names.size() == shown.size() + 1 && at == shown.size()) {
        combo.addItem(profileComboItem(names.back(), true));
    } else if (shown.size() == names.size() + 1 && without(shown, at) == names) {
        combo.removeItem(static_cast<int>(at));
    } else {
        rebuild(combo, names);
    }
}

}  // namespace quillon
