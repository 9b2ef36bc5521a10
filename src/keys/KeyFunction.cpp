#include "keys/KeyFunction.h"

namespace quillon::keys {

KeyFunction keyAt(std::span<const std::uint8_t> table, int key) {
    if (key < 0 || key >= keyCapacity(table.size())) {
        return {};
    }
    const auto at = static_cast<std::size_t>(key) * 3;
    return {table[at], table[at + 1], table[at + 2]};
}

bool setKeyAt(std::span<std::uint8_t> table, int key, KeyFunction f) {
    if (key < 0 || key >= keyCapacity(table.size())) {
        return false;
    }
    const auto at = static_cast<std::size_t>(key) * 3;
    table[at] = f.type;
    table[at + 1] = f.param1;
    table[at + 2] = f.param2;
    return true;
}

}  // namespace quillon::keys
