#pragma once
// The 64-byte report that carries one request to a device's configuration interface, and its
// answer. Requests: report id 4, a 16-bit checksum of bytes 3..63 at offsets 1 and 2 (little
// endian), the command code, the payload length, a 16-bit little-endian device address, a zero
// status byte and up to 56 payload bytes. Responses are read with the same layout; only the status
// byte and the payload mean anything in them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace quillon {

inline constexpr std::size_t kFrameSize = 64;
inline constexpr std::size_t kFramePayloadOffset = 8;
inline constexpr std::size_t kFramePayloadSize = kFrameSize - kFramePayloadOffset;  // 56
inline constexpr std::uint8_t kCommandReportId = 4;
inline constexpr std::uint8_t kStatusFailedFF = 0xFF;
inline constexpr std::uint8_t kStatusFailedFE = 0xFE;

enum class CommandCode : std::uint8_t {
    BeginConfig = 0x01,
    EndConfig = 0x02,
    ReadDeviceInfo = 0x03,
    ReadSettings = 0x05,
    WriteSettings = 0x06,
    ReadKeyTable = 0x07,
    ReadProfileBlock = 0x08,
    WriteProfileBlock = 0x09,
    FactoryReset = 0x0D,
    WriteMacroMemory = 0x15,
    ReadCursorMemory = 0x16,
    WriteCursorMemory = 0x17,
};

// Sum of bytes 3..63 of a report, as the device checks it.
std::uint16_t frameChecksum(std::span<const std::uint8_t, kFrameSize> bytes);

struct CommandFrame {
    std::array<std::uint8_t, kFrameSize> bytes{};

    // A request with every field in place and the checksum computed last. The payload is cut to
    // 56 bytes; `length` is written as given (for reads it is the number of bytes asked for).
    static CommandFrame request(CommandCode code, std::uint8_t length, std::uint16_t address,
                                std::span<const std::uint8_t> payload = {});
    // A request of report id and command code only, every other byte (checksum included) zero,
    // as the factory reset is sent.
    static CommandFrame bare(CommandCode code);

    std::uint8_t command() const { return bytes[3]; }
    std::uint8_t length() const { return bytes[4]; }
    std::uint16_t address() const { return static_cast<std::uint16_t>(bytes[5] | bytes[6] << 8); }
    std::uint8_t status() const { return bytes[7]; }
    std::uint16_t storedChecksum() const {
        return static_cast<std::uint16_t>(bytes[1] | bytes[2] << 8);
    }
    void seal();  // computes and stores the checksum

    std::span<const std::uint8_t, kFramePayloadSize> payload() const {
        return std::span<const std::uint8_t, kFrameSize>(bytes).subspan<kFramePayloadOffset>();
    }
    std::span<const std::uint8_t, kFrameSize> view() const { return bytes; }
};

}  // namespace quillon
