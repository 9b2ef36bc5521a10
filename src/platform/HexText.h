#pragma once
// Bytes as hexadecimal text: trace lines, command-line arguments, scenario files, colours.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// 0..15 for a hexadecimal digit in either case, -1 for anything else.
int hexDigitValue(char c);

// Lower-case pairs without separators.
std::string hexString(std::span<const std::uint8_t> bytes);

// Hexadecimal pairs, optionally separated by '.', ':' or spaces ("04.01.00", "040100"), at most
// `limit` bytes. False (and `out` untouched) on an odd digit count, another character, too many
// bytes or no bytes at all.
bool parseHexBytes(std::string_view text, std::vector<std::uint8_t>& out,
                   std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace quillon
