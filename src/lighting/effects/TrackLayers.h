#pragma once
// The four track layers of the keyboard's ripple effects: byte c is grid column c, bit r grid row
// r (bit 6 lies one row beyond the grid and is never drawn). Each pass spreads the bits one
// column sideways and one row up or down, so a mark grows into a ring.

#include <array>
#include <cstdint>

namespace quillon::lighting {

struct TrackLayers {
    static constexpr int kColumns = 23;
    using Layer = std::array<std::uint8_t, kColumns>;
    std::array<Layer, 4> layers{};

    void clear();
    // Sets bit `row` of column `column` in all four layers.
    void setBit(int column, int row);
    // OR of column `column` over the four layers.
    std::uint8_t any(int column) const;
    bool has(int column, int row) const { return (any(column) >> row & 1) != 0; }
    // One pass of the spreading.
    void spread();
    // The first grid cell (column by column, row by row) holding `key` gets its bit set.
    void markKey(std::uint8_t key);
};

}  // namespace quillon::lighting
