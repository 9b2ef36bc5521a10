#include "keys/KeyEncoding.h"

#include <cctype>

namespace quillon::keys {

KeyFunction encodeSwing(std::uint8_t type, const Swing& swing) {
    const auto param1 = static_cast<std::uint8_t>((swing.a << 4) | swing.b);
    const auto param2 = static_cast<std::uint8_t>(swing.amount + (swing.second ? 128 : 0));
    return {type, param1, param2};
}

Swing decodeSwing(KeyFunction f) {
    Swing s;
    s.a = f.param1 >> 4;
    s.b = f.param1 & 0x0F;
    s.second = (f.param2 & 0x80) != 0;
    s.amount = s.second ? (f.param2 & 0x7F) : f.param2;
    return s;
}

KeyFunction encodeMacro(int macro, int modeItem, int repeat) {
    if (modeItem == kRepeatModeItem) {
        return {fn::kMacroRepeat, static_cast<std::uint8_t>(macro),
                static_cast<std::uint8_t>(repeat)};
    }
    return {fn::kMacroMode, static_cast<std::uint8_t>(macro), static_cast<std::uint8_t>(modeItem)};
}

long long readNumber(std::string_view text) {
    constexpr long long kCap = 1'000'000'000'000LL;
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kCap) {
            value = kCap;
        }
    }
    return negative ? -value : value;
}

Clamped clampNumber(std::string_view text, EditLimit limit) {
    const long long n = readNumber(text);
    if (n > limit.max) {
        return {limit.max, true};
    }
    if (n < limit.min) {
        return {limit.min, true};
    }
    return {static_cast<int>(n), false};
}

}  // namespace quillon::keys
