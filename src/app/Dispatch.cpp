#include "app/Dispatch.h"

#include <algorithm>

#include "app/ControlName.h"

namespace quillon::app {

void Dispatch::addRow(const std::string& type, Row row) {
    row.sequence = sequence_++;
    auto& table = rows_[toLower(type)];
    const auto at = std::upper_bound(table.begin(), table.end(), row,
                                     [](const Row& a, const Row& b) { return a.order < b.order; });
    table.insert(at, std::move(row));
}

void Dispatch::addNamed(const std::string& type, int order, std::vector<std::string> names,
                        Handler handler) {
    Row row;
    row.order = order;
    row.matches = [names = std::move(names)](const Notification& n) {
        return std::any_of(names.begin(), names.end(),
                           [&](const std::string& name) { return equalsNoCase(name, n.sender); });
    };
    row.run = std::move(handler);
    addRow(type, std::move(row));
}

void Dispatch::addNumbered(const std::string& type, int order, std::string prefix,
                           NumberedHandler handler, std::function<bool(int)> accepts) {
    auto numberOf = [prefix = std::move(prefix),
                     accepts = std::move(accepts)](const Notification& n) -> std::optional<int> {
        const auto split = splitControlName(n.sender);
        if (!split || !equalsNoCase(split->prefix, prefix)) {
            return std::nullopt;
        }
        if (accepts && !accepts(split->number)) {
            return std::nullopt;
        }
        return split->number;
    };
    Row row;
    row.order = order;
    row.matches = [numberOf](const Notification& n) { return numberOf(n).has_value(); };
    row.run = [numberOf, handler = std::move(handler)](const Notification& n) {
        handler(n, *numberOf(n));
    };
    addRow(type, std::move(row));
}

void Dispatch::addAny(const std::string& type, int order, Handler handler) {
    addWhen(
        type, order, [](const Notification&) { return true; }, std::move(handler));
}

void Dispatch::addWhen(const std::string& type, int order, Matcher matches, Handler handler) {
    Row row;
    row.order = order;
    row.matches = std::move(matches);
    row.run = std::move(handler);
    addRow(type, std::move(row));
}

void Dispatch::addPrelude(const std::string& type, int order, Handler step) {
    Row row;
    row.order = order;
    row.matches = [](const Notification&) { return true; };
    row.run = std::move(step);
    row.consumes = false;
    addRow(type, std::move(row));
}

bool Dispatch::notify(const Notification& notification) const {
    const auto table = rows_.find(toLower(notification.type));
    if (table == rows_.end()) {
        return false;
    }
    for (const Row& row : table->second) {
        if (!row.matches(notification)) {
            continue;
        }
        row.run(notification);
        if (row.consumes) {
            return true;
        }
    }
    return false;
}

void Dispatch::addTimer(int id, std::function<void()> handler) {
    timers_[id] = std::move(handler);
}

bool Dispatch::timer(int id) const {
    const auto it = timers_.find(id);
    if (it == timers_.end()) {
        return false;
    }
    it->second();
    return true;
}

void Dispatch::addMessage(std::uint32_t id, std::function<void(const Message&)> handler) {
    messages_[id] = std::move(handler);
}

bool Dispatch::message(const Message& message) const {
    const auto it = messages_.find(message.id);
    if (it == messages_.end()) {
        return false;
    }
    it->second(message);
    return true;
}

}  // namespace quillon::app
