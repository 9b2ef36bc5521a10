// Reading the mouse's cursor-sequence image at connect time.

#include <mutex>
#include <vector>

#include "device/Commands.h"
#include "device/MemorySync.h"
#include "device/SyncSteps.h"

namespace quillon {
namespace {

std::uint16_t wordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

// Reads the header, then the whole image it announces. Fails on a missing magic or a length that
// cannot be an image (shorter than its header, longer than the cursor memory).
CommandResult readImage(DeviceChannel& channel, std::vector<std::uint8_t>& image) {
    std::array<std::uint8_t, kCursorHeaderSize> header{};
    if (const CommandResult r = ReadCursorMemory(channel, header); r != kCommandOk) {
        return r;
    }
    const std::size_t length = wordAt(header, 2);
    if (wordAt(header, 0) != kImageMagic || length < kCursorHeaderSize ||
        length > kCursorMemorySize) {
        return kCommandBadAnswer;
    }
    std::vector<std::uint8_t> buffer(length, 0);
    if (const CommandResult r = ReadCursorMemory(channel, buffer); r != kCommandOk) {
        return r;
    }
    image = std::move(buffer);
    return kCommandOk;
}

}  // namespace

CommandResult ReadCursorImage(DeviceChannel& channel, const SyncHooks& hooks) {
    if (!channel.connected()) {
        return kCommandNoAnswer;
    }
    sync::Outcome outcome;
    std::vector<std::uint8_t> image;
    CommandResult read = kCommandNoAnswer;
    {
        std::lock_guard guard(channel.transactionLock());
        outcome.note(BeginConfig(channel));
        read = readImage(channel, image);
        outcome.note(read);
        // The bracket is closed whatever the image looked like.
        outcome.note(EndConfig(channel));
    }
    if (read == kCommandOk && hooks.storeCursorImage) {
        hooks.storeCursorImage(image);
    }
    return outcome.result();
}

}  // namespace quillon
