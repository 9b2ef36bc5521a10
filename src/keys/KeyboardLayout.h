#pragma once
// The on-screen keyboard: 126 positions in six rows of 21, each with the factory function the
// key at that position is expected to have, and the map from a position to the device's own key
// number, which the device orders its own way.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "keys/KeyFunction.h"

namespace quillon::keys {

inline constexpr int kLayoutRows = 6;
inline constexpr int kLayoutColumns = 21;
inline constexpr int kLayoutPositions = kLayoutRows * kLayoutColumns;  // 126

// The expected factory function of position u (0..125); a position without a key expects the
// empty key (0x20, 0, 0).
KeyFunction layoutFunction(int position);

class KeyPositionMap {
  public:
    // Every position starts without a key.
    KeyPositionMap() { keys_.fill(kNoKey); }

    // For each position, the first of the device's `keyCount` keys whose factory function is the
    // expected one; a position without a match keeps what it had.
    void rebuild(std::span<const std::uint8_t> factoryTable, int keyCount);

    // The device key at a position; nothing when no key sits there.
    std::optional<int> keyAt(int position) const;
    // The first position showing device key `key`.
    std::optional<int> positionOf(int key) const;

  private:
    // Kept apart from every key number a table can hold, so that a keyboard with 127 keys or more
    // never has a real key taken for an empty position.
    static constexpr int kNoKey = -1;
    std::array<int, kLayoutPositions> keys_{};
};

}  // namespace quillon::keys
