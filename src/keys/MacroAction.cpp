#include "keys/MacroAction.h"

#include <cstdio>

#include "keys/MacroKeyRows.h"

namespace quillon::keys {
namespace {

// A decimal integer as the C library reads one: leading blanks, an optional sign, digits up to the
// first other character. The value wraps modulo 2^32, which keeps the low bits that the fields
// are cut to whatever the length of the number.
std::uint32_t readDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    return negative ? 0u - value : value;
}

}  // namespace

MacroAction makeAction(std::uint16_t delay, std::uint8_t kind, std::uint8_t code,
                       std::string label) {
    MacroAction action;
    action.delay = delay;
    action.kind = kind;
    action.code = code;
    action.pressed = (kind & kActionDirectionBit) ? 1 : 0;
    action.label = std::move(label);
    return action;
}

std::string formatActionLine(const MacroAction& action) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%d,%d,%d,%d,%d,", action.delay & 0xFF,
                  action.delay >> 8, action.kind, action.code, action.pressed);
    std::string line = numbers;
    for (char c : action.label) {
        if (c != ',' && c != '\n' && c != '\r' && c != '\0') {
            line += c;
        }
    }
    return line;
}

std::optional<MacroAction> parseActionLine(std::string_view line) {
    // Fields from the right: label, pressed, code, kind, delay high; the rest is delay low.
    std::string_view fields[5];
    std::string_view rest = line;
    for (int f = 0; f < 5; ++f) {
        const std::size_t comma = rest.rfind(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        fields[f] = rest.substr(comma + 1);
        rest = rest.substr(0, comma);
    }
    MacroAction action;
    action.label = std::string(fields[0]);
    action.pressed = static_cast<std::uint16_t>(readDecimal(fields[1]));
    action.code = static_cast<std::uint8_t>(readDecimal(fields[2]));
    action.kind = static_cast<std::uint8_t>(readDecimal(fields[3]));
    const auto high = static_cast<std::uint8_t>(readDecimal(fields[4]));
    const auto low = static_cast<std::uint8_t>(readDecimal(rest));
    action.delay = static_cast<std::uint16_t>(low | high << 8);
    return action;
}

ActionBytes actionBytes(const MacroAction& action) {
    return {{static_cast<std::uint8_t>(action.delay & 0xFF),
             static_cast<std::uint8_t>(action.delay >> 8), action.kind, action.code}};
}

std::string labelForDeviceAction(std::uint8_t kind, std::uint8_t code) {
    const bool bit7 = (kind & kActionDirectionBit) != 0;
    const auto rows = macroKeyRows();
    switch (kind & 0x7F) {
        case kActionMouseButton: {
            const char* label = buttonLabel(code);
            return label ? label : "";
        }
        case kActionMoveX:
            return bit7 ? "mouse_move_to_left_text" : "mouse_move_to_right_text";
        case kActionMoveY:
            return bit7 ? "mouse_move_to_up_text" : "mouse_move_to_down_text";
        case kActionModifier: {
            const auto row = macroKeyRowForModifier(code);
            return row ? std::string(rows[*row].textId) : std::string();
        }
        case kActionKey: {
            const auto row = macroKeyRowForUsage(code);
            return row ? std::string(rows[*row].textId) : std::string();
        }
        default:
            return "";
    }
}

}  // namespace quillon::keys
