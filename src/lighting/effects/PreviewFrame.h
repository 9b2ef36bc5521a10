#pragma once
// One picture of a lighting preview: a colour and an alpha per zone (mouse 20, mousepad 15) or
// per key (126). A preview keeps its frame between passes, so a zone an effect does not touch
// keeps what it showed.

#include <array>
#include <cstddef>
#include <cstdint>

#include "lighting/effects/LightingTables.h"

namespace quillon::lighting {

struct ZoneLight {
    Rgb colour{};
    std::uint8_t alpha = 0;
    bool operator==(const ZoneLight&) const = default;
};

inline constexpr std::size_t kMouseZoneCount = 20;
inline constexpr std::size_t kMousepadZoneCount = 15;
inline constexpr std::size_t kKeyCount = 126;

template <std::size_t N>
using ZoneFrame = std::array<ZoneLight, N>;

using MouseFrame = ZoneFrame<kMouseZoneCount>;
using MousepadFrame = ZoneFrame<kMousepadZoneCount>;
using KeyFrame = ZoneFrame<kKeyCount>;

}  // namespace quillon::lighting
