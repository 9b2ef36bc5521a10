#include "device/Commands.h"

#include <algorithm>

#include "device/Chunking.h"

namespace quillon {
namespace {

// Runs one single-report command; on success copies the first destination.size() payload bytes.
CommandResult runSingle(DeviceChannel& channel, const CommandFrame& request,
                        std::span<std::uint8_t> destination = {}) {
    CommandFrame response;
    const CommandResult result = channel.transact(request, response);
    if (result == kCommandOk) {
        std::copy_n(response.payload().begin(), destination.size(), destination.begin());
    }
    return result;
}

// Reads `total` bytes in chunks from device address `base` + offset. `limit` is asked again after
// each chunk, so a block size changed meanwhile is followed (never beyond the destination).
template <typename Limit>
CommandResult readChunks(DeviceChannel& channel, CommandCode code, std::size_t base,
                         std::span<std::uint8_t> destination, Limit limit) {
    if (!addressesFit(base, std::min(limit(), destination.size()))) {
        return kCommandBadLength;
    }
    for (std::size_t offset = 0; offset < std::min(limit(), destination.size());
         offset += kChunkSize) {
        const std::size_t total = std::min(limit(), destination.size());
        const std::size_t length = chunkLength(total, offset);
        if (base + offset > 0xFFFF) {
            return kCommandBadLength;
        }
        const auto request = CommandFrame::request(code, static_cast<std::uint8_t>(length),
                                                   static_cast<std::uint16_t>(base + offset));
        const CommandResult result =
            runSingle(channel, request, destination.subspan(offset, length));
        if (result != kCommandOk) {
            return result;
        }
    }
    return kCommandOk;
}

CommandResult writeChunks(DeviceChannel& channel, CommandCode code, std::size_t base,
                          std::span<const std::uint8_t> source) {
    if (!addressesFit(base, source.size())) {
        return kCommandBadLength;
    }
    for (std::size_t offset = 0; offset < source.size(); offset += kChunkSize) {
        const std::size_t length = chunkLength(source.size(), offset);
        const auto request = CommandFrame::request(code, static_cast<std::uint8_t>(length),
                                                   static_cast<std::uint16_t>(base + offset),
                                                   source.subspan(offset, length));
        const CommandResult result = runSingle(channel, request);
        if (result != kCommandOk) {
            return result;
        }
    }
    return kCommandOk;
}

std::size_t pageBase(int page) {
    return static_cast<std::size_t>(page) * kPageStride;
}

}  // namespace

CommandResult BeginConfig(DeviceChannel& channel) {
    return runSingle(channel, CommandFrame::request(CommandCode::BeginConfig, 0, 0));
}

CommandResult EndConfig(DeviceChannel& channel) {
    const auto request = CommandFrame::request(CommandCode::EndConfig, 0, 0);
    channel.clock().sleepFor(kEndConfigPauseMs);
    return runSingle(channel, request);
}

CommandResult ReadDeviceInfo(DeviceChannel& channel, std::span<std::uint8_t, kDeviceInfoSize> out) {
    const auto request = CommandFrame::request(CommandCode::ReadDeviceInfo, kDeviceInfoSize, 0);
    return runSingle(channel, request, out);
}

CommandResult ReadSettings(DeviceChannel& channel, std::uint16_t address,
                           std::span<std::uint8_t> destination) {
    if (destination.empty() || destination.size() > kFramePayloadSize) {
        return kCommandBadLength;
    }
    const auto request = CommandFrame::request(
        CommandCode::ReadSettings, static_cast<std::uint8_t>(destination.size()), address);
    return runSingle(channel, request, destination);
}

CommandResult WriteSettings(DeviceChannel& channel, std::span<const std::uint8_t> source) {
    if (source.size() > kFramePayloadSize) {
        return kCommandBadLength;
    }
    const auto request = CommandFrame::request(CommandCode::WriteSettings,
                                               static_cast<std::uint8_t>(source.size()), 0, source);
    return runSingle(channel, request);
}

CommandResult ReadKeyTable(DeviceChannel& channel, std::span<std::uint8_t> destination) {
    if (destination.size() < channel.blockSize()) {
        return kCommandBadLength;
    }
    return readChunks(channel, CommandCode::ReadKeyTable, 0, destination,
                      [&] { return std::size_t{channel.blockSize()}; });
}

CommandResult ReadProfileBlock(DeviceChannel& channel, std::span<std::uint8_t> destination,
                               int page) {
    if (!isValidPage(page)) {
        return kCommandBadPage;
    }
    const std::size_t total = channel.blockSize();
    if (destination.size() < total) {
        return kCommandBadLength;
    }
    return readChunks(channel, CommandCode::ReadProfileBlock, pageBase(page),
                      destination.first(total), [total] { return total; });
}

CommandResult WriteProfileBlock(DeviceChannel& channel, std::span<const std::uint8_t> source,
                                int page) {
    if (!isValidPage(page)) {
        return kCommandBadPage;
    }
    const std::size_t total = channel.blockSize();
    if (source.size() < total) {
        return kCommandBadLength;
    }
    return writeChunks(channel, CommandCode::WriteProfileBlock, pageBase(page),
                       source.first(total));
}

CommandResult FactoryReset(DeviceChannel& channel) {
    return channel.sendRaw(CommandFrame::bare(CommandCode::FactoryReset));
}

CommandResult WriteMacroMemory(DeviceChannel& channel, std::span<const std::uint8_t> source) {
    return writeChunks(channel, CommandCode::WriteMacroMemory, 0, source);
}

CommandResult ReadCursorMemory(DeviceChannel& channel, std::span<std::uint8_t> destination) {
    return readChunks(channel, CommandCode::ReadCursorMemory, 0, destination,
                      [&] { return destination.size(); });
}

CommandResult WriteCursorMemory(DeviceChannel& channel, std::span<const std::uint8_t> source) {
    return writeChunks(channel, CommandCode::WriteCursorMemory, 0, source);
}

}  // namespace quillon
