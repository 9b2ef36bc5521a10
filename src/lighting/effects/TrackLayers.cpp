#include "lighting/effects/TrackLayers.h"

#include "lighting/effects/KeyboardTables.h"

namespace quillon::lighting {
namespace {

void shr(std::uint8_t& b) {
    b = static_cast<std::uint8_t>(b >> 1);
}
void shl(std::uint8_t& b) {
    b = static_cast<std::uint8_t>(b << 1);
}

}  // namespace

void TrackLayers::clear() {
    for (Layer& l : layers) {
        l.fill(0);
    }
}

void TrackLayers::setBit(int column, int row) {
    if (column < 0 || column >= kColumns || row < 0 || row > 7) {
        return;
    }
    for (Layer& l : layers) {
        l[static_cast<std::size_t>(column)] |= static_cast<std::uint8_t>(1u << row);
    }
}

std::uint8_t TrackLayers::any(int column) const {
    const auto c = static_cast<std::size_t>(column);
    return static_cast<std::uint8_t>(layers[0][c] | layers[1][c] | layers[2][c] | layers[3][c]);
}

// Layer 3 runs left and up, layer 0 left and down, layer 2 right and up, layer 1 right and down.
void TrackLayers::spread() {
    Layer& l0 = layers[0];
    Layer& l1 = layers[1];
    Layer& l2 = layers[2];
    Layer& l3 = layers[3];
    shr(l3[0]);
    shl(l0[0]);
    for (std::size_t i = 0; i + 1 < kColumns; ++i) {
        l3[i] |= l3[i + 1];
        shr(l3[i + 1]);
        l0[i] |= l0[i + 1];
        shl(l0[i + 1]);
    }
    l2[22] = static_cast<std::uint8_t>((l2[22] >> 1) | l2[21]);
    l1[22] = static_cast<std::uint8_t>((l1[22] << 1) | l1[21]);
    shr(l2[21]);
    shl(l1[21]);
    for (std::size_t j = 21; j >= 1; --j) {
        l2[j] |= l2[j - 1];
        l1[j] |= l1[j - 1];
        shr(l2[j - 1]);
        shl(l1[j - 1]);
    }
}

void TrackLayers::markKey(std::uint8_t key) {
    for (int c = 0; c < kGridColumns; ++c) {
        for (int r = 0; r < kGridRows; ++r) {
            if (gridKey(c, r) == key) {
                setBit(c, r);
                return;
            }
        }
    }
}

}  // namespace quillon::lighting
