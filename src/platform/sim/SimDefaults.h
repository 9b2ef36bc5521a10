#pragma once
// What a simulated device holds when it leaves the factory: sizes of its memory regions, its
// device information and the settings records of its five profiles. The values themselves are in
// one readable table in SimDefaults.cpp; the key tables and the cursor image have their own files
// (SimKeyTables, SimCursorImage).

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Clock.h"
#include "platform/sim/SimTypes.h"

namespace quillon {

// Time from a request to its answer being readable (a full-speed USB device answers in the next
// one or two 1 ms frames).
inline constexpr Millis kSimDefaultLatencyMs = 1;

inline constexpr std::size_t kSimProfileCount = 5;
inline constexpr std::size_t kSimInfoSize = 33;
inline constexpr std::size_t kSimRecordSize = 64;
inline constexpr std::size_t kSimSettingsSize = kSimProfileCount * kSimRecordSize;
// Profile pages lie 126 bytes apart, while a mouse page transfer moves 512 bytes: the region is
// sized so that a 512-byte transfer of the last page still fits.
inline constexpr std::size_t kSimPageStride = 126;
inline constexpr std::size_t kSimPageTransfer = 512;
inline constexpr std::size_t kSimPagesSize =
    (kSimProfileCount - 1) * kSimPageStride + kSimPageTransfer;
inline constexpr std::size_t kSimMouseKeyTableSize = 512;
inline constexpr std::size_t kSimCursorSize = 3072;
inline constexpr std::size_t kSimMacroUnit =
    128;  // the device information counts macro memory in these
inline constexpr std::size_t kSimMaxKeyCount = 255;

// Byte positions in the device information.
namespace sim_info {
inline constexpr std::size_t kFirmwareVersion = 0;  // 16 bit, little-endian
inline constexpr std::size_t kDeviceClass = 2;      // 1 mouse, 2 keyboard, 3 mousepad
inline constexpr std::size_t kProfileCount = 3;
inline constexpr std::size_t kKeyCount = 5;
inline constexpr std::size_t kMacroCapacity = 6;  // in units of kSimMacroUnit bytes
inline constexpr std::size_t kSensorId = 9;       // 16 bit, little-endian
inline constexpr std::size_t kDpiStep = 11;
inline constexpr std::size_t kDpiStageMax = 12;
inline constexpr std::size_t kDpiBase = 13;  // 16 bit, little-endian
}  // namespace sim_info

// Byte positions in a settings record (the lighting block is shared by all three kinds).
namespace sim_record {
inline constexpr std::size_t kProfileIndex = 0;
inline constexpr std::size_t kLighting = 1;  // 8 bytes: mode, brightness, speed, direction,
                                             // seven-colour flag, red, green, blue
inline constexpr std::size_t kReportRate = 14;
inline constexpr std::size_t kDpiLevel1 = 15;  // levels 1..4 at 15..18
inline constexpr std::size_t kActiveDpiStage = 19;
inline constexpr std::size_t kDpiLevel5 = 20;
inline constexpr std::size_t kDpiColours = 23;  // five red, green, blue triples
}  // namespace sim_record

using SimInfoBytes = std::array<std::uint8_t, kSimInfoSize>;

SimInfoBytes simDefaultDeviceInfo(SimKind kind);
// The whole settings area: five records, profile p at p x 64; byte 0 (the active profile number)
// names profile 0.
std::vector<std::uint8_t> simDefaultSettings(SimKind kind);

}  // namespace quillon
