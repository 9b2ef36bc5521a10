#pragma once
// The function of one mouse button or keyboard key: three bytes the device executes on its own,
// and the key tables that hold one function per key, three bytes each (key n at byte 3 × n).

#include <cstdint>
#include <span>

namespace quillon::keys {

struct KeyFunction {
    std::uint8_t type = 0;
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;
    friend bool operator==(const KeyFunction&, const KeyFunction&) = default;
};

// Function types.
namespace fn {
inline constexpr std::uint8_t kNone = 0x00;             // read as a keyboard key
inline constexpr std::uint8_t kMouseButton = 0x10;      // param1: button bit
inline constexpr std::uint8_t kHorizontalSwing = 0x11;  // param1: nibbles A, B; param2: dir|amount
inline constexpr std::uint8_t kVerticalSwing = 0x12;
inline constexpr std::uint8_t kDpi = 0x13;   // param1: 1 up, 2 down, 3 cycle
inline constexpr std::uint8_t kFire = 0x14;  // two free numbers
inline constexpr std::uint8_t kDeviceOnly = 0x15;
inline constexpr std::uint8_t kKey = 0x20;  // param1: modifier bits; param2: usage
inline constexpr std::uint8_t kConsumerOld = 0x21;
inline constexpr std::uint8_t kConsumer = 0x30;        // usage low byte, high byte
inline constexpr std::uint8_t kSystem = 0x40;          // param1: 1 power, 2 sleep, 4 wake
inline constexpr std::uint8_t kMacroMode = 0x70;       // macro number, playback mode 0..3
inline constexpr std::uint8_t kMacroRepeat = 0x71;     // macro number, repeat count
inline constexpr std::uint8_t kCursorSequence = 0x72;  // sequence 0..3 (mouse only)
}  // namespace fn

inline constexpr KeyFunction kLeftButton{fn::kMouseButton, 0x01, 0x00};

// True for both macro types; their labels are macro names, shown as written.
constexpr bool isMacro(KeyFunction f) {
    return f.type == fn::kMacroMode || f.type == fn::kMacroRepeat;
}

// Keys a table of `bytes` holds whole.
constexpr int keyCapacity(std::size_t bytes) {
    return static_cast<int>(bytes / 3);
}

// Key `key` of a table; all zero when the table does not hold it.
KeyFunction keyAt(std::span<const std::uint8_t> table, int key);
// Stores `f` as key `key`; false (and nothing written) when the table does not hold it.
bool setKeyAt(std::span<std::uint8_t> table, int key, KeyFunction f);

}  // namespace quillon::keys
