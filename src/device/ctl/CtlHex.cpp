#include "device/ctl/CtlHex.h"

#include <cstdio>

#include "platform/HexText.h"

namespace quillon::ctl {
void printHexDump(std::ostream& out, std::string_view label, std::span<const std::uint8_t> bytes) {
    out << label << " (" << bytes.size() << " bytes):\n";
    constexpr std::size_t kPerLine = 32;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kPerLine) {
        char lead[32];
        std::snprintf(lead, sizeof lead, "  %04zx:", offset);
        out << lead;
        const auto line = bytes.subspan(offset, std::min(kPerLine, bytes.size() - offset));
        for (std::uint8_t b : line) {
            out << ' ' << hexString(std::span(&b, 1));
        }
        out << '\n';
    }
}

}  // namespace quillon::ctl
