// cursor: reads the mouse's cursor-sequence image and describes it. The image came from the
// device, so every offset and count in it is checked against its length before use.

#include <optional>

#include "device/MemorySync.h"
#include "device/ctl/CtlCommands.h"
#include "device/ctl/CtlHex.h"
#include "device/ctl/CtlOptions.h"

namespace quillon::ctl {
namespace {

constexpr std::size_t kOffsetTableStart = 16;

std::optional<unsigned> wordAt(const std::vector<std::uint8_t>& image, std::size_t offset) {
    if (offset + 2 > image.size()) {
        return std::nullopt;
    }
    return image[offset] | image[offset + 1] << 8;
}

// False when the offset table itself runs out of the image (the rest is not looked at).
bool describeSequence(std::ostream& out, const std::vector<std::uint8_t>& image, unsigned k) {
    out << "sequence " << k << ": ";
    const auto offset = wordAt(image, kOffsetTableStart + 2 * std::size_t{k});
    if (!offset) {
        out << "offset entry beyond the image\n";
        return false;
    }
    const auto actions = wordAt(image, *offset);
    if (!actions) {
        out << "offset " << *offset << ", beyond the image\n";
        return true;
    }
    const std::size_t end = *offset + 4 + 4 * std::size_t{*actions};
    out << "offset " << *offset << ", " << *actions << " actions";
    out << (end > image.size() ? " (running beyond the image)\n" : "\n");
    return true;
}

void describeImage(std::ostream& out, const std::vector<std::uint8_t>& image) {
    const unsigned count = wordAt(image, 4).value_or(0);
    out << "header: " << hexString(std::span(image).first(kCursorHeaderSize)) << "\n";
    out << "length: " << image.size() << " bytes\n";
    out << "sequences: " << count << "\n";
    for (unsigned k = 0; k < count && describeSequence(out, image, k); ++k) {
    }
}

}  // namespace

int cursorCommand(CommandContext& context) {
    DeviceKind kind{};
    if (!kindArgument(context, 0, kind)) {
        return kExitUsage;
    }
    if (kind != DeviceKind::Mouse) {
        return usageError(context, "only the mouse has cursor memory");
    }
    auto channel = openDevice(context, kind);
    if (!channel) {
        return kExitFailed;
    }
    std::vector<std::uint8_t> image;
    SyncHooks hooks;
    hooks.storeCursorImage = [&](std::span<const std::uint8_t> bytes) {
        image.assign(bytes.begin(), bytes.end());
    };
    const CommandResult result = ReadCursorImage(*channel, hooks);
    if (result != kCommandOk) {
        return commandFailed(context, kind, "reading the cursor image", result);
    }
    describeImage(context.out, image);
    return kExitOk;
}

}  // namespace quillon::ctl
