#include "device/ctl/CtlHex.h"

#include <cstdio>

namespace quillon::ctl {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isSeparator(char c) {
    return c == '.' || c == ':' || c == ' ';
}

}  // namespace

std::string hexString(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

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

bool parseHexBytes(std::string_view text, std::size_t limit, std::vector<std::uint8_t>& out) {
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            return false;
        }
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0 || bytes.size() == limit) {
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
        i += 2;
    }
    if (bytes.empty()) {
        return false;
    }
    out = std::move(bytes);
    return true;
}

}  // namespace quillon::ctl
