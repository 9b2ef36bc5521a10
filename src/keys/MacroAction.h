#pragma once
// One timed input action of a macro or a cursor sequence, and its text form, the action line
// "delayLow,delayHigh,kind,code,pressed,label" that macro and sequence files store.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::keys {

// Action kinds without the direction bit (bit 7).
inline constexpr std::uint8_t kActionMouseButton = 0x01;
inline constexpr std::uint8_t kActionMoveX = 0x04;  // bit 7: left
inline constexpr std::uint8_t kActionMoveY = 0x05;  // bit 7: up
inline constexpr std::uint8_t kActionModifier = 0x09;
inline constexpr std::uint8_t kActionKey = 0x0A;
inline constexpr std::uint8_t kActionDirectionBit = 0x80;

struct MacroAction {
    std::uint16_t delay = 0;  // milliseconds until the next action
    std::uint8_t kind = 0;    // action kind, bit 7 the direction
    std::uint8_t code = 0;    // button bit, distance, modifier bit or key usage
    std::uint16_t pressed = 0;
    std::string label;  // language text id; display only, never holds a comma

    std::uint8_t baseKind() const { return kind & 0x7F; }
    bool down() const { return (kind & kActionDirectionBit) != 0; }
    // Kinds below 9 are mouse actions (buttons and moves), the others keyboard actions.
    bool isMouse() const { return baseKind() < kActionModifier; }
    bool isMove() const { return baseKind() == kActionMoveX || baseKind() == kActionMoveY; }

    bool operator==(const MacroAction&) const = default;
};

// The action with `pressed` set from bit 7 of `kind`.
MacroAction makeAction(std::uint16_t delay, std::uint8_t kind, std::uint8_t code,
                       std::string label);

// "%d,%d,%d,%d,%d,%s". A comma or line break in the label would make the line read back
// differently; such characters are left out.
std::string formatActionLine(const MacroAction& action);

// Parses from the right: the label is the text after the last comma, then pressed, code, kind and
// the high delay byte each after the last remaining comma, and what stands before the first comma
// is the low delay byte. Numbers are decimal and cut to their width (a byte field holding 300 reads
// as 44). Nothing when the line has fewer than five commas.
std::optional<MacroAction> parseActionLine(std::string_view line);

// The four bytes the devices store for an action: delay low, delay high, kind, code.
struct ActionBytes {
    std::uint8_t bytes[4];
};
ActionBytes actionBytes(const MacroAction& action);

// The label a device action gets when it is read back from the device's memory (buttons, moves,
// modifiers and keys by their tables); "" for any other kind or an unknown code.
std::string labelForDeviceAction(std::uint8_t kind, std::uint8_t code);

}  // namespace quillon::keys
