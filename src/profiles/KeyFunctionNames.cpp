#include "profiles/KeyFunctionNames.h"

#include <cctype>
#include <charconv>
#include <string>

#include "profiles/ProfileName.h"

namespace quillon {
namespace {

struct Named {
    std::string_view name;
    std::uint8_t value;
};

constexpr Named kMouseButtons[] = {
    {"left", 0x01}, {"right", 0x02}, {"middle", 0x04}, {"back", 0x08}, {"forward", 0x10}};
constexpr Named kDpiFunctions[] = {{"up", 1}, {"down", 2}, {"cycle", 3}};
constexpr Named kModifiers[] = {{"LCtrl", 0x01}, {"LShift", 0x02}, {"LAlt", 0x04}, {"LGui", 0x08},
                                {"RCtrl", 0x10}, {"RShift", 0x20}, {"RAlt", 0x40}, {"RGui", 0x80}};
// Keyboard usages other than letters, digits and F1..F12.
constexpr Named kKeys[] = {
    {"Enter", 0x28},        {"Esc", 0x29},         {"Backspace", 0x2A},  {"Tab", 0x2B},
    {"Space", 0x2C},        {"Minus", 0x2D},       {"Equals", 0x2E},     {"LeftBracket", 0x2F},
    {"RightBracket", 0x30}, {"Backslash", 0x31},   {"Semicolon", 0x33},  {"Quote", 0x34},
    {"Grave", 0x35},        {"Comma", 0x36},       {"Period", 0x37},     {"Slash", 0x38},
    {"CapsLock", 0x39},     {"PrintScreen", 0x46}, {"ScrollLock", 0x47}, {"Pause", 0x48},
    {"Insert", 0x49},       {"Home", 0x4A},        {"PageUp", 0x4B},     {"Delete", 0x4C},
    {"End", 0x4D},          {"PageDown", 0x4E},    {"Right", 0x4F},      {"Left", 0x50},
    {"Down", 0x51},         {"Up", 0x52},          {"NumLock", 0x53},    {"KpSlash", 0x54},
    {"KpAsterisk", 0x55},   {"KpMinus", 0x56},     {"KpPlus", 0x57},     {"KpEnter", 0x58},
    {"Kp1", 0x59},          {"Kp2", 0x5A},         {"Kp3", 0x5B},        {"Kp4", 0x5C},
    {"Kp5", 0x5D},          {"Kp6", 0x5E},         {"Kp7", 0x5F},        {"Kp8", 0x60},
    {"Kp9", 0x61},          {"Kp0", 0x62},         {"KpPeriod", 0x63},   {"NonUsBackslash", 0x64},
    {"Application", 0x65}};

template <std::size_t N>
std::optional<std::uint8_t> lookup(const Named (&table)[N], std::string_view name) {
    for (const Named& row : table) {
        if (sameProfileName(row.name, name)) {
            return row.value;
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> usageOf(std::string_view name) {
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) {
        return static_cast<std::uint8_t>(0x04 +
                                         (std::toupper(static_cast<unsigned char>(name[0])) - 'A'));
    }
    if (name.size() == 1 && name[0] >= '1' && name[0] <= '9') {
        return static_cast<std::uint8_t>(0x1E + (name[0] - '1'));
    }
    if (name == "0") {
        return 0x27;
    }
    int f = 0;
    if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f') &&
        std::from_chars(name.data() + 1, name.data() + name.size(), f).ptr ==
            name.data() + name.size() &&
        f >= 1 && f <= 12) {
        return static_cast<std::uint8_t>(0x3A + f - 1);
    }
    return lookup(kKeys, name);
}

std::optional<KeyFunctionBytes> parseKey(std::string_view name) {
    if (auto modifier = lookup(kModifiers, name)) {
        return KeyFunctionBytes{0x20, *modifier, 0x00};
    }
    if (auto usage = usageOf(name)) {
        return KeyFunctionBytes{0x20, 0x00, *usage};
    }
    return std::nullopt;
}

std::optional<KeyFunctionBytes> parseRaw(std::string_view text) {
    KeyFunctionBytes out{};
    for (std::uint8_t& byte : out) {
        while (!text.empty() && text.front() == ' ') {
            text.remove_prefix(1);
        }
        unsigned value = 0;
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), value, 16);
        if (error != std::errc() || end == text.data() || value > 0xFF) {
            return std::nullopt;
        }
        byte = static_cast<std::uint8_t>(value);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    return text.empty() ? std::optional(out) : std::nullopt;
}

}  // namespace

std::optional<KeyFunctionBytes> parseKeyFunctionName(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view family = text.substr(0, colon);
    const std::string_view name = text.substr(colon + 1);
    if (family == "mouse") {
        if (auto bit = lookup(kMouseButtons, name)) {
            return KeyFunctionBytes{0x10, *bit, 0x00};
        }
    } else if (family == "dpi") {
        if (auto function = lookup(kDpiFunctions, name)) {
            return KeyFunctionBytes{0x13, *function, 0x00};
        }
    } else if (family == "key") {
        return parseKey(name);
    } else if (family == "raw") {
        return parseRaw(name);
    }
    return std::nullopt;
}

}  // namespace quillon
