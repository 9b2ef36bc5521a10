#pragma once
// The twelve device commands. Each takes the device's channel first and returns a CommandResult
// (device/CommandResult.h). Reads copy into their destination only what a successful response
// carried; a failed chunked transfer leaves the chunks already copied and the rest untouched.
//
// Chunked commands move their bytes 56 at a time (the last chunk carries the remainder); paged
// commands do the same over the channel's block size with chunk addresses page x 126 + offset.

#include <cstdint>
#include <span>

#include "device/CommandResult.h"
#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"

namespace quillon {

CommandResult BeginConfig(DeviceChannel& channel);
// Pauses 10 ms on the channel's clock first, connected or not.
CommandResult EndConfig(DeviceChannel& channel);
CommandResult ReadDeviceInfo(DeviceChannel& channel, std::span<std::uint8_t, kDeviceInfoSize> out);
// Reads destination.size() bytes (1..56) of the settings area from `address`.
CommandResult ReadSettings(DeviceChannel& channel, std::uint16_t address,
                           std::span<std::uint8_t> destination);
// Writes source.size() bytes (0..56) at address 0 of the settings area.
CommandResult WriteSettings(DeviceChannel& channel, std::span<const std::uint8_t> source);
// The factory key table, block size bytes; `destination` must hold at least that many.
CommandResult ReadKeyTable(DeviceChannel& channel, std::span<std::uint8_t> destination);
// Block size bytes of profile page `page` (0..4; -201 otherwise, nothing sent).
CommandResult ReadProfileBlock(DeviceChannel& channel, std::span<std::uint8_t> destination,
                               int page);
CommandResult WriteProfileBlock(DeviceChannel& channel, std::span<const std::uint8_t> source,
                                int page);
// Sent as it has always been: checksum left zero, no retry, status not examined.
CommandResult FactoryReset(DeviceChannel& channel);
CommandResult WriteMacroMemory(DeviceChannel& channel, std::span<const std::uint8_t> source);
CommandResult ReadCursorMemory(DeviceChannel& channel, std::span<std::uint8_t> destination);
CommandResult WriteCursorMemory(DeviceChannel& channel, std::span<const std::uint8_t> source);

}  // namespace quillon
