#include "keys/KeyboardLayout.h"

#include <algorithm>

namespace quillon::keys {
namespace {

// Each row as usages; a modifier or another function is written as its whole function.
struct Slot {
    std::uint8_t usage = 0;
    KeyFunction whole{};
    bool isWhole = false;
};
constexpr Slot u(std::uint8_t usage) {
    return {usage, {}, false};
}
constexpr Slot mod(std::uint8_t bit) {
    return {0, {fn::kKey, bit, 0}, true};
}
constexpr Slot other(KeyFunction f) {
    return {0, f, true};
}
constexpr Slot kEmpty = u(0);

using Row = std::array<Slot, kLayoutColumns>;

constexpr std::array<Row, kLayoutRows> kRows = {{
    {u(0x29), u(0x3A), u(0x3B), u(0x3C), u(0x3D), u(0x3E), u(0x3F),
     u(0x40), u(0x41), u(0x42), u(0x43), u(0x44), u(0x45), u(0x46),
     u(0x47), u(0x48), kEmpty,  kEmpty,  kEmpty,  kEmpty,  kEmpty},
    {u(0x35), u(0x1E), u(0x1F), u(0x20), u(0x21), u(0x22), u(0x23),
     u(0x24), u(0x25), u(0x26), u(0x27), u(0x2D), u(0x2E), u(0x2A),
     u(0x49), u(0x4A), u(0x4B), u(0x53), u(0x54), u(0x55), u(0x56)},
    {u(0x2B), u(0x14), u(0x1A), u(0x08), u(0x15), u(0x17), u(0x1C),
     u(0x18), u(0x0C), u(0x12), u(0x13), u(0x2F), u(0x30), u(0x31),
     u(0x4C), u(0x4D), u(0x4E), u(0x5F), u(0x60), u(0x61), kEmpty},
    {u(0x39), u(0x04), u(0x16), u(0x07), u(0x09), u(0x0A), u(0x0B),
     u(0x0D), u(0x0E), u(0x0F), u(0x33), u(0x34), u(0x28), u(0x5C),
     u(0x5D), u(0x5E), kEmpty,  kEmpty,  kEmpty,  kEmpty,  kEmpty},
    {mod(0x02), u(0x1D), u(0x1B), u(0x06), u(0x19),   u(0x05), u(0x11),
     u(0x10),   u(0x36), u(0x37), u(0x38), mod(0x20), u(0x52), u(0x59),
     u(0x5A),   u(0x5B), kEmpty,  kEmpty,  u(0x64),   kEmpty,  kEmpty},
    {mod(0x01), mod(0x08), mod(0x04), u(0x2C), mod(0x40), other({0xA0, 0x02, 0x02}),
     u(0x65),   mod(0x10), u(0x50),   u(0x51), u(0x4F),   u(0x62),
     u(0x63),   u(0x58),   u(0x57),   kEmpty,  kEmpty,    kEmpty,
     kEmpty,    kEmpty,    mod(0x80)},
}};

}  // namespace

KeyFunction layoutFunction(int position) {
    if (position < 0 || position >= kLayoutPositions) {
        return {fn::kKey, 0, 0};
    }
    const Slot& s = kRows[static_cast<std::size_t>(position / kLayoutColumns)]
                         [static_cast<std::size_t>(position % kLayoutColumns)];
    return s.isWhole ? s.whole : KeyFunction{fn::kKey, 0, s.usage};
}

void KeyPositionMap::rebuild(std::span<const std::uint8_t> factoryTable, int keyCount) {
    const int count = std::clamp(keyCount, 0, keyCapacity(factoryTable.size()));
    for (int u = 0; u < kLayoutPositions; ++u) {
        const KeyFunction expected = layoutFunction(u);
        for (int i = 0; i < count; ++i) {
            if (keys::keyAt(factoryTable, i) == expected) {
                keys_[static_cast<std::size_t>(u)] = i;
                break;
            }
        }
    }
}

std::optional<int> KeyPositionMap::keyAt(int position) const {
    if (position < 0 || position >= kLayoutPositions) {
        return std::nullopt;
    }
    const int key = keys_[static_cast<std::size_t>(position)];
    return key == kNoKey ? std::nullopt : std::optional<int>(key);
}

std::optional<int> KeyPositionMap::positionOf(int key) const {
    for (int u = 0; u < kLayoutPositions; ++u) {
        if (keys_[static_cast<std::size_t>(u)] == key) {
            return u;
        }
    }
    return std::nullopt;
}

}  // namespace quillon::keys
