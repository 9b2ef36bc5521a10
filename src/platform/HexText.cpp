#include "platform/HexText.h"

namespace quillon {

int hexDigitValue(char c) {
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

bool parseHexBytes(std::string_view text, std::vector<std::uint8_t>& out, std::size_t limit) {
    std::vector<std::uint8_t> bytes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '.' || text[i] == ':' || text[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            return false;
        }
        const int high = hexDigitValue(text[i]);
        const int low = hexDigitValue(text[i + 1]);
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

}  // namespace quillon
