#include "toolkit/Colour.h"

#include "platform/HexText.h"

#include <cstdio>

namespace quillon::toolkit {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool parseHex(std::string_view digits, Argb& out) {
    if (digits.empty() || digits.size() > 8) {
        return false;
    }
    Argb value = 0;
    for (char c : digits) {
        const int d = hexDigitValue(c);
        if (d < 0) {
            return false;
        }
        value = (value << 4) | static_cast<Argb>(d);
    }
    out = value;
    return true;
}

}  // namespace

bool parseColour(std::string_view text, Argb& out) {
    const std::string_view t = trimmed(text);
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        return parseHex(t.substr(2), out);
    }
    if (t.size() == 7 && t[0] == '#') {
        Argb rgb = 0;
        if (!parseHex(t.substr(1), rgb)) {
            return false;
        }
        out = 0xFF000000u | rgb;
        return true;
    }
    if (t.size() == 9 && t[0] == '#') {
        return parseHex(t.substr(1), out);
    }
    return false;
}

std::string formatColour(Argb colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(colour));
    return buffer;
}

}  // namespace quillon::toolkit
