#pragma once
// Bytes as text for quillonctl: hex on the command line, hex dumps on the output.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/HexText.h"

namespace quillon::ctl {

using quillon::hexString;
using quillon::parseHexBytes;

// "LABEL (N bytes):" and then the bytes, 32 to a line, each line led by its offset.
void printHexDump(std::ostream& out, std::string_view label, std::span<const std::uint8_t> bytes);

}  // namespace quillon::ctl
