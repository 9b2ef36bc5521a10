#pragma once
// The eight lighting bytes every settings record carries at offsets 1..8 (mouse, keyboard and
// mousepad alike), read as one value so that an effect sees one consistent set of fields.

#include <cstddef>
#include <cstdint>
#include <span>

#include "lighting/effects/LightingTables.h"

namespace quillon::lighting {

inline constexpr std::size_t kLightingBlockOffset = 1;
inline constexpr std::size_t kLightingBlockSize = 8;

struct LightingBlock {
    std::uint8_t mode = 0;
    std::uint8_t brightness = 0;  // index into the alpha table
    std::uint8_t speed = 0;       // 0 fastest
    std::uint8_t direction = 0;   // 1 left, 0 right
    std::uint8_t sevenColour = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    Rgb colour() const { return {red, green, blue}; }
    std::uint8_t alpha() const { return brightnessAlpha(brightness); }
    bool changingColours() const { return sevenColour != 0; }
    // One fixed colour: the changing colours end.
    void setSolidColour(Rgb c) {
        red = c.red;
        green = c.green;
        blue = c.blue;
        sevenColour = 0;
    }

    // From the bytes of a whole record (offset 1 on); missing bytes read as 0.
    static LightingBlock fromRecord(std::span<const std::uint8_t> record);
    // Into a whole record's bytes 1..8 (as far as the record reaches).
    void toRecord(std::span<std::uint8_t> record) const;
    bool operator==(const LightingBlock&) const = default;
};

}  // namespace quillon::lighting
