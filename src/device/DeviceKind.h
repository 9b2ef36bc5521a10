#pragma once
#include <array>
#include <string_view>

namespace quillon {

// The three devices, in the order the main window keeps their channels.
enum class DeviceKind { Keyboard = 0, Mouse = 1, Mousepad = 2 };

inline constexpr std::array<DeviceKind, 3> kAllDeviceKinds = {
    DeviceKind::Keyboard, DeviceKind::Mouse, DeviceKind::Mousepad};

// "keyboard", "mouse", "mousepad": the words of the command line and the scenario files.
std::string_view kindName(DeviceKind kind);
// "kb", "ms", "mp": the prefix of control names, file names and data folders.
std::string_view kindPrefix(DeviceKind kind);
// Accepts the name or the prefix, in any case.
bool kindFromName(std::string_view text, DeviceKind& out);

inline constexpr int kindIndex(DeviceKind kind) { return static_cast<int>(kind); }

}  // namespace quillon
