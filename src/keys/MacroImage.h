#pragma once
// The image the devices keep their macros in (and the mouse its cursor sequences): a 16-byte
// header (magic 0x55AA, total size, entry count, ten reserved bytes), an offset table with one
// 16-bit entry per macro, then the macro blocks back to back. A block is its action count, two
// reserved bytes and four bytes per action (delay low, delay high, kind, code). All words are
// little-endian.
//
// An image is built from files in two passes: the sizing pass reads each file's action count, the
// caller checks the total against the device's memory, and the filling pass reads the lines. The
// filling pass never goes beyond the layout of the sizing pass: a file that grew in between gives
// only the actions it had, one that shrank leaves zeros.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "keys/MacroAction.h"

namespace quillon::keys {

inline constexpr std::size_t kImageHeaderSize = 16;
inline constexpr std::uint16_t kMacroImageMagic = 0x55AA;
inline constexpr std::size_t kImageSizeLimit = 0xFFFF;  // the header's size field

// 16 + 6 n + 4 (m_0 + ... + m_(n-1)).
std::uint64_t macroImageSize(std::span<const std::uint64_t> actionCounts);

struct MacroImagePlan {
    std::vector<std::string> files;  // "" for a macro that has no usable file
    std::vector<std::uint64_t> counts;
    std::uint64_t total = kImageHeaderSize;
};

// The sizing pass: each file's action count (a missing file has none).
MacroImagePlan planMacroImage(std::vector<std::string> files);
// The filling pass, exactly plan.total bytes; nothing when the total does not fit the header.
std::optional<std::vector<std::uint8_t>> fillMacroImage(const MacroImagePlan& plan);

// The image of lists already in memory; nothing when it would be larger than 65535 bytes.
std::optional<std::vector<std::uint8_t>> packMacroImage(
    const std::vector<std::vector<MacroAction>>& macros);

// One entry of an image read from a device: its actions' bytes, bounds-checked.
struct ImageEntry {
    std::vector<ActionBytes> actions;
};
// The entries of an image whose header, offset table and blocks all lie inside `image`; nothing
// when the magic is missing, the header's size disagrees with what arrived (a longer buffer is
// read up to the header's size), or any offset or count points beyond the image.
std::optional<std::vector<ImageEntry>> readMacroImage(std::span<const std::uint8_t> image);

// ⌊(total − capacity) / 4⌋ + 1: the number of actions to remove for the image to fit, as the
// capacity message tells it.
std::uint64_t actionsOverCapacity(std::uint64_t total, std::uint64_t capacity);
// The message built from a language format with one number (its first "%d"); any other "%" in
// the text is shown as it stands.
std::string formatWithNumber(std::string_view format, std::int64_t number);

}  // namespace quillon::keys
