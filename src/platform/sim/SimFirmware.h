#pragma once
// The simulated devices' firmware: one 64-byte request report in, one 64-byte answer out, carried
// out against the device's memory. It knows nothing of time, threads or transport, so each
// command can be tested on its own.
//
// Frame: byte 0 report id 4; bytes 1..2 the sum of bytes 3..63 (low byte first); byte 3 command;
// byte 4 length; bytes 5..6 address (little-endian); byte 7 status; bytes 8..63 payload.
// The answer repeats the request's command, length and address, carries status 0 and, for reads,
// the data at offset 8. A request whose checksum does not add up, or whose command this kind of
// device does not know, is answered 0xFF and not carried out; a length above 56 or a range outside
// the region is answered 0xFE. FactoryReset is carried out without looking at the checksum, which
// hosts leave 0 for it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/sim/SimMemory.h"

namespace quillon {

inline constexpr std::size_t kSimFrameSize = 64;
using SimFrame = std::array<std::uint8_t, kSimFrameSize>;

namespace sim_frame {
inline constexpr std::size_t kReportId = 0;
inline constexpr std::size_t kChecksum = 1;
inline constexpr std::size_t kCommand = 3;
inline constexpr std::size_t kLength = 4;
inline constexpr std::size_t kAddress = 5;
inline constexpr std::size_t kStatus = 7;
inline constexpr std::size_t kPayload = 8;
inline constexpr std::size_t kPayloadSize = kSimFrameSize - kPayload;
}  // namespace sim_frame

namespace sim_command {
inline constexpr std::uint8_t kBeginConfig = 0x01;
inline constexpr std::uint8_t kEndConfig = 0x02;
inline constexpr std::uint8_t kReadDeviceInfo = 0x03;
inline constexpr std::uint8_t kReadSettings = 0x05;
inline constexpr std::uint8_t kWriteSettings = 0x06;
inline constexpr std::uint8_t kReadKeyTable = 0x07;
inline constexpr std::uint8_t kReadProfileBlock = 0x08;
inline constexpr std::uint8_t kWriteProfileBlock = 0x09;
inline constexpr std::uint8_t kFactoryReset = 0x0D;
inline constexpr std::uint8_t kWriteMacroMemory = 0x15;
inline constexpr std::uint8_t kReadCursorMemory = 0x16;
inline constexpr std::uint8_t kWriteCursorMemory = 0x17;
}  // namespace sim_command

inline constexpr std::uint8_t kSimStatusOk = 0x00;
inline constexpr std::uint8_t kSimStatusRejected = 0xFF;    // bad checksum, unknown command
inline constexpr std::uint8_t kSimStatusOutOfRange = 0xFE;  // address or length outside a region

// The sum of bytes 3..63, cut to 16 bits.
std::uint16_t simFrameChecksum(const SimFrame& frame);
// Puts the checksum of bytes 3..63 into bytes 1..2.
void simSealFrame(SimFrame& frame);

// An answer to `request` with the given status and no payload (also used for injected faults).
SimFrame simStatusReply(const SimFrame& request, std::uint8_t status);

// Carries out one request against `memory` and returns the device's answer.
SimFrame simRunFirmware(SimMemory& memory, const SimFrame& request);

}  // namespace quillon
