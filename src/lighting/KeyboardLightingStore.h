#pragma once
// The keyboard's custom per-key colours, kept by the program only: the selected set, the colour the
// user paints with and five tables of 126 keys. Full-colour keyboards keep red, green, blue per
// key; single-colour keyboards one byte per key (255 lit, 0 dark) in the first 126 bytes of a set.
// Lighting and device profile files carry the set index and the five sets.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quillon {

inline constexpr int kCustomSetCount = 5;
inline constexpr std::size_t kCustomSetSize = 378;
inline constexpr std::size_t kCustomKeyCount = 126;

using CustomColourSet = std::array<std::uint8_t, kCustomSetSize>;

struct KeyboardLightingStore {
    struct Colour {
        std::uint8_t red = 0;
        std::uint8_t green = 0;
        std::uint8_t blue = 0;
        bool operator==(const Colour&) const = default;
    };

    // Bytes the store takes in a profile file: the set index (32 bits, little-endian) and the
    // five sets.
    static constexpr std::size_t kStoredSize = 4 + kCustomSetCount * kCustomSetSize;

    // As stored; a value outside 0..4 from a file is kept for writing back, and selectedSet()
    // treats it as set 0.
    std::uint32_t customSetIndex = 0;
    Colour customColour{};
    std::array<CustomColourSet, kCustomSetCount> sets{};

    int selectedSet() const;
    CustomColourSet& currentSet() { return sets[static_cast<std::size_t>(selectedSet())]; }

    // Writes the stored form into `out` (at most kStoredSize bytes; a shorter span gets the
    // beginning). Reading takes what `in` holds and leaves the rest as it was.
    void store(std::span<std::uint8_t> out) const;
    void restore(std::span<const std::uint8_t> in);
};

}  // namespace quillon
