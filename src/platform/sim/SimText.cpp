#include "platform/sim/SimText.h"

namespace quillon {
namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (lowerAscii(c) >= 'a' && lowerAscii(c) <= 'f') {
        value = lowerAscii(c) - 'a' + 10;
    }
    return value < base ? value : -1;
}

}  // namespace

bool sameWordNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool parseWholeNumber(std::string_view text, std::uint64_t limit, std::uint64_t& out) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && lowerAscii(text[1]) == 'x') {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return false;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        const int digit = digitValue(c, base);
        if (digit < 0 || static_cast<std::uint64_t>(digit) > limit) {
            return false;
        }
        if (value >
            (limit - static_cast<std::uint64_t>(digit)) / static_cast<std::uint64_t>(base)) {
            return false;  // above the limit, checked before it can overflow
        }
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    out = value;
    return true;
}

}  // namespace quillon
