#pragma once
// Bytes as text for quillonctl: hex on the command line, hex dumps on the output.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::ctl {

// Lower-case hex pairs without separators.
std::string hexString(std::span<const std::uint8_t> bytes);

// "LABEL (N bytes):" and then the bytes, 32 to a line, each line led by its offset.
void printHexDump(std::ostream& out, std::string_view label, std::span<const std::uint8_t> bytes);

// Hex pairs, optionally separated by '.', ':' or spaces ("04.01.00", "040100"); at most `limit`
// bytes. False on anything else (an odd digit count, other characters, too many bytes).
bool parseHexBytes(std::string_view text, std::size_t limit, std::vector<std::uint8_t>& out);

}  // namespace quillon::ctl
