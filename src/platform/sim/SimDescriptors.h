#pragma once
// The HID report descriptors the simulated interfaces hand out, written byte by byte as the
// devices' firmware would carry them.
//
// Configuration interface: vendor usage page 0xFF1C, usage 0x92; report id 4 with 63 data bytes
// each way, so every report, id included, is 64 bytes long.
// Consumer-control interface: usage page 0x0C, usage 0x01; report id 3 carrying an array of two
// 16-bit consumer usages (the device's announcements), 5 bytes with the id.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillon {

inline constexpr std::uint8_t kSimConfigReportId = 4;
inline constexpr std::size_t kSimConfigReportLength = 64;
inline constexpr std::uint8_t kSimConsumerReportId = 3;
inline constexpr std::size_t kSimConsumerUsageSlots = 2;
inline constexpr std::size_t kSimConsumerReportLength = 1 + 2 * kSimConsumerUsageSlots;

const std::vector<std::uint8_t>& simConfigDescriptor();
// The consumer-control input report that announces `usage` (the second slot stays empty).
std::vector<std::uint8_t> simConsumerReport(std::uint16_t usage);
const std::vector<std::uint8_t>& simConsumerDescriptor();

}  // namespace quillon
